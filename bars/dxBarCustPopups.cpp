// The toolbars popup and the customizing popup of a link.
#include "bars/dxBarCustPopups.h"

#include <utility>

#include "bars/dxBar.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarCustForm.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "controls/Application.h"
#include "controls/Forms.h"
#include "windows/MessageQueue.h"
#include "windows/Services.h"

namespace {

constexpr int kCustomizeEntry = 1000;
constexpr int kPaintStyleGroup = -1000;

// The entries of the customizing popup, by Tag.
enum { kReset, kDelete, kName, kDefaultStyle, kTextOnly, kTextInMenus, kImageAndText, kBeginGroup, kVisible, kRecent };

void ToggleBar(TdxBarManager* Manager, int Index) {
  if (Index >= Manager->Bars()->Count()) return;
  TdxBar* bar = Manager->Bars()->Items(Index);
  bar->SetVisible(!bar->Visible());
}

// The open customizing popup, and the link it edits: that stays set after the popup closes, for the
// command of the entry that closed it.
struct TCustomizingPopupState {
  TdxBarCustomizingPopup* Popup = nullptr;
  TdxBarItemLink* Link = nullptr;
};

TCustomizingPopupState& PopupState() {
  static TCustomizingPopupState state;
  return state;
}

// The command of an entry, on the link customised (the popup has closed by now); the link is not
// kept afterwards.
void RunCustomizingPopupCommand(int Tag) {
  TdxBarItemLink* link = std::exchange(PopupState().Link, nullptr);
  if (!link) return;
  switch (Tag) {
    case kReset: link->SetUserDefine(0); break;
    case kDelete: delete link; break;
    case kDefaultStyle:
    case kTextOnly:
    case kTextInMenus:
    case kImageAndText: link->SetUserPaintStyle(static_cast<TdxBarPaintStyle>(Tag - kDefaultStyle)); break;
    case kBeginGroup: link->SetBeginGroup(!link->OwnBeginGroup()); break;
    case kVisible: link->SetVisible(!link->Visible()); break;
    case kRecent: link->SetMostRecentlyUsed(!link->MostRecentlyUsed()); break;
    default: break;
  }
}

}  // namespace

// --- menus with links of their own ------------------------------------------------------------------

TdxBarOwnLinksMenu::TdxBarOwnLinksMenu(TdxBarManager* Manager) : TdxBarSubMenuControl(Manager) {
  FreeIdleInternalItems();
  FLinks = std::make_unique<TdxBarItemLinks>(Manager, this);
  FLinks->SetUseRecentItems(false);
  SetItemLinks(FLinks.get());
}

// The views go before the links: the window base must not reach links that are gone.
TdxBarOwnLinksMenu::~TdxBarOwnLinksMenu() {
  DestroyControls();
  FLinks->SetBarControl(nullptr);
  SetItemLinks(nullptr);
}

void AddTemporaryEntry(TdxBarItemLinks* Links, TdxBarItem* Item, const String& Caption, int Tag, bool BeginGroup) {
  AddInternalItem(Item);
  Item->SetCaption(Caption);
  Item->SetTag(Tag);
  TdxBarItemLink* link = Links->Add();
  link->SetItem(Item);
  link->SetBeginGroup(BeginGroup);
}

void AddCustomizeEntry(TdxBarManager* Manager, TdxBarItemLinks* Links, TdxBarButton* Entry, bool BeginGroup) {
  AddTemporaryEntry(Links, Entry, dxBarLoadStr(sdxBarCustomizeEntry), kCustomizeEntry, BeginGroup);
  Entry->SetEnabled(CustomizingForm() == nullptr);
  Entry->OnClick = [Manager](TObject*) { Manager->SetCustomizing(true); };
}

// --- the toolbars popup ---------------------------------------------------------------------------------

TdxBarToolbarsPopup::TdxBarToolbarsPopup(TdxBarManager* Manager) : TdxBarOwnLinksMenu(Manager) {
  TdxBars* bars = Manager->Bars();
  for (int i = 0; i < bars->Count(); ++i) {
    TdxBar* bar = bars->Items(i);
    if (!bar->AllowClose() || bar->IsMainMenu() || bar->Hidden()) continue;
    auto* entry = AddEntry<TdxBarButton>(bar->Caption(), i, false);
    entry->SetButtonStyle(bsChecked);
    entry->SetDown(bar->Visible());
    // The popup is gone by the time the command runs: the entry knows its manager and bar.
    entry->OnClick = [Manager, i](TObject*) { ToggleBar(Manager, i); };
  }
  Manager->DoShowToolbarsPopup(ItemLinks());
  if (Manager->CanCustomize() && ItemLinks()->Count() > 0)
    AddCustomizeEntry(Manager, ItemLinks(), new TdxBarButton(Manager->OwnerForm()), true);
}

void ShowToolbarsPopup(TdxBarManager* Manager, TPoint P) {
  auto* popup = new TdxBarToolbarsPopup(Manager);
  if (popup->ItemLinks()->Count() == 0) {
    delete popup;
    return;
  }
  popup->Popup(P.X, P.Y);
}

// --- the customizing popup --------------------------------------------------------------------------

TdxBarItemLink* CustomizingPopupLink() { return PopupState().Link; }
TdxBarCustomizingPopup* CustomizingPopup() { return PopupState().Popup; }

TdxBarCustomizingPopup::TdxBarCustomizingPopup(TdxBarManager* Manager) : TdxBarOwnLinksMenu(Manager) {
  const auto button = [this](int Tag, int Text, bool Group) {
    auto* entry = AddEntry<TdxBarButton>(dxBarLoadStr(Text), Tag, Group);
    entry->OnClick = [Tag](TObject*) { RunCustomizingPopupCommand(Tag); };
    return entry;
  };
  const auto check = [&](int Tag, int Text, bool Group, int RadioGroup) {
    TdxBarButton* entry = button(Tag, Text, Group);
    entry->SetButtonStyle(bsChecked);
    entry->SetGroupIndex(RadioGroup);
  };
  button(kReset, sdxBarPopupReset, false);
  button(kDelete, sdxBarPopupDelete, false);
  auto* name = AddEntry<TdxBarEdit>(dxBarLoadStr(sdxBarPopupName), kName, true);
  name->SetShowCaption(true);
  check(kDefaultStyle, sdxBarPopupDefaultStyle, true, kPaintStyleGroup);
  check(kTextOnly, sdxBarPopupTextOnlyAlways, false, kPaintStyleGroup);
  check(kTextInMenus, sdxBarPopupTextOnlyInMenus, false, kPaintStyleGroup);
  check(kImageAndText, sdxBarPopupImageAndText, false, kPaintStyleGroup);
  check(kBeginGroup, sdxBarPopupBeginGroup, true, 0);
  if (Manager->IsDesigning()) {
    check(kVisible, sdxBarPopupVisible, false, 0);
    if (Manager->Style() != bmsStandard) check(kRecent, sdxBarPopupMostRecentlyUsed, false, 0);
  }
  PopupState().Popup = this;
  OnCloseMenu = [this](TObject*) { ClearLinkSelection(); };
  Manager->DoShowCustomizingPopup(ItemLinks());
}

TdxBarCustomizingPopup::~TdxBarCustomizingPopup() {
  if (PopupState().Popup == this) PopupState().Popup = nullptr;
}

TdxBarItem* TdxBarCustomizingPopup::Entry(int Tag) const {
  for (int i = 0; i < ItemLinks()->Count(); ++i)
    if (TdxBarItem* item = ItemLinks()->Items(i)->Item(); item && item->Tag() == Tag) return item;
  return nullptr;
}

TdxBarItemLink* TdxBarCustomizingPopup::Link() const { return PopupState().Link; }

// The paint styles apply to buttons only; a link of another kind shows the default style down.
void TdxBarCustomizingPopup::SetLink(TdxBarItemLink* Link) {
  PopupState().Link = Link;
  auto* name = static_cast<TdxBarEdit*>(Entry(kName));
  name->OnChange = nullptr;
  name->SetText(Link->Caption());
  name->OnChange = [this](TObject*) { NameChanged(); };
  const bool button = dynamic_cast<TdxBarButton*>(Link->Item()) != nullptr;
  const int style = button ? static_cast<int>(Link->PaintStyle()) : 0;
  for (int tag = kDefaultStyle; tag <= kImageAndText; ++tag) {
    auto* entry = static_cast<TdxBarButton*>(Entry(tag));
    entry->SetEnabled(button);
    if (tag - kDefaultStyle == style) entry->SetDown(true);
  }
  auto* group = static_cast<TdxBarButton*>(Entry(kBeginGroup));
  group->SetEnabled(Link->Index() > 0);
  group->SetDown(Link->OwnBeginGroup());
  if (auto* visible = static_cast<TdxBarButton*>(Entry(kVisible))) visible->SetDown(Link->Visible());
  if (auto* recent = static_cast<TdxBarButton*>(Entry(kRecent))) recent->SetDown(Link->MostRecentlyUsed());
}

// A blank name is refused once the edit has finished with it, which closes the popup: the window
// of the link shows the message then, and the caption stays.
void TdxBarCustomizingPopup::NameChanged() {
  TdxBarItemLink* link = Link();
  const String text = static_cast<TdxBarEdit*>(Entry(kName))->Text();
  if (!link) return;
  if (!text.empty()) {
    link->SetUserCaption(text);
    return;
  }
  TCustomdxBarControl* window = link->Links()->BarControl();
  if (window && window->HandleAllocated()) PostMessage(window->Handle(), WM_DXBAR_REFUSEBLANKNAME, 0, 0);
}

void RefuseBlankLinkName(TCustomdxBarControl* Window) {
  if (TdxBarCustomizingPopup* popup = CustomizingPopup()) popup->CloseMenus();
  TdxBarManager* manager = Window->BarManager();
  MessageBox(manager ? manager->DialogOwnerWindow() : HWND(), dxBarLoadStr(sdxBarBlankName), Application->Title(),
             MB_OK | MB_ICONERROR);
}

// The link's view in its window is no longer shown selected.
void TdxBarCustomizingPopup::ClearLinkSelection() {
  TdxBarItemLink* link = Link();
  TCustomdxBarControl* window = link ? link->Links()->BarControl() : nullptr;
  if (!window || !link->Control() || window->SelectedControl() != link->Control()) return;
  window->SetSelected(nullptr);
}

void ShowCustomizingPopup(TdxBarItemLink* Link, TPoint P) {
  auto* popup = new TdxBarCustomizingPopup(Link->BarManager());
  popup->SetLink(Link);
  popup->Popup(P.X, P.Y);
}
