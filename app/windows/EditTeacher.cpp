// The teacher dialog: the row shown with its rights and sex, the buttons following the row's
// state, the checks, and the row stored together with the renamed classes taught.
#include "app/windows/EditTeacher.h"

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"
#include "app/data/KvStatements.h"
#include "app/windows/NewTeachers.h"
#include "app/windows/SetTeacherTask.h"
#include "rtl/Text.h"

TfmEditTeacher* fmEditTeacher = nullptr;

TfmEditTeacher::~TfmEditTeacher() {
  if (fmEditTeacher == this) fmEditTeacher = nullptr;
}

void TfmEditTeacher::Publish(TClassBuilder<TfmEditTeacher>& c) {
  c.Method("FormCreate", &TfmEditTeacher::FormCreate);
  c.Method("FormShow", &TfmEditTeacher::FormShow);
  c.Method("FormClose", &TfmEditTeacher::FormClose);
  c.Method("dsTeacherStateChange", &TfmEditTeacher::dsTeacherStateChange);
  c.Method("StartEditing", &TfmEditTeacher::StartEditing);
  c.Method("edtRefPwdKeyPress", &TfmEditTeacher::edtRefPwdKeyPress);
  c.Method("edtZipKeyPress", &TfmEditTeacher::edtZipKeyPress);
  c.Method("btnOkClick", &TfmEditTeacher::btnOkClick);
  c.Method("btnCancelClick", &TfmEditTeacher::btnCancelClick);
  c.Method("btnTaskClick", &TfmEditTeacher::btnTaskClick);
}

void TfmEditTeacher::Loaded() {
  TForm::Loaded();
  BindComponent(this, dsTeacher, "dsTeacher");
  BindComponent(this, edtLogID, "edtLogID");
  BindComponent(this, edtZip, "edtZip");
  BindComponent(this, edtRefPwd, "edtRefPwd");
  BindComponent(this, cbbTask, "cbbTask");
  BindComponent(this, cbbSex, "cbbSex");
  BindComponent(this, btnOk, "btnOk");
  BindComponent(this, btnCancel, "btnCancel");
  BindComponent(this, adqExecSql, "adqExecSql");
}

void TfmEditTeacher::FormCreate(TObject*) {
  FillTeacherLists(cbbTask, cbbSex);
  ConnectDataSets(this);
  dsTeacher->SetDataSet(dmGym->adqTeachers);
}

void TfmEditTeacher::FormShow(TObject*) {
  TADOQuery* teachers = dmGym->adqTeachers;
  FOldLogID = teachers->FieldByName("Fd_LogID")->AsString();
  edtRefPwd->SetText(teachers->FieldByName("Fd_Password")->AsString());
  cbbTask->SetItemIndex(teachers->FieldByName("Fd_Rights")->AsInteger());
  cbbSex->SetItemIndex(cbbSex->Items()->IndexOf(teachers->FieldByName("Fd_Sex")->AsString()));
  dsTeacherStateChange(dsTeacher);
}

// Changes not stored by OK do not stay behind in the shared query for its next post.
void TfmEditTeacher::FormClose(TObject*, TCloseAction& Action) {
  CancelEditing(dmGym->adqTeachers);
  Action = caFree;
}

void TfmEditTeacher::dsTeacherStateChange(TObject*) {
  const bool editing = IsEditing(dmGym->adqTeachers);
  btnOk->SetEnabled(editing);
  btnCancel->SetCaption(editing ? "取消" : "关闭");
}

// A rights or sex picked, or a key typed into the confirmation, starts an edit as typing in a
// data-aware box does.
void TfmEditTeacher::StartEditing(TObject*) { EditRecord(dmGym->adqTeachers); }

void TfmEditTeacher::edtRefPwdKeyPress(TObject* Sender, TKeyChar&) { StartEditing(Sender); }

void TfmEditTeacher::edtZipKeyPress(TObject*, TKeyChar& Key) { AcceptOnly(Key, "0123456789"); }

String TfmEditTeacher::CheckInput() const {
  const TADOQuery* teachers = dmGym->adqTeachers;
  if (teachers->FieldByName("Fd_LogID")->AsString().empty()) return "晴输入教师登录号。";
  if (teachers->FieldByName("Fd_Password")->AsString() != edtRefPwd->Text()) return "密码不匹配。";
  if (teachers->FieldByName("Fd_Name")->AsString().empty()) return "请输入教师姓名。";
  if (cbbSex->ItemIndex() < 0) return "请选择教师性别。";
  if (cbbTask->ItemIndex() < 0) return "请选择教师担任职务。";
  return String();
}

void TfmEditTeacher::btnOkClick(TObject*) {
  TADOQuery* teachers = dmGym->adqTeachers;
  if (IsEditing(teachers)) teachers->UpdateRecord();  // what the focused box holds goes into the row first
  if (const String error = CheckInput(); !error.empty()) throw Exception(error);
  try {
    dmGym->RunInTransaction([this] { StoreTeacher(); });
  } catch (const std::exception&) {
    throw Exception("修改教师资料出错。");
  }
  // The user who renamed themself goes on under the new name (the password dialog finds it).
  if (SameText(LogUserInfo->LogID, FOldLogID)) LogUserInfo->LogID = teachers->FieldByName("Fd_LogID")->AsString();
  SetModalResult(mrOk);
}

// The classes taught are renamed first: a refused row then undoes the rename with the rest.
void TfmEditTeacher::StoreTeacher() {
  TADOQuery* teachers = dmGym->adqTeachers;
  EditRecord(teachers);
  teachers->FieldByName("Fd_Rights")->SetAsInteger(cbbTask->ItemIndex());
  teachers->FieldByName("Fd_Sex")->SetAsString(cbbSex->Text());
  const String logID = teachers->FieldByName("Fd_LogID")->AsString();
  if (logID != FOldLogID)
    RunSql(adqExecSql, RenameTeacherTasksSql, {{"ANewLogID", logID}, {"AOldLogID", FOldLogID}});
  teachers->Post();
}

void TfmEditTeacher::btnCancelClick(TObject*) { CancelEditing(dmGym->adqTeachers); }

void TfmEditTeacher::btnTaskClick(TObject*) { ShowSetTeacherTask(FOldLogID); }

TModalResult ShowEditTeacher() { return HeldForm(fmEditTeacher)->ShowModal(); }
