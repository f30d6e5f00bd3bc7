// MDI: the client window keeps the active child and tells the children, maximised children fill
// it and pass the maximised state on, the activation moves on when the active child goes, and the
// window menu follows each child's state.
#include "WindowTestKit.h"

#include "windows/Mdi.h"
#include "windows/MessageQueue.h"
#include "windows/SystemMenu.h"

namespace {

constexpr DWORD kChildStyle = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

class Mdi : public TGuiTest {
 protected:
  void SetUp() override {
    TGuiTest::SetUp();
    Frame = std::make_unique<TLoggingWindow>(HWND(), Bounds(100, 100, 400, 300));
    Client = CreateMDIClient(Frame->Handle, Bounds(0, 30, 400, 240));
    First = std::make_unique<TLoggingWindow>(Client, Bounds(10, 10, 150, 100), 0, kChildStyle);
    Second = std::make_unique<TLoggingWindow>(Client, Bounds(40, 40, 150, 100), 0, kChildStyle);
  }
  HWND Active(bool* Maximised = nullptr) const {
    return HWND::FromParam(SendMessage(Client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(Maximised)));
  }
  std::unique_ptr<TLoggingWindow> Frame;
  HWND Client;
  std::unique_ptr<TLoggingWindow> First, Second;
};

TEST_F(Mdi, AShownChildBecomesActiveAndTheChildrenHearOfTheChange) {
  EXPECT_TRUE(IsMDIClient(Client));
  EXPECT_TRUE(IsMDIChild(First->Handle));
  EXPECT_FALSE(IsMDIChild(Client));
  ShowWindow(First->Handle, SW_SHOW);
  EXPECT_EQ(Active(), First->Handle);
  ShowWindow(Second->Handle, SW_SHOW);
  EXPECT_EQ(Active(), Second->Handle);
  const TLogged change{WM_MDIACTIVATE, First->Handle.AsWParam(), Second->Handle.AsLParam()};
  EXPECT_EQ(First->Only({WM_MDIACTIVATE}).back(), change);
  EXPECT_EQ(Second->Only({WM_MDIACTIVATE}).back(), change);
  EXPECT_EQ(Second->Numbers({WM_MDIACTIVATE, WM_CHILDACTIVATE}), (std::vector<UINT>{WM_MDIACTIVATE, WM_CHILDACTIVATE}));
  SendMessage(Client, WM_MDIACTIVATE, First->Handle.AsWParam());
  EXPECT_EQ(Active(), First->Handle);
}

TEST_F(Mdi, AMaximisedChildFillsTheClientAndPassesTheStateOn) {
  ShowWindow(First->Handle, SW_SHOW);
  ShowWindow(Second->Handle, SW_SHOW);
  SendMessage(Client, WM_MDIMAXIMIZE, Second->Handle.AsWParam());
  bool maximised = false;
  EXPECT_EQ(Active(&maximised), Second->Handle);
  EXPECT_TRUE(maximised);
  // Its client area covers the client window; its caption lies above it, out of sight.
  TRect r;
  GetClientRect(Second->Handle, r);
  EXPECT_EQ(r, Bounds(0, 0, 400, 240));
  TPoint origin{0, 0}, clientOrigin{0, 0};
  ClientToScreen(Second->Handle, origin);
  ClientToScreen(Client, clientOrigin);
  EXPECT_EQ(origin, clientOrigin);
  MoveWindow(Client, 0, 30, 300, 200, true);
  GetClientRect(Second->Handle, r);
  EXPECT_EQ(r.Width(), 300);
  // Another child activated is maximised in its place; restoring gives back its own bounds.
  SendMessage(Client, WM_MDIACTIVATE, First->Handle.AsWParam());
  EXPECT_TRUE(IsZoomed(First->Handle));
  EXPECT_FALSE(IsZoomed(Second->Handle));
  SendMessage(Client, WM_MDIRESTORE, First->Handle.AsWParam());
  GetWindowRect(First->Handle, r);
  EXPECT_EQ(r, Bounds(100 + 10, 130 + 10, 150, 100));
  EXPECT_EQ(Active(&maximised), First->Handle);
  EXPECT_FALSE(maximised);
}

TEST_F(Mdi, TheNextChildIsActiveBeforeTheActiveOneGoes) {
  ShowWindow(First->Handle, SW_SHOW);
  ShowWindow(Second->Handle, SW_SHOW);
  HWND activeAtDestroy;
  Second->Handler = [&](TMessage& M) {
    if (M.Msg == WM_DESTROY) activeAtDestroy = Active();
    return false;
  };
  DestroyWindow(Second->Handle);
  EXPECT_EQ(activeAtDestroy, First->Handle);
  EXPECT_EQ(Active(), First->Handle);
  DestroyWindow(First->Handle);
  EXPECT_EQ(Active(), HWND());
}

TEST_F(Mdi, TheWindowMenuFollowsTheChildsState) {
  ShowWindow(First->Handle, SW_SHOW);
  const std::vector<TSystemMenuItem> items = GetSystemMenuItems(First->Handle);
  ASSERT_EQ(items.size(), 9u);
  EXPECT_EQ(items[6].Text, "关闭(&C)\tCtrl+F4");
  EXPECT_EQ(items[6].Bitmap, HBMMENU_POPUP_CLOSE);
  EXPECT_TRUE(items[5].State & MF_SEPARATOR);
  EXPECT_EQ(GetSystemMenuState(First->Handle, SC_RESTORE), UINT(MF_GRAYED));
  EXPECT_EQ(GetSystemMenuState(First->Handle, SC_MAXIMIZE), UINT(MF_ENABLED));
  ShowWindow(First->Handle, SW_SHOWMAXIMIZED);
  EXPECT_EQ(GetSystemMenuState(First->Handle, SC_RESTORE), UINT(MF_ENABLED));
  EXPECT_EQ(GetSystemMenuState(First->Handle, SC_MAXIMIZE), UINT(MF_GRAYED));
  EXPECT_EQ(EnableSystemMenuItem(First->Handle, SC_MINIMIZE, MF_GRAYED), UINT(MF_ENABLED));
  EXPECT_EQ(GetSystemMenuState(First->Handle, SC_MINIMIZE), UINT(MF_GRAYED));
  EXPECT_EQ(GetSystemMenuState(First->Handle, 0x1234), UINT(-1));
  // A window without WS_SYSMENU has no window menu.
  TLoggingWindow plain(Client, Bounds(0, 0, 50, 50), 0, WS_CAPTION);
  EXPECT_TRUE(GetSystemMenuItems(plain.Handle).empty());
  EXPECT_FALSE(HasSystemMenu(plain.Handle));
  // A top-level window closes with Alt+F4.
  TLoggingWindow top(HWND(), Bounds(0, 0, 50, 50), 0, WS_CAPTION | WS_SYSMENU);
  EXPECT_EQ(GetSystemMenuItems(top.Handle).size(), 7u);
  EXPECT_TRUE(HasSystemMenu(top.Handle));
}

}  // namespace
