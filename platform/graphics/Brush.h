// TBrush: the fill of a canvas, a solid colour, a hatch, nothing (bsClear) or a bitmap pattern.
#pragma once

#include "graphics/GdiObjects.h"
#include "graphics/GraphicsObject.h"

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
 public:
  void Assign(const TPersistent* source) override;
  String ClassName() const override { return "TBrush"; }

  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle style);
  // A pattern bitmap, not owned; its pixels are copied when the handle is made. nullptr for none.
  TBitmap* Bitmap() const { return FBitmap; }
  void SetBitmap(TBitmap* bitmap);

  HBRUSH Handle() const;

 private:
  void Changed() override;

  TColor FColor = clWhite;
  TBrushStyle FStyle = TBrushStyle::bsSolid;
  TBitmap* FBitmap = nullptr;
  mutable HBRUSH FHandle;
};
