// Focus, activation and capture kept by the layer, and how mouse input becomes messages.
#include "WindowTestKit.h"

namespace {

class FocusAndInput : public TGuiTest {};

TEST_F(FocusAndInput, FocusMessagesCarryTheOtherWindow) {
  TLoggingWindow form(HWND(), Bounds(0, 0, 300, 200));
  TLoggingWindow a(form.Handle, Bounds(10, 10, 50, 20)), b(form.Handle, Bounds(10, 40, 50, 20));
  SetFocus(a.Handle);
  SetFocus(b.Handle);
  EXPECT_EQ(GetFocus(), b.Handle);
  EXPECT_EQ(GetActiveWindow(), form.Handle);
  const auto lost = a.Only({WM_KILLFOCUS});
  ASSERT_EQ(lost.size(), 1u);
  EXPECT_EQ(HWND::FromParam(static_cast<intptr_t>(lost[0].WParam)), b.Handle);
  const auto got = b.Only({WM_SETFOCUS});
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(HWND::FromParam(static_cast<intptr_t>(got[0].WParam)), a.Handle);

  EnableWindow(a.Handle, false);
  EXPECT_EQ(SetFocus(a.Handle), HWND());  // a disabled window does not take the focus
  EXPECT_EQ(GetFocus(), b.Handle);
}

TEST_F(FocusAndInput, ActivationGoesToTheClickedTopLevelWindow) {
  TLoggingWindow first(HWND(), Bounds(0, 0, 100, 100)), second(HWND(), Bounds(200, 0, 100, 100));
  SetActiveWindow(first.Handle);
  first.Log.clear();
  second.Log.clear();
  MouseAt(TMouseInput::Press, {250, 50});
  MouseAt(TMouseInput::Release, {250, 50});
  Pump();
  EXPECT_EQ(GetActiveWindow(), second.Handle);
  const auto deactivated = first.Only({WM_ACTIVATE});
  ASSERT_EQ(deactivated.size(), 1u);
  EXPECT_EQ(LOWORD(deactivated[0].WParam), WA_INACTIVE);
  EXPECT_EQ(HWND::FromParam(deactivated[0].LParam), second.Handle);
  EXPECT_EQ(second.Numbers({WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN}),
            (std::vector<UINT>{WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN}));
}

TEST_F(FocusAndInput, CaptureTakesTheMouseAndTellsTheWindowLosingIt) {
  TLoggingWindow a(HWND(), Bounds(0, 0, 100, 100)), b(HWND(), Bounds(200, 0, 100, 100));
  SetCapture(a.Handle);
  MouseAt(TMouseInput::Move, {250, 10});
  Pump();
  const auto moves = a.Only({WM_MOUSEMOVE});
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(LParamToPoint(moves[0].LParam), (TPoint{250, 10}));
  EXPECT_TRUE(b.Only({WM_MOUSEMOVE}).empty());
  SetCapture(b.Handle);
  const auto changed = a.Only({WM_CAPTURECHANGED});
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(HWND::FromParam(changed[0].LParam), b.Handle);
  ReleaseCapture();
  EXPECT_EQ(b.Only({WM_CAPTURECHANGED}).size(), 1u);
  EXPECT_EQ(GetCapture(), HWND());
}

TEST_F(FocusAndInput, DoubleClicksOnlyForWindowsWhoseClassWantsThem) {
  TLoggingWindow plain(HWND(), Bounds(0, 0, 100, 100));
  TLoggingWindow wants(HWND(), Bounds(200, 0, 100, 100), CS_DBLCLKS);
  for (TPoint p : {TPoint{50, 50}, TPoint{250, 50}})
    for (int i = 0; i < 2; ++i) {
      MouseAt(TMouseInput::Press, p);
      MouseAt(TMouseInput::Release, p);
    }
  Pump();
  EXPECT_EQ(plain.Numbers({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN}));
  EXPECT_EQ(wants.Numbers({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}));

  // Slower than the double-click time: two presses.
  wants.Log.clear();
  MouseAt(TMouseInput::Press, {250, 50});
  MouseAt(TMouseInput::Release, {250, 50});
  Advance(GetDoubleClickTime() + 1);
  MouseAt(TMouseInput::Press, {250, 50});
  Pump();
  EXPECT_EQ(wants.Numbers({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN}));
}

TEST_F(FocusAndInput, WheelComesInStepsOf120ToTheFocusWindow) {
  TLoggingWindow form(HWND(), Bounds(0, 0, 100, 100));
  SetFocus(form.Handle);
  MouseAt(TMouseInput::Wheel, {10, 10}, 0, 60);
  Pump();
  EXPECT_TRUE(form.Only({WM_MOUSEWHEEL}).empty());
  MouseAt(TMouseInput::Wheel, {10, 10}, 0, 60 + 240);
  Pump();
  const auto wheels = form.Only({WM_MOUSEWHEEL});
  ASSERT_EQ(wheels.size(), 3u);
  for (const TLogged& w : wheels) EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(w.WParam), 120);
  EXPECT_EQ(LParamToPoint(wheels[0].LParam), (TPoint{10, 10}));  // screen coordinates
}

TEST_F(FocusAndInput, DisabledWindowsGetNoInput) {
  TLoggingWindow form(HWND(), Bounds(0, 0, 200, 100));
  TLoggingWindow child(form.Handle, Bounds(10, 10, 50, 50));
  EnableWindow(child.Handle, false);
  MouseAt(TMouseInput::Press, {20, 20});
  Pump();
  EXPECT_TRUE(child.Only({WM_LBUTTONDOWN}).empty());
  EXPECT_EQ(form.Only({WM_LBUTTONDOWN}).size(), 1u);  // the point passes to the parent

  LRESULT hookHit = 0;
  HHOOK hook = SetWindowsHookEx(WH_MOUSE, [&](int, WPARAM, LPARAM l) -> LRESULT {
    hookHit = reinterpret_cast<MOUSEHOOKSTRUCT*>(l)->wHitTestCode;
    return 0;
  });
  EnableWindow(form.Handle, false);
  form.Log.clear();
  MouseAt(TMouseInput::Press, {150, 50});
  Pump();
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(hookHit, HTERROR);  // the hook sees the press on the disabled window ...
  EXPECT_TRUE(form.Only({WM_LBUTTONDOWN}).empty());  // ... the window does not
}

TEST_F(FocusAndInput, StyleBitsReadBack) {
  TLoggingWindow form(HWND(), Bounds(0, 0, 200, 100), CS_DBLCLKS, WS_VISIBLE | WS_CLIPCHILDREN);
  EXPECT_TRUE(GetWindowLong(form.Handle, GWL_STYLE) & WS_CLIPCHILDREN);
  EXPECT_TRUE(GetWindowLong(form.Handle, GCL_STYLE) & CS_DBLCLKS);
  SetWindowLong(form.Handle, GWL_STYLE, GetWindowLong(form.Handle, GWL_STYLE) | WS_HSCROLL | WS_VSCROLL);
  EXPECT_EQ(GetWindowLong(form.Handle, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), intptr_t(WS_HSCROLL | WS_VSCROLL));
  const HWND gone = form.Handle;
  DestroyWindow(gone);
  EXPECT_FALSE(IsWindow(gone));
  EXPECT_EQ(GetWindowLong(gone, GWL_STYLE), 0);
}

}  // namespace
