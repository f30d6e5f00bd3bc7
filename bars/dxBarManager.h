// TdxBarManager: the one component per form that owns the bars, the command items, their
// categories and groups and the popup menus drawn from them, and holds the settings every bar
// shares (style and its metrics, font, images, hints, menus). The process-wide list of managers
// sits beside it. Categories and groups are in dxBarCategories.h.
#pragma once

#include <memory>
#include <vector>

#include "bars/dxBarCommon.h"
#include "bars/dxBarCustomizing_p.h"
#include "bars/dxBarDragLinks_p.h"
#include "bars/dxBarHint_p.h"
#include "bars/dxBarLayoutStore_p.h"
#include "bars/dxBarManagerSettings_p.h"
#include "bars/dxBarMdi_p.h"
#include "bars/dxBarMenuMode_p.h"
#include "bars/dxBarReset_p.h"
#include "classes/Component.h"
#include "graphics/Graphic.h"
#include "graphics/ImageList.h"
#include "rtl/StringList.h"
#include "windows/Messages.h"

class TCustomForm;
class TdxBarManagerCategories;
class TdxBarPopupMenuLinks;
class TWriter;

using TdxBarEvent = std::function<void(TdxBarManager* Sender, TdxBar* ABar)>;
using TdxBarItemLinkEvent = std::function<void(TObject* Sender, TdxBarItemLink* AItemLink)>;
using TdxBarDockingEvent =
    std::function<void(TdxBar* Sender, TdxBarDockingStyle Style, TdxDockControl* DockControl, bool& CanDocking)>;
using TdxBarMenuMergeEvent = std::function<void(TObject* Sender, TdxBarManager* ChildBarManager, bool AddItems)>;
using TdxBarShowPopupEvent = std::function<void(TObject* Sender, TdxBarItemLinks* PopupItemLinks)>;
using TdxBarClickItemEvent = std::function<void(TObject* Sender, TdxBarItem* ClickedItem)>;

class TdxBarManager : public TComponent {
 public:
  // The owner must be a form (or, with no owner, the application's main form is taken) that has
  // no manager yet; otherwise the texts 39004 and 39003 are raised.
  explicit TdxBarManager(TComponent* AOwner);
  ~TdxBarManager() override;
  String ClassName() const override { return "TdxBarManager"; }

  TCustomForm* OwnerForm() const { return FOwnerForm; }
  bool IsDesigning() const { return FDesigning; }
  bool IsLoading() const { return (ComponentState() & csLoading) != 0; }
  bool IsDestroying() const { return (ComponentState() & csDestroying) != 0; }

  // --- owned lists --------------------------------------------------------------------------
  TdxBars* Bars() const { return FBars.get(); }
  TdxBarManagerCategories* Categories() const { return FCategories.get(); }
  void SetCategories(const TStrings* Value);
  int ItemCount() const { return static_cast<int>(FItems.size()); }
  TdxBarItem* Items(int Index) const { return FItems.at(static_cast<size_t>(Index)); }
  int GroupCount() const { return static_cast<int>(FGroups.size()); }
  TdxBarGroup* Groups(int Index) const { return FGroups.at(static_cast<size_t>(Index)); }
  int IndexOfGroup(const TdxBarGroup* Group) const;
  void MoveGroup(const TdxBarGroup* Group, int NewIndex);
  // The popup menus bound to the form's controls.
  TdxBarPopupMenuLinks* PopupMenuLinks() const { return FPopupMenuLinks.get(); }
  int PopupMenuCount() const { return static_cast<int>(FPopupMenus.size()); }
  TdxBarPopupMenu* PopupMenus(int Index) const { return FPopupMenus.at(static_cast<size_t>(Index)); }
  int DockControlCount() const { return static_cast<int>(FDockControls.size()); }
  TdxDockControl* DockControls(int Index) const { return FDockControls.at(static_cast<size_t>(Index)); }
  void RegisterDockControl(TdxDockControl* Control);
  // Hides the bars docked in the site, takes it out of every bar and forgets it.
  void UnregisterDockControl(TdxDockControl* Control);
  void RegisterGroup(TdxBarGroup* Group);
  void UnregisterGroup(TdxBarGroup* Group);
  void RegisterItem(TdxBarItem* Item);
  void UnregisterItem(TdxBarItem* Item);
  void RegisterPopupMenu(TdxBarPopupMenu* Menu);
  void UnregisterPopupMenu(TdxBarPopupMenu* Menu);
  TdxBar* MainMenuBar() const { return FMainMenuBar; }
  void SetMainMenuBar(TdxBar* Bar) { FMainMenuBar = Bar; }
  // Every bar window of this manager that exists now.
  std::vector<TCustomdxBarControl*> BarControls() const;

  // --- look-ups -----------------------------------------------------------------------------
  // The first bar whose Caption, or Name, is Text exactly.
  TdxBar* FindBarByCaption(const String& Text) const;
  TdxBar* FindBarByName(const String& Text) const;
  // The first item with this component name, without regard to case.
  TdxBarItem* FindItemByName(const String& Text) const;
  // The items of a category in Items order; nothing for an index out of range.
  void GetItemsOfCategory(int Index, std::vector<TdxBarItem*>& List) const;
  // At run time only the items visible on screen.
  void GetVisibleItemsOfCategory(int Index, std::vector<TdxBarItem*>& List) const;
  // The index of the N-th visible category, -1 when none (at design time N itself).
  int VisibleCategoryIndex(int N) const;
  void MoveItem(int CurIndex, int NewIndex);
  void ExchangeItems(int Index1, int Index2);
  TdxBarGroup* AddGroup();

  // --- categories ---------------------------------------------------------------------------
  // Out-of-range indexes read as ivNever and False and are ignored when set.
  TdxBarItemVisible CategoryItemsVisible(int Index) const;
  void SetCategoryItemsVisible(int Index, TdxBarItemVisible Value);
  bool CategoryVisible(int Index) const;
  void SetCategoryVisible(int Index, bool Value);

  // --- state --------------------------------------------------------------------------------
  bool IsCustomizing() const { return FCustomizingState.Customizing || FDesigning; }
  void SetCustomizing(bool Value);
  // While locked, dock sites do not redraw and bars are locked.
  bool UpdateLocked() const { return FUpdateLocked; }
  void SetUpdateLocked(bool Value);
  TdxBarItemControl* SelectedItemControl() const { return FCustomizingState.SelectedItemControl; }
  // While customising one control is selected among all bar windows: the windows that held the
  // old one and that do not lead to the new one let go of their selection (closing the menus of
  // their sub items).
  void SetSelectedItemControl(TdxBarItemControl* Value);
  // The toolbar window that took the keyboard (menu mode from the keyboard or a click).
  TdxBarControl* KeyboardModeBarControl() const { return FKeyboardModeBarControl; }
  void SetKeyboardModeBarControl(TdxBarControl* Value) { FKeyboardModeBarControl = Value; }
  // The main-menu bar's window, nullptr while it is hidden.
  TdxBarControl* MainMenuControl() const;
  // The active bar window closes when there is one.
  static void CloseActiveMenus();
  // The item (and link) being dragged while customising.
  TdxBarItem* DraggedItem() const { return FLinkDrag.Item; }
  TdxBarItemLink* DraggedItemLink() const { return FLinkDrag.Link; }
  void SetDraggedItem(TdxBarItem* Item, TdxBarItemLink* Link);
  // Where the button went down on the dragged link's view (a screen point).
  TPoint DragGrabPoint() const { return FLinkDrag.GrabPoint; }
  void SetDragGrabPoint(TPoint Value) { FLinkDrag.GrabPoint = Value; }
  // Drags Item (from Link, or from the customize dialog's commands when Link is nullptr) in a
  // loop of its own until the button is released or Esc pressed, and drops it where it is.
  void DragItemLink(TdxBarItem* Item, TdxBarItemLink* Link);
  // The form that customises the bars while it is open (it disables the managed forms).
  TCustomForm* CustomizingForm() const { return FCustomizingState.Form; }
  void SetCustomizingForm(TCustomForm* Value) { FCustomizingState.Form = Value; }
  // The window that owns the bars' message boxes and drags: the customising form, else the
  // application's main form when it shows, else the owner form.
  HWND DialogOwnerWindow() const;
  // Held while floating bars are shown or hidden for an activation, which ignores nested ones.
  bool ActivationGuard() const { return FActivationGuard; }
  void SetActivationGuard(bool Value) { FActivationGuard = Value; }
  // The layout changed (the designer would be told); cleared by whoever saves it.
  bool Modified() const { return FModified; }
  void SetModified(bool Value) { FModified = Value; }
  void DesignerModified();
  // Allowed when AllowReset and the manager was read from a layout exactly once.
  bool CanReset() const { return FReset.AllowReset && FReset.ReadStateCount == 1; }
  // A design-time item change refreshes the customize dialog's lists.
  void ItemChanged(TdxBarItem* Item);

  // --- derived metrics ----------------------------------------------------------------------
  int GripOffset() const { return FMetrics.GripOffset; }
  int GripSize() const { return FMetrics.GripSize; }
  int SeparatorInset() const { return FMetrics.SeparatorInset; }
  int ImageSize() const { return FMetrics.ImageSize; }
  int ButtonSize() const { return FMetrics.ButtonSize; }
  int ImageFrameSize() const { return FMetrics.ImageFrameSize; }
  int ArrowWidth() const { return FMetrics.ArrowWidth; }
  // The usage count a link needs to count as recent; from MostRecentItemsPercents.
  int UsageThreshold() const { return FMenus.UsageThreshold; }
  bool IsFlat() const { return FLook.Style == bmsFlat; }
  bool ShowRecentItemsFirst() const { return FLook.Style != bmsStandard && FMenus.MenusShowRecentItemsFirst; }
  // The frame of floating bars: 3 pixels under bmsFlat, else the system frame.
  int FrameWidth() const;
  // The four brushes of the flat style: background, menu background, selection, highlight.
  const HBRUSH& FlatBrush(int Index) const { return FBrushes.Flat.at(static_cast<size_t>(Index)); }
  const HBRUSH& ShadowBrush() const { return FBrushes.Shadow; }
  // The brushes made from the system colours, made again after a colour change.
  void RebuildBrushes();
  // With UseSystemFont the font becomes the system menu font; otherwise, while Scaled, it takes
  // that font's height only.
  void ApplySystemFont();
  // The font handle the bars draw with, made from Font.
  const HFONT& FontHandle() const { return FFontState.Handle; }

  bool CanDocking(TdxBar* Bar, TdxBarDockingStyle Style, TdxDockControl* DockControl);
  virtual void DoClickItem(TdxBarItem* Item);

  // --- published settings -------------------------------------------------------------------
  bool AllowCallFromAnotherForm() const { return FMenus.AllowCallFromAnotherForm; }
  void SetAllowCallFromAnotherForm(bool Value) { FMenus.AllowCallFromAnotherForm = Value; }
  bool AllowReset() const { return FReset.AllowReset; }
  void SetAllowReset(bool Value) { FReset.AllowReset = Value; }
  bool AlwaysMerge() const { return FMdi.AlwaysMerge; }
  void SetAlwaysMerge(bool Value) { FMdi.AlwaysMerge = Value; }
  bool AlwaysSaveText() const { return FAlwaysSaveText; }
  void SetAlwaysSaveText(bool Value) { FAlwaysSaveText = Value; }
  bool AutoDockColor() const { return FDocking.AutoDockColor; }
  void SetAutoDockColor(bool Value);
  bool AutoHideEmptyBars() const { return FAutoHideEmptyBars; }
  void SetAutoHideEmptyBars(bool Value);
  int ButtonArrowWidth() const { return FLook.ButtonArrowWidth; }
  void SetButtonArrowWidth(int Value);
  bool CanCustomize() const { return FCustomizingState.CanCustomize; }
  void SetCanCustomize(bool Value) { FCustomizingState.CanCustomize = Value; }
  // The owner form's colour while AutoDockColor.
  TColor DockColor() const;
  void SetDockColor(TColor Value);
  bool IsDockColorStored() const { return !FDocking.AutoDockColor; }
  bool FlatCloseButton() const { return FLook.FlatCloseButton; }
  void SetFlatCloseButton(bool Value);
  TFont* Font() const { return FFontState.Font.get(); }
  void SetFont(const TFont* Value) { FFontState.Font->Assign(Value); }
  TBitmap* HelpButtonGlyph() const { return FCustomizingState.HelpButtonGlyph.get(); }
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value) { FHelpContext = Value; }
  TImageList* Images() const { return FImageLists.Images; }
  void SetImages(TImageList* Value);
  TImageList* HotImages() const { return FImageLists.HotImages; }
  void SetHotImages(TImageList* Value);
  TImageList* LargeImages() const { return FImageLists.LargeImages; }
  void SetLargeImages(TImageList* Value);
  TColor ImageListBkColor() const { return FImageLists.BkColor; }
  void SetImageListBkColor(TColor Value);
  const String& IniFileName() const { return FLayoutStore.IniFileName; }
  void SetIniFileName(const String& Value) { FLayoutStore.IniFileName = Value; }
  int LargeButtonArrowWidth() const { return FLook.LargeButtonArrowWidth; }
  void SetLargeButtonArrowWidth(int Value);
  bool LargeIcons() const { return FImageLists.LargeIcons; }
  void SetLargeIcons(bool Value);
  TdxBarMenuAnimations MenuAnimations() const { return FMenus.MenuAnimations; }
  void SetMenuAnimations(TdxBarMenuAnimations Value);
  bool MenusShowRecentItemsFirst() const { return FMenus.MenusShowRecentItemsFirst; }
  void SetMenusShowRecentItemsFirst(bool Value);
  int MostRecentItemsPercents() const { return FMenus.MostRecentItemsPercents; }
  // Values above 100 become 100.
  void SetMostRecentItemsPercents(int Value);
  TdxBarDockingStyles NotDocking() const { return FDocking.NotDocking; }
  void SetNotDocking(TdxBarDockingStyles Value) { FDocking.NotDocking = Value; }
  const String& RegistryPath() const { return FLayoutStore.RegistryPath; }
  void SetRegistryPath(const String& Value) { FLayoutStore.RegistryPath = Value; }
  bool Scaled() const { return FFontState.Scaled; }
  void SetScaled(bool Value);
  bool ShowCloseButton() const { return FLook.ShowCloseButton; }
  void SetShowCloseButton(bool Value);
  bool ShowFullMenusAfterDelay() const { return FMenus.ShowFullMenusAfterDelay; }
  void SetShowFullMenusAfterDelay(bool Value);
  bool ShowHelpButton() const { return FCustomizingState.ShowHelpButton; }
  // The customize dialog shows or hides its help button.
  void SetShowHelpButton(bool Value);
  bool ShowHint() const { return FHints.ShowHint; }
  void SetShowHint(bool Value);
  bool ShowHintForDisabledItems() const { return FHints.ShowHintForDisabledItems; }
  void SetShowHintForDisabledItems(bool Value) { FHints.ShowHintForDisabledItems = Value; }
  bool ShowShortCutInHint() const { return FHints.ShowShortCutInHint; }
  void SetShowShortCutInHint(bool Value);
  bool StoreInIniFile() const { return FLayoutStore.StoreInIniFile; }
  void SetStoreInIniFile(bool Value) { FLayoutStore.StoreInIniFile = Value; }
  bool StoreInRegistry() const { return FLayoutStore.StoreInRegistry; }
  void SetStoreInRegistry(bool Value) { FLayoutStore.StoreInRegistry = Value; }
  bool StretchGlyphs() const { return FImageLists.StretchGlyphs; }
  void SetStretchGlyphs(bool Value) { FImageLists.StretchGlyphs = Value; }
  TdxBarManagerStyle Style() const { return FLook.Style; }
  void SetStyle(TdxBarManagerStyle Value);
  bool SunkenBorder() const { return FDocking.SunkenBorder; }
  void SetSunkenBorder(bool Value);
  bool UseF10ForMenu() const { return FMenus.UseF10ForMenu; }
  void SetUseF10ForMenu(bool Value) { FMenus.UseF10ForMenu = Value; }
  bool UseFullReset() const { return FReset.UseFullReset; }
  void SetUseFullReset(bool Value) { FReset.UseFullReset = Value; }
  bool UseSystemFont() const { return FFontState.UseSystemFont; }
  // Turning it on applies the system menu font at once.
  void SetUseSystemFont(bool Value);
  int WaitForDockingTime() const { return FDocking.WaitForDockingTime; }
  // Negative values are ignored.
  void SetWaitForDockingTime(int Value);

  // --- events -------------------------------------------------------------------------------
  TdxBarEvent OnBarAdd;
  TdxBarEvent OnBarAfterReset;
  TdxBarEvent OnBarBeforeReset;
  TdxBarEvent OnBarClose;
  TdxBarEvent OnBarDelete;
  TdxBarEvent OnBarDockingStyleChange;
  TdxBarEvent OnBarVisibleChange;
  TdxBarItemLinkEvent OnItemLinkAdd;
  TdxBarItemLinkEvent OnItemLinkChange;
  TdxBarItemLinkEvent OnItemLinkDelete;
  TNotifyEvent OnCloseButtonClick;
  TdxBarDockingEvent OnDocking;
  TNotifyEvent OnHelpButtonClick;
  TNotifyEvent OnHideCustomizingForm;
  TNotifyEvent OnShowCustomizingForm;
  TdxBarMenuMergeEvent OnMenuMerge;
  TdxBarShowPopupEvent OnShowCustomizingPopup;
  TdxBarShowPopupEvent OnShowToolbarsPopup;
  TdxBarClickItemEvent OnClickItem;

  // The dispatchers: each calls its handler when one is assigned.
  void DoBarAdd(TdxBar* Bar);
  void DoBarAfterReset(TdxBar* Bar);
  void DoBarBeforeReset(TdxBar* Bar);
  void DoBarClose(TdxBar* Bar);
  void DoBarDelete(TdxBar* Bar);
  // Not while the bars load; the designer is told afterwards.
  void DoBarDockingStyleChange(TdxBar* Bar);
  void DoBarVisibleChange(TdxBar* Bar);
  void DoItemLinkAdd(TdxBarItemLink* Link);
  void DoItemLinkChange(TdxBarItemLink* Link);
  void DoItemLinkDelete(TdxBarItemLink* Link);
  void DoCloseButtonClick();
  void DoHelpButtonClick();
  void DoMenuMerge(TdxBarManager* ChildBarManager, bool AddItems);
  void DoShowCustomizingPopup(TdxBarItemLinks* Links);
  void DoShowToolbarsPopup(TdxBarItemLinks* Links);

  // --- the design and the resets ------------------------------------------------------------
  // A hidden copy of this manager as the owner form's stored layout has it (event bindings and
  // references to the form's other components left out), or nullptr when the program holds no
  // layout of the form. The copy's manager never reads or writes a user layout.
  std::unique_ptr<TCustomForm> LoadDesignLayout() const;
  // Asks (Yes/No) before ResetUsageData.
  void ConfirmResetUsageData();
  // Which links of the bars and sub items count as most recently used comes back from the
  // design; the links and the user's own values stay.
  void ResetUsageData();

  // --- MDI child menus -------------------------------------------------------------------------
  // The menu bar of an MDI frame follows the active child of the form's MDI client: the child's
  // main-menu links are merged into it (with AlwaysMerge always, else while the child is
  // maximised; an OnMenuMerge handler does the merging instead), and while the child is maximised
  // an item with the child's window menu stands first, with the minimise, restore and close
  // buttons at the end. Run by the hooks after every activation change of a child.
  void MergeMDIChild();
  // The merged child is the active one and it is maximised.
  bool MDIMaximized() const { return FMdi.Maximized; }
  HWND MergedChild() const { return FMdi.MergedChild; }

  // --- the layout store ---------------------------------------------------------------------
  // The user's layout (menu settings, bars and their placement, the links of bars and named sub
  // items with their own values and usage) under the registry key Path of the current user, or
  // in sections "<form>.<manager>.*" of the INI file; an empty argument does nothing. Saving
  // replaces what was stored; loading leaves what the store lacks as it is, hides the bars it
  // does not hold, adds bars it holds beyond the manager's and drops links whose item is gone.
  // Write failures raise.
  void SaveToRegistry(const String& Path) const;
  void LoadFromRegistry(const String& Path);
  void SaveToIniFile(const String& FileName) const;
  void LoadFromIniFile(const String& FileName);
  // The stores the manager uses (StoreInRegistry, StoreInIniFile) get the layout; a failure is
  // reported through the application and never raised, since this runs as the form goes.
  void SaveLayoutToStores() const;

  // --- streaming ----------------------------------------------------------------------------
  // First the groups, then the items with a category, of those owned by Root.
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  // "DockControlHeights": the widths of the left and right sites, the heights of the top and
  // bottom ones.
  void DefineProperties(TFiler& Filer) override;
  // At design time the items whose names begin with the old name follow it.
  void SetName(const String& NewName) override;

 protected:
  void Loaded() override;
  void ReadState(TReader& Reader) override;
  // An image list that is freed is no longer used; a control or popup menu leaves its links.
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void CheckOwnerForm(TComponent* AOwner);
  void CreateOwnedObjects();
  void FreeOwnedObjects();
  void CalcStyleMetrics();
  void CalcSizeMetrics();
  void CalcUsageThreshold();
  // Every bar window takes the manager's new look.
  void RebuildBarControls();
  // Every dock site applies the manager's colour, or its border.
  void UpdateDockColors();
  void UpdateDockBorders();
  // The look of the main-menu bar changed: a selected control there is deselected first.
  void RebuildMainMenuControl();
  void FontChanged();
  void SpreadFont();
  void ImagesChanged(TImageList* List);
  void SetImageList(TImageList*& Field, TImageList* Value, TChangeLink& Link);
  void LockDockControls(bool Lock);
  void ApplyLoadedBars();
  void ApplyLoadedCategories();
  void RealignDockControls();
  void ReadDockControlHeights(TReader& Reader);
  void WriteDockControlHeights(TWriter& Writer);
  void ApplyCategoryVisible(int Index, TdxBarItemVisible OldValue, TdxBarItemVisible Value);
  void HideEmptyBars(const std::vector<TdxBar*>& EmptyBefore, TdxBarItemVisible Value);
  void MergeChildMenus(HWND Child, bool Merge, bool SystemItemOnly, bool KeepLocked);
  void MergeChildLinks(TdxBarManager* Child);
  void UnmergeChildLinks(TdxBarManager* Child, bool KeepLocked);
  void AddSystemMenuItem(HWND Child);
  void RemoveSystemMenuItem();

  TCustomForm* FOwnerForm = nullptr;
  bool FDesigning = false;
  std::vector<TdxBarItem*> FItems;
  std::vector<TdxBarGroup*> FGroups;
  std::vector<TdxBarPopupMenu*> FPopupMenus;
  std::vector<TdxDockControl*> FDockControls;
  std::unique_ptr<TdxBarManagerCategories> FCategories;
  std::unique_ptr<TdxBars> FBars;
  std::unique_ptr<TdxBarPopupMenuLinks> FPopupMenuLinks;
  TdxBar* FMainMenuBar = nullptr;
  TdxBarControl* FKeyboardModeBarControl = nullptr;
  bool FActivationGuard = false;
  bool FUpdateLocked = false;
  bool FModified = false;
  bool FAutoHideEmptyBars = false;
  bool FAlwaysSaveText = false;
  int FHelpContext = 0;

  // The state of each concern, declared beside the file that owns it.
  TdxBarCustomizingState FCustomizingState;
  TdxBarLinkDragState FLinkDrag;
  TdxBarMdiState FMdi;
  TdxBarLayoutStoreSettings FLayoutStore;
  TdxBarResetSettings FReset;
  TdxBarMenuSettings FMenus;
  TdxBarHintSettings FHints;
  TdxBarLook FLook;
  TdxBarMetrics FMetrics;
  TdxBarFontState FFontState;
  TdxBarBrushes FBrushes;
  TdxBarImageSettings FImageLists;
  TdxBarDockSettings FDocking;
};

// The managers of the process, in creation order.
class TdxBarManagerList {
 public:
  int Count() const { return static_cast<int>(FManagers.size()); }
  // nullptr outside the range.
  TdxBarManager* Items(int Index) const;
  // The first manager that customises, nullptr when none does.
  TdxBarManager* FindCustomizingManager() const;
  void Add(TdxBarManager* Manager) { FManagers.push_back(Manager); }
  void Remove(TdxBarManager* Manager);

 private:
  std::vector<TdxBarManager*> FManagers;
};

TdxBarManagerList& dxBarManagerList();
// True while a design copy is read: its manager loads no user layout.
bool ReadingDesignLayout();
// The manager whose owner form is Form; nullptr for nullptr or when none matches.
TdxBarManager* ManagerOfForm(const TCustomForm* Form);
// Tells a manager that its design changed; nothing for nullptr.
void BarManagerModified(TdxBarManager* Manager);
