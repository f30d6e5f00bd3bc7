// Published properties and events of the spin, time, calculator, graphic and blob editors, the
// calculator, the picture toolbar's settings and the blob popup.
#include "classes/Properties.h"
#include "editors/dxBlobEdit.h"
#include "editors/dxCalcEdit.h"
#include "editors/dxEditorClasses_p.h"
#include "editors/dxGraphicEdit.h"
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

void PublishCalculator(TClassBuilder<TCustomdxCalculator>& c) {
  c.Property("AutoFontSize", &TCustomdxCalculator::AutoFontSize, &TCustomdxCalculator::SetAutoFontSize).Default(true);
  c.Property("BeepOnError", &TCustomdxCalculator::BeepOnError, &TCustomdxCalculator::SetBeepOnError).Default(true);
  c.Property("BorderStyle", &TCustomdxCalculator::BorderStyle, &TCustomdxCalculator::SetBorderStyle).Default(0);
  c.Property("ButtonStyle", &TCustomdxCalculator::ButtonStyle, &TCustomdxCalculator::SetButtonStyle,
             CalcButtonStyleNames)
      .Default(bsStandard);
  c.Property("ShowButtonFrame", &TCustomdxCalculator::ShowButtonFrame, &TCustomdxCalculator::SetShowButtonFrame)
      .Default(false);
  c.Property("ShowFocusRect", &TCustomdxCalculator::ShowFocusRect, &TCustomdxCalculator::SetShowFocusRect)
      .Default(true);
  c.Event("OnDisplayChange", &TCustomdxCalculator::OnDisplayChange);
  c.Event("OnError", &TCustomdxCalculator::OnError);
  c.Event("OnResult", &TCustomdxCalculator::OnResult);
}

void PublishCalcEdit(TClassBuilder<TdxInplaceCalcEdit>& c) {
  c.Property("BeepOnError", &TdxInplaceCalcEdit::BeepOnError, &TdxInplaceCalcEdit::SetBeepOnError).Default(true);
  c.Property("ButtonStyle", &TdxInplaceCalcEdit::ButtonStyle, &TdxInplaceCalcEdit::SetButtonStyle,
             CalcButtonStyleNames)
      .Default(bsStandard);
  c.Property("Precision", &TdxInplaceCalcEdit::Precision, &TdxInplaceCalcEdit::SetPrecision).Default(13);
  c.Property("QuickClose", &TdxInplaceCalcEdit::QuickClose, &TdxInplaceCalcEdit::SetQuickClose).Default(false);
  c.Property("ShowButtonFrame", &TdxInplaceCalcEdit::ShowButtonFrame, &TdxInplaceCalcEdit::SetShowButtonFrame)
      .Default(false);
}

void PublishToolBarWindow(TClassBuilder<TdxPopupToolBarWindow>& c) {
  c.Property("Alignment", &TdxPopupToolBarWindow::Alignment, &TdxPopupToolBarWindow::SetAlignment,
             PopupToolBarAlignmentNames)
      .Default(ptaBottom);
  c.SetProperty("Buttons", &TdxPopupToolBarWindow::Buttons, &TdxPopupToolBarWindow::SetButtons,
                PopupToolBarButtonNames)
      .Default(DefaultToolBarButtons);
  c.Property("CustomButtonCaption", &TdxPopupToolBarWindow::CustomButtonCaption,
             &TdxPopupToolBarWindow::SetCustomButtonCaption);
  c.Property("CustomButtonGlyph", &TdxPopupToolBarWindow::CustomButtonGlyph)
      .Stored(&TdxPopupToolBarWindow::IsCustomButtonGlyphStored);
  c.Property("IsPopupMenu", &TdxPopupToolBarWindow::IsPopupMenu, &TdxPopupToolBarWindow::SetIsPopupMenu).Default(true);
  c.Property("ShowCaptions", &TdxPopupToolBarWindow::ShowCaptions, &TdxPopupToolBarWindow::SetShowCaptions)
      .Default(true);
  c.Property("Visible", &TdxPopupToolBarWindow::Visible, &TdxPopupToolBarWindow::SetVisible).Default(true);
}

void PublishGraphicEdit(TClassBuilder<TdxInplaceGraphicEdit>& c) {
  c.Property("Center", &TdxInplaceGraphicEdit::Center, &TdxInplaceGraphicEdit::SetCenter).Default(true);
  c.Property("CustomFilter", &TdxInplaceGraphicEdit::CustomFilter, &TdxInplaceGraphicEdit::SetCustomFilter);
  c.Property("DblClickActivate", &TdxInplaceGraphicEdit::DblClickActivate, &TdxInplaceGraphicEdit::SetDblClickActivate)
      .Default(true);
  c.Property("GraphicTransparency", &TdxInplaceGraphicEdit::GraphicTransparency,
             &TdxInplaceGraphicEdit::SetGraphicTransparency, GraphicEditTransparencyNames)
      .Default(gtDefault);
  c.Property("Picture", &TdxInplaceGraphicEdit::Picture);
  c.Property("PopupToolBar", &TdxInplaceGraphicEdit::PopupToolBar);
  c.Property("PopupToolBarPosStored", &TdxInplaceGraphicEdit::PopupToolBarPosStored,
             &TdxInplaceGraphicEdit::SetPopupToolBarPosStored)
      .Default(true);
  c.Property("QuickDraw", &TdxInplaceGraphicEdit::QuickDraw, &TdxInplaceGraphicEdit::SetQuickDraw).Default(false);
  c.Property("Stretch", &TdxInplaceGraphicEdit::Stretch, &TdxInplaceGraphicEdit::SetStretch).Default(false);
  c.Event("OnCustomClick", &TdxInplaceGraphicEdit::OnCustomClick);
}

void PublishBlobEdit(TClassBuilder<TdxInplaceBlobEdit>& c) {
  c.Property("BlobKind", &TdxInplaceBlobEdit::BlobKind, &TdxInplaceBlobEdit::SetBlobKind, BlobEditKindNames)
      .Default(bekMemo);
  c.Property("BlobPaintStyle", &TdxInplaceBlobEdit::BlobPaintStyle, &TdxInplaceBlobEdit::SetBlobPaintStyle,
             BlobPaintStyleNames)
      .Default(bpsIcon);
  c.Property("MemoCharCase", &TdxInplaceBlobEdit::MemoCharCase, &TdxInplaceBlobEdit::SetMemoCharCase, EditCharCaseNames)
      .Default(ecNormal);
  c.Property("MemoHideScrollBars", &TdxInplaceBlobEdit::MemoHideScrollBars, &TdxInplaceBlobEdit::SetMemoHideScrollBars)
      .Default(true);
  c.Property("MemoMaxLength", &TdxInplaceBlobEdit::MemoMaxLength, &TdxInplaceBlobEdit::SetMemoMaxLength).Default(0);
  c.Property("MemoOEMConvert", &TdxInplaceBlobEdit::MemoOEMConvert, &TdxInplaceBlobEdit::SetMemoOEMConvert)
      .Default(false);
  c.Property("MemoScrollBars", &TdxInplaceBlobEdit::MemoScrollBars, &TdxInplaceBlobEdit::SetMemoScrollBars,
             ScrollStyleNames)
      .Default(ssNone);
  c.Property("MemoSelectionBar", &TdxInplaceBlobEdit::MemoSelectionBar, &TdxInplaceBlobEdit::SetMemoSelectionBar)
      .Default(true);
  c.Property("MemoWantReturns", &TdxInplaceBlobEdit::MemoWantReturns, &TdxInplaceBlobEdit::SetMemoWantReturns)
      .Default(true);
  c.Property("MemoWantTabs", &TdxInplaceBlobEdit::MemoWantTabs, &TdxInplaceBlobEdit::SetMemoWantTabs).Default(true);
  c.Property("MemoWordWrap", &TdxInplaceBlobEdit::MemoWordWrap, &TdxInplaceBlobEdit::SetMemoWordWrap).Default(true);
  c.Property("PictureAutoSize", &TdxInplaceBlobEdit::PictureAutoSize, &TdxInplaceBlobEdit::SetPictureAutoSize)
      .Default(true);
  c.Property("PictureFilter", &TdxInplaceBlobEdit::PictureFilter, &TdxInplaceBlobEdit::SetPictureFilter);
  c.Property("PictureTransparency", &TdxInplaceBlobEdit::PictureTransparency,
             &TdxInplaceBlobEdit::SetPictureTransparency, GraphicEditTransparencyNames)
      .Default(gtDefault);
  c.Property("PopupHeight", &TdxInplaceBlobEdit::PopupHeight, &TdxInplaceBlobEdit::SetPopupHeight).Default(140);
  c.Property("PopupWidth", &TdxInplaceBlobEdit::PopupWidth, &TdxInplaceBlobEdit::SetPopupWidth).Default(200);
  c.Property("PostOnHide", &TdxInplaceBlobEdit::PostOnHide, &TdxInplaceBlobEdit::SetPostOnHide).Default(true);
  c.Property("SizeablePopup", &TdxInplaceBlobEdit::SizeablePopup, &TdxInplaceBlobEdit::SetSizeablePopup).Default(true);
  c.Event("OnPopupSizeChanged", &TdxInplaceBlobEdit::OnPopupSizeChanged);
}

}  // namespace

void RegisterSpinAndPictureEditorClasses() {
  RegisterClass<TdxInplaceSpinEdit, TdxInplaceMaskEdit>("TdxInplaceSpinEdit", PublishSpinEdit);
  RegisterClass<TdxInplaceTimeEdit, TdxInplaceSpinEdit>("TdxInplaceTimeEdit", PublishTimeEdit);
  RegisterClass<TCustomdxCalculator, TdxInplacePopupControl>("TCustomdxCalculator", PublishCalculator);
  RegisterClass<TdxPopupCalculator, TCustomdxCalculator>("TdxPopupCalculator");
  RegisterClass<TdxInplaceCalcEdit, TdxInplaceDropDownEdit>("TdxInplaceCalcEdit", PublishCalcEdit);
  RegisterClass<TdxPopupToolBar, TForm>("TdxPopupToolBar");
  RegisterClass<TdxPopupToolBarWindow, TPersistent>("TdxPopupToolBarWindow", PublishToolBarWindow);
  RegisterClass<TdxInplaceGraphicEdit, TdxInplaceEdit>("TdxInplaceGraphicEdit", PublishGraphicEdit);
  RegisterClass<TdxBlobPopupMemo, TdxInplaceMemoEdit>("TdxBlobPopupMemo");
  RegisterClass<TCustomdxBlobPopup, TdxInplacePopupControl>("TCustomdxBlobPopup");
  RegisterClass<TdxInplaceBlobEdit, TdxInplaceDropDownEdit>("TdxInplaceBlobEdit", PublishBlobEdit);
}
