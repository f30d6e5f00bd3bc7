// Owned top-level windows as the window system sees them: the native window's transient parent,
// the stacking of windows owned by stay-on-top windows, stay-on-top windows giving way to a modal
// window, a press on a disabled owner, and the native pointer held while the layer has the capture.
#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

#include "WindowTestKit.h"
#include "windows/Layer_p.h"
#include "windows/Ownership.h"
#include "windows/Popups.h"

namespace {

class Ownership : public TGuiTest {};

constexpr DWORD kFramed = WS_VISIBLE | WS_CAPTION;
constexpr DWORD kOwnedFramed = WS_POPUP | WS_VISIBLE | WS_CAPTION;

QWindow* NativeWindow(HWND Wnd) { return Windows().Find(Wnd)->Widget->windowHandle(); }
QWindow* TransientParentOf(HWND Wnd) { return NativeWindow(Wnd) ? NativeWindow(Wnd)->transientParent() : nullptr; }

TEST_F(Ownership, OwnedWindowsAreTransientForTheirOwnersNativeWindow) {
  TLoggingWindow main(HWND(), Bounds(0, 0, 400, 300), 0, kFramed);
  TLoggingWindow other(HWND(), Bounds(420, 0, 200, 100), 0, kFramed);
  SetActiveWindow(main.Handle);
  TLoggingWindow dialog(main.Handle, Bounds(50, 50, 200, 100), 0, kOwnedFramed);
  ASSERT_NE(NativeWindow(main.Handle), nullptr);
  EXPECT_EQ(TransientParentOf(dialog.Handle), NativeWindow(main.Handle));
  EXPECT_EQ(TransientParentOf(main.Handle), nullptr);

  // A pop-up made without an owner (a hint) belongs to the active window.
  SetActiveWindow(main.Handle);
  TLoggingWindow hint(HWND(), Bounds(60, 60, 80, 20), 0, WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST | WS_EX_NOACTIVATE);
  EXPECT_EQ(TransientParentOf(hint.Handle), NativeWindow(main.Handle));

  // A new owner is followed; an owner that the window owns in turn is refused.
  EXPECT_EQ(SetWindowOwner(dialog.Handle, other.Handle), main.Handle);
  EXPECT_EQ(TransientParentOf(dialog.Handle), NativeWindow(other.Handle));
  TLoggingWindow owned(dialog.Handle, Bounds(70, 70, 100, 50), 0, kOwnedFramed);
  EXPECT_EQ(SetWindowOwner(dialog.Handle, owned.Handle), other.Handle);
  EXPECT_EQ(GetWindow(dialog.Handle, GW_OWNER), other.Handle);
}

// What a window owned by a stay-on-top window needs to stay above it, and what a modal window
// needs to come above stay-on-top windows that do not own it.
TEST_F(Ownership, StayOnTopWindowsNeverCoverTheWindowsTheyOwnOrAModalWindow) {
  TLoggingWindow main(HWND(), Bounds(0, 0, 400, 300), 0, kFramed);
  TLoggingWindow entry(main.Handle, Bounds(50, 50, 200, 150), 0, kOwnedFramed, WS_EX_TOPMOST);
  TLoggingWindow message(entry.Handle, Bounds(80, 80, 100, 60), 0, kOwnedFramed);
  SetActiveWindow(message.Handle);
  SetActiveWindow(main.Handle);
  EXPECT_EQ(GetTopLevelWindows(), (std::vector<HWND>{message.Handle, entry.Handle, main.Handle}));

  TLoggingWindow menu(main.Handle, Bounds(0, 20, 80, 100), 0, WS_POPUP);
  ShowPopupWindow(menu.Handle, main.Handle);
  NormalizeTopMosts();
  NormalizeTopMosts();
  TLoggingWindow modal(main.Handle, Bounds(100, 100, 150, 100), 0, kOwnedFramed);
  SetActiveWindow(modal.Handle);
  EXPECT_EQ(GetTopLevelWindows().front(), modal.Handle);
  EXPECT_FALSE(GetWindowLong(entry.Handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(IsWindowVisible(menu.Handle)) << "an open pop-up stays above the modal window";
  RestoreTopMosts();
  EXPECT_FALSE(GetWindowLong(entry.Handle, GWL_EXSTYLE) & WS_EX_TOPMOST) << "restored by the inner pair";
  RestoreTopMosts();
  EXPECT_TRUE(GetWindowLong(entry.Handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(Ownership, PressOnADisabledOwnerActivatesTheModalWindowItOwns) {
  TLoggingWindow main(HWND(), Bounds(0, 0, 400, 300), 0, kFramed);
  TLoggingWindow tool(HWND(), Bounds(420, 0, 200, 100), 0, kFramed);
  TLoggingWindow modal(main.Handle, Bounds(100, 100, 150, 100), 0, kOwnedFramed);
  EnableWindow(main.Handle, false);
  SetActiveWindow(tool.Handle);
  MouseAt(TMouseInput::Press, {20, 250});
  MouseAt(TMouseInput::Release, {20, 250});
  Pump();
  EXPECT_EQ(GetActiveWindow(), modal.Handle);
  EXPECT_TRUE(main.Only({WM_LBUTTONDOWN}).empty());
}

// Qt delivers the moves of a drag to the widget that was pressed and forgets it when it is hidden;
// the layer's capture keeps the drag going all the same (a toolbar floating under the pointer).
TEST_F(Ownership, CaptureKeepsTheNativeDragWhenThePressedWindowGoes) {
  TLoggingWindow main(HWND(), Bounds(0, 0, 400, 300), 0, kFramed);
  TLoggingWindow bar(main.Handle, Bounds(10, 30, 100, 24), 0, WS_VISIBLE);
  bar.Handler = [&](TMessage& m) {
    if (m.Msg != WM_LBUTTONDOWN) return false;
    SetCapture(main.Handle);
    ShowWindow(bar.Handle, SW_HIDE);
    return true;
  };
  QWindow* window = NativeWindow(main.Handle);
  TRect barRect;
  GetWindowRect(bar.Handle, barRect);
  const QPointF global(barRect.Left + 5, barRect.Top + 5);
  const QPointF at = Windows().Find(main.Handle)->Widget->mapFromGlobal(global);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window, &press);
  Pump();
  ASSERT_EQ(bar.Only({WM_LBUTTONDOWN}).size(), 1u);
  const QPointF to = at + QPointF(60, 80);
  QMouseEvent move(QEvent::MouseMove, to, global + QPointF(60, 80), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window, &move);
  Pump();
  EXPECT_EQ(main.Only({WM_MOUSEMOVE}).size(), 1u) << "the drag stopped with the pressed window";
  ReleaseCapture();
}

}  // namespace
