// The main window: creation, the log-on of its first activation, the status bar, and the
// commands that open the small dialogs.
#include "app/KvMain.h"

#include "app/FormKit.h"
#include "app/KvConst.h"
#include "app/KvData.h"
#include "app/dialogs/About.h"
#include "app/dialogs/ChgPwd.h"
#include "app/dialogs/Logon.h"
#include "app/dialogs/SetDatabase.h"
#include "controls/Application.h"

TfmKvMain* fmKvMain = nullptr;
String AppPath;

TfmKvMain::~TfmKvMain() {
  if (fmKvMain == this) fmKvMain = nullptr;
}

void TfmKvMain::Publish(TClassBuilder<TfmKvMain>& c) {
  c.Method("FormCreate", &TfmKvMain::FormCreate);
  c.Method("FormActivate", &TfmKvMain::FormActivate);
  c.Method("actSetLogPasswordExecute", &TfmKvMain::actSetLogPasswordExecute);
  c.Method("actSetDatabaseExecute", &TfmKvMain::actSetDatabaseExecute);
  c.Method("actAboutExecute", &TfmKvMain::actAboutExecute);
}

void TfmKvMain::Loaded() {
  TForm::Loaded();
  BindComponent(this, StatusBar, "StatusBar");
  BindComponent(this, actSetLogPassword, "actSetLogPassword");
  BindComponent(this, actSetDatabase, "actSetDatabase");
  BindComponent(this, actAbout, "actAbout");
}

void TfmKvMain::FormCreate(TObject*) {
  FFirstActivate = true;
  SetCaption(Application->Title());
  SetBounds(0, 0, Screen->Width(), Screen->Height());
  AppPath = ApplicationFolder();
}

void TfmKvMain::FormActivate(TObject*) {
  if (!FFirstActivate) return;
  FFirstActivate = false;
  TComponentPtr<TfmLogon> logon(TCustomForm::Create<TfmLogon>(Application));
  ShowLogonState(logon->ShowModal() == mrOk);
}

void TfmKvMain::ShowLogonState(bool LoggedOn) {
  auto panel = [this](int Index, const String& Text) { StatusBar->Panels()->Items(Index)->SetText(Text); };
  panel(0, LoggedOn ? "成功登录" : "没有登录");
  panel(2, LoggedOn ? LogUserInfo->Name : String("未知"));
  panel(4, LoggedOn ? RightsName(LogUserInfo->Rights) : String("未知"));
}

void TfmKvMain::actSetLogPasswordExecute(TObject*) {
  if (!fmChgPwd) fmChgPwd = TCustomForm::Create<TfmChgPwd>(Application);
  fmChgPwd->ShowModal();
}

// Only the path is stored: the program goes on with the file it has and opens the new one at
// its next start.
void TfmKvMain::actSetDatabaseExecute(TObject*) { ShowSetDatabase(); }

void TfmKvMain::actAboutExecute(TObject*) {
  if (!AboutBox) AboutBox = TCustomForm::Create<TAboutBox>(Application);
  AboutBox->ShowModal();
}
