// The school information dialog: the administrator edits the one row of the school's name,
// manager, phone, postcode, address and introduction. It stays open until the row is saved or
// the user lets it go, and is kept for the next use.
#pragma once

#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/Edit.h"
#include "controls/Forms.h"
#include "controls/Memo.h"
#include "data/ADODB.h"

class TfmSetSchoolInfo : public TForm {
 public:
  explicit TfmSetSchoolInfo(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmSetSchoolInfo() override;
  String ClassName() const override { return "TfmSetSchoolInfo"; }
  String LayoutModule() const override { return "SetSchoolInfo"; }
  static void Publish(TClassBuilder<TfmSetSchoolInfo>& c);

  // Something was typed since the dialog was shown.
  bool Modified() const { return FModified; }

  TEdit* edtName = nullptr;
  TEdit* edtManager = nullptr;
  TEdit* edtPhone = nullptr;
  TEdit* edtZip = nullptr;
  TEdit* edtAddress = nullptr;
  TMemo* memIntroduce = nullptr;
  TAction* ActOk = nullptr;
  TAction* ActCancel = nullptr;
  TADOTable* adtSchool = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void EditKeyPress(TObject* Sender, TKeyChar& Key);
  void ActOkUpdate(TObject* Sender);
  void ActOkExecute(TObject* Sender);
  void ActCancelUpdate(TObject* Sender);
  void ActCancelExecute(TObject* Sender);
  void ClearEdits();
  void LoadSchool();
  void SaveSchool();

  bool FModified = false;
  bool FCanClose = false;
};

// Made on first use, owned by the application, kept for the next use.
extern TfmSetSchoolInfo* fmSetSchoolInfo;
// The command "学校信息设置": shows the dialog modally.
TModalResult ShowSetSchoolInfo();
