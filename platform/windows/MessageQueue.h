// Sending, posting and retrieving messages. The layer keeps its own queue: posted messages and
// input wait there, posted messages retrieved before waiting input; WM_PAINT is made only when
// nothing else matches; GetMessage blocks (through the clock service) until something arrives.
// Nested loops may run anywhere.
#pragma once

#include "windows/Messages.h"

// PeekMessage removal flags.
enum : UINT { PM_NOREMOVE = 0x0000, PM_REMOVE = 0x0001 };

// A direct call of the window procedure, after the window-procedure hooks have seen the message.
// Answers 0 for an invalid window.
LRESULT SendMessage(HWND Wnd, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
// Queues the message behind the messages already posted and ahead of waiting input and timer
// ticks. An empty handle posts a message for the thread (it is retrieved with an empty hwnd).
// Safe to call from any thread. Answers false for an invalid window.
bool PostMessage(HWND Wnd, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
// Posts WM_QUIT with the exit code; it keeps its place behind the input already waiting.
void PostQuitMessage(int ExitCode);

// Retrieves the next message of Wnd (or of any window when empty, including thread messages)
// whose number lies in [Min, Max] (both 0: any). Input is made ready here: the keyboard and mouse
// hooks see it, its window is hit-tested and it may be swallowed. Answers false when no message
// matches.
bool PeekMessage(MSG& Msg, HWND Wnd, UINT Min, UINT Max, UINT RemoveFlags);
// As PeekMessage with removal, but waits; answers false for WM_QUIT.
bool GetMessage(MSG& Msg, HWND Wnd, UINT Min, UINT Max);
// Waits until a message may be ready: lets the clock service deliver native events and timers.
void WaitMessage();
// For a key-down message: queues the character messages it produces (WM_CHAR, or WM_SYSCHAR with
// Alt) so that they are retrieved next. Answers whether it queued any.
bool TranslateMessage(const MSG& Msg);
// Calls the window procedure of Msg.hwnd (a WM_TIMER of a callback timer calls the callback).
LRESULT DispatchMessage(const MSG& Msg);

// Time of the message most recently retrieved.
DWORD GetMessageTime();
// True when a message is waiting (posted, input or paint).
bool HasPendingMessages();

// Brackets a native modal loop (a Qt dialog): while one runs, each post also schedules a drain of
// this layer's queue from inside that loop, so that the layer's messages keep flowing.
class TNativeModalScope {
 public:
  TNativeModalScope();
  ~TNativeModalScope();
  TNativeModalScope(const TNativeModalScope&) = delete;
  TNativeModalScope& operator=(const TNativeModalScope&) = delete;
};
