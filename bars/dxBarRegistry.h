// The module-wide registries of the command bars: the item kinds (which item class is shown by
// which item-control class, and which the designer offers), the live bar windows, the temporary
// items of the customising popups, the window holding menu mode, and the look-ups that climb
// from a window or a menu to its bar.
#pragma once

#include <functional>
#include <memory>
#include <typeindex>

#include "bars/dxBarCommon.h"
#include "classes/Properties.h"
#include "windows/Messages.h"

class TWinControl;

// An item-control class: its type and how to make one for a link.
struct TdxBarItemControlClass {
  std::type_index Type;
  std::function<std::unique_ptr<TdxBarItemControl>(TdxBarItemLink* Link)> Create;
};

template <class T>
TdxBarItemControlClass ItemControlClass() {
  return {typeid(T), [](TdxBarItemLink* Link) -> std::unique_ptr<TdxBarItemControl> {
            return std::make_unique<T>(Link);
          }};
}

struct TdxBarItemKind {
  const TClassInfo* ItemClass;
  TdxBarItemControlClass ControlClass;
  bool ShownInDesigner;
};

// Appends a kind (an item class listed already keeps its first record). The item class is
// registered for stored layouts beforehand, through RegisterClass.
void RegisterBarItemClass(const TClassInfo& ItemClass, TdxBarItemControlClass ControlClass, bool ShownInDesigner);
// Removes the first record of ItemClass; an unknown class is ignored. Stored layouts keep the
// class: the layout registry holds every class once registered for the life of the program.
void UnregisterBarItemClass(const TClassInfo& ItemClass);
int CountVisibleBarItemClasses();
// The Index-th kind shown in the designer, in registration order; nullptr when none.
const TClassInfo* GetVisibleBarItemClass(int Index);
// The kind registered for exactly the class of Item (no look-up through base classes).
const TdxBarItemKind* FindBarItemKind(const TdxBarItem& Item);

// The live bar windows: a window held across a message loop is checked here before use.
void AddBarControl(TCustomdxBarControl* Control);
void RemoveBarControl(TCustomdxBarControl* Control);
bool IsBarControlAlive(const TCustomdxBarControl* Control);
const std::vector<TCustomdxBarControl*>& LiveBarControls();

// The window that has the keyboard in menu mode, nullptr when none.
TCustomdxBarControl* ActiveBarControl();
void SetActiveBarControl(TCustomdxBarControl* Control);

// Items that popups make for their own menus; an item leaves the list when it is freed.
void AddInternalItem(TdxBarItem* Item);
void RemoveInternalItem(TdxBarItem* Item);
bool IsInternalItem(const TdxBarItem* Item);
// Frees, last first, every temporary item none of whose links has a view now.
void FreeIdleInternalItems();

// The window Control was opened from: its parent bar, or for a sub-menu the window holding the
// link it was opened through; nullptr for a root window.
TCustomdxBarControl* GetOpenerBarControl(const TCustomdxBarControl* Control);
// The window at the top of Control's menu chain: parents, and for a sub-menu the window holding
// the link it was opened from; it stops at a window being destroyed.
TCustomdxBarControl* GetRootBarControl(TCustomdxBarControl* Control);
// The same, but nullptr when the chain ends in a popup menu rather than a toolbar.
TCustomdxBarControl* GetRootToolbarControl(TCustomdxBarControl* Control);
TCustomdxBarControl* GetItemControlRootToolbar(const TdxBarItemControl* ItemControl);
// The control of Wnd, or of its nearest ancestor window that has one.
TWinControl* FindParentControlOfWindow(HWND Wnd);
// Parent is among Wnd's ancestors (Wnd itself is not).
bool IsParentWindow(HWND Wnd, HWND Parent);
// The deepest visible window under a screen point; an empty handle where there is none.
HWND WindowAtScreenPoint(TPoint Point);
// A toolbar window docked at the left or right edge.
bool IsVerticalBarControl(const TCustomdxBarControl* Control);
// A vertical toolbar whose bar rotates its captions.
bool IsRotatedBarControl(const TCustomdxBarControl* Control);
