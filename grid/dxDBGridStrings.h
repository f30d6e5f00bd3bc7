// The data-aware grid's string table: the texts it shows or raises, by their numbers, with the
// default summary formats and date prefixes of each summary kind and place.
#pragma once

#include "grid/dxDBSummary.h"

enum : int {
  dxSDefaultFieldsMustBeOff = 38901,
  dxSGroupPanelText = 38902,
  dxSConfirmCaption = 38903,
  dxSDeleteRecordQuestion = 38904,
  dxSDeleteRecordsQuestion = 38905,
  dxSCheckValueChecked = 38906,
  dxSCheckValueUnchecked = 38907,
  // Default formats: group row, then footer, each cstSum ... cstAvg.
  dxSGroupSumFormat = 38910, dxSGroupMinFormat, dxSGroupMaxFormat, dxSGroupCountFormat, dxSGroupAvgFormat,
  dxSFooterSumFormat = 38920, dxSFooterMinFormat, dxSFooterMaxFormat, dxSFooterCountFormat, dxSFooterAvgFormat,
  // Date prefixes: group row, then footer, each cstSum ... cstAvg (counts have none).
  dxSGroupSumPrefix = 38930, dxSGroupMinPrefix, dxSGroupMaxPrefix, dxSGroupCountPrefix, dxSGroupAvgPrefix,
  dxSFooterSumPrefix = 38940, dxSFooterMinPrefix, dxSFooterMaxPrefix, dxSFooterCountPrefix, dxSFooterAvgPrefix,
  // The filter: the status panel's button, the drop-down list's first rows, the custom filter
  // dialog with its operators (in the dialog's order) and its error.
  dxSClearFilter = 38950, dxSFilterAll, dxSFilterCustom, dxSFilterBlanks, dxSFilterNonBlanks,
  dxSCustomFilterCaption = 38960, dxSCustomFilterTitle, dxSCustomFilterAnd, dxSCustomFilterOr, dxSCustomFilterOK,
  dxSCustomFilterCancel, dxSInvalidFilterValue,
  dxSOperatorEquals = 38970, dxSOperatorNotEquals, dxSOperatorGreater, dxSOperatorGreaterEqual, dxSOperatorLess,
  dxSOperatorLessEqual, dxSOperatorBlanks, dxSOperatorNonBlanks,
};

// The text of an id; an id without a text gives "".
String dxGridText(int Id);
// The ids of a summary kind's default format and date prefix at a place; Type is not cstNone.
inline int SummaryDefaultFormat(TdxSummaryType Type, TdxSummaryPlace Place) {
  return (Place == spGroupRow ? dxSGroupSumFormat : dxSFooterSumFormat) + int(Type) - 1;
}
inline int SummaryDatePrefix(TdxSummaryType Type, TdxSummaryPlace Place) {
  return (Place == spGroupRow ? dxSGroupSumPrefix : dxSFooterSumPrefix) + int(Type) - 1;
}
