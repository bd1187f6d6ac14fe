// THtmlPreview: loading, layout, scrolling and painting.

#include "preview/viewer/HtmlPreview.h"

#include <algorithm>

#include "platform/CodePage1251.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "preview/viewer/AddressResolver.h"
#include "preview/document/Attributes.h"
#include "preview/viewer/ImageCache.h"
#include "preview/document/PreviewErrors.h"
#include "preview/viewer/RefreshMeta.h"
#include "preview/pictures/BuiltinPictures.h"
#include "preview/pictures/PictureLoader.h"

namespace tessaly::preview {

namespace {

// The picture as the document shows it: a GIF's first frame.
std::shared_ptr<TBitmap> StillOf(const TPicture& picture) {
  if (!picture.Animation) return std::make_shared<TBitmap>(*picture.Bitmap);
  const TRect frame = picture.Animation->FrameRect();
  const TBitmap& strip = picture.Animation->Strip();
  auto still = std::make_shared<TBitmap>(frame.Width(), frame.Height());
  if (strip.HasMask()) still->Mask.assign(static_cast<size_t>(frame.Width()) * frame.Height(), 0);
  for (int y = 0; y < frame.Height(); ++y)
    for (int x = 0; x < frame.Width(); ++x) {
      still->SetPixel(x, y, strip.Pixel(frame.Left + x, frame.Top + y));
      if (strip.HasMask()) still->Mask[static_cast<size_t>(y) * frame.Width() + x] = strip.Transparent(frame.Left + x, frame.Top + y);
    }
  return still;
}

// For a viewer given no container.
TPreviewContainer& NoContainer() {
  static TPreviewContainer none;
  return none;
}

}  // namespace

class THtmlPreview::TDocumentContainer final : public TPreviewContainer {
public:
  explicit TDocumentContainer(THtmlPreview& viewer) : viewer_(viewer) {}

  std::shared_ptr<TBitmap> GetImage(const std::string& source) override { return viewer_.GetImage(source); }
  std::unique_ptr<TGifAnimation> GetAnimation(const std::string& source) override {
    const std::shared_ptr<const TGifAnimation> animation = TImageCache::Shared().FindAnimation(source);
    return animation ? animation->MakeCopy() : nullptr;
  }
  void PlaceControl(TFormControlObj& control, const TRect& rect) override {
    viewer_.container_.PlaceControl(control, rect);
  }
  void ClearControls() override { viewer_.container_.ClearControls(); }
  void FormSubmit(const TFormSubmission& form) override { viewer_.SubmitForm(form); }
  void ScriptEvent(const std::string& name, const std::string& language, const std::string& script) override {
    viewer_.container_.ScriptEvent(name, language, script);
  }

private:
  THtmlPreview& viewer_;
};

THtmlPreview::THtmlPreview(TControlHost& host, TCanvas& measureCanvas, TPreviewContainer* container)
    : host_(host),
      canvas_(measureCanvas),
      container_(container ? *container : NoContainer()),
      documentContainer_(std::make_unique<TDocumentContainer>(*this)),
      document_(std::make_unique<TSectionList>()) {
  document_->Container = documentContainer_.get();
  document_->Parser = &parser_;
}

THtmlPreview::~THtmlPreview() {
  StopTimer(hoverTimer_);
  StopTimer(autoScrollTimer_);
  StopTimer(middleTimer_);
  StopTimer(animationTimer_);
  container_.ClearControls();
}

std::string THtmlPreview::ResolveName(const std::string& address) const {
  return ResolveAddress(address, {serverRoot_, base_, currentFile_});
}

THtmlPreview::TReadImage THtmlPreview::ReadImage(const std::string& source) {
  const std::string file = ResolveName(source);
  if (!FileExists(file)) return {};
  std::optional<TPicture> picture = LoadPictureFile(file);
  if (!picture) return {};
  std::shared_ptr<TBitmap> still = StillOf(*picture);
  if (picture->Still()) return {still, nullptr};
  return {still, std::shared_ptr<const TGifAnimation>(std::move(picture->Animation))};
}

std::shared_ptr<TBitmap> THtmlPreview::GetImage(const std::string& source) {
  TImageCache& cache = TImageCache::Shared();
  if (std::shared_ptr<TBitmap> cached = cache.Find(source)) return cached;
  TReadImage image = ReadImage(source);
  if (image.Bitmap && image.Bitmap != TSectionList::PendingImage()) cache.Add(source, image.Bitmap, image.Animation);
  return image.Bitmap;
}

void THtmlPreview::RestartAnimations() {
  StopTimer(animationTimer_);
  if (document_->AGifList.Empty()) return;
  document_->AGifList.Restart(MillisecondClock());
  StartAnimationTimer();
}

void THtmlPreview::StartAnimationTimer() {
  if (animationTimer_ || document_->AGifList.Empty()) return;
  document_->AGifList.OnInvalidate = [this](const TRect& rect) { host_.Invalidate(&rect, false); };
  animationTimer_ = host_.StartTimer(TGifAnimationList::kTimerInterval,
                                     [this] { document_->AGifList.Tick(MillisecondClock()); });
}

void THtmlPreview::ApplyFonts() {
  document_->CharSet = charSet_;
  document_->UnLine = (options_ & poNoLinkUnderline) ? 0 : fsUnderline;
  document_->ShowImages = viewImages_;
  document_->ShowDummyCaret = (options_ & poShowDummyCaret) != 0;
  document_->SetFonts(defFontName_, defPreFontName_, defFontSize_, defFontColor_, defHotSpotColor_,
                      defVisitedLinkColor_, defOverLinkColor_, (options_ & poOverLinksActive) != 0, defBackground_);
}

void THtmlPreview::PrepareDocument() {
  StopTimer(animationTimer_);
  container_.ClearControls();
  document_->Clear();
  TImageCache::Shared().Age(imageCacheCount_);
  ApplyFonts();
  names_.clear();
  document_->MarginWidth = marginWidth_;
  document_->MarginHeight = marginHeight_;
  caretPos_ = selAnchor_ = 0;
}

TSize THtmlPreview::PanelSize() const {
  const TSize client = host_.ClientSize();
  return {std::max(0, client.cx - (vBarShown_ ? kScrollBarSize : 0)),
          std::max(0, client.cy - (hBarShown_ ? kScrollBarSize : 0))};
}

int THtmlPreview::LayoutWidth() const {
  const int frame = borderStyle_ == pbNone ? 1 : 3;
  const bool vertical = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
  return std::max(1, host_.ClientSize().cx - frame - 2 * document_->MarginWidth - (vertical ? kScrollBarSize : 0));
}

void THtmlPreview::DoLayout() {
  document_->ClientHeight = host_.ClientSize().cy;
  const bool vertical = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
  // Animations stop while the page is laid out and start again from frame 1.
  StopTimer(animationTimer_);
  int height = 0;
  try {
    height = document_->DoLayout(canvas_, document_->MarginHeight, LayoutWidth());
  } catch (const EProcessError&) {
    // Shows what was laid out before the table that failed.
    height = document_->DocHeight;
  }
  docHeight_ = height + document_->MarginHeight + (vertical ? 2 * document_->MarginHeight : 0);
  docWidth_ = std::min(kMaxDocumentWidth, document_->MaxWidth + 2 * document_->MarginWidth);
  UpdateScrollBars();
  RestartAnimations();
}

void THtmlPreview::UpdateScrollBars() {
  const TSize client = host_.ClientSize();
  const bool vAllowed = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
  const bool hAllowed = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
  // Each bar's space is taken from the other when both show.
  bool vShow = vAllowed && (docHeight_ > client.cy || (options_ & poShowVScroll));
  bool hShow = hAllowed && docWidth_ > client.cx - (vShow ? kScrollBarSize : 0);
  if (hShow && vAllowed && !vShow) vShow = docHeight_ > client.cy - kScrollBarSize;
  vBarShown_ = vShow;
  hBarShown_ = hShow;
  const TSize panel = PanelSize();
  host_.ShowScrollBar(TScrollBarKind::sbVertical, vShow);
  host_.ShowScrollBar(TScrollBarKind::sbHorizontal, hShow);
  vPos_ = std::clamp(vPos_, 0, std::max(0, docHeight_ - panel.cy));
  hPos_ = std::clamp(hPos_, 0, std::max(0, docWidth_ - panel.cx));
  document_->YOff = vPos_;
  host_.SetScrollInfo(TScrollBarKind::sbVertical, {0, std::max(0, docHeight_ - 1), panel.cy, vPos_});
  host_.SetScrollInfo(TScrollBarKind::sbHorizontal, {0, std::max(0, docWidth_ - 1), panel.cx, hPos_});
}

void THtmlPreview::LoadText(const std::string& text, const std::string& name, TDocumentType type) {
  Load(text, name, type, textEncoding_);
}

void THtmlPreview::Load(std::string_view text, const std::string& name, TDocumentType type, text::Encoding encoding) {
  if (busy_) return;
  const size_t hash = name.find('#');
  const std::string anchor = hash == std::string::npos ? std::string() : name.substr(hash + 1);
  const std::string file = FullPath(name.substr(0, hash));
  const bool fileChanged = file != currentFile_;
  busy_ = true;
  try {
    currentFile_ = file;
    docType_ = type;
    PrepareDocument();
    refreshDelay_ = 0;
    refreshUrl_.clear();
    parser_.Encoding = encoding;
    auto meta = [this](const std::string& httpEq, const std::string&, const std::string& content) {
      if (cp1251::SameText(httpEq, "refresh")) ParseRefreshContent(content, refreshDelay_, refreshUrl_);
    };
    if (type == TDocumentType::PlainText) parser_.ParsePlainText(text, *document_, &names_);
    else parser_.ParseHtmlDocument(text, *document_, &names_, meta, nullptr, nullptr);
    title_ = parser_.Title();
    base_ = parser_.Base().empty() ? DefaultBase : parser_.Base();
    baseTarget_ = parser_.BaseTarget();
    DoLayout();
    MarkVisitedLinks();
    if (anchor.empty() || !PositionToAnchor(anchor)) {
      if (fileChanged || currentFile_.empty()) {
        vPos_ = hPos_ = 0;
        UpdateScrollBars();
      }
    }
  } catch (...) {
    busy_ = false;
    throw;
  }
  busy_ = false;
  host_.Invalidate(nullptr, false);
  if (refreshDelay_ > 0) container_.MetaRefresh(refreshDelay_, refreshUrl_);
}

void THtmlPreview::LoadLines(const std::vector<std::string>& lines, const std::string& name) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  LoadText(text, name, TDocumentType::Html);
}

void THtmlPreview::LoadFile(const std::string& name, TDocumentType type, std::optional<text::Encoding> encoding) {
  const std::string file = name.substr(0, name.find('#'));
  if (!FileExists(file)) throw EInOutError("Can't locate file: " + name);
  if (type == TDocumentType::Image) {
    Load("<img src=\"" + file + "\">", name, type, text::Encoding::Utf8);
    return;
  }
  const TPageText page = ReadPageText(ReadFileBytes(file), encoding);
  Load(page.Text, name, type, page.Encoding);
}

void THtmlPreview::OpenHtmlFile(const std::string& name) {
  const std::string oldFile = currentFile_, oldTitle = title_;
  const TDocumentType oldType = docType_;
  const int oldPos = Position();
  LoadFile(name, TDocumentType::Html);
  if (oldFile != currentFile_ || oldType != docType_) AddHistory(oldFile, oldTitle, oldType, oldPos);
}

void THtmlPreview::OpenImageFile(const std::string& name) {
  const std::string oldFile = currentFile_, oldTitle = title_;
  const TDocumentType oldType = docType_;
  const int oldPos = Position();
  LoadFile(name, TDocumentType::Image);
  if (oldFile != currentFile_ || oldType != docType_) AddHistory(oldFile, oldTitle, oldType, oldPos);
}

void THtmlPreview::ClearPage() {
  if (busy_) return;
  StopTimer(animationTimer_);
  container_.ClearControls();
  document_->Clear();
  title_.clear();
  base_.clear();
  baseTarget_.clear();
  docHeight_ = docWidth_ = 0;
  vPos_ = hPos_ = 0;
  vBarShown_ = hBarShown_ = false;
  host_.ShowScrollBar(TScrollBarKind::sbVertical, false);
  host_.ShowScrollBar(TScrollBarKind::sbHorizontal, false);
  caretPos_ = selAnchor_ = 0;
  document_->SelB = document_->SelE = 0;
  host_.Invalidate(nullptr, false);
}

int THtmlPreview::Position() const {
  const TSectionList& doc = *document_;
  for (size_t i = 0; i < doc.size(); ++i) {
    const TSectionBase& block = *doc[i];
    if (vPos_ < block.YValue + block.SectionHeight || i + 1 == doc.size()) {
      const int offset = std::clamp(vPos_ - block.YValue, 0, 0xFFFF);
      return static_cast<int>((std::min<size_t>(i, 0xFFFF) << 16) | static_cast<unsigned>(offset));
    }
  }
  return 0;
}

void THtmlPreview::SetPosition(int position) {
  const size_t index = static_cast<unsigned>(position) >> 16;
  const int offset = position & 0xFFFF;
  if (index >= document_->size()) return;
  SetVScrollPosition((*document_)[index]->YValue + offset);
}

void THtmlPreview::SetVScrollPosition(int y) {
  const int old = vPos_;
  vPos_ = std::clamp(y, 0, std::max(0, docHeight_ - PanelSize().cy));
  document_->YOff = vPos_;
  document_->YOffChange = true;
  host_.SetScrollInfo(TScrollBarKind::sbVertical, {0, std::max(0, docHeight_ - 1), PanelSize().cy, vPos_});
  if (vPos_ == old) return;
  const TSize panel = PanelSize();
  // A small step moves the window's pixels; anything larger repaints.
  if (std::abs(vPos_ - old) <= 16) host_.ScrollArea(0, old - vPos_, {0, 0, panel.cx, panel.cy});
  else host_.Invalidate(nullptr, false);
}

void THtmlPreview::SetHScrollPosition(int x) {
  const int old = hPos_;
  hPos_ = std::clamp(x, 0, std::max(0, docWidth_ - PanelSize().cx));
  host_.SetScrollInfo(TScrollBarKind::sbHorizontal, {0, std::max(0, docWidth_ - 1), PanelSize().cx, hPos_});
  if (hPos_ != old) host_.Invalidate(nullptr, false);
}

bool THtmlPreview::PositionToAnchor(const std::string& name) {
  std::string key = cp1251::UpperCase(!name.empty() && name[0] == '#' ? name.substr(1) : name);
  for (const TNameEntry& entry : names_) {
    if (entry.Name != key) continue;
    SetVScrollPosition(entry.Section->YValue);
    SetHScrollPosition(0);
    MarkVisited(currentFile_ + "#" + key);
    return true;
  }
  return false;
}

void THtmlPreview::LayoutKeepingPosition() {
  if (busy_) return;
  const int position = Position();
  busy_ = true;
  host_.SetCursor(TCursorShape::crHourGlass);
  DoLayout();
  SetPosition(position);
  if (docHeight_ <= PanelSize().cy) SetVScrollPosition(0);
  host_.SetCursor(TCursorShape::crDefault);
  busy_ = false;
  host_.Invalidate(nullptr, false);
}

void THtmlPreview::Resize() {
  if (document_->empty()) {
    UpdateScrollBars();
    return;
  }
  LayoutKeepingPosition();
}

void THtmlPreview::Paint(TCanvas& canvas, const TRect& clip) {
  const TSize panel = PanelSize();
  const TRect area = IntersectRect(clip, {0, 0, panel.cx, panel.cy});
  if (area.IsEmpty()) return;
  document_->SelB = std::min(caretPos_, selAnchor_);
  document_->SelE = std::max(caretPos_, selAnchor_);
  document_->CaretPos = caretPos_;
  document_->Draw(canvas, area, document_->MarginWidth - hPos_, -vPos_);
  const bool framed = borderStyle_ == pbSingle || (borderStyle_ == pbFocused && host_.Focused());
  if (framed) {
    canvas.SetBrush(clBtnShadow, TBrushStyle::bsSolid);
    canvas.FrameRect({0, 0, panel.cx, panel.cy});
  }
}

TPoint THtmlPreview::ToDocument(int x, int y) const { return {x - document_->MarginWidth + hPos_, y + vPos_}; }

// Properties that change the fonts re-apply them and lay a page out again.
void THtmlPreview::SetDefFontName(const std::string& name) {
  defFontName_ = name;
  ApplyFonts();
  if (!document_->empty()) LayoutKeepingPosition();
}

void THtmlPreview::SetDefPreFontName(const std::string& name) {
  defPreFontName_ = name;
  ApplyFonts();
  if (!document_->empty()) LayoutKeepingPosition();
}

void THtmlPreview::SetDefFontSize(int size) {
  defFontSize_ = std::max(size, 6);
  ApplyFonts();
  if (!document_->empty()) LayoutKeepingPosition();
}

void THtmlPreview::SetCharSet(int charSet) {
  charSet_ = charSet;
  ApplyFonts();
  if (!document_->empty()) LayoutKeepingPosition();
}

void THtmlPreview::SetDefBackground(TColor color) {
  if (busy_) return;
  defBackground_ = color;
  document_->SetBackground(color);
  host_.Invalidate(nullptr, false);
}

void THtmlPreview::SetDefFontColor(TColor color) {
  defFontColor_ = color;
  ApplyFonts();
  host_.Invalidate(nullptr, false);
}

void THtmlPreview::SetDefHotSpotColor(TColor color) {
  defHotSpotColor_ = color;
  ApplyFonts();
  host_.Invalidate(nullptr, false);
}

void THtmlPreview::SetDefVisitedLinkColor(TColor color) {
  defVisitedLinkColor_ = color;
  ApplyFonts();
  host_.Invalidate(nullptr, false);
}

void THtmlPreview::SetDefOverLinkColor(TColor color) {
  defOverLinkColor_ = color;
  ApplyFonts();
  host_.Invalidate(nullptr, false);
}

void THtmlPreview::SetImageCacheCount(int count) {
  const int clamped = std::clamp(count, 0, 20);
  if (clamped < imageCacheCount_) TImageCache::Shared().Purge(clamped);
  imageCacheCount_ = clamped;
}

void THtmlPreview::SetViewImages(bool view) {
  if (busy_ || view == viewImages_) return;
  viewImages_ = view;
  document_->ShowImages = view;
  LayoutKeepingPosition();
}

void THtmlPreview::SetScrollBars(TScrollStyle bars) {
  scrollBars_ = bars;
  LayoutKeepingPosition();
}

void THtmlPreview::SetBorderStyle(TPreviewBorderStyle style) {
  borderStyle_ = style;
  host_.Invalidate(nullptr, false);
}

void THtmlPreview::SetMarginWidth(int width) {
  if (busy_ || width < 0) return;
  marginWidth_ = document_->MarginWidth = std::min(width, 200);
  LayoutKeepingPosition();
}

void THtmlPreview::SetMarginHeight(int height) {
  if (busy_ || height < 0) return;
  marginHeight_ = document_->MarginHeight = std::min(height, 200);
  LayoutKeepingPosition();
}

void THtmlPreview::SetServerRoot(const std::string& root) {
  serverRoot_ = Trim(root);
  while (!serverRoot_.empty() && serverRoot_.back() == '/') serverRoot_.pop_back();
}

void THtmlPreview::SetPreviewOptions(TPreviewOptions options) {
  options_ = options;
  ApplyFonts();
  UpdateScrollBars();
  host_.Invalidate(nullptr, false);
}

}  // namespace tessaly::preview
