// TControl: the base of every visible control. It is complete without a window: position, size,
// alignment, anchors, constraints, visibility, enabling, colour, font, caption, hint, cursor,
// mouse events and its message handling (WndProc -> Dispatch -> handlers -> DefaultHandler).
#pragma once

#include <memory>

#include "classes/Component.h"
#include "controls/ControlTypes.h"
#include "graphics/Font.h"
#include "windows/Messages.h"

class TWinControl;
class TCustomForm;
class TPopupMenu;
class TDragObject;
class TImageList;
class TBasicAction;
class TActionLink;

// Dragging controls: automatic drags start with a left press, manual ones with BeginDrag.
enum TDragMode { dmManual, dmAutomatic };
inline constexpr const char* DragModeNames[] = {"dmManual", "dmAutomatic"};
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
// Source is the dragged control for drags of controls, else the drag object.
using TDragOverEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TStartDragEvent = std::function<void(TObject* Sender, TDragObject*& DragObject)>;
// Target is nil when the drag ended without a drop.
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;

// One entry of a class's message table: the handler of one message.
template <class T>
struct TMessageEntry {
  UINT Msg;
  void (T::*Handler)(TMessage& Message);
};

// Calls Self's handler of Message from Table; answers false when the table has none. A class's
// Dispatch passes unhandled messages to its parent class's Dispatch; a handler calls the
// parent class's Dispatch for the inherited handling.
template <class T, size_t N>
bool DispatchTo(T* Self, TMessage& Message, const TMessageEntry<T> (&Table)[N]) {
  for (const TMessageEntry<T>& entry : Table)
    if (entry.Msg == Message.Msg) {
      (Self->*entry.Handler)(Message);
      return true;
    }
  return false;
}

// Limits on a control's size; 0 is no limit.
class TSizeConstraints : public TPersistent {
 public:
  String ClassName() const override { return "TSizeConstraints"; }
  void Assign(const TPersistent* Source) override;
  int MinWidth = 0;
  int MinHeight = 0;
  int MaxWidth = 0;
  int MaxHeight = 0;
  // The size within the limits.
  void Apply(int& Width, int& Height) const;
};

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;
  String ClassName() const override { return "TControl"; }

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
  // The client area in client coordinates.
  virtual TRect ClientRect() const;
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  void SetClientWidth(int Value);
  void SetClientHeight(int Value);
  // The screen position of the client area's origin.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint Point) const;
  TPoint ScreenToClient(TPoint Point) const;

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors Value);
  TSizeConstraints* Constraints() const { return FConstraints.get(); }

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* Value) { FFont->Assign(Value); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  const String& Caption() const { return FText; }
  void SetCaption(const String& Value) { SetText(Value); }
  const String& Text() const { return FText; }
  virtual void SetText(const String& Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value) { FPopupMenu = Value; }

  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode Value) { FDragMode = Value; }
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }
  // This control is the source of the drag that runs.
  bool Dragging() const;
  // Starts a drag of this control: at once, or once the mouse moved more than Threshold pixels
  // (-1: the mouse's drag threshold) from where it is now.
  void BeginDrag(bool Immediate, int Threshold = -1);
  // Ends this control's drag, dropping on the target under the mouse when Drop and it accepts.
  void EndDrag(bool Drop);
  // The image list whose drag image follows the mouse while this control is dragged.
  virtual TImageList* GetDragImages() { return nullptr; }
  virtual void DragDrop(TObject* Source, int X, int Y);

  // The action the control follows (caption, enabled state, hint, visibility) and runs when it
  // is clicked and has no OnClick handler of its own.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* Value);

  // Stored-when rules of the layouts: what follows the parent is not stored.
  bool IsColorStored() const { return !FParentColor; }
  bool IsFontStored() const { return !FParentFont; }
  bool IsShowHintStored() const { return !FParentShowHint; }

  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
  TControlState ControlState() const { return FControlState; }
  void SetControlState(TControlState Value) { FControlState = Value; }

  // True while the control and its parents are visible and it has a place to show in.
  virtual bool Showing() const;
  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }

  // Delivers a message to this control's WndProc at once.
  LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  virtual void WndProc(TMessage& Message);
  virtual void Dispatch(TMessage& Message);
  virtual void DefaultHandler(TMessage& Message);

  bool MouseCapture() const;
  void SetMouseCapture(bool Value);

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;

  // The control's own step before any context menu: fires OnContextPopup.
  virtual void DoContextPopup(TPoint MousePos, bool& Handled);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnResize;
  TContextPopupEvent OnContextPopup;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TStartDragEvent OnStartDrag;
  TEndDragEvent OnEndDrag;

 protected:
  friend class TWinControl;
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void Resize();
  friend class TDragControlObject;
  friend class TDragManager;
  // The drag hooks: OnStartDrag may give a drag object of its own; OnDragOver decides Accept
  // (refused without a handler); OnEndDrag hears how the drag ended.
  virtual void DoStartDrag(TDragObject*& DragObject);
  virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
  virtual void DoEndDrag(TObject* Target, int X, int Y);
  // The drag ended over this control without a drop.
  virtual void DragCanceled() {}
  void BeginAutoDrag();
  void CMDrag(TMessage& Message);
  // The bound action changed: the control takes its properties (with CheckDefaults, while the
  // control is read from a layout, only those it still has at their defaults). Controls with a
  // checked state override this to follow Checked as well.
  virtual void ActionChange(TBasicAction* Sender, bool CheckDefaults);
  TActionLink* ActionLink() const { return FActionLink.get(); }
  // The parent's client area changed or this control's alignment needs doing again.
  void RequestAlign();
  void Loaded() override;
  void InvalidateControl(bool IsVisible, bool IsOpaque);
  // Sends CM_CANCELMODE to the focused control of every form this control lies on.
  void SendCancelMode(TControl* Sender);

  // Message handlers.
  void WMLButtonDown(TMessage& Message);
  void WMLButtonDblClk(TMessage& Message);
  void WMLButtonUp(TMessage& Message);
  void WMRButtonDown(TMessage& Message);
  void WMRButtonDblClk(TMessage& Message);
  void WMRButtonUp(TMessage& Message);
  void WMMButtonDown(TMessage& Message);
  void WMMButtonDblClk(TMessage& Message);
  void WMMButtonUp(TMessage& Message);
  void WMMouseMove(TMessage& Message);
  void WMCancelMode(TMessage& Message);
  void WMContextMenu(TMessage& Message);
  void CMParentFontChanged(TMessage& Message);
  void CMParentColorChanged(TMessage& Message);
  void CMParentShowHintChanged(TMessage& Message);
  void CMEnabledChanged(TMessage& Message);
  void CMVisibleChanged(TMessage& Message);
  void CMHitTest(TMessage& Message);

  TControlStyle FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  TControlState FControlState = 0;

 private:
  void DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Extra);
  void DoMouseUp(TMessage& Message, TMouseButton Button);
  void FontChanged();

  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  TAlign FAlign = alNone;
  TAnchors FAnchors = DefaultAnchors;
  std::unique_ptr<TSizeConstraints> FConstraints;
  bool FVisible = true;
  bool FEnabled = true;
  TColor FColor = clWindow;
  bool FParentColor = true;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  bool FUpdatingFont = false;
  String FText;
  String FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TCursor FCursor = crDefault;
  TPopupMenu* FPopupMenu = nullptr;
  std::unique_ptr<TActionLink> FActionLink;
  TDragMode FDragMode = dmManual;
  TCursor FDragCursor = crDrag;
};

// The control whose window is Wnd, nullptr when none.
TWinControl* FindControl(HWND Wnd);
// The control under a screen point: a windowed control or a graphic control in it.
TControl* FindDragTarget(TPoint ScreenPoint, bool AllowDisabled);
// The control that has the mouse captured (a graphic control through its parent's window).
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// The form a control lies on (nullptr when none).
TCustomForm* GetParentForm(const TControl* Control);
// Shows a control's popup menu at a screen point; installed by the menus library.
using TPopupMenuHandler = std::function<bool(TPopupMenu* Menu, TControl* Control, TPoint ScreenPoint)>;
TPopupMenuHandler SetPopupMenuHandler(TPopupMenuHandler Handler);
