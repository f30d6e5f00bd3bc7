// TCustomdxDBTreeListControl: the tree list control bound to a data set through a data source. Its
// data link forwards the data set's notices to overridable operations; its nodes cache the
// values of one record per column; its columns bind to fields by name or are made from the fields
// (DefaultFields); it posts edited cells into fields, keeps a selection of records by bookmark,
// searches the data set, and answers the editor host's questions from the data set. How records
// become nodes is the grid's (dxDBGrid.h), which answers the abstract operations.
// Split by concern: dxDBCtrl.cpp (life, properties, the data link and nodes), dxDBCtrlColumns.cpp
// (binding and default columns), dxDBCtrlEditing.cpp, dxDBCtrlSelection.cpp, dxDBCtrlSearch.cpp.
#pragma once

#include <vector>

#include <memory>

#include "data/DataSource.h"
#include "grid/dxDBColumn.h"
#include "grid/dxDBNodeValues.h"
#include "treelist/dxTLControl.h"

class TCustomdxDBTreeListControl;

// One column's value record as a node answers it. Nothing reads a lookup field's key value, so
// no record keeps one.
enum : uint8_t {
  dnvValue = 1,  // Value holds the value read from the field
};
struct TdxDBNodeValue {
  uint8_t Flags = 0;
  Variant Value;
};

// A row of the data-bound control: the text node with the values of its record by column index,
// the record's key and its preview text. Each column's value is a compact cell; its text is kept
// as a text of the node or, for the cells that have a text rule, made from the value when asked.
class TdxDBTreeListControlNode : public TdxTreeListTextNode {
 public:
  explicit TdxDBTreeListControlNode(TCustomdxTreeList* AOwner) : TdxTreeListTextNode(AOwner) {}
  // A record past the list reads as flags clear and both values empty; the value shows only with
  // dnvValue.
  TdxDBNodeValue ValueRecord(int Index) const;
  // Storing past the list grows it with empty records; the column's text stays what it was.
  void SetValueRecord(int Index, const TdxDBNodeValue& Value);
  void DeleteValueRecord(int Index);
  // The record at From moves to To, the others shifting as columns do.
  void MoveValueRecord(int From, int To);
  // The cell of a column; an empty one past the list.
  const TdxNodeCell& Cell(int Index) const;
  // Storing past the list grows it. A cell with a text rule drops the text kept for its column.
  void SetCell(int Index, TdxNodeCell&& Cell);
  // The column's text is the one kept from now on.
  void KeepText(int Index);
  // Makes room for Count cells at once.
  void ReserveCells(int Count);
  // Moves the data set to the node's record and deletes it; a node of this class holds none.
  virtual void DeleteRecord() {}

  Variant KeyValue;
  String PreviewText;

 protected:
  ~TdxDBTreeListControlNode() override = default;

 private:
  std::unique_ptr<TdxNodeCell[]> FCells;
  int FCellCount = 0;
};

// The data link of the control: the five notices it forwards, the fields the columns are bound
// to (by their index in the data set), and whether the current record was changed through the
// control.
class TdxDBTreeListControlDataLink : public TDataLink {
 public:
  explicit TdxDBTreeListControlDataLink(TCustomdxDBTreeListControl* Control);
  ~TdxDBTreeListControlDataLink() override;
  String ClassName() const override { return "TdxDBTreeListControlDataLink"; }
  TCustomdxDBTreeListControl* Control() const { return FControl; }

  // Appends the data set's field of that name, or -1 when it has none; a found field tells the
  // control when it is freed.
  void AddField(const String& FieldName);
  void ClearFields() { FFieldIndexes.clear(); }
  int FieldCount() const { return int(FFieldIndexes.size()); }
  // The field at a position of the list; nil for -1 or out of range.
  TField* GetField(int Position) const;
  // Whether Field is one of the list's fields.
  bool HasField(const TField* Field) const;
  bool Modified() const { return FModified; }
  void SetModified() { FModified = true; }
  // An untouched record's edit is cancelled; a modified one is shown again.
  void Reset();

 protected:
  void ActiveChanged() override;
  void DataSetChanged() override;
  // The control hears the distance negated.
  void DataSetScrolled(int Distance) override;
  void RecordChanged(TField* Field) override;
  // Reaches the control only when the record was changed through it.
  void UpdateData() override;

 private:
  TCustomdxDBTreeListControl* FControl;
  std::vector<int> FFieldIndexes;
  bool FModified = false;
};

// One entry of the selection: a record's bookmark and its node.
struct TdxDBSelectionEntry {
  TBookmark Bookmark;
  TdxTreeListNode* Node = nullptr;
};

using TdxDBGetEditColorEvent =
    std::function<void(TObject* Sender, TdxTreeListNode* ANode, TdxDBTreeListColumn* AColumn, TColor& AColor)>;
using TdxDBGetPreviewTextEvent = std::function<void(TObject* Sender, TdxTreeListNode* Node, String& Text)>;

// The control's column factories: a column of some class owned by Owner.
using TdxDBTreeListColumnClass = TdxTreeListColumnClass;

class TCustomdxDBTreeListControl : public TCustomdxTreeListControl {
 public:
  explicit TCustomdxDBTreeListControl(TComponent* AOwner);
  ~TCustomdxDBTreeListControl() override;
  String ClassName() const override { return "TCustomdxDBTreeListControl"; }

  // --- properties ------------------------------------------------------------------------------
  const String& KeyField() const { return FKeyField; }
  // A changed name reloads (ActiveChanged with the link's state).
  void SetKeyField(const String& Value);
  TField* KeyFieldObject() const { return FKeyFieldObject; }
  const String& PreviewFieldName() const { return FPreviewFieldName; }
  void SetPreviewFieldName(const String& Value);
  TField* PreviewField() const { return FPreviewField; }
  int PreviewMaxLength() const { return FPreviewMaxLength; }
  // Negative is taken as 0 (no limit).
  void SetPreviewMaxLength(int Value);
  int GrIndicatorWidth() const { return FGrIndicatorWidth; }
  // Never below the tree list's minimum of 12.
  void SetGrIndicatorWidth(int Value);
  // The last value handed to or taken back from the in-place editor.
  const Variant& EditValue() const { return FEditValue; }

  // --- columns ---------------------------------------------------------------------------------
  // The first column bound to a field of this name (case ignored); nil when none.
  TdxDBTreeListColumn* FindColumnByFieldName(const String& Name) const;
  // The column of that name when it is a data-bound one.
  TdxDBTreeListColumn* ColumnByName(const String& Name) const;
  TdxDBTreeListColumn* DBColumn(int Index) const;
  // A column owned by Owner, named Name + "Column" + N (the first N from the count + 1 that is
  // free); raises when the columns are made from the fields.
  virtual TdxDBTreeListColumn* CreateNamedColumn(const TdxDBTreeListColumnClass& ColumnClass, TComponent* Owner);
  // One named column per field of DataSet, with its name and visibility; Owner nil: the control.
  virtual void CreateDefaultColumns(TDataSet* DataSet, TComponent* Owner);
  // Raises while the columns are made from the fields, outside an update and destruction.
  void DestroyColumns() override;
  void MoveColumnValues(int FromIndex, int ToIndex) override;

  // --- the record in the node ----------------------------------------------------------------------
  // Reads the current record into the node: key, every bound column, preview text.
  virtual void RefreshNodeData(TdxTreeListNode* Node);
  virtual void ReadColumnValue(TdxTreeListNode* Node, TdxDBTreeListColumn* Column);
  // The first PreviewMaxLength characters and "..." when the text is longer.
  String TruncatePreview(const String& Text) const;
  void LinkPreviewField();
  virtual void LinkFooterSummaryFields();
  virtual void LinkGroupSummaryFields() {}
  virtual TdxSummaryValue GetGroupSummaryValue(TdxTreeListNode* Node) {
    (void)Node;
    return 0;
  }
  uint8_t GetIndicatorKind(TdxTreeListNode* Node, bool Selected) override;
  int GetMinIndicatorWidth() override { return FGrIndicatorWidth; }

  // --- the data set's side of the editing hooks --------------------------------------------------
  bool CanEditModify() override;
  bool IsValidEditChar(TKeyChar Key) override;
  TColor GetEditColor() override;
  bool IsReadOnly() override;
  void DoEditing(TdxTreeListNode* Node, bool& Allow) override;
  bool IsEditorActive() override;
  Variant InitEditValue() override;
  void AssignEditValue(TdxTreeListNode* Node, int Column, TdxInplaceEdit* Editor) override;
  // Re-creates an untouched in-place editor whose value no longer equals its field's.
  virtual void CheckEditorValue();
  void SyncEditorWithRecord(TField* Field, TdxTreeListNode*& Node);
  virtual bool IsEmptyReadOnly();
  // The new-item row: editing it starts a new record.
  bool IsNewItemRowEditing() override;
  String GetNewRowText(int Column) override;
  void DoNewItemRowEditing(bool& Allow) override;
  bool CanEditNewItemRow() override;
  // Focuses the window when it can take the focus; whether the control or its editor has it.
  bool TakeFocus() override;

  // --- node values -----------------------------------------------------------------------------
  // The value record's value when the node keeps one, else the cell text in the column's type.
  Variant GetNodeValue(TdxTreeListNode* Node, int Column) override;
  // A cell with a text rule makes its text from its value; other cells keep theirs.
  String GetNodeString(TdxTreeListNode* Node, int Column) override;
  // The text is kept, in place of one made from the cell's value.
  void SetNodeString(TdxTreeListNode* Node, int Column, const String& Text) override;
  // The number of a text rule in the control's table, added when new; 0 (no rule) when the table
  // is full.
  uint16_t TextRuleIndex(const TdxCellTextRule& Rule);
  String GetCellText(TdxTreeListNode* Node, int Column) override;
  void DeleteNodeValue(TdxTreeListNode* Node, int Column) override;

  // --- focus and nodes -------------------------------------------------------------------------
  // Focuses the node, which may move the data set and rebuild the nodes; whether it still exists.
  bool FocusNode(TdxTreeListNode* Node) override;
  void DeletingNode(TdxTreeListNode* Node, TdxTreeListNode* PrevSiblingOrParent, TdxTreeListNode* NextVisible,
                    bool WasLast, bool WasVisible) override;
  // Nodes watched while a move of the data set may free them.
  void WatchNode(TdxTreeListNode* Node) { FGuardList.push_back(Node); }
  bool IsNodeAlive(TdxTreeListNode* Node) const;
  void ForgetNode(TdxTreeListNode* Node) { std::erase(FGuardList, Node); }
  virtual void DoChangeNodeEx();
  // In multi-select mode, when the focus is elsewhere: only the focused node stays selected.
  void SelectFocusedOnly();

  // --- selection -------------------------------------------------------------------------------
  void ClearSelection() override;
  int GetSelectedCount() override { return int(FSelection.size()); }
  TdxTreeListNode* GetSelectedItem(int Index) override;
  void SelectRange(TdxTreeListNode* NodeA, TdxTreeListNode* NodeB) override;
  // Binary search by the data set's bookmark order: true when found; Index is the place.
  bool SelectionIndexOf(const TBookmark& Bookmark, int& Index);
  // Binary search of the entries' nodes by address.
  bool SelectedNodeIndexOf(const TdxTreeListNode* Node, int& Index) const;
  const std::vector<TdxDBSelectionEntry>& Selection() const { return FSelection; }

  // --- sorting and search ------------------------------------------------------------------------
  void ClearSortedColumns() override;
  void BeforeColumnSortChange(TdxTreeListColumn* Column) override;
  // By the nodes' keys when both hold one.
  int CompareIndexes(TdxTreeListNode* Node1, TdxTreeListNode* Node2) override;
  // Walks the nodes or, when the nodes are not all the records, the data set.
  bool SearchText(int Column, const String& Text, TdxTreeListNode*& Node, int Mode) override;

  // --- abstract questions the grid answers --------------------------------------------------------
  virtual TdxDBTreeListControlDataLink* GetDataLink() const = 0;
  virtual TDataSource* GetDataSource() const = 0;
  virtual bool GetDefaultFields() const = 0;
  virtual bool IsCancelOnExit() { return true; }
  virtual bool IsInsertAllowed() = 0;
  virtual bool CanNavigateDataSet() = 0;
  // The nodes stand for the data set's buffer rather than for all records.
  virtual bool IsCursorMode() { return false; }
  virtual bool IsKeyFieldMissing() = 0;
  virtual bool CanSearchNodes() = 0;
  virtual bool IsBookmarkSelection() = 0;
  virtual void SetRangeSelecting(bool Value) = 0;

  // --- the data link's notices and their neighbours ------------------------------------------------
  virtual void DataSetChanged() {}
  virtual bool IsDataSetLocked() { return false; }
  virtual void ActiveChanged(bool Active) { (void)Active; }
  virtual void RecordChanged(TField* Field) { (void)Field; }
  virtual void DataSetScrolled(int Distance) { (void)Distance; }
  // Closes the in-place editor, which posts its value.
  virtual void UpdateData();
  virtual void ResolveEditNode(TdxTreeListNode*& Node) { (void)Node; }
  virtual void ColumnFieldChanged(TdxDBTreeListColumn* Column) { (void)Column; }
  virtual void SetColumnGroupIndex(TdxDBTreeListColumn* Column, int Index) { (void)Column, (void)Index; }
  virtual void DoBeforeCalcSummary();
  virtual void DoRefreshNodeData(TdxTreeListNode* Node);
  virtual void ColumnRenamed(const String& OldName, const String& NewName) { (void)OldName, (void)NewName; }
  virtual void BuildLinkFields();
  virtual void ClearGrouping() {}
  virtual void RefreshGrouping() { Relayout(); }
  virtual TdxDBTreeListColumnClass GetDefaultColumnClass();
  virtual TdxDBTreeListColumnClass GetColumnClassForField(TField* Field);
  // Binds the columns to the data set after the tree list's relayout.
  void LayoutChanged() override;

  TdxDBGetEditColorEvent OnGetEditColor;
  TNotifyEvent OnChangeNodeEx;
  TdxTreeListNodeEvent OnRefreshNodeData;
  TNotifyEvent OnBeforeCalcSummary;
  TNotifyEvent OnCalcSummary;
  TdxDBGetPreviewTextEvent OnGetPreviewText;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Forgets a field that is being freed wherever the control or its columns refer to it; whether
  // any column was bound to it.
  bool ForgetField(const TComponent* Field);
  // Posts or cancels the record as the control is left.
  void DoExit() override;
  void SelectionChanged() { FLookupCacheIndex = -1; }

  TField* FKeyFieldObject = nullptr;
  // Set while the grid handles a key: the focused row is repainted once, after the key.
  bool FKeyHandling = false;
  // The selection in the data set's bookmark order (or by node address in node selection).
  std::vector<TdxDBSelectionEntry> FSelection;

 private:
  // dxDBCtrlColumns.cpp
  void RebindDefaultColumns();
  void PlaceDefaultColumn(int Position, TField* Field);
  // dxDBCtrlSelection.cpp
  void SelectNodeRange(TdxTreeListNode* NodeA, TdxTreeListNode* NodeB);
  void SelectRecordRange(TdxTreeListNode* NodeA, TdxTreeListNode* NodeB);
  // dxDBCtrlSearch.cpp
  bool SearchDataSet(TDataSet* DataSet, TField* Field, const String& Text, int Mode);
  bool FieldMatches(TField* Field, const String& Text) const;

  String FKeyField;
  String FPreviewFieldName;
  TField* FPreviewField = nullptr;
  int FPreviewMaxLength = 0;
  int FGrIndicatorWidth = 12;
  Variant FEditValue;
  bool FDestroyingDefaultColumns = false;
  std::vector<TdxTreeListNode*> FGuardList;
  // The text rules of the cells, by number; number 0 is no rule.
  std::vector<TdxCellTextRule> FTextRules = std::vector<TdxCellTextRule>(1);
  // The last bookmark looked up in the selection, where it was and whether it was there.
  TBookmark FLookupCacheBookmark;
  int FLookupCacheIndex = -1;
  bool FLookupCacheFound = false;
};

// Every data-bound control that registered itself.
void RegisterDBControl(TCustomdxDBTreeListControl* Control);
void UnregisterDBControl(TCustomdxDBTreeListControl* Control);
// Some registered control bound to that data set holds it (it is loading or inserting).
bool IsDataSetLockedByControl(const TDataSet* DataSet);
