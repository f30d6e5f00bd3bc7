// Incremental search of the data-bound control: through the nodes when they are all the records,
// else through the data set, record by record from the current one, wrapping once at the end and
// stopping when it comes back to where it started.
#include "grid/dxDBCtrl.h"
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"

bool TCustomdxDBTreeListControl::SearchText(int Column, const String& Text, TdxTreeListNode*& Node, int Mode) {
  if (CanSearchNodes()) return TCustomdxTreeListControl::SearchText(Column, Text, Node, Mode);
  TDataSet* dataSet = GetDataSource() ? GetDataSource()->DataSet() : nullptr;
  TdxDBTreeListColumn* column = DBColumn(Column);
  if (!dataSet || !dataSet->Active() || (dataSet->Bof() && dataSet->Eof()) || Text.empty() || !column ||
      !column->Field())
    return false;
  const TDataSetState state = dataSet->State();
  if (state == dsEdit || state == dsInsert || state == dsSetKey) return false;
  const bool found = SearchDataSet(dataSet, column->Field(), Text, Mode);
  if (found) Node = FocusedNode();
  return found;
}

bool TCustomdxDBTreeListControl::FieldMatches(TField* Field, const String& Text) const {
  return AnsiSameText(Copy(Field->Text(), 1, Length(Text)), Text);
}

// Mode 0 includes the current record; 1 goes backwards, 2 and the others forwards, from the next.
bool TCustomdxDBTreeListControl::SearchDataSet(TDataSet* DataSet, TField* Field, const String& Text, int Mode) {
  if (Mode == 0 && FieldMatches(Field, Text)) return true;
  const TBookmark start = DataSet->Bookmark();
  const bool backward = Mode == 1;
  bool found = false;
  DataSet->DisableControls();
  return Bracket(
      [&] {
        for (;;) {
          if (DataSet->MoveBy(backward ? -1 : 1) == 0) {
            if (backward)
              DataSet->Last();
            else
              DataSet->First();
          }
          if (DataSet->Bookmark() == start) break;
          if (FieldMatches(Field, Text)) {
            found = true;
            break;
          }
        }
        if (!found && DataSet->BookmarkValid(start)) DataSet->GotoBookmark(start);
        return found;
      },
      [DataSet] { DataSet->EnableControls(); });
}
