// The vocabulary of the tree list: its exception and string table, the column sort and band fixing
// kinds, the look and feel, the interaction states and the flags of the two option sets, and the
// cell events its columns publish.
#pragma once

#include <functional>

#include "graphics/Canvas.h"
#include "rtl/Exceptions.h"

// Misuse of the tree list (a node made without an owner, a group name a grid refuses).
QUORIN_EXCEPTION(EInvaliddxTreeListOperation, Exception);

// The tree list's string table: the texts it shows or raises, by their numbers.
enum : int {
  dxSTreeListInvalidOwner = 38801, dxSTreeListCustomize = 38802, dxSTreeListBands = 38809, dxSTreeListHeaders = 38810,
  dxSTreeListInvalidGroupName = 38812, dxSTreeListDuplicateGroupName = 38813,
};
// The text of an id; an id without a text gives "".
String dxTreeListText(int Id);
// Raises EInvaliddxTreeListOperation with Message.
[[noreturn]] void RaiseTreeListError(const String& Message);
// The upper-case forms of both texts (every alphabet's case rules) are equal.
bool AnsiSameTextUpper(const String& A, const String& B);

// The ordinals are stored in layouts: 0 csNone, 1 csDown, 2 csUp.
enum TdxTreeListColumnSort { csNone, csDown, csUp };
inline constexpr const char* TreeListColumnSortNames[] = {"csNone", "csDown", "csUp"};

enum TdxGridBandFixed { bfNone, bfLeft, bfRight };
inline constexpr const char* GridBandFixedNames[] = {"bfNone", "bfLeft", "bfRight"};

enum TdxLookAndFeel { lfStandard, lfFlat, lfUltraFlat };
inline constexpr const char* LookAndFeelNames[] = {"lfStandard", "lfFlat", "lfUltraFlat"};

// The gesture under way; other parts of the program compare against these numbers.
enum TdxTreeListState : uint8_t {
  tlsNormal, tlsColumnSizing, tlsEditing, tlsHeaderDragging, tlsHeaderPressed, tlsNodeDragging, tlsRowsPressed,
  tlsHeaderPanelButtonPressed, tlsBandSizing, tlsBandDragging, tlsBandPressed, tlsBandPanelButtonPressed,
  tlsBandPanelSizing, tlsHeaderPanelSizing, tlsRowSizing, tlsHeaderFilterButtonPressed, tlsFilterCloseButtonPressed,
};

// The first option set (Options). The bit numbers are fixed: descendants map their own options
// onto them.
using TdxTreeListOptions = unsigned;
enum : TdxTreeListOptions {
  tloColumnSizing = 1u << 0, tloColumnMoving = 1u << 1, tloEditing = 1u << 2, tloTabs = 1u << 3,
  tloTabThrough = 1u << 4, tloRowSelect = 1u << 5, tloMultiSelect = 1u << 6, tloImmediateEditor = 1u << 7,
  tloPreview = 1u << 8, tloDrawEndEllipsis = 1u << 9, tloAutoWidth = 1u << 10, tloExtMultiSelect = 1u << 11,
  tloExtCustomizing = 1u << 12, tloHideFocusRect = 1u << 13, tloAutoSort = 1u << 14, tloCaseInsensitive = 1u << 15,
  tloStoreToRegistry = 1u << 16, tloStoreToIniFile = 1u << 17,
};
// The second option set (OptionsEx); bit 23 has no meaning of its own.
enum : TdxTreeListOptions {
  tlxInvertSelect = 1u << 0, tlxUseBitmap = 1u << 1, tlxBandHeaderWidth = 1u << 2, tlxAutoCalcPreviewLines = 1u << 3,
  tlxBandSizing = 1u << 4, tlxBandMoving = 1u << 5, tlxHorzThrough = 1u << 6, tlxVertThrough = 1u << 7,
  tlxCellMultiSelect = 1u << 8, tlxEnterThrough = 1u << 9, tlxEnterShowEditor = 1u << 10, tlxFullSizing = 1u << 11,
  tlxDragScroll = 1u << 12, tlxDragExpand = 1u << 13, tlxDragCollapse = 1u << 14, tlxRowAutoHeight = 1u << 15,
  tlxShowHourGlass = 1u << 16, tlxBandButtonClicking = 1u << 17, tlxBandPanelSizing = 1u << 18,
  tlxHeaderButtonClicking = 1u << 19, tlxHeaderPanelSizing = 1u << 20, tlxRowSizing = 1u << 21,
  tlxMultiSort = 1u << 22, tlxBit23 = 1u << 23, tlxShowButtonAlways = 1u << 24, tlxAutoHeaderPanelHeight = 1u << 25,
  tlxKeepColumnWidth = 1u << 26, tlxAnsiSort = 1u << 27, tlxMouseScroll = 1u << 28, tlxAutoSearch = 1u << 29,
  tlxHotTrack = 1u << 30, tlxAutoCopySelectedToClipboard = 1u << 31,
};
// The sets a tree list starts with: ColumnSizing, ColumnMoving, Editing, TabThrough, RowSelect (55);
// UseBitmap, BandHeaderWidth, AutoCalcPreviewLines, BandSizing, BandMoving, DragScroll, DragExpand
// (12350).
inline constexpr TdxTreeListOptions DefaultTreeListOptions = 55;
inline constexpr TdxTreeListOptions DefaultTreeListOptionsEx = 12350;

// A scroll bar's range, page and position.
struct TdxTreeListScrollRange {
  int Min = 0;
  int Max = 0;
  int Page = 0;
  int Pos = 0;
};

// The tree list's own screen cursors: a header dragged where it would be removed, the full-scroll
// mode's directions and the copying node drags.
enum : int {
  crdxTLRemoveHeader = -1124, crdxTLFullScroll = -1131, crdxTLHorzScroll = -1132, crdxTLVertScroll = -1133,
  crdxTLUpScroll = -1134, crdxTLRightScroll = -1135, crdxTLDownScroll = -1136, crdxTLLeftScroll = -1137,
  crdxTLDragCopy = -1138, crdxTLMultiDragCopy = -1139,
};

class TdxTreeListNode;
class TdxTreeListColumn;

// A cell about to be painted: a handler may change the text, colour, font and alignment, or paint
// the cell itself and set Done.
using TdxTLCustomDrawCell =
    std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode, TdxTreeListColumn* AColumn,
                       bool ASelected, bool AFocused, bool ANewItemRow, String& AText, TColor& AColor, TFont* AFont,
                       TAlignment& AAlignment, bool& ADone)>;
// A column header about to be painted.
using TdxTLCustomDrawHeader =
    std::function<void(TObject* Sender, TdxTreeListColumn* AColumn, TCanvas* ACanvas, TRect ARect, String& AText,
                       TColor& AColor, TFont* AFont, TAlignment& AAlignment, TdxTreeListColumnSort& ASorted,
                       bool& ADone)>;
