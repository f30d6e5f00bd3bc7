// The school information dialog: loading the row when shown, the modified state that any key
// sets, the checks and the save of OK, and the question when the user leaves after typing.
#include "app/windows/SetSchoolInfo.h"

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"

TfmSetSchoolInfo* fmSetSchoolInfo = nullptr;

TfmSetSchoolInfo::~TfmSetSchoolInfo() {
  if (fmSetSchoolInfo == this) fmSetSchoolInfo = nullptr;
}

void TfmSetSchoolInfo::Publish(TClassBuilder<TfmSetSchoolInfo>& c) {
  c.Method("FormCreate", &TfmSetSchoolInfo::FormCreate);
  c.Method("FormShow", &TfmSetSchoolInfo::FormShow);
  c.Method("FormCloseQuery", &TfmSetSchoolInfo::FormCloseQuery);
  c.Method("EditKeyPress", &TfmSetSchoolInfo::EditKeyPress);
  c.Method("ActOkUpdate", &TfmSetSchoolInfo::ActOkUpdate);
  c.Method("ActOkExecute", &TfmSetSchoolInfo::ActOkExecute);
  c.Method("ActCancelUpdate", &TfmSetSchoolInfo::ActCancelUpdate);
  c.Method("ActCancelExecute", &TfmSetSchoolInfo::ActCancelExecute);
}

void TfmSetSchoolInfo::Loaded() {
  TForm::Loaded();
  BindComponent(this, edtName, "edtName");
  BindComponent(this, edtManager, "edtManager");
  BindComponent(this, edtPhone, "edtPhone");
  BindComponent(this, edtZip, "edtZip");
  BindComponent(this, edtAddress, "edtAddress");
  BindComponent(this, memIntroduce, "memIntroduce");
  BindComponent(this, ActOk, "ActOk");
  BindComponent(this, ActCancel, "ActCancel");
  BindComponent(this, adtSchool, "adtSchool");
}

void TfmSetSchoolInfo::FormCreate(TObject*) { ConnectDataSets(this); }

void TfmSetSchoolInfo::FormShow(TObject*) {
  ClearEdits();
  FModified = false;
  LoadSchool();
  FCanClose = false;
}

void TfmSetSchoolInfo::ClearEdits() {
  for (TEdit* edit : {edtName, edtManager, edtPhone, edtZip, edtAddress}) edit->Clear();
  memIntroduce->Clear();
}

void TfmSetSchoolInfo::LoadSchool() {
  TScreenCursorScope cursor(crHourGlass);
  adtSchool->Close();
  adtSchool->Open();
  if (adtSchool->IsEmpty()) return;
  adtSchool->First();
  edtName->SetText(adtSchool->FieldByName("Fd_SchoolName")->AsString());
  edtManager->SetText(adtSchool->FieldByName("Fd_Manager")->AsString());
  edtPhone->SetText(adtSchool->FieldByName("Fd_Phone")->AsString());
  edtZip->SetText(adtSchool->FieldByName("Fd_Zip")->AsString());
  edtAddress->SetText(adtSchool->FieldByName("Fd_Address")->AsString());
  memIntroduce->Lines()->Add(adtSchool->FieldByName("Fd_Introduce")->AsString());
}

void TfmSetSchoolInfo::FormCloseQuery(TObject*, bool& CanClose) {
  CanClose = FCanClose;
  if (!CanClose) return;
  TScreenCursorScope cursor(crHourGlass);
  adtSchool->Close();
}

// Every key counts as a change, so that OK rewrites the row even when the text came out the same.
void TfmSetSchoolInfo::EditKeyPress(TObject*, TKeyChar&) { FModified = true; }

void TfmSetSchoolInfo::ActOkUpdate(TObject*) { ActOk->SetEnabled(FModified); }

void TfmSetSchoolInfo::ActOkExecute(TObject*) {
  FCanClose = false;
  if (edtName->Text().empty() || edtManager->Text().empty()) {
    ShowMsgBox("请输入学校名称/学校负责人姓名。", "错误提示", mtInformation, MsgDlgBit(mbOK));
    return;
  }
  if (FModified) SaveSchool();
  FCanClose = true;
}

void TfmSetSchoolInfo::SaveSchool() {
  TScreenCursorScope cursor(crHourGlass);
  if (!adtSchool->Active()) adtSchool->Open();
  if (adtSchool->IsEmpty()) {
    adtSchool->Append();
  } else {
    adtSchool->First();
    EditRecord(adtSchool);
  }
  adtSchool->FieldByName("Fd_SchoolName")->SetAsString(edtName->Text());
  adtSchool->FieldByName("Fd_Manager")->SetAsString(edtManager->Text());
  adtSchool->FieldByName("Fd_Phone")->SetAsString(edtPhone->Text());
  adtSchool->FieldByName("Fd_Zip")->SetAsString(edtZip->Text());
  adtSchool->FieldByName("Fd_Address")->SetAsString(edtAddress->Text());
  adtSchool->FieldByName("Fd_Introduce")->SetAsString(memIntroduce->Text());
  adtSchool->Post();
}

void TfmSetSchoolInfo::ActCancelUpdate(TObject*) { ActCancel->SetCaption(FModified ? "取消" : "关闭"); }

// After typing the user may still keep the dialog open to press OK.
void TfmSetSchoolInfo::ActCancelExecute(TObject*) {
  FCanClose = true;
  if (FModified && ShowMsgBox("数据已更改，需要保存吗？", "信息提示", mtConfirmation, MsgDlgBit(mbYes) | MsgDlgBit(mbNo)) == mrYes)
    FCanClose = false;
}

TModalResult ShowSetSchoolInfo() {
  return HeldForm(fmSetSchoolInfo)->ShowModal();
}
