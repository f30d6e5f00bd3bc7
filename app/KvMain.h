// The main window fmKvMain: the application's full-screen frame. Its first activation logs the
// user on; the status bar shows who is logged on and with which rights. It also holds the
// commands of the password, database and about dialogs.
#pragma once

#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/Forms.h"
#include "controls/StatusBar.h"

class TfmKvMain : public TForm {
 public:
  explicit TfmKvMain(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmKvMain() override;
  String ClassName() const override { return "TfmKvMain"; }
  String LayoutModule() const override { return "KvMain"; }
  static void Publish(TClassBuilder<TfmKvMain>& c);

  // Panels 0, 2 and 4: "成功登录", the user's name and rights name when logged on; "没有登录",
  // "未知", "未知" otherwise.
  void ShowLogonState(bool LoggedOn);

  TStatusBar* StatusBar = nullptr;
  TAction* actSetLogPassword = nullptr;
  TAction* actSetDatabase = nullptr;
  TAction* actAbout = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormActivate(TObject* Sender);
  void actSetLogPasswordExecute(TObject* Sender);
  void actSetDatabaseExecute(TObject* Sender);
  void actAboutExecute(TObject* Sender);

  bool FFirstActivate = false;
};

extern TfmKvMain* fmKvMain;
// The program's folder, ending in "/"; set when the main window is made.
extern String AppPath;
