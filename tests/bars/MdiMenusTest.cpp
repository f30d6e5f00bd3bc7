// MDI child menus: the frame's menu bar takes the active child's menus (while it is maximised, or
// always with AlwaysMerge, or through OnMenuMerge), shows the maximised child's window menu first
// and its minimise, restore and close buttons last, and lets go when the child changes or goes.
#include "BarsTestKit.h"
#include "bars/dxBarMdi.h"
#include "bars/dxBarSubMenu.h"
#include "bars/dxBarToolbar.h"
#include "windows/MessageQueue.h"
#include "windows/SystemMenu.h"

namespace {

class MdiMenus : public TBarsTest {
 protected:
  void SetUp() override {
    TBarsTest::SetUp();
    // The fixture's form stays plain; the frame is the application's main form.
    delete Manager;
    Manager = nullptr;
    Application->CreateForm(Frame);
    Frame->SetName("fmFrame");
    Frame->SetBounds(40, 40, 520, 380);
    Frame->SetFormStyle(fsMDIForm);
    FrameBars = new TdxBarManager(Frame);
    FrameBars->SetName("bmFrame");
    FrameMenu = MenuBar(FrameBars, Frame, {"&File", "&Window"});
    Frame->Show();
    Pump();
  }
  // A bar manager's main-menu bar with one sub item per caption, each holding one command.
  TdxBar* MenuBar(TdxBarManager* Bars, TCustomForm* Owner, std::initializer_list<const char*> Captions) {
    TdxBar* bar = Bars->Bars()->Add();
    bar->SetCaption("Menus");
    bar->SetIsMainMenu(true);
    for (const char* caption : Captions) {
      auto* sub = new TdxBarSubItem(Owner);
      sub->SetName(Owner->Name() + "m" + std::to_string(bar->ItemLinks()->Count()));
      sub->SetCaption(caption);
      auto* command = new TdxBarButton(Owner);
      command->SetName(sub->Name() + "c");
      command->SetCaption("Command");
      Link(sub->ItemLinks(), command);
      Link(bar->ItemLinks(), sub);
    }
    bar->SetDockingStyle(dsTop);
    bar->SetVisible(true);
    return bar;
  }
  TForm* Child(const String& Name) {
    auto* child = TCustomForm::Create<TForm>(Application);
    child->SetName(Name);
    child->SetCaption(Name);
    child->SetFormStyle(fsMDIChild);
    child->SetBounds(10, 10, 220, 160);
    auto* bars = new TdxBarManager(child);
    bars->SetName("bm");
    MenuBar(bars, child, {"&Edit", "&Tools"});
    child->Show();
    Pump();
    return child;
  }
  std::vector<String> Captions() const {
    std::vector<String> captions;
    for (int i = 0; i < FrameMenu->ItemLinks()->Count(); ++i) captions.push_back(FrameMenu->ItemLinks()->Items(i)->Item()->Caption());
    return captions;
  }
  static TdxBar* MenuOf(TForm* Form) { return ManagerOfForm(Form)->MainMenuBar(); }
  bool IconFirst() const { return dynamic_cast<TSystemMenuSubItem*>(FrameMenu->ItemLinks()->Items(0)->Item()) != nullptr; }
  TdxBarControl* FrameWindow() const { return FrameMenu->Control(); }
  void ClickButton(const TdxBarCaptionButton& Button) {
    const TPoint p{(Button.Rect.Left + Button.Rect.Right) / 2, (Button.Rect.Top + Button.Rect.Bottom) / 2};
    Click(FrameWindow(), p);
    Pump();
  }

  TForm* Frame = nullptr;
  TdxBarManager* FrameBars = nullptr;
  TdxBar* FrameMenu = nullptr;
};

TEST_F(MdiMenus, AMaximisedChildPutsItsIconFirstItsMenusInAndItsButtonsLast) {
  TForm* child = Child("Card");
  EXPECT_EQ(FrameBars->MergedChild(), child->Handle());
  EXPECT_EQ(Captions(), (std::vector<String>{"&File", "&Window"}));
  EXPECT_TRUE(MenuOf(child)->Visible());
  child->SetWindowState(wsMaximized);
  Pump();
  EXPECT_TRUE(FrameBars->MDIMaximized());
  ASSERT_TRUE(IconFirst());
  EXPECT_EQ(Captions(), (std::vector<String>{String(), "&File", "&Window", "&Edit", "&Tools"}));
  EXPECT_FALSE(MenuOf(child)->Visible());
  const std::vector<TdxBarCaptionButton> buttons = FrameWindow()->CaptionButtons();
  ASSERT_EQ(buttons.size(), 3u);
  EXPECT_EQ(buttons[2].Rect.Left - buttons[1].Rect.Right, 2);
  RenderScreenToPng({Frame}, "bars_mdi_maximised.png");
  // Restoring takes the icon, the buttons and (without AlwaysMerge) the merged menus away.
  child->SetWindowState(wsNormal);
  Pump();
  EXPECT_EQ(Captions(), (std::vector<String>{"&File", "&Window"}));
  EXPECT_TRUE(MenuOf(child)->Visible());
  EXPECT_TRUE(FrameWindow()->CaptionButtons().empty());
}

TEST_F(MdiMenus, WithAlwaysMergeTheMenusStayAndOnlyTheIconComesAndGoes) {
  FrameBars->SetAlwaysMerge(true);
  TForm* child = Child("Card");
  EXPECT_EQ(Captions(), (std::vector<String>{"&File", "&Window", "&Edit", "&Tools"}));
  child->SetWindowState(wsMaximized);
  Pump();
  EXPECT_TRUE(IconFirst());
  child->SetWindowState(wsNormal);
  Pump();
  EXPECT_EQ(Captions(), (std::vector<String>{"&File", "&Window", "&Edit", "&Tools"}));
  EXPECT_FALSE(MenuOf(child)->Visible());
  // Another child takes the first one's place; the first one's bar comes back when it goes.
  TForm* other = Child("List");
  EXPECT_EQ(FrameBars->MergedChild(), other->Handle());
  EXPECT_EQ(Captions(), (std::vector<String>{"&File", "&Window", "&Edit", "&Tools"}));
  EXPECT_EQ(FrameMenu->ItemLinks()->Items(2)->Item()->Owner(), other);
  other->Free();
  Pump();
  EXPECT_EQ(FrameBars->MergedChild(), child->Handle());
  EXPECT_EQ(FrameMenu->ItemLinks()->Items(2)->Item()->Owner(), child);
  child->Free();
  Pump();
  EXPECT_EQ(Captions(), (std::vector<String>{"&File", "&Window"}));
  EXPECT_EQ(FrameBars->MergedChild(), HWND());
}

TEST_F(MdiMenus, OnMenuMergeDoesTheMergingAndSwitchingChildrenKeepsTheBarLocked) {
  FrameBars->SetAlwaysMerge(true);
  std::vector<String> calls;
  FrameBars->OnMenuMerge = [&](TObject*, TdxBarManager* ChildBars, bool AddItems) {
    calls.push_back(ChildBars->OwnerForm()->Name() + (AddItems ? " in" : " out") + (FrameMenu->Locked() ? " locked" : ""));
    if (AddItems) Link(FrameMenu->ItemLinks(), ChildBars->MainMenuBar()->ItemLinks()->Items(1)->Item());
  };
  Child("Card");
  EXPECT_EQ(Captions(), (std::vector<String>{"&File", "&Window", "&Tools"}));
  Child("List");
  // The first child's link goes before the handler hears of it; the bar stays locked from the
  // removal until the new child is in.
  EXPECT_EQ(calls, (std::vector<String>{"Card in", "Card out locked", "List in locked"}));
  EXPECT_EQ(Captions(), (std::vector<String>{"&File", "&Window", "&Tools"}));
  EXPECT_FALSE(FrameMenu->Locked());
  FrameBars->OnMenuMerge = nullptr;
}

TEST_F(MdiMenus, TheIconsMenuIsTheChildsWindowMenu) {
  TForm* child = Child("Card");
  child->SetWindowState(wsMaximized);
  Pump();
  ASSERT_TRUE(IconFirst());
  auto* icon = static_cast<TSystemMenuSubItem*>(FrameMenu->ItemLinks()->Items(0)->Item());
  Click(FrameWindow(), CentreOf(FrameMenu->ItemLinks()->Items(0)->Control()));
  Pump();
  auto* menu = dynamic_cast<TdxBarSubMenuControl*>(icon->ItemLinks()->BarControl());
  ASSERT_NE(menu, nullptr);
  TdxBarItemLinks* links = icon->ItemLinks();
  ASSERT_EQ(links->Count(), 7);
  menu->FinishAnimation();
  Pump();
  RenderScreenToPng({Frame, menu}, "bars_mdi_window_menu.png");
  const auto* restore = static_cast<TdxBarButton*>(links->Items(0)->Item());
  const auto* maximise = static_cast<TdxBarButton*>(links->Items(4)->Item());
  const auto* close = static_cast<TdxBarButton*>(links->Items(5)->Item());
  EXPECT_EQ(restore->Caption(), "还原(&R)");
  EXPECT_TRUE(restore->Enabled());
  EXPECT_FALSE(maximise->Enabled());
  EXPECT_EQ(close->Caption(), "关闭(&C)");
  EXPECT_EQ(close->ShortCut(), ShortCut(VK_F4, ssCtrl));
  EXPECT_TRUE(links->Items(5)->BeginGroup());
  EXPECT_FALSE(close->Glyph()->Empty());
  EXPECT_EQ(close->Tag(), int(SC_CLOSE));
  // Choosing Restore restores the child, which takes the icon away.
  TdxBarItemControl* entry = links->Items(0)->Control();
  MouseMove(menu, CentreOf(entry));
  Click(menu, CentreOf(entry));
  Pump();
  EXPECT_FALSE(IsZoomed(child->Handle()));
  EXPECT_FALSE(IconFirst());
}

TEST_F(MdiMenus, CaptionButtonsActOnTheChildAndAGrayedOneDoesNothing) {
  TForm* child = Child("Card");
  child->SetWindowState(wsMaximized);
  Pump();
  EnableSystemMenuItem(child->Handle(), SC_MINIMIZE, MF_GRAYED);
  std::vector<TdxBarCaptionButton> buttons = FrameWindow()->CaptionButtons();
  ASSERT_EQ(buttons.size(), 3u);
  EXPECT_FALSE(FrameWindow()->IsCaptionButtonEnabled(buttons[0], false));
  EXPECT_TRUE(FrameWindow()->IsCaptionButtonEnabled(buttons[1], false));
  ClickButton(buttons[0]);
  EXPECT_TRUE(IsZoomed(child->Handle()));
  ClickButton(buttons[1]);
  EXPECT_FALSE(IsZoomed(child->Handle()));
  EXPECT_TRUE(FrameWindow()->CaptionButtons().empty());
}

TEST_F(MdiMenus, AChildWithoutAWindowMenuGetsNoIconAndNoButtons) {
  auto* child = TCustomForm::Create<TForm>(Application);
  child->SetFormStyle(fsMDIChild);
  child->SetBorderIcons(0);
  child->Show();
  child->SetWindowState(wsMaximized);
  Pump();
  EXPECT_TRUE(FrameBars->MDIMaximized());
  EXPECT_FALSE(IconFirst());
  EXPECT_TRUE(FrameWindow()->CaptionButtons().empty());
}

}  // namespace
