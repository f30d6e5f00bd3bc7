// Popup menu links: each binds a bar popup menu to a windowed control of the manager's form, so
// that a right-button release over the control, the Apps key or Shift+F10 opens that menu in
// place of the control's ordinary context menu. The manager keeps them in PopupMenuLinks.
#pragma once

#include <functional>

#include "bars/dxBarCommon.h"
#include "classes/Collection.h"
#include "windows/Messages.h"

class TComponent;
class TWinControl;
class TdxBarPopupMenuLink;

// Fired before the menu opens at (X, Y), the control's client coordinates, which the handler may
// move; AllowPopup false keeps the menu closed.
using TdxBarPopupMenuLinkActionEvent =
    std::function<void(TdxBarPopupMenuLink* Sender, int& X, int& Y, bool ClickedByMouse, bool& AllowPopup)>;

class TdxBarPopupMenuLink : public TCollectionItem {
 public:
  explicit TdxBarPopupMenuLink(TCollection* Collection);
  String ClassName() const override { return "TdxBarPopupMenuLink"; }
  // Copies Control and PopupMenu.
  void Assign(const TPersistent* Source) override;

  TdxBarManager* BarManager() const;
  TWinControl* Control() const { return FControl; }
  // A control whose form is not the manager's is stored as nullptr.
  void SetControl(TWinControl* Value);
  TdxBarPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TdxBarPopupMenu* Value);
  TdxBarPopupMenuLinkActionEvent OnAction;

  // A context menu asked for in Window (the control's window or a child's) at the screen point
  // Point, (-1, -1) from the keyboard: the control's own step first, then OnAction, then the menu
  // at the point (at the caret from the keyboard). Answers whether the request was taken.
  bool ShowPopup(HWND Window, TPoint Point);

 private:
  TWinControl* FControl = nullptr;
  TdxBarPopupMenu* FPopupMenu = nullptr;
};

// A context menu asked for in Wnd at the screen point Point ((-1, -1) from the keyboard): the
// first control up from Wnd asks the manager of its form to show its linked bar popup menu.
// Answers whether a link took the request.
bool ShowLinkedPopupMenu(HWND Wnd, TPoint Point);

class TdxBarPopupMenuLinks : public TCollection {
 public:
  explicit TdxBarPopupMenuLinks(TdxBarManager* Manager);
  String ClassName() const override { return "TdxBarPopupMenuLinks"; }
  TdxBarManager* BarManager() const { return FBarManager; }
  TdxBarPopupMenuLink* Add() { return static_cast<TdxBarPopupMenuLink*>(TCollection::Add()); }
  TdxBarPopupMenuLink* Items(int Index) const { return static_cast<TdxBarPopupMenuLink*>(TCollection::Items(Index)); }
  // The links of Control are tried in order until one takes the request (never while designing).
  bool ShowPopupForControl(TWinControl* Control, HWND Window, TPoint Point);
  // A control or popup menu that goes leaves every link that held it.
  void ComponentRemoved(const TComponent* AComponent);

 private:
  TdxBarManager* FBarManager;
};
