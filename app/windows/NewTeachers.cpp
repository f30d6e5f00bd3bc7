// The new-teacher dialog: its checks in their order, and the teacher appended to the teachers
// query with only the optional fields that were filled.
#include "app/windows/NewTeachers.h"

#include "app/kits/FormKit.h"
#include "app/data/KvConst.h"
#include "app/data/KvData.h"

TfmNewTeacher* fmNewTeacher = nullptr;

void FillTeacherLists(TComboBox* Rights, TComboBox* Sex) {
  Rights->Items()->Clear();
  for (const char* name : RightsNames) Rights->Items()->Add(name);
  Sex->Items()->Clear();
  for (const char* name : SexNames) Sex->Items()->Add(name);
}

TfmNewTeacher::~TfmNewTeacher() {
  if (fmNewTeacher == this) fmNewTeacher = nullptr;
}

void TfmNewTeacher::Publish(TClassBuilder<TfmNewTeacher>& c) {
  c.Method("FormCreate", &TfmNewTeacher::FormCreate);
  c.Method("FormClose", &TfmNewTeacher::FormClose);
  c.Method("edtZipKeyPress", &TfmNewTeacher::edtZipKeyPress);
  c.Method("btnAddClick", &TfmNewTeacher::btnAddClick);
  c.Method("btnCloseClick", &TfmNewTeacher::btnCloseClick);
}

void TfmNewTeacher::Loaded() {
  TForm::Loaded();
  BindComponent(this, edtName, "edtName");
  BindComponent(this, cbbSex, "cbbSex");
  BindComponent(this, cbbTask, "cbbTask");
  BindComponent(this, edtPhone, "edtPhone");
  BindComponent(this, edtZip, "edtZip");
  BindComponent(this, mmAddress, "mmAddress");
  BindComponent(this, edtLogID, "edtLogID");
  BindComponent(this, edtPwd, "edtPwd");
  BindComponent(this, edtRefPwd, "edtRefPwd");
}

void TfmNewTeacher::FormCreate(TObject*) {
  FillTeacherLists(cbbTask, cbbSex);
  for (TEdit* edit : {edtName, edtPhone, edtZip, edtLogID, edtPwd, edtRefPwd}) edit->Clear();
  mmAddress->Clear();
  cbbTask->SetItemIndex(0);
}

void TfmNewTeacher::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void TfmNewTeacher::edtZipKeyPress(TObject*, TKeyChar& Key) { AcceptOnly(Key, "0123456789"); }

String TfmNewTeacher::CheckInput() const {
  if (edtLogID->Text().empty()) return "请输入登录号。";
  if (edtPwd->Text() != edtRefPwd->Text()) return "密码不匹配。";
  if (edtName->Text().empty()) return "请输入教师姓名。";
  if (cbbSex->ItemIndex() < 0) return "请指定教师性别。";
  if (cbbTask->ItemIndex() < 0) return "请选择教师担任职务。";
  return String();
}

void TfmNewTeacher::btnAddClick(TObject*) {
  if (const String error = CheckInput(); !error.empty()) throw Exception(error);
  try {
    AppendTeacher();
  } catch (const std::exception&) {
    CancelEditing(dmGym->adqTeachers);
    throw Exception("添加教师资料出错。");
  }
}

// A teacher's row half-edited elsewhere is dropped rather than overwritten with the new teacher.
void TfmNewTeacher::AppendTeacher() {
  TADOQuery* teachers = dmGym->adqTeachers;
  CancelEditing(teachers);
  teachers->Append();
  teachers->FieldByName("Fd_LogID")->SetAsString(edtLogID->Text());
  teachers->FieldByName("Fd_Name")->SetAsString(edtName->Text());
  teachers->FieldByName("Fd_Rights")->SetAsInteger(cbbTask->ItemIndex());
  teachers->FieldByName("Fd_Sex")->SetAsString(cbbSex->Text());
  const std::pair<const char*, String> optional[] = {{"Fd_Password", edtPwd->Text()},
                                                     {"Fd_Phone", edtPhone->Text()},
                                                     {"Fd_Zip", edtZip->Text()},
                                                     {"Fd_Address", mmAddress->Text()}};
  for (const auto& [field, text] : optional)
    if (!text.empty()) teachers->FieldByName(field)->SetAsString(text);
  teachers->Post();
}

void TfmNewTeacher::btnCloseClick(TObject*) { CancelEditing(dmGym->adqTeachers); }

TModalResult ShowNewTeacher() { return HeldForm(fmNewTeacher)->ShowModal(); }
