// TCustomLabel and TLabel: a caption painted on its parent, transparent or filled, aligned,
// wrapped, sized to its text, with the mouse enter and leave events (labels that change colour
// under the mouse) and the control it gives the focus to for its accelerator.
#pragma once

#include "controls/CustomControl.h"
#include "controls/StdPaint.h"
#include "controls/TextBox.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };
inline constexpr const char* TextLayoutNames[] = {"tlTop", "tlCenter", "tlBottom"};

class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* AOwner);
  String ClassName() const override { return "TCustomLabel"; }

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  void Paint() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;
  // Fits the bounds to the caption, keeping the side the alignment anchors.
  void AdjustBounds();

 private:
  unsigned TextFormat() const;
  void CMTextChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMMouseEnter(TMessage& Message);
  void CMMouseLeave(TMessage& Message);
  void CMDialogChar(TMessage& Message);

  bool FAutoSize = true;
  TAlignment FAlignment = taLeftJustify;
  TTextLayout FLayout = tlTop;
  bool FWordWrap = false;
  bool FTransparent = false;
  bool FShowAccelChar = true;
  TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
 public:
  using TCustomLabel::TCustomLabel;
  String ClassName() const override { return "TLabel"; }
};
