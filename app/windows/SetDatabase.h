// The database dialog: chooses the database file, tries a connection to it and stores its path
// in the settings; it does not reconnect the program. It stays open after a refused file and is
// kept for the next use.
#pragma once

#include "classes/Properties.h"
#include "controls/Button.h"
#include "controls/Dialogs.h"
#include "controls/Edit.h"
#include "controls/Forms.h"
#include "data/ADODB.h"

class TfmSetDatabase : public TForm {
 public:
  explicit TfmSetDatabase(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmSetDatabase() override;
  String ClassName() const override { return "TfmSetDatabase"; }
  String LayoutModule() const override { return "SetDatabase"; }
  static void Publish(TClassBuilder<TfmSetDatabase>& c);

  // Opens a connection to the database file Path and closes it again at once; answers why it
  // could not be opened, empty when it could.
  String TryConnect(const String& Path);

  TEdit* edtFile = nullptr;
  TOpenDialog* dlgOpen = nullptr;
  TADOConnection* adcTest = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormShow(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void btnBrowseClick(TObject* Sender);
  void btnOkClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);
  // The warning the chosen path deserves, empty when it can be stored.
  String CheckFile(const String& Path);

  bool FCanClose = false;
};

// Made on first use, owned by the application.
extern TfmSetDatabase* fmSetDatabase;
// Shows the database dialog modally; OK means a tested path was stored.
TModalResult ShowSetDatabase();
