// TfrmAddGroupItems: the dialog that chooses items and groups to add to an item group: the other
// groups, then the items of each category, under headings; rows already in the group are grey.
#pragma once

#include <vector>

#include "bars/dxBarCommon.h"
#include "controls/Button.h"
#include "controls/Forms.h"
#include "controls/ListBox.h"

class TfrmAddGroupItems : public TForm {
 public:
  explicit TfrmAddGroupItems(TdxBarGroup* Group);
  String ClassName() const override { return "TfrmAddGroupItems"; }
  // A heading row (its text is stored with a leading "~").
  bool IsHeading(int Index) const;
  // The components of the selected rows that are not headings.
  std::vector<TComponent*> Chosen() const;

  TListBox* lbGroupItems = nullptr;
  TButton* btnOk = nullptr;
  TButton* btnCancel = nullptr;

 private:
  void Fill();
  void DrawRow(int Index, TRect Rect, TOwnerDrawState State);

  TdxBarGroup* FGroup;
};

// Shows the dialog modally; true on OK, with the chosen items and groups appended to List.
bool ChooseGroupItems(TdxBarGroup* Group, std::vector<TComponent*>& List);
