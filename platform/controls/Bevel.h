// TBevel: a lowered or raised box, frame or line, drawn on its parent.
#pragma once

#include "controls/CustomControl.h"

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
inline constexpr const char* BevelShapeNames[] = {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"};
enum TBevelStyle { bsLowered, bsRaised };
inline constexpr const char* BevelStyleNames[] = {"bsLowered", "bsRaised"};

class TBevel : public TGraphicControl {
 public:
  explicit TBevel(TComponent* AOwner);
  String ClassName() const override { return "TBevel"; }
  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape Value);
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle Value);

 protected:
  void Paint() override;

 private:
  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
};
