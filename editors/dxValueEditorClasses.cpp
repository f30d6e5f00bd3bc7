// Published properties and events of the value editors: date (and the stand-alone date edit),
// pick, image, memo, currency, most-recently-used, button and hyperlink editors.
#include "classes/Properties.h"
#include "controls/Menus.h"
#include "controls/StdControlClasses.h"
#include "editors/dxButtonEdit.h"
#include "editors/dxCurrencyEdit.h"
#include "editors/dxEdLib.h"
#include "editors/dxHyperLinkEdit.h"
#include "editors/dxEditorClasses_p.h"
#include "editors/dxImageEdit.h"
#include "editors/dxMRUEdit.h"
#include "editors/dxMemoEdit.h"
#include "editors/dxPickEdit.h"
#include "editors/dxPopupListBox.h"
#include "windows/Input.h"

namespace {

void PublishDateEdit(TClassBuilder<TdxInplaceDateEdit>& c) {
  c.Property("Caption", &TdxInplaceDateEdit::Caption, &TdxInplaceDateEdit::SetCaption)
      .Stored(&TdxInplaceDateEdit::IsTextStored);
  c.Property("EditMask", &TdxInplaceDateEdit::EditMask, &TdxInplaceDateEdit::SetEditMask)
      .Stored(&TdxInplaceDateEdit::IsOwnEditMaskStored);
  c.Property("Date", &TdxInplaceDateEdit::Date, &TdxInplaceDateEdit::SetDate).NoDefault();
  c.SetProperty("DateButtons", &TdxInplaceDateEdit::DateButtons, &TdxInplaceDateEdit::SetDateButtons, DateButtonNames)
      .Default(AllDateButtons);
  c.Property("DateOnError", &TdxInplaceDateEdit::DateOnError, &TdxInplaceDateEdit::SetDateOnError, DateOnErrorNames)
      .Default(deNull);
  c.Property("DateValidation", &TdxInplaceDateEdit::DateValidation, &TdxInplaceDateEdit::SetDateValidation)
      .Default(false);
  c.Property("SaveTime", &TdxInplaceDateEdit::SaveTime, &TdxInplaceDateEdit::SetSaveTime).Default(true);
  c.Property("UseEditMask", &TdxInplaceDateEdit::UseEditMask, &TdxInplaceDateEdit::SetUseEditMask).Default(false);
  c.Event("OnDateChange", &TdxInplaceDateEdit::OnDateChange);
  c.Event("OnDateValidateInput", &TdxInplaceDateEdit::OnDateValidateInput);
}

// What a dialog's form stores beyond the editor's own: a window colour, no parent colour, a tab
// stop and a popup menu.
void PublishStandAloneDateEdit(TClassBuilder<TdxDateEdit>& c) {
  c.Property("Color", &TdxDateEdit::Color, &TdxDateEdit::SetColor).Default(clWindow).Idents(ColorIdents());
  c.Property("ParentColor", &TdxDateEdit::ParentColor, &TdxDateEdit::SetParentColor).Default(false);
  c.Property("TabStop", &TdxDateEdit::TabStop, &TdxDateEdit::SetTabStop).Default(true);
  c.Property("PopupMenu", &TdxDateEdit::PopupMenu, &TdxDateEdit::SetPopupMenu);
}

void PublishPickEdit(TClassBuilder<TdxInplacePickEdit>& c) {
  c.Property("CanDeleteText", &TdxInplacePickEdit::CanDeleteText, &TdxInplacePickEdit::SetCanDeleteText).Default(false);
  c.Property("DropDownListStyle", &TdxInplacePickEdit::DropDownListStyle, &TdxInplacePickEdit::SetDropDownListStyle)
      .Default(false);
  c.Property("Items", &TdxInplacePickEdit::Items);
  c.Property("Revertable", &TdxInplacePickEdit::Revertable, &TdxInplacePickEdit::SetRevertable).Default(false);
  c.Property("Sorted", &TdxInplacePickEdit::Sorted, &TdxInplacePickEdit::SetSorted).Default(false);
}

void PublishImageEdit(TClassBuilder<TdxInplaceImageEdit>& c) {
  c.Property("DefaultImages", &TdxInplaceImageEdit::DefaultImages, &TdxInplaceImageEdit::SetDefaultImages).Default(true);
  c.Property("Descriptions", &TdxInplaceImageEdit::Descriptions);
  c.Property("ImageIndexes", &TdxInplaceImageEdit::ImageIndexes);
  c.Property("Images", &TdxInplaceImageEdit::Images, &TdxInplaceImageEdit::SetImages);
  c.Property("Incremental", &TdxInplaceImageEdit::Incremental, &TdxInplaceImageEdit::SetIncremental).Default(false);
  c.Property("LargeImages", &TdxInplaceImageEdit::LargeImages, &TdxInplaceImageEdit::SetLargeImages);
  c.Property("MultiLineText", &TdxInplaceImageEdit::MultiLineText, &TdxInplaceImageEdit::SetMultiLineText).Default(false);
  c.Property("ShowDescription", &TdxInplaceImageEdit::ShowDescription, &TdxInplaceImageEdit::SetShowDescription)
      .Default(true);
  c.Property("Values", &TdxInplaceImageEdit::Values);
}

void PublishMemoEdit(TClassBuilder<TdxInplaceMemoEdit>& c) {
  c.Property("Caption", &TdxInplaceMemoEdit::Caption, &TdxInplaceMemoEdit::SetCaption)
      .Stored(&TdxInplaceMemoEdit::IsTextStored);
  c.Property("HideScrollBars", &TdxInplaceMemoEdit::HideScrollBars, &TdxInplaceMemoEdit::SetHideScrollBars).Default(true);
  c.Property("Lines", &TdxInplaceMemoEdit::Lines);
  c.Property("ScrollBars", &TdxInplaceMemoEdit::ScrollBars, &TdxInplaceMemoEdit::SetScrollBars, ScrollStyleNames)
      .Default(ssNone);
  c.Property("WordWrap", &TdxInplaceMemoEdit::WordWrap, &TdxInplaceMemoEdit::SetWordWrap).Default(true);
  c.Property("WantReturns", &TdxInplaceMemoEdit::WantReturns, &TdxInplaceMemoEdit::SetWantReturns).Default(true);
  c.Property("WantTabs", &TdxInplaceMemoEdit::TabsWanted, &TdxInplaceMemoEdit::SetWantTabs).Default(false);
}

void PublishCurrencyEdit(TClassBuilder<TdxInplaceCurrencyEdit>& c) {
  c.Property("DecimalPlaces", &TdxInplaceCurrencyEdit::DecimalPlaces, &TdxInplaceCurrencyEdit::SetDecimalPlaces)
      .Default(2);
  c.Property("DisplayFormat", &TdxInplaceCurrencyEdit::DisplayFormat, &TdxInplaceCurrencyEdit::SetDisplayFormat)
      .Stored(&TdxInplaceCurrencyEdit::IsDisplayFormatStored)
      .NoDefault();
  c.Property("MaxValue", &TdxInplaceCurrencyEdit::MaxValue, &TdxInplaceCurrencyEdit::SetMaxValue)
      .Stored(&TdxInplaceCurrencyEdit::IsMaxValueStored)
      .NoDefault();
  c.Property("MinValue", &TdxInplaceCurrencyEdit::MinValue, &TdxInplaceCurrencyEdit::SetMinValue)
      .Stored(&TdxInplaceCurrencyEdit::IsMinValueStored)
      .NoDefault();
  c.Property("Nullable", &TdxInplaceCurrencyEdit::Nullable, &TdxInplaceCurrencyEdit::SetNullable).Default(false);
  c.Property("NullString", &TdxInplaceCurrencyEdit::NullString, &TdxInplaceCurrencyEdit::SetNullString);
  c.Property("UseThousandSeparator", &TdxInplaceCurrencyEdit::UseThousandSeparator,
             &TdxInplaceCurrencyEdit::SetUseThousandSeparator)
      .Default(false);
}

void PublishMRUEdit(TClassBuilder<TdxInplaceMRUEdit>& c) {
  c.Property("ImmediateDropDown", &TdxInplaceMRUEdit::ImmediateDropDown, &TdxInplaceMRUEdit::SetImmediateDropDown)
      .Default(false);
  c.Property("MaxItemCount", &TdxInplaceMRUEdit::MaxItemCount, &TdxInplaceMRUEdit::SetMaxItemCount).Default(7);
  c.Property("ShowEllipsis", &TdxInplaceMRUEdit::ShowEllipsis, &TdxInplaceMRUEdit::SetShowEllipsis).Default(true);
  c.Event("OnButtonClick", &TdxInplaceMRUEdit::OnButtonClick);
}

void PublishEditButton(TClassBuilder<TdxEditButton>& c) {
  c.Property("Default", &TdxEditButton::Default, &TdxEditButton::SetDefault).Default(false);
  c.Property("Glyph", &TdxEditButton::Glyph).Stored(&TdxEditButton::IsGlyphStored);
  c.Property("Kind", &TdxEditButton::Kind, &TdxEditButton::SetKind, EditButtonItemKindNames).Default(bkEllipsis);
  c.Property("LeftAlignment", &TdxEditButton::LeftAlignment, &TdxEditButton::SetLeftAlignment).Default(false);
  c.Property("Visible", &TdxEditButton::Visible, &TdxEditButton::SetVisible).Default(true);
  c.Property("Width", &TdxEditButton::Width, &TdxEditButton::SetWidth).Default(0);
}

void PublishButtonEdit(TClassBuilder<TdxInplaceButtonEdit>& c) {
  c.Property("Buttons", &TdxInplaceButtonEdit::Buttons);
  c.Property("ClickKey", &TdxInplaceButtonEdit::ClickKey, &TdxInplaceButtonEdit::SetClickKey)
      .Default(dxCtrlEnter);
  c.Property("ViewStyle", &TdxInplaceButtonEdit::ViewStyle, &TdxInplaceButtonEdit::SetViewStyle).Default(uint8_t(0));
  c.Event("OnButtonClick", &TdxInplaceButtonEdit::OnButtonClick);
}

void PublishHyperLinkEdit(TClassBuilder<TdxInplaceHyperLinkEdit>& c) {
  c.Property("AutoSelect", &TdxInplaceHyperLinkEdit::AutoSelect, &TdxInplaceHyperLinkEdit::SetAutoSelect).Default(false);
  c.Property("LinkColor", &TdxInplaceHyperLinkEdit::LinkColor, &TdxInplaceHyperLinkEdit::SetLinkColor)
      .Default(clBlue)
      .Idents(ColorIdents());
  c.Property("SingleClick", &TdxInplaceHyperLinkEdit::SingleClick, &TdxInplaceHyperLinkEdit::SetSingleClick)
      .Default(false);
  c.Property("StartKey", &TdxInplaceHyperLinkEdit::StartKey, &TdxInplaceHyperLinkEdit::SetStartKey).Default(dxCtrlEnter);
  c.Event("OnStartClick", &TdxInplaceHyperLinkEdit::OnStartClick);
}

}  // namespace

void RegisterValueEditorClasses() {
  RegisterClass<TdxInplaceDateEdit, TdxInplaceDropDownEdit>("TdxInplaceDateEdit", PublishDateEdit);
  RegisterClass<TCustomdxDateEdit, TdxInplaceDateEdit>("TCustomdxDateEdit");
  RegisterClass<TdxDateEdit, TCustomdxDateEdit>("TdxDateEdit", PublishStandAloneDateEdit);
  RegisterClass<TCustomdxPopupListBox, TCustomListBox>("TCustomdxPopupListBox");
  RegisterClass<TCustomdxPopupPickListBox, TCustomdxPopupListBox>("TCustomdxPopupPickListBox");
  RegisterClass<TdxPopupPickListBox, TCustomdxPopupPickListBox>("TdxPopupPickListBox");
  RegisterClass<TdxInplacePickEdit, TdxInplaceDropDownEdit>("TdxInplacePickEdit", PublishPickEdit);
  RegisterClass<TdxPopupImageListBox, TCustomdxPopupListBox>("TdxPopupImageListBox");
  RegisterClass<TdxInplaceImageEdit, TdxInplaceDropDownEdit>("TdxInplaceImageEdit", PublishImageEdit);
  RegisterClass<TdxInplaceMemoEdit, TdxInplaceTextEdit>("TdxInplaceMemoEdit", PublishMemoEdit);
  RegisterClass<TdxInplaceMRUEdit, TdxInplacePickEdit>("TdxInplaceMRUEdit", PublishMRUEdit);
  RegisterClass<TdxEditButton, TCollectionItem>("TdxEditButton", PublishEditButton);
  RegisterClass<TdxInplaceButtonEdit, TdxInplaceDropDownEdit>("TdxInplaceButtonEdit", PublishButtonEdit);
  RegisterClass<TdxInplaceHyperLinkEdit, TdxInplaceTextEdit>("TdxInplaceHyperLinkEdit", PublishHyperLinkEdit);
  RegisterClass<TdxInplaceCurrencyEdit, TdxInplaceMaskEdit>("TdxInplaceCurrencyEdit", PublishCurrencyEdit);
}
