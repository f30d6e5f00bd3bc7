// TCustomListView and TListView in report style: columns with caption, width and alignment;
// items with a caption, sub-items and a data pointer, inserted anywhere (the newest on top);
// selection and focus, row select, grid lines, column headers, searching by caption, updates
// held back by BeginUpdate, and vertical scrolling with the scroll bar of its window.
#pragma once

#include <memory>
#include <vector>

#include "controls/CollectionOf.h"
#include "controls/StdPaint.h"
#include "controls/TextBox.h"
#include "rtl/StringList.h"

class TCustomListView;
class TListItems;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
inline constexpr const char* ViewStyleNames[] = {"vsIcon", "vsSmallIcon", "vsList", "vsReport"};
enum TItemChange { ctText, ctImage, ctState };

class TListColumn : public TCollectionItem {
 public:
  explicit TListColumn(TCollection* Collection) : TCollectionItem(Collection) {}
  String ClassName() const override { return "TListColumn"; }
  void Assign(const TPersistent* Source) override;
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);

 private:
  String FCaption;
  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
};

class TListItem {
 public:
  explicit TListItem(TListItems& Owner);
  TListItem(const TListItem&) = delete;
  TListItem& operator=(const TListItem&) = delete;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  TStrings* SubItems() const { return FSubItems.get(); }
  // A pointer the application keeps with the item; the list never touches what it points to.
  void* Data() const { return FData; }
  void SetData(void* Value) { FData = Value; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  bool Selected() const { return FSelected; }
  void SetSelected(bool Value);
  bool Focused() const { return FFocused; }
  void SetFocused(bool Value);
  int Index() const;
  TCustomListView* ListView() const;
  void MakeVisible(bool PartialOK);
  void Delete();

 private:
  friend class TCustomListView;
  TListItems& FOwner;
  String FCaption;
  std::unique_ptr<TStringList> FSubItems;
  void* FData = nullptr;
  int FImageIndex = -1;
  bool FSelected = false;
  bool FFocused = false;
};

class TListItems {
 public:
  explicit TListItems(TCustomListView& Owner) : FOwner(Owner) {}
  int Count() const { return static_cast<int>(FItems.size()); }
  TListItem* Item(int Index) const;
  TListItem* operator[](int Index) const { return Item(Index); }
  TListItem* Add() { return Insert(Count()); }
  TListItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  int IndexOf(const TListItem* Item) const;
  // Changes made between these draw once, at the outermost EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  TCustomListView& Owner() const { return FOwner; }

 private:
  TCustomListView& FOwner;
  std::vector<std::unique_ptr<TListItem>> FItems;
};

using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVChangeEvent = std::function<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVColumnClickEvent = std::function<void(TObject* Sender, TListColumn* Column)>;

class TCustomListView : public TCustomControl {
 public:
  explicit TCustomListView(TComponent* AOwner);
  ~TCustomListView() override;
  String ClassName() const override { return "TCustomListView"; }

  TCollectionOf<TListColumn>* Columns() const { return FColumns.get(); }
  TListItems* Items() const { return FItems.get(); }
  TViewStyle ViewStyle() const { return FViewStyle; }
  void SetViewStyle(TViewStyle Value) { FViewStyle = Value, Changed(); }
  bool GridLines() const { return FGridLines; }
  void SetGridLines(bool Value) { FGridLines = Value, Invalidate(); }
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value) { FRowSelect = Value, Invalidate(); }
  // No in-place editing of captions.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool ShowColumnHeaders() const { return FShowColumnHeaders; }
  void SetShowColumnHeaders(bool Value) { FShowColumnHeaders = Value, Changed(); }
  // Headers act as buttons and report clicks.
  bool ColumnClick() const { return FColumnClick; }
  void SetColumnClick(bool Value) { FColumnClick = Value; }
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value) { FMultiSelect = Value; }
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value) { FHideSelection = Value, Invalidate(); }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  // The first selected item; setting it selects only that item.
  TListItem* Selected() const;
  void SetSelected(TListItem* Value);
  int SelCount() const;
  TListItem* ItemFocused() const;
  // The first item from StartIndex (after it unless Inclusive) whose caption is Value or, with
  // Partial, starts with it (case ignored); Wrap goes on from the top.
  TListItem* FindCaption(int StartIndex, const String& Value, bool Partial, bool Inclusive, bool Wrap) const;
  TListItem* GetItemAt(int X, int Y) const;
  TListItem* TopItem() const;
  int VisibleRowCount() const;
  void Scroll(int DX, int DY);
  TRect ItemRect(int Index) const;

  TLVSelectItemEvent OnSelectItem;
  TLVChangeEvent OnChange;
  TLVColumnClickEvent OnColumnClick;

 protected:
  friend class TListItem;
  friend class TListItems;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void ItemChanged(TListItem* Item, TItemChange Change);
  void ItemSelected(TListItem* Item, bool Value);
  void ItemRemoved(TListItem* Item);
  void Changed();

 private:
  TRect ListArea() const;
  int RowHeight() const;
  int HeaderHeight() const;
  int LastTopIndex() const;
  void PaintHeader(TCanvas* Canvas, const TRect& Area);
  void PaintItem(TCanvas* Canvas, int Index, const TRect& Row);
  void SelectOnly(TListItem* Item);
  void WMGetDlgCode(TMessage& Message);
  void WMVScroll(TMessage& Message);
  void WMMouseWheel(TMessage& Message);
  void CMRepaint(TMessage& Message);

  std::unique_ptr<TCollectionOf<TListColumn>> FColumns;
  std::unique_ptr<TListItems> FItems;
  TViewStyle FViewStyle = vsIcon;
  bool FGridLines = false;
  bool FRowSelect = false;
  bool FReadOnly = false;
  bool FShowColumnHeaders = true;
  bool FColumnClick = true;
  bool FMultiSelect = false;
  bool FHideSelection = true;
  TBorderStyle FBorderStyle = bsSingle;
  int FTopIndex = 0;
  int FUpdateCount = 0;
};

class TListView : public TCustomListView {
 public:
  using TCustomListView::TCustomListView;
  String ClassName() const override { return "TListView"; }
};
