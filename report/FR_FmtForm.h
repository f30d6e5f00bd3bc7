// TfrFmtForm, the display-format dialog: a category and a type of format, decimals and the
// decimal separator for numbers, and the format text of a custom type, read from and written to a
// format code (category in bits 24 to 27, type in 16 to 23, decimals in 8 to 15, separator 0 to 7).
#pragma once

#include "controls/Button.h"
#include "controls/Edit.h"
#include "controls/Forms.h"
#include "controls/Label.h"
#include "controls/ListBox.h"

class TfrFmtForm : public TForm {
 public:
  explicit TfrFmtForm(TComponent* AOwner);
  String ClassName() const override { return "TfrFmtForm"; }

  int Format() const { return FFormat; }
  void SetFormat(int Value) { FFormat = Value; }
  const String& FormatText() const { return FFormatText; }
  void SetFormatText(const String& Value) { FFormatText = Value; }

  TListBox* CatLB = nullptr;
  TListBox* TypeLB = nullptr;
  TEdit* FormatEdit = nullptr;
  TEdit* DecEdit = nullptr;
  TEdit* SplEdit = nullptr;
  TLabel *FormatLabel = nullptr, *DecLabel = nullptr, *SplLabel = nullptr;
  TButton* OkBtn = nullptr;
  TButton* CancelBtn = nullptr;

 protected:
  void Activate() override;
  void DoClose(TCloseAction& Action) override;

 private:
  void FillTypes();
  void UpdateEdits();

  int FFormat = 0;
  String FFormatText;
};
