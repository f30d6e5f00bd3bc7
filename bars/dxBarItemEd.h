// TdxBarItemAddEditor: the dialog that adds a new command to a manager: its kind (the kinds the
// designer offers), category, name (proposed from the kind) and caption.
#pragma once

#include "bars/dxBarCommon.h"
#include "controls/Button.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/Forms.h"

class TdxBarItemAddEditor : public TForm {
 public:
  TdxBarItemAddEditor(TdxBarManager* Manager, int CategoryIndex);
  String ClassName() const override { return "TdxBarItemAddEditor"; }
  // The item made by OK, nullptr before.
  TdxBarItem* CreatedItem() const { return FCreatedItem; }

  TEdit* Edit1 = nullptr;
  TEdit* Edit2 = nullptr;
  TComboBox* ComboBox1 = nullptr;
  TComboBox* ComboBox2 = nullptr;
  TButton* BOk = nullptr;
  TButton* BCancel = nullptr;

 protected:
  void DoShow() override;

 private:
  // The kind's name without its first letter and the first number no item of the manager has.
  void ProposeName();
  // OK makes the item; a name that is blank, no identifier or taken keeps the dialog open.
  void CreateItem(bool& CanClose);

  TdxBarManager* FManager;
  TdxBarItem* FCreatedItem = nullptr;
};

// The proposal for a new item of a kind: e.g. "BarButton3" when BarButton1 and barbutton2 exist.
String ProposeBarItemName(const TdxBarManager* Manager, const String& ClassName);
// Shows the dialog modally; the new item, or nullptr when cancelled.
TdxBarItem* AddBarItem(TdxBarManager* Manager, int CategoryIndex);
