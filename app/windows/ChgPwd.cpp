// The password dialog: comparing the two entries and storing the new password in the logged-in
// teacher's row.
#include "app/windows/ChgPwd.h"

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"
#include "controls/Application.h"
#include "rtl/Convert.h"

TfmChgPwd* fmChgPwd = nullptr;

TfmChgPwd::~TfmChgPwd() {
  if (fmChgPwd == this) fmChgPwd = nullptr;
}

void TfmChgPwd::Publish(TClassBuilder<TfmChgPwd>& c) {
  c.Method("FormCreate", &TfmChgPwd::FormCreate);
  c.Method("FormShow", &TfmChgPwd::FormShow);
  c.Method("FormCloseQuery", &TfmChgPwd::FormCloseQuery);
  c.Method("FormClose", &TfmChgPwd::FormClose);
  c.Method("btnOkClick", &TfmChgPwd::btnOkClick);
  c.Method("btnCancelClick", &TfmChgPwd::btnCancelClick);
}

void TfmChgPwd::Loaded() {
  TForm::Loaded();
  BindComponent(this, edtNewPwd, "edtNewPwd");
  BindComponent(this, edtRefPwd, "edtRefPwd");
  BindComponent(this, adtTeacher, "adtTeacher");
}

// The teachers table goes through the program's one connection, which a layout cannot name.
void TfmChgPwd::FormCreate(TObject*) { ConnectDataSets(this); }

void TfmChgPwd::FormShow(TObject*) { FCanClose = false; }

void TfmChgPwd::FormCloseQuery(TObject*, bool& CanClose) {
  CanClose = FCanClose;
  if (!CanClose) return;
  TScreenCursorScope cursor(crHourGlass);
  adtTeacher->Close();
}

void TfmChgPwd::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void TfmChgPwd::btnCancelClick(TObject*) { FCanClose = true; }

void TfmChgPwd::btnOkClick(TObject*) {
  FCanClose = false;
  if (edtNewPwd->Text() != edtRefPwd->Text()) {
    ShowMsgBox("密码不正确。", "错误提示", mtInformation, MsgDlgBit(mbOK));
    return;
  }
  StorePassword(edtNewPwd->Text());
}

// The row is found the way log-on found it, without regard to the case of the typed name.
void TfmChgPwd::StorePassword(const String& Password) {
  TScreenCursorScope cursor(crHourGlass);
  adtTeacher->Close();
  adtTeacher->Open();
  if (!adtTeacher->Locate("Fd_LogID", Variant(LogUserInfo->LogID), loCaseInsensitive)) {
    ShowMsgBox(Format("用户[%s]不存在。", {LogUserInfo->LogID}), "错误提示", mtInformation, MsgDlgBit(mbOK));
    return;
  }
  EditRecord(adtTeacher);
  PostRow(adtTeacher, [&] { adtTeacher->FieldByName("Fd_Password")->SetAsString(Password); });
  FCanClose = true;
}
