// Seeded random editing of UTF-8 text of every width: whatever the keys and
// positions, the text stays valid UTF-8, the caret and the selection stand
// on character boundaries, and undoing everything gives back the original
// bytes, as redoing everything gives back the edited ones.

#include <gtest/gtest.h>

#include <random>

#include "EditorHarness.h"
#include "platform/text/Stepping.h"

namespace tessaly::test {
namespace {

const std::vector<std::string> kPieces = {
    "a", " ", "\t", "\xD0\xBF", "\xC3\xA9", "e\xCC\x81", "\xE4\xB8\xAD", "\xF0\x9F\x98\x80", "\xD7\xA9", ",",
};

bool OnBoundary(const TSrcEdit& editor, TBufferCoord p) {
  const std::string line = editor.LineText(p.Y);
  return p.X > static_cast<int>(line.size()) || text::IsBoundary(text::Encoding::Utf8, line, static_cast<size_t>(p.X - 1));
}

class Utf8Stress {
public:
  explicit Utf8Stress(unsigned seed) : random_(seed) {
    h_.editor.SetEncoding(text::Encoding::Utf8);
    h_.editor.SetMaxUndo(1 << 20);
    std::string text;
    for (int line = Pick(1, 6); line > 0; --line) text += Words() + (line > 1 ? "\n" : "");
    h_.Load(text);
    original_ = h_.Text();
  }

  void Run(int steps) {
    static const char* const kCommands[] = {
        "ecLeft",      "ecRight",      "ecUp",          "ecDown",         "ecWordLeft",  "ecWordRight",
        "ecSelLeft",   "ecSelRight",   "ecSelWordLeft", "ecSelUp",        "ecLineEnd",   "ecDeleteLastChar",
        "ecDeleteChar", "ecDeleteWord", "ecDeleteLastWord", "ecLineBreak", "ecUndo",      "ecRedo",
        "ecColumnSelect", "ecNormalSelect", "ecOverwriteMode", "ecInsertMode",
    };
    for (int step = 0; step < steps && !::testing::Test::HasFailure(); ++step) {
      std::string name;
      const int choice = Pick(0, 9);
      if (choice < 3) {
        std::string piece = kPieces[static_cast<size_t>(Pick(0, static_cast<int>(kPieces.size()) - 1))];
        name = "type " + piece;
        h_.editor.RunCommand(ecImeStr, '\0', &piece);
      } else if (choice < 4) {
        // Any byte column, inside a character or not, and a selection to it.
        const int y = Pick(1, h_.editor.LineCount());
        const TBufferCoord p{Pick(1, static_cast<int>(h_.editor.LineText(y).size()) + 2), y};
        name = "place";
        h_.editor.PlaceCaretAndSelection(p, h_.editor.CaretXY(), p);
      } else {
        name = kCommands[Pick(0, static_cast<int>(std::size(kCommands)) - 1)];
        h_.Run(name);
      }
      ASSERT_TRUE(text::IsValidUtf8(h_.Text())) << "step " << step << ": " << name;
      ASSERT_TRUE(OnBoundary(h_.editor, h_.editor.CaretXY())) << "step " << step << ": " << name;
      ASSERT_TRUE(OnBoundary(h_.editor, h_.editor.BlockBegin())) << "step " << step << ": " << name;
      ASSERT_TRUE(OnBoundary(h_.editor, h_.editor.BlockEnd())) << "step " << step << ": " << name;
    }
    const std::string edited = h_.Text();
    const int redoable = h_.editor.RedoList().ItemCount();
    while (h_.editor.UndoAvailable()) h_.editor.Undo();
    EXPECT_EQ(h_.Text(), original_);
    EXPECT_TRUE(OnBoundary(h_.editor, h_.editor.CaretXY()));
    // Redo as far as undo went; steps undone before lie beyond.
    while (h_.editor.RedoList().ItemCount() > redoable) h_.editor.Redo();
    EXPECT_EQ(h_.Text(), edited);
    EXPECT_TRUE(OnBoundary(h_.editor, h_.editor.CaretXY()));
  }

private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  std::string Words() {
    std::string words;
    for (int n = Pick(0, 12); n > 0; --n) words += kPieces[static_cast<size_t>(Pick(0, static_cast<int>(kPieces.size()) - 1))];
    return words;
  }

  std::mt19937 random_;
  EditorHarness h_;
  std::string original_;
};

TEST(Utf8Stress, RandomEditsKeepCharactersWholeAndUndoExactly) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    Utf8Stress(seed).Run(400);
  }
}

}  // namespace
}  // namespace tessaly::test
