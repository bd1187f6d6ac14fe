#include "highlight/CustomHighlighter.h"

#include <algorithm>
#include <utility>

#include "platform/CodePage1251.h"

namespace tessaly {

namespace {

TSrcCharSet DefaultWordBreakCharSet() {
  TSrcCharSet set;
  for (unsigned char c : std::string_view("!\"'()*+,-./:;=?[\\]^{|}")) set.set(c);
  return set;
}

// Case-insensitive order of attribute names.
bool NameLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return cp1251::ToLower(static_cast<unsigned char>(x)) < cp1251::ToLower(static_cast<unsigned char>(y));
  });
}

}  // namespace

TSrcCustomHighlighter::TSrcCustomHighlighter() : wordBreakCharSet_(DefaultWordBreakCharSet()) {}

TSrcCustomHighlighter::~TSrcCustomHighlighter() {
  destroyListeners_.Fire(this);
  // Attributes go from the last to the first.
  while (!attributes_.empty()) attributes_.pop_back();
}

int TSrcCustomHighlighter::AttriCount() const { return static_cast<int>(attributes_.size()); }

TSrcHighlighterAttributes* TSrcCustomHighlighter::AttriByIndex(int index) const {
  if (index < 0 || index >= AttriCount()) return nullptr;
  return attributes_[static_cast<size_t>(index)].get();
}

std::string TSrcCustomHighlighter::DefaultFilter() const { return defaultFilter_; }
void TSrcCustomHighlighter::SetDefaultFilter(const std::string& value) { defaultFilter_ = value; }
bool TSrcCustomHighlighter::IsDefaultFilterStored() const { return true; }

TSrcCharSet TSrcCustomHighlighter::IdentifierCharSet() const {
  TSrcCharSet set;
  for (int c = 33; c <= 255; ++c) set.set(static_cast<size_t>(c));
  return set;
}

void TSrcCustomHighlighter::SetWordBreakCharSet(const TSrcCharSet& value) { wordBreakCharSet_ = value; }

std::string TSrcCustomHighlighter::SampleText() const { return {}; }
std::string TSrcCustomHighlighter::LanguageDisplayName() const { return "<Unknown>"; }

void TSrcCustomHighlighter::ScanToLineEnd() {
  while (!AtLineEnd()) NextToken();
}

int32_t TSrcCustomHighlighter::GetScanState() const { return 0; }
void TSrcCustomHighlighter::SetScanState(int32_t) {}
void TSrcCustomHighlighter::ResetScanState() {}

void TSrcCustomHighlighter::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  NotifyChanged();
}

void TSrcCustomHighlighter::AddChangeListener(const void* owner, TSrcNotifyEvent handler) {
  changeListeners_.Add(owner, std::move(handler));
}
void TSrcCustomHighlighter::RemoveChangeListener(const void* owner) { changeListeners_.Remove(owner); }

void TSrcCustomHighlighter::AddDestroyListener(const void* owner, TSrcNotifyEvent handler) {
  destroyListeners_.Add(owner, std::move(handler));
}
void TSrcCustomHighlighter::RemoveDestroyListener(const void* owner) { destroyListeners_.Remove(owner); }

TSrcHighlighterAttributes* TSrcCustomHighlighter::RegisterAttri(std::unique_ptr<TSrcHighlighterAttributes> attri) {
  const auto at = std::lower_bound(attributes_.begin(), attributes_.end(), attri->AttriName(),
                                   [](const auto& entry, const std::string& name) {
                                     return NameLess(entry->AttriName(), name);
                                   });
  if (at != attributes_.end() && !NameLess(attri->AttriName(), (*at)->AttriName()))
    throw EAttributeListError("String list does not allow duplicates");
  return attributes_.insert(at, std::move(attri))->get();
}

void TSrcCustomHighlighter::BindAttriChanges(const std::function<void()>& handler) {
  for (const auto& attri : attributes_) {
    attri->ChangeHandler = handler;
    attri->CaptureDefaults();
  }
}

void TSrcCustomHighlighter::NotifyChanged() { changeListeners_.Fire(this); }

}  // namespace tessaly
