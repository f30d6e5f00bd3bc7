// Dock sites: their manager, side, colour, border, window and messages.
#include "bars/dxBarDock.h"

#include "bars/dxBar.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarCustPopups.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarUpdateLock.h"
#include "controls/Forms.h"
#include "graphics/Gdi.h"
#include "windows/NonClient.h"
#include "windows/Paint.h"
#include "windows/Window.h"

TdxBarDockingStyle DockingStyleOfAlign(TAlign Align) {
  switch (Align) {
    case alBottom: return dsBottom;
    case alLeft: return dsLeft;
    case alRight: return dsRight;
    default: return dsTop;
  }
}

TdxDockControl::TdxDockControl(TComponent* AOwner) : TCustomControl(AOwner) { SetParentColor(true); }

TdxDockControl::~TdxDockControl() { SetBarManager(nullptr); }

void TdxDockControl::SetBarManager(TdxBarManager* Value) {
  if (FBarManager == Value) return;
  if (FBarManager) FBarManager->UnregisterDockControl(this);
  FBarManager = Value;
  if (FBarManager) FBarManager->RegisterDockControl(this);
  BarManagerChanged();
}

TdxBarDockingStyle TdxDockControl::DockingStyle() const { return DockingStyleOfAlign(Align()); }

bool TdxDockControl::IsHorizontal() const { return !IsVerticalDockingStyle(DockingStyle()); }

bool TdxDockControl::IsDesigning() const { return FBarManager && FBarManager->IsDesigning(); }

TRect TdxDockControl::ClientRect() const {
  if (HandleAllocated()) return TCustomControl::ClientRect();
  TRect r = TCustomControl::ClientRect();
  if (GetSunkenBorder()) InflateRect(r, -1, -1);
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

bool TdxDockControl::CanDocking(TdxBar*) const { return FAllowDocking; }

void TdxDockControl::UpdateColor() {
  if (!FBarManager || FBarManager->AutoDockColor()) {
    SetParentColor(true);
  } else {
    SetColor(FBarManager->DockColor());
  }
}

bool TdxDockControl::GetSunkenBorder() const { return FBarManager && FBarManager->SunkenBorder(); }

bool TdxDockControl::LayoutFrozen() const { return false; }

void TdxDockControl::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FBarManager) FBarManager = nullptr;
}

void TdxDockControl::AlignControls(TControl*, TRect&) {
  if (FBarManager && !FBarManager->IsLoading()) UpdateDock();
}

void TdxDockControl::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  Params.ExStyle = 0;
  Params.ClassStyle = CS_DBLCLKS;
}

void TdxDockControl::RecalcFrame() {
  if (HandleAllocated()) SetWindowPos(Handle(), HWND(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  for (const auto& row : FRows)
    for (int i = 0; i < row->ColCount(); ++i) row->Cols(i)->BarControl()->RecalcFrame();
  UpdateDock();
}

// --- messages -------------------------------------------------------------------------------------

// A double click on the empty site starts customising, where the manager allows it; a right
// click there shows the toolbars popup, unless customising.
void TdxDockControl::WndProc(TMessage& Message) {
  if (Message.Msg == WM_LBUTTONDBLCLK && FBarManager && FBarManager->CanCustomize()) {
    FBarManager->SetCustomizing(true);
    return;
  }
  TCustomControl::WndProc(Message);
  if (Message.Msg == WM_RBUTTONDOWN && FBarManager && !FBarManager->IsCustomizing())
    ShowToolbarsPopup(FBarManager, ClientToScreen(LParamToPoint(Message.LParam)));
}

void TdxDockControl::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TdxDockControl> kHandlers[] = {
      {WM_MOUSEACTIVATE, &TdxDockControl::WMMouseActivate},
      {WM_NCCALCSIZE, &TdxDockControl::WMNCCalcSize},
      {WM_NCPAINT, &TdxDockControl::WMNCPaint},
      {WM_WINDOWPOSCHANGED, &TdxDockControl::WMWindowPosChanged},
  };
  if (!DispatchTo(this, Message, kHandlers)) TCustomControl::Dispatch(Message);
}

// The site never takes the activation; its form comes to the top instead.
void TdxDockControl::WMMouseActivate(TMessage& Message) {
  Message.Result = MA_NOACTIVATE;
  if (IsDesigning() || !FBarManager || !FBarManager->OwnerForm()) return;
  TCustomForm* form = FBarManager->OwnerForm();
  if (form->HandleAllocated())
    SetWindowPos(form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TdxDockControl::WMNCCalcSize(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  if (!GetSunkenBorder()) return;
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam);
  InflateRect(params->rgrc[0], -1, -1);
}

void TdxDockControl::WMNCPaint(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  if (!GetSunkenBorder() || !HandleAllocated()) return;
  HDC dc = GetWindowDC(Handle());
  TRect r{0, 0, Width(), Height()};
  DrawEdge(dc, r, BDR_SUNKENOUTER, BF_RECT);
  ReleaseDC(Handle(), dc);
}

// A bottom site that moved or changed size frames again the bars that may show a size grip.
void TdxDockControl::WMWindowPosChanged(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
  if (!FBarManager || FRows.empty() || DockingStyle() != dsBottom || (pos->flags & SWP_NOMOVE && pos->flags & SWP_NOSIZE))
    return;
  WithUpdateLock(FBarManager, [this] {
    for (const auto& row : FRows)
      for (int i = 0; i < row->ColCount(); ++i) {
        TdxBarControl* window = row->Cols(i)->BarControl();
        if (window->Bar()->HasBottomSizeGripSpace() && window->Bar()->SizeGrip()) window->RecalcFrame();
      }
  });
}
