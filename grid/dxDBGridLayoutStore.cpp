// The grid's additions to the tree list's stored layout: each column's grouping and the group
// panel, new-item row, row footer and summary footer switches. A missing value keeps what is set.
#include "editors/dxRegIniWrapper.h"
#include "grid/dxDBGrid.h"

void TCustomdxDBGrid::ReadColumnLayout(TdxRegIniWrapper& Wrapper, const String& Key, TdxTreeListColumn* Column) {
  if (auto* column = dynamic_cast<TdxDBTreeListColumn*>(Column))
    column->SetGroupIndex(Wrapper.ReadInteger(Key, "GroupIndex", column->GroupIndex()));
  TCustomdxDBTreeListControl::ReadColumnLayout(Wrapper, Key, Column);
}

void TCustomdxDBGrid::ReadGridLayout(TdxRegIniWrapper& Wrapper, const String& Path) {
  TCustomdxDBTreeListControl::ReadGridLayout(Wrapper, Path);
  SetShowGroupPanel(Wrapper.ReadBool(Path, "ShowGroupPanel", ShowGroupPanel()));
  SetShowNewItemRow(Wrapper.ReadBool(Path, "ShowNewItemRow", ShowNewItemRow()));
  SetShowRowFooter(Wrapper.ReadBool(Path, "ShowRowFooter", ShowRowFooter()));
  SetShowSummaryFooter(Wrapper.ReadBool(Path, "ShowSummaryFooter", ShowSummaryFooter()));
}

void TCustomdxDBGrid::WriteColumnLayout(TdxRegIniWrapper& Wrapper, const String& Key, TdxTreeListColumn* Column) {
  TCustomdxDBTreeListControl::WriteColumnLayout(Wrapper, Key, Column);
  if (auto* column = dynamic_cast<TdxDBTreeListColumn*>(Column))
    Wrapper.WriteInteger(Key, "GroupIndex", column->GroupIndex());
}

void TCustomdxDBGrid::WriteGridLayout(TdxRegIniWrapper& Wrapper, const String& Path) {
  TCustomdxDBTreeListControl::WriteGridLayout(Wrapper, Path);
  Wrapper.WriteBool(Path, "ShowGroupPanel", ShowGroupPanel());
  Wrapper.WriteBool(Path, "ShowNewItemRow", ShowNewItemRow());
  Wrapper.WriteBool(Path, "ShowRowFooter", ShowRowFooter());
  Wrapper.WriteBool(Path, "ShowSummaryFooter", ShowSummaryFooter());
}
