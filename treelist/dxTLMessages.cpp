// The tree list's window messages: the window procedure that routes moves of a header or band drag
// and the keys of a node drag, and the handlers of focus, sizing, scrolling, timers, cursors, the
// one-pixel border of the flat looks and the notifications of the class library.
#include "controls/Application.h"
#include "controls/DragDrop.h"
#include "graphics/Gdi.h"
#include "graphics/Metrics.h"
#include "treelist/dxTL.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"
#include "windows/NonClient.h"
#include "windows/Paint.h"
#include "windows/Window.h"

namespace {

TPoint MessagePoint(LPARAM LParam) {
  return {int16_t(LOWORD(uintptr_t(LParam))), int16_t(HIWORD(uintptr_t(LParam)))};
}

}  // namespace

void TCustomdxTreeList::WndProc(TMessage& Message) {
  const UINT msg = Message.Msg;
  if (msg == WM_MOUSEMOVE && (FState == tlsHeaderDragging || FState == tlsBandDragging)) {
    TPoint point = MessagePoint(Message.LParam);
    ::ClientToScreen(Handle(), point);
    return TrackHeaderDrag(point);
  }
  if (msg == WM_KEYDOWN && Dragging()) {
    if (Message.WParam == VK_ESCAPE) return EndDrag(false);
    if (Message.WParam == VK_ADD || Message.WParam == VK_SUBTRACT) {
      TPoint cursor;
      GetCursorPos(cursor);
      ::ScreenToClient(Handle(), cursor);
      TdxTreeListNode* node = GetHitNode(cursor.X, cursor.Y);
      if (node && node->Count() > 0) node->SetExpanded(Message.WParam == VK_ADD);
      return;
    }
  }
  // The automatic drag of nodes starts after the pointer has moved, not on the press.
  if ((msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) && !(ComponentState() & csDesigning) && !Dragging() &&
      DragMode() == dmAutomatic) {
    SetControlState(ControlState() | csLButtonDown);
    return Dispatch(Message);
  }
  TCustomdxContainer::WndProc(Message);
}

void TCustomdxTreeList::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TCustomdxTreeList> Handlers[] = {
      {WM_CANCELMODE, &TCustomdxTreeList::WMCancelMode},
      {WM_DESTROY, &TCustomdxTreeList::WMDestroy},
      {WM_ERASEBKGND, &TCustomdxTreeList::WMEraseBkgnd},
      {WM_GETDLGCODE, &TCustomdxTreeList::WMGetDlgCode},
      {WM_HSCROLL, &TCustomdxTreeList::WMHScroll},
      {WM_VSCROLL, &TCustomdxTreeList::WMVScroll},
      {WM_IME_STARTCOMPOSITION, &TCustomdxTreeList::WMImeStartComposition},
      {WM_KILLFOCUS, &TCustomdxTreeList::WMKillFocus},
      {WM_SETFOCUS, &TCustomdxTreeList::WMSetFocus},
      {WM_LBUTTONDOWN, &TCustomdxTreeList::WMLButtonDown},
      {WM_NCCALCSIZE, &TCustomdxTreeList::WMNCCalcSize},
      {WM_NCHITTEST, &TCustomdxTreeList::WMNCHitTest},
      {WM_NCPAINT, &TCustomdxTreeList::WMNCPaint},
      {WM_SETCURSOR, &TCustomdxTreeList::WMSetCursor},
      {WM_SIZE, &TCustomdxTreeList::WMSize},
      {WM_TIMER, &TCustomdxTreeList::WMTimer},
      {CM_CANCELMODE, &TCustomdxTreeList::CMCancelMode},
      {CM_COLORCHANGED, &TCustomdxTreeList::CMRelayout},
      {CM_FONTCHANGED, &TCustomdxTreeList::CMRelayout},
      {CM_PARENTFONTCHANGED, &TCustomdxTreeList::CMParentFontChanged},
      {CM_DRAG, &TCustomdxTreeList::CMDrag},
      {CM_MOUSEENTER, &TCustomdxTreeList::CMMouseEnter},
      {CM_MOUSELEAVE, &TCustomdxTreeList::CMMouseLeave},
  };
  if (!DispatchTo(this, Message, Handlers)) TCustomdxContainer::Dispatch(Message);
}

void TCustomdxTreeList::WMCancelMode(TMessage& Message) {
  CancelDragOperation();
  TCustomdxContainer::Dispatch(Message);
}

// The window's timers go with it.
void TCustomdxTreeList::WMDestroy(TMessage& Message) {
  StopFilterHint();
  FPress.EditorTimer = FPress.ScrollTimer = FPress.ExpandTimer = false;
  TCustomdxContainer::Dispatch(Message);
}

void TCustomdxTreeList::WMEraseBkgnd(TMessage& Message) { Message.Result = 1; }

// Arrows always; characters while they edit or search; Tab when tabs move between cells.
void TCustomdxTreeList::WMGetDlgCode(TMessage& Message) {
  LRESULT code = DLGC_WANTARROWS;
  if (IsEditingEnabled() || FSearch.Active || (IsAutoSearch() && GetAsyncKeyState(VK_MENU) >= 0))
    code |= DLGC_WANTCHARS;
  if (IsTabsNavigation()) code |= DLGC_WANTTAB;
  Message.Result = code;
}

bool TCustomdxTreeList::IsTabsNavigation() { return (FOptions & tloTabs) && GetAsyncKeyState(VK_CONTROL) >= 0; }

void TCustomdxTreeList::WMHScroll(TMessage& Message) { ScrollHorizontally(LOWORD(Message.WParam)); }

void TCustomdxTreeList::WMVScroll(TMessage& Message) { ScrollVertically(LOWORD(Message.WParam)); }

// An input-method composition on a cell opens the editor, which takes the composed text.
void TCustomdxTreeList::WMImeStartComposition(TMessage& Message) {
  TCustomdxContainer::Dispatch(Message);
  ShowEditor();
}

bool TCustomdxTreeList::IsEditorWindow(HWND Wnd) const {
  return Wnd && FEdit.InplaceEdit && FEdit.InplaceEdit->HandleAllocated() && FEdit.InplaceEdit->Handle() == Wnd;
}

void TCustomdxTreeList::WMKillFocus(TMessage& Message) {
  TCustomdxContainer::Dispatch(Message);
  if (IsEditorWindow(HWND(Message.WParam))) return;
  // A click waiting to open the editor is forgotten: the editor never opens in a list that lost
  // the focus.
  KillEditorTimer();
  InvalidateNode(FFocus.Node, false);
  if (FEdit.InplaceEdit) CloseEditor();
  if (IsMultiSelect() && GetSelectedCount() > 0) InvalidateSelection();
  if (IsNewItemRowVisible()) InvalidateNewItemRow();
  if (FState == tlsRowsPressed) SetState(tlsNormal);
}

void TCustomdxTreeList::WMSetFocus(TMessage& Message) {
  TCustomdxContainer::Dispatch(Message);
  if (!FFocus.Node) FFocus.Node = FTopVisibleNode;
  if (!IsRowSelect() && (FFocus.Column < 0 || FFocus.Column >= GetVisibleColumnCount())) {
    FFocus.Column = 0;
    FFocus.ColumnIndex = -2;
  }
  if (!IsEditorWindow(HWND(Message.WParam))) {
    InvalidateNode(FFocus.Node, false);
    PlaceEditor(false);
  }
  if (IsMultiSelect() && GetSelectedCount() > 0) InvalidateSelection();
  if (IsNewItemRowVisible()) InvalidateNewItemRow();
}

void TCustomdxTreeList::WMLButtonDown(TMessage& Message) {
  KillEditorTimer();
  TCustomdxContainer::Dispatch(Message);
  if (FEdit.InplaceEdit) FEdit.InplaceEdit->SetClickTime(GetMessageTime());
}

// --- the border of the flat looks ---------------------------------------------------------------------

void TCustomdxTreeList::WMNCCalcSize(TMessage& Message) {
  if (DrawsOwnBorder()) InflateRect(reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0], -1, -1);
  TCustomdxContainer::Dispatch(Message);
}

// One pixel round the window: the button shadow in the ultra-flat look, a sunken edge in the flat
// one; the corner between two scroll bars takes the button face.
void TCustomdxTreeList::WMNCPaint(TMessage& Message) {
  TCustomdxContainer::Dispatch(Message);
  if (!DrawsOwnBorder()) return;
  TRect window;
  GetWindowRect(Handle(), window);
  TRect frame{0, 0, window.Width(), window.Height()};
  HDC dc = GetWindowDC(Handle());
  if (FLook.LookAndFeel == lfUltraFlat)
    FrameRect(dc, frame, GetSysColorBrush(COLOR_BTNSHADOW));
  else
    DrawEdge(dc, frame, BDR_SUNKENOUTER, BF_RECT);
  const DWORD style = DWORD(GetWindowLong(Handle(), GWL_STYLE));
  if ((style & WS_HSCROLL) && (style & WS_VSCROLL)) {
    const int right = frame.Right - 1, bottom = frame.Bottom - 1;
    const TRect corner{right - GetSystemMetrics(SM_CXVSCROLL), bottom - GetSystemMetrics(SM_CYHSCROLL), right, bottom};
    FillRect(dc, corner, GetSysColorBrush(COLOR_BTNFACE));
  }
  ReleaseDC(Handle(), dc);
}

void TCustomdxTreeList::WMNCHitTest(TMessage& Message) {
  TCustomdxContainer::Dispatch(Message);
  FPress.LastHitTestPoint = MessagePoint(Message.LParam);
}

// --- cursors, sizes and timers -----------------------------------------------------------------------

// Over the edges that size: the split cursors, also while the sizing runs; over a cell, the
// cursor its column asks for.
void TCustomdxTreeList::WMSetCursor(TMessage& Message) {
  if (LOWORD(uintptr_t(Message.LParam)) != HTCLIENT) return TCustomdxContainer::Dispatch(Message);
  TCursor cursor = crDefault;
  if (FState == tlsNormal || FState == tlsEditing) {
    TPoint point = FPress.LastHitTestPoint;
    ::ScreenToClient(Handle(), point);
    TdxTreeListHitInfo hit;
    GetHitInfo(point, hit);
    if ((hit.HitKind == hkBandEdge && hit.Band >= 0) || hit.HitKind == hkHeaderEdge) {
      cursor = crHSplit;
    } else if (hit.HitKind == hkBandPanelEdge || hit.HitKind == hkHeaderPanelEdge || hit.HitKind == hkRowEdge) {
      cursor = crVSplit;
    } else if (hit.HitKind == hkCell && hit.Node) {
      const TCursor cell = GetCellCursor(hit.Node, hit.Column);
      if (cell != Cursor()) cursor = cell;
    }
  } else if (FState == tlsColumnSizing || FState == tlsBandSizing) {
    cursor = crHSplit;
  } else if (FState == tlsBandPanelSizing || FState == tlsHeaderPanelSizing || FState == tlsRowSizing) {
    cursor = crVSplit;
  }
  if (cursor == crDefault) return TCustomdxContainer::Dispatch(Message);
  ::SetCursor(Screen->Cursors(cursor));
  Message.Result = 1;
}

void TCustomdxTreeList::WMSize(TMessage& Message) {
  ClearRowHeightCache();
  HideEditor();
  DropScrollBarsWhenFitting();
  TCustomdxContainer::Dispatch(Message);
  UpdateScrollBars();
  ClampScrollPositions();
}

void TCustomdxTreeList::WMTimer(TMessage& Message) {
  TCustomdxContainer::Dispatch(Message);
  switch (Message.WParam) {
    case EditorTimerId:
      // Killed by its own window whatever the flag says, so a stray timer never reopens the editor.
      KillTimer(Handle(), EditorTimerId);
      FPress.EditorTimer = false;
      if (FState == tlsNormal && IsControlOrEditorFocused()) ShowEditor();
      break;
    case ExpandTimerId:
      ExpandTimerFired();
      break;
    case HintShowTimerId:
      StartFilterHint(true);
      break;
    case HintHideTimerId:
      StopFilterHint();
      break;
    default:
      break;
  }
}

// --- notifications of the class library --------------------------------------------------------------

void TCustomdxTreeList::CMCancelMode(TMessage& Message) {
  CancelDragOperation();
  if (FEdit.InplaceEdit) FEdit.InplaceEdit->Perform(CM_CANCELMODE, Message.WParam, Message.LParam);
  TCustomdxContainer::Dispatch(Message);
}

void TCustomdxTreeList::CMRelayout(TMessage& Message) {
  TCustomdxContainer::Dispatch(Message);
  Relayout();
}

void TCustomdxTreeList::CMParentFontChanged(TMessage& Message) {
  TCustomdxContainer::Dispatch(Message);
  TakeParentFontForPanels();
}

// The drag cursor says whether one or more nodes are dragged and whether they are copied. A drag
// of another control that this one may accept is remembered, so that painting hides its image.
void TCustomdxTreeList::CMDrag(TMessage& Message) {
  const bool copy = IsCopyDragging() && GetAsyncKeyState(VK_CONTROL) < 0;
  const bool several = GetSelectedCount() >= 2;
  SetDragCursor(several ? (copy ? TCursor(crdxTLMultiDragCopy) : crMultiDrag)
                        : (copy ? TCursor(crdxTLDragCopy) : crDrag));
  TCustomdxContainer::Dispatch(Message);
  if (FState == tlsNodeDragging || Dragging()) return;
  const auto* drag = reinterpret_cast<const TDragRec*>(Message.LParam);
  switch (TDragMessage(Message.WParam)) {
    case dmDragEnter:
      if (OnDragOver && drag) FDragObject = drag->Source;
      break;
    case dmDragLeave: case dmDragDrop:
      FDragObject = nullptr;
      break;
    default:
      break;
  }
}

void TCustomdxTreeList::CMMouseEnter(TMessage& Message) {
  TCustomdxContainer::Dispatch(Message);
  if (!HandleAllocated()) return;
  TPoint cursor;
  GetCursorPos(cursor);
  ::ScreenToClient(Handle(), cursor);
  TdxTreeListHitInfo hit;
  GetHitInfo(cursor, hit);
  UpdateHotTrack(hit);
}

void TCustomdxTreeList::CMMouseLeave(TMessage& Message) {
  TCustomdxContainer::Dispatch(Message);
  TdxTreeListHitInfo nowhere;
  nowhere.X = nowhere.Y = -1;
  UpdateHotTrack(nowhere);
  StopFilterHint();
}
