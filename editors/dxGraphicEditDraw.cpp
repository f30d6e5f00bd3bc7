// The graphic editors' cells without a window: the picture's size, and its painting fitted or
// centred and clipped, the empty cell's text, the focus frame of a stand-alone editor and the
// selection shading.
#include "editors/dxDrawing.h"
#include "editors/dxGraphicEdit.h"
#include "graphics/Gdi.h"

namespace {

bool HasPicture(const TdxGraphicEditViewData* VD) { return VD && !IsPictureEmpty(VD->Picture); }

void FrameFocused(HDC DC, TRect& R, const TdxGraphicEditViewData& VD) {
  if (!(VD.StandAlone && VD.Focused)) return;
  FrameRect(DC, R, GetSysColorBrush(COLOR_WINDOWFRAME));
  InflateRect(R, -1, -1);
}

void DrawEmpty(HDC DC, TRect R, TdxGraphicEditViewData& VD) {
  FrameFocused(DC, R, VD);
  const String text = VarToStr(VD.Value);
  if (text.empty()) {
    FillRect(DC, R, VD.Brush);
    return;
  }
  DrawTextInRect(DC, text, 0, R, R, static_cast<unsigned>(VD.Alignment), VD.Brush, VD.Font, VD.Color, VD.TextColor,
                 nullptr);
}

// A transparent graphic goes over the background; an opaque one is drawn first and the background
// fills what it leaves.
void DrawPicture(HDC DC, TRect R, TdxGraphicEditViewData& VD) {
  FrameFocused(DC, R, VD);
  IntersectClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
  TRect content = R;
  content.Left += VD.EditOffsets.Left;
  content.Top += VD.EditOffsets.Top;
  content.Right -= VD.EditOffsets.Right;
  content.Bottom -= VD.EditOffsets.Bottom;
  const TGraphic* graphic = VD.Picture->Graphic();
  const TRect at = PicturePaintRect(content, graphic->Width(), graphic->Height(), VD.Stretch, VD.Center);
  if (graphic->Transparent()) {
    FillRect(DC, R, VD.Brush);
    DC->StretchDraw(at, graphic);
  } else {
    DC->StretchDraw(at, graphic);
    ExcludeClipRect(DC, at.Left, at.Top, at.Right, at.Bottom);
    FillRect(DC, R, VD.Brush);
  }
}

}  // namespace

std::unique_ptr<TdxEditViewData> TdxGraphicEditClass::CreateViewDataObject() const {
  return std::make_unique<TdxGraphicEditViewData>();
}

void TdxGraphicEditClass::CalcViewInfo(TdxEditViewData& ViewData, bool Calc, TdxEditViewInfo& ViewInfo) const {
  TdxInplaceEditClass::CalcViewInfo(ViewData, Calc && HasPicture(dynamic_cast<TdxGraphicEditViewData*>(&ViewData)),
                                    ViewInfo);
}

void TdxGraphicEditClass::GetContentSize(const TdxEditViewData& ViewData, TRect& Size) const {
  const auto* vd = dynamic_cast<const TdxGraphicEditViewData*>(&ViewData);
  if (!HasPicture(vd)) return TdxInplaceEditClass::GetContentSize(ViewData, Size);
  Size = {0, 0, vd->Picture->Width(), vd->Picture->Height()};
}

bool TdxGraphicEditClass::Draw(HDC DC, const TRect& Rect, TdxEditViewData& ViewData, bool IsWindowPaint) const {
  auto* vd = dynamic_cast<TdxGraphicEditViewData*>(&ViewData);
  if (!vd) return TdxInplaceEditClass::Draw(DC, Rect, ViewData, IsWindowPaint);
  if (vd->CalcOnly) {
    vd->TextHeight = HasPicture(vd) && !vd->Stretch ? vd->Picture->Height() : 0;
    return true;
  }
  const int saved = SaveDC(DC);
  if (HasPicture(vd))
    DrawPicture(DC, Rect, *vd);
  else
    DrawEmpty(DC, Rect, *vd);
  RestoreDC(DC, saved);
  if (vd->ShadowSelection) DitherRect(DC, Rect, vd->SelectionColor);
  return true;
}
