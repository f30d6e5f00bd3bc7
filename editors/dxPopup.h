// The popup window base of the drop-down editors (a calendar, a calculator, a list) with its
// border and shadow in the non-client area, the cell hint window a host shows over a cell whose
// text does not fit, and the routines that paint and shape popup borders.
#pragma once

#include "controls/CustomControl.h"
#include "editors/dxEditTypes.h"

// The private message a popup posts to its editor when it has closed.
inline constexpr UINT WM_DXPOPUPCLOSED = 0x8065;

class TdxInplacePopupControl : public TCustomControl {
 public:
  explicit TdxInplacePopupControl(TComponent* AOwner);
  String ClassName() const override { return "TdxInplacePopupControl"; }

  TdxPopupBorder PopupBorder() const { return FPopupBorder; }
  void SetPopupBorder(TdxPopupBorder Value);
  bool Shadow() const { return FShadow; }
  void SetShadow(bool Value);
  int ShadowSize() const { return FShadowSize; }
  // Everything below applies only to a control that works as a popup.
  bool IsPopup() const { return FIsPopup; }
  void SetIsPopup(bool Value) { FIsPopup = Value; }
  // The editor that owns and opens the popup.
  TWinControl* OwnerEdit() const { return FOwnerEdit; }
  void SetOwnerEdit(TWinControl* Value);

  // Hides the popup without activating anything, gives the focus back to the editor and posts
  // it WM_DXPOPUPCLOSED.
  virtual void HidePopup(bool Accept);
  // Shows the popup and keeps the editor's form caption active.
  virtual void ShowPopup();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  HWND OwnerFormWindow() const;
  void WMActivate(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void WMNCCalcSize(TMessage& Message);
  void WMNCPaint(TMessage& Message);
  void WMSize(TMessage& Message);

  TdxPopupBorder FPopupBorder = pbDefault;
  bool FShadow = false;
  int FShadowSize = 2;
  bool FIsPopup = false;
  TWinControl* FOwnerEdit = nullptr;
};

// The tooltip over a cell; the mouse goes through it to the host.
class TdxContainerHintWindow : public TCustomControl {
 public:
  explicit TdxContainerHintWindow(TComponent* AOwner);
  String ClassName() const override { return "TdxContainerHintWindow"; }
  // Shows Text at Pos (screen) as wide as the screen allows.
  void ActivateHint(TPoint Pos, const String& Text, const TFont* Font);
  // MaxWidth < 1 is the screen's width; UseFontSize takes Font's size, else the status-bar size.
  void ActivateHintEx(TPoint Pos, int MaxWidth, bool UseFontSize, const TFont* Font, const String& Text);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void Paint() override;
};

// Narrows a popup window's rectangle to its client area: inside the border of Kind and, with a
// shadow, clear of the shadow's room on the right and at the bottom.
void PopupClientRect(TRect& Rect, TdxPopupBorder Kind, bool Shadow, int ShadowSize);
// Removes one waiting message Msg of Wnd from the queue; a quit message removed so is posted again.
void RemovePendingMessage(HWND Wnd, UINT Msg);
// Paints a popup border of Kind into R (narrowing R to the inside of the edges), its shadow and,
// with FillCorner, the box between the scroll bars.
void DrawPopupBorder(HDC DC, TRect& R, TdxPopupBorder Kind, int ShadowSize, bool Shadow, bool FillCorner);
void DrawPopupWindowBorder(HWND Wnd, TdxPopupBorder Kind, bool FillCorner, int ShadowSize, bool Shadow);
// The window's region leaves the corners beside the shadow out; without a shadow it has none.
void SetPopupShadowRegion(HWND Wnd, bool Shadow, int ShadowSize);
