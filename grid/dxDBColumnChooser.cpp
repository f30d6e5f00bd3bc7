// The default column class tables and the typed columns' chooser.
#include "grid/dxDBColumnChooser.h"

#include "data/Fields.h"
#include "grid/dxGrClms.h"

TdxColumnClassTable::TdxColumnClassTable(TdxTreeListColumnClass Plain) : FPlain(std::move(Plain)) { Reset(); }

void TdxColumnClassTable::Reset() {
  for (TdxColumnClassEntry& entry : FTypes) entry = {FPlain, 0};
  FLookup = {FPlain, 0};
}

namespace {

void Ask(const TdxColumnClassChooser& Chooser, TFieldType Type, TFieldKind Kind, TdxColumnClassEntry& Entry) {
  TdxTreeListColumnClass answer = Entry.Class;
  int priority = Entry.Priority;
  Chooser(Type, Kind, answer, priority);
  if (priority > Entry.Priority) Entry = {std::move(answer), priority};
}

}  // namespace

void TdxColumnClassTable::RegisterChooser(const TdxColumnClassChooser& Chooser) {
  for (size_t type = 0; type < TypeCount; ++type) Ask(Chooser, TFieldType(type), fkData, FTypes[type]);
  Ask(Chooser, ftUnknown, fkLookup, FLookup);
}

const TdxTreeListColumnClass& TdxColumnClassTable::ClassForField(const TField* Field) const {
  if (!Field) return FPlain;
  if (Field->FieldKind() == fkLookup) return FLookup.Class;
  if (Field->FieldKind() == fkData && Field->DataType() < ftCursor) return FTypes[size_t(Field->DataType())].Class;
  return FPlain;
}

namespace {

template <class C>
TdxTreeListColumnClass ClassOf() {
  return [](TComponent* Owner) -> TdxTreeListColumn* { return new C(Owner); };
}

// The kinds of one family, by the field type they serve.
struct TdxColumnFamily {
  TdxTreeListColumnClass Check, Currency, Date, Time, Memo, Graphic, Blob, Mask, Lookup;
};

TdxColumnClassChooser TypedChooser(const TdxColumnFamily& Family) {
  return [Family](TFieldType Type, TFieldKind Kind, TdxTreeListColumnClass& Class, int& Priority) {
    Priority = 1;
    if (Kind == fkLookup) {
      Class = Family.Lookup;
      return;
    }
    switch (Type) {
      case ftBoolean: Class = Family.Check; break;
      case ftCurrency: Class = Family.Currency; break;
      case ftDate: case ftDateTime: Class = Family.Date; break;
      case ftTime: Class = Family.Time; break;
      case ftMemo: Class = Family.Memo; break;
      case ftGraphic: Class = Family.Graphic; break;
      case ftBytes: case ftVarBytes: case ftBlob: case ftFmtMemo: case ftParadoxOle: case ftDBaseOle:
      case ftTypedBinary:
        Class = Family.Blob;
        break;
      default:
        Class = Family.Mask;
        break;
    }
  };
}

}  // namespace

TdxColumnClassTable& DBTreeListColumnClasses() {
  static TdxColumnClassTable table(ClassOf<TdxDBTreeListColumn>());
  return table;
}

TdxColumnClassTable& DBGridColumnClasses() {
  static TdxColumnClassTable table(ClassOf<TdxDBGridColumn>());
  return table;
}

void RegisterTypedColumnChoosers() {
  DBTreeListColumnClasses().RegisterChooser(TypedChooser(
      {ClassOf<TdxDBTreeListCheckColumn>(), ClassOf<TdxDBTreeListCurrencyColumn>(), ClassOf<TdxDBTreeListDateColumn>(),
       ClassOf<TdxDBTreeListTimeColumn>(), ClassOf<TdxDBTreeListMemoColumn>(), ClassOf<TdxDBTreeListGraphicColumn>(),
       ClassOf<TdxDBTreeListBlobColumn>(), ClassOf<TdxDBTreeListMaskColumn>(), ClassOf<TdxDBTreeListLookupColumn>()}));
  DBGridColumnClasses().RegisterChooser(TypedChooser(
      {ClassOf<TdxDBGridCheckColumn>(), ClassOf<TdxDBGridCurrencyColumn>(), ClassOf<TdxDBGridDateColumn>(),
       ClassOf<TdxDBGridTimeColumn>(), ClassOf<TdxDBGridMemoColumn>(), ClassOf<TdxDBGridGraphicColumn>(),
       ClassOf<TdxDBGridBlobColumn>(), ClassOf<TdxDBGridMaskColumn>(), ClassOf<TdxDBGridLookupColumn>()}));
}
