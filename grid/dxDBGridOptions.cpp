// The grid's six option sets kept in step: a newer set passes its switches on to the tree list's
// two sets and mirrors them into the older pair; an older set is turned into the four newer ones.
// The exclusions between switches and the setters' side effects (reloads, sorting, selection).
#include "grid/dxDBGrid.h"

const char* const DBGridOptionNames[32] = {
    "egoColumnSizing", "egoColumnMoving", "egoEditing", "egoTabs", "egoTabThrough", "egoRowSelect",
    "egoMultiSelect", "egoCanDelete", "egoConfirmDelete", "egoCanNavigation", "egoCanAppend", "egoCancelOnExit",
    "egoImmediateEditor", "egoCanInsert", "egoLoadAllRecords", "egoPreview", "egoDrawEndEllipsis",
    "egoStoreToRegistry", "egoAutoWidth", "egoShowHourGlass", "egoCaseInsensitive", "egoDblClick", "egoIndicator",
    "egoExtMultiSelect", "egoResetColumnFocus", "egoExtCustomizing", "egoHideFocusRect", "egoStoreToIniFile",
    "egoUseLocate", "egoSmartReload", "egoSmartRefresh", "egoSeekDetail"};
const char* const DBGridOptionExNames[32] = {
    "egoInvertSelect", "egoUseBitmap", "egoBandHeaderWidth", "egoAutoCalcPreviewLines", "egoBandSizing",
    "egoBandMoving", "egoHorzThrough", "egoVertThrough", "egoCellMultiSelect", "egoEnterThrough",
    "egoEnterShowEditor", "egoFullSizing", "egoDragScroll", "egoDragExpand", "egoDragCollapse", "egoRowAutoHeight",
    "egoBandButtonClicking", "egoBandPanelSizing", "egoHeaderButtonClicking", "egoHeaderPanelSizing", "egoRowSizing",
    "egoAutoSort", "egoNotHideColumn", "egoMultiSort", "egoShowButtonAlways", "egoAutoHeaderPanelHeight",
    "egoKeepColumnWidth", "egoSyncSelection", "egoCollapsedReload", "egoAnsiSort", "egoMouseScroll", "egoAutoSearch"};
const char* const DBGridOptionBehaviorNames[29] = {
    "edgoAnsiSort", "edgoAutoCopySelectedToClipboard", "edgoAutoSearch", "edgoAutoSort", "edgoBandButtonClicking",
    "edgoCaseInsensitive", "edgoCellMultiSelect", "edgoCollapsedReload", "edgoDblClick", "edgoDragCollapse",
    "edgoDragExpand", "edgoDragScroll", "edgoEditing", "edgoEnterShowEditor", "edgoEnterThrough",
    "edgoExtMultiSelect", "edgoHeaderButtonClicking", "edgoHorzThrough", "edgoImmediateEditor", "edgoMouseScroll",
    "edgoMultiSelect", "edgoMultiSort", "edgoSeekDetail", "edgoShowHourGlass", "edgoStoreToIniFile",
    "edgoStoreToRegistry", "edgoTabs", "edgoTabThrough", "edgoVertThrough"};
const char* const DBGridOptionCustomizeNames[11] = {
    "edgoBandMoving", "edgoBandPanelSizing", "edgoBandSizing", "edgoColumnMoving", "edgoColumnSizing",
    "edgoExtCustomizing", "edgoFullSizing", "edgoHeaderPanelSizing", "edgoKeepColumnWidth", "edgoNotHideColumn",
    "edgoRowSizing"};
const char* const DBGridOptionDBNames[14] = {
    "edgoCanAppend", "edgoCancelOnExit", "edgoCanDelete", "edgoCanInsert", "edgoCanNavigation", "edgoConfirmDelete",
    "edgoLoadAllRecords", "edgoPartialLoad", "edgoResetColumnFocus", "edgoSmartRefresh", "edgoSmartReload",
    "edgoSyncSelection", "edgoUseBookmarks", "edgoUseLocate"};
const char* const DBGridOptionViewNames[14] = {
    "edgoAutoCalcPreviewLines", "edgoAutoHeaderPanelHeight", "edgoAutoWidth", "edgoBandHeaderWidth",
    "edgoDrawEndEllipsis", "edgoHideFocusRect", "edgoHotTrack", "edgoIndicator", "edgoInvertSelect", "edgoPreview",
    "edgoRowAutoHeight", "edgoRowSelect", "edgoShowButtonAlways", "edgoUseBitmap"};

namespace {

// One switch of the newer set S: its older partner and its tree-list flag.
template <TdxDBGridOptionSet S>
constexpr TdxDBGridOptionLink L(uint32_t Mask, TdxDBGridOptionSet Older, uint32_t OlderMask, TdxTreeListOptionSet Tl,
                                uint32_t TlMask) {
  return {S, Mask, Older, OlderMask, Tl, TlMask};
}
constexpr auto B = L<gosBehavior>;
constexpr auto C = L<gosCustomize>;
constexpr auto V = L<gosView>;
// The database switches have no tree-list flag.
constexpr TdxDBGridOptionLink D(uint32_t Mask, TdxDBGridOptionSet Older, uint32_t OlderMask) {
  return L<gosDB>(Mask, Older, OlderMask, tosNone, 0);
}

constexpr TdxDBGridOptionLink Links[] = {
    B(edgoAnsiSort, gosOptionsEx, egoAnsiSort, tosOptionsEx, tlxAnsiSort),
    B(edgoAutoCopySelectedToClipboard, gosNone, 0, tosOptionsEx, tlxAutoCopySelectedToClipboard),
    B(edgoAutoSearch, gosOptionsEx, egoAutoSearch, tosOptionsEx, tlxAutoSearch),
    B(edgoAutoSort, gosOptionsEx, egoAutoSort, tosOptions, tloAutoSort),
    B(edgoBandButtonClicking, gosOptionsEx, egoBandButtonClicking, tosOptionsEx, tlxBandButtonClicking),
    B(edgoCaseInsensitive, gosOptions, egoCaseInsensitive, tosOptions, tloCaseInsensitive),
    B(edgoCellMultiSelect, gosOptionsEx, egoCellMultiSelect, tosOptionsEx, tlxCellMultiSelect),
    B(edgoCollapsedReload, gosOptionsEx, egoCollapsedReload, tosNone, 0),
    B(edgoDblClick, gosOptions, egoDblClick, tosNone, 0),
    B(edgoDragCollapse, gosOptionsEx, egoDragCollapse, tosOptionsEx, tlxDragCollapse),
    B(edgoDragExpand, gosOptionsEx, egoDragExpand, tosOptionsEx, tlxDragExpand),
    B(edgoDragScroll, gosOptionsEx, egoDragScroll, tosOptionsEx, tlxDragScroll),
    B(edgoEditing, gosOptions, egoEditing, tosOptions, tloEditing),
    B(edgoEnterShowEditor, gosOptionsEx, egoEnterShowEditor, tosOptionsEx, tlxEnterShowEditor),
    B(edgoEnterThrough, gosOptionsEx, egoEnterThrough, tosOptionsEx, tlxEnterThrough),
    B(edgoExtMultiSelect, gosOptions, egoExtMultiSelect, tosOptions, tloExtMultiSelect),
    B(edgoHeaderButtonClicking, gosOptionsEx, egoHeaderButtonClicking, tosOptionsEx, tlxHeaderButtonClicking),
    B(edgoHorzThrough, gosOptionsEx, egoHorzThrough, tosOptionsEx, tlxHorzThrough),
    B(edgoImmediateEditor, gosOptions, egoImmediateEditor, tosOptions, tloImmediateEditor),
    B(edgoMouseScroll, gosOptionsEx, egoMouseScroll, tosOptionsEx, tlxMouseScroll),
    B(edgoMultiSelect, gosOptions, egoMultiSelect, tosOptions, tloMultiSelect),
    B(edgoMultiSort, gosOptionsEx, egoMultiSort, tosOptionsEx, tlxMultiSort),
    B(edgoSeekDetail, gosOptions, egoSeekDetail, tosNone, 0),
    B(edgoShowHourGlass, gosOptions, egoShowHourGlass, tosOptionsEx, tlxShowHourGlass),
    B(edgoStoreToIniFile, gosOptions, egoStoreToIniFile, tosOptions, tloStoreToIniFile),
    B(edgoStoreToRegistry, gosOptions, egoStoreToRegistry, tosOptions, tloStoreToRegistry),
    B(edgoTabs, gosOptions, egoTabs, tosOptions, tloTabs),
    B(edgoTabThrough, gosOptions, egoTabThrough, tosOptions, tloTabThrough),
    B(edgoVertThrough, gosOptionsEx, egoVertThrough, tosOptionsEx, tlxVertThrough),
    C(edgoBandMoving, gosOptionsEx, egoBandMoving, tosOptionsEx, tlxBandMoving),
    C(edgoBandPanelSizing, gosOptionsEx, egoBandPanelSizing, tosOptionsEx, tlxBandPanelSizing),
    C(edgoBandSizing, gosOptionsEx, egoBandSizing, tosOptionsEx, tlxBandSizing),
    C(edgoColumnMoving, gosOptions, egoColumnMoving, tosOptions, tloColumnMoving),
    C(edgoColumnSizing, gosOptions, egoColumnSizing, tosOptions, tloColumnSizing),
    C(edgoExtCustomizing, gosOptions, egoExtCustomizing, tosOptions, tloExtCustomizing),
    C(edgoFullSizing, gosOptionsEx, egoFullSizing, tosOptionsEx, tlxFullSizing),
    C(edgoHeaderPanelSizing, gosOptionsEx, egoHeaderPanelSizing, tosOptionsEx, tlxHeaderPanelSizing),
    C(edgoKeepColumnWidth, gosOptionsEx, egoKeepColumnWidth, tosOptionsEx, tlxKeepColumnWidth),
    C(edgoNotHideColumn, gosOptionsEx, egoNotHideColumn, tosNone, 0),
    C(edgoRowSizing, gosOptionsEx, egoRowSizing, tosOptionsEx, tlxRowSizing),
    D(edgoCanAppend, gosOptions, egoCanAppend),
    D(edgoCancelOnExit, gosOptions, egoCancelOnExit),
    D(edgoCanDelete, gosOptions, egoCanDelete),
    D(edgoCanInsert, gosOptions, egoCanInsert),
    D(edgoCanNavigation, gosOptions, egoCanNavigation),
    D(edgoConfirmDelete, gosOptions, egoConfirmDelete),
    D(edgoLoadAllRecords, gosOptions, egoLoadAllRecords),
    D(edgoPartialLoad, gosNone, 0),
    D(edgoResetColumnFocus, gosOptions, egoResetColumnFocus),
    D(edgoSmartRefresh, gosOptions, egoSmartRefresh),
    D(edgoSmartReload, gosOptions, egoSmartReload),
    D(edgoSyncSelection, gosOptionsEx, egoSyncSelection),
    D(edgoUseBookmarks, gosNone, 0),
    D(edgoUseLocate, gosOptions, egoUseLocate),
    V(edgoAutoCalcPreviewLines, gosOptionsEx, egoAutoCalcPreviewLines, tosOptionsEx, tlxAutoCalcPreviewLines),
    V(edgoAutoHeaderPanelHeight, gosOptionsEx, egoAutoHeaderPanelHeight, tosOptionsEx, tlxAutoHeaderPanelHeight),
    V(edgoAutoWidth, gosOptions, egoAutoWidth, tosOptions, tloAutoWidth),
    V(edgoBandHeaderWidth, gosOptionsEx, egoBandHeaderWidth, tosOptionsEx, tlxBandHeaderWidth),
    V(edgoDrawEndEllipsis, gosOptions, egoDrawEndEllipsis, tosOptions, tloDrawEndEllipsis),
    V(edgoHideFocusRect, gosOptions, egoHideFocusRect, tosOptions, tloHideFocusRect),
    V(edgoHotTrack, gosNone, 0, tosOptionsEx, tlxHotTrack),
    V(edgoIndicator, gosOptions, egoIndicator, tosNone, 0),
    V(edgoInvertSelect, gosOptionsEx, egoInvertSelect, tosOptionsEx, tlxInvertSelect),
    V(edgoPreview, gosOptions, egoPreview, tosOptions, tloPreview),
    V(edgoRowAutoHeight, gosOptionsEx, egoRowAutoHeight, tosOptionsEx, tlxRowAutoHeight),
    V(edgoRowSelect, gosOptions, egoRowSelect, tosOptions, tloRowSelect),
    V(edgoShowButtonAlways, gosOptionsEx, egoShowButtonAlways, tosOptionsEx, tlxShowButtonAlways),
    V(edgoUseBitmap, gosOptionsEx, egoUseBitmap, tosOptionsEx, tlxUseBitmap),
};

uint32_t WithMask(uint32_t Set, uint32_t Mask, bool On) { return On ? Set | Mask : Set & ~Mask; }

}  // namespace

std::span<const TdxDBGridOptionLink> DBGridOptionLinks() { return Links; }

uint32_t& TCustomdxDBGrid::NewerSet(TdxDBGridOptionSet Set) {
  switch (Set) {
    case gosBehavior:
      return FOptionsBehavior;
    case gosCustomize:
      return FOptionsCustomize;
    case gosDB:
      return FOptionsDB;
    default:
      return FOptionsView;
  }
}

// --- the older pair ---------------------------------------------------------------------------------

void TCustomdxDBGrid::SetOptions(TdxDBGridOptions Value) { ApplyOlderOptions(gosOptions, Value); }

void TCustomdxDBGrid::SetOptionsEx(TdxDBGridOptionsEx Value) { ApplyOlderOptions(gosOptionsEx, Value); }

void TCustomdxDBGrid::ApplyOlderOptions(TdxDBGridOptionSet Set, uint32_t Value) {
  uint32_t newer[4] = {FOptionsBehavior, FOptionsCustomize, FOptionsDB, FOptionsView};
  for (const TdxDBGridOptionLink& link : Links)
    if (link.OlderSet == Set) newer[link.Set] = WithMask(newer[link.Set], link.Mask, Value & link.OlderMask);
  InsideUpdate([&] {
    SetOptionsBehavior(newer[gosBehavior]);
    SetOptionsCustomize(TdxDBGridOptionsCustomize(newer[gosCustomize]));
    SetOptionsDB(TdxDBGridOptionsDB(newer[gosDB]));
    SetOptionsView(TdxDBGridOptionsView(newer[gosView]));
  });
}

void TCustomdxDBGrid::MirrorToOlder(TdxDBGridOptionSet Set, uint32_t Value) {
  for (const TdxDBGridOptionLink& link : Links) {
    if (link.Set != Set || link.OlderSet == gosNone) continue;
    uint32_t& older = link.OlderSet == gosOptions ? FOptions : FOptionsEx;
    older = WithMask(older, link.OlderMask, Value & link.Mask);
  }
}

// --- the newer four ---------------------------------------------------------------------------------

void TCustomdxDBGrid::SetOptionsBehavior(TdxDBGridOptionsBehavior Value) { ApplyNewerOptions(gosBehavior, Value); }

void TCustomdxDBGrid::SetOptionsCustomize(TdxDBGridOptionsCustomize Value) { ApplyNewerOptions(gosCustomize, Value); }

void TCustomdxDBGrid::SetOptionsDB(TdxDBGridOptionsDB Value) {
  if (Value & edgoLoadAllRecords) Value &= TdxDBGridOptionsDB(~edgoPartialLoad);
  ApplyNewerOptions(gosDB, Value);
}

void TCustomdxDBGrid::SetOptionsView(TdxDBGridOptionsView Value) {
  if (Value & edgoInvertSelect) Value &= TdxDBGridOptionsView(~edgoRowSelect);
  ApplyNewerOptions(gosView, Value);
}

void TCustomdxDBGrid::ApplyNewerOptions(TdxDBGridOptionSet Set, uint32_t Value) {
  uint32_t& stored = NewerSet(Set);
  if (Value == stored) return;
  const uint32_t old = stored;
  InsideUpdate([&] {
    if (Set == gosBehavior && ((old ^ Value) & (edgoAutoSort | edgoMultiSort))) ClearSortedColumns();
    TdxTreeListOptions options = GetOptions(), optionsEx = GetOptionsEx();
    for (const TdxDBGridOptionLink& link : Links) {
      if (link.Set != Set || link.TreeListSet == tosNone) continue;
      TdxTreeListOptions& target = link.TreeListSet == tosOptions ? options : optionsEx;
      target = WithMask(target, link.TreeListMask, Value & link.Mask);
    }
    TCustomdxTreeList::SetOptions(options);
    TCustomdxTreeList::SetOptionsEx(optionsEx);
    stored = Value;
    MirrorToOlder(Set, Value);
    if (Set == gosView) SetShowIndicator(Value & edgoIndicator);
    if (Set == gosDB) OptionsDBChanged(TdxDBGridOptionsDB(old));
  });
}

void TCustomdxDBGrid::OptionsDBChanged(TdxDBGridOptionsDB Old) {
  const uint32_t changed = Old ^ FOptionsDB;
  if ((changed & edgoPartialLoad) && InCursorMode()) {
    if ((FOptionsDB & edgoPartialLoad) && FDefaultFields) SetDefaultFields(false);
    FirstRecordLoaded = LastRecordLoaded = false;
    ActiveChanged(FDataLink->Active());
  }
  if ((FOptionsDB & edgoUseBookmarks) && !(Old & edgoUseBookmarks)) ClearSelection();
  if ((FOptionsDB & edgoLoadAllRecords) && FDefaultFields) SetDefaultFields(false);
  if ((changed & edgoLoadAllRecords) && FGroupColumns.empty()) {
    if (InCursorMode()) ClearCursorModeSorting();
    SuspendGrouping();
    FilterChanged();
    ResumeGrouping();
    return;
  }
  if (changed & edgoCanNavigation) RefreshGrouping();
}
