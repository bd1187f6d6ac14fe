#pragma once
// Editor command codes and their names. Every user action in the editor is
// one of these codes run through the editor's command processor.

#include <string>

namespace tessaly {

using TSrcEditorCommand = int;

enum : TSrcEditorCommand {
  ecNone = 0,
  ecLeft = 1, ecRight, ecUp, ecDown, ecWordLeft, ecWordRight, ecLineStart, ecLineEnd, ecPageUp, ecPageDown,
  ecPageLeft, ecPageRight, ecPageTop, ecPageBottom, ecEditorTop, ecEditorBottom, ecGotoXY,
  ecSelection = 100,  // added to a movement command: the same movement extending the selection
  ecSelLeft = ecLeft + ecSelection, ecSelRight, ecSelUp, ecSelDown, ecSelWordLeft, ecSelWordRight,
  ecSelLineStart, ecSelLineEnd, ecSelPageUp, ecSelPageDown, ecSelPageLeft, ecSelPageRight, ecSelPageTop,
  ecSelPageBottom, ecSelEditorTop, ecSelEditorBottom, ecSelGotoXY,
  ecSelectAll = 199,
  ecCopy = 201,
  ecScrollUp = 211, ecScrollDown, ecScrollLeft, ecScrollRight,
  ecInsertMode = 221, ecOverwriteMode, ecToggleMode,
  ecNormalSelect = 231, ecColumnSelect, ecLineSelect,
  ecMatchBracket = 250,
  ecGotoMarker0 = 301, ecGotoMarker9 = 310,
  ecSetMarker0 = 351, ecSetMarker9 = 360,
  ecContextHelp = 490,
  ecDeleteLastChar = 501, ecDeleteChar, ecDeleteWord, ecDeleteLastWord, ecDeleteBOL, ecDeleteEOL,
  ecDeleteLine, ecClearAll, ecLineBreak, ecInsertLine, ecChar,
  ecImeStr = 550,
  ecUndo = 601, ecRedo, ecCut, ecPaste,
  ecBlockIndent = 610, ecBlockUnindent, ecTab, ecShiftTab,
  ecUpperCase = 620, ecLowerCase, ecToggleCase, ecTitleCase,
  ecString = 630,
  ecAutoCompletion = 650,
  ecGotFocus = 700, ecLostFocus = 701,  // no names, no action: only the command events see them
  ecUserFirst = 1001,
};

// The name table, in its stored order (96 entries).
int SrcEditorCommandNameCount();
const char* SrcEditorCommandNameAt(int index);
TSrcEditorCommand SrcEditorCommandAt(int index);

// "ecUp" for ecUp; the number as text for a code without a name.
std::string EditorCommandToName(TSrcEditorCommand command);
// The code of a name, or -1 when the table has no such name.
TSrcEditorCommand NameToEditorCommand(const std::string& name);

}  // namespace tessaly
