// Published properties of the standard controls, and the colour and cursor identifiers.
#include "controls/StdControlClasses.h"

#include "controls/Bevel.h"
#include "controls/GroupBox.h"
#include "controls/Label.h"
#include "controls/Memo.h"
#include "controls/Panel.h"
#include "controls/SpeedButton.h"
#include "controls/Splitter.h"

namespace {

constexpr TIdentMapEntry Colors[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"}, {clNavy, "clNavy"},
    {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"}, {clSilver, "clSilver"}, {clRed, "clRed"},
    {clLime, "clLime"}, {clYellow, "clYellow"}, {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"},
    {clWhite, "clWhite"}, {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"}, {clCream, "clCream"},
    {clMedGray, "clMedGray"}, {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"}, {clInactiveCaption, "clInactiveCaption"}, {clMenu, "clMenu"},
    {clWindow, "clWindow"}, {clWindowFrame, "clWindowFrame"}, {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"}, {clCaptionText, "clCaptionText"}, {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"}, {clAppWorkSpace, "clAppWorkSpace"}, {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"}, {clBtnFace, "clBtnFace"}, {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"}, {clBtnText, "clBtnText"}, {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"}, {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"}, {clInfoBk, "clInfoBk"}, {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"}, {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"}, {clMenuBar, "clMenuBar"}, {clNone, "clNone"}, {clDefault, "clDefault"},
};

constexpr TIdentMapEntry Cursors[] = {
    {crDefault, "crDefault"}, {crNone, "crNone"}, {crArrow, "crArrow"}, {crCross, "crCross"}, {crIBeam, "crIBeam"},
    {crSizeNESW, "crSizeNESW"}, {crSizeNS, "crSizeNS"}, {crSizeNWSE, "crSizeNWSE"}, {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"}, {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"}, {crNoDrop, "crNoDrop"},
    {crHSplit, "crHSplit"}, {crVSplit, "crVSplit"}, {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},
    {crNo, "crNo"}, {crAppStart, "crAppStart"}, {crHelp, "crHelp"}, {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},
};

void PublishEdit(TClassBuilder<TCustomEdit>& c) {
  c.Property("Text", &TCustomEdit::Text, &TCustomEdit::SetText);
  c.Property("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
  c.Property("PasswordChar", &TCustomEdit::PasswordCharText, &TCustomEdit::SetPasswordCharText);
  c.Property("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(false);
  c.Property("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase, EditCharCaseNames).Default(ecNormal);
  c.Property("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle, BorderStyleNames).Default(bsSingle);
  c.Property("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect).Default(true);
  c.Event("OnChange", &TCustomEdit::OnChange);
}

void PublishMemo(TClassBuilder<TCustomMemo>& c) {
  c.Property("Lines", &TCustomMemo::Lines);
  c.Property("ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars, ScrollStyleNames).Default(ssNone);
  c.Property("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap).Default(true);
  c.Property("Alignment", &TCustomMemo::Alignment, &TCustomMemo::SetAlignment, AlignmentNames).Default(taLeftJustify);
  c.Property("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns).Default(true);
  c.Property("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs).Default(false);
}

void PublishLabel(TClassBuilder<TCustomLabel>& c) {
  c.Property("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize).Default(true);
  c.Property("Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment, AlignmentNames).Default(taLeftJustify);
  c.Property("Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout, TextLayoutNames).Default(tlTop);
  c.Property("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap).Default(false);
  c.Property("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent).Default(false);
  c.Property("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar).Default(true);
  c.Property("FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl);
  c.Event("OnMouseEnter", &TCustomLabel::OnMouseEnter);
  c.Event("OnMouseLeave", &TCustomLabel::OnMouseLeave);
}

void PublishButton(TClassBuilder<TButton>& c) {
  c.Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(mrNone);
  c.Property("Default", &TButton::Default, &TButton::SetDefault).Default(false);
  c.Property("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false);
}

void PublishCheckControl(TClassBuilder<TCheckControl>& c) {
  c.Property("Alignment", &TCheckControl::Alignment, &TCheckControl::SetAlignment, AlignmentNames).Default(taRightJustify);
  c.Property("Checked", &TCheckControl::Checked, &TCheckControl::SetChecked).Default(false);
}

void PublishCheckBox(TClassBuilder<TCustomCheckBox>& c) {
  c.Property("AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed).Default(false);
  c.Property("State", &TCustomCheckBox::State, &TCustomCheckBox::SetState, CheckBoxStateNames).Default(cbUnchecked);
}

void PublishSpeedButton(TClassBuilder<TSpeedButton>& c) {
  c.Property("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(false);
  c.Property("Glyph", &TSpeedButton::Glyph);
  c.Property("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs).Default(1);
  c.Property("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout, ButtonLayoutNames).Default(blGlyphLeft);
  c.Property("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing).Default(4);
  c.Property("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin).Default(-1);
  c.Property("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
  c.Property("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(false);
  c.Property("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false);
}

void PublishRadioGroup(TClassBuilder<TRadioGroup>& c) {
  c.Property("Items", &TRadioGroup::Items);
  c.Property("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex).Default(-1);
  c.Property("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns).Default(1);
}

void PublishPanel(TClassBuilder<TCustomPanel>& c) {
  c.Property("BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner, BevelCutNames).Default(bvNone);
  c.Property("BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter, BevelCutNames).Default(bvRaised);
  c.Property("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth).Default(1);
  c.Property("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth).Default(0);
  c.Property("BorderStyle", &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle, BorderStyleNames).Default(bsNone);
  c.Property("Alignment", &TCustomPanel::Alignment, &TCustomPanel::SetAlignment, AlignmentNames).Default(taCenter);
}

void PublishBevel(TClassBuilder<TBevel>& c) {
  c.Property("Shape", &TBevel::Shape, &TBevel::SetShape, BevelShapeNames).Default(bsBox);
  c.Property("Style", &TBevel::Style, &TBevel::SetStyle, BevelStyleNames).Default(bsLowered);
}

void PublishSplitter(TClassBuilder<TSplitter>& c) {
  c.Property("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize).Default(30);
  c.Property("Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled).Default(false);
  c.Event("OnMoved", &TSplitter::OnMoved);
}

void RegisterStdCtrls() {
  RegisterClass<TCustomEdit, TWinControl>("TCustomEdit", PublishEdit);
  RegisterClass<TEdit, TCustomEdit>("TEdit");
  RegisterClass<TCustomMemo, TCustomEdit>("TCustomMemo", PublishMemo);
  RegisterClass<TMemo, TCustomMemo>("TMemo");
  RegisterClass<TCustomLabel, TGraphicControl>("TCustomLabel", PublishLabel);
  RegisterClass<TLabel, TCustomLabel>("TLabel");
  RegisterClass<TButtonControl, TCustomControl>("TButtonControl");
  RegisterClass<TButton, TButtonControl>("TButton", PublishButton);
  RegisterClass<TCheckControl, TButtonControl>("TCheckControl", PublishCheckControl);
  RegisterClass<TCustomCheckBox, TCheckControl>("TCustomCheckBox", PublishCheckBox);
  RegisterClass<TCheckBox, TCustomCheckBox>("TCheckBox");
  RegisterClass<TRadioButton, TCheckControl>("TRadioButton");
  RegisterClass<TCustomGroupBox, TCustomControl>("TCustomGroupBox");
  RegisterClass<TGroupBox, TCustomGroupBox>("TGroupBox");
  RegisterClass<TRadioGroup, TCustomGroupBox>("TRadioGroup", PublishRadioGroup);
}

void RegisterExtCtrls() {
  RegisterClass<TBitmap, TPersistent>("TBitmap");
  RegisterClass<TPicture, TPersistent>("TPicture");
  RegisterClass<TSpeedButton, TGraphicControl>("TSpeedButton", PublishSpeedButton);
  RegisterClass<TCustomPanel, TCustomControl>("TCustomPanel", PublishPanel);
  RegisterClass<TPanel, TCustomPanel>("TPanel");
  RegisterClass<TBevel, TGraphicControl>("TBevel", PublishBevel);
  RegisterClass<TSplitter, TGraphicControl>("TSplitter", PublishSplitter);
}

}  // namespace

TIdentMap ColorIdents() { return Colors; }
TIdentMap CursorIdents() { return Cursors; }

void RegisterStandardControlClasses() {
  RegisterStdCtrls();
  RegisterExtCtrls();
}
