// TdxBarPopupMenu: a context menu made of a bar manager's items, held by a form as a
// non-visual component with its own item links and font. Popup shows it as a menu window at a
// screen point and runs a message loop of its own until the menu closes.
#pragma once

#include <memory>

#include "bars/dxBarItemLinks.h"
#include "bars/dxBarOwnFont.h"
#include "classes/Component.h"

class TCustomForm;
class TdxBarButtonControl;

class TdxBarPopupMenu : public TComponent {
 public:
  // Raises "There are no TdxBarManagers available" when no manager exists; takes the manager of
  // its owner form, else the first manager there is.
  explicit TdxBarPopupMenu(TComponent* AOwner);
  ~TdxBarPopupMenu() override;
  String ClassName() const override { return "TdxBarPopupMenu"; }

  TdxBarManager* BarManager() const { return FBarManager; }
  // nullptr is taken only while the menu is being freed.
  void SetBarManager(TdxBarManager* Value);
  TdxBarItemLinks* ItemLinks() const { return FItemLinks.get(); }
  void SetItemLinks(const TdxBarItemLinks* Value) { FItemLinks->Assign(Value); }
  // Negative values become 0.
  int BarSize() const { return FBarSize; }
  void SetBarSize(int Value) { FBarSize = Value < 0 ? 0 : Value; }
  TFont* Font() const { return FFont.Font(); }
  void SetFont(const TFont* Value) { FFont.Font()->Assign(Value); }
  bool UseOwnFont() const { return FFont.UseOwnFont(); }
  void SetUseOwnFont(bool Value);
  bool IsFontStored() const { return FFont.UseOwnFont(); }
  // Takes the manager's font without making it the menu's own.
  void TakeManagerFont();
  bool UseRecentItems() const { return FItemLinks->UseRecentItems(); }
  void SetUseRecentItems(bool Value) { FItemLinks->SetUseRecentItems(Value); }

  virtual void DoPaintBar(TCanvas* Canvas, const TRect& R);

  // Shows the menu with its top-left corner at the screen point (X, Y) and returns once it has
  // closed; the form's focused control and the window holding the mouse capture are told to
  // cancel their modes first. Nothing happens while the menu is open.
  void Popup(int X, int Y);
  // As Popup, opening clear of a control of that width (beside it) or height (below it).
  void PopupEx(int X, int Y, int OwnerWidth, int OwnerHeight, bool Animate);
  // A drop-down button's menu: shown as PopupEx shows it but without a loop of its own; Control,
  // the button's view, opened it and hears when it closes.
  TdxBarSubMenuControl* DropDown(TdxBarButtonControl* Control, int X, int Y, int OwnerWidth, int OwnerHeight);
  // The menu is open and Popup's loop runs.
  bool PoppedUp() const { return FPoppedUp; }

  TNotifyEvent OnCloseUp;
  TdxBarPaintSubMenuBarEvent OnPaintBar;
  TNotifyEvent OnPopup;

 protected:
  // Puts the links' stored usage and visibility in place.
  void Loaded() override;

 private:
  TCustomForm* Form() const;
  void CancelModes();
  TdxBarSubMenuControl* ShowMenu(int X, int Y, TdxBarItemControl* Opener);
  void RunLoop();
  void MenuClosed();

  TdxBarManager* FBarManager = nullptr;
  std::unique_ptr<TdxBarItemLinks> FItemLinks;
  TdxBarOwnFont FFont;
  int FBarSize = 0;
  // Handed to the menu window for one showing.
  int FOwnerWidth = 0;
  int FOwnerHeight = 0;
  bool FAnimate = true;
  bool FPoppedUp = false;
  TdxBarButtonControl* FDropDownControl = nullptr;
  // False once the menu is freed, which a loop still running learns from its copy.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
