// The bar window base, the toolbar and menu windows, and the item-control base.
#include "bars/dxBarControls.h"

#include "bars/dxBar.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "windows/Paint.h"

TCustomdxBarControl::TCustomdxBarControl(TdxBarManager* Manager) : TCustomControl(nullptr), FBarManager(Manager) {
  SetColor(clBtnFace);
  TControlStyle style = ControlStyle() & ~csCaptureMouse;
  const bool doubleClicks = Manager && (Manager->Style() != bmsStandard || Manager->IsCustomizing());
  SetControlStyle(doubleClicks ? (style | csDoubleClicks) : (style & ~csDoubleClicks));
  SetVisible(false);
  SetBounds(100, 100, 50, 30);
  AddBarControl(this);
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

void TCustomdxBarControl::CreateControls() {
  if (!FItemLinks) return;
  for (int i = 0; i < FItemLinks->VisibleItemCount(); ++i) FItemLinks->VisibleItems(i)->CreateControl();
}

void TCustomdxBarControl::DestroyControls() {
  if (!FItemLinks) return;
  FDestroyingControls = true;
  FSelectedControl = nullptr;
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
  const TRect r = Control->ItemLink()->ItemRect();
  InvalidateRect(Handle(), &r, false);
}

void TCustomdxBarControl::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_DXBAR_RECALCLAYOUT) {
    RecalcLayout();
    return;
  }
  TCustomControl::Dispatch(Message);
}

TdxBarControl::TdxBarControl(TdxBar* Bar) : TCustomdxBarControl(Bar->BarManager()), FBar(Bar) {}

TdxBarItemControl::TdxBarItemControl(TdxBarItemLink* Link)
    : FItemLink(Link), FParent(Link->Links()->BarControl()) {}

TdxBarItemControl::~TdxBarItemControl() {
  if (FParent && FParent->SelectedControl() == this) FParent->SetSelectedControl(nullptr);
  TdxBarManager* manager = FItemLink->BarManager();
  if (manager && manager->SelectedItemControl() == this) manager->SetSelectedItemControl(nullptr);
}

TdxBarItem* TdxBarItemControl::Item() const { return FItemLink->Item(); }

void TdxBarItemControl::EnabledChanged() {
  if (!IsEnabled() && FParent && FParent->SelectedControl() == this) FParent->SetSelectedControl(nullptr);
  Repaint();
}

void TdxBarItemControl::ShortCutChanged() {
  if (dynamic_cast<TdxBarSubMenuControl*>(FParent)) RelayoutParent();
}

void TdxBarItemControl::Repaint() {
  if (FParent) FParent->RepaintItem(this);
}

String TdxBarItemControl::GetCaption() const { return FItemLink->Caption(); }

bool TdxBarItemControl::IsEnabled() const { return Item() && Item()->Enabled(); }

String TdxBarItemControl::GetHint() const { return Item() ? Item()->Hint() : String(); }

TShortCut TdxBarItemControl::GetShortCut() const { return Item() ? Item()->ShortCut() : TShortCut(0); }

void TdxBarItemControl::RelayoutParent() {
  if (FParent && !FParent->Locked()) FParent->RecalcLayout();
}
