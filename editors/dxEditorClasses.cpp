// Published properties and events of the editor library's classes.
#include "editors/dxEditorClasses.h"

#include "classes/Properties.h"
#include "controls/ControlClasses.h"
#include "controls/TextBox.h"
#include "editors/dxContainer.h"
#include "editors/dxInplaceEdit.h"
#include "editors/dxPopup.h"

namespace {

void PublishEditStyle(TClassBuilder<TdxEditStyle>& c) {
  c.SetProperty("AssignedValues", &TdxEditStyle::AssignedValues, &TdxEditStyle::SetAssignedValues, EditStyleValueNames)
      .Stored(&TdxEditStyle::IsAssignedValuesStored);
  c.Property("BorderColor", &TdxEditStyle::BorderColor, &TdxEditStyle::SetBorderColor)
      .Stored(&TdxEditStyle::IsBorderColorStored)
      .NoDefault();
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
      .Default(clWindowFrame);
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
  RegisterClass<TdxInplacePopupControl, TCustomControl>("TdxInplacePopupControl");
  RegisterClass<TdxContainerHintWindow, TCustomControl>("TdxContainerHintWindow");
}
