// TSpeedButton: a graphic button without focus, flat (edges only under the mouse) or raised,
// with a glyph and caption, and grouped buttons that stay down (GroupIndex, Down, AllowAllUp).
#pragma once

#include <memory>

#include "controls/CustomControl.h"
#include "graphics/Graphic.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
inline constexpr const char* ButtonLayoutNames[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* AOwner);
  ~TSpeedButton() override;
  String ClassName() const override { return "TSpeedButton"; }

  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(const TBitmap* Value) { FGlyph->Assign(Value); }
  // The glyph holds NumGlyphs images side by side: up, disabled, down, stays down.
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  // Buttons of one parent with the same GroupIndex (not 0) are down one at a time.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }

  void Click() override;

 protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool MouseInControl() const { return FMouseInControl; }
  // The bitmap the glyph is painted from; a subclass may paint another look of the same glyph.
  virtual TBitmap* PaintedGlyph() const { return FGlyph.get(); }

 private:
  void CMMouseEnter(TMessage& Message);
  void CMMouseLeave(TMessage& Message);
  void CMRepaint(TMessage& Message);
  void ReleaseOthers();
  void PaintGlyphAndCaption(TCanvas* Canvas, TRect R, bool Shifted);

  bool FFlat = false;
  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  int FSpacing = 4;
  int FMargin = -1;
  int FGroupIndex = 0;
  bool FDown = false;
  bool FAllowAllUp = false;
  bool FMouseInControl = false;
  bool FPressing = false;  // the left button is held over the button
  bool FTracking = false;
};
