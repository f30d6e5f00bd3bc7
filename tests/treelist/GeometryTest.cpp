// Geometry: the layout pass dumped as text for a few layouts on the fixed-metrics font (header
// rows 19 pixels, rows 16): the strips, fixed and scrolled bands, headers spanning header rows,
// empty bands and the rows in view; and the rectangles of cells, the editor and the tree indent.
#include <sstream>

#include "support/TreeListFixture.h"

namespace {

std::string R(const TRect& r) {
  std::ostringstream out;
  out << "(" << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom << ")";
  return out.str();
}

// Named strips that are not empty, one line; then a line per band, header, empty band and row.
std::string Dump(const TdxTreeListDrawInfo& I) {
  std::ostringstream out;
  const std::pair<const char*, const TRect*> strips[] = {
      {"group", &I.GroupPanelRect}, {"band", &I.BandRect},          {"bandCorner", &I.BandCornerRect},
      {"header", &I.HeaderRect},    {"headerCorner", &I.HeaderCornerRect}, {"newItem", &I.NewItemRowRect},
      {"rows", &I.RowsRect},        {"indicator", &I.IndicatorRect}, {"emptyRight", &I.EmptyRightRect},
      {"emptyBottom", &I.EmptyBottomRect}, {"footer", &I.FooterRect}, {"filter", &I.FilterPanelRect},
      {"fixedLeft", &I.FixedLeftRect}, {"fixedRight", &I.FixedRightRect}};
  for (const auto& [name, rect] : strips)
    if (!IsRectEmpty(*rect)) out << name << R(*rect) << " ";
  out << "cellsRight " << I.CellsRight << " rowsBottom " << I.RowsBottom << " firstBand " << I.FirstBandVisibleWidth;
  if (I.LastScrollBand >= 0) out << " lastScroll " << I.LastScrollBand;
  out << "\n";
  for (const auto& b : I.Bands) {
    out << "band" << b.Band << R(b.Rect);
    if (b.ClipRect != b.Rect) out << " clip" << R(b.ClipRect);
    out << "\n";
  }
  for (const auto& h : I.Headers) {
    out << "c" << h.Column << " b" << h.Band << " r" << h.Row << " p" << h.Position << R(h.Rect);
    if (h.ClipRect != h.Rect) out << " clip" << R(h.ClipRect);
    if (h.RowSpan != 1) out << " span" << h.RowSpan;
    if (!IsRectEmpty(h.BelowRect)) out << " below" << R(h.BelowRect);
    out << " " << (h.First ? "F" : "") << (h.Last ? "L" : "") << (h.FirstInRow ? "f" : "") << (h.LastInRow ? "l" : "")
        << "\n";
  }
  for (const auto& e : I.EmptyBands) out << "empty" << e.Band << R(e.Rect) << (e.CutRight ? " cut" : "") << "\n";
  for (const auto& row : I.Rows) out << "row " << row.Node->Strings(0) << " h" << row.Height << "\n";
  return out.str();
}

class GeometryTest : public TTreeListTest {
 protected:
  void SetUp() override {
    TTreeListTest::SetUp();
    List->SetBounds(0, 0, 400, 300);
  }
  std::string Layout() {
    TdxTreeListDrawInfo info;
    List->CalcGeometry(info);
    return Dump(info);
  }
  void Columns(int Count, int Width = 100) {
    for (int i = 0; i < Count; ++i) AddColumn("C" + std::to_string(i))->SetWidth(Width);
  }
};

TEST_F(GeometryTest, NoVisibleBands) {
  Columns(2);
  Build("a\nb");
  List->Bands()->Items(0)->SetVisible(false);
  List->SetLeftCoord(7);
  EXPECT_EQ(Layout(),
            "rows(0,19,400,300) emptyRight(0,0,400,300) cellsRight -1 rowsBottom 50 firstBand 0\n"
            "row a h16\nrow b h16\n");
}

TEST_F(GeometryTest, OneBandWithIndicatorAndEmptyArea) {
  Columns(3);
  Build("a\n  a1\nb");
  List->SetShowIndicator(true);
  N("a")->Expand(false);
  EXPECT_EQ(Layout(),
            "header(12,0,312,19) headerCorner(0,0,12,19) rows(12,19,400,300) indicator(0,19,12,67) "
            "emptyRight(312,0,400,300) emptyBottom(0,67,312,300) cellsRight 311 rowsBottom 66 firstBand 300\n"
            "band0(12,0,312,0)\n"
            "c0 b0 r0 p0(12,0,112,19) Ff\n"
            "c1 b0 r0 p1(112,0,212,19) \n"
            "c2 b0 r0 p2(212,0,312,19) Ll\n"
            "row a h16\nrow a1 h16\nrow b h16\n");
}

TEST_F(GeometryTest, FixedBandsAtBothSidesWhileScrolled) {
  List->SetDefaultLayout(false);
  List->SetShowBands(true);
  List->SetBounds(0, 0, 300, 120);
  for (int b = 1; b < 4; ++b) List->Bands()->Add();
  const int widths[] = {100, 150, 150, 80};
  for (int b = 0; b < 4; ++b) {
    TdxTreeListColumn* column = AddColumn("C" + std::to_string(b));
    column->SetBandIndex(b);
    column->SetWidth(widths[b]);
  }
  List->Bands()->Items(0)->SetFixed(bfLeft);
  List->Bands()->Items(3)->SetFixed(bfRight);
  List->SetLeftCoord(50);
  EXPECT_EQ(List->LeftCoord(), 50);
  EXPECT_EQ(Layout(),
            "band(0,0,300,19) header(0,19,300,38) rows(0,38,300,120) emptyBottom(0,38,300,120) fixedLeft(0,0,100,38) "
            "fixedRight(220,0,300,38) cellsRight 299 rowsBottom 37 firstBand 98 lastScroll 2\n"
            "band0(0,0,98,19)\n"
            "band1(50,0,200,19) clip(100,0,200,19)\n"
            "band2(200,0,350,19) clip(200,0,220,19)\n"
            "band3(222,0,300,19)\n"
            "c0 b0 r0 p0(0,19,98,38) Ffl\n"
            "c1 b1 r0 p0(50,19,200,38) clip(100,19,200,38) fl\n"
            "c2 b2 r0 p0(200,19,350,38) clip(200,19,220,38) Lfl\n"
            "c3 b3 r0 p0(222,19,300,38) fl\n");
}

TEST_F(GeometryTest, HeaderRowsWithSpansAndFillers) {
  List->SetHeaderPanelRowCount(3);
  Columns(4);
  List->GetColumn(1)->SetRowIndex(1);
  List->GetColumn(2)->SetRowIndex(1);
  List->GetColumn(3)->SetRowIndex(1);
  List->GetColumn(2)->SetHeaderMaxLineCount(0);
  List->GetColumn(3)->SetHeaderMaxLineCount(5);
  Build("a");
  EXPECT_EQ(Layout(),
            "header(0,0,300,57) rows(0,57,400,300) emptyRight(300,0,400,300) emptyBottom(0,105,300,300) "
            "cellsRight 299 rowsBottom 104 firstBand 300\n"
            "band0(0,0,300,0)\n"
            "c0 b0 r0 p0(0,0,300,19) FLfl\n"
            "c1 b0 r1 p0(0,19,100,38) below(0,38,100,57) Ff\n"
            "c2 b0 r1 p1(100,19,200,57) span2 \n"
            "c3 b0 r1 p2(200,19,300,57) span2 Ll\n"
            "row a h48\n");
}

TEST_F(GeometryTest, IndicatorFooterFilterPanelAndNewItemRow) {
  Columns(2);
  Build("a\nb");
  List->SetShowIndicator(true);
  List->SetShowFooter(true);
  List->SetShowNewItemRow(true);
  List->FilterStatus = true;
  List->SetLookAndFeel(lfFlat);
  EXPECT_EQ(Layout(),
            "header(12,0,212,18) headerCorner(0,0,12,18) newItem(0,18,212,39) rows(12,39,400,259) "
            "indicator(0,39,12,71) emptyRight(212,0,400,259) emptyBottom(0,71,212,259) footer(0,259,400,282) "
            "filter(0,282,400,300) cellsRight 211 rowsBottom 70 firstBand 200\n"
            "band0(12,0,212,0)\n"
            "c0 b0 r0 p0(12,0,112,18) Ff\n"
            "c1 b0 r0 p1(112,0,212,18) Ll\n"
            "row a h16\nrow b h16\n");
}

TEST_F(GeometryTest, RowsFillingTheAreaLeaveNoEmptyBottom) {
  Columns(1);
  for (int i = 0; i < 20; ++i) List->Add()->SetStrings(0, std::to_string(i));
  TdxTreeListDrawInfo info;
  List->CalcGeometry(info);
  EXPECT_EQ(info.RowsBottom, -1);
  EXPECT_TRUE(IsRectEmpty(info.EmptyBottomRect));
  EXPECT_EQ(info.Rows.size(), 18u) << "(300 - 19) / 16 rows and the partial one";
}

TEST_F(GeometryTest, TheFixedRightBandIsPushedRightOfTheFixedLeftBand) {
  List->SetDefaultLayout(false);
  List->SetBounds(0, 0, 150, 100);
  List->Bands()->Add();
  List->Bands()->Items(0)->SetWidth(120);
  List->Bands()->Items(1)->SetWidth(90);
  List->Bands()->Items(0)->SetFixed(bfLeft);
  List->Bands()->Items(1)->SetFixed(bfRight);
  TdxTreeListDrawInfo info;
  List->CalcGeometry(info);
  EXPECT_EQ(info.FixedRightRect.Left, info.FixedLeftRect.Right);
  EXPECT_EQ(info.FixedRightRect.Width(), 90);
}

TEST_F(GeometryTest, CellEditorAndIndentRectangles) {
  Columns(2);
  Build("a\n  a1");
  N("a")->Expand(false);
  List->SetShowGrid(true);
  // Rows are 17 high with grid lines; a1 is the second row, one level in.
  EXPECT_EQ(List->GetNodeRect(N("a1")), TRect(0, 36, 400, 53));
  EXPECT_EQ(List->GetNodeCellRect(N("a1"), 0), TRect(32, 36, 100, 52)) << "after two indent columns";
  EXPECT_EQ(List->GetNodeCellRect(N("a1"), 1), TRect(100, 36, 200, 52));
  EXPECT_EQ(List->GetEditorRect(N("a1"), 0), TRect(32, 36, 99, 52)) << "the grid line is not the editor's";
  EXPECT_EQ(List->GetEditorRect(N("a1"), 1), TRect(100, 36, 199, 52));
  EXPECT_EQ(List->GetNodeCellRect(N("a1"), 2), TRect(-1, -1, -1, -1));
  List->SetRowsInView(1);
  List->SetTopIndex(1);
  EXPECT_EQ(List->GetNodeRect(N("a")), TRect(-1, -1, -1, -1)) << "scrolled away";
  EXPECT_EQ(List->GetNodeRect(N("a1")), TRect(0, 19, 400, 36));

  TRect image, state, button, indent;
  List->CalcNodeIndentRects(N("a"), 0, 17, 300, image, state, button, indent);
  EXPECT_EQ(button, TRect(0, 0, 16, 17));
  EXPECT_TRUE(IsRectEmpty(indent));
  List->CalcNodeIndentRects(N("a1"), 0, 17, 300, image, state, button, indent);
  EXPECT_EQ(indent, TRect(0, 0, 32, 17)) << "left of the (empty) image of a leaf";
  EXPECT_TRUE(IsRectEmpty(button));
}

TEST_F(GeometryTest, TreeStylePropertiesMoveTheIndent) {
  Columns(1);
  Build("a\n  a1");
  N("a")->Expand(false);
  TRect image, state, button, indent;
  List->SetShowButtons(false);
  List->CalcNodeIndentRects(N("a"), 0, 17, 300, image, state, button, indent);
  EXPECT_TRUE(IsRectEmpty(button)) << "no expand button";
  List->SetShowButtons(true);
  List->SetShowRoot(false);
  EXPECT_EQ(List->GetNodeCellRect(N("a1"), 0), TRect(16, 35, 100, 51)) << "the top level loses its indent column";
  List->SetShowRoot(true);
  EXPECT_EQ(List->GetNodeCellRect(N("a1"), 0), TRect(32, 35, 100, 51));
}

TEST_F(GeometryTest, FreeDrawInfoEmptiesTheArrays) {
  Columns(2);
  Build("a\nb");
  TdxTreeListDrawInfo info;
  List->CalcGeometry(info);
  ASSERT_FALSE(info.Headers.empty());
  ASSERT_FALSE(info.Rows.empty());
  List->FreeDrawInfo(info);
  EXPECT_TRUE(info.Bands.empty() && info.Headers.empty() && info.EmptyBands.empty() && info.Rows.empty());
}

TEST_F(GeometryTest, RowsInViewFromTheMetrics) {
  Columns(1);
  for (int i = 0; i < 30; ++i) List->Add();
  List->SetBounds(0, 0, 200, 19 + 5 * 16 + 8);
  EXPECT_EQ(List->GetVisibleRowCount(), 6) << "a partial row counts";
  EXPECT_EQ(List->FullyVisibleRowCount(), 5);
  int visible = 0, full = 0;
  EXPECT_EQ(List->CalcRowsInHeight(List->GetAbsoluteNode(28), 40, visible, full), 48);
  EXPECT_EQ(visible, 3) << "two rows below, then one above";
  EXPECT_EQ(full, 2);
}

}  // namespace
