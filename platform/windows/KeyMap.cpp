// Qt keys and virtual keys. Shifted symbols map to the key that types them on a US layout, as
// virtual keys name keys, not characters.
#include <Qt>

#include <utility>

#include "windows/Layer_p.h"

namespace {

constexpr std::pair<int, int> kNamedKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB}, {Qt::Key_Backtab, VK_TAB}, {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN}, {Qt::Key_Shift, VK_SHIFT}, {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},
    {Qt::Key_Pause, VK_PAUSE}, {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR}, {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END}, {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT}, {Qt::Key_Up, VK_UP}, {Qt::Key_Right, VK_RIGHT}, {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Print, VK_SNAPSHOT}, {Qt::Key_Insert, VK_INSERT}, {Qt::Key_Delete, VK_DELETE}, {Qt::Key_Help, VK_HELP},
    {Qt::Key_Meta, VK_LWIN}, {Qt::Key_Menu, VK_APPS}, {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL}, {Qt::Key_Semicolon, VK_OEM_1}, {Qt::Key_Colon, VK_OEM_1},
    {Qt::Key_Equal, VK_OEM_PLUS}, {Qt::Key_Plus, VK_OEM_PLUS}, {Qt::Key_Comma, VK_OEM_COMMA},
    {Qt::Key_Less, VK_OEM_COMMA}, {Qt::Key_Minus, VK_OEM_MINUS}, {Qt::Key_Underscore, VK_OEM_MINUS},
    {Qt::Key_Period, VK_OEM_PERIOD}, {Qt::Key_Greater, VK_OEM_PERIOD}, {Qt::Key_Slash, VK_OEM_2},
    {Qt::Key_Question, VK_OEM_2}, {Qt::Key_QuoteLeft, VK_OEM_3}, {Qt::Key_AsciiTilde, VK_OEM_3},
    {Qt::Key_BracketLeft, VK_OEM_4}, {Qt::Key_BraceLeft, VK_OEM_4}, {Qt::Key_Backslash, VK_OEM_5},
    {Qt::Key_Bar, VK_OEM_5}, {Qt::Key_BracketRight, VK_OEM_6}, {Qt::Key_BraceRight, VK_OEM_6},
    {Qt::Key_Apostrophe, VK_OEM_7}, {Qt::Key_QuoteDbl, VK_OEM_7},
    {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'}, {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'}, {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'}, {Qt::Key_ParenRight, '0'},
};

constexpr std::pair<int, int> kKeypadKeys[] = {
    {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD}, {Qt::Key_Minus, VK_SUBTRACT},
    {Qt::Key_Period, VK_DECIMAL}, {Qt::Key_Slash, VK_DIVIDE},
};

}  // namespace

int VirtualKeyOfQtKey(int QtKey, bool Keypad) {
  if (Keypad) {
    if (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9) return VK_NUMPAD0 + (QtKey - Qt::Key_0);
    for (const auto& [qt, vk] : kKeypadKeys)
      if (qt == QtKey) return vk;
  }
  if ((QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z) || (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9)) return QtKey;
  if (QtKey >= Qt::Key_F1 && QtKey <= Qt::Key_F12) return VK_F1 + (QtKey - Qt::Key_F1);
  for (const auto& [qt, vk] : kNamedKeys)
    if (qt == QtKey) return vk;
  return 0;
}

int VirtualKeyOfTypedKey(int QtKey, bool Keypad, const String& Text) {
  const int vk = VirtualKeyOfQtKey(QtKey, Keypad);
  if (vk || Text.empty() || static_cast<unsigned char>(Text[0]) < 0x20 || Text == "\x7f") return vk;
  return VK_PACKET;
}

int QtKeyOfVirtualKey(int VirtualKey) {
  if ((VirtualKey >= 'A' && VirtualKey <= 'Z') || (VirtualKey >= '0' && VirtualKey <= '9')) return VirtualKey;
  if (VirtualKey >= VK_F1 && VirtualKey <= VK_F12) return Qt::Key_F1 + (VirtualKey - VK_F1);
  if (VirtualKey >= VK_NUMPAD0 && VirtualKey <= VK_NUMPAD9) return Qt::Key_0 + (VirtualKey - VK_NUMPAD0);
  for (const auto& [qt, vk] : kKeypadKeys)
    if (vk == VirtualKey) return qt;
  for (const auto& [qt, vk] : kNamedKeys)
    if (vk == VirtualKey) return qt;
  return Qt::Key_unknown;
}
