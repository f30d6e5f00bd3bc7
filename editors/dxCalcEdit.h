// TdxInplaceCalcEdit: the drop-down editor whose popup is a calculator computing directly in the
// editor's text.
#pragma once

#include "classes/Component.h"
#include "editors/dxCalc.h"
#include "editors/dxDropDownEdit.h"

const TdxInplaceEditClass& CalcEditClass(bool Inplace = true);

class TdxInplaceCalcEdit : public TdxInplaceDropDownEdit {
 public:
  explicit TdxInplaceCalcEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = CalcEditClass());
  ~TdxInplaceCalcEdit() override;
  String ClassName() const override { return "TdxInplaceCalcEdit"; }

  bool BeepOnError() const { return FBeepOnError; }
  void SetBeepOnError(bool Value) { FBeepOnError = Value; }
  TdxButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TdxButtonStyle Value) { FButtonStyle = Value; }
  int Precision() const { return FPrecision; }
  void SetPrecision(int Value) { FPrecision = Value; }
  // "=" typed in the calculator closes it.
  bool QuickClose() const { return FQuickClose; }
  void SetQuickClose(bool Value) { FQuickClose = Value; }
  bool ShowButtonFrame() const { return FShowButtonFrame; }
  void SetShowButtonFrame(bool Value) { FShowButtonFrame = Value; }
  // The calculator of the first drop-down; nullptr before.
  TdxPopupCalculator* PopupCalculator() const { return FPopupCalculator.get(); }

  // Makes the calculator once, hands it the editor's settings, clears its operands and shows it
  // below the editor.
  void DropDown() override;
  void CloseUp(bool Accept) override;

 private:
  bool FBeepOnError = true;
  TdxButtonStyle FButtonStyle = bsStandard;
  bool FQuickClose = false;
  TComponentPtr<TdxPopupCalculator> FPopupCalculator;
  int FPrecision = 13;
  bool FShowButtonFrame = false;
};
