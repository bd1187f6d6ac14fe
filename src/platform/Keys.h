#pragma once
// Keyboard and mouse input as controls receive it: virtual-key codes, the
// modifier and button state, and the shortcut encoding of key bindings.

#include <cstdint>

namespace tessaly {

// Virtual-key codes; letters and digits are their upper-case ASCII values.
enum : uint16_t {
  VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17, VK_MENU = 18,
  VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35, VK_HOME = 36,
  VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_INSERT = 45, VK_DELETE = 46,
  VK_F1 = 112, VK_F12 = 123,
};

// Modifier keys, mouse buttons and the double-click flag held during an event.
enum TShiftStateBit : uint8_t {
  ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64,
};
using TShiftState = uint8_t;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// A shortcut: the key code plus 0x2000 for Shift, 0x4000 for Ctrl, 0x8000 for Alt.
using TShortCut = uint16_t;
enum : TShortCut { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };

constexpr TShortCut ShortCut(uint16_t key, TShiftState shift) {
  return static_cast<TShortCut>((key & 0x1FFF) | (shift & ssShift ? scShift : 0) | (shift & ssCtrl ? scCtrl : 0) |
                                (shift & ssAlt ? scAlt : 0));
}
constexpr uint16_t ShortCutKey(TShortCut shortCut) { return shortCut & 0x1FFF; }
constexpr TShiftState ShortCutShift(TShortCut shortCut) {
  return static_cast<TShiftState>((shortCut & scShift ? ssShift : 0) | (shortCut & scCtrl ? ssCtrl : 0) |
                                  (shortCut & scAlt ? ssAlt : 0));
}

}  // namespace tessaly
