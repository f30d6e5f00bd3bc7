// TBrush: the fill of a canvas, a solid colour, a hatch or nothing (bsClear).
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

  HBRUSH Handle() const;

 private:
  void Changed() override;

  TColor FColor = clWhite;
  TBrushStyle FStyle = TBrushStyle::bsSolid;
  mutable HBRUSH FHandle;
};
