// The bars' four cursors, drawn once and registered in the screen's cursor table.
#include <array>

#include "bars/dxBarUtils.h"
#include "controls/Application.h"
#include "graphics/Graphic.h"
#include "windows/Cursors.h"

namespace {

constexpr int kSize = 32;

// The arrow every drag cursor starts from: white with a black outline, on the transparent colour.
void DrawArrow(TCanvas& Canvas) {
  Canvas.Brush()->SetColor(clFuchsia);
  Canvas.FillRect(Rect(0, 0, kSize, kSize));
  Canvas.Brush()->SetColor(clWhite);
  Canvas.Pen()->SetColor(clBlack);
  Canvas.Polygon({{0, 0}, {0, 15}, {4, 11}, {7, 17}, {9, 16}, {6, 10}, {11, 10}});
}

// The dragged item: a small box below the arrow, with a plus for a copy.
void DrawDraggedBox(TCanvas& Canvas, bool Copy) {
  DrawArrow(Canvas);
  Canvas.Brush()->SetColor(clWhite);
  Canvas.Rectangle(8, 18, 20, 26);
  if (!Copy) return;
  Canvas.Rectangle(17, 22, 26, 31);
  Canvas.MoveTo(19, 26);
  Canvas.LineTo(24, 26);
  Canvas.MoveTo(21, 24);
  Canvas.LineTo(21, 29);
}

void DrawNoDrop(TCanvas& Canvas) {
  DrawArrow(Canvas);
  Canvas.Brush()->SetColor(clWhite);
  Canvas.Pen()->SetColor(clRed);
  Canvas.Ellipse(12, 12, 28, 28);
  Canvas.MoveTo(15, 15);
  Canvas.LineTo(25, 25);
}

// A two-headed horizontal arrow between two bars, centred on the hot spot.
void DrawEditSizing(TCanvas& Canvas) {
  Canvas.Brush()->SetColor(clFuchsia);
  Canvas.FillRect(Rect(0, 0, kSize, kSize));
  Canvas.Brush()->SetColor(clBlack);
  Canvas.FillRect(Rect(14, 8, 16, 24));
  Canvas.FillRect(Rect(17, 8, 19, 24));
  Canvas.Pen()->SetColor(clBlack);
  Canvas.MoveTo(6, 16);
  Canvas.LineTo(27, 16);
  Canvas.Polygon({{6, 16}, {10, 12}, {10, 20}});
  Canvas.Polygon({{26, 16}, {22, 12}, {22, 20}});
}

HCURSOR MakeCursor(void (*Draw)(TCanvas&), TPoint HotSpot) {
  TBitmap image(kSize, kSize);
  Draw(*image.Canvas());
  return CreateCursorFromBitmap(image, nullptr, HotSpot);
}

const std::array<HCURSOR, 4>& BarCursors() {
  static const std::array<HCURSOR, 4> cursors = {
      MakeCursor([](TCanvas& c) { DrawDraggedBox(c, false); }, {0, 0}),
      MakeCursor([](TCanvas& c) { DrawDraggedBox(c, true); }, {0, 0}),
      MakeCursor(DrawNoDrop, {0, 0}),
      MakeCursor(DrawEditSizing, {16, 16}),
  };
  return cursors;
}

}  // namespace

void LoadBarCursors() {
  if (!Screen || Screen->Cursors(crdxBarDrag) != Screen->Cursors(crDefault)) return;
  const auto& cursors = BarCursors();
  for (int i = 0; i < 4; ++i) Screen->SetCursors(crdxBarDrag + i, cursors[static_cast<size_t>(i)]);
}
