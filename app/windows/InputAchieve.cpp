// The performance input box: key filters, reading a number or a time, and InputAchieve.
#include "app/windows/InputAchieve.h"

#include "app/kits/FormKit.h"
#include "app/data/KvCommon.h"
#include "controls/Application.h"
#include "rtl/Convert.h"

void TfmInputAchieveBox::Publish(TClassBuilder<TfmInputAchieveBox>& c) {
  c.Method("FormCreate", &TfmInputAchieveBox::FormCreate);
  c.Method("FormShow", &TfmInputAchieveBox::FormShow);
  c.Method("btnOkClick", &TfmInputAchieveBox::btnOkClick);
  c.Method("edtTimeKeyPress", &TfmInputAchieveBox::edtTimeKeyPress);
  c.Method("edtNumericKeyPress", &TfmInputAchieveBox::edtNumericKeyPress);
}

void TfmInputAchieveBox::Loaded() {
  TForm::Loaded();
  BindComponent(this, gbInput, "gbInput");
  BindComponent(this, edtNumeric, "edtNumeric");
  BindComponent(this, pnTime, "pnTime");
  BindComponent(this, edtMinute, "edtMinute");
  BindComponent(this, edtSecond, "edtSecond");
  BindComponent(this, edtMillion, "edtMillion");
  BindComponent(this, btnOk, "btnOk");
  BindComponent(this, btnCancel, "btnCancel");
}

void TfmInputAchieveBox::FormCreate(TObject*) {
  for (TEdit* edit : {edtNumeric, edtMinute, edtSecond, edtMillion}) edit->Clear();
  FValue = 0;
}

void TfmInputAchieveBox::SetTimeMode(bool IsTime) {
  FIsTime = IsTime;
  edtNumeric->SetVisible(!IsTime);
  pnTime->SetVisible(IsTime);
}

void TfmInputAchieveBox::FormShow(TObject*) { SetActiveControl(FIsTime ? edtMinute : edtNumeric); }

void TfmInputAchieveBox::edtTimeKeyPress(TObject*, TKeyChar& Key) { AcceptOnly(Key, "0123456789"); }

void TfmInputAchieveBox::edtNumericKeyPress(TObject*, TKeyChar& Key) { AcceptOnly(Key, "0123456789."); }

// Minutes (or the value read before when none are given), seconds, and the hundredths box read
// as the digits after the point: "5" is half a second, "05" five hundredths.
double TfmInputAchieveBox::ReadTime() const {
  const double minutes = edtMinute->Text().empty() ? FValue : StrToInt(edtMinute->Text()) * 60.0;
  return minutes + StrToInt(edtSecond->Text()) + StrToFloat("0." + edtMillion->Text());
}

String TfmInputAchieveBox::ReadValue() {
  const bool complete = FIsTime ? !edtSecond->Text().empty() && !edtMillion->Text().empty()
                                : !edtNumeric->Text().empty();
  if (!complete) return "请输入成绩";
  double value = 0;
  try {
    value = FIsTime ? ReadTime() : StrToFloat(edtNumeric->Text());
  } catch (const EConvertError&) {
    return "输入的成绩错误。";
  }
  if (!AchieveInRange(value)) return "输入的成绩错误。";
  FValue = value;
  return String();
}

// A failed entry is reported and the box stays open, so that no caller ever takes a value that
// was not read.
void TfmInputAchieveBox::btnOkClick(TObject*) {
  const String error = ReadValue();
  if (error.empty()) {
    SetModalResult(mrOk);
  } else {
    ShowMessage(error);
  }
}

TModalResult InputAchieve(bool IsTime, double& Value) {
  TComponentPtr<TfmInputAchieveBox> box(TCustomForm::Create<TfmInputAchieveBox>(Application));
  box->SetTimeMode(IsTime);
  const TModalResult result = box->ShowModal();
  if (result == mrOk) Value = box->Value();
  return result;
}
