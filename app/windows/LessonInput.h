// The attendance register "学生出勤情况录入": for each student of the main window's students an
// attendance kind on a lesson date, one pending entry per student, appended to Tb_DutyProcess.
// Modeless beside the main window; picking a kind records the current student and moves on. A
// failed commit shows its error and leaves the window open with every entry, none of them stored.
#pragma once

#include "app/kits/EntryKit.h"
#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/DBCtrls.h"
#include "controls/Forms.h"
#include "data/ADODB.h"
#include "editors/dxEdLib.h"

class TfmLessonInput : public TForm {
 public:
  explicit TfmLessonInput(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmLessonInput() override;
  String ClassName() const override { return "TfmLessonInput"; }
  String LayoutModule() const override { return "LessonInput"; }
  static void Publish(TClassBuilder<TfmLessonInput>& c);

  // The pending entries, the newest on top.
  const TPendingList<TDutyObject>& Pending() const { return FPending; }
  // Records the current student with Duty on the date shown, replacing the student's pending
  // entry, then moves on when the automatic move box is checked. An empty kind records nothing.
  void AddDutyEntry(const String& Duty);
  // Stores every pending entry (newest first); nothing for an empty list.
  void CommitDutyEntries();

  TDBEdit* edtStuNo = nullptr;
  TDBEdit* edtName = nullptr;
  TdxDateEdit* deTestDate = nullptr;
  TComboBox* cbbLessonType = nullptr;
  TCheckBox* cbAutoMove = nullptr;
  TListView* lvInputList = nullptr;
  TAction* actDelete = nullptr;
  TAction* actClear = nullptr;
  TAction* actUpdate = nullptr;
  TADOTable* adtStudentDuty = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void cbbLessonTypeCloseUp(TObject* Sender);
  void actDeleteExecute(TObject* Sender);
  // The enabled state of the list's actions, for each of them.
  void UpdateListActions(TObject* Sender);
  void actClearExecute(TObject* Sender);
  void actUpdateExecute(TObject* Sender);
  void btnCancelClick(TObject* Sender);
  // The built-in kinds, then those of Tb_Duty in table order.
  void LoadDutyKinds();

  TPendingList<TDutyObject> FPending;
};

// The window while it is open.
extern TfmLessonInput* fmLessonInput;

// The main window's command: the window, made when none is open, shown (modeless, beside the main
// window).
void ShowLessonInput();
