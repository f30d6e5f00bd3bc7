// Shared drawing and input rules of the standard controls.
#include "controls/StdPaint.h"

#include "graphics/Gdi.h"
#include "rtl/Text.h"

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
