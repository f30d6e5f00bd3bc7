// The class-order dialog: the classes read in their stored order, the moves, and the positions
// written as one batch.
#include "app/windows/SetClassOrder.h"

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"
#include "app/data/KvStatements.h"

TfmSetClassOrder* fmSetClassOrder = nullptr;

TfmSetClassOrder::~TfmSetClassOrder() {
  if (fmSetClassOrder == this) fmSetClassOrder = nullptr;
}

void TfmSetClassOrder::Publish(TClassBuilder<TfmSetClassOrder>& c) {
  c.Method("FormCreate", &TfmSetClassOrder::FormCreate);
  c.Method("FormShow", &TfmSetClassOrder::FormShow);
  c.Method("FormCloseQuery", &TfmSetClassOrder::FormCloseQuery);
  c.Method("actMoveUpdate", &TfmSetClassOrder::actMoveUpdate);
  c.Method("actMoveUpExecute", &TfmSetClassOrder::actMoveUpExecute);
  c.Method("actMovedownExecute", &TfmSetClassOrder::actMovedownExecute);
  c.Method("actUpdateUpdate", &TfmSetClassOrder::actUpdateUpdate);
  c.Method("actUpdateExecute", &TfmSetClassOrder::actUpdateExecute);
}

void TfmSetClassOrder::Loaded() {
  TForm::Loaded();
  BindComponent(this, lbClass, "lbClass");
  BindComponent(this, actMoveUp, "actMoveUp");
  BindComponent(this, actMovedown, "actMovedown");
  BindComponent(this, actUpdate, "actUpdate");
  BindComponent(this, adqClass, "adqClass");
}

void TfmSetClassOrder::FormCreate(TObject*) { ConnectDataSets(this); }

// The query stays open: OK writes the positions through it.
void TfmSetClassOrder::FormShow(TObject*) {
  FModified = false;
  TScreenCursorScope cursor(crHourGlass);
  lbClass->Clear();
  OpenSql(adqClass, ClassOrderSql);
  for (adqClass->First(); !adqClass->Eof(); adqClass->Next())
    lbClass->Items()->Add(adqClass->FieldByName("Fd_Class")->AsString());
}

void TfmSetClassOrder::FormCloseQuery(TObject*, bool& CanClose) {
  CanClose = true;
  TScreenCursorScope cursor(crHourGlass);
  adqClass->Close();
}

void TfmSetClassOrder::actMoveUpdate(TObject* Sender) {
  static_cast<TAction*>(Sender)->SetEnabled(lbClass->Items()->Count() > 0 && lbClass->ItemIndex() >= 0);
}

void TfmSetClassOrder::MoveSelected(int Step) {
  FModified = true;
  const int index = lbClass->ItemIndex();
  const int other = index + Step;
  if (index < 0 || other < 0 || other >= lbClass->Items()->Count()) return;
  lbClass->Items()->Exchange(index, other);
  lbClass->SetItemIndex(other);
}

void TfmSetClassOrder::actMoveUpExecute(TObject*) { MoveSelected(-1); }

void TfmSetClassOrder::actMovedownExecute(TObject*) { MoveSelected(1); }

void TfmSetClassOrder::actUpdateUpdate(TObject*) {
  actUpdate->SetEnabled(FModified && lbClass->Items()->Count() > 0 && adqClass->Active());
}

// A class the list does not hold (added by someone else meanwhile) gets -1.
void TfmSetClassOrder::actUpdateExecute(TObject*) {
  TScreenCursorScope cursor(crHourGlass);
  for (adqClass->First(); !adqClass->Eof(); adqClass->Next()) {
    adqClass->Edit();
    adqClass->FieldByName("Fd_OrderNo")->SetAsInteger(lbClass->Items()->IndexOf(adqClass->FieldByName("Fd_Class")->AsString()));
    adqClass->Post();
  }
  adqClass->UpdateBatch();
}

TModalResult ShowSetClassOrder() {
  return HeldForm(fmSetClassOrder)->ShowModal();
}
