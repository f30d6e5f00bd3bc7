// The database dialog: browsing for the file, the checks in their order, the trial connection
// and storing the path.
#include "app/windows/SetDatabase.h"

#include <filesystem>

#include "app/kits/FormKit.h"
#include "app/data/KvCommon.h"
#include "app/data/KvData.h"
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
  if (const String reason = TryConnect(Path); !reason.empty()) return "系统无法连接指定数据库。\n" + reason;
  return String();
}

void TfmSetDatabase::btnOkClick(TObject*) {
  FCanClose = false;
  const String path = edtFile->Text();
  if (const String warning = CheckFile(path); !warning.empty()) {
    ShowMsgBox(warning, "警告", mtWarning, MsgDlgBit(mbOK));
    return;
  }
  SetDatabaseFile(path);  // a path that cannot be stored keeps the dialog open
  FCanClose = true;
}

void TfmSetDatabase::btnCancelClick(TObject*) { FCanClose = true; }

String TfmSetDatabase::TryConnect(const String& Path) {
  TScreenCursorScope cursor(crHourGlass);
  try {
    OpenSystemDatabase(*adcTest, Path, DatabaseUser, DatabasePassword);
    adcTest->Close();
    return String();
  } catch (const std::exception& e) {
    return e.what();
  }
}

TModalResult ShowSetDatabase() {
  if (!fmSetDatabase) fmSetDatabase = TCustomForm::Create<TfmSetDatabase>(Application);
  return fmSetDatabase->ShowModal();
}
