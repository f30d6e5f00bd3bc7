// TPen: colour, width, style and the raster operation (Mode) that a canvas uses for lines and
// outlines.
#pragma once

#include "graphics/GdiObjects.h"
#include "graphics/GraphicsObject.h"

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TPenMode {
  pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot, pmMergeNotPen,
  pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

class TPen : public TGraphicsObject {
 public:
  void Assign(const TPersistent* source) override;
  String ClassName() const override { return "TPen"; }

  TColor Color() const { return FData.Color; }
  void SetColor(TColor color);
  int Width() const { return FData.Width; }
  void SetWidth(int width);
  TPenStyle Style() const { return TPenStyle(FData.Style); }
  void SetStyle(TPenStyle style);
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode mode);
  // The R2_ code of Mode.
  int Rop2() const;

  HPEN Handle() const;

 private:
  void Changed() override;

  TPenData FData;
  TPenMode FMode = TPenMode::pmCopy;
  mutable HPEN FHandle;
};
