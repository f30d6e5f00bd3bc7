// The text painter of cells and editors: wrapped output through DrawText when the text needs it
// and the flags allow it, else one clipped line through ExtTextOut; measuring takes the same path.
#include "editors/dxDrawing.h"

#include "graphics/Gdi.h"

namespace {

struct TTextPass {
  HDC DC;
  const String& Text;
  int Count;
  const TRect& CellRect;
  const TRect& TextRect;
  unsigned Flags;
  const HBRUSH& Brush;
  TSize Extent;
  bool TooWide = false;
  int MeasuredHeight = 0;
  TRect FocusRect;

  bool Measuring() const { return (Flags & dxMeasureOnly) != 0; }
  bool Has(unsigned Flag) const { return (Flags & Flag) != 0; }
  unsigned Layout() const { return Flags & dxLayoutMask; }
};

// Wrapped output when forced, multi-line, or when a too wide or broken text may be wrapped or
// shortened; a forced or multi-line text never goes unclipped.
bool ChooseWrapped(TTextPass& P) {
  if (P.Has(dxForceWrap) || P.Layout() == dxLayoutMultiLine) {
    P.TooWide = true;
    return true;
  }
  P.TooWide = P.TextRect.Width() < P.Extent.cx;
  const bool broken = P.Text.find_first_of("\r\n") != String::npos;
  return (P.TooWide || broken) && P.Has(dxEndEllipsis | dxPathEllipsis | dxLayoutMultiLine);
}

unsigned WrappedFormat(const TTextPass& P) {
  static constexpr unsigned Align[] = {DT_LEFT, DT_CENTER, DT_RIGHT, DT_LEFT};
  unsigned format = Align[P.Flags & dxAlignMask] | DT_EXPANDTABS;
  if (!P.TooWide) format |= DT_NOCLIP;
  if (!P.Has(dxForceWrap)) format |= DT_NOPREFIX;
  if (P.Has(dxEndEllipsis)) format |= DT_END_ELLIPSIS;
  if (P.Has(dxPathEllipsis)) format |= DT_PATH_ELLIPSIS;
  switch (P.Layout()) {
    case dxLayoutCenter: return format | DT_VCENTER | DT_SINGLELINE;
    case dxLayoutBottom: return format | DT_BOTTOM | DT_SINGLELINE;
    case dxLayoutMultiLine: return format | DT_WORDBREAK;
    default: return format | DT_SINGLELINE;
  }
}

void PaintWrapped(TTextPass& P) {
  const unsigned format = WrappedFormat(P);
  if (P.Measuring()) {
    TRect r = P.TextRect;
    DrawText(P.DC, P.Text, -1, r, format | DT_CALCRECT);
    P.MeasuredHeight = r.Height();
    return;
  }
  if (!P.Has(dxNoBackground)) FillRect(P.DC, P.CellRect, P.Brush);
  const int mode = P.Has(dxKeepBkMode) ? 0 : SetBkMode(P.DC, TRANSPARENT);
  TRect r = P.TextRect;
  DrawText(P.DC, P.Text, P.Count, r, format);
  if (mode) SetBkMode(P.DC, mode);
  P.FocusRect = P.TextRect;
  if (P.Has(dxFocusRect) && P.Has(dxFocusFollowsText)) {
    DrawText(P.DC, P.Text, P.Count, P.FocusRect, format | DT_CALCRECT);
    if (P.Layout() != dxLayoutMultiLine) P.FocusRect.Top = P.FocusRect.Bottom - P.Extent.cy;
  }
}

void PaintSingleLine(TTextPass& P) {
  P.MeasuredHeight = P.Extent.cy;
  P.FocusRect = P.TextRect;
  if (P.Measuring()) return;
  TRect clip = P.CellRect;
  if (P.TooWide) {
    if (!P.Has(dxNoBackground))
      FillRect(P.DC, {P.TextRect.Right, P.CellRect.Top, P.CellRect.Right, P.CellRect.Bottom}, P.Brush);
    clip.Right = P.TextRect.Right;
  }
  const TRect& t = P.TextRect;
  int x = t.Left;
  if (!P.TooWide && (P.Flags & dxAlignMask) == dxAlignCenter) x = (t.Left + t.Right - P.Extent.cx) / 2;
  if (!P.TooWide && (P.Flags & dxAlignMask) == dxAlignRight) x = t.Right - P.Extent.cx;
  int y = t.Top;
  if (P.Layout() == dxLayoutCenter) y = (t.Top + t.Bottom - P.Extent.cy) / 2;
  if (P.Layout() == dxLayoutBottom) y = t.Bottom - P.Extent.cy;
  if (P.Has(dxNoBackground)) {
    const int mode = P.Has(dxKeepBkMode) ? 0 : SetBkMode(P.DC, TRANSPARENT);
    ExtTextOut(P.DC, x, y, ETO_CLIPPED, &clip, P.Text, P.Count);
    if (mode) SetBkMode(P.DC, mode);
  } else {
    ExtTextOut(P.DC, x, y, ETO_OPAQUE | ETO_CLIPPED, &clip, P.Text, P.Count);
  }
}

void PaintFocusRect(const TTextPass& P) {
  if (!P.Has(dxFocusRect) || P.Measuring()) return;
  if (P.Has(dxFocusFollowsText) && P.Count == 0) return;
  TRect r = P.FocusRect;
  InflateRect(r, 1, 1);
  const COLORREF bk = SetBkColor(P.DC, RGB(0, 0, 0));
  const COLORREF text = SetTextColor(P.DC, RGB(255, 255, 255));
  DrawFocusRect(P.DC, r);
  SetBkColor(P.DC, bk);
  SetTextColor(P.DC, text);
}

}  // namespace

int DrawTextInRect(HDC DC, const String& Text, int Count, const TRect& CellRect, const TRect& TextRect, unsigned Flags,
                   const HBRUSH& Brush, const HFONT& Font, COLORREF BkColor, COLORREF TextColor, int* LineHeight) {
  const HFONT oldFont = SelectObject(DC, Font);
  const COLORREF oldBk = SetBkColor(DC, BkColor);
  const COLORREF oldText = SetTextColor(DC, TextColor);
  TTextPass pass{DC, Text, Count < 0 ? -1 : Count, CellRect, TextRect, Flags, Brush, {}, false, 0, {}};
  GetTextExtentPoint32(DC, Text, pass.Extent);
  int answer = 0;
  const bool emptyLine = pass.Measuring() && LineHeight && (*LineHeight = pass.Extent.cy) == 0;
  if (!emptyLine) {
    if (ChooseWrapped(pass))
      PaintWrapped(pass);
    else
      PaintSingleLine(pass);
    if (pass.Measuring()) answer = CellRect.Height() - TextRect.Height() + pass.MeasuredHeight;
    PaintFocusRect(pass);
  }
  SetTextColor(DC, oldText);
  SetBkColor(DC, oldBk);
  SelectObject(DC, oldFont);
  return answer;
}
