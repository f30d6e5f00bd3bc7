// TCustomdxBarControl: the window base of toolbars and menus. It shows the item controls of one
// link collection, keeps the selected control, runs menu mode across a chain of open bar
// windows, hot-tracks the mouse, routes clicks and customising gestures to the controls, and
// gives the brushes, font and metrics of the manager's style. It never takes the focus or the
// activation from its form.
#pragma once

#include "bars/dxBarCommon.h"
#include "controls/CustomControl.h"
#include "controls/ShortCut.h"
#include "graphics/Region.h"

class TdxBarItemControl;

// WM_USER + 1: posted by item links when usage changed what a window shows; re-lays it out.
enum : UINT { WM_DXBAR_RECALCLAYOUT = WM_USER + 1 };
// WM_USER + 2: posted to a link's window when the customizing popup's name was left blank.
// WM_USER + 3: posted to the quick-customising window its owner let go, which frees it.
enum : UINT { WM_DXBAR_REFUSEBLANKNAME = WM_USER + 2, WM_DXBAR_FREEQUICKCONTROL = WM_USER + 3 };

class TCustomdxBarControl : public TCustomControl {
 public:
  // Hidden, button-face coloured, listed among the live bar windows.
  explicit TCustomdxBarControl(TdxBarManager* Manager);
  ~TCustomdxBarControl() override;
  String ClassName() const override { return "TCustomdxBarControl"; }
  // A toolbar closes its menus, any other window leaves menu mode.
  void BeforeDestruction() override;

  TdxBarManager* BarManager() const { return FBarManager; }
  TdxBarItemLinks* ItemLinks() const { return FItemLinks; }
  // The links whose window this is; the links forget the window when it goes.
  void SetItemLinks(TdxBarItemLinks* Value);
  // The bar window this one was opened from (nullptr for a root window).
  TCustomdxBarControl* ParentBar() const { return FParentBar; }
  void SetParentBar(TCustomdxBarControl* Value) { FParentBar = Value; }
  // The side the window is docked on; dsNone for menus and floating toolbars.
  TdxBarDockingStyle DockingStyle() const { return FDockingStyle; }
  // Stores the side; the window takes its font anew.
  virtual void SetDockingStyle(TdxBarDockingStyle Value);
  TdxBarItemControl* SelectedControl() const { return FSelectedControl; }
  // The control that took the mouse button in a toolbar, nullptr when none.
  TdxBarItemControl* PressedControl() const { return FPressedControl; }
  // A locked window neither repaints its controls nor lays them out.
  bool Locked() const { return FLocked; }
  void SetLocked(bool Value);
  bool IsDestroying() const { return (ComponentState() & csDestroying) != 0; }
  virtual bool IsCustomizing() const;
  bool MenuMode() const { return FMenuMode; }

  // --- metrics --------------------------------------------------------------------------------
  // The height of "0" in the canvas font + 6.
  int ItemHeight() const { return FItemHeight; }
  // The height of "0" in the window's font + 6 (+1 under the flat style), and twice its width
  // less 1.
  int TextSize() const { return FTextSize; }
  int TextWidth() const { return FTextWidth; }

  // --- controls -------------------------------------------------------------------------------
  // A control for every visible link, and their release.
  virtual void CreateControls();
  virtual void DestroyControls();
  bool DestroyingControls() const { return FDestroyingControls; }
  // Places the controls anew; the toolbar and menu windows do the layout.
  virtual void RecalcLayout() {}
  // The manager's look changed (style, sizes, fonts): controls and layout are made again.
  virtual void RebuildBar();
  // Repaints the rectangle of a control's link.
  void RepaintItem(const TdxBarItemControl* Control);
  // The control of the first shown link whose rectangle holds a client point; none while
  // customising unless the links may be customised.
  TdxBarItemControl* ControlAtPoint(TPoint Point) const;
  bool IsControlOfLink(const TdxBarItemControl* Control) const;

  // --- the window's questions -------------------------------------------------------------------
  virtual void CalcMetrics();
  virtual bool IsSingleLine() const { return false; }
  virtual bool HasEdgeFrame() const { return true; }
  virtual bool CanCustomizeLinks() const;
  virtual int GetSeparatorSize() const = 0;
  virtual HFONT GetFontHandle() const;
  virtual TRect GetItemRect(const TdxBarItemControl* Control) const;
  virtual TRect GetItemRectEx(const TdxBarItemControl* Control, bool Whole) const;
  virtual TRegion GetItemRegion(const TdxBarItemControl* Control) const;
  virtual HBRUSH GetBackgroundBrush() const;
  virtual HBRUSH GetSelectedBrush() const;
  virtual HBRUSH GetHighlightBrush() const;
  // This window is in Window's chain of openers.
  bool IsOpenerOf(const TCustomdxBarControl* Window) const;
  // The control whose region holds a client point and takes customising drops: Vertical tells a
  // vertical window, Outside a point on the separator, Before a point in the nearer half.
  virtual TdxBarItemControl* GetItemControlAtPoint(TPoint Point, bool& Vertical, bool& Outside, bool& Before);
  virtual bool HasMark() const { return false; }
  // A toolbar window that behaves as a menu: only a press elsewhere closes it, not a release.
  virtual bool IsPopupToolbar() const { return false; }
  // The pointer has not moved since it was last remembered (always while customising).
  virtual bool IsMouseUnmoved(TPoint Point);
  // Chooses the brush the control about to be drawn lies on (ItemBackgroundBrush).
  virtual void DrawItemControl(TdxBarItemControl* Control);
  const HBRUSH& ItemBackgroundBrush() const { return FBackgroundBrush; }
  // While customising, the selected link is framed in the button-text colour, two pixels wide,
  // over its drawn view.
  void DrawCustomizingSelection(HDC DC, const TdxBarItemControl* Control, const TRect& Rect) const;
  virtual void RedrawControls(TdxBarItemControl* Control);
  virtual void UpdateFont() {}

  // --- menu mode and selection ----------------------------------------------------------------
  virtual void SetMenuMode(bool Value);
  // Keyboard selection: a pressed control is let go first.
  virtual void SelectControl(TdxBarItemControl* Control);
  // The mark of a window that has one (0 normal, 1 hot, 2 pressed).
  virtual void SetMarkState(int State) { (void)State; }
  // Mouse selection: the control turns hot and a sub item opens its menu.
  virtual void HotTrack(TdxBarItemControl* Control);
  // The selection primitive: redraws old and new, the hint and the status text follow.
  virtual void SetSelected(TdxBarItemControl* Control);
  // Leaves menu mode, and so do the windows this one was opened from.
  virtual void CloseMenus();
  // Leaves menu mode alone (the window it was opened from becomes active again).
  virtual void LeaveMenuMode() { SetMenuMode(false); }
  // Clears the selection without notice (the control that was selected is going).
  void ForgetSelectedControl(const TdxBarItemControl* Control);
  // The selected control, if pressed, is let go.
  void ReleasePressedControl();
  // Forgets where the pointer was and handles it where it is now, so hot tracking resumes.
  void ResumeHotTracking();

 protected:
  void SetItemBackgroundBrush(const HBRUSH& Brush) const { FBackgroundBrush = Brush; }
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void CreateParams(TCreateParams& Params) override;

  // The keys of menu mode; true when the key went no further.
  virtual bool HandleKeyDown(TMessage& Message);
  // Mouse messages are dropped while another window's menu chain holds menu mode.
  bool DropsMouseMessage(UINT Msg) const;
  // Selects the link's control stepping in Direction (next, previous, first or last).
  void SelectStep(int Direction, bool AfterTab);
  void SelectByAccelerator(WORD Key);
  void RememberCursorPos();
  void ResetCursorPos() { FCursorPos = TPoint{-1, -1}; }
  bool IsToolbar() const;
  // A floating toolbar of the flat style, which casts a shadow.
  bool IsFloatingFlat() const;
  void WMMouseMove(TMessage& Message);
  void WMLButtonDown(TMessage& Message);
  void WMLButtonUp(TMessage& Message);
  void WMLButtonDblClk(TMessage& Message);
  void WMRButtonDown(TMessage& Message);
  void WMMouseLeave(TMessage& Message);
  void WMCaptureChanged(TMessage& Message);

 private:
  void TrackPressedControl(TPoint Point);
  void HotTrackAt(TPoint Point);
  void CustomizingButtonDown(TPoint Point);
  // While customising a press on a link waits for the pointer to move off before dragging it.
  void StartPendingDrag(TdxBarItemControl* Control, TPoint Point);
  void DragPendingLink(TPoint Point);
  void ClickButtonDown(TPoint Point);
  void ClickButtonUp(TPoint Point);
  void ClearSelection();
  void ShowSelectionHint(TdxBarItemControl* Control);
  void PushActive();
  void PopActive();
  bool DraggedItemRefused(const TdxBarItemControl* SubItemControl) const;
  void WMNCCalcSize(TMessage& Message);
  void WMNCPaint(TMessage& Message);
  void WMSize(TMessage& Message);
  void WMSetFocus(TMessage& Message);

  TdxBarManager* FBarManager;
  TdxBarItemLinks* FItemLinks = nullptr;
  TCustomdxBarControl* FParentBar = nullptr;
  TCustomdxBarControl* FPrevActive = nullptr;
  TdxBarItemControl* FSelectedControl = nullptr;
  TdxBarItemControl* FPressedControl = nullptr;
  bool FPressedInside = false;
  TdxBarDockingStyle FDockingStyle = dsNone;
  bool FLocked = false;
  bool FMenuMode = false;
  bool FDestroyingControls = false;
  bool FDragPending = false;
  TPoint FDragDownPoint;
  // The selection changes because the pointer moved: an open sub item closes after its delay.
  bool FSelectingByMouse = false;
  TPoint FCursorPos{-1, -1};
  mutable HBRUSH FBackgroundBrush;
  int FItemHeight = 0;
  int FTextSize = 0;
  int FTextWidth = 0;
};
