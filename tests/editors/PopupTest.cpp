// The popup base (border, shadow, activation, closing) and the cell hint window.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxPopup.h"
#include "graphics/Gdi.h"
#include "windows/Focus.h"
#include "windows/MessageQueue.h"
#include "windows/NonClient.h"
#include "windows/Window.h"

namespace {

class PopupTest : public TEditorsTest {
 protected:
  TdxInplacePopupControl* OpenPopup(TdxPopupBorder Border, bool Shadow) {
    TTestTextEdit* edit = StartTextEdit();
    auto* popup = new TdxInplacePopupControl(Form);
    popup->SetIsPopup(true);
    popup->SetOwnerEdit(edit);
    popup->SetPopupBorder(Border);
    popup->SetShadow(Shadow);
    popup->SetBounds(200, 200, 100, 80);
    popup->ShowPopup();
    Pump();
    return popup;
  }
};

TEST_F(PopupTest, TheBorderAndTheShadowTakeTheirRoomOutsideTheClientArea) {
  struct TCase {
    TdxPopupBorder Border;
    bool Shadow;
    int Lost;
  };
  const TCase cases[] = {{pbFrame3D, true, 10}, {pbSingle, false, 2}, {pbFlat, true, 6}, {pbDefault, false, 0}};
  for (const TCase& c : cases) {
    TdxInplacePopupControl* popup = OpenPopup(c.Border, c.Shadow);
    TRect window, client;
    GetWindowRect(popup->Handle(), window);
    GetClientRect(popup->Handle(), client);
    EXPECT_EQ(window.Width() - client.Width(), c.Lost) << PopupBorderNames[c.Border];
    EXPECT_EQ(window.Height() - client.Height(), c.Lost) << PopupBorderNames[c.Border];
    popup->Free();
  }
}

TEST_F(PopupTest, TheShadowedPopupsRegionLeavesTheCornersBesideTheShadowOut) {
  TdxInplacePopupControl* popup = OpenPopup(pbSingle, true);
  TRegion region;
  ASSERT_NE(GetWindowRgn(popup->Handle(), region), RGN_ERROR);
  EXPECT_TRUE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, 99, 0));
  EXPECT_FALSE(PtInRegion(region, 0, 79));
  EXPECT_TRUE(PtInRegion(region, 99, 79));
  RenderWindowToPng(popup->Handle(), "popup-single-shadow.png");
}

TEST_F(PopupTest, TheFormsCaptionStaysActiveWhileThePopupIsOpenAndClickedInto) {
  std::vector<WPARAM> captionStates;
  const HWND form = Form->Handle();
  const WNDPROC formProc = GetWindowProc(form);
  SetWindowProc(form, [&, formProc](HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg == WM_NCACTIVATE) captionStates.push_back(WParam);
    return CallWindowProc(formProc, Wnd, Msg, WParam, LParam);
  });
  TdxInplacePopupControl* popup = OpenPopup(pbFrame3D, false);
  ASSERT_TRUE(IsWindowVisible(popup->Handle()));
  ASSERT_FALSE(captionStates.empty());
  EXPECT_EQ(captionStates.back(), 1u);
  const HWND active = GetActiveWindow();
  EXPECT_EQ(popup->Perform(WM_MOUSEACTIVATE, form.AsWParam(), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)), MA_NOACTIVATE);
  Click(popup, {20, 20});
  Pump();
  EXPECT_EQ(captionStates.back(), 1u);
  EXPECT_EQ(GetActiveWindow(), active);
  SetWindowProc(form, formProc);
}

TEST_F(PopupTest, HidingGivesTheFocusBackToTheEditorAndTellsIt) {
  TdxInplacePopupControl* popup = OpenPopup(pbFlat, false);
  ::SetFocus(popup->Handle());
  popup->HidePopup(true);
  EXPECT_FALSE(IsWindowVisible(popup->Handle()));
  EXPECT_EQ(GetFocus(), Host->Editor->Handle());
  MSG msg;
  EXPECT_TRUE(PeekMessage(msg, Host->Editor->Handle(), WM_DXPOPUPCLOSED, WM_DXPOPUPCLOSED, PM_NOREMOVE));
}

TEST_F(PopupTest, LosingTheFocusClosesThePopupWithoutAccepting) {
  TdxInplacePopupControl* popup = OpenPopup(pbFlat, false);
  ::SetFocus(popup->Handle());
  ::SetFocus(Host->Handle());
  EXPECT_FALSE(IsWindowVisible(popup->Handle()));
}

TEST_F(PopupTest, AHintStaysOnTheScreenAndLetsTheMouseThrough) {
  auto* hint = new TdxContainerHintWindow(Form);
  const String text = "一个很长的单元格内容，在单元格里放不下";
  hint->ActivateHint({1000, 300}, text, Host->Font());
  TRect r;
  GetWindowRect(hint->Handle(), r);
  EXPECT_EQ(r.Right, 1024);
  EXPECT_EQ(r.Top, 300);
  EXPECT_TRUE(IsWindowVisible(hint->Handle()));
  EXPECT_EQ(hint->Perform(WM_NCHITTEST, 0, PointToLParam({r.Left + 2, r.Top + 2})), HTTRANSPARENT);
  EXPECT_EQ(GetActiveWindow(), Form->Handle());
  Pump();
  RenderWindowToPng(hint->Handle(), "cell-hint.png");

  hint->ActivateHintEx({-20, -20}, 100, true, Host->Font(), text);
  GetWindowRect(hint->Handle(), r);
  EXPECT_EQ(r.TopLeft(), (TPoint{0, 0}));
  EXPECT_LE(r.Width(), 106);
}

TEST_F(PopupTest, AQuitMessageTakenWhileDroppingAPendingMessageIsPostedAgain) {
  PostQuitMessage(7);
  RemovePendingMessage(HWND(), WM_QUIT);
  MSG msg;
  ASSERT_TRUE(PeekMessage(msg, HWND(), WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);

  TTestTextEdit* edit = StartTextEdit();
  PostMessage(edit->Handle(), WM_CHAR, 'x', 0);
  RemovePendingMessage(edit->Handle(), WM_CHAR);
  EXPECT_FALSE(PeekMessage(msg, edit->Handle(), WM_CHAR, WM_CHAR, PM_NOREMOVE));
}

}  // namespace
