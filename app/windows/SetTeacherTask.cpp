// The classes-taught dialog: the teacher's classes read into the list, classes added and removed
// in the list, and on OK the removed rows deleted and the added ones appended.
#include "app/windows/SetTeacherTask.h"

#include <new>

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"
#include "app/data/KvStatements.h"

TfmSetTeacherTask* fmSetTeacherTask = nullptr;

namespace {

String TaskLine(const String& ClassName) { return ClassName + "班"; }

std::vector<Variant> TaskKey(const String& LogID, const String& ClassName) { return {LogID, ClassName}; }

}  // namespace

TfmSetTeacherTask::~TfmSetTeacherTask() {
  if (fmSetTeacherTask == this) fmSetTeacherTask = nullptr;
}

void TfmSetTeacherTask::Publish(TClassBuilder<TfmSetTeacherTask>& c) {
  c.Method("FormCreate", &TfmSetTeacherTask::FormCreate);
  c.Method("FormShow", &TfmSetTeacherTask::FormShow);
  c.Method("FormCloseQuery", &TfmSetTeacherTask::FormCloseQuery);
  c.Method("FormClose", &TfmSetTeacherTask::FormClose);
  c.Method("FormDestroy", &TfmSetTeacherTask::FormDestroy);
  c.Method("sbAppendClick", &TfmSetTeacherTask::sbAppendClick);
  c.Method("sbRemoveClick", &TfmSetTeacherTask::sbRemoveClick);
  c.Method("btnOkClick", &TfmSetTeacherTask::btnOkClick);
}

void TfmSetTeacherTask::Loaded() {
  TForm::Loaded();
  BindComponent(this, edtTeacher, "edtTeacher");
  BindComponent(this, cbClass, "cbClass");
  BindComponent(this, lbTask, "lbTask");
  BindComponent(this, adqTask, "adqTask");
}

void TfmSetTeacherTask::FormCreate(TObject*) { ConnectDataSets(this); }

void TfmSetTeacherTask::FormShow(TObject*) {
  const TADOQuery* teachers = dmGym->adqTeachers;
  edtTeacher->SetText(teachers->FieldByName("Fd_LogID")->AsString() + "[" +
                      teachers->FieldByName("Fd_Name")->AsString() + "]");
  dmGym->FillClassList(cbClass->Items());
  if (cbClass->Items()->Count() > 0) cbClass->SetItemIndex(0);
  TScreenCursorScope cursor(crHourGlass);
  OpenTeacherTasks();
  for (adqTask->First(); !adqTask->Eof(); adqTask->Next()) {
    const String name = adqTask->FieldByName("Fd_Classes")->AsString();
    lbTask->Items()->AddObject(TaskLine(name), new TTaskClass(1, name));
  }
}

void TfmSetTeacherTask::OpenTeacherTasks() {
  OpenSql(adqTask, TeacherTasksSql, {{"ALogID", FLogID}});
}

void TfmSetTeacherTask::FormCloseQuery(TObject*, bool& CanClose) {
  CanClose = true;
  TScreenCursorScope cursor(crHourGlass);
  adqTask->Close();
}

void TfmSetTeacherTask::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void TfmSetTeacherTask::FormDestroy(TObject*) { FreeItemObjects(lbTask->Items()); }

void TfmSetTeacherTask::sbAppendClick(TObject*) {
  if (cbClass->ItemIndex() < 0) return;
  const String name = cbClass->Text();
  if (lbTask->Items()->IndexOf(TaskLine(name)) >= 0) return;
  TTaskClass* added = nullptr;
  try {
    added = new TTaskClass(0, name);
  } catch (const std::bad_alloc&) {
    throw Exception("引用内存出错。");
  }
  lbTask->Items()->AddObject(TaskLine(name), added);
}

// A stored class is remembered for deletion on OK; one added in the dialog simply goes.
void TfmSetTeacherTask::sbRemoveClick(TObject*) {
  const int index = lbTask->ItemIndex();
  if (index < 0) return;
  std::unique_ptr<TTaskClass> entry(static_cast<TTaskClass*>(lbTask->Items()->Objects(index)));
  lbTask->Items()->Delete(index);
  if (entry->Stored) FRemoved.push_back(std::move(entry));
}

void TfmSetTeacherTask::btnOkClick(TObject*) {
  KeepOpenOnFailure(this, [this] {
    TScreenCursorScope cursor(crHourGlass);
    dmGym->RunInTransaction([this] { StoreTasks(); });
  });
  FRemoved.clear();
}

// A class removed and added again is deleted, then appended: the table ends as it began.
void TfmSetTeacherTask::StoreTasks() {
  OpenTeacherTasks();
  for (const auto& removed : FRemoved)
    if (adqTask->Locate("Fd_LogID;Fd_Classes", TaskKey(FLogID, removed->Class))) adqTask->Delete();
  for (int i = 0; i < lbTask->Items()->Count(); ++i) {
    const auto* entry = static_cast<const TTaskClass*>(lbTask->Items()->Objects(i));
    if (entry->Stored || adqTask->Locate("Fd_LogID;Fd_Classes", TaskKey(FLogID, entry->Class))) continue;
    adqTask->Append();
    adqTask->FieldByName("Fd_LogID")->SetAsString(FLogID);
    adqTask->FieldByName("Fd_Classes")->SetAsString(entry->Class);
    adqTask->Post();
  }
}

TModalResult ShowSetTeacherTask(const String& LogID) {
  HeldForm(fmSetTeacherTask)->SetTeacherLogID(LogID);
  return fmSetTeacherTask->ShowModal();
}
