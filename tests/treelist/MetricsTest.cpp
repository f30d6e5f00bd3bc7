// Metrics: the heights measured from the fixed-metrics font ("Wg" 13 pixels high, "0" 6 wide) in
// each look, the least row height with grid lines, images and the inverted selection's frame, a
// row height the user gives kept apart from the height shown, and the widths kept when AutoWidth
// goes with KeepColumnWidth.
#include <memory>

#include "support/TreeListFixture.h"

namespace {

using MetricsTest = TTreeListTest;

TEST_F(MetricsTest, PanelHeightsFollowTheFontsAndTheLook) {
  AddColumn("A");
  List->SetShowBands(true);
  List->SetShowFooter(true);
  List->FilterStatus = true;
  List->Relayout();
  struct TCase {
    TdxLookAndFeel Look;
    int Band, HeaderRow, Footer;
  };
  for (const TCase& c : {TCase{lfStandard, 19, 19, 24}, TCase{lfFlat, 18, 18, 23}, TCase{lfUltraFlat, 18, 18, 23}}) {
    List->SetLookAndFeel(c.Look);
    const TdxTreeListMetrics& m = List->Metrics();
    EXPECT_EQ(m.BandHeight, c.Band) << c.Look;
    EXPECT_EQ(m.HeaderRowHeight, c.HeaderRow) << c.Look;
    EXPECT_EQ(m.HeaderHeight, c.HeaderRow) << c.Look;
    EXPECT_EQ(m.FooterHeight, c.Footer) << c.Look;
    EXPECT_EQ(m.NewItemRowSeparator, c.Look == lfStandard ? 6 : 5);
  }
  const TdxTreeListMetrics& m = List->Metrics();
  EXPECT_EQ(m.FooterLineHeight, 20);
  EXPECT_EQ(m.FilterPanelHeight, 18) << "text height + 5, at least 17";
  EXPECT_EQ(m.HorzStep, 6);
  EXPECT_EQ(m.DropArrowRect, TRect(0, 0, 11, 18 + 18));
  List->SetHeaderPanelRowCount(2);
  EXPECT_EQ(List->Metrics().HeaderHeight, 36);
  EXPECT_EQ(List->Metrics().RowFooterHeight, 2 * 20 + 2);
  List->SetShowGrid(true);
  EXPECT_EQ(List->Metrics().RowFooterHeight, 2 * 20 + 2 + 1) << "one pixel more with both grids";
  List->SetShowBands(false);
  List->SetShowHeader(false);
  EXPECT_EQ(List->Metrics().BandHeight, 0);
  EXPECT_EQ(List->Metrics().HeaderHeight, 0);
}

TEST_F(MetricsTest, TheLeastRowHeight) {
  AddColumn("A");
  EXPECT_EQ(List->DefaultRowHeight(), 16) << "13 + 3";
  List->SetShowGrid(true);
  EXPECT_EQ(List->DefaultRowHeight(), 17) << "a grid line below";
  List->SetDefaultRowHeight(10);
  EXPECT_EQ(List->DefaultRowHeight(), 17) << "never below the least height";
  List->SetOptionsEx(List->GetOptionsEx() | tlxInvertSelect);
  EXPECT_EQ(List->DefaultRowHeight(), 19) << "the inverted selection's frame";
  TImageList images(16, 24);
  List->SetImages(&images);
  EXPECT_EQ(List->Metrics().ImageSize, TSize({16, 24}));
  EXPECT_EQ(List->DefaultRowHeight(), 24 + 1 + 2) << "raised to the images";
  List->SetImages(nullptr);
  {
    auto freed = std::make_unique<TImageList>(16, 24);
    List->SetStateImages(freed.get());
    EXPECT_EQ(List->DefaultRowHeight(), 24 + 1 + 2);
  }
  EXPECT_EQ(List->StateImages(), nullptr) << "a freed list is forgotten";
  EXPECT_EQ(List->DefaultRowHeight(), 19) << "and the rows no longer make room for it";
  List->GetColumn(0)->Font()->SetHeight(-30);
  EXPECT_EQ(List->DefaultRowHeight(), 30 + 3 + 1 + 2) << "raised to a column's own font";
}

TEST_F(MetricsTest, AUserRowHeightComesBackWhenTheFontShrinks) {
  AddColumn("A");
  List->SetDefaultRowHeight(30);
  UseTestFont(List->Font(), 40);
  List->Relayout();
  EXPECT_EQ(List->DefaultRowHeight(), 43) << "raised by the larger font";
  UseTestFont(List->Font(), 13);
  List->Relayout();
  EXPECT_EQ(List->DefaultRowHeight(), 30) << "the user's height again";
  EXPECT_TRUE(List->IsDefaultRowHeightStored());
  List->SetDefaultRowHeight(16);
  UseTestFont(List->Font(), 20);
  List->Relayout();
  EXPECT_EQ(List->DefaultRowHeight(), 23) << "equal to the least height, the row follows the font";
}

TEST_F(MetricsTest, KeepColumnWidthKeepsTheWidthsShownUnderAutoWidth) {
  List->SetBounds(0, 0, 400, 200);
  TdxTreeListColumn* a = AddColumn("A");
  TdxTreeListColumn* b = AddColumn("B");
  List->SetOptions(List->GetOptions() | tloAutoWidth);
  EXPECT_EQ(List->GetColumnPosition(0), 200);
  List->SetOptions(List->GetOptions() & ~tloAutoWidth);
  EXPECT_EQ(a->Width(), 100) << "without KeepColumnWidth the widths come back";
  List->SetOptions(List->GetOptions() | tloAutoWidth);
  List->SetOptionsEx(List->GetOptionsEx() | tlxKeepColumnWidth);
  List->SetOptions(List->GetOptions() & ~tloAutoWidth);
  EXPECT_EQ(a->Width(), 200);
  EXPECT_EQ(b->Width(), 200);
  EXPECT_EQ(List->GetBandsWidth(), 400);

  // Bands that do not follow their headers keep their shown widths through the bands.
  List->SetDefaultLayout(false);
  List->SetOptionsEx(List->GetOptionsEx() & ~tlxBandHeaderWidth);
  List->SetBounds(0, 0, 600, 200);
  List->Bands()->Add();
  List->Bands()->Items(0)->SetWidth(100);
  List->Bands()->Items(1)->SetWidth(300);
  List->SetOptions(List->GetOptions() | tloAutoWidth);
  List->SetOptions(List->GetOptions() & ~tloAutoWidth);
  EXPECT_EQ(List->Bands()->Items(0)->Width(), 150);
  EXPECT_EQ(List->Bands()->Items(1)->Width(), 450);
}

}  // namespace
