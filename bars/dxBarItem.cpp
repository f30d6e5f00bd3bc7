// Items: manager and links, the property setters and what they tell the links' controls, the
// click path.
#include "bars/dxBarItem.h"

#include <algorithm>

#include "bars/dxBarCategories.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarUpdateLock.h"
#include "classes/Filer.h"
#include "controls/Application.h"
#include "controls/Forms.h"

namespace {

// The caption as the hint repeats it: the first "&" and the first "..." removed.
String CleanCaption(String Caption) {
  if (const size_t amp = Caption.find('&'); amp != String::npos) Caption.erase(amp, 1);
  if (const size_t dots = Caption.find("..."); dots != String::npos) Caption.erase(dots, 3);
  return Caption;
}

String ShortHintOf(const String& Hint) { return Hint.substr(0, Hint.find('|')); }

}  // namespace

TdxBarItem::TdxBarItem(TComponent* AOwner) : TComponent(AOwner), FGlyph(std::make_unique<TBitmap>()) {
  FGlyph->OnChange = [this](TObject*) { GlyphChanged(); };
  TdxBarManager* manager = ManagerOfForm(dynamic_cast<TCustomForm*>(AOwner));
  if (!manager) manager = dxBarManagerList().Items(0);
  SetBarManager(manager);
}

TdxBarItem::~TdxBarItem() {
  RemoveInternalItem(this);
  while (!FLinks.empty()) delete FLinks.back();
  if (FBarManager) FBarManager->UnregisterItem(this);
}

void TdxBarItem::BeforeDestruction() {
  if (OnDestroy) OnDestroy(this);
  TComponent::BeforeDestruction();
}

void TdxBarItem::SetBarManager(TdxBarManager* Value) {
  if (FBarManager == Value) return;
  if (FBarManager) FBarManager->UnregisterItem(this);
  FBarManager = Value;
  if (FBarManager) FBarManager->RegisterItem(this);
  BarManagerChanged();
}

TdxBarItemLink* TdxBarItem::Links(int Index) const {
  if (Index < 0 || Index >= LinkCount()) return nullptr;
  return FLinks[static_cast<size_t>(Index)];
}

void TdxBarItem::AddLink(TdxBarItemLink* Link) { FLinks.push_back(Link); }

void TdxBarItem::RemoveLink(TdxBarItemLink* Link) { std::erase(FLinks, Link); }

bool TdxBarItem::IsDesigning() const { return FBarManager && FBarManager->IsDesigning(); }

void TdxBarItem::ItemChanged() {
  if (FBarManager) FBarManager->ItemChanged(this);
}

void TdxBarItem::SetAlign(TdxBarItemAlign Value) {
  if (FAlign == Value) return;
  FAlign = Value;
  UpdateBars();
}

// The hint follows the caption while the user has not given it a short part of its own.
void TdxBarItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  const bool hintFollows = !dynamic_cast<TCustomdxBarSubItem*>(this) &&
                           (FHint.empty() || ShortHintOf(FHint) == CleanCaption(FCaption));
  FCaption = Value;
  if (IsLoading()) return;
  if (hintFollows) {
    const size_t bar = FHint.find('|');
    FHint = bar == String::npos ? CleanCaption(Value) : CleanCaption(Value) + "|" + FHint.substr(bar + 1);
  }
  CaptionChanged();
}

void TdxBarItem::SetCategory(int Value) {
  if (FCategory == Value) return;
  if (IsLoading()) {
    FCategory = Value;
    return;
  }
  if (!FBarManager || Value < 0 || Value >= FBarManager->Categories()->Count()) return;
  FCategory = Value;
  ItemChanged();
}

void TdxBarItem::SetDescription(const String& Value) {
  if (FDescription == Value) return;
  FDescription = Value;
  ItemChanged();
}

bool TdxBarItem::Enabled() const {
  if (FBarManager && !FBarManager->IsDesigning() && FBarManager->IsCustomizing() && FCategory >= 0) return true;
  return FEnabled;
}

void TdxBarItem::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  if (!IsLoading()) EnabledChanged();
}

void TdxBarItem::SetHelpContext(int Value) { FHelpContext = Value; }

void TdxBarItem::SetHint(const String& Value) { FHint = Value; }

void TdxBarItem::SetVisible(TdxBarItemVisible Value) {
  if (IsLoading()) {
    FLoadedVisible = Value;
    return;
  }
  if (FVisible == Value) return;
  FVisible = Value;
  VisibleChanged();
}

void TdxBarItem::ApplyLoadedVisible() {
  if (FVisible == FLoadedVisible) return;
  FVisible = FLoadedVisible;
  VisibleChanged();
}

void TdxBarItem::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  GlyphChanged();
}

void TdxBarItem::SetShortCut(TShortCut Value) {
  if (FShortCut == Value) return;
  FShortCut = Value;
  if (!IsLoading()) ShortCutChanged();
}

bool TdxBarItem::VisibleOnScreen() const {
  return FVisible == ivAlways || (FVisible == ivInCustomizing && FBarManager && FBarManager->IsCustomizing());
}

bool TdxBarItem::IsAvailable() const { return IsDesigning() || VisibleOnScreen(); }

void TdxBarItem::Click() {
  if (CanClick()) DirectClick();
}

void TdxBarItem::DirectClick() {
  if (!Enabled()) return;
  try {
    if (FBarManager) FBarManager->DoClickItem(this);
    DoClick();
  } catch (...) {
    if (!Application) throw;
    Application->HandleException(this, std::current_exception());
  }
}

void TdxBarItem::DoClick() {
  if (OnClick && !(FActionLink && FActionLink->IsOnExecuteLinked())) {
    OnClick(this);
    return;
  }
  if (!IsDesigning() && FActionLink) FActionLink->Execute(this);
}

bool TdxBarItem::IsAccelAvailable(const TdxBarItemLink*) const { return Enabled(); }

void TdxBarItem::CaptionChanged() {
  for (TdxBarItemLink* link : FLinks)
    if (link->Control() && !(link->UserDefine() & UserDefineBit(udCaption))) link->Control()->CaptionChanged();
  ItemChanged();
}

void TdxBarItem::EnabledChanged() {
  for (TdxBarItemLink* link : FLinks)
    if (link->Control()) link->Control()->EnabledChanged();
}

void TdxBarItem::GlyphChanged() {
  for (TdxBarItemLink* link : FLinks)
    if (link->Control() && !(link->UserDefine() & UserDefineBit(udGlyph))) link->Control()->GlyphChanged();
  ItemChanged();
}

void TdxBarItem::ShortCutChanged() {
  for (TdxBarItemLink* link : FLinks)
    if (link->Control()) link->Control()->ShortCutChanged();
  ItemChanged();
}

void TdxBarItem::Update() {
  for (TdxBarItemLink* link : FLinks)
    if (link->Control()) link->Control()->Repaint();
}

void TdxBarItem::UpdateBars() {
  std::vector<TCustomdxBarControl*> windows;
  for (TdxBarItemLink* link : FLinks) {
    TCustomdxBarControl* window = link->Control() ? link->Control()->Parent() : nullptr;
    if (window && std::find(windows.begin(), windows.end(), window) == windows.end()) windows.push_back(window);
  }
  for (TCustomdxBarControl* window : windows) window->RecalcLayout();
}

// Under the manager's update lock each link's lists follow; a link that shows again counts as
// used (without a count) and gets its control back, a hidden one loses it.
void TdxBarItem::VisibleChanged() {
  if (IsDesigning()) return;
  WithUpdateLock(FBarManager, [this] {
    const bool shown = VisibleOnScreen();
    for (TdxBarItemLink* link : std::vector<TdxBarItemLink*>(FLinks)) {
      link->Links()->RebuildLists();
      if (shown) {
        link->MarkUsed(false);
        if (!link->Control() && link->VisibleIndex() >= 0) link->CreateControl();
        if (link->Control()) link->Control()->VisibleChanged();
      } else if (TdxBarItemControl* control = link->Control()) {
        control->VisibleChanged();
        link->FreeControl();
      }
    }
  });
  if (FBarManager) ItemChanged();
}

TComponent* TdxBarItem::GetParentComponent() const { return HasParent() ? FBarManager : nullptr; }

void TdxBarItem::SetParentComponent(TComponent* Value) {
  if (auto* manager = dynamic_cast<TdxBarManager*>(Value)) SetBarManager(manager);
}

void TdxBarItem::SetName(const String& NewName) {
  TComponent::SetName(NewName);
  ItemChanged();
}

void TdxBarItem::Loaded() {
  TComponent::Loaded();
  ApplyLoadedVisible();
  if (TBasicAction* action = Action()) ActionChange(action, true);
}

void TdxBarItem::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent && AComponent == Action()) SetAction(nullptr);
}

void TdxBarItem::ReadState(TReader& Reader) {
  if (auto* manager = dynamic_cast<TdxBarManager*>(Reader.Parent())) SetBarManager(manager);
  TComponent::ReadState(Reader);
}
