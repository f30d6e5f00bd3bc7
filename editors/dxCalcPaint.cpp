// The calculator's painting: each button's frame in its style, its caption in its colour (greyed,
// embossed when disabled, moved while pressed), the optional inner frame and the focus frame of
// "=".
#include "editors/dxCalc.h"
#include "graphics/Gdi.h"
#include "windows/Focus.h"

void TCustomdxCalculator::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.Font()->Assign(Font());
  if (FAutoFontSize) {
    canvas.Font()->SetSize(FLayout.FontSize);
    canvas.Font()->SetStyle(FLayout.FontSize >= 10 ? TFontStyles(fsBold) : TFontStyles(0));
  }
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(ClientRect());
  for (const TdxCalcButtonInfo& button : FButtons) PaintButton(canvas, button);
}

void TCustomdxCalculator::PaintButton(TCanvas& Canvas, const TdxCalcButtonInfo& Button) {
  TRect r = Button.Bounds;
  const bool grayed = IsButtonGrayed(Button.Code), down = IsButtonDown(Button.Code);
  Canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
  Canvas.Brush()->SetColor(Color());
  Canvas.FillRect(r);
  const bool edge = FButtonStyle == bsFlat || (FButtonStyle == bsExtraFlat && (down || Button.Code == FHotButton));
  if (FButtonStyle == bsStandard)
    DrawFrameControl(&Canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? unsigned(DFCS_PUSHED) : 0u));
  else if (edge)
    DrawEdge(&Canvas, r, down ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  TRect text = Button.Bounds;
  if (down) OffsetRect(text, 2, 2);
  constexpr unsigned Format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS;
  Canvas.Brush()->SetStyle(TBrushStyle::bsClear);
  if (Enabled()) {
    Canvas.Font()->SetColor(grayed ? clBtnShadow : Button.Color);
    DrawText(&Canvas, Button.Caption, -1, text, Format);
  } else {
    TRect embossed = text;
    OffsetRect(embossed, 1, 1);
    Canvas.Font()->SetColor(clBtnHighlight);
    DrawText(&Canvas, Button.Caption, -1, embossed, Format);
    Canvas.Font()->SetColor(clBtnShadow);
    DrawText(&Canvas, Button.Caption, -1, text, Format);
  }
  if (FShowButtonFrame) {
    TRect frame = Button.Bounds;
    InflateRect(frame, -3, -3);
    if (down) OffsetRect(frame, 1, 1);
    Canvas.Pen()->SetColor(clBtnShadow);
    Canvas.RoundRect(frame.Left, frame.Top, frame.Right, frame.Bottom, 4, 4);
  }
  Canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
  if (Button.Code == calcEquals && FShowFocusRect && HandleAllocated() && GetFocus() == Handle()) {
    TRect focus = Button.Bounds;
    InflateRect(focus, -3, -3);
    Canvas.DrawFocusRect(focus);
  }
}
