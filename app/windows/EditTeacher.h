// The teacher dialog "教师信息设置": edits the current row of the main window's teachers query
// through data-aware boxes. A changed log-in name carries the teacher's classes taught along.
// The checks run before anything is stored, and a failed one keeps the dialog open; closing it
// any other way than by a successful OK drops the pending changes. It frees itself when closed.
#pragma once

#include "classes/Properties.h"
#include "controls/Button.h"
#include "controls/ComboBox.h"
#include "controls/DBCtrls.h"
#include "controls/Forms.h"
#include "data/ADODB.h"

class TfmEditTeacher : public TForm {
 public:
  explicit TfmEditTeacher(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmEditTeacher() override;
  String ClassName() const override { return "TfmEditTeacher"; }
  String LayoutModule() const override { return "EditTeacher"; }
  static void Publish(TClassBuilder<TfmEditTeacher>& c);

  // The first failed check of the row's current values, empty when every check passes.
  String CheckInput() const;

  TDataSource* dsTeacher = nullptr;
  TDBEdit* edtLogID = nullptr;
  TDBEdit* edtZip = nullptr;
  TEdit* edtRefPwd = nullptr;
  TComboBox* cbbTask = nullptr;
  TComboBox* cbbSex = nullptr;
  TButton* btnOk = nullptr;
  TButton* btnCancel = nullptr;
  TADOQuery* adqExecSql = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void dsTeacherStateChange(TObject* Sender);
  void StartEditing(TObject* Sender);
  void edtRefPwdKeyPress(TObject* Sender, TKeyChar& Key);
  void edtZipKeyPress(TObject* Sender, TKeyChar& Key);
  void btnOkClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);
  void btnTaskClick(TObject* Sender);
  void StoreTeacher();

  String FOldLogID;  // the log-in name the row had when the dialog was shown
};

// The dialog while it is open.
extern TfmEditTeacher* fmEditTeacher;
// The command "教师资料修改": the dialog, made anew, shown modally on the current teacher.
TModalResult ShowEditTeacher();
