// Window-less painting: the view data an editor makes, the view info rectangles, borders and
// shadows in pixels, the painted region, heights and cursors, and a cell painted window-less
// against the live editor over it.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "graphics/Graphic.h"
#include "graphics/Metrics.h"
#include "support/GraphicsTestFont.h"

namespace {

using ViewDataTest = TEditorsTest;

struct TBorderCanvas {
  TBitmap Bitmap{40, 30};
  TBorderCanvas() {
    Bitmap.Canvas()->Brush()->SetColor(clWhite);
    Bitmap.Canvas()->FillRect({0, 0, 40, 30});
  }
  TColor At(int X, int Y) { return Bitmap.Canvas()->Pixel(X, Y); }
};

TdxEditViewData BorderData(TdxEditBorderStyle Style, TdxEditEdges Edges, bool Shadow = false) {
  TdxEditViewData vd;
  vd.Bounds = {0, 0, 40, 30};
  vd.BorderStyle = Style;
  vd.BorderColor = clRed;
  vd.Edges = Edges;
  vd.Shadow = Shadow;
  return vd;
}

TEST_F(ViewDataTest, ViewInfoRectanglesFollowTheBorderTheEdgesAndTheShadow) {
  TdxEditViewData vd = BorderData(xbsThick, AllEdges, true);
  TdxEditViewInfo vi;
  InplaceEditClass().CalcViewInfo(vd, false, vi);
  EXPECT_EQ(vi.BorderWidth, 2);
  EXPECT_EQ(vi.ShadowSize, 2);
  EXPECT_EQ(vi.ClientRect, (TRect{2, 2, 36, 26}));
  EXPECT_EQ(vi.BorderRect, (TRect{0, 0, 38, 28}));
  EXPECT_EQ(vi.ShadowRect, (TRect{2, 2, 40, 30}));

  vd = BorderData(xbsSingle, EdgeBit(edgLeft) | EdgeBit(edgBottom));
  InplaceEditClass().CalcViewInfo(vd, false, vi);
  EXPECT_EQ(vi.BorderWidth, 1);
  EXPECT_EQ(vi.BorderRect, (TRect{1, 2, 38, 29}));
  EXPECT_TRUE(IsRectEmpty(vi.ShadowRect));
}

TEST_F(ViewDataTest, ASingleBorderOnTwoEdgesFillsTwoBandsAndTheSideBandReachesOverTheMissingTop) {
  TBorderCanvas canvas;
  TdxEditViewData vd = BorderData(xbsSingle, EdgeBit(edgLeft) | EdgeBit(edgBottom));
  TdxEditViewInfo vi;
  InplaceEditClass().CalcViewInfo(vd, false, vi);
  InplaceEditClass().DrawBorder(canvas.Bitmap.Canvas()->Handle(), vi, vd);
  EXPECT_EQ(canvas.At(1, 1), clRed) << "one pixel above the client rectangle";
  EXPECT_EQ(canvas.At(1, 0), clWhite);
  EXPECT_EQ(canvas.At(1, 28), clRed);
  EXPECT_EQ(canvas.At(37, 28), clRed);
  EXPECT_EQ(canvas.At(38, 28), clWhite);
  EXPECT_EQ(canvas.At(20, 1), clWhite) << "no top band";
  EXPECT_EQ(canvas.At(2, 27), clWhite) << "one pixel wide";
}

TEST_F(ViewDataTest, BorderStylesPaintTheirEdgesAndTheShadowFollowsAnyStyle) {
  struct TCase {
    TdxEditBorderStyle Style;
    bool Shadow;
    TPoint Probe;
    TColor Expected;
  };
  const TCase cases[] = {
      {xbsThick, false, {1, 1}, clRed},
      {xbsThick, false, {2, 2}, clWhite},
      {xbs3D, false, {0, 0}, static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW))},
      {xbs3D, false, {39, 29}, static_cast<TColor>(GetSysColor(COLOR_BTNHIGHLIGHT))},
      {xbsFlat, false, {0, 0}, static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW))},
      {xbsNone, true, {37, 27}, static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW))},
      {xbsNone, true, {37, 3}, clWhite},
      {xbsNone, true, {0, 0}, clWhite},
  };
  for (const TCase& c : cases) {
    TBorderCanvas canvas;
    TdxEditViewData vd = BorderData(c.Style, AllEdges, c.Shadow);
    TdxEditViewInfo vi;
    InplaceEditClass().CalcViewInfo(vd, false, vi);
    InplaceEditClass().DrawBorder(canvas.Bitmap.Canvas()->Handle(), vi, vd);
    EXPECT_EQ(canvas.At(c.Probe.X, c.Probe.Y), c.Expected) << EditBorderStyleNames[c.Style] << " at " << c.Probe.X;
  }
}

TEST_F(ViewDataTest, TheEditorsViewDataFollowsItsStyleStateAndColours) {
  TTestTextEdit* edit = StartTextEdit();
  edit->SetColor(clYellow);
  edit->Style()->SetHotTrack(true);
  edit->Style()->SetBorderStyle(xbsSingle);
  edit->Style()->SetButtonTransparence(ebtInactive);
  ::SetFocus(Host->Handle());
  edit->SetHot(true);
  auto hot = edit->CreateViewData(true);
  EXPECT_EQ(hot->BorderStyle, xbsThick);
  EXPECT_EQ(hot->ButtonStyle, bts3D);
  EXPECT_FALSE(hot->ButtonTransparent);
  EXPECT_EQ(hot->Color, ColorToRGB(clYellow));
  EXPECT_EQ(VarToStr(hot->Value), "abc");
  EXPECT_EQ(hot->Bounds, (TRect{0, 0, edit->Width(), edit->Height()}));
  edit->SetHot(false);
  auto cold = edit->CreateViewData(true);
  EXPECT_EQ(cold->BorderStyle, xbsSingle);
  EXPECT_EQ(cold->ButtonStyle, btsHotFlat);
  EXPECT_TRUE(cold->ButtonTransparent);

  edit->SetEnabled(false);
  auto disabled = edit->CreateViewData(true);
  EXPECT_EQ(disabled->Color, GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(disabled->TextColor, GetSysColor(COLOR_BTNSHADOW));
  TBitmap bitmap(10, 10);
  InplaceEditClass().Draw(bitmap.Canvas()->Handle(), {0, 0, 10, 10}, *disabled, false);
  EXPECT_EQ(bitmap.Canvas()->Pixel(5, 5), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
}

TEST_F(ViewDataTest, AHotTrackedSingleBorderThickensWhileTheMouseIsOverTheEditor) {
  TdxInplaceEdit* edit = StandAloneTestEditClass().CreateEditor(Form);
  edit->SetBounds(20, 150, 121, 24);
  edit->SetParent(Form);
  edit->Style()->SetBorderStyle(xbsSingle);
  edit->Style()->SetHotTrack(true);
  Pump();
  const TRect corner{edit->Left(), edit->Top(), edit->Left() + 1, edit->Top() + 1};
  const TColor cold = ComposedPixels(Form->Handle(), corner)[0];
  MouseMove(edit, {10, 5});
  Pump();
  EXPECT_TRUE(edit->Hot());
  EXPECT_EQ(ComposedPixels(Form->Handle(), corner)[0], static_cast<TColor>(ColorToRGB(clWindowFrame)));
  MouseMove(Form, {5, 5});
  Pump();
  EXPECT_FALSE(edit->Hot());
  EXPECT_EQ(ComposedPixels(Form->Handle(), corner)[0], cold);
  EXPECT_NE(cold, static_cast<TColor>(ColorToRGB(clWindowFrame)));
}

TEST_F(ViewDataTest, PaintingAValueRemovesThePaintedAreaFromTheHostsRegion) {
  TBitmap bitmap(100, 100);
  struct TCase {
    TdxEditBorderStyle Style;
    bool Shadow;
    TPoint Inside, Outside;
    bool WholeWindow;
  };
  const TCase cases[] = {
      {xbs3D, false, {10, 10}, {9, 10}, true},
      {xbs3D, true, {49, 39}, {49, 11}, false},
      {xbsSingle, false, {11, 11}, {10, 10}, false},
  };
  for (const TCase& c : cases) {
    TdxEditViewData vd;
    vd.Bounds = {10, 10, 50, 40};
    vd.BorderStyle = c.Style;
    vd.Shadow = c.Shadow;
    vd.Brush = CreateSolidBrush(clWhite);
    TRegion region = CreateRectRgn(0, 0, 100, 100);
    InplaceEditClass().GetEditClipRegion(bitmap.Canvas()->Handle(), vd.Bounds, &region, vd);
    EXPECT_FALSE(PtInRegion(region, c.Inside.X, c.Inside.Y)) << EditBorderStyleNames[c.Style];
    EXPECT_TRUE(PtInRegion(region, c.Outside.X, c.Outside.Y)) << EditBorderStyleNames[c.Style];
    TdxEditViewInfo vi;
    InplaceEditClass().CalcViewInfo(vd, false, vi);
    EXPECT_EQ(!TdxInplaceEditClass::GetBorderRegion(vi).has_value(), c.WholeWindow);
  }
}

TEST_F(ViewDataTest, TheEditHeightIsTheFontHeightAndTheClassMargin) {
  TFont font;
  UseTestFont(&font, 13);
  TdxEditViewData vd;
  vd.Font = font.Handle();
  TTextMetric tm;
  HDC screen = &ScreenCanvas();
  const HFONT old = SelectObject(screen, vd.Font);
  GetTextMetrics(screen, tm);
  SelectObject(screen, old);
  EXPECT_EQ(InplaceEditClass().GetEditHeight(vd), tm.tmHeight + 3);
  ASSERT_EQ(GetSystemMetrics(SM_CYBORDER), 1);
  EXPECT_EQ(StandAloneTestEditClass().GetEditHeight(vd), tm.tmHeight + 4);

  // Fitting changes only the height when there is no content size.
  vd.Bounds = {5, 5, 125, 29};
  vd.Shadow = true;
  TdxEditViewInfo vi;
  StandAloneTestEditClass().CalcViewInfo(vd, true, vi);
  EXPECT_EQ(vi.ClientRect.Height(), tm.tmHeight + 4);
  EXPECT_EQ(vi.Bounds, (TRect{5, 5, 125, 5 + tm.tmHeight + 4 + 4 + 2}));
}

TEST_F(ViewDataTest, TheCursorOverAValueIsTheViewDatasOrTheArrowWithoutAnEditArea) {
  TdxEditViewData vd;
  EXPECT_EQ(InplaceEditClass().GetViewCursor(0, 0, vd), crArrow);
  vd.HasEditArea = true;
  EXPECT_EQ(InplaceEditClass().GetViewCursor(0, 0, vd), crDefault);
  vd.Cursor = crHandPoint;
  EXPECT_EQ(InplaceEditClass().GetViewCursor(0, 0, vd), crHandPoint);
}

TEST_F(ViewDataTest, ACellPaintedWindowLessAndTheEditorShownOverItLineUpPixelForPixel) {
  struct TCase {
    TdxEditBorderStyle Style;
    bool Shadow;
  };
  const TCase cases[] = {{xbs3D, false}, {xbsSingle, true}, {xbsFlat, false}};
  const TRect cell{30, 30, 110, 50};
  const TRect area{cell.Left - 4, cell.Top - 4, cell.Right + 4, cell.Bottom + 4};
  Host->SetColor(clYellow);
  Host->EditorClass = &InplaceEditClass();
  for (const TCase& c : cases) {
    SCOPED_TRACE(EditBorderStyleNames[c.Style]);
    Host->CellBorderStyle = c.Style;
    Host->CellShadow = c.Shadow;
    Host->Cells = {{cell, "x"}};
    Host->Invalidate();
    Pump();
    const std::vector<TColor> windowLess = ComposedPixels(Host->Handle(), area);

    Host->Cells.clear();
    Host->Invalidate();
    Pump();
    ASSERT_NE(ComposedPixels(Host->Handle(), area), windowLess) << "the host alone paints no cell";
    if (!Host->Editor) Host->Editor = InplaceEditClass().CreateEditor(Host);
    Host->Editor->Style()->SetBorderStyle(c.Style);
    Host->Editor->Style()->SetShadow(c.Shadow);
    Host->StartEdit(cell, "x");
    Pump();
    EXPECT_EQ(ComposedPixels(Host->Handle(), area), windowLess);
    RenderWindowToPng(Form->Handle(), std::string("editor-over-cell-") + EditBorderStyleNames[c.Style] + ".png");
    Host->PostEdit();
  }
}

}  // namespace
