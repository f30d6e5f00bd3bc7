// Item controls: TdxBarItemControl is the view of one link inside one bar window (a toolbar, the
// menu bar or a menu). It answers the window's questions (size, hint, caption, enabled,
// selectable), is told what its item changed, and runs the click. TdxBarWinControl edits text
// in a child edit window of the bar window. The view class of each item kind derives from them.
#pragma once

#include <memory>

#include "bars/dxBarCommon.h"
#include "classes/Component.h"
#include "controls/ControlTypes.h"
#include "controls/Edit.h"
#include "controls/ShortCut.h"
#include "graphics/Graphic.h"
#include "windows/Window.h"

class TImageList;
class TdxBarWinControl;
class TCustomdxBarCombo;

class TdxBarItemControl : public TObject {
 public:
  // Takes the link's bar window as parent.
  explicit TdxBarItemControl(TdxBarItemLink* Link);
  ~TdxBarItemControl() override;
  TdxBarItemControl(const TdxBarItemControl&) = delete;
  TdxBarItemControl& operator=(const TdxBarItemControl&) = delete;

  TdxBarItemLink* ItemLink() const { return FItemLink; }
  TdxBarItem* Item() const;
  TCustomdxBarControl* Parent() const { return FParent; }

  // --- state ----------------------------------------------------------------------------------
  // The control the bar works with: selected with the mouse held, or the focused edit.
  bool Active() const { return FActive; }
  // Held while the command of a click runs; a button paints pressed meanwhile.
  bool Pressed() const { return FPressed; }
  void SetPressed(bool Value);
  // Under the mouse in a window that tracks it.
  bool Hot() const { return FHot; }
  void SetHot(bool Value);
  // Set by the menu layout: the link is not among the recent ones, and the edge where that changes.
  bool RarelyUsed() const { return FRarelyUsed; }
  void SetRarelyUsed(bool Value) { FRarelyUsed = Value; }
  bool BoundaryEdge() const { return FBoundaryEdge; }
  void SetBoundaryEdge(bool Value) { FBoundaryEdge = Value; }
  // Set by the toolbar's line layout: the control begins (ends) a line.
  bool LineStart() const { return FLineStart; }
  void SetLineStart(bool Value) { FLineStart = Value; }
  bool LineEnd() const { return FLineEnd; }
  void SetLineEnd(bool Value) { FLineEnd = Value; }

  // --- what the item tells its views -----------------------------------------------------------
  virtual void CaptionChanged() { RelayoutParent(); }
  // A control that is no longer enabled is deselected first.
  virtual void EnabledChanged();
  virtual void GlyphChanged() { Repaint(); }
  virtual void PressedChanged();
  // A menu widens for the short cut's text.
  virtual void ShortCutChanged();
  virtual void VisibleChanged() { RelayoutParent(); }
  // The link's separator came or went.
  virtual void BeginGroupChanged() { RelayoutParent(); }
  // Unless the parent is locked, the parent repaints this control's rectangle.
  virtual void Repaint();

  // --- clicks ---------------------------------------------------------------------------------
  // Whether a click runs the item's DirectClick.
  virtual bool ExecutesItem() const { return true; }
  // The link may be customised: its manager is the item's.
  virtual bool IsCustomizable() const;
  // Not customising, or customisable.
  virtual bool IsCustomizableNow() const;
  // When enabled: BeforeClick, then ControlClick while the parent still holds the control.
  virtual void Click(bool ByMouse);
  // Immediately: opened by the keyboard or a click rather than by hovering.
  virtual void ControlActivate(bool Immediately);
  virtual void ControlInactivate(bool Immediately);
  virtual void BeforeClick(bool ByMouse) { (void)ByMouse; }
  // The one place where a click on a bar or menu becomes a command.
  virtual void ControlClick(bool ByMouse);
  // The control is clicked (by mouse or key); a control that wants the mouse tracked takes the
  // capture in a toolbar while the button is held.
  virtual bool CanClicked() const { return true; }
  virtual bool WantsMouseTracking() const { return false; }
  // The mouse button went down on the control.
  virtual void ControlDown(TPoint Point) { (void)Point; }
  // Runs at once on its accelerator, without selecting it first.
  virtual bool ActivatesOnAccelerator() const { return true; }
  // Activated from the keyboard (Enter, or a unique accelerator).
  virtual void ActivateByKey() { Click(false); }
  // Whether keyboard selection may stop here, and start here when a bar takes the keyboard.
  virtual bool CanSelect() const { return true; }
  virtual bool CanBeFirstSelected() const { return CanSelect(); }
  // A click closes the menus all the way to the toolbar.
  virtual bool ClosesMenusOnClick() const { return true; }
  // The parent bar window goes.
  virtual void ParentDestroyed() {}

  // --- what the window asks -------------------------------------------------------------------
  // The link's caption (its own, else the item's); empty without a link.
  virtual String GetCaption() const;
  virtual bool IsEnabled() const;
  virtual const TBitmap* GetGlyph() const;
  virtual int GetImageIndex() const;
  virtual TImageList* GetImages() const;
  virtual TImageList* GetHotImages() const;
  virtual String GetHint() const;
  virtual TShortCut GetShortCut() const;
  virtual int GetHeight() const { return 0; }
  virtual int GetWidth() const { return 0; }
  // The length along a bar of a control aligned to fill it.
  virtual int GetClientWidthHorizontal() const { return 1; }
  virtual int GetClientWidthVertical() const { return 1; }
  // Paints the control into the parent's canvas over Rect (its item rectangle in the parent).
  virtual void Draw(const TRect& Rect) { (void)Rect; }

  // --- what the views share ----------------------------------------------------------------------
  bool IsInSubMenu() const;
  // The parent is a vertical toolbar whose bar turns its captions.
  bool IsRotated() const;
  bool IsFlat() const;
  // The parent's item height: the height of "0" + 6, one more under the flat style.
  int ParentItemHeight() const;
  // The size of a text in the parent's font.
  TSize TextExtent(const String& Text) const;
  // The caption's width without its accelerator marks.
  int CaptionWidth() const;
  // The control is the parent's selected one.
  bool IsSelected() const;

 protected:
  void RelayoutParent();

 private:
  TdxBarItemLink* FItemLink;
  TCustomdxBarControl* FParent;
  bool FActive = false;
  bool FPressed = false;
  bool FHot = false;
  bool FRarelyUsed = false;
  bool FBoundaryEdge = false;
  bool FLineStart = false;
  bool FLineEnd = false;
};

// The live item controls: a control held across a command is checked here before use.
bool IsItemControlAlive(const TdxBarItemControl* Control);

// The child edit window of an edit or combo control: every message it gets goes first to the
// control, which passes on what it does not keep.
class TdxBarEditWindow : public TCustomEdit {
 public:
  TdxBarEditWindow(TComponent* AOwner, TdxBarWinControl* Control) : TCustomEdit(AOwner), FControl(Control) {}
  String ClassName() const override { return "TdxBarEditWindow"; }
  // The edit's own handling.
  void DefaultWndProc(TMessage& Message) { TCustomEdit::WndProc(Message); }
  // The control goes: the edit handles its messages alone until it is freed.
  void Detach() { FControl = nullptr; }

 protected:
  void WndProc(TMessage& Message) override;

 private:
  TdxBarWinControl* FControl;
};

// The view of an item that edits text in a child edit window of its bar window.
class TdxBarWinControl : public TdxBarItemControl {
 public:
  using TdxBarItemControl::TdxBarItemControl;
  ~TdxBarWinControl() override;

  // A click runs the item only where the edit shows as a button (a rotated vertical bar).
  bool ExecutesItem() const override;
  // Leaving the control ends the editing.
  void ControlInactivate(bool Immediately) override;
  // A click starts editing.
  void BeforeClick(bool ByMouse) override;
  bool ClosesMenusOnClick() const override { return false; }
  bool ActivatesOnAccelerator() const override { return false; }

  // The child edit window; nullptr before it is made.
  TdxBarEditWindow* Edit() const { return FEdit.get(); }
  // The edit has the focus.
  bool Focused() const { return FFocused; }
  // Gives the edit the focus with the item's text, or takes it away (storing the text with the
  // manager's AlwaysSaveText, unless Esc is held).
  virtual void SetFocused(bool Value);
  // The whole text of the edit window (MaxLength limits what can be typed).
  virtual String GetText() const;
  virtual void SetText(const String& Value);
  // Where the edit window lies, client coordinates of the bar window.
  virtual TRect GetEditRect() const;
  // Sees every message of the edit window before it: the item's key events, Tab to the bar
  // window, Enter (keeping the text) and Esc (dropping it) ending the editing.
  virtual void EditWndProc(TMessage& Message);

 protected:
  // The kinds make the edit window.
  virtual void CreateEditWindow() = 0;
  void SetEditWindow(TComponentPtr<TdxBarEditWindow> Edit) { FEdit = std::move(Edit); }

 private:
  bool KeyToItem(TMessage& Message);
  void EndEditing(bool Commit);
  void StoreText();

  TComponentPtr<TdxBarEditWindow> FEdit;
  HWND FPrevFocus;
  bool FFocused = false;
  bool FSettingText = false;
};

// --- the views of the item kinds -------------------------------------------------------------------

// A push, check or drop-down button: glyph and caption on a toolbar, a menu line in a menu.
class TdxBarButtonControl : public TdxBarItemControl {
 public:
  using TdxBarItemControl::TdxBarItemControl;
  ~TdxBarButtonControl() override;
  virtual void ButtonStyleChanged() { RelayoutParent(); }
  virtual void DownChanged() { Repaint(); }
  virtual void DropDownEnabledChanged() { Repaint(); }
  virtual void PaintStyleChanged() { RelayoutParent(); }
  // A caption shown with the glyph only repaints; otherwise the size changes.
  void GlyphChanged() override;
  bool WantsMouseTracking() const override { return true; }

  // The link's paint style, else the item's; a glyph-only button with nothing to show on a
  // toolbar shows its caption.
  TdxBarPaintStyle EffectivePaintStyle() const;
  bool ShowsCaption() const;
  bool ShowsGlyph() const;
  // In a menu three quarters of the item height + 1; on a toolbar the manager's arrow width.
  int GetArrowWidth() const;
  int GetHeight() const override;
  int GetWidth() const override;
  int GetButtonWidth() const { return GetWidth(); }
  // The arrow part of a drop-down button, in the parent's client coordinates.
  TRect ArrowRect() const;
  bool IsDroppedDown() const { return FDropDownOpen; }

  // A press on the arrow of a drop-down button opens its menu instead.
  void BeforeClick(bool ByMouse) override;
  void ControlClick(bool ByMouse) override;
  void ControlDown(TPoint Point) override;
  void ControlInactivate(bool Immediately) override;
  bool ClosesMenusOnClick() const override;
  // Opens the drop-down menu below the control (beside it in a menu or on a vertical bar).
  virtual void DropDown(bool ByMouse);
  virtual void DropDownClosed();
  void Draw(const TRect& Rect) override;

 private:
  void DrawOnToolbar(const TRect& Rect);
  bool IsPressedLook() const;

  bool FDropDownOpen = false;
};

// An edit box: its edit window is a child of the bar window, limited to the item's MaxLength.
class TdxBarEditControl : public TdxBarWinControl {
 public:
  explicit TdxBarEditControl(TdxBarItemLink* Link);
  virtual void WidthChanged() { RelayoutParent(); }
  // Selectable only while the parent is not customising.
  bool CanSelect() const override;
  // The caption's width + 11 (flat) or + 6 when the item shows it; 0 otherwise.
  int GetCaptionWidth() const;
  int GetHeight() const override;
  int GetWidth() const override;
  int GetClientWidthHorizontal() const override { return GetCaptionWidth() + 20; }
  int GetClientWidthVertical() const override { return GetCaptionWidth() + 20; }
  TRect GetEditRect() const override;
  void Draw(const TRect& Rect) override;

 protected:
  void CreateEditWindow() override;
  // The field right of the caption, in the parent's client coordinates.
  TRect FieldRect() const;
  // The face inside the field's frame.
  virtual void DrawInterior(const TRect& Rect);
};

// A combo box: an edit with a drop button that opens the item's drop-down window.
class TCustomdxBarComboControl : public TdxBarEditControl {
 public:
  using TdxBarEditControl::TdxBarEditControl;
  bool DroppedDown() const { return FDroppedDown; }
  TRect GetEditRect() const override;
  // Refused for a read-only item; opening places the item's window under (or beside) the field.
  void SetDroppedDown(bool Value);
  TRect DropButtonRect() const;
  void ControlInactivate(bool Immediately) override;
  void ControlDown(TPoint Point) override;
  // F4, Alt+Up and Alt+Down toggle the list; while it is open, the keys it takes go to it.
  void EditWndProc(TMessage& Message) override;
  void BeforeClick(bool ByMouse) override;
  void Draw(const TRect& Rect) override;

 protected:
  // Keys the combo handles before the edit window; true when the key went no further.
  virtual bool ComboKeyDown(WORD Key, TShiftState Shift);
  void DrawInterior(const TRect& Rect) override;

 private:
  TCustomdxBarCombo* ComboItem() const;
  bool FDroppedDown = false;
  // The list was open when the mouse button went down.
  bool FOpenAtPress = false;
};

class TdxBarComboControl : public TCustomdxBarComboControl {
 public:
  using TCustomdxBarComboControl::TCustomdxBarComboControl;
  // The line shown in the edit before it is committed to the item.
  int LocalItemIndex() const { return FLocalItemIndex; }
  // The list's current line changed: the edit shows it.
  void ShowLine(int Index);
  void SetFocused(bool Value) override;

 protected:
  bool ComboKeyDown(WORD Key, TShiftState Shift) override;

 private:
  void Commit();
  int FLocalItemIndex = -1;
};

// A sub item opens its menu rather than running a command: at once on a toolbar in menu mode
// and from the keyboard, after the hover delay in a menu.
class TdxBarSubItemControl : public TdxBarItemControl {
 public:
  using TdxBarItemControl::TdxBarItemControl;
  ~TdxBarSubItemControl() override;
  bool ExecutesItem() const override { return false; }
  bool ClosesMenusOnClick() const override { return false; }
  // The menu window of the item's links while it is open from this control.
  TdxBarSubMenuControl* GetSubMenu() const;
  virtual bool CanOpen() const { return true; }
  void ControlActivate(bool Immediately) override;
  void ControlInactivate(bool Immediately) override;
  void BeforeClick(bool ByMouse) override;
  void ParentDestroyed() override;
  int GetHeight() const override;
  int GetWidth() const override;
  void Draw(const TRect& Rect) override;
  // Opens the menu now (by keyboard: its first selectable link is selected).
  void OpenSubMenu(bool ByKeyboard);
  // Frees the open menu now.
  void CloseSubMenu();

 protected:
  virtual TdxBarSubMenuControl* CreateSubMenu();
  virtual String DisplayCaption() const { return GetCaption(); }

 private:
  void PlaceSubMenu(TdxBarSubMenuControl* Menu);
  void OpenAtOnce(bool ByKeyboard);
  int GetWidthAlong() const;

  bool FAnimate = false;
};

// List and container items shown as one link: in parentheses in a menu, where the expanded links
// stand for them.
class TdxBarContainerItemControl : public TdxBarSubItemControl {
 public:
  using TdxBarSubItemControl::TdxBarSubItemControl;

 protected:
  // Not while customising: a menu of the links the item lists into its own links.
  TdxBarSubMenuControl* CreateSubMenu() override;
  String DisplayCaption() const override;
};

// The one sub item waiting for its hover delay, and cancelling the delay (a control that waited
// to close closes at once).
void CancelSubItemDelay();
bool IsSubItemDelayPending();
