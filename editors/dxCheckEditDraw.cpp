// Window-less painting of check editors: the box by the frame-control routine in the look of the
// style's border (or an image of the glyph strip), and the caption beside it.
#include "editors/dxCheckEdit.h"
#include "editors/dxDrawing.h"
#include "editors/dxEditStyle.h"
#include "editors/dxExEdtr.h"
#include "graphics/Gdi.h"

namespace {

int StateOf(const TdxCheckEditViewData& VD) {
  if (VD.Value.IsNull() || VD.Value.IsEmpty()) return cbsUnchecked;
  return std::clamp(VD.Value.AsInteger(), 0, 2);
}

unsigned BoxState(const TdxCheckEditViewData& VD, int State) {
  if (!VD.Enabled) return DFCS_BUTTON3STATE | DFCS_PUSHED | (State == cbsUnchecked ? DFCS_INACTIVE : DFCS_CHECKED);
  static constexpr unsigned Grayed[] = {0, DFCS_INACTIVE, DFCS_CHECKED};
  unsigned state = 0;
  if (State == cbsChecked) state = DFCS_CHECKED;
  if (State == cbsGrayed) state = DFCS_BUTTON3STATE | Grayed[VD.ShowNullFieldStyle];
  if (VD.Pressed) state |= DFCS_PUSHED;
  return state;
}

// Thick and flat borders draw the box one pixel larger under a clip and put their own frame on it.
void DrawStandardBox(HDC DC, const TRect& Box, unsigned State, TdxEditBorderStyle Border) {
  if (Border != xbsSingle) State |= DFCS_FLAT;
  if (Border != xbsThick && Border != xbsFlat) {
    TRect r = Box;
    DrawFrameControl(DC, r, DFC_BUTTON, DFCS_BUTTONCHECK | State);
    return;
  }
  TRect clip = Box;
  if (Border == xbsThick) InflateRect(clip, -1, -1);
  const int saved = SaveDC(DC);
  IntersectClipRect(DC, clip.Left, clip.Top, clip.Right, clip.Bottom);
  TRect larger = Box;
  InflateRect(larger, 1, 1);
  DrawFrameControl(DC, larger, DFC_BUTTON, DFCS_BUTTONCHECK | State);
  RestoreDC(DC, saved);
  TRect r = Box;
  if (Border == xbsThick) {
    DrawEdge(DC, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    DrawEdge(DC, r, BDR_SUNKENINNER, BF_RECT | BF_FLAT);
  } else {
    FrameRect(DC, r, GetSysColorBrush(COLOR_BTNSHADOW));
  }
}

void DrawGlyph(HDC DC, const TRect& Box, const TdxCheckEditViewData& VD, int State) {
  TBitmap strip;
  strip.Assign(VD.Glyph);
  const int w = strip.Width() / VD.GlyphCount, h = strip.Height();
  const int index = TdxCheckEditClass::GlyphIndex(State, VD.Pressed, VD.GlyphCount);
  TBitmap image(w, h);
  BitBlt(image.Canvas()->Handle(), 0, 0, w, h, strip.Canvas()->Handle(), index * w, 0, SRCCOPY);
  image.SetTransparentColor(strip.TransparentColor());
  DrawTransparentBitmap(DC, VD.Brush, Box, image);
}

unsigned CaptionFlags(const TdxCheckEditViewData& VD) {
  static constexpr unsigned Layout[] = {0, dxLayoutCenter, dxLayoutBottom, dxLayoutMultiLine};
  // Drawn as formatted text, so that the caption's "&" underlines its accelerator.
  unsigned flags = (VD.Alignment == taRightJustify ? dxAlignRight : dxAlignLeft) | Layout[VD.VertAlignment & 3] | dxForceWrap;
  if (VD.NoBackground) flags |= dxNoBackground;
  if (VD.KeepBkMode) flags |= dxKeepBkMode;
  if (VD.ShowFocusRect && VD.Focused && VD.Enabled) flags |= dxFocusRect | dxFocusFollowsText;
  return flags;
}

// A disabled caption is embossed: highlight one pixel down and right, shadow over it.
void DrawCaption(HDC DC, const TRect& Cell, const TRect& Area, const TdxCheckEditViewData& VD) {
  const unsigned flags = CaptionFlags(VD);
  if (VD.Enabled) {
    DrawTextInRect(DC, VD.Caption, -1, Cell, Area, flags, VD.Brush, VD.Font, VD.Color, VD.TextColor, nullptr);
    return;
  }
  TRect shifted = Area;
  OffsetRect(shifted, 1, 1);
  DrawTextInRect(DC, VD.Caption, -1, Cell, shifted, flags, VD.Brush, VD.Font, VD.Color, GetSysColor(COLOR_BTNHIGHLIGHT),
                 nullptr);
  DrawTextInRect(DC, VD.Caption, -1, Cell, Area, flags | dxNoBackground, VD.Brush, VD.Font, VD.Color,
                 GetSysColor(COLOR_BTNSHADOW), nullptr);
}

}  // namespace

std::unique_ptr<TdxEditStyle> TdxCheckEditClass::CreateStyle(TdxInplaceEdit* Edit) const {
  return std::make_unique<TdxCheckEditStyle>(Edit);
}

std::unique_ptr<TdxEditViewData> TdxCheckEditClass::CreateViewDataObject() const {
  return std::make_unique<TdxCheckEditViewData>();
}

bool TdxCheckEditClass::GetGlyphSize(const TBitmap* Glyph, int GlyphCount, int& Width, int& Height) {
  if (Glyph && !Glyph->Empty() && GlyphCount >= 1) {
    Width = Glyph->Width() / GlyphCount;
    Height = Glyph->Height();
    return true;
  }
  const TSize size = dxEditorResources().CheckGlyphSize;
  Width = size.cx;
  Height = size.cy;
  return false;
}

void TdxCheckEditClass::CalcCheckRect(int GlyphWidth, int GlyphHeight, TRect& BoxRect, TRect& ContentRect,
                                      TAlignment Alignment) {
  TRect& c = ContentRect;
  if (Alignment == taCenter) {
    const int left = c.Left + (c.Width() - GlyphWidth) / 2, top = c.Top + (c.Height() - GlyphHeight) / 2;
    BoxRect = {left, top, left + GlyphWidth, top + GlyphHeight};
    c = TRect{};
    return;
  }
  InflateRect(c, -2, -2);
  const int top = c.Top + (c.Height() - GlyphHeight) / 2;
  if (Alignment == taLeftJustify) {
    BoxRect = {c.Left, top, c.Left + GlyphWidth, top + GlyphHeight};
    c.Left += GlyphWidth + 3;
  } else {
    BoxRect = {c.Right - GlyphWidth, top, c.Right, top + GlyphHeight};
    c.Right -= GlyphWidth + 3;
  }
}

// A strip of three images has no pressed ones; an index past a shorter strip comes back into it.
int TdxCheckEditClass::GlyphIndex(int State, bool Pressed, int GlyphCount) {
  int index = State + (Pressed ? 3 : 0);
  while (index >= GlyphCount && index > 2) index %= 3;
  return GlyphCount > 0 ? index % GlyphCount : 0;
}

bool TdxCheckEditClass::Draw(HDC DC, const TRect& Rect, TdxEditViewData& ViewData, bool IsWindowPaint) const {
  (void)IsWindowPaint;
  auto& vd = static_cast<TdxCheckEditViewData&>(ViewData);
  int w = 0, h = 0;
  const bool custom = GetGlyphSize(vd.Glyph, vd.GlyphCount, w, h);
  if (vd.CalcOnly) {
    vd.TextHeight = h;
    return true;
  }
  TRect box, area = Rect;
  CalcCheckRect(w, h, box, area, vd.Alignment);
  if (vd.Alignment == taCenter) {
    if (!vd.NoBackground) FillRect(DC, Rect, vd.Brush);
  } else {
    DrawCaption(DC, Rect, area, vd);
  }
  const int state = StateOf(vd);
  if (custom)
    DrawGlyph(DC, box, vd, state);
  else
    DrawStandardBox(DC, box, BoxState(vd, state), vd.BorderStyle);
  return true;
}

int TdxCheckEditClass::GetEditHeight(const TdxEditViewData& ViewData) const {
  const auto& vd = static_cast<const TdxCheckEditViewData&>(ViewData);
  int w = 0, h = 0;
  GetGlyphSize(vd.Glyph, vd.GlyphCount, w, h);
  int height = std::max(TdxInplaceEditClass::GetEditHeight(ViewData), h);
  if (vd.Alignment != taCenter) {
    int lineHeight = 0;
    const TRect r{0, 0, 10000, 0};
    const int caption = DrawTextInRect(&ScreenCanvas(), vd.Caption, -1, r, r, CaptionFlags(vd) | dxMeasureOnly, vd.Brush,
                                       vd.Font, vd.Color, vd.TextColor, &lineHeight);
    height = std::max(height, caption + 4);
  }
  return height;
}
