// The drop-down editors' buttons without a window: their list and widths, their rectangles beside
// the edit area, and their painting in the four button styles with the arrow, ellipsis or glyph.
#include "editors/dxButtonFrame_p.h"
#include "editors/dxDrawing.h"
#include "editors/dxDropDownEdit.h"
#include "graphics/Gdi.h"
#include "graphics/Metrics.h"

namespace {

void FillWith(HDC DC, const TRect& R, int SysColor) { FillRect(DC, R, GetSysColorBrush(SysColor)); }

// A filled triangle pointing down, its base odd and half the face wide.
void PaintArrow(HDC DC, const TRect& Face, int SysColor) {
  const int base = std::max(3, (Face.Width() / 2) | 1), height = (base + 1) / 2;
  const int x = Face.Left + (Face.Width() - base) / 2, y = Face.Top + (Face.Height() - height) / 2;
  for (int row = 0; row < height; ++row) FillWith(DC, {x + row, y + row, x + base - row, y + row + 1}, SysColor);
}

// Three square dots one dot apart.
void PaintEllipsis(HDC DC, const TRect& Face, int DotSize, int SysColor) {
  const int x = Face.Left + (Face.Width() - 5 * DotSize) / 2, y = Face.Top + (Face.Height() - DotSize) / 2;
  for (int i = 0; i < 3; ++i) FillWith(DC, {x + 2 * i * DotSize, y, x + (2 * i + 1) * DotSize, y + DotSize}, SysColor);
}

void PaintGlyph(HDC DC, const TdxDropDownEditViewData& VD, const TdxEditButtonViewInfo& Button, const TBitmap* Glyph,
                TRect Face, const TdxButtonLook& Look) {
  OffsetRect(Face, Look.Shift.X, Look.Shift.Y);
  if (Button.Kind == ebkGlyph && Glyph) {
    const int w = Glyph->Width(), h = Glyph->Height();
    const int x = Face.Left + (Face.Width() - w) / 2, y = Face.Top + (Face.Height() - h) / 2;
    DrawTransparentBitmap(DC, Look.Background, {x, y, x + w, y + h}, *Glyph);
    return;
  }
  const bool narrowStyle = VD.ButtonStyle == btsFlat || VD.ButtonStyle == btsSimple;
  const int dot = Button.Bounds.Width() + (narrowStyle ? 1 : 0) >= 16 ? 2 : 1;
  auto paint = [&](const TRect& R, int SysColor) {
    if (Button.Kind == ebkEllipsis) PaintEllipsis(DC, R, dot, SysColor);
    else PaintArrow(DC, R, SysColor);
  };
  if (VD.Enabled) return paint(Face, Look.GlyphColor);
  TRect shifted = Face;
  OffsetRect(shifted, 1, 1);
  paint(shifted, COLOR_BTNHIGHLIGHT);
  paint(Face, COLOR_BTNSHADOW);
}

// Each style paints its frame and fill and leaves R at the face where the glyph goes.
void Paint3D(HDC DC, TRect& R, bool Pressed, bool Fill, const TdxButtonLook& Look) {
  if (Pressed) {
    DrawEdge(DC, R, BDR_RAISEDINNER, BF_BOTTOMRIGHT | BF_ADJUST);
    DrawEdge(DC, R, BDR_SUNKENOUTER, BF_TOPLEFT | BF_ADJUST);
  } else {
    DrawEdge(DC, R, EDGE_RAISED, BF_RECT | BF_ADJUST);
  }
  if (Fill) FillRect(DC, R, Look.Background);
}

void PaintFlat(HDC DC, TRect& R, bool Pressed, bool Transparent, bool Fill, const TdxButtonLook& Look) {
  if (!Transparent) {
    FillWith(DC, {R.Left, R.Top, R.Left + 1, R.Bottom}, COLOR_BTNFACE);
    ++R.Left;
  }
  DrawEdge(DC, R, Pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
  if (Fill) FillRect(DC, R, Look.Background);
}

void PaintSimple(HDC DC, TRect& R, bool Transparent, bool Fill, const HBRUSH& HostBrush, const TdxButtonLook& Look) {
  if (Transparent) {
    InflateRect(R, -1, -1);
    return;
  }
  FrameRect(DC, R, HostBrush);
  InflateRect(R, -1, -1);
  FillRect(DC, {R.Left, R.Top, R.Left + 1, R.Bottom}, HostBrush);
  ++R.Left;
  if (Fill) FillRect(DC, R, Look.Background);
}

void PaintHotFlat(HDC DC, TRect& R, bool Pressed, bool Hot, bool Transparent, bool Enabled, bool Bitmap,
                  TdxButtonLook& Look) {
  FrameRect(DC, R, GetSysColorBrush(COLOR_BTNSHADOW));
  InflateRect(R, -1, -1);
  if ((Hot || Pressed) && !Transparent) Look.GlyphColor = COLOR_WINDOW;
  if ((Hot || Pressed) && Transparent && !Pressed) Look.GlyphColor = COLOR_BTNSHADOW;
  if (Bitmap || !Enabled || !(Pressed || Hot))
    FillRect(DC, R, Look.Background);
  else
    FillWith(DC, R, Pressed ? COLOR_BTNTEXT : COLOR_BTNSHADOW);
}

}  // namespace

void PaintButtonFrame(HDC DC, TRect& Face, TdxEditButtonViewStyle Style, bool Pressed, bool Hot, bool Transparent,
                      bool Fill, bool Enabled, bool Bitmap, const HBRUSH& HostBrush, TdxButtonLook& Look) {
  switch (Style) {
    case btsFlat: PaintFlat(DC, Face, Pressed, Transparent, Fill, Look); break;
    case btsSimple: PaintSimple(DC, Face, Transparent, !Bitmap, HostBrush, Look); break;
    case btsHotFlat: PaintHotFlat(DC, Face, Pressed, Hot, Transparent, Enabled, Bitmap, Look); break;
    default: Paint3D(DC, Face, Pressed, Fill, Look); break;
  }
}

const TBitmap* TdxDropDownEditViewData::GlyphOf(int ButtonIndex) const {
  const auto index = static_cast<size_t>(ButtonIndex);
  return index < ButtonGlyphs.size() && ButtonGlyphs[index] ? ButtonGlyphs[index] : Glyph;
}

std::unique_ptr<TdxEditViewData> TdxDropDownEditClass::CreateViewDataObject() const {
  return std::make_unique<TdxDropDownEditViewData>();
}

void TdxDropDownEditClass::CalcButtonsViewInfo(TdxDropDownEditViewData& ViewData) const {
  ViewData.Buttons.clear();
  if (ViewData.ButtonsHidden) return;
  TdxEditButtonViewInfo button;
  button.Kind = ViewData.Glyph && !ViewData.Glyph->Empty() ? ebkGlyph : ebkDropDown;
  ViewData.Buttons.push_back(button);
  ViewData.Buttons[0].Width = GetButtonWidth(ViewData, 0);
}

int TdxDropDownEditClass::GetButtonWidth(const TdxDropDownEditViewData& ViewData, int ButtonIndex) {
  const TdxEditButtonViewInfo& button = ViewData.Buttons.at(static_cast<size_t>(ButtonIndex));
  const bool narrow = ViewData.ButtonStyle == btsFlat || ViewData.ButtonStyle == btsSimple;
  const TBitmap* glyph = ViewData.GlyphOf(ButtonIndex);
  if (button.Kind == ebkGlyph && glyph && !glyph->Empty())
    return glyph->Width() + 2 + (ViewData.ButtonStyle == bts3D ? 2 : narrow ? 1 : 0);
  return GetSystemMetrics(SM_CXVSCROLL) - (narrow ? 1 : 0);
}

void TdxDropDownEditClass::CalcViewInfo(TdxEditViewData& ViewData, bool Calc, TdxEditViewInfo& ViewInfo) const {
  TdxTextEditClass::CalcViewInfo(ViewData, Calc, ViewInfo);
  auto* vd = dynamic_cast<TdxDropDownEditViewData*>(&ViewData);
  if (!vd) return;
  CalcButtonsViewInfo(*vd);
  TRect& c = ViewInfo.ClientRect;
  for (TdxEditButtonViewInfo& b : vd->Buttons) {
    if (b.LeftSide) {
      b.Bounds = {c.Left, c.Top, c.Left + b.Width, c.Bottom};
      c.Left += b.Width;
    } else {
      b.Bounds = {c.Right - b.Width, c.Top, c.Right, c.Bottom};
      c.Right -= b.Width;
    }
  }
}

void TdxDropDownEditClass::DrawBorder(HDC DC, const TdxEditViewInfo& ViewInfo, TdxEditViewData& ViewData) const {
  TdxTextEditClass::DrawBorder(DC, ViewInfo, ViewData);
  if (const auto* vd = dynamic_cast<const TdxDropDownEditViewData*>(&ViewData))
    for (size_t i = 0; i < vd->Buttons.size(); ++i) DrawButton(DC, *vd, static_cast<int>(i));
}

// A simple button looks flat while it is pressed or hot; a pressed glyph moves down and right.
void TdxDropDownEditClass::DrawButton(HDC DC, const TdxDropDownEditViewData& VD, int ButtonIndex) {
  const TdxEditButtonViewInfo& button = VD.Buttons.at(static_cast<size_t>(ButtonIndex));
  const bool pressed = VD.PressedButton == ButtonIndex, hot = VD.HotButton == ButtonIndex;
  const bool transparent = VD.ButtonTransparent || VD.TransparentButtons;
  const TBitmap* glyph = VD.GlyphOf(ButtonIndex);
  const bool bitmap = button.Kind == ebkGlyph && glyph;
  TdxEditButtonViewStyle style = VD.ButtonStyle;
  if (style == btsSimple && (pressed || hot)) style = btsFlat;
  TdxButtonLook look{transparent ? VD.Brush : GetSysColorBrush(COLOR_BTNFACE), COLOR_BTNTEXT, {0, 0}};
  const bool fill = !transparent && !bitmap;
  TRect face = button.Bounds;
  PaintButtonFrame(DC, face, style, pressed, hot, transparent, fill, VD.Enabled, bitmap, VD.Brush, look);
  if (bitmap && style != btsHotFlat) FillRect(DC, face, look.Background);
  if (pressed && style != btsHotFlat) look.Shift = bitmap && style == bts3D ? TPoint{2, 2} : TPoint{1, 1};
  PaintGlyph(DC, VD, button, glyph, face, look);
}
