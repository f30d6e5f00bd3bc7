// Menus: TMenuItem (caption with "&" accelerators, "-" for a separator, short cut, checked and
// radio items, enabled, visible, sub-menus, OnClick or an action), TMainMenu, whose items' short
// cuts work on its form, and TPopupMenu, shown at a screen point in a non-activating window with
// its own keyboard and mouse loop, and opened by a right click on a control whose PopupMenu it is.
#pragma once

#include <memory>
#include <vector>

#include "classes/Component.h"
#include "controls/ShortCut.h"

class TMenu;
class TActionLink;
class TBasicAction;
class TControl;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;
  String ClassName() const override { return "TMenuItem"; }

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value) { FCaption = Value; }
  // A caption of "-" makes the item a separator line.
  bool IsLine() const { return FCaption == "-"; }
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value) { FShortCut = Value; }
  bool Checked() const { return FChecked; }
  // Checking a radio item unchecks the radio items of its group beside it.
  void SetChecked(bool Value);
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value) { FRadioItem = Value; }
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  // The action the item follows (caption, enabled, checked, visible, hint, short cut, image).
  TBasicAction* Action() const;
  void SetAction(TBasicAction* Value);

  // Sub-items; an item with sub-items opens a sub-menu instead of being chosen.
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int Index) const { return FItems.at(static_cast<size_t>(Index)); }
  void Add(TMenuItem* Item);
  void Insert(int Index, TMenuItem* Item);
  void Remove(TMenuItem* Item);
  // Frees the sub-items.
  void Clear();
  int IndexOf(const TMenuItem* Item) const;
  TMenuItem* Parent() const { return FParent; }
  // The item whose short cut this is, searched through the sub-items; nullptr when none.
  TMenuItem* FindShortCut(TShortCut Value);

  // Runs OnClick, or the action without one.
  virtual void Click();

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

  TNotifyEvent OnClick;

 private:
  friend class TMenu;
  void ActionChange(TBasicAction* Sender, bool CheckDefaults);

  String FCaption;
  TShortCut FShortCut = scNone;
  bool FChecked = false;
  bool FRadioItem = false;
  int FGroupIndex = 0;
  bool FEnabled = true;
  bool FVisible = true;
  String FHint;
  int FImageIndex = -1;
  std::unique_ptr<TActionLink> FActionLink;
  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;  // of the root item
};

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;
  String ClassName() const override { return "TMenu"; }
  // The root item, whose sub-items are the menu's items.
  TMenuItem* Items() const { return FItems.get(); }
  // Clicks the enabled, visible item whose short cut this is; answers whether one was found.
  bool IsShortCut(WORD Key, TShiftState Shift);
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

 private:
  std::unique_ptr<TMenuItem> FItems;
};

class TMainMenu : public TMenu {
 public:
  using TMenu::TMenu;
  String ClassName() const override { return "TMainMenu"; }
};

class TPopupMenu : public TMenu {
 public:
  using TMenu::TMenu;
  String ClassName() const override { return "TPopupMenu"; }

  // Shows the menu at a screen point and runs its loop until an item is chosen (it is clicked
  // after the menu has closed) or the menu is dismissed.
  virtual void Popup(int X, int Y);
  // A right click on a control whose PopupMenu this is opens it.
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  // The control the menu was last opened for by a right click.
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value);

  // Before the menu shows (items may be changed here).
  TNotifyEvent OnPopup;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  bool FAutoPopup = true;
  TComponent* FPopupComponent = nullptr;
};

// Runs a menu's loop over Items at a screen point; answers the item chosen (not yet clicked), or
// nullptr when the menu was dismissed. Owner is the window the menu belongs to.
TMenuItem* TrackPopupMenu(TMenuItem* Items, TPoint ScreenPoint, HWND Owner);
// Shows a control's popup menu for a right click; installed as the controls' popup handler.
bool PopupMenuHandler(TPopupMenu* Menu, TControl* Control, TPoint ScreenPoint);
