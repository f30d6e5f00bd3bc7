// TSplitter: a bar between aligned controls that resizes the control before it when dragged.
#pragma once

#include "controls/CustomControl.h"

class TSplitter : public TGraphicControl {
 public:
  explicit TSplitter(TComponent* AOwner);
  String ClassName() const override { return "TSplitter"; }
  // The smallest size the resized control and the room after the splitter keep.
  int MinSize() const { return FMinSize; }
  void SetMinSize(int Value) { FMinSize = std::max(1, Value); }
  bool Beveled() const { return FBeveled; }
  void SetBeveled(bool Value);
  TNotifyEvent OnMoved;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  // The aligned control that touches the splitter on the side it is aligned to.
  TControl* FindControl() const;
  bool Vertical() const { return Align() == alLeft || Align() == alRight; }

  int FMinSize = 30;
  bool FBeveled = false;
  TControl* FControl = nullptr;  // while dragging
  TPoint FDownPos;
  int FStartSize = 0;
};
