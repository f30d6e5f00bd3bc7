// TBrush.
#include "graphics/Brush.h"

void TBrush::Assign(const TPersistent* source) {
  if (const auto* brush = dynamic_cast<const TBrush*>(source)) {
    FColor = brush->FColor;
    FStyle = brush->FStyle;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

void TBrush::Changed() {
  FHandle.reset();
  TGraphicsObject::Changed();
}

void TBrush::SetColor(TColor color) {
  if (color == FColor && FStyle != TBrushStyle::bsClear) return;
  FColor = color;
  // Setting a colour makes a clear brush solid again.
  if (FStyle == TBrushStyle::bsClear) FStyle = TBrushStyle::bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  Changed();
}

HBRUSH TBrush::Handle() const {
  if (FHandle) return FHandle;
  if (FStyle == TBrushStyle::bsSolid) {
    FHandle = CreateSolidBrush(FColor);
  } else if (FStyle == TBrushStyle::bsClear) {
    FHandle = GetStockBrush(NULL_BRUSH);
  } else {
    FHandle = CreateHatchBrush(int(FStyle) - int(TBrushStyle::bsHorizontal), FColor);
  }
  return FHandle;
}
