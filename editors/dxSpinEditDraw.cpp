// The spin editors' buttons without a window: the width and place of the button column and the
// painting of the up and down buttons in the four button styles.
#include "editors/dxButtonFrame_p.h"
#include "editors/dxSpinEdit.h"
#include "graphics/Gdi.h"
#include "graphics/Metrics.h"

namespace {

// An odd-sized filled triangle centred in Face, pointing up or down.
void PaintSpinArrow(HDC DC, const TRect& Face, bool Up, TPoint Offset, int ColorIndex) {
  int s = (Face.Width() - 2) / 2;
  if (s % 2 == 0) ++s;
  const int x = (Face.Left + Face.Right - s) / 2 + Offset.X;
  const int y = (Face.Top + Face.Bottom - s / 2) / 2 - 1 + Offset.Y;
  const std::vector<TPoint> points =
      Up ? std::vector<TPoint>{{x, y + s / 2}, {x + s / 2, y}, {x + s - 1, y + s / 2}}
         : std::vector<TPoint>{{x, y + 1}, {x + s - 1, y + 1}, {x + s / 2, y + 1 + s / 2}};
  const HPEN pen = CreatePen(PS_SOLID, 1, SysColor(ColorIndex));
  const HPEN oldPen = SelectObject(DC, pen);
  const HBRUSH oldBrush = SelectObject(DC, GetSysColorBrush(ColorIndex));
  Polygon(DC, points);
  SelectObject(DC, oldBrush);
  SelectObject(DC, oldPen);
}

}  // namespace

std::unique_ptr<TdxEditViewData> TdxSpinEditClass::CreateViewDataObject() const {
  return std::make_unique<TdxSpinEditViewData>();
}

int TdxSpinEditClass::GetButtonWidth(const TdxEditViewData& ViewData) {
  const auto* vd = dynamic_cast<const TdxSpinEditViewData*>(&ViewData);
  if (!vd || !vd->ButtonsVisible) return 0;
  int w = GetSystemMetrics(SM_CXVSCROLL);
  if (w % 2 == 0) --w;
  w = std::max(w, 13);
  if (ViewData.ButtonStyle == btsFlat || ViewData.ButtonStyle == btsSimple) --w;
  return w;
}

void TdxSpinEditClass::CalcViewInfo(TdxEditViewData& ViewData, bool Calc, TdxEditViewInfo& ViewInfo) const {
  TdxTextEditClass::CalcViewInfo(ViewData, Calc, ViewInfo);
  ViewInfo.ClientRect.Right -= GetButtonWidth(ViewData);
}

// The column stands right of the narrowed edit area, inside the border, full height; the up
// button is its upper half.
TRect TdxSpinEditClass::ButtonRect(const TdxEditViewInfo& ViewInfo, const TdxEditViewData& ViewData, uint8_t Button) {
  const TRect& c = ViewInfo.ClientRect;
  TRect column{c.Right, c.Top, c.Right + GetButtonWidth(ViewData), c.Bottom};
  const int mid = (column.Top + column.Bottom) / 2;
  if (Button == sbUpButton) column.Bottom = mid;
  if (Button == sbDownButton) column.Top = mid;
  return column;
}

void TdxSpinEditClass::DrawBorder(HDC DC, const TdxEditViewInfo& ViewInfo, TdxEditViewData& ViewData) const {
  TdxTextEditClass::DrawBorder(DC, ViewInfo, ViewData);
  const auto* vd = dynamic_cast<const TdxSpinEditViewData*>(&ViewData);
  if (!vd || !vd->ButtonsVisible) return;
  for (const uint8_t button : {sbUpButton, sbDownButton}) {
    const bool hot = vd->HotButton == button;
    DrawSpinButton(DC, ButtonRect(ViewInfo, ViewData, button), vd->ButtonStyle, vd->Brush,
                   hot && vd->PressedButton == button, hot, vd->ButtonTransparent, vd->NoBackground, vd->Enabled,
                   button == sbUpButton);
  }
}

void DrawSpinButton(HDC DC, TRect Rect, TdxEditButtonViewStyle Style, const HBRUSH& Brush, bool Pressed, bool Hot,
                    bool Transparent, bool NoBackground, bool Enabled, bool Up) {
  if (Style == btsSimple && (Hot || Pressed)) Style = btsFlat;
  if (Transparent && !NoBackground) FillRect(DC, Rect, Brush);
  TdxButtonLook look{Transparent ? Brush : GetSysColorBrush(COLOR_BTNFACE), COLOR_BTNTEXT, {0, 0}};
  PaintButtonFrame(DC, Rect, Style, Pressed, Hot, Transparent || NoBackground, !Transparent, Enabled, false, Brush,
                   look);
  const TPoint shift = Pressed && Style != btsHotFlat ? TPoint{1, 1} : TPoint{0, 0};
  if (Enabled) return PaintSpinArrow(DC, Rect, Up, shift, look.GlyphColor);
  PaintSpinArrow(DC, Rect, Up, {shift.X + 1, shift.Y + 1}, COLOR_BTNHIGHLIGHT);
  PaintSpinArrow(DC, Rect, Up, shift, COLOR_BTNSHADOW);
}
