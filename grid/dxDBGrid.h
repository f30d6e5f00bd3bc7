// TCustomdxDBGrid and TdxDBGrid: the data grid. Over the data-bound control it adds its own data
// link and node class, the record modes (all records are nodes, a partial window of them, or the
// data set's buffered rows), the grouped columns with the group-by panel, the summary groups and
// the six option sets kept in step with each other and with the tree list's own two sets.
// TdxDBGridColumn is its plain column. Split by concern: dxDBGrid.cpp (life, properties, record
// modes, the answers to the data-bound control), dxDBGridOptions.cpp, dxDBGridGrouping.cpp,
// dxDBGridGroupPanel.cpp, dxDBGridCursorRows.cpp (the buffered rows of plain cursor mode),
// dxDBGridSelection.cpp, dxDBGridLink.cpp (the data link, deleting a record, notifications),
// dxDBGridLoad.cpp (loading all records, reloading and refreshing), dxDBGridPartial.cpp (the
// partial window), dxDBGridGroupTree.cpp (group rows and summaries), dxDBGridText.cpp (cell,
// group-row, preview and footer texts), dxDBGridReactions.cpp (the grid and its data set following
// each other), dxDBGridSorting.cpp, dxDBGridCommands.cpp (record commands, copying rows) and
// dxDBGridInput.cpp (the keys and the mouse that give those commands), dxDBGridLayoutStore.cpp,
// dxDBGridFiltering.cpp (records hidden by the filter) and dxDBGridFilterPopup.cpp (the header's
// filter drop-down list).
#pragma once

#include <memory>
#include <vector>

#include "grid/dxDBCtrl.h"
#include "grid/dxDBGridFilter.h"
#include "grid/dxDBGridGrouping_p.h"
#include "grid/dxDBGridLoad_p.h"
#include "grid/dxDBGridOptions.h"
#include "grid/dxDBGridReactions_p.h"
#include "grid/dxDBSummary.h"

class TCustomdxDBGrid;
class TdxDBGridFilterPopupListBox;

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
  // Forgets the summaries a load or a regrouping gathers afresh.
  void ClearSummaries();

 protected:
  ~TdxDBGridNode() override = default;
};

// Record nodes of an earlier load, sorted by key, for a load to take again.
using TdxDBGridNodeList = std::vector<TdxDBGridNode*>;

// Where a partial load puts its records: around the current one, after the last node, before the
// first node, or every record from the first.
enum TdxPartialLoadDirection { pldAround = 0, pldAfter = 1, pldBefore = 2, pldAll = 3 };
// Where the top row goes after a partial reload: kept at its distance from the current record, or
// the current record at the top (scrolling backwards) or at the bottom (scrolling forwards).
enum TdxPartialTopMode { ptmKeep = 0, ptmCurrentAtTop = 1, ptmCurrentAtBottom = 2 };

using TdxDBGridColumnEvent = std::function<void(TObject* Sender, TdxDBTreeListColumn* Column)>;
using TdxDBGridColumnAllowEvent = std::function<void(TObject* Sender, TdxDBTreeListColumn* Column, bool& Allow)>;
using TdxDBGridEndDragGroupColumnEvent =
    std::function<void(TObject* Sender, TdxDBTreeListColumn* Column, int NewGroupIndex, bool& Allow)>;
using TdxDBGridBackgroundDrawEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect)>;
using TdxDBGridGroupTextEvent = std::function<void(TObject* Sender, TdxTreeListNode* Node, String& Text)>;
using TdxDBGridGroupSummaryEvent =
    std::function<void(TObject* Sender, TdxTreeListNode* Node, TDataSet* DataSet, TdxSummaryValue& Value)>;
using TdxDBGridFilterChangedEvent = std::function<void(TObject* Sender, TDataSet* ADataSet, const String& AFilterText)>;
using TdxDBGridEnumFilterValuesEvent = std::function<void(TObject* Sender, TdxDBTreeListColumn* AColumn, Variant& AValue,
                                                          String& ADisplayText, bool& ARepeatEnumeration)>;
using TdxDBGridCustomDrawEvent = std::function<void(
    TObject* Sender, TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode, TdxDBTreeListColumn* AColumn,
    const String& AText, TFont* AFont, TColor& AColor, bool ASelected, bool AFocused, bool& ADone)>;

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
  // Only rows that an all-records load made are regrouped: not the buffered rows nor a window.
  bool IsSmartReloadPending() {
    return (FOptionsDB & edgoSmartReload) && FGrouping.Changed && !IsCursorMode() && FLoad.RowsAreAllRecords;
  }
  // One changed record can be refreshed alone, without a reload.
  bool CanSmartRefresh();
  // Whether the loader found the records by their key and by a search in the nodes.
  bool LocateByKey = false;
  bool SearchInNodes = false;

  // --- record loading (dxDBGridLoad.cpp) ---------------------------------------------------------------
  // The full reload: the link's fields again, every column's field again, the records again.
  virtual void ReloadRecords();
  // Loads every record as a node under its groups, or in partial mode the window around the
  // current record. OldNodes, when given, are taken again for the records of their keys.
  virtual void LoadRecords(TdxDBGridNodeList* OldNodes = nullptr);
  // The refresh after a data change: the former top row and the selection come back by key or
  // bookmark, and the record nodes of a grouped grid are taken again.
  virtual void RefreshRecords();
  // The records the last load or regrouping counted.
  int FooterRecordCount() const { return FLoad.FooterRecordCount; }
  // Selections are kept by bookmark: UseBookmarks, or plain cursor mode.
  bool BookmarksInUse() { return UseBookmarks() || IsCursorMode(); }

  // --- the partial window (dxDBGridPartial.cpp) ----------------------------------------------------------
  // Reloads or extends the window of records; KeepPosition makes a reload around the current
  // record cover the selection anchor too.
  virtual void LoadPartial(TdxPartialLoadDirection Direction, TdxPartialTopMode TopMode, bool KeepPosition);
  // The window is max(5 pages, PartialLoadBufferCount) records.
  int PartialWindowSize();
  // The rows of one page: the rows area's height over the row height, plus one.
  int CalcPageRowCount();
  // The window grows when the top row comes near one of its ends.
  void SetTopVisibleNode(TdxTreeListNode* Node) override;
  void SelectRange(TdxTreeListNode* NodeA, TdxTreeListNode* NodeB) override;

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
  void SuspendGrouping() { ++FGrouping.Suspended; }
  // At zero the group tree is rebuilt when the grouping changed, else the records refreshed.
  void ResumeGrouping();
  void AssignColumns(TCustomdxTreeListControl* Source) override;
  virtual void DoEndDragGroupColumn(TdxDBTreeListColumn* Column, int NewGroupIndex, bool& Allow);

  // --- group rows and summaries (dxDBGridGroupTree.cpp) ------------------------------------------------------
  // -1, 0 or 1: Null first, texts by case when the grid is case-sensitive and by the locale with
  // AnsiSort; values that do not compare go by their kind, then by their text.
  int CompareGroupValues(const Variant& A, const Variant& B);
  // The comparison once the letter case is settled.
  int CompareGroupValuesAsIs(const Variant& A, const Variant& B);
  // Looks Value up among the group rows under Parent (nil: the top level). Found: Position is its
  // row. Not found: Position is the row a new group row goes before, nil to go last.
  bool FindGroupNode(TdxTreeListNode* Parent, const Variant& Value, TdxTreeListNode*& Position);
  // The column is grouped and orders its groups by their summaries.
  bool IsSortBySummaryColumn(int ColumnIndex);
  // Places a record node into the group rows of its values (made when missing), freeing the group
  // rows it leaves empty, and gathers every summary again; nil only gathers.
  void RegroupNode(TdxTreeListNode* Node);
  // Adds a record to the summaries of its group row and of every group row above it; FromNode nil
  // reads the data set's current record, else that node's values.
  void AddToGroupSummaries(TdxDBGridNode* Group, TdxDBGridNode* FromNode);
  void AddToFooterSummaries(TdxDBGridNode* FromNode);
  void ResetFooterSummaries();
  // Counts and averages become final (the footer's averages stay sums with KeepAverages);
  // OnCalcSummary follows.
  void FinishSummaries(bool KeepAverages);
  TdxSummaryValue GetGroupSummaryValue(TdxTreeListNode* Node) override;
  // Frees the node and every group row above it that it leaves empty.
  void FreeNodeAndEmptyGroups(TdxTreeListNode* Node);

  // --- group-by panel (dxDBGridGroupPanel.cpp) --------------------------------------------------------------
  int GetGroupPanelHeight() override;
  int GetGroupIndentWidth() override;
  // Button N: x from 104 N + 8 to 104 N + 108, y from (header row height / 2) N + 8, one row high.
  TRect GroupPanelColumnRect(int N);
  // The grouped column whose button holds the client point; nil when none.
  TdxDBTreeListColumn* GroupPanelColumnAt(int X, int Y);
  // The grouped-column buttons whose centre is not right of the client point's X.
  int GroupPanelInsertPosition(int X);
  bool IsInGroupPanel(TPoint ClientPoint);
  // The rows slide down to show the panel or up to hide it, in growing steps, for at most 400 ms.
  void SlideGroupPanel(bool Showing);
  // For a header dragged over the group-by panel: the point moved to where the drop mark is
  // drawn, (-100, -100) when the column may not group; false elsewhere (the headers decide).
  bool CalcGroupPanelDropInfo(TdxTreeListColumn* Dragged, TPoint& ScreenPoint);
  virtual void DrawGroupPanel(TCanvas* Canvas, const TRect& Rect);
  void DrawGroupPanel(TCanvas* Canvas, const TRect& Rect, const HBRUSH& HeaderBrush,
                      const HBRUSH& ShadowBrush) override {
    (void)HeaderBrush, (void)ShadowBrush;
    DrawGroupPanel(Canvas, Rect);
  }
  // The header row height the panel's buttons take.
  virtual int GetHeaderRowHeight() { return Metrics().HeaderRowHeight; }
  // A GridLineColor other than clNone as it is; else by the grouping and the background.
  TColor GetGridLineColor(TColor Background) override;

  // --- the buffered rows of plain cursor mode (dxDBGridCursorRows.cpp) -----------------------------------
  // The rows area below the group-by panel and the header rows, above the footer; in plain cursor
  // mode it ends at the last buffered row.
  TRect GetRowsRect() override;
  int CalcRowHeight(TdxTreeListNode* Node) override;
  // Counts the rows in view; in plain cursor mode it also sizes the link's buffer to them.
  void CalcVisibleRowCounts() override;
  // Makes the nodes the link's buffered rows (plain cursor mode) and follows its current record.
  void UpdateScrollBars() override;
  void GetVScrollInfo(TdxTreeListScrollRange& Range) override;
  int GetVisibleRowCount() override;
  void BeginNodeAccess(TdxTreeListNode* Node) override;
  void EndNodeAccess(TdxTreeListNode* Node) override;
  // The node is a row of the link's buffer (plain cursor mode).
  bool IsBufferedRow(TdxTreeListNode* Node) const;
  // Moving the focus to a row moves the data set by as many records.
  void SetFocusedAbsoluteIndex(int Index) override;

  // --- texts (dxDBGridText.cpp) ------------------------------------------------------------------------------
  // A buffered row's field text, a record node's text, or a group row's "Caption : value" with its
  // summaries and the group text event's text.
  String GetNodeString(TdxTreeListNode* Node, int Column) override;
  Variant GetNodeValue(TdxTreeListNode* Node, int Column) override;
  // The sort key: a summary for a column that orders its groups by them, a text (upper case when
  // the grid ignores case) for a column of texts, else the value.
  Variant GetNodeVariant(TdxTreeListNode* Node, int Column) override;
  String GetPreviewText(TdxTreeListNode* Node) override;
  // The summaries of a group row for its column: the column's own, then its summary group's items
  // that name no column.
  String GetGroupSummaryText(TdxTreeListNode* Node, TdxDBTreeListColumn* Column);
  // Whether the group level shows a footer: its column's summary group has an item that names a
  // column.
  bool IsLevelWithRowFooter(int Level) override;
  // The level of the footer FooterIndex (counted from the node up) that ends below a record; -1
  // when there is none.
  int GetRowFooterLevel(TdxTreeListNode* Node, int FooterIndex);
  bool IsRowFooterCell(TdxTreeListNode* Node, int Column, int FooterIndex) override;
  // FooterIndex -1 is the summary footer.
  String GetRowFooterText(TdxTreeListNode* Node, int Column, int FooterIndex) override;
  // Group rows are left-aligned, whatever the alignment of the column they are painted in.
  TAlignment GetColumnAlignment(TdxTreeListNode* Node, int Column) override;

  // --- the grid and its data set following each other (dxDBGridReactions.cpp) --------------------------------
  void DataSetChanged() override;
  void DataSetScrolled(int Distance) override;
  void RecordChanged(TField* Field) override;
  void ResolveEditNode(TdxTreeListNode*& Node) override;
  // The rows the grid keeps track of are forgotten as they go.
  void DeletingNode(TdxTreeListNode* Node, TdxTreeListNode* PrevSiblingOrParent, TdxTreeListNode* NextVisible,
                    bool WasLast, bool WasVisible) override;
  // Puts the focus on the link's current row (plain cursor mode) or the current record's node.
  void SyncWithDataSet();
  // The node of the current record, found through the group rows by the grouped values, becomes
  // the focused one.
  virtual void SyncFocusedNode();
  // Moves the data set from the record of OldNode to Node's: by Locate on KeyField, or by as many
  // records as their record numbers differ.
  bool MoveDataSetToNode(TdxTreeListNode* OldNode, TdxTreeListNode* Node, bool UseLocate, const Variant& KeyValue);
  // Plain cursor mode: moves the data set to the buffered record of the row Node.
  void MoveDataSetToRow(TdxTreeListNode* Node);
  // The node of a record being inserted, before the focused record or, at the end, after the last.
  void InsertRecordNode(bool AtEof);
  TdxTreeListNode* GetNavigationNode(TdxTreeListNode* Node, TdxTreeListNavigation Direction, bool AllNodes) override;
  void ContainerScrollLines(bool Up, int Count) override;
  bool CanCacheRowHeight() override;
  // The node being inserted or edited that a data change refreshes; nil when none.
  TdxTreeListNode* ChangedNode() const { return FReaction.ChangedNode; }
  void BeginSelection() override;
  void EndSelection() override;
  void DoSelectedCountChange() override;

  // --- sorting (dxDBGridSorting.cpp) -------------------------------------------------------------------------
  // The column the records are sorted by: the first sorted one that does not group, or the first
  // of the sorted list when several sort.
  TdxDBTreeListColumn* SortColumn();
  void ApplySorting() override;
  void SortColumnChanged(TdxTreeListColumn* Column) override;
  // Then the group rows of the columns that order them by summary.
  void SortNodes(int Level, int ColumnIndex, bool Descending) override;
  // In the cursor modes the records keep the data set's order: no column but a grouped one sorts.
  void ClearCursorModeSorting();

  // --- record commands (dxDBGridCommands.cpp) --------------------------------------------------------------
  // Whether to delete: asked in a box captioned "Confirm" when egoConfirmDelete is on.
  bool ConfirmDelete();
  // Deletes the focused record, or the selected ones, after the confirmation; false when nothing
  // was asked (deleting is not allowed here).
  bool DeleteRecordsCommand();
  // Starts a new record before the current one; false when inserting is not allowed.
  bool InsertRecordCommand();
  // Appends a record past the last one; a lone selected row is deselected first.
  void AppendRecordCommand();
  // The data set holds a new record nothing has changed, through the grid or otherwise.
  bool IsUntouchedInsert();
  // Drops an untouched new record at the end; in the nodes' modes the last row takes the focus.
  bool CancelUntouchedInsert();
  int DeleteSelectedNodes() override;
  // Also ends a selection extended by ScrollSelect.
  void ClearSelection() override;
  // Plain cursor mode: the selection becomes the run of records from the anchor to N records
  // further up or down from the current one (N = 0: to the first or last record).
  void ScrollSelect(bool Up, int N);
  void CopyAllToStrings(TStrings* Strings) override;
  void CopySelectedToStrings(TStrings* Strings) override;

  // --- grouping by a dragged column (dxDBGridGroupPanel.cpp) --------------------------------------------------
  // A header dropped on the group-by panel at client X groups by its column there.
  void DropColumnOnGroupPanel(TdxDBTreeListColumn* Column, int X);
  // A grouped column's button dragged off the panel ungroups it.
  void DragColumnOffGroupPanel(TdxDBTreeListColumn* Column);
  // Over the group-by panel the grid answers where a dragged header goes; elsewhere the headers.
  TDropInfo CalcHeaderDropInfo(TPoint ScreenPoint, bool BandMode) override;

  // --- the stored layout's additions (dxDBGridLayoutStore.cpp) ------------------------------------------------
  // "GroupIndex" of each column, read before the tree list's values and written after them.
  void ReadColumnLayout(TdxRegIniWrapper& Wrapper, const String& Key, TdxTreeListColumn* Column) override;
  void WriteColumnLayout(TdxRegIniWrapper& Wrapper, const String& Key, TdxTreeListColumn* Column) override;
  // "ShowGroupPanel", "ShowNewItemRow", "ShowRowFooter" and "ShowSummaryFooter" after the tree
  // list's values.
  void ReadGridLayout(TdxRegIniWrapper& Wrapper, const String& Path) override;
  void WriteGridLayout(TdxRegIniWrapper& Wrapper, const String& Path) override;

  // --- keys and mouse (dxDBGridInput.cpp) --------------------------------------------------------------------
  // The record commands of the keys (deleting, inserting, appending, dropping an untouched new
  // record, moving and extending the selection over the records of plain cursor mode, group rows
  // opened and closed, a column's scroll in row-select mode) before the tree list's own keys.
  void KeyDown(WORD& Key, TShiftState Shift) override;
  // A press on a grouped column's button in the group-by panel, which a move of more than 5
  // pixels drags; a double click on a record's cell.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  // A button released where it was pressed sorts its column as a header click does.
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // A header dropped on the group-by panel groups its column; a button dragged off it ungroups.
  void EndDragHeader(bool Accept) override;
  bool CanHideDraggedHeader(int Column) override;
  bool IsDblClickEnabled() override { return FOptions & egoDblClick; }
  // A grouped column pressed in the panel is dragged from its button.
  TRect GetDragHeaderRect(int Column) override;

  // --- selection (dxDBGridSelection.cpp) -------------------------------------------------------------------
  bool CanNodeSelected(TdxTreeListNode* Node) override;
  bool IsNodeSelected(TdxTreeListNode* Node) override;
  void SetNodeSelected(TdxTreeListNode* Node, bool Value) override;
  int CompareWithSelectionAnchor(TdxTreeListNode* Node) override;
  void SetSelectionAnchor(TdxTreeListNode* Node) override;
  void InvalidateSelection() override;
  const TBookmark& AnchorBookmark() const { return FReaction.AnchorBookmark; }

  // --- the filter (dxDBGridFiltering.cpp; the header's drop-down list: dxDBGridFilterPopup.cpp) -------------
  // Changed through its own properties; a layout sets them in place.
  TdxDBGridFilter* Filter() const { return FFilter.get(); }
  // The criteria hold a condition: the filter is in force.
  bool FilterActive() const { return FFilterActive; }
  // Whether the node passes the filter; every node does while none is in force.
  virtual bool IsNodeFiltered(TdxTreeListNode* Node);
  virtual void FilterCriteriaChanged();
  virtual void DestroyFilterPopup();
  // Only rows that stand for every record are hidden by the grid itself; in the other modes a
  // data set that filters itself (AutoDataSetFilter) does the work.
  virtual bool CanFilterNodes() { return AllRecordsAreNodes(); }
  // A node a load made: false when the filter hid it.
  virtual bool FilterNode(TdxTreeListNode* Node);
  // Node nil: every record, shown or hidden, is tested again, and the focus and summaries follow;
  // else the node alone. Answers whether Node (when given) passes.
  virtual bool RefilterNodes(TdxTreeListNode* Node, bool Regroup);
  virtual void PrepareFilter();
  virtual void ApplyFilter();
  // OnFilterChanged, and with AutoDataSetFilter the data set's filter expression and options.
  virtual void NotifyFilterChanged();
  // The criteria changed: in force or not, the records tested again, the change told.
  void FilterChanged();
  bool HasFilter() override;
  String GetFilterText() override;
  String GetFilterCaption() override;
  bool IsFilterStatusVisible() override;
  bool IsHeaderFilterActive() override;
  // The tree list's state, and the filter mark where the column has a condition.
  unsigned GetHeaderButtonState(int Column) override;
  // An open drop-down list closes too.
  void CancelDragOperation() override;
  // Fills, sizes and drops the list down under the column's header button.
  void ShowHeaderFilterList(int Column) override;
  // Closes an open drop-down list; with none open (the status panel's button) the filter is
  // cleared.
  void HideHeaderFilterList() override;
  // Nil until the first drop-down.
  TdxDBGridFilterPopupListBox* FilterPopup() const { return FFilterPopup; }
  bool IsFilterPopupShown() const;
  TdxDBGridFilterChangedEvent OnFilterChanged;
  TdxDBGridEnumFilterValuesEvent OnEnumFilterValues;

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
  // Not published: its text ends every group row's text.
  TdxDBGridGroupTextEvent OnGetGroupText;
  // Not published: called for every record and group level; a level without a summary kind
  // gathers too while it is set.
  TdxDBGridGroupSummaryEvent OnGroupSummary;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The key field is found again, then the rows that fit the window are counted and, in plain
  // cursor mode, made the link's buffered rows (the end of every relayout).
  void LinksChanged() override;
  // The rows in view change with the window: a new or resized window relays the grid out.
  void CreateWnd() override;
  void Resize() override;
  void DoChangeNode(TdxTreeListNode* OldNode, TdxTreeListNode* Node) override;
  void Dispatch(TMessage& Message) override;

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
  // Runs Work with grouping suspended, then resumes it.
  void RegroupAfter(const std::function<void()>& Work);
  // dxDBGridCursorRows.cpp
  void CountVariableRows(int Height);
  void MatchNodesToBuffer(int Rows);
  // dxDBGridSelection.cpp
  TBookmark BufferedRowBookmark(TdxTreeListNode* Node);
  void SetBookmarkSelected(TdxTreeListNode* Node, bool Value);
  void SetNodePointerSelected(TdxTreeListNode* Node, bool Value);
  // dxDBGridReactions.cpp (the scroll bar and rows of plain cursor mode)
  void WMVScroll(TMessage& Message);
  void ThumbTo(TDataSet* DataSet, int Position);
  void ScrollBufferedRows(int Distance);
  // dxDBGridLoad.cpp
  struct TLoadPass;
  void LookUpKeyField();
  void UngroupColumnsWithoutField();
  bool CanWalkRecords();
  void WalkRecords(TdxDBGridNodeList* OldNodes);
  void ReadRecords(TDataSet* DataSet, TLoadPass& Pass);
  TdxDBGridNode* PlaceRecordInGroups(int RecNo, TLoadPass& Pass);
  void RegroupLoadedNodes(TLoadPass& Pass);
  void NoteTopRow(TdxDBGridNode* Node, TLoadPass& Pass);
  void RestorePosition(TDataSet* DataSet, const TLoadPass& Pass);
  void SeekCollapsedGroup(TDataSet* DataSet);
  void SavePendingSelection();
  void ClearPendingSelection();
  // Selects a loaded node again when its record was selected before the load.
  void RestoreSelection(TdxDBGridNode* Node, TDataSet* DataSet);
  void RefreshBufferedRows();
  // dxDBGridPartial.cpp
  void ReloadWindow(TDataSet* DataSet, TdxPartialLoadDirection Direction, TdxPartialTopMode TopMode, bool KeepPosition);
  void LoadAroundCurrent(TDataSet* DataSet, bool KeepPosition);
  void LoadEveryRecord(TDataSet* DataSet);
  void ExtendWindow(TDataSet* DataSet, bool After);
  TdxDBGridNode* AddRecordNode(TDataSet* DataSet, int RecNo, bool Backwards);
  bool InRangeToSelect(TDataSet* DataSet, const TBookmark& Bookmark);
  // dxDBGridGroupTree.cpp
  // Text is asked for only when the group row is made.
  TdxDBGridNode* GroupNodeOf(TdxTreeListNode* Parent, int Level, const Variant& Value,
                             const std::function<String()>& Text, const Variant& Key, int RecNo);
  TdxDBGridNode* GroupPathOf(TdxDBGridNode* Record);
  // The record rows below Node (the top level when nil), in tree order.
  void CollectRecordNodes(TdxTreeListNode* Node, std::vector<TdxDBGridNode*>& Records);
  void ClearGroupSummaries();
  void FinishGroupSummaries(TdxTreeListNode* Node);
  void OrderGroupsBySummary();
  void TakeFirstChildKeys(TdxTreeListNode* Node);
  // dxDBGridReactions.cpp
  TdxTreeListNode* FindCurrentRecordNode();
  TdxDBGridNode* FindNodeByKey(const Variant& Key);
  // The record row of the current record below a group row; nil when none.
  TdxDBGridNode* CurrentRecordBelow(TdxTreeListNode* Group);
  bool RefreshChangedRecord();
  bool RecordCountIs(int Expected);
  void KeepFocusState();
  void CheckFocusState();
  void ReactInCursorMode(TDataSet* DataSet);
  // dxDBGridInput.cpp
  bool KeyDownForData(WORD& Key, TShiftState Shift);
  bool KeyDownInCursorMode(TDataSet* DataSet, WORD Key, TShiftState Shift);
  bool KeyDownOverNodes(TDataSet* DataSet, WORD Key, TShiftState Shift);
  void KeyDownSelectRun(WORD Key);
  bool IsCellPress(int X, int Y);
  // dxDBGridCommands.cpp
  String CurrentRecordText();
  void SelectRunFromAnchor(TDataSet* DataSet, bool Up, int N);

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

  bool FLoading = false;
  bool FInsertMark = false;
  bool FColumnFieldChanging = false;
  bool FUpdatingScrollBars = false;
  bool FKeepFullRowsArea = false;
  int FScrollPos = 0;
  int FNodeAccessDepth = 0;
  TdxDBGridGroupingState FGrouping;
  TdxDBGridLoadState FLoad;
  TdxDBGridReactionState FReaction;

  // The filter. While the drop-down list shows, the keys go to it, the mouse over it reaches it,
  // and losing the focus or a cancel closes it (dxDBGridFilterPopup.cpp).
 protected:
  void WndProc(TMessage& Message) override;

 private:
  // dxDBGridFiltering.cpp
  void ShowFilteredOutNode(TdxDBGridNode* Node);
  void HideFilteredNode(TdxDBGridNode* Node, TdxTreeListNode*& Focused);
  void FollowCurrentRecord();
  // dxDBGridFilterPopup.cpp
  void FillFilterPopup(TdxDBGridFilterPopupListBox& List, TdxDBTreeListColumn* Column);
  void OfferNodeValues(TdxDBGridFilterPopupListBox& List, TdxDBTreeListColumn* Column, TdxTreeListNode* Node,
                       bool& Blanks);
  bool RouteToFilterPopup(TMessage& Message);

  std::unique_ptr<TdxDBGridFilter> FFilter;
  bool FFilterActive = false;
  TdxDBGridFilterPopupListBox* FFilterPopup = nullptr;
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
