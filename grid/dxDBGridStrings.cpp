// The data-aware grid's string table.
#include "grid/dxDBGridStrings.h"

#include <map>

namespace {

const std::map<int, String>& Table() {
  static const std::map<int, String> table = {
      {dxSDefaultFieldsMustBeOff, "DefaultFields property should be set to False"},
      {dxSGroupPanelText, "Drag a column header here to group by that column"},
      {dxSConfirmCaption, "Confirm"},
      {dxSDeleteRecordQuestion, "Delete record?"},
      {dxSDeleteRecordsQuestion, "Delete all selected records?"},
      {dxSCheckValueChecked, "True"},
      {dxSCheckValueUnchecked, "False"},
      {dxSGroupSumFormat, "(SUM=0.00);(SUM=-0.00)"},
      {dxSGroupMinFormat, "(MIN=0.00);(MIN=-0.00)"},
      {dxSGroupMaxFormat, "(MAX=0.00);(MAX=-0.00)"},
      {dxSGroupCountFormat, "(COUNT=0)"},
      {dxSGroupAvgFormat, "(AVG=0.00);(AVG=-0.00)"},
      {dxSFooterSumFormat, "0.00;-0.00"},
      {dxSFooterMinFormat, "MIN=0.00;MIN=-0.00"},
      {dxSFooterMaxFormat, "MAX=0.00;MAX=-0.00"},
      {dxSFooterCountFormat, "0"},
      {dxSFooterAvgFormat, "AVG=0.00;AVG=-0.00"},
      {dxSGroupSumPrefix, "(SUM="},
      {dxSGroupMinPrefix, "(MIN="},
      {dxSGroupMaxPrefix, "(MAX="},
      {dxSGroupAvgPrefix, "(AVG="},
      {dxSFooterMinPrefix, "MIN="},
      {dxSFooterMaxPrefix, "MAX="},
      {dxSFooterAvgPrefix, "AVG="},
      {dxSClearFilter, "Clear Filter"},
      {dxSFilterAll, "(All)"},
      {dxSFilterCustom, "(Custom...)"},
      {dxSFilterBlanks, "(Blanks)"},
      {dxSFilterNonBlanks, "(NonBlanks)"},
      {dxSCustomFilterCaption, "Custom AutoFilter"},
      {dxSCustomFilterTitle, "Show rows where:"},
      {dxSCustomFilterAnd, "&And"},
      {dxSCustomFilterOr, "&Or"},
      {dxSCustomFilterOK, "OK"},
      {dxSCustomFilterCancel, "Cancel"},
      {dxSInvalidFilterValue, "Invalid value"},
      {dxSOperatorEquals, "equals"},
      {dxSOperatorNotEquals, "does not equal"},
      {dxSOperatorGreater, "is greater than"},
      {dxSOperatorGreaterEqual, "is greater than or equal to"},
      {dxSOperatorLess, "is less than"},
      {dxSOperatorLessEqual, "is less than or equal to"},
      {dxSOperatorBlanks, "blanks"},
      {dxSOperatorNonBlanks, "non blanks"},
  };
  return table;
}

}  // namespace

String dxGridText(int Id) {
  const auto found = Table().find(Id);
  return found == Table().end() ? String() : found->second;
}
