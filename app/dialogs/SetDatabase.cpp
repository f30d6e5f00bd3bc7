// The database dialog: browsing for the file, the checks in their order, the trial connection
// and storing the path.
#include "app/dialogs/SetDatabase.h"

#include <filesystem>

#include "app/FormKit.h"
#include "app/KvCommon.h"
#include "controls/Application.h"

TfmSetDatabase* fmSetDatabase = nullptr;

TfmSetDatabase::~TfmSetDatabase() {
  if (fmSetDatabase == this) fmSetDatabase = nullptr;
}

void TfmSetDatabase::Publish(TClassBuilder<TfmSetDatabase>& c) {
  c.Method("FormShow", &TfmSetDatabase::FormShow);
  c.Method("FormCloseQuery", &TfmSetDatabase::FormCloseQuery);
  c.Method("btnBrowseClick", &TfmSetDatabase::btnBrowseClick);
  c.Method("btnOkClick", &TfmSetDatabase::btnOkClick);
  c.Method("btnCancelClick", &TfmSetDatabase::btnCancelClick);
}

void TfmSetDatabase::Loaded() {
  TForm::Loaded();
  BindComponent(this, edtFile, "edtFile");
  BindComponent(this, dlgOpen, "dlgOpen");
  BindComponent(this, adcTest, "adcTest");
}

void TfmSetDatabase::FormShow(TObject*) {
  FCanClose = false;
  edtFile->SetText(GetDatabaseFile());
  dlgOpen->Filter = "库文件(*.db)|*.db|所有文件(*.*)|*.*";
}

void TfmSetDatabase::FormCloseQuery(TObject*, bool& CanClose) { CanClose = FCanClose; }

void TfmSetDatabase::btnBrowseClick(TObject*) {
  dlgOpen->FileName = edtFile->Text();
  if (dlgOpen->Execute()) edtFile->SetText(dlgOpen->FileName);
}

String TfmSetDatabase::CheckFile(const String& Path) {
  if (Path.empty()) return "请输入数据库文件。";
  std::error_code error;
  if (!std::filesystem::is_regular_file(Path, error)) return "找不到指定的数据库文件。";
  if (!TryConnect(Path)) return "系统无法连接指定数据库。";
  return String();
}

void TfmSetDatabase::btnOkClick(TObject*) {
  FCanClose = false;
  const String path = edtFile->Text();
  if (const String warning = CheckFile(path); !warning.empty()) {
    ShowMsgBox(warning, "警告", mtWarning, MsgDlgBit(mbOK));
    return;
  }
  FCanClose = true;
  SetDatabaseFile(path);
}

void TfmSetDatabase::btnCancelClick(TObject*) { FCanClose = true; }

bool TfmSetDatabase::TryConnect(const String& Path) {
  TScreenCursorScope cursor(crHourGlass);
  try {
    if (adcTest->Connected()) adcTest->Close();
    adcTest->SetConnectionString(DatabaseConnectionString(Path, DatabaseUser, DatabasePassword));
    adcTest->Open();
    adcTest->Close();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

TModalResult ShowSetDatabase() {
  if (!fmSetDatabase) fmSetDatabase = TCustomForm::Create<TfmSetDatabase>(Application);
  return fmSetDatabase->ShowModal();
}
