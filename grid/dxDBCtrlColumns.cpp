// The data-bound control's columns: finding them, binding them to the data set's fields after every
// relayout, making them from the fields (DefaultFields) and by the naming rule, and the guard that
// keeps columns made from the fields from being destroyed by hand.
#include <algorithm>

#include "grid/dxDBColumnChooser.h"
#include "grid/dxDBCtrl.h"
#include "grid/dxDBKnownCast_p.h"
#include "grid/dxDBGridStrings.h"
#include "rtl/Text.h"

TdxDBTreeListColumn* TCustomdxDBTreeListControl::DBColumn(int Index) const {
  return KnownCast<TdxDBTreeListColumn>(GetColumn(Index));
}

TdxDBTreeListColumn* TCustomdxDBTreeListControl::FindColumnByFieldName(const String& Name) const {
  for (int i = 0; i < GetColumnCount(); ++i)
    if (TdxDBTreeListColumn* column = DBColumn(i); column && AnsiSameText(column->FieldName(), Name)) return column;
  return nullptr;
}

TdxDBTreeListColumn* TCustomdxDBTreeListControl::ColumnByName(const String& Name) const {
  return dynamic_cast<TdxDBTreeListColumn*>(TCustomdxTreeListControl::ColumnByName(Name));
}

TdxDBTreeListColumnClass TCustomdxDBTreeListControl::GetDefaultColumnClass() {
  return [](TComponent* Owner) -> TdxTreeListColumn* { return new TdxDBTreeListColumn(Owner); };
}

TdxDBTreeListColumnClass TCustomdxDBTreeListControl::GetColumnClassForField(TField* Field) {
  return DBTreeListColumnClasses().ClassForField(Field);
}

// --- making columns ---------------------------------------------------------------------------------

TdxDBTreeListColumn* TCustomdxDBTreeListControl::CreateNamedColumn(const TdxDBTreeListColumnClass& ColumnClass,
                                                                   TComponent* Owner) {
  if (GetDefaultFields()) throw Exception(dxGridText(dxSDefaultFieldsMustBeOff));
  return static_cast<TdxDBTreeListColumn*>(CreateColumn(ColumnClass, Owner));
}

void TCustomdxDBTreeListControl::CreateDefaultColumns(TDataSet* DataSet, TComponent* Owner) {
  if (!Owner) Owner = this;
  for (int i = 0; i < DataSet->FieldCount(); ++i) {
    TField* field = DataSet->Fields()[i];
    TdxDBTreeListColumn* column = CreateNamedColumn(GetColumnClassForField(field), Owner);
    column->SetFieldName(field->FieldName());
    column->SetVisible(field->Visible());
  }
}

void TCustomdxDBTreeListControl::DestroyColumns() {
  if (GetDefaultFields() && !FDestroyingDefaultColumns && !IsDestroying() && LockUpdate() == 0)
    throw Exception(dxGridText(dxSDefaultFieldsMustBeOff));
  TCustomdxTreeListControl::DestroyColumns();
}

// --- binding after a relayout -----------------------------------------------------------------------

void TCustomdxDBTreeListControl::BuildLinkFields() {
  TdxDBTreeListControlDataLink* link = GetDataLink();
  if (GetDefaultFields()) {
    TDataSet* dataSet = link->DataSet();
    for (int i = 0; i < dataSet->FieldCount(); ++i)
      if (dataSet->Fields()[i]->Visible()) link->AddField(dataSet->Fields()[i]->FieldName());
    return;
  }
  for (int i = 0; i < GetColumnCount(); ++i) {
    TdxDBTreeListColumn* column = DBColumn(i);
    link->AddField(column ? column->FieldName() : String());
  }
}

void TCustomdxDBTreeListControl::LayoutChanged() {
  TCustomdxTreeListControl::LayoutChanged();
  TdxDBTreeListControlDataLink* link = GetDataLink();
  if (!link) return;
  CloseEditor();
  link->ClearFields();
  if (link->Active()) BuildLinkFields();
  LinkPreviewField();
  if (GetDefaultFields()) {
    RebindDefaultColumns();
  } else {
    for (int i = 0; i < GetColumnCount(); ++i)
      if (TdxDBTreeListColumn* column = DBColumn(i)) column->SetFieldName(column->FieldName());
  }
  UpdateColumnDefaultWidths();
}

void TCustomdxDBTreeListControl::RebindDefaultColumns() {
  TdxDBTreeListControlDataLink* link = GetDataLink();
  if (link->Active()) {
    for (int i = GetColumnCount() - 1; i >= 0; --i) {
      TdxDBTreeListColumn* column = DBColumn(i);
      if (!column || !column->Field() || !link->HasField(column->Field())) GetColumn(i)->Free();
    }
  } else {
    FDestroyingDefaultColumns = true;
    try {
      DestroyColumns();
    } catch (...) {
      FDestroyingDefaultColumns = false;
      throw;
    }
    FDestroyingDefaultColumns = false;
  }
  for (int p = 0; p < link->FieldCount(); ++p) PlaceDefaultColumn(p, link->GetField(p));
}

// The column of the field at Position (found from that position on, or made) moves to it. Columns
// are ordered whether or not nodes exist, so an empty data set shows its fields in order too.
void TCustomdxDBTreeListControl::PlaceDefaultColumn(int Position, TField* Field) {
  TdxDBTreeListColumn* column = nullptr;
  for (int i = Position; Field && !column && i < GetColumnCount(); ++i)
    if (TdxDBTreeListColumn* c = DBColumn(i); c && c->Field() == Field) column = c;
  if (!column) {
    column = static_cast<TdxDBTreeListColumn*>(
        CreateColumn(Field ? GetColumnClassForField(Field) : GetDefaultColumnClass(), this));
    if (Field) column->SetFieldName(Field->FieldName());
  }
  if (Position < GetColumnCount()) MoveColumnIndex(column, Position);
}
