// TdxBarSubMenuControl: the window of a menu (a sub item's, a popup menu's or a customising
// popup's), which shows its links as a vertical list. Its layout, painting and keyboard build on
// the members here.
#pragma once

#include "bars/dxBarControl.h"

class TdxBarSubMenuControl : public TCustomdxBarControl {
 public:
  explicit TdxBarSubMenuControl(TdxBarManager* Manager) : TCustomdxBarControl(Manager) {}
  String ClassName() const override { return "TdxBarSubMenuControl"; }
  // The link through which the menu was opened (a sub item's link), nullptr for a popup menu.
  TdxBarItemLink* OwnerLink() const { return FOwnerLink; }
  void SetOwnerLink(TdxBarItemLink* Value) { FOwnerLink = Value; }

  // 5 pixels between groups under the flat style, 10 otherwise.
  int GetSeparatorSize() const override;

 private:
  TdxBarItemLink* FOwnerLink = nullptr;
};
