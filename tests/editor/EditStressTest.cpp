// Thousands of seeded random edits, each checked against a plain model of
// the text; undoing everything must give back the original text and clear
// the modified flag. The HTML highlighter stays attached, and its stored
// scan states must always agree with a full scan.

#include <gtest/gtest.h>

#include <random>

#include "EditorHarness.h"
#include "highlight/HtmlHighlighter.h"

namespace tessaly::test {
namespace {

// The text as one string with "\n" between lines, edited by offsets.
struct Model {
  std::vector<std::string> lines;
  TBufferCoord caret{1, 1}, anchor{1, 1};

  bool Selected() const { return caret != anchor; }
  size_t Offset(TBufferCoord p) const {
    size_t offset = 0;
    for (int y = 1; y < p.Y; ++y) offset += lines[static_cast<size_t>(y - 1)].size() + 1;
    return offset + static_cast<size_t>(p.X - 1);
  }
  std::string Joined() const {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\n" : "") + lines[i];
    return text;
  }
  TBufferCoord PointAt(const std::string& text, size_t offset) const {
    TBufferCoord p{1, 1};
    for (size_t i = 0; i < offset; ++i) {
      if (text[i] == '\n') p = {1, p.Y + 1};
      else ++p.X;
    }
    return p;
  }
  // Replaces from..to by `text` ("\n" breaks) and leaves the caret after it.
  void Replace(TBufferCoord from, TBufferCoord to, const std::string& text) {
    std::string all = Joined();
    const size_t start = Offset(MinCoord(from, to)), end = Offset(MaxCoord(from, to));
    all.replace(start, end - start, text);
    lines.assign(1, std::string());
    for (const char c : all) {
      if (c == '\n') lines.emplace_back();
      else lines.back() += c;
    }
    caret = anchor = PointAt(all, start + text.size());
  }
  void ReplaceSelection(const std::string& text) { Replace(anchor, caret, text); }
};

std::string ToEditorText(const std::string& text) {
  std::string out;
  for (const char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

std::vector<int32_t> Scanned(const TSrcEdit& editor) {
  THtmlHighlighter highlighter;
  std::vector<int32_t> states;
  for (int i = 0; i < editor.LineCount(); ++i) {
    if (i == 0) highlighter.ResetScanState();
    states.push_back(highlighter.GetScanState());
    highlighter.StartLine(editor.Lines().Get(i), i);
    highlighter.ScanToLineEnd();
  }
  return states;
}

std::vector<int32_t> Stored(const TSrcEdit& editor) {
  std::vector<int32_t> states;
  for (int i = 0; i < editor.LineCount(); ++i) states.push_back(editor.Lines().ScanState(i));
  return states;
}

class Stress {
public:
  Stress(unsigned seed, bool groupUndo) : random_(seed), groupUndo_(groupUndo) {
    TSrcEditorOptions options = h_.editor.Options();
    options.Set(eoGroupUndo, groupUndo);
    h_.editor.SetOptions(options);
    h_.editor.SetMaxUndo(1 << 20);
    const int count = Pick(1, 20);
    std::string text;
    for (int i = 0; i < count; ++i) text += (i ? "\n" : "") + Word(0, 12);
    h_.Load(text);
    h_.editor.SetHighlighter(&highlighter_);
    model_.Replace({1, 1}, {1, 1}, text);
    model_.caret = model_.anchor = {1, 1};
    original_ = h_.Text();
  }

  void Run(int steps) {
    for (int step = 0; step < steps && !::testing::Test::HasFailure(); ++step) {
      const int choice = Pick(0, 99);
      std::string name;
      if (choice < 25) name = TypeChar();
      else if (choice < 35) name = Backspace();
      else if (choice < 45) name = DeleteChar();
      else if (choice < 50) name = LineBreak();
      else if (choice < 60) name = SelText();
      else if (choice < 70) name = MoveOrSelect();
      else if (choice < 85 && !groupUndo_) name = UndoStep();
      else if (choice < 100 && !groupUndo_) name = RedoStep();
      else name = MoveOrSelect();
      ASSERT_EQ(h_.Text(), model_.Joined()) << "step " << step << ": " << name;
      if (step % 97 == 0) {
        ASSERT_EQ(Stored(h_.editor), Scanned(h_.editor)) << "step " << step;
      }
    }
    ASSERT_EQ(Stored(h_.editor), Scanned(h_.editor));
    while (h_.editor.UndoList().ItemCount() > 0) h_.editor.Undo();
    EXPECT_EQ(h_.Text(), original_);
    EXPECT_FALSE(h_.editor.Modified());
    EXPECT_EQ(Stored(h_.editor), Scanned(h_.editor));
  }

private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  std::string Word(int low, int high) {
    static const std::string kChars = "abcxyz019<>!-\"'=&;/";
    std::string word;
    for (int n = Pick(low, high); n > 0; --n) word += kChars[static_cast<size_t>(Pick(0, static_cast<int>(kChars.size()) - 1))];
    return word;
  }
  TBufferCoord RandomPoint() {
    const int y = Pick(1, static_cast<int>(model_.lines.size()));
    return {Pick(1, static_cast<int>(model_.lines[static_cast<size_t>(y - 1)].size()) + 1), y};
  }
  void Edited() {
    undone_.push_back(before_);
    redone_.clear();
  }
  void Remember() { before_ = model_; }

  std::string TypeChar() {
    const char c = Word(1, 1)[0];
    Remember();
    h_.editor.RunCommand(ecChar, c, nullptr);
    model_.ReplaceSelection(std::string(1, c));
    Edited();
    EXPECT_EQ(h_.editor.CaretXY(), model_.caret);
    return std::string("type ") + c;
  }
  std::string Backspace() {
    Remember();
    h_.editor.RunCommand(ecDeleteLastChar, '\0', nullptr);
    const TBufferCoord c = model_.caret;
    if (model_.Selected()) model_.ReplaceSelection("");
    else if (c.X > 1) model_.Replace({c.X - 1, c.Y}, c, "");
    else if (c.Y > 1) model_.Replace({static_cast<int>(model_.lines[static_cast<size_t>(c.Y - 2)].size()) + 1, c.Y - 1}, c, "");
    else return "backspace at the start";
    Edited();
    EXPECT_EQ(h_.editor.CaretXY(), model_.caret);
    return "backspace";
  }
  std::string DeleteChar() {
    Remember();
    h_.editor.RunCommand(ecDeleteChar, '\0', nullptr);
    const TBufferCoord c = model_.caret;
    const int length = static_cast<int>(model_.lines[static_cast<size_t>(c.Y - 1)].size());
    if (model_.Selected()) {
      model_.ReplaceSelection("");
    } else if (c.X <= length) {
      model_.Replace(c, {c.X + 1, c.Y}, "");
      model_.caret = model_.anchor = c;
    } else if (c.Y < static_cast<int>(model_.lines.size())) {
      model_.Replace(c, {1, c.Y + 1}, "");
    } else {
      return "delete at the end";
    }
    Edited();
    return "delete";
  }
  std::string LineBreak() {
    Remember();
    h_.editor.RunCommand(ecLineBreak, '\0', nullptr);
    model_.ReplaceSelection("\n");
    Edited();
    EXPECT_EQ(h_.editor.CaretXY(), model_.caret);
    return "line break";
  }
  std::string SelText() {
    std::string text = Word(0, 6);
    if (Pick(0, 2) == 0) text += "\n" + Word(0, 6);
    if (Pick(0, 4) == 0) text += "\n\n" + Word(0, 3);
    Remember();
    h_.editor.SetSelText(ToEditorText(text));
    if (!model_.Selected() && text.empty()) return "empty seltext";
    model_.ReplaceSelection(text);
    Edited();
    EXPECT_EQ(h_.editor.CaretXY(), model_.caret);
    return "seltext " + text;
  }
  std::string MoveOrSelect() {
    const TBufferCoord caret = RandomPoint();
    const TBufferCoord anchor = Pick(0, 1) ? RandomPoint() : caret;
    h_.editor.PlaceCaretAndSelection(caret, anchor, caret);
    model_.caret = caret;
    model_.anchor = anchor;
    return "select";
  }
  void SyncCaret() {
    model_.caret = h_.editor.CaretXY();
    model_.anchor = h_.editor.SelAvail() ? (h_.editor.BlockBegin()) : model_.caret;
    if (h_.editor.SelAvail() && h_.editor.BlockEnd() != model_.caret) model_.anchor = h_.editor.BlockEnd();
  }
  std::string UndoStep() {
    h_.editor.Undo();
    if (!undone_.empty()) {
      redone_.push_back(model_);
      model_ = undone_.back();
      undone_.pop_back();
    }
    SyncCaret();
    return "undo";
  }
  std::string RedoStep() {
    h_.editor.Redo();
    if (!redone_.empty()) {
      undone_.push_back(model_);
      model_ = redone_.back();
      redone_.pop_back();
    }
    SyncCaret();
    return "redo";
  }

  EditorHarness h_;
  THtmlHighlighter highlighter_;
  std::mt19937 random_;
  bool groupUndo_;
  Model model_, before_;
  std::vector<Model> undone_, redone_;
  std::string original_;
};

TEST(EditStress, RandomEditsUndoAndRedoAgainstAModel) {
  for (const unsigned seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    Stress(seed, false).Run(3000);
  }
}

TEST(EditStress, RandomEditsWithGroupUndoUndoneCompletely) {
  for (const unsigned seed : {11u, 12u}) {
    SCOPED_TRACE(seed);
    Stress(seed, true).Run(3000);
  }
}

}  // namespace
}  // namespace tessaly::test

namespace tessaly::test {
namespace {

// Random commands in all three selection modes, then undo of everything:
// whatever the commands did, the original text must come back.
TEST(EditStress, AnyCommandsInAnyModeUndoneCompletely) {
  static const TSrcEditorCommand kCommands[] = {
      ecDeleteLastChar, ecDeleteChar, ecDeleteWord, ecDeleteLastWord, ecDeleteBOL,     ecDeleteEOL,
      ecDeleteLine,     ecLineBreak,  ecInsertLine, ecTab,            ecShiftTab,      ecBlockIndent,
      ecBlockUnindent,  ecUpperCase,  ecToggleCase, ecCut,            ecPaste,         ecCopy,
      ecMatchBracket,   ecSelWordRight, ecSelDown,  ecSelLineEnd,     ecToggleMode,    ecUndo,
      ecRedo,
  };
  for (unsigned seed = 21; seed <= 36; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    EditorHarness h;
    h.editor.SetMaxUndo(1 << 20);
    std::string text;
    for (int i = pick(1, 12); i > 0; --i) text += "  <p a=\"1\">x(y)z</p>\tq w\n";
    h.Load(text + "end");
    const std::string original = h.Text();
    for (int step = 0; step < 1500; ++step) {
      const int choice = pick(0, 9);
      if (choice < 4) {
        const TSrcEditorCommand command = kCommands[pick(0, static_cast<int>(std::size(kCommands)) - 1)];
        h.editor.RunCommand(command, '\0', nullptr);
      } else if (choice < 6) {
        h.editor.RunCommand(ecChar, "ab <>-!\t "[pick(0, 8)], nullptr);
      } else if (choice < 7) {
        h.editor.SetSelectionMode(static_cast<TSrcSelectionMode>(pick(0, 2)));
      } else if (choice < 8) {
        h.editor.SetSelText(pick(0, 1) ? "k\r\nl m" : "n");
      } else {
        const int lines = std::max(1, h.editor.LineCount());
        h.editor.PlaceCaretAndSelection({pick(1, 30), pick(1, lines)}, {pick(1, 30), pick(1, lines)},
                                        {pick(1, 30), pick(1, lines)});
      }
    }
    // From the furthest state: what is still undone is redone first.
    while (h.editor.RedoList().ItemCount() > 0) h.editor.Redo();
    const std::string edited = h.Text();
    while (h.editor.UndoList().ItemCount() > 0) h.editor.Undo();
    EXPECT_EQ(h.Text(), original);
    while (h.editor.RedoList().ItemCount() > 0) h.editor.Redo();
    EXPECT_EQ(h.Text(), edited);
  }
}

}  // namespace
}  // namespace tessaly::test
