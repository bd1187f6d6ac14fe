#include "qt/QtKeys.h"

#include <utility>

namespace tessaly {
namespace {

// Keys whose virtual-key code is not their character; the punctuation keys
// carry the codes of a US keyboard.
constexpr std::pair<int, uint16_t> kKeys[] = {
    {Qt::Key_Backspace, VK_BACK},  {Qt::Key_Tab, VK_TAB},         {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},   {Qt::Key_Enter, VK_RETURN},    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},        {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},     {Qt::Key_PageUp, VK_PRIOR},    {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},         {Qt::Key_Home, VK_HOME},       {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},           {Qt::Key_Right, VK_RIGHT},     {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, VK_INSERT},   {Qt::Key_Delete, VK_DELETE},   {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},        {Qt::Key_Print, 44},           {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},        {Qt::Key_ScrollLock, 145},     {Qt::Key_Semicolon, 0xBA},
    {Qt::Key_Colon, 0xBA},         {Qt::Key_Equal, 0xBB},         {Qt::Key_Plus, 0xBB},
    {Qt::Key_Comma, 0xBC},         {Qt::Key_Less, 0xBC},          {Qt::Key_Minus, 0xBD},
    {Qt::Key_Underscore, 0xBD},    {Qt::Key_Period, 0xBE},        {Qt::Key_Greater, 0xBE},
    {Qt::Key_Slash, 0xBF},         {Qt::Key_Question, 0xBF},      {Qt::Key_QuoteLeft, 0xC0},
    {Qt::Key_AsciiTilde, 0xC0},    {Qt::Key_BracketLeft, 0xDB},   {Qt::Key_BraceLeft, 0xDB},
    {Qt::Key_Backslash, 0xDC},     {Qt::Key_Bar, 0xDC},           {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_BraceRight, 0xDD},    {Qt::Key_Apostrophe, 0xDE},    {Qt::Key_QuoteDbl, 0xDE},
};

}  // namespace

uint16_t VirtualKeyOf(int qtKey) {
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
    return static_cast<uint16_t>(qtKey);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return static_cast<uint16_t>(VK_F1 + (qtKey - Qt::Key_F1));
  for (const auto& [key, code] : kKeys)
    if (key == qtKey) return code;
  return 0;
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
  if (modifiers & Qt::AltModifier) shift |= ssAlt;
  if (buttons & Qt::LeftButton) shift |= ssLeft;
  if (buttons & Qt::RightButton) shift |= ssRight;
  if (buttons & Qt::MiddleButton) shift |= ssMiddle;
  return shift;
}

}  // namespace tessaly
