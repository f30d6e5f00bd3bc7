// TdxSideBar: the navigation pane of a form. A column of group headers, one group open at a
// time showing its items as large or small icons with captions; a click on an item reports it.
// Items are plain or linked to a stored item of a TdxSideBarStore (dxsbarStore.h).
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "classes/Collection.h"
#include "controls/Panel.h"
#include "graphics/Graphic.h"
#include "graphics/ImageList.h"
#include "sidebar/dxsbarDrag_p.h"
#include "sidebar/dxsbarMouse_p.h"
#include "sidebar/dxsbarStore.h"

class TCustomEdit;
class THintWindow;
class TdxSideBar;
class TdxSideBarDragObject;
class TdxSideBarItems;
class TdxSideGroup;

enum TdxsbPaintStyle { sbpsStandard, sbpsFlat };
inline constexpr const char* TdxsbPaintStyleNames[] = {"sbpsStandard", "sbpsFlat"};
enum TdxSideGroupIconType { dxsgLargeIcon, dxsgSmallIcon };
inline constexpr const char* TdxSideGroupIconTypeNames[] = {"dxsgLargeIcon", "dxsgSmallIcon"};
enum TdxSideBarFillStyle { bfsNone, bfsHorz, bfsVert };
inline constexpr const char* TdxSideBarFillStyleNames[] = {"bfsNone", "bfsHorz", "bfsVert"};

using TdxSideBarDeleteItemEvent = std::function<void(TObject* Sender, TdxSideBarItem* Item)>;
using TdxSideBarChangeGroupCaptionEvent = std::function<void(TObject* Sender, TdxSideGroup* Group)>;
// Target is nil when the drop added no item.
using TdxSideBarDragDropItemEvent =
    std::function<void(TObject* Sender, TdxSideBarItem* Source, TdxSideBarItem* Target, bool IsCopy)>;

// The background fill: a gradient between two colours in bands of Step pixels, stacked top to
// bottom (bfsHorz) or left to right (bfsVert); bfsNone, or equal colours, fill plainly.
class TdxSideBarBackGround : public TPersistent {
 public:
  explicit TdxSideBarBackGround(std::function<void()> OnChange) : FOnChange(std::move(OnChange)) {}
  String ClassName() const override { return "TdxSideBarBackGround"; }
  void Assign(const TPersistent* Source) override;

  TColor BeginColor() const { return FBeginColor; }
  void SetBeginColor(TColor Value) { Change(FBeginColor, Value); }
  TColor EndColor() const { return FEndColor; }
  void SetEndColor(TColor Value) { Change(FEndColor, Value); }
  TdxSideBarFillStyle FillStyle() const { return FFillStyle; }
  void SetFillStyle(TdxSideBarFillStyle Value) { Change(FFillStyle, Value); }
  // Values below 1 are ignored.
  int Step() const { return FStep; }
  void SetStep(int Value);

 private:
  template <class V>
  void Change(V& Field, V Value) {
    if (Field == Value) return;
    Field = Value;
    if (FOnChange) FOnChange();
  }

  std::function<void()> FOnChange;
  TColor FBeginColor = clGrayText;
  TColor FEndColor = clGrayText;
  TdxSideBarFillStyle FFillStyle = bfsNone;
  int FStep = 2;
};

class TdxSideBarItem : public TCollectionItem {
 public:
  explicit TdxSideBarItem(TCollection* Collection);
  ~TdxSideBarItem() override;
  String ClassName() const override { return "TdxSideBarItem"; }
  // Copies the other item's stored item, IsDefault, Tag, CustomData and its values as shown.
  void Assign(const TPersistent* Source) override;

  // Caption, Hint, Enabled and the images read from the stored item while IsDefault holds, from
  // the item's own values otherwise. Giving the item a value of its own that differs from its
  // stored item's turns IsDefault off.
  String Caption() const;
  void SetCaption(const String& Value);
  String Hint() const;
  void SetHint(const String& Value);
  bool Enabled() const;
  void SetEnabled(bool Value);
  int LargeImage() const;
  void SetLargeImage(int Value);
  int SmallImage() const;
  void SetSmallImage(int Value);
  // Free for the application.
  const String& CustomData() const { return FCustomData; }
  void SetCustomData(const String& Value) { FCustomData = Value; }
  // Turning it on while a stored item is linked copies the stored item's values.
  bool IsDefault() const { return FIsDefault; }
  void SetIsDefault(bool Value);
  TdxStoredSideItem* StoredItem() const { return FStoredItem; }
  // A new stored item (outside loading) gives its caption, images and Tag, and IsDefault.
  void SetStoredItem(TdxStoredSideItem* Value);
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }

  TdxSideBarItems* Items() const;
  TdxSideGroup* Group() const;
  TdxSideBar* SideBar() const;

  // What painting found: the caption's height as last drawn (large icons), and whether the item
  // showed whole or cut off at the bottom of the items area.
  int CaptionHeight() const { return FCaptionHeight; }
  bool FullyShown() const { return FFullyShown; }
  bool Cut() const { return FCut; }

 private:
  friend class TdxSideBar;
  friend class TdxStoredSideItem;
  bool Loading() const;
  // Stores a value of the item's own; IsDefault goes off when it differs from the stored item's.
  template <class V>
  bool SetOwn(V& Field, const V& Current, const V& Value, const V& Stored);
  void CopyStoredValues();
  void ClearLayoutFlags() { FFullyShown = FCut = false; }

  String FCaption;
  String FHint;
  bool FEnabled = true;
  int FLargeImage = -1;
  int FSmallImage = -1;
  String FCustomData;
  bool FIsDefault = true;
  TdxStoredSideItem* FStoredItem = nullptr;
  int FTag = 0;
  int FCaptionHeight = 0;
  bool FFullyShown = false;
  bool FCut = false;
};

class TdxSideBarItems : public TCollection {
 public:
  explicit TdxSideBarItems(TdxSideGroup* Group);
  String ClassName() const override { return "TdxSideBarItems"; }
  TdxSideBarItem* Items(int Index) const { return static_cast<TdxSideBarItem*>(TCollection::Items(Index)); }
  TdxSideBarItem* Add() { return static_cast<TdxSideBarItem*>(TCollection::Add()); }
  TdxSideGroup* Group() const { return FGroup; }

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TdxSideGroup* FGroup;
};

class TdxSideGroup : public TCollectionItem {
 public:
  explicit TdxSideGroup(TCollection* Collection);
  ~TdxSideGroup() override;
  String ClassName() const override { return "TdxSideGroup"; }
  // Copies Caption, IconType, Visible and the items.
  void Assign(const TPersistent* Source) override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  TdxSideGroupIconType IconType() const { return FIconType; }
  void SetIconType(TdxSideGroupIconType Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  TdxSideBarItems* Items() const { return FItems.get(); }
  void SetItems(const TdxSideBarItems* Value);
  // The first item shown (the scroll position); only indexes of existing items are taken.
  int TopIndex() const { return FTopIndex; }
  void SetTopIndex(int Value);

  TdxSideBar* SideBar() const;
  bool BeingDestroyed() const { return FBeingDestroyed; }

 private:
  friend class TdxSideBar;
  std::unique_ptr<TdxSideBarItems> FItems;
  String FCaption = "New Group";
  TdxSideGroupIconType FIconType = dxsgLargeIcon;
  bool FVisible = true;
  int FTopIndex = 0;
  bool FBeingDestroyed = false;
  bool FAssigning = false;
};

class TdxSideGroups : public TCollection {
 public:
  explicit TdxSideGroups(TdxSideBar* SideBar);
  String ClassName() const override { return "TdxSideGroups"; }
  TdxSideGroup* Items(int Index) const { return static_cast<TdxSideGroup*>(TCollection::Items(Index)); }
  TdxSideGroup* Add() { return static_cast<TdxSideGroup*>(TCollection::Add()); }
  TdxSideBar* SideBar() const { return FSideBar; }

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TdxSideBar* FSideBar;
};

class TdxSideBar : public TCustomPanel {
 public:
  explicit TdxSideBar(TComponent* AOwner);
  ~TdxSideBar() override;
  String ClassName() const override { return "TdxSideBar"; }
  // Copies Store, Groups and the image lists, painting once at the end.
  void Assign(const TPersistent* Source) override;
  // Saves the groups to the registry when StoreInRegistry asks for it.
  void BeforeDestruction() override;

  // --- model -----------------------------------------------------------------------------
  TdxSideGroups* Groups() const { return FGroups.get(); }
  void SetGroups(const TdxSideGroups* Value);
  // The open group's position among the visible groups; -1 when no group is visible. A value out
  // of range opens the first visible group.
  int ActiveGroupIndex() const { return FActiveGroupIndex; }
  void SetActiveGroupIndex(int Value);
  TdxSideGroup* ActiveGroup() const { return FActiveGroup; }
  TdxSideBarStore* Store() const { return FStore; }
  // Outside loading a new store clears the groups first.
  void SetStore(TdxSideBarStore* Value);

  // --- look --------------------------------------------------------------------------------
  TdxSideBarBackGround* BkGround() const { return FBkGround.get(); }
  void SetBkGround(const TdxSideBarBackGround* Value) { FBkGround->Assign(Value); }
  TPicture* BkPicture() const { return FBkPicture.get(); }
  void SetBkPicture(const TPicture* Value) { FBkPicture->Assign(Value); }
  TFont* GroupFont() const { return FGroupFont.get(); }
  void SetGroupFont(const TFont* Value) { FGroupFont->Assign(Value); }
  TFont* ItemFont() const { return FItemFont.get(); }
  void SetItemFont(const TFont* Value) { FItemFont->Assign(Value); }
  // Headers grow by twice this (0..9; other values are ignored).
  int GroupHeightOffSet() const { return FGroupHeightOffSet; }
  void SetGroupHeightOffSet(int Value);
  TImageList* LargeImages() const { return FLargeImages; }
  void SetLargeImages(TImageList* Value);
  TImageList* SmallImages() const { return FSmallImages; }
  void SetSmallImages(TImageList* Value);
  TdxsbPaintStyle PaintStyle() const { return FPaintStyle; }
  void SetPaintStyle(TdxsbPaintStyle Value);
  // The pixels between items (5 or more; smaller values are ignored).
  int SpaceHeight() const { return FSpaceHeight; }
  void SetSpaceHeight(int Value);
  bool ShowGroups() const { return FShowGroups; }
  void SetShowGroups(bool Value);
  bool TransparentImages() const { return FTransparentImages; }
  void SetTransparentImages(bool Value);

  // --- behaviour ---------------------------------------------------------------------------
  // A clicked item stays selected (framed sunken) while this holds.
  bool CanSelected() const { return FCanSelected; }
  void SetCanSelected(bool Value);
  // Milliseconds between the scroll steps of a held scroll button (values <= 0 are ignored).
  int ScrollDelay() const { return FScrollDelay; }
  void SetScrollDelay(int Value);
  TPopupMenu* GroupPopupMenu() const { return FGroupPopupMenu; }
  void SetGroupPopupMenu(TPopupMenu* Value);
  TPopupMenu* ItemPopupMenu() const { return FItemPopupMenu; }
  void SetItemPopupMenu(TPopupMenu* Value);
  // dmAutomatic lets the user drag items; the control's own drag mode stays manual.
  TDragMode DragMode() const { return FSideBarDragMode; }
  void SetDragMode(TDragMode Value) { FSideBarDragMode = Value; }
  // The registry key (below the current user's root) that keeps the groups while
  // StoreInRegistry holds: read when the side bar is loaded, written when it is freed.
  const String& RegistryPath() const { return FRegistryPath; }
  void SetRegistryPath(const String& Value) { FRegistryPath = Value; }
  bool StoreInRegistry() const { return FStoreInRegistry; }
  void SetStoreInRegistry(bool Value) { FStoreInRegistry = Value; }
  // Writes the groups and items under RegistryPath, replacing what was there.
  void SaveToRegistry();
  // Reads them back; the groups stay as they are when the key holds none or cannot be read.
  void LoadFromRegistry();

  // --- run-time state ----------------------------------------------------------------------
  // The item under the mouse (the "focused" item of the events) and the selected one.
  TdxSideBarItem* FocusedItem() const { return FMouse.HotItem; }
  TdxSideBarItem* SelectedItem() const { return FMouse.SelectedItem; }
  // The item or group header at a client point (nullptr when none).
  TdxSideBarItem* ItemAtPos(TPoint P);
  TdxSideGroup* GroupAtPos(TPoint P);
  bool UpButtonShown() const { return FScroll.UpShown; }
  bool DownButtonShown() const { return FScroll.DownShown; }
  bool HintShowing() const { return FHint.Showing; }
  // The item an insertion mark is drawn at during a drag (nullptr: none), and whether it lies
  // after that item.
  TdxSideBarItem* InsertMarkItem() const { return FDropMark.Item; }
  bool InsertMarkAfter() const { return FDropMark.After; }

  // Runs the item's click: its stored item's OnClick or action, and OnItemClick unless the
  // stored item has an OnClick of its own. A disabled item does nothing.
  virtual void DoItemClick(TdxSideBarItem* Item);
  // Caption editing: the editor (owned by the side bar from now on) edits the caption of Group,
  // or of Item when given; EndEdit with Accept takes a non-empty text as the new caption.
  void BeginCaptionEdit(TdxSideGroup* Group, TdxSideBarItem* Item, TCustomEdit* Editor);
  void EndEdit(bool Accept);
  bool Editing() const { return FEditor != nullptr; }

  TdxSideBarItemClickEvent OnItemClick;
  TdxSideBarDeleteItemEvent OnDeleteItem;
  TNotifyEvent OnChangeActiveGroup;
  TNotifyEvent OnChangeFocusedItem;
  TdxSideBarChangeGroupCaptionEvent OnChangeGroupCaption;
  TNotifyEvent OnChangeSelectedItem;
  TNotifyEvent OnBeforeEdit;
  TNotifyEvent OnAfterEdit;
  TdxSideBarDragDropItemEvent OnDragDropItem;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DoStartDrag(TDragObject*& DragObject) override;
  void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;

 private:
  friend class TdxSideBarItem;
  friend class TdxSideBarItems;
  friend class TdxSideGroup;
  friend class TdxSideGroups;
  friend class TdxSideBarStore;
  friend class TdxStoredSideItem;
  friend class TdxSideBarDragObject;
  struct TGeometry;
  struct TItemPlace;

  bool Loading() const { return (ComponentState() & csLoading) != 0; }
  bool BeingDestroyed() const { return FDestroying || (ComponentState() & csDestroying); }
  void Changed();

  // Model reactions (dxsbarModel.cpp).
  void RebuildVisibleGroups() const;
  void ActivateGroup(TdxSideGroup* Group);
  void GroupDestroying(TdxSideGroup* Group);
  void GroupsChanged();
  void GroupCaptionChanged(TdxSideGroup* Group);
  void GroupLayoutChanged(TdxSideGroup* Group);
  void ItemDestroying(TdxSideBarItem* Item);
  void ItemChanged(TdxSideBarItem* Item, bool Shown);
  void StoredItemDestroying(TdxStoredSideItem* Item);

  // Geometry (dxsbarLayout.cpp).
  TGeometry Geometry() const;
  std::vector<TItemPlace> ItemPlaces(const TGeometry& G) const;
  const TItemPlace* FindPlace(const std::vector<TItemPlace>& Places, const TdxSideBarItem* Item) const;
  int HeaderAt(const TGeometry& G, TPoint P) const;
  TImageList* LargeImageList() const;
  TImageList* SmallImageList() const;
  TSize ImageSize(bool Large) const;
  int TextHeight(const TFont* Font) const;
  TRect UpButtonRect(const TGeometry& G) const;
  TRect DownButtonRect(const TGeometry& G) const;

  // Painting (dxsbarPaint.cpp, dxsbarFill.cpp).
  void FillBackground(HDC DC, const TRect& R);
  void DrawFlatFrame(HDC DC, const TGeometry& G, bool Sliding);
  void DrawHeader(HDC DC, const TGeometry& G, int Index);
  void DrawHeaders(HDC DC, const TGeometry& G);
  void DrawItems(HDC DC, const TGeometry& G);
  void DrawItem(HDC DC, const TGeometry& G, const TItemPlace& Place);
  void DrawItemImage(HDC DC, const TGeometry& G, const TItemPlace& Place);
  void DrawItemFrame(HDC DC, const TItemPlace& Place, bool Sunken);
  void DrawScrollButtons(HDC DC, const TGeometry& G);
  void DrawInsertMark(HDC DC, const TGeometry& G);
  int InsertMarkY(const TGeometry& G) const;
  void SlideHeaders(HDC DC, const TGeometry& G);
  // State changes repaint only what they change: an item with its frame, a header, the
  // scroll buttons, the strip of the insertion mark.
  void InvalidateItem(TdxSideBarItem* Item);
  void InvalidateHeader(int Index);
  void InvalidateScrollButtons();
  void InvalidateInsertMark();
  // The scroll buttons show while items lie above the first shown one or below the last.
  void UpdateScrollButtons(const TGeometry& G, const std::vector<TItemPlace>& Places);

  // Mouse, scrolling, hints and selection (dxsbarMouse.cpp).
  void SetHotItem(TdxSideBarItem* Item, bool Pressed);
  void SetSelectedItem(TdxSideBarItem* Item);
  void SetHotHeader(int Index, bool Down, bool Pressed);
  void ScrollItems(int Delta);
  void StartScrollTimer();
  void StopScrollTimer();
  void ScrollTimerTick();
  void ReleaseScrollButtons();
  void ShowItemHint(TdxSideBarItem* Item);
  void HideItemHint();
  void HeaderMouseMove(TPoint P);
  void HeaderMouseUp(TPoint P);
  bool ScrollButtonMouseDown(TPoint P);
  void StartItemDrag(TPoint P);
  void WMTimer(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message);
  void CMMouseEnter(TMessage& Message);
  void CMMouseLeave(TMessage& Message);

  // Item drag (dxsbarDrag.cpp).
  void DragOverItems(TPoint P, bool& Accept);
  bool DragScrollZone(const TGeometry& G, TPoint P);
  // The item a dragged item would go after (or before, After false) at P; nullptr when none.
  TdxSideBarItem* DropPosition(const TGeometry& G, TPoint P, bool& After);
  void SetInsertMark(TdxSideBarItem* Item, bool After);

  std::unique_ptr<TdxSideGroups> FGroups;
  std::unique_ptr<TdxSideBarBackGround> FBkGround;
  std::unique_ptr<TPicture> FBkPicture;
  std::unique_ptr<TFont> FGroupFont;
  std::unique_ptr<TFont> FItemFont;
  std::unique_ptr<TImageList> FPrivateImages;
  TChangeLink FLargeChangeLink;
  TChangeLink FSmallChangeLink;
  TImageList* FLargeImages = nullptr;
  TImageList* FSmallImages = nullptr;
  TdxSideBarStore* FStore = nullptr;
  TPopupMenu* FGroupPopupMenu = nullptr;
  TPopupMenu* FItemPopupMenu = nullptr;
  bool FCanSelected = false;
  int FGroupHeightOffSet = 0;
  TdxsbPaintStyle FPaintStyle = sbpsFlat;
  int FScrollDelay = 300;
  int FSpaceHeight = 7;
  bool FShowGroups = true;
  bool FTransparentImages = false;
  String FRegistryPath;
  bool FStoreInRegistry = false;
  TDragMode FSideBarDragMode = dmManual;

  TdxSideGroup* FActiveGroup = nullptr;
  int FActiveGroupIndex = -1;
  int FPrevActiveIndex = -1;
  int FLastVisibleCount = 0;
  mutable std::vector<TdxSideGroup*> FVisibleGroups;
  bool FDestroying = false;
  bool FAssigning = false;

  TdxSideBarMouseState FMouse;
  TdxSideBarDropMark FDropMark;
  TdxSideGroup* FEditGroup = nullptr;
  TdxSideBarItem* FEditItem = nullptr;
  TCustomEdit* FEditor = nullptr;
  TdxSideBarScrollState FScroll;
  TdxSideBarHintState FHint;
};
