// TPen.
#include "graphics/Pen.h"

#include "graphics/Canvas.h"

void TPen::Assign(const TPersistent* source) {
  if (const auto* pen = dynamic_cast<const TPen*>(source)) {
    FData = pen->FData;
    FMode = pen->FMode;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

void TPen::Changed() {
  FHandle.reset();
  TGraphicsObject::Changed();
}

void TPen::SetColor(TColor color) {
  if (color == FData.Color) return;
  FData.Color = color;
  Changed();
}

void TPen::SetWidth(int width) {
  if (width == FData.Width) return;
  FData.Width = width;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (int(style) == FData.Style) return;
  FData.Style = int(style);
  Changed();
}

void TPen::SetMode(TPenMode mode) {
  if (mode == FMode) return;
  FMode = mode;
  Changed();
}

int TPen::Rop2() const {
  static const int codes[] = {R2_BLACK, R2_WHITE, R2_NOP, R2_NOT, R2_COPYPEN, R2_NOTCOPYPEN,
                              R2_MERGEPENNOT, R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN,
                              R2_MERGEPEN, R2_NOTMERGEPEN, R2_MASKPEN, R2_NOTMASKPEN, R2_XORPEN, R2_NOTXORPEN};
  return codes[int(FMode)];
}

HPEN TPen::Handle() const {
  if (!FHandle) FHandle = std::make_shared<TPenData>(FData);
  return FHandle;
}
