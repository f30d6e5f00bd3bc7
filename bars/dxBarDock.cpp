// Dock sites: their manager, side, colour and docking test.
#include "bars/dxBarDock.h"

#include "bars/dxBar.h"
#include "bars/dxBarManager.h"

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

bool TdxDockControl::IsHorizontal() const { return DockingStyle() == dsTop || DockingStyle() == dsBottom; }

bool TdxDockControl::CanDocking(TdxBar*) const { return FAllowDocking; }

void TdxDockControl::UpdateColor() {
  if (!FBarManager || FBarManager->AutoDockColor()) {
    SetParentColor(true);
  } else {
    SetColor(FBarManager->DockColor());
  }
}

void TdxDockControl::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FBarManager) FBarManager = nullptr;
}
