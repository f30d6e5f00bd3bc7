// Published properties of the filter's classes: the grid's Filter with its switches (the criteria
// are its stored binary value), the header's drop-down list and the dialog's operator list.
#include "classes/Properties.h"
#include "grid/dxDBGridClasses.h"
#include "grid/dxDBGridFilter.h"
#include "grid/dxDBGridFilterPopup.h"
#include "grid/dxGrFDlg.h"

namespace {

void PublishFilter(TClassBuilder<TdxDBGridFilter>& c) {
  using C = TdxDBGridFilter;
  c.Property("Active", &C::Active, &C::SetActive).Default(false);
  c.Property("AutoDataSetFilter", &C::AutoDataSetFilter, &C::SetAutoDataSetFilter).Default(false);
  c.Property("CaseInsensitive", &C::CaseInsensitive, &C::SetCaseInsensitive).Default(false);
  c.Property("DropDownCount", &C::DropDownCount, &C::SetDropDownCount).Default(12);
  c.Property("DropDownWidth", &C::DropDownWidth, &C::SetDropDownWidth).Default(0);
  c.Property("FilterStatus", &C::FilterStatus, &C::SetFilterStatus, DBGridFilterStatusNames).Default(fsAuto);
  c.Property("MaxDropDownCount", &C::MaxDropDownCount, &C::SetMaxDropDownCount).Default(1000);
}

}  // namespace

void RegisterGridFilterClasses() {
  RegisterClass<TdxDBGridFilter, TPersistent>("TdxDBGridFilter", PublishFilter);
  RegisterClass<TFilterWrapper, TComponent>("TFilterWrapper", [](TClassBuilder<TFilterWrapper>& c) {
    c.Property("Filter", &TFilterWrapper::Filter);
  });
  RegisterClass<TdxDBGridFilterPopupListBox, TCustomdxPopupPickListBox>("TdxDBGridFilterPopupListBox");
  RegisterClass<TdxFilterDialogComboEdit, TdxInplaceImageEdit>("TdxFilterDialogComboEdit");
}
