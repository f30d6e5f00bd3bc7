// The tree list's text painters: cell text by ExtTextOut when it is one line on a pure colour,
// else formatted in the cell (through the cell bitmap when buffered), the matched prefix of an
// incremental search drawn over a cell, preview text, and the measuring of wrapped lines.
#include "graphics/Gdi.h"
#include "rtl/Text.h"
#include "treelist/dxTLDraw.h"

namespace {

constexpr unsigned AlignFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};

int VerticalMargin(const TdxCellTextParams& P) { return P.LargeMargin ? 2 : 1; }

// Runs Paint on Bitmap sized to Rect, with DC's font, text and background colours, at (0, 0), and
// copies the bitmap to Rect.
template <class F>
void PaintBuffered(HDC DC, const TRect& Rect, TBitmap& Bitmap, F Paint) {
  Bitmap.SetSize(Rect.Width(), Rect.Height());
  HDC bitmap = Bitmap.Canvas();
  SelectObject(bitmap, GetCurrentFont(DC));
  SetTextColor(bitmap, GetTextColor(DC));
  SetBkColor(bitmap, GetBkColor(DC));
  Paint(bitmap, TRect{0, 0, Rect.Width(), Rect.Height()});
  BitBlt(DC, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), bitmap, 0, 0, SRCCOPY);
}

// The cell filled, the text formatted inside it less 2 pixels at the sides and the margin.
void DrawCellTextBlock(HDC DC, const TRect& Rect, const HBRUSH& Brush, const TdxCellTextParams& P) {
  FillRect(DC, Rect, Brush);
  const int oldMode = SetBkMode(DC, TRANSPARENT);
  TRect r = Rect;
  InflateRect(r, -2, -VerticalMargin(P));
  unsigned flags = DT_EXPANDTABS | DT_NOPREFIX | AlignFlags[P.Alignment];
  flags |= P.MultiLine ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER;
  if (P.EndEllipsis) flags |= DT_END_ELLIPSIS;
  DrawText(DC, P.Text, P.Length, r, flags);
  SetBkMode(DC, oldMode);
}

// One line at the top margin: the text area (the cell less 2 pixels on the right, and on the left
// too unless left aligned) painted opaque with the text, the side strips filled with Brush.
void DrawCellTextLine(HDC DC, const TRect& Rect, const HBRUSH& Brush, const TdxCellTextParams& P) {
  TRect area = Rect;
  area.Right -= 2;
  if (P.Alignment != taLeftJustify) area.Left += 2;
  TSize size;
  GetTextExtentPoint32(DC, P.Length < 0 ? P.Text : Copy(P.Text, 1, P.Length), size);
  int x = Rect.Left + 2;
  if (P.Alignment == taRightJustify) x = area.Right - size.cx;
  if (P.Alignment == taCenter) x = (area.Left + area.Right) / 2 - size.cx / 2;
  const int y = Rect.Top + VerticalMargin(P);
  if (P.PrefixMode) {
    const int oldMode = SetBkMode(DC, OPAQUE);
    ExtTextOut(DC, x, y, ETO_CLIPPED, &area, P.Text, P.Length);
    SetBkMode(DC, oldMode);
    return;
  }
  ExtTextOut(DC, x, y, ETO_OPAQUE | ETO_CLIPPED, &area, P.Text, P.Length);
  FillRect(DC, {area.Right, Rect.Top, Rect.Right, Rect.Bottom}, Brush);
  if (area.Left > Rect.Left) FillRect(DC, {Rect.Left, Rect.Top, area.Left, Rect.Bottom}, Brush);
}

}  // namespace

void DrawCellTextEx(HDC DC, const TRect& Rect, const HBRUSH& Brush, TBitmap& Bitmap, const TdxCellTextParams& Params) {
  const COLORREF bk = GetBkColor(DC);
  const bool block = Params.MultiLine || Params.EndEllipsis || GetNearestColor(DC, bk) != bk;
  if (Params.PrefixMode || !block) return DrawCellTextLine(DC, Rect, Brush, Params);
  if (!Params.Buffered) return DrawCellTextBlock(DC, Rect, Brush, Params);
  PaintBuffered(DC, Rect, Bitmap, [&](HDC Bits, const TRect& R) { DrawCellTextBlock(Bits, R, Brush, Params); });
}

void DrawPreviewText(HDC DC, const TRect& Rect, const HBRUSH& Brush, TBitmap& Bitmap, const TdxPreviewTextParams& Params) {
  const auto paint = [&](HDC Target, const TRect& R) {
    FillRect(Target, R, Brush);
    const int oldMode = SetBkMode(Target, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(Target, Params.TextColor);
    const HFONT oldFont = SelectObject(Target, Params.Font);
    TRect r = R;
    InflateRect(r, -1, -1);
    r.Left += Params.Indent;
    DrawText(Target, Params.Text, -1, r, DT_END_ELLIPSIS | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK);
    SelectObject(Target, oldFont);
    SetTextColor(Target, oldColor);
    SetBkMode(Target, oldMode);
  };
  if (Params.Buffered)
    PaintBuffered(DC, Rect, Bitmap, paint);
  else
    paint(DC, Rect);
}

int CalcTextLineCount(const String& Text, int Width, int LineHeight, int MaxLineCount, const TFont* Font,
                      bool Deflate2, int Inset, int& Height) {
  Height = 0;
  if (Text.empty() || MaxLineCount == 0) return 0;
  TCanvas canvas;  // measures without a surface, as the screen does
  canvas.Font()->Assign(Font);
  if (LineHeight == 0) LineHeight = canvas.TextHeight("Wg");
  TRect r{0, 0, Width - Inset, LineHeight};
  InflateRect(r, -2, Deflate2 ? -2 : -1);
  DrawText(&canvas, Text, -1, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  Height = r.Height();
  int lines = LineHeight > 0 ? Height / LineHeight : 0;
  if (MaxLineCount != -1 && lines > MaxLineCount) {
    lines = MaxLineCount;
    Height = lines * LineHeight;
  }
  return lines;
}
