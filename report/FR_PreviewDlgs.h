// The preview's dialogs: TfrPreviewSearchForm asks for the text to find, TfrPrintForm for the
// printer, the copies and collation, the page range and which pages print.
#pragma once

#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/Forms.h"
#include "controls/GroupBox.h"
#include "controls/Image.h"
#include "controls/Label.h"

class TfrSpeedButton;

class TfrPreviewSearchForm : public TForm {
 public:
  explicit TfrPreviewSearchForm(TComponent* AOwner);
  String ClassName() const override { return "TfrPreviewSearchForm"; }

  TEdit* Edit1 = nullptr;           // the text to find
  TCheckBox* CaseCB = nullptr;      // case-sensitive
  TRadioButton* FirstRB = nullptr;  // from the first page
  TRadioButton* CurrentRB = nullptr;  // from the current page
  TButton* OkBtn = nullptr;
  TButton* CancelBtn = nullptr;

 protected:
  // The text box has the focus when the dialog opens.
  void DoShow() override;
};

class TfrPrintForm : public TForm {
 public:
  explicit TfrPrintForm(TComponent* AOwner);
  String ClassName() const override { return "TfrPrintForm"; }

  // The dialog's answers: copies (at least 1), the page text ("" for all pages, the current page
  // number for the current page), and 0 all, 1 odd or 2 even pages.
  int Copies() const;
  bool Collate() const { return CollateCB->Checked(); }
  String PageNumbers(int CurrentPage) const;
  int PrintPages() const { return CB2->ItemIndex(); }

  TComboBox* CB1 = nullptr;  // printers
  TButton* PropButton = nullptr;
  TEdit* E1 = nullptr;  // copies
  TfrSpeedButton *frSpeedButton1 = nullptr, *frSpeedButton2 = nullptr;
  TCheckBox* CollateCB = nullptr;
  TLabel* Label3 = nullptr;
  TImage* PB1 = nullptr;  // the picture of collated or uncollated copies
  TRadioButton *RB1 = nullptr, *RB2 = nullptr, *RB3 = nullptr;
  TEdit* E2 = nullptr;  // page numbers
  TComboBox* CB2 = nullptr;  // all, odd, even
  TButton* OkBtn = nullptr;
  TButton* CancelBtn = nullptr;

 protected:
  void DoClose(TCloseAction& Action) override;

 private:
  void AdjustCopies(int By);
  void DrawCollatePicture();
  // OK only with a copies number and a page text that names pages; else a message and the dialog
  // stays open.
  void CheckInput(TObject* Sender, bool& CanClose);
  int FRememberedPrinter;
};
