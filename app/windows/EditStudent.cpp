// The student window: the row and its exemption shown, the buttons following the row's state,
// the checks, and the save: the student's rows renumbered, the exemption row written or deleted
// and the student row posted, all in one transaction.
#include "app/windows/EditStudent.h"

#include "app/kits/FormKit.h"
#include "app/data/KvConst.h"
#include "app/data/KvData.h"
#include "app/data/KvStatements.h"
#include "app/kits/StudentForms.h"
#include "rtl/Convert.h"

TfmEditStudent* fmEditStudent = nullptr;

TfmEditStudent::~TfmEditStudent() {
  if (fmEditStudent == this) fmEditStudent = nullptr;
}

void TfmEditStudent::Publish(TClassBuilder<TfmEditStudent>& c) {
  c.Method("FormCreate", &TfmEditStudent::FormCreate);
  c.Method("FormShow", &TfmEditStudent::FormShow);
  c.Method("FormClose", &TfmEditStudent::FormClose);
  c.Method("dsSetStuStateChange", &TfmEditStudent::dsSetStuStateChange);
  c.Method("DBCheckBox1Click", &TfmEditStudent::DBCheckBox1Click);
  c.Method("edtFreeTimeChange", &TfmEditStudent::edtFreeTimeChange);
  c.Method("edtYearKeyPress", &TfmEditStudent::edtYearKeyPress);
  c.Method("btnOkClick", &TfmEditStudent::btnOkClick);
  c.Method("btnCloseClick", &TfmEditStudent::btnCloseClick);
  c.Method("btnHelpClick", &TfmEditStudent::btnHelpClick);
}

void TfmEditStudent::Loaded() {
  TForm::Loaded();
  BindComponent(this, dsSetStu, "dsSetStu");
  BindComponent(this, DBEdit1, "DBEdit1");
  BindComponent(this, cbbDbSex, "cbbDbSex");
  BindComponent(this, DBCheckBox1, "DBCheckBox1");
  BindComponent(this, edtYear, "edtYear");
  BindComponent(this, edtMonth, "edtMonth");
  BindComponent(this, edtDay, "edtDay");
  BindComponent(this, gbFreeGymBox, "gbFreeGymBox");
  BindComponent(this, memFreeReason, "memFreeReason");
  BindComponent(this, edtFreeTime, "edtFreeTime");
  BindComponent(this, memFreeRemark, "memFreeRemark");
  BindComponent(this, btnOk, "btnOk");
  BindComponent(this, btnClose, "btnClose");
  BindComponent(this, adtFreegym, "adtFreegym");
  BindComponent(this, adqExecSql, "adqExecSql");
}

void TfmEditStudent::FormCreate(TObject*) {
  for (const char* name : SexNames) cbbDbSex->Items()->Add(name);
  ConnectDataSets(this);
  dsSetStu->SetDataSet(dmGym->adqStudents);
}

void TfmEditStudent::FormShow(TObject*) {
  FLoading = true;
  edtFreeTime->Clear();
  memFreeReason->Clear();
  memFreeRemark->Clear();
  FOldStuNo = dmGym->adqStudents->FieldByName("Fd_StuNo")->AsInteger();
  ShowBirthday();
  const bool exempt = dmGym->adqStudents->FieldByName("Fd_FreeSign")->AsBoolean();
  ShowExemptionGroup(this, gbFreeGymBox, exempt);
  if (exempt) LoadExemption();
  FLoading = false;
  dsSetStuStateChange(dsSetStu);
}

void TfmEditStudent::ShowBirthday() {
  const TField* birthday = dmGym->adqStudents->FieldByName("Fd_Birthday");
  if (birthday->IsNull()) {
    for (TEdit* edit : {edtYear, edtMonth, edtDay}) edit->Clear();
    return;
  }
  int year = 0, month = 0, day = 0;
  DecodeDate(birthday->AsDateTime(), year, month, day);
  edtYear->SetText(IntToStr(year));
  edtMonth->SetText(IntToStr(month));
  edtDay->SetText(IntToStr(day));
}

void TfmEditStudent::LoadExemption() {
  TScreenCursorScope cursor(crHourGlass);
  if (!adtFreegym->Active()) adtFreegym->Open();
  if (!adtFreegym->Locate("Fd_StuNo", Variant(FOldStuNo))) return;
  edtFreeTime->SetText(adtFreegym->FieldByName("Fd_FreeDate")->AsString());
  memFreeReason->SetText(adtFreegym->FieldByName("Fd_FreeReason")->AsString());
  memFreeRemark->SetText(adtFreegym->FieldByName("Fd_Remark")->AsString());
}

// Changes not saved do not stay behind in the shared query for its next post.
void TfmEditStudent::FormClose(TObject*, TCloseAction& Action) {
  CancelEditing(dmGym->adqStudents);
  Action = caFree;
}

void TfmEditStudent::dsSetStuStateChange(TObject*) {
  const bool editing = IsEditing(dmGym->adqStudents);
  btnClose->SetCaption(editing ? "取消" : "关闭");
  btnOk->SetEnabled(editing);
}

void TfmEditStudent::DBCheckBox1Click(TObject*) { ShowExemptionGroup(this, gbFreeGymBox, DBCheckBox1->Checked()); }

void TfmEditStudent::edtFreeTimeChange(TObject*) {
  if (!FLoading) btnOk->SetEnabled(true);
}

void TfmEditStudent::edtYearKeyPress(TObject*, TKeyChar& Key) { AcceptOnly(Key, "0123456789"); }

String TfmEditStudent::CheckInput() const {
  const TADOQuery* students = dmGym->adqStudents;
  if (students->FieldByName("Fd_StuNo")->IsNull()) return "请输入学生编号。";
  if (students->FieldByName("Fd_Name")->AsString().empty()) return "请输入学生姓名。";
  TDateTime birthday = 0;
  if (String error = ReadBirthday(edtYear->Text(), edtMonth->Text(), edtDay->Text(), "请输入学生完整出生日期。", birthday);
      !error.empty())
    return error;
  if (students->FieldByName("Fd_FreeSign")->AsBoolean())
    return CheckExemption(edtFreeTime->Text(), memFreeReason->Text(), "请输入免试原因。");
  return String();
}

void TfmEditStudent::btnOkClick(TObject*) {
  TADOQuery* students = dmGym->adqStudents;
  if (IsEditing(students)) students->UpdateRecord();  // what the focused box holds goes into the row first
  if (const String error = CheckInput(); !error.empty()) throw Exception(error);
  TDateTime birthday = 0;
  ReadBirthday(edtYear->Text(), edtMonth->Text(), edtDay->Text(), String(), birthday);
  try {
    dmGym->RunInTransaction([&] { StoreStudent(birthday); });
  } catch (...) {
    adtFreegym->Close();  // read again at the next use, as the rolled-back file has it
    throw;
  }
  FOldStuNo = students->FieldByName("Fd_StuNo")->AsInteger();
  dsSetStuStateChange(dsSetStu);
}

// The student row is posted last: when it is refused, the data module drops its changes and the
// transaction takes back the rows moved before it.
void TfmEditStudent::StoreStudent(TDateTime Birthday) {
  TADOQuery* students = dmGym->adqStudents;
  EditRecord(students);
  const int stuNo = students->FieldByName("Fd_StuNo")->AsInteger();
  if (stuNo != FOldStuNo) RenumberStudent(stuNo);
  if (students->FieldByName("Fd_FreeSign")->AsBoolean())
    WriteExemption(adtFreegym, FOldStuNo, stuNo, {memFreeReason->Text(), edtFreeTime->Text(), memFreeRemark->Text()});
  else
    DeleteExemption(adtFreegym, FOldStuNo);
  students->FieldByName("Fd_Birthday")->SetAsDateTime(Birthday);
  students->Post();
}

void TfmEditStudent::RenumberStudent(int NewStuNo) {
  for (const char* table : RenumberedStudentTables)
    RunSql(adqExecSql, RenumberStudentRowsSql(table), {{"ANewStuNo", NewStuNo}, {"AOldStuNo", FOldStuNo}});
}

// "取消" drops the pending changes and keeps the window; "关闭" closes it.
void TfmEditStudent::btnCloseClick(TObject*) {
  TADOQuery* students = dmGym->adqStudents;
  if (IsEditing(students)) {
    students->Cancel();
    return;
  }
  SetModalResult(mrCancel);
}

void TfmEditStudent::btnHelpClick(TObject*) { ShowHelpContext(this, 1); }

TModalResult ShowEditStudent() { return HeldForm(fmEditStudent)->ShowModal(); }
