// The grid's filter: its conditions bound to columns, its switches with what each changes, the
// column filters of the drop-down list and the stored "Criteria" value.
#include "grid/dxDBGridFilter.h"

#include "classes/Filer.h"
#include "data/DataSet.h"
#include "grid/dxDBGrid.h"
#include "grid/dxGrFDlg.h"
#include "rtl/Streams.h"
#include "rtl/Text.h"

// --- conditions on columns ----------------------------------------------------------------------------

TdxDBTreeListColumn* TdxDBGridCriteriaItem::NamedColumn() const { return FGrid ? FGrid->ColumnByName(Name) : nullptr; }

String TdxDBGridCriteriaItem::GetDisplayName() const {
  TdxDBTreeListColumn* column = NamedColumn();
  return column ? column->Caption() : String();
}

Variant TdxDBGridCriteriaItem::GetRecordValue(TObject* Context) const {
  auto* node = dynamic_cast<TdxTreeListNode*>(Context);
  return Column && node ? Column->GetFilterValue(node) : Variant::Null();
}

String TdxDBGridCriteriaItem::GetExpressionName() const {
  TdxDBTreeListColumn* column = NamedColumn();
  TField* field = column ? column->Field() : nullptr;
  if (!field) return Name;
  String name = field->Origin();
  if (name.empty()) {
    TField* key = field->IsLookup() && field->DataSet() ? field->DataSet()->FindField(field->KeyFields()) : nullptr;
    name = key ? key->FieldName() : field->FieldName();
  }
  return IsValidIdent(name) ? name : "[" + name + "]";
}

void TdxDBGridCriteria::PrepareValue(Variant& Value) const {
  if (Value.VarType() == varCurrency)
    Value = Variant(Value.AsDouble());
  else if (CaseInsensitive && VarIsStr(Value))
    Value = Variant(AnsiUpperCase(Value.StringValue()));
}

namespace {

void BindConditions(TdxCriteriaItemList& Group, TCustomdxDBGrid* Grid) {
  for (int i = 0; i < Group.Count(); ++i) {
    TdxCustomCriteriaItem* item = Group.Items(i);
    if (item->IsList()) {
      BindConditions(*static_cast<TdxCriteriaItemList*>(item), Grid);
    } else if (auto* condition = dynamic_cast<TdxDBGridCriteriaItem*>(item)) {
      condition->Column = Grid ? Grid->ColumnByName(condition->Name) : nullptr;
    }
  }
}

}  // namespace

void TdxDBGridCriteria::Changed() { BindConditions(Root(), FGrid); }

// --- the filter and its switches -----------------------------------------------------------------------

TdxDBGridFilter::TdxDBGridFilter(TCustomdxDBGrid* Grid)
    : FGrid(Grid), FCriteria(std::make_unique<TdxDBGridCriteria>(Grid)) {}

TdxDBGridFilter::~TdxDBGridFilter() = default;

TPersistent* TdxDBGridFilter::GetOwner() const { return FGrid; }

void TdxDBGridFilter::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TdxDBGridFilter*>(Source);
  if (!source) return TPersistent::Assign(Source);
  FActive = source->FActive;
  FAutoDataSetFilter = source->FAutoDataSetFilter;
  FCriteria->CaseInsensitive = source->FCriteria->CaseInsensitive;
  FDropDownCount = source->FDropDownCount;
  FDropDownWidth = source->FDropDownWidth;
  FFilterStatus = source->FFilterStatus;
  FMaxDropDownCount = source->FMaxDropDownCount;
  TMemoryStream criteria;
  source->WriteCriteria(criteria);
  criteria.SetPosition(0);
  ReadCriteria(criteria);
  Changed();
}

bool TdxDBGridFilter::IsLoading() const {
  return !FGrid || (FGrid->ComponentState() & (csLoading | csReading)) != 0;
}

// The grid's change notice (it refilters and tells OnFilterChanged and the data set).
void TdxDBGridFilter::Changed() {
  if (!IsLoading()) FGrid->FilterChanged();
}

void TdxDBGridFilter::SetActive(bool Value) {
  if (Value == FActive) return;
  FActive = Value;
  if (IsLoading()) return;
  if (Value) {
    FGrid->SetDefaultFields(false);
  } else {
    FCriteria->Clear();
  }
  Changed();
  FGrid->Invalidate();
}

void TdxDBGridFilter::SetAutoDataSetFilter(bool Value) {
  if (Value == FAutoDataSetFilter) return;
  FAutoDataSetFilter = Value;
  if (IsLoading()) return;
  TDataSet* dataSet = FGrid->DataSource() ? FGrid->DataSource()->DataSet() : nullptr;
  if (!Value && dataSet) {
    dataSet->SetFilter(String());
    dataSet->SetFiltered(false);
  }
  Changed();
}

// The data set hears of the change only when it filters itself; the grid's own rows are tested
// again in any case, since the letter case decides which of them pass.
void TdxDBGridFilter::SetCaseInsensitive(bool Value) {
  if (Value == FCriteria->CaseInsensitive) return;
  FCriteria->CaseInsensitive = Value;
  if (IsLoading()) return;
  if (FAutoDataSetFilter)
    Changed();
  else if (FCriteria->Count() > 0)
    FGrid->ApplyFilter();
}

void TdxDBGridFilter::SetFilterStatus(TdxDBGridFilterStatus Value) {
  if (Value == FFilterStatus) return;
  FFilterStatus = Value;
  Changed();
}

// --- column filters -------------------------------------------------------------------------------------

void TdxDBGridFilter::SetValueFilter(TdxDBTreeListColumn* Column, const Variant& Value, const String& DisplayText) {
  FCriteria->RemoveByName(Column->Name());
  FCriteria->AddCondition(nullptr, Column->Name(), okEqual, DisplayText, Value);
  FCriteria->Changed();
  Changed();
}

void TdxDBGridFilter::SetBlanksFilter(TdxDBTreeListColumn* Column, bool NonBlanks) {
  FCriteria->RemoveByName(Column->Name());
  FCriteria->AddCondition(nullptr, Column->Name(), okIsNull, String(), Variant::Null())->Not = NonBlanks;
  FCriteria->Changed();
  Changed();
}

void TdxDBGridFilter::RemoveColumnFilter(TdxDBTreeListColumn* Column) {
  FCriteria->RemoveByName(Column->Name());
  Changed();
}

bool TdxDBGridFilter::ShowCustomDialog(TdxDBTreeListColumn* Column) {
  if (!ShowCustomFilterDialog(*this, Column)) return false;
  FCriteria->Changed();
  Changed();
  return true;
}

void TdxDBGridFilter::Clear() {
  FCriteria->Clear();
  if (!IsLoading()) FGrid->ApplyFilter();
}

namespace {

bool IsBlankValue(const Variant& Value) {
  return Value.IsNull() || Value.IsEmpty() || (VarIsStr(Value) && Value.StringValue().empty());
}

}  // namespace

TdxColumnFilterKind TdxDBGridFilter::GetColumnFilterKind(TdxDBTreeListColumn* Column, Variant& Value) const {
  const TdxCriteriaItem* condition = Column ? FCriteria->FindByName(Column->Name()) : nullptr;
  if (!condition) return cfkNone;
  Value = condition->Value;
  if (condition->Parent() != &FCriteria->Root()) return cfkCustom;
  if (condition->OperatorKind == okIsNull) return condition->Not ? cfkNonBlanks : cfkBlanks;
  if (condition->OperatorKind == okEqual && !condition->Not && !IsBlankValue(condition->Value)) return cfkValue;
  return cfkCustom;
}

bool TdxDBGridFilter::HasColumnFilter(TdxDBTreeListColumn* Column) const {
  return Column && FCriteria->FindByName(Column->Name());
}

// --- the stored criteria -----------------------------------------------------------------------------------

void TdxDBGridFilter::DefineProperties(TFiler& Filer) {
  Filer.DefineBinaryProperty(
      "Criteria", [this](TStream& Stream) { ReadCriteria(Stream); },
      [this](TStream& Stream) { WriteCriteria(Stream); }, true);
}

void TdxDBGridFilter::ReadCriteria(TStream& Stream) { FCriteria->ReadFromStream(Stream); }

void TdxDBGridFilter::WriteCriteria(TStream& Stream) const { FCriteria->WriteToStream(Stream); }

// --- the filter alone ---------------------------------------------------------------------------------------

void WriteFilterToStream(TdxDBGridFilter& Filter, TStream& Stream) {
  TComponentPtr<TFilterWrapper> wrapper = MakeComponent<TFilterWrapper>();
  wrapper->SetFilter(&Filter);
  const String text = WriteLayout(wrapper.get());
  Stream.WriteBuffer(text.data(), int(text.size()));
}

void ReadFilterFromStream(TdxDBGridFilter& Filter, TStream& Stream) {
  String text(size_t(Stream.Size() - Stream.Position()), '\0');
  Stream.ReadBuffer(text.data(), int(text.size()));
  TComponentPtr<TFilterWrapper> wrapper = MakeComponent<TFilterWrapper>();
  wrapper->SetFilter(&Filter);
  ReadLayout(text, wrapper.get());
  Filter.Grid()->FilterChanged();
}
