// TProgressBar: a sunken bar filled in blocks (or smoothly) from Min to Position; StepIt and
// StepBy stop at Max.
#pragma once

#include "controls/CustomControl.h"

enum TProgressBarOrientation { pbHorizontal, pbVertical };
inline constexpr const char* ProgressBarOrientationNames[] = {"pbHorizontal", "pbVertical"};

class TProgressBar : public TCustomControl {
 public:
  explicit TProgressBar(TComponent* AOwner);
  String ClassName() const override { return "TProgressBar"; }
  int Min() const { return FMin; }
  void SetMin(int Value);
  int Max() const { return FMax; }
  void SetMax(int Value);
  int Position() const { return FPosition; }
  // Kept within Min and Max.
  void SetPosition(int Value);
  int Step() const { return FStep; }
  void SetStep(int Value) { FStep = Value; }
  void StepIt() { StepBy(FStep); }
  void StepBy(int Delta) { SetPosition(FPosition + Delta); }
  bool Smooth() const { return FSmooth; }
  void SetSmooth(bool Value);
  TProgressBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TProgressBarOrientation Value);

 protected:
  void Paint() override;

 private:
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FStep = 10;
  bool FSmooth = false;
  TProgressBarOrientation FOrientation = pbHorizontal;
};
