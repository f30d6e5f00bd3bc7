// The two menus the bars show for customising: the toolbars popup (a right click on a dock site
// or a bar: one check entry per bar that may be hidden and the customize entry) and the
// customizing popup of one link (a right click on a link while customising: reset, delete, name,
// paint style, group, visibility). Their entries are temporary items of the manager's form.
#pragma once

#include <memory>

#include "bars/dxBarManager.h"
#include "bars/dxBarSubMenu.h"

class TdxBarButton;

// A menu that owns the links of its entries and never customises, so that its entries act as
// commands even while the manager customises.
class TdxBarOwnLinksMenu : public TdxBarSubMenuControl {
 public:
  explicit TdxBarOwnLinksMenu(TdxBarManager* Manager);
  ~TdxBarOwnLinksMenu() override;
  bool IsCustomizing() const override { return false; }

 protected:
  // A temporary button (or edit) of the manager's form linked into the menu.
  template <class T>
  T* AddEntry(const String& Caption, int Tag, bool BeginGroup) {
    auto* item = new T(BarManager()->OwnerForm());
    AddTemporaryEntry(ItemLinks(), item, Caption, Tag, BeginGroup);
    return item;
  }

 private:
  std::unique_ptr<TdxBarItemLinks> FLinks;
};

class TdxBarToolbarsPopup : public TdxBarOwnLinksMenu {
 public:
  // A check entry per bar the user may close, then what OnShowToolbarsPopup adds, then the
  // customize entry (when there are entries and the manager CanCustomize).
  explicit TdxBarToolbarsPopup(TdxBarManager* Manager);
  String ClassName() const override { return "TdxBarToolbarsPopup"; }
};

// Shows the toolbars popup with its top-left corner at the screen point P; a popup without
// entries is not shown.
void ShowToolbarsPopup(TdxBarManager* Manager, TPoint P);

class TdxBarCustomizingPopup : public TdxBarOwnLinksMenu {
 public:
  // The entries Tag 0 to 7, and at design time "&Visible" and (but in the standard style) "&Most
  // recently used"; then OnShowCustomizingPopup.
  explicit TdxBarCustomizingPopup(TdxBarManager* Manager);
  ~TdxBarCustomizingPopup() override;
  String ClassName() const override { return "TdxBarCustomizingPopup"; }
  // The entries take the link's state.
  void SetLink(TdxBarItemLink* Link);
  TdxBarItemLink* Link() const;

 private:
  void NameChanged();
  void ClearLinkSelection();
  TdxBarItem* Entry(int Tag) const;
};

// The link being customised by the open popup (nullptr when none), and that popup.
TdxBarItemLink* CustomizingPopupLink();
TdxBarCustomizingPopup* CustomizingPopup();
// The window of the customised link was told that the name entry was left blank: the popup
// closes and the message shows.
void RefuseBlankLinkName(TCustomdxBarControl* Window);
// Opens the customizing popup for Link with its corner at the screen point P.
void ShowCustomizingPopup(TdxBarItemLink* Link, TPoint P);

// Item (made for the manager's form) becomes a temporary item with Caption and Tag, linked at the
// end of Links.
void AddTemporaryEntry(TdxBarItemLinks* Links, TdxBarItem* Item, const String& Caption, int Tag, bool BeginGroup);
// The manager's closing entry of its toolbar menus: "&Customize..." (Tag 1000), disabled while the
// Customize dialog is open; a click makes the manager customise.
void AddCustomizeEntry(TdxBarManager* Manager, TdxBarItemLinks* Links, TdxBarButton* Entry, bool BeginGroup);
