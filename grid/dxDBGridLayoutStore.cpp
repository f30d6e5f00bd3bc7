// The grid's additions to the tree list's stored layout: each column's grouping and the group
// panel, new-item row, row footer and summary footer switches, and the filter (registry stores
// only). A missing value keeps what is set.
#include <vector>

#include "editors/dxRegIniWrapper.h"
#include "grid/dxDBGrid.h"
#include "rtl/Streams.h"

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
  // The filter last, so that it applies to the group panel read above; only the registry keeps it.
  const int size = Wrapper.ReadBinaryData(Path, "Filter", nullptr, 0);
  if (size <= 0) return;
  std::vector<uint8_t> data(size_t(size), 0);
  Wrapper.ReadBinaryData(Path, "Filter", data.data(), size);
  TMemoryStream stream;
  stream.WriteBuffer(data.data(), size);
  stream.SetPosition(0);
  ReadFilterFromStream(*FFilter, stream);
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
  TMemoryStream stream;
  WriteFilterToStream(*FFilter, stream);
  Wrapper.WriteBinaryData(Path, "Filter", stream.Memory(), int(stream.Size()));
}
