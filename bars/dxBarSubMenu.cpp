// The menu window: making its window, opening it at a point inside the work area, closing it,
// and the opening animation, which runs on the layer's clock on the GUI thread.
#include "bars/dxBarSubMenu.h"

#include <algorithm>
#include <random>

#include "bars/dxBar.h"
#include "bars/dxBarDraw.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenu.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarToolbar.h"
#include "bars/dxBarUtils.h"
#include "controls/Forms.h"
#include "graphics/Gdi.h"
#include "windows/Timers.h"

namespace {

constexpr int kSlideStep = 17;
constexpr int kUnfoldStep = 8;
constexpr UINT_PTR kAnimationTimer = 3;

bool& FullMenusFlag() {
  static bool shown = false;
  return shown;
}

TdxBarMenuAnimations PickAnimation(TdxBarMenuAnimations Kind) {
  if (Kind != maRandom) return Kind;
  static std::minstd_rand engine{std::random_device{}()};
  return engine() % 2 ? maUnfold : maSlide;
}

}  // namespace

// --- placement ------------------------------------------------------------------------------------

namespace {

void PlaceHorizontally(int& L, int W, int ExtentH, bool PreferLeft, bool& Flipped, const TRect& Area) {
  if (L + W > Area.Right) {
    if (!ExtentH) {
      L = Area.Right - W;
    } else if (L - ExtentH - Area.Left > Area.Right - L) {
      L = L - ExtentH - W;
      Flipped = true;
    }
  }
  if (L < Area.Left) {
    if (!ExtentH) {
      L = Area.Left;
    } else if (PreferLeft && Area.Right - (L + W + ExtentH) > L + W - Area.Left) {
      L = L + W + ExtentH;
      Flipped = true;
    }
  }
  L = std::max(Area.Left, std::min(L, Area.Right - W));
}

void PlaceVertically(int& T, int& H, int ExtentH, int ExtentV, bool PreferUp, bool& Flipped, const TRect& Area) {
  if (T + H > Area.Bottom) {
    if (ExtentV) {
      if (T - ExtentV - Area.Top <= Area.Bottom - T) {
        H = Area.Bottom - T;
      } else {
        T = T - ExtentV - H;
        Flipped = true;
      }
    } else if (ExtentH) {
      T = Area.Bottom - H;
    } else if (T - H >= Area.Top) {
      T = T - H;
      Flipped = true;
    } else {
      T = Area.Bottom - H;
    }
  }
  if (T >= Area.Top) return;
  if (PreferUp) {
    if (ExtentV && Area.Bottom - (T + H + ExtentV) > T + H - Area.Top) {
      T = T + H + ExtentV;
      H = std::min(H, Area.Bottom - T);
      Flipped = true;
    }
    return;
  }
  if (Flipped && ExtentV) {
    H -= Area.Top - T;
  } else {
    H = std::min(H, Area.Bottom - Area.Top);
  }
  T = Area.Top;
}

}  // namespace

TdxBarMenuPlacement CalcMenuPlacement(TPoint Pos, TSize Size, int ExtentH, int ExtentV, bool PreferLeft, bool PreferUp,
                                      const TRect& WorkArea) {
  TdxBarMenuPlacement result;
  int left = Pos.X, top = Pos.Y, height = Size.cy;
  PlaceHorizontally(left, Size.cx, ExtentH, PreferLeft, result.FlippedH, WorkArea);
  PlaceVertically(top, height, ExtentH, ExtentV, PreferUp, result.FlippedV, WorkArea);
  result.Bounds = TRect{left, top, left + Size.cx, top + std::max(0, height)};
  return result;
}

std::vector<TRect> MenuAnimationFrames(TdxBarMenuAnimations Kind, int Width, int Height, bool GrowLeft, bool GrowUp) {
  std::vector<TRect> frames;
  const bool slide = Kind == maSlide;
  const int step = slide ? kSlideStep : kUnfoldStep;
  const int total = slide ? Height : std::min(Width, Height);
  for (int i = 1; i <= total / step; ++i) {
    int w = Width, h = i * step;
    if (!slide) {
      const int grown = i * step;
      w = Width >= Height ? Width - Height + grown : grown;
      h = Width >= Height ? grown : Height - Width + grown;
    }
    const int x = GrowLeft ? Width - w : 0;
    const int y = GrowUp ? Height - h : 0;
    frames.push_back(TRect{x, y, x + w, y + h});
  }
  return frames;
}

// --- the window -----------------------------------------------------------------------------------

TdxBarSubMenuControl::TdxBarSubMenuControl(TdxBarManager* Manager)
    : TCustomdxBarControl(Manager), FLightBrush(CreateSolidBrush(TColor(LightenSysColor(COLOR_BTNFACE, 20, 20, 20)))) {}

TdxBarSubMenuControl::~TdxBarSubMenuControl() {
  FinishAnimation();
  StopScrollTimer();
  StopExpandTimer();
}

void TdxBarSubMenuControl::ResetFullMenusShown() { FullMenusFlag() = false; }

// A top-most pop-up that never takes the activation, owned by the window it was opened from.
void TdxBarSubMenuControl::CreateParams(TCreateParams& Params) {
  TCustomdxBarControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  Params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  Params.ClassStyle = CS_SAVEBITS | CS_OWNDC | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  TCustomdxBarControl* parent = ParentBar();
  TCustomForm* form = BarManager() ? BarManager()->OwnerForm() : nullptr;
  if (parent && parent->HandleAllocated()) {
    Params.WndParent = parent->Handle();
  } else if (form && form->HandleAllocated()) {
    Params.WndParent = form->Handle();
  }
}

bool TdxBarSubMenuControl::CanCustomizeLinks() const {
  auto* subItem = ItemLinks() ? dynamic_cast<TdxBarSubItem*>(ItemLinks()->Owner()) : nullptr;
  return TCustomdxBarControl::CanCustomizeLinks() || (subItem && subItem->AllowCustomizing());
}

TdxBarControl* TdxBarSubMenuControl::RootToolbar() const {
  return dynamic_cast<TdxBarControl*>(GetRootToolbarControl(const_cast<TdxBarSubMenuControl*>(this)));
}

void TdxBarSubMenuControl::ChooseShownLinks() {
  TdxBarItemLinks* links = ItemLinks();
  if (!links) return;
  const bool recent = BarManager() && BarManager()->ShowRecentItemsFirst() && !FullMenusFlag() && !IsCustomizing();
  links->ShowRecentItems(recent ? links->CalcRecentItemCount() : -1);
}

void TdxBarSubMenuControl::Popup(int X, int Y) {
  if (OnShowMenu) OnShowMenu(this);
  FSavedPos = TPoint{X, Y};
  TdxBarControl* root = RootToolbar();
  TdxBarManager* manager = root ? root->BarManager() : BarManager();
  const TdxBarMenuAnimations kind = manager ? manager->MenuAnimations() : maNone;
  FAnimating = FAnimateRequested && kind != maNone && ItemLinks() && ItemLinks()->VisibleItemCount() > 0 &&
               !(BarManager() && BarManager()->IsCustomizing());
  FAnimateRequested = false;
  DispatchPendingPaintMessages();
  UpdateFont();
  CalcMetrics();
  ExpandContainerLinks();
  ChooseShownLinks();
  FTopIndex = 0;
  DestroyControls();
  CreateControls();
  Place();
  HandleNeeded();
  SetWindowPos(Handle(), HWND_TOPMOST, Left(), Top(), Width(), Height(), SWP_NOACTIVATE);
  SetMenuMode(true);
  PlayMenuSound(msMenuPopup);
  if (FAnimating) {
    FFrames = MenuAnimationFrames(PickAnimation(kind), Width(), Height(), FFlippedH, FFlippedV);
    StartAnimation();
  } else {
    SetVisible(true);
  }
  DispatchPendingPaintMessages();
}

// Each visible container link gets its item's links right after it (the item asked for its data
// the first time it is met) and is hidden behind them. Not while customising, where the container
// link itself is what the user moves.
void TdxBarSubMenuControl::ExpandContainerLinks() {
  TdxBarItemLinks* links = ItemLinks();
  if (!links || IsCustomizing() || !FExpandedContainers.empty()) return;
  std::vector<const TdxBarItem*> asked;
  for (int i = 0; i < links->Count(); ++i) {
    TdxBarItemLink* link = links->Items(i);
    auto* container = dynamic_cast<TCustomdxBarContainerItem*>(link->Item());
    if (!container || !link->Visible() || link->Expanded()) continue;
    const bool firstTime = std::find(asked.begin(), asked.end(), container) == asked.end();
    if (firstTime) asked.push_back(container);
    const int before = links->Count();
    container->AddListedItemLinks(links, i + 1, link, firstTime);
    link->SetExpanded(true);
    FExpandedContainers.push_back(link);
    i += links->Count() - before;
  }
}

void TdxBarSubMenuControl::CollapseContainerLinks() {
  TdxBarItemLinks* links = ItemLinks();
  if (!links || (FExpandedContainers.empty() && !FListedContainer)) return;
  DestroyControls();
  for (auto it = FExpandedContainers.rbegin(); it != FExpandedContainers.rend(); ++it) {
    TdxBarItemLink* link = *it;
    auto* container = dynamic_cast<TCustomdxBarContainerItem*>(link->Item());
    if (!container) continue;
    container->DeleteListedItemLinks(links, link->Index() + 1);
    link->SetExpanded(false);
    container->MarkItemListStale();
  }
  FExpandedContainers.clear();
  if (FListedContainer) {
    FListedContainer->DeleteListedItemLinks(links, 0);
    FListedContainer->MarkItemListStale();
    FListedContainer = nullptr;
  }
}

// The size the links need, placed at the saved point inside the work area of that point. A menu
// prefers to open to the right and downwards; no opener asks otherwise.
void TdxBarSubMenuControl::Place() {
  const TSize client = CalcClientSize();
  const TSize size{client.cx + 2, client.cy + 2};
  const TdxBarMenuPlacement placement =
      CalcMenuPlacement(FSavedPos, size, FExtentH, FExtentV, false, false, GetWorkAreaAtPoint(FSavedPos));
  FFlippedH = placement.FlippedH;
  FFlippedV = placement.FlippedV;
  const TRect& r = placement.Bounds;
  SetBounds(r.Left, r.Top, r.Width(), r.Height());
  CalcControlsPositions();
}

// Closing ends the animation and the timers, closes a child menu and tells the opener.
void TdxBarSubMenuControl::CloseMenu() {
  if (FClosing) return;
  FClosing = true;
  FinishAnimation();
  StopScrollTimer();
  StopExpandTimer();
  if (auto* child = dynamic_cast<TdxBarSubItemControl*>(SelectedControl())) child->CloseSubMenu();
  if (MenuMode()) SetMenuMode(false);
  SetVisible(false);
  if (HandleAllocated()) DestroyHandle();
  if (!FReshowing && FParentItemControl && IsItemControlAlive(FParentItemControl)) FParentItemControl->Repaint();
  if (ItemLinks()) ItemLinks()->RestoreShownItems();
  if (!FReshowing) CollapseContainerLinks();
  if (OnCloseMenu) OnCloseMenu(this);
  FClosing = false;
  if (!FReshowing && !ParentBar()) {
    delete this;
    DispatchPendingPaintMessages();
  }
}

// A menu without a window it was opened from goes with its menus; the others are closed by the
// control that opened them.
void TdxBarSubMenuControl::CloseMenus() {
  TCustomdxBarControl::CloseMenus();
  if (IsBarControlAlive(this) && !ParentBar() && !FClosing) CloseMenu();
}

void TdxBarSubMenuControl::LeaveMenuMode() {
  if (ParentBar()) {
    TCustomdxBarControl::LeaveMenuMode();
  } else if (!FClosing) {
    CloseMenu();
  }
}

void TdxBarSubMenuControl::SetMenuMode(bool Value) {
  TCustomdxBarControl::SetMenuMode(Value);
  if (!Value || !BarManager() || !BarManager()->ShowFullMenusAfterDelay() || !HasMark()) return;
  FExpandOnTimer = true;
  StartExpandTimer(4000);
}

// --- expanding ------------------------------------------------------------------------------------

bool TdxBarSubMenuControl::HasMark() const {
  return ItemLinks() && ItemLinks()->ShownItemCount() < ItemLinks()->VisibleItemCount();
}

void TdxBarSubMenuControl::Expand() {
  if (!HasMark()) return;
  FullMenusFlag() = true;
  FMarkState = 0;
  StopExpandTimer();
  FReshowing = true;
  FAnimateRequested = true;
  TdxBarItemLink* selected = SelectedControl() ? SelectedControl()->ItemLink() : nullptr;
  CloseMenu();
  FReshowing = false;
  Popup(FSavedPos.X, FSavedPos.Y);
  if (selected && selected->Control()) SelectControl(selected->Control());
}

// --- animation ------------------------------------------------------------------------------------

void TdxBarSubMenuControl::StartAnimation() {
  FFinalBounds = TRect{Left(), Top(), Left() + Width(), Top() + Height()};
  FFrame = 0;
  if (FFrames.empty()) {
    FinishAnimation();
    return;
  }
  FAnimationTimer = SetTimer(Handle(), kAnimationTimer, 1);
  AnimationStep();
}

// One frame: the window takes the frame's rectangle; the picture stays in place across and moves
// with the growing edge downwards (or stays at the top when the menu grows upwards).
void TdxBarSubMenuControl::AnimationStep() {
  if (FFrame >= FFrames.size()) {
    FinishAnimation();
    return;
  }
  const TRect& f = FFrames[FFrame++];
  const bool growUp = FFlippedV;
  FPaintOffset = TPoint{-f.Left, growUp ? -f.Top : f.Height() - FFinalBounds.Height()};
  SetWindowPos(Handle(), HWND(), FFinalBounds.Left + f.Left, FFinalBounds.Top + f.Top, f.Width(), f.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
  InvalidateRect(Handle(), nullptr, false);
}

void TdxBarSubMenuControl::StopAnimationTimer() {
  if (FAnimationTimer && HandleAllocated()) KillTimer(Handle(), kAnimationTimer);
  FAnimationTimer = 0;
}

void TdxBarSubMenuControl::FinishAnimation() {
  if (!FAnimating) return;
  FAnimating = false;
  StopAnimationTimer();
  FFrames.clear();
  FPaintOffset = TPoint{};
  if (IsDestroying() || FClosing || !HandleAllocated()) return;
  const TRect& r = FFinalBounds;
  SetWindowPos(Handle(), HWND(), r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
  InvalidateRect(Handle(), nullptr, false);
}

// --- fonts ----------------------------------------------------------------------------------------

// The font of the window it was opened from, else the popup menu's, else the manager's.
void TdxBarSubMenuControl::UpdateFont() {
  if (TCustomdxBarControl* parent = ParentBar()) {
    SetFont(parent->Font());
  } else if (auto* popup = ItemLinks() ? dynamic_cast<TdxBarPopupMenu*>(ItemLinks()->Owner()) : nullptr) {
    SetFont(popup->Font());
  } else if (BarManager()) {
    SetFont(BarManager()->Font());
  }
}
