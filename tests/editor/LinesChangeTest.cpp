// The line buffer's change reports: what each operation reports, who made
// the change, and that a listener rebuilding the lines from the reports
// alone never falls out of step with the buffer.

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "EditorHarness.h"
#include "TempDir.h"
#include "editor/SrcEditStringList.h"
#include "platform/Files.h"

namespace tessaly::test {
namespace {

using V = std::vector<std::string>;
using K = TLinesChangeKind;

struct ReportLog {
  explicit ReportLog(TSrcEditStringList& lines) : lines(lines) {
    lines.OnLinesChange.Add(this, [this](const TLinesChange& change) { reports.push_back(change); });
  }
  ~ReportLog() { lines.OnLinesChange.Remove(this); }
  TSrcEditStringList& lines;
  std::vector<TLinesChange> reports;
};

TEST(LinesChange, OneReportPerOperation) {
  const struct {
    const char* name;
    void (*edit)(TSrcEditStringList&);
    std::vector<TLinesChange> reports;
  } cases[] = {
      {"put", [](TSrcEditStringList& l) { l.Put(1, "B"); }, {{K::lcChanged, 1, 1, 1}}},
      {"put at count appends", [](TSrcEditStringList& l) { l.Put(3, "d"); }, {{K::lcInserted, 3, 1, 0}}},
      {"add", [](TSrcEditStringList& l) { l.Add("d"); }, {{K::lcInserted, 3, 1, 0}}},
      {"insert", [](TSrcEditStringList& l) { l.Insert(1, "z"); }, {{K::lcInserted, 1, 1, 0}}},
      {"delete", [](TSrcEditStringList& l) { l.Delete(2); }, {{K::lcDeleted, 2, 0, 1}}},
      {"exchange", [](TSrcEditStringList& l) { l.Exchange(2, 0); }, {{K::lcChanged, 0, 3, 3}}},
      {"exchange with itself", [](TSrcEditStringList& l) { l.Exchange(1, 1); }, {}},
      {"add strings", [](TSrcEditStringList& l) { l.AddStrings(V{"x", "y"}); }, {{K::lcInserted, 3, 2, 0}}},
      {"insert empty lines", [](TSrcEditStringList& l) { l.InsertEmptyLines(1, 4); }, {{K::lcInserted, 1, 4, 0}}},
      {"remove lines past the end", [](TSrcEditStringList& l) { l.RemoveLines(1, 9); }, {{K::lcDeleted, 1, 0, 2}}},
      {"clear", [](TSrcEditStringList& l) { l.Clear(); }, {{K::lcReplaced, 0, 0, 3}}},
      {"clear twice", [](TSrcEditStringList& l) { l.Clear(); l.Clear(); }, {{K::lcReplaced, 0, 0, 3}}},
      {"set text", [](TSrcEditStringList& l) { l.SetText("x\r\ny\n\nz"); }, {{K::lcReplaced, 0, 4, 3}}},
      {"set empty text", [](TSrcEditStringList& l) { l.SetText(""); }, {{K::lcReplaced, 0, 0, 3}}},
      {"load", [](TSrcEditStringList& l) {
         std::istringstream in("p\nq\n");
         l.LoadFromStream(in);
       },
       {{K::lcReplaced, 0, 2, 3}}},
      {"scan state and object are no text", [](TSrcEditStringList& l) {
         l.SetScanState(0, 5);
         l.PutObject(1, &l);
       },
       {}},
      {"each operation of an update on its own", [](TSrcEditStringList& l) {
         l.BeginUpdate();
         l.Put(0, "A");
         l.Delete(1);
         l.EndUpdate();
       },
       {{K::lcChanged, 0, 1, 1}, {K::lcDeleted, 1, 0, 1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TSrcEditStringList lines;
    lines.AddStrings(V{"a", "b", "c"});
    ReportLog first(lines), second(lines);
    c.edit(lines);
    EXPECT_EQ(first.reports, c.reports);
    EXPECT_EQ(second.reports, c.reports);
  }
}

TEST(LinesChange, EmptyTextSetOnAnEmptyBufferIsStillAReplacement) {
  TSrcEditStringList lines;
  ReportLog log(lines);
  lines.SetText("");
  EXPECT_EQ(log.reports, (std::vector<TLinesChange>{{K::lcReplaced, 0, 0, 0}}));
}

// Whether a change is the user's, by the way it was made.
TEST(LinesChange, ByUserTellsEditingFromLoading) {
  TempDir dir;
  const std::string file = dir.File("page.htm");
  WriteFileAtomically(file, "a\nb\n");
  const struct {
    const char* name;
    std::function<void(EditorHarness&)> edit;
    bool byUser;
  } cases[] = {
      {"typing", [](EditorHarness& h) { h.Run("type:x"); }, true},
      {"line break", [](EditorHarness& h) { h.Run("ecLineBreak"); }, true},
      {"undo", [](EditorHarness& h) { h.Run("type:x"); h.editor.Undo(); }, true},
      {"redo", [](EditorHarness& h) { h.Run("type:x ecUndo"); h.editor.Redo(); }, true},
      {"selection text", [](EditorHarness& h) { h.editor.SetSelText("<b>\r\n</b>"); }, true},
      {"cut and paste", [](EditorHarness& h) {
         h.editor.SelectAll();
         h.editor.CutToClipboard();
         h.editor.PasteFromClipboard();
       },
       true},
      {"replace all", [](EditorHarness& h) { h.editor.SearchReplace("b", "x", {soReplaceAll, soEntireScope}); }, true},
      {"drop", [](EditorHarness& h) {
         h.editor.PlaceCaretAndSelection({2, 1}, {1, 1}, {2, 1});
         h.editor.DragDrop(h.editor, 8 * 4 + 32 + 4, 2, 0);
       },
       true},
      {"clear all command", [](EditorHarness& h) { h.Run("ecClearAll"); }, true},
      {"set text", [](EditorHarness& h) { h.editor.SetText("new\r\n"); }, false},
      {"lines set directly", [](EditorHarness& h) { h.editor.Lines().Put(0, "x"); }, false},
      {"load from file", [&](EditorHarness& h) { h.editor.Lines().LoadFromFile(file); }, false},
      {"code after an edit", [](EditorHarness& h) {
         h.Run("type:x");
         h.editor.Lines().Clear();
       },
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EditorHarness h;
    h.Load("ab|c\nd");
    ReportLog log(h.editor.Lines());
    c.edit(h);
    ASSERT_FALSE(log.reports.empty());
    EXPECT_EQ(log.reports.back().ByUser, c.byUser);
  }
}

// A listener that knows the lines only from the reports: after each report
// it removes the lines the report says went and copies in the ones it says
// came, and must then hold exactly the buffer's lines.
class ModelListener {
public:
  explicit ModelListener(TSrcEditStringList& lines) : lines_(lines), model_(lines.Strings()) {
    lines_.OnLinesChange.Add(this, [this](const TLinesChange& change) { Apply(change); });
  }
  ~ModelListener() { lines_.OnLinesChange.Remove(this); }

  const V& Model() const { return model_; }
  int Reports() const { return reports_; }
  bool AllByUser() const { return allByUser_; }
  bool NoneByUser() const { return noneByUser_; }
  void Reset() {
    reports_ = 0;
    allByUser_ = noneByUser_ = true;
  }

private:
  void Apply(const TLinesChange& c) {
    ++reports_;
    allByUser_ = allByUser_ && c.ByUser;
    noneByUser_ = noneByUser_ && !c.ByUser;
    const int size = static_cast<int>(model_.size());
    switch (c.Kind) {
      case K::lcChanged: EXPECT_EQ(c.LinesAdded, c.LinesRemoved); break;
      case K::lcInserted: EXPECT_EQ(c.LinesRemoved, 0); break;
      case K::lcDeleted: EXPECT_EQ(c.LinesAdded, 0); break;
      case K::lcReplaced:
        EXPECT_EQ(c.FirstLine, 0);
        EXPECT_EQ(c.LinesRemoved, size);
        break;
    }
    ASSERT_TRUE(c.FirstLine >= 0 && c.LinesRemoved >= 0 && c.FirstLine + c.LinesRemoved <= size);
    ASSERT_LE(c.FirstLine + c.LinesAdded, lines_.Count());
    model_.erase(model_.begin() + c.FirstLine, model_.begin() + c.FirstLine + c.LinesRemoved);
    for (int i = 0; i < c.LinesAdded; ++i)
      model_.insert(model_.begin() + c.FirstLine + i, lines_.Get(c.FirstLine + i));
  }

  TSrcEditStringList& lines_;
  V model_;
  int reports_ = 0;
  bool allByUser_ = true, noneByUser_ = true;
};

TEST(LinesChange, ReportsAloneRebuildTheLinesThroughRandomEditing) {
  for (const unsigned seed : {7u, 1234u, 99991u}) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    EditorHarness h;
    h.Load("<p>one\n  two\n\tthree|\nfour");
    ModelListener listener(h.editor.Lines());
    const char* const kCommands[] = {
        "type:x",        "type:<a>",      "ecLineBreak",     "ecInsertLine",   "ecDeleteLastChar", "ecDeleteChar",
        "ecDeleteWord",  "ecDeleteLine",  "ecDeleteEOL",     "ecDeleteBOL",    "ecBlockIndent",    "ecBlockUnindent",
        "ecTab",         "ecShiftTab",    "ecUpperCase"   , "ecUndo",        "ecRedo",           "ecToggleCase",
        "ecPaste",       "ecCut",         "ecCopy",          "ecLeft",         "ecUp",             "ecDown",
        "ecSelDown",     "ecSelLeft",     "ecSelRight",      "ecLineEnd",      "ecEditorTop",      "ecSelectAll",
        "ecColumnSelect", "ecNormalSelect"};
    const int kCount = static_cast<int>(std::size(kCommands));
    for (int step = 0; step < 1500; ++step) {
      listener.Reset();
      const int choice = pick(0, 99);
      std::string name;
      bool byUser = true;
      if (choice < 80) {
        name = kCommands[pick(0, kCount - 1)];
        h.Run(name);
      } else if (choice < 88) {
        name = "seltext";
        h.editor.SetSelText(pick(0, 1) ? "<br>" : "a\r\n\r\nb");
      } else if (choice < 92) {
        name = "replace";
        h.editor.SearchReplace("x", pick(0, 1) ? "" : "yy", {soReplaceAll, soEntireScope});
      } else if (choice < 95) {
        name = "set text";
        byUser = false;
        h.editor.SetText(pick(0, 3) == 0 ? std::string() : "a\r\nb\tc\nd\r");
      } else if (choice < 98) {
        name = "put";
        byUser = false;
        h.editor.Lines().Put(pick(0, h.editor.LineCount()), "code");
      } else {
        name = "exchange";
        byUser = false;
        if (h.editor.LineCount() >= 2) h.editor.Lines().Exchange(0, h.editor.LineCount() - 1);
      }
      ASSERT_EQ(listener.Model(), h.editor.Lines().Strings()) << "step " << step << " " << name;
      if (listener.Reports() > 0) {
        ASSERT_TRUE(byUser ? listener.AllByUser() : listener.NoneByUser()) << "step " << step << " " << name;
      }
    }
  }
}

}  // namespace
}  // namespace tessaly::test
