// Editing commands as text-with-caret before and after: "|" is the caret,
// "[" and "]" the ordered ends of the selection, "\n" a line break.

#include <gtest/gtest.h>

#include "EditorHarness.h"

namespace tessaly::test {
namespace {

TEST(EditingScenarios, Typing) {
  RunScenarios({
      {"insert in the middle", "ab|c", "type:x", "abx|c"},
      {"typing beyond the line end pads", "abc      |", "type:x", "abc      x|"},
      {"one undo removes the character and the padding", "abc      |", "type:x ecUndo", "abc|"},
      {"a trailing blank exists only as the caret position", "abc|", "type:_", "abc |"},
      {"a character after typed blanks pads the gap", "abc|", "type:__x", "abc  x|"},
      {"overwrite replaces the character at the caret", "a|bc", "ecOverwriteMode type:X", "aX|c"},
      {"overwrite at the line end appends", "ab|", "ecOverwriteMode type:X", "abX|"},
      {"undo of overwrite restores the character", "a|bc", "ecOverwriteMode type:X ecUndo", "a|bc"},
      {"redo of overwrite overwrites again", "a|bc", "ecOverwriteMode type:X ecUndo ecRedo", "aX|c"},
      {"typing replaces the selection", "a[bc]|d", "type:x", "ax|d"},
      {"undo of typing over a selection restores it", "a[bc]|d", "type:x ecUndo", "a[bc]|d"},
      {"control characters are ignored", "ab|", "ecChar", "ab|"},
  });
}

TEST(EditingScenarios, DeletingCharacters) {
  RunScenarios({
      {"backspace in column 1 of line 1 does nothing", "|abc", "ecDeleteLastChar", "|abc"},
      {"backspace removes the character before the caret", "ab|c", "ecDeleteLastChar", "a|c"},
      {"backspace in column 1 joins with the line above", "ab\n|cd", "ecDeleteLastChar", "ab|cd"},
      {"backspace joined lines come back with undo", "ab\n|cd", "ecDeleteLastChar ecUndo", "ab\n|cd"},
      {"backspace beyond the line end moves to the end", "ab    |", "ecDeleteLastChar", "ab|"},
      {"smart backspace removes the indentation down to the line above", "x\n    |y", "ecDeleteLastChar", "x\n|y"},
      {"smart backspace stops at a smaller indentation above", "  x\n    |y", "ecDeleteLastChar", "  x\n  |y"},
      {"without smart tab delete back to the previous tab stop", "x\n          |y", "ecDeleteLastChar",
       "x\n        |y", {eoSmartTabDelete}},
      {"backspace deletes the selection", "a[bc]|d", "ecDeleteLastChar", "a|d"},
      {"delete removes the character at the caret", "a|bc", "ecDeleteChar", "a|c"},
      {"delete at the line end joins the next line", "ab|\ncd", "ecDeleteChar", "ab|cd"},
      {"delete beyond the line end pads before joining", "ab  |\ncd", "ecDeleteChar", "ab  |cd"},
      {"delete at the end of the last line does nothing", "ab|", "ecDeleteChar", "ab|"},
      {"delete of a backwards selection, undone", "a|[bc]d", "ecDeleteChar ecUndo", "a|[bc]d"},
  });
}

TEST(EditingScenarios, DeletingWordsAndLines) {
  RunScenarios({
      {"delete word", "|abc def", "ecDeleteWord", "|def"},
      {"delete last word", "abc def|", "ecDeleteLastWord", "abc |"},
      {"delete to line start", "abc d|ef", "ecDeleteBOL", "|ef"},
      {"delete to line end", "abc d|ef", "ecDeleteEOL", "abc d|"},
      {"delete line in the middle", "a\nb|b\nc", "ecDeleteLine", "a\n|c"},
      {"delete the last line", "a\nb|b", "ecDeleteLine", "|a"},
      {"delete line on a single empty line does nothing", "|", "ecDeleteLine", "|"},
      {"delete line of the only line empties it", "ab|c", "ecDeleteLine", "|"},
      {"undo of delete line brings it back", "a\nb|b\nc", "ecDeleteLine ecUndo", "a\n|[bb\n]c"},
      {"undo of deleting the last line", "a\nb|b", "ecDeleteLine ecUndo", "a|[\nbb]"},
  });
}

TEST(EditingScenarios, LineBreaks) {
  RunScenarios({
      {"split a line", "ab|cd", "ecLineBreak", "ab\n|cd"},
      {"split keeps the indentation", "  ab|cd", "ecLineBreak", "  ab\n  |cd"},
      {"break at the line end copies the indentation", "  ab|", "ecLineBreak", "  ab\n  |"},
      {"break in column 1 inserts a line above", "|ab", "ecLineBreak", "\n|ab"},
      {"break on an empty line takes the indentation above", "    x\n|", "ecLineBreak", "    x\n\n    |"},
      {"insert line leaves the caret", "ab|cd", "ecInsertLine", "ab|\ncd"},
      {"break replaces the selection", "a[bc]|d", "ecLineBreak", "a\n|d"},
      {"undo joins the lines again", "  ab|cd", "ecLineBreak ecUndo", "  ab|cd"},
      {"redo splits again", "  ab|cd", "ecLineBreak ecUndo ecRedo", "  ab\n  |cd"},
      {"without auto indent nothing is copied", "  ab|cd", "ecLineBreak", "  ab\n|cd", {eoAutoIndent}},
  });
}

TEST(EditingScenarios, TabsAndBlocks) {
  RunScenarios({
      {"tab to the next tab stop as spaces", "ab|", "ecTab type:x", "ab      x|", {eoSmartTabs}},
      {"smart tab to the next word above", "abc def\n|", "ecTab type:x", "abc def\n    x|"},
      {"tab without tabs-to-spaces inserts a tab", "a|b", "ecTab", "a\t|b", {eoSmartTabs, eoTabsToSpaces}},
      {"shift tab removes spaces back to the tab stop", "a       |b", "ecShiftTab", "a|b", {eoSmartTabs}},
      {"block indent shifts the selected lines", "[ab\ncd]|", "ecBlockIndent", "        [ab\n        cd]|"},
      {"block indent skips a last line selected in column 1", "[ab\n]|cd", "ecBlockIndent", "        [ab\n]|cd"},
      {"undo of block indent", "[ab\ncd]|", "ecBlockIndent ecUndo", "[ab\ncd]|"},
      {"block unindent", "  [ab\n    cd]|", "ecBlockUnindent", "[ab\ncd]|"},
      {"undo of block unindent", "  [ab\n    cd]|", "ecBlockUnindent ecUndo", "  |[ab\n    cd]"},
      {"tab indents a multi-line selection with tab indent", "[ab\ncd]|", "ecTab", "        [ab\n        cd]|", {},
       {eoTabIndent}},
  });
}

TEST(EditingScenarios, CaseCommands) {
  RunScenarios({
      {"upper case of the word at the caret", "one tw|o", "ecUpperCase", "one TW|O"},
      {"title case", "one tWO|", "ecTitleCase", "one Two|"},
      {"lower case, undone", "ONE| two", "ecLowerCase ecUndo", "[ONE]| two"},
      {"toggle case of the selection keeps it", "[aBc]| d", "ecToggleCase", "[AbC]| d"},
      {"toggle case of the character at the caret passes it", "|ab", "ecToggleCase", "A|b"},
  });
}

TEST(EditingScenarios, Movement) {
  RunScenarios({
      {"word right", "|abc def", "ecWordRight", "abc |def"},
      {"word right at the line end goes to the next line's first word", "abc|\n  def", "ecWordRight",
       "abc\n  |def"},
      {"word left", "abc de|f", "ecWordLeft", "abc |def"},
      {"word left in column 1 goes to the end of the line above", "abc\n|def", "ecWordLeft", "abc|\ndef"},
      {"select word left", "abc def|", "ecSelWordLeft", "abc |[def]"},
      {"line end and start", "  ab|c", "ecLineEnd", "  abc|"},
      {"enhanced home goes to the first non-blank", "  ab|c", "ecLineStart", "  |abc", {}, {eoEnhanceHomeKey}},
      {"enhanced home from the first non-blank goes to column 1", "  |abc", "ecLineStart", "|  abc", {},
       {eoEnhanceHomeKey}},
      {"editor bottom", "|ab\ncd", "ecEditorBottom", "ab\ncd|"},
      {"select all", "a|b\ncd", "ecSelectAll", "[ab\ncd]|"},
      {"down keeps the display column beyond a short line", "abcdef|\nab", "ecDown", "abcdef\nab    |"},
      {"right at the line end without past-EOL goes to the next line", "ab|\ncd", "ecRight", "ab\n|cd",
       {eoScrollPastEol}},
      {"left in column 1 without past-EOL goes to the line above", "ab\n|cd", "ecLeft", "ab|\ncd",
       {eoScrollPastEol}},
      {"match bracket skips the nested pair", "|(a(b)c)", "ecMatchBracket", "(a(b)c|)"},
      {"match bracket backwards", "(a(b)c|)", "ecMatchBracket", "|(a(b)c)"},
      {"moving the caret ends a typed run for undo", "ab|", "type:c ecLeft type:d ecUndo", "ab|c"},
  });
}

}  // namespace
}  // namespace tessaly::test
