// The log-on dialog: the log-on and cancel actions, the database command, and the close query
// that keeps the dialog open until one of them allows it to close.
#include "app/windows/Logon.h"

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"
#include "app/windows/SetDatabase.h"
#include "controls/Application.h"

void TfmLogon::Publish(TClassBuilder<TfmLogon>& c) {
  c.Method("FormCreate", &TfmLogon::FormCreate);
  c.Method("FormCloseQuery", &TfmLogon::FormCloseQuery);
  c.Method("actLoginUpdate", &TfmLogon::actLoginUpdate);
  c.Method("actLoginExecute", &TfmLogon::actLoginExecute);
  c.Method("actunLoginExecute", &TfmLogon::actunLoginExecute);
  c.Method("actSetDatabaseExecute", &TfmLogon::actSetDatabaseExecute);
}

void TfmLogon::Loaded() {
  TForm::Loaded();
  BindComponent(this, edtLogon, "edtLogon");
  BindComponent(this, edtPassword, "edtPassword");
  BindComponent(this, actSetDatabase, "actSetDatabase");
  BindComponent(this, actLogin, "actLogin");
  BindComponent(this, actunLogin, "actunLogin");
}

void TfmLogon::FormCreate(TObject*) {
  edtLogon->Clear();
  edtPassword->Clear();
  FCanClose = false;
}

void TfmLogon::FormCloseQuery(TObject*, bool& CanClose) { CanClose = FCanClose; }

void TfmLogon::actLoginUpdate(TObject*) { actLogin->SetEnabled(!edtLogon->Text().empty()); }

void TfmLogon::actLoginExecute(TObject*) {
  TScreenCursorScope cursor(crHourGlass);
  FCanClose = false;
  const String error = dmGym->Login(edtLogon->Text(), edtPassword->Text());
  if (!error.empty()) throw Exception(error);
  dmGym->LoadNutricList();
  FCanClose = true;
}

void TfmLogon::actunLoginExecute(TObject*) { FCanClose = true; }

// The dialog stays open either way, so that the user can log on to the file just chosen.
void TfmLogon::actSetDatabaseExecute(TObject*) {
  if (ShowSetDatabase() != mrOk) return;
  const String error = dmGym->ConnectDatabase(GetDatabaseFile(), DatabaseUser, DatabasePassword);
  if (!error.empty()) throw Exception(error);
}
