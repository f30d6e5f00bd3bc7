// TdxBarNameEd: the small dialog that names a new or renamed toolbar, or a category being added,
// inserted or renamed. A toolbar name that another bar has already is refused.
#pragma once

#include "bars/dxBarCommon.h"
#include "controls/Button.h"
#include "controls/Edit.h"
#include "controls/Forms.h"
#include "controls/Label.h"

class TdxBarNameEd : public TForm {
 public:
  // Mode: for categories 0 add, 1 insert, 2 rename; for toolbars 0 new, 1 rename (Bar).
  TdxBarNameEd(bool IsCategory, int Mode, TdxBar* Bar, TdxBarManager* Manager);
  String ClassName() const override { return "TdxBarNameEd"; }

  TLabel* LName = nullptr;
  TEdit* EName = nullptr;
  TButton* BOK = nullptr;
  TButton* BCancel = nullptr;

 protected:
  void DoShow() override;

 private:
  // Confirming a toolbar name another bar has shows a message and keeps the dialog open.
  void CheckName(bool& CanClose);

  bool FIsCategory;
  TdxBar* FBar;
  TdxBarManager* FManager;
};

// Shows the dialog modally with Name in its edit; true when confirmed, Name then holds the text.
bool ShowBarNameDialog(String& Name, bool IsCategory, int Mode, TdxBar* Bar, TdxBarManager* Manager);
