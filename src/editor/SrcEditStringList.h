#pragma once
// The source editor's text: an array of line records, each with the
// highlighter's scan state at the line's start and a cache of its
// tab-expanded width. Every change is reported through the notifications,
// on which the editor re-scans, repaints and clamps its caret. The buffer
// knows nothing of undo.

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "platform/EventChain.h"
#include "platform/Exception.h"

namespace tessaly {

class ESrcEditStringList : public Exception {
public:
  using Exception::Exception;
};

enum class TLineBreakStyle { lbCrLf, lbLf, lbCr };

// Line record flags.
enum TSrcEditStringFlag : uint8_t { TabsPresent = 1, TabsAbsent = 2, WidthStale = 4 };

struct TSrcEditStringRec {
  std::string Text;
  void* Data = nullptr;  // the string list's per-line object; never owned
  int32_t ScanState = -1;
  int32_t DisplayLength = -1;
  uint8_t Flags = WidthStale;
};

// What one operation of the buffer did to its lines (0-based indexes). A copy
// of the lines as they were becomes the lines as they are by removing
// LinesRemoved lines at FirstLine and inserting there the buffer's lines
// FirstLine .. FirstLine + LinesAdded - 1.
enum class TLinesChangeKind {
  lcChanged,   // lines rewritten in place (Put, Exchange): LinesAdded = LinesRemoved
  lcInserted,  // Add, Insert, AddStrings, InsertEmptyLines
  lcDeleted,   // Delete, RemoveLines
  lcReplaced,  // the whole text: SetText, LoadFromFile, LoadFromStream, Clear
};

struct TLinesChange {
  TLinesChangeKind Kind = TLinesChangeKind::lcChanged;
  int FirstLine = 0;
  int LinesAdded = 0;
  int LinesRemoved = 0;
  // Made by the user through the editor (its commands, undo and redo, and
  // the editing calls the application makes on the user's behalf), as
  // opposed to code setting or loading the text.
  bool ByUser = false;

  bool operator==(const TLinesChange&) const = default;
};

// Expands the tabs of a line for a tab width; reports whether it held a tab.
using TTabExpander = std::string (*)(std::string_view line, int tabWidth, bool& hasTabs);

class TSrcEditStringList {
public:
  TSrcEditStringList();
  ~TSrcEditStringList();
  TSrcEditStringList(const TSrcEditStringList&) = delete;
  TSrcEditStringList& operator=(const TSrcEditStringList&) = delete;

  // Notifications, bound by the owning editor.
  std::function<void(TSrcEditStringList&)> OnChanging;
  std::function<void(TSrcEditStringList&)> OnChange;
  std::function<void(int index, const std::string& text)> OnLineAdded;
  std::function<void(int index, const std::string& text)> OnLineInserted;
  std::function<void(int index)> OnLineDeleted;
  std::function<void(int index, const std::string& text)> OnLinePut;
  std::function<void(TSrcEditStringList&)> OnLinesCleared;

  // Every change of the text, one report per operation, after the lines
  // changed; open to any number of listeners. Operations inside one
  // BeginUpdate/EndUpdate are reported one by one as they happen, never
  // merged; SetText and the loads report one lcReplaced for the whole text,
  // even when the text was and stays empty. Per-line objects and scan states
  // are not text and are not reported.
  TEventChain<const TLinesChange&> OnLinesChange;

  // Changes made between these calls (they nest) are reported ByUser; the
  // editor brackets its commands, undo, redo and editing calls with them.
  void BeginUserChange() { ++userChangeCount_; }
  void EndUserChange() {
    if (userChangeCount_ > 0) --userChangeCount_;
  }
  bool InUserChange() const { return userChangeCount_ > 0; }

  int Count() const { return static_cast<int>(lines_.size()); }
  int Capacity() const { return capacity_; }
  void SetCapacity(int capacity);

  const std::string& Get(int index) const;  // empty for an index out of range
  std::vector<std::string> Strings() const;  // every line, in order
  void Put(int index, std::string_view text);
  int Add(std::string_view text);
  void Insert(int index, std::string_view text);
  void Delete(int index);
  void Exchange(int index1, int index2);
  void Clear();
  void* GetObject(int index) const;
  void PutObject(int index, void* object);

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  void AddStrings(const std::vector<std::string>& lines);
  void AddStrings(const TSrcEditStringList& source);  // with the per-line objects
  void InsertEmptyLines(int index, int count);
  void RemoveLines(int index, int count);

  int32_t ScanState(int index) const;  // 0 for an index out of range
  void SetScanState(int index, int32_t state);

  std::string ExpandedText(int index);
  int LongestLineLength();
  const TSrcEditStringRec& Record(int index) const { return lines_.at(static_cast<size_t>(index)); }

  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int tabWidth);
  TTabExpander TabExpander() const { return tabExpander_; }

  TLineBreakStyle LineBreakStyle() const { return lineBreakStyle_; }
  void SetLineBreakStyle(TLineBreakStyle style) { lineBreakStyle_ = style; }
  bool AppendFinalBreak() const { return appendFinalBreak_; }
  void SetAppendFinalBreak(bool append) { appendFinalBreak_ = append; }

  // Every line followed by CR LF, as the string-list interface gives it.
  std::string Text() const;
  // Replaces all lines by `text` split at CR LF, CR, LF or NUL.
  void SetText(std::string_view text);

  // The file is read whole before anything changes, so a failed open keeps
  // the old text.
  void LoadFromFile(const std::string& fileName);
  void LoadFromStream(std::istream& stream);
  // Lines with the break of LineBreakStyle; the file is replaced only after
  // everything was written.
  void SaveToFile(const std::string& fileName) const;
  void SaveToStream(std::ostream& stream) const;

private:
  struct Update;  // BeginUpdate/EndUpdate for one operation

  void CheckIndex(int index, int limit) const;
  void GrowIfFull();
  void InsertLine(int index, std::string_view text);
  std::string ExpandLine(TSrcEditStringRec& line);  // fills the width cache
  void LoadBytes(std::string_view bytes);
  // Replaces every line by the lines of `bytes`, as one reported change.
  void ReplaceAll(std::string_view bytes, bool* sawCr, bool* sawLf);
  void Report(TLinesChangeKind kind, int firstLine, int added, int removed);
  void LoadText(std::string_view bytes, bool* sawCr, bool* sawLf);
  std::string_view LineBreak() const;

  std::vector<TSrcEditStringRec> lines_;
  int capacity_ = 0;
  int updateCount_ = 0;
  TLineBreakStyle lineBreakStyle_ = TLineBreakStyle::lbCrLf;
  bool appendFinalBreak_ = true;
  int tabWidth_ = 8;
  TTabExpander tabExpander_;
  int longestLineIndex_ = -1;
  int userChangeCount_ = 0;
  int reportsHeld_ = 0;  // above 0 while an operation reports as a whole
};

// The lines of a file as the editor loads them.
std::vector<std::string> LoadLinesFromFile(const std::string& fileName);

// The three expansion routines; the buffer picks one per tab width.
std::string ExpandTabsAsSpaces(std::string_view line, int tabWidth, bool& hasTabs);
std::string ExpandTabsByMask(std::string_view line, int tabWidth, bool& hasTabs);
std::string ExpandTabsByDivision(std::string_view line, int tabWidth, bool& hasTabs);
TTabExpander TabExpanderFor(int tabWidth);

}  // namespace tessaly
