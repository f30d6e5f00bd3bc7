// The new-teacher dialog "添加教师资料": teachers are added one after another into the main
// window's teachers query, so that its grid shows each at once. The fields keep their text after
// an add, for the next teacher to be typed over them. The dialog frees itself when closed.
#pragma once

#include "classes/Properties.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/Forms.h"
#include "controls/Memo.h"

class TfmNewTeacher : public TForm {
 public:
  explicit TfmNewTeacher(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmNewTeacher() override;
  String ClassName() const override { return "TfmNewTeacher"; }
  String LayoutModule() const override { return "NewTeachers"; }
  static void Publish(TClassBuilder<TfmNewTeacher>& c);

  // The first failed check of the typed teacher, empty when every check passes.
  String CheckInput() const;

  TEdit* edtName = nullptr;
  TComboBox* cbbSex = nullptr;
  TComboBox* cbbTask = nullptr;
  TEdit* edtPhone = nullptr;
  TEdit* edtZip = nullptr;
  TMemo* mmAddress = nullptr;
  TEdit* edtLogID = nullptr;
  TEdit* edtPwd = nullptr;
  TEdit* edtRefPwd = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void edtZipKeyPress(TObject* Sender, TKeyChar& Key);
  void btnAddClick(TObject* Sender);
  void btnCloseClick(TObject* Sender);
  void AppendTeacher();
};

// The dialog while it is open.
extern TfmNewTeacher* fmNewTeacher;
// The command "添加教师资料": the dialog, made anew, shown modally.
TModalResult ShowNewTeacher();

// Fills the rights list ("体育老师", "教研室主任": the index is Fd_Rights) and the sex list.
void FillTeacherLists(TComboBox* Rights, TComboBox* Sex);
