// Shared drawing and input rules of the standard controls.
#include "controls/StdPaint.h"

#include <climits>

#include "graphics/Gdi.h"
#include "rtl/Text.h"
#include "windows/Paint.h"
#include "windows/Scrolling.h"

int DrawCaption(TCanvas* Canvas, const String& Text, TRect Rect, unsigned Format, bool Enabled) {
  Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  HDC dc = Canvas->Handle();
  if (Enabled) {
    SetTextColor(dc, ColorToRGB(Canvas->Font()->Color()));
    return DrawText(dc, Text, -1, Rect, Format);
  }
  TRect shifted = Rect;
  OffsetRect(shifted, 1, 1);
  SetTextColor(dc, ColorToRGB(clBtnHighlight));
  DrawText(dc, Text, -1, shifted, Format);
  SetTextColor(dc, ColorToRGB(clBtnShadow));
  return DrawText(dc, Text, -1, Rect, Format);
}

bool IsAccel(TKeyChar Key, const String& Caption) {
  const std::u32string chars = ToCodePoints(Caption);
  for (size_t i = 0; i + 1 < chars.size(); ++i) {
    if (chars[i] != U'&') continue;
    if (chars[i + 1] == U'&') {
      ++i;
      continue;
    }
    const String a = AnsiUpperCase(CodePointToUtf8(chars[i + 1]));
    return a == AnsiUpperCase(CodePointToUtf8(Key));
  }
  return false;
}

void FocusOnPress(TWinControl* Control) {
  if (!Control->Focused() && Control->CanFocus()) Control->SetFocus();
}

TRect DrawSunkenBorder(TCanvas* Canvas, const TRect& Rect, int Style) {
  TRect r = Rect;
  if (Style == bsSingle) DrawEdge(Canvas->Handle(), r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  return r;
}

DWORD BorderExStyle(TBorderStyle Style) { return Style == bsSingle ? DWORD(WS_EX_CLIENTEDGE) : 0u; }

void SetListScrollBar(HWND Wnd, int Count, int Page, int Top) {
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMax = std::max(Count - 1, 0);
  info.nPage = static_cast<UINT>(std::max(Page, 1));
  info.nPos = Top;
  // Filling a list moves the bar many times: it is drawn once, with the next paint.
  SetScrollInfo(Wnd, SB_VERT, info, false);
  InvalidateFrame(Wnd);
}

int ListScrollTarget(HWND Wnd, WPARAM WParam, int Top, int Page) {
  switch (LOWORD(WParam)) {
    case SB_LINEUP: return Top - 1;
    case SB_LINEDOWN: return Top + 1;
    case SB_PAGEUP: return Top - Page;
    case SB_PAGEDOWN: return Top + Page;
    case SB_TOP: return 0;
    case SB_BOTTOM: return INT_MAX;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info;
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(Wnd, SB_VERT, info);
      return info.nTrackPos;
    }
    default: return Top;
  }
}

int ListWheelTarget(WPARAM WParam, int Top) { return Top - GET_WHEEL_DELTA_WPARAM(WParam) / WHEEL_DELTA * 3; }
