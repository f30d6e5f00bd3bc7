// Category names whose changes keep every item under the same name, with their visibility records.
#include "bars/dxBarCategories.h"

#include "bars/dxBarItem.h"
#include "bars/dxBarManager.h"
#include "classes/Filer.h"

TdxBarManagerCategories::TdxBarManagerCategories(TdxBarManager* Manager) : TStringList(true), FBarManager(Manager) {}

std::vector<TdxBarItem*> TdxBarManagerCategories::ItemsOf(int Index) const {
  std::vector<TdxBarItem*> items;
  FBarManager->GetItemsOfCategory(Index, items);
  return items;
}

// The items of the categories From..To (either order) move Delta places.
void TdxBarManagerCategories::ShiftCategories(int From, int To, int Delta) {
  if (From > To) std::swap(From, To);
  for (int i = 0; i < FBarManager->ItemCount(); ++i) {
    TdxBarItem* item = FBarManager->Items(i);
    if (item->Category() >= From && item->Category() <= To) item->SetCategoryIndex(item->Category() + Delta);
  }
}

void TdxBarManagerCategories::InsertObject(int Index, const String& S, TObject* Object) {
  if (Index >= 0 && Index < Count()) ShiftCategories(Index, Count() - 1, 1);
  TStringList::InsertObject(Index, S, Object);
}

void TdxBarManagerCategories::Delete(int Index) {
  if (Index < 0 || Index >= Count()) {
    TStringList::Delete(Index);
    return;
  }
  for (TdxBarItem* item : ItemsOf(Index)) item->Free();
  if (Index + 1 < Count()) ShiftCategories(Index + 1, Count() - 1, -1);
  TStringList::Delete(Index);
  if (Count() == 0) Add(dxBarLoadStr(sdxBarDefaultCategory));
}

void TdxBarManagerCategories::Exchange(int Index1, int Index2) {
  const std::vector<TdxBarItem*> first = ItemsOf(Index1), second = ItemsOf(Index2);
  TStringList::Exchange(Index1, Index2);
  for (TdxBarItem* item : first) item->SetCategory(Index2);
  for (TdxBarItem* item : second) item->SetCategory(Index1);
}

// The moving category's items are parked, the categories between close up, and the parked
// items take the new place.
void TdxBarManagerCategories::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex || CurIndex < 0 || CurIndex >= Count() || NewIndex < 0 || NewIndex >= Count()) {
    TStringList::Move(CurIndex, NewIndex);
    return;
  }
  const std::vector<TdxBarItem*> moving = ItemsOf(CurIndex);
  if (CurIndex < NewIndex) {
    ShiftCategories(CurIndex + 1, NewIndex, -1);
  } else {
    ShiftCategories(NewIndex, CurIndex - 1, 1);
  }
  for (TdxBarItem* item : moving) item->SetCategoryIndex(NewIndex);
  TStringList::Move(CurIndex, NewIndex);
}

TdxBarCategoryRecord* TdxBarManagerCategories::Record(int Index) {
  if (Index < 0 || Index >= Count()) return nullptr;
  auto* record = static_cast<TdxBarCategoryRecord*>(Objects(Index));
  if (!record) {
    record = new TdxBarCategoryRecord;
    SetObjects(Index, record);
  }
  return record;
}

const TdxBarCategoryRecord* TdxBarManagerCategories::FindRecord(int Index) const {
  if (Index < 0 || Index >= Count()) return nullptr;
  return static_cast<const TdxBarCategoryRecord*>(Objects(Index));
}

void TdxBarManagerCategories::Changed() {
  TStringList::Changed();
  FBarManager->DesignerModified();
}

void TdxBarManagerCategories::DefineProperties(TFiler& Filer) {
  Filer.DefineProperty(
      "ItemsVisibles",
      [this](TReader& Reader) {
        Reader.ReadListBegin();
        for (int i = 0; !Reader.EndOfList(); ++i) {
          const int value = Reader.ReadInteger();
          if (value >= ivNever && value <= ivAlways) FBarManager->SetCategoryItemsVisible(i, TdxBarItemVisible(value));
        }
        Reader.ReadListEnd();
      },
      [this](TWriter& Writer) {
        Writer.WriteListBegin();
        for (int i = 0; i < Count(); ++i) Writer.WriteInteger(FBarManager->CategoryItemsVisible(i));
        Writer.WriteListEnd();
      },
      true);
  Filer.DefineProperty(
      "Visibles",
      [this](TReader& Reader) {
        Reader.ReadListBegin();
        for (int i = 0; !Reader.EndOfList(); ++i) FBarManager->SetCategoryVisible(i, Reader.ReadBoolean());
        Reader.ReadListEnd();
      },
      [this](TWriter& Writer) {
        Writer.WriteListBegin();
        for (int i = 0; i < Count(); ++i) Writer.WriteBoolean(FBarManager->CategoryVisible(i));
        Writer.WriteListEnd();
      },
      true);
}
