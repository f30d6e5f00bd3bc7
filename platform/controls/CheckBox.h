// Check boxes (checked, unchecked or grayed) and radio buttons (checking one unchecks the
// radio buttons beside it on the same parent).
#pragma once

#include "controls/Button.h"
#include "controls/TextBox.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
inline constexpr const char* CheckBoxStateNames[] = {"cbUnchecked", "cbChecked", "cbGrayed"};

// What check boxes and radio buttons share: the mark beside the caption, and the caption's side.
class TCheckControl : public TButtonControl {
 public:
  explicit TCheckControl(TComponent* AOwner);
  String ClassName() const override { return "TCheckControl"; }
  virtual bool Checked() const = 0;
  virtual void SetChecked(bool Value) = 0;
  // taRightJustify puts the caption right of the mark (the usual), taLeftJustify left of it.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);

 protected:
  void Paint() override;
  // Draws the mark in R.
  virtual void PaintMark(TCanvas* Canvas, TRect R) = 0;
  // Changes the state and tells OnClick, as the user's press does.
  virtual void Toggle() = 0;
  void Click() override;
  // Set while the state changes from code: OnClick runs then too, as the original does.
  void Changed();

 private:
  TAlignment FAlignment = taRightJustify;
  bool FToggling = false;
};

class TCustomCheckBox : public TCheckControl {
 public:
  explicit TCustomCheckBox(TComponent* AOwner);
  String ClassName() const override { return "TCustomCheckBox"; }
  bool Checked() const override { return FState == cbChecked; }
  void SetChecked(bool Value) override { SetState(Value ? cbChecked : cbUnchecked); }
  virtual TCheckBoxState State() const { return FState; }
  virtual void SetState(TCheckBoxState Value);
  // A press goes from unchecked to checked to grayed when AllowGrayed holds.
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }

 protected:
  void PaintMark(TCanvas* Canvas, TRect R) override;
  void Toggle() override;

 private:
  TCheckBoxState FState = cbUnchecked;
  bool FAllowGrayed = false;
};

class TCheckBox : public TCustomCheckBox {
 public:
  using TCustomCheckBox::TCustomCheckBox;
  String ClassName() const override { return "TCheckBox"; }
};

class TRadioButton : public TCheckControl {
 public:
  explicit TRadioButton(TComponent* AOwner);
  String ClassName() const override { return "TRadioButton"; }
  bool Checked() const override { return FChecked; }
  void SetChecked(bool Value) override;

 protected:
  void PaintMark(TCanvas* Canvas, TRect R) override;
  void Toggle() override { SetChecked(true); }

 private:
  bool FChecked = false;
};
