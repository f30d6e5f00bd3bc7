// The engine's toolbar controls: TfrSpeedButton, a speed button that may show its glyph grey until
// the mouse comes over it, TfrTBButton, the flat button of the preview's toolbar, and
// TfrTBSeparator, the gap between groups of tool buttons with an optional groove.
#pragma once

#include <memory>

#include "controls/SpeedButton.h"

class TfrSpeedButton : public TSpeedButton {
 public:
  explicit TfrSpeedButton(TComponent* AOwner);
  ~TfrSpeedButton() override;
  String ClassName() const override { return "TfrSpeedButton"; }

  // An enabled flat button paints its first glyph grey while the mouse is away.
  bool GrayedInactive() const { return FGrayedInactive; }
  void SetGrayedInactive(bool Value);
  // Whether the button paints grey now.
  bool PaintsGrey() const;

 protected:
  TBitmap* PaintedGlyph() const override;

 private:
  bool FGrayedInactive = true;
  // The grey look, made on first need and dropped when the glyph changes.
  mutable std::unique_ptr<TBitmap> FGreyGlyph;
};

// A flat tool button; placed on a panel aligned left or right it stacks downwards, else along.
class TfrTBButton : public TfrSpeedButton {
 public:
  explicit TfrTBButton(TComponent* AOwner);
  String ClassName() const override { return "TfrTBButton"; }
  void SetParent(TWinControl* AParent) override;
};

class TfrTBSeparator : public TGraphicControl {
 public:
  explicit TfrTBSeparator(TComponent* AOwner);
  String ClassName() const override { return "TfrTBSeparator"; }
  bool DrawBevel() const { return FDrawBevel; }
  void SetDrawBevel(bool Value);
  void SetParent(TWinControl* AParent) override;

 protected:
  void Paint() override;

 private:
  bool FDrawBevel = true;
};

// The grey image of a glyph: each pixel that is neither Transparent nor the button face becomes
// the grey of level (red * 77 + green * 150 + blue * 29) >> 8.
std::unique_ptr<TBitmap> frGreyGlyph(const TBitmap& Glyph, TColor Transparent);
