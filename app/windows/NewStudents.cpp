// The new-student window: the key rules of its boxes, the exemption group, the checks, the
// student and exemption rows written together, and the command states.
#include "app/windows/NewStudents.h"

#include "app/kits/FormKit.h"
#include "app/data/KvConst.h"
#include "app/data/KvData.h"
#include "app/kits/StudentForms.h"
#include "rtl/Convert.h"

TfmNewStudents* fmNewStudents = nullptr;

TfmNewStudents::~TfmNewStudents() {
  if (fmNewStudents == this) fmNewStudents = nullptr;
}

void TfmNewStudents::Publish(TClassBuilder<TfmNewStudents>& c) {
  c.Method("FormCreate", &TfmNewStudents::FormCreate);
  c.Method("FormShow", &TfmNewStudents::FormShow);
  c.Method("FormCloseQuery", &TfmNewStudents::FormCloseQuery);
  c.Method("FormClose", &TfmNewStudents::FormClose);
  c.Method("cbSignClick", &TfmNewStudents::cbSignClick);
  c.Method("DigitKeyPress", &TfmNewStudents::DigitKeyPress);
  c.Method("edtClassEnter", &TfmNewStudents::edtClassEnter);
  c.Method("actAppendUpdate", &TfmNewStudents::actAppendUpdate);
  c.Method("actAppendExecute", &TfmNewStudents::actAppendExecute);
  c.Method("actCancelUpdate", &TfmNewStudents::actCancelUpdate);
  c.Method("actCancelExecute", &TfmNewStudents::actCancelExecute);
  c.Method("actHelpExecute", &TfmNewStudents::actHelpExecute);
}

void TfmNewStudents::Loaded() {
  TForm::Loaded();
  BindComponent(this, edtNo, "edtNo");
  BindComponent(this, edtName, "edtName");
  BindComponent(this, cbbSex, "cbbSex");
  BindComponent(this, edtYear, "edtYear");
  BindComponent(this, edtMonth, "edtMonth");
  BindComponent(this, edtDay, "edtDay");
  BindComponent(this, edtClass, "edtClass");
  BindComponent(this, edtInSchool, "edtInSchool");
  BindComponent(this, cbSign, "cbSign");
  BindComponent(this, gbFreeGymBox, "gbFreeGymBox");
  BindComponent(this, memFreeReason, "memFreeReason");
  BindComponent(this, edtFreeTime, "edtFreeTime");
  BindComponent(this, memFreeRemark, "memFreeRemark");
  BindComponent(this, actAppend, "actAppend");
  BindComponent(this, actCancel, "actCancel");
  BindComponent(this, adtFreeGym, "adtFreeGym");
}

void TfmNewStudents::FormCreate(TObject*) {
  for (const char* name : SexNames) cbbSex->Items()->Add(name);
  ConnectDataSets(this);
}

void TfmNewStudents::FormShow(TObject*) {
  ClearInput();
  ShowExemptionGroup(this, gbFreeGymBox, false);
}

void TfmNewStudents::FormCloseQuery(TObject*, bool& CanClose) {
  CanClose = true;
  TScreenCursorScope cursor(crHourGlass);
  adtFreeGym->Close();
}

void TfmNewStudents::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void TfmNewStudents::ClearInput() {
  for (TEdit* edit : {edtNo, edtName, edtInSchool, edtYear, edtMonth, edtDay, edtFreeTime}) edit->Clear();
  memFreeReason->Clear();
  memFreeRemark->Clear();
  cbbSex->SetItemIndex(0);
  cbSign->SetChecked(false);
}

void TfmNewStudents::cbSignClick(TObject*) { ShowExemptionGroup(this, gbFreeGymBox, cbSign->Checked()); }

// The number and the birth date take digits alone: Backspace is dropped too.
void TfmNewStudents::DigitKeyPress(TObject*, TKeyChar& Key) { AcceptOnly(Key, "0123456789"); }

// The class is the main window's: the box hands the focus on at once.
void TfmNewStudents::edtClassEnter(TObject*) { SelectNext(edtClass, true, true); }

String TfmNewStudents::CheckInput() const {
  if (edtNo->Text().empty()) return "学生编号不能为空。";
  if (edtName->Text().empty()) return "学生姓名不能为空。";
  TDateTime birthday = 0;
  if (String error = ReadBirthday(edtYear->Text(), edtMonth->Text(), edtDay->Text(), "请填写学生完整出生日期。", birthday);
      !error.empty())
    return error;
  if (cbSign->Checked()) return CheckExemption(edtFreeTime->Text(), memFreeReason->Text(), "请输入免试原因信息。");
  return String();
}

void TfmNewStudents::actAppendUpdate(TObject*) {
  bool filled = true;
  for (const TEdit* edit : {edtNo, edtName, edtYear, edtMonth, edtDay, edtClass}) filled = filled && !edit->Text().empty();
  if (cbSign->Checked()) filled = filled && !edtFreeTime->Text().empty() && !memFreeReason->Text().empty();
  actAppend->SetEnabled(filled);
}

void TfmNewStudents::actAppendExecute(TObject*) {
  if (const String error = CheckInput(); !error.empty()) throw Exception(error);
  AppendStudent();
  ClearInput();
  edtNo->SetFocus();
}

void TfmNewStudents::AppendStudent() {
  TADOQuery* students = dmGym->adqStudents;
  bool studentStored = false;
  try {
    if (IsEditing(students)) students->Post();
    TDateTime birthday = 0;
    ReadBirthday(edtYear->Text(), edtMonth->Text(), edtDay->Text(), String(), birthday);
    const int stuNo = StrToInt(edtNo->Text());
    students->Append();
    students->FieldByName("Fd_StuNo")->SetAsInteger(stuNo);
    students->FieldByName("Fd_Name")->SetAsString(edtName->Text());
    students->FieldByName("Fd_Sex")->SetAsString(cbbSex->Text());
    if (!edtInSchool->Text().empty()) students->FieldByName("Fd_InSchool")->SetAsString(edtInSchool->Text());
    students->FieldByName("Fd_Birthday")->SetAsDateTime(birthday);
    students->FieldByName("Fd_Class")->SetAsString(edtClass->Text());
    students->FieldByName("Fd_FreeSign")->SetAsBoolean(cbSign->Checked());
    students->Post();
    studentStored = true;
    if (cbSign->Checked())
      WriteExemption(adtFreeGym, stuNo, stuNo, {memFreeReason->Text(), edtFreeTime->Text(), memFreeRemark->Text()});
  } catch (const std::exception&) {
    CancelEditing(students);
    if (studentStored) {
      TScreenCursorScope cursor(crHourGlass);
      if (students->Locate("Fd_StuNo", Variant(StrToInt(edtNo->Text())))) students->Delete();
    }
    throw Exception("添加学生资料出错，可能是学生编号重复。");
  }
}

void TfmNewStudents::actCancelUpdate(TObject*) { actCancel->SetCaption(actAppend->Enabled() ? "取消" : "关闭"); }

// "取消" empties the boxes for the next student; "关闭" shows the students page again and closes.
void TfmNewStudents::actCancelExecute(TObject*) {
  if (actCancel->Caption() == "取消") {
    ClearInput();
    return;
  }
  TScreenCursorScope cursor(crHourGlass);
  if (dmGym->adqStudents->Active()) dmGym->adqStudents->Refresh();
  SetModalResult(mrCancel);
}

void TfmNewStudents::actHelpExecute(TObject*) { ShowHelpContext(this, 1); }

TModalResult ShowNewStudents(const String& ClassName) {
  HeldForm(fmNewStudents)->edtClass->SetText(ClassName);
  return fmNewStudents->ShowModal();
}
