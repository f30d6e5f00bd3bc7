// The windows that show item links and the views of single links in them: TCustomdxBarControl
// (the base of toolbar and menu windows, holding one item-link collection and its selection),
// TdxBarControl (a bar's toolbar window), TdxBarSubMenuControl (a menu window), and
// TdxBarItemControl with the view class of each item kind. Layout, painting and input of these
// windows build on the members here.
#pragma once

#include "bars/dxBarCommon.h"
#include "controls/CustomControl.h"
#include "controls/ShortCut.h"

class TdxBarItemControl;

// WM_USER + 1: posted by item links when usage changed what a window shows; re-lays it out.
enum : UINT { WM_DXBAR_RECALCLAYOUT = WM_USER + 1 };

class TCustomdxBarControl : public TCustomControl {
 public:
  // Hidden, button-face coloured, listed among the live bar windows.
  explicit TCustomdxBarControl(TdxBarManager* Manager);
  ~TCustomdxBarControl() override;
  String ClassName() const override { return "TCustomdxBarControl"; }

  TdxBarManager* BarManager() const { return FBarManager; }
  TdxBarItemLinks* ItemLinks() const { return FItemLinks; }
  // The links whose window this is; the links forget the window when it goes.
  void SetItemLinks(TdxBarItemLinks* Value);
  // The bar window this one was opened from (nullptr for a root window).
  TCustomdxBarControl* ParentBar() const { return FParentBar; }
  void SetParentBar(TCustomdxBarControl* Value) { FParentBar = Value; }
  // The side the window is docked on; dsNone for menus and floating toolbars.
  TdxBarDockingStyle DockingStyle() const { return FDockingStyle; }
  virtual void SetDockingStyle(TdxBarDockingStyle Value) { FDockingStyle = Value; }
  TdxBarItemControl* SelectedControl() const { return FSelectedControl; }
  void SetSelectedControl(TdxBarItemControl* Value) { FSelectedControl = Value; }
  // A locked window neither repaints its controls nor lays them out.
  bool Locked() const { return FLocked; }
  void SetLocked(bool Value);
  bool IsDestroying() const { return (ComponentState() & csDestroying) != 0; }
  bool IsCustomizing() const;

  // A control for every visible link, and their release.
  virtual void CreateControls();
  virtual void DestroyControls();
  bool DestroyingControls() const { return FDestroyingControls; }
  // Places the controls anew; the toolbar and menu windows do the layout.
  virtual void RecalcLayout() {}
  // The manager's look changed (style, sizes, fonts): controls and layout are made again.
  virtual void RebuildBar();
  // Repaints the rectangle of a control's link.
  void RepaintItem(const TdxBarItemControl* Control);

 protected:
  void Dispatch(TMessage& Message) override;

 private:
  TdxBarManager* FBarManager;
  TdxBarItemLinks* FItemLinks = nullptr;
  TCustomdxBarControl* FParentBar = nullptr;
  TdxBarItemControl* FSelectedControl = nullptr;
  TdxBarDockingStyle FDockingStyle = dsNone;
  bool FLocked = false;
  bool FDestroyingControls = false;
};

// The window of a bar: docked in a dock site or floating.
class TdxBarControl : public TCustomdxBarControl {
 public:
  explicit TdxBarControl(TdxBar* Bar);
  String ClassName() const override { return "TdxBarControl"; }
  TdxBar* Bar() const { return FBar; }

 private:
  TdxBar* FBar;
};

// The window of a menu: a sub item's, a popup menu's, or a customising popup's.
class TdxBarSubMenuControl : public TCustomdxBarControl {
 public:
  explicit TdxBarSubMenuControl(TdxBarManager* Manager) : TCustomdxBarControl(Manager) {}
  String ClassName() const override { return "TdxBarSubMenuControl"; }
  // The link through which the menu was opened (a sub item's link), nullptr for a popup menu.
  TdxBarItemLink* OwnerLink() const { return FOwnerLink; }
  void SetOwnerLink(TdxBarItemLink* Value) { FOwnerLink = Value; }

 private:
  TdxBarItemLink* FOwnerLink = nullptr;
};

// The view of one link inside its link collection's window. The link owns it.
class TdxBarItemControl : public TObject {
 public:
  explicit TdxBarItemControl(TdxBarItemLink* Link);
  ~TdxBarItemControl() override;
  TdxBarItemControl(const TdxBarItemControl&) = delete;
  TdxBarItemControl& operator=(const TdxBarItemControl&) = delete;

  TdxBarItemLink* ItemLink() const { return FItemLink; }
  TdxBarItem* Item() const;
  TCustomdxBarControl* Parent() const { return FParent; }

  // What the item tells its views.
  virtual void CaptionChanged() { RelayoutParent(); }
  virtual void EnabledChanged();
  virtual void GlyphChanged() { Repaint(); }
  // A sub-menu widens for the short cut's text.
  virtual void ShortCutChanged();
  virtual void VisibleChanged() { RelayoutParent(); }
  // The link's separator came or went.
  virtual void BeginGroupChanged() { RelayoutParent(); }
  virtual void Repaint();

  // The link's caption (its own, else the item's); empty without a link.
  virtual String GetCaption() const;
  virtual bool IsEnabled() const;
  virtual String GetHint() const;
  virtual TShortCut GetShortCut() const;
  // Whether keyboard selection may stop here.
  virtual bool CanSelect() const { return true; }

 protected:
  void RelayoutParent();

 private:
  TdxBarItemLink* FItemLink;
  TCustomdxBarControl* FParent;
};

class TdxBarButtonControl : public TdxBarItemControl {
 public:
  using TdxBarItemControl::TdxBarItemControl;
  virtual void ButtonStyleChanged() { RelayoutParent(); }
  virtual void DownChanged() { Repaint(); }
  virtual void DropDownEnabledChanged() { Repaint(); }
  virtual void PaintStyleChanged() { RelayoutParent(); }
};

// The view of an item that edits text in a child edit window.
class TdxBarWinControl : public TdxBarItemControl {
 public:
  using TdxBarItemControl::TdxBarItemControl;
};

class TdxBarEditControl : public TdxBarWinControl {
 public:
  using TdxBarWinControl::TdxBarWinControl;
  virtual void WidthChanged() { RelayoutParent(); }
};

class TCustomdxBarComboControl : public TdxBarEditControl {
 public:
  using TdxBarEditControl::TdxBarEditControl;
};

class TdxBarComboControl : public TCustomdxBarComboControl {
 public:
  using TCustomdxBarComboControl::TCustomdxBarComboControl;
};

class TdxBarSubItemControl : public TdxBarItemControl {
 public:
  using TdxBarItemControl::TdxBarItemControl;
};

class TdxBarContainerItemControl : public TdxBarSubItemControl {
 public:
  using TdxBarSubItemControl::TdxBarSubItemControl;
};
