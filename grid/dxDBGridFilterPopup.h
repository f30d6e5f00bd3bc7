// The header's filter drop-down: TdxDBGridFilterValues, the distinct values of a column in order
// (or as an event supplies them), and TdxDBGridFilterPopupListBox, the list the grid drops down
// under a header's button with "(All)", "(Custom...)", the blank rows and those values. Enter or a
// release on a row takes it; Esc and F4 close the list. The grid's side (filling, sizing, placing,
// and the messages while the list is open) is in dxDBGridFilterPopup.cpp too.
#pragma once

#include <optional>
#include <vector>

#include "editors/dxPopupListBox.h"
#include "rtl/Variant.h"

class TCustomdxDBGrid;
class TdxDBTreeListColumn;

class TdxDBGridFilterValues {
 public:
  struct TEntry {
    String Text;
    Variant Value;
  };
  bool CaseInsensitive = false;
  // The most entries a sorted add makes (0: no limit).
  int MaxCount = 0;

  // Sorted (AtEnd false): a value not yet present goes to its place in ascending order, while the
  // limit allows. Appending (AtEnd true): the value goes last, present or not, whatever the
  // limit. With CaseInsensitive a text value and its text are upper-cased first.
  void AddValue(const String& Text, const Variant& Value, bool AtEnd);
  void Clear() { FEntries.clear(); }
  int Count() const { return int(FEntries.size()); }
  const TEntry& Entry(int Index) const { return FEntries[size_t(Index)]; }

 private:
  std::vector<TEntry> FEntries;
};

// The rows of the list: "(All)", "(Custom...)", "(Blanks)" and "(NonBlanks)" (only where a record
// is blank), then the values.
enum : int { frAll = 0, frCustom = 1, frBlanks = 2, frNonBlanks = 3 };

class TdxDBGridFilterPopupListBox : public TCustomdxPopupPickListBox {
 public:
  explicit TdxDBGridFilterPopupListBox(TComponent* AOwner);
  String ClassName() const override { return "TdxDBGridFilterPopupListBox"; }

  TCustomdxDBGrid* Grid() const { return FGrid; }
  TdxDBTreeListColumn* Column() const { return FColumn; }
  void Bind(TCustomdxDBGrid* Grid, TdxDBTreeListColumn* Column);
  TdxDBGridFilterValues& Values() { return FValues; }
  // The rows from the values, with the blank rows when Blanks; Selected is the row chosen (-1:
  // none).
  void SetRows(bool Blanks, int Selected);
  // The value a row stands for; none for the first rows.
  std::optional<Variant> RowValue(int Row) const;
  // The row of the first value equal to Value (as the values were added); -1 when none.
  int RowOfValue(const Variant& Value) const;
  bool Shown() const { return FShown; }
  void SetShown(bool Value) { FShown = Value; }
  // Only while the grid shows it: the mouse capture is cancelled, the list hidden and, when
  // accepted with a row chosen, the row's filter set on the column.
  void Close(bool Accept);

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void ApplyRow(int Row);

  TCustomdxDBGrid* FGrid = nullptr;
  TdxDBTreeListColumn* FColumn = nullptr;
  TdxDBGridFilterValues FValues;
  int FFirstValueRow = 2;
  bool FShown = false;
};
