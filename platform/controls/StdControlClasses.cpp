// Published properties of the standard controls, and the colour and cursor identifiers.
#include "controls/StdControlClasses.h"
#include "controls/ControlClasses_p.h"

#include "controls/Bevel.h"
#include "controls/ComboBox.h"
#include "controls/GroupBox.h"
#include "controls/HintWindow.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/ListBox.h"
#include "controls/ListView.h"
#include "controls/Memo.h"
#include "controls/Notebook.h"
#include "controls/PageControl.h"
#include "controls/Panel.h"
#include "controls/ProgressBar.h"
#include "controls/ScrollBar.h"
#include "controls/SpeedButton.h"
#include "controls/Splitter.h"
#include "controls/StatusBar.h"
#include "graphics/ImageList.h"

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
  c.Property("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection).Default(true);
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

void PublishImageList(TClassBuilder<TImageList>& c) {
  c.Property("Width", &TImageList::Width, &TImageList::SetWidth).Default(16);
  c.Property("Height", &TImageList::Height, &TImageList::SetHeight).Default(16);
  c.Property("BkColor", &TImageList::BkColor, &TImageList::SetBkColor).Default(clNone).Idents(Colors);
  c.Property("BlendColor", &TImageList::BlendColor, &TImageList::SetBlendColor).Default(clNone).Idents(Colors);
  c.Property("DrawingStyle", &TImageList::DrawingStyle, &TImageList::SetDrawingStyle, DrawingStyleNames)
      .Default(TDrawingStyle::dsNormal);
  c.Property("ImageType", &TImageList::ImageType, &TImageList::SetImageType, ImageTypeNames).Default(TImageType::itImage);
  c.Property("Masked", &TImageList::Masked, &TImageList::SetMasked).Default(true);
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

void PublishListBox(TClassBuilder<TCustomListBox>& c) {
  c.Property("Items", &TCustomListBox::Items);
  c.Property("ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex).Default(-1);
  c.Property("MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect).Default(false);
  c.Property("ExtendedSelect", &TCustomListBox::ExtendedSelect, &TCustomListBox::SetExtendedSelect).Default(true);
  c.Property("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted).Default(false);
  c.Property("Columns", &TCustomListBox::Columns, &TCustomListBox::SetColumns).Default(0);
  c.Property("Style", &TCustomListBox::Style, &TCustomListBox::SetStyle, ListBoxStyleNames).Default(lbStandard);
  c.Property("ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight).Stored(&TCustomListBox::IsItemHeightStored);
  c.Property("BorderStyle", &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle, BorderStyleNames).Default(bsSingle);
  c.Event("OnDrawItem", &TCustomListBox::OnDrawItem);
}

void PublishComboBox(TClassBuilder<TCustomComboBox>& c) {
  c.Property("Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle, ComboBoxStyleNames).Default(csDropDown);
  c.Property("Items", &TCustomComboBox::Items);
  c.Property("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex).Default(-1);
  c.Property("Text", &TCustomComboBox::Text, &TCustomComboBox::SetText);
  c.Property("MaxLength", &TCustomComboBox::MaxLength, &TCustomComboBox::SetMaxLength).Default(0);
  c.Property("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount).Default(8);
  c.Property("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted).Default(false);
  c.Event("OnChange", &TCustomComboBox::OnChange);
  c.Event("OnSelect", &TCustomComboBox::OnSelect);
  c.Event("OnDropDown", &TCustomComboBox::OnDropDown);
  c.Event("OnCloseUp", &TCustomComboBox::OnCloseUp);
}

void PublishListColumn(TClassBuilder<TListColumn>& c) {
  c.Property("Caption", &TListColumn::Caption, &TListColumn::SetCaption);
  c.Property("Width", &TListColumn::Width, &TListColumn::SetWidth).Default(50);
  c.Property("Alignment", &TListColumn::Alignment, &TListColumn::SetAlignment, AlignmentNames).Default(taLeftJustify);
}

void PublishListView(TClassBuilder<TCustomListView>& c) {
  c.Property("Columns", &TCustomListView::Columns);
  c.Property("ViewStyle", &TCustomListView::ViewStyle, &TCustomListView::SetViewStyle, ViewStyleNames).Default(vsIcon);
  c.Property("GridLines", &TCustomListView::GridLines, &TCustomListView::SetGridLines).Default(false);
  c.Property("RowSelect", &TCustomListView::RowSelect, &TCustomListView::SetRowSelect).Default(false);
  c.Property("ReadOnly", &TCustomListView::ReadOnly, &TCustomListView::SetReadOnly).Default(false);
  c.Property("ShowColumnHeaders", &TCustomListView::ShowColumnHeaders, &TCustomListView::SetShowColumnHeaders).Default(true);
  c.Property("ColumnClick", &TCustomListView::ColumnClick, &TCustomListView::SetColumnClick).Default(true);
  c.Property("MultiSelect", &TCustomListView::MultiSelect, &TCustomListView::SetMultiSelect).Default(false);
  c.Property("HideSelection", &TCustomListView::HideSelection, &TCustomListView::SetHideSelection).Default(true);
  c.Property("BorderStyle", &TCustomListView::BorderStyle, &TCustomListView::SetBorderStyle, BorderStyleNames).Default(bsSingle);
  c.Event("OnSelectItem", &TCustomListView::OnSelectItem);
  c.Event("OnChange", &TCustomListView::OnChange);
  c.Event("OnColumnClick", &TCustomListView::OnColumnClick);
}

void PublishNotebook(TClassBuilder<TNotebook>& c) {
  c.Property("PageIndex", &TNotebook::PageIndex, &TNotebook::SetPageIndex).Default(0);
  c.Event("OnPageChanged", &TNotebook::OnPageChanged);
}

void PublishPageControl(TClassBuilder<TPageControl>& c) {
  c.Property("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
  c.Property("Style", &TPageControl::Style, &TPageControl::SetStyle, TabStyleNames).Default(tsTabs);
  c.Event("OnChange", &TPageControl::OnChange);
  c.Event("OnChanging", &TPageControl::OnChanging);
}

void PublishStatusPanel(TClassBuilder<TStatusPanel>& c) {
  c.Property("Text", &TStatusPanel::Text, &TStatusPanel::SetText);
  c.Property("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth).Default(50);
  c.Property("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment, AlignmentNames).Default(taLeftJustify);
  c.Property("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel, StatusPanelBevelNames).Default(pbLowered);
}

void PublishStatusBar(TClassBuilder<TStatusBar>& c) {
  c.Property("Panels", &TStatusBar::Panels);
  c.Property("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel).Default(false);
  c.Property("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
  c.Property("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip).Default(true);
}

void PublishProgressBar(TClassBuilder<TProgressBar>& c) {
  c.Property("Min", &TProgressBar::Min, &TProgressBar::SetMin).Default(0);
  c.Property("Max", &TProgressBar::Max, &TProgressBar::SetMax).Default(100);
  c.Property("Position", &TProgressBar::Position, &TProgressBar::SetPosition).Default(0);
  c.Property("Step", &TProgressBar::Step, &TProgressBar::SetStep).Default(10);
  c.Property("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth).Default(false);
  c.Property("Orientation", &TProgressBar::Orientation, &TProgressBar::SetOrientation, ProgressBarOrientationNames).Default(pbHorizontal);
}

void PublishImage(TClassBuilder<TImage>& c) {
  c.Property("Picture", &TImage::Picture);
  c.Property("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false);
  c.Property("Center", &TImage::Center, &TImage::SetCenter).Default(false);
  c.Property("Proportional", &TImage::Proportional, &TImage::SetProportional).Default(false);
  c.Property("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(false);
  c.Property("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).Default(false);
}

void PublishScrollBar(TClassBuilder<TScrollBar>& c) {
  c.Property("Kind", &TScrollBar::Kind, &TScrollBar::SetKind, ScrollBarKindNames).Default(sbHorizontal);
  c.Property("Min", &TScrollBar::Min, &TScrollBar::SetMin).Default(0);
  c.Property("Max", &TScrollBar::Max, &TScrollBar::SetMax).Default(100);
  c.Property("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize).Default(0);
  c.Property("Position", &TScrollBar::Position, &TScrollBar::SetPosition).Default(0);
  c.Property("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange).Default(1);
  c.Property("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange).Default(1);
  c.Event("OnChange", &TScrollBar::OnChange);
  c.Event("OnScroll", &TScrollBar::OnScroll);
}

void RegisterListControls() {
  RegisterClass<TCustomListBox, TCustomControl>("TCustomListBox", PublishListBox);
  RegisterClass<TListBox, TCustomListBox>("TListBox");
  RegisterClass<TCustomComboBox, TCustomControl>("TCustomComboBox", PublishComboBox);
  RegisterClass<TComboBox, TCustomComboBox>("TComboBox");
  RegisterClass<TListColumn, TCollectionItem>("TListColumn", PublishListColumn);
  RegisterClass<TCustomListView, TCustomControl>("TCustomListView", PublishListView);
  RegisterClass<TListView, TCustomListView>("TListView");
}

void RegisterComCtrls() {
  RegisterClass<TPage, TCustomControl>("TPage");
  RegisterClass<TNotebook, TCustomControl>("TNotebook", PublishNotebook);
  RegisterClass<TTabSheet, TCustomControl>("TTabSheet", [](TClassBuilder<TTabSheet>& c) {
    c.Property("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible).Default(true);
  });
  RegisterClass<TPageControl, TCustomControl>("TPageControl", PublishPageControl);
  RegisterClass<TStatusPanel, TCollectionItem>("TStatusPanel", PublishStatusPanel);
  RegisterClass<TStatusBar, TCustomControl>("TStatusBar", PublishStatusBar);
  RegisterClass<TProgressBar, TCustomControl>("TProgressBar", PublishProgressBar);
  RegisterClass<TImage, TGraphicControl>("TImage", PublishImage);
  RegisterClass<TScrollBar, TCustomControl>("TScrollBar", PublishScrollBar);
  RegisterClass<THintWindow, TCustomControl>("THintWindow");
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
  RegisterClass<TImageList, TComponent>("TImageList", PublishImageList);
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
  RegisterListControls();
  RegisterComCtrls();
}
