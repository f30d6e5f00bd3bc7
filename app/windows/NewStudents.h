// The new-student window "添加学生资料": students are added one after another to the class the
// main window shows, into its students query, each with an exemption row when they are exempt.
// It frees itself when closed.
#pragma once

#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/Forms.h"
#include "controls/GroupBox.h"
#include "controls/Memo.h"
#include "data/ADODB.h"

class TfmNewStudents : public TForm {
 public:
  explicit TfmNewStudents(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmNewStudents() override;
  String ClassName() const override { return "TfmNewStudents"; }
  String LayoutModule() const override { return "NewStudents"; }
  static void Publish(TClassBuilder<TfmNewStudents>& c);

  // The first failed check of the typed student, empty when every check passes.
  String CheckInput() const;
  // Empties every box but the class and unchecks the exemption; the sex goes back to "男".
  void ClearInput();

  TEdit* edtNo = nullptr;
  TEdit* edtName = nullptr;
  TComboBox* cbbSex = nullptr;
  TEdit* edtYear = nullptr;
  TEdit* edtMonth = nullptr;
  TEdit* edtDay = nullptr;
  TEdit* edtClass = nullptr;
  TEdit* edtInSchool = nullptr;
  TCheckBox* cbSign = nullptr;
  TGroupBox* gbFreeGymBox = nullptr;
  TMemo* memFreeReason = nullptr;
  TEdit* edtFreeTime = nullptr;
  TMemo* memFreeRemark = nullptr;
  TAction* actAppend = nullptr;
  TAction* actCancel = nullptr;
  TADOTable* adtFreeGym = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void cbSignClick(TObject* Sender);
  void DigitKeyPress(TObject* Sender, TKeyChar& Key);
  void edtClassEnter(TObject* Sender);
  void actAppendUpdate(TObject* Sender);
  void actAppendExecute(TObject* Sender);
  void actCancelUpdate(TObject* Sender);
  void actCancelExecute(TObject* Sender);
  void actHelpExecute(TObject* Sender);
  // Appends the student and, when exempt, the exemption row; a student whose exemption row is
  // refused is deleted again.
  void AppendStudent();
};

// The window while it is open.
extern TfmNewStudents* fmNewStudents;
// The command "添加学生资料": the window, made anew, given the class the main window shows and
// shown modally.
TModalResult ShowNewStudents(const String& ClassName);
