// The drawing primitives of bars and menus.
#include "bars/dxBarDraw.h"

#include <algorithm>
#include <vector>

#include "graphics/Gdi.h"
#include "rtl/Arith.h"

namespace {

HBRUSH& PatternBrush() {
  static HBRUSH brush;
  return brush;
}

// A picture as pixels (0x00RRGGBB) with the shape it covers.
struct TGlyphPicture {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;
  std::vector<bool> Opaque;
};

uint32_t ScanColor(COLORREF Color) {
  return (uint32_t(GetRValue(Color)) << 16) | (uint32_t(GetGValue(Color)) << 8) | uint32_t(GetBValue(Color));
}

uint32_t Grey(uint32_t Pixel) {
  const uint32_t level = (((Pixel >> 16) & 0xFF) + ((Pixel >> 8) & 0xFF) + (Pixel & 0xFF)) / 3;
  return (level << 16) | (level << 8) | level;
}

TGlyphPicture PictureOfBitmap(const TBitmap& Glyph) {
  TGlyphPicture picture{Glyph.Width(), Glyph.Height(), {}, {}};
  const uint32_t transparent = Glyph.ScanLine(picture.Height - 1)[0] & 0xFFFFFF;
  for (int y = 0; y < picture.Height; ++y) {
    const uint32_t* row = Glyph.ScanLine(y);
    for (int x = 0; x < picture.Width; ++x) {
      picture.Pixels.push_back(row[x] & 0xFFFFFF);
      picture.Opaque.push_back((row[x] & 0xFFFFFF) != transparent);
    }
  }
  return picture;
}

TGlyphPicture PictureOfImage(const TImageList& Images, int Index) {
  TBitmap image, mask;
  Images.GetBitmap(Index, &image);
  Images.GetMask(Index, &mask);
  TGlyphPicture picture{Images.Width(), Images.Height(), {}, {}};
  for (int y = 0; y < picture.Height; ++y) {
    const uint32_t* row = image.ScanLine(y);
    const uint32_t* maskRow = mask.ScanLine(y);
    for (int x = 0; x < picture.Width; ++x) {
      picture.Pixels.push_back(row[x] & 0xFFFFFF);
      picture.Opaque.push_back((maskRow[x] & 0xFFFFFF) == 0);
    }
  }
  return picture;
}

// Writes the picture's opaque pixels into Target with the top-left corner at (X, Y); with a
// colour given, the shape alone in that colour.
void PaintPicture(TBitmap& Target, const TGlyphPicture& Picture, int X, int Y, const uint32_t* ShapeColor = nullptr) {
  for (int y = 0; y < Picture.Height; ++y) {
    const int ty = Y + y;
    if (ty < 0 || ty >= Target.Height()) continue;
    uint32_t* row = Target.ScanLine(ty);
    for (int x = 0; x < Picture.Width; ++x) {
      const int tx = X + x;
      const size_t at = size_t(y) * size_t(Picture.Width) + size_t(x);
      if (tx < 0 || tx >= Target.Width() || !Picture.Opaque[at]) continue;
      row[tx] = ShapeColor ? *ShapeColor : Picture.Pixels[at];
    }
  }
}

void PaintShape(TBitmap& Target, const TGlyphPicture& Picture, int X, int Y, int ColorIndex) {
  const uint32_t color = ScanColor(GetSysColor(ColorIndex));
  PaintPicture(Target, Picture, X, Y, &color);
}

// Draws the picture in its enabled, hot, grey or disabled look, with its nominal top-left at (X, Y).
void PaintGlyphLook(TBitmap& Target, TGlyphPicture& Picture, int X, int Y, const TdxBarGlyphState& State) {
  if (!State.Enabled) {
    if (!State.Selected) PaintShape(Target, Picture, X + 1, Y + 1, COLOR_BTNHIGHLIGHT);
    PaintShape(Target, Picture, X, Y, COLOR_BTNSHADOW);
    return;
  }
  if (State.Grayed) std::transform(Picture.Pixels.begin(), Picture.Pixels.end(), Picture.Pixels.begin(), Grey);
  if (State.Selected && State.ShadowAllowed && !State.Down) {
    PaintShape(Target, Picture, X + 2, Y + 2, COLOR_BTNSHADOW);
    PaintPicture(Target, Picture, X - 1, Y - 1);
    return;
  }
  PaintPicture(Target, Picture, X, Y);
}

}  // namespace

void CreateBarPatternBrush() {
  TBitmap pattern(8, 8);
  const uint32_t face = ScanColor(GetSysColor(COLOR_BTNFACE));
  const uint32_t highlight = ScanColor(GetSysColor(COLOR_BTNHIGHLIGHT));
  for (int y = 0; y < 8; ++y) {
    uint32_t* row = pattern.ScanLine(y);
    for (int x = 0; x < 8; ++x) row[x] = (x % 2 == y % 2) ? face : highlight;
  }
  PatternBrush() = CreatePatternBrush(pattern);
}

const HBRUSH& BarPatternBrush() {
  if (!PatternBrush()) CreateBarPatternBrush();
  return PatternBrush();
}

void FrameHighlightRect(HDC DC, const TRect& Rect) { FrameRect(DC, Rect, GetSysColorBrush(COLOR_HIGHLIGHT)); }

void DrawArrow(HDC DC, const TRect& Rect, bool Down, int Size, bool Selected, bool Enabled, bool Flat) {
  const int colorIndex = !Enabled ? COLOR_BTNSHADOW : Selected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT;
  const TColor color = SysColor(colorIndex);
  const int saved = SaveDC(DC);
  SelectObject(DC, CreatePen(PS_SOLID, 1, color));
  SelectObject(DC, CreateSolidBrush(color));
  int x, y;
  std::vector<TPoint> corners;
  if (Down) {
    x = (Rect.Left + Rect.Right - (2 * Size - 1)) / 2;
    y = (Rect.Top + Rect.Bottom - Size) / 2;
    corners = {{x, y}, {x + 2 * Size - 2, y}, {x + Size - 1, y + Size - 1}};
  } else {
    x = (Rect.Left + Rect.Right - Size) / 2;
    y = (Rect.Top + Rect.Bottom - (2 * Size - 1)) / 2;
    corners = {{x, y}, {x, y + 2 * Size - 2}, {x + Size - 1, y + Size - 1}};
  }
  Polygon(DC, corners);
  if (!Enabled && !Flat) {
    SelectObject(DC, CreatePen(PS_SOLID, 1, clBtnHighlight));
    const auto line = [DC](int x1, int y1, int x2, int y2) {
      MoveToEx(DC, x1, y1);
      LineTo(DC, x2, y2);
    };
    if (Down) {
      line(x + Size, y + Size - 1, x + 2 * Size - 1, y);
      line(x + Size, y + Size, x + 2 * Size, y);
    } else {
      line(x + Size - 1, y + Size, x, y + 2 * Size - 1);
      line(x + Size, y + Size, x, y + 2 * Size);
    }
  }
  RestoreDC(DC, saved);
}

int ArrowSizeOfRect(const TRect& Rect, bool Down) {
  const int n = Down ? Rect.Width() - 8 : Rect.Height() - 6;
  const int size = (n - 1) / 2 + (n % 2 != 0 ? 1 : 0);
  return std::max(size, 3);
}

void DrawArrowInRect(HDC DC, const TRect& Rect, bool Down, bool Enabled, bool Selected, bool Flat) {
  DrawArrow(DC, Rect, Down, ArrowSizeOfRect(Rect, Down), Selected, Enabled, Flat);
}

void DrawBarGlyph(HDC DC, const HBRUSH& BackgroundBrush, const TRect& ItemRect, const TRect& GlyphRect,
                  const TBitmap* Glyph, const TImageList* Images, int ImageIndex, const TdxBarGlyphState& State) {
  TGlyphPicture picture;
  if (Glyph && !Glyph->Empty()) {
    picture = PictureOfBitmap(*Glyph);
  } else if (Images && ImageIndex >= 0 && ImageIndex < Images->Count()) {
    picture = PictureOfImage(*Images, ImageIndex);
  }
  TBitmap composed(ItemRect.Width(), ItemRect.Height());
  FillRect(composed.Canvas(), Rect(0, 0, ItemRect.Width(), ItemRect.Height()), BackgroundBrush);
  const int x = GlyphRect.Left - ItemRect.Left + (GlyphRect.Width() - picture.Width) / 2;
  const int y = GlyphRect.Top - ItemRect.Top + (GlyphRect.Height() - picture.Height) / 2;
  PaintGlyphLook(composed, picture, x, y, State);
  BitBlt(DC, ItemRect.Left, ItemRect.Top, ItemRect.Width(), ItemRect.Height(), composed.Canvas(), 0, 0, SRCCOPY);
}

void GrayscaleBitmap(TBitmap& Bitmap, COLORREF TransparentColor) {
  const uint32_t transparent = ScanColor(TransparentColor);
  for (int y = 0; y < Bitmap.Height(); ++y) {
    uint32_t* row = Bitmap.ScanLine(y);
    for (int x = 0; x < Bitmap.Width(); ++x)
      if ((row[x] & 0xFFFFFF) != transparent) row[x] = Grey(row[x]);
  }
}

void FillGradientRect(TCanvas& Canvas, const TRect& Rect, TColor StartColor, TColor EndColor) {
  const COLORREF start = ColorToRGB(StartColor), end = ColorToRGB(EndColor);
  const int height = Rect.Height();
  const auto channel = [](int from, int to, int i) { return from + MulDiv(i, to - from, 255); };
  for (int i = 0; i < 256; ++i) {
    const TRect stripe{Rect.Left, Rect.Top + MulDiv(i, height, 256), Rect.Right, Rect.Top + MulDiv(i + 1, height, 256)};
    const COLORREF color = RGB(channel(GetRValue(start), GetRValue(end), i), channel(GetGValue(start), GetGValue(end), i),
                               channel(GetBValue(start), GetBValue(end), i));
    FillRect(Canvas.Handle(), stripe, CreateSolidBrush(TColor(color)));
  }
}

COLORREF LightenSysColor(int ColorIndex, int DR, int DG, int DB) {
  const COLORREF color = GetSysColor(ColorIndex);
  return RGB(std::clamp(GetRValue(color) + DR, 0, 255), std::clamp(GetGValue(color) + DG, 0, 255),
             std::clamp(GetBValue(color) + DB, 0, 255));
}
