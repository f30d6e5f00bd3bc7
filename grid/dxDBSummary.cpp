// Summary groups and items with their name and default-group rules, and the formatting of summary
// values by the default formats of each kind and place.
#include "grid/dxDBSummary.h"

#include "grid/dxDBGrid.h"
#include "grid/dxDBGridStrings.h"
#include "rtl/Convert.h"
#include "rtl/ScopeExit.h"
#include "treelist/dxTLTypes.h"

// --- formatting -------------------------------------------------------------------------------------

namespace {

bool IsDateKind(TFieldType DataType) { return DataType == ftDate || DataType == ftTime || DataType == ftDateTime; }

String DateTimeText(TFieldType DataType, TdxSummaryValue Value) {
  const TDateTime value = double(Value);
  if (DataType == ftDate) return DateToStr(value);
  if (DataType == ftTime) return TimeToStr(value);
  return DateTimeToStr(value);
}

}  // namespace

String FormatSummaryValue(TdxSummaryType SummaryType, const String& Format, TFieldType DataType, TdxSummaryPlace Place,
                          TdxSummaryValue Value) {
  if (SummaryType == cstNone) return String();
  if (SummaryType != cstCount && IsDateKind(DataType)) {
    if (!Format.empty()) return Format + DateTimeText(DataType, Value);
    const String suffix = Place == spGroupRow ? ")" : "";
    return dxGridText(SummaryDatePrefix(SummaryType, Place)) + DateTimeText(DataType, Value) + suffix;
  }
  const String format = Format.empty() ? dxGridText(SummaryDefaultFormat(SummaryType, Place)) : Format;
  return FormatFloat(format, double(Value));
}

// --- items ------------------------------------------------------------------------------------------

void TdxDBGridSummaryItem::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxDBGridSummaryItem*>(Source);
  if (!source) return TCollectionItem::Assign(Source);
  TCollection* collection = Collection();
  if (collection) collection->BeginUpdate();
  SetColumnName(source->FColumnName);
  SetSummaryType(source->FSummaryType);
  SetSummaryField(source->FSummaryField);
  SetSummaryFormat(source->FSummaryFormat);
  if (collection) collection->EndUpdate();
}

TdxDBGridSummaryItems::TdxDBGridSummaryItems(TdxDBGridSummaryGroup* Group)
    : TCollection(ItemClassOf<TdxDBGridSummaryItem>(), Group) {}

namespace {

// The grid of a summary collection's owner chain; nil while it has none.
TCustomdxDBGrid* GridOf(const TCollection* Collection) {
  auto* group = dynamic_cast<TdxDBGridSummaryGroup*>(Collection->GetOwner());
  auto* groups = group ? dynamic_cast<TdxDBGridSummaryGroups*>(group->Collection()) : nullptr;
  return groups ? groups->Grid() : nullptr;
}

}  // namespace

void TdxDBGridSummaryItems::Update(TCollectionItem* Item) {
  (void)Item;
  TCustomdxDBGrid* grid = GridOf(this);
  if (grid && !grid->IsLoading()) grid->Relayout();
}

// --- groups -----------------------------------------------------------------------------------------

TdxDBGridSummaryGroup::TdxDBGridSummaryGroup(TCollection* Collection)
    : TCollectionItem(Collection), FSummaryItems(std::make_unique<TdxDBGridSummaryItems>(this)) {}

void TdxDBGridSummaryGroup::SetDefaultGroup(bool Value) {
  if (Value)
    if (TCollection* collection = Collection())
      for (int i = 0; i < collection->Count(); ++i)
        static_cast<TdxDBGridSummaryGroup*>(collection->Items(i))->FDefaultGroup = false;
  FDefaultGroup = Value;
}

void TdxDBGridSummaryGroup::SetName(const String& Value) {
  if (Value.empty()) RaiseTreeListError(dxTreeListText(dxSTreeListInvalidGroupName));
  if (auto* groups = dynamic_cast<TdxDBGridSummaryGroups*>(Collection())) {
    TdxDBGridSummaryGroup* other = groups->FindGroup(Value);
    if (other && other != this) RaiseTreeListError(dxTreeListText(dxSTreeListDuplicateGroupName));
  }
  FName = Value;
  if (OnNameChanged) OnNameChanged(this);
}

void TdxDBGridSummaryGroup::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxDBGridSummaryGroup*>(Source);
  if (!source) return TCollectionItem::Assign(Source);
  TCollection* collection = Collection();
  if (collection) collection->BeginUpdate();
  Bracket(
      [&] {
        FBeginSummaryText = source->FBeginSummaryText;
        FEndSummaryText = source->FEndSummaryText;
        SetDefaultGroup(source->FDefaultGroup);
        FSummaryItems->Assign(source->FSummaryItems.get());
        SetName(source->FName);
      },
      [collection] {
        if (collection) collection->EndUpdate();
      });
}

TdxDBGridSummaryGroups::TdxDBGridSummaryGroups(TCustomdxDBGrid* Grid)
    : TCollection(ItemClassOf<TdxDBGridSummaryGroup>(), Grid), FGrid(Grid) {}

TdxDBGridSummaryGroup* TdxDBGridSummaryGroups::FindDefaultGroup() const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->DefaultGroup()) return Items(i);
  return nullptr;
}

TdxDBGridSummaryGroup* TdxDBGridSummaryGroups::FindGroup(const String& Name) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Name() == Name) return Items(i);
  return nullptr;
}

void TdxDBGridSummaryGroups::Update(TCollectionItem* Item) {
  (void)Item;
  if (FGrid && !FGrid->IsLoading()) FGrid->RefreshGrouping();
}
