// Bars: captions and names, the main menu, short cuts through sub items and drop-down menus, the
// frame sizes per side, where a bar shows (docked, floating) and what it keeps when hidden, and
// copying a bar.
#include "BarsTestKit.h"
#include "graphics/Metrics.h"
#include "bars/dxBarUtils.h"

namespace {

using Bar = TBarsTest;

TEST_F(Bar, CaptionsStayUniqueAndNameTheBar) {
  TdxBar* first = AddBar("File");
  EXPECT_EQ(first->Name(), "File");
  first->SetName("Tools");
  TdxBar* second = AddBar("");
  second->SetCaption("File");
  EXPECT_EQ(second->Caption(), "");
  second->SetCaption("Tools");
  EXPECT_EQ(second->Name(), "Tools1");
  TdxBar* third = AddBar("");
  third->SetCaption("Tools2");
  third->SetCaption("Tools");
  EXPECT_EQ(third->Caption(), "Tools2");

  first->SetRow(-3);
  first->SetDockedLeft(-1);
  first->SetDockedTop(-7);
  EXPECT_EQ(first->Row(), 0);
  EXPECT_EQ(first->DockedLeft(), 0);
  EXPECT_EQ(first->DockedTop(), 0);
}

TEST_F(Bar, OneBarIsTheMainMenuAndItAlwaysWraps) {
  TdxBar* menus = AddBar("Menus");
  TdxBar* other = AddBar("Other");
  menus->SetIsMainMenu(true);
  EXPECT_TRUE(menus->WholeRow());
  EXPECT_TRUE(menus->MultiLine());
  menus->SetMultiLine(false);
  EXPECT_TRUE(menus->MultiLine());
  EXPECT_FALSE(menus->CanClose());
  other->SetIsMainMenu(true);
  EXPECT_FALSE(menus->IsMainMenu());
  EXPECT_FALSE(menus->MultiLine());
  EXPECT_FALSE(menus->WholeRow());
  EXPECT_EQ(Manager->MainMenuBar(), other);
  other->SetIsMainMenu(false);
  EXPECT_EQ(Manager->MainMenuBar(), nullptr);
  EXPECT_TRUE(menus->CanClose());
  menus->SetAllowClose(false);
  EXPECT_FALSE(menus->CanClose());
}

TEST_F(Bar, ShortCutsReachSubItemsAndDropDownMenus) {
  TdxBar* bar = AddBar("Menus");
  auto* file = AddItem<TdxBarSubItem>("bsFile", "&File");
  auto* recent = AddItem<TdxBarSubItem>("bsRecent", "&Recent");
  auto* open = AddItem<TSizedItem>("bbOpen", "&Open");
  auto* print = AddItem<TSizedItem>("bbPrint", "&Print");
  auto* drop = AddItem<TdxBarButton>("bbDrop", "Drop");
  Link(bar->ItemLinks(), file);
  Link(file->ItemLinks(), recent);
  Link(recent->ItemLinks(), open);
  Link(bar->ItemLinks(), drop);
  auto* menu = new TdxBarPopupMenu(Form);
  Link(menu->ItemLinks(), print);
  drop->SetButtonStyle(bsDropDown);
  drop->SetDropDownMenu(menu);
  int opens = 0, prints = 0;
  open->OnClick = [&](TObject*) { ++opens; };
  print->OnClick = [&](TObject*) { ++prints; };
  open->SetShortCut(scCtrl | 'O');
  print->SetShortCut(scCtrl | 'P');

  EXPECT_TRUE(bar->IsShortCut(scCtrl | 'O'));
  EXPECT_EQ(opens, 1);
  EXPECT_TRUE(bar->IsShortCut(scCtrl | 'P'));
  EXPECT_EQ(prints, 1);
  EXPECT_FALSE(bar->IsShortCut(scCtrl | 'Q'));
  EXPECT_FALSE(bar->IsShortCut(0));
  recent->SetEnabled(false);
  EXPECT_FALSE(bar->IsShortCut(scCtrl | 'O'));
  drop->SetButtonStyle(bsDefault);
  EXPECT_FALSE(bar->IsShortCut(scCtrl | 'P'));
  EXPECT_EQ(opens + prints, 2);
}

TEST_F(Bar, BorderSizesFollowTheSideTheFrameAndTheStyle) {
  TdxBar* bar = AddBar("Tools");
  const int frameX = GetSystemMetrics(SM_CXFRAME), frameY = GetSystemMetrics(SM_CYFRAME);
  const int caption = GetSmallCaptionHeight();
  struct TCase {
    TdxBarManagerStyle Style;
    TdxBarBorderStyle Border;
    TdxBarDockingStyle Side;
    int Horizontal, Vertical;
  };
  const TCase cases[] = {
      {bmsEnhanced, bbsSingle, dsNone, 2 * frameX + 8, 2 * frameY + caption + 3},
      {bmsFlat, bbsSingle, dsNone, 8, 8 + caption},
      {bmsEnhanced, bbsSingle, dsTop, 4 + 6, 4},
      {bmsStandard, bbsSingle, dsLeft, 4, 4 + 9},
      {bmsEnhanced, bbsNone, dsTop, 0, 0},
  };
  for (const TCase& c : cases) {
    Manager->SetStyle(c.Style);
    bar->SetBorderStyle(c.Border);
    EXPECT_EQ(bar->GetHorizontalBorderSize(c.Side), c.Horizontal) << c.Style << c.Side;
    EXPECT_EQ(bar->GetVerticalBorderSize(c.Side), c.Vertical) << c.Style << c.Side;
  }
  // A borderless bar at the bottom keeps room for its size grip while the form is not maximised.
  bar->SetDockingStyle(dsBottom);
  EXPECT_TRUE(bar->HasBottomSizeGripSpace());
  EXPECT_TRUE(bar->IsSizeGripVisible());
  EXPECT_EQ(bar->GetHorizontalBorderSize(dsBottom), GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(bar->GetVerticalBorderSize(dsBottom), 2);
  bar->SetSizeGrip(false);
  EXPECT_EQ(bar->GetHorizontalBorderSize(dsBottom), 0);
  bar->SetSizeGrip(true);
  Form->SetWindowState(wsMaximized);
  EXPECT_FALSE(bar->IsSizeGripVisible());
}

TEST_F(Bar, AFloatingBarShowsOnlyOnTheActiveForm) {
  TdxBar* bar = SizedBar("Tools", {{30, 22}, {30, 22}});
  bar->SetFloatLeft(400);
  bar->SetFloatTop(300);
  bar->SetFloatClientWidth(60);
  bar->SetVisible(true);
  TdxBarControl* window = bar->Control();
  ASSERT_TRUE(window);
  EXPECT_FALSE(window->Visible());
  EXPECT_EQ(window->DockingStyle(), dsNone);
  EXPECT_EQ(window->BoundsRect(), Bounds(400, 300, 60 + bar->GetHorizontalBorderSize(dsNone), 22 + bar->GetVerticalBorderSize(dsNone)));
  bar->SetVisible(false);
  ShowForm();
  bar->SetVisible(true);
  EXPECT_TRUE(bar->Control()->Visible());
  EXPECT_EQ(bar->Control()->ClientWidth(), 60);
}

TEST_F(Bar, AHiddenBarKeepsItsPlaceAndComesBackThere) {
  TdxBar* first = SizedBar("First", {{40, 22}});
  TdxBar* second = SizedBar("Second", {{40, 22}});
  Dock(first, dsTop, 0);
  Dock(second, dsTop, 1, 50, true);
  const TRect bounds = second->Control()->BoundsRect();
  EXPECT_EQ(bounds.Top, first->Control()->Height());
  second->SetVisible(false);
  EXPECT_EQ(second->Row(), 1);
  EXPECT_TRUE(second->OneOnRow());
  EXPECT_EQ(second->DockedLeft(), bounds.Left);
  EXPECT_EQ(second->DockedDockingStyle(), dsTop);
  EXPECT_EQ(Site(dsTop)->RowCount(), 1);
  second->SetVisible(true);
  EXPECT_EQ(second->Control()->BoundsRect(), bounds);

  // Floating and docking again: the floating rectangle is kept too.
  second->SetDockingStyle(dsNone);
  EXPECT_EQ(second->Control()->DockControl(), nullptr);
  EXPECT_EQ(Site(dsTop)->RowCount(), 1);
  second->Control()->SetBounds(500, 400, second->Control()->Width(), second->Control()->Height());
  second->SetVisible(false);
  EXPECT_EQ(second->FloatLeft(), 500);
  EXPECT_EQ(second->FloatTop(), 400);
}

TEST_F(Bar, AssignCopiesThePlacementButNotTheLook) {
  TdxBar* source = SizedBar("Source", {{30, 22}});
  source->SetBorderStyle(bbsNone);
  source->SetShowMark(false);
  source->SetMultiLine(true);
  source->SetRow(2);
  source->SetDockedLeft(15);
  source->SetFloatClientWidth(120);
  source->SetHidden(true);
  source->SetDockingStyle(dsLeft);
  TdxBar* target = AddBar("Target");
  target->SetName("target");
  target->Assign(source);
  EXPECT_EQ(target->Caption(), "Target");
  EXPECT_EQ(target->Name(), "target");
  EXPECT_EQ(target->DockingStyle(), dsLeft);
  EXPECT_EQ(target->Row(), 2);
  EXPECT_EQ(target->DockedLeft(), 15);
  EXPECT_EQ(target->FloatClientWidth(), 120);
  EXPECT_TRUE(target->Hidden());
  EXPECT_EQ(target->ItemLinks()->Count(), 1);
  EXPECT_EQ(target->BorderStyle(), bbsSingle);
  EXPECT_TRUE(target->ShowMark());
  EXPECT_FALSE(target->MultiLine());
}

}  // namespace
