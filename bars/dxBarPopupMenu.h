// TdxBarPopupMenu: a context menu made of a bar manager's items, held by a form as a
// non-visual component with its own item links and font. Showing it builds on these members.
#pragma once

#include <memory>

#include "bars/dxBarItemLinks.h"
#include "classes/Component.h"
#include "bars/dxBarOwnFont.h"

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

  TNotifyEvent OnCloseUp;
  TdxBarPaintSubMenuBarEvent OnPaintBar;
  TNotifyEvent OnPopup;

 protected:
  // Puts the links' stored usage and visibility in place.
  void Loaded() override;

 private:
  TdxBarManager* FBarManager = nullptr;
  std::unique_ptr<TdxBarItemLinks> FItemLinks;
  TdxBarOwnFont FFont;
  int FBarSize = 0;
};
