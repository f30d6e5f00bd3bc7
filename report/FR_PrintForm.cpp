// The print dialog: the printer (applied at once, given back on cancel), copies with their
// up-down buttons, collation with its picture, the page range and which pages, and the check of
// copies and page text before OK is taken.
#include <algorithm>

#include "controls/Dialogs.h"
#include "controls/PlaceControl.h"
#include "report/FR_Class.h"
#include "report/FR_Const.h"
#include "report/FR_Ctrls.h"
#include "report/FR_PreviewDlgs.h"
#include "report/FR_Prntr.h"
#include "report/FR_Toolbar.h"
#include "rtl/Convert.h"

TfrPrintForm::TfrPrintForm(TComponent* AOwner) : TForm(AOwner), FRememberedPrinter(frPrinter().PrinterIndex()) {
  frSetupDialog(this, frLoadStr(53040), 380, 286);
  auto* printer = PlaceControl<TGroupBox>(this, this, "GroupBox1", Bounds(8, 4, 364, 52), frLoadStr(53041));
  PlaceControl<TLabel>(this, printer, "Label1", Bounds(8, 22, 56, 16), frLoadStr(53049));
  CB1 = PlaceControl<TComboBox>(this, printer, "CB1", Bounds(66, 18, 210, 22));
  CB1->SetStyle(csDropDownList);
  for (const String& name : frPrinter().Printers()) CB1->Items()->Add(name);
  CB1->SetItemIndex(frPrinter().PrinterIndex());
  CB1->OnChange = [this](TObject*) { frPrinter().SetPrinterIndex(CB1->ItemIndex()); };
  PropButton = PlaceControl<TButton>(this, printer, "PropButton", Bounds(282, 17, 74, 25), frLoadStr(53042));
  PropButton->OnClick = [](TObject*) { frPrinter().PropertiesDlg(); };

  auto* copies = PlaceControl<TGroupBox>(this, this, "GroupBox2", Bounds(8, 62, 364, 64), frLoadStr(53043));
  PlaceControl<TLabel>(this, copies, "Label2", Bounds(8, 22, 80, 16), frLoadStr(53050));
  E1 = PlaceControl<TEdit>(this, copies, "E1", Bounds(90, 18, 44, 22));
  E1->SetText("1");
  frSpeedButton1 = PlaceControl<TfrSpeedButton>(this, copies, "frSpeedButton1", Bounds(134, 18, 14, 11), "+");
  frSpeedButton2 = PlaceControl<TfrSpeedButton>(this, copies, "frSpeedButton2", Bounds(134, 29, 14, 11), "-");
  frSpeedButton1->OnClick = [this](TObject*) { AdjustCopies(1); };
  frSpeedButton2->OnClick = [this](TObject*) { AdjustCopies(-1); };
  CollateCB = PlaceControl<TCheckBox>(this, copies, "CollateCB", Bounds(180, 22, 16, 16));
  CollateCB->SetChecked(true);
  Label3 = PlaceControl<TLabel>(this, copies, "Label3", Bounds(198, 22, 80, 16), frLoadStr(53051));
  Label3->OnClick = [this](TObject*) { CollateCB->SetChecked(!CollateCB->Checked()); };
  Label3->OnDblClick = Label3->OnClick;
  PB1 = PlaceControl<TImage>(this, copies, "PB1", Bounds(270, 14, 88, 44));
  CollateCB->OnClick = [this](TObject*) { DrawCollatePicture(); };
  DrawCollatePicture();

  auto* range = PlaceControl<TGroupBox>(this, this, "GroupBox3", Bounds(8, 132, 364, 114), frLoadStr(53044));
  RB1 = PlaceControl<TRadioButton>(this, range, "RB1", Bounds(8, 20, 120, 18), frLoadStr(53045));
  RB2 = PlaceControl<TRadioButton>(this, range, "RB2", Bounds(8, 42, 120, 18), frLoadStr(53046));
  RB3 = PlaceControl<TRadioButton>(this, range, "RB3", Bounds(8, 64, 70, 18), frLoadStr(53047));
  RB1->SetChecked(true);
  E2 = PlaceControl<TEdit>(this, range, "E2", Bounds(80, 62, 120, 22));
  E2->OnEnter = [this](TObject*) { RB3->SetChecked(true); };
  RB3->OnClick = [this](TObject*) { FocusControl(E2); };
  PlaceControl<TLabel>(this, range, "Label4", Bounds(8, 90, 348, 16), frLoadStr(53048));

  auto* which = PlaceControl<TLabel>(this, this, "Label5", Bounds(8, 258, 50, 16), frLoadStr(53052));
  CB2 = PlaceControl<TComboBox>(this, this, "CB2", Bounds(which->Left() + which->Width() + 11, 254, 100, 22));
  CB2->SetStyle(csDropDownList);
  for (int id = 53053; id <= 53055; ++id) CB2->Items()->Add(frLoadStr(id));
  CB2->SetItemIndex(0);

  frDialogButtons(this, 216, 254, OkBtn, CancelBtn);
  OnCloseQuery = [this](TObject* Sender, bool& CanClose) { CheckInput(Sender, CanClose); };
}

// Collated copies are whole sets of pages (1 2 3, 1 2 3); the others stacks of one page each.
void TfrPrintForm::DrawCollatePicture() {
  TBitmap picture(PB1->Width(), PB1->Height());
  TCanvas* canvas = picture.Canvas();
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect({0, 0, picture.Width(), picture.Height()});
  canvas->Font()->SetSize(7);
  canvas->Pen()->SetColor(clBlack);
  const bool collate = CollateCB->Checked();
  const int stacks = collate ? 2 : 3, perStack = collate ? 3 : 2;
  for (int stack = 0; stack < stacks; ++stack)
    for (int k = 0; k < perStack; ++k) {
      const int x = 2 + stack * (collate ? 44 : 29) + k * 6, y = 2 + k * 6;
      canvas->Brush()->SetColor(clWhite);
      canvas->Rectangle(x, y, x + 16, y + 22);
      const String number = IntToStr(collate ? perStack - k : stack + 1);  // page 1 in front
      canvas->TextOut(x + 8 - canvas->TextWidth(number) / 2, y + 5, number);
    }
  PB1->Picture()->SetGraphic(&picture);
}

int TfrPrintForm::Copies() const { return std::max(1, StrToInt(E1->Text())); }

String TfrPrintForm::PageNumbers(int CurrentPage) const {
  if (RB2->Checked()) return IntToStr(CurrentPage);
  if (RB3->Checked()) return E2->Text();
  return String();
}

void TfrPrintForm::AdjustCopies(int By) { E1->SetText(IntToStr(std::max(1, StrToInt(E1->Text()) + By))); }

void TfrPrintForm::CheckInput(TObject*, bool& CanClose) {
  if (ModalResult() != mrOk) return;
  try {
    Copies();
    if (RB3->Checked()) frPageNumbers(E2->Text(), 1);
  } catch (const EConvertError&) {
    CanClose = false;
    MessageDlg(frLoadStr(53048), mtError, MsgDlgBit(mbOK));
  }
}

void TfrPrintForm::DoClose(TCloseAction& Action) {
  TForm::DoClose(Action);
  if (ModalResult() != mrOk) frPrinter().SetPrinterIndex(FRememberedPrinter);
}
