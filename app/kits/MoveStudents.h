// What the class-move and promotion dialogs share: a source and a target class, the students of
// the source class, and the list of students chosen to go to the target, moved across one at a
// time, by selection or all back. The dialogs differ in the grades they allow and in what a move
// does; each frees itself when closed.
#pragma once

#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/ComboBox.h"
#include "controls/Forms.h"
#include "controls/ListBox.h"
#include "data/ADODB.h"

class TGradeInfo;

// The student number of a list line "number name": the text before the first blank; -1 (no
// student has it) when the line has no blank or the text is no number.
int EntryStudentNo(const String& Entry);

class TfmMoveStudents : public TForm {
 public:
  ~TfmMoveStudents() override;
  String ClassName() const override { return "TfmMoveStudents"; }
  static void Publish(TClassBuilder<TfmMoveStudents>& c);

  TComboBox* cbxFrom = nullptr;
  TComboBox* cbxTo = nullptr;
  TListBox* lbFromStudent = nullptr;
  TListBox* lbToStudent = nullptr;
  TAction* actSingleSelect = nullptr;
  TAction* actMultSelect = nullptr;
  TAction* actSingleDelete = nullptr;
  TAction* actMultDelete = nullptr;
  TAction* actClearSelect = nullptr;
  TAction* actStartEdit = nullptr;
  TADOQuery* adqStudent = nullptr;

 protected:
  explicit TfmMoveStudents(TComponent* AOwner) : TForm(AOwner) {}
  void Loaded() override;

  // Moves the chosen students (lbToStudent, in list order) to the target class.
  virtual void MoveChosenStudents() = 0;
  // The class and grade of the chosen source and target; nullptr while none is chosen.
  const TGradeInfo* SourceClass() const;
  const TGradeInfo* TargetClass() const;
  // Reads the source class's students into adqStudent again.
  void LoadSourceStudents();
  // Runs Move on the row of adqStudent of each chosen student, in list order; a student no longer
  // in the source class is passed over.
  void ForEachChosenStudent(const std::function<void(int StuNo)>& Move);
  // Puts the current student of adqStudent into the target class.
  void SetTargetClass();

 private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void FormDestroy(TObject* Sender);
  void cbxFromChange(TObject* Sender);
  void actSelectUpdate(TObject* Sender);
  void actSingleSelectExecute(TObject* Sender);
  void actMultSelectExecute(TObject* Sender);
  void actDeleteUpdate(TObject* Sender);
  void actSingleDeleteExecute(TObject* Sender);
  void actMultDeleteExecute(TObject* Sender);
  void actClearSelectUpdate(TObject* Sender);
  void actClearSelectExecute(TObject* Sender);
  void actStartEditUpdate(TObject* Sender);
  void actStartEditExecute(TObject* Sender);
};
