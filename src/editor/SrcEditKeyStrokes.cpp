#include "editor/SrcEditKeyStrokes.h"

namespace tessaly {

namespace {
// Only the modifiers take part in bindings, not the mouse buttons.
TShiftState Modifiers(TShiftState shift) { return shift & (ssShift | ssAlt | ssCtrl); }
}  // namespace

void TSrcEditKeyStroke::SetPair(TShortCut shortCut, TShortCut shortCut2) {
  const int found = owner_->FindShortcutPair(shortCut, shortCut2);
  if (found >= 0 && &owner_->Items(found) != this) throw ESrcKeyError("Shortcut already exists");
  key_ = ShortCutKey(shortCut);
  shift_ = ShortCutShift(shortCut);
  key2_ = ShortCutKey(shortCut2);
  shift2_ = ShortCutShift(shortCut2);
}

void TSrcEditKeyStroke::SetShortCut(TShortCut value) {
  if (value != 0) {
    SetPair(value, ShortCut2());
    return;
  }
  key_ = 0;
  shift_ = 0;
}

void TSrcEditKeyStroke::SetShortCut2(TShortCut value) {
  if (value != 0) {
    SetPair(ShortCut(), value);
    return;
  }
  key2_ = 0;
  shift2_ = 0;
}

TSrcEditKeyStroke& TSrcEditKeyStrokes::Add() {
  items_.push_back(std::make_unique<TSrcEditKeyStroke>(*this));
  return *items_.back();
}

void TSrcEditKeyStrokes::Assign(const TSrcEditKeyStrokes& source) {
  if (&source == this) return;
  Clear();
  for (const auto& item : source.items_) {
    TSrcEditKeyStroke& copy = Add();
    copy.SetCommand(item->Command());
    copy.SetPair(item->ShortCut(), item->ShortCut2());
  }
}

int TSrcEditKeyStrokes::FindBinding(uint16_t key, TShiftState shift) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i]->Key() == key && items_[i]->Shift() == Modifiers(shift) && items_[i]->Key2() == 0)
      return static_cast<int>(i);
  return -1;
}

int TSrcEditKeyStrokes::FindSequenceBinding(uint16_t key1, TShiftState shift1, uint16_t key2,
                                            TShiftState shift2) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    const TSrcEditKeyStroke& item = *items_[i];
    if (item.Key() == key1 && item.Shift() == Modifiers(shift1) && item.Key2() == key2 &&
        item.Shift2() == Modifiers(shift2))
      return static_cast<int>(i);
  }
  return -1;
}

int TSrcEditKeyStrokes::FindShortcutPair(TShortCut shortCut, TShortCut shortCut2) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i]->ShortCut() == shortCut && items_[i]->ShortCut2() == shortCut2) return static_cast<int>(i);
  return -1;
}

void TSrcEditKeyStrokes::LoadDefaultBindings() {
  struct Binding {
    TSrcEditorCommand command;
    uint16_t key;
    TShiftState shift;
  };
  static const Binding kSingleKeys[] = {
      {ecUp, VK_UP, 0},           {ecSelUp, VK_UP, ssShift},         {ecScrollUp, VK_UP, ssCtrl},
      {ecDown, VK_DOWN, 0},       {ecSelDown, VK_DOWN, ssShift},     {ecScrollDown, VK_DOWN, ssCtrl},
      {ecLeft, VK_LEFT, 0},       {ecSelLeft, VK_LEFT, ssShift},     {ecWordLeft, VK_LEFT, ssCtrl},
      {ecSelWordLeft, VK_LEFT, ssShift | ssCtrl},
      {ecRight, VK_RIGHT, 0},     {ecSelRight, VK_RIGHT, ssShift},   {ecWordRight, VK_RIGHT, ssCtrl},
      {ecSelWordRight, VK_RIGHT, ssShift | ssCtrl},
      {ecPageDown, VK_NEXT, 0},   {ecSelPageDown, VK_NEXT, ssShift}, {ecPageBottom, VK_NEXT, ssCtrl},
      {ecSelPageBottom, VK_NEXT, ssShift | ssCtrl},
      {ecPageUp, VK_PRIOR, 0},    {ecSelPageUp, VK_PRIOR, ssShift},  {ecPageTop, VK_PRIOR, ssCtrl},
      {ecSelPageTop, VK_PRIOR, ssShift | ssCtrl},
      {ecLineStart, VK_HOME, 0},  {ecSelLineStart, VK_HOME, ssShift}, {ecEditorTop, VK_HOME, ssCtrl},
      {ecSelEditorTop, VK_HOME, ssShift | ssCtrl},
      {ecLineEnd, VK_END, 0},     {ecSelLineEnd, VK_END, ssShift},   {ecEditorBottom, VK_END, ssCtrl},
      {ecSelEditorBottom, VK_END, ssShift | ssCtrl},
      {ecToggleMode, VK_INSERT, 0},
      {ecCopy, VK_INSERT, ssCtrl},
      {ecCut, VK_DELETE, ssShift},
      {ecPaste, VK_INSERT, ssShift},
      {ecDeleteChar, VK_DELETE, 0},
      {ecDeleteLastChar, VK_BACK, 0},
      {ecDeleteLastChar, VK_BACK, ssShift},
      {ecDeleteLastWord, VK_BACK, ssCtrl},
      {ecUndo, VK_BACK, ssAlt},
      {ecRedo, VK_BACK, ssAlt | ssShift},
      {ecLineBreak, VK_RETURN, 0},
      {ecLineBreak, VK_RETURN, ssShift},
      {ecTab, VK_TAB, 0},
      {ecShiftTab, VK_TAB, ssShift},
      {ecContextHelp, VK_F1, ssCtrl},
      {ecSelectAll, 'A', ssCtrl},
      {ecCopy, 'C', ssCtrl},
      {ecPaste, 'V', ssCtrl},
      {ecCut, 'X', ssCtrl},
      {ecBlockIndent, 'I', ssCtrl | ssShift},
      {ecBlockUnindent, 'U', ssCtrl | ssShift},
      {ecLineBreak, 'M', ssCtrl},
      {ecInsertLine, 'N', ssCtrl},
      {ecDeleteWord, 'T', ssCtrl},
      {ecDeleteLine, 'Y', ssCtrl},
      {ecDeleteEOL, 'Y', ssCtrl | ssShift},
      {ecUndo, 'Z', ssCtrl},
      {ecRedo, 'Z', ssCtrl | ssShift},
  };
  Clear();
  const auto add = [this](TSrcEditorCommand command, uint16_t key, TShiftState shift) {
    TSrcEditKeyStroke& item = Add();
    item.SetCommand(command);
    item.SetShortCut(ShortCut(key, shift));
  };
  for (const Binding& b : kSingleKeys) add(b.command, b.key, b.shift);
  for (int n = 0; n <= 9; ++n) add(ecGotoMarker0 + n, static_cast<uint16_t>('0' + n), ssCtrl);
  for (int n = 0; n <= 9; ++n) add(ecSetMarker0 + n, static_cast<uint16_t>('0' + n), ssCtrl | ssShift);
  add(ecNormalSelect, 'N', ssCtrl | ssShift);
  add(ecColumnSelect, 'C', ssCtrl | ssShift);
  add(ecLineSelect, 'L', ssCtrl | ssShift);
  add(ecMatchBracket, 'B', ssCtrl | ssShift);
}

}  // namespace tessaly
