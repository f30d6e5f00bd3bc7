// TfrLineView, the line object: a horizontal or vertical rule drawn as one side of a frame, which
// stretches with its band.
#pragma once

#include "report/FR_View.h"

class TfrLineView : public TfrStretcheable {
 public:
  TfrLineView();
  String ClassName() const override { return "TfrLineView"; }

  // A line no wider than high is vertical (its left side), any other horizontal (its top side).
  void Draw(TCanvas* ACanvas) override;
  // Widened only across the line, by parts truncated rather than rounded.
  TRegion GetClipRegion(bool Extended) override;
  void Print(TStream& Stream) override;
  int MeasureHeight() override;
  int MinimumHeight() override { return 1; }
  int RemainingHeight() override { return MeasuredHeight; }

 protected:
  void DeclareProperties() override;
};
