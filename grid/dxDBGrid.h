// TCustomdxDBGrid and TdxDBGrid: the data grid. Over the data-bound control it adds its own data
// link and node class, the record modes (all records are nodes, a partial window of them, or the
// data set's buffered rows), the grouped columns with the group-by panel, the summary groups and
// the six option sets kept in step with each other and with the tree list's own two sets.
// TdxDBGridColumn is its plain column. Split by concern: dxDBGrid.cpp (life, properties, record
// modes, the answers to the data-bound control), dxDBGridOptions.cpp, dxDBGridGrouping.cpp,
// dxDBGridGroupPanel.cpp, dxDBGridCursorRows.cpp (the buffered rows of plain cursor mode),
// dxDBGridSelection.cpp and dxDBGridLink.cpp (the data link, deleting a record, notifications).
#pragma once

#include <memory>
#include <vector>

#include "grid/dxDBCtrl.h"
#include "grid/dxDBGridOptions.h"
#include "grid/dxDBSummary.h"

class TCustomdxDBGrid;

// The grid's data link: focusing the column of a field, and the grouping held while the fields
// change.
class TdxGridDataLink : public TdxDBTreeListControlDataLink {
 public:
  explicit TdxGridDataLink(TCustomdxDBGrid* Grid);
  String ClassName() const override { return "TdxGridDataLink"; }

 protected:
  void FocusControl(TField*& Field) override;
  void LayoutChanged() override;

 private:
  TCustomdxDBGrid* FGrid;
};

// One summary item's value in a group node.
struct TdxGroupItemValue {
  TdxSummaryValue Value = 0;
  bool Assigned = false;
};

// A row of the grid: a record, or a group row (a node with children) that also keeps its group
// value and summaries.
class TdxDBGridNode : public TdxDBTreeListControlNode {
 public:
  explicit TdxDBGridNode(TCustomdxTreeList* AOwner) : TdxDBTreeListControlNode(AOwner) {}
  // Moves the data set to the node's record and deletes it (a record row, with navigation).
  void DeleteRecord() override;

  // The records below a group row: its child group rows' records, or at the lowest group level
  // its children.
  int RecordCount() const;
  // Turns a count into the number of records below and an average's sum into the average, for the
  // row's own summary and for each summary item's value.
  void FinishSummaries(TdxSummaryType Type, const std::vector<TdxSummaryType>& ItemTypes);

  // The record number the row was read at.
  int RecNo = 0;
  // A group row's value in its level's column, its own summary and its summary items' values.
  Variant GroupValue;
  TdxSummaryValue SummaryValue = 0;
  bool SummaryAssigned = false;
  std::vector<TdxGroupItemValue> ItemValues;

 protected:
  ~TdxDBGridNode() override = default;
};

using TdxDBGridColumnEvent = std::function<void(TObject* Sender, TdxDBTreeListColumn* Column)>;
using TdxDBGridColumnAllowEvent = std::function<void(TObject* Sender, TdxDBTreeListColumn* Column, bool& Allow)>;
using TdxDBGridEndDragGroupColumnEvent =
    std::function<void(TObject* Sender, TdxDBTreeListColumn* Column, int NewGroupIndex, bool& Allow)>;
using TdxDBGridBackgroundDrawEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect)>;
using TdxDBGridCustomDrawEvent = std::function<void(
    TObject* Sender, TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode, TdxDBTreeListColumn* AColumn,
    const String& AText, TFont* AFont, TColor& AColor, bool ASelected, bool AFocused, bool& ADone)>;

// The vertical scroll bar's range, page and position.
struct TdxScrollRange {
  int Min = 0;
  int Max = 0;
  int Page = 0;
  int Pos = 0;
};

class TCustomdxDBGrid : public TCustomdxDBTreeListControl {
 public:
  explicit TCustomdxDBGrid(TComponent* AOwner);
  ~TCustomdxDBGrid() override;
  String ClassName() const override { return "TCustomdxDBGrid"; }

  // --- properties (dxDBGrid.cpp) ---------------------------------------------------------------------
  TDataSource* DataSource() const;
  void SetDataSource(TDataSource* Value);
  bool DefaultFields() const { return FDefaultFields; }
  // Rebuilds the columns (from the fields when on) with the default layout.
  void SetDefaultFields(bool Value);
  bool PartialLoad() const { return FOptionsDB & edgoPartialLoad; }
  void SetPartialLoad(bool Value);
  bool UseBookmarks() const { return FOptionsDB & edgoUseBookmarks; }
  void SetUseBookmarks(bool Value);
  int PartialLoadBufferCount() const { return FPartialLoadBufferCount; }
  void SetPartialLoadBufferCount(int Value) { FPartialLoadBufferCount = Value; }
  bool ShowGroupPanel() const { return FShowGroupPanel; }
  // Posts the editor's value first.
  void SetShowGroupPanel(bool Value);
  bool ShowSummaryFooter() const { return ShowFooter(); }
  void SetShowSummaryFooter(bool Value) { SetShowFooter(Value); }
  TdxDBGridSummaryGroups* SummaryGroups() const { return FSummaryGroups.get(); }
  void SetSummaryGroups(const TdxDBGridSummaryGroups* Value) { FSummaryGroups->Assign(Value); }
  const String& SummarySeparator() const { return FSummarySeparator; }
  void SetSummarySeparator(const String& Value);
  TColor GroupPanelColor() const { return FGroupPanelColor; }
  void SetGroupPanelColor(TColor Value);
  TColor GroupPanelFontColor() const { return FGroupPanelFontColor; }
  void SetGroupPanelFontColor(TColor Value);

  // --- option sets (dxDBGridOptions.cpp) -------------------------------------------------------------
  // Layouts keep the newer four sets; the older pair and PartialLoad and UseBookmarks mirror them.
  bool IsMirrorStored() const { return false; }
  TdxDBGridOptions Options() const { return FOptions; }
  void SetOptions(TdxDBGridOptions Value);
  TdxDBGridOptionsEx OptionsEx() const { return FOptionsEx; }
  void SetOptionsEx(TdxDBGridOptionsEx Value);
  TdxDBGridOptionsBehavior OptionsBehavior() const { return FOptionsBehavior; }
  void SetOptionsBehavior(TdxDBGridOptionsBehavior Value);
  TdxDBGridOptionsCustomize OptionsCustomize() const { return FOptionsCustomize; }
  void SetOptionsCustomize(TdxDBGridOptionsCustomize Value);
  TdxDBGridOptionsDB OptionsDB() const { return FOptionsDB; }
  void SetOptionsDB(TdxDBGridOptionsDB Value);
  TdxDBGridOptionsView OptionsView() const { return FOptionsView; }
  void SetOptionsView(TdxDBGridOptionsView Value);

  // --- record modes, decided anew at every use ----------------------------------------------------------
  // Cursor mode: not every record is a node (no LoadAllRecords, and not grouped over an active link).
  bool InCursorMode() const;
  // Plain cursor mode: the nodes are the data link's buffered rows.
  bool IsCursorMode() override { return InCursorMode() && !(FOptionsDB & edgoPartialLoad); }
  // Partial mode: the nodes are a window of the records.
  bool IsPartialMode() const { return InCursorMode() && (FOptionsDB & edgoPartialLoad); }
  bool AllRecordsAreNodes() const { return !InCursorMode(); }
  virtual bool IsLocateMode();
  // The load running; turns away data-link reactions (and is what a range selection sets).
  bool Loading() const { return FLoading; }
  // Whether the first and the last record are in the partial window.
  bool FirstRecordLoaded = false;
  bool LastRecordLoaded = false;
  // A reload after a grouping change keeps the nodes and regroups them.
  bool IsSmartReloadPending() { return (FOptionsDB & edgoSmartReload) && FGroupingChanged && !IsCursorMode(); }
  // One changed record can be refreshed alone, without a reload.
  bool CanSmartRefresh();
  // Whether the loader found the records by their key and by a search in the nodes.
  bool LocateByKey = false;
  bool SearchInNodes = false;

  // --- records (dxDBGrid.cpp) ----------------------------------------------------------------------------
  // The full reload: the link's fields again, every column's field again, the records again.
  virtual void ReloadRecords();
  // Fills the nodes from the data set: the record loader's work.
  virtual void LoadRecords() {}
  // The refresh after a data change.
  virtual void RefreshRecords() { ReloadRecords(); }

  // --- grouping (dxDBGridGrouping.cpp) -------------------------------------------------------------------
  int GroupColumnCount() const { return int(FGroupColumns.size()); }
  TdxDBTreeListColumn* GroupColumns(int Level) const;
  // Whether the column may group the records; OnAddGroupColumn has the last word.
  virtual bool CanAddGroupColumn(TdxDBTreeListColumn* Column);
  // Groups by the column at a level (clamped); false when refused.
  bool AddGroupColumn(TdxDBTreeListColumn* Column, int Position);
  void RemoveGroupColumn(int Position);
  void ClearGrouping() override;
  // Groups again by the columns' GroupIndex in numeric order.
  void RefreshGrouping() override;
  void SetColumnGroupIndex(TdxDBTreeListColumn* Column, int Index) override;
  void SuspendGrouping() { ++FGroupingSuspended; }
  // At zero the group tree is rebuilt when the grouping changed, else the records refreshed.
  void ResumeGrouping();
  bool GroupingChanged() const { return FGroupingChanged; }
  void AssignColumns(TCustomdxTreeListControl* Source) override;
  virtual void DoEndDragGroupColumn(TdxDBTreeListColumn* Column, int NewGroupIndex, bool& Allow);

  // --- group-by panel (dxDBGridGroupPanel.cpp) --------------------------------------------------------------
  int GetGroupPanelHeight();
  int GetGroupIndentWidth() override;
  // Button N: x from 104 N + 8 to 104 N + 108, y from (header row height / 2) N + 8, one row high.
  TRect GroupPanelColumnRect(int N);
  // The grouped column whose button holds the client point; nil when none.
  TdxDBTreeListColumn* GroupPanelColumnAt(int X, int Y);
  // The grouped-column buttons whose centre is not right of the client point's X.
  int GroupPanelInsertPosition(int X);
  bool IsInGroupPanel(TPoint ClientPoint);
  // For a header dragged over the group-by panel: Info emptied (-1s) and the point moved to where
  // the drop mark is drawn, (-100, -100) when the column may not group; false elsewhere.
  bool CalcGroupPanelDropInfo(TdxTreeListColumn* Dragged, TPoint& ScreenPoint, int (&Info)[4]);
  virtual void DrawGroupPanel(TCanvas* Canvas, const TRect& Rect);
  // The header row height the panel's buttons take.
  virtual int GetHeaderRowHeight() { return Metrics().HeaderRowHeight; }
  // A GridLineColor other than clNone as it is; else by the grouping and the background.
  TColor GetGridLineColor(TColor Background);

  // --- the buffered rows of plain cursor mode (dxDBGridCursorRows.cpp) -----------------------------------
  // The rows area below the group-by panel and the header rows, above the footer; in plain cursor
  // mode it ends at the last buffered row.
  TRect GetRowsRect() override;
  virtual int CalcRowHeight(TdxTreeListNode* Node);
  // Counts the rows in view; in plain cursor mode it also sizes the link's buffer to them.
  void CalcVisibleRowCounts() override;
  // Makes the nodes the link's buffered rows (plain cursor mode) and follows its current record.
  virtual void UpdateScrollBars();
  virtual TdxScrollRange GetVScrollInfo();
  int GetVisibleRowCount() override;
  void BeginNodeAccess(TdxTreeListNode* Node) override;
  void EndNodeAccess(TdxTreeListNode* Node) override;
  String GetNodeString(TdxTreeListNode* Node, int Column) override;
  Variant GetNodeValue(TdxTreeListNode* Node, int Column) override;
  // The node is a row of the link's buffer (plain cursor mode).
  bool IsBufferedRow(TdxTreeListNode* Node) const;
  // Puts the focus on the link's current row (plain cursor mode) or the current record's node.
  void SyncWithDataSet();
  // The node of the current record becomes the focused one: the record loader's work.
  virtual void SyncFocusedNode() {}

  // --- selection (dxDBGridSelection.cpp) -------------------------------------------------------------------
  bool CanNodeSelected(TdxTreeListNode* Node) override;
  bool IsNodeSelected(TdxTreeListNode* Node) override;
  void SetNodeSelected(TdxTreeListNode* Node, bool Value) override;
  int CompareWithSelectionAnchor(TdxTreeListNode* Node) override;
  void SetSelectionAnchor(TdxTreeListNode* Node) override;
  void InvalidateSelection() override;
  const TBookmark& AnchorBookmark() const { return FAnchorBookmark; }

  // --- answers to the data-bound control (dxDBGrid.cpp) ------------------------------------------------------
  TdxDBTreeListControlDataLink* GetDataLink() const override;
  TDataSource* GetDataSource() const override { return DataSource(); }
  bool GetDefaultFields() const override { return FDefaultFields; }
  bool IsCancelOnExit() override { return FOptions & egoCancelOnExit; }
  bool IsInsertAllowed() override { return FOptions & egoCanInsert; }
  bool CanNavigateDataSet() override { return IsCursorMode() || (FOptions & egoCanNavigation); }
  bool IsKeyFieldMissing() override { return !FKeyFieldObject && !IsCursorMode(); }
  bool CanSearchNodes() override { return AllRecordsAreNodes() || (LocateByKey && SearchInNodes); }
  bool IsBookmarkSelection() override { return UseBookmarks() || IsCursorMode(); }
  void SetRangeSelecting(bool Value) override { FLoading = Value; }
  bool IsDataSetLocked() override { return FLoading || FInsertMark; }
  TdxDBTreeListColumnClass GetDefaultColumnClass() override;
  TdxDBTreeListColumnClass GetColumnClassForField(TField* Field) override;
  void LinkGroupSummaryFields() override;
  void ActiveChanged(bool Active) override;
  void ColumnFieldChanged(TdxDBTreeListColumn* Column) override;
  void ColumnRenamed(const String& OldName, const String& NewName) override;

  // --- answers to the tree list ------------------------------------------------------------------------------
  TdxTreeListNode* CreateNode() override;
  bool IsGroupNode(TdxTreeListNode* Node) override { return Node && Node->HasChildren(); }
  bool IsAutoSort() override { return (FOptionsBehavior & edgoAutoSort) && AllRecordsAreNodes(); }
  bool IsMultiSort() override { return (FOptionsBehavior & edgoMultiSort) && !IsCursorMode(); }
  bool IsFirstNode(TdxTreeListNode* Node) override;
  bool IsLastNode(TdxTreeListNode* Node) override;
  bool IsBOF();
  bool IsEOF();
  bool IsEditorActive() override;
  void DoEditing(TdxTreeListNode* Node, bool& Allow) override;
  bool IsAllNodesLoaded() override { return !IsCursorMode(); }
  void DoHeaderClick(int Column) override;
  int AddSortedColumn(TdxTreeListColumn* Column) override;
  bool DoColumnSorting(TdxTreeListColumn* Column) override;
  bool CanMultiSortColumn(int ColumnIndex) override;
  void HideHeader(int Column) override;
  void ShowColumnHeader(int Column, int Position, int Row, int Index) override;

  TdxDBGridColumnAllowEvent OnAddGroupColumn;
  TdxDBGridBackgroundDrawEvent OnBackgroundDrawEvent;
  TNotifyEvent OnClearNodeData;
  TdxDBGridColumnAllowEvent OnColumnSorting;
  TdxDBGridEndDragGroupColumnEvent OnEndDragGroupColumn;
  TNotifyEvent OnReloadGroupList;
  TdxDBGridCustomDrawEvent OnCustomDraw;
  TdxDBGridColumnEvent OnColumnClick;
  TdxDBGridColumnEvent OnShowColumn;
  TdxDBGridColumnEvent OnHideColumn;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The key field is found again, then the rows that fit the window are counted and, in plain
  // cursor mode, made the link's buffered rows (the end of every relayout).
  void LinksChanged() override;
  // The rows in view change with the window: a new or resized window relays the grid out.
  void CreateWnd() override;
  void Resize() override;

 private:
  friend class TdxGridDataLink;
  friend class TdxDBGridNode;
  // dxDBGridOptions.cpp
  void ApplyNewerOptions(TdxDBGridOptionSet Set, uint32_t Value);
  void MirrorToOlder(TdxDBGridOptionSet Set, uint32_t Value);
  void ApplyOlderOptions(TdxDBGridOptionSet Set, uint32_t Value);
  void OptionsDBChanged(TdxDBGridOptionsDB Old);
  uint32_t& NewerSet(TdxDBGridOptionSet Set);
  void KeepFirstSortedColumn();
  // dxDBGridGrouping.cpp
  void RenumberGroupColumns();
  void RegroupByGroupIndex();
  // dxDBGridCursorRows.cpp
  void CountVariableRows(int Height);
  void MatchNodesToBuffer(int Rows);
  TdxScrollRange TreeListVScrollInfo();
  // dxDBGridSelection.cpp
  TBookmark BufferedRowBookmark(TdxTreeListNode* Node);
  void SetBookmarkSelected(TdxTreeListNode* Node, bool Value);
  void SetNodePointerSelected(TdxTreeListNode* Node, bool Value);
  // dxDBGridLink.cpp
  void FieldRemoved(TField* Field);

  std::unique_ptr<TdxGridDataLink> FDataLink;
  bool FDefaultFields = false;
  std::vector<TdxDBTreeListColumn*> FGroupColumns;
  std::unique_ptr<TdxDBGridSummaryGroups> FSummaryGroups;
  String FSummarySeparator = ", ";
  int FPartialLoadBufferCount = 100;
  bool FShowGroupPanel = false;
  TColor FGroupPanelColor = clBtnShadow;
  TColor FGroupPanelFontColor = clBtnFace;

  TdxDBGridOptions FOptions = 0;
  TdxDBGridOptionsEx FOptionsEx = 0;
  uint32_t FOptionsBehavior = 0;
  uint32_t FOptionsCustomize = 0;
  uint32_t FOptionsDB = 0;
  uint32_t FOptionsView = 0;

  bool FRegrouping = false;
  bool FGroupingChanged = false;
  int FGroupingSuspended = 0;
  bool FLoading = false;
  bool FInsertMark = false;
  bool FColumnFieldChanging = false;
  bool FUpdatingScrollBars = false;
  bool FKeepFullRowsArea = false;
  bool FRegroupAfterLoad = false;
  int FScrollPos = 0;
  TdxTreeListNode* FDeletingNode = nullptr;
  Variant FDeletingKey;
  int FNodeAccessDepth = 0;
  int FSavedActiveRecord = 0;
  TBookmark FAnchorBookmark;
};

// The grid with its published properties and events.
class TdxDBGrid : public TCustomdxDBGrid {
 public:
  explicit TdxDBGrid(TComponent* AOwner) : TCustomdxDBGrid(AOwner) {}
  String ClassName() const override { return "TdxDBGrid"; }
};

// The grid's plain column: the data-bound column with the grid's properties published.
class TdxDBGridColumn : public TdxDBTreeListColumn {
 public:
  explicit TdxDBGridColumn(TComponent* AOwner) : TdxDBTreeListColumn(AOwner) {}
  String ClassName() const override { return "TdxDBGridColumn"; }
};
