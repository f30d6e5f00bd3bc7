// TButtonControl, the base of push buttons, check boxes and radio buttons (focus on press,
// pressed look while the mouse is held, click on release, Space, accelerators), and TButton:
// the push button with its modal result, default and cancel roles.
#pragma once

#include "controls/CustomControl.h"
#include "controls/StdPaint.h"

class TButtonControl : public TCustomControl {
 public:
  explicit TButtonControl(TComponent* AOwner);
  String ClassName() const override { return "TButtonControl"; }

 protected:
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  // True while the button is held down over the control (drawn pushed).
  bool Pressed() const { return FPressed; }
  void SetPressed(bool Value);

 private:
  void WMGetDlgCode(TMessage& Message);
  void CMDialogChar(TMessage& Message);
  void CMFocusChanged(TMessage& Message);
  void CMLookChanged(TMessage& Message);

  bool FPressed = false;
  bool FTracking = false;
};

class TButton : public TButtonControl {
 public:
  explicit TButton(TComponent* AOwner);
  String ClassName() const override { return "TButton"; }

  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  // Enter presses the default button while the focus is not on another button.
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  // Escape presses the cancel button.
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  // Clicks the button: the form takes its modal result first, then OnClick runs.
  void Click() override;

 protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;

 private:
  // Enter goes to this button: it has the focus, or it is the default and no button has it.
  bool Active() const;
  void CMDialogKey(TMessage& Message);
  void WMGetDlgCode(TMessage& Message);

  TModalResult FModalResult = mrNone;
  bool FDefault = false;
  bool FCancel = false;
};
