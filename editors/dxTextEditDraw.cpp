// Window-less painting of a text value: the value in the forced case or as password characters,
// placed in the cell's text rectangle by the shared text painter, or measured.
#include "editors/dxDrawing.h"
#include "editors/dxTextEdit.h"
#include "rtl/Text.h"

namespace {

String ShownText(const TdxTextEditViewData& VD) {
  String text = VarToStr(VD.Value);
  if (VD.CharCase == ecUpperCase) text = AnsiUpperCase(text);
  if (VD.CharCase == ecLowerCase) text = AnsiLowerCase(text);
  if (VD.PasswordChar && !text.empty()) text = StringOfChar(VD.PasswordChar, Length(text));
  return text;
}

TRect TextRect(const TRect& Rect, const TdxTextEditViewData& VD) {
  TRect r = Rect;
  if (VD.SelectionBar) r.Left += 8;
  if (VD.StandAloneText) {
    InflateRect(r, -2, -2);
    return r;
  }
  InflateRect(r, -1, -1);
  r.Left += VD.EditOffsets.Left;
  r.Top += VD.EditOffsets.Top;
  r.Right -= VD.EditOffsets.Right;
  if (VD.Alignment == taRightJustify) --r.Right;
  return r;
}

unsigned TextFlags(const TdxTextEditViewData& VD) {
  static constexpr unsigned Align[] = {dxAlignLeft, dxAlignRight, dxAlignCenter};
  static constexpr unsigned Layout[] = {0, dxLayoutCenter, dxLayoutBottom, dxLayoutMultiLine};
  unsigned flags = Align[VD.Alignment] | Layout[VD.VertAlignment & 3];
  if (VD.StandAloneText && VD.Focused) flags |= dxFocusRect;
  if (VD.NoBackground) flags |= dxNoBackground;
  if (VD.KeepBkMode) flags |= dxKeepBkMode;
  if (VD.EndEllipsis) flags |= dxEndEllipsis;
  return flags;
}

}  // namespace

std::unique_ptr<TdxEditViewData> TdxTextEditClass::CreateViewDataObject() const {
  return std::make_unique<TdxTextEditViewData>();
}

bool TdxTextEditClass::Draw(HDC DC, const TRect& Rect, TdxEditViewData& ViewData, bool IsWindowPaint) const {
  if (IsWindowPaint && ViewData.HasEditArea) return false;
  auto& vd = static_cast<TdxTextEditViewData&>(ViewData);
  const String text = ShownText(vd);
  if (vd.TextLength == 0) vd.TextLength = Length(text);
  const TRect r = TextRect(Rect, vd);
  const unsigned flags = TextFlags(vd);
  if (!vd.CalcOnly) {
    DrawTextInRect(DC, text, vd.TextLength, Rect, r, flags, vd.Brush, vd.Font, vd.Color, vd.TextColor, nullptr);
    return true;
  }
  vd.LineCount = vd.LineHeight = 0;
  vd.TextHeight = DrawTextInRect(DC, text, vd.TextLength, Rect, r, flags | dxMeasureOnly, vd.Brush, vd.Font, vd.Color,
                                 vd.TextColor, &vd.LineHeight);
  if (vd.TextHeight != 0) vd.TextHeight -= vd.StandAloneText ? 2 : vd.EditOffsets.Top + 2;
  if (vd.LineHeight != 0) vd.LineCount = vd.TextHeight / vd.LineHeight;
  return true;
}
