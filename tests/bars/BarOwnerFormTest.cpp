// The owner form's messages through the bars' window-procedure hook: floating bars follow the
// form's activation and minimising and stay on the work area, the application's deactivation
// drops the selection, help requests find the item's help context, and the hooks live as long
// as the managers.
#include "BarsTestKit.h"
#include "bars/dxBarHooks.h"
#include "bars/dxBarUtils.h"
#include "windows/Focus.h"
#include "windows/HelpInfo.h"
#include "windows/MessageQueue.h"

namespace {

class OwnerForm : public TBarsTest {
 protected:
  TdxBar* FloatingBar(int Left = 400, int Top = 300) {
    TdxBar* bar = SizedBar("Floating", {{30, 22}});
    bar->SetFloatLeft(Left);
    bar->SetFloatTop(Top);
    bar->SetFloatClientWidth(30);
    bar->SetVisible(true);
    return bar;
  }
  void Send(UINT Msg, WPARAM WParam, LPARAM LParam = 0) {
    SendMessage(Form->Handle(), Msg, WParam, LParam);
    Pump();
  }
};

TEST_F(OwnerForm, FloatingBarsShowWhileTheirFormIsActive) {
  TdxBar* bar = FloatingBar();
  EXPECT_FALSE(bar->Control()->Visible());
  ShowForm();
  EXPECT_TRUE(bar->Control()->Visible());

  auto* other = TCustomForm::Create<TForm>(Application);
  other->Show();
  Pump();
  EXPECT_FALSE(bar->Control()->Visible());
  EXPECT_TRUE(bar->Visible());
  SetActiveWindow(Form->Handle());
  Pump();
  EXPECT_TRUE(bar->Control()->Visible());

  Send(WM_SYSCOMMAND, SC_MINIMIZE);
  EXPECT_FALSE(bar->Control()->Visible());
  Send(WM_SYSCOMMAND, SC_RESTORE);
  EXPECT_TRUE(bar->Control()->Visible());
  other->Free();
}

TEST_F(OwnerForm, FloatingBarsAreMovedOntoTheWorkArea) {
  ShowForm();
  const TRect area = GetWorkAreaAtPoint(TPoint{0, 0});
  TdxBar* shown = FloatingBar(area.Right - 10, area.Bottom - 5);
  TdxBar* hidden = FloatingBar(area.Left - 50, area.Top - 40);
  hidden->SetVisible(false);
  hidden->SetFloatLeft(area.Left - 50);
  hidden->SetFloatTop(area.Top - 40);
  const TSize size{shown->Control()->Width(), shown->Control()->Height()};
  Send(WM_SETTINGCHANGE, SPI_SETWORKAREA);
  EXPECT_EQ(shown->Control()->BoundsRect(), Bounds(area.Right - size.cx, area.Bottom - size.cy, size.cx, size.cy));
  EXPECT_EQ(hidden->FloatLeft(), area.Left);
  EXPECT_EQ(hidden->FloatTop(), area.Top);
}

TEST_F(OwnerForm, LeavingTheApplicationHidesFloatingBarsAndDropsTheSelection) {
  TdxBar* docked = SizedBar("Docked", {{30, 22}});
  Dock(docked, dsTop);
  TdxBar* bar = FloatingBar();
  ShowForm();
  TdxBarItemControl* control = docked->ItemLinks()->Items(0)->Control();
  MouseMove(docked->Control(), TPoint{control->Parent()->GetItemRect(control).Left + 5, 5});
  Pump();
  ASSERT_EQ(Manager->SelectedItemControl(), control);
  Send(WM_ACTIVATEAPP, 0);
  EXPECT_FALSE(bar->Control()->Visible());
  EXPECT_EQ(Manager->SelectedItemControl(), nullptr);
  EXPECT_EQ(docked->Control()->SelectedControl(), nullptr);
}

TEST_F(OwnerForm, HelpRequestsShowTheHelpContextOfTheItem) {
  TdxBar* bar = SizedBar("Tools", {{30, 22}, {30, 22}});
  Dock(bar, dsTop);
  ShowForm();
  TdxBarItemControl* control = bar->ItemLinks()->Items(1)->Control();
  control->Item()->SetHelpContext(12);
  const TRect r = bar->Control()->GetItemRect(control);
  HELPINFO info;
  info.hItemHandle = bar->Control()->Handle();
  info.MousePos = bar->Control()->ClientToScreen(TPoint{r.Left + 3, r.Top + 3});
  Send(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  ASSERT_EQ(SystemCalls().HelpData.size(), 1u);
  EXPECT_EQ(SystemCalls().Calls.back().Value, HELP_CONTEXT);
  EXPECT_EQ(SystemCalls().HelpData.back(), 12u);

  // With a help button on the form the help pops up at the item's bottom edge.
  Form->SetBorderIcons(Form->BorderIcons() | BorderIconBit(biHelp));
  Pump();
  info.hItemHandle = bar->Control()->Handle();
  Send(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  ASSERT_EQ(SystemCalls().HelpData.size(), 3u);
  const TPoint bottom = bar->Control()->ClientToScreen(TPoint{(r.Left + r.Right) / 2, r.Bottom});
  EXPECT_EQ(SystemCalls().HelpData[1], static_cast<uintptr_t>(PointToLParam(bottom)));
  EXPECT_EQ(SystemCalls().Calls.back().Value, HELP_CONTEXTPOPUP);

  // In menu mode the selection's context is used; without one nothing shows and the menus close.
  bar->Control()->EnterMenuMode(bar->ItemLinks()->Items(0)->Control());
  Send(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(SystemCalls().HelpData.size(), 3u);
  EXPECT_EQ(ActiveBarControl(), nullptr);
}

TEST_F(OwnerForm, TheHooksLiveAsLongAsTheManagers) {
  EXPECT_TRUE(BarHooksInstalled());
  auto* other = TCustomForm::Create<TForm>(Application);
  auto* second = new TdxBarManager(other);
  Manager->Free();
  Manager = nullptr;
  EXPECT_TRUE(BarHooksInstalled());
  second->Free();
  EXPECT_FALSE(BarHooksInstalled());
  other->Free();
}

}  // namespace
