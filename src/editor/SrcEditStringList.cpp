#include "editor/SrcEditStringList.h"

#include <algorithm>
#include <cstdlib>
#include <istream>
#include <iterator>
#include <ostream>

#include "editor/SrcEditFileWriter.h"
#include "platform/Files.h"

namespace tessaly {

// ---- tab expansion -------------------------------------------------------

std::string ExpandTabsAsSpaces(std::string_view line, int, bool& hasTabs) {
  std::string out(line);
  hasTabs = false;
  for (char& c : out)
    if (c == '\t') {
      c = ' ';
      hasTabs = true;
    }
  return out;
}

namespace {

// Expands with `nextStop(column)` giving the column after a tab at `column`.
template <typename NextStop>
std::string ExpandTabs(std::string_view line, bool& hasTabs, NextStop nextStop) {
  hasTabs = line.find('\t') != std::string_view::npos;
  if (!hasTabs) return std::string(line);
  std::string out;
  out.reserve(line.size() + 16);
  for (char c : line) {
    if (c == '\t') out.append(static_cast<size_t>(nextStop(static_cast<int>(out.size())) - static_cast<int>(out.size())), '\t');
    else out += c;
  }
  return out;
}

bool IsPowerOfTwo(int value) { return value > 0 && (value & (value - 1)) == 0; }

}  // namespace

std::string ExpandTabsByMask(std::string_view line, int tabWidth, bool& hasTabs) {
  const int mask = ~(tabWidth - 1);
  return ExpandTabs(line, hasTabs, [=](int column) { return (column + tabWidth) & mask; });
}

std::string ExpandTabsByDivision(std::string_view line, int tabWidth, bool& hasTabs) {
  return ExpandTabs(line, hasTabs, [=](int column) { return column + tabWidth - column % tabWidth; });
}

TTabExpander TabExpanderFor(int tabWidth) {
  if (tabWidth <= 1) return ExpandTabsAsSpaces;
  if (IsPowerOfTwo(tabWidth) && tabWidth <= 65536) return ExpandTabsByMask;
  return ExpandTabsByDivision;
}

std::vector<std::string> LoadLinesFromFile(const std::string& fileName) {
  TSrcEditStringList lines;
  lines.LoadFromFile(fileName);
  return lines.Strings();
}

// ---- the buffer -------------------------------------------------------------

struct TSrcEditStringList::Update {
  explicit Update(TSrcEditStringList& list) : list(list) { list.BeginUpdate(); }
  ~Update() { list.EndUpdate(); }
  TSrcEditStringList& list;
};

TSrcEditStringList::TSrcEditStringList() : tabExpander_(TabExpanderFor(8)) {}

TSrcEditStringList::~TSrcEditStringList() {
  OnChange = nullptr;
  OnChanging = nullptr;
}

void TSrcEditStringList::CheckIndex(int index, int limit) const {
  if (index < 0 || index > limit) throw ESrcEditStringList(Format("Invalid stringlist index %d", index));
}

void TSrcEditStringList::SetCapacity(int capacity) {
  if (capacity < Count()) capacity = Count();
  capacity_ = capacity;
  lines_.reserve(static_cast<size_t>(capacity));
}

void TSrcEditStringList::GrowIfFull() {
  if (Count() < capacity_) return;
  SetCapacity(capacity_ + (capacity_ > 64 ? capacity_ / 4 : 16));
}

const std::string& TSrcEditStringList::Get(int index) const {
  static const std::string kEmpty;
  return index >= 0 && index < Count() ? lines_[static_cast<size_t>(index)].Text : kEmpty;
}

std::vector<std::string> TSrcEditStringList::Strings() const {
  std::vector<std::string> strings;
  strings.reserve(lines_.size());
  for (const auto& line : lines_) strings.push_back(line.Text);
  return strings;
}

void TSrcEditStringList::Put(int index, std::string_view text) {
  if (index == Count()) {
    Add(text);
    return;
  }
  CheckIndex(index, Count() - 1);
  Update update(*this);
  TSrcEditStringRec& line = lines_[static_cast<size_t>(index)];
  line.Text.assign(text);
  line.Flags = WidthStale;
  longestLineIndex_ = -1;
  if (OnLinePut) OnLinePut(index, line.Text);
  Report(TLinesChangeKind::lcChanged, index, 1, 1);
}

void TSrcEditStringList::InsertLine(int index, std::string_view text) {
  GrowIfFull();
  longestLineIndex_ = -1;
  TSrcEditStringRec line;
  line.Text.assign(text);
  lines_.insert(lines_.begin() + index, std::move(line));
}

int TSrcEditStringList::Add(std::string_view text) {
  Update update(*this);
  const int index = Count();
  InsertLine(index, text);
  if (OnLineAdded) OnLineAdded(index, lines_[static_cast<size_t>(index)].Text);
  Report(TLinesChangeKind::lcInserted, index, 1, 0);
  return index;
}

void TSrcEditStringList::Insert(int index, std::string_view text) {
  CheckIndex(index, Count());
  Update update(*this);
  InsertLine(index, text);
  if (OnLineInserted) OnLineInserted(index, lines_[static_cast<size_t>(index)].Text);
  Report(TLinesChangeKind::lcInserted, index, 1, 0);
}

void TSrcEditStringList::Delete(int index) {
  CheckIndex(index, Count() - 1);
  Update update(*this);
  lines_.erase(lines_.begin() + index);
  longestLineIndex_ = -1;
  if (OnLineDeleted) OnLineDeleted(index);
  Report(TLinesChangeKind::lcDeleted, index, 0, 1);
}

void TSrcEditStringList::Exchange(int index1, int index2) {
  CheckIndex(index1, Count() - 1);
  CheckIndex(index2, Count() - 1);
  Update update(*this);
  std::swap(lines_[static_cast<size_t>(index1)], lines_[static_cast<size_t>(index2)]);
  // The cached longest line moves with its record.
  if (longestLineIndex_ == index1) longestLineIndex_ = index2;
  else if (longestLineIndex_ == index2) longestLineIndex_ = index1;
  if (index1 != index2) {
    const int span = std::abs(index1 - index2) + 1;
    Report(TLinesChangeKind::lcChanged, std::min(index1, index2), span, span);
  }
}

void TSrcEditStringList::Clear() {
  if (!lines_.empty()) {
    Update update(*this);
    const int removed = Count();
    lines_ = {};
    capacity_ = 0;
    if (OnLinesCleared) OnLinesCleared(*this);
    Report(TLinesChangeKind::lcReplaced, 0, 0, removed);
  }
  longestLineIndex_ = -1;
}

void* TSrcEditStringList::GetObject(int index) const {
  return index >= 0 && index < Count() ? lines_[static_cast<size_t>(index)].Data : nullptr;
}

void TSrcEditStringList::PutObject(int index, void* object) {
  CheckIndex(index, Count() - 1);
  Update update(*this);
  lines_[static_cast<size_t>(index)].Data = object;
}

void TSrcEditStringList::BeginUpdate() {
  if (updateCount_++ == 0 && OnChanging) OnChanging(*this);
}

void TSrcEditStringList::EndUpdate() {
  if (--updateCount_ == 0 && OnChange) OnChange(*this);
}

void TSrcEditStringList::AddStrings(const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  longestLineIndex_ = -1;
  Update update(*this);
  const int first = Count();
  const int needed = Count() + static_cast<int>(lines.size());
  if (needed > capacity_) SetCapacity((needed + 15) / 16 * 16);
  for (const std::string& text : lines) lines_.push_back(TSrcEditStringRec{text});
  if (OnLineAdded) OnLineAdded(first, std::string());
  Report(TLinesChangeKind::lcInserted, first, Count() - first, 0);
}

void TSrcEditStringList::AddStrings(const TSrcEditStringList& source) {
  if (source.Count() == 0) return;
  longestLineIndex_ = -1;
  Update update(*this);
  const int first = Count();
  const int needed = Count() + source.Count();
  if (needed > capacity_) SetCapacity((needed + 15) / 16 * 16);
  for (const TSrcEditStringRec& line : source.lines_) lines_.push_back(TSrcEditStringRec{line.Text, line.Data});
  if (OnLineAdded) OnLineAdded(first, std::string());
  Report(TLinesChangeKind::lcInserted, first, Count() - first, 0);
}

void TSrcEditStringList::InsertEmptyLines(int index, int count) {
  if (count <= 0) return;
  CheckIndex(index, Count());
  Update update(*this);
  SetCapacity(Count() + count);
  lines_.insert(lines_.begin() + index, static_cast<size_t>(count), TSrcEditStringRec{{}, nullptr, 0, 0, 0});
  longestLineIndex_ = -1;
  if (OnLineAdded) OnLineAdded(index, std::string());
  Report(TLinesChangeKind::lcInserted, index, count, 0);
}

void TSrcEditStringList::RemoveLines(int index, int count) {
  if (count <= 0) return;
  CheckIndex(index, Count() - 1);
  Update update(*this);
  const int removed = std::min(count, Count() - index);
  lines_.erase(lines_.begin() + index, lines_.begin() + index + removed);
  longestLineIndex_ = -1;
  if (OnLineDeleted) OnLineDeleted(index);
  Report(TLinesChangeKind::lcDeleted, index, 0, removed);
}

int32_t TSrcEditStringList::ScanState(int index) const {
  return index >= 0 && index < Count() ? lines_[static_cast<size_t>(index)].ScanState : 0;
}

void TSrcEditStringList::SetScanState(int index, int32_t state) {
  CheckIndex(index, Count() - 1);
  Update update(*this);
  lines_[static_cast<size_t>(index)].ScanState = state;
}

std::string TSrcEditStringList::ExpandLine(TSrcEditStringRec& line) {
  bool hasTabs = false;
  std::string expanded = line.Text.empty() ? std::string() : tabExpander_(line.Text, tabWidth_, hasTabs);
  line.DisplayLength = static_cast<int32_t>(expanded.size());
  line.Flags = hasTabs ? TabsPresent : TabsAbsent;
  return expanded;
}

std::string TSrcEditStringList::ExpandedText(int index) {
  if (index < 0 || index >= Count()) return std::string();
  TSrcEditStringRec& line = lines_[static_cast<size_t>(index)];
  return line.Flags & TabsAbsent ? line.Text : ExpandLine(line);
}

int TSrcEditStringList::LongestLineLength() {
  if (longestLineIndex_ < 0) {
    int longest = -1;
    for (int i = 0; i < Count(); ++i) {
      TSrcEditStringRec& line = lines_[static_cast<size_t>(i)];
      if (line.Flags & WidthStale) ExpandLine(line);
      if (longestLineIndex_ < 0 || line.DisplayLength > longest) {
        longest = line.DisplayLength;
        longestLineIndex_ = i;
      }
    }
  }
  return longestLineIndex_ >= 0 && longestLineIndex_ < Count()
             ? lines_[static_cast<size_t>(longestLineIndex_)].DisplayLength
             : 0;
}

void TSrcEditStringList::SetTabWidth(int tabWidth) {
  if (tabWidth == tabWidth_) return;
  tabWidth_ = tabWidth;
  tabExpander_ = TabExpanderFor(tabWidth);
  longestLineIndex_ = -1;
  for (TSrcEditStringRec& line : lines_) {
    line.DisplayLength = -1;
    line.Flags = static_cast<uint8_t>((line.Flags & ~TabsAbsent) | WidthStale);
  }
}

std::string TSrcEditStringList::Text() const {
  size_t size = 0;
  for (const TSrcEditStringRec& line : lines_) size += line.Text.size() + 2;
  std::string text;
  text.reserve(size);
  for (const TSrcEditStringRec& line : lines_) {
    text += line.Text;
    text += "\r\n";
  }
  return text;
}

void TSrcEditStringList::SetText(std::string_view text) { ReplaceAll(text, nullptr, nullptr); }

void TSrcEditStringList::Report(TLinesChangeKind kind, int firstLine, int added, int removed) {
  if (reportsHeld_ > 0 || OnLinesChange.Count() == 0) return;
  OnLinesChange.Fire(TLinesChange{kind, firstLine, added, removed, userChangeCount_ > 0});
}

void TSrcEditStringList::ReplaceAll(std::string_view bytes, bool* sawCr, bool* sawLf) {
  Update update(*this);
  const int removed = Count();
  // The lines' own reports are held back, so listeners hear of one
  // replacement, also when the load stops halfway.
  ++reportsHeld_;
  try {
    Clear();
    LoadText(bytes, sawCr, sawLf);
  } catch (...) {
    --reportsHeld_;
    Report(TLinesChangeKind::lcReplaced, 0, Count(), removed);
    throw;
  }
  --reportsHeld_;
  Report(TLinesChangeKind::lcReplaced, 0, Count(), removed);
}

void TSrcEditStringList::LoadText(std::string_view bytes, bool* sawCr, bool* sawLf) {
  // Room for every line at once: the logical Capacity still grows step by
  // step, but the records are not moved again and again on big files.
  size_t breaks = 1;
  for (char c : bytes) breaks += c == '\n' || c == '\r';
  lines_.reserve(lines_.size() + breaks);
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = pos;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    Add(bytes.substr(pos, end - pos));
    pos = end;
    if (pos < bytes.size() && bytes[pos] == '\r') {
      ++pos;
      if (sawCr) *sawCr = true;
    }
    if (pos < bytes.size() && bytes[pos] == '\n') {
      ++pos;
      if (sawLf) *sawLf = true;
    }
  }
}

void TSrcEditStringList::LoadFromFile(const std::string& fileName) { LoadBytes(ReadFileBytes(fileName)); }

void TSrcEditStringList::LoadFromStream(std::istream& stream) {
  stream.clear();
  stream.seekg(0);
  const std::string bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
  if (stream.bad()) throw EReadError("Stream read error");
  LoadBytes(bytes);
}

void TSrcEditStringList::LoadBytes(std::string_view bytes) {
  bool sawCr = false, sawLf = false;
  ReplaceAll(bytes, &sawCr, &sawLf);
  lineBreakStyle_ = sawCr && !sawLf   ? TLineBreakStyle::lbCr
                    : sawLf && !sawCr ? TLineBreakStyle::lbLf
                                      : TLineBreakStyle::lbCrLf;
}

std::string_view TSrcEditStringList::LineBreak() const {
  switch (lineBreakStyle_) {
    case TLineBreakStyle::lbLf: return "\n";
    case TLineBreakStyle::lbCr: return "\r";
    case TLineBreakStyle::lbCrLf: break;
  }
  return "\r\n";
}

void TSrcEditStringList::SaveToStream(std::ostream& stream) const {
  const std::string_view lineBreak = LineBreak();
  size_t size = 0;
  for (const TSrcEditStringRec& line : lines_) size += line.Text.size() + lineBreak.size();
  std::string bytes;
  bytes.reserve(size);
  for (size_t i = 0; i < lines_.size(); ++i) {
    bytes += lines_[i].Text;
    if (appendFinalBreak_ || i + 1 < lines_.size()) bytes += lineBreak;
  }
  stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!stream) throw EWriteError("Stream write error");
}

void TSrcEditStringList::SaveToFile(const std::string& fileName) const {
  const std::string_view lineBreak = LineBreak();
  TSrcEditFileWriter writer(fileName);
  for (size_t i = 0; i < lines_.size(); ++i) {
    writer.Write(lines_[i].Text);
    if (appendFinalBreak_ || i + 1 < lines_.size()) writer.Write(lineBreak);
  }
  writer.Commit();
}

}  // namespace tessaly
