// The frame and the buttons of the dialogs the Customize dialog opens.
#include "bars/dxBarCustForm.h"
#include "bars/dxBarEditors_p.h"
#include "controls/PlaceControl.h"

void SetupBarEditor(TCustomForm* Form, TFormBorderStyle Border, const String& Caption, int ClientWidth, int ClientHeight) {
  Form->SetBorderStyle(Border);
  Form->SetPosition(poScreenCenter);
  Form->SetCaption(Caption);
  Form->SetClientWidth(ClientWidth);
  Form->SetClientHeight(ClientHeight);
  if (TdxBarCustomizingForm* dialog = CustomizingForm()) Form->Font()->Assign(dialog->Font());
}

void PlaceBarEditorButtons(TCustomForm* Form, int Left, int Top, const String& OkName, const String& CancelName,
                           TButton*& Ok, TButton*& Cancel) {
  Ok = PlaceControl<TButton>(Form, Form, OkName, Bounds(Left, Top, 75, 23), dxBarLoadStr(sdxBarOk));
  Ok->SetDefault(true);
  Ok->SetModalResult(mrOk);
  Cancel = PlaceControl<TButton>(Form, Form, CancelName, Bounds(Left + 81, Top, 75, 23), dxBarLoadStr(sdxBarCancel));
  Cancel->SetCancel(true);
  Cancel->SetModalResult(mrCancel);
}
