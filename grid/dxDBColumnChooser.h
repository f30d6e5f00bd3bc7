// The default column class per field: one table for the data-bound tree list's columns and one for
// the grid's, each with an entry (class and priority) per field type from ftUnknown to
// ftTypedBinary and one for lookup fields. Modules register choosers; an entry takes a chooser's
// answer only when its priority is higher than the stored one.
#pragma once

#include <array>
#include <functional>

#include "data/DB.h"
#include "treelist/dxTLControl.h"

class TField;

struct TdxColumnClassEntry {
  TdxTreeListColumnClass Class;
  int Priority = 0;
};

// Asked once per field type (with fkData) and once for lookup fields (fkLookup, with ftUnknown);
// may change the class and priority it is given.
using TdxColumnClassChooser =
    std::function<void(TFieldType FieldType, TFieldKind FieldKind, TdxTreeListColumnClass& Class, int& Priority)>;

class TdxColumnClassTable {
 public:
  // Every entry holds Plain with priority 0.
  explicit TdxColumnClassTable(TdxTreeListColumnClass Plain);
  void RegisterChooser(const TdxColumnClassChooser& Chooser);
  // Back to the plain column everywhere.
  void Reset();
  // A lookup field's entry, a data field's type's entry below ftCursor, else the plain column.
  const TdxTreeListColumnClass& ClassForField(const TField* Field) const;
  const TdxColumnClassEntry& TypeEntry(TFieldType FieldType) const { return FTypes.at(size_t(FieldType)); }
  const TdxColumnClassEntry& LookupEntry() const { return FLookup; }

 private:
  static constexpr size_t TypeCount = size_t(ftTypedBinary) + 1;
  TdxTreeListColumnClass FPlain;
  std::array<TdxColumnClassEntry, TypeCount> FTypes;
  TdxColumnClassEntry FLookup;
};

// The data-bound tree list's table and the grid's.
TdxColumnClassTable& DBTreeListColumnClasses();
TdxColumnClassTable& DBGridColumnClasses();
// The typed columns' chooser over a family's classes (priority 1 for every answer).
void RegisterTypedColumnChoosers();
