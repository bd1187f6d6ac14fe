// The modified flag as the distance from the saved state: sequences of
// edits, saves, undo and redo, each step followed by the flag it must leave.

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "EditorHarness.h"

namespace tessaly::test {
namespace {

struct SavePointRow {
  const char* name;
  const char* text;  // harness notation
  // Editor steps (see EditorHarness::Run) and these: "save" marks the text
  // saved, "dirty" marks it modified, "forget" clears the undo history,
  // "load" sets a new text by code and marks it saved as the application
  // does after opening a file, "=clean" and "=modified" check the flag.
  const char* steps;
  bool groupUndo = true;
  int maxUndo = 1024;
};

const SavePointRow kRows[] = {
    {"type, save, undo, redo", "|", "type:abc save =clean ecUndo =modified ecRedo =clean ecUndo =modified"},
    {"undo and redo across the save one step at a time", "|",
     "type:a ecLineBreak type:b save ecUndo =modified ecUndo ecUndo =modified ecRedo ecRedo =modified ecRedo =clean"},
    {"save inside a typed run undone as a whole", "|",
     "type:ab save type:c =modified ecUndo =modified ecRedo =modified"},
    {"save inside a typed run undone by the character", "|",
     "type:ab save type:c ecUndo =clean ecUndo =modified ecRedo =clean ecRedo =modified", false},
    {"new edit after undoing past the save", "|",
     "type:a ecLineBreak save ecUndo ecUndo type:q =modified ecUndo =modified ecRedo =modified"},
    {"new edit after undoing back to the save", "|",
     "type:a ecLineBreak save type:b ecUndo =clean type:c =modified ecUndo =clean"},
    {"save after undo, then redo", "|", "type:ab ecUndo save =clean ecRedo =modified ecUndo =clean"},
    {"typing over a selection is one group", "[xy]|", "type:z save ecUndo =modified ecRedo =clean"},
    {"caret moves between edits do not matter", "|",
     "type:ab ecLeft save ecRight =clean type:c =modified ecUndo =clean ecUndo =modified"},
    {"redo of a line break runs the command again", "ab|cd",
     "ecLineBreak save ecUndo =modified ecRedo =clean ecUndo ecRedo =clean"},
    {"block indent and its selection marks", "[ab\ncd]|",
     "ecBlockIndent save ecUndo =modified ecRedo =clean"},
    {"marked modified has no way back", "|", "type:a dirty =modified ecUndo =modified ecRedo =modified save =clean"},
    {"dropped items keep the saved state that is still reachable", "|",
     "type:a ecLineBreak save type:b =modified ecUndo =clean ecUndo =modified ecUndo =modified ecRedo =clean",
     true, 2},
    {"dropped items take the saved state along", "|",
     "save type:a ecLineBreak type:b ecUndo ecUndo ecUndo =modified", true, 2},
    {"nothing kept at all", "|", "type:a =modified ecUndo =modified save =clean type:b =modified", true, 0},
    {"forgetting the history keeps a clean text clean", "|",
     "type:a save forget =clean type:b =modified ecUndo =clean ecUndo =clean"},
    {"forgetting the history keeps a modified text modified", "|",
     "type:a forget =modified ecUndo =modified type:b ecUndo =modified save =clean"},
    {"load, type, undo back to the loaded text", "|", "type:x load =clean type:y =modified ecUndo =clean"},
    {"undo after a load cannot reach the text before it", "|", "type:x save load type:y ecUndo ecUndo =clean"},
};

TEST(SavePoint, ModifiedFollowsTheSavedState) {
  for (const SavePointRow& row : kRows) {
    SCOPED_TRACE(row.name);
    EditorHarness h;
    TSrcEditorOptions options = h.editor.Options();
    options.Set(eoGroupUndo, row.groupUndo);
    h.editor.SetOptions(options);
    h.editor.SetMaxUndo(row.maxUndo);
    h.Load(row.text);
    bool reported = false;
    h.editor.OnStatusChange = [&](TSrcEdit&, TSrcStatusChanges changes) { reported = reported || changes.Has(scModified); };
    std::istringstream in(row.steps);
    int index = 0;
    for (std::string step; in >> step; ++index) {
      SCOPED_TRACE("step " + std::to_string(index) + " " + step);
      const bool before = h.editor.Modified();
      reported = false;
      if (step == "=clean") EXPECT_FALSE(h.editor.Modified());
      else if (step == "=modified") EXPECT_TRUE(h.editor.Modified());
      else if (step == "save") h.editor.SetModified(false);
      else if (step == "dirty") h.editor.SetModified(true);
      else if (step == "forget") h.editor.ClearUndoHistory();
      else if (step == "load") {
        h.editor.SetText("loaded\r\n");
        h.editor.SetModified(false);
      } else {
        h.Run(step);
      }
      if (h.editor.Modified() != before) {
        EXPECT_TRUE(reported) << "the flag flipped without a status report";
      }
    }
  }
}

// The document a user saved, undid past and redid to is the one on disk:
// Modified must say so at every step, whatever the history looks like.
TEST(SavePoint, FlagMatchesTheSavedTextInRandomSequences) {
  std::mt19937 random(20261209);
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const char* const kEdits[] = {"type:a", "type:b_", "ecLineBreak", "ecDeleteLastChar", "ecDeleteChar",
                                "ecLeft", "ecUp", "ecSelLeft", "ecDeleteLine"};
  for (const bool groupUndo : {true, false}) {
    EditorHarness h;
    TSrcEditorOptions options = h.editor.Options();
    options.Set(eoGroupUndo, groupUndo);
    h.editor.SetOptions(options);
    h.Load("one\ntwo|");
    std::string saved = h.Text();
    // Not modified must always mean the text on disk; the converse need not
    // hold, as an edit that gives back the saved text is still an edit.
    for (int step = 0; step < 600; ++step) {
      const int choice = pick(0, 9);
      if (choice < 5) h.Run(kEdits[pick(0, 8)]);
      else if (choice < 7) h.editor.Undo();
      else if (choice < 9) h.editor.Redo();
      else {
        h.editor.SetModified(false);
        saved = h.Text();
      }
      if (!h.editor.Modified()) {
        ASSERT_EQ(h.Text(), saved) << "step " << step;
      }
    }
  }
}

}  // namespace
}  // namespace tessaly::test
