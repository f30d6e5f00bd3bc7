// Published properties and events of the column kinds: the data-bound kinds with their own
// settings and the grid's column of each kind with the grid's set (grouping, group summaries and,
// for kinds that have one, the header filter switch); and the default column tables' choosers.
#include "classes/Properties.h"
#include "controls/StdControlClasses.h"
#include "grid/dxDBColumnChooser.h"
#include "grid/dxDBColumnClasses_p.h"
#include "grid/dxGrClms.h"

namespace {

// The grid's set of a column: grouping, group summaries and (unless the kind has no header filter)
// the header filter switch.
template <class C, bool Filter = true>
void PublishGridColumn(TClassBuilder<C>& c) {
  if constexpr (Filter) c.Property("DisableFilter", &C::DisableFilter, &C::SetDisableFilter).Default(false);
  c.Property("GroupIndex", &C::GroupIndex, &C::SetGroupIndex).Default(-1);
  c.Property("SummaryType", &C::SummaryType, &C::SetSummaryType, SummaryTypeNames).Default(cstNone);
  c.Property("SummaryField", &C::SummaryField, &C::SetSummaryField);
  c.Property("SummaryFormat", &C::SummaryFormat, &C::SetSummaryFormat);
  c.Property("SortBySummary", &C::SortBySummary, &C::SetSortBySummary).Default(false);
  c.Event("OnSummary", &C::OnSummary);
  c.Property("SummaryGroupName", &C::SummaryGroupName, &C::SetSummaryGroupName);
}

void PublishDropDownColumn(TClassBuilder<TdxDBTreeListDropDownColumn>& c) {
  using C = TdxDBTreeListDropDownColumn;
  c.Property("ShowButtonStyle", &C::ShowButtonStyle, &C::SetShowButtonStyle, ShowButtonStyleNames).Default(sbDefault);
  c.Event("OnEditButtonClick", &C::OnEditButtonClick);
}

// The drop-down settings a kind publishes.
template <class C>
void PublishDropDownSettings(TClassBuilder<C>& c, bool Rows) {
  c.Property("ButtonGlyph", &C::ButtonGlyph).Stored(&C::IsButtonGlyphStored);
  if (Rows) {
    c.Property("DropDownRows", &C::DropDownRows, &C::SetDropDownRows).Default(7);
    c.Property("DropDownWidth", &C::DropDownWidth, &C::SetDropDownWidth).Default(0);
  }
  c.Property("PopupAlignment", &C::PopupAlignment, &C::SetPopupAlignment, AlignmentNames).Default(taLeftJustify);
  c.Property("PopupBorder", &C::PopupBorder, &C::SetPopupBorder, PopupBorderNames).Default(pbDefault);
}

void PublishDateColumn(TClassBuilder<TdxDBTreeListDateColumn>& c) {
  using C = TdxDBTreeListDateColumn;
  c.SetProperty("DateButtons", &C::DateButtons, &C::SetDateButtons, DateButtonNames).Default(AllDateButtons);
  c.Property("DateOnError", &C::DateOnError, &C::SetDateOnError, DateOnErrorNames).Default(deToday);
  c.Property("DateValidation", &C::DateValidation, &C::SetDateValidation).Default(false);
  c.Property("SaveTime", &C::SaveTime, &C::SetSaveTime).Default(true);
  c.Property("UseEditMask", &C::UseEditMask, &C::SetUseEditMask).Default(false);
  c.Event("OnDateValidateInput", &C::OnDateValidateInput);
  PublishDropDownSettings(c, false);
}

void PublishPickColumn(TClassBuilder<TdxDBTreeListPickColumn>& c) {
  using C = TdxDBTreeListPickColumn;
  PublishDropDownSettings(c, true);
  c.Property("DropDownListStyle", &C::DropDownListStyle, &C::SetDropDownListStyle).Default(false);
  c.Property("Items", &C::Items);
  c.Property("ItemsSorted", &C::ItemsSorted, &C::SetItemsSorted).Default(false);
  c.Property("ImmediateDropDown", &C::ImmediateDropDown, &C::SetImmediateDropDown).Default(true);
  c.Property("CanDeleteText", &C::CanDeleteText, &C::SetCanDeleteText).Default(false);
  c.Property("Revertable", &C::Revertable, &C::SetRevertable).Default(false);
  c.Event("OnCloseUp", &C::OnCloseUp);
}

void PublishCheckColumn(TClassBuilder<TdxDBTreeListCheckColumn>& c) {
  using C = TdxDBTreeListCheckColumn;
  c.Property("MinWidth", &C::MinWidth, &C::SetMinWidth).Default(16);
  c.Property("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed).Default(false);
  c.Property("Border3D", &C::Border3D, &C::SetBorder3D).Default(false);
  c.Property("Glyph", &C::Glyph).Stored(&C::IsGlyphStored);
  c.Property("GlyphCount", &C::GlyphCount, &C::SetGlyphCount).Default(6);
  c.Property("ShowNullFieldStyle", &C::ShowNullFieldStyle, &C::SetShowNullFieldStyle, ShowNullFieldStyleNames)
      .Default(nsUnchecked);
  c.Property("ValueChecked", &C::ValueChecked, &C::SetValueChecked).Stored(&C::IsValueCheckedStored);
  c.Property("ValueGrayed", &C::ValueGrayed, &C::SetValueGrayed);
  c.Property("ValueUnchecked", &C::ValueUnchecked, &C::SetValueUnchecked).Stored(&C::IsValueUncheckedStored);
  c.Event("OnToggleClick", &C::OnToggleClick);
}

void PublishGridCheckColumn(TClassBuilder<TdxDBGridCheckColumn>& c) {
  using C = TdxDBGridCheckColumn;
  PublishGridColumn(c);
  c.Property("DisplayChecked", &C::DisplayChecked, &C::SetDisplayChecked);
  c.Property("DisplayUnChecked", &C::DisplayUnChecked, &C::SetDisplayUnChecked);
  c.Property("DisplayNull", &C::DisplayNull, &C::SetDisplayNull);
}

void PublishMaskColumn(TClassBuilder<TdxDBTreeListMaskColumn>& c) {
  using C = TdxDBTreeListMaskColumn;
  c.Property("EditMask", &C::EditMask, &C::SetEditMask).Stored(&C::IsEditMaskStored);
  c.Property("IgnoreMaskBlank", &C::IgnoreMaskBlank, &C::SetIgnoreMaskBlank).Default(false);
}

void PublishLookupColumn(TClassBuilder<TdxDBTreeListLookupColumn>& c) {
  using C = TdxDBTreeListLookupColumn;
  PublishDropDownSettings(c, true);
  c.Property("ClearKey", &C::ClearKey, &C::SetClearKey).Default(TShortCut(0));
  c.Property("ImmediateDropDown", &C::ImmediateDropDown, &C::SetImmediateDropDown).Default(false);
  c.Property("ListFieldName", &C::ListFieldName, &C::SetListFieldName);
  c.Property("ListFieldIndex", &C::ListFieldIndex, &C::SetListFieldIndex).Default(0);
  c.Property("ListWidth", &C::ListWidth, &C::SetListWidth).Stored(&C::IsListWidthStored);
  c.Property("CanDeleteText", &C::CanDeleteText, &C::SetCanDeleteText).Default(false);
  c.Event("OnCloseUp", &C::OnCloseUp);
}

void PublishMemoColumn(TClassBuilder<TdxDBTreeListMemoColumn>& c) {
  using C = TdxDBTreeListMemoColumn;
  c.Property("HeaderMaxLineCount", &C::HeaderMaxLineCount, &C::SetHeaderMaxLineCount).Default(0);
  c.Property("HideScrollBars", &C::HideScrollBars, &C::SetHideScrollBars).Default(true);
  c.Property("MaxDisplayLength", &C::MaxDisplayLength, &C::SetMaxDisplayLength).Default(255);
  c.Property("ScrollBars", &C::ScrollBars, &C::SetScrollBars, ScrollStyleNames).Default(ssNone);
  c.Property("SelectionBar", &C::SelectionBar, &C::SetSelectionBar).Default(false);
  c.Property("WantReturns", &C::WantReturns, &C::SetWantReturns).Default(true);
  c.Property("WantTabs", &C::WantTabs, &C::SetWantTabs).Default(false);
  c.Property("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(true);
}

void PublishButtonColumn(TClassBuilder<TdxDBTreeListButtonColumn>& c) {
  using C = TdxDBTreeListButtonColumn;
  c.Property("ButtonOnly", &C::ButtonOnly, &C::SetButtonOnly).Default(false);
  c.Property("Buttons", &C::Buttons);
  c.Property("EditButtonStyle", &C::EditButtonStyle, &C::SetEditButtonStyle, EditButtonStyleNames)
      .Default(ebsEllipsis);
  c.Property("ClickKey", &C::ClickKey, &C::SetClickKey).Default(dxCtrlEnter);
  c.Property("Glyph", &C::Glyph).Stored(&C::IsGlyphStored);
  c.Property("HideEditCursor", &C::HideEditCursor, &C::SetHideEditCursor).Default(false);
  c.Property("ShowButtonStyle", &C::ShowButtonStyle, &C::SetShowButtonStyle, ShowButtonStyleNames).Default(sbDefault);
  c.Event("OnButtonClick", &C::OnButtonClick);
}

void PublishImageColumn(TClassBuilder<TdxDBTreeListImageColumn>& c) {
  using C = TdxDBTreeListImageColumn;
  PublishDropDownSettings(c, true);
  c.Property("DefaultImages", &C::DefaultImages, &C::SetDefaultImages).Default(true);
  c.Property("Descriptions", &C::Descriptions);
  c.Property("Images", &C::Images, &C::SetImages);
  c.Property("ImageIndexes", &C::ImageIndexes);
  c.Property("Incremental", &C::Incremental, &C::SetIncremental).Default(false);
  c.Property("LargeImages", &C::LargeImages, &C::SetLargeImages);
  c.Property("ListWidth", &C::ListWidth, &C::SetListWidth).Stored(&C::IsListWidthStored);
  c.Property("MultiLineText", &C::MultiLineText, &C::SetMultiLineText).Default(false);
  c.Property("ShowDescription", &C::ShowDescription, &C::SetShowDescription).Default(false);
  c.Property("Values", &C::Values);
  c.Event("OnCloseUp", &C::OnCloseUp);
}

void PublishSpinColumn(TClassBuilder<TdxDBTreeListSpinColumn>& c) {
  using C = TdxDBTreeListSpinColumn;
  c.Property("EditorEnabled", &C::EditorEnabled, &C::SetEditorEnabled).Default(true);
  c.Property("Increment", &C::Increment, &C::SetIncrement).Stored(&C::IsIncrementStored);
  c.Property("MinValue", &C::MinValue, &C::SetMinValue).Stored(&C::IsMinValueStored);
  c.Property("MaxValue", &C::MaxValue, &C::SetMaxValue).Stored(&C::IsMaxValueStored);
  c.Property("ShowButtonStyle", &C::ShowButtonStyle, &C::SetShowButtonStyle, ShowButtonStyleNames).Default(sbDefault);
  c.Property("UseCtrlIncrement", &C::UseCtrlIncrement, &C::SetUseCtrlIncrement).Default(false);
}

void PublishCalcColumn(TClassBuilder<TdxDBTreeListCalcColumn>& c) {
  using C = TdxDBTreeListCalcColumn;
  c.Property("BeepOnError", &C::BeepOnError, &C::SetBeepOnError).Default(true);
  c.Property("ButtonStyle", &C::ButtonStyle, &C::SetButtonStyle, CalcButtonStyleNames).Default(bsStandard);
  PublishDropDownSettings(c, false);
  c.Property("Precision", &C::Precision, &C::SetPrecision).Default(13);
  c.Property("QuickClose", &C::QuickClose, &C::SetQuickClose).Default(false);
  c.Property("ShowButtonFrame", &C::ShowButtonFrame, &C::SetShowButtonFrame).Default(false);
}

void PublishHyperLinkColumn(TClassBuilder<TdxDBTreeListHyperLinkColumn>& c) {
  using C = TdxDBTreeListHyperLinkColumn;
  c.Property("EditBackgroundColor", &C::EditBackgroundColor, &C::SetEditBackgroundColor)
      .Default(clWhite)
      .Idents(ColorIdents());
  c.Property("EditFontColor", &C::EditFontColor, &C::SetEditFontColor).Default(clBlue).Idents(ColorIdents());
  c.Property("SingleClick", &C::SingleClick, &C::SetSingleClick).Default(false);
  c.Property("StartKey", &C::StartKey, &C::SetStartKey).Default(dxCtrlEnter);
  c.Event("OnStartClick", &C::OnStartClick);
}

void PublishTimeColumn(TClassBuilder<TdxDBTreeListTimeColumn>& c) {
  using C = TdxDBTreeListTimeColumn;
  c.Property("TimeEditFormat", &C::TimeEditFormat, &C::SetTimeEditFormat, TimeEditFormatNames).Default(tfHourMinSec);
  c.Property("UseCtrlIncrement", &C::UseCtrlIncrement, &C::SetUseCtrlIncrement).Default(false);
}

void PublishCurrencyColumn(TClassBuilder<TdxDBTreeListCurrencyColumn>& c) {
  using C = TdxDBTreeListCurrencyColumn;
  c.Property("DecimalPlaces", &C::DecimalPlaces, &C::SetDecimalPlaces).Default(2);
  c.Property("DisplayFormat", &C::DisplayFormat, &C::SetDisplayFormat).Stored(&C::IsDisplayFormatStored);
  c.Property("MinValue", &C::MinValue, &C::SetMinValue).Stored(&C::IsMinValueStored);
  c.Property("MaxValue", &C::MaxValue, &C::SetMaxValue).Stored(&C::IsMaxValueStored);
  c.Property("Nullable", &C::Nullable, &C::SetNullable).Default(false);
  c.Property("NullString", &C::NullString, &C::SetNullString);
  c.Property("UseThousandSeparator", &C::UseThousandSeparator, &C::SetUseThousandSeparator).Default(false);
}

void PublishGraphicColumn(TClassBuilder<TdxDBTreeListGraphicColumn>& c) {
  using C = TdxDBTreeListGraphicColumn;
  c.Property("HeaderMaxLineCount", &C::HeaderMaxLineCount, &C::SetHeaderMaxLineCount).Default(0);
  c.Property("Center", &C::Center, &C::SetCenter).Default(true);
  c.Property("CustomFilter", &C::CustomFilter, &C::SetCustomFilter);
  c.Property("CustomGraphic", &C::CustomGraphic, &C::SetCustomGraphic).Default(false);
  c.Property("DblClickActivate", &C::DblClickActivate, &C::SetDblClickActivate).Default(true);
  c.Property("GraphicTransparency", &C::GraphicTransparency, &C::SetGraphicTransparency,
             GraphicEditTransparencyNames)
      .Default(gtDefault);
  c.Property("PopupToolBar", &C::PopupToolBar);
  c.Property("PopupToolbarPosStored", &C::PopupToolbarPosStored, &C::SetPopupToolbarPosStored).Default(true);
  c.Property("QuickDraw", &C::QuickDraw, &C::SetQuickDraw).Default(false);
  c.Property("ShadowSelection", &C::ShadowSelection, &C::SetShadowSelection).Default(true);
  c.Property("Stretch", &C::Stretch, &C::SetStretch).Default(true);
  c.Event("OnAssignPicture", &C::OnAssignPicture);
  c.Event("OnCustomClick", &C::OnCustomClick);
  c.Event("OnGetGraphicClass", &C::OnGetGraphicClass);
}

void PublishBlobColumn(TClassBuilder<TdxDBTreeListBlobColumn>& c) {
  using C = TdxDBTreeListBlobColumn;
  c.Property("MinWidth", &C::MinWidth, &C::SetMinWidth).Default(20);
  c.Property("AlwaysSaveText", &C::AlwaysSaveText, &C::SetAlwaysSaveText).Default(false);
  c.Property("BlobKind", &C::BlobKind, &C::SetBlobKind, BlobKindNames).Default(bkAuto);
  c.Property("BlobPaintStyle", &C::BlobPaintStyle, &C::SetBlobPaintStyle, BlobPaintStyleNames).Default(bpsIcon);
  c.Property("ImmediatePopup", &C::ImmediatePopup, &C::SetImmediatePopup).Default(false);
  c.Property("MaxDisplayLength", &C::MaxDisplayLength, &C::SetMaxDisplayLength).Default(255);
  c.Property("MemoCharCase", &C::MemoCharCase, &C::SetMemoCharCase, EditCharCaseNames).Default(ecNormal);
  c.Property("MemoHideScrollBars", &C::MemoHideScrollBars, &C::SetMemoHideScrollBars).Default(true);
  c.Property("MemoMaxLength", &C::MemoMaxLength, &C::SetMemoMaxLength).Default(0);
  c.Property("MemoOEMConvert", &C::MemoOEMConvert, &C::SetMemoOEMConvert).Default(false);
  c.Property("MemoScrollBars", &C::MemoScrollBars, &C::SetMemoScrollBars, ScrollStyleNames).Default(ssBoth);
  c.Property("MemoSelectionBar", &C::MemoSelectionBar, &C::SetMemoSelectionBar).Default(false);
  c.Property("MemoWantReturns", &C::MemoWantReturns, &C::SetMemoWantReturns).Default(true);
  c.Property("MemoWantTabs", &C::MemoWantTabs, &C::SetMemoWantTabs).Default(true);
  c.Property("MemoWordWrap", &C::MemoWordWrap, &C::SetMemoWordWrap).Default(true);
  c.Property("PictureAutoSize", &C::PictureAutoSize, &C::SetPictureAutoSize).Default(true);
  c.Property("PictureFilter", &C::PictureFilter, &C::SetPictureFilter);
  c.Property("PictureTransparency", &C::PictureTransparency, &C::SetPictureTransparency,
             GraphicEditTransparencyNames)
      .Default(gtDefault);
  PublishDropDownSettings(c, false);
  c.Property("PopupHeight", &C::PopupHeight, &C::SetPopupHeight).Default(140);
  c.Property("PopupWidth", &C::PopupWidth, &C::SetPopupWidth).Default(200);
  c.Property("ShowExPopupItems", &C::ShowExPopupItems, &C::SetShowExPopupItems).Default(false);
  c.Property("ShowPicturePopup", &C::ShowPicturePopup, &C::SetShowPicturePopup).Default(false);
  c.Property("SizeablePopup", &C::SizeablePopup, &C::SetSizeablePopup).Default(true);
  c.Event("OnAssignPicture", &C::OnAssignPicture);
  c.Event("OnGetGraphicClass", &C::OnGetGraphicClass);
}

void PublishMRUColumn(TClassBuilder<TdxDBTreeListMRUColumn>& c) {
  using C = TdxDBTreeListMRUColumn;
  c.Property("ImmediateDropDown", &C::ImmediateDropDown, &C::SetImmediateDropDown).Default(false);
  c.Property("MaxItemCount", &C::MaxItemCount, &C::SetMaxItemCount).Default(7);
  c.Property("ShowEllipsis", &C::ShowEllipsis, &C::SetShowEllipsis).Default(true);
  c.Event("OnButtonClick", &C::OnButtonClick);
}

void PublishWrapperColumn(TClassBuilder<TdxDBTreeListWrapperColumn>& c) {
  c.Event("OnGetReferenceColumn", &TdxDBTreeListWrapperColumn::OnGetReferenceColumn);
}

// A kind and the grid's column of it.
template <class Kind, class Parent, class GridKind, bool GridFilter = true>
void RegisterKind(const char* Name, const char* GridName, std::function<void(TClassBuilder<Kind>&)> Publish) {
  RegisterClass<Kind, Parent>(Name, std::move(Publish));
  RegisterClass<GridKind, Kind>(GridName, PublishGridColumn<GridKind, GridFilter>);
}

}  // namespace

void RegisterColumnClasses() {
  RegisterClass<TdxDBGridColumn, TdxDBTreeListColumn>("TdxDBGridColumn", PublishGridColumn<TdxDBGridColumn>);
  using Base = TdxDBTreeListColumn;
  using DropDown = TdxDBTreeListDropDownColumn;
  RegisterKind<TdxDBTreeListMaskColumn, Base, TdxDBGridMaskColumn>("TdxDBTreeListMaskColumn", "TdxDBGridMaskColumn",
                                                                    PublishMaskColumn);
  RegisterClass<DropDown, Base>("TdxDBTreeListDropDownColumn", PublishDropDownColumn);
  RegisterKind<TdxDBTreeListDateColumn, DropDown, TdxDBGridDateColumn>("TdxDBTreeListDateColumn",
                                                                        "TdxDBGridDateColumn", PublishDateColumn);
  RegisterKind<TdxDBTreeListButtonColumn, Base, TdxDBGridButtonColumn>("TdxDBTreeListButtonColumn",
                                                                        "TdxDBGridButtonColumn", PublishButtonColumn);
  RegisterClass<TdxDBTreeListCheckColumn, Base>("TdxDBTreeListCheckColumn", PublishCheckColumn);
  RegisterClass<TdxDBGridCheckColumn, TdxDBTreeListCheckColumn>("TdxDBGridCheckColumn", PublishGridCheckColumn);
  RegisterClass<TdxDBTreeListImageColumn, DropDown>("TdxDBTreeListImageColumn", PublishImageColumn);
  RegisterClass<TdxDBGridImageColumn, TdxDBTreeListImageColumn>("TdxDBGridImageColumn",
                                                                PublishGridColumn<TdxDBGridImageColumn>);
  RegisterKind<TdxDBTreeListSpinColumn, Base, TdxDBGridSpinColumn>("TdxDBTreeListSpinColumn", "TdxDBGridSpinColumn",
                                                                    PublishSpinColumn);
  RegisterKind<TdxDBTreeListLookupColumn, DropDown, TdxDBGridLookupColumn>(
      "TdxDBTreeListLookupColumn", "TdxDBGridLookupColumn", PublishLookupColumn);
  RegisterKind<TdxDBTreeListPickColumn, DropDown, TdxDBGridPickColumn>("TdxDBTreeListPickColumn",
                                                                        "TdxDBGridPickColumn", PublishPickColumn);
  RegisterKind<TdxDBTreeListCalcColumn, DropDown, TdxDBGridCalcColumn>("TdxDBTreeListCalcColumn",
                                                                        "TdxDBGridCalcColumn", PublishCalcColumn);
  RegisterKind<TdxDBTreeListBlobColumn, DropDown, TdxDBGridBlobColumn, false>(
      "TdxDBTreeListBlobColumn", "TdxDBGridBlobColumn", PublishBlobColumn);
  RegisterKind<TdxDBTreeListHyperLinkColumn, Base, TdxDBGridHyperLinkColumn>(
      "TdxDBTreeListHyperLinkColumn", "TdxDBGridHyperLinkColumn", PublishHyperLinkColumn);
  RegisterKind<TdxDBTreeListTimeColumn, Base, TdxDBGridTimeColumn>("TdxDBTreeListTimeColumn", "TdxDBGridTimeColumn",
                                                                    PublishTimeColumn);
  RegisterKind<TdxDBTreeListCurrencyColumn, Base, TdxDBGridCurrencyColumn>(
      "TdxDBTreeListCurrencyColumn", "TdxDBGridCurrencyColumn", PublishCurrencyColumn);
  RegisterKind<TdxDBTreeListMemoColumn, Base, TdxDBGridMemoColumn, false>("TdxDBTreeListMemoColumn",
                                                                           "TdxDBGridMemoColumn", PublishMemoColumn);
  RegisterKind<TdxDBTreeListGraphicColumn, Base, TdxDBGridGraphicColumn, false>(
      "TdxDBTreeListGraphicColumn", "TdxDBGridGraphicColumn", PublishGraphicColumn);
  RegisterKind<TdxDBTreeListMRUColumn, TdxDBTreeListPickColumn, TdxDBGridMRUColumn>(
      "TdxDBTreeListMRUColumn", "TdxDBGridMRUColumn", PublishMRUColumn);
  RegisterKind<TdxDBTreeListWrapperColumn, Base, TdxDBGridWrapperColumn, false>(
      "TdxDBTreeListWrapperColumn", "TdxDBGridWrapperColumn", PublishWrapperColumn);
  // A second registration changes nothing: an entry takes only a higher priority.
  RegisterTypedColumnChoosers();
}
