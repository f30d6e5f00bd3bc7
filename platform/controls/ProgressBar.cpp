// The progress bar: the range and the classic block drawing.
#include "controls/ProgressBar.h"

#include <algorithm>

#include "graphics/Gdi.h"
#include "rtl/Arith.h"

TProgressBar::TProgressBar(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
  SetParentColor(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 150, 16);
}

void TProgressBar::SetMin(int Value) {
  FMin = Value;
  if (FMax < FMin) FMax = FMin;
  SetPosition(FPosition);
}

void TProgressBar::SetMax(int Value) {
  FMax = Value;
  if (FMin > FMax) FMin = FMax;
  SetPosition(FPosition);
}

void TProgressBar::SetPosition(int Value) {
  FPosition = std::clamp(Value, FMin, FMax);
  Invalidate();
}

void TProgressBar::SetSmooth(bool Value) { FSmooth = Value, Invalidate(); }
void TProgressBar::SetOrientation(TProgressBarOrientation Value) { FOrientation = Value, Invalidate(); }

void TProgressBar::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  DrawEdge(canvas->Handle(), r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(r);
  InflateRect(r, -1, -1);
  const bool horizontal = FOrientation == pbHorizontal;
  const int length = horizontal ? r.Width() : r.Height();
  const int span = std::max(1, FMax - FMin);
  const int filled = MulDiv(length, std::clamp(FPosition, FMin, FMax) - FMin, span);
  canvas->Brush()->SetColor(clHighlight);
  if (FSmooth) {
    canvas->FillRect(horizontal ? TRect{r.Left, r.Top, r.Left + filled, r.Bottom} : TRect{r.Left, r.Bottom - filled, r.Right, r.Bottom});
    return;
  }
  const int block = std::max(2, ((horizontal ? r.Height() : r.Width()) * 2) / 3);
  for (int at = 0; at < filled; at += block + 2) {
    const int end = std::min(at + block, length);
    canvas->FillRect(horizontal ? TRect{r.Left + at, r.Top, r.Left + end, r.Bottom} : TRect{r.Left, r.Bottom - end, r.Right, r.Bottom - at});
  }
}
