// TdxBarSubMenuControl: the window of a menu (a sub item's, a popup menu's or a customising
// popup's), which shows its links as a vertical list. It places itself inside the work area,
// shows the recent links first with an expand button, scrolls a menu taller than the screen,
// animates its opening on the layer's clock and takes the keys that move between menus.
#pragma once

#include <vector>

#include "bars/dxBarControl.h"
#include "windows/Timers.h"

// Where a menu goes: its window rectangle and whether placement turned its directions round.
struct TdxBarMenuPlacement {
  TRect Bounds;
  bool FlippedH = false;
  bool FlippedV = false;
};

// Places a menu of Size with its top-left corner at Pos inside WorkArea. The opener gives its
// extent horizontally (a menu beside its item) or vertically (a menu below a toolbar item), or
// none (0); a menu that does not fit flips to the other side of its opener where that side has
// more room, and is shortened when neither side holds it.
TdxBarMenuPlacement CalcMenuPlacement(TPoint Pos, TSize Size, int ExtentH, int ExtentV, bool PreferLeft, bool PreferUp,
                                      const TRect& WorkArea);

// The window rectangles of an opening animation, relative to the final one (0, 0, W, H): a slide
// grows the height by 17 pixels a frame, an unfold grows both sides by 8 so that they reach full
// size together. Growing leftward or upward keeps the right or bottom edge where it is.
std::vector<TRect> MenuAnimationFrames(TdxBarMenuAnimations Kind, int Width, int Height, bool GrowLeft, bool GrowUp);

class TdxBarSubMenuControl : public TCustomdxBarControl {
 public:
  explicit TdxBarSubMenuControl(TdxBarManager* Manager);
  ~TdxBarSubMenuControl() override;
  String ClassName() const override { return "TdxBarSubMenuControl"; }
  // The link through which the menu was opened (a sub item's link), nullptr for a popup menu.
  TdxBarItemLink* OwnerLink() const { return FOwnerLink; }
  void SetOwnerLink(TdxBarItemLink* Value) { FOwnerLink = Value; }
  // The control that opened the menu (nullptr for a popup menu).
  TdxBarItemControl* ParentItemControl() const { return FParentItemControl; }
  void SetParentItemControl(TdxBarItemControl* Value) { FParentItemControl = Value; }

  // --- opening and closing ------------------------------------------------------------------------
  // The opener's extent beside (horizontal) or below (vertical) which the menu opens.
  void SetOpeningExtent(int Horizontal, int Vertical) {
    FExtentH = Horizontal;
    FExtentV = Vertical;
  }
  // The next showing animates (when the manager's MenuAnimations asks for it).
  void SetAnimate(bool Value) { FAnimateRequested = Value; }
  bool Animating() const { return FAnimating; }
  // Shows the menu with its top-left corner at the screen point (X, Y), placed in the work area.
  void Popup(int X, int Y);
  // Hides the menu; one without a parent bar window is freed.
  void CloseMenu();
  // Ends a running animation at once with the menu at its final place.
  void FinishAnimation();
  TNotifyEvent OnShowMenu;
  TNotifyEvent OnCloseMenu;
  // The menu of a container item opened from its link on a toolbar: it shows the links the item
  // lists into its own links, which go again when the menu closes.
  void SetListedContainer(TCustomdxBarContainerItem* Item) { FListedContainer = Item; }

  // --- recent items first ---------------------------------------------------------------------
  // Fewer links are shown than the list holds: the expand button shows at the bottom.
  bool HasMark() const override;
  int MarkState() const { return FMarkState; }
  void SetMarkState(int State) override;
  // Shows every link, the rarely used ones on a lighter background.
  void Expand();
  // Menus entered afresh open short again, whatever menu was expanded before.
  static void ResetFullMenusShown();

  // --- layout ---------------------------------------------------------------------------------
  int TopIndex() const { return FTopIndex; }
  void SetTopIndex(int Value);
  bool TopArrowShown() const { return FTopIndex > 0; }
  bool BottomArrowShown() const { return FBottomArrow; }
  // 5 pixels between groups under the flat style, 10 otherwise.
  int GetSeparatorSize() const override;
  int ExpandButtonHeight() const;
  int DetachStripHeight() const;
  int ScrollArrowHeight() const;
  // The owner's BarSize (a sub item's or a popup menu's).
  int SideBarWidth() const;
  bool Detachable() const;
  // Inside the one-pixel frame, also before the window is made.
  TRect ClientRect() const override;
  // The client size the links need, the menu's frame not included.
  TSize CalcClientSize();
  TRect ExpandButtonRect() const;
  TRect TopArrowRect() const;
  TRect BottomArrowRect() const;
  TRect DetachStripRect() const;
  // Lays the links out from TopIndex: each shown link gets its rectangle.
  void CalcControlsPositions();
  void RecalcLayout() override;
  void UpdateFont() override;

  // --- the window base's questions ------------------------------------------------------------
  // The window colour under the flat style, the button face otherwise.
  HBRUSH GetBackgroundBrush() const override;
  // At design time, and while customising the menu of a sub item that allows it.
  bool CanCustomizeLinks() const override;
  void SetSelected(TdxBarItemControl* Control) override;
  void SetMenuMode(bool Value) override;
  void CloseMenus() override;
  // A menu without a window it was opened from (a popup menu) closes.
  void LeaveMenuMode() override;
  void DrawItemControl(TdxBarItemControl* Control) override;
  // The toolbar or menu bar at the root of the chain this menu belongs to (nullptr for a popup).
  TdxBarControl* RootToolbar() const;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  bool HandleKeyDown(TMessage& Message) override;
  void Paint() override;

 private:
  void ChooseShownLinks();
  void Place();
  void StartAnimation();
  void AnimationStep();
  void StopAnimationTimer();
  void PaintBorder(HDC DC);
  void PaintSeparator(HDC DC, const TRect& ItemRect, int Height);
  void PaintExpandButton(HDC DC);
  void PaintScrollArrow(HDC DC, const TRect& Rect, bool Up);
  void PaintDetachStrip(HDC DC);
  void WMMouseMoveMenu(TMessage& Message);
  void WMLButtonDownMenu(TMessage& Message);
  void WMTimer(TMessage& Message);
  void StartScrollTimer();
  void ScrollStep();
  void StopScrollTimer();
  void StartExpandTimer(UINT Interval);
  void StopExpandTimer();
  void ExpandTimerFired();
  void ScrollIntoView(const TdxBarItemControl* Control);
  // The lines below Top: each shown link from TopIndex gets its rectangle until Limit; answers
  // whether every one fitted.
  bool LayOutLinks(int Top, int Limit);
  // The recent count from which links are rarely used, while an expanded menu marks them; -1.
  int RareLinksFrom() const;
  int ItemAreaTop() const;
  int ItemAreaBottom() const;
  int Margin() const;
  void PassToRootToolbar(WORD Key);
  void CloseThisMenu();
  // A container item's links take the place of its link while the menu shows; closing takes them
  // out again and the items list anew next time.
  void ExpandContainerLinks();
  void CollapseContainerLinks();

  TdxBarItemLink* FOwnerLink = nullptr;
  std::vector<TdxBarItemLink*> FExpandedContainers;
  TCustomdxBarContainerItem* FListedContainer = nullptr;
  TdxBarItemControl* FParentItemControl = nullptr;
  int FExtentH = 0;
  int FExtentV = 0;
  bool FFlippedH = false;
  bool FFlippedV = false;
  TPoint FSavedPos;
  int FTopIndex = 0;
  bool FBottomArrow = false;
  int FMarkState = 0;
  bool FAnimateRequested = false;
  bool FAnimating = false;
  bool FReshowing = false;
  bool FClosing = false;
  UINT_PTR FScrollTimer = 0;
  UINT_PTR FExpandTimer = 0;
  // The expand timer expands the menu (it started with tracking), else it highlights the button.
  bool FExpandOnTimer = false;
  bool FDetachHot = false;
  HBRUSH FLightBrush;
  // The running animation: its frames (screen rectangles), the next one and the final place.
  std::vector<TRect> FFrames;
  size_t FFrame = 0;
  TRect FFinalBounds;
  TPoint FPaintOffset;
  UINT_PTR FAnimationTimer = 0;
};
