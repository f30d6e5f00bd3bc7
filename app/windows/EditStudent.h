// The student window "学生资料设置": edits the current student of the main window's students
// query through data-aware boxes, with the birth date and the exemption in boxes of their own.
// A changed student number carries every row of the student along. The window stays open after
// a save and frees itself when closed.
#pragma once

#include "classes/Properties.h"
#include "controls/Button.h"
#include "controls/DBCtrls.h"
#include "controls/Edit.h"
#include "controls/Forms.h"
#include "controls/GroupBox.h"
#include "controls/Memo.h"
#include "data/ADODB.h"

class TfmEditStudent : public TForm {
 public:
  explicit TfmEditStudent(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmEditStudent() override;
  String ClassName() const override { return "TfmEditStudent"; }
  String LayoutModule() const override { return "EditStudent"; }
  static void Publish(TClassBuilder<TfmEditStudent>& c);

  // The first failed check of the row and the boxes, empty when every check passes.
  String CheckInput() const;

  TDataSource* dsSetStu = nullptr;
  TDBEdit* DBEdit1 = nullptr;
  TDBComboBox* cbbDbSex = nullptr;
  TDBCheckBox* DBCheckBox1 = nullptr;
  TEdit* edtYear = nullptr;
  TEdit* edtMonth = nullptr;
  TEdit* edtDay = nullptr;
  TGroupBox* gbFreeGymBox = nullptr;
  TMemo* memFreeReason = nullptr;
  TEdit* edtFreeTime = nullptr;
  TMemo* memFreeRemark = nullptr;
  TButton* btnOk = nullptr;
  TButton* btnClose = nullptr;
  TADOTable* adtFreegym = nullptr;
  TADOQuery* adqExecSql = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void dsSetStuStateChange(TObject* Sender);
  void DBCheckBox1Click(TObject* Sender);
  void edtFreeTimeChange(TObject* Sender);
  void edtYearKeyPress(TObject* Sender, TKeyChar& Key);
  void btnOkClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);
  void btnHelpClick(TObject* Sender);
  void ShowBirthday();
  void LoadExemption();
  void StoreStudent(TDateTime Birthday);
  // Moves every row of the student from the number they had to NewStuNo.
  void RenumberStudent(int NewStuNo);

  int FOldStuNo = 0;       // the number the student is stored under
  bool FLoading = false;  // the boxes are being filled, not typed in
};

// The window while it is open.
extern TfmEditStudent* fmEditStudent;
// The command "学生资料维护": the window, made anew, shown modally on the current student.
TModalResult ShowEditStudent();
