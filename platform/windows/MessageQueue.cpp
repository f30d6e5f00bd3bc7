// The message queue: posting (from any thread), sending, retrieving with filters, waiting, the
// characters of key-downs, and dispatching to window procedures.
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>

#include "rtl/ScopeExit.h"
#include "windows/Layer_p.h"
#include "windows/NativeInput_p.h"

namespace {

bool InRange(UINT Msg, UINT Min, UINT Max) { return (Min == 0 && Max == 0) || (Msg >= Min && Msg <= Max); }

bool MatchesWindow(const TQueuedMessage& Item, HWND Filter) {
  if (!Filter) return true;
  const bool keyInput = Item.Input && Item.Msg.message >= WM_KEYFIRST && Item.Msg.message <= WM_KEYLAST;
  const HWND target = keyInput ? KeyboardTarget() : Item.Msg.hwnd;
  return target && IsInside(target, Filter);
}

void DrainFromNativeLoop() {
  MSG msg;
  while (PeekMessage(msg, HWND(), 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(msg);
    DispatchMessage(msg);
  }
}

void Wake(TMessageQueueData& q) {
  if (!QCoreApplication::instance()) return;
  if (auto* dispatcher = QAbstractEventDispatcher::instance(QCoreApplication::instance()->thread())) dispatcher->wakeUp();
  bool drain = false;
  {
    std::lock_guard lock(q.Mutex);
    drain = q.NativeModalDepth > 0 && !q.DrainScheduled;
    if (drain) q.DrainScheduled = true;
  }
  if (drain) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
          {
            std::lock_guard lock(Queue().Mutex);
            Queue().DrainScheduled = false;
          }
          RunGuarded(DrainFromNativeLoop);
        },
        Qt::QueuedConnection);
  }
}

// Takes the first queued message that matches, a posted one before any other, or copies it
// without removing it.
bool TakeQueued(MSG& Out, bool& Input, HWND Wnd, UINT Min, UINT Max, bool Remove) {
  TMessageQueueData& q = Queue();
  std::lock_guard lock(q.Mutex);
  for (const bool postedOnly : {true, false}) {
    for (auto it = q.Items.begin(); it != q.Items.end(); ++it) {
      if ((postedOnly && !it->Posted()) || !InRange(it->Msg.message, Min, Max) || !MatchesWindow(*it, Wnd)) continue;
      Out = it->Msg;
      Input = it->Input;
      if (Remove) q.Items.erase(it);
      return true;
    }
  }
  return false;
}

void Retrieved(const MSG& Msg) {
  State().MessageTime = Msg.time;
}

// Characters a key-down types, as the character messages carry them (code points).
std::vector<char32_t> CharactersOf(const MSG& Msg, const String& Text) {
  const int vk = static_cast<int>(Msg.wParam);
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const bool alt = GetKeyState(VK_MENU) < 0;
  if (ctrl && !alt) {
    if (vk >= 'A' && vk <= 'Z') return {static_cast<char32_t>(vk - 'A' + 1)};
    if (vk == VK_RETURN) return {10};
    if (vk == VK_BACK) return {127};
    if (vk == VK_OEM_4) return {27};
    if (vk == VK_OEM_5) return {28};
    if (vk == VK_OEM_6) return {29};
    return {};
  }
  std::vector<char32_t> chars;
  const std::u32string text = QString::fromStdString(Text).toStdU32String();
  for (char32_t c : text)
    if (c >= 32 ? c != 127 : (c == 8 || c == 9 || c == 13 || c == 27)) chars.push_back(c);
  if (text.empty()) {
    switch (vk) {
      case VK_RETURN: chars.push_back(13); break;
      case VK_BACK: chars.push_back(8); break;
      case VK_TAB: chars.push_back(9); break;
      case VK_ESCAPE: chars.push_back(27); break;
      case VK_SPACE: chars.push_back(32); break;
      default: break;
    }
  }
  return chars;
}

}  // namespace

TMessageQueueData& Queue() {
  static TMessageQueueData queue;
  return queue;
}

bool IsGuiThread() {
  return !QCoreApplication::instance() || QThread::currentThread() == QCoreApplication::instance()->thread();
}

void Enqueue(TQueuedMessage Message, bool AtFront) {
  TMessageQueueData& q = Queue();
  {
    std::lock_guard lock(q.Mutex);
    if (AtFront) {
      q.Items.push_front(std::move(Message));
    } else {
      q.Items.push_back(std::move(Message));
    }
  }
  Wake(q);
}

bool IsTimerMessagePending(HWND Wnd, UINT_PTR Id) {
  TMessageQueueData& q = Queue();
  std::lock_guard lock(q.Mutex);
  for (const TQueuedMessage& item : q.Items)
    if (item.Msg.message == WM_TIMER && item.Msg.hwnd == Wnd && item.Msg.wParam == Id) return true;
  return false;
}

bool HasPendingMessages() {
  {
    std::lock_guard lock(Queue().Mutex);
    if (!Queue().Items.empty()) return true;
  }
  return static_cast<bool>(NextWindowToPaint(HWND()));
}

bool PostMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Wnd && IsGuiThread() && !IsWindow(Wnd)) return false;
  TQueuedMessage item;
  item.Msg.hwnd = Wnd;
  item.Msg.message = Msg;
  item.Msg.wParam = WParam;
  item.Msg.lParam = LParam;
  if (IsGuiThread()) {
    item.Msg.time = GetTickCount();
    item.Msg.pt = State().CursorPos;
  }
  Enqueue(std::move(item));
  return true;
}

void PostQuitMessage(int ExitCode) {
  TQueuedMessage item;
  item.Msg.message = WM_QUIT;
  item.Msg.wParam = static_cast<WPARAM>(ExitCode);
  item.InInputOrder = true;
  Enqueue(std::move(item));
}

LRESULT SendMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return 0;
  if (HasHooks(WH_CALLWNDPROC)) {
    CWPSTRUCT cwp{LParam, WParam, Msg, Wnd};
    CallHooks(WH_CALLWNDPROC, HC_ACTION, 1, reinterpret_cast<LPARAM>(&cwp));
    if (!(rec = Windows().Find(Wnd))) return 0;
  }
  const WNDPROC proc = rec->Proc;  // a copy: the window may be destroyed by its own procedure
  TValueScope<std::shared_ptr<const TNativeInput>> native(State().CurrentNative, nullptr);
  return proc(Wnd, Msg, WParam, LParam);
}

bool PeekMessage(MSG& Msg, HWND Wnd, UINT Min, UINT Max, UINT RemoveFlags) {
  const bool remove = (RemoveFlags & PM_REMOVE) != 0;
  bool input = false;
  while (TakeQueued(Msg, input, Wnd, Min, Max, remove)) {
    if (input && !PrepareInput(Msg, remove)) {
      if (remove) continue;
      return false;
    }
    if (remove) Retrieved(Msg);
    return true;
  }
  if (!InRange(WM_PAINT, Min, Max)) return false;
  const HWND paint = NextWindowToPaint(Wnd);
  if (!paint) return false;
  Msg = MSG{};
  Msg.hwnd = paint;
  Msg.message = WM_PAINT;
  Msg.time = GetTickCount();
  Msg.pt = State().CursorPos;
  if (remove) Retrieved(Msg);
  return true;
}

void WaitMessage() {
  if (HasPendingMessages()) return;
  Clock().WaitForInput();
}

bool GetMessage(MSG& Msg, HWND Wnd, UINT Min, UINT Max) {
  while (!PeekMessage(Msg, Wnd, Min, Max, PM_REMOVE)) Clock().WaitForInput();
  return Msg.message != WM_QUIT;
}

bool TranslateMessage(const MSG& Msg) {
  if (Msg.message != WM_KEYDOWN && Msg.message != WM_SYSKEYDOWN) return false;
  const String text = Msg.Native ? NativeInputText(*Msg.Native) : String();
  const std::vector<char32_t> chars = CharactersOf(Msg, text);
  const bool sys = Msg.message == WM_SYSKEYDOWN && GetKeyState(VK_CONTROL) >= 0;
  // Queued at the front in reverse, so that they come next and in order.
  for (auto it = chars.rbegin(); it != chars.rend(); ++it) {
    TQueuedMessage item;
    item.Msg = Msg;
    item.Msg.message = sys ? WM_SYSCHAR : WM_CHAR;
    item.Msg.wParam = *it;
    Enqueue(std::move(item), true);
  }
  return !chars.empty();
}

LRESULT DispatchMessage(const MSG& Msg) {
  if (Msg.message == WM_TIMER && Msg.lParam != 0) {
    DispatchTimerCallback(Msg);
    return 0;
  }
  TWindowRecord* rec = Windows().Find(Msg.hwnd);
  if (!rec) return 0;
  if (Msg.message == WM_KEYDOWN) State().BackspaceDown = HWND();  // a key a handler uses up deletes nothing
  const WNDPROC proc = rec->Proc;
  const QRegion before = rec->Invalid;
  LRESULT result = 0;
  {
    TValueScope<std::shared_ptr<const TNativeInput>> native(State().CurrentNative, Msg.Native);
    result = proc(Msg.hwnd, Msg.message, Msg.wParam, Msg.lParam);
  }
  // A paint handler that neither painted nor validated would be asked again for ever.
  if (Msg.message == WM_PAINT)
    if (TWindowRecord* after = Windows().Find(Msg.hwnd); after && after->Invalid == before) {
      ValidateRect(Msg.hwnd, nullptr);
      after->FrameNeeded = false;
    }
  return result;
}

DWORD GetMessageTime() { return State().MessageTime; }

TNativeModalScope::TNativeModalScope() {
  std::lock_guard lock(Queue().Mutex);
  ++Queue().NativeModalDepth;
}

TNativeModalScope::~TNativeModalScope() {
  std::lock_guard lock(Queue().Mutex);
  --Queue().NativeModalDepth;
}
