// Sub items and container items: the menu a sub item owns, its detaching bar, and the links a
// list or container item generates where it is placed.
#include "bars/dxBar.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "controls/Forms.h"

// --- sub item ------------------------------------------------------------------------------------

TCustomdxBarSubItem::TCustomdxBarSubItem(TComponent* AOwner)
    : TdxBarItem(AOwner), FItemLinks(std::make_unique<TdxBarItemLinks>(BarManager(), this)) {}

TCustomdxBarSubItem::~TCustomdxBarSubItem() {
  SetDetachingBar(-1);
  FItemLinks.reset();
}

void TCustomdxBarSubItem::SetItemLinks(const TdxBarItemLinks* Value) { FItemLinks->Assign(Value); }

void TCustomdxBarSubItem::SetBarSize(int Value) { FBarSize = Value < 0 ? 0 : Value; }

void TCustomdxBarSubItem::SetShowCaption(bool Value) {
  if (FShowCaption == Value) return;
  FShowCaption = Value;
  UpdateBars();
}

void TCustomdxBarSubItem::SetDetachingBar(int Value) {
  TdxBarManager* manager = BarManager();
  const int barCount = manager && manager->Bars() ? manager->Bars()->Count() : 0;
  if (Value < -1 || Value >= barCount) Value = -1;
  if (FDetachingBar == Value) return;
  if (FDetachingBar >= 0 && FDetachingBar < barCount)
    std::erase(manager->Bars()->Items(FDetachingBar)->DetachingSubItems(), this);
  FDetachingBar = Value;
  if (Value >= 0) manager->Bars()->Items(Value)->DetachingSubItems().push_back(this);
}

bool TCustomdxBarSubItem::CanContainItem(const TdxBarItem* Item) const {
  if (Item == this) return false;
  auto* subItem = dynamic_cast<const TCustomdxBarSubItem*>(Item);
  return !subItem || !subItem->ItemLinks()->HasItem(this);
}

void TCustomdxBarSubItem::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

void TCustomdxBarSubItem::Popup() {
  if (OnPopup) OnPopup(this);
}

void TCustomdxBarSubItem::PaintBar(TCanvas* Canvas, const TRect& R) {
  if (OnPaintBar) OnPaintBar(this, Canvas, R);
}

void TCustomdxBarSubItem::BarManagerChanged() {
  if (FItemLinks) FItemLinks->SetBarManager(BarManager());
}

// --- containers ----------------------------------------------------------------------------------

void TCustomdxBarContainerItem::AddListedItemLinks(TdxBarItemLinks*, int, TdxBarItemLink*, bool FireGetData) {
  PrepareItemList(FireGetData);
}

void TCustomdxBarContainerItem::DeleteListedItemLinks(TdxBarItemLinks*, int) {}

void TCustomdxBarContainerItem::PrepareItemList(bool FireGetData) {
  if (FItemListStale) {
    ClearItemList();
    FItemListStale = false;
  }
  if (FireGetData && OnGetData) OnGetData(this);
}

TdxBarItemLink* TCustomdxBarContainerItem::InsertListedLink(TdxBarItemLinks* Target, int Index, TdxBarItem* Item,
                                                             TdxBarItemLink* SourceLink, bool BeginGroup) {
  TdxBarItemLink* link = Target->Add();
  link->SetIndex(Index);
  link->SetItem(Item);
  link->SetSourceLink(SourceLink);
  if (SourceLink) link->CopyUsage(SourceLink);
  link->SetBeginGroup(BeginGroup);
  link->CreateControl();
  return link;
}

void TdxBarContainerItem::AddListedItemLinks(TdxBarItemLinks* Target, int Index, TdxBarItemLink* SourceLink,
                                             bool FireGetData) {
  PrepareItemList(FireGetData);
  if (Target == ItemLinks()) return;
  for (int i = 0; i < ItemLinks()->Count(); ++i) {
    TdxBarItemLink* own = ItemLinks()->Items(i);
    const bool beginGroup = i == 0 ? BeginGroupFirst() : own->OwnBeginGroup();
    InsertListedLink(Target, Index + i, own->Item(), SourceLink, beginGroup);
  }
}

void TdxBarContainerItem::DeleteListedItemLinks(TdxBarItemLinks* Target, int Index) {
  if (Target == ItemLinks()) return;
  for (int i = 0; i < ItemLinks()->Count() && Index < Target->Count(); ++i) delete Target->Items(Index);
}

// --- list item -----------------------------------------------------------------------------------

namespace {

bool IsSeparator(const String& Line) { return Line == "-"; }

}  // namespace

TdxBarListItem::TdxBarListItem(TComponent* AOwner)
    : TCustomdxBarContainerItem(AOwner), FItems(std::make_unique<TStringList>()) {
  FItems->OnChange = [this](TObject*) { MarkItemListStale(); };
}

TdxBarListItem::~TdxBarListItem() {
  for (TdxBarButton* button : std::vector<TdxBarButton*>(FButtons))
    if (button) button->Free();
}

void TdxBarListItem::SetItemIndex(int Value) {
  if (Value < -1 || Value >= FItems->Count()) Value = -1;
  FItemIndex = Value;
}

int TdxBarListItem::DataIndex() const {
  int position = 0;
  for (int i = 0; i < FItems->Count(); ++i) {
    if (IsSeparator(FItems->Strings(i))) continue;
    if (i == FItemIndex) return position;
    ++position;
  }
  return -1;
}

void TdxBarListItem::SetDataIndex(int Value) {
  int position = 0;
  for (int i = 0; i < FItems->Count(); ++i) {
    if (IsSeparator(FItems->Strings(i))) continue;
    if (position++ == Value) {
      FItemIndex = i;
      return;
    }
  }
  FItemIndex = -1;
}

String TdxBarListItem::HotKeyText(int Number) {
  return Number <= 9 ? String(1, static_cast<char>('0' + Number)) : String(1, static_cast<char>('A' + Number - 10));
}

TdxBarButton* TdxBarListItem::GeneratedButton(int LineIndex) const {
  if (LineIndex < 0 || LineIndex >= static_cast<int>(FButtons.size())) return nullptr;
  return FButtons[static_cast<size_t>(LineIndex)];
}

// Made once and reused; its look is brought up to date at every expansion.
TdxBarButton* TdxBarListItem::ButtonForLine(int LineIndex, int Number) {
  if (static_cast<int>(FButtons.size()) <= LineIndex) FButtons.resize(static_cast<size_t>(LineIndex) + 1, nullptr);
  TdxBarButton*& button = FButtons[static_cast<size_t>(LineIndex)];
  if (!button) {
    TComponent* form = BarManager() ? static_cast<TComponent*>(BarManager()->OwnerForm()) : Owner();
    button = new TdxBarButton(form);
    button->FreeNotification(this);
    FreeNotification(button);
    button->OnClick = [this, tag = LineIndex](TObject*) {
      SetItemIndex(tag);
      DirectClick();
    };
  }
  String text;
  GetDisplayText(FItems->Strings(LineIndex), text);
  button->SetButtonStyle(FShowCheck ? bsChecked : bsDefault);
  button->SetDown(FShowCheck && LineIndex == FItemIndex);
  button->SetCaption(FShowNumbers ? "&" + HotKeyText(Number) + " " + text : text);
  button->SetTag(LineIndex);
  button->SetEnabled(Enabled());
  return button;
}

// Each line but a separator gets a link; a separator makes the next link begin a group.
void TdxBarListItem::AddListedItemLinks(TdxBarItemLinks* Target, int Index, TdxBarItemLink* SourceLink,
                                        bool FireGetData) {
  PrepareItemList(FireGetData);
  bool beginGroup = BeginGroupFirst();
  int position = Index, number = 0;
  for (int i = 0; i < FItems->Count(); ++i) {
    if (IsSeparator(FItems->Strings(i))) {
      beginGroup = true;
      continue;
    }
    InsertListedLink(Target, position++, ButtonForLine(i, ++number), SourceLink, beginGroup);
    beginGroup = false;
  }
}

void TdxBarListItem::DeleteListedItemLinks(TdxBarItemLinks* Target, int Index) {
  for (int i = 0; i < FItems->Count(); ++i) {
    if (IsSeparator(FItems->Strings(i)) || Index >= Target->Count()) continue;
    delete Target->Items(Index);
  }
}

void TdxBarListItem::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomdxBarContainerItem::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  for (TdxBarButton*& button : FButtons)
    if (button == AComponent) button = nullptr;
}

void TdxBarListItem::ClearItemList() {
  for (const TdxBarButton* button : FButtons)
    if (button && button->LinkCount() > 0) return;
  for (TdxBarButton* button : std::vector<TdxBarButton*>(FButtons))
    if (button) button->Free();
  FButtons.clear();
}
