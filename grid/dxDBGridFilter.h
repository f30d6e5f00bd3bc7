// TdxDBGridFilter: the grid's Filter property. It holds the criteria with their conditions bound
// to the grid's columns, the switches that decide how the filter applies, and the operations the
// header's drop-down list and the custom filter dialog change it by; layouts keep the criteria as
// the binary value "Criteria". How the grid hides records by it is dxDBGridFiltering.cpp.
#pragma once

#include <memory>

#include "classes/Component.h"
#include "grid/dxCriteria.h"
#include "rtl/Persistent.h"

class TCustomdxDBGrid;
class TdxDBTreeListColumn;

enum TdxDBGridFilterStatus { fsAuto, fsNone, fsAlways };
inline constexpr const char* DBGridFilterStatusNames[] = {"fsAuto", "fsNone", "fsAlways"};

// A condition on a column of the grid. Column is bound by name whenever the criteria change as a
// whole and before records are tested; the texts look the column up by name each time, since a
// column may go between two tests.
class TdxDBGridCriteriaItem : public TdxCriteriaItem {
 public:
  explicit TdxDBGridCriteriaItem(TCustomdxDBGrid* Grid) : FGrid(Grid) {}
  // Nil while no column of the grid has the condition's name.
  TdxDBTreeListColumn* Column = nullptr;
  // The column's caption; empty without a column.
  String GetDisplayName() const override;
  // The value the tested node (the context) holds for the column; Null without a column.
  Variant GetRecordValue(TObject* Context) const override;
  // The field's Origin, else its name (a lookup field's key field for a lookup); in "[" "]" when
  // it is no identifier.
  String GetExpressionName() const override;

 private:
  TdxDBTreeListColumn* NamedColumn() const;
  TCustomdxDBGrid* FGrid;
};

class TdxDBGridCriteria : public TdxCriteria {
 public:
  explicit TdxDBGridCriteria(TCustomdxDBGrid* Grid) : FGrid(Grid) {}
  TCustomdxDBGrid* Grid() const { return FGrid; }
  bool CaseInsensitive = false;
  std::unique_ptr<TdxCriteriaItem> CreateItem() const override {
    return std::make_unique<TdxDBGridCriteriaItem>(FGrid);
  }
  // A currency value becomes a floating one; a text is upper-cased when CaseInsensitive.
  void PrepareValue(Variant& Value) const override;
  // Every condition is bound to the column whose name is its Name, regardless of case.
  void Changed() override;

 private:
  TCustomdxDBGrid* FGrid;
};

// What a column's filter is, as the drop-down list shows it.
enum TdxColumnFilterKind { cfkNone = 0, cfkBlanks = 1, cfkNonBlanks = 2, cfkValue = 3, cfkCustom = 4 };

class TdxDBGridFilter : public TPersistent {
 public:
  explicit TdxDBGridFilter(TCustomdxDBGrid* Grid);
  ~TdxDBGridFilter() override;
  String ClassName() const override { return "TdxDBGridFilter"; }
  TPersistent* GetOwner() const override;
  // From another filter: the switches and a copy of the criteria.
  void Assign(const TPersistent* Source) override;
  void DefineProperties(TFiler& Filer) override;

  TCustomdxDBGrid* Grid() const { return FGrid; }
  TdxDBGridCriteria& Criteria() { return *FCriteria; }

  // --- published ---------------------------------------------------------------------------------
  // On: the header drop-down buttons show and the grid's columns are no longer made from the
  // fields. Off: the criteria are cleared.
  bool Active() const { return FActive; }
  void SetActive(bool Value);
  // The data set filters itself by the criteria's expression; switched off, its filter goes.
  bool AutoDataSetFilter() const { return FAutoDataSetFilter; }
  void SetAutoDataSetFilter(bool Value);
  bool CaseInsensitive() const { return FCriteria->CaseInsensitive; }
  void SetCaseInsensitive(bool Value);
  // The drop-down list's rows (0: as many as there are values) and width (0: its widest text).
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = Value; }
  int DropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(int Value) { FDropDownWidth = Value; }
  // Whether the grid shows the filter's text below the rows: while a filter is in force (fsAuto),
  // never or always.
  TdxDBGridFilterStatus FilterStatus() const { return FFilterStatus; }
  void SetFilterStatus(TdxDBGridFilterStatus Value);
  // The most distinct values the drop-down list offers (0: no limit).
  int MaxDropDownCount() const { return FMaxDropDownCount; }
  void SetMaxDropDownCount(int Value) { FMaxDropDownCount = Value; }

  // --- the column filters the drop-down list and the dialog set ------------------------------------
  // Each replaces the column's conditions and tells the grid.
  void SetValueFilter(TdxDBTreeListColumn* Column, const Variant& Value, const String& DisplayText);
  void SetBlanksFilter(TdxDBTreeListColumn* Column, bool NonBlanks);
  void RemoveColumnFilter(TdxDBTreeListColumn* Column);
  // The custom filter dialog for the column; answers whether it was closed with OK.
  bool ShowCustomDialog(TdxDBTreeListColumn* Column);
  // Clears the criteria and refilters the grid, without the grid's change notice.
  void Clear();
  // The kind of the column's first condition, with its value: none; blanks or non-blanks (an
  // "Is Null" at the root, plain or negated); a value (a plain "=" at the root with a value that
  // is not blank); anything else is custom.
  TdxColumnFilterKind GetColumnFilterKind(TdxDBTreeListColumn* Column, Variant& Value) const;
  bool HasColumnFilter(TdxDBTreeListColumn* Column) const;

  // --- applying it ---------------------------------------------------------------------------------
  // Binds the conditions to the grid's columns before nodes are tested.
  void Prepare() { FCriteria->Changed(); }
  bool Evaluate(TObject* Context) const { return FCriteria->Evaluate(Context); }
  // The expression the data set reads.
  String GetFilterText() const { return FCriteria->GetFilterText(false); }

 private:
  bool IsLoading() const;
  void Changed();
  void ReadCriteria(TStream& Stream);
  void WriteCriteria(TStream& Stream) const;

  TCustomdxDBGrid* FGrid;
  std::unique_ptr<TdxDBGridCriteria> FCriteria;
  bool FActive = false;
  bool FAutoDataSetFilter = false;
  int FDropDownCount = 12;
  int FDropDownWidth = 0;
  TdxDBGridFilterStatus FFilterStatus = fsAuto;
  int FMaxDropDownCount = 1000;
};

// The component a filter is stored in alone: written and read as a layout of its one published
// property, Filter, which is the grid's own filter object.
class TFilterWrapper : public TComponent {
 public:
  explicit TFilterWrapper(TComponent* AOwner) : TComponent(AOwner) {}
  String ClassName() const override { return "TFilterWrapper"; }
  TdxDBGridFilter* Filter() const { return FFilter; }
  void SetFilter(TdxDBGridFilter* Value) { FFilter = Value; }

 private:
  TdxDBGridFilter* FFilter = nullptr;
};

// The filter with its switches and criteria as bytes (the layout store's "Filter" value), and
// read back from them, after which the grid applies it.
void WriteFilterToStream(TdxDBGridFilter& Filter, TStream& Stream);
void ReadFilterFromStream(TdxDBGridFilter& Filter, TStream& Stream);
