// The lists that drop down under the pick, image and most-recently-used editors: a borderless
// top-level list that never takes the activation, with a popup border and shadow in its
// non-client area, an item under the mouse that follows it, and a release that closes it for its
// editor; the pick list adds type-ahead search.
#pragma once

#include "controls/ListBox.h"
#include "editors/dxEditTypes.h"

class TdxInplaceDropDownEdit;

class TCustomdxPopupListBox : public TCustomListBox {
 public:
  explicit TCustomdxPopupListBox(TComponent* AOwner);
  String ClassName() const override { return "TCustomdxPopupListBox"; }

  TdxPopupBorder PopupBorder() const { return FPopupBorder; }
  void SetPopupBorder(TdxPopupBorder Value);
  // Moving the mouse over an item selects it.
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value) { FHotTrack = Value; }
  bool Shadow() const { return FShadow; }
  void SetShadow(bool Value);
  int ShadowSize() const { return FShadowSize; }
  // The editor the list drops down for: a left-button release closes it through the editor.
  TdxInplaceDropDownEdit* OwnerEdit() const { return FOwnerEdit; }
  void SetOwnerEdit(TdxInplaceDropDownEdit* Value) { FOwnerEdit = Value; }
  // The height of one item in the list's font: that of "Wg".
  virtual int MeasureItem();
  // The width of the widest item's text in the list's font.
  int WidestItem();
  // Sizes the window to show Rows items above each other in a client area ClientWidth wide (with
  // the border, the shadow and a scroll bar when not every item shows), or to be WindowWidth wide
  // when that is not 0.
  void SizeToRows(int Rows, int ClientWidth, int WindowWidth);
  // Shows and hides the list without activating it; hiding ends a drag on it.
  void ShowList();
  void HideList();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void WMNCCalcSize(TMessage& Message);
  void WMNCPaint(TMessage& Message);
  void WMSize(TMessage& Message);
  void WMClose(TMessage& Message);

  TdxPopupBorder FPopupBorder = pbDefault;
  bool FHotTrack = true;
  bool FShadow = false;
  int FShadowSize = 2;
  TdxInplaceDropDownEdit* FOwnerEdit = nullptr;
};

// Type-ahead: the characters typed within two seconds of each other select the first item that
// begins with them.
class TCustomdxPopupPickListBox : public TCustomdxPopupListBox {
 public:
  using TCustomdxPopupListBox::TCustomdxPopupListBox;
  String ClassName() const override { return "TCustomdxPopupPickListBox"; }
  const String& SearchText() const { return FSearchText; }

 protected:
  void KeyPress(TKeyChar& Key) override;

 private:
  String FSearchText;
  DWORD FLastKeyTime = 0;
};

class TdxPopupPickListBox : public TCustomdxPopupPickListBox {
 public:
  using TCustomdxPopupPickListBox::TCustomdxPopupPickListBox;
  String ClassName() const override { return "TdxPopupPickListBox"; }
};
