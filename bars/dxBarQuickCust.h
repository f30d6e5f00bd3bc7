// Quick customisation: the small popup bar that a toolbar's mark opens. It shows the toolbar's
// links that did not fit on it, then "&Add or Remove Buttons", whose menu has a check entry per
// link of the toolbar (showing or hiding the link at once), "&Reset Toolbar" and the customize
// entry. Everything acts on the owner toolbar's links directly.
#pragma once

#include "bars/dxBarControls.h"
#include "bars/dxBarItems.h"

// The item of every check entry; each of its links carries the owner toolbar's link it stands
// for as its Data.
class TdxBarQuickCustItem : public TdxBarButton {
 public:
  using TdxBarButton::TdxBarButton;
  String ClassName() const override { return "TdxBarQuickCustItem"; }
};

// "&Reset Toolbar" and the customize entry of the menu.
class TdxBarQuickCustExtButton : public TdxBarButton {
 public:
  using TdxBarButton::TdxBarButton;
  String ClassName() const override { return "TdxBarQuickCustExtButton"; }
};

// A check entry: the look of the link it stands for, after a check column that shows whether
// that link is visible; a click toggles it.
class TdxBarQuickCustItemControl : public TdxBarButtonControl {
 public:
  using TdxBarButtonControl::TdxBarButtonControl;
  // The owner toolbar's link; nullptr when it is gone.
  TdxBarItemLink* SourceLink() const;
  String GetCaption() const override;
  const TBitmap* GetGlyph() const override;
  int GetImageIndex() const override;
  TImageList* GetImages() const override;
  String GetHint() const override;
  TShortCut GetShortCut() const override;
  int GetWidth() const override;
  void ControlClick(bool ByMouse) override;
  void Draw(const TRect& Rect) override;
};

// The extra entries reserve the same check column, empty, so that the captions line up.
class TdxBarQuickCustExtButtonControl : public TdxBarButtonControl {
 public:
  using TdxBarButtonControl::TdxBarButtonControl;
  int GetWidth() const override;
  void Draw(const TRect& Rect) override;
};

class TdxBarQuickControl : public TdxBarControl {
 public:
  // Made by the owner toolbar when its mark is pressed; there is at most one.
  explicit TdxBarQuickControl(TdxBarControl* OwnerBarControl);
  ~TdxBarQuickControl() override;
  String ClassName() const override { return "TdxBarQuickControl"; }
  TdxBarControl* OwnerBarControl() const { return FOwnerBarControl; }
  TdxBarSubItem* AddRemoveItem() const { return FAddRemoveItem; }
  // Shows the window for the mark's screen rectangle, inside the work area, without activating it.
  void ShowAt(const TRect& Mark);
  // Where the window goes for a mark at Mark (screen) and its size.
  TPoint PlaceFor(const TRect& Mark, TSize Size) const;

  HBRUSH GetBackgroundBrush() const override;
  bool IsPopupToolbar() const override { return true; }
  // It closes as a menu does: by a click elsewhere or a command.
  void CloseMenus() override;
  void LeaveMenuMode() override;
  // The owner's mark left the pressed state: the window hides now and is freed once the message
  // being handled (the click that closed it) is done.
  void Release();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;

 private:
  static TdxBar* MakeInternalBar(TdxBarControl* Owner);
  void AddHiddenLinks();
  void BuildAddRemoveMenu();
  void Close();

  TdxBarControl* FOwnerBarControl;
  TdxBar* FInternalBar;
  TdxBarSubItem* FAddRemoveItem = nullptr;
};

// The open quick-customising window, nullptr when none.
TdxBarQuickControl* QuickControl();
// The 200 ms check that closes the window once the selection has left it for another bar window.
void StartQuickControlTimer();
void StopQuickControlTimer();
// The item kinds of quick customisation, for stored layouts and the views of their links.
void RegisterQuickCustomizationClasses();
