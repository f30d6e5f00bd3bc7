// The rights dialog: the teacher shown, and the chosen rights stored in the row.
#include "app/windows/SetTeacherRights.h"

#include "app/kits/FormKit.h"
#include "app/data/KvConst.h"
#include "app/data/KvData.h"

TfmSetTeacherRights* fmSetTeacherRights = nullptr;

namespace {

bool HasTeacher() { return dmGym->adqTeachers->Active() && !dmGym->adqTeachers->IsEmpty(); }

}  // namespace

TfmSetTeacherRights::~TfmSetTeacherRights() {
  if (fmSetTeacherRights == this) fmSetTeacherRights = nullptr;
}

void TfmSetTeacherRights::Publish(TClassBuilder<TfmSetTeacherRights>& c) {
  c.Method("FormCreate", &TfmSetTeacherRights::FormCreate);
  c.Method("FormShow", &TfmSetTeacherRights::FormShow);
  c.Method("btnOkClick", &TfmSetTeacherRights::btnOkClick);
  c.Method("btnCancelClick", &TfmSetTeacherRights::btnCancelClick);
}

void TfmSetTeacherRights::Loaded() {
  TForm::Loaded();
  BindComponent(this, edtLogId, "edtLogId");
  BindComponent(this, edtName, "edtName");
  BindComponent(this, cbbPartner, "cbbPartner");
}

void TfmSetTeacherRights::FormCreate(TObject*) {
  for (const char* name : RightsNames) cbbPartner->Items()->Add(name);
}

// A stored rights value without a name selects nothing.
void TfmSetTeacherRights::FormShow(TObject*) {
  if (!HasTeacher()) {
    edtLogId->Clear();
    edtName->Clear();
    cbbPartner->SetItemIndex(-1);
    return;
  }
  const TADOQuery* teachers = dmGym->adqTeachers;
  edtLogId->SetText(teachers->FieldByName("Fd_LogID")->AsString());
  edtName->SetText(teachers->FieldByName("Fd_Name")->AsString());
  cbbPartner->SetItemIndex(teachers->FieldByName("Fd_Rights")->AsInteger());
}

// Without a rights chosen the row keeps the rights it has.
void TfmSetTeacherRights::btnOkClick(TObject*) {
  if (!HasTeacher() || cbbPartner->ItemIndex() < 0) return;
  TADOQuery* teachers = dmGym->adqTeachers;
  EditRecord(teachers);
  PostRow(teachers, [&] { teachers->FieldByName("Fd_Rights")->SetAsInteger(cbbPartner->ItemIndex()); });
}

void TfmSetTeacherRights::btnCancelClick(TObject*) { CancelEditing(dmGym->adqTeachers); }

TModalResult ShowSetTeacherRights() { return HeldForm(fmSetTeacherRights)->ShowModal(); }
