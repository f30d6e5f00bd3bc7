// The item kinds: push, check and drop-down buttons, edit boxes, combo boxes with a drop-down
// list, sub items that open a menu, and container items that expand where they are placed into
// the links of a string list or of another link list.
#pragma once

#include <memory>
#include <vector>

#include "bars/dxBarItem.h"
#include "bars/dxBarItemLinks.h"
#include "controls/ControlTypes.h"
#include "rtl/StringList.h"

class TWinControl;
class TdxBarDropDownListBox;

class TdxBarButton : public TdxBarItem {
 public:
  explicit TdxBarButton(TComponent* AOwner) : TdxBarItem(AOwner) {}
  String ClassName() const override { return "TdxBarButton"; }

  bool AllowAllUp() const { return FAllowAllUp; }
  // Copied to every button of the manager in the same group.
  void SetAllowAllUp(bool Value);
  TdxBarButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TdxBarButtonStyle Value);
  bool CloseSubMenuOnClick() const { return FCloseSubMenuOnClick; }
  void SetCloseSubMenuOnClick(bool Value) { FCloseSubMenuOnClick = Value; }
  bool DropDownEnabled() const { return FDropDownEnabled; }
  void SetDropDownEnabled(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool Down() const { return FDown; }
  // Only a check button goes down; in a group of check buttons one goes up as another goes down,
  // and the last one down stays down unless AllowAllUp.
  void SetDown(bool Value);
  TdxBarPopupMenu* DropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(TdxBarPopupMenu* Value);
  bool Lowered() const { return FLowered; }
  void SetLowered(bool Value);
  TdxBarPaintStyle PaintStyle() const { return FPaintStyle; }
  void SetPaintStyle(TdxBarPaintStyle Value);
  bool UnclickAfterDoing() const override { return FUnclickAfterDoing; }
  void SetUnclickAfterDoing(bool Value) { FUnclickAfterDoing = Value; }

  // A check button toggles Down, then the command runs.
  void Click() override;
  // Opens DropDownMenu at the screen point (X, Y) beside the clicked link's view (its extent
  // kept clear); opened by keyboard, the menu's first link is selected.
  virtual void DropDown(int X, int Y, bool ByMouse);
  bool IsAccelAvailable(const TdxBarItemLink* Link) const override;
  void ActionChange(TBasicAction* Sender, bool CheckDefaults) override;
  bool IsDownStored() const;

  virtual void ButtonStyleChanged();
  virtual void DownChanged();
  virtual void DropDownEnabledChanged();
  virtual void PaintStyleChanged();

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  // The first other check button of the manager in the same group that is down.
  TdxBarButton* DownButtonOfGroup() const;
  void ReleaseDown();
  template <class F>
  void ForEachButtonControl(F Notify);

  bool FAllowAllUp = false;
  TdxBarButtonStyle FButtonStyle = bsDefault;
  bool FCloseSubMenuOnClick = true;
  bool FDropDownEnabled = true;
  int FGroupIndex = 0;
  bool FDown = false;
  TdxBarPopupMenu* FDropDownMenu = nullptr;
  bool FLowered = false;
  TdxBarPaintStyle FPaintStyle = psStandard;
  bool FUnclickAfterDoing = true;
};

// An item whose view edits text; it is not clicked.
class TdxBarWindowItem : public TdxBarItem {
 public:
  explicit TdxBarWindowItem(TComponent* AOwner) : TdxBarItem(AOwner) {}
  String ClassName() const override { return "TdxBarWindowItem"; }

  const String& Text() const { return FText; }
  // A new text repaints the views, fires OnChange, and repaints them again.
  virtual void SetText(const String& Value);
  bool CanClick() const override { return false; }

  virtual void Change();
  virtual void CurChange();
  virtual void DoEnter();
  virtual void DoExit();
  virtual void KeyDown(WORD& Key, TShiftState Shift);
  virtual void KeyPress(TKeyChar& Key);
  virtual void KeyUp(WORD& Key, TShiftState Shift);

  TNotifyEvent OnChange;
  TNotifyEvent OnCurChange;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;

 protected:
  // Sets the text and runs Update, Change, Update, even when it did not change.
  void StoreText(const String& Value);

 private:
  String FText;
};

class TdxBarEdit : public TdxBarWindowItem {
 public:
  explicit TdxBarEdit(TComponent* AOwner) : TdxBarWindowItem(AOwner) {}
  String ClassName() const override { return "TdxBarEdit"; }

  // Values below 1 mean no limit (0).
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value);
  // Held to 20..600.
  int Width() const { return FWidth; }
  void SetWidth(int Value);

  bool IsAccelAvailable(const TdxBarItemLink* Link) const override;
  // The edit views of links without a width of their own measure again.
  virtual void WidthChanged();

 private:
  int FMaxLength = 0;
  bool FReadOnly = false;
  bool FShowCaption = false;
  int FWidth = 100;
};

using TdxBarCheckKeyForDropDownWindowEvent =
    std::function<void(TObject* Sender, WORD Key, TShiftState Shift, bool& AcceptKey)>;
using TdxBarGetDropDownWindowEvent = std::function<void(TObject* Sender, TWinControl*& Window)>;

// A combo item whose drop-down window is given by OnGetDropDownWindow.
class TCustomdxBarCombo : public TdxBarEdit {
 public:
  explicit TCustomdxBarCombo(TComponent* AOwner) : TdxBarEdit(AOwner) {}
  String ClassName() const override { return "TCustomdxBarCombo"; }

  // Without the editor no text can be typed and a press anywhere drops the window down.
  bool ShowEditor() const { return FShowEditor; }
  void SetShowEditor(bool Value);
  // Whether Key goes to the drop-down window: every key but Esc, Enter and Tab unless the event
  // says otherwise.
  virtual bool CheckKeyForDropDownWindow(WORD Key, TShiftState Shift);
  virtual TWinControl* GetDropDownWindow();
  virtual void InitDropDownWindow() {}
  virtual void DropDownShown() {}
  // Fires OnDropDown, then shows the drop-down window at At (screen), placed in the work area
  // there clear of Opener, the screen rectangle of the view it drops from (below it, or beside it
  // when Beside).
  virtual void DropDown(TPoint At, const TRect& Opener, bool Beside);
  // Hides the drop-down window and fires OnCloseUp.
  virtual void CloseUp();

  TdxBarCheckKeyForDropDownWindowEvent OnCheckKeyForDropDownWindow;
  TNotifyEvent OnCloseUp;
  TNotifyEvent OnDropDown;
  TdxBarGetDropDownWindowEvent OnGetDropDownWindow;

 private:
  bool FShowEditor = true;
};

// Where a combo's drop-down window of Size goes from At: below Opener it moves left to end at the
// work area's right edge and opens above Opener when the bottom is passed and there is more room
// there; beside Opener it opens to its left when the right edge is passed and there is more room
// there, and moves up to end at the bottom. Negative coordinates become 0.
TPoint CalcComboDropDownPos(TPoint At, TSize Size, const TRect& Opener, bool Beside, const TRect& WorkArea);

using TdxBarDrawItemEvent = std::function<void(TObject* Sender, int AIndex, const TRect& ARect, unsigned AState)>;
using TdxBarMeasureItemEvent = std::function<void(TObject* Sender, int AIndex, int& AHeight)>;

// A combo item with its own string list.
class TdxBarCustomCombo : public TCustomdxBarCombo {
 public:
  explicit TdxBarCustomCombo(TComponent* AOwner);
  ~TdxBarCustomCombo() override;
  String ClassName() const override { return "TdxBarCustomCombo"; }

  TStringList* Items() const { return FItems.get(); }
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = Value; }
  int DropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(int Value) { FDropDownWidth = Value; }
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value) { FItemHeight = Value; }
  int ItemIndex() const { return FItemIndex; }

  // Keeps ItemIndex on the line that equals the new text (-1 when none).
  void SetText(const String& Value) override;
  // Up, Down, Page Up and Page Down without a shift key.
  bool CheckKeyForDropDownWindow(WORD Key, TShiftState Shift) override;
  // The line sharing the longest start with Text (ignoring case), the first of equals; -1 when
  // none shares its first character.
  int BestPrefixMatch(const String& Text) const;
  // ItemHeight, or the height of "Qq" in the manager's font; then OnMeasureItem.
  virtual void MeasureItem(int Index, int& Height);
  // The list box, unless OnGetDropDownWindow gives a window.
  TWinControl* GetDropDownWindow() override;
  // The list box takes the lines, the width of GetDropDownWidth and the height of its first
  // DropDownCount lines.
  void InitDropDownWindow() override;
  // DropDownWidth, else the view's width less the arrow, raised to the widest line.
  int GetDropDownWidth();
  // The list box drops from the clicked view with the line of the view's text selected.
  void DropDown(TPoint At, const TRect& Opener, bool Beside) override;
  // The line's text width + 2.
  virtual void MeasureItemWidth(int Index, int& Width);

  TdxBarDrawItemEvent OnDrawItem;
  TdxBarMeasureItemEvent OnMeasureItem;

 protected:
  void SetItemIndexValue(int Value) { FItemIndex = Value; }
  // The canvas text is measured on, in the manager's font.
  TCanvas* GetCanvas() const;

 private:
  std::unique_ptr<TStringList> FItems;
  std::unique_ptr<TdxBarDropDownListBox> FListBox;
  int FDropDownCount = 8;
  int FDropDownWidth = 0;
  int FItemHeight = 0;
  int FItemIndex = -1;
};

class TdxBarCombo : public TdxBarCustomCombo {
 public:
  explicit TdxBarCombo(TComponent* AOwner);
  String ClassName() const override { return "TdxBarCombo"; }

  // Out-of-range values become -1; the text becomes the line (empty for -1) and OnChange fires
  // on every change of the index.
  void SetItemIndex(int Value);
  bool Sorted() const { return FSorted; }
  // Sorts the lines and finds ItemIndex again from the text.
  void SetSorted(bool Value);

 private:
  void ItemsChanged();
  bool FSorted = false;
};

// An item that opens a menu of its own links; it is not clicked.
class TCustomdxBarSubItem : public TdxBarItem {
 public:
  explicit TCustomdxBarSubItem(TComponent* AOwner);
  ~TCustomdxBarSubItem() override;
  String ClassName() const override { return "TCustomdxBarSubItem"; }

  TdxBarItemLinks* ItemLinks() const { return FItemLinks.get(); }
  void SetItemLinks(const TdxBarItemLinks* Value);
  // Negative values become 0.
  int BarSize() const { return FBarSize; }
  void SetBarSize(int Value);
  bool Detachable() const { return FDetachable; }
  void SetDetachable(bool Value) { FDetachable = Value; }
  // -1 or the index of one of the manager's bars.
  int DetachingBar() const { return FDetachingBar; }
  void SetDetachingBar(int Value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value);
  bool CanClick() const override { return false; }

  // Whether Item may go into this menu: not the sub item itself, nor a sub item that holds this
  // one already, directly or through nested sub items.
  bool CanContainItem(const TdxBarItem* Item) const;

  virtual void CloseUp();
  virtual void Popup();
  virtual void PaintBar(TCanvas* Canvas, const TRect& R);

  TNotifyEvent OnCloseUp;
  TNotifyEvent OnDetaching;
  TNotifyEvent OnPopup;
  TdxBarPaintSubMenuBarEvent OnPaintBar;

 protected:
  void BarManagerChanged() override;

 private:
  std::unique_ptr<TdxBarItemLinks> FItemLinks;
  int FBarSize = 0;
  bool FDetachable = false;
  int FDetachingBar = -1;
  bool FShowCaption = true;
};

class TdxBarSubItem : public TCustomdxBarSubItem {
 public:
  explicit TdxBarSubItem(TComponent* AOwner) : TCustomdxBarSubItem(AOwner) {}
  String ClassName() const override { return "TdxBarSubItem"; }
  bool AllowCustomizing() const { return FAllowCustomizing; }
  void SetAllowCustomizing(bool Value) { FAllowCustomizing = Value; }

 private:
  bool FAllowCustomizing = true;
};

// An item that expands, where it is placed, into several links.
class TCustomdxBarContainerItem : public TCustomdxBarSubItem {
 public:
  explicit TCustomdxBarContainerItem(TComponent* AOwner) : TCustomdxBarSubItem(AOwner) {}
  String ClassName() const override { return "TCustomdxBarContainerItem"; }

  // Puts the generated links into Target from Index on; each stands for SourceLink (the link of
  // this item there) and gets a control when Target has a window.
  virtual void AddListedItemLinks(TdxBarItemLinks* Target, int Index, TdxBarItemLink* SourceLink, bool FireGetData);
  // Removes the links AddListedItemLinks put at Index.
  virtual void DeleteListedItemLinks(TdxBarItemLinks* Target, int Index);
  virtual void ClearItemList() {}
  virtual bool BeginGroupFirst() const { return true; }
  // A menu that expanded the item closed: the next expansion builds its list anew.
  void MarkItemListStale() { FItemListStale = true; }

  TNotifyEvent OnGetData;

 protected:
  // Inserts a link of Item at Target's position Index, standing for SourceLink.
  static TdxBarItemLink* InsertListedLink(TdxBarItemLinks* Target, int Index, TdxBarItem* Item,
                                          TdxBarItemLink* SourceLink, bool BeginGroup);
  void PrepareItemList(bool FireGetData);

 private:
  bool FItemListStale = false;
};

// One generated button per line of Items ("-" lines are separators).
class TdxBarListItem : public TCustomdxBarContainerItem {
 public:
  explicit TdxBarListItem(TComponent* AOwner);
  ~TdxBarListItem() override;
  String ClassName() const override { return "TdxBarListItem"; }

  TStringList* Items() const { return FItems.get(); }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  // The position of ItemIndex among the lines that are not separators.
  int DataIndex() const;
  void SetDataIndex(int Value);
  bool ShowCheck() const { return FShowCheck; }
  void SetShowCheck(bool Value) { FShowCheck = Value; }
  bool ShowNumbers() const { return FShowNumbers; }
  void SetShowNumbers(bool Value) { FShowNumbers = Value; }
  // The text shown for a line.
  virtual void GetDisplayText(const String& S, String& Text) const { Text = S; }

  void AddListedItemLinks(TdxBarItemLinks* Target, int Index, TdxBarItemLink* SourceLink, bool FireGetData) override;
  void DeleteListedItemLinks(TdxBarItemLinks* Target, int Index) override;
  // Frees the generated buttons once none of them is linked.
  void ClearItemList() override;
  // The generated button of a line that is not a separator (nullptr before the first expansion).
  TdxBarButton* GeneratedButton(int LineIndex) const;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TdxBarButton* ButtonForLine(int LineIndex, int Number);
  static String HotKeyText(int Number);

  std::unique_ptr<TStringList> FItems;
  int FItemIndex = -1;
  bool FShowCheck = false;
  bool FShowNumbers = true;
  // One entry per line of Items; nullptr for separators and lines not yet generated.
  std::vector<TdxBarButton*> FButtons;
};

// Expands into copies of its own links.
class TdxBarContainerItem : public TCustomdxBarContainerItem {
 public:
  explicit TdxBarContainerItem(TComponent* AOwner) : TCustomdxBarContainerItem(AOwner) {}
  String ClassName() const override { return "TdxBarContainerItem"; }

  void AddListedItemLinks(TdxBarItemLinks* Target, int Index, TdxBarItemLink* SourceLink, bool FireGetData) override;
  void DeleteListedItemLinks(TdxBarItemLinks* Target, int Index) override;
};
