// The password dialog: the logged-in user types a new password twice and it is stored in the
// teacher's row. It stays open until the change is stored or cancelled, then frees itself.
#pragma once

#include "classes/Properties.h"
#include "controls/Edit.h"
#include "controls/Forms.h"
#include "data/ADODB.h"

class TfmChgPwd : public TForm {
 public:
  explicit TfmChgPwd(TComponent* AOwner) : TForm(AOwner) {}
  ~TfmChgPwd() override;
  String ClassName() const override { return "TfmChgPwd"; }
  String LayoutModule() const override { return "ChgPwd"; }
  static void Publish(TClassBuilder<TfmChgPwd>& c);

  TEdit* edtNewPwd = nullptr;
  TEdit* edtRefPwd = nullptr;
  TADOTable* adtTeacher = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void btnOkClick(TObject* Sender);
  void btnCancelClick(TObject* Sender);
  void StorePassword(const String& Password);

  bool FCanClose = false;
};

// The password dialog while it exists; made on first use by the main window.
extern TfmChgPwd* fmChgPwd;
