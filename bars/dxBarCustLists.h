// The customize dialog's own controls: the toolbars list with a check box per bar, the commands
// list that draws each command as a menu of the manager's style would and from which commands are
// dragged onto the bars, and the flat button that holds a popup menu open below itself.
#pragma once

#include <functional>

#include "bars/dxBarCommon.h"
#include "controls/CustomControl.h"
#include "controls/ListBox.h"

// One row per bar with a check box showing its Visible; a click in the check column, a double
// click on the row or the space key toggles it (a beep for a bar that may not be hidden).
class TCheckListBox : public TListBox {
 public:
  explicit TCheckListBox(TComponent* AOwner);
  String ClassName() const override { return "TCheckListBox"; }

  TdxBar* BarOf(int Index) const;
  // The bar may be hidden by the user: any bar at design time, else a closable bar.
  static bool CanHide(const TdxBar* Bar);
  // Toggles the row's bar and repaints the row; refused with a beep.
  void Toggle(int Index);

 protected:
  void DrawItem(int Index, TRect Rect, TOwnerDrawState State) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;

 private:
  bool InCheckColumn(int X) const { return X < ItemHeight(); }
};

// The commands of a category, one 22-pixel row each, drawn as the manager's menus draw them.
class TCommandsListBox : public TListBox {
 public:
  static constexpr int RowHeight = 22;
  explicit TCommandsListBox(TComponent* AOwner);
  String ClassName() const override { return "TCommandsListBox"; }

  void SetBarManager(TdxBarManager* Value);
  TdxBarItem* ItemOf(int Index) const;
  TdxBarItem* SelectedItem() const { return ItemIndex() >= 0 ? ItemOf(ItemIndex()) : nullptr; }
  // The list's colour follows the manager's style.
  void UpdateStyle();

  // A left press on a row that the system's drag gesture follows: the row's item is dragged.
  std::function<void(TdxBarItem* Item)> OnStartDrag;

 protected:
  void DrawItem(int Index, TRect Rect, TOwnerDrawState State) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Dispatch(TMessage& Message) override;

 private:
  bool IsFlat() const;
  void DrawCommand(TCanvas& Canvas, TdxBarItem* Item, const TRect& Rect, bool Selected);
  void DrawDropDownPart(HDC DC, const TRect& Rect, bool Selected, COLORREF Text);

  TdxBarManager* FBarManager = nullptr;
};

// A flat button that shows its popup menu below itself while it is down: a raised edge under the
// mouse, a sunken one while down, the caption centred.
class TCheckableButton : public TGraphicControl {
 public:
  explicit TCheckableButton(TComponent* AOwner);
  String ClassName() const override { return "TCheckableButton"; }
  TdxBarPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TdxBarPopupMenu* Value) { FPopupMenu = Value; }
  bool Down() const { return FDown; }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Dispatch(TMessage& Message) override;

 private:
  void SetLook(bool Hot, bool Down);

  TdxBarPopupMenu* FPopupMenu = nullptr;
  bool FHot = false;
  bool FDown = false;
};

// The three controls for stored layouts.
void RegisterCustomizingControlClasses();

// Draws the right-pointing triangle of sub items with its corner at (X, Y), in Color.
void DrawCommandTriangle(HDC DC, int X, int Y, COLORREF Color);
