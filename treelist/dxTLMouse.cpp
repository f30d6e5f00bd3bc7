// The mouse: a press starts one gesture from what lies under it (sizing an edge, holding a band,
// header or corner button, selecting rows, expanding, opening the editor), moves track it and the
// release finishes it; CancelDragOperation aborts it. Drag-select scrolls while the pointer is
// above or below the rows.
#include "controls/Application.h"
#include "treelist/dxTL.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/Paint.h"
#include "windows/Window.h"

namespace {

// The kinds of a press in a row: it focuses and selects the row.
bool IsRowKind(TdxTreeListHitKind Kind) {
  switch (Kind) {
    case hkImage: case hkStateImage: case hkIndent: case hkCell: case hkRow: case hkRowFooter: case hkPreview:
      return true;
    default:
      return false;
  }
}

bool IsSizingState(TdxTreeListState State) {
  return State == tlsColumnSizing || State == tlsBandSizing || State == tlsBandPanelSizing ||
         State == tlsHeaderPanelSizing || State == tlsRowSizing;
}

// The pointer left the square of side 11 around the press.
bool LeftPressSquare(TPoint Down, int X, int Y) { return std::abs(X - Down.X) > 5 || std::abs(Y - Down.Y) > 5; }

bool HasFocusInside(HWND Own) {
  for (HWND wnd = GetFocus(); wnd; wnd = GetParent(wnd))
    if (wnd == Own) return true;
  return false;
}

}  // namespace

// --- the press -------------------------------------------------------------------------------------------

void TCustomdxTreeList::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FState == tlsEditing && FEdit.InplaceEdit) HideEditor();
  FPress.ModifierClick = FPress.ReselectOnRelease = FPress.NewItemRowClicked = false;
  const bool focusFromElsewhere = !Focused();
  if (!FocusOnPress()) return;
  GetHitInfo({X, Y}, FPress.DownHitInfo);
  if (FState != tlsNormal && Button == mbRight) CancelDragOperation();
  if (FState == tlsNormal && Button == mbLeft && StartGestureOnPress(Shift, X, Y)) return;
  if (Button == mbLeft && FPress.DownHitInfo.HitKind == hkFilterPanel && PtInRect(FilterCloseButtonRect(), {X, Y})) {
    SetState(tlsFilterCloseButtonPressed);
    FButtons.FilterCloseDown = true;
    InvalidateRect(FilterCloseButtonRect());
  }
  const TdxTreeListHitKind kind = FPress.DownHitInfo.HitKind;
  const bool rowPress = IsRowKind(kind) || kind == hkIndicator || kind == hkButton || kind == hkNewItemRow;
  if (FState == tlsNormal && Button != mbMiddle && (Button != mbRight || rowPress)) {
    if (PressRows(Button, Shift, X, Y, focusFromElsewhere)) return;
  } else if (FState == tlsEditing) {
    HideEditor();
  }
  const bool doubleKind = kind == hkNone || (kind >= hkButton && kind <= hkOutside);
  if (Button == mbLeft && (Shift & ssDouble) && IsDblClickEnabled() && doubleKind) DblClick();
  if (Button == mbMiddle && FState == tlsNormal) FullScrollLoop();
  TCustomdxContainer::MouseDown(Button, Shift, X, Y);
}

// A press takes the focus; when the focus stays elsewhere (a control refused to give it up) the
// press is dropped.
bool TCustomdxTreeList::FocusOnPress() {
  if (ComponentState() & csDesigning) return true;
  if (!CanFocus() && GetParentForm(this)) return true;
  if (!Focused() && CanFocus()) SetFocus();
  if (HandleAllocated() && HasFocusInside(Handle())) return true;
  ReleaseCapture();
  return false;
}

// Sizing edges, band captions, headers and the corner buttons; answers true when the press ends
// here (a sizing start or a double click that fits widths to their content).
bool TCustomdxTreeList::StartGestureOnPress(TShiftState Shift, int X, int Y) {
  const TdxTreeListHitInfo& hit = FPress.DownHitInfo;
  const auto startSizing = [&](TdxTreeListState State, int Position) {
    SetState(State);
    FDrag.SizingStart = FDrag.SizingPos = Position;
    DrawSizingLine();
    return true;
  };
  switch (hit.HitKind) {
    case hkBandEdge:
      if (hit.Band < 0) return false;
      if (!(Shift & ssDouble)) return startSizing(tlsBandSizing, X);
      ApplyBandBestFit(hit.Band);
      return true;
    case hkHeaderEdge:
      if (hit.Column < 0) return false;
      if (!(Shift & ssDouble)) return startSizing(tlsColumnSizing, X);
      ApplyColumnBestFit(hit.Column);
      return true;
    case hkBandPanelEdge:
      return startSizing(tlsBandPanelSizing, Y);
    case hkHeaderPanelEdge:
      return startSizing(tlsHeaderPanelSizing, Y);
    case hkRowEdge:
      FPress.PressedNode = hit.Node;
      return startSizing(tlsRowSizing, Y);
    case hkBand:
      SetState(tlsBandPressed);
      FButtons.PressedBand = hit.Band;
      FButtons.PressedBandDown = true;
      FPress.DownPoint = {X, Y};
      InvalidateBandArea();
      return false;
    case hkHeader:
      if (OnHeaderDropButton(hit)) {
        SetState(tlsHeaderFilterButtonPressed);
        FButtons.PressedFilterButton = hit.Column;
        FButtons.PressedFilterButtonDown = true;
        InvalidateHeaderArea();
        return false;
      }
      SetState(tlsHeaderPressed);
      FButtons.PressedHeader = hit.Column;
      FButtons.PressedHeaderDown = true;
      FPress.DownPoint = {X, Y};
      InvalidateHeaderArea();
      return false;
    case hkBandCorner:
      if (!IsBandButtonClicking()) return false;
      SetState(tlsBandPanelButtonPressed);
      FButtons.BandCornerDown = true;
      InvalidateBandCorner();
      return false;
    case hkHeaderCorner:
      if (!IsHeaderButtonClicking()) return false;
      SetState(tlsHeaderPanelButtonPressed);
      FButtons.HeaderCornerDown = true;
      InvalidateHeaderCorner();
      return false;
    default:
      return false;
  }
}

// A press in the rows: expand buttons and double clicks, the new-item row, and the focus and
// selection of a row. Answers true when the press ends here.
bool TCustomdxTreeList::PressRows(TMouseButton Button, TShiftState Shift, int X, int Y, bool FocusFromElsewhere) {
  const TdxTreeListHitInfo hit = FPress.DownHitInfo;
  const bool wasNewItemRowActive = IsNewItemRowActive();
  if (hit.HitKind == hkButton || (IsRowKind(hit.HitKind) && (Shift & ssDouble))) {
    KillEditorTimer();
    if (hit.Node && (FLook.DblClkExpanding || hit.HitKind == hkButton)) hit.Node->SetExpanded(!hit.Node->Expanded());
    if ((Shift & ssDouble) && IsDblClickEnabled()) DblClick();
    return true;
  }
  const int oldColumn = GetFocusedVisibleIndex();
  if (hit.HitKind == hkNewItemRow) {
    if (!FFocus.Node) CanEditNewItemRow();
    if (!FFocus.Node) return false;
    if (hit.Column >= 0) SetFocusedVisibleIndex(GetVisibleColumnPos(hit.Column));
    SetNewItemRowActive(true);
    FPress.NewItemRowClicked = true;
    if (Button == mbLeft && !IsRowSelect() && hit.Column >= 0 && wasNewItemRowActive &&
        oldColumn == GetFocusedVisibleIndex() && !FocusFromElsewhere)
      StartEditorTimer();
    return false;
  }
  if (!hit.Node) return false;
  if (Button == mbLeft && hit.HitKind != hkIndicator) SetState(tlsRowsPressed);
  FPress.PressedNode = hit.Node;
  SetNewItemRowActive(false);
  InsideSelection([&] {
    FPress.NodeBeforePress = FFocus.Node;
    SetFocusedNodeAndColumn(hit.Node, hit.Column >= 0 ? GetVisibleColumnPos(hit.Column) : oldColumn, true);
    FPress.DownPoint = {X, Y};
    if (FFocus.Node && IsMultiSelect()) SelectOnPress(Button, Shift);
  });
  const bool sameNode = FPress.NodeBeforePress == FFocus.Node;
  if (hit.HitKind == hkCell && Button == mbLeft && !IsRowSelect() && hit.Column >= 0 && !FPress.ModifierClick) {
    if (IsCellButtonHit(X, Y, GetFocusedColumn(), sameNode)) {
      FState = tlsNormal;
      ShowEditor();
      if (FEdit.InplaceEdit && FState == tlsEditing) FEdit.InplaceEdit->ContainerMouseDown(X, Y);
    } else if (sameNode && oldColumn == GetFocusedVisibleIndex() && !FocusFromElsewhere) {
      StartEditorTimer();
    }
  }
  return false;
}

// Ctrl toggles the pressed node and makes it the anchor; Shift selects the range from the anchor
// (or the node focused before); a plain press on a selected node keeps the selection until the
// release.
void TCustomdxTreeList::SelectOnPress(TMouseButton Button, TShiftState Shift) {
  FSelection.RangeSelecting = false;
  TdxTreeListNode* focused = FFocus.Node;
  if (Shift & (ssCtrl | ssShift)) {
    FPress.ModifierClick = true;
    if ((Shift & ssCtrl) && !(Shift & ssShift)) {
      focused->SetSelected(!focused->Selected());
      SetSelectionAnchor(focused);
      return;
    }
    if (!SelectionAnchor()) SetSelectionAnchor(FPress.NodeBeforePress);
    if (!(Shift & ssCtrl) && SelectionAnchor()) {
      ClearSelection();
      FPress.NodeBeforePress = SelectionAnchor();
    }
    if (FPress.NodeBeforePress)
      SelectRange(FPress.NodeBeforePress, focused);
    else
      focused->SetSelected(!focused->Selected());
    FPress.NodeBeforePress = nullptr;
    return;
  }
  if (!focused->Selected()) {
    ClearSelection();
    focused->SetSelected(true);
    SetSelectionAnchor(focused);
  } else if (Button != mbRight) {
    FPress.ReselectOnRelease = true;
  }
}

bool TCustomdxTreeList::IsCellButtonHit(int X, int Y, int Column, bool SameNode) {
  (void)X, (void)Y, (void)Column, (void)SameNode;
  return IsShowButtonAlways();
}

// --- moves -----------------------------------------------------------------------------------------------

void TCustomdxTreeList::MouseMove(TShiftState Shift, int X, int Y) {
  TdxTreeListHitInfo hit;
  GetHitInfo({X, Y}, hit);
  if (!(Shift & ssLeft) && FState == tlsRowsPressed) SetState(tlsNormal);
  if (IsSizingState(FState)) {
    const int position = ClampSizingLine(FState == tlsColumnSizing || FState == tlsBandSizing ? X : Y);
    if (position != FDrag.SizingPos) {
      DrawSizingLine();
      FDrag.SizingPos = position;
      DrawSizingLine();
    }
  } else if (FState == tlsBandPressed && FButtons.PressedBand >= 0) {
    if ((FOptionsEx & tlxBandMoving) && LeftPressSquare(FPress.DownPoint, X, Y)) StartDragBand(FButtons.PressedBand);
  } else if (FState == tlsHeaderPressed && FButtons.PressedHeader >= 0) {
    if ((FOptions & tloColumnMoving) && LeftPressSquare(FPress.DownPoint, X, Y))
      StartDragHeader(FButtons.PressedHeader);
  } else if (FState == tlsRowsPressed) {
    if (DragMode() != dmAutomatic) {
      if (IsMouseScroll() && Count() > 0) TrackDragSelect(Y);
    } else if (LeftPressSquare(FPress.DownPoint, X, Y)) {
      TdxTreeListNode* node = FPress.PressedNode ? FPress.PressedNode : GetHitNode(X, Y);
      if (node && node != FFocus.Node) {
        if (!FPress.ModifierClick) ClearSelection();
        SetFocusedNodeAndColumn(node, GetFocusedVisibleIndex(), false);
      }
      if (node) node->SetSelected(true);
      FPress.ModifierClick = FPress.ReselectOnRelease = false;
      BeginDrag(false, -1);
    }
  }
  TrackPressedButtons(hit);
  UpdateHotTrack(hit);
  TCustomdxContainer::MouseMove(Shift, X, Y);
}

// Dragging over the rows focuses the row under the pointer; above or below them the focus runs
// on a row every 60 ms.
void TCustomdxTreeList::TrackDragSelect(int Y) {
  const TRect rows = GetRowsRect();
  if (Y >= rows.Top && Y < rows.Bottom) {
    TdxTreeListNode* node = GetHitNode(rows.Left, Y);
    if (!node) return;
    StopScrollTimer();
    SetFocusedNodeAndColumn(node, GetFocusedVisibleIndex(), true);
    if (IsMultiSelect()) {
      ClearSelection();
      node->SetSelected(true);
    }
    return;
  }
  const bool up = Y < rows.Top;
  CalcVisibleRowCounts();
  TdxTreeListNode* edge = up ? FTopVisibleNode : GetAbsoluteNode(std::max(GetTopIndex(), 0) + FFullyVisibleRowCount - 1);
  if (edge && edge != FFocus.Node) SetFocusedNodeAndColumn(edge, GetFocusedVisibleIndex(), true);
  StartScrollTimer(up ? 2 : 4, 60);
}

void TCustomdxTreeList::StartScrollTimer(int Direction, UINT Interval) {
  if (!HandleAllocated()) return;
  FPress.ScrollTimerDirection = Direction;
  FPress.ScrollTimer = true;
  SetTimer(Handle(), ScrollTimerId, Interval, [this](HWND, UINT, UINT_PTR, DWORD) { ScrollTimerStep(); });
}

void TCustomdxTreeList::StopScrollTimer() {
  if (!FPress.ScrollTimer) return;
  FPress.ScrollTimer = false;
  if (HandleAllocated()) KillTimer(Handle(), ScrollTimerId);
}

// One step of the scrolling timer: drag-select runs the focus on, a drag of headers, bands or
// nodes scrolls the bands by 32 pixels or moves the focus a row.
void TCustomdxTreeList::ScrollTimerStep() {
  const bool vertical = FPress.ScrollTimerDirection == 2 || FPress.ScrollTimerDirection == 4;
  const int step = FPress.ScrollTimerDirection <= 2 ? -1 : 1;
  if (vertical && FState == tlsRowsPressed) return SetFocusedAbsoluteIndex(GetFocusedAbsoluteIndex() + step);
  const bool dragging = FState == tlsHeaderDragging || FState == tlsNodeDragging || FState == tlsBandDragging ||
                        FDragObject;
  if (!dragging) return StopScrollTimer();
  if (vertical) {
    TPoint cursor;
    GetCursorPos(cursor);
    if (WindowFromPoint(cursor) == Handle()) SetFocusedAbsoluteIndex(GetFocusedAbsoluteIndex() + step);
    return;
  }
  const int maxLeft = std::max(0, GetScrollableBandsWidth() - GetScrollableClientWidth());
  if (step < 0 ? FLeftCoord < 1 : FLeftCoord >= maxLeft) return StopScrollTimer();
  SetLeftCoord(FLeftCoord + 32 * step);
  UpdateWindow(Handle());
}

// The held buttons are drawn pushed only while the pointer stays over them.
void TCustomdxTreeList::TrackPressedButtons(const TdxTreeListHitInfo& Hit) {
  const auto track = [](bool& Down, bool Over, const auto& Repaint) {
    if (Down == Over) return;
    Down = Over;
    Repaint();
  };
  switch (FState) {
    case tlsBandPressed:
      track(FButtons.PressedBandDown, Hit.HitKind == hkBand && Hit.Band == FButtons.PressedBand,
            [this] { InvalidateBandArea(); });
      break;
    case tlsHeaderPressed:
      track(FButtons.PressedHeaderDown, Hit.HitKind == hkHeader && Hit.Column == FButtons.PressedHeader,
            [this] { InvalidateHeaderArea(); });
      break;
    case tlsHeaderFilterButtonPressed:
      track(FButtons.PressedFilterButtonDown, Hit.Column == FButtons.PressedFilterButton && OnHeaderDropButton(Hit),
            [this] { InvalidateHeaderArea(); });
      break;
    case tlsBandPanelButtonPressed:
      track(FButtons.BandCornerDown, Hit.HitKind == hkBandCorner, [this] { InvalidateBandCorner(); });
      break;
    case tlsHeaderPanelButtonPressed:
      track(FButtons.HeaderCornerDown, Hit.HitKind == hkHeaderCorner, [this] { InvalidateHeaderCorner(); });
      break;
    default:
      break;
  }
}

// --- the header's drop-down button --------------------------------------------------------------------------

unsigned TCustomdxTreeList::GetHeaderButtonState(int Column) {
  if (!IsHeaderFilterActive()) return 0;
  unsigned state = hbsExists;
  if (Column == FButtons.HotFilterButton) state |= hbsHot;
  if (FState == tlsHeaderFilterButtonPressed && Column == FButtons.PressedFilterButton &&
      FButtons.PressedFilterButtonDown)
    state |= hbsPressed;
  return state;
}

TRect TCustomdxTreeList::GetHeaderDropButtonRect(int Column) {
  TdxTreeListDrawInfo info;
  CalcGeometry(info);
  for (const TdxTreeListHeaderInfo& header : info.Headers) {
    if (header.Column != Column) continue;
    TRect r = header.Rect;
    InflateRect(r, -2, -2);
    if (r.Width() <= 15) return TRect();
    r.Left = r.Right - 15;
    return r;
  }
  return TRect();
}

bool TCustomdxTreeList::OnHeaderDropButton(const TdxTreeListHitInfo& Hit) {
  return Hit.HitKind == hkHeader && Hit.Column >= 0 && (GetHeaderButtonState(Hit.Column) & hbsExists) &&
         PtInRect(GetHeaderDropButtonRect(Hit.Column), {Hit.X, Hit.Y});
}

// The filter panel's close button: a 12 x 11 box 3 pixels from the panel's left, centred.
TRect TCustomdxTreeList::FilterCloseButtonRect() {
  TdxTreeListDrawInfo info;
  CalcRectInfo(info);
  const TRect& panel = info.FilterPanelRect;
  if (IsRectEmpty(panel)) return TRect();
  const int top = panel.Top + (panel.Height() - 11) / 2;
  return {panel.Left + 3, top, panel.Left + 15, top + 11};
}

void TCustomdxTreeList::UpdateHotTrack(const TdxTreeListHitInfo& Hit) {
  const bool hot = Hit.HitKind == hkFilterPanel && PtInRect(FilterCloseButtonRect(), {Hit.X, Hit.Y});
  if (hot != FButtons.FilterCloseHot) {
    FButtons.FilterCloseHot = hot;
    InvalidateRect(FilterCloseButtonRect());
    if (hot && FState == tlsNormal)
      StartFilterHint(false);
    else
      StopFilterHint();
  } else if (FState != tlsNormal) {
    StopFilterHint();
  }
  const int hotButton = (FOptionsEx & tlxHotTrack) && FState == tlsNormal && OnHeaderDropButton(Hit) ? Hit.Column : -1;
  if (hotButton != FButtons.HotFilterButton) {
    FButtons.HotFilterButton = hotButton;
    InvalidateHeaderArea();
  }
  TdxTreeListNode* node = (FOptionsEx & tlxHotTrack) ? Hit.Node : nullptr;
  if (node == FPress.HotNode) return;
  if (FPress.HotNode) InvalidateNode(FPress.HotNode, false);
  FPress.HotNode = node;
  if (node) InvalidateNode(node, false);
}

// --- the release -----------------------------------------------------------------------------------------

void TCustomdxTreeList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  InsideSelection([&] {
    TdxTreeListHitInfo hit;
    GetHitInfo({X, Y}, hit);
    FinishGestureOnRelease(hit);
    if (FPress.ReselectOnRelease && FFocus.Node) {
      ClearSelection();
      FFocus.Node->SetSelected(true);
      SetSelectionAnchor(FFocus.Node);
    }
    FPress.ReselectOnRelease = false;
    const TdxTreeListState state = FState;
    OpenEditorOnRelease(Button, Shift, hit);
    FPress.NewItemRowClicked = false;
    if (FState == tlsRowsPressed) SetState(tlsNormal);
    if (state == tlsEditing || state == tlsNodeDragging || state == tlsRowsPressed) Click();
  });
  TCustomdxContainer::MouseUp(Button, Shift, X, Y);
}

void TCustomdxTreeList::FinishGestureOnRelease(const TdxTreeListHitInfo& Hit) {
  switch (FState) {
    case tlsBandSizing: case tlsColumnSizing: case tlsBandPanelSizing: case tlsHeaderPanelSizing: case tlsRowSizing:
      DrawSizingLine();
      ApplySizing();
      SetState(tlsNormal);
      break;
    case tlsBandPressed: {
      const int band = FButtons.PressedBand;
      CancelDragOperation();
      if (Hit.HitKind == hkBand && Hit.Band == band) DoBandClick(band);
      break;
    }
    case tlsBandDragging:
      EndDragBand(true);
      break;
    case tlsHeaderFilterButtonPressed: {
      const int column = FButtons.PressedFilterButton;
      CancelDragOperation();
      if (Hit.Column == column && OnHeaderDropButton(Hit) && !(ComponentState() & csDesigning)) {
        FButtons.PressedFilterButton = column;
        ShowHeaderFilterList(column);
        FButtons.PressedFilterButton = -1;
      }
      break;
    }
    case tlsFilterCloseButtonPressed:
      CancelDragOperation();
      if (FButtons.FilterCloseHot) HideHeaderFilterList();
      break;
    case tlsHeaderPressed: {
      const int column = FButtons.PressedHeader;
      CancelDragOperation();
      if (Hit.HitKind == hkHeader && Hit.Column == column) DoHeaderClick(column);
      break;
    }
    case tlsHeaderDragging:
      EndDragHeader(true);
      break;
    case tlsBandPanelButtonPressed: case tlsHeaderPanelButtonPressed: {
      const bool band = FState == tlsBandPanelButtonPressed;
      const bool down = band ? FButtons.BandCornerDown : FButtons.HeaderCornerDown;
      CancelDragOperation();
      if (down && band) DoBandButtonClick();
      if (down && !band) DoHeaderButtonClick();
      break;
    }
    default:
      break;
  }
}

// ImmediateEditor: a release on the pressed cell of the focused node opens the editor at once.
void TCustomdxTreeList::OpenEditorOnRelease(TMouseButton Button, TShiftState Shift, const TdxTreeListHitInfo& Hit) {
  const bool rowGesture = FState == tlsEditing || FState == tlsNodeDragging || FState == tlsRowsPressed;
  if (!rowGesture && !FPress.NewItemRowClicked) return;
  const TdxTreeListHitInfo& down = FPress.DownHitInfo;
  const bool sameCell = Hit.Column >= 0 && Hit.Column == down.Column && Hit.RowIndex == down.RowIndex &&
                        Hit.HitKind == down.HitKind;
  const bool cellKind = Hit.HitKind == hkCell || Hit.HitKind == hkNewItemRow;
  if (!IsImmediateEditor() || IsRowSelect() || !sameCell || !cellKind || Button != mbLeft) return;
  if (FFocus.Node != Hit.Node && Hit.HitKind != hkNewItemRow) return;
  FState = tlsNormal;
  if (Shift & (ssShift | ssCtrl)) return;
  ShowEditor();
  if (FEdit.InplaceEdit && FState == tlsEditing) FEdit.InplaceEdit->ContainerClick();
}

// --- aborting a gesture ----------------------------------------------------------------------------------

void TCustomdxTreeList::CancelDragOperation() {
  switch (FState) {
    case tlsColumnSizing: case tlsBandSizing: case tlsBandPanelSizing: case tlsHeaderPanelSizing: case tlsRowSizing:
      DrawSizingLine();
      SetState(tlsNormal);
      if (HandleAllocated()) ::SetCursor(Screen->Cursors(Cursor()));
      break;
    case tlsBandPressed:
      SetState(tlsNormal);
      FButtons.PressedBand = -1;
      InvalidateBandArea();
      break;
    case tlsBandDragging:
      EndDragBand(false);
      break;
    case tlsHeaderFilterButtonPressed:
      SetState(tlsNormal);
      FButtons.PressedFilterButton = -1;
      FButtons.PressedHeader = -1;
      InvalidateHeaderArea();
      break;
    case tlsFilterCloseButtonPressed:
      SetState(tlsNormal);
      FButtons.FilterCloseDown = false;
      InvalidateRect(FilterCloseButtonRect());
      break;
    case tlsHeaderPressed:
      SetState(tlsNormal);
      FButtons.PressedHeader = -1;
      InvalidateHeaderArea();
      break;
    case tlsHeaderDragging:
      EndDragHeader(false);
      break;
    case tlsBandPanelButtonPressed:
      SetState(tlsNormal);
      FButtons.BandCornerDown = false;
      InvalidateBandCorner();
      break;
    case tlsHeaderPanelButtonPressed:
      SetState(tlsNormal);
      FButtons.HeaderCornerDown = false;
      InvalidateHeaderCorner();
      break;
    default:
      break;
  }
  StopFilterHint();
}

// --- the hint over the filter panel's close button -------------------------------------------------------

// Without Show the hint waits a second; with it the hint shows beside the button for five.
void TCustomdxTreeList::StartFilterHint(bool Show) {
  StopFilterHint();
  if (!HandleAllocated()) return;
  if (!Show) {
    SetTimer(Handle(), HintShowTimerId, 1000);
    FPress.FilterHintTimer = true;
    return;
  }
  const TRect button = FilterCloseButtonRect();
  FPress.FilterHint = std::make_unique<TdxContainerHintWindow>(nullptr);
  const int height = FPress.FilterHint->Canvas()->TextHeight("Wg") + 4;
  FPress.FilterHint->ActivateHint(ClientToScreen(TPoint{button.Right + 4, button.Top - height}), GetFilterCaption(), Font());
  SetTimer(Handle(), HintHideTimerId, 5000);
  FPress.FilterHintTimer = true;
}

void TCustomdxTreeList::StopFilterHint() {
  if (FPress.FilterHintTimer && HandleAllocated()) {
    KillTimer(Handle(), HintShowTimerId);
    KillTimer(Handle(), HintHideTimerId);
  }
  FPress.FilterHintTimer = false;
  FPress.FilterHint.reset();
}
