// The item-list windows: the items read when shown with every type group open, the group rows'
// text, and OK and Cancel on the pending edit.
#include "app/kits/ProgList.h"

#include "app/kits/FormKit.h"
#include "app/data/KvConst.h"
#include "app/data/KvData.h"
#include "rtl/Convert.h"

String ProgTypeText(int ProgType) {
  const bool named = ProgType >= 1 && ProgType <= static_cast<int>(Numerals.size());
  return String("项目类别：") + (named ? String(Numerals[size_t(ProgType - 1)]) : IntToStr(ProgType));
}

void TfmSetProgList::Publish(TClassBuilder<TfmSetProgList>& c) {
  c.Method("FormCreate", &TfmSetProgList::FormCreate);
  c.Method("FormShow", &TfmSetProgList::FormShow);
  c.Method("FormCloseQuery", &TfmSetProgList::FormCloseQuery);
  c.Method("FormClose", &TfmSetProgList::FormClose);
  c.Method("btnOkClick", &TfmSetProgList::btnOkClick);
  c.Method("btnCancelClick", &TfmSetProgList::btnCancelClick);
  c.Method("dxDBGrid1CustomDrawCell", &TfmSetProgList::dxDBGrid1CustomDrawCell);
}

void TfmSetProgList::Loaded() {
  TForm::Loaded();
  BindComponent(this, dxDBGrid1, "dxDBGrid1");
  BindComponent(this, adqProgType, "adqProgType");
}

void TfmSetProgList::FormCreate(TObject*) { ConnectDataSets(this); }

void TfmSetProgList::FormShow(TObject*) {
  {
    TScreenCursorScope cursor(crHourGlass);
    OpenSql(adqProgType, ItemsSql());
  }
  dxDBGrid1->ExpandAll();
}

void TfmSetProgList::FormCloseQuery(TObject*, bool& CanClose) {
  CanClose = true;
  TScreenCursorScope cursor(crHourGlass);
  adqProgType->Close();
}

void TfmSetProgList::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void TfmSetProgList::btnOkClick(TObject*) {
  TScreenCursorScope cursor(crHourGlass);
  if (IsEditing(adqProgType)) adqProgType->Post();
}

void TfmSetProgList::btnCancelClick(TObject*) {
  TScreenCursorScope cursor(crHourGlass);
  CancelEditing(adqProgType);
}

// The first column of the fitness window is the hidden type column; in the examination window it
// holds the item number, a text, which keeps its own.
void TfmSetProgList::dxDBGrid1CustomDrawCell(TObject*, TCanvas*, TRect, TdxTreeListNode* ANode,
                                             TdxTreeListColumn* AColumn, bool, bool, bool, String& AText, TColor&,
                                             TFont*, TAlignment&, bool&) {
  if (AColumn->GetIndex() != 0) return;
  const Variant value = ANode->GetValue(0);
  if (VarIsOrdinal(value) && value.VarType() != varBoolean) AText = ProgTypeText(value.AsInteger());
}
