// TdxInplaceDropDownEdit: the mask editor with a button in its non-client area and a popup
// window below it. It owns the button (painting, hot and pressed state, capture), the keys that
// open and close the popup, the popup's place on the screen, the routing of keys and the wheel
// to an open popup, and the events around dropping down; each descendant makes, fills and closes
// its own popup (DropDown, CloseUp).
#pragma once

#include <vector>

#include "editors/dxMaskEdit.h"
#include "graphics/Graphic.h"

class TCustomdxPopupListBox;
// The editor posts itself this to drop down after the message it is handling.
inline constexpr UINT WM_DXDROPDOWN = 0x8066;
// Answers whether the editor's popup is visible.
inline constexpr UINT CM_DXPOPUPVISIBLE = 0xB030;

// The drop-down settings a host keeps for the editor it sets up (a drop-down column for its cell
// editor), handed over in one assignment. Each holder sets its own defaults.
struct TdxDropDownOptions {
  int DropDownRows = 7;
  int DropDownWidth = 0;
  bool ImmediateDropDown = true;
  // Set by a host: the popup opens as soon as the editor is shown.
  bool ImmediatePopup = false;
  TAlignment PopupAlignment = taLeftJustify;
  TdxPopupBorder PopupBorder = pbDefault;
};

enum TdxEditButtonKind { ebkDropDown, ebkEllipsis, ebkGlyph };

struct TdxEditButtonViewInfo {
  int Width = 0;
  bool LeftSide = false;
  TdxEditButtonKind Kind = ebkDropDown;
  TRect Bounds;  // set by CalcViewInfo
};

class TdxDropDownEditViewData : public TdxTextEditViewData {
 public:
  std::vector<TdxEditButtonViewInfo> Buttons;
  // A cell painted without its buttons (the host shows them on the focused cell only).
  bool ButtonsHidden = false;
  // The glyph of the glyph kind of button; none for the arrow.
  const TBitmap* Glyph = nullptr;
  // A glyph per button, in the order of Buttons, for editors whose buttons have their own.
  std::vector<const TBitmap*> ButtonGlyphs;
  // Button Index's glyph: its own, else Glyph.
  const TBitmap* GlyphOf(int ButtonIndex) const;
  // Buttons shown only while hot, of an editor that is not focused.
  bool TransparentButtons = false;
  int HotButton = -1;
  int PressedButton = -1;
};

// The class operations of drop-down editors: the buttons beside the edit area and their look.
class TdxDropDownEditClass : public TdxTextEditClass {
 public:
  std::unique_ptr<TdxEditViewData> CreateViewDataObject() const override;
  // The base rectangles, then the edit area narrowed by each button on its side.
  void CalcViewInfo(TdxEditViewData& ViewData, bool Calc, TdxEditViewInfo& ViewInfo) const override;
  // The border, then the buttons.
  void DrawBorder(HDC DC, const TdxEditViewInfo& ViewInfo, TdxEditViewData& ViewData) const override;
  // One button on the right, of the glyph kind when a glyph is given, else the arrow; none when
  // the buttons are hidden.
  virtual void CalcButtonsViewInfo(TdxDropDownEditViewData& ViewData) const;
  static int GetButtonWidth(const TdxDropDownEditViewData& ViewData, int ButtonIndex);
  // Paints one button of the view data in its rectangle.
  static void DrawButton(HDC DC, const TdxDropDownEditViewData& ViewData, int ButtonIndex);
};

const TdxInplaceEditClass& DropDownEditClass(bool Inplace = true);

// Sender's popup closes with Value (the text chosen); Accept false keeps the editor's value.
using TdxCloseUpEvent = std::function<void(TObject* Sender, String& Value, bool& Accept)>;

class TdxInplaceDropDownEdit : public TdxInplaceMaskEdit {
 public:
  explicit TdxInplaceDropDownEdit(TComponent* AOwner, const TdxInplaceEditClass& Class = DropDownEditClass());
  String ClassName() const override { return "TdxInplaceDropDownEdit"; }

  // Created empty on first read; empty means the arrow.
  TBitmap* ButtonGlyph();
  // A copy of a non-empty bitmap; none or an empty one frees the glyph.
  void SetButtonGlyph(const TBitmap* Value);
  bool IsButtonGlyphStored() const { return FButtonGlyph && !FButtonGlyph->Empty(); }
  void SetDropDownOptions(const TdxDropDownOptions& Value) { FDropDownOptions = Value; }
  int DropDownRows() const { return FDropDownOptions.DropDownRows; }
  void SetDropDownRows(int Value) { FDropDownOptions.DropDownRows = Value; }
  int DropDownWidth() const { return FDropDownOptions.DropDownWidth; }
  void SetDropDownWidth(int Value) { FDropDownOptions.DropDownWidth = Value; }
  bool ImmediateDropDown() const { return FDropDownOptions.ImmediateDropDown; }
  void SetImmediateDropDown(bool Value) { FDropDownOptions.ImmediateDropDown = Value; }
  // Set by a host: the popup opens as soon as the editor is shown.
  bool ImmediatePopup() const { return FDropDownOptions.ImmediatePopup; }
  void SetImmediatePopup(bool Value) { FDropDownOptions.ImmediatePopup = Value; }
  TAlignment PopupAlignment() const { return FDropDownOptions.PopupAlignment; }
  void SetPopupAlignment(TAlignment Value) { FDropDownOptions.PopupAlignment = Value; }
  TdxPopupBorder PopupBorder() const { return FDropDownOptions.PopupBorder; }
  void SetPopupBorder(TdxPopupBorder Value) { FDropDownOptions.PopupBorder = Value; }
  int HotButton() const { return FHotButton; }
  int PressedButton() const { return FPressedButton; }
  bool PopupShown() const { return FPopupShown; }
  // True: the editor keeps the focus while its popup is open and hands it the keys (lists);
  // false: the popup takes the focus (the calendar).
  bool EditorDrivenPopup() const { return FEditorDrivenPopup; }

  // The popup's border: its own unless pbDefault; stand-alone from the style's border, in place
  // the host's.
  TdxPopupBorder GetPopupBorderStyle();
  // The popup exists, shows, and has the focus or is driven by the editor.
  bool IsPopupVisible();
  // True opens the popup after the current message; false closes it without accepting.
  void SetDroppedDown(bool Value);
  // Gives the focus back to the editor when the popup took it.
  void RestoreFocus();

  // --- operations in slot order (after the mask editor's) --------------------------------------
  // Places Popup below (or above) the edit area; AdjustWidth widens it to the edit area.
  virtual void PositionPopup(TWinControl* Popup, bool AdjustWidth);
  virtual void CloseUp(bool Accept) { (void)Accept; }
  virtual void ButtonMouseDown(bool ByClick, int Index);
  // A pressed button released over itself.
  virtual void ButtonClick(int Index);
  // Fires OnCloseUp.
  virtual void ButtonUp(String& Value, bool& Accept);
  virtual void DropDownKeyDown(WORD& Key, TShiftState Shift);
  virtual void ScrollItem(int Delta, bool Wrap) { (void)Delta, (void)Wrap; }
  virtual void DropDown() {}
  // The host's notification, then OnDropDown.
  virtual void DoDropDownEvents();
  virtual void SyncPopupSelection(const String& Text) { (void)Text; }

  std::unique_ptr<TdxEditViewData> CreateViewData(bool IsPaint) override;
  void AfterShowEdit() override;
  void Hide() override;
  void Show() override;
  bool IsFocused() override;
  void ContainerMouseDown(int X, int Y) override;
  void ContainerClick() override;
  void SetHot(bool Value) override;
  bool HandlesMouseWheel() override { return true; }

  TdxCloseUpEvent OnCloseUp;
  TNotifyEvent OnDropDown;
  // Fired by ButtonClick: the button of a plain drop-down editor does what its owner binds here.
  TNotifyEvent OnEditButtonClick;
  // The drop-down notification a host binds; fired before OnDropDown.
  TNotifyEvent OnHostDropDown;

 protected:
  // The descendants' popup; the editor forgets it when it is freed.
  void SetPopupControl(TWinControl* Value);
  void SetPopupShown(bool Value) { FPopupShown = Value; }
  void SetEditorDrivenPopup(bool Value) { FEditorDrivenPopup = Value; }
  void SetTypingFilters(bool Value) { FTypingFilters = Value; }
  // The steps every editor that drops down a list takes alike: the list takes the editor's colour,
  // font, border and shadow before it is filled; it shows placed below the editor; it hides with
  // a capture inside it cancelled and the focus back in the editor.
  void StylePopupList(TCustomdxPopupListBox& List);
  void ShowPopupList(TCustomdxPopupListBox& List, bool AdjustWidth);
  void HidePopupList(TCustomdxPopupListBox& List);
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  bool RouteKeyToPopup(TMessage& Message);
  int ButtonAt(TPoint ScreenPoint);
  void SetHotButton(int Index);
  void ReleaseButton();
  void RepaintButtons();
  void WMNCHitTest(TMessage& Message);
  void WMNCLButtonDown(TMessage& Message);
  void WMLButtonDown(TMessage& Message);
  void WMLButtonUp(TMessage& Message);
  void WMMouseMove(TMessage& Message);
  void WMMouseWheel(TMessage& Message);
  void WMCancelMode(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void WMGetDlgCode(TMessage& Message);
  void CMCancelMode(TMessage& Message);
  void WMPopupClosed(TMessage& Message);
  void WMDropDown(TMessage& Message);
  void CMPopupVisible(TMessage& Message);

  int FHotButton = -1;
  std::unique_ptr<TBitmap> FButtonGlyph;
  TdxDropDownOptions FDropDownOptions;
  int FPressedButton = -1;
  TWinControl* FPopupControl = nullptr;
  bool FPopupShown = false;
  bool FEditorDrivenPopup = true;
  bool FTypingFilters = false;
};
