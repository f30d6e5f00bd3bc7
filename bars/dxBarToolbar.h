// TdxBarControl: the window of one visible bar, docked in a dock site or floating. It lays its
// item controls out along one line (truncating, keeping the most recently used links) or several
// (wrapping at group boundaries), answers the sizes the dock site's layout asks for, keeps its
// placement in its bar, and enters menu mode from the keyboard.
#pragma once

#include <vector>

#include "bars/dxBarControl.h"

// The room along a bar of the mark at its end.
inline constexpr int kBarMarkSize = 11;

// A caption button at the end of the main-menu bar: the minimise, restore and close buttons of a
// maximised MDI child, or the manager's single close button.
struct TdxBarCaptionButton {
  TRect Rect;      // client coordinates
  UINT Command;    // SC_MINIMIZE, SC_RESTORE or SC_CLOSE
  UINT Kind;       // DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE or DFCS_CAPTIONCLOSE
};

class TdxBarControl : public TCustomdxBarControl {
  friend class TdxBarQuickControl;

 public:
  explicit TdxBarControl(TdxBar* Bar);
  ~TdxBarControl() override;
  String ClassName() const override { return "TdxBarControl"; }
  TdxBar* Bar() const { return FBar; }

  // --- placement ------------------------------------------------------------------------------
  // The dock site the window sits in; nullptr while floating.
  TdxDockControl* DockControl() const { return FDockControl; }
  // Side and site; the window becomes a child of the site, or a floating tool window.
  void SetDocking(TdxBarDockingStyle Side, TdxDockControl* Site);
  void SetDockingStyle(TdxBarDockingStyle Value) override;
  // While in an update bracket the window is placed by its bar's properties, not by a point.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate() { --FUpdateCount; }
  bool InUpdate() const { return FUpdateCount > 0; }
  // The offset from the window's corner to the point that follows the pointer while moving.
  TPoint GetFrameOffset(TdxBarDockingStyle Side) const;
  // The bar keeps where the window is: side, site, row and offset, or the floating rectangle.
  void StorePlacement();
  // Toolbars may close; the quick-customisation window may not.
  bool MayClose() const { return FMayClose; }
  void SetMayClose(bool Value) { FMayClose = Value; }
  // The client area: inside the frame also before the window is made.
  TRect ClientRect() const override;

  // --- sizes the dock site and floating sizing ask for ----------------------------------------
  bool CanWrap() const { return !IsSingleLine(); }
  bool Truncated() const { return FTruncated; }
  void SetTruncated(bool Value) { FTruncated = Value; }
  // Lengths along a side and the thickness of the whole single line, without the frame.
  int GetMinLength(TdxBarDockingStyle Side);
  int GetFullLength(TdxBarDockingStyle Side);
  int GetFullThickness(TdxBarDockingStyle Side);
  // The client size at a length along the side; a single-line window left showing the links
  // that fit (the most recently used ones when recent items are in effect).
  TSize CalcSizeForLength(TdxBarDockingStyle Side, int Length);
  // The client size of a floating window whose wrapped contents are Height high: the narrowest
  // width that still needs no more height, never narrower than the widest control.
  TSize CalcSizeForHeight(int Height);
  // The window size (frame included) for a side.
  TSize CalcFloatingSize(TdxBarDockingStyle Side);
  // Gives every shown link its rectangle; runs before painting and after every size answer.
  void CalcControlsPositions();
  // The extra area of the main-menu bar's caption buttons at the end of its last line (its width
  // and height); empty without caption buttons.
  TSize CaptionButtonsExtent() const;
  bool HasCaptionButtons() const;
  // The main-menu bar ends with the MDI buttons of its form's maximised child.
  bool HasMDIButtons() const;
  // The caption buttons in their order along the line; none without caption buttons.
  std::vector<TdxBarCaptionButton> CaptionButtons() const;
  // Restore and the single close button always; minimise and close while the child's window menu
  // does not gray them (for a click, nor disable them).
  bool IsCaptionButtonEnabled(const TdxBarCaptionButton& Button, bool ForClick) const;
  // The caption of a floating window and its close button (empty when the bar may not close),
  // in window coordinates.
  TRect FloatingCaptionRect() const;
  TRect CloseButtonRect() const;

  // --- the window's questions -------------------------------------------------------------------
  bool IsSingleLine() const override;
  bool HasEdgeFrame() const override;
  bool CanCustomizeLinks() const override;
  int GetSeparatorSize() const override;
  HFONT GetFontHandle() const override;
  // Flat: the main-menu bar and a borderless bottom bar keep the button face.
  HBRUSH GetBackgroundBrush() const override;
  // The link's rectangle widened across to the thickness of its line.
  TRect GetItemRect(const TdxBarItemControl* Control) const override;
  // The item rectangle joined with the separator before it.
  TRegion GetItemRegion(const TdxBarItemControl* Control) const override;
  // Besides the controls and separators, a point on a line after its last control answers that
  // control (the drop goes after it), and a point before the last control of a line that its
  // alignment moved right answers it with Before.
  TdxBarItemControl* GetItemControlAtPoint(TPoint Point, bool& Vertical, bool& Outside, bool& Before) override;
  bool HasMark() const override;
  // The mark: 0 normal, 1 hot ("More Buttons"), 2 pressed with the quick-customising window open
  // below or beside it; leaving 2 frees that window. Not while customising.
  int MarkState() const { return FMarkState; }
  void SetMarkState(int State) override;
  // The mark's rectangle in client coordinates; empty without a mark.
  TRect MarkRect() const;
  void UpdateFont() override;

  // --- life of the window -----------------------------------------------------------------------
  void RecalcLayout() override;
  // The frame is made again; then the layout.
  void RecalcFrame();
  // After the window was sized: positions and a repaint.
  void RefreshLayout();
  // The window text follows the bar's caption.
  void CaptionChanged();

  // --- keyboard menu mode -----------------------------------------------------------------------
  // Selects Control (the first selectable one when nullptr) and takes the keyboard.
  void EnterMenuMode(TdxBarItemControl* Control);
  void ExitMenuMode();
  void CloseMenus() override;
  void LeaveMenuMode() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  bool HandleKeyDown(TMessage& Message) override;
  void Paint() override;

 private:
  // The frame's thickness on each side (left, top, right, bottom), the system frame included.
  TRect FrameInsets() const;
  bool IsVertical() const;
  // Lays the links out on lines no longer than Length; Size comes back as the client size.
  void WrapControls(TdxBarDockingStyle Side, int Length, TSize& Size);
  // One line up to Limit: its length, its thickness and whether a link was left off.
  struct TLine {
    int Length = 0;
    int Thickness = 0;
    bool Overflow = false;
  };
  TLine FitLine(int Limit) const;
  TSize CalcSingleLineSize(TdxBarDockingStyle Side, int Length);
  TSize CalcWrappedSize(TdxBarDockingStyle Side, int Length);
  void FitRecentLinks(int Limit);
  int ControlLength(const TdxBarItemControl* Control, bool Vertical) const;
  int ControlThickness(const TdxBarItemControl* Control, bool Vertical) const;
  int EmptyBarSize() const;
  void WMNCCalcSize(TMessage& Message);
  // --- moving and sizing (the remembered hit-test code says what the pointer is over) ---
  bool IsClickTarget(TPoint Client) const;
  void WMNCHitTest(TMessage& Message);
  int FloatingHitTest(TPoint Screen);
  void BeginMove(TPoint Client);
  void TrackCloseButton();
  void SetCloseButtonState(int State);
  void ToggleDocking();
  void RunMoveLoop(TPoint Screen);
  TPoint SeatForDrag(TPoint Screen);
  // The point moved across the row where the drag began (test point and pointer differ by the
  // first drag offset there).
  TPoint ShiftedAcross(TPoint Point, int By) const;
  TdxDockControl* FindDockTarget(TPoint Point) const;
  void MoveBar(TPoint Point, bool FromWaitTimer);
  void ChangeDocking(TdxDockControl* Site, TPoint Point);
  void WMSizing(TMessage& Message);
  void WMWindowPosChanging(TMessage& Message);
  // --- painting (the frame in window coordinates) ---
  bool IsStandardStyle() const;
  // The size of one caption button of the main-menu bar.
  static TSize CaptionButtonSize();
  // The room a docked bar's mark takes at the end of the client area; none on a floating bar.
  int DockedMarkSize() const;
  TRect SeparatorRect(const TdxBarItemControl* Control, int Size) const;
  // The separator painted before a control (empty when none is shown there).
  TRect ShownSeparatorRect(const TdxBarItemControl* Control) const;
  void WMNCPaint(TMessage& Message);
  void PaintBottomStrip(HDC DC, const TRect& Window);
  void PaintDockedFrame(HDC DC, const TRect& Window);
  void PaintDragHandle(HDC DC, const TRect& Inside);
  void PaintFloatingFrame(HDC DC, const TRect& Window);
  void PaintFloatingCaption(HDC DC, const TRect& Window);
  void PaintCloseButton(HDC DC, const TRect& Rect, int CaptionColour);
  void DrawCaptionButton(HDC DC, const TdxBarCaptionButton& Button, bool Pressed);
  // The enabled caption button under a client point (-1 when none), and following a press on it.
  int CaptionButtonAt(TPoint Client) const;
  void TrackCaptionButton(int Index);
  HWND MDIChild() const;
  void PaintMark(HDC DC, const TRect& Mark);
  void WMMouseActivate(TMessage& Message);
  void WMLButtonDownToolbar(TMessage& Message);
  void WMRButtonDownToolbar(TMessage& Message);
  // --- the mark (quick customising) ---
  // A mark that opens the quick-customising window: a non-standard style and HasMark.
  bool HasActiveMark() const;
  bool IsOverMark(TPoint Client) const;
  void RepaintMark();
  // Hot over the mark, normal elsewhere; a press toggles pressed and hot.
  void TrackMark(TPoint Client);
  bool PressMark(TPoint Client);
  void OpenQuickControl();
  // --- sizing an edit's width while customising ---
  // The end of the selected edit control under a client point: -1 its left end (the right edge
  // stays), 1 its right end, 0 neither.
  int EditSizingEdgeAt(TPoint Client) const;
  void WMSetCursorToolbar(TMessage& Message);
  // A press on an end of the selected edit control sizes its width; true when it did.
  bool SizeEditWidth(TPoint Client);
  void WMGetDlgCode(TMessage& Message);

  TdxBar* FBar;
  TdxDockControl* FDockControl = nullptr;
  int FUpdateCount = 0;
  bool FTruncated = false;
  bool FMayClose = true;
  bool FUpdatingFont = false;
  // Where the pointer held the window when a move began, and the window's size then.
  TPoint FGrabPoint;
  TSize FGrabSize;
  HWND FFocusBeforeMenu;
  int FHitTest = HTCLIENT;
  // The close button: 0 normal, 1 held with the pointer outside, 2 pressed.
  int FCloseButtonState = 0;
  // The caption button shown pressed, -1 when none.
  int FPressedCaptionButton = -1;
  int FMarkState = 0;
  // The press that closed the quick-customising window was on the mark: it does not open it again.
  bool FMarkPressedAgain = false;
};
