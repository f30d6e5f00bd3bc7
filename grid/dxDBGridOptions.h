// The grid's option sets: the older pair Options and OptionsEx (32 switches each, not stored) and
// the newer four the layouts store (OptionsBehavior, OptionsCustomize, OptionsDB, OptionsView),
// as bit masks, with the table that pairs every newer switch with its older partner and with the
// tree list's flag of the same name. Bit i of a set is the i-th name of its names list.
#pragma once

#include <cstdint>
#include <span>

using TdxDBGridOptions = uint32_t;
enum : TdxDBGridOptions {
  egoColumnSizing = 1u << 0, egoColumnMoving = 1u << 1, egoEditing = 1u << 2, egoTabs = 1u << 3,
  egoTabThrough = 1u << 4, egoRowSelect = 1u << 5, egoMultiSelect = 1u << 6, egoCanDelete = 1u << 7,
  egoConfirmDelete = 1u << 8, egoCanNavigation = 1u << 9, egoCanAppend = 1u << 10, egoCancelOnExit = 1u << 11,
  egoImmediateEditor = 1u << 12, egoCanInsert = 1u << 13, egoLoadAllRecords = 1u << 14, egoPreview = 1u << 15,
  egoDrawEndEllipsis = 1u << 16, egoStoreToRegistry = 1u << 17, egoAutoWidth = 1u << 18, egoShowHourGlass = 1u << 19,
  egoCaseInsensitive = 1u << 20, egoDblClick = 1u << 21, egoIndicator = 1u << 22, egoExtMultiSelect = 1u << 23,
  egoResetColumnFocus = 1u << 24, egoExtCustomizing = 1u << 25, egoHideFocusRect = 1u << 26,
  egoStoreToIniFile = 1u << 27, egoUseLocate = 1u << 28, egoSmartReload = 1u << 29, egoSmartRefresh = 1u << 30,
  egoSeekDetail = 1u << 31,
};

using TdxDBGridOptionsEx = uint32_t;
enum : TdxDBGridOptionsEx {
  egoInvertSelect = 1u << 0, egoUseBitmap = 1u << 1, egoBandHeaderWidth = 1u << 2, egoAutoCalcPreviewLines = 1u << 3,
  egoBandSizing = 1u << 4, egoBandMoving = 1u << 5, egoHorzThrough = 1u << 6, egoVertThrough = 1u << 7,
  egoCellMultiSelect = 1u << 8, egoEnterThrough = 1u << 9, egoEnterShowEditor = 1u << 10, egoFullSizing = 1u << 11,
  egoDragScroll = 1u << 12, egoDragExpand = 1u << 13, egoDragCollapse = 1u << 14, egoRowAutoHeight = 1u << 15,
  egoBandButtonClicking = 1u << 16, egoBandPanelSizing = 1u << 17, egoHeaderButtonClicking = 1u << 18,
  egoHeaderPanelSizing = 1u << 19, egoRowSizing = 1u << 20, egoAutoSort = 1u << 21, egoNotHideColumn = 1u << 22,
  egoMultiSort = 1u << 23, egoShowButtonAlways = 1u << 24, egoAutoHeaderPanelHeight = 1u << 25,
  egoKeepColumnWidth = 1u << 26, egoSyncSelection = 1u << 27, egoCollapsedReload = 1u << 28, egoAnsiSort = 1u << 29,
  egoMouseScroll = 1u << 30, egoAutoSearch = 1u << 31,
};

using TdxDBGridOptionsBehavior = uint32_t;
enum : TdxDBGridOptionsBehavior {
  edgoAnsiSort = 1u << 0, edgoAutoCopySelectedToClipboard = 1u << 1, edgoAutoSearch = 1u << 2, edgoAutoSort = 1u << 3,
  edgoBandButtonClicking = 1u << 4, edgoCaseInsensitive = 1u << 5, edgoCellMultiSelect = 1u << 6,
  edgoCollapsedReload = 1u << 7, edgoDblClick = 1u << 8, edgoDragCollapse = 1u << 9, edgoDragExpand = 1u << 10,
  edgoDragScroll = 1u << 11, edgoEditing = 1u << 12, edgoEnterShowEditor = 1u << 13, edgoEnterThrough = 1u << 14,
  edgoExtMultiSelect = 1u << 15, edgoHeaderButtonClicking = 1u << 16, edgoHorzThrough = 1u << 17,
  edgoImmediateEditor = 1u << 18, edgoMouseScroll = 1u << 19, edgoMultiSelect = 1u << 20, edgoMultiSort = 1u << 21,
  edgoSeekDetail = 1u << 22, edgoShowHourGlass = 1u << 23, edgoStoreToIniFile = 1u << 24,
  edgoStoreToRegistry = 1u << 25, edgoTabs = 1u << 26, edgoTabThrough = 1u << 27, edgoVertThrough = 1u << 28,
};

using TdxDBGridOptionsCustomize = uint16_t;
enum : TdxDBGridOptionsCustomize {
  edgoBandMoving = 1u << 0, edgoBandPanelSizing = 1u << 1, edgoBandSizing = 1u << 2, edgoColumnMoving = 1u << 3,
  edgoColumnSizing = 1u << 4, edgoExtCustomizing = 1u << 5, edgoFullSizing = 1u << 6, edgoHeaderPanelSizing = 1u << 7,
  edgoKeepColumnWidth = 1u << 8, edgoNotHideColumn = 1u << 9, edgoRowSizing = 1u << 10,
};

using TdxDBGridOptionsDB = uint16_t;
enum : TdxDBGridOptionsDB {
  edgoCanAppend = 1u << 0, edgoCancelOnExit = 1u << 1, edgoCanDelete = 1u << 2, edgoCanInsert = 1u << 3,
  edgoCanNavigation = 1u << 4, edgoConfirmDelete = 1u << 5, edgoLoadAllRecords = 1u << 6, edgoPartialLoad = 1u << 7,
  edgoResetColumnFocus = 1u << 8, edgoSmartRefresh = 1u << 9, edgoSmartReload = 1u << 10,
  edgoSyncSelection = 1u << 11, edgoUseBookmarks = 1u << 12, edgoUseLocate = 1u << 13,
};

using TdxDBGridOptionsView = uint16_t;
enum : TdxDBGridOptionsView {
  edgoAutoCalcPreviewLines = 1u << 0, edgoAutoHeaderPanelHeight = 1u << 1, edgoAutoWidth = 1u << 2,
  edgoBandHeaderWidth = 1u << 3, edgoDrawEndEllipsis = 1u << 4, edgoHideFocusRect = 1u << 5, edgoHotTrack = 1u << 6,
  edgoIndicator = 1u << 7, edgoInvertSelect = 1u << 8, edgoPreview = 1u << 9, edgoRowAutoHeight = 1u << 10,
  edgoRowSelect = 1u << 11, edgoShowButtonAlways = 1u << 12, edgoUseBitmap = 1u << 13,
};

inline constexpr TdxDBGridOptionsBehavior DefaultOptionsBehavior = edgoAutoSort | edgoDragScroll | edgoEditing |
                                                                   edgoEnterShowEditor | edgoImmediateEditor |
                                                                   edgoTabThrough | edgoVertThrough;
inline constexpr TdxDBGridOptionsCustomize DefaultOptionsCustomize =
    edgoBandMoving | edgoBandSizing | edgoColumnMoving | edgoColumnSizing;
inline constexpr TdxDBGridOptionsDB DefaultOptionsDB =
    edgoCancelOnExit | edgoCanDelete | edgoCanInsert | edgoCanNavigation | edgoConfirmDelete | edgoUseBookmarks;
inline constexpr TdxDBGridOptionsView DefaultOptionsView = edgoBandHeaderWidth | edgoUseBitmap;

// The names of each set's switches, bit 0 first, for stored layouts.
extern const char* const DBGridOptionNames[32];
extern const char* const DBGridOptionExNames[32];
extern const char* const DBGridOptionBehaviorNames[29];
extern const char* const DBGridOptionCustomizeNames[11];
extern const char* const DBGridOptionDBNames[14];
extern const char* const DBGridOptionViewNames[14];

// The six sets, in the order the mirroring applies the newer four.
enum TdxDBGridOptionSet { gosBehavior, gosCustomize, gosDB, gosView, gosOptions, gosOptionsEx, gosNone };
// The tree list's two option sets.
enum TdxTreeListOptionSet { tosOptions, tosOptionsEx, tosNone };

// One newer switch: its older partner (gosNone when it has none) and the tree list's flag of the
// same name (tosNone when there is none).
struct TdxDBGridOptionLink {
  TdxDBGridOptionSet Set;
  uint32_t Mask;
  TdxDBGridOptionSet OlderSet;
  uint32_t OlderMask;
  TdxTreeListOptionSet TreeListSet;
  uint32_t TreeListMask;
};
// Every newer switch of the four sets.
std::span<const TdxDBGridOptionLink> DBGridOptionLinks();
