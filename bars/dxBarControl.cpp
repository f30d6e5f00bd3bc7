// The bar window base: making and freeing the window and its item controls, the metrics and
// brushes of the manager's style, the look-ups of controls at points, and the window messages
// that are not input.
#include "bars/dxBarControl.h"

#include <algorithm>

#include "bars/dxBar.h"
#include "bars/dxBarCustPopups.h"
#include "bars/dxBarDraw.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarToolbar.h"
#include "bars/dxBarUtils.h"
#include "controls/Forms.h"
#include "graphics/Gdi.h"
#include "windows/Focus.h"
#include "windows/NonClient.h"
#include "windows/Paint.h"

namespace {

// The width of the shadow a floating window casts under the flat style.
constexpr int kShadowSize = 2;

}  // namespace

TCustomdxBarControl::TCustomdxBarControl(TdxBarManager* Manager)
    : TCustomControl(nullptr), FBarManager(Manager), FBackgroundBrush(GetSysColorBrush(COLOR_BTNFACE)) {
  SetColor(clBtnFace);
  TControlStyle style = ControlStyle() & ~csCaptureMouse;
  const bool doubleClicks = Manager && (Manager->Style() != bmsStandard || Manager->IsCustomizing());
  SetControlStyle(doubleClicks ? (style | csDoubleClicks) : (style & ~csDoubleClicks));
  SetVisible(false);
  SetBounds(100, 100, 50, 30);
  AddBarControl(this);
  CalcMetrics();
}

// A toolbar closes its menus, any other window leaves menu mode, while the whole window exists.
void TCustomdxBarControl::BeforeDestruction() {
  if (IsToolbar()) {
    CloseMenus();
  } else {
    SetMenuMode(false);
  }
  TCustomControl::BeforeDestruction();
}

TCustomdxBarControl::~TCustomdxBarControl() {
  if (FBarManager && FBarManager->SelectedItemControl() && FBarManager->SelectedItemControl()->Parent() == this)
    FBarManager->SetSelectedItemControl(nullptr);
  if (FItemLinks) {
    DestroyControls();
    FItemLinks->SetBarControl(nullptr);
  }
  RemoveBarControl(this);
}

void TCustomdxBarControl::SetItemLinks(TdxBarItemLinks* Value) {
  FItemLinks = Value;
  if (FItemLinks) FItemLinks->SetBarControl(this);
}

void TCustomdxBarControl::SetLocked(bool Value) {
  if (FLocked == Value) return;
  FLocked = Value;
  if (!FLocked) RecalcLayout();
}

bool TCustomdxBarControl::IsCustomizing() const { return FBarManager && FBarManager->IsCustomizing(); }

bool TCustomdxBarControl::IsToolbar() const { return dynamic_cast<const TdxBarControl*>(this) != nullptr; }

void TCustomdxBarControl::SetDockingStyle(TdxBarDockingStyle Value) {
  FDockingStyle = Value;
  Perform(CM_FONTCHANGED);
}

// --- controls -------------------------------------------------------------------------------------

void TCustomdxBarControl::CreateControls() {
  if (!FItemLinks) return;
  for (int i = 0; i < FItemLinks->VisibleItemCount(); ++i) FItemLinks->VisibleItems(i)->CreateControl();
}

void TCustomdxBarControl::DestroyControls() {
  if (!FItemLinks) return;
  FDestroyingControls = true;
  FSelectedControl = nullptr;
  FPressedControl = nullptr;
  for (int i = 0; i < FItemLinks->Count(); ++i) FItemLinks->Items(i)->FreeControl();
  FDestroyingControls = false;
}

void TCustomdxBarControl::RebuildBar() {
  DestroyControls();
  CreateControls();
  RecalcLayout();
  Invalidate();
}

void TCustomdxBarControl::RepaintItem(const TdxBarItemControl* Control) {
  if (FLocked || !HandleAllocated() || !Control) return;
  const TRect r = GetItemRect(Control);
  InvalidateRect(Handle(), &r, false);
}

void TCustomdxBarControl::ForgetSelectedControl(const TdxBarItemControl* Control) {
  if (FSelectedControl == Control) FSelectedControl = nullptr;
  if (FPressedControl == Control) FPressedControl = nullptr;
}

TdxBarItemControl* TCustomdxBarControl::ControlAtPoint(TPoint Point) const {
  if (!FItemLinks || (IsCustomizing() && !CanCustomizeLinks())) return nullptr;
  for (int i = 0; i < FItemLinks->ShownItemCount(); ++i) {
    TdxBarItemLink* link = FItemLinks->ShownItems(i);
    if (link->Control() && PtInRect(GetItemRect(link->Control()), Point)) return link->Control();
  }
  return nullptr;
}

bool TCustomdxBarControl::IsControlOfLink(const TdxBarItemControl* Control) const {
  if (!FItemLinks || !Control) return false;
  for (int i = 0; i < FItemLinks->Count(); ++i)
    if (FItemLinks->Items(i)->Control() == Control) return true;
  return false;
}

bool TCustomdxBarControl::IsOpenerOf(const TCustomdxBarControl* Window) const {
  for (const TCustomdxBarControl* w = Window ? GetOpenerBarControl(Window) : nullptr; w; w = GetOpenerBarControl(w))
    if (w == this) return true;
  return false;
}

// --- metrics and brushes ------------------------------------------------------------------------

void TCustomdxBarControl::CalcMetrics() {
  TCanvas& canvas = ScreenCanvas();
  canvas.SetFont(Font());
  FItemHeight = canvas.TextHeight("0") + 6;
  HDC dc = canvas.Handle();
  const HFONT old = SelectObject(dc, GetFontHandle());
  TSize zero;
  GetTextExtentPoint32(dc, "0", zero);
  SelectObject(dc, old);
  FTextSize = zero.cy + 6 + (FBarManager && FBarManager->IsFlat() ? 1 : 0);
  FTextWidth = 2 * zero.cx - 1;
}

bool TCustomdxBarControl::CanCustomizeLinks() const { return FBarManager && FBarManager->IsDesigning(); }

HFONT TCustomdxBarControl::GetFontHandle() const { return FBarManager ? FBarManager->FontHandle() : HFONT(); }

TRect TCustomdxBarControl::GetItemRect(const TdxBarItemControl* Control) const {
  return Control ? Control->ItemLink()->ItemRect() : TRect{};
}

TRect TCustomdxBarControl::GetItemRectEx(const TdxBarItemControl* Control, bool) const { return GetItemRect(Control); }

TRegion TCustomdxBarControl::GetItemRegion(const TdxBarItemControl* Control) const {
  return CreateRectRgnIndirect(GetItemRectEx(Control, true));
}

HBRUSH TCustomdxBarControl::GetBackgroundBrush() const {
  return FBarManager && FBarManager->IsFlat() ? FBarManager->FlatBrush(0) : GetSysColorBrush(COLOR_BTNFACE);
}

HBRUSH TCustomdxBarControl::GetSelectedBrush() const {
  return FBarManager && FBarManager->IsFlat() ? FBarManager->FlatBrush(2) : GetSysColorBrush(COLOR_BTNFACE);
}

HBRUSH TCustomdxBarControl::GetHighlightBrush() const {
  return FBarManager && FBarManager->IsFlat() ? FBarManager->FlatBrush(3) : GetSysColorBrush(COLOR_HIGHLIGHT);
}

// The region is the item rectangle and the separator before it: Outside is the separator part,
// and Before measures along the window's direction (across lines for a separator between lines).
TdxBarItemControl* TCustomdxBarControl::GetItemControlAtPoint(TPoint Point, bool& Vertical, bool& Outside, bool& Before) {
  Vertical = IsVerticalBarControl(this) || !IsToolbar();
  if (!FItemLinks) return nullptr;
  for (int i = 0; i < FItemLinks->VisibleItemCount(); ++i) {
    TdxBarItemControl* control = FItemLinks->VisibleItems(i)->Control();
    if (!control || !control->IsCustomizable() || !PtInRegion(GetItemRegion(control), Point.X, Point.Y)) continue;
    const TRect item = GetItemRect(control);
    Outside = !PtInRect(item, Point);
    TRect part = item;
    if (Outside) GetRgnBox(GetItemRegion(control), part);
    if (Outside) {
      // The separator alone: the region's box less the item rectangle.
      if (part.Top < item.Top) part.Bottom = item.Top;
      if (part.Left < item.Left) part.Right = item.Left;
    }
    const bool acrossLines = Outside && Point.Y < item.Top;
    Before = Vertical || acrossLines ? Point.Y < (part.Top + part.Bottom) / 2 : Point.X < (part.Left + part.Right) / 2;
    return control;
  }
  return nullptr;
}

bool TCustomdxBarControl::IsMouseUnmoved(TPoint Point) {
  if (IsCustomizing()) return true;
  return ClientToScreen(Point) == FCursorPos;
}

void TCustomdxBarControl::RememberCursorPos() { GetCursorPos(FCursorPos); }

void TCustomdxBarControl::DrawItemControl(TdxBarItemControl*) { FBackgroundBrush = GetBackgroundBrush(); }

void TCustomdxBarControl::RedrawControls(TdxBarItemControl* Control) {
  if (FDestroyingControls) return;
  if (Control && IsControlOfLink(Control)) DrawItemControl(Control);
  if (FSelectedControl && FSelectedControl != Control) DrawItemControl(FSelectedControl);
  RepaintItem(Control);
  RepaintItem(FSelectedControl);
}

// --- window -----------------------------------------------------------------------------------

void TCustomdxBarControl::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.ClassName = ClassName();
}

// Mouse messages belong to the chain that holds menu mode.
bool TCustomdxBarControl::DropsMouseMessage(UINT Msg) const {
  const bool mouse = (Msg >= WM_MOUSEFIRST && Msg <= WM_MOUSELAST) || (Msg >= WM_NCMOUSEMOVE && Msg <= WM_NCMBUTTONDBLCLK);
  TCustomdxBarControl* active = ActiveBarControl();
  return mouse && active && active != this && !IsOpenerOf(active);
}

void TCustomdxBarControl::WndProc(TMessage& Message) {
  if (DropsMouseMessage(Message.Msg)) return;
  TCustomControl::WndProc(Message);
}

void TCustomdxBarControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_DXBAR_RECALCLAYOUT: RecalcLayout(); return;
    case WM_DXBAR_REFUSEBLANKNAME: RefuseBlankLinkName(this); return;
    case WM_MOUSEACTIVATE: Message.Result = MA_NOACTIVATE; return;
    case WM_NCACTIVATE: Message.Result = 1; return;
    case WM_KILLFOCUS:
      TCustomControl::Dispatch(Message);
      if (!Message.WParam) CloseMenus();
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (ActiveBarControl() && HandleKeyDown(Message)) return;
      break;
    case WM_MOUSEMOVE: WMMouseMove(Message); return;
    case WM_LBUTTONDOWN: WMLButtonDown(Message); return;
    case WM_LBUTTONUP: WMLButtonUp(Message); return;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(Message); return;
    case WM_RBUTTONDOWN: WMRButtonDown(Message); return;
    case WM_MOUSELEAVE: WMMouseLeave(Message); return;
    case WM_CAPTURECHANGED: WMCaptureChanged(Message); return;
    case WM_ERASEBKGND:
      if (FItemLinks && FItemLinks->ShownItemCount() > 0) {
        Message.Result = 1;
        return;
      }
      FillRect(reinterpret_cast<HDC>(Message.WParam), ClientRect(), GetBackgroundBrush());
      Message.Result = 1;
      return;
    case WM_DESTROY:
      EndMouseLeaveTracking(Handle());
      SetMarkState(0);
      if (FItemLinks)
        for (int i = 0; i < FItemLinks->ShownItemCount(); ++i)
          if (TdxBarItemControl* control = FItemLinks->ShownItems(i)->Control()) control->ParentDestroyed();
      break;
    case WM_NCCALCSIZE: WMNCCalcSize(Message); return;
    case WM_NCPAINT: WMNCPaint(Message); return;
    case WM_SIZE: WMSize(Message); return;
    case WM_NCHITTEST:
      TCustomControl::Dispatch(Message);
      if (Message.Result != HTCLIENT && HandleAllocated()) EndMouseLeaveTracking(Handle());
      return;
    case WM_SETFOCUS: WMSetFocus(Message); return;
    default: break;
  }
  TCustomControl::Dispatch(Message);
}

bool TCustomdxBarControl::IsFloatingFlat() const {
  return FDockingStyle == dsNone && IsToolbar() && FBarManager && FBarManager->IsFlat();
}

// A floating window of the flat style keeps two pixels at the right and bottom for its shadow.
void TCustomdxBarControl::WMNCCalcSize(TMessage& Message) {
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam);
  if (HasEdgeFrame()) TCustomControl::Dispatch(Message);
  if (!IsFloatingFlat()) return;
  params->rgrc[0].Right -= kShadowSize;
  params->rgrc[0].Bottom -= kShadowSize;
}

void TCustomdxBarControl::WMNCPaint(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  if (!IsFloatingFlat() || !HandleAllocated()) return;
  HDC dc = GetWindowDC(Handle());
  const TRect r{0, 0, Width(), Height()};
  FillRect(dc, TRect{r.Right - kShadowSize, r.Top + kShadowSize, r.Right, r.Bottom}, FBarManager->ShadowBrush());
  FillRect(dc, TRect{r.Left + kShadowSize, r.Bottom - kShadowSize, r.Right, r.Bottom}, FBarManager->ShadowBrush());
  ReleaseDC(Handle(), dc);
}

// The flat shadow leaves the corners at the top right and bottom left out of the window.
void TCustomdxBarControl::WMSize(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  if (!IsFloatingFlat() || !HandleAllocated()) return;
  TRegion region = CreateRectRgn(0, 0, Width(), Height());
  CombineRgn(region, region, CreateRectRgn(Width() - kShadowSize, 0, Width(), kShadowSize), RGN_DIFF);
  CombineRgn(region, region, CreateRectRgn(0, Height() - kShadowSize, kShadowSize, Height()), RGN_DIFF);
  SetWindowRgn(Handle(), &region, true);
}

// The window never keeps the focus: it goes to the form (or, when that is hidden, on).
void TCustomdxBarControl::WMSetFocus(TMessage&) {
  if (dynamic_cast<TdxBarWinControl*>(FSelectedControl)) return;
  TCustomForm* form = FBarManager ? FBarManager->OwnerForm() : nullptr;
  if (form && form->Visible() && form->HandleAllocated()) {
    ::SetFocus(form->Handle());
  } else if (HandleAllocated()) {
    ::SetFocus(GetWindow(Handle(), GW_HWNDNEXT));
  }
}
