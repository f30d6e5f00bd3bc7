// The find dialog of the preview: the text, case sensitivity and where the search starts.
#include "controls/PlaceControl.h"
#include "report/FR_Const.h"
#include "report/FR_Ctrls.h"
#include "report/FR_PreviewDlgs.h"

TfrPreviewSearchForm::TfrPreviewSearchForm(TComponent* AOwner) : TForm(AOwner) {
  frSetupDialog(this, frLoadStr(53000), 330, 150);
  PlaceControl<TLabel>(this, this, "Label1", Bounds(8, 12, 90, 16), frLoadStr(53001));
  Edit1 = PlaceControl<TEdit>(this, this, "Edit1", Bounds(100, 8, 222, 22));
  auto* options = PlaceControl<TGroupBox>(this, this, "GroupBox1", Bounds(8, 40, 150, 68), frLoadStr(53002));
  CaseCB = PlaceControl<TCheckBox>(this, options, "CaseCB", Bounds(8, 20, 136, 18), frLoadStr(53003));
  auto* origin = PlaceControl<TGroupBox>(this, this, "GroupBox2", Bounds(172, 40, 150, 68), frLoadStr(53004));
  FirstRB = PlaceControl<TRadioButton>(this, origin, "FirstRB", Bounds(8, 20, 136, 18), frLoadStr(53005));
  CurrentRB = PlaceControl<TRadioButton>(this, origin, "CurrentRB", Bounds(8, 42, 136, 18), frLoadStr(53006));
  FirstRB->SetChecked(true);
  frDialogButtons(this, 166, 118, OkBtn, CancelBtn);
}

void TfrPreviewSearchForm::DoShow() {
  TForm::DoShow();
  SetActiveControl(Edit1);
}
