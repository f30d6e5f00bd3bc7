// The classes-taught dialog "教师任课分配": the classes a teacher teaches (Tb_TeacherTask), added
// from the class list and removed from the teacher's list; OK stores the differences in one
// transaction. The dialog frees itself when closed.
#pragma once

#include <memory>
#include <vector>

#include "classes/Properties.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/Forms.h"
#include "controls/ListBox.h"
#include "data/ADODB.h"

// A line of the teacher's class list, owned by the line: the class, and whether it was read from
// the table (1) or added in the dialog (0).
class TTaskClass : public TObject {
 public:
  TTaskClass(uint8_t AStored, String AClass) : Stored(AStored), Class(std::move(AClass)) {}
  uint8_t Stored;
  String Class;
};

class TfmSetTeacherTask : public TForm {
 public:
  explicit TfmSetTeacherTask(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmSetTeacherTask() override;
  String ClassName() const override { return "TfmSetTeacherTask"; }
  String LayoutModule() const override { return "SetTeacherTask"; }
  static void Publish(TClassBuilder<TfmSetTeacherTask>& c);

  // The teacher whose classes are edited; set before the dialog is shown.
  void SetTeacherLogID(const String& LogID) { FLogID = LogID; }

  TEdit* edtTeacher = nullptr;
  TComboBox* cbClass = nullptr;
  TListBox* lbTask = nullptr;
  TADOQuery* adqTask = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormDestroy(TObject* Sender);
  void sbAppendClick(TObject* Sender);
  void sbRemoveClick(TObject* Sender);
  void btnOkClick(TObject* Sender);
  void OpenTeacherTasks();
  void StoreTasks();

  String FLogID;
  std::vector<std::unique_ptr<TTaskClass>> FRemoved;  // stored classes taken off the list
};

// The dialog while it is open.
extern TfmSetTeacherTask* fmSetTeacherTask;
// The command "教师任课设置": the dialog, made anew, told the teacher and shown modally.
TModalResult ShowSetTeacherTask(const String& LogID);
