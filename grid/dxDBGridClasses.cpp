// Published properties and events of the grid's classes, so that stored layouts create and set
// them by name.
#include "grid/dxDBGridClasses.h"

#include "classes/Properties.h"
#include "controls/StdControlClasses.h"
#include "grid/dxDBGrid.h"
#include "grid/dxDBColumnClasses_p.h"
#include "treelist/dxTLClasses.h"

namespace {

void PublishSummaryItem(TClassBuilder<TdxDBGridSummaryItem>& c) {
  using C = TdxDBGridSummaryItem;
  c.Property("ColumnName", &C::ColumnName, &C::SetColumnName);
  c.Property("SummaryField", &C::SummaryField, &C::SetSummaryField);
  c.Property("SummaryFormat", &C::SummaryFormat, &C::SetSummaryFormat);
  c.Property("SummaryType", &C::SummaryType, &C::SetSummaryType, SummaryTypeNames).Default(cstNone);
  c.Event("OnSummary", &C::OnSummary);
}

void PublishSummaryGroup(TClassBuilder<TdxDBGridSummaryGroup>& c) {
  using C = TdxDBGridSummaryGroup;
  c.Property("BeginSummaryText", &C::BeginSummaryText, &C::SetBeginSummaryText);
  c.Property("EndSummaryText", &C::EndSummaryText, &C::SetEndSummaryText);
  c.Property("DefaultGroup", &C::DefaultGroup, &C::SetDefaultGroup).Default(false);
  c.Property("SummaryItems", &C::SummaryItems);
  c.Property("Name", &C::Name, &C::SetName);
}

void PublishDBColumn(TClassBuilder<TdxDBTreeListColumn>& c) {
  using C = TdxDBTreeListColumn;
  c.Property("DisableGrouping", &C::DisableGrouping, &C::SetDisableGrouping).Default(false);
  c.Property("FieldName", &C::FieldName, &C::SetFieldName);
  c.Property("SummaryFooterType", &C::SummaryFooterType, &C::SetSummaryFooterType, SummaryTypeNames).Default(cstNone);
  c.Property("SummaryFooterField", &C::SummaryFooterField, &C::SetSummaryFooterField);
  c.Property("SummaryFooterFormat", &C::SummaryFooterFormat, &C::SetSummaryFooterFormat);
  c.Event("OnGetText", &C::OnGetText);
  c.Event("OnCustomDraw", &C::OnCustomDraw);
  c.Event("OnCustomDrawHeader", &C::OnCustomDrawHeader);
  c.Event("OnSummaryFooter", &C::OnSummaryFooter);
  c.Event("OnDrawSummaryFooter", &C::OnDrawSummaryFooter);
}

void PublishCustomGrid(TClassBuilder<TCustomdxDBGrid>& c) {
  using C = TCustomdxDBGrid;
  c.Property("DefaultFields", &C::DefaultFields, &C::SetDefaultFields).Default(false);
  c.Property("KeyField", &C::KeyField, &C::SetKeyField);
  c.Property("PartialLoad", &C::PartialLoad, &C::SetPartialLoad).Stored(&C::IsMirrorStored);
  c.Property("PartialLoadBufferCount", &C::PartialLoadBufferCount, &C::SetPartialLoadBufferCount).Default(100);
  c.Property("ShowGroupPanel", &C::ShowGroupPanel, &C::SetShowGroupPanel).Default(false);
  c.Property("ShowSummaryFooter", &C::ShowSummaryFooter, &C::SetShowSummaryFooter).Default(false);
  c.Property("SummaryGroups", &C::SummaryGroups);
  c.Property("SummarySeparator", &C::SummarySeparator, &C::SetSummarySeparator).Default(String(", "));
  c.Property("UseBookmarks", &C::UseBookmarks, &C::SetUseBookmarks).Stored(&C::IsMirrorStored);
}

void PublishGrid(TClassBuilder<TdxDBGrid>& c) {
  using C = TdxDBGrid;
  c.Property("DataSource", &C::DataSource, &C::SetDataSource);
  c.Property("Filter", &C::Filter);
  c.Event("OnFilterChanged", &C::OnFilterChanged);
  c.Event("OnEnumFilterValues", &C::OnEnumFilterValues);
  c.Property("GrIndicatorWidth", &C::GrIndicatorWidth, &C::SetGrIndicatorWidth).Default(12);
  c.Property("GroupPanelColor", &C::GroupPanelColor, &C::SetGroupPanelColor).Default(clBtnShadow).Idents(ColorIdents());
  c.Property("GroupPanelFontColor", &C::GroupPanelFontColor, &C::SetGroupPanelFontColor)
      .Default(clBtnFace)
      .Idents(ColorIdents());
  c.Property("PreviewFieldName", &C::PreviewFieldName, &C::SetPreviewFieldName);
  c.Property("PreviewMaxLength", &C::PreviewMaxLength, &C::SetPreviewMaxLength).Default(0);
  c.SetProperty("Options", &C::Options, &C::SetOptions, DBGridOptionNames).Stored(&C::IsMirrorStored);
  c.SetProperty("OptionsEx", &C::OptionsEx, &C::SetOptionsEx, DBGridOptionExNames).Stored(&C::IsMirrorStored);
  c.SetProperty("OptionsBehavior", &C::OptionsBehavior, &C::SetOptionsBehavior, DBGridOptionBehaviorNames)
      .Default(DefaultOptionsBehavior);
  c.SetProperty("OptionsCustomize", &C::OptionsCustomize, &C::SetOptionsCustomize, DBGridOptionCustomizeNames)
      .Default(DefaultOptionsCustomize);
  c.SetProperty("OptionsDB", &C::OptionsDB, &C::SetOptionsDB, DBGridOptionDBNames).Default(DefaultOptionsDB);
  c.SetProperty("OptionsView", &C::OptionsView, &C::SetOptionsView, DBGridOptionViewNames).Default(DefaultOptionsView);
  c.Event("OnAddGroupColumn", &C::OnAddGroupColumn);
  c.Event("OnBackgroundDrawEvent", &C::OnBackgroundDrawEvent);
  c.Event("OnBeforeCalcSummary", &C::OnBeforeCalcSummary);
  c.Event("OnCalcSummary", &C::OnCalcSummary);
  c.Event("OnChangeNodeEx", &C::OnChangeNodeEx);
  c.Event("OnClearNodeData", &C::OnClearNodeData);
  c.Event("OnColumnSorting", &C::OnColumnSorting);
  c.Event("OnEndDragGroupColumn", &C::OnEndDragGroupColumn);
  c.Event("OnGetEditColor", &C::OnGetEditColor);
  c.Event("OnGetPreviewText", &C::OnGetPreviewText);
  c.Event("OnRefreshNodeData", &C::OnRefreshNodeData);
  c.Event("OnReloadGroupList", &C::OnReloadGroupList);
  c.Event("OnCustomDraw", &C::OnCustomDraw);
  c.Event("OnColumnClick", &C::OnColumnClick);
  c.Event("OnShowColumn", &C::OnShowColumn);
  c.Event("OnHideColumn", &C::OnHideColumn);
}

}  // namespace

void RegisterGridClasses() {
  RegisterTreeListClasses();
  RegisterGridFilterClasses();
  RegisterClass<TdxDBGridSummaryItem, TCollectionItem>("TdxDBGridSummaryItem", PublishSummaryItem);
  RegisterClass<TdxDBGridSummaryItems, TCollection>("TdxDBGridSummaryItems");
  RegisterClass<TdxDBGridSummaryGroup, TCollectionItem>("TdxDBGridSummaryGroup", PublishSummaryGroup);
  RegisterClass<TdxDBGridSummaryGroups, TCollection>("TdxDBGridSummaryGroups");
  RegisterClass<TdxDBTreeListColumn, TdxTreeListColumn>("TdxDBTreeListColumn", PublishDBColumn);
  RegisterColumnClasses();
  RegisterClass<TCustomdxDBTreeListControl, TCustomdxTreeListControl>("TCustomdxDBTreeListControl");
  RegisterClass<TCustomdxDBGrid, TCustomdxDBTreeListControl>("TCustomdxDBGrid", PublishCustomGrid);
  RegisterClass<TdxDBGrid, TCustomdxDBGrid>("TdxDBGrid", PublishGrid);
}
