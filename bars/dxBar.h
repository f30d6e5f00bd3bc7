// TdxBar and TdxBars: the persistent description of a toolbar or of the main menu bar (caption,
// name, font, its item links, whether it shows) as items of the manager's bar collection, which
// also holds the four dock sites along the owner form's edges. Placement and docking build on it.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "bars/dxBarItemLinks.h"
#include "bars/dxBarOwnFont.h"

class TdxBar : public TCollectionItem {
 public:
  // Takes the manager's font; unless the manager loads, fires OnBarAdd.
  explicit TdxBar(TCollection* Collection);
  ~TdxBar() override;
  String ClassName() const override { return "TdxBar"; }

  TdxBars* Bars() const;
  TdxBarManager* BarManager() const;
  TdxBarItemLinks* ItemLinks() const { return FItemLinks.get(); }
  void SetItemLinks(const TdxBarItemLinks* Value) { FItemLinks->Assign(Value); }
  // The bar's window while it shows.
  TdxBarControl* Control() const;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  const String& Name() const { return FName; }
  void SetName(const String& Value);
  bool AllowClose() const { return FAllowClose; }
  void SetAllowClose(bool Value) { FAllowClose = Value; }
  bool Hidden() const { return FHidden; }
  void SetHidden(bool Value) { FHidden = Value; }
  // Clears the manager's previous main-menu bar.
  bool IsMainMenu() const { return FIsMainMenu; }
  void SetIsMainMenu(bool Value);
  bool RotateWhenVertical() const { return FRotateWhenVertical; }
  void SetRotateWhenVertical(bool Value) { FRotateWhenVertical = Value; }
  TdxBarDockingStyle DockingStyle() const { return FDockingStyle; }
  void SetDockingStyle(TdxBarDockingStyle Value);
  TdxBarDockingStyles NotDocking() const { return FNotDocking; }
  void SetNotDocking(TdxBarDockingStyles Value) { FNotDocking = Value; }
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

 private:
  bool ManagerLoading() const;

  std::unique_ptr<TdxBarItemLinks> FItemLinks;
  TdxBarOwnFont FFont;
  String FCaption;
  String FName;
  bool FAllowClose = true;
  bool FHidden = false;
  bool FIsMainMenu = false;
  bool FRotateWhenVertical = true;
  TdxBarDockingStyle FDockingStyle = dsNone;
  TdxBarDockingStyles FNotDocking = 0;
  bool FVisible = false;
  bool FLoadedVisible = false;
  bool FLocked = false;
  bool FHiddenWhenEmpty = false;
  std::vector<TCustomdxBarSubItem*> FDetachingSubItems;
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

 private:
  TdxBarManager* FBarManager;
  std::array<TdxDockControl*, 5> FDockControls{};
  bool FLoading = false;
};
