#pragma once
// Qt's keys, modifiers and mouse buttons as the core's virtual-key codes and
// shift states.

#include <QKeyEvent>

#include "platform/Keys.h"

namespace tessaly {

// 0 for a key that has no virtual-key code here.
uint16_t VirtualKeyOf(int qtKey);
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);

}  // namespace tessaly
