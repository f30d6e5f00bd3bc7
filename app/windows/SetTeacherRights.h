// The rights dialog "教师职务分配": the current teacher of the main window's teachers query is
// made a PE teacher or the head of the office. Kept for the next use.
#pragma once

#include "classes/Properties.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/Forms.h"

class TfmSetTeacherRights : public TForm {
 public:
  explicit TfmSetTeacherRights(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmSetTeacherRights() override;
  String ClassName() const override { return "TfmSetTeacherRights"; }
  String LayoutModule() const override { return "SetTeacherRights"; }
  static void Publish(TClassBuilder<TfmSetTeacherRights>& c);

  TEdit* edtLogId = nullptr;
  TEdit* edtName = nullptr;
  TComboBox* cbbPartner = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void btnOkClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);
};

// Made on first use, owned by the application, kept for the next use.
extern TfmSetTeacherRights* fmSetTeacherRights;
// The command "教师职务分配": shows the dialog modally on the current teacher.
TModalResult ShowSetTeacherRights();
