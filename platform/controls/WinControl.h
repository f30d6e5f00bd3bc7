// TWinControl: a control with a window of its own. The window is made on demand (when the control
// shows, or when its Handle is asked for), can be destroyed and made again without losing the
// control's state, and carries the control's style bits. It holds child controls, aligns them,
// takes part in focus and tab order, and turns key messages into key events.
#pragma once

#include <vector>

#include "controls/Control.h"
#include "windows/Paint.h"

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;
  String ClassName() const override { return "TWinControl"; }
  void BeforeDestruction() override;

  // The window, made first when there is none.
  HWND Handle();
  bool HandleAllocated() const { return static_cast<bool>(FHandle); }
  void HandleNeeded();
  // Destroys the window (if any) and makes it again when the control shows.
  void RecreateWnd();
  // The parent window of a control without a parent control (a form's owner window).
  HWND ParentWindow() const { return FParentWindow; }
  void SetParentWindow(HWND Value) { FParentWindow = Value; }

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int Index) const { return FControls.at(static_cast<size_t>(Index)); }
  bool ContainsControl(const TControl* Control) const;
  // The topmost visible child (windowed or graphic) at a client point.
  TControl* ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls = false) const;
  void InsertControl(TControl* Control);
  void RemoveControl(TControl* Control);
  // Sends Message to every child until one answers non-zero.
  void Broadcast(TMessage& Message);
  // Tells every child of the parent-font, parent-colour or parent-hint change.
  void NotifyControls(UINT Msg);

  int TabOrder() const;
  void SetTabOrder(int Value);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value);
  // Enter in the control goes to its own key events instead of the form's default button and,
  // unless they use it up, moves the focus on to the next control in tab order.
  bool EnterMovesFocus() const { return FEnterMovesFocus; }
  void SetEnterMovesFocus(bool Value) { FEnterMovesFocus = Value; }
  // Visible and enabled up to its form.
  virtual bool CanFocus() const;
  virtual bool Focused() const;
  virtual void SetFocus();
  // The next control in tab order after CurControl (nullptr: from the start).
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent);
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
  // Children and their children in tab order.
  void GetTabOrderList(std::vector<TWinControl*>& List);

  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Invalidate() override;
  void Update() override;
  void Repaint() override;
  // Paints the client area into DC with its top-left corner at (X, Y), as the window's own paint
  // pass would (background, then WM_PAINT with DC); for printing a control and for tests that
  // read what was drawn from a recording canvas. Graphic children are not drawn.
  void PaintTo(HDC DC, int X, int Y);
  bool Showing() const override;
  void Realign();
  void DisableAlign() { ++FAlignLevel; }
  void EnableAlign();

  void Dispatch(TMessage& Message) override;
  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;

 protected:
  friend class TControl;
  friend class TCustomForm;
  virtual void CreateParams(TCreateParams& Params);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& Params);
  virtual void DestroyWnd();
  void CreateHandle();
  void DestroyHandle();
  // Shows or hides the window to match Showing, making it first when needed.
  void UpdateControlState();
  virtual void UpdateShowing();
  // The window moved or changed size: the control's bounds follow.
  void UpdateBounds();
  void Loaded() override;
  void SetChildZOrder();

  virtual void AlignControls(TControl* AControl, TRect& Rect);
  virtual void AdjustClientRect(TRect& Rect) { (void)Rect; }
  // DC is the window's own during its paint pass, or any canvas PaintTo was given.
  virtual void PaintWindow(HDC DC);
  void PaintHandler(TMessage& Message);
  void PaintControls(const PAINTSTRUCT& Paint, TControl* First);

  virtual void KeyDown(WORD& Key, TShiftState Shift);
  virtual void KeyUp(WORD& Key, TShiftState Shift);
  virtual void KeyPress(TKeyChar& Key);
  // The key events of a key message, after the form's key preview; true when the key was used up.
  bool DoKeyDown(TMessage& Message);
  bool DoKeyUp(TMessage& Message);
  bool DoKeyPress(TMessage& Message);
  virtual void DoEnter();
  virtual void DoExit();
  // The window procedure the layer calls: WndProc inside the application's exception handler.
  LRESULT MainWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);

  // Message handlers.
  void WMPaint(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message);
  void WMWindowPosChanged(TMessage& Message);
  void WMSize(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  void WMKeyDown(TMessage& Message);
  void WMKeyUp(TMessage& Message);
  void WMChar(TMessage& Message);
  void WMSysKeyDown(TMessage& Message);
  void WMNCDestroy(TMessage& Message);
  void CNKeyDown(TMessage& Message);
  void CNChar(TMessage& Message);
  void CMEnter(TMessage& Message);
  void CMExit(TMessage& Message);
  void CMDialogKey(TMessage& Message);
  void CMDialogChar(TMessage& Message);
  void CMChildKey(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMColorChanged(TMessage& Message);
  void CMShowHintChanged(TMessage& Message);
  void CMVisibleChangedWin(TMessage& Message);
  void CMEnabledChangedWin(TMessage& Message);
  // Takes the focus from this control or one inside it (the form's own window gets it).
  void DefocusFromForm();
  void CMShowingChanged(TMessage& Message);
  void CMTextChanged(TMessage& Message);

 private:
  template <class Key, class Event>
  bool DoKey(TMessage& Message, bool (TWinControl::*FormStep)(TMessage&), Event OwnEvent);
  void AnchorChildren(const TRect& Client);
  void AlignControlsNow();

  HWND FHandle;
  HWND FParentWindow;
  std::vector<TControl*> FControls;   // bottom of the z-order first
  std::vector<TWinControl*> FTabList;  // in tab order
  bool FTabStop = false;
  bool FEnterMovesFocus = false;
  int FAlignLevel = 0;
  TSize FAnchorBase;  // the client size the children's anchors were last applied at
};
