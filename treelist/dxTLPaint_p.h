// The tree list's paint pass: one layout pass, the brushes, column colours and cell bitmap of the
// pass, and the painters that run over it in a fixed order (dxTLPaint.cpp: panels, bands,
// headers, new-item row, indicator, footer, filter panel; dxTLPaintRows.cpp: the rows). Everything
// the pass makes is released, and every clip it changes put back, also when a painter raises.
#pragma once

#include <utility>
#include <vector>

#include "graphics/Gdi.h"
#include "treelist/dxTL.h"
#include "treelist/dxTLDraw.h"

class TdxTreeListPainter {
 public:
  TdxTreeListPainter(TCustomdxTreeList& List, TCanvas& Canvas);
  ~TdxTreeListPainter();
  TdxTreeListPainter(const TdxTreeListPainter&) = delete;
  TdxTreeListPainter& operator=(const TdxTreeListPainter&) = delete;
  void Paint();

 private:
  // A colour and its brush; no brush where the colour is the control's own.
  struct TColumnColor {
    TColor Color = 0;
    HBRUSH Brush;
  };
  // A cell's colours as GetRowColors chooses them.
  struct TCellColors {
    COLORREF BkColor = 0;
    COLORREF TextColor = 0;
    HBRUSH Brush;
  };

  // dxTLPaint.cpp
  void MakeBrushes();
  void PaintGroupPanel();
  void PaintBands();
  void PaintBand(const TdxTreeListBandInfo& Band);
  void PaintFixedBandLines();
  void PaintHeaders();
  void PaintHeader(const TdxTreeListHeaderInfo& Header);
  void PaintNewItemRow();
  void PaintNewItemRowCells(const TRect& Row);
  void PaintIndicator();
  void PaintFooter();
  void PaintFooterCell(const TdxTreeListHeaderInfo& Header, int Top);
  void PaintFilterPanel();
  // Runs a custom-draw handler with the canvas font saved and, when the visible part differs from
  // the whole, the clip cut to it; both come back whatever the handler does.
  template <class F>
  void RunCustomDraw(const TRect& Rect, const TRect& VisibleRect, F Handler);

  // dxTLPaintRows.cpp
  void DrawContent();
  void PaintIndentStrip();
  void PaintRowIndent(TdxTreeListRowInfo& Row, int Y, size_t Index);
  void PaintTreeLines(const TdxTreeListRowInfo& Row, int Y, size_t Index);
  void PaintRowImages(const TdxTreeListRowInfo& Row, int Y);
  void PaintRow(const TdxTreeListRowInfo& Row, int Y, size_t Index);
  void PaintGroupRow(const TdxTreeListRowInfo& Row, int Y, int TopPad);
  void PaintFixedBandRowLines(const TdxTreeListRowInfo& Row, int Y);
  void PaintCells(const TdxTreeListRowInfo& Row, int Y, int TopPad);
  void PaintCell(const TdxTreeListRowInfo& Row, int Y, int TopPad, size_t Index);
  void AddCellGridLines(const TdxTreeListRowInfo& Row, int Y, size_t Index, const TRect& Cell, bool KeepsRight);
  void FillBelowHeader(const TdxTreeListRowInfo& Row, int Y, int TopPad, size_t Index, const TRect& Cell,
                       const HBRUSH& Brush);
  // The bottom of a row's cells when each data row repeats one header row.
  int SingleRowCellsBottom(const TdxTreeListRowInfo& Row, int Y);
  void PaintEmptyBands(const TdxTreeListRowInfo& Row, int Y, int TopPad);
  void PaintPreview(const TdxTreeListRowInfo& Row, int Y);
  void PaintRowFooters(const TdxTreeListRowInfo& Row, int Y);
  void PaintRowFocus(const TdxTreeListRowInfo& Row, int Y);
  void AddIndentGridLines(const TdxTreeListRowInfo& Row, int Y);
  void AddRowSeparator(const TdxTreeListRowInfo& Row, int Y, size_t Index);

  // Shared by both files.
  TCellColors GetRowColors(TdxTreeListNode* Node, bool Selected, bool IsGroup, int Level, int HeaderIndex);
  HBRUSH GetLevelBrush(int Level, TColor& Color);
  bool IsCellSelected(const TdxTreeListRowInfo& Row, int Column);
  void DrawFocusMark(const TRect& Rect);
  void SetClipRect(const TRect& Rect);
  void RestoreClipRect();
  // Sets or restores the clip as the cells cross between fixed and scrolling bands.
  void ToggleCellClip(int Band);
  // The rows' clip needed: a fixed band exists or the bands are scrolled, and they are wider than
  // the rows area. The scrolling cells paint between the fixed bands, from Left scrolled (never
  // left of Least) when no band is fixed at the left.
  void PrepareCellClip(int Top, int Bottom, int Left, int Least);
  // The area of a row right of its indent.
  TRect GetRowCellsRect(int IndentWidth, int Top, int Bottom);
  // The x (from the rows' left) left of which a row's separator does not run under the indent.
  int GetIndentLineLimit(TdxTreeListNode* Node, size_t RowIndex);
  // Fills the tree line segment from (X1, Y1) to (X2, Y2), both ends included.
  void FillLine(int X1, int Y1, int X2, int Y2);
  void AddSegment(int X1, int Y1, int X2, int Y2);
  void AddClippedHorizontal(int X1, int X2, int Y);
  void DrawSegments(TColor Color);
  bool HasLeftFixed() const { return !RectIsPoint(FInfo.FixedLeftRect); }
  bool HasRightFixed() const { return !RectIsPoint(FInfo.FixedRightRect); }
  // The horizontal shift of the cells and the indent: LeftCoord unless a left band is fixed.
  int Shift() const { return HasLeftFixed() ? 0 : FList.LeftCoord(); }
  bool GridBoth() const { return FList.ShowGrid() && FList.ShowPreviewGrid(); }

  TCustomdxTreeList& FList;
  TCanvas& FCanvas;
  HDC FDC;
  TdxTreeListDrawInfo FInfo;
  TBitmap FBitmap;
  HBRUSH FBandBrush, FHeaderBrush, FGroupBrush, FBackgroundBrush, FShadowBrush, FHighlightBrush, FTreeLineBrush,
      FHideSelectionBrush, FRowFooterBrush, FFixedBandLineBrush, FLevelBrush;
  TColor FShadowColor = clBtnShadow;
  std::vector<TColumnColor> FColumnColors;
  TFont FScratchFont;
  // Clip state: the clip before SetClipRect (when there was one) and whether this pass set one.
  TRegion FSavedClip;
  bool FHadClip = false;
  bool FClipSet = false;
  bool FHasFocus = false;
  int FGridWidth = 0;
  bool FClipNeeded = false;
  TRect FCellClip;
  HBRUSH FLineBrush;
  std::vector<TPoint> FSegments;
};
