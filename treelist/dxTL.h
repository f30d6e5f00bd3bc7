// TCustomdxTreeList: the tree list control's base, a host of in-place editors that shows nodes in
// rows under bands and multi-row headers. It owns the top-level nodes, the update lock, the display
// order of the shown rows, the focus, the selection contract, the incremental search, copying to
// text and the two option sets, and routes its decisions through overridable operations that the
// tree list control (dxTLControl.h) and the data-aware grid answer from their bands, columns and
// data. The class is split by concern: dxTLCore.cpp (life, update lock, top level, relayout),
// dxTLDisplayOrder.cpp, dxTLFocus.cpp, dxTLSelection.cpp, dxTLSearch.cpp, dxTLText.cpp,
// dxTLSort.cpp, dxTLEditing.cpp and dxTLProperties.cpp.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "editors/dxContainer.h"
#include "controls/StdPaint.h"
#include "controls/TextBox.h"
#include "editors/dxInplaceEdit.h"
#include "editors/dxPopup.h"
#include "graphics/Graphic.h"
#include "graphics/ImageList.h"
#include "windows/Overlay.h"
#include "windows/Timers.h"
#include "treelist/dxTLDisplayOrder_p.h"
#include "treelist/dxTLDrag_p.h"
#include "treelist/dxTLDrawInfo.h"
#include "treelist/dxTLEditing_p.h"
#include "treelist/dxTLFocus_p.h"
#include "treelist/dxTLMetrics_p.h"
#include "treelist/dxTLMouse_p.h"
#include "treelist/dxTLProperties_p.h"
#include "treelist/dxTLSearch_p.h"
#include "treelist/dxTLSelection_p.h"
#include "treelist/dxTLNode.h"
#include "treelist/dxTLTypes.h"

class TBitmap;
class TImageList;

using TdxTreeListNodeEvent = std::function<void(TObject* Sender, TdxTreeListNode* Node)>;
using TdxTreeListAllowEvent = std::function<void(TObject* Sender, TdxTreeListNode* Node, bool& Allow)>;
using TdxTreeListChangeNodeEvent = std::function<void(TObject* Sender, TdxTreeListNode* OldNode, TdxTreeListNode* Node)>;
using TdxTreeListChangeColumnEvent = std::function<void(TObject* Sender, TdxTreeListNode* Node, int Column)>;
using TdxTreeListCompareEvent =
    std::function<void(TObject* Sender, TdxTreeListNode* Node1, TdxTreeListNode* Node2, int& Compare)>;

// Directions of GetNavigationNode.
enum TdxTreeListNavigation { tlnFirst, tlnPrev, tlnNext, tlnLast };

class TCustomdxTreeList : public TCustomdxContainer {
 public:
  // Timers of the control's window.
  enum : UINT_PTR { ScrollTimerId = 1, EditorTimerId = 2, ExpandTimerId = 101, HintShowTimerId = 110,
                    HintHideTimerId = 111 };
  explicit TCustomdxTreeList(TComponent* AOwner);
  ~TCustomdxTreeList() override;
  String ClassName() const override { return "TCustomdxTreeList"; }

  // --- update lock -------------------------------------------------------------------------------
  // While the lock is held the display-order lists are dropped and nothing is repainted; the
  // EndUpdate that brings it back to 0 relays the control out once. An unmatched EndUpdate makes
  // the lock negative and nothing relays out until it is back at 0.
  void BeginUpdate();
  void EndUpdate();
  void CancelUpdate();
  int LockUpdate() const { return FLockUpdate; }
  // Runs Work inside BeginUpdate and EndUpdate, also when it raises.
  void InsideUpdate(const std::function<void()>& Work);
  bool IsDestroying() const { return (ComponentState() & csDestroying) != 0; }
  bool IsLoading() const { return (ComponentState() & csLoading) != 0; }

  // --- top-level nodes ---------------------------------------------------------------------------
  TdxTreeListNode* Add();
  TdxTreeListNode* Insert(TdxTreeListNode* Before);
  int Count() const { return FNodes.Count(); }
  TdxTreeListNode* Items(int Index) const;
  int GetTopCount() const { return Count(); }
  TdxTreeListNode* GetTopItem(int Index) const { return Items(Index); }
  int IndexOfTopNode(const TdxTreeListNode* Node) const;
  // Frees every node, the auxiliary ones too, inside one update.
  void ClearNodes();
  bool Clearing() const { return FClearing; }
  void ExpandAll();
  // Nodes the control owns outside the tree (a grid keeps the rows its filter hides here);
  // ClearNodes frees them.
  TdxTreeListNodes& AuxiliaryNodes() { return FAuxiliaryNodes; }
  // Frees them (outside the tree they have no neighbours to hand references to).
  void FreeAuxiliaryNodes();

  // --- display order: the shown rows, counted from 0 ---------------------------------------------
  // The lists answer while valid; otherwise each query walks the tree through expanded nodes.
  bool AreAbsoluteListsValid() const;
  int GetAbsoluteCount();
  int GetAbsoluteIndex(const TdxTreeListNode* Node);
  TdxTreeListNode* GetAbsoluteNode(int Index);
  TdxTreeListNode* GetNextVisibleNode(TdxTreeListNode* Node);
  TdxTreeListNode* GetPrevVisibleNode(TdxTreeListNode* Node);
  TdxTreeListNode* GetFirstNode() const { return Items(0); }
  // The last node in display order.
  TdxTreeListNode* GetLastNode() const;
  // Position of Node in the sorted reference list; -1 when absent.
  int IndexInSortedReferences(const TdxTreeListNode* Node) const;
  bool IsBOF();
  bool IsEOF();
  // Expands the node's ancestors and scrolls it into the rows in view.
  void MakeNodeVisible(TdxTreeListNode* Node);
  TdxTreeListNode* TopVisibleNode() const { return FTopVisibleNode; }
  int GetTopIndex();
  // Makes the node at Index the top row, kept so that the last page stays full.
  void SetTopIndex(int Index);
  int FullyVisibleRowCount() const { return FFullyVisibleRowCount; }
  // The first top-level node becomes the focused node (without events) and the top row.
  void ResetTopAndFocus();
  // Forgets every node the control refers to: top, focused, anchor, edited, pressed, hot, dragged.
  void ClearNodeReferences();

  // --- focus -------------------------------------------------------------------------------------
  TdxTreeListNode* FocusedNode() const { return FFocus.Node; }
  TdxTreeListNode* GetFocusedNode() const { return FFocus.Node; }
  // The focused node's display index; 0 when none.
  int GetFocusedAbsoluteIndex();
  // The visual position of the focused column: 0 with row select or past the visible columns,
  // -1 while no column is focused.
  int GetFocusedVisibleIndex();
  void SetFocusedVisibleIndex(int Position);
  // The column index of the focused cell, -1 when none.
  int GetFocusedColumn();
  void NavigateFocused(TdxTreeListNavigation Direction, bool AllNodes);
  bool GotoNext();
  bool GotoPrev();
  // Moves the focus by Delta rows (-1 or 1), extending the selection with Shift in multi-select mode.
  void MoveFocusedRow(int Delta, bool Shift);

  // Visual order of the shown headers: header row, then band, then position.
  int GetVisibleColumnCount();
  int GetVisibleColumnAt(int Position);
  int GetVisibleColumnPos(int ColumnIndex);

  // --- interaction state -------------------------------------------------------------------------
  TdxTreeListState State() const { return FState; }
  void SetState(TdxTreeListState Value);

  // --- incremental search ------------------------------------------------------------------------
  // Column < 0 means the focused column. Answers whether the search text is not empty.
  bool StartSearch(int Column, const String& Text);
  virtual void DoSearch(String& Text, int Mode, bool ClearOnFail);
  void EndSearch();
  bool Searching() const { return FSearch.Active; }
  const String& SearchString() const { return FSearch.Text; }

  // --- copying -----------------------------------------------------------------------------------
  // The captions of the shown headers in visual order, joined by TAB and ended by CR LF.
  String GetHeadersAsText();
  // A group node's text of column 0; else the shown columns' texts in visual order joined by TAB.
  String GetNodeAsText(TdxTreeListNode* Node);
  virtual void CopyAllToStrings(TStrings* Strings);
  virtual void CopySelectedToStrings(TStrings* Strings);
  void CopySelectedToClipboard();

  // --- editing -----------------------------------------------------------------------------------
  TdxInplaceEdit* InplaceEditor() const { return FEdit.InplaceEdit; }
  TdxTreeListNode* EditingNode() const { return FEdit.Node; }
  int EditingColumn() const { return FEdit.Column; }
  // In editing state: validates and posts the editor's value, then hides it; HideEditor gives the
  // focus back to the control, CloseEditor leaves it where it is.
  void HideEditor();
  void CloseEditor();
  // Forgets the edited cell and hides the editor without posting.
  void CancelEditState();
  // Opens the in-place editor on the focused cell when editing is allowed; ShowEditorChar opens it
  // and hands it the key (a paste or cut for Ctrl+V and Ctrl+X) once it shows.
  void ShowEditor();
  void ShowEditorChar(TKeyChar Key);
  // Forgets the edited cell and places the editor on the focused cell again without focusing it.
  void ResetEditor();
  // Stops the delayed show-editor timer of a click on the focused cell.
  void KillEditorTimer();
  bool EditorTimerRunning() const { return FPress.EditorTimer; }
  // Activates or leaves the new-item row; only while it is shown.
  void SetNewItemRowActive(bool Value);

  // --- keyboard (dxTLKeyboard.cpp) ---------------------------------------------------------------
  // Moves the focus a page (Delta -1 or 1): to the page's edge first, then by a page less a row.
  void MovePage(int Delta);
  // The visual position of the next (or previous) column whose tab-stop answers true, from Start
  // on; it may lie out of range.
  int NextFocusableColumn(int Start, bool Backward);

  // --- mouse (dxTLMouse.cpp) ---------------------------------------------------------------------
  // Ends whatever gesture the state names and goes back to tlsNormal.
  virtual void CancelDragOperation();
  int SizingLinePosition() const { return FDrag.SizingPos; }
  // The hint over the filter panel's close button while it shows; nil otherwise.
  TdxContainerHintWindow* FilterHint() const { return FPress.FilterHint.get(); }

  // --- sizing and dragging feedback (dxTLSizing.cpp, dxTLDragging.cpp) ----------------------------
  // Draws or erases (the same call toggles) the inverted line of the sizing state.
  void DrawSizingLine();
  // Bracket any painting or scrolling: the outermost pair takes the sizing line, the drop arrows
  // and the drag images off the window and puts them back.
  void HideDragFeedback();
  void ShowDragFeedback();
  // Runs Work with the feedback off the window; it comes back also when Work raises.
  void WithoutDragFeedback(const std::function<void()>& Work);
  int DraggedHeader() const { return FDrag.DraggedHeader; }
  // Where a dragged header or band would go: the drop arrows' screen point ((-100, -100) when
  // none), the band position, header row and index inside the row as it stands (a band's index is
  // its place among the bands), and the target: nowhere (-1, off the area: the dragged one may be
  // hidden), refused or no move (-2), or the place given (-3).
  struct TDropInfo {
    TPoint Arrows{-100, -100};
    int Band = -1;
    int Row = -1;
    int Index = -1;
    int Target = -1;
  };
  virtual TDropInfo CalcHeaderDropInfo(TPoint ScreenPoint, bool BandMode);

  // --- scrolling (dxTLScrolling.cpp) -------------------------------------------------------------
  // The scroll bars follow the top row and LeftCoord; twice, since a bar that shows or hides
  // changes the room of the other.
  virtual void UpdateScrollBars();
  virtual void GetVScrollInfo(TdxTreeListScrollRange& Range);
  // A node's row in pixels for the rows counted in view.
  virtual int CalcRowHeight(TdxTreeListNode* Node);
  void UpdateVertScrollBar();
  void UpdateHorzScrollBar();
  // Removes both bars when the rows and the bands fit without them (unless KeepScrollBars).
  void DropScrollBarsWhenFitting();
  // Keeps the last page full and no empty room right of the bands after a size change.
  void ClampScrollPositions();
  // Move the painted pixels of the scrolling bands or the rows area.
  void ScrollBandsArea(int Delta);
  void ScrollRowsArea(int Delta);
  // The middle-button mode: a round indicator at the press and a loop in which the pointer's
  // distance from it sets the direction and speed of scrolling. Returns when the mode ends.
  void FullScrollLoop();
  // One scroll-bar step, as WM_HSCROLL and WM_VSCROLL give it.
  void ScrollHorizontally(int Code);
  void ScrollVertically(int Code);

  // --- option sets -------------------------------------------------------------------------------
  TdxTreeListOptions GetOptions() const { return FOptions; }
  void SetOptions(TdxTreeListOptions Value);
  TdxTreeListOptions GetOptionsEx() const { return FOptionsEx; }
  void SetOptionsEx(TdxTreeListOptions Value);

  // --- look (dxTLProperties.cpp) -----------------------------------------------------------------
  TColor ArrowsColor() const { return FLook.ArrowsColor; }
  void SetArrowsColor(TColor Value) { FLook.ArrowsColor = Value; }
  bool AutoExpandOnSearch() const { return FLook.AutoExpandOnSearch; }
  void SetAutoExpandOnSearch(bool Value) { FLook.AutoExpandOnSearch = Value; }
  TColor AutoSearchColor() const { return FLook.AutoSearchColor; }
  void SetAutoSearchColor(TColor Value) { FLook.AutoSearchColor = Value; }
  TColor AutoSearchTextColor() const { return FLook.AutoSearchTextColor; }
  void SetAutoSearchTextColor(TColor Value) { FLook.AutoSearchTextColor = Value; }
  TColor BandColor() const { return FLook.BandColor; }
  void SetBandColor(TColor Value) { SetColorProperty(FLook.BandColor, Value); }
  TFont* BandFont() const { return FLook.BandFont.get(); }
  void SetBandFont(const TFont* Value) { FLook.BandFont->Assign(Value); }
  TBorderStyle BorderStyle() const { return FLook.BorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  int CustomizingRowCount() const { return FLook.CustomizingRowCount; }
  void SetCustomizingRowCount(int Value) { FLook.CustomizingRowCount = std::max(Value, 2); }
  bool DblClkExpanding() const { return FLook.DblClkExpanding; }
  void SetDblClkExpanding(bool Value) { FLook.DblClkExpanding = Value; }
  int DefaultRowHeight() const { return FLook.RowHeight; }
  void SetDefaultRowHeight(int Value);
  bool IsDefaultRowHeightStored() const { return FLook.RowHeightAssigned; }
  TColor FixedBandLineColor() const { return FLook.FixedBandLineColor; }
  void SetFixedBandLineColor(TColor Value) { SetColorProperty(FLook.FixedBandLineColor, Value); }
  int FixedBandLineWidth() const { return FLook.FixedBandLineWidth; }
  void SetFixedBandLineWidth(int Value) { SetLayoutProperty(FLook.FixedBandLineWidth, std::max(Value, 1)); }
  TColor GridLineColor() const { return FLook.GridLineColor; }
  void SetGridLineColor(TColor Value) { SetColorProperty(FLook.GridLineColor, Value); }
  TColor GroupNodeColor() const { return FLook.GroupNodeColor; }
  void SetGroupNodeColor(TColor Value) { SetColorProperty(FLook.GroupNodeColor, Value); }
  TColor GroupNodeTextColor() const { return FLook.GroupNodeTextColor; }
  void SetGroupNodeTextColor(TColor Value) { SetColorProperty(FLook.GroupNodeTextColor, Value); }
  TColor HeaderColor() const { return FLook.HeaderColor; }
  void SetHeaderColor(TColor Value) { SetColorProperty(FLook.HeaderColor, Value); }
  TFont* HeaderFont() const { return FLook.HeaderFont.get(); }
  void SetHeaderFont(const TFont* Value) { FLook.HeaderFont->Assign(Value); }
  bool HideFocusRect() const { return FLook.HideFocusRect; }
  void SetHideFocusRect(bool Value) { SetPaintProperty(FLook.HideFocusRect, Value); }
  bool HideSelection() const { return FLook.HideSelection; }
  void SetHideSelection(bool Value) { SetPaintProperty(FLook.HideSelection, Value); }
  TColor HideSelectionColor() const { return FLook.HideSelectionColor; }
  void SetHideSelectionColor(TColor Value) { SetColorProperty(FLook.HideSelectionColor, Value); }
  TColor HideSelectionTextColor() const { return FLook.HideSelectionTextColor; }
  void SetHideSelectionTextColor(TColor Value) { SetColorProperty(FLook.HideSelectionTextColor, Value); }
  TColor HighlightColor() const { return FLook.HighlightColor; }
  void SetHighlightColor(TColor Value) { SetColorProperty(FLook.HighlightColor, Value); }
  TColor HighlightTextColor() const { return FLook.HighlightTextColor; }
  void SetHighlightTextColor(TColor Value) { SetColorProperty(FLook.HighlightTextColor, Value); }
  int IndentDesc() const { return FLook.IndentDesc; }
  void SetIndentDesc(int Value) { SetLayoutProperty(FLook.IndentDesc, std::max(Value, 0)); }
  TdxLookAndFeel LookAndFeel() const { return FLook.LookAndFeel; }
  void SetLookAndFeel(TdxLookAndFeel Value);
  int MaxRowLineCount() const { return FLook.MaxRowLineCount; }
  void SetMaxRowLineCount(int Value) { SetLayoutProperty(FLook.MaxRowLineCount, std::max(Value, -1)); }
  TFont* PreviewFont() const { return FLook.PreviewFont.get(); }
  void SetPreviewFont(const TFont* Value) { FLook.PreviewFont->Assign(Value); }
  int PreviewLines() const { return FLook.PreviewLines; }
  void SetPreviewLines(int Value) { SetLayoutProperty(FLook.PreviewLines, std::max(Value, -1)); }
  TColor RowFooterColor() const { return FLook.RowFooterColor; }
  void SetRowFooterColor(TColor Value) { SetColorProperty(FLook.RowFooterColor, Value); }
  TColor RowFooterTextColor() const { return FLook.RowFooterTextColor; }
  void SetRowFooterTextColor(TColor Value) { SetColorProperty(FLook.RowFooterTextColor, Value); }
  int RowSeparatorLineWidth() const { return FLook.RowSeparatorLineWidth; }
  void SetRowSeparatorLineWidth(int Value) { SetLayoutProperty(FLook.RowSeparatorLineWidth, std::max(Value, 1)); }
  TScrollStyle ScrollBars() const { return FLook.ScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  bool ShowBands() const { return FLook.ShowBands; }
  void SetShowBands(bool Value) { SetLayoutProperty(FLook.ShowBands, Value); }
  bool ShowGrid() const { return FLook.ShowGrid; }
  void SetShowGrid(bool Value) { SetLayoutProperty(FLook.ShowGrid, Value); }
  bool ShowHeader() const { return FLook.ShowHeader; }
  void SetShowHeader(bool Value) { SetLayoutProperty(FLook.ShowHeader, Value); }
  bool ShowHiddenInCustomizeBox() const { return FLook.ShowHiddenInCustomizeBox; }
  void SetShowHiddenInCustomizeBox(bool Value) { FLook.ShowHiddenInCustomizeBox = Value; }
  bool SimpleCustomizeBox() const { return FLook.SimpleCustomizeBox; }
  void SetSimpleCustomizeBox(bool Value) { FLook.SimpleCustomizeBox = Value; }
  bool ShowNewItemRow() const { return FLook.ShowNewItemRow; }
  void SetShowNewItemRow(bool Value) { SetLayoutProperty(FLook.ShowNewItemRow, Value); }
  bool ShowPreviewGrid() const { return FLook.ShowPreviewGrid; }
  void SetShowPreviewGrid(bool Value) { SetLayoutProperty(FLook.ShowPreviewGrid, Value); }
  bool ShowRowFooter() const { return FLook.ShowRowFooter; }
  void SetShowRowFooter(bool Value) { SetLayoutProperty(FLook.ShowRowFooter, Value); }
  DWORD WaitForExpandNodeTime() const { return FLook.WaitForExpandNodeTime; }
  void SetWaitForExpandNodeTime(DWORD Value) { FLook.WaitForExpandNodeTime = Value; }
  // The view switches a descendant maps its own properties onto.
  bool ShowFooter() const { return FLook.ShowFooter; }
  void SetShowFooter(bool Value) { SetLayoutProperty(FLook.ShowFooter, Value); }
  bool ShowIndicator() const { return FLook.ShowIndicator; }
  void SetShowIndicator(bool Value) { SetLayoutProperty(FLook.ShowIndicator, Value); }
  bool HideLeafIndent() const { return FLook.HideLeafIndent; }
  void SetHideLeafIndent(bool Value) { SetLayoutProperty(FLook.HideLeafIndent, Value); }
  // The tree's own look: expand buttons, tree lines (1: dotted, else solid) and the root's indent.
  bool ShowButtons() const { return FLook.ShowButtons; }
  void SetShowButtons(bool Value) { SetPaintProperty(FLook.ShowButtons, Value); }
  bool ShowLines() const { return FLook.ShowLines; }
  void SetShowLines(bool Value) { SetPaintProperty(FLook.ShowLines, Value); }
  bool ShowRoot() const { return FLook.ShowRoot; }
  void SetShowRoot(bool Value) { SetLayoutProperty(FLook.ShowRoot, Value); }
  TColor TreeLineColor() const { return FLook.TreeLineColor; }
  void SetTreeLineColor(TColor Value) { SetColorProperty(FLook.TreeLineColor, Value); }
  int TreeLineStyle() const { return FLook.TreeLineStyle; }
  void SetTreeLineStyle(int Value) {
    if (FLook.TreeLineStyle == Value) return;
    FLook.TreeLineStyle = Value;
    Invalidate();
  }

  // --- metrics (dxTLMetrics.cpp) -----------------------------------------------------------------
  // The sizes the last relayout measured (measured now when none ran yet).
  const TdxTreeListMetrics& Metrics();
  // The image list of the nodes' images and that of their state images; nil: none.
  TImageList* Images() const { return FMeasures.Images; }
  void SetImages(TImageList* Value);
  TImageList* StateImages() const { return FMeasures.StateImages; }
  void SetStateImages(TImageList* Value);
  int GetDefaultRowHeight() const { return FLook.RowHeight; }
  // Repaint now the band area, the band panel's corner, the header area or the header panel's
  // corner; the new-item row is only invalidated.
  void InvalidateBandArea();
  void InvalidateBandCorner();
  void InvalidateHeaderArea();
  void InvalidateHeaderCorner();
  void InvalidateNewItemRow();

  // --- band and column widths (dxTLWidths.cpp) ---------------------------------------------------
  // A band's least width: its own minimum (its width when it may not be sized), raised to its
  // widest header row's sum of column minimums.
  int BandMinWidth(int Band);
  // The width a band asks for: with BandHeaderWidth its widest header row's sum of column widths,
  // else (or without columns) its own width; never below BandMinWidth.
  int BandNaturalWidth(int Band);
  // A band's display width; with AutoWidth its share of the bands area, the last band taking the
  // remainder.
  int CalcBandWidth(int Band);
  // All bands with the group indent: with AutoWidth the bands area (or the minimums when larger).
  int GetBandsWidth();
  // The x of a scrolling band inside the bands, counted from the first; 0 for fixed bands, out of
  // range positions and fewer than two bands.
  int GetBandOffset(int Band);
  // The width that scrolls: the bands less the fixed bands with the group indent; and the width of
  // the client area it scrolls in.
  int GetScrollableBandsWidth();
  int GetScrollableClientWidth();
  // The display widths of a header row's columns: sizable columns share the band's header width
  // in proportion to their widths, never below their minimums; the last takes the remainder. The
  // first column of band 0 also holds the group indent.
  std::vector<int> CalcRowColumnWidths(int Band, int Row);
  // Every column's display width in its header row without the group indent; 0 where not shown.
  std::vector<int> CalcColumnPositions();
  // A new width for a band as the user sizes it: without AutoWidth its columns scale with it; with
  // AutoWidth the bands right of it (left of it for the last) give or take the difference.
  void ApplyBandWidth(int Band, int Width);
  // A new width for a column as the user sizes it: a band sized by its headers grows with the
  // column; otherwise the columns right of it (left of it for the last) keep the row's total.
  void ApplyColumnWidth(int Column, int Width);

  // --- row heights and row footers (dxTLRowHeights.cpp) ------------------------------------------
  // A node's row in pixels: its header rows (or text lines), preview, grid line and row footers;
  // kept in the node unless NoCache or the descendant forbids it.
  int CalcNodeRowHeight(TdxTreeListNode* Node, int LineHeight, bool NoCache = false);
  // Rows of one fixed height only while no row grows with its text or its preview.
  bool IsMultiLineRows();
  // The row footers that end at a node (a last leaf closing groups whose level shows one).
  int GetRowFooterCount(TdxTreeListNode* Node);
  // The level of the N-th row footer under a node, counted upward; -1 when there is none.
  int GetRowFooterLevel(TdxTreeListNode* Node, int N);
  // How many of a node's row footers belong to levels below Level; -1 for a node ending none.
  int GetRowFooterCountAbove(TdxTreeListNode* Node, int Level);
  // The rectangle of a node's N-th row footer in a layout pass, the footers starting at
  // RowFootersTop, inset by RightInset from the bands' right.
  TRect GetRowFooterRect(const TdxTreeListDrawInfo& Info, TdxTreeListNode* Node, int N, int RowFootersTop,
                         int RightInset);

  // --- geometry (dxTLGeometry.cpp) ---------------------------------------------------------------
  // The strips of the client area only.
  void CalcRectInfo(TdxTreeListDrawInfo& Info);
  // Every rectangle of one pass: strips, bands, headers, empty bands and the rows in view.
  void CalcGeometry(TdxTreeListDrawInfo& Info);
  void FreeDrawInfo(TdxTreeListDrawInfo& Info);
  virtual TRect GetRowsRect();
  // The row of a node in view, else (-1, -1, -1, -1); the full rect reaches the rows' bottom.
  TRect GetNodeRect(TdxTreeListNode* Node);
  TRect GetNodeFullRect(TdxTreeListNode* Node);
  // One cell, and the in-place editor's place over it; (-1, -1, -1, -1) when the column at the
  // visual position is not shown or the node not in view.
  TRect GetNodeCellRect(TdxTreeListNode* Node, int VisualColumn);
  TRect GetEditorRect(TdxTreeListNode* Node, int VisualColumn);
  // The width of a node's expand buttons and of the buttons with its images.
  void GetNodeIndentWidth(TdxTreeListNode* Node, int& ButtonsWidth, int& FullWidth);
  // The parts of a node's tree indent in row coordinates, cut at Limit.
  void CalcNodeIndentRects(TdxTreeListNode* Node, int Top, int Bottom, int Limit, TRect& ImageRect,
                           TRect& StateImageRect, TRect& ButtonRect, TRect& IndentRect);
  // From TopNode down (and up above it when room is left), the rows that fill Height: the counts
  // of rows in view (a partial one included) and of whole rows, each at least 1; answers the
  // height used.
  int CalcRowsInHeight(TdxTreeListNode* TopNode, int Height, int& Visible, int& FullyVisible);
  virtual void CalcVisibleRowCounts();
  // The last band that scrolls: the band before a fixed-right band as far as the pass went, else
  // the last band.
  bool IsLastScrollBand(const TdxTreeListDrawInfo& Info, int Band);

  // --- hit testing (dxTLHitTest.cpp) -------------------------------------------------------------
  TdxTreeListHitKind GetHitTestAt(int X, int Y);
  TdxTreeListNode* GetHitNode(int X, int Y);

  // --- the view (dxTLView.cpp) -------------------------------------------------------------------
  // The horizontal scroll position of the scrolling bands, in pixels.
  int LeftCoord() const { return FLeftCoord; }
  // Ends editing, keeps the position within the scrolling width and repaints.
  void SetLeftCoord(int Value);
  // Scroll a scrolling band or column into view: its left edge when it lies left of the view,
  // else by what its right edge overflows, never past its left edge.
  void MakeBandVisible(int Band);
  void MakeColumnVisible(int Column);
  // Invalidates a client rectangle without erasing, when the window exists.
  void InvalidateRect(const TRect& Rect);

  // --- overridable operations --------------------------------------------------------------------
  // Node data: abstract here, answered by the tree list control and by data-aware descendants.
  virtual TdxTreeListNode* CreateNode() = 0;
  virtual int GetNodeImageIndex(TdxTreeListNode* Node) = 0;
  virtual int GetNodeSelectedIndex(TdxTreeListNode* Node) = 0;
  virtual int GetNodeStateIndex(TdxTreeListNode* Node) = 0;
  virtual Variant GetNodeValue(TdxTreeListNode* Node, int Column) = 0;
  virtual String GetNodeString(TdxTreeListNode* Node, int Column) = 0;
  virtual void SetNodeImageIndex(TdxTreeListNode* Node, int Value) = 0;
  virtual void SetNodeSelectedIndex(TdxTreeListNode* Node, int Value) = 0;
  virtual void SetNodeStateIndex(TdxTreeListNode* Node, int Value) = 0;
  virtual void SetNodeString(TdxTreeListNode* Node, int Column, const String& Text) = 0;
  virtual void SetNodeValue(TdxTreeListNode* Node, int Column, const Variant& Value) = 0;
  // The sort key of a cell: an empty string here.
  virtual Variant GetNodeVariant(TdxTreeListNode* Node, int Column);
  virtual bool GetNodeHasChildren(TdxTreeListNode* Node);
  // Removes the column's value from the node and its subtree.
  virtual void DeleteNodeValue(TdxTreeListNode* Node, int Column);
  virtual bool IsGroupNode(TdxTreeListNode* Node);
  virtual String GetCellText(TdxTreeListNode* Node, int Column);
  // The cursor over a cell: the control's own unless its column asks for another.
  virtual TCursor GetCellCursor(TdxTreeListNode* Node, int Column) { (void)Node, (void)Column; return Cursor(); }
  virtual void BeginNodeAccess(TdxTreeListNode* Node) { (void)Node; }
  virtual void EndNodeAccess(TdxTreeListNode* Node) { (void)Node; }

  // Node life: a node was added; a node is being freed (its four facts taken before it left).
  virtual void NodeAdded(TdxTreeListNode* Node);
  virtual void DeletingNode(TdxTreeListNode* Node, TdxTreeListNode* PrevSiblingOrParent, TdxTreeListNode* NextVisible,
                            bool WasLast, bool WasVisible);
  virtual void ClearCalcLists();
  virtual void ClearRowHeightCache();
  // Without a changed node a full rebuild; NodeListChanged asks for the incremental update.
  virtual void RebuildAbsoluteLists();
  virtual void LayoutChanged() {}
  virtual void LinksChanged() {}
  virtual void Relayout();
  // Repaints the node's row, or everything from it down with FromNodeDown.
  virtual void InvalidateNode(TdxTreeListNode* Node, bool FromNodeDown);
  virtual bool IsAllNodesLoaded() { return true; }
  virtual bool CanCacheRowHeight() { return true; }

  // Focus.
  virtual bool FocusNode(TdxTreeListNode* Node);
  virtual void SetFocusedNodeAndColumn(TdxTreeListNode* Node, int VisibleColumn, bool MakeVisible);
  virtual void SetFocusedAbsoluteIndex(int Index);
  virtual void SetTopVisibleNode(TdxTreeListNode* Node);
  virtual TdxTreeListNode* GetNavigationNode(TdxTreeListNode* Node, TdxTreeListNavigation Direction, bool AllNodes);
  virtual bool IsFirstNode(TdxTreeListNode* Node);
  virtual bool IsLastNode(TdxTreeListNode* Node);
  virtual int GetVisibleRowCount() { return FVisibleRowCount; }
  virtual bool SearchText(int Column, const String& Text, TdxTreeListNode*& Node, int Mode);

  // Events.
  virtual void DoCollapsed(TdxTreeListNode* Node);
  virtual void DoExpanded(TdxTreeListNode* Node);
  virtual void DoCollapsing(TdxTreeListNode* Node, bool& Allow);
  virtual void DoExpanding(TdxTreeListNode* Node, bool& Allow);
  virtual void DoEdited(TdxTreeListNode* Node);
  virtual void DoEditing(TdxTreeListNode* Node, bool& Allow);
  virtual void DoChangeColumn(TdxTreeListNode* Node, int Column);
  virtual void DoChangeNode(TdxTreeListNode* OldNode, TdxTreeListNode* Node);
  virtual void DoEditChange(TObject* Sender);
  virtual void DoEditValidate(TObject* Sender, String& ErrorText, bool& Accept);
  virtual void LoadStoredLayout() {}
  virtual void SaveStoredLayout() {}

  // Editing.
  virtual void AssignEditValue(TdxTreeListNode* Node, int Column, TdxInplaceEdit* Editor);
  virtual Variant InitEditValue() { return Variant(String()); }
  virtual bool IsEditorActive();
  virtual bool IsEditingCell(TdxTreeListNode* Node, int Column) { return Node == FEdit.Node && Column == FEdit.Column; }
  virtual TdxInplaceEdit* FindEditor(int Column) { (void)Column; return FEdit.InplaceEdit; }
  // A new editor for a column; the base makes a text editor.
  virtual TdxInplaceEdit* CreateEditor(int Column);
  // Sets an editor up for a column of the focused cell before its value is given.
  virtual void InitEditor(TdxInplaceEdit* Editor, int Column) { (void)Editor, (void)Column; }
  virtual void DoNewItemRowEditing(bool& Allow) { (void)Allow; }

  // Input (dxTLKeyboard.cpp, dxTLMouse.cpp, dxTLDragging.cpp).
  // The key filter, asked after OnKeyDown: false swallows the key.
  virtual bool CanProcessKey(WORD Key, TShiftState Shift) { (void)Key, (void)Shift; return true; }
  virtual bool TakeFocus() { return true; }
  virtual bool IsDblClickEnabled() { return true; }
  // A press on the focused cell that lands on its editor button opens the editor at once.
  virtual bool IsCellButtonHit(int X, int Y, int Column, bool SameNode);
  // Asked on a press on the new-item row while no node is focused; nothing to refuse here.
  virtual bool CanEditNewItemRow() { return true; }
  virtual void DoBandClick(int Band) { (void)Band; }
  virtual void DoBandButtonClick() {}
  virtual void DoHeaderButtonClick() {}
  virtual void DoChangedColumnsWidth() {}
  virtual void ShowHeaderFilterList(int Column) { (void)Column; }
  // The text of the hint over the filter panel's close button.
  virtual String GetFilterCaption() { return String(); }
  virtual void HideHeaderFilterList() {}
  // The pointer over the control: the hot node and the filter panel's close button follow it.
  virtual void UpdateHotTrack(const TdxTreeListHitInfo& Hit);
  virtual void StartDragHeader(int Column);
  // Where the image of a moved header is taken from: its place among the headers (empty when it
  // has none).
  virtual TRect GetDragHeaderRect(int Column);
  virtual void StartDragBand(int Band);
  virtual void EndDragHeader(bool Accept);
  virtual void EndDragBand(bool Accept);
  // A header dragged off the header area may be hidden; a band dropped off the bands too.
  virtual bool CanHideDraggedHeader(int Column) { (void)Column; return IsExtCustomizing(); }
  virtual bool CanHideDraggedBand(int Band) { (void)Band; return IsExtCustomizing(); }
  virtual void DoDragOverHeader(int Column, TPoint Point, bool& Accept) { (void)Column, (void)Point, (void)Accept; }
  virtual void DoDragOverBand(int Band, TPoint Point, bool& Accept) { (void)Band, (void)Point, (void)Accept; }
  virtual void DoDragEndHeader(int Column, bool& Accept) { (void)Column, (void)Accept; }
  virtual void DoDragEndBand(int Band, bool& Accept) { (void)Band, (void)Accept; }
  // A drag of nodes copies (Ctrl held): the drag cursors say so.
  virtual bool IsCopyDragging() { return false; }
  virtual void DoBeginDragNode(TdxTreeListNode* Node) { (void)Node; }
  virtual String GetNodeDragText(TdxTreeListNode* Node, int Column) { return GetNodeString(Node, Column); }
  // The image that follows the pointer while nodes are dragged.
  virtual void CreateNodeDragImage(TdxTreeListNode* Node);
  TImageList* GetDragImages() override { return FDrag.NodeDragImages.get(); }
  // Moves the pointer over the moved header or band, as the window procedure passes them on.
  void TrackHeaderDrag(TPoint ScreenPoint);

  // Bands and columns: the tree list has none; the tree list control answers from its own.
  virtual int GetVisibleBandCount() { return 0; }
  virtual int GetBandIndexByPosition(int Position) { return Position; }
  virtual int GetBandPosition(int BandIndex) { return BandIndex; }
  virtual TAlignment GetVisibleBandAlignment(int Position) { (void)Position; return taLeftJustify; }
  virtual String GetVisibleBandCaption(int Position) { (void)Position; return String(); }
  virtual int GetVisibleBandWidth(int Position) { (void)Position; return 0; }
  virtual int GetBandMinWidth(int Position) { (void)Position; return 0; }
  virtual int GetFixedLeftBand() { return -1; }
  virtual int GetFixedRightBand() { return -1; }
  virtual int GetGroupIndentWidth() { return 0; }
  virtual bool IsBandOnlyOwnColumns(int Position) { (void)Position; return false; }
  virtual bool IsBandSizable(int Position) { (void)Position; return true; }
  virtual int GetBandRowCount(int Position) { (void)Position; return 0; }
  virtual int GetBandRowColumnCount(int Position, int Row) { (void)Position, (void)Row; return 0; }
  virtual int GetBandColumn(int Position, int Row, int Index) { (void)Position, (void)Row, (void)Index; return -1; }
  virtual int GetTotalColumnCount() { return 0; }
  virtual int GetColumnBandIndex(int Column) { (void)Column; return 0; }
  virtual int GetColumnRowIndex(int Column) { (void)Column; return 0; }
  // The alignment of a column's text in the row of Node (nil for a footer cell).
  virtual TAlignment GetColumnAlignment(TdxTreeListNode* Node, int Column) {
    (void)Node, (void)Column;
    return taLeftJustify;
  }
  virtual TAlignment GetColumnHeaderAlignment(int Column) { (void)Column; return taLeftJustify; }
  virtual TBitmap* GetColumnHeaderGlyph(int Column) { (void)Column; return nullptr; }
  virtual bool HasHeaderGlyph(int Column) { (void)Column; return false; }
  virtual int GetColumnMaxLineCount(int Column) { (void)Column; return 1; }
  virtual int GetColumnMinWidth(int Column) { (void)Column; return 0; }
  virtual int GetColumnWidth(int Column) { (void)Column; return 0; }
  virtual TdxTreeListColumnSort GetColumnSorted(int Column) { (void)Column; return csNone; }
  virtual bool IsColumnTabStop(int Column) { (void)Column; return true; }
  virtual String GetColumnHeaderText(int Column) { (void)Column; return String(); }
  virtual TColor GetColumnColor(int Column) { (void)Column; return Color(); }
  virtual TFont* GetColumnFont(int Column) { (void)Column; return Font(); }
  virtual bool HasColumnFont(int Column) { (void)Column; return false; }
  virtual bool IsColumnShown(int Column) { (void)Column; return true; }
  virtual bool IsColumnSizable(int Column) { (void)Column; return true; }
  virtual bool IsHeaderHidden(int Column) { (void)Column; return false; }
  virtual int GetBandMaxRowCount() { return 5; }
  virtual int GetBandPanelRowCount() { return 1; }
  virtual int GetHeaderPanelMaxRowCount() { return 4; }
  virtual int GetHeaderPanelRowCount() { return 1; }
  virtual int GetHeaderMinRowCount() { return 1; }
  virtual void CalcAutoHeaderPanelHeight() {}
  virtual void BuildBandHeaderLayout() {}
  virtual void ApplyBandBestFit(int Position) { (void)Position; }
  virtual void ApplyColumnBestFit(int Column) { (void)Column; }
  virtual void DoHeaderClick(int Column) { (void)Column; }
  virtual void MoveBand(int FromPosition, int ToPosition) { (void)FromPosition, (void)ToPosition; }
  virtual void HideBand(int BandIndex) { (void)BandIndex; }
  virtual void ShowBand(int BandIndex, int Position) { (void)BandIndex, (void)Position; }
  virtual void MoveColumn(int Column, int Position, int Row, int Index) { (void)Column, (void)Position, (void)Row, (void)Index; }
  virtual void HideHeader(int Column) { (void)Column; }
  virtual void ShowColumnHeader(int Column, int Position, int Row, int Index) {
    (void)Column, (void)Position, (void)Row, (void)Index;
  }
  virtual void SetBandRowCountByUser(int Value) { (void)Value; }
  virtual void SetBandWidthByUser(int Position, int Value) { (void)Position, (void)Value; }
  virtual void SetHeaderPanelRowCountByUser(int Value) { (void)Value; }
  virtual void SetColumnWidthByUser(int Column, int Value) { (void)Column, (void)Value; }
  virtual void SetRowHeightByUser(int Value) { SetDefaultRowHeight(Value); }
  virtual void ScaleHiddenBandWidths(int New, int Old) { (void)New, (void)Old; }
  virtual void ScaleHiddenColumnWidths(int Position, int New, int Old) { (void)Position, (void)New, (void)Old; }

  // Answers of the option sets.
  virtual bool IsAutoHeaderPanelHeight() { return FOptionsEx & tlxAutoHeaderPanelHeight; }
  virtual bool IsAutoSearch() { return FOptionsEx & tlxAutoSearch; }
  virtual bool IsAutoSort() { return FOptions & tloAutoSort; }
  virtual bool IsAutoWidth() { return FOptions & tloAutoWidth; }
  virtual bool IsAnsiSort() { return FOptionsEx & tlxAnsiSort; }
  virtual bool IsAutoCalcPreviewLines() { return FOptionsEx & tlxAutoCalcPreviewLines; }
  virtual bool IsBandHeaderWidth() { return FOptionsEx & tlxBandHeaderWidth; }
  virtual bool IsCaseInsensitive() { return FOptions & tloCaseInsensitive; }
  virtual bool IsDrawEndEllipsis() { return FOptions & tloDrawEndEllipsis; }
  virtual bool IsEditingEnabled() { return FOptions & tloEditing; }
  virtual bool IsEnterShowEditor() { return FOptionsEx & tlxEnterShowEditor; }
  virtual bool IsEnterThrough() { return (FOptionsEx & tlxEnterThrough) && IsEnterShowEditor(); }
  virtual bool IsExtCustomizing() { return FOptions & tloExtCustomizing; }
  virtual bool IsExtMultiSelect() { return FOptions & tloExtMultiSelect; }
  virtual bool IsHorzThrough() { return FOptionsEx & tlxHorzThrough; }
  virtual bool IsInvertSelect() { return FOptionsEx & tlxInvertSelect; }
  virtual bool IsMultiSelect() { return FOptions & tloMultiSelect; }
  virtual bool IsMultiSort() { return FOptionsEx & tlxMultiSort; }
  virtual bool IsRowSelect() { return FOptions & tloRowSelect; }
  virtual bool IsShowHourGlass() { return FOptionsEx & tlxShowHourGlass; }
  virtual bool IsTabThrough() { return FOptions & tloTabThrough; }
  virtual bool IsUseBitmap() { return FOptionsEx & tlxUseBitmap; }
  virtual bool IsVertThrough() { return FOptionsEx & tlxVertThrough; }
  virtual bool IsRowAutoHeight() { return (FOptionsEx & tlxRowAutoHeight) && FLook.MaxRowLineCount != 0; }
  virtual bool IsPreviewVisible() { return (FOptions & tloPreview) && FLook.PreviewLines != 0; }
  virtual bool IsRowFooterVisible() { return FLook.ShowRowFooter; }
  // Editing cells with the mouse leaves the wheel to the editor.
  virtual bool IsMouseScroll() { return !(IsEditingEnabled() && !IsRowSelect()) && (FOptionsEx & tlxMouseScroll); }
  virtual bool IsFullSizing() { return FOptionsEx & tlxFullSizing; }
  virtual bool IsBandButtonClicking() { return FOptionsEx & tlxBandButtonClicking; }
  virtual bool IsHeaderButtonClicking() { return FOptionsEx & tlxHeaderButtonClicking; }
  virtual bool IsBandWidthByHeaders() { return IsBandHeaderWidth() && !FLook.ShowBands; }
  virtual bool CanSizeBandPanel() { return FOptionsEx & tlxBandPanelSizing; }
  virtual bool CanSizeHeaderPanel() { return FOptionsEx & tlxHeaderPanelSizing; }
  virtual bool CanSizeColumn(int Column) { return (FOptions & tloColumnSizing) && IsColumnSizable(Column); }
  // A band sized by its headers is sized through them.
  virtual bool CanSizeBand(int Band) {
    return (FOptionsEx & tlxBandSizing) && IsBandSizable(Band) && !IsBandWidthByHeaders();
  }
  virtual bool CanSizeRow() { return FOptionsEx & tlxRowSizing; }
  virtual bool CanDragCollapse() { return FOptionsEx & tlxDragCollapse; }
  virtual bool CanDragExpand() { return FOptionsEx & tlxDragExpand; }
  virtual bool CanDragScroll() { return FOptionsEx & tlxDragScroll; }
  virtual bool HasHorzScrollBar() { return FLook.ScrollBars == ssHorizontal || FLook.ScrollBars == ssBoth; }
  virtual bool HasVertScrollBar() { return FLook.ScrollBars == ssVertical || FLook.ScrollBars == ssBoth; }
  virtual bool KeepScrollBars() { return false; }

  // Selection. The base stores no selected node: a descendant keeps the list.
  virtual bool CanNodeSelected(TdxTreeListNode* Node);
  virtual void ClearSelection();
  // 0 at the anchor, -1 when the anchor comes later in display order, 1 when earlier.
  virtual int CompareWithSelectionAnchor(TdxTreeListNode* Node);
  virtual int DeleteSelectedNodes();
  virtual void DoSelectedCountChange();
  virtual int GetSelectedCount() { return 0; }
  virtual TdxTreeListNode* GetSelectedItem(int Index) { (void)Index; return nullptr; }
  virtual void InvalidateSelection();
  virtual bool IsNodeSelected(TdxTreeListNode* Node) { (void)Node; return false; }
  virtual void SetNodeSelected(TdxTreeListNode* Node, bool Value);
  virtual void SelectRange(TdxTreeListNode* NodeA, TdxTreeListNode* NodeB);
  virtual void SetSelectionAnchor(TdxTreeListNode* Node) { FSelection.Anchor = Node; }
  // The outermost bracket fires one count change when the selected count differs at its end.
  virtual void BeginSelection();
  virtual void EndSelection();
  // Runs Work inside BeginSelection and EndSelection, also when it raises.
  void InsideSelection(const std::function<void()>& Work);
  TdxTreeListNode* SelectionAnchor() const { return FSelection.Anchor; }
  TdxTreeListNode* GetFirstSelectedNode();
  // Set by a descendant to the first node of its first range selection.
  TdxTreeListNode* RangeOrigin = nullptr;
  bool RangeSelecting() const { return FSelection.RangeSelecting; }

  // Sorting (dxTLSort.cpp).
  virtual void ClearSortedColumns() {}
  // Tie-break of nodes whose keys are all equal: the positions they had before the sort.
  virtual int CompareIndexes(TdxTreeListNode* Node1, TdxTreeListNode* Node2);
  // Level -1 sorts every sibling list, else the lists at that depth (0: the top level).
  virtual void SortNodes(int Level, int ColumnIndex, bool Descending);
  virtual int GetSortedColumnCount() { return 0; }
  virtual bool IsSortedColumnDescending(int Position) { (void)Position; return false; }
  virtual int GetSortedColumnIndex(int Position) { return Position; }
  virtual bool CanMultiSortColumn(int ColumnIndex) { (void)ColumnIndex; return IsMultiSort(); }

  // Layout (dxTLGeometry.cpp, dxTLWidths.cpp, dxTLRowHeights.cpp, dxTLHitTest.cpp).
  virtual void GetHitInfo(TPoint Point, TdxTreeListHitInfo& HitInfo);
  // The display width of a column in its header row; 0 for a column not shown.
  virtual int GetColumnPosition(int Column);
  virtual void ClearColumnCache() {}
  virtual int GetGroupPanelHeight() { return 0; }
  virtual int GetMinIndicatorWidth() { return 12; }
  virtual uint8_t GetIndicatorKind(TdxTreeListNode* Node, bool Selected) { (void)Node, (void)Selected; return ikNone; }
  virtual String GetPreviewText(TdxTreeListNode* Node) { (void)Node; return String(); }
  // Without a node PreviewLines; else the node's preview text wrapped in the preview width, with
  // AutoCalcPreviewLines, at most PreviewLines.
  virtual int GetPreviewLineCount(TdxTreeListNode* Node);
  // The most text lines a cell of the node takes, and the tallest line height in LineHeight.
  virtual int GetNodeLineCount(TdxTreeListNode* Node, int& LineHeight);
  // One cell's text lines in Width; answers whether it measured (the base measures nothing).
  virtual bool CalcCellLines(TdxTreeListNode* Node, int Column, const String& Text, int Width, int MaxLineCount,
                             int& LineCount, int& LineHeight);
  virtual int GetMaxCellTextHeight();
  // The height a column's own font needs for a text line; 0 without one.
  virtual int GetCellTextHeight(int Column);
  virtual int GetRowSeparatorWidth() { return std::max(FLook.RowSeparatorLineWidth, 1); }
  virtual bool IsColumnMultiLine(int Column) { (void)Column; return false; }
  virtual bool IsLevelWithRowFooter(int Level) { (void)Level; return false; }
  virtual bool IsRowFooterCell(TdxTreeListNode* Node, int Column, int FooterIndex) {
    (void)Node, (void)Column, (void)FooterIndex;
    return false;
  }
  virtual String GetRowFooterText(TdxTreeListNode* Node, int Column, int FooterIndex) {
    (void)Node, (void)Column, (void)FooterIndex;
    return String();
  }
  virtual TAlignment GetFooterAlignment(int Column) { return GetColumnAlignment(nullptr, Column); }
  virtual bool IsExistFooterCell(int Column) { (void)Column; return false; }
  virtual bool HasFilter() { return false; }
  virtual String GetFilterText() { return String(); }
  virtual bool IsFilterStatusVisible() { return false; }
  virtual bool IsNewItemRowActive() { return FEdit.NewItemRowActive; }
  virtual bool IsNewItemRowVisible() { return FLook.ShowNewItemRow && Metrics().NewItemRowHeight > 0; }
  virtual bool IsNewItemRowEditing() { return true; }
  virtual String GetNewRowText(int Column) { (void)Column; return String(); }
  virtual void DoChangeLeftCoord();

  // Painting (dxTLPaint.cpp, dxTLPaintRows.cpp, dxTLPaintCells.cpp).
  // GridLineColor, or the look's own grid colour while it is clNone.
  // The colour of the grid lines over Background.
  virtual TColor GetGridLineColor(TColor Background);
  // The header's drop-down button: hbsExists, hbsHot, hbsPressed, hbsActive bits. A button exists
  // only while a descendant keeps a header filter (IsHeaderFilterActive).
  virtual unsigned GetHeaderButtonState(int Column);
  // The client rectangle of the column header's drop-down button: the rightmost 15 pixels of the
  // header less 2 on each side, when that is wider than 15; empty otherwise.
  TRect GetHeaderDropButtonRect(int Column);
  virtual void DrawGroupPanel(TCanvas* Canvas, const TRect& Rect, const HBRUSH& HeaderBrush, const HBRUSH& ShadowBrush) {
    (void)Canvas, (void)Rect, (void)HeaderBrush, (void)ShadowBrush;
  }
  virtual bool HasCustomDrawBand() { return false; }
  virtual bool HasCustomDrawCell(int Column) { (void)Column; return false; }
  // Level -1: the summary footer; else row footers.
  virtual bool HasCustomDrawFooter(int Level) { (void)Level; return false; }
  virtual bool HasCustomDrawHeader(int Column) { (void)Column; return false; }
  virtual bool HasLevelColorEvent() { return false; }
  virtual void DoCustomDrawBand(int Band, TCanvas* Canvas, const TRect& Rect, const TRect& VisibleRect, String& Text,
                                TColor& Color, TFont* Font, TAlignment& Alignment, bool& Done) {
    (void)Band, (void)Canvas, (void)Rect, (void)VisibleRect, (void)Text, (void)Color, (void)Font, (void)Alignment,
        (void)Done;
  }
  virtual void DoCustomDrawCell(TCanvas* Canvas, const TRect& Rect, TdxTreeListNode* Node, int Column, bool Selected,
                                bool Focused, bool NewItemRow, String& Text, TColor& Color, TFont* Font,
                                TAlignment& Alignment, bool& Done) {
    (void)Canvas, (void)Rect, (void)Node, (void)Column, (void)Selected, (void)Focused, (void)NewItemRow, (void)Text,
        (void)Color, (void)Font, (void)Alignment, (void)Done;
  }
  virtual void DoCustomDrawFooter(TCanvas* Canvas, const TRect& Rect, TdxTreeListNode* Node, int Column,
                                  int FooterIndex, String& Text, TColor& Color, TFont* Font, TAlignment& Alignment,
                                  bool& Done) {
    (void)Canvas, (void)Rect, (void)Node, (void)Column, (void)FooterIndex, (void)Text, (void)Color, (void)Font,
        (void)Alignment, (void)Done;
  }
  virtual void DoCustomDrawHeader(int Column, TCanvas* Canvas, const TRect& Rect, const TRect& VisibleRect,
                                  String& Text, TColor& Color, TFont* Font, TAlignment& Alignment,
                                  TdxTreeListColumnSort& Sorted, bool& Done) {
    (void)Column, (void)Canvas, (void)Rect, (void)VisibleRect, (void)Text, (void)Color, (void)Font, (void)Alignment,
        (void)Sorted, (void)Done;
  }
  virtual void DoCustomDrawPreview(TCanvas* Canvas, const TRect& Rect, TdxTreeListNode* Node, bool Selected,
                                   String& Text, TColor& Color, TColor& TextColor, TFont* Font, bool& Done) {
    (void)Canvas, (void)Rect, (void)Node, (void)Selected, (void)Text, (void)Color, (void)TextColor, (void)Font,
        (void)Done;
  }
  virtual void DoGetLevelColor(int Level, TColor& Color) { (void)Level, (void)Color; }
  // A group row (Kind 3), a row-footer cell (Kind 1) or a new-item-row cell (Kind 2).
  virtual void DrawCellText(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap, TdxTreeListNode* Node, int Column,
                            int FooterIndex, bool Selected, bool Focused, COLORREF BkColor, const HBRUSH& Brush,
                            bool MultiLine, int Kind, bool EdgeFlag1, bool EdgeFlag2);
  // A data cell (Kind 0) or a new-item-row cell (Kind 2), painted through DrawCellViewData.
  virtual void DrawCell(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap, TdxTreeListNode* Node, int Column,
                        bool Selected, bool Focused, COLORREF BkColor, COLORREF TextColor, const HBRUSH& Brush,
                        bool MultiLine, int Kind, bool EdgeFlag1, bool EdgeFlag2, TColor ColumnColor,
                        const HBRUSH& ColumnBrush);
  virtual void DrawPreview(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap, TdxTreeListNode* Node,
                           COLORREF BkColor, COLORREF TextColor, const HBRUSH& Brush, bool Selected);
  // Paints the cell the record describes; nothing here (the control paints through its columns).
  virtual void DrawCellViewData(TCanvas* Canvas, int Column, TdxTreeListCellViewData& CellViewData) {
    (void)Canvas, (void)Column, (void)CellViewData;
  }

  // --- container hooks ---------------------------------------------------------------------------
  bool CanEditModify() override { return true; }
  bool IsValidEditChar(TKeyChar Key) override { (void)Key; return true; }
  std::unique_ptr<TdxEditStyle> CreateEditStyle(TdxInplaceEdit* Edit) override;
  bool IsHideFocusRect() override { return FOptions & tloHideFocusRect; }
  bool IsImmediateEditor() override { return FOptions & tloImmediateEditor; }
  bool IsShowButtonAlways() override { return FOptionsEx & tlxShowButtonAlways; }
  // The Tabs option moves between cells with Tab while Ctrl is up.
  bool IsTabsNavigation() override;
  TdxPopupBorder GetEditPopupBorder() override { return FLook.LookAndFeel == lfStandard ? pbFrame3D : pbSingle; }
  // The focused window is the control or lies inside it, or the editor says it has the focus.
  bool IsControlOrEditorFocused();
  virtual bool IsHeaderFilterActive() { return false; }

  // --- events ------------------------------------------------------------------------------------
  TdxTreeListNodeEvent OnCollapsed;
  TdxTreeListNodeEvent OnExpanded;
  TdxTreeListNodeEvent OnEdited;
  TdxTreeListNodeEvent OnDeletion;
  TdxTreeListAllowEvent OnCollapsing;
  TdxTreeListAllowEvent OnExpanding;
  TdxTreeListAllowEvent OnEditing;
  TdxTreeListChangeColumnEvent OnChangeColumn;
  TdxTreeListChangeNodeEvent OnChangeNode;
  TNotifyEvent OnChangeTopVisibleNode;
  TNotifyEvent OnChangeLeftCoord;
  TNotifyEvent OnEditChange;
  TNotifyEvent OnSelectedCountChange;
  TdxEditValidateEvent OnEditValidate;
  TdxTreeListAllowEvent OnCanNodeSelected;
  TdxTreeListCompareEvent OnCompare;
  // Raised for each cell before it is painted, before the column's own event.
  TdxTLCustomDrawCell OnCustomDrawCell;

 protected:
  friend class TdxTreeListNode;
  void Loaded() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DoExit() override;
  // The first step of every destructor of the family: marks the control destroying, destroys its
  // window and cancels the edit state.
  void PrepareDestroy();
  // Recomputes the metrics and rebuilds the lists; skipped while loading or destroying.
  virtual void RecalcMetrics();
  // Records the node as the changed node and updates the lists for it.
  void NodeListChanged(TdxTreeListNode* Node, bool Removing);
  TdxTreeListNodes& TopLevelNodes() { return FNodes; }
  // Rows in view (a partial row included) and fully visible rows, each at least 1.
  int FVisibleRowCount = 1;
  int FFullyVisibleRowCount = 1;
  // The buttons the mouse holds down, as the painters show them.
  TdxTreeListButtonState FButtons;
  // The source of a drag-and-drop operation over the control that its OnDragOver may accept.
  TObject* FDragObject = nullptr;
  void Paint() override;
  void Resize() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DoStartDrag(TDragObject*& DragObject) override;
  void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;
  void DoEndDrag(TObject* Target, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TdxTreeListPainter;
  struct TSortEntry;

  // dxTLDisplayOrder.cpp
  int WalkAbsoluteIndex(const TdxTreeListNode* Node) const;
  TdxTreeListNode* WalkAbsoluteNode(int Index) const;
  int WalkAbsoluteCount() const;
  static TdxTreeListNode* GetNextNodeUp(TdxTreeListNode* Node);
  void RebuildAllReferences();
  void InsertReference(TdxTreeListNode* Node);
  void RemoveReference(TdxTreeListNode* Node);
  void ClearRowHeightOfNeighbour(TdxTreeListNode* Node);
  void MoveReferencesAway(TdxTreeListNode* Node, TdxTreeListNode* Target);
  // dxTLSort.cpp
  void SortLevel(TdxTreeListNodes* List, int Depth, int ColumnIndex, bool Descending);
  void SortNodeList(TdxTreeListNodes* List, int ColumnIndex, bool Descending);
  int CompareKeyChains(const TSortEntry& A, const TSortEntry& B);
  // dxTLSearch.cpp
  bool NodeMatches(TdxTreeListNode* Node, int Column, const String& Text);
  TdxTreeListNode* SearchStep(TdxTreeListNode* Node, bool Backward);
  // dxTLProperties.cpp
  void SetColorProperty(TColor& Field, TColor Value);
  void SetPaintProperty(bool& Field, bool Value);
  template <class V>
  void SetLayoutProperty(V& Field, V Value) {
    if (Field == Value) return;
    Field = Value;
    Relayout();
  }
  void PanelFontChanged(TObject* Sender);
  void TakeParentFontForPanels();
  void ResetFocusedColumnAfterOptions();
  // dxTLEditing.cpp
  void CloseEditing(bool TakeFocus);
  void PlaceEditor(bool Focus);
  void HideEditorPost(bool TakeFocus);
  void InitEditorForFocusedCell();
  void StartEditorTimer();
  void HideEditorWithoutPosting();
  // dxTLKeyboard.cpp
  bool KeyDownSearching(WORD Key, TShiftState Shift);
  void KeyDownWithCtrl(WORD Key);
  void KeyDownPlain(WORD Key, TShiftState Shift);
  void KeyRight(bool Right);
  void KeyHomeEnd(bool End, TShiftState Shift);
  void KeyPage(int Delta, TShiftState Shift);
  void KeyTab(TShiftState Shift);
  void FocusNextNodeFirstColumn(bool Backward);
  bool MoveHeaderRow(bool Up);
  void SyncSearchColumn();
  void KeyPressCommand(TKeyChar Key);
  void HandleKeyDown(WORD& Key, TShiftState Shift);
  // dxTLMouse.cpp
  bool FocusOnPress();
  bool StartGestureOnPress(TShiftState Shift, int X, int Y);
  bool PressRows(TMouseButton Button, TShiftState Shift, int X, int Y, bool FocusFromElsewhere);
  void SelectOnPress(TMouseButton Button, TShiftState Shift);
  void TrackDragSelect(int Y);
  void StartScrollTimer(int Direction, UINT Interval);
  void StopScrollTimer();
  void ScrollTimerStep();
  void TrackPressedButtons(const TdxTreeListHitInfo& Hit);
  TRect FilterCloseButtonRect();
  bool OnHeaderDropButton(const TdxTreeListHitInfo& Hit);
  void StartFilterHint(bool Show);
  void StopFilterHint();
  void FinishGestureOnRelease(const TdxTreeListHitInfo& Hit);
  void OpenEditorOnRelease(TMouseButton Button, TShiftState Shift, const TdxTreeListHitInfo& Hit);
  // dxTLSizing.cpp
  int ClampSizingLine(int Position);
  int SnappedBandRows(int Position);
  int SizedHeaderRows(int Position);
  void ApplySizing();
  // dxTLDragging.cpp
  void StartMoving(TdxTreeListState State, int Item);
  void MoveHeaderDragImage(TPoint ScreenPoint);
  void ShowHeaderDragImage();
  void ShowDropArrows();
  TDropInfo HeaderDropInfo(const TdxTreeListDrawInfo& Info, TPoint Point);
  TDropInfo BandDropInfo(const TdxTreeListDrawInfo& Info, TPoint Point);
  bool BandTakesDraggedHeader(int Position);
  bool HeaderDropMovesNothing(const TdxTreeListHeaderInfo& Header, bool Before);
  void EndMoving();
  void StartExpandTimer(UINT Interval);
  void StopExpandTimer();
  void ExpandTimerFired();
  // dxTLMessages.cpp
  void WMCancelMode(TMessage& Message);
  void WMDestroy(TMessage& Message);
  bool IsEditorWindow(HWND Wnd) const;
  void WMEraseBkgnd(TMessage& Message);
  void WMGetDlgCode(TMessage& Message);
  void WMHScroll(TMessage& Message);
  void WMVScroll(TMessage& Message);
  void WMImeStartComposition(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void WMSetFocus(TMessage& Message);
  void WMLButtonDown(TMessage& Message);
  void WMNCCalcSize(TMessage& Message);
  void WMNCHitTest(TMessage& Message);
  void WMNCPaint(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  void WMSize(TMessage& Message);
  void WMTimer(TMessage& Message);
  void CMCancelMode(TMessage& Message);
  void CMRelayout(TMessage& Message);
  void CMParentFontChanged(TMessage& Message);
  void CMDrag(TMessage& Message);
  void CMMouseEnter(TMessage& Message);
  void CMMouseLeave(TMessage& Message);
  bool DrawsOwnBorder() const { return FLook.BorderStyle == bsSingle && FLook.LookAndFeel != lfStandard; }
  // dxTLMetrics.cpp
  void CalcMetrics();
  int CalcRowLineHeight();
  void ImagesChanged(TObject* Sender);
  void KeepDisplayWidths();
  // dxTLPaintCells.cpp
  bool IsSearchMarkCell(int Column, bool Focused, int Kind);
  void GetSearchColors(COLORREF BkColor, COLORREF TextColor, COLORREF& SearchBk, COLORREF& SearchText);
  void DrawSearchFocusFrame(TCanvas* Canvas, TRect Rect, bool EdgeFlag1, bool EdgeFlag2);
  // dxTLWidths.cpp
  std::vector<int> CalcBandWidths();
  // A band's header as a layout pass places it: its display width, the group indent for band 0,
  // less the fixed-band line of a fixed band.
  int BandRectWidth(int Band);
  void ApplyAutoWidthBandWidth(int Band, int Width);
  // Tree style gives leaf rows an indent column of their own; the top level has one unless the
  // tree style hides it (ShowRoot off).
  bool LeafIndent() const { return !FLook.HideLeafIndent; }
  bool RootIndent() const { return FLook.ShowRoot || FLook.HideLeafIndent; }
  // dxTLGeometry.cpp
  int GetColumnRowSpan(int Band, int Row, int Position);
  void CalcFixedBands(TdxTreeListDrawInfo& Info, int& ScrollLeft, int& ScrollRight);
  void CalcScrollingBands(TdxTreeListDrawInfo& Info, int ScrollLeft, int ScrollRight);
  void CalcHeaderCells(TdxTreeListDrawInfo& Info);
  void CalcBandHeaderRow(TdxTreeListDrawInfo& Info, const TdxTreeListBandInfo& Band, int Row);
  int CalcRows(TdxTreeListDrawInfo& Info);
  void CalcClosingValues(TdxTreeListDrawInfo& Info, int RowsEnd);
  // dxTLHitTest.cpp
  bool HitTestBands(const TdxTreeListDrawInfo& Info, TdxTreeListHitInfo& Hit);
  bool HitTestHeaders(const TdxTreeListDrawInfo& Info, TdxTreeListHitInfo& Hit);
  void HitTestHeaderCell(const TdxTreeListDrawInfo& Info, size_t Index, TdxTreeListHitInfo& Hit);
  bool HitTestIndicator(const TdxTreeListDrawInfo& Info, TdxTreeListHitInfo& Hit);
  void HitTestFooter(const TdxTreeListDrawInfo& Info, TdxTreeListHitInfo& Hit);
  void HitTestRows(const TdxTreeListDrawInfo& Info, TdxTreeListHitInfo& Hit);
  TdxTreeListHitKind HitTestNodeIndent(const TdxTreeListDrawInfo& Info, TPoint Point, int RowTop,
                                       const TdxTreeListRowInfo& Row);
  void FindHitColumn(const TdxTreeListDrawInfo& Info, int RowTop, const TdxTreeListRowInfo& Row,
                     TdxTreeListHitInfo& Hit);
  // The band (or band edge) whose sizing owns the left edge of a band's first header; answers the
  // hit kind.
  TdxTreeListHitKind BandEdgeBefore(int Band, TdxTreeListHitInfo& Hit);

  // State grouped by the file that keeps it (the records are declared in its _p.h).
  TdxTreeListLook FLook;
  TdxTreeListMeasures FMeasures;
  TdxTreeListDisplayOrder FOrder;
  TdxTreeListFocusState FFocus;
  TdxTreeListSelectionState FSelection;
  TdxTreeListSearchState FSearch;
  TdxTreeListEditState FEdit;
  TdxTreeListPressState FPress;
  TdxTreeListDragState FDrag;
  // Where a moved header or band would go now.
  TDropInfo FDropInfo;
  TdxTreeListNodes FNodes;
  TdxTreeListNodes FAuxiliaryNodes;
  int FLockUpdate = 0;
  bool FClearing = false;
  TdxTreeListState FState = tlsNormal;
  TdxTreeListNode* FTopVisibleNode = nullptr;
  // The horizontal scroll position of the scrolling bands (LeftCoord).
  int FLeftCoord = 0;
  // Positions of the nodes of the list being sorted, for the tie-break.
  const std::unordered_map<const TdxTreeListNode*, int>* FSortPositions = nullptr;
  TdxTreeListOptions FOptions = DefaultTreeListOptions;
  TdxTreeListOptions FOptionsEx = DefaultTreeListOptionsEx;
};

// Holds a node's access bracket (BeginNodeAccess and EndNodeAccess) for a scope; nil holds none.
class [[nodiscard]] TdxTreeListNodeAccess {
 public:
  TdxTreeListNodeAccess(TCustomdxTreeList& List, TdxTreeListNode* Node) : FList(List), FNode(Node) {
    if (FNode) FList.BeginNodeAccess(FNode);
  }
  ~TdxTreeListNodeAccess() {
    if (FNode) FList.EndNodeAccess(FNode);
  }
  TdxTreeListNodeAccess(const TdxTreeListNodeAccess&) = delete;
  TdxTreeListNodeAccess& operator=(const TdxTreeListNodeAccess&) = delete;

 private:
  TCustomdxTreeList& FList;
  TdxTreeListNode* FNode;
};
