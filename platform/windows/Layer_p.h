// The layer's private state: the window records (each with its Qt widget and backing image), the
// message queue, and who holds focus, activation and capture. Every other file of the layer works
// on these; nothing here is seen outside platform/windows.
#pragma once

#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "windows/Focus.h"
#include "windows/Hooks.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"
#include "windows/NonClient_p.h"
#include "windows/Paint.h"
#include "windows/Services.h"
#include "windows/Timers.h"
#include "windows/Window.h"


// Deletes a window's widget once control has returned to the event loop: the widget may be in the
// middle of handling a native event when its window is destroyed.
struct TDeferredWidgetDeleter {
  void operator()(QWidget* widget) const;
};

struct TWindowRecord {
  HWND Handle;
  HWND Parent;  // of a WS_CHILD window
  HWND Owner;   // of a top-level window
  std::vector<HWND> Children;  // bottom of the z-order first
  String ClassName;
  String Text;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  DWORD ClassStyle = 0;
  intptr_t Id = 0;
  TRect Bounds;       // in the parent's client coordinates (screen for a top-level window)
  TRect Client;       // in window coordinates, from WM_NCCALCSIZE
  TRect RestoreBounds;
  WNDPROC Proc;
  std::unique_ptr<QWidget, TDeferredWidgetDeleter> Widget;
  QImage Image;       // the whole window
  QRegion Invalid;    // client coordinates
  bool EraseNeeded = false;
  bool FrameNeeded = false;
  bool Destroying = false;
  std::vector<std::unique_ptr<TCanvas>> DCs;  // from GetDC, GetWindowDC and BeginPaint
  std::vector<TCanvas*> Canvases;             // callers' canvases drawing here
  QPointer<QWidget> NativeEditor;
  QPointer<QObject> NativeFilter;  // the editor's event filter, owned by the editor
  TFrameLayout Frame;              // the layer's frame parts, window coordinates
  TPoint FrameOrigin;              // of the window rectangle whose frame is being calculated
  TScrollBarState ScrollBars[2];   // SB_HORZ, SB_VERT
  bool FlatScrollBars = false;
  bool NcActive = false;           // as WM_NCACTIVATE last said
  std::optional<QRegion> Region;   // the window region (window coordinates), none: the rectangle

  bool IsChild() const { return (Style & WS_CHILD) != 0; }
  TPoint ClientOrigin() const { return Client.TopLeft(); }
};

// Window records by handle; handles count up and are never reused.
class TWindowTable {
 public:
  TWindowRecord* Find(HWND Wnd);
  TWindowRecord& Add();
  void Remove(HWND Wnd);
  // Top-level windows, bottom of the z-order first.
  std::vector<HWND>& TopLevels() { return FTopLevels; }
  // Every window, oldest first (parents before the children created after them).
  std::vector<HWND> All() const;

 private:
  std::map<uintptr_t, std::unique_ptr<TWindowRecord>> FWindows;
  std::vector<HWND> FTopLevels;
  uintptr_t FNextId = 0x10000;
};

TWindowTable& Windows();

// A queued message. Input is raw input not yet made ready: its keyboard messages have no window
// yet (they go to the focus when retrieved), its mouse messages carry the screen point and still
// await hit-testing, hooks and double-click detection.
// Posted messages are retrieved before input that waits, as the window system retrieves them: a
// message a handler posts in answer to a key (the character that opens an in-place editor) comes
// before the keys typed ahead. Input, and what must keep its place among it (the input method's
// text, timer ticks, the quit message), is retrieved in the order it came.
struct TQueuedMessage {
  MSG Msg;
  bool Input = false;
  bool InInputOrder = false;
  bool Posted() const { return !Input && !InInputOrder; }
};

struct TLastClick {
  HWND Wnd;
  UINT Message = 0;
  DWORD Time = 0;
  TPoint Point;
};

struct TLayerState {
  HWND Focus;
  HWND Active;
  HWND Capture;
  TPoint CursorPos;
  uint8_t KeyState[256] = {};       // as of the key messages retrieved
  uint8_t AsyncKeyState[256] = {};  // as of the input received
  // Counts the messages retrieved of each key.
  uint32_t KeyMessagesRetrieved[256] = {};
  TLastClick LastClick;
  unsigned DoubleClickTime = 500;
  int WheelRemainder = 0;
  DWORD MessageTime = 0;
  bool Replaying = false;  // a message is being given back to a native editor
  // The native event behind the message being dispatched, for DefWindowProc's replay.
  std::shared_ptr<const TNativeInput> CurrentNative;
  // The native editor whose Backspace key reached its default handling; the character that
  // follows the key deletes there.
  HWND BackspaceDown;
  HCURSOR Cursor = IDC_ARROW;
};

TLayerState& State();

// The queue, guarded for posts from other threads.
class TMessageQueueData {
 public:
  std::mutex Mutex;
  std::deque<TQueuedMessage> Items;
  int NativeModalDepth = 0;
  bool DrainScheduled = false;
};

TMessageQueueData& Queue();
// Queues a message (at the back, or at the front for the characters of a translated key) and
// wakes whoever waits for input.
void Enqueue(TQueuedMessage Message, bool AtFront = false);
bool IsTimerMessagePending(HWND Wnd, UINT_PTR Id);
// The window keyboard input goes to now: the focus, else the active window.
HWND KeyboardTarget();
// Makes raw input ready as it leaves the queue: keyboard input gets its window, mouse input is
// hit-tested, turned into a client or non-client message and a double click where it applies,
// activates its window. Hooks see it (Commit only) and may swallow it: answers false then, and
// for input whose window is gone.
bool PrepareInput(MSG& Msg, bool Commit);
bool IsGuiThread();

// --- windows ---------------------------------------------------------------------------------
TPoint ScreenOrigin(const TWindowRecord& Rec);        // of the window rectangle
TPoint ClientScreenOrigin(const TWindowRecord& Rec);  // of the client area
HWND RootOf(HWND Wnd);
bool IsInside(HWND Wnd, HWND Ancestor);               // Wnd is Ancestor or one of its descendants
bool IsEnabledChain(HWND Wnd);                        // the window and its ancestors are enabled
void ReplaceBackingImage(TWindowRecord& Rec);
void CalcClient(TWindowRecord& Rec, const TRect& Proposed, WINDOWPOS* Pos);
// Lets go of every device context and caller's canvas drawing on the window.
void ReleaseWindowSurfaces(TWindowRecord& Rec);
// Puts a top-level window into the z-order below InsertAfter (HWND_TOP, HWND_BOTTOM, HWND_TOPMOST,
// HWND_NOTOPMOST or a window), keeping top-most windows above the others and owned windows above
// their owners.
void RestackTopLevel(TWindowRecord& Rec, HWND InsertAfter);
// The window is visible and the point (window coordinates) lies in its region.
bool IsInWindowRegion(const TWindowRecord& Rec, TPoint WindowPoint);
// The layer's windows as the screen shows them inside Rect (screen coordinates), overlays left out.
QImage ComposeScreen(const QRect& Rect);

// --- services that follow windows, focus and input ----------------------------------------------
// Forgets what the services keep about a window being destroyed (caret, popup watch, tracking).
void ForgetWindowServices(HWND Wnd);
// A press at Target (empty: outside every window) closes the watched popups it lies outside of.
void WatchPress(HWND Target);
// The focus moved to NewFocus (empty: nowhere); watched popups whose owner lost it close.
void WatchFocus(HWND NewFocus);
// The application lost the active window (or the native application was deactivated).
void WatchDeactivation();
// A watched popup was hidden by someone else: the watch lets go of it.
void WatchHidden(HWND Wnd);
// Mouse input reached ScreenPoint: WM_MOUSELEAVE for a tracked window the point left.
void CheckMouseLeave(TPoint ScreenPoint);
void ForgetCaret(HWND Wnd);
void ForgetMouseTracking(HWND Wnd);
// The caret of Wnd is taken off before a paint pass and put back after it.
void HideCaretForPaint(HWND Wnd);
void ShowCaretAfterPaint(HWND Wnd);

// --- bridge to Qt ----------------------------------------------------------------------------
std::unique_ptr<QWidget, TDeferredWidgetDeleter> CreateWindowWidget(TWindowRecord& Rec);
void ApplyWidgetGeometry(TWindowRecord& Rec);
void ApplyWidgetFlags(TWindowRecord& Rec);
void ReparentWidget(TWindowRecord& Rec);
void ShowWidget(TWindowRecord& Rec, bool Show, bool Activate);
// Real Qt focus: on the native editor of the focus window, else parked on its top-level widget.
void SyncNativeFocus(HWND Wnd);
void RaiseNativeWindow(HWND Wnd);
// The native pointer follows the layer's capture (none: released).
void GrabNativePointer(HWND Capture);
// The default cursor hook: standard cursors become Qt's shapes on every window, drawn cursors
// Qt cursors made from their images.
void ApplyNativeCursor(HCURSOR Cursor);
// The image and hot spot of a cursor the program drew; null for the standard shapes.
const QImage* DrawnCursorImage(HCURSOR Cursor, QPoint& HotSpot);
// The window region as the widget's mask.
void ApplyWidgetMask(TWindowRecord& Rec);
// The virtual key of a Qt key, and back (0 / Qt::Key_unknown when there is none).
int VirtualKeyOfQtKey(int QtKey, bool Keypad);
int QtKeyOfVirtualKey(int VirtualKey);
// The virtual key of a key event: a key the map has none for that types a character comes as
// VK_PACKET with its text, as characters typed without a key of their own do; 0 for others.
int VirtualKeyOfTypedKey(int QtKey, bool Keypad, const String& Text);
// Runs a piece of layer work started by a native event; exceptions go to the exception sink.
template <class F>
void RunGuarded(F&& Work) noexcept {
  try {
    Work();
  } catch (...) {
    HandleBoundaryException(std::current_exception());
  }
}

// --- hooks, timers, paint, native editors ------------------------------------------------------
LRESULT CallHooks(int Kind, int Code, WPARAM WParam, LPARAM LParam);
bool HasHooks(int Kind);
void KillTimersOf(HWND Wnd);
// Calls the callback of a callback timer's WM_TIMER; answers false when the message is no such.
bool DispatchTimerCallback(const MSG& Msg);
// The first visible window with something to paint that matches the filter.
HWND NextWindowToPaint(HWND Filter);
// Gives a message back to the window's native editor; answers whether there is one.
bool ReplayToNativeEditor(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
