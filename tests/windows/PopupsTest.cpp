// Pop-up windows: non-activating pop-ups leave focus and activation with the form and close on a
// press outside, on the owner's loss of focus and on deactivation; focus-taking pop-ups give the
// focus back; top-most and owned windows keep their places; regions and overlays.
#include "WindowTestKit.h"

#include "graphics/Region.h"
#include "windows/NonClient.h"
#include "windows/Overlay.h"
#include "windows/Popups.h"

namespace {

class Popups : public TGuiTest {
 protected:
  void SetUp() override {
    TGuiTest::SetUp();
    form = std::make_unique<TLoggingWindow>(HWND(), Bounds(100, 100, 300, 200));
    edit = std::make_unique<TLoggingWindow>(form->Handle, Bounds(10, 10, 100, 24));
    other = std::make_unique<TLoggingWindow>(form->Handle, Bounds(10, 50, 100, 24));
    SetFocus(edit->Handle);
    Pump();
  }
  void TearDown() override {
    popup.reset();
    other.reset();
    edit.reset();
    form.reset();
    TGuiTest::TearDown();
  }
  // A list pop-up below the edit: top-most tool window that never takes the activation.
  void MakeList(DWORD ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE) {
    popup = std::make_unique<TLoggingWindow>(form->Handle, Bounds(110, 134, 120, 90), 0, WS_POPUP | WS_BORDER, ExStyle);
  }
  TPopupCloseEvent Recorder() {
    return [this](HWND wnd, TPopupCloseReason reason) {
      reasons.push_back(reason);
      ShowWindow(wnd, SW_HIDE);
    };
  }
  void Click(TPoint Screen) {
    MouseAt(TMouseInput::Move, Screen);
    MouseAt(TMouseInput::Press, Screen);
    MouseAt(TMouseInput::Release, Screen);
    Pump();
  }
  std::unique_ptr<TLoggingWindow> form, edit, other, popup;
  std::vector<TPopupCloseReason> reasons;
};

TEST_F(Popups, NonActivatingPopupOpensWithoutTakingFocusAndClosesOnAPressOutside) {
  MakeList();
  form->Log.clear();
  ShowPopupWindow(popup->Handle, edit->Handle, Recorder());
  Pump();
  EXPECT_TRUE(IsWindowVisible(popup->Handle));
  EXPECT_EQ(GetFocus(), edit->Handle);
  EXPECT_EQ(GetActiveWindow(), form->Handle);
  EXPECT_TRUE(form->Only({WM_ACTIVATE, WM_NCACTIVATE}).empty());

  Click({150, 180});  // inside the pop-up
  EXPECT_TRUE(IsWindowVisible(popup->Handle));
  EXPECT_EQ(popup->Only({WM_LBUTTONDOWN}).size(), 1u);
  EXPECT_EQ(GetFocus(), edit->Handle);
  Click({150, 115});  // on the owner itself
  EXPECT_TRUE(IsWindowVisible(popup->Handle));

  Click({380, 280});  // on the form, outside both
  EXPECT_FALSE(IsWindowVisible(popup->Handle));
  EXPECT_FALSE(IsPopupWatched(popup->Handle));
  EXPECT_EQ(reasons, (std::vector<TPopupCloseReason>{TPopupCloseReason::OutsidePress}));
  EXPECT_EQ(GetFocus(), edit->Handle);
}

TEST_F(Popups, PopupClosesWhenItsOwnerLosesTheFocusOrTheApplicationIsDeactivated) {
  MakeList();
  ShowPopupWindow(popup->Handle, edit->Handle, Recorder());
  SetFocus(other->Handle);
  EXPECT_FALSE(IsWindowVisible(popup->Handle));
  SetFocus(edit->Handle);
  ShowPopupWindow(popup->Handle, edit->Handle, Recorder());
  SetActiveWindow(HWND());
  EXPECT_FALSE(IsWindowVisible(popup->Handle));
  EXPECT_EQ(reasons, (std::vector<TPopupCloseReason>{TPopupCloseReason::FocusLost, TPopupCloseReason::Deactivated}));
}

TEST_F(Popups, FocusTakingPopupGivesTheFocusBackWhenClosed) {
  MakeList(0);
  ShowWindow(popup->Handle, SW_SHOW);
  WatchPopup(popup->Handle, edit->Handle);
  EXPECT_EQ(GetActiveWindow(), popup->Handle);
  EXPECT_EQ(GetFocus(), popup->Handle);
  Click({380, 280});
  EXPECT_FALSE(IsWindowVisible(popup->Handle));
  EXPECT_EQ(GetActiveWindow(), form->Handle);
  EXPECT_EQ(GetFocus(), edit->Handle);

  ShowWindow(popup->Handle, SW_SHOW);
  WatchPopup(popup->Handle, edit->Handle);
  EXPECT_TRUE(ClosePopup(popup->Handle));
  EXPECT_EQ(GetFocus(), edit->Handle);
}

TEST_F(Popups, TopMostWindowsStayAboveAndOwnedWindowsAboveTheirOwner) {
  MakeList(WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
  ShowWindow(popup->Handle, SW_SHOWNOACTIVATE);
  TLoggingWindow owned(form->Handle, Bounds(500, 100, 50, 50), 0, WS_VISIBLE | WS_POPUP);
  TLoggingWindow stranger(HWND(), Bounds(600, 100, 50, 50));
  SetActiveWindow(form->Handle);
  const std::vector<HWND> order = GetTopLevelWindows();
  ASSERT_GE(order.size(), 4u);
  EXPECT_EQ(order[0], popup->Handle);
  EXPECT_EQ(order[1], owned.Handle);
  EXPECT_EQ(order[2], form->Handle);
  EXPECT_EQ(order[3], stranger.Handle);
  // Without SWP_NOACTIVATE placing a window activates it.
  SetWindowPos(stranger.Handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetActiveWindow(), stranger.Handle);
  EXPECT_EQ(GetTopLevelWindows()[0], popup->Handle);
  SetWindowPos(popup->Handle, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_FALSE(GetWindowLong(popup->Handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(Popups, RegionShapesWhereTheWindowTakesTheMouseAndHintsLetItThrough) {
  MakeList();
  ShowPopupWindow(popup->Handle, edit->Handle);
  const TRegion ellipse = CreateEllipticRgn(0, 0, 120, 90);
  EXPECT_TRUE(SetWindowRgn(popup->Handle, &ellipse, true));
  TRegion copy;
  EXPECT_EQ(GetWindowRgn(popup->Handle, copy), COMPLEXREGION);
  EXPECT_EQ(WindowFromPoint({170, 179}), popup->Handle);
  EXPECT_EQ(WindowFromPoint({111, 135}), form->Handle);
  SetWindowRgn(popup->Handle, nullptr, true);
  EXPECT_EQ(WindowFromPoint({111, 135}), popup->Handle);
  popup->Handler = [](TMessage& m) {
    if (m.Msg != WM_NCHITTEST) return false;
    m.Result = HTTRANSPARENT;
    return true;
  };
  EXPECT_EQ(WindowFromPoint({170, 179}), form->Handle);
}

TEST_F(Popups, OverlayShowsWhatLiesBeneathAndTakesNoMouse) {
  form->Handler = [this](TMessage& m) {
    if (m.Msg != WM_PAINT) return false;
    PAINTSTRUCT ps;
    BeginPaint(form->Handle, ps);
    FillRect(ps.hdc, TRect{0, 0, 300, 200}, CreateSolidBrush(clBlue));
    EndPaint(form->Handle, ps);
    return true;
  };
  InvalidateRect(form->Handle, nullptr, true);
  Pump();
  TScreenOverlay overlay(Bounds(200, 200, 20, 20));
  overlay.Show();
  EXPECT_EQ(WindowPixel(overlay.Handle(), 5, 5), TColor(clBlue));
  overlay.Draw([](HDC dc) { FillRect(dc, TRect{0, 0, 10, 10}, CreateSolidBrush(clRed)); });
  EXPECT_EQ(WindowPixel(overlay.Handle(), 5, 5), TColor(clRed));
  EXPECT_EQ(WindowPixel(form->Handle, 105, 105), TColor(clBlue));
  EXPECT_EQ(WindowFromPoint({205, 205}), form->Handle);
  overlay.SetBounds(Bounds(210, 210, 20, 20));
  EXPECT_EQ(WindowPixel(overlay.Handle(), 5, 5), TColor(clBlue));
  EXPECT_EQ(GetActiveWindow(), form->Handle);
}

TEST_F(Popups, ListPopupRendersWithItsBorder) {
  MakeList();
  popup->Handler = [this](TMessage& m) {
    if (m.Msg != WM_PAINT) return false;
    PAINTSTRUCT ps;
    BeginPaint(popup->Handle, ps);
    FillRect(ps.hdc, ps.rcPaint, CreateSolidBrush(clWindow));
    FillRect(ps.hdc, TRect{0, 18, 118, 36}, CreateSolidBrush(clHighlight));
    SetBkMode(ps.hdc, TRANSPARENT);
    TextOut(ps.hdc, 4, 2, "一年级");
    SetTextColor(ps.hdc, clHighlightText);
    TextOut(ps.hdc, 4, 20, "二年级");
    EndPaint(popup->Handle, ps);
    return true;
  };
  ShowPopupWindow(popup->Handle, edit->Handle);
  Pump();
  EXPECT_EQ(WindowPixel(popup->Handle, 100, 25), TColor(ColorToRGB(clHighlight)));
  HDC dc = GetWindowDC(popup->Handle);
  EXPECT_EQ(ColorToRGB(GetPixel(dc, 0, 40)), ColorToRGB(clWindowFrame));
  ReleaseDC(popup->Handle, dc);
  EXPECT_FALSE(RenderWindowToPng(popup->Handle, "popup_list.png").empty());
}

}  // namespace
