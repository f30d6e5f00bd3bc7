// TCustomdxTreeListControl: the concrete tree list. It owns the bands and the column list, lays the
// columns out in header rows inside bands, keeps cell texts in text nodes, answers the tree list's
// node, band and column operations, keeps one in-place editor per editor class, sorts by its
// sorted columns, and saves and loads its layout. The data-aware grid derives from it.
// Split by concern: dxTLControl.cpp (life, node values, editors), dxTLColumns.cpp (the column list),
// dxTLHeaderRows.cpp (bands, header rows and their queries), dxTLSorting.cpp, dxTLLayoutStore.cpp.
#pragma once

#include <memory>
#include <vector>

#include "editors/dxRegIniWrapper.h"
#include "treelist/dxTL.h"
#include "treelist/dxTLBands.h"
#include "treelist/dxTLColumn.h"

using TdxTreeListIndexEvent = std::function<void(TObject* Sender, TdxTreeListNode* Node, int& Index)>;
using TdxTreeListColumnEvent = std::function<void(TObject* Sender, TdxTreeListColumn* Column)>;
using TdxTreeListColumnAllowEvent = std::function<void(TObject* Sender, TdxTreeListColumn* Column, bool& Allow)>;
using TdxTreeListColumnSortedEvent =
    std::function<void(TObject* Sender, TdxTreeListColumn* Column, TdxTreeListColumnSort& Sorted)>;
using TdxTreeListBandEvent = std::function<void(TObject* Sender, TdxTreeListBand* Band)>;
using TdxTreeListShowBandEvent = std::function<void(TObject* Sender, TdxTreeListBand* Band, int Index)>;
using TdxTreeListShowHeaderEvent =
    std::function<void(TObject* Sender, TdxTreeListColumn* Column, int BandIndex, int RowIndex, int ColIndex)>;
using TdxTreeListCustomDrawBandEvent =
    std::function<void(TObject* Sender, TdxTreeListBand* ABand, TCanvas* ACanvas, TRect ARect, String& AText,
                       TColor& AColor, TFont* AFont, TAlignment& AAlignment, bool& ADone)>;
using TdxTreeListCustomDrawFooterEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode,
                       TdxTreeListColumn* AColumn, String& AText, TColor& AColor, TFont* AFont,
                       TAlignment& AAlignment, bool& ADone)>;
using TdxTreeListCustomDrawFooterNodeEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode,
                       TdxTreeListColumn* AColumn, int AFooterIndex, String& AText, TColor& AColor, TFont* AFont,
                       TAlignment& AAlignment, bool& ADone)>;
using TdxTreeListCustomDrawPreviewEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode, bool ASelected,
                       String& AText, TColor& AColor, TColor& ATextColor, TFont* AFont, bool& ADone)>;
using TdxTreeListLevelColorEvent = std::function<void(TObject* Sender, int ALevel, TColor& AColor)>;
using TdxTreeListIsExistFooterCellEvent =
    std::function<void(TObject* Sender, TdxTreeListColumn* AColumn, bool& AExist)>;
// A cell of a multi-line row measured by the handler: its lines and their whole height.
using TdxTreeListCalcRowLineHeightEvent =
    std::function<void(TObject* Sender, TdxTreeListNode* Node, TdxTreeListColumn* Column, const String& Text,
                       int BoundsWidth, int TextHeight, int MaxLineCount, bool InflateFlag, bool GridFlag,
                       int& LineCount, int& LineHeight, bool& Done)>;
// Makes a column of some column class owned by Owner.
using TdxTreeListDragOverHeaderEvent =
    std::function<void(TObject* Sender, TdxTreeListColumn* AColumn, TPoint P, bool& Accept)>;
using TdxTreeListDragOverBandEvent = std::function<void(TObject* Sender, TdxTreeListBand* ABand, TPoint P, bool& Accept)>;
using TdxTreeListDragEndHeaderEvent =
    std::function<void(TObject* Sender, TdxTreeListColumn* AColumn, bool& Accept)>;
using TdxTreeListDragEndBandEvent = std::function<void(TObject* Sender, TdxTreeListBand* ABand, bool& Accept)>;
using TdxTreeListGetDragTextEvent = std::function<void(TObject* Sender, TdxTreeListNode* Node, String& AText)>;
using TdxTreeListColumnClass = std::function<TdxTreeListColumn*(TComponent* Owner)>;

class TCustomdxTreeListControl : public TCustomdxTreeList {
 public:
  explicit TCustomdxTreeListControl(TComponent* AOwner);
  // Saves the layout (once), then frees the columns and bands.
  ~TCustomdxTreeListControl() override;
  String ClassName() const override { return "TCustomdxTreeListControl"; }

  // --- bands and header rows (dxTLHeaderRows.cpp) ------------------------------------------------
  TdxTreeListBands* Bands() const { return FBands.get(); }
  int BandMaxRowCount() const { return FBandMaxRowCount; }
  void SetBandMaxRowCount(int Value);
  int BandRowCount() const { return FBandRowCount; }
  void SetBandRowCount(int Value);
  bool DefaultLayout() const { return FDefaultLayout; }
  // Turning it on puts back one visible band holding every column in one header row.
  void SetDefaultLayout(bool Value);
  int HeaderMinRowCount() const { return FHeaderMinRowCount; }
  void SetHeaderMinRowCount(int Value);
  int HeaderPanelMaxRowCount() const { return FHeaderPanelMaxRowCount; }
  void SetHeaderPanelMaxRowCount(int Value);
  int HeaderPanelRowCount() const { return FHeaderPanelRowCount; }
  // Clamped to 1..HeaderPanelMaxRowCount; switches the automatic height off; above 1 it clears
  // DefaultLayout. The header rows are normalised again.
  void SetHeaderPanelRowCount(int Value);
  bool IsHeaderPanelRowCountStored() const { return !(GetOptionsEx() & tlxAutoHeaderPanelHeight); }
  void ResetAutoHeaderPanelHeight() { SetOptionsEx(GetOptionsEx() & ~tlxAutoHeaderPanelHeight); }
  // Closes the gaps between used header rows and keeps every column inside its band's rows.
  void NormalizeHeaderRows();

  // --- columns (dxTLColumns.cpp) -----------------------------------------------------------------
  int GetColumnCount() const { return int(FColumns.size()); }
  TdxTreeListColumn* GetColumn(int Index) const;
  TdxTreeListColumn* Columns(int Index) const { return GetColumn(Index); }
  int ColumnIndexOf(const TdxTreeListColumn* Column) const;
  // The N-th visible column in list order.
  TdxTreeListColumn* GetVisibleColumn(int N) const;
  TdxTreeListColumn* ColumnByName(const String& Name) const;
  TdxTreeListColumn* GetSortedColumn(int Position) const;
  // Made, named Name + "Column" + N (the first free N from the column count + 1) and attached.
  TdxTreeListColumn* CreateColumn(const TdxTreeListColumnClass& ColumnClass, TComponent* Owner = nullptr);
  template <class T = TdxTreeListColumn>
  T* CreateColumnOf(TComponent* Owner = nullptr) {
    return static_cast<T*>(CreateColumn([](TComponent* o) -> TdxTreeListColumn* { return new T(o); }, Owner));
  }
  void AddColumn(TdxTreeListColumn* Column);
  virtual void RemoveColumn(TdxTreeListColumn* Column);
  virtual void DestroyColumns();
  // Copies Source's columns (same class, values and names); the current columns go only once every
  // copy was made, and a copy keeps its generated name when Source's is taken in its owner.
  virtual void AssignColumns(TCustomdxTreeListControl* Source);
  void UpdateColumnDefaultWidths();
  // Widest cell text or caption plus margins; nil: every column.
  virtual void ApplyBestFit(TdxTreeListColumn* Column);
  // Moves every node's text at FromIndex to ToIndex, as the column moved in the list.
  virtual void MoveColumnValues(int FromIndex, int ToIndex);
  // A column (or, with nil, the layout) changed: default width, header rows, relayout.
  virtual void ColumnChanged(TdxTreeListColumn* Column);
  // A column moves in the list from one index to another.
  void MoveColumnIndex(TdxTreeListColumn* Column, int NewIndex);

  // --- sorting (dxTLSorting.cpp) -----------------------------------------------------------------
  // Changes of several columns' sorting inside the bracket re-sort once at its end.
  void BeginSorting() { ++FSortLock; }
  void EndSorting();
  // Runs Work inside BeginSorting and EndSorting, also when it raises.
  void InsideSorting(const std::function<void()>& Work);
  bool IsSortLocked() const { return FSortLock > 0; }
  // Appends a sorted column unless present; answers its position + 1 (0 when refused).
  virtual int AddSortedColumn(TdxTreeListColumn* Column);
  virtual bool DoColumnSorting(TdxTreeListColumn* Column);
  // A header click: ascending first, then toggling; Ctrl held at the release removes the sorting.
  virtual void ChangeColumnSort(TdxTreeListColumn* Column);
  virtual void BeforeColumnSortChange(TdxTreeListColumn* Column) { (void)Column; }
  virtual void RemoveSortedColumn(TdxTreeListColumn* Column);
  virtual void SortColumnChanged(TdxTreeListColumn* Column);
  virtual void BeginSortingUpdate();
  virtual void EndSortingUpdate();
  // Runs Work inside BeginSortingUpdate and EndSortingUpdate, also when it raises.
  void InsideSortingUpdate(const std::function<void()>& Work);
  virtual void ApplySorting() {}
  // The sorted columns again, in the order of their stored sort positions.
  void RebuildSortedColumns();
  void ClearSortedColumns() override { FSortedColumns.clear(); }
  int GetSortedColumnCount() override { return int(FSortedColumns.size()); }
  bool IsSortedColumnDescending(int Position) override;
  int GetSortedColumnIndex(int Position) override;
  void DoHeaderClick(int Column) override;

  // --- layout store (dxTLLayoutStore.cpp) --------------------------------------------------------
  const String& IniFileName() const { return FIniFileName; }
  void SetIniFileName(const String& Value) { FIniFileName = Value; }
  const String& IniSectionName() const { return FIniSectionName; }
  void SetIniSectionName(const String& Value) { FIniSectionName = Value; }
  const String& RegistryPath() const { return FRegistryPath; }
  void SetRegistryPath(const String& Value) { FRegistryPath = Value; }
  void LoadLayoutFromIniFile(const String& FileName);
  void SaveLayoutToIniFile(const String& FileName);
  void LoadLayoutFromRegistry(const String& Path);
  void SaveLayoutToRegistry(const String& Path);
  void LoadLayout(TCustomIniFile* Store, const String& Path);
  void SaveLayout(TCustomIniFile* Store, const String& Path);
  virtual void ReadColumnLayout(TdxRegIniWrapper& Wrapper, const String& Key, TdxTreeListColumn* Column);
  virtual void ReadGridLayout(TdxRegIniWrapper& Wrapper, const String& Path);
  virtual void WriteColumnLayout(TdxRegIniWrapper& Wrapper, const String& Key, TdxTreeListColumn* Column);
  virtual void WriteGridLayout(TdxRegIniWrapper& Wrapper, const String& Path);
  void LoadStoredLayout() override;
  void SaveStoredLayout() override;

  // --- node values over text nodes (dxTLControl.cpp) ---------------------------------------------
  TdxTreeListNode* CreateNode() override;
  int GetNodeImageIndex(TdxTreeListNode* Node) override;
  int GetNodeSelectedIndex(TdxTreeListNode* Node) override;
  int GetNodeStateIndex(TdxTreeListNode* Node) override;
  Variant GetNodeValue(TdxTreeListNode* Node, int Column) override;
  String GetNodeString(TdxTreeListNode* Node, int Column) override;
  void SetNodeImageIndex(TdxTreeListNode* Node, int Value) override;
  void SetNodeSelectedIndex(TdxTreeListNode* Node, int Value) override;
  void SetNodeStateIndex(TdxTreeListNode* Node, int Value) override;
  void SetNodeString(TdxTreeListNode* Node, int Column, const String& Text) override;
  void SetNodeValue(TdxTreeListNode* Node, int Column, const Variant& Value) override;
  void DeleteNodeValue(TdxTreeListNode* Node, int Column) override;
  String GetCellText(TdxTreeListNode* Node, int Column) override;
  TCursor GetCellCursor(TdxTreeListNode* Node, int Column) override;

  // --- editing ---------------------------------------------------------------------------------
  bool CanEditModify() override;
  TColor GetEditColor() override;
  TFont* GetEditFont() override;
  void DoEditing(TdxTreeListNode* Node, bool& Allow) override;
  Variant InitEditValue() override;
  void AssignEditValue(TdxTreeListNode* Node, int Column, TdxInplaceEdit* Editor) override;
  // The cached editor of the column's editor class, nil when none was made yet.
  TdxInplaceEdit* FindEditor(int Column) override;
  // The cached editor of the column's editor class, made (owned by the control) on first use.
  TdxInplaceEdit* GetEditor(int Column);
  TdxInplaceEdit* CreateEditor(int Column) override { return GetEditor(Column); }
  void InitEditor(TdxInplaceEdit* Editor, int Column) override;

  // --- band and column answers (dxTLHeaderRows.cpp) ----------------------------------------------
  int GetVisibleBandCount() override { return FBands->VisibleCount(); }
  int GetBandIndexByPosition(int Position) override;
  int GetBandPosition(int BandIndex) override;
  TAlignment GetVisibleBandAlignment(int Position) override;
  String GetVisibleBandCaption(int Position) override;
  int GetVisibleBandWidth(int Position) override;
  int GetBandMinWidth(int Position) override;
  int GetFixedLeftBand() override;
  int GetFixedRightBand() override;
  bool IsBandOnlyOwnColumns(int Position) override;
  bool IsBandSizable(int Position) override;
  int GetBandRowCount(int Position) override;
  int GetBandRowColumnCount(int Position, int Row) override;
  int GetBandColumn(int Position, int Row, int Index) override;
  int GetTotalColumnCount() override { return GetColumnCount(); }
  int GetColumnBandIndex(int Column) override;
  int GetColumnRowIndex(int Column) override;
  TAlignment GetColumnAlignment(TdxTreeListNode* Node, int Column) override;
  TAlignment GetColumnHeaderAlignment(int Column) override;
  TBitmap* GetColumnHeaderGlyph(int Column) override;
  bool HasHeaderGlyph(int Column) override;
  // No drop-down button where the column may not show a header filter.
  unsigned GetHeaderButtonState(int Column) override;
  int GetColumnMaxLineCount(int Column) override;
  int GetColumnMinWidth(int Column) override;
  int GetColumnWidth(int Column) override;
  TdxTreeListColumnSort GetColumnSorted(int Column) override;
  bool IsColumnTabStop(int Column) override;
  String GetColumnHeaderText(int Column) override;
  TColor GetColumnColor(int Column) override;
  TFont* GetColumnFont(int Column) override;
  bool HasColumnFont(int Column) override;
  bool IsColumnShown(int Column) override;
  bool IsColumnSizable(int Column) override;
  bool IsHeaderHidden(int Column) override;
  bool IsBandHeaderWidth() override { return FDefaultLayout || TCustomdxTreeList::IsBandHeaderWidth(); }
  int GetBandMaxRowCount() override { return FBandMaxRowCount; }
  int GetBandPanelRowCount() override { return FBandRowCount; }
  int GetHeaderPanelMaxRowCount() override { return FHeaderPanelMaxRowCount; }
  int GetHeaderPanelRowCount() override { return FHeaderPanelRowCount; }
  int GetHeaderMinRowCount() override { return std::max(FHeaderMinRowCount, TCustomdxTreeList::GetHeaderMinRowCount()); }
  void CalcAutoHeaderPanelHeight() override;
  void BuildBandHeaderLayout() override;
  void ClearCalcLists() override;
  void RebuildAbsoluteLists() override;
  void LayoutChanged() override;
  void ApplyBandBestFit(int Position) override;
  void ApplyColumnBestFit(int Column) override;
  void MoveBand(int FromPosition, int ToPosition) override;
  void HideBand(int BandIndex) override;
  void ShowBand(int BandIndex, int Position) override;
  void MoveColumn(int Column, int Position, int Row, int Index) override;
  void HideHeader(int Column) override;
  void ShowColumnHeader(int Column, int Position, int Row, int Index) override;
  void SetBandRowCountByUser(int Value) override { SetBandRowCount(Value); }
  void SetBandWidthByUser(int Position, int Value) override;
  void SetHeaderPanelRowCountByUser(int Value) override { SetHeaderPanelRowCount(Value); }
  void SetColumnWidthByUser(int Column, int Value) override;
  void ScaleHiddenBandWidths(int New, int Old) override;
  void ScaleHiddenColumnWidths(int Position, int New, int Old) override;
  // The band collection changed: header rows and metrics follow.
  void BandsChanged();
  // Columns follow a deleted or moved band (called by the bands).
  void BandDeleted(int Index);
  void BandMoved(int OldIndex, int NewIndex);

  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  void SetParent(TWinControl* AParent) override;

  // Set by a descendant that streams every column, not only those its root owns.
  bool StreamAllColumns = false;

  TdxTreeListIndexEvent OnGetImageIndex;
  TdxTreeListIndexEvent OnGetSelectedIndex;
  TdxTreeListIndexEvent OnGetStateIndex;
  TdxTreeListColumnEvent OnHeaderClick;
  TdxTreeListColumnAllowEvent OnCanSortColumn;
  TdxTreeListColumnSortedEvent OnGetColumnSorted;
  TNotifyEvent OnChangedColumnsWidth;
  TdxTreeListBandEvent OnHideBand;
  TdxTreeListShowBandEvent OnShowBand;
  TdxTreeListColumnEvent OnHideHeader;
  TdxTreeListShowHeaderEvent OnShowHeader;
  TdxTreeListColumnEvent OnHeaderMoved;
  TdxTreeListCustomDrawBandEvent OnCustomDrawBand;
  TdxTLCustomDrawCell OnCustomDrawCell;
  TdxTLCustomDrawHeader OnCustomDrawColumnHeader;
  TdxTreeListCustomDrawFooterEvent OnCustomDrawFooter;
  TdxTreeListCustomDrawFooterNodeEvent OnCustomDrawFooterNode;
  TdxTreeListCustomDrawPreviewEvent OnCustomDrawPreview;
  TdxTreeListCustomDrawPreviewEvent OnCustomDrawPreviewCell;
  TdxTreeListLevelColorEvent OnGetLevelColor;
  TdxTreeListIsExistFooterCellEvent OnIsExistFooterCell;
  TdxTreeListCalcRowLineHeightEvent OnCalcRowLineHeight;
  TdxTreeListBandEvent OnBandClick;
  TNotifyEvent OnBandButtonClick;
  TNotifyEvent OnHeaderButtonClick;
  TdxTreeListNodeEvent OnBeginDragNode;
  TdxTreeListGetDragTextEvent OnGetNodeDragText;
  TdxTreeListDragOverHeaderEvent OnDragOverHeader;
  TdxTreeListDragOverBandEvent OnDragOverBand;
  TdxTreeListDragEndHeaderEvent OnDragEndHeader;
  TdxTreeListDragEndBandEvent OnDragEndBand;

  // The events of the mouse gestures.
  void DoBandClick(int Band) override;
  void DoBandButtonClick() override;
  void DoHeaderButtonClick() override;
  void DoChangedColumnsWidth() override;
  void DoBeginDragNode(TdxTreeListNode* Node) override;
  String GetNodeDragText(TdxTreeListNode* Node, int Column) override;
  void DoDragOverHeader(int Column, TPoint Point, bool& Accept) override;
  void DoDragOverBand(int Band, TPoint Point, bool& Accept) override;
  void DoDragEndHeader(int Column, bool& Accept) override;
  void DoDragEndBand(int Band, bool& Accept) override;

  // --- painting and measuring through the columns (dxTLControlPaint.cpp) -------------------------
  int GetColumnPosition(int Column) override;
  void ClearColumnCache() override { FColumnPositions.clear(); }
  void ClearRowHeightCache() override;
  bool IsColumnMultiLine(int Column) override;
  bool IsExistFooterCell(int Column) override;
  bool CalcCellLines(TdxTreeListNode* Node, int Column, const String& Text, int Width, int MaxLineCount,
                     int& LineCount, int& LineHeight) override;
  bool HasCustomDrawBand() override { return static_cast<bool>(OnCustomDrawBand); }
  bool HasCustomDrawCell(int Column) override;
  bool HasCustomDrawFooter(int Level) override;
  bool HasCustomDrawHeader(int Column) override;
  bool HasLevelColorEvent() override { return static_cast<bool>(OnGetLevelColor); }
  void DoCustomDrawBand(int Band, TCanvas* Canvas, const TRect& Rect, const TRect& VisibleRect, String& Text,
                        TColor& Color, TFont* Font, TAlignment& Alignment, bool& Done) override;
  // The control's event, then (a group row never, a new-item-row cell only while it may be
  // edited) the column's own.
  void DoCustomDrawCell(TCanvas* Canvas, const TRect& Rect, TdxTreeListNode* Node, int Column, bool Selected,
                        bool Focused, bool NewItemRow, String& Text, TColor& Color, TFont* Font, TAlignment& Alignment,
                        bool& Done) override;
  void DoCustomDrawFooter(TCanvas* Canvas, const TRect& Rect, TdxTreeListNode* Node, int Column, int FooterIndex,
                          String& Text, TColor& Color, TFont* Font, TAlignment& Alignment, bool& Done) override;
  void DoCustomDrawHeader(int Column, TCanvas* Canvas, const TRect& Rect, const TRect& VisibleRect, String& Text,
                          TColor& Color, TFont* Font, TAlignment& Alignment, TdxTreeListColumnSort& Sorted,
                          bool& Done) override;
  void DoCustomDrawPreview(TCanvas* Canvas, const TRect& Rect, TdxTreeListNode* Node, bool Selected, String& Text,
                           TColor& Color, TColor& TextColor, TFont* Font, bool& Done) override;
  void DoGetLevelColor(int Level, TColor& Color) override;
  // The column fills its view data from the record and its editor class paints it.
  void DrawCellViewData(TCanvas* Canvas, int Column, TdxTreeListCellViewData& CellViewData) override;

 protected:
  void Loaded() override;
  // A new font of the control reaches the columns that follow it, and the metrics.
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TdxTreeListColumn;
  friend class TdxTreeListBands;
  // The column at an index, nil outside the list.
  TdxTreeListColumn* ColumnAt(int Column) const { return GetColumn(Column); }
  // The band at a visible position, nil when none.
  TdxTreeListBand* BandAt(int Position) const { return FBands->VisibleItems(Position); }
  // Builds the band order and header rows when they were dropped.
  void EnsureHeaderRows();
  void ApplyDefaultLayout();
  void CloseRowGaps(int BandIndex);
  int ColumnBestWidth(TdxTreeListColumn* Column);

  std::unique_ptr<TdxTreeListBands> FBands;
  int FBandMaxRowCount = 5;
  int FBandRowCount = 1;
  std::vector<TdxTreeListColumn*> FColumns;
  bool FDefaultLayout = true;
  std::vector<TdxInplaceEdit*> FEditors;
  int FHeaderMinRowCount = 1;
  int FHeaderPanelMaxRowCount = 5;
  int FHeaderPanelRowCount = 1;
  String FIniFileName;
  String FIniSectionName;
  int FSortLock = 0;
  String FParentFormName;
  String FRegistryPath;
  bool FAutoHeightGuard = false;
  std::vector<TdxTreeListColumn*> FSortedColumns;
  bool FLayoutSaved = false;
  bool FLayoutLoaded = false;
  // Absolute index of each visible band position, and visible position of each band.
  std::vector<int> FBandOrder;
  std::vector<int> FBandPositions;
  // Per visible band, per header row: the column indexes in list order.
  std::vector<std::vector<std::vector<int>>> FHeaderRows;
  bool FHeaderRowsValid = false;
  // Per column index its display width, filled on demand outside updates.
  std::vector<int> FColumnPositions;
  int FLayoutLoadCount = 0;
};
