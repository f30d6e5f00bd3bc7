// The pictures the editors carry, drawn here: the picture toolbar's six buttons, the blob
// column's empty and filled icons (16 x 16 on olive, the blob icons' mask colour) and the hand
// cursor with its mask.
#include <functional>
#include <map>

#include "editors/dxExEdtr.h"
#include "graphics/Graphic.h"

namespace {

using TPainter = std::function<void(TCanvas&)>;

constexpr TColor Background = clOlive;

void Box(TCanvas& C, TRect R, TColor Fill, TColor Line) {
  C.Brush()->SetStyle(TBrushStyle::bsSolid);
  C.Brush()->SetColor(Fill);
  C.Pen()->SetColor(Line);
  C.Rectangle(R);
}

void Line(TCanvas& C, int X1, int Y1, int X2, int Y2, TColor Color) {
  C.Pen()->SetColor(Color);
  C.MoveTo(X1, Y1);
  C.LineTo(X2, Y2);
}

// A page with text lines; an empty one has no lines.
void Page(TCanvas& C, int X, int Y, bool Lines) {
  Box(C, {X, Y, X + 9, Y + 11}, clWhite, clBlack);
  if (Lines)
    for (int y = Y + 3; y < Y + 9; y += 2) Line(C, X + 2, y, X + 7, y, clNavy);
}

void Cut(TCanvas& C) {
  Line(C, 4, 1, 9, 9, clBlack);
  Line(C, 11, 1, 6, 9, clBlack);
  C.Brush()->SetStyle(TBrushStyle::bsClear);
  C.Pen()->SetColor(clNavy);
  C.Ellipse(2, 9, 7, 14);
  C.Ellipse(8, 9, 13, 14);
}

void Copy(TCanvas& C) {
  Page(C, 2, 1, true);
  Page(C, 6, 4, true);
}

void Paste(TCanvas& C) {
  Box(C, {2, 2, 12, 15}, clOlive, clBlack);
  Box(C, {5, 1, 9, 4}, clSilver, clBlack);
  Page(C, 7, 5, true);
}

void Delete(TCanvas& C) {
  for (int d = 0; d < 2; ++d) {
    Line(C, 3 + d, 3, 12 + d, 12, clRed);
    Line(C, 12 + d, 3, 3 + d, 12, clRed);
  }
}

void Load(TCanvas& C) {
  Box(C, {1, 5, 13, 14}, clYellow, clBlack);
  Box(C, {1, 3, 6, 6}, clYellow, clBlack);
  Line(C, 9, 1, 14, 1, clBlack);
  Line(C, 14, 1, 14, 5, clBlack);
}

void Save(TCanvas& C) {
  Box(C, {1, 1, 15, 15}, clNavy, clBlack);
  Box(C, {4, 1, 12, 7}, clWhite, clBlack);
  Box(C, {5, 10, 11, 15}, clSilver, clBlack);
}

// The filled icons are coloured; the empty ones are the same shape in grey outline.
void Blob(TCanvas& C, bool Filled) {
  Box(C, {2, 3, 14, 13}, Filled ? clTeal : clSilver, Filled ? clBlack : clGray);
  for (int x = 4; x < 13; x += 3) {
    Line(C, x, 1, x, 3, Filled ? clBlack : clGray);
    Line(C, x, 13, x, 15, Filled ? clBlack : clGray);
  }
}

void Memo(TCanvas& C, bool Filled) {
  Box(C, {3, 1, 13, 15}, clWhite, Filled ? clBlack : clGray);
  if (Filled)
    for (int y = 4; y < 13; y += 2) Line(C, 5, y, 11, y, clNavy);
}

void Pict(TCanvas& C, bool Filled) {
  Box(C, {1, 2, 15, 14}, Filled ? clAqua : clSilver, Filled ? clBlack : clGray);
  if (!Filled) return;
  C.Brush()->SetColor(clGreen);
  C.Pen()->SetColor(clGreen);
  C.Polygon({{2, 12}, {6, 6}, {10, 12}});
  C.Brush()->SetColor(clYellow);
  C.Pen()->SetColor(clYellow);
  C.Ellipse(10, 4, 13, 7);
}

void Ole(TCanvas& C, bool Filled) {
  Box(C, {2, 2, 14, 14}, Filled ? clFuchsia : clSilver, Filled ? clBlack : clGray);
  Box(C, {5, 5, 11, 11}, Filled ? clWhite : clSilver, Filled ? clBlack : clGray);
}

// A pointing hand, black outline on white, hot spot at the finger tip.
void Hand(TCanvas& C, bool Mask) {
  const TColor fill = Mask ? clBlack : clWhite;
  C.Brush()->SetStyle(TBrushStyle::bsSolid);
  C.Brush()->SetColor(fill);
  C.Pen()->SetColor(clBlack);
  C.Polygon({{5, 0}, {7, 0}, {8, 1}, {8, 7}, {14, 8}, {16, 10}, {16, 15}, {13, 19}, {6, 19}, {1, 12}, {1, 10}, {4, 10},
             {4, 1}});
}

void Paint(TBitmap& Bitmap, int Width, int Height, TColor Back, const TPainter& Painter) {
  Bitmap.SetMonochrome(false);
  Bitmap.SetSize(Width, Height);
  TCanvas& c = *Bitmap.Canvas();
  c.Brush()->SetStyle(TBrushStyle::bsSolid);
  c.Brush()->SetColor(Back);
  c.FillRect({0, 0, Width, Height});
  Painter(c);
}

const std::map<String, TPainter>& Painters() {
  static const std::map<String, TPainter> painters = {
      {"DXTOOL_CUT", Cut},
      {"DXTOOL_COPY", Copy},
      {"DXTOOL_PASTE", Paste},
      {"DXTOOL_DELETE", Delete},
      {"DXTOOL_LOAD", Load},
      {"DXTOOL_SAVE", Save},
      {"DXINPLACE_BLOB_NULL", [](TCanvas& c) { Blob(c, false); }},
      {"DXINPLACE_BLOB", [](TCanvas& c) { Blob(c, true); }},
      {"DXINPLACE_MEMO_NULL", [](TCanvas& c) { Memo(c, false); }},
      {"DXINPLACE_MEMO", [](TCanvas& c) { Memo(c, true); }},
      {"DXINPLACE_PICT_NULL", [](TCanvas& c) { Pict(c, false); }},
      {"DXINPLACE_PICT", [](TCanvas& c) { Pict(c, true); }},
      {"DXINPLACE_OLE_NULL", [](TCanvas& c) { Ole(c, false); }},
      {"DXINPLACE_OLE", [](TCanvas& c) { Ole(c, true); }},
  };
  return painters;
}

}  // namespace

bool dxLoadEditorBitmap(const String& Name, TBitmap& Bitmap) {
  if (Name == "DX_HANDPOINT" || Name == "DX_HANDPOINT_MASK") {
    const bool mask = Name == "DX_HANDPOINT_MASK";
    // The mask is white where the cursor is transparent.
    Paint(Bitmap, 32, 32, clWhite, [mask](TCanvas& c) { Hand(c, mask); });
    if (mask) Bitmap.SetMonochrome(true);
    return true;
  }
  const auto found = Painters().find(Name);
  if (found == Painters().end()) return false;
  Paint(Bitmap, 16, 16, Background, found->second);
  return true;
}
