// The records of the tree list's layout: the metrics a relayout measures, the rectangles one
// layout pass gives every strip, band, header and row in view, what lies under a client point,
// and the description of one cell that an editor class paints or measures without a window.
#pragma once

#include <cstdint>
#include <vector>

#include "graphics/GdiObjects.h"
#include "rtl/Types.h"

class TdxTreeListNode;

// Sizes measured from the fonts, the options and the image lists by the relayout; every
// rectangle of a layout pass is made from them.
struct TdxTreeListMetrics {
  bool Flat = false;             // a look other than lfStandard
  int BandRowCount = 1;
  int HeaderPanelRowCount = 1;   // header rows that each data row repeats
  int HeaderLineCount = 1;       // text lines of one header row
  int BandLineHeight = 13;       // "Wg" in the band font
  int BandHeight = 0;            // the band panel
  int HeaderLineHeight = 13;     // "Wg" in the header font
  int HeaderRowHeight = 19;
  int HeaderHeight = 19;         // the header panel
  TRect DropArrowRect;           // the drop arrows' area when a header or band is moved
  int GroupPanelHeight = 0;
  int IndicatorWidth = 0;
  int TextHeight = 13;           // "Wg" in the control's font
  int FooterLineHeight = 20;
  int RowFooterHeight = 22;
  int FooterHeight = 0;
  int FilterPanelHeight = 0;
  int RowLineHeight = 16;        // the least height of one header row of a data row
  int HorzStep = 7;              // "0" in the control's font: one step of horizontal scrolling
  TSize ImageSize;
  TSize StateImageSize;
  int Indent = 16;               // one level of the tree indent, the size of the tree glyphs
  int PreviewLineHeight = 13;
  int NewItemRowHeight = 0;
  int NewItemRowSeparator = 6;   // what the new-item row adds to a row: 5 flat, 6 standard
};

// A shown band: its visible position, its header and that header cut to the scrolling area.
struct TdxTreeListBandInfo {
  int Band = 0;
  TRect Rect;
  TRect ClipRect;
};

// A shown column header. BelowRect fills the header strip under a last-row header that ends above
// the strip's bottom. First: first header of band 0; Last: last header of the last scrolling band.
struct TdxTreeListHeaderInfo {
  int Column = -1;
  int Band = 0;
  int Row = 0;
  int Position = 0;
  int RowSpan = 1;
  TRect Rect;
  TRect ClipRect;
  TRect BelowRect;
  bool FirstInRow = false;
  bool LastInRow = false;
  bool First = false;
  bool Last = false;
  bool MultiLine = false;
};

// A shown band without header rows: its part of the header strip.
struct TdxTreeListEmptyBandInfo {
  int Band = 0;
  TRect Rect;
  bool CutRight = false;  // the band goes on beyond the right of the scrolling area
};

// A row in view. IndentWidth is written by the row painter: where the row's cells start.
struct TdxTreeListRowInfo {
  TdxTreeListNode* Node = nullptr;
  bool Group = false;
  bool Selected = false;
  int Height = 0;
  int FooterCount = 0;
  int RowFootersHeight = 0;
  uint8_t IndicatorKind = 0;
  int PreviewLines = 0;
  int LineCount = -1;
  int IndentWidth = 0;
};

// One layout pass. Rectangles are in client coordinates; a strip that is not shown is empty.
struct TdxTreeListDrawInfo {
  TRect ClientRect;
  TRect GroupPanelRect;
  TRect BandRect;
  TRect BandCornerRect;
  TRect HeaderRect;
  TRect HeaderCornerRect;
  TRect IndicatorRect;
  TRect NewItemRowRect;
  TRect RowsRect;
  TRect EmptyRightRect;
  TRect EmptyBottomRect;
  TRect FooterRect;
  TRect FilterPanelRect;
  TRect FixedLeftRect;   // header area of the fixed-left band; all 0 when there is none
  TRect FixedRightRect;
  int FixedLeftBand = -1;
  int FixedRightBand = -1;
  int LastScrollBand = -1;  // set only when a fixed-right band exists
  int CellsRight = 0;       // x of the cells' last pixel column
  int RowsBottom = -1;      // y of the last row's last pixel row when the rows end above the area's bottom
  int FirstBandVisibleWidth = 0;
  int RowSeparatorWidth = 0;
  std::vector<TdxTreeListBandInfo> Bands;
  std::vector<TdxTreeListHeaderInfo> Headers;
  std::vector<TdxTreeListEmptyBandInfo> EmptyBands;
  std::vector<TdxTreeListRowInfo> Rows;
};

// What lies under a client point; other parts of the program compare against these numbers.
enum TdxTreeListHitKind : uint8_t {
  hkNone, hkHeader, hkHeaderEdge, hkButton, hkImage, hkStateImage, hkIndent, hkCell, hkRow, hkOutside,
  hkGroupPanel, hkBandCorner, hkBand, hkBandEdge, hkHeaderCorner, hkIndicator, hkNewItemRow, hkRowFooter,
  hkFooter, hkBandPanelEdge, hkHeaderPanelEdge, hkRowEdge, hkPreview, hkFilterPanel,
};

struct TdxTreeListHitInfo {
  int X = 0;
  int Y = 0;
  int Band = -1;        // visible band position
  int Column = -1;      // column index
  TdxTreeListNode* Node = nullptr;
  int RowIndex = -1;    // into the rows of the layout pass
  int FooterLine = -1;  // row-footer line
  TdxTreeListHitKind HitKind = hkOutside;
};

// The glyph the indicator shows for a row: nothing, the focused row, the row being edited or
// inserted, a selected row, the focused selected row.
enum : uint8_t { ikNone, ikArrow, ikEdit, ikInsert, ikMultiDot, ikMultiArrow };

// The header drop-down button's state: shown, under the mouse, pressed, its filter applied.
enum : unsigned { hbsExists = 1, hbsHot = 2, hbsPressed = 4, hbsActive = 8 };

// One cell as an editor class paints or measures it without a window. Rect holds the cell grown
// by 2 pixels on each side (the editor class's bounds, whose inner part is the cell).
struct TdxTreeListCellViewData {
  HBRUSH Brush;
  HFONT Font;
  COLORREF BkColor = 0;
  COLORREF TextColor = 0;
  TAlignment Alignment = taLeftJustify;
  String Text;
  int HighlightedLength = 0;  // characters drawn in the search colours; 0: none
  bool Selected = false;
  bool InvertSelect = false;
  bool EdgeFlag1 = false;
  bool EdgeFlag2 = false;
  bool MultiLine = false;
  bool EndEllipsis = false;
  TdxTreeListNode* Node = nullptr;
  bool NewItemRowReadOnly = false;  // a new-item-row cell that may not be edited
  COLORREF SelectionColor = 0;
  TColor ColumnColor = 0;
  HBRUSH ColumnBrush;
  bool Editing = false;
  TRect Rect;
  int MaxLineCount = -1;  // measuring: the most lines a cell may take
};
