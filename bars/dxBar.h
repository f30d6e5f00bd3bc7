// TdxBar and TdxBars: the persistent description of a toolbar or of the main menu bar (caption,
// name, font, its item links, where it sits: floating, or docked on a side of the owner form or
// in a placed dock site, with a row and an offset) as items of the manager's bar collection,
// which also holds the four dock sites along the owner form's edges and the state of a bar being
// dragged.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "bars/dxBarItemLinks.h"
#include "bars/dxBarOwnFont.h"
#include "controls/ShortCut.h"

class TdxBar : public TCollectionItem {
 public:
  // Takes the manager's font; unless the manager loads, fires OnBarAdd.
  explicit TdxBar(TCollection* Collection);
  ~TdxBar() override;
  String ClassName() const override { return "TdxBar"; }
  // Copies everything but BorderStyle, MultiLine, ShowMark, SizeGrip and Name; the placement
  // goes through DockControl or DockingStyle so that the bar is placed anew.
  void Assign(const TPersistent* Source) override;

  TdxBars* Bars() const;
  TdxBarManager* BarManager() const;
  TdxBarItemLinks* ItemLinks() const { return FItemLinks.get(); }
  void SetItemLinks(const TdxBarItemLinks* Value) { FItemLinks->Assign(Value); }
  // The bar's window while it shows.
  TdxBarControl* Control() const;

  // --- identity -----------------------------------------------------------------------------
  // A caption another bar has is refused; a bar without a name takes its caption as name.
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  const String& Name() const { return FName; }
  void SetName(const String& Value);
  // Clears the manager's previous main-menu bar; the main menu takes whole rows on many lines.
  bool IsMainMenu() const { return FIsMainMenu; }
  void SetIsMainMenu(bool Value);
  bool Hidden() const { return FHidden; }
  void SetHidden(bool Value);

  // --- what the user may change ---------------------------------------------------------------
  bool AllowClose() const { return FAllowClose; }
  void SetAllowClose(bool Value);
  bool AllowCustomizing() const { return FAllowCustomizing; }
  void SetAllowCustomizing(bool Value) { FAllowCustomizing = Value; }
  bool AllowQuickCustomizing() const { return FAllowQuickCustomizing; }
  void SetAllowQuickCustomizing(bool Value);
  bool AllowReset() const { return FAllowReset; }
  void SetAllowReset(bool Value) { FAllowReset = Value; }
  // A closable bar that is not the main menu, whose window (if any) may close.
  bool CanClose() const;
  // A bar the manager read from the layout that may be reset.
  bool CanReset() const { return FPredefined && FAllowReset; }
  // Asks (OK/Cancel, naming the bar) before Reset.
  void ConfirmReset();
  // The bar takes its links back from the design of its form, and every sub item on it its own;
  // with the manager's UseFullReset all the bar's properties. Nothing happens when the design
  // does not hold a bar at this index.
  void Reset();
  // Set by the manager on every bar it holds when it has loaded: the bar was not made by the user.
  bool Predefined() const { return FPredefined; }
  void SetPredefined(bool Value) { FPredefined = Value; }

  // --- placement ------------------------------------------------------------------------------
  // The placed dock site holding the bar; nullptr means the main site of DockingStyle.
  TdxBarDockControl* DockControl() const { return FDockControl; }
  void SetDockControl(TdxBarDockControl* Value);
  // The side of the dock control when one is set, else the stored side; dsNone floats.
  TdxBarDockingStyle DockingStyle() const;
  void SetDockingStyle(TdxBarDockingStyle Value);
  // The window was moved to Side (into Site, nullptr when floating) by the user: the bar takes
  // that as its placement without making the window again.
  void TakeWindowDocking(TdxBarDockingStyle Side, TdxDockControl* Site);
  bool IsDockingStyleStored() const { return !FDockControl; }
  // DockControl, or the main dock site of DockingStyle (nullptr when floating).
  TdxDockControl* RealDockControl() const;
  // Where the bar goes back to when it docks again after floating.
  TdxBarDockControl* DockedDockControl() const { return FDockedDockControl; }
  void SetDockedDockControl(TdxBarDockControl* Value);
  TdxBarDockingStyle DockedDockingStyle() const;
  void SetDockedDockingStyle(TdxBarDockingStyle Value);
  bool IsDockedDockingStyleStored() const { return !FDockedDockControl; }
  // The offset in the dock site; negative values become 0.
  int DockedLeft() const { return FDockedLeft; }
  void SetDockedLeft(int Value);
  int DockedTop() const { return FDockedTop; }
  void SetDockedTop(int Value);
  int FloatLeft() const { return FFloatLeft; }
  void SetFloatLeft(int Value);
  int FloatTop() const { return FFloatTop; }
  void SetFloatTop(int Value);
  int FloatClientWidth() const { return FFloatClientWidth; }
  void SetFloatClientWidth(int Value);
  int FloatClientHeight() const { return FFloatClientHeight; }
  void SetFloatClientHeight(int Value);
  TdxBarDockingStyles NotDocking() const { return FNotDocking; }
  void SetNotDocking(TdxBarDockingStyles Value) { FNotDocking = Value; }
  // The row in the dock site, read when the bar is next placed; negative values become 0.
  int Row() const { return FRow; }
  void SetRow(int Value) { FRow = Value < 0 ? 0 : Value; }
  bool OneOnRow() const { return FOneOnRow; }
  void SetOneOnRow(bool Value) { FOneOnRow = Value; }
  // The bar takes a whole row of its own and the row's whole length.
  bool WholeRow() const { return FWholeRow; }
  void SetWholeRow(bool Value);
  // A docked bar wraps its links onto several lines instead of truncating; the main menu does.
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value);
  // The docked bar stretches over the free length of its row.
  bool UseRestSpace() const { return FUseRestSpace; }
  void SetUseRestSpace(bool Value);

  // --- look -----------------------------------------------------------------------------------
  TdxBarBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TdxBarBorderStyle Value);
  bool RotateWhenVertical() const { return FRotateWhenVertical; }
  void SetRotateWhenVertical(bool Value);
  bool ShowMark() const { return FShowMark; }
  void SetShowMark(bool Value);
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool Value);
  // Copied to the links.
  bool UseRecentItems() const { return FItemLinks->UseRecentItems(); }
  void SetUseRecentItems(bool Value);
  // A change of Font makes it the bar's own; turning UseOwnFont off takes the manager's again.
  TFont* Font() const { return FFont.Font(); }
  void SetFont(const TFont* Value) { FFont.Font()->Assign(Value); }
  bool UseOwnFont() const { return FFont.UseOwnFont(); }
  void SetUseOwnFont(bool Value);
  bool IsFontStored() const { return FFont.UseOwnFont(); }
  // Takes the manager's font without making it the bar's own.
  void TakeManagerFont();

  // --- frame sizes ----------------------------------------------------------------------------
  // The frame across the window's two vertical edges (horizontal size) or its two horizontal
  // edges (vertical size) for a side; dsNone is floating.
  int GetHorizontalBorderSize(TdxBarDockingStyle Side) const;
  int GetVerticalBorderSize(TdxBarDockingStyle Side) const;
  // A borderless bar docked at the bottom keeps room for a size grip.
  bool HasBottomSizeGripSpace() const;
  // The grip shows when its window (or no window yet) lies at the bottom of every parent's
  // client area up to the top, and the owner form is not maximised.
  bool IsSizeGripVisible() const;

  // --- state ----------------------------------------------------------------------------------
  // The bar has a window; while the manager loads the value is only remembered.
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  // Set by the manager's update lock; clearing it re-lays out the window.
  bool Locked() const { return FLocked; }
  void SetLocked(bool Value);
  // Hidden because its links became empty (the manager's AutoHideEmptyBars).
  bool HiddenWhenEmpty() const { return FHiddenWhenEmpty; }
  void SetHiddenWhenEmpty(bool Value) { FHiddenWhenEmpty = Value; }
  // The loaded values go into effect once the manager has loaded.
  void ApplyLoadedState();
  // Sub items whose DetachingBar is this bar.
  std::vector<TCustomdxBarSubItem*>& DetachingSubItems() { return FDetachingSubItems; }
  // Forgets a dock site that is going (its own or the one it goes back to).
  void ForgetDockControl(const TdxDockControl* Site);

  // Runs the command bound to ShortCut on one of the bar's links (through sub items and the
  // menus of drop-down buttons); true when an item was clicked.
  bool IsShortCut(TShortCut ShortCut);

 private:
  bool ManagerLoading() const;
  void Relayout();
  void RecalcFrame();
  // Hides the window and shows it again, so that it is placed anew.
  void Replace();
  void ShowWindow();
  void ShowFloating();
  void ShowDocked();
  bool MayShowFloating() const;
  void RefreshCustomizing();

  std::unique_ptr<TdxBarItemLinks> FItemLinks;
  TdxBarOwnFont FFont;
  String FCaption;
  String FName;
  bool FAllowClose = true;
  bool FAllowCustomizing = true;
  bool FAllowQuickCustomizing = true;
  bool FAllowReset = true;
  TdxBarBorderStyle FBorderStyle = bbsSingle;
  TdxBarDockControl* FDockControl = nullptr;
  TdxBarDockControl* FDockedDockControl = nullptr;
  TdxBarDockingStyle FDockedDockingStyle = dsTop;
  int FDockedLeft = 0;
  int FDockedTop = 0;
  TdxBarDockingStyle FDockingStyle = dsNone;
  int FFloatLeft = 0;
  int FFloatTop = 0;
  int FFloatClientWidth = 0;
  int FFloatClientHeight = 0;
  bool FHidden = false;
  bool FIsMainMenu = false;
  bool FMultiLine = false;
  TdxBarDockingStyles FNotDocking = 0;
  bool FOneOnRow = false;
  bool FRotateWhenVertical = true;
  int FRow = 0;
  bool FShowMark = true;
  bool FSizeGrip = true;
  bool FUseRestSpace = false;
  bool FVisible = false;
  bool FWholeRow = false;

  bool FLoadedVisible = false;
  TdxBarDockControl* FLoadedDockControl = nullptr;
  TdxBarDockingStyle FLoadedDockingStyle = dsNone;
  bool FPredefined = false;
  bool FChangingDocking = false;
  bool FLocked = false;
  bool FHiddenWhenEmpty = false;
  std::vector<TCustomdxBarSubItem*> FDetachingSubItems;
};

// The state of a bar being dragged by its handle or caption.
struct TdxBarDragState {
  bool Dragging = false;
  TdxBarControl* Control = nullptr;
  TdxBarDockingStyle StartSide = dsNone;
  // Across the row: the test point less the pointer when the drag began; the pointer's offset
  // from the window's corner.
  int Offset1 = 0;
  TPoint Offset2;
};

class TdxBars : public TCollection {
 public:
  // Makes the four main dock sites on the manager's owner form.
  explicit TdxBars(TdxBarManager* Manager);
  ~TdxBars() override;
  String ClassName() const override { return "TdxBars"; }

  TdxBarManager* BarManager() const { return FBarManager; }
  TdxBar* Items(int Index) const { return static_cast<TdxBar*>(TCollection::Items(Index)); }
  TdxBar* Add() { return static_cast<TdxBar*>(TCollection::Add()); }
  // The main dock site of a side (nullptr for dsNone or a site that has gone).
  TdxDockControl* DockControls(TdxBarDockingStyle Side) const;
  bool IsMainDockControl(const TdxDockControl* Control) const;
  // Forgets a main dock site that is being freed.
  void ForgetDockControl(const TdxDockControl* Control);
  // Set while the manager applies the loaded state of its bars.
  bool Loading() const { return FLoading; }
  void SetLoading(bool Value) { FLoading = Value; }
  // Set by the layout store while it rebuilds the bars: stored row numbers are kept exactly.
  bool RestoringLayout() const { return FRestoringLayout; }
  void SetRestoringLayout(bool Value) { FRestoringLayout = Value; }
  // How far outside a dock site a dragged bar may be and still dock there.
  static constexpr int DockingZoneSize = 23;
  TdxBarDragState& DragState() { return FDragState; }
  const TdxBarDragState& DragState() const { return FDragState; }

 protected:
  void Update(TCollectionItem*) override {}

 private:
  TdxBarManager* FBarManager;
  std::array<TdxDockControl*, 5> FDockControls{};
  bool FLoading = false;
  bool FRestoringLayout = false;
  TdxBarDragState FDragState;
};
