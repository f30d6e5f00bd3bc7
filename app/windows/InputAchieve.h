// The modal box that asks for one performance: a number (metres, counts) or a time in minutes,
// seconds and hundredths. It closes with OK only once a valid performance has been read.
#pragma once

#include "classes/Properties.h"
#include "controls/Button.h"
#include "controls/Edit.h"
#include "controls/Forms.h"
#include "controls/GroupBox.h"
#include "controls/Panel.h"

class TfmInputAchieveBox : public TForm {
 public:
  using TForm::TForm;
  String ClassName() const override { return "TfmInputAchieveBox"; }
  String LayoutModule() const override { return "InputAchieve"; }
  static void Publish(TClassBuilder<TfmInputAchieveBox>& c);

  // Time mode shows the minute, second and hundredths boxes; number mode the number box.
  void SetTimeMode(bool IsTime);
  bool TimeMode() const { return FIsTime; }
  // The performance read by the last successful ReadValue; 0 before.
  double Value() const { return FValue; }
  // Reads the boxes into Value; answers the error text, empty on success: "请输入成绩" when a
  // required box is empty, "输入的成绩错误。" for a text that is no number or out of range.
  String ReadValue();

  TGroupBox* gbInput = nullptr;
  TEdit* edtNumeric = nullptr;
  TPanel* pnTime = nullptr;  // the three time boxes
  TEdit* edtMinute = nullptr;
  TEdit* edtSecond = nullptr;
  TEdit* edtMillion = nullptr;
  TButton* btnOk = nullptr;
  TButton* btnCancel = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void btnOkClick(TObject* Sender);
  void edtTimeKeyPress(TObject* Sender, TKeyChar& Key);
  void edtNumericKeyPress(TObject* Sender, TKeyChar& Key);
  double ReadTime() const;

  bool FIsTime = false;
  double FValue = 0;
};

// Asks for a performance in a new box (time mode when IsTime, for items in "秒"); on OK Value
// receives it. Answers the modal result.
TModalResult InputAchieve(bool IsTime, double& Value);
