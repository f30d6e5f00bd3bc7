// The toolbar window: docked in a site or floating, its frame, its placement kept in the bar,
// laying out again, and the messages it answers beyond the bar window base.
#include "bars/dxBarToolbar.h"

#include "bars/dxBar.h"
#include "bars/dxBarCustPopups.h"
#include "bars/dxBarDock.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarUtils.h"
#include "controls/Forms.h"
#include "graphics/Gdi.h"
#include "graphics/Metrics.h"
#include "rtl/Arith.h"
#include "windows/Focus.h"
#include "windows/NonClient.h"

namespace {

// The frame of a floating window besides its caption: inside the system frame, or all of it
// under the flat style (which also keeps 2 pixels for its shadow).
constexpr int kFlatFrame = 3;
constexpr int kFlatShadow = 2;
constexpr int kDockedFrame = 2;

}  // namespace

TdxBarControl::TdxBarControl(TdxBar* Bar) : TCustomdxBarControl(Bar->BarManager()), FBar(Bar) {
  SetCaption(Bar->Caption());
  UpdateFont();
}

// A docked window leaves its site, which lays its rows out again.
TdxBarControl::~TdxBarControl() {
  if (FDockControl && FBar->Bars()) FDockControl->ExtractBarControl(this, nullptr, true);
  DestroyControls();
}

bool TdxBarControl::IsVertical() const { return IsVerticalDockingStyle(DockingStyle()); }

// --- placement ------------------------------------------------------------------------------------

void TdxBarControl::SetDockingStyle(TdxBarDockingStyle Value) {
  if (Value != DockingStyle()) FTruncated = false;
  TCustomdxBarControl::SetDockingStyle(Value);
}

// A docked window is a child of its site; a floating one a tool window owned by the form.
void TdxBarControl::SetDocking(TdxBarDockingStyle Side, TdxDockControl* Site) {
  SetDockingStyle(Side);
  FDockControl = Site;
  if (Site) {
    SetParentWindow(HWND());
    SetParent(Site);
  } else {
    SetParent(nullptr);
    if (HandleAllocated()) RecreateWnd();
  }
  RecalcFrame();
}

TPoint TdxBarControl::GetFrameOffset(TdxBarDockingStyle Side) const {
  const TdxBarDragState& drag = FBar->Bars()->DragState();
  if (drag.Dragging && drag.Control == this && Side != dsNone && Side == drag.StartSide)
    return IsVerticalDockingStyle(Side) ? TPoint{-drag.Offset1, drag.Offset2.Y} : TPoint{drag.Offset2.X, -drag.Offset1};
  if (FGrabSize.cx <= 0 || FGrabSize.cy <= 0) return TPoint{};
  const TSize size = const_cast<TdxBarControl*>(this)->CalcFloatingSize(Side);
  return TPoint{MulDiv(size.cx, FGrabPoint.X, FGrabSize.cx), MulDiv(size.cy, FGrabPoint.Y, FGrabSize.cy)};
}

void TdxBarControl::StorePlacement() {
  TdxBarManager* manager = BarManager();
  if (!FBar->Visible() || (manager && manager->IsDestroying())) return;
  if (DockingStyle() == dsNone || !FDockControl) {
    FBar->SetFloatLeft(Left());
    FBar->SetFloatTop(Top());
    FBar->SetFloatClientWidth(ClientWidth());
    FBar->SetFloatClientHeight(ClientHeight());
    return;
  }
  FBar->SetDockedDockingStyle(DockingStyle());
  FBar->SetDockedDockControl(dynamic_cast<TdxBarDockControl*>(FDockControl));
  if (const TdxDockCol* col = FDockControl->FindCol(this)) {
    FBar->SetRow(FDockControl->IndexOfRow(col->Row()));
    FBar->SetOneOnRow(col->Row()->ColCount() == 1);
  }
  FBar->SetDockedLeft(Left());
  FBar->SetDockedTop(Top());
}

// --- frame ----------------------------------------------------------------------------------------

TRect TdxBarControl::FrameInsets() const {
  const TdxBarDockingStyle side = DockingStyle();
  const TdxBarManager* manager = BarManager();
  if (side == dsNone || !FDockControl) {
    const int caption = FMayClose ? GetSmallCaptionHeight() : 0;
    if (manager && manager->IsFlat())
      return TRect{kFlatFrame, kFlatFrame + caption, kFlatFrame + kFlatShadow, kFlatFrame + kFlatShadow};
    const int fx = GetSystemMetrics(SM_CXFRAME);
    const int fy = GetSystemMetrics(SM_CYFRAME);
    return TRect{fx + 4, fy + caption + 2, fx + 4, fy + 1};
  }
  if (FBar->BorderStyle() == bbsSingle) {
    TRect r{kDockedFrame, kDockedFrame, kDockedFrame, kDockedFrame};
    const int grip = manager ? manager->GripSize() : 0;
    (IsVerticalDockingStyle(side) ? r.Top : r.Left) += grip;
    return r;
  }
  if (side != dsBottom) return TRect{};
  return TRect{0, kDockedFrame, FBar->IsSizeGripVisible() ? GetSystemMetrics(SM_CXVSCROLL) : 0, 0};
}

TRect TdxBarControl::ClientRect() const {
  if (HandleAllocated()) return TCustomdxBarControl::ClientRect();
  const TRect insets = FrameInsets();
  return TRect{0, 0, std::max(0, Width() - insets.Left - insets.Right), std::max(0, Height() - insets.Top - insets.Bottom)};
}

void TdxBarControl::WMNCCalcSize(TMessage& Message) {
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam);
  const TRect insets = FrameInsets();
  TRect& r = params->rgrc[0];
  r = TRect{r.Left + insets.Left, r.Top + insets.Top, std::max(r.Left + insets.Left, r.Right - insets.Right),
            std::max(r.Top + insets.Top, r.Bottom - insets.Bottom)};
}

void TdxBarControl::CreateParams(TCreateParams& Params) {
  TCustomdxBarControl::CreateParams(Params);
  Params.Style = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  Params.ExStyle = 0;
  Params.ClassStyle = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  if (FDockControl) {
    Params.Style |= WS_CHILD;
  } else {
    Params.Style |= WS_POPUP | WS_BORDER | WS_SYSMENU | WS_THICKFRAME;
    TCustomForm* form = BarManager() ? BarManager()->OwnerForm() : nullptr;
    Params.WndParent = form ? form->Handle() : HWND();
  }
}

void TdxBarControl::RecalcFrame() {
  if (HandleAllocated())
    SetWindowPos(Handle(), HWND(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  RecalcLayout();
}

// --- the window's questions -----------------------------------------------------------------------

bool TdxBarControl::IsSingleLine() const { return DockingStyle() != dsNone && FDockControl && !FBar->MultiLine(); }

bool TdxBarControl::HasEdgeFrame() const { return !IsFloatingFlat(); }

bool TdxBarControl::CanCustomizeLinks() const {
  return (BarManager() && BarManager()->IsDesigning()) || FBar->AllowCustomizing();
}

int TdxBarControl::GetSeparatorSize() const { return BarManager() && BarManager()->IsFlat() ? 5 : 6; }

HFONT TdxBarControl::GetFontHandle() const {
  return FBar->UseOwnFont() ? FBar->Font()->Handle() : TCustomdxBarControl::GetFontHandle();
}

HBRUSH TdxBarControl::GetBackgroundBrush() const {
  if (BarManager() && BarManager()->IsFlat() && (FBar->IsMainMenu() || (FDockControl && FBar->HasBottomSizeGripSpace())))
    return GetSysColorBrush(COLOR_BTNFACE);
  return TCustomdxBarControl::GetBackgroundBrush();
}

TRect TdxBarControl::GetItemRect(const TdxBarItemControl* Control) const {
  if (!Control) return TRect{};
  const TRect& line = Control->ItemLink()->LineRect();
  return IsRectEmpty(line) ? Control->ItemLink()->ItemRect() : line;
}

bool TdxBarControl::HasMark() const {
  const TdxBarManager* manager = BarManager();
  return FBar->ShowMark() && (FTruncated || (manager && manager->Style() != bmsStandard && FBar->AllowQuickCustomizing()));
}

// The window's own font change comes back as CM_FONTCHANGED; that one is not the bar's.
void TdxBarControl::UpdateFont() {
  FUpdatingFont = true;
  SetFont(FBar->Font());
  FUpdatingFont = false;
}

// --- laying out -----------------------------------------------------------------------------------

// The controls are made again with the selection kept; a docked window asks its site to lay the
// row out, a floating one takes the size its contents need at its width.
void TdxBarControl::RecalcLayout() {
  if (DestroyingControls() || FBar->Locked() || !ItemLinks()) return;
  if (Showing()) {
    TdxBarItemControl* selected = SelectedControl();
    TdxBarItemLink* link = IsItemControlAlive(selected) && BarManager() && BarManager()->SelectedItemControl() == selected
                               ? selected->ItemLink()
                               : nullptr;
    SelectControl(nullptr);
    DestroyControls();
    CreateControls();
    if (link && link->Control()) SelectControl(link->Control());
  }
  if (FDockControl) {
    FDockControl->UpdateDock();
  } else if (!InUpdate()) {
    const TSize size = CalcSizeForLength(dsNone, ClientWidth());
    const TRect insets = FrameInsets();
    SetBounds(Left(), Top(), size.cx + insets.Left + insets.Right, size.cy + insets.Top + insets.Bottom);
  }
  RefreshLayout();
}

void TdxBarControl::RefreshLayout() {
  CalcControlsPositions();
  Invalidate();
}

void TdxBarControl::CaptionChanged() {
  SetCaption(FBar->Caption());
  if (HandleAllocated()) Perform(WM_NCPAINT, 1);
}

// --- messages -------------------------------------------------------------------------------------

void TdxBarControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCCALCSIZE: WMNCCalcSize(Message); return;
    case WM_NCPAINT: WMNCPaint(Message); return;
    case WM_MOUSEACTIVATE: WMMouseActivate(Message); return;
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS; return;
    case WM_LBUTTONDOWN: WMLButtonDownToolbar(Message); return;
    case WM_LBUTTONDBLCLK:
      if (!IsCustomizing() && PressMark(LParamToPoint(Message.LParam))) return;
      if (IsCustomizing() && SizeEditWidth(LParamToPoint(Message.LParam))) return;
      if (FHitTest == HTCAPTION && !IsCustomizing()) {
        ToggleDocking();
        return;
      }
      break;
    case WM_NCHITTEST: WMNCHitTest(Message); return;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (Message.WParam == HTCLOSE) {
        TrackCloseButton();
        return;
      }
      break;
    case WM_SIZING:
      TCustomdxBarControl::Dispatch(Message);
      if (!FDockControl) WMSizing(Message);
      return;
    case WM_WINDOWPOSCHANGING:
      TCustomdxBarControl::Dispatch(Message);
      WMWindowPosChanging(Message);
      return;
    case WM_MOUSELEAVE:
      if (FMarkState == 1) SetMarkState(0);
      if (!MenuMode()) TCustomdxBarControl::Dispatch(Message);
      return;
    case WM_MOUSEMOVE:
      if (!ActiveBarControl() || ActiveBarControl() == this) TrackMark(LParamToPoint(Message.LParam));
      break;
    case WM_RBUTTONDOWN: WMRButtonDownToolbar(Message); return;
    case WM_SETCURSOR: WMSetCursorToolbar(Message); return;
    case WM_WINDOWPOSCHANGED:
      TCustomdxBarControl::Dispatch(Message);
      if (!InUpdate() && !IsDestroying()) StorePlacement();
      return;
    case CM_FONTCHANGED:
      if (FUpdatingFont) break;
      UpdateFont();
      CalcMetrics();
      if (!InUpdate()) {
        HotTrack(nullptr);
        RecalcLayout();
      }
      return;
    default: break;
  }
  TCustomdxBarControl::Dispatch(Message);
}

// A floating window not in menu mode comes to the top; none takes the activation.
void TdxBarControl::WMMouseActivate(TMessage& Message) {
  Message.Result = MA_NOACTIVATE;
  if (!FDockControl && !MenuMode() && HandleAllocated())
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// A press on a control of a toolbar outside menu mode takes the keyboard with that control; a
// press on the open sub item in menu mode leaves it.
void TdxBarControl::WMLButtonDownToolbar(TMessage& Message) {
  if (!IsCustomizing() && PressMark(LParamToPoint(Message.LParam))) return;
  if (IsCustomizing() && SizeEditWidth(LParamToPoint(Message.LParam))) return;
  if (const int button = IsCustomizing() ? -1 : CaptionButtonAt(LParamToPoint(Message.LParam)); button >= 0) {
    TrackCaptionButton(button);
    return;
  }
  TdxBarItemControl* control = ControlAtPoint(LParamToPoint(Message.LParam));
  if (control && !IsCustomizing()) {
    if (!MenuMode()) {
      EnterMenuMode(control);
    } else if (control == SelectedControl() && dynamic_cast<TdxBarSubItemControl*>(control) && control->Active()) {
      ExitMenuMode();
      return;
    }
  }
  if (!IsBarControlAlive(this)) return;
  TCustomdxBarControl::Dispatch(Message);
  if (IsBarControlAlive(this)) BeginMove(LParamToPoint(Message.LParam));
}

// The capture and menu mode go; while customising the link's popup opens, otherwise the
// toolbars popup.
void TdxBarControl::WMRButtonDownToolbar(TMessage& Message) {
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  if (MenuMode()) CloseMenus();
  if (!IsBarControlAlive(this)) return;
  const bool customizing = IsCustomizing();
  TCustomdxBarControl::Dispatch(Message);
  if (!customizing && IsBarControlAlive(this) && BarManager())
    ShowToolbarsPopup(BarManager(), ClientToScreen(LParamToPoint(Message.LParam)));
}
