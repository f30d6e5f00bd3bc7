// The log-on dialog shown by the main window's first activation: the log-in name and password
// checked by the data module, and the database command that points the connection at another
// file. It stays open after a failed log-on; OK means the user is logged on.
#pragma once

#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/Button.h"
#include "controls/Edit.h"
#include "controls/Forms.h"
#include "controls/Image.h"

class TfmLogon : public TForm {
 public:
  using TForm::TForm;
  String ClassName() const override { return "TfmLogon"; }
  String LayoutModule() const override { return "Logon"; }
  static void Publish(TClassBuilder<TfmLogon>& c);

  TEdit* edtLogon = nullptr;
  TEdit* edtPassword = nullptr;
  TAction* actSetDatabase = nullptr;
  TAction* actLogin = nullptr;
  TAction* actunLogin = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void actLoginUpdate(TObject* Sender);
  void actLoginExecute(TObject* Sender);
  void actunLoginExecute(TObject* Sender);
  void actSetDatabaseExecute(TObject* Sender);

  // Set only by a successful log-on or a cancel; the close query answers with it.
  bool FCanClose = false;
};
