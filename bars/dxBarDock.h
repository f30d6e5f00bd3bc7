// Dock sites: TdxDockControl is a window along an edge of a form (or a placed control) where
// toolbar windows sit in rows of columns; it finds the row and column a point joins, inserts,
// takes out and moves windows, lays the rows out (truncating, wrapping and stretching bars) and
// sizes itself to its rows. TdxBarDockControl is the dock site a form's layout places, with its
// own alignment, colour and border.
#pragma once

#include <memory>
#include <vector>

#include "bars/dxBarCommon.h"
#include "controls/CustomControl.h"

class TdxDockRow;

// One toolbar window in a row, with the position it asks for (client coordinates of the site;
// only the coordinate along the row counts).
class TdxDockCol {
 public:
  TdxDockCol(TdxDockRow* Row, TdxBarControl* BarControl) : FRow(Row), FBarControl(BarControl) {}
  TdxDockRow* Row() const { return FRow; }
  TdxBarControl* BarControl() const { return FBarControl; }
  TPoint Pos;

 private:
  TdxDockRow* FRow;
  TdxBarControl* FBarControl;
};

class TdxDockRow {
 public:
  explicit TdxDockRow(TdxDockControl* DockControl) : FDockControl(DockControl) {}
  TdxDockControl* DockControl() const { return FDockControl; }
  int ColCount() const { return static_cast<int>(FCols.size()); }
  TdxDockCol* Cols(int Index) const { return FCols.at(static_cast<size_t>(Index)).get(); }
  int IndexOf(const TdxDockCol* Col) const;
  TdxDockCol* FindCol(const TdxBarControl* BarControl) const;
  TdxDockCol* InsertCol(int Index, TdxBarControl* BarControl);
  void DeleteCol(const TdxDockCol* Col);

 private:
  TdxDockControl* FDockControl;
  std::vector<std::unique_ptr<TdxDockCol>> FCols;
};

class TdxDockControl : public TCustomControl {
 public:
  explicit TdxDockControl(TComponent* AOwner);
  ~TdxDockControl() override;
  String ClassName() const override { return "TdxDockControl"; }

  TdxBarManager* BarManager() const { return FBarManager; }
  // Leaves the old manager's dock sites and joins the new one's.
  void SetBarManager(TdxBarManager* Value);
  bool AllowDocking() const { return FAllowDocking; }
  void SetAllowDocking(bool Value) { FAllowDocking = Value; }
  // The side follows the alignment: left, right and bottom sites, top for every other.
  TdxBarDockingStyle DockingStyle() const;
  bool IsHorizontal() const;
  // The client area: inside the sunken border also before the window is made.
  TRect ClientRect() const override;

  // --- rows -----------------------------------------------------------------------------------
  int RowCount() const { return static_cast<int>(FRows.size()); }
  TdxDockRow* Rows(int Index) const { return FRows.at(static_cast<size_t>(Index)).get(); }
  int IndexOfRow(const TdxDockRow* Row) const;
  // The column of a window, nullptr when it is not in the site.
  TdxDockCol* FindCol(const TdxBarControl* BarControl) const;
  // The row a screen point joins, and whether it opens a new row there.
  int FindRowAtPoint(TPoint Point, bool& NewRow) const;
  // The column index a window inserted at a screen point takes in a row.
  int FindColAtPoint(int Row, TPoint Point) const;
  // Zone 0 joins Row, zone 1 opens a new row after it, zone 2 joins the next row: the span across
  // (client coordinates) of each for Row -1 (before the first row) up to RowCount.
  void GetRowZone(int Row, int Zone, int& Start, int& End) const;
  // The rectangle of a row across the whole length; empty for an index outside the rows.
  TRect GetRowRect(int Row) const;
  // The largest thickness of a row's windows.
  int GetRowSize(int Row) const;
  // The bounds widened by the docking-zone size (across only on vertical sites), on the screen.
  TRect GetDockingZone() const;
  // Moves a screen point across into the middle of the zones that lead into Row.
  void GetRowDragPoint(int Row, bool OneOnRow, TPoint& Point) const;

  // Puts a window into a row at a screen point (or, in its update bracket, at its bar's Row).
  void InsertBarControl(TdxBarControl* BarControl, TPoint Point, bool Update);
  // Takes a window's column out (Col nullptr: the window's own), dropping a row left empty.
  void ExtractBarControl(TdxBarControl* BarControl, TdxDockCol* Col, bool Update);
  void MoveBarControl(TdxBarControl* BarControl, TPoint Point);
  // Every column asks for the place its window has now.
  void StorePositions();
  // Lays the rows out and sizes the site to them.
  void UpdateDock();
  // The frame of the site and of every window in it is made again; then the layout.
  void RecalcFrame();

  // --- the site's questions -------------------------------------------------------------------
  // Whether Bar may dock here.
  virtual bool CanDocking(TdxBar* Bar) const;
  // Parent colour with no manager or the manager's AutoDockColor, else the manager's DockColor.
  virtual void UpdateColor();
  // The sum of the row thicknesses.
  virtual int GetRowsSize() const;
  virtual bool GetSunkenBorder() const;
  // The manager's SunkenBorder changed.
  void UpdateBorder() { RecalcFrame(); }

 protected:
  virtual void BarManagerChanged() {}
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  // The layout keeps its size while frozen (a placed site that loads).
  virtual bool LayoutFrozen() const;
  bool IsDesigning() const;

 private:
  void LayoutRow(int Row);
  void SizeToRows();
  void CloseMenusOnResize();
  void WMMouseActivate(TMessage& Message);
  void WMNCCalcSize(TMessage& Message);
  void WMNCPaint(TMessage& Message);
  void WMLButtonDblClk(TMessage& Message);
  void WMWindowPosChanged(TMessage& Message);

  TdxBarManager* FBarManager = nullptr;
  bool FAllowDocking = true;
  bool FUpdatingDock = false;
  std::vector<std::unique_ptr<TdxDockRow>> FRows;
};

// The side of a dock site with this alignment.
TdxBarDockingStyle DockingStyleOfAlign(TAlign Align);

// The dock site a form's layout places: its own alignment (top at first), colour and border.
class TdxBarDockControl : public TdxDockControl {
 public:
  explicit TdxBarDockControl(TComponent* AOwner);
  String ClassName() const override { return "TdxBarDockControl"; }

  // Every window in the site takes the new side and lays out again, under the update lock.
  void SetDockAlign(TAlign Value);
  bool AllowZeroSizeInDesignTime() const { return FAllowZeroSizeInDesignTime; }
  void SetAllowZeroSizeInDesignTime(bool Value);
  // Setting the colour (unless the layout is frozen) makes it the site's own.
  void SetDockColor(TColor Value);
  void SetDockParentColor(bool Value);
  bool IsColorStored() const { return FUseOwnColor && !ParentColor(); }
  bool UseOwnColor() const { return FUseOwnColor; }
  void SetUseOwnColor(bool Value);
  // Setting the border makes it the site's own.
  bool SunkenBorder() const { return GetSunkenBorder(); }
  void SetSunkenBorder(bool Value);
  bool UseOwnSunkenBorder() const { return FUseOwnSunkenBorder; }
  void SetUseOwnSunkenBorder(bool Value);

  // Not when the site lies inside the bar's own window.
  bool CanDocking(TdxBar* Bar) const override;
  void UpdateColor() override;
  int GetRowsSize() const override;
  bool GetSunkenBorder() const override;

 protected:
  void BarManagerChanged() override;
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void Paint() override;
  bool LayoutFrozen() const override;

 private:
  int EmptySize() const;

  bool FAllowZeroSizeInDesignTime = false;
  bool FUseOwnColor = false;
  bool FSunkenBorder = false;
  bool FUseOwnSunkenBorder = false;
};
