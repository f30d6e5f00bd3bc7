// Keyboard and mouse input: virtual keys, the keyboard state the layer keeps, the cursor
// position, and the one entry through which input enters the layer. The Qt bridge turns native
// events into these calls; tests call them directly, so both paths make the same messages.
#pragma once

#include <cstdint>
#include <memory>

#include "windows/Messages.h"

// Virtual keys.
enum : int {
  VK_LBUTTON = 0x01, VK_RBUTTON = 0x02, VK_CANCEL = 0x03, VK_MBUTTON = 0x04, VK_BACK = 0x08,
  VK_TAB = 0x09, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11, VK_MENU = 0x12,
  VK_PAUSE = 0x13, VK_CAPITAL = 0x14, VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22,
  VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28,
  VK_EXECUTE = 0x2B, VK_SNAPSHOT = 0x2C, VK_INSERT = 0x2D,
  VK_DELETE = 0x2E, VK_HELP = 0x2F, VK_LWIN = 0x5B, VK_APPS = 0x5D,
  VK_NUMPAD0 = 0x60, VK_NUMPAD9 = 0x69, VK_MULTIPLY = 0x6A, VK_ADD = 0x6B,
  VK_SUBTRACT = 0x6D, VK_DECIMAL = 0x6E, VK_DIVIDE = 0x6F, VK_F1 = 0x70, VK_F2 = 0x71, VK_F3 = 0x72,
  VK_F4 = 0x73, VK_F5 = 0x74, VK_F9 = 0x78, VK_F10 = 0x79,
  VK_F12 = 0x7B, VK_NUMLOCK = 0x90, VK_SCROLL = 0x91, VK_OEM_1 = 0xBA,
  VK_OEM_PLUS = 0xBB, VK_OEM_COMMA = 0xBC, VK_OEM_MINUS = 0xBD, VK_OEM_PERIOD = 0xBE, VK_OEM_2 = 0xBF,
  VK_OEM_3 = 0xC0, VK_OEM_4 = 0xDB, VK_OEM_5 = 0xDC, VK_OEM_6 = 0xDD, VK_OEM_7 = 0xDE,
  VK_PROCESSKEY = 0xE5, VK_PACKET = 0xE7,
};
// Key and button flags of mouse messages (wParam).
enum : WPARAM { MK_LBUTTON = 0x01, MK_RBUTTON = 0x02, MK_SHIFT = 0x04, MK_CONTROL = 0x08, MK_MBUTTON = 0x10 };

// The state of a key as of the key message last retrieved from the queue (GetKeyState), or as of
// the input last received (GetAsyncKeyState): the high bit (negative value) when down, the low bit
// when toggled.
int16_t GetKeyState(int VirtualKey);
int16_t GetAsyncKeyState(int VirtualKey);
// 256 bytes, bit 7 down and bit 0 toggled; setting it sets both states (tests use it to hold
// modifier keys).
void GetKeyboardState(uint8_t* State);
void SetKeyboardState(const uint8_t* State);
// MK_* flags of the current state of the buttons and of Shift and Ctrl.
WPARAM CurrentKeyFlags();

bool GetCursorPos(TPoint& Point);
bool SetCursorPos(int X, int Y);

// Double clicks: a second press of the same button within this time and within SM_CXDOUBLECLK by
// SM_CYDOUBLECLK pixels of the first, on a window whose class has CS_DBLCLKS.
unsigned GetDoubleClickTime();
void SetDoubleClickTime(unsigned Milliseconds);

// --- input entering the layer ----------------------------------------------------------------

// A key going down or up. Text is what the key types (UTF-8, empty for keys that type nothing);
// the character messages are made from it when the key-down is translated. Native, when given,
// is the native event kept for a native text box. Updates the asynchronous key state at once.
void QueueKeyInput(int VirtualKey, bool Down, const String& Text, bool AutoRepeat = false,
                   std::shared_ptr<const TNativeInput> Native = nullptr);

enum class TMouseInput { Move, Press, Release, Wheel };
// Mouse input at a screen point. Button is VK_LBUTTON, VK_RBUTTON or VK_MBUTTON for presses and
// releases; WheelDelta (multiples of 120 make one message each) for the wheel. The target is the
// capture window or the window under the point; moves outside every window only move the cursor.
void QueueMouseInput(TMouseInput Action, TPoint ScreenPoint, int Button = 0, int WheelDelta = 0);
