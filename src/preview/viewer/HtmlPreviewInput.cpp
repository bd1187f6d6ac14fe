// THtmlPreview: selection, source mapping, links, history, mouse and keys.

#include <algorithm>

#include "platform/CodePage1251.h"
#include "platform/Paths.h"
#include "platform/Utf8.h"
#include "preview/viewer/AddressResolver.h"
#include "preview/document/Forms.h"
#include "preview/viewer/HtmlPreview.h"

namespace tessaly::preview {

namespace {

constexpr int kHoverInterval = 200;
constexpr int kScrollInterval = 100;
constexpr int kSmallStep = 16;

// Letters and digits of every script: ASCII ones, and from U+00C0 on all but
// the punctuation and symbol blocks.
bool IsWordChar(char32_t c) {
  if (c < 0xC0) return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  return c != 0xD7 && c != 0xF7 && !(c >= 0x2000 && c <= 0x2BFF) && !(c >= 0x3000 && c <= 0x303F) &&
         !(c >= 0xFE30 && c <= 0xFE6F) && !(c >= 0xFF00 && c <= 0xFF20) && c != 0xFFFD;
}

// The word around text index `index` of a section: [begin, end).
std::pair<int, int> WordSpan(const TSection& section, int index) {
  const std::u32string& text = section.Buff;
  int begin = index, end = index;
  while (end < static_cast<int>(text.size()) && IsWordChar(text[end])) ++end;
  while (begin > 0 && IsWordChar(text[begin - 1])) --begin;
  return {begin, end};
}

}  // namespace

void THtmlPreview::RepaintSelection() {
  document_->SelB = SelStart();
  document_->SelE = std::max(caretPos_, selAnchor_);
  document_->CaretPos = caretPos_;
  host_.Invalidate(nullptr, false);
}

void THtmlPreview::SetCaretPos(int pos) {
  caretPos_ = selAnchor_ = std::max(pos, 0);
  RepaintSelection();
}

void THtmlPreview::SetSelStart(int pos) {
  caretPos_ = selAnchor_ = std::max(pos, 0);
  RepaintSelection();
}

void THtmlPreview::SetSelLength(int length) {
  caretPos_ = std::max(selAnchor_ + length, 0);
  RepaintSelection();
}

void THtmlPreview::SelectRange(int from, int to) {
  selAnchor_ = std::max(from, 0);
  caretPos_ = std::max(to, 0);
  RepaintSelection();
}

int THtmlPreview::SourcePosOf(int docPos) { return document_->SourcePosOf(docPos); }

int THtmlPreview::SourceLengthOf(int docPos) {
  char32_t ch = 0;
  TSection* section = nullptr;
  return docPos >= 0 && document_->CharAt(docPos, ch, section) ? section->SourceLengthOf(docPos) : -1;
}

int THtmlPreview::DisplayPosOf(int sourcePos, bool prev) { return document_->DocPosOf(sourcePos, prev); }

bool THtmlPreview::DisplayPosToXY(int docPos, int& x, int& y) {
  TPoint at;
  if (!document_->CursorPoint(canvas_, docPos, at)) return false;
  x = at.X + document_->MarginWidth - hPos_;
  y = at.Y - vPos_;
  return true;
}

int THtmlPreview::DocPosAt(int x, int y) {
  const TPoint at = ToDocument(x, y);
  return document_->CursorAt(canvas_, at.X, at.Y);
}

std::string THtmlPreview::WordAt(int x, int y) {
  const int pos = DocPosAt(x, y);
  char32_t ch = 0;
  TSection* section = nullptr;
  if (pos < 0 || !document_->CharAt(pos, ch, section)) return {};
  if (!IsWordChar(ch)) return ToUtf8(std::u32string_view(&ch, 1));
  const auto [begin, end] = WordSpan(*section, pos - section->StartCurs);
  return ToUtf8(std::u32string_view(section->Buff).substr(begin, end - begin));
}

// History ------------------------------------------------------------------

void THtmlPreview::AddHistory(const std::string& oldFile, const std::string& oldTitle, TDocumentType oldType,
                              int oldPos) {
  if (historyMaxCount_ < 1 || currentFile_.empty()) return;
  if (oldFile == currentFile_ && oldType == docType_ && oldPos == Position()) return;
  if (!historyFiles_.empty() && historyIndex_ < static_cast<int>(historyFiles_.size())) {
    historyFiles_[historyIndex_] = oldFile;
    historyTitles_[historyIndex_] = oldTitle;
    historyPositions_[historyIndex_] = {oldPos, oldType};
    // The pages ahead of the current one are dropped.
    historyFiles_.erase(historyFiles_.begin(), historyFiles_.begin() + historyIndex_);
    historyTitles_.erase(historyTitles_.begin(), historyTitles_.begin() + historyIndex_);
    historyPositions_.erase(historyPositions_.begin(), historyPositions_.begin() + historyIndex_);
  } else if (!oldFile.empty()) {
    historyFiles_.insert(historyFiles_.begin(), oldFile);
    historyTitles_.insert(historyTitles_.begin(), oldTitle);
    historyPositions_.insert(historyPositions_.begin(), PositionObj{oldPos, oldType});
  }
  historyFiles_.insert(historyFiles_.begin(), currentFile_);
  historyTitles_.insert(historyTitles_.begin(), title_);
  historyPositions_.insert(historyPositions_.begin(), PositionObj{Position(), docType_});
  const size_t max = static_cast<size_t>(historyMaxCount_);
  if (historyFiles_.size() > max) {
    historyFiles_.resize(max);
    historyTitles_.resize(max);
    historyPositions_.resize(max);
  }
  historyIndex_ = 0;
  container_.HistoryChange();
}

void THtmlPreview::SetHistoryMaxCount(int count) {
  if (count < 0) return;
  const bool lower = count < historyMaxCount_;
  historyMaxCount_ = count;
  if (!lower) return;
  const bool hadEntries = !historyFiles_.empty();
  historyFiles_.clear();
  historyTitles_.clear();
  historyPositions_.clear();
  historyIndex_ = 0;
  if (hadEntries) container_.HistoryChange();
}

void THtmlPreview::SetHistoryIndex(int index) {
  if (index < 0 || index >= static_cast<int>(historyFiles_.size()) || index == historyIndex_) return;
  // The page being left keeps its position for a return.
  historyPositions_[historyIndex_] = {Position(), docType_};
  historyIndex_ = index;
  const PositionObj target = historyPositions_[index];
  if (historyFiles_[index] != currentFile_ || target.FileType != docType_) LoadFile(historyFiles_[index], target.FileType);
  SetPosition(target.Pos);
  container_.HistoryChange();
}

// Visited links ------------------------------------------------------------

bool THtmlPreview::IsVisited(const TFontObj& link) const {
  // Resolving an address may look through folders: not on every reload of a
  // page nobody has followed a link from.
  if (visited_.empty()) return false;
  const std::string& url = link.UrlTarget.Url;
  const std::string address = !url.empty() && url[0] == '#' ? currentFile_ + url : ResolveName(url);
  for (const std::string& visited : visited_)
    if (cp1251::SameText(visited, address)) return true;
  return false;
}

void THtmlPreview::MarkVisitedLinks() {
  for (TFontObj* link : document_->LinkList) link->Visited = visitedMaxCount_ > 0 && IsVisited(*link);
}

void THtmlPreview::MarkVisited(const std::string& address) {
  if (visitedMaxCount_ <= 0) return;
  std::erase_if(visited_, [&](const std::string& v) { return cp1251::SameText(v, address); });
  visited_.insert(visited_.begin(), address);
  if (visited_.size() > static_cast<size_t>(visitedMaxCount_)) visited_.resize(visitedMaxCount_);
  MarkVisitedLinks();
  host_.Invalidate(nullptr, false);
}

void THtmlPreview::SetVisitedMaxCount(int count) {
  visitedMaxCount_ = std::max(count, 0);
  if (visited_.size() > static_cast<size_t>(visitedMaxCount_)) visited_.resize(visitedMaxCount_);
  MarkVisitedLinks();
  host_.Invalidate(nullptr, false);
}

// Links ----------------------------------------------------------------------

void THtmlPreview::HotSpotClick(const std::string& url) {
  bool handled = false;
  if (OnHotSpotClick) OnHotSpotClick(url, handled);
  if (handled) return;
  const std::string oldFile = currentFile_, oldTitle = title_;
  const TDocumentType oldType = docType_;
  const int oldPos = Position();
  if (!url.empty() && url[0] == '#') {
    if (PositionToAnchor(url)) {
      AddHistory(oldFile, oldTitle, oldType, oldPos);
      MarkVisited(currentFile_ + url);
    }
    return;
  }
  const size_t hash = url.find('#');
  const std::string anchor = hash == std::string::npos ? std::string() : url.substr(hash);
  const std::string file = ResolveName(url.substr(0, hash));
  const std::string ext = cp1251::UpperCase(ExtractFileExt(file));
  if (ext == ".HTM" || ext == ".HTML") {
    if (file != currentFile_) {
      LoadFile(file + anchor, TDocumentType::Html);
      MarkVisited(file + anchor);
    } else if (!anchor.empty()) {
      PositionToAnchor(anchor);
    }
    AddHistory(oldFile, oldTitle, oldType, oldPos);
  } else if (ext == ".BMP" || ext == ".GIF" || ext == ".JPG" || ext == ".JPEG" || ext == ".PNG") {
    LoadFile(file, TDocumentType::Image);
    AddHistory(oldFile, oldTitle, oldType, oldPos);
  }
}

void THtmlPreview::SubmitForm(const TFormSubmission& form) {
  // After the click or key that caused it has been handled.
  host_.PostCall([this, form] { container_.FormSubmit(form); });
}

void THtmlPreview::ControlFocused(TFormControlObj& control) {
  const TSize panel = PanelSize();
  const TRect& place = control.Place;
  if (place.Top >= vPos_ && place.Bottom <= vPos_ + panel.cy - 20) return;
  SetVScrollPosition(place.Top - (panel.cy - place.Height()) / 2);
}

// Mouse and keys -------------------------------------------------------------

bool THtmlPreview::LinkUnder(TPoint at, std::string& url, std::string& target, TFontObj*& font) {
  TUrlTarget* link = nullptr;
  font = nullptr;
  if (document_->LinkAt(canvas_, at.X, at.Y, font, link)) {
    url = link->Url;
    target = link->Target;
    return true;
  }
  TPoint inImage;
  const TImageObj* image = document_->ImageAt(at.X, at.Y, inImage);
  if (!image || !image->UseMap) return false;
  for (const auto& map : document_->MapList)
    if (map->MapName == image->MapName) return map->GetURL(inImage, url, target) && !url.empty();
  return false;
}

void THtmlPreview::StopTimer(int& id) {
  if (id) host_.StopTimer(id);
  id = 0;
}

void THtmlPreview::MouseDown(TMouseButton button, unsigned, int x, int y) {
  if (middleMode_) {
    middleMode_ = false;
    StopTimer(middleTimer_);
    host_.SetCursor(TCursorShape::crDefault);
    return;
  }
  lastMouse_ = {x, y};
  if (button == TMouseButton::mbMiddle) {
    middleMode_ = true;
    middleOrigin_ = {x, y};
    host_.SetCursor(TCursorShape::crSizeAll);
    middleTimer_ = host_.StartTimer(kScrollInterval, [this] { MiddleScrollTick(); });
    return;
  }
  if (button != TMouseButton::mbLeft) return;
  host_.SetFocus();
  leftDown_ = true;
  host_.SetCapture(true);
  const int pos = DocPosAt(x, y);
  SetCaretPos(pos >= 0 ? pos : caretPos_);
}

void THtmlPreview::MouseMove(unsigned /*shift*/, int x, int y) {
  lastMouse_ = {x, y};
  if (middleMode_) return;
  const TPoint at = ToDocument(x, y);
  TFontObj* font = nullptr;
  TPoint inImage;
  TImageObj* image = document_->ImageAt(at.X, at.Y, inImage);
  std::string url, frame;
  const bool onLink = LinkUnder(at, url, frame, font);
  if (url != coveredUrl_ || frame != coveredTarget_) {
    coveredUrl_ = url;
    coveredTarget_ = frame;
    if (OnHotSpotCovered) OnHotSpotCovered(url);
  }
  if (document_->ActiveImage != image) {
    // Hover images animate only under the pointer.
    TImageObj* old = document_->ActiveImage;
    if (old && old->Active && old->Animation) document_->AGifList.PointerLeft(*old->Animation);
    if (image && image->Active && image->Animation) {
      document_->AGifList.PointerEntered(*image->Animation, MillisecondClock());
      StartAnimationTimer();
    }
  }
  if (document_->ActiveLink != font || document_->ActiveImage != image) {
    document_->ActiveLink = font;
    document_->ActiveImage = image;
    if (options_ & poOverLinksActive) host_.Invalidate(nullptr, false);
  }
  if (onLink) {
    host_.SetCursor(TCursorShape::crHandPoint);
    if (!hoverTimer_) hoverTimer_ = host_.StartTimer(kHoverInterval, [this] { HoverTick(); });
  } else {
    host_.SetCursor(DocPosAt(x, y) >= 0 ? TCursorShape::crIBeam : TCursorShape::crArrow);
  }
  if (!leftDown_ || noSelect_) return;
  const int pos = DocPosAt(x, y);
  if (pos >= 0) {
    caretPos_ = pos;
    RepaintSelection();
  }
  const TSize panel = PanelSize();
  if ((y < 0 || y >= panel.cy) && !autoScrollTimer_)
    autoScrollTimer_ = host_.StartTimer(kScrollInterval, [this] { AutoScrollTick(); });
  else if (y >= 0 && y < panel.cy) StopTimer(autoScrollTimer_);
}

void THtmlPreview::AutoScrollTick() {
  const int panelHeight = PanelSize().cy;
  const int y = lastMouse_.Y;
  const int beyond = y < 0 ? -y : y - panelHeight;
  if (beyond < 0 || !leftDown_) {
    StopTimer(autoScrollTimer_);
    return;
  }
  const int step = beyond <= 15 ? kSmallStep : 128;
  SetVScrollPosition(vPos_ + (y < 0 ? -step : step));
}

void THtmlPreview::MiddleScrollTick() {
  const int distance = lastMouse_.Y - middleOrigin_.Y;
  if (std::abs(distance) <= 20) return;
  const int step = std::abs(distance) > 60 ? 32 : 8;
  SetVScrollPosition(vPos_ + (distance < 0 ? -step : step));
}

void THtmlPreview::HoverTick() {
  const TSize panel = PanelSize();
  if (TRect{0, 0, panel.cx, panel.cy}.Contains(lastMouse_)) return;
  MouseLeave();
}

void THtmlPreview::MouseLeave() {
  StopTimer(hoverTimer_);
  const bool wasCovered = !coveredUrl_.empty();
  if (TImageObj* old = document_->ActiveImage; old && old->Active && old->Animation)
    document_->AGifList.PointerLeft(*old->Animation);
  document_->ActiveLink = nullptr;
  document_->ActiveImage = nullptr;
  coveredUrl_.clear();
  coveredTarget_.clear();
  lastMouse_ = {-1, -1};
  host_.Invalidate(nullptr, false);
  if (wasCovered && OnHotSpotCovered) OnHotSpotCovered("");
}

void THtmlPreview::MouseUp(TMouseButton button, unsigned /*shift*/, int x, int y) {
  const TPoint at = ToDocument(x, y);
  if (button != TMouseButton::mbLeft || !leftDown_) return;
  leftDown_ = false;
  host_.SetCapture(false);
  StopTimer(autoScrollTimer_);
  TPoint inImage;
  if (TImageObj* image = document_->ImageAt(at.X, at.Y, inImage)) {
    if (image->MyFormControl) {
      image->MyFormControl->ImageClick(inImage);
      return;
    }
  }
  TFontObj* font = nullptr;
  std::string url, frame;
  if (SelLength() == 0 && LinkUnder(at, url, frame, font)) HotSpotClick(url);
}

void THtmlPreview::DoubleClick(TMouseButton /*button*/, unsigned /*shift*/, int x, int y) {
  if (!noSelect_) {
    const int pos = DocPosAt(x, y);
    char32_t ch = 0;
    TSection* section = nullptr;
    if (pos >= 0 && document_->CharAt(pos, ch, section)) {
      const auto [begin, end] = WordSpan(*section, pos - section->StartCurs);
      SelectRange(section->StartCurs + begin, section->StartCurs + end);
    }
  }
}

void THtmlPreview::KeyDown(TKey key) {
  if (middleMode_) {
    middleMode_ = false;
    StopTimer(middleTimer_);
    host_.SetCursor(TCursorShape::crDefault);
    return;
  }
  const int page = PanelSize().cy - kSmallStep;
  switch (key) {
    case TKey::PageUp: SetVScrollPosition(vPos_ - page); break;
    case TKey::PageDown: SetVScrollPosition(vPos_ + page); break;
    case TKey::Home: SetVScrollPosition(0); break;
    case TKey::End: SetVScrollPosition(docHeight_); break;
    case TKey::Up: SetVScrollPosition(vPos_ - kSmallStep); break;
    case TKey::Down: SetVScrollPosition(vPos_ + kSmallStep); break;
    case TKey::Left: SetHScrollPosition(hPos_ - 15); break;
    case TKey::Right: SetHScrollPosition(hPos_ + 15); break;
    case TKey::Other: break;
  }
}

void THtmlPreview::Wheel(int deltaY) { SetVScrollPosition(vPos_ - deltaY / 120 * 3 * kSmallStep); }

void THtmlPreview::ScrollBarMoved(TScrollBarKind bar, int position) {
  if (bar == TScrollBarKind::sbVertical) SetVScrollPosition(position);
  else SetHScrollPosition(position);
}

void THtmlPreview::FocusChanged() {
  if (borderStyle_ == pbFocused) host_.Invalidate(nullptr, false);
}

}  // namespace tessaly::preview
