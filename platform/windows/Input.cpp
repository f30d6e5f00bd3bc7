// Input entering the layer and leaving the queue: the keyboard state, the cursor, raw key and
// mouse input, and the preparation of input as it is retrieved (hit-testing, hooks, double
// clicks, activation by a click).
#include <algorithm>

#include "graphics/Metrics.h"
#include "windows/Layer_p.h"
#include "windows/NativeInput_p.h"

namespace {

constexpr LPARAM KF_ALTDOWN = 1 << 29;
constexpr LPARAM KF_REPEAT = 1 << 30;
constexpr LPARAM KF_UP = static_cast<LPARAM>(static_cast<int32_t>(1u << 31));

void SetKey(uint8_t* Table, int Vk, bool Down) {
  uint8_t& k = Table[Vk & 0xFF];
  if (Down && !(k & 0x80)) k ^= 0x01;  // toggled on each press
  k = Down ? (k | 0x80) : (k & ~0x80);
}

bool IsDown(const uint8_t* Table, int Vk) { return (Table[Vk & 0xFF] & 0x80) != 0; }

UINT ButtonMessage(int Button, bool Down) {
  switch (Button) {
    case VK_RBUTTON: return Down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case VK_MBUTTON: return Down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    default: return Down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
  }
}

WPARAM KeyFlags(const uint8_t* Table) {
  WPARAM flags = 0;
  if (IsDown(Table, VK_LBUTTON)) flags |= MK_LBUTTON;
  if (IsDown(Table, VK_RBUTTON)) flags |= MK_RBUTTON;
  if (IsDown(Table, VK_MBUTTON)) flags |= MK_MBUTTON;
  if (IsDown(Table, VK_SHIFT)) flags |= MK_SHIFT;
  if (IsDown(Table, VK_CONTROL)) flags |= MK_CONTROL;
  return flags;
}

void QueueInput(MSG Msg) {
  Msg.time = GetTickCount();
  Msg.pt = State().CursorPos;
  Enqueue(TQueuedMessage{std::move(Msg), true});
}

// A mouse move replaces a move to the same window still waiting at the end of the queue.
bool CoalesceMove(const MSG& Move) {
  TMessageQueueData& q = Queue();
  std::lock_guard lock(q.Mutex);
  if (q.Items.empty()) return false;
  TQueuedMessage& last = q.Items.back();
  if (!last.Input || last.Msg.message != WM_MOUSEMOVE || last.Msg.hwnd != Move.hwnd) return false;
  last.Msg.pt = Move.pt;
  last.Msg.wParam = Move.wParam;
  last.Msg.time = Move.time;
  return true;
}

bool IsPress(UINT Msg) { return Msg == WM_LBUTTONDOWN || Msg == WM_RBUTTONDOWN || Msg == WM_MBUTTONDOWN; }

bool IsDoubleClick(HWND Wnd, const MSG& Msg) {
  const TLastClick& last = State().LastClick;
  if (!(GetWindowLong(Wnd, GCL_STYLE) & CS_DBLCLKS)) return false;
  if (last.Wnd != Wnd || last.Message != Msg.message) return false;
  if (Msg.time - last.Time > State().DoubleClickTime) return false;
  return std::abs(Msg.pt.X - last.Point.X) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
         std::abs(Msg.pt.Y - last.Point.Y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

// A click on a window of an inactive top-level window activates it, unless the window says no.
bool ActivateByClick(HWND Wnd, LRESULT Hit, UINT Msg) {
  const HWND top = RootOf(Wnd);
  if (!top || top == State().Active || (GetWindowLong(top, GWL_EXSTYLE) & WS_EX_NOACTIVATE)) return true;
  const LRESULT answer = SendMessage(Wnd, WM_MOUSEACTIVATE, top.AsWParam(), MAKELPARAM(static_cast<int>(Hit), static_cast<int>(Msg)));
  if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) SetActiveWindow(top);
  return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

bool IsOwnedBy(HWND Wnd, HWND Owner) {
  for (HWND w = GetWindow(Wnd, GW_OWNER); w; w = GetWindow(w, GW_OWNER))
    if (w == Owner) return true;
  return false;
}

// A press on a window that a modal window disabled brings the modal window forward, as the
// window system does: the newest enabled window it owns, else the newest enabled window of all
// (the modal window belongs to another window). Pop-ups and windows that never activate are
// passed over.
void ActivateModalWindowOf(HWND Disabled) {
  HWND newest;
  for (HWND top : GetTopLevelWindows()) {
    const intptr_t style = GetWindowLong(top, GWL_STYLE);
    const bool popup = (style & WS_POPUP) && (style & WS_CAPTION) != WS_CAPTION;
    if (popup || !IsWindowEnabled(top) || (GetWindowLong(top, GWL_EXSTYLE) & WS_EX_NOACTIVATE)) continue;
    if (IsOwnedBy(top, Disabled)) {
      newest = top;
      break;
    }
    if (!newest) newest = top;
  }
  if (!newest) return;
  if (newest == State().Active) {
    RaiseNativeWindow(newest);
  } else {
    SetActiveWindow(newest);
  }
}

LRESULT HitTestTarget(HWND& Wnd, TPoint ScreenPoint) {
  if (State().Capture == Wnd) return HTCLIENT;
  if (!IsEnabledChain(RootOf(Wnd))) return HTERROR;
  for (;;) {
    const LRESULT hit = SendMessage(Wnd, WM_NCHITTEST, 0, PointToLParam(ScreenPoint));
    const HWND parent = GetParent(Wnd);
    if (hit != HTTRANSPARENT || !parent || !(GetWindowLong(Wnd, GWL_STYLE) & WS_CHILD)) return hit;
    Wnd = parent;
  }
}

bool PrepareKey(MSG& Msg, bool Commit) {
  Msg.hwnd = KeyboardTarget();
  if (!Msg.hwnd) return false;
  if (!Commit) return true;
  // The hook sees the key state as it was before this key; the state then follows the key even
  // when the hook discards it, as the key has been taken from the queue all the same: a release
  // that a hook takes must not leave its key held for whoever asks later. A hook may run a loop
  // (a command that opens a modal window) that retrieves later messages of the same key; their
  // state is newer and stays.
  TLayerState& s = State();
  const int vk = static_cast<int>(Msg.wParam) & 0xFF;
  const uint32_t order = ++s.KeyMessagesRetrieved[vk];
  const bool discarded = HasHooks(WH_KEYBOARD) && CallHooks(WH_KEYBOARD, HC_ACTION, Msg.wParam, Msg.lParam);
  if (s.KeyMessagesRetrieved[vk] == order) SetKey(s.KeyState, vk, Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN);
  return !discarded && IsWindow(Msg.hwnd);
}

bool PrepareMouse(MSG& Msg, bool Commit) {
  HWND wnd = Msg.hwnd;
  if (!IsWindow(wnd)) return false;
  const UINT raw = Msg.message;
  if (raw == WM_MOUSEWHEEL) {
    if (!Commit) return true;
    MOUSEHOOKSTRUCT hook{Msg.pt, wnd, HTCLIENT, 0};
    if (HasHooks(WH_MOUSE) && CallHooks(WH_MOUSE, HC_ACTION, raw, reinterpret_cast<LPARAM>(&hook))) return false;
    Msg.hwnd = hook.hwnd;
    return IsWindow(Msg.hwnd);
  }
  LRESULT hit = Commit ? HitTestTarget(wnd, Msg.pt) : HTCLIENT;
  UINT message = raw;
  if (Commit && IsPress(raw)) {
    if (IsDoubleClick(wnd, Msg)) {
      message = raw + 2;  // the DBLCLK message follows DOWN and UP
      State().LastClick = TLastClick{};
    } else {
      State().LastClick = TLastClick{wnd, raw, Msg.time, Msg.pt};
    }
  }
  const bool client = hit == HTCLIENT || hit == HTERROR;
  if (!client) message -= WM_MOUSEMOVE - WM_NCMOUSEMOVE;
  if (Commit) {
    MOUSEHOOKSTRUCT hook{Msg.pt, wnd, hit, 0};
    if (HasHooks(WH_MOUSE) && CallHooks(WH_MOUSE, HC_ACTION, message, reinterpret_cast<LPARAM>(&hook))) return false;
    if (hook.hwnd != wnd && IsWindow(hook.hwnd)) {
      wnd = hook.hwnd;
      hit = hook.wHitTestCode;
    }
    if (!State().Capture && IsWindow(wnd))
      SendMessage(wnd, WM_SETCURSOR, wnd.AsWParam(), MAKELPARAM(static_cast<int>(hit), static_cast<int>(message)));
    if (IsPress(raw)) WatchPress(hit == HTERROR ? HWND() : wnd);
    if (hit == HTERROR && IsPress(raw) && IsWindow(wnd)) ActivateModalWindowOf(RootOf(wnd));
    if (hit == HTERROR || !IsWindow(wnd)) return false;
    if (IsPress(raw) && !ActivateByClick(wnd, hit, message)) return false;
    if (!IsWindow(wnd)) return false;
  }
  Msg.hwnd = wnd;
  Msg.message = message;
  if (client) {
    TPoint p = Msg.pt;
    ScreenToClient(wnd, p);
    Msg.lParam = PointToLParam(p);
  } else {
    Msg.wParam = static_cast<WPARAM>(hit);
    Msg.lParam = PointToLParam(Msg.pt);
  }
  return true;
}

}  // namespace

int16_t GetKeyState(int VirtualKey) {
  const uint8_t k = State().KeyState[VirtualKey & 0xFF];
  return static_cast<int16_t>((k & 0x80 ? 0x8000 : 0) | (k & 0x01));
}

int16_t GetAsyncKeyState(int VirtualKey) {
  const uint8_t k = State().AsyncKeyState[VirtualKey & 0xFF];
  return static_cast<int16_t>((k & 0x80 ? 0x8000 : 0) | (k & 0x01));
}

void GetKeyboardState(uint8_t* Table) { std::copy_n(State().KeyState, 256, Table); }

void SetKeyboardState(const uint8_t* Table) {
  std::copy_n(Table, 256, State().KeyState);
  std::copy_n(Table, 256, State().AsyncKeyState);
}

WPARAM CurrentKeyFlags() { return KeyFlags(State().AsyncKeyState); }

bool GetCursorPos(TPoint& Point) {
  Point = State().CursorPos;
  return true;
}

bool SetCursorPos(int X, int Y) {
  State().CursorPos = {X, Y};
  return true;
}

unsigned GetDoubleClickTime() { return State().DoubleClickTime; }
void SetDoubleClickTime(unsigned Milliseconds) { State().DoubleClickTime = Milliseconds ? Milliseconds : 500; }

HWND KeyboardTarget() {
  if (IsWindow(State().Focus)) return State().Focus;
  return IsWindow(State().Active) ? State().Active : HWND();
}

void QueueKeyInput(int VirtualKey, bool Down, const String& Text, bool AutoRepeat,
                   std::shared_ptr<const TNativeInput> Native) {
  uint8_t* async = State().AsyncKeyState;
  const bool wasDown = IsDown(async, VirtualKey);
  SetKey(async, VirtualKey, Down);
  const bool alt = IsDown(async, VK_MENU);
  const bool ctrl = IsDown(async, VK_CONTROL);
  const bool sys = VirtualKey == VK_F10 || VirtualKey == VK_MENU || (alt && !ctrl);
  MSG msg;
  msg.message = Down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
  msg.wParam = static_cast<WPARAM>(VirtualKey);
  msg.lParam = 1 | (alt ? KF_ALTDOWN : 0) | ((wasDown || AutoRepeat || !Down) ? KF_REPEAT : 0) | (Down ? 0 : KF_UP);
  msg.Native = Native ? std::move(Native) : std::make_shared<const TNativeInput>(Text, nullptr);
  QueueInput(std::move(msg));
}

void QueueMouseInput(TMouseInput Action, TPoint ScreenPoint, int Button, int WheelDelta) {
  TLayerState& s = State();
  s.CursorPos = ScreenPoint;
  CheckMouseLeave(ScreenPoint);
  if (Action == TMouseInput::Press || Action == TMouseInput::Release) SetKey(s.AsyncKeyState, Button, Action == TMouseInput::Press);
  MSG msg;
  msg.wParam = KeyFlags(s.AsyncKeyState);
  if (Action == TMouseInput::Wheel) {
    msg.hwnd = KeyboardTarget();
    if (!msg.hwnd) msg.hwnd = WindowFromPoint(ScreenPoint);
    if (!msg.hwnd) return;
    s.WheelRemainder += WheelDelta;
    while (std::abs(s.WheelRemainder) >= WHEEL_DELTA) {
      const int step = s.WheelRemainder > 0 ? WHEEL_DELTA : -WHEEL_DELTA;
      s.WheelRemainder -= step;
      MSG wheel = msg;
      wheel.message = WM_MOUSEWHEEL;
      wheel.wParam = MAKEWPARAM(static_cast<int>(msg.wParam), step);
      wheel.lParam = PointToLParam(ScreenPoint);
      QueueInput(std::move(wheel));
    }
    return;
  }
  msg.hwnd = IsWindow(s.Capture) ? s.Capture : WindowFromPoint(ScreenPoint);
  if (!msg.hwnd) {
    if (Action == TMouseInput::Press) WatchPress(HWND());
    return;
  }
  msg.message = Action == TMouseInput::Move ? WM_MOUSEMOVE : ButtonMessage(Button, Action == TMouseInput::Press);
  msg.time = GetTickCount();
  msg.pt = ScreenPoint;
  if (msg.message == WM_MOUSEMOVE && CoalesceMove(msg)) return;
  QueueInput(std::move(msg));
}

bool PrepareInput(MSG& Msg, bool Commit) {
  if (Msg.message >= WM_KEYFIRST && Msg.message <= WM_KEYLAST) return PrepareKey(Msg, Commit);
  return PrepareMouse(Msg, Commit);
}
