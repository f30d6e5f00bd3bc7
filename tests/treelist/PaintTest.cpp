// Painting of the whole control, read back as pixels of a bitmap it was painted on (or as the text
// runs of a recording): grid lines, dotted tree lines that keep their place, expand buttons per
// style, the indicator, focus marks, which cells a selection highlights, fixed-band lines, pressed
// headers, the filter panel, group rows in grid style and in their level's colour, the new-item
// row, cells in their column's case, custom drawing and its clean-up, the search mark, previews.
#include <algorithm>
#include <memory>

#include "support/PixelCanvas.h"
#include "support/TreeListFixture.h"

namespace {

constexpr COLORREF Black = RGB(0, 0, 0), White = RGB(255, 255, 255), Grey = RGB(128, 128, 128),
                   Silver = RGB(192, 192, 192);

class PaintTest : public TTreeListTest {
 protected:
  void SetUp() override {
    TTreeListTest::SetUp();
    List->SetBounds(0, 0, 240, 120);
    List->SetHideFocusRect(false);
    List->SetHideSelection(false);
  }
  // The control painted on a bitmap of its size.
  std::unique_ptr<TPixelCanvas> Painted() {
    auto canvas = std::make_unique<TPixelCanvas>(List->Width(), List->Height());
    List->PaintTo(canvas->DC(), 0, 0);
    return canvas;
  }
  TdxTreeListDrawInfo Geometry() {
    TdxTreeListDrawInfo info;
    List->CalcGeometry(info);
    return info;
  }
  // The top of the row of a node in view.
  int RowTop(const std::string& Node) { return List->GetNodeRect(N(Node)).Top; }
  void Columns(int Count) {
    for (int i = 0; i < Count; ++i) AddColumn("C" + std::to_string(i))->SetWidth(60);
  }
  // Group g with its child x, whose text "note" in column PreviewColumn shows as its preview; x
  // ends g and gets g's row footer. Texts are drawn straight on the canvas, for a recording.
  void PreviewAndRowFooter(int PreviewColumn) {
    List->GetColumn(0)->SetWidth(200);
    Build("g\n  x");
    N("g")->Expand(false);
    N("x")->SetStrings(PreviewColumn, "note");
    List->SetOptions(List->GetOptions() | tloPreview);
    List->PreviewColumn = PreviewColumn;
    List->RowFooterLevels = {0};
    List->SetShowRowFooter(true);
    List->SetOptionsEx(List->GetOptionsEx() & ~tlxUseBitmap);
  }
};

TEST_F(PaintTest, GridLinesOfTheRows) {
  Columns(2);
  Build("a\nb");
  List->SetShowGrid(true);
  const auto p = Painted();
  const int separator = RowTop("b") + 17 - 1;
  EXPECT_EQ(p->At(50, separator), Silver) << "the row separator in the look's grid colour";
  EXPECT_EQ(p->At(50, separator - 1), White);
  EXPECT_EQ(p->At(59, separator - 5), Silver) << "between the cells";
  EXPECT_EQ(p->At(119, separator - 5), Silver) << "right of the last cell";
  EXPECT_EQ(p->At(120, separator - 5), White) << "the empty area right of the bands";
  EXPECT_EQ(p->At(15, separator - 5), Silver) << "the indent column's line";
  List->SetGridLineColor(clRed);
  EXPECT_EQ(Painted()->At(50, separator), RGB(255, 0, 0));
}

TEST_F(PaintTest, DottedTreeLinesKeepTheirPlaceAgainstTheRows) {
  Columns(1);
  Build("a\nb\nc");
  for (bool bands : {false, true}) {
    List->SetShowBands(bands);
    const int top = RowTop("b");
    const auto p = Painted();
    // The line through b at x 7: dots where x and y counted from the rows' origin add up odd.
    EXPECT_EQ(p->At(7, top + 2), Grey) << "rows from y " << Geometry().RowsRect.Top << p->Picture(0, top, 16, top + 16);
    EXPECT_EQ(p->At(7, top + 1), White);
  }
  List->SetTreeLineStyle(0);
  const int top = RowTop("b");
  EXPECT_EQ(Painted()->At(7, top + 1), Grey) << "solid lines";
}

TEST_F(PaintTest, ExpandButtonsPerStyle) {
  Columns(1);
  Build("a\n  a1");
  const int top = RowTop("a");
  EXPECT_EQ(Painted()->At(3, top + 8 - 4), Grey) << "the tree button's frame";
  List->SetHideLeafIndent(true);
  // Grid style: the 12 x 12 glyph centred in (0, top + 1) .. (15, top + 17), its minus at (5, 5).
  EXPECT_EQ(Painted()->At(2 + 5, top + 4 + 5), Black);
  EXPECT_EQ(Painted()->At(2, top + 4), White) << "the glyph's raised edge";
  List->SetLookAndFeel(lfUltraFlat);
  EXPECT_EQ(Painted()->At(2, top + 4), Black) << "the ultra-flat box";
}

TEST_F(PaintTest, TheIndicatorShowsTheFocusedRow) {
  Columns(1);
  Build("a\nb");
  List->SetShowIndicator(true);
  List->IndicatorArrows = true;
  N("b")->SetFocused(true);
  const auto dark = [&](const std::string& Node) {
    const auto p = Painted();
    int count = 0;
    for (int y = RowTop(Node); y < RowTop(Node) + 15; ++y)
      for (int x = 1; x < 11; ++x) count += p->At(x, y) == Black;
    return count;
  };
  EXPECT_EQ(dark("b"), 25) << "the arrow";
  EXPECT_EQ(dark("a"), 0);
}

TEST_F(PaintTest, FocusMarkOfAControlWithoutTheFocus) {
  Columns(2);
  Build("a\nb");
  N("b")->SetFocused(true);
  List->SetOptions(List->GetOptions() & ~tloRowSelect);
  List->SetFocusedVisibleIndex(1);
  const TRect cell = List->GetNodeCellRect(N("b"), 1);
  // The focused cell holds the hidden selection's colour; its frame is inverted.
  EXPECT_EQ(Painted()->At(cell.Left, cell.Top), RGB(63, 63, 63));
  EXPECT_EQ(Painted()->At(cell.Left + 5, cell.Top + 5), Silver);
  List->SetHideFocusRect(true);
  EXPECT_EQ(Painted()->At(cell.Left, cell.Top), Silver);
  List->SetHideFocusRect(false);
  TObject dragged;
  List->SetDragObject(&dragged);
  EXPECT_EQ(Painted()->At(cell.Left, cell.Top), RGB(0, 0, 128))
      << "a drag over the control: the focused node highlighted, no frame";
  List->SetDragObject(nullptr);
}

TEST_F(PaintTest, FocusMarkOfTheFocusedControlIsDotted) {
  Columns(2);
  Build("a\nb");
  List->SetParent(Form);
  ShowForm();
  List->SetFocus();
  Pump();
  const TRect row = List->GetNodeRect(N("a"));
  const auto edge = [&] {
    std::string pixels;
    for (int x = 20; x < 26; ++x) pixels += WindowPixel(List->Handle(), x, row.Top) == TColor(ColorToRGB(clHighlight)) ? 'h' : 'x';
    return pixels;
  };
  // The dots keep their place against the window's surface, so either phase may show here.
  const std::string dotted = edge();
  EXPECT_TRUE(dotted == "xhxhxh" || dotted == "hxhxhx") << dotted << ": every other pixel of the dotted frame";
  List->SetOptions(List->GetOptions() | tloHideFocusRect);
  Pump();
  EXPECT_EQ(edge(), "hhhhhh") << "the option hides it while focused";
}

// Which cells of the focused row b (and of a, also selected in multi-selection) a selection
// highlights, painted without the focus in the hidden selection's colour.
TEST_F(PaintTest, TheSelectionMatrix) {
  Columns(3);
  Build("a\nb");
  N("b")->SetFocused(true);
  struct TCase {
    const char* Name;
    TdxTreeListOptions Options, OptionsEx;
    const char* Expected;  // a's cells then b's, '#' highlighted
  };
  const TdxTreeListOptions base = List->GetOptions() & ~tloRowSelect;
  const TCase cases[] = {
      {"row select", base | tloRowSelect, 0, "... ###"},
      {"single", base, 0, "... #.."},
      {"single inverted", base, tlxInvertSelect, "... .##"},
      {"multi", base | tloMultiSelect, 0, "### ###"},
      {"multi inverted", base | tloMultiSelect, tlxInvertSelect, "### .##"},
  };
  for (const TCase& c : cases) {
    List->SetOptions(c.Options);
    List->SetOptionsEx((List->GetOptionsEx() & ~tlxInvertSelect) | c.OptionsEx);
    List->SetFocusedVisibleIndex(1);
    List->SetFocusedVisibleIndex(0);
    if (c.Options & tloMultiSelect) N("a")->SetSelected(true);
    N("b")->SetSelected(true);
    const auto p = Painted();
    std::string cells;
    for (const char* node : {"a", "b"}) {
      if (!cells.empty()) cells += ' ';
      for (int column = 0; column < 3; ++column) {
        const TRect r = List->GetNodeCellRect(N(node), column);
        cells += p->At(r.Right - 5, (r.Top + r.Bottom) / 2) == Silver ? '#' : '.';
      }
    }
    EXPECT_EQ(cells, c.Expected) << c.Name;
  }
  List->SetHideSelection(true);
  EXPECT_EQ(Painted()->At(50, RowTop("b") + 8), White) << "hidden without the focus";
}

TEST_F(PaintTest, FixedBandLinesRunThroughHeadersAndRows) {
  List->SetDefaultLayout(false);
  List->Bands()->Add();
  Columns(2);
  List->GetColumn(1)->SetBandIndex(1);
  List->Bands()->Items(0)->SetFixed(bfLeft);
  Build("a");
  const auto p = Painted();
  for (int y : {5, RowTop("a") + 5}) {
    EXPECT_EQ(p->At(58, y), Black) << y;
    EXPECT_EQ(p->At(59, y), Black) << y;
    EXPECT_NE(p->At(60, y), Black) << y;
  }
}

TEST_F(PaintTest, APressedHeaderInAFlatLookIsInverted) {
  Columns(1);
  List->SetLookAndFeel(lfFlat);
  EXPECT_EQ(Painted()->At(30, 9), Silver);
  List->PressHeader(0);
  EXPECT_EQ(Painted()->At(30, 9), RGB(63, 63, 63));
}

TEST_F(PaintTest, TheFilterTextStartsRightOfTheCloseButton) {
  Columns(1);
  List->FilterStatus = true;
  List->Relayout();
  const auto left = [&] { return RecordPaint(List).FindText("成绩 > 60")->Bounds.Left; };
  const int withButton = left();
  List->FilterApplied = false;
  EXPECT_EQ(withButton - left(), 18);
}

TEST_F(PaintTest, GridStyleGroupRowsStartOnePixelLower) {
  Columns(1);
  Build("g\n  x");
  List->GroupParents = true;
  List->SetHideLeafIndent(true);
  const int top = RowTop("g");
  const auto p = Painted();
  EXPECT_EQ(p->At(40, top), White) << "the separator in the control's colour";
  EXPECT_EQ(p->At(40, top + 1), Silver) << "the group row";
}

// Group rows and the indent columns left of their children take the colour of their level.
TEST_F(PaintTest, LevelColoursOfGroupRows) {
  Columns(1);
  Build("g\n  h\n    x");
  List->ExpandAll();
  N("x")->SetFocused(true);
  List->GroupParents = true;
  List->SetHideLeafIndent(true);
  List->OnGetLevelColor = [](TObject*, int Level, TColor& Color) {
    if (Level == 0) Color = clRed;
  };
  const auto p = Painted();
  EXPECT_EQ(p->At(40, RowTop("g") + 8), RGB(255, 0, 0)) << "level 0";
  EXPECT_EQ(p->At(40, RowTop("h") + 8), Silver) << "level 1 keeps the group colour";
  EXPECT_EQ(p->At(5, RowTop("h") + 8), RGB(255, 0, 0)) << "the indent under g";
}

TEST_F(PaintTest, WithoutRowsOnlyTheEmptyAreaIsPainted) {
  Columns(1);
  List->SetShowGrid(true);
  List->SetColor(clYellow);
  const auto p = Painted();
  const TdxTreeListDrawInfo info = Geometry();
  EXPECT_TRUE(info.Rows.empty());
  EXPECT_EQ(p->At(30, info.RowsRect.Top + 2), RGB(255, 255, 0));
  EXPECT_EQ(p->At(200, info.RowsRect.Top + 2), RGB(255, 255, 0)) << "right of the bands";
}

// The new-item row below the headers: the insert glyph in its indicator cell, its cells in the
// control's colour over the header-coloured frame, a grid line along its bottom.
TEST_F(PaintTest, TheNewItemRow) {
  Columns(2);
  Build("a");
  List->SetShowIndicator(true);
  List->SetShowNewItemRow(true);
  List->SetShowGrid(true);
  List->IndicatorArrows = true;
  const TRect strip = Geometry().NewItemRowRect;
  const auto p = Painted();
  int glyph = 0;
  for (int y = strip.Top; y < strip.Top + 17; ++y)
    for (int x = 1; x < 11; ++x) glyph += p->At(x, y) == Black;
  EXPECT_GT(glyph, 10) << "the insert glyph";
  EXPECT_EQ(p->At(40, strip.Top + 8), White) << "a cell";
  EXPECT_EQ(p->At(71, strip.Top + 8), Silver) << "the line between the cells";
  EXPECT_EQ(p->At(40, strip.Top + 16), Silver) << "the grid line below";
  EXPECT_EQ(p->At(40, strip.Top + 18), Silver) << "the frame below the row";
  EXPECT_EQ(p->At(200, strip.Top + 8), White) << "right of the bands";
}

TEST_F(PaintTest, CustomDrawnCellsAndHeaders) {
  Columns(2);
  Build("a");
  N("a")->SetStrings(0, "text");
  N("a")->SetStrings(1, "other");
  std::vector<std::pair<TRect, int>> seen;
  List->OnCustomDrawCell = [&](TObject*, TCanvas*, TRect Rect, TdxTreeListNode* Node, TdxTreeListColumn* Column, bool,
                               bool, bool, String& Text, TColor&, TFont*, TAlignment&, bool& Done) {
    seen.emplace_back(Rect, Column->GetIndex());
    EXPECT_EQ(Node, N("a"));
    if (Column->GetIndex() == 0) Text = "custom";
    Done = Column->GetIndex() == 1;
  };
  const TRecordedPaint recorded = RecordPaint(List);
  EXPECT_TRUE(recorded.FindText("custom"));
  EXPECT_FALSE(recorded.FindText("other")) << "a cell drawn by the handler";
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].first, List->GetNodeCellRect(N("a"), 0));

  List->OnCustomDrawColumnHeader = [](TObject*, TdxTreeListColumn* Column, TCanvas*, TRect, String&, TColor& Color,
                                      TFont*, TAlignment&, TdxTreeListColumnSort&, bool&) {
    if (Column->GetIndex() == 0) Color = clBtnFace;
    if (Column->GetIndex() == 1) Color = clRed;
  };
  const auto p = Painted();
  EXPECT_EQ(p->At(30, 9), Silver) << "the header colour itself";
  EXPECT_EQ(p->At(90, 9), RGB(255, 0, 0));
}

// The band, footer, row footer and preview handlers: what each is told, and the text each gives.
TEST_F(PaintTest, CustomDrawnBandsFootersAndPreviews) {
  List->SetShowBands(true);
  List->SetShowFooter(true);
  Columns(2);
  PreviewAndRowFooter(1);
  List->OnIsExistFooterCell = [](TObject*, TdxTreeListColumn* Column, bool& Exist) { Exist = Column->GetIndex() == 1; };
  std::vector<std::string> calls;
  List->OnCustomDrawBand = [&](TObject*, TdxTreeListBand* Band, TCanvas*, TRect Rect, String&, TColor& Color,
                               TFont*, TAlignment&, bool&) {
    calls.push_back("band " + std::to_string(Band->Index()) + " " + std::to_string(Rect.Width()));
    Color = clRed;
  };
  List->OnCustomDrawFooter = [&](TObject*, TCanvas*, TRect, TdxTreeListNode* Node, TdxTreeListColumn* Column,
                                 String& Text, TColor&, TFont*, TAlignment&, bool&) {
    calls.push_back("footer " + std::to_string(Column->GetIndex()) + (Node ? " node" : ""));
    Text = "footer text";
  };
  List->OnCustomDrawFooterNode = [&](TObject*, TCanvas*, TRect, TdxTreeListNode* Node, TdxTreeListColumn* Column,
                                     int Index, String& Text, TColor&, TFont*, TAlignment&, bool&) {
    calls.push_back("row footer " + Node->Strings(0) + " " + std::to_string(Column->GetIndex()) + " " +
                    std::to_string(Index));
    Text = "row footer text";
  };
  List->OnCustomDrawPreview = [&](TObject*, TCanvas*, TRect Rect, TdxTreeListNode* Node, bool, String& Text, TColor&,
                                  TColor&, TFont*, bool&) {
    EXPECT_EQ(Rect.Top, List->GetNodeRect(Node).Top + 16) << "below the cells";
    calls.push_back("preview " + Node->Strings(0) + " " + Text);
    Text = "preview text";
  };
  const TRecordedPaint recorded = RecordPaint(List);
  std::sort(calls.begin(), calls.end());
  EXPECT_EQ(calls, std::vector<std::string>({"band 0 260", "footer 1", "preview x note", "row footer x 0 0",
                                             "row footer x 1 0"}))
      << "the summary footer belongs to no node";
  EXPECT_EQ(Painted()->At(150, 5), RGB(255, 0, 0)) << "the band in the handler's colour";
  for (const char* text : {"footer text", "row footer text", "preview text"})
    EXPECT_TRUE(recorded.FindText(text)) << text;
}

TEST_F(PaintTest, APartlyScrolledHeaderIsClippedForItsHandler) {
  List->SetDefaultLayout(false);
  List->SetBounds(0, 0, 150, 100);
  List->Bands()->Add();
  Columns(2);
  List->GetColumn(1)->SetWidth(200);
  List->GetColumn(1)->SetBandIndex(1);
  List->Bands()->Items(0)->SetFixed(bfLeft);
  List->SetLeftCoord(40);
  std::vector<bool> clipped;
  List->OnCustomDrawColumnHeader = [&](TObject*, TdxTreeListColumn* Column, TCanvas* Canvas, TRect Rect, String&, TColor&,
                                       TFont*, TAlignment&, TdxTreeListColumnSort&, bool& Done) {
    TRect clip;
    GetClipBox(Canvas, clip);
    clipped.push_back(clip.Left > Rect.Left);
    if (Column->GetIndex() == 0) return;
    FillRect(Canvas, Rect, CreateSolidBrush(clRed));
    Done = true;
  };
  const auto p = Painted();
  EXPECT_EQ(clipped, std::vector<bool>({false, true}));
  EXPECT_NE(p->At(30, 9), RGB(255, 0, 0)) << "the fixed band's header is its own";
  EXPECT_EQ(p->At(100, 9), RGB(255, 0, 0));
}

// Cells are painted as their column's editor shows a value: its case and password character.
TEST_F(PaintTest, CellsShowTheirColumnsCaseAndPasswordCharacter) {
  Columns(3);
  Build("a");
  N("a")->SetStrings(0, "Abc");
  N("a")->SetStrings(1, "Abc");
  N("a")->SetStrings(2, "Abc");
  List->GetColumn(0)->SetCharCase(ecUpperCase);
  List->GetColumn(1)->SetPasswordChar(U'*');
  List->SetOptionsEx(List->GetOptionsEx() & ~tlxUseBitmap);
  const TRecordedPaint recorded = RecordPaint(List);
  const TRect cell[] = {List->GetNodeCellRect(N("a"), 0), List->GetNodeCellRect(N("a"), 1),
                        List->GetNodeCellRect(N("a"), 2)};
  const std::pair<const char*, int> expected[] = {{"ABC", 0}, {"***", 1}, {"Abc", 2}};
  for (const auto& [text, column] : expected) {
    const TMetafileTextRun* run = recorded.FindText(text);
    ASSERT_TRUE(run) << text;
    EXPECT_TRUE(PtInRect(cell[column], run->Bounds.TopLeft())) << text;
  }
}

TEST_F(PaintTest, AFailingHandlerLeavesNothingOpen) {
  Columns(1);
  Build("a\nb");
  List->OnCustomDrawCell = [](TObject*, TCanvas*, TRect, TdxTreeListNode*, TdxTreeListColumn*, bool, bool, bool,
                              String&, TColor&, TFont*, TAlignment&, bool&) { throw Exception("handler failed"); };
  EXPECT_THROW(Painted(), Exception);
  EXPECT_EQ(List->NodeAccessDepth, 0);
  List->OnCustomDrawCell = nullptr;
  N("a")->SetStrings(0, "after");
  EXPECT_TRUE(RecordPaint(List).FindText("after"));
}

TEST_F(PaintTest, TheEmptyBandAreaIsShadowed) {
  List->SetDefaultLayout(false);
  List->Bands()->Add();
  Columns(1);
  EXPECT_EQ(Painted()->At(100, 9), Grey);
  List->SetLookAndFeel(lfUltraFlat);
  EXPECT_EQ(Painted()->At(100, 9), RGB(160, 160, 160));
}

TEST_F(PaintTest, TheSearchedPrefixIsDrawnAgainInTheSearchColours) {
  Columns(1);
  Build("abc\nabd");
  List->SetOptions(List->GetOptions() & ~tloRowSelect);
  List->SetFocusedVisibleIndex(0);
  List->StartSearch(0, "ab");
  const auto cell = [&](bool Focused) {
    std::vector<String> texts;
    TBitmap bitmap;
    for (const auto& run : RecordTextRuns([&](HDC DC) {
           List->DrawCell(DC, {20, 0, 80, 16}, &bitmap, N("abc"), 0, true, Focused, ColorToRGB(clHighlight),
                          ColorToRGB(clHighlightText), GetSysColorBrush(COLOR_HIGHLIGHT), false, 0, false, false,
                          clWindow, nullptr);
         }))
      texts.push_back(run.Text);
    return texts;
  };
  EXPECT_EQ(cell(true), std::vector<String>({"abc", "ab"})) << "the prefix drawn again over the focused cell";
  EXPECT_EQ(cell(false), std::vector<String>({"abc"}));
}

// The focused cell of a focused control while searching: white with the inverted selection. The
// searched characters are painted again in the cell's colours inverted, in a box of their extent;
// the cell shows its dotted focus frame even before a character is typed.
TEST_F(PaintTest, TheSearchMarkOnAWhiteCell) {
  Columns(1);
  Build("abc");
  List->SetOptions(List->GetOptions() & ~tloRowSelect);
  List->SetOptionsEx(List->GetOptionsEx() | tlxInvertSelect);
  List->SetFocusedVisibleIndex(0);
  List->SetParent(Form);
  ShowForm();
  List->SetFocus();
  Pump();
  const TRect cell = List->GetNodeCellRect(N("abc"), 0);
  // The pixels of the cell that differ between two paintings, with their bounds.
  struct TDiff {
    TRect Bounds{1000, 1000, -1, -1};
    bool AllInverted = true;
  };
  const auto diff = [&](const TPixelCanvas& A, const TPixelCanvas& B) {
    TDiff d;
    for (int y = cell.Top; y < cell.Bottom; ++y)
      for (int x = cell.Left; x < cell.Right; ++x) {
        if (A.At(x, y) == B.At(x, y)) continue;
        d.Bounds = {std::min(d.Bounds.Left, x), std::min(d.Bounds.Top, y), std::max(d.Bounds.Right, x + 1),
                    std::max(d.Bounds.Bottom, y + 1)};
        d.AllInverted = d.AllInverted && A.At(x, y) == (~B.At(x, y) & 0xFFFFFF);
      }
    return d;
  };
  const auto plain = Painted();
  List->StartSearch(0, "");
  ASSERT_TRUE(List->Searching());
  const auto framed = Painted();
  const TDiff frame = diff(*plain, *framed);
  EXPECT_EQ(frame.Bounds, TRect(cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Bottom - 1)) << "the frame inside the cell";
  EXPECT_NE(framed->At(cell.Left + 4, cell.Top + 1), framed->At(cell.Left + 5, cell.Top + 1)) << "dotted";
  List->StartSearch(0, "ab");
  const TDiff mark = diff(*framed, *Painted());
  EXPECT_EQ(mark.Bounds.Width(), 2 * 6) << "the extent of ab";
  EXPECT_EQ(mark.Bounds.Height(), 13);
  EXPECT_TRUE(mark.AllInverted);
  EXPECT_EQ(Painted()->At(mark.Bounds.Right - 1, mark.Bounds.Bottom - 1), Black) << "white turned black";
}

TEST_F(PaintTest, PreviewAndRowFooterTexts) {
  Columns(1);
  PreviewAndRowFooter(0);
  const TRecordedPaint recorded = RecordPaint(List);
  const TMetafileTextRun* preview = recorded.FindText("note");
  ASSERT_TRUE(preview);
  const int previews = int(std::count_if(recorded.Texts.begin(), recorded.Texts.end(),
                                         [](const TMetafileTextRun& r) { return r.Text == "note"; }));
  EXPECT_EQ(previews, 2) << "the cell and its preview";
  EXPECT_TRUE(recorded.FindText("Level 0")) << "the row footer closing g";
}

}  // namespace
