// Published properties and events of the editor library's classes.
#include "editors/dxEditorClasses.h"

#include "classes/Properties.h"
#include "controls/ControlClasses.h"
#include "controls/StdControlClasses.h"
#include "controls/TextBox.h"
#include "editors/dxCalendar.h"
#include "editors/dxCheckEdit.h"
#include "editors/dxContainer.h"
#include "editors/dxDropDownEdit.h"
#include "editors/dxEditorClasses_p.h"
#include "editors/dxInplaceEdit.h"
#include "editors/dxPopup.h"

namespace {

void PublishEditStyle(TClassBuilder<TdxEditStyle>& c) {
  c.SetProperty("AssignedValues", &TdxEditStyle::AssignedValues, &TdxEditStyle::SetAssignedValues, EditStyleValueNames)
      .Stored(&TdxEditStyle::IsAssignedValuesStored);
  c.Property("BorderColor", &TdxEditStyle::BorderColor, &TdxEditStyle::SetBorderColor)
      .Stored(&TdxEditStyle::IsBorderColorStored)
      .NoDefault()
      .Idents(ColorIdents());
  c.Property("BorderStyle", &TdxEditStyle::BorderStyle, &TdxEditStyle::SetBorderStyle, EditBorderStyleNames)
      .Stored(&TdxEditStyle::IsBorderStyleStored);
  c.Property("ButtonStyle", &TdxEditStyle::ButtonStyle, &TdxEditStyle::SetButtonStyle, EditButtonViewStyleNames)
      .Stored(&TdxEditStyle::IsButtonStyleStored);
  c.Property("ButtonTransparence", &TdxEditStyle::ButtonTransparence, &TdxEditStyle::SetButtonTransparence,
             EditButtonTransparenceNames)
      .Stored(&TdxEditStyle::IsButtonTransparenceStored);
  c.SetProperty("Edges", &TdxEditStyle::Edges, &TdxEditStyle::SetEdges, EditEdgeNames).Stored(&TdxEditStyle::IsEdgesStored);
  c.Property("HotTrack", &TdxEditStyle::HotTrack, &TdxEditStyle::SetHotTrack).Stored(&TdxEditStyle::IsHotTrackStored);
  c.Property("Shadow", &TdxEditStyle::Shadow, &TdxEditStyle::SetShadow).Stored(&TdxEditStyle::IsShadowStored);
}

void PublishEditStyleController(TClassBuilder<TdxEditStyleController>& c) {
  c.Property("BorderColor", &TdxEditStyleController::BorderColor, &TdxEditStyleController::SetBorderColor)
      .Default(clWindowFrame)
      .Idents(ColorIdents());
  c.Property("BorderStyle", &TdxEditStyleController::BorderStyle, &TdxEditStyleController::SetBorderStyle,
             EditBorderStyleNames)
      .Default(xbs3D);
  c.Property("ButtonStyle", &TdxEditStyleController::ButtonStyle, &TdxEditStyleController::SetButtonStyle,
             EditButtonViewStyleNames)
      .Default(btsDefault);
  c.Property("ButtonTransparence", &TdxEditStyleController::ButtonTransparence,
             &TdxEditStyleController::SetButtonTransparence, EditButtonTransparenceNames)
      .Default(ebtNone);
  c.SetProperty("Edges", &TdxEditStyleController::Edges, &TdxEditStyleController::SetEdges, EditEdgeNames)
      .Default(AllEdges);
  c.Property("HotTrack", &TdxEditStyleController::HotTrack, &TdxEditStyleController::SetHotTrack).Default(false);
  c.Property("Shadow", &TdxEditStyleController::Shadow, &TdxEditStyleController::SetShadow).Default(false);
}

void PublishInplaceEdit(TClassBuilder<TdxInplaceEdit>& c) {
  c.Property("Height", &TdxInplaceEdit::Height, &TdxInplaceEdit::SetHeight).Stored(&TdxInplaceEdit::IsHeightStored);
  c.Property("Alignment", &TdxInplaceEdit::Alignment, &TdxInplaceEdit::SetAlignment, AlignmentNames)
      .Stored(&TdxInplaceEdit::IsAlignmentStored)
      .NoDefault();
  c.Property("AutoSize", &TdxInplaceEdit::AutoSize, &TdxInplaceEdit::SetAutoSize).Default(true);
  c.Property("ReadOnly", &TdxInplaceEdit::ReadOnly, &TdxInplaceEdit::SetReadOnly)
      .Stored(&TdxInplaceEdit::IsReadOnlyStored)
      .NoDefault();
  c.Property("Style", &TdxInplaceEdit::Style);
  c.Property("StyleController", &TdxInplaceEdit::StyleController, &TdxInplaceEdit::SetStyleController);
  c.Event("OnChange", &TdxInplaceEdit::OnChange);
  c.Event("OnMouseEnter", &TdxInplaceEdit::OnMouseEnter);
  c.Event("OnMouseLeave", &TdxInplaceEdit::OnMouseLeave);
  c.Event("OnValidate", &TdxInplaceEdit::OnValidate);
}

void PublishTextEdit(TClassBuilder<TdxInplaceTextEdit>& c) {
  c.Property("AutoSelect", &TdxInplaceTextEdit::AutoSelect, &TdxInplaceTextEdit::SetAutoSelect).Default(true);
  c.Property("CharCase", &TdxInplaceTextEdit::CharCase, &TdxInplaceTextEdit::SetCharCase, EditCharCaseNames)
      .Default(ecNormal);
  c.Property("HideSelection", &TdxInplaceTextEdit::HideSelection, &TdxInplaceTextEdit::SetHideSelection).Default(true);
  c.Property("MaxLength", &TdxInplaceTextEdit::MaxLength, &TdxInplaceTextEdit::SetMaxLength)
      .Stored(&TdxInplaceTextEdit::IsMaxLengthStored)
      .NoDefault();
  c.Property("OEMConvert", &TdxInplaceTextEdit::OEMConvert, &TdxInplaceTextEdit::SetOEMConvert).Default(false);
  c.Property("PasswordChar", &TdxInplaceTextEdit::PasswordCharText, &TdxInplaceTextEdit::SetPasswordCharText);
  c.Property("SelectionBar", &TdxInplaceTextEdit::SelectionBar, &TdxInplaceTextEdit::SetSelectionBar).Default(false);
}

void PublishMaskEdit(TClassBuilder<TdxInplaceMaskEdit>& c) {
  c.Property("EditMask", &TdxInplaceMaskEdit::EditMask, &TdxInplaceMaskEdit::SetEditMask)
      .Stored(&TdxInplaceMaskEdit::IsEditMaskStored);
  c.Property("IgnoreMaskBlank", &TdxInplaceMaskEdit::IgnoreMaskBlank, &TdxInplaceMaskEdit::SetIgnoreMaskBlank)
      .Default(false);
}

void PublishDropDownEdit(TClassBuilder<TdxInplaceDropDownEdit>& c) {
  c.Property("ButtonGlyph", &TdxInplaceDropDownEdit::ButtonGlyph).Stored(&TdxInplaceDropDownEdit::IsButtonGlyphStored);
  c.Property("DropDownRows", &TdxInplaceDropDownEdit::DropDownRows, &TdxInplaceDropDownEdit::SetDropDownRows).Default(7);
  c.Property("DropDownWidth", &TdxInplaceDropDownEdit::DropDownWidth, &TdxInplaceDropDownEdit::SetDropDownWidth)
      .Default(0);
  c.Property("ImmediateDropDown", &TdxInplaceDropDownEdit::ImmediateDropDown,
             &TdxInplaceDropDownEdit::SetImmediateDropDown)
      .Default(true);
  c.Property("PopupAlignment", &TdxInplaceDropDownEdit::PopupAlignment, &TdxInplaceDropDownEdit::SetPopupAlignment,
             AlignmentNames)
      .Default(taLeftJustify);
  c.Property("PopupBorder", &TdxInplaceDropDownEdit::PopupBorder, &TdxInplaceDropDownEdit::SetPopupBorder,
             PopupBorderNames)
      .Default(pbDefault);
  c.Event("OnCloseUp", &TdxInplaceDropDownEdit::OnCloseUp);
  c.Event("OnDropDown", &TdxInplaceDropDownEdit::OnDropDown);
  c.Event("OnEditButtonClick", &TdxInplaceDropDownEdit::OnEditButtonClick);
}

void PublishCheckEdit(TClassBuilder<TdxInplaceCheckEdit>& c) {
  c.Property("AllowGrayed", &TdxInplaceCheckEdit::AllowGrayed, &TdxInplaceCheckEdit::SetAllowGrayed).Default(false);
  c.Property("Glyph", &TdxInplaceCheckEdit::Glyph).Stored(&TdxInplaceCheckEdit::IsGlyphStored);
  c.Property("GlyphCount", &TdxInplaceCheckEdit::GlyphCount, &TdxInplaceCheckEdit::SetGlyphCount).Default(6);
  c.Property("ShowNullFieldStyle", &TdxInplaceCheckEdit::ShowNullFieldStyle,
             &TdxInplaceCheckEdit::SetShowNullFieldStyle, ShowNullFieldStyleNames)
      .Default(nsGrayedChecked);
  c.Property("State", &TdxInplaceCheckEdit::StateValue, &TdxInplaceCheckEdit::SetStateValue).Default(0);
}

}  // namespace

void RegisterEditorsClasses() {
  RegisterControlsClasses();
  RegisterClass<TdxEditStyle, TPersistent>("TdxEditStyle", PublishEditStyle);
  RegisterClass<TdxCheckEditStyle, TdxEditStyle>("TdxCheckEditStyle");
  RegisterClass<TdxStyleController, TComponent>("TdxStyleController", [](TClassBuilder<TdxStyleController>& c) {
    c.Event("OnStyleChanged", &TdxStyleController::OnStyleChanged);
  });
  RegisterClass<TdxEditStyleController, TdxStyleController>("TdxEditStyleController", PublishEditStyleController);
  RegisterClass<TdxCheckEditStyleController, TdxEditStyleController>("TdxCheckEditStyleController");
  RegisterClass<TCustomdxContainer, TCustomControl>("TCustomdxContainer");
  RegisterClass<TdxInplaceEdit, TWinControl>("TdxInplaceEdit", PublishInplaceEdit);
  RegisterClass<TdxInplaceTextEdit, TdxInplaceEdit>("TdxInplaceTextEdit", PublishTextEdit);
  RegisterClass<TdxInplaceMaskEdit, TdxInplaceTextEdit>("TdxInplaceMaskEdit", PublishMaskEdit);
  RegisterClass<TdxInplaceDropDownEdit, TdxInplaceMaskEdit>("TdxInplaceDropDownEdit", PublishDropDownEdit);
  RegisterClass<TdxInplaceCheckEdit, TdxInplaceEdit>("TdxInplaceCheckEdit", PublishCheckEdit);
  RegisterClass<TdxInplacePopupControl, TCustomControl>("TdxInplacePopupControl");
  RegisterClass<TCustomdxCalendar, TdxInplacePopupControl>("TCustomdxCalendar", [](TClassBuilder<TCustomdxCalendar>& c) {
    c.Event("OnDateSelected", &TCustomdxCalendar::OnDateSelected);
  });
  RegisterClass<TdxGridDatePopup, TCustomdxCalendar>("TdxGridDatePopup", [](TClassBuilder<TdxGridDatePopup>& c) {
    c.Property("ShowToday", &TdxGridDatePopup::ShowToday, &TdxGridDatePopup::SetShowToday).Default(true);
    c.Property("ShowClear", &TdxGridDatePopup::ShowClear, &TdxGridDatePopup::SetShowClear).Default(false);
  });
  RegisterClass<TAMonthListBox, TCustomControl>("TAMonthListBox");
  RegisterClass<TdxContainerHintWindow, TCustomControl>("TdxContainerHintWindow");
  RegisterValueEditorClasses();
  RegisterSpinAndPictureEditorClasses();
}
