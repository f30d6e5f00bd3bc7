// TdxBarDropDownListBox: the list a combo item of its own lines drops down, a top-most tool window
// that never takes the focus. It hot-tracks the mouse, shows the line under it in the combo's
// edit, and a release chooses the line.
#pragma once

#include "controls/ListBox.h"

class TdxBarCustomCombo;
class TdxBarComboControl;

class TdxBarDropDownListBox : public TCustomListBox {
 public:
  explicit TdxBarDropDownListBox(TdxBarCustomCombo* Combo);
  String ClassName() const override { return "TdxBarDropDownListBox"; }
  // The view the list dropped from (nullptr when it is gone).
  TdxBarComboControl* ComboControl() const;
  void SetComboControl(TdxBarComboControl* Value) { FComboControl = Value; }
  // Keys from the combo's edit go to the list as if it had the focus.
  void KeyFromCombo(WORD Key, TShiftState Shift);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void DrawItem(int Index, TRect Rect, TOwnerDrawState State) override;

 private:
  void SelectAt(TPoint Point);
  void Choose();
  void ShowSelectedInCombo();

  TdxBarCustomCombo* FCombo;
  TdxBarComboControl* FComboControl = nullptr;
};
