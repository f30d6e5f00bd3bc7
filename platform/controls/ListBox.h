// TCustomListBox and TListBox: a list of items with objects, single or multiple selection
// (with Shift and Ctrl when extended), several columns, items of fixed height drawn by the
// control or by OnDrawItem, the vertical scroll bar and sunken edge of its window, and ItemAtPos.
#pragma once

#include <memory>
#include <vector>

#include "controls/ItemStrings.h"
#include "controls/StdPaint.h"

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed };
inline constexpr const char* ListBoxStyleNames[] = {"lbStandard", "lbOwnerDrawFixed"};
// The state of an item being drawn.
enum TOwnerDrawStateFlag : unsigned { odSelected = 1u << 0, odFocused = 1u << 4, odDisabled = 1u << 2 };
using TOwnerDrawState = unsigned;
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;

class TCustomListBox : public TCustomControl {
 public:
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;
  String ClassName() const override { return "TCustomListBox"; }

  TStrings* Items() const { return FItems.get(); }
  void SetItems(const TStrings* Value) { FItems->Assign(Value); }
  void Clear() { FItems->Clear(); }
  // The focused item (the selected one without multi-select); -1 when none.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  bool ExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool Value) { FExtendedSelect = Value; }
  bool Selected(int Index) const;
  void SetSelected(int Index, bool Value);
  int SelCount() const;
  void ClearSelection();
  void SelectAll();
  bool Sorted() const { return FItems->Sorted(); }
  void SetSorted(bool Value) { FItems->SetSorted(Value); }
  // 0: one column with a vertical scroll bar; n: n columns side by side, filled top to bottom.
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  int ItemHeight() const;
  void SetItemHeight(int Value);
  bool IsItemHeightStored() const { return FItemHeight > 0; }
  int TopIndex() const { return FTopIndex; }
  void SetTopIndex(int Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  // The item under a client point; with Existing false a point below the last item answers Count.
  int ItemAtPos(TPoint Pos, bool Existing) const;
  // Selects the first item after StartAfter (-1: from the first), going round to the start, whose
  // text begins with Prefix in any letter case; answers it, or -1 (the selection unchanged).
  int SelectString(int StartAfter, const String& Prefix);
  TRect ItemRect(int Index) const;

  TDrawItemEvent OnDrawItem;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Paint() override;
  virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;

 private:
  int RowsPerPage() const;
  // The window's scroll bar follows the rows; it has none with columns.
  void UpdateScrollBar();
  void MakeVisible(int Index);
  // Moves the focus to Index with the selection rules of a press or key and the shift state.
  void SelectByUser(int Index, TShiftState Shift, bool Toggle);
  void ItemsInserted(int Index);
  void ItemsDeleted(int Index);
  void WMGetDlgCode(TMessage& Message);
  void WMVScroll(TMessage& Message);
  void WMMouseWheel(TMessage& Message);
  void CMRepaint(TMessage& Message);

  std::unique_ptr<TItemStrings> FItems;
  std::vector<bool> FSelected;
  int FItemIndex = -1;
  int FAnchor = -1;
  bool FMultiSelect = false;
  bool FExtendedSelect = true;
  int FColumns = 0;
  TListBoxStyle FStyle = lbStandard;
  int FItemHeight = 0;  // 0: the font's height
  int FTopIndex = 0;
  TBorderStyle FBorderStyle = bsSingle;
};

class TListBox : public TCustomListBox {
 public:
  using TCustomListBox::TCustomListBox;
  String ClassName() const override { return "TListBox"; }
};
