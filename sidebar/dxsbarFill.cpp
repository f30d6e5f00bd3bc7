// The side bar's background: the picture tiled from the client origin, else the gradient in
// bands aligned to multiples of Step from the client origin (so that a partial repaint matches
// the rest), else the plain colour.
#include <cmath>

#include "graphics/Gdi.h"
#include "graphics/Metafile.h"
#include "sidebar/dxsbar_p.h"

namespace {

// Icons and metafiles are tiled from a bitmap of their own size; other kinds than bitmaps do not tile.
std::unique_ptr<TBitmap> TileOf(const TGraphic* Graphic) {
  auto tile = std::make_unique<TBitmap>(Graphic->Width(), Graphic->Height());
  if (const auto* bitmap = dynamic_cast<const TBitmap*>(Graphic)) {
    tile->Assign(bitmap);
  } else if (dynamic_cast<const TIcon*>(Graphic) || dynamic_cast<const TMetafile*>(Graphic)) {
    Graphic->Draw(tile->Canvas(), Rect(0, 0, Graphic->Width(), Graphic->Height()));
  } else {
    return nullptr;
  }
  return tile;
}

void TilePicture(HDC DC, const TRect& R, const TBitmap& Tile) {
  const int w = Tile.Width(), h = Tile.Height();
  const int saved = SaveDC(DC);
  IntersectClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
  for (int y = R.Top - ((R.Top % h) + h) % h; y < R.Bottom; y += h)
    for (int x = R.Left - ((R.Left % w) + w) % w; x < R.Right; x += w) DC->Draw(x, y, &Tile);
  RestoreDC(DC, saved);
}

// Colour of the band that starts at Start: each channel goes from Begin to End over Span pixels.
COLORREF BandColor(COLORREF Begin, COLORREF End, int Start, int Span) {
  auto channel = [&](int b, int e) { return b + static_cast<int>(std::lround(double(Start) * (e - b) / Span)); };
  return RGB(channel(GetRValue(Begin), GetRValue(End)), channel(GetGValue(Begin), GetGValue(End)),
             channel(GetBValue(Begin), GetBValue(End)));
}

}  // namespace

void TdxSideBar::FillBackground(HDC DC, const TRect& R) {
  if (IsRectEmpty(R)) return;
  if (const TGraphic* graphic = FBkPicture->Graphic(); graphic && !graphic->Empty()) {
    if (const std::unique_ptr<TBitmap> tile = TileOf(graphic)) {
      TilePicture(DC, R, *tile);
      return;
    }
  }
  const TdxSideBarBackGround& fill = *FBkGround;
  if (fill.FillStyle() == bfsNone || fill.BeginColor() == fill.EndColor()) {
    FillRect(DC, R, CreateSolidBrush(ColorToRGB(Color())));
    return;
  }
  const COLORREF begin = ColorToRGB(fill.BeginColor()), end = ColorToRGB(fill.EndColor());
  const bool across = fill.FillStyle() == bfsVert;  // bands left to right
  const int span = std::max(1, across ? ClientWidth() : ClientHeight());
  const int step = fill.Step();
  const int from = across ? R.Left : R.Top, to = across ? R.Right : R.Bottom;
  for (int start = from - ((from % step) + step) % step; start < to; start += step) {
    const int a = std::max(start, from), b = std::min(start + step, to);
    const TRect band = across ? TRect{a, R.Top, b, R.Bottom} : TRect{R.Left, a, R.Right, b};
    FillRect(DC, band, CreateSolidBrush(BandColor(begin, end, start, span)));
  }
}
