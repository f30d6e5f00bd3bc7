// Dock sites: the zones that decide the row a point joins, inserting bars in rows, laying a row
// out (truncating from the last bar, whole rows), the site's size following its rows, placed
// sites in stored layouts, and the double click that starts customising.
#include "BarsTestKit.h"
#include "classes/Filer.h"

namespace {

class DockSite : public TBarsTest {
 protected:
  void SetUp() override {
    TBarsTest::SetUp();
    Form->SetClientWidth(300);
    Form->SetClientHeight(200);
  }
  // A screen point at client coordinates of a site.
  static TPoint At(const TdxDockControl* Site, int X, int Y) { return Site->ClientToScreen(TPoint{X, Y}); }
};

TEST_F(DockSite, ZonesDecideTheRowAPointJoins) {
  TdxDockControl* top = Site(dsTop);
  bool newRow = false;
  EXPECT_EQ(top->FindRowAtPoint(At(top, 5, -10), newRow), 0);
  EXPECT_TRUE(newRow);

  // Two rows 26 thick: 4 pixels of frame around 22-pixel buttons.
  Dock(SizedBar("A", {{40, 22}}), dsTop, 0);
  Dock(SizedBar("B", {{40, 22}}), dsTop, 1, 0, true);
  ASSERT_EQ(top->RowCount(), 2);
  ASSERT_EQ(top->GetRowSize(0), 26);
  ASSERT_EQ(top->Height(), 52);
  struct TCase {
    int Y, Row;
    bool NewRow;
  };
  for (const TCase& c : {TCase{4, 0, false}, TCase{10, 1, true}, TCase{20, 1, false}, TCase{30, 1, false},
                         TCase{36, 2, true}, TCase{44, 2, true}, TCase{-3, 0, false}, TCase{-12, 0, true},
                         TCase{-20, 0, true}}) {
    EXPECT_EQ(top->FindRowAtPoint(At(top, 5, c.Y), newRow), c.Row) << c.Y;
    EXPECT_EQ(newRow, c.NewRow) << c.Y;
  }

  // A bottom site mirrors the zones: the band lies near a row's far edge.
  Dock(SizedBar("C", {{40, 22}}), dsBottom, 0);
  TdxDockControl* bottom = Site(dsBottom);
  EXPECT_EQ(bottom->FindRowAtPoint(At(bottom, 5, 4), newRow), 0);
  EXPECT_FALSE(newRow);
  EXPECT_EQ(bottom->FindRowAtPoint(At(bottom, 5, 13), newRow), 1);
  EXPECT_TRUE(newRow);
}

TEST_F(DockSite, AShortRowTruncatesItsLastBar) {
  // Full lengths 200 and 150 (10 pixels of frame and drag handle each) in a row 300 long.
  TdxBar* first = SizedBar("First", {{190, 22}});
  TdxBar* second = SizedBar("Second", {{70, 22}, {70, 22}});
  for (TdxBar* bar : {first, second}) {
    bar->SetShowMark(false);
    bar->SetUseRecentItems(false);
  }
  Dock(first, dsTop, 0, 0);
  Dock(second, dsTop, 0, 200);
  TdxDockControl* top = Site(dsTop);
  ASSERT_EQ(top->ClientWidth(), 300);
  ASSERT_EQ(top->RowCount(), 1);
  EXPECT_EQ(first->Control()->BoundsRect(), Bounds(0, 0, 200, 26));
  EXPECT_EQ(second->Control()->BoundsRect(), Bounds(200, 0, 100, 26));
  EXPECT_FALSE(first->Control()->Truncated());
  EXPECT_TRUE(second->Control()->Truncated());
  // The truncated bar shows what fits of its links: the first button, then its mark's room.
  EXPECT_FALSE(IsRectEmpty(second->ItemLinks()->Items(0)->ItemRect()));
  EXPECT_TRUE(IsRectEmpty(second->ItemLinks()->Items(1)->ItemRect()));

  // With room enough both bars have their full lengths.
  Form->SetClientWidth(400);
  EXPECT_EQ(second->Control()->BoundsRect(), Bounds(200, 0, 150, 26));
  EXPECT_FALSE(second->Control()->Truncated());
}

TEST_F(DockSite, AWholeRowBarNeverSharesItsRow) {
  TdxBar* menus = SizedBar("Menus", {{40, 22}});
  menus->SetWholeRow(true);
  Dock(menus, dsTop, 0);
  EXPECT_EQ(menus->Control()->Width(), 300);
  TdxBar* tools = SizedBar("Tools", {{40, 22}});
  Dock(tools, dsTop, 0, 100);
  TdxDockControl* top = Site(dsTop);
  ASSERT_EQ(top->RowCount(), 2);
  EXPECT_EQ(top->Rows(0)->ColCount(), 1);
  EXPECT_EQ(top->Rows(1)->ColCount(), 1);
  // Moved onto the whole row's zone, the bar still opens a row of its own.
  const int menusRow = top->IndexOfRow(top->FindCol(menus->Control())->Row());
  const int y = top->GetRowRect(menusRow).Top + 3;
  top->MoveBarControl(tools->Control(), At(top, 50, y));
  EXPECT_EQ(top->RowCount(), 2);
  EXPECT_EQ(top->Rows(0)->ColCount(), 1);
  EXPECT_EQ(top->Rows(1)->ColCount(), 1);
}

TEST_F(DockSite, ABottomSiteGrowsUpwards) {
  ShowForm();
  TdxDockControl* bottom = Site(dsBottom);
  const int edge = bottom->Top() + bottom->Height();
  Dock(SizedBar("A", {{40, 22}}), dsBottom, 0);
  EXPECT_EQ(bottom->Height(), 26);
  EXPECT_EQ(bottom->Top() + bottom->Height(), edge);
  Dock(SizedBar("B", {{40, 22}}), dsBottom, 1, 0, true);
  EXPECT_EQ(bottom->Height(), 52);
  EXPECT_EQ(bottom->Top() + bottom->Height(), edge);
  Manager->SetSunkenBorder(true);
  EXPECT_EQ(bottom->Height(), 54);
}

TEST_F(DockSite, ExtractingTheLastBarOfARowDropsTheRow) {
  TdxBar* a = SizedBar("A", {{40, 22}});
  TdxBar* b = SizedBar("B", {{40, 22}});
  Dock(a, dsTop, 0);
  Dock(b, dsTop, 1, 0, true);
  TdxDockControl* top = Site(dsTop);
  a->SetVisible(false);
  ASSERT_EQ(top->RowCount(), 1);
  EXPECT_EQ(b->Control()->Top(), 0);
  EXPECT_EQ(top->Height(), 26);
  b->SetVisible(false);
  EXPECT_EQ(top->RowCount(), 0);
  EXPECT_EQ(top->Height(), 0);
}

TEST_F(DockSite, BarsShowWhereTheSitesPlaceThem) {
  Form->SetClientHeight(160);
  TdxBar* menus = SizedBar("Menus", {{36, 20}, {36, 20}, {36, 20}});
  menus->SetIsMainMenu(true);
  Dock(menus, dsTop);
  Dock(SizedBar("Tools", {{24, 22}, {24, 22}, {-24, 22}}), dsTop, 1, 0, true);
  Dock(SizedBar("More", {{24, 22}, {24, 22}}), dsTop, 1, 150);
  Dock(SizedBar("Left", {{22, 24}, {22, 24}}), dsLeft);
  Dock(SizedBar("Status", {{60, 18}}), dsBottom);
  ShowForm();
  RenderWindowToPng(Form->Handle(), "dock_sites.png");
  // The top rows, the left column and the bottom row leave the middle of the form free.
  const TdxDockControl* top = Site(dsTop);
  EXPECT_EQ(top->Height(), 24 + 26);
  EXPECT_EQ(Site(dsLeft)->Top(), top->Height());
  EXPECT_EQ(Site(dsLeft)->Height(), 160 - top->Height() - Site(dsBottom)->Height());
  EXPECT_EQ(ColorToRGB(WindowPixel(Form->Handle(), 150, 80)), ColorToRGB(Form->Color()));
  // A button is drawn where its rectangle lies: its frame, then white inside.
  TdxBarControl* tools = Manager->FindBarByCaption("Tools")->Control();
  const TRect r = tools->ItemLinks()->Items(0)->ItemRect();
  EXPECT_EQ(WindowPixel(tools->Handle(), r.Left + 1, r.Top + 1), clWhite);
}

TEST_F(DockSite, DoubleClickingAnEmptyPartStartsCustomising) {
  Dock(SizedBar("A", {{40, 22}}), dsTop, 0);
  ShowForm();
  TdxDockControl* top = Site(dsTop);
  Manager->SetCanCustomize(false);
  DoubleClick(top, TPoint{250, 10});
  Pump();
  EXPECT_FALSE(Manager->IsCustomizing());
  Manager->SetCanCustomize(true);
  Advance(1000);
  DoubleClick(top, TPoint{250, 10});
  Pump();
  EXPECT_TRUE(Manager->IsCustomizing());
}

TEST_F(DockSite, APlacedSiteTakesBarsAndMovesThemWithItsAlignment) {
  auto* site = new TdxBarDockControl(Form);
  site->SetName("dcTools");
  site->SetBarManager(Manager);
  site->SetParent(Form);
  EXPECT_EQ(site->DockingStyle(), dsTop);
  TdxBar* bar = SizedBar("Tools", {{40, 22}});
  bar->SetDockControl(site);
  bar->SetVisible(true);
  EXPECT_EQ(bar->Control()->DockControl(), site);
  EXPECT_EQ(site->Height(), 26);
  EXPECT_TRUE(Manager->CanDocking(bar, dsTop, site));
  site->SetAllowDocking(false);
  EXPECT_FALSE(Manager->CanDocking(bar, dsTop, site));

  site->SetDockAlign(alLeft);
  EXPECT_EQ(bar->DockingStyle(), dsLeft);
  EXPECT_EQ(bar->Control()->DockingStyle(), dsLeft);
  EXPECT_EQ(site->Width(), bar->Control()->Width());

  // Its colour and border become its own once set.
  Manager->SetDockColor(clNavy);
  EXPECT_EQ(site->Color(), clNavy);
  site->SetDockColor(clTeal);
  EXPECT_TRUE(site->UseOwnColor());
  Manager->SetDockColor(clMaroon);
  EXPECT_EQ(site->Color(), clTeal);
  site->SetUseOwnColor(false);
  EXPECT_EQ(site->Color(), clMaroon);
  site->SetSunkenBorder(true);
  EXPECT_TRUE(site->UseOwnSunkenBorder());
  EXPECT_FALSE(Manager->SunkenBorder());
  EXPECT_TRUE(site->GetSunkenBorder());

  // A site that goes takes its bars down with it.
  site->Free();
  EXPECT_FALSE(bar->Visible());
  EXPECT_EQ(bar->DockControl(), nullptr);
}

TEST_F(DockSite, StoredLayoutsPlaceBarsInPlacedSites) {
  const String text =
      "object Form1: TForm\n"
      "  object bm: TdxBarManager\n"
      "    Bars = <\n"
      "      item\n"
      "        Caption = 'Tools'\n"
      "        DockControl = dcTools\n"
      "        Row = 0\n"
      "        Visible = True\n"
      "      end>\n"
      "  end\n"
      "  object dcTools: TdxBarDockControl\n"
      "    Align = dalBottom\n"
      "    BarManager = bm\n"
      "    SunkenBorder = True\n"
      "    UseOwnSunkenBorder = True\n"
      "  end\n"
      "end\n";
  auto* form = TCustomForm::Create<TForm>(Application);
  ReadLayout(text, form);
  TdxBarManager* manager = ManagerOfForm(form);
  ASSERT_TRUE(manager);
  auto* site = dynamic_cast<TdxBarDockControl*>(form->FindComponent("dcTools"));
  ASSERT_TRUE(site);
  EXPECT_EQ(site->DockingStyle(), dsBottom);
  EXPECT_TRUE(site->GetSunkenBorder());
  TdxBar* bar = manager->Bars()->Items(0);
  EXPECT_EQ(bar->DockControl(), site);
  ASSERT_TRUE(bar->Control());
  EXPECT_EQ(bar->Control()->DockControl(), site);
  const String again = WriteLayout(form);
  EXPECT_NE(again.find("DockControl = dcTools"), String::npos);
  EXPECT_NE(again.find("Align = dalBottom"), String::npos);
  form->Free();
}

}  // namespace
