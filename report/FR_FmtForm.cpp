// The display-format dialog: categories and their types from the string table, the edits each
// choice enables, and the format code put together again on OK.
#include "report/FR_FmtForm.h"

#include <initializer_list>

#include "controls/PlaceControl.h"
#include "report/FR_Const.h"
#include "report/FR_Ctrls.h"
#include "rtl/Convert.h"

TfrFmtForm::TfrFmtForm(TComponent* AOwner) : TForm(AOwner) {
  frSetupDialog(this, frLoadStr(53420), 340, 220);
  CatLB = PlaceControl<TListBox>(this, this, "CatLB", Bounds(8, 8, 100, 120));
  TypeLB = PlaceControl<TListBox>(this, this, "TypeLB", Bounds(116, 8, 216, 120));
  FormatLabel = PlaceControl<TLabel>(this, this, "Label1", Bounds(8, 140, 80, 16), frLoadStr(53422));
  FormatEdit = PlaceControl<TEdit>(this, this, "FormatEdit", Bounds(92, 136, 240, 22));
  DecLabel = PlaceControl<TLabel>(this, this, "Label2", Bounds(8, 168, 80, 16), frLoadStr(53423));
  DecEdit = PlaceControl<TEdit>(this, this, "DecEdit", Bounds(92, 164, 40, 22));
  DecEdit->SetText("0");
  SplLabel = PlaceControl<TLabel>(this, this, "Label3", Bounds(150, 168, 80, 16), frLoadStr(53424));
  SplEdit = PlaceControl<TEdit>(this, this, "SplEdit", Bounds(234, 164, 24, 22));
  SplEdit->SetMaxLength(1);
  SplEdit->OnEnter = [this](TObject*) { SplEdit->SelectAll(); };
  frDialogButtons(this, 176, 192, OkBtn, CancelBtn);
  CatLB->OnClick = [this](TObject*) {
    FillTypes();
    UpdateEdits();
  };
  TypeLB->OnClick = [this](TObject*) { UpdateEdits(); };
}

void TfrFmtForm::Activate() {
  TForm::Activate();
  CatLB->Items()->Clear();
  for (int id = 55130; id <= 55134; ++id) CatLB->Items()->Add(frLoadStr(id));
  CatLB->SetItemIndex((FFormat >> 24) & 0x0F);
  FillTypes();
  TypeLB->SetItemIndex((FFormat >> 16) & 0xFF);
  UpdateEdits();
}

void TfrFmtForm::FillTypes() {
  TypeLB->Items()->Clear();
  const int category = CatLB->ItemIndex();
  for (int j = 0; j < 5; ++j)
    if (const String text = frLoadStr(55150 + 5 * category + j); !text.empty()) TypeLB->Items()->Add(text);
  TypeLB->SetItemIndex(0);
}

// Decimals and separator belong to numbers; the format text to the custom type (the fifth).
void TfrFmtForm::UpdateEdits() {
  const bool number = CatLB->ItemIndex() == 1;
  for (TControl* c : std::initializer_list<TControl*>{DecEdit, DecLabel, SplEdit, SplLabel}) c->SetEnabled(number);
  if (number) {
    DecEdit->SetText(IntToStr((FFormat >> 8) & 0xFF));
    const char separator = char(FFormat & 0xFF);
    SplEdit->SetText(separator ? String(1, separator) : String());
  } else {
    DecEdit->SetText(String());
    SplEdit->SetText(String());
  }
  const bool custom = TypeLB->ItemIndex() == 4;
  FormatEdit->SetEnabled(custom);
  FormatLabel->SetEnabled(custom);
  FormatEdit->SetText(custom ? FFormatText : String());
}

void TfrFmtForm::DoClose(TCloseAction& Action) {
  TForm::DoClose(Action);
  if (ModalResult() != mrOk) return;
  const String separator = SplEdit->Text();
  FFormat = (CatLB->ItemIndex() << 24) + (TypeLB->ItemIndex() << 16) + (StrToIntDef(DecEdit->Text(), 0) << 8) +
            uint8_t(separator.empty() ? ',' : separator[0]);
  if (FormatEdit->Enabled()) FFormatText = FormatEdit->Text();
}
