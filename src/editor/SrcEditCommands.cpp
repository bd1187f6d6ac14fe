#include "editor/SrcEditCommands.h"

#include <array>

namespace tessaly {
namespace {

struct Entry {
  TSrcEditorCommand command;
  const char* name;
};

constexpr std::array<Entry, 96> kNames{{
    {ecNone, "ecNone"},
    {ecLeft, "ecLeft"}, {ecRight, "ecRight"}, {ecUp, "ecUp"}, {ecDown, "ecDown"},
    {ecWordLeft, "ecWordLeft"}, {ecWordRight, "ecWordRight"}, {ecLineStart, "ecLineStart"},
    {ecLineEnd, "ecLineEnd"}, {ecPageUp, "ecPageUp"}, {ecPageDown, "ecPageDown"},
    {ecPageLeft, "ecPageLeft"}, {ecPageRight, "ecPageRight"}, {ecPageTop, "ecPageTop"},
    {ecPageBottom, "ecPageBottom"}, {ecEditorTop, "ecEditorTop"}, {ecEditorBottom, "ecEditorBottom"},
    {ecGotoXY, "ecGotoXY"},
    {ecSelLeft, "ecSelLeft"}, {ecSelRight, "ecSelRight"}, {ecSelUp, "ecSelUp"}, {ecSelDown, "ecSelDown"},
    {ecSelWordLeft, "ecSelWordLeft"}, {ecSelWordRight, "ecSelWordRight"},
    {ecSelLineStart, "ecSelLineStart"}, {ecSelLineEnd, "ecSelLineEnd"}, {ecSelPageUp, "ecSelPageUp"},
    {ecSelPageDown, "ecSelPageDown"}, {ecSelPageLeft, "ecSelPageLeft"}, {ecSelPageRight, "ecSelPageRight"},
    {ecSelPageTop, "ecSelPageTop"}, {ecSelPageBottom, "ecSelPageBottom"},
    {ecSelEditorTop, "ecSelEditorTop"}, {ecSelEditorBottom, "ecSelEditorBottom"},
    {ecSelGotoXY, "ecSelGotoXY"},
    {ecSelectAll, "ecSelectAll"},
    {ecDeleteLastChar, "ecDeleteLastChar"}, {ecDeleteChar, "ecDeleteChar"}, {ecDeleteWord, "ecDeleteWord"},
    {ecDeleteLastWord, "ecDeleteLastWord"}, {ecDeleteBOL, "ecDeleteBOL"}, {ecDeleteEOL, "ecDeleteEOL"},
    {ecDeleteLine, "ecDeleteLine"}, {ecClearAll, "ecClearAll"}, {ecLineBreak, "ecLineBreak"},
    {ecInsertLine, "ecInsertLine"}, {ecChar, "ecChar"},
    {ecImeStr, "ecImeStr"},
    {ecUndo, "ecUndo"}, {ecRedo, "ecRedo"}, {ecCut, "ecCut"}, {ecCopy, "ecCopy"}, {ecPaste, "ecPaste"},
    {ecScrollUp, "ecScrollUp"}, {ecScrollDown, "ecScrollDown"}, {ecScrollLeft, "ecScrollLeft"},
    {ecScrollRight, "ecScrollRight"},
    {ecInsertMode, "ecInsertMode"}, {ecOverwriteMode, "ecOverwriteMode"}, {ecToggleMode, "ecToggleMode"},
    {ecBlockIndent, "ecBlockIndent"}, {ecBlockUnindent, "ecBlockUnindent"}, {ecTab, "ecTab"},
    {ecShiftTab, "ecShiftTab"},
    {ecMatchBracket, "ecMatchBracket"},
    {ecNormalSelect, "ecNormalSelect"}, {ecColumnSelect, "ecColumnSelect"}, {ecLineSelect, "ecLineSelect"},
    {ecAutoCompletion, "ecAutoCompletion"},
    {ecUserFirst, "ecUserFirst"},
    {ecContextHelp, "ecContextHelp"},
    {301, "ecGotoMarker0"}, {302, "ecGotoMarker1"}, {303, "ecGotoMarker2"}, {304, "ecGotoMarker3"},
    {305, "ecGotoMarker4"}, {306, "ecGotoMarker5"}, {307, "ecGotoMarker6"}, {308, "ecGotoMarker7"},
    {309, "ecGotoMarker8"}, {310, "ecGotoMarker9"},
    {351, "ecSetMarker0"}, {352, "ecSetMarker1"}, {353, "ecSetMarker2"}, {354, "ecSetMarker3"},
    {355, "ecSetMarker4"}, {356, "ecSetMarker5"}, {357, "ecSetMarker6"}, {358, "ecSetMarker7"},
    {359, "ecSetMarker8"}, {360, "ecSetMarker9"},
    {ecUpperCase, "ecUpperCase"}, {ecLowerCase, "ecLowerCase"}, {ecToggleCase, "ecToggleCase"},
    {ecTitleCase, "ecTitleCase"},
    {ecString, "ecString"},
}};

}  // namespace

int SrcEditorCommandNameCount() { return static_cast<int>(kNames.size()); }
const char* SrcEditorCommandNameAt(int index) { return kNames.at(static_cast<size_t>(index)).name; }
TSrcEditorCommand SrcEditorCommandAt(int index) { return kNames.at(static_cast<size_t>(index)).command; }

std::string EditorCommandToName(TSrcEditorCommand command) {
  for (const Entry& entry : kNames)
    if (entry.command == command) return entry.name;
  return std::to_string(command);
}

TSrcEditorCommand NameToEditorCommand(const std::string& name) {
  for (const Entry& entry : kNames)
    if (name == entry.name) return entry.command;
  return -1;
}

}  // namespace tessaly
