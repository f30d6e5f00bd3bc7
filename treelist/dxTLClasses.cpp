// Published properties and events of the tree list's classes, so that stored layouts create and set
// them by name.
#include "treelist/dxTLClasses.h"

#include "classes/Properties.h"
#include "controls/Application.h"
#include "windows/Cursors.h"
#include "controls/StdControlClasses.h"
#include "editors/dxEditorClasses.h"
#include "treelist/dxTLControl.h"
#include "treelist/dxTLEditors.h"

namespace {

void PublishBand(TClassBuilder<TdxTreeListBand>& c) {
  c.Property("Alignment", &TdxTreeListBand::Alignment, &TdxTreeListBand::SetAlignment, AlignmentNames).Default(taCenter);
  c.Property("Caption", &TdxTreeListBand::Caption, &TdxTreeListBand::SetCaption);
  c.Property("DisableCustomizing", &TdxTreeListBand::DisableCustomizing, &TdxTreeListBand::SetDisableCustomizing)
      .Default(false);
  c.Property("DisableDragging", &TdxTreeListBand::DisableDragging, &TdxTreeListBand::SetDisableDragging).Default(false);
  c.Property("Fixed", &TdxTreeListBand::Fixed, &TdxTreeListBand::SetFixed, GridBandFixedNames).Default(bfNone);
  c.Property("MinWidth", &TdxTreeListBand::MinWidth, &TdxTreeListBand::SetMinWidth).Default(30);
  c.Property("OnlyOwnColumns", &TdxTreeListBand::OnlyOwnColumns, &TdxTreeListBand::SetOnlyOwnColumns).Default(false);
  c.Property("Sizing", &TdxTreeListBand::Sizing, &TdxTreeListBand::SetSizing).Default(true);
  c.Property("Visible", &TdxTreeListBand::Visible, &TdxTreeListBand::SetVisible).Default(true);
  c.Property("Width", &TdxTreeListBand::Width, &TdxTreeListBand::SetWidth).Default(250);
}

void PublishColumn(TClassBuilder<TdxTreeListColumn>& c) {
  using C = TdxTreeListColumn;
  c.Property("Alignment", &C::Alignment, &C::SetAlignment, AlignmentNames).Stored(&C::IsAlignmentStored).NoDefault();
  c.Property("Caption", &C::Caption, &C::SetCaption).Stored(&C::IsCaptionStored);
  c.Property("CharCase", &C::CharCase, &C::SetCharCase, EditCharCaseNames).Default(ecNormal);
  c.Property("Color", &C::Color, &C::SetColor).Stored(&C::IsColorStored).NoDefault().Idents(ColorIdents());
  c.Property("DisableCaption", &C::DisableCaption, &C::SetDisableCaption).Default(false);
  c.Property("DisableCustomizing", &C::DisableCustomizing, &C::SetDisableCustomizing).Default(false);
  c.Property("DisableDragging", &C::DisableDragging, &C::SetDisableDragging).Default(false);
  c.Property("DisableEditor", &C::DisableEditor, &C::SetDisableEditor).Default(false);
  c.Property("Font", &C::Font).Stored(&C::IsFontStored);
  c.Property("HeaderAlignment", &C::HeaderAlignment, &C::SetHeaderAlignment, AlignmentNames).Default(taLeftJustify);
  c.Property("HeaderGlyph", &C::HeaderGlyph).Stored(&C::IsHeaderGlyphStored);
  c.Property("MaxLength", &C::MaxLength, &C::SetMaxLength).Stored(&C::IsMaxLengthStored).NoDefault();
  c.Property("MinWidth", &C::MinWidth, &C::SetMinWidth).Default(20);
  c.Property("OEMConvert", &C::OEMConvert, &C::SetOEMConvert).Default(false);
  c.Property("PasswordChar", &C::PasswordCharText, &C::SetPasswordCharText);
  c.Property("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Stored(&C::IsReadOnlyStored).NoDefault();
  c.Property("Sizing", &C::Sizing, &C::SetSizing).Default(true);
  c.Property("Sorted", &C::Sorted, &C::SetSorted, TreeListColumnSortNames).Default(csNone);
  c.Property("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
  c.Property("VertAlignment", &C::VertAlignment, &C::SetVertAlignment, TextLayoutNames).Default(tlTop);
  c.Property("Visible", &C::Visible, &C::SetVisible).Default(true);
  c.Property("Width", &C::Width, &C::SetWidth).Stored(&C::IsWidthStored).NoDefault();
  c.Property("BandIndex", &C::BandIndex, &C::SetBandIndex);
  c.Property("RowIndex", &C::RowIndex, &C::SetRowIndex);
  c.Property("HeaderMaxLineCount", &C::HeaderMaxLineCount, &C::SetHeaderMaxLineCount).Default(1);
  c.Event("OnChange", &C::OnChange);
  c.Event("OnCustomDrawCell", &C::OnCustomDrawCell);
  c.Event("OnCustomDrawColumnHeader", &C::OnCustomDrawColumnHeader);
  c.Event("OnValidate", &C::OnValidate);
}

void PublishMaskColumn(TClassBuilder<TdxTreeListMaskColumn>& c) {
  c.Property("EditMask", &TdxTreeListMaskColumn::EditMask, &TdxTreeListMaskColumn::SetEditMask);
  c.Property("IgnoreMaskBlank", &TdxTreeListMaskColumn::IgnoreMaskBlank, &TdxTreeListMaskColumn::SetIgnoreMaskBlank)
      .Default(false);
}

void PublishTreeListColors(TClassBuilder<TCustomdxTreeList>& c) {
  using C = TCustomdxTreeList;
  const auto color = [&c](const char* Name, TColor (C::*Get)() const, void (C::*Set)(TColor), TColor Default) {
    c.Property(Name, Get, Set).Default(Default).Idents(ColorIdents());
  };
  color("ArrowsColor", &C::ArrowsColor, &C::SetArrowsColor, clLime);
  color("AutoSearchColor", &C::AutoSearchColor, &C::SetAutoSearchColor, clNone);
  color("AutoSearchTextColor", &C::AutoSearchTextColor, &C::SetAutoSearchTextColor, clNone);
  color("BandColor", &C::BandColor, &C::SetBandColor, clBtnFace);
  color("FixedBandLineColor", &C::FixedBandLineColor, &C::SetFixedBandLineColor, clWindowFrame);
  color("GridLineColor", &C::GridLineColor, &C::SetGridLineColor, clNone);
  color("GroupNodeColor", &C::GroupNodeColor, &C::SetGroupNodeColor, clBtnFace);
  color("GroupNodeTextColor", &C::GroupNodeTextColor, &C::SetGroupNodeTextColor, clNone);
  color("HeaderColor", &C::HeaderColor, &C::SetHeaderColor, clBtnFace);
  color("HideSelectionColor", &C::HideSelectionColor, &C::SetHideSelectionColor, clHighlight);
  color("HideSelectionTextColor", &C::HideSelectionTextColor, &C::SetHideSelectionTextColor, clHighlightText);
  color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor, clHighlight);
  color("HighlightTextColor", &C::HighlightTextColor, &C::SetHighlightTextColor, clHighlightText);
  color("RowFooterColor", &C::RowFooterColor, &C::SetRowFooterColor, cl3DLight);
  color("RowFooterTextColor", &C::RowFooterTextColor, &C::SetRowFooterTextColor, clWindowText);
}

void PublishTreeList(TClassBuilder<TCustomdxTreeList>& c) {
  using C = TCustomdxTreeList;
  PublishTreeListColors(c);
  c.Property("AutoExpandOnSearch", &C::AutoExpandOnSearch, &C::SetAutoExpandOnSearch).Default(true);
  c.Property("BandFont", &C::BandFont).Stored(&C::IsFontStored);
  c.Property("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, BorderStyleNames).Default(bsSingle);
  c.Property("CustomizingRowCount", &C::CustomizingRowCount, &C::SetCustomizingRowCount).Default(11);
  c.Property("DefaultRowHeight", &C::DefaultRowHeight, &C::SetDefaultRowHeight).Stored(&C::IsDefaultRowHeightStored);
  c.Property("DblClkExpanding", &C::DblClkExpanding, &C::SetDblClkExpanding).Default(true);
  c.Property("FixedBandLineWidth", &C::FixedBandLineWidth, &C::SetFixedBandLineWidth).Default(2);
  c.Property("HeaderFont", &C::HeaderFont).Stored(&C::IsFontStored);
  c.Property("HideFocusRect", &C::HideFocusRect, &C::SetHideFocusRect).Default(false);
  c.Property("HideSelection", &C::HideSelection, &C::SetHideSelection).Default(false);
  c.Property("IndentDesc", &C::IndentDesc, &C::SetIndentDesc).Default(20);
  c.Property("LookAndFeel", &C::LookAndFeel, &C::SetLookAndFeel, LookAndFeelNames).Default(lfStandard);
  c.Property("MaxRowLineCount", &C::MaxRowLineCount, &C::SetMaxRowLineCount).Default(-1);
  c.Property("PreviewFont", &C::PreviewFont).Stored(&C::IsFontStored);
  c.Property("PreviewLines", &C::PreviewLines, &C::SetPreviewLines).Default(2);
  c.Property("RowSeparatorLineWidth", &C::RowSeparatorLineWidth, &C::SetRowSeparatorLineWidth).Default(1);
  c.Property("ScrollBars", &C::ScrollBars, &C::SetScrollBars, ScrollStyleNames).Default(ssBoth);
  c.Property("ShowBands", &C::ShowBands, &C::SetShowBands).Default(false);
  c.Property("ShowGrid", &C::ShowGrid, &C::SetShowGrid).Default(true);
  c.Property("ShowHeader", &C::ShowHeader, &C::SetShowHeader).Default(true);
  c.Property("ShowHiddenInCustomizeBox", &C::ShowHiddenInCustomizeBox, &C::SetShowHiddenInCustomizeBox).Default(false);
  c.Property("ShowNewItemRow", &C::ShowNewItemRow, &C::SetShowNewItemRow).Default(false);
  c.Property("ShowPreviewGrid", &C::ShowPreviewGrid, &C::SetShowPreviewGrid).Default(true);
  c.Property("ShowRowFooter", &C::ShowRowFooter, &C::SetShowRowFooter).Default(false);
  c.Property("SimpleCustomizeBox", &C::SimpleCustomizeBox, &C::SetSimpleCustomizeBox).Default(false);
  c.Property("WaitForExpandNodeTime", &C::WaitForExpandNodeTime, &C::SetWaitForExpandNodeTime).Default(500u);
  c.Event("OnCanNodeSelected", &C::OnCanNodeSelected);
  c.Event("OnChangeColumn", &C::OnChangeColumn);
  c.Event("OnChangeNode", &C::OnChangeNode);
  c.Event("OnChangeLeftCoord", &C::OnChangeLeftCoord);
  c.Event("OnChangeTopVisibleNode", &C::OnChangeTopVisibleNode);
  c.Event("OnCollapsed", &C::OnCollapsed);
  c.Event("OnCollapsing", &C::OnCollapsing);
  c.Event("OnCompare", &C::OnCompare);
  c.Event("OnCustomDrawCell", &C::OnCustomDrawCell);
  c.Event("OnDeletion", &C::OnDeletion);
  c.Event("OnEditChange", &C::OnEditChange);
  c.Event("OnEdited", &C::OnEdited);
  c.Event("OnEditing", &C::OnEditing);
  c.Event("OnEditValidate", &C::OnEditValidate);
  c.Event("OnExpanded", &C::OnExpanded);
  c.Event("OnExpanding", &C::OnExpanding);
  c.Event("OnSelectedCountChange", &C::OnSelectedCountChange);
}

void PublishTreeListControl(TClassBuilder<TCustomdxTreeListControl>& c) {
  using C = TCustomdxTreeListControl;
  c.Property("Bands", &C::Bands);
  c.Property("BandMaxRowCount", &C::BandMaxRowCount, &C::SetBandMaxRowCount).Default(5);
  c.Property("BandRowCount", &C::BandRowCount, &C::SetBandRowCount).Default(1);
  c.Property("DefaultLayout", &C::DefaultLayout, &C::SetDefaultLayout).Default(true);
  c.Property("HeaderMinRowCount", &C::HeaderMinRowCount, &C::SetHeaderMinRowCount).Default(1);
  c.Property("HeaderPanelMaxRowCount", &C::HeaderPanelMaxRowCount, &C::SetHeaderPanelMaxRowCount).Default(5);
  c.Property("HeaderPanelRowCount", &C::HeaderPanelRowCount, &C::SetHeaderPanelRowCount)
      .Stored(&C::IsHeaderPanelRowCountStored);
  c.Property("IniFileName", &C::IniFileName, &C::SetIniFileName);
  c.Property("IniSectionName", &C::IniSectionName, &C::SetIniSectionName);
  c.Property("RegistryPath", &C::RegistryPath, &C::SetRegistryPath);
  c.Event("OnBandButtonClick", &C::OnBandButtonClick);
  c.Event("OnBandClick", &C::OnBandClick);
  c.Event("OnBeginDragNode", &C::OnBeginDragNode);
  c.Event("OnCalcRowLineHeight", &C::OnCalcRowLineHeight);
  c.Event("OnDragEndBand", &C::OnDragEndBand);
  c.Event("OnDragEndHeader", &C::OnDragEndHeader);
  c.Event("OnDragOverBand", &C::OnDragOverBand);
  c.Event("OnDragOverHeader", &C::OnDragOverHeader);
  c.Event("OnGetNodeDragText", &C::OnGetNodeDragText);
  c.Event("OnHeaderButtonClick", &C::OnHeaderButtonClick);
  c.Event("OnChangedColumnsWidth", &C::OnChangedColumnsWidth);
  c.Event("OnCustomDrawBand", &C::OnCustomDrawBand);
  c.Event("OnCustomDrawCell", &C::OnCustomDrawCell);
  c.Event("OnCustomDrawColumnHeader", &C::OnCustomDrawColumnHeader);
  c.Event("OnCustomDrawFooter", &C::OnCustomDrawFooter);
  c.Event("OnCustomDrawFooterNode", &C::OnCustomDrawFooterNode);
  c.Event("OnCustomDrawPreview", &C::OnCustomDrawPreview);
  c.Event("OnCustomDrawPreviewCell", &C::OnCustomDrawPreviewCell);
  c.Event("OnGetLevelColor", &C::OnGetLevelColor);
  c.Event("OnIsExistFooterCell", &C::OnIsExistFooterCell);
  c.Event("OnHeaderMoved", &C::OnHeaderMoved);
  c.Event("OnHideBand", &C::OnHideBand);
  c.Event("OnHideHeader", &C::OnHideHeader);
  c.Event("OnShowBand", &C::OnShowBand);
  c.Event("OnShowHeader", &C::OnShowHeader);
}

}  // namespace

namespace {

// The tree list's own cursors take the nearest shapes of the window system and the class library.
void RegisterTreeListCursors() {
  if (!Screen) return;
  const std::pair<TCursor, HCURSOR> shapes[] = {
      {crdxTLRemoveHeader, IDC_NO},       {crdxTLFullScroll, IDC_SIZEALL}, {crdxTLHorzScroll, IDC_SIZEWE},
      {crdxTLVertScroll, IDC_SIZENS},     {crdxTLUpScroll, IDC_UPARROW},   {crdxTLRightScroll, IDC_SIZEWE},
      {crdxTLDownScroll, IDC_SIZENS},     {crdxTLLeftScroll, IDC_SIZEWE},  {crdxTLDragCopy, IDC_DRAG},
      {crdxTLMultiDragCopy, IDC_MULTIDRAG},
  };
  for (const auto& [cursor, shape] : shapes) Screen->SetCursors(cursor, shape);
}

}  // namespace

void RegisterTreeListClasses() {
  RegisterEditorsClasses();
  RegisterTreeListCursors();
  RegisterClass<TdxTreeListBand, TCollectionItem>("TdxTreeListBand", PublishBand);
  RegisterClass<TdxTreeListBands, TCollection>("TdxTreeListBands");
  RegisterClass<TdxTreeListColumn, TComponent>("TdxTreeListColumn", PublishColumn);
  RegisterClass<TdxTreeListMaskColumn, TdxTreeListColumn>("TdxTreeListMaskColumn", PublishMaskColumn);
  RegisterClass<TdxTreeListEditStyle, TdxEditStyle>("TdxTreeListEditStyle");
  RegisterClass<TdxInplaceTreeListTextEdit, TdxInplaceTextEdit>("TdxInplaceTreeListTextEdit");
  RegisterClass<TdxInplaceTreeListMaskEdit, TdxInplaceMaskEdit>("TdxInplaceTreeListMaskEdit");
  RegisterClass<TCustomdxTreeList, TCustomdxContainer>("TCustomdxTreeList", PublishTreeList);
  RegisterClass<TCustomdxTreeListControl, TCustomdxTreeList>("TCustomdxTreeListControl", PublishTreeListControl);
}
