// Published properties and events of the spin, time, calculator, graphic and blob editors, the
// calculator, the picture toolbar's settings and the blob popup.
#include "classes/Properties.h"
#include "editors/dxEditorClasses_p.h"
#include "editors/dxTimeEdit.h"

namespace {

void PublishSpinEdit(TClassBuilder<TdxInplaceSpinEdit>& c) {
  c.Property("EditorEnabled", &TdxInplaceSpinEdit::EditorEnabled, &TdxInplaceSpinEdit::SetEditorEnabled).Default(true);
  c.Property("Increment", &TdxInplaceSpinEdit::Increment, &TdxInplaceSpinEdit::SetIncrement).Default(1.0);
  c.Property("MaxValue", &TdxInplaceSpinEdit::MaxValue, &TdxInplaceSpinEdit::SetMaxValue)
      .Stored(&TdxInplaceSpinEdit::IsMaxValueStored)
      .NoDefault();
  c.Property("MinValue", &TdxInplaceSpinEdit::MinValue, &TdxInplaceSpinEdit::SetMinValue)
      .Stored(&TdxInplaceSpinEdit::IsMinValueStored)
      .NoDefault();
  c.Property("UseCtrlIncrement", &TdxInplaceSpinEdit::UseCtrlIncrement, &TdxInplaceSpinEdit::SetUseCtrlIncrement)
      .Default(false);
  c.Property("ValueType", &TdxInplaceSpinEdit::ValueType, &TdxInplaceSpinEdit::SetValueType, SpinValueTypeNames)
      .Stored(&TdxInplaceSpinEdit::IsValueTypeStored);
}

void PublishTimeEdit(TClassBuilder<TdxInplaceTimeEdit>& c) {
  c.Property("TimeEditFormat", &TdxInplaceTimeEdit::TimeEditFormat, &TdxInplaceTimeEdit::SetTimeEditFormat,
             TimeEditFormatNames)
      .Default(tfHourMinSec);
}

}  // namespace

void RegisterSpinAndPictureEditorClasses() {
  RegisterClass<TdxInplaceSpinEdit, TdxInplaceMaskEdit>("TdxInplaceSpinEdit", PublishSpinEdit);
  RegisterClass<TdxInplaceTimeEdit, TdxInplaceSpinEdit>("TdxInplaceTimeEdit", PublishTimeEdit);
}
