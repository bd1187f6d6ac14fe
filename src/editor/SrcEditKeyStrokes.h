#pragma once
// Key bindings of one editor: a key, or a sequence of two keys, each with its
// modifiers, mapped to an editor command.

#include <memory>
#include <vector>

#include "editor/SrcEditCommands.h"
#include "platform/Exception.h"
#include "platform/Keys.h"

namespace tessaly {

class ESrcKeyError : public Exception {
public:
  using Exception::Exception;
};

class TSrcEditKeyStrokes;

class TSrcEditKeyStroke {
public:
  explicit TSrcEditKeyStroke(TSrcEditKeyStrokes& owner) : owner_(&owner) {}

  TSrcEditorCommand Command() const { return command_; }
  void SetCommand(TSrcEditorCommand command) { command_ = command; }

  uint16_t Key() const { return key_; }
  TShiftState Shift() const { return shift_; }
  uint16_t Key2() const { return key2_; }
  TShiftState Shift2() const { return shift2_; }

  TShortCut ShortCut() const { return key_ ? tessaly::ShortCut(key_, shift_) : 0; }
  TShortCut ShortCut2() const { return key2_ ? tessaly::ShortCut(key2_, shift2_) : 0; }
  // Both fail with "Shortcut already exists" when another binding has the
  // resulting pair; the binding is then unchanged.
  void SetShortCut(TShortCut value);
  void SetShortCut2(TShortCut value);

private:
  friend class TSrcEditKeyStrokes;
  void SetPair(TShortCut shortCut, TShortCut shortCut2);

  TSrcEditKeyStrokes* owner_;
  TSrcEditorCommand command_ = ecNone;
  uint16_t key_ = 0;
  TShiftState shift_ = 0;
  uint16_t key2_ = 0;
  TShiftState shift2_ = 0;
};

class TSrcEditKeyStrokes {
public:
  TSrcEditKeyStrokes() = default;
  TSrcEditKeyStrokes(const TSrcEditKeyStrokes&) = delete;
  TSrcEditKeyStrokes& operator=(const TSrcEditKeyStrokes&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  TSrcEditKeyStroke& Items(int index) { return *items_.at(static_cast<size_t>(index)); }
  const TSrcEditKeyStroke& Items(int index) const { return *items_.at(static_cast<size_t>(index)); }

  TSrcEditKeyStroke& Add();
  void Clear() { items_.clear(); }
  void Assign(const TSrcEditKeyStrokes& source);
  // The program's 82 bindings, in their order.
  void LoadDefaultBindings();

  // Index of the first single-key binding for the key, or -1.
  int FindBinding(uint16_t key, TShiftState shift) const;
  int FindSequenceBinding(uint16_t key1, TShiftState shift1, uint16_t key2, TShiftState shift2) const;
  int FindShortcutPair(TShortCut shortCut, TShortCut shortCut2) const;

private:
  std::vector<std::unique_ptr<TSrcEditKeyStroke>> items_;
};

}  // namespace tessaly
