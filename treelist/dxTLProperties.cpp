// The look of the tree list: property setters that repaint, relayout or make the window again, the
// panel fonts, and the two option sets with the side effects of changing them.
#include "rtl/ScopeExit.h"
#include "treelist/dxTL.h"
#include "treelist/dxTLDraw.h"

void TCustomdxTreeList::SetColorProperty(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  Invalidate();
}

void TCustomdxTreeList::SetPaintProperty(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  Invalidate();
}

void TCustomdxTreeList::PanelFontChanged(TObject* Sender) {
  (void)Sender;
  if (!IsLoading() && !FLook.TakingParentFont) SetParentFont(false);
  Relayout();
}

// The panels follow a parent's font the control takes; the preview keeps its blue.
void TCustomdxTreeList::TakeParentFontForPanels() {
  if (!ParentFont()) return;
  {
    const auto taken = ScopeExit([this] { FLook.TakingParentFont = false; });
    FLook.TakingParentFont = true;
    FLook.BandFont->Assign(Font());
    FLook.HeaderFont->Assign(Font());
    FLook.PreviewFont->Assign(Font());
    FLook.PreviewFont->SetColor(clBlue);
  }
  Relayout();
}

void TCustomdxTreeList::SetBorderStyle(TBorderStyle Value) {
  if (FLook.BorderStyle == Value) return;
  FLook.BorderStyle = Value;
  RecreateWnd();
}

void TCustomdxTreeList::SetScrollBars(TScrollStyle Value) {
  if (FLook.ScrollBars == Value) return;
  FLook.ScrollBars = Value;
  RecreateWnd();
}

void TCustomdxTreeList::SetDefaultRowHeight(int Value) {
  if (FLook.RowHeight == Value) return;
  FLook.RowHeight = FLook.UserRowHeight = Value;
  FLook.RowHeightAssigned = true;
  Relayout();
}

void TCustomdxTreeList::SetLookAndFeel(TdxLookAndFeel Value) {
  if (FLook.LookAndFeel == Value) return;
  FEdit.Node = nullptr;
  FEdit.Column = -1;
  HideEditor();
  FLook.LookAndFeel = Value;
  SetScrollBarMode(Value == lfUltraFlat ? 2 : 0);
  BuildTreeButtonGlyphs();
  RecreateWnd();
  Relayout();
}

// --- option sets ------------------------------------------------------------------------------------

void TCustomdxTreeList::SetOptions(TdxTreeListOptions Value) {
  if (Value == FOptions) return;
  CloseEditor();
  InsideUpdate([&] {
    if (Value & tloRowSelect) FOptionsEx &= ~tlxInvertSelect;
    if ((Value & tloAutoSort) && !(FOptions & tloAutoSort)) ClearSortedColumns();
    if ((FOptionsEx & tlxKeepColumnWidth) && (FOptions & tloAutoWidth) && !(Value & tloAutoWidth)) KeepDisplayWidths();
    FOptions = Value;
    if (!IsLoading()) ResetFocusedColumnAfterOptions();
  });
}

void TCustomdxTreeList::ResetFocusedColumnAfterOptions() {
  ClearSelection();
  if (FFocus.Node) FFocus.Node->SetSelected(true);
  if (!IsRowSelect() && GetFocusedVisibleIndex() == -1) SetFocusedVisibleIndex(0);
}

void TCustomdxTreeList::SetOptionsEx(TdxTreeListOptions Value) {
  if (Value == FOptionsEx) return;
  CloseEditor();
  InsideUpdate([&] {
    if (Value & tlxInvertSelect) FOptions &= ~tloRowSelect;
    const bool multiSortOff = (FOptionsEx & tlxMultiSort) && !(Value & tlxMultiSort);
    if (multiSortOff || ((FOptionsEx ^ Value) & tlxAnsiSort)) ClearSortedColumns();
    const bool autoHeightOn = !(FOptionsEx & tlxAutoHeaderPanelHeight) && (Value & tlxAutoHeaderPanelHeight);
    FOptionsEx = Value;
    if (autoHeightOn) CalcAutoHeaderPanelHeight();
    if (FSearch.Active && !(Value & tlxAutoSearch)) EndSearch();
  });
}
