// The layout store: the control's view values, its bands and its columns saved to and read from an
// INI file or the registry through the settings wrapper, one key per band and per column under the
// control's path; and the once-only automatic load after loading and save before destruction.
#include <algorithm>

#include "controls/Forms.h"
#include "rtl/ScopeExit.h"
#include "settings/IniFiles.h"
#include "settings/RegIniFile.h"
#include "treelist/dxTLControl.h"

namespace {

// Stored widths beyond this are not a layout anyone made; they would overflow the width sums.
constexpr int MaxStoredWidth = 100000;

// One leading "\" and no trailing one.
String NormalizeLayoutPath(String Path) {
  if (!Path.empty() && Path[0] != '\\') Path.insert(Path.begin(), '\\');
  while (!Path.empty() && Path.back() == '\\') Path.pop_back();
  return Path;
}

String BandKey(const String& Path, int N) { return Path + "\\Band\\Band" + std::to_string(N); }

String ColumnKey(const String& Path, const TdxTreeListColumn* Column) { return Path + "\\Columns\\" + Column->Name(); }

int StoredWidth(int Value, int MinWidth) { return std::clamp(Value, MinWidth, std::max(MinWidth, MaxStoredWidth)); }

// An INI store loses the sections of the layout at Path and below it: the section Path itself and
// those starting with Path and "\", not those of another control whose name merely starts the same.
// The registry keeps its keys, and an empty path (the whole file) erases nothing.
void EraseStoredLayout(TdxRegIniWrapper& Wrapper, const String& Path) {
  if (Path.empty() || dynamic_cast<TRegIniFile*>(Wrapper.Store())) return;
  Wrapper.EraseSectionsWithPrefix(Path + "\\");
  Wrapper.EraseSection(Path);
}

// Puts the items in the order of their stored indexes; equal indexes keep their order, and a
// negative index counts as the item's present place.
template <class T>
std::vector<T*> OrderByStoredIndex(std::vector<std::pair<int, T*>> Items) {
  std::stable_sort(Items.begin(), Items.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<T*> ordered;
  for (const auto& item : Items) ordered.push_back(item.second);
  return ordered;
}

}  // namespace

// --- entry points -----------------------------------------------------------------------------------

void TCustomdxTreeListControl::LoadLayoutFromIniFile(const String& FileName) {
  TMemIniFile ini(FileName);
  String section = FIniSectionName;
  if (section.empty()) {
    TCustomForm* form = GetParentForm(this);
    section = (form ? form->Name() : String()) + "_" + Name();
  }
  LoadLayout(&ini, section);
}

void TCustomdxTreeListControl::SaveLayoutToIniFile(const String& FileName) {
  TMemIniFile ini(FileName);
  SaveLayout(&ini, FIniSectionName.empty() ? FParentFormName + "_" + Name() : FIniSectionName);
  ini.UpdateFile();
}

void TCustomdxTreeListControl::LoadLayoutFromRegistry(const String& Path) {
  TRegIniFile registry("");
  if (!registry.OpenKey(Path, false)) return;
  registry.CloseKey();
  LoadLayout(&registry, Path);
}

void TCustomdxTreeListControl::SaveLayoutToRegistry(const String& Path) {
  TRegIniFile registry("");
  SaveLayout(&registry, Path);
}

void TCustomdxTreeListControl::LoadStoredLayout() {
  if (FLayoutLoaded || (ComponentState() & csDesigning)) return;
  FLayoutLoaded = true;
  if ((GetOptions() & tloStoreToRegistry) && !FRegistryPath.empty()) LoadLayoutFromRegistry(FRegistryPath);
  if ((GetOptions() & tloStoreToIniFile) && !FIniFileName.empty()) LoadLayoutFromIniFile(FIniFileName);
}

void TCustomdxTreeListControl::SaveStoredLayout() {
  if (FLayoutSaved || (ComponentState() & csDesigning)) return;
  FLayoutSaved = true;
  if ((GetOptions() & tloStoreToRegistry) && !FRegistryPath.empty()) SaveLayoutToRegistry(FRegistryPath);
  if ((GetOptions() & tloStoreToIniFile) && !FIniFileName.empty()) SaveLayoutToIniFile(FIniFileName);
}

// --- loading ----------------------------------------------------------------------------------------

void TCustomdxTreeListControl::LoadLayout(TCustomIniFile* Store, const String& Path) {
  const String path = NormalizeLayoutPath(Path);
  TdxRegIniWrapper wrapper(Store);
  InsideSortingUpdate([&] {
    ReadGridLayout(wrapper, path);

    std::vector<std::pair<int, TdxTreeListBand*>> bands;
    for (int n = 0; n < FBands->Count(); ++n) {
      const String key = BandKey(path, n);
      const int id = wrapper.ReadInteger(key, "ID", -1);
      auto* band = id == -1 ? nullptr : static_cast<TdxTreeListBand*>(FBands->FindItemID(id));
      if (!band) continue;
      band->SetVisible(wrapper.ReadBool(key, "Visible", band->Visible()));
      band->SetWidth(StoredWidth(wrapper.ReadInteger(key, "Width", band->Width()), band->MinWidth()));
      const int index = wrapper.ReadInteger(key, "Index", band->Index());
      bands.emplace_back(index < 0 ? band->Index() : index, band);
    }
    const std::vector<TdxTreeListBand*> bandOrder = OrderByStoredIndex(bands);
    for (size_t i = 0; i < bandOrder.size(); ++i) bandOrder[i]->SetIndex(int(i));

    std::vector<std::pair<int, TdxTreeListColumn*>> columns;
    for (TdxTreeListColumn* column : std::vector<TdxTreeListColumn*>(FColumns)) {
      const String key = ColumnKey(path, column);
      ReadColumnLayout(wrapper, key, column);
      const int index = wrapper.ReadInteger(key, "Index", ColumnIndexOf(column));
      columns.emplace_back(index < 0 ? ColumnIndexOf(column) : index, column);
    }
    const std::vector<TdxTreeListColumn*> columnOrder = OrderByStoredIndex(columns);
    for (size_t i = 0; i < columnOrder.size(); ++i) MoveColumnIndex(columnOrder[i], int(i));

    {
      TDepthScope layoutLoading(FLayoutLoadCount);
      for (TdxTreeListColumn* column : FColumns) {
        const String key = ColumnKey(path, column);
        column->SetBandIndex(wrapper.ReadInteger(key, "BandIndex", column->BandIndex()));
        column->SetRowIndex(wrapper.ReadInteger(key, "RowIndex", column->RowIndex()));
        column->FStoredRowIndex = std::max(0, wrapper.ReadInteger(key, "StoredRowIndex", column->FStoredRowIndex));
      }
    }
    ColumnChanged(nullptr);
    if (IsMultiSort()) RebuildSortedColumns();
  });
}

void TCustomdxTreeListControl::ReadGridLayout(TdxRegIniWrapper& Wrapper, const String& Path) {
  SetShowGrid(Wrapper.ReadBool(Path, "ShowGrid", ShowGrid()));
  SetShowPreviewGrid(Wrapper.ReadBool(Path, "ShowPreviewGrid", ShowPreviewGrid()));
  SetBandRowCount(Wrapper.ReadInteger(Path, "BandRowCount", FBandRowCount));
  SetDefaultRowHeight(Wrapper.ReadInteger(Path, "DefaultRowHeight", DefaultRowHeight()));
  const int headerRows = Wrapper.ReadInteger(Path, "HeaderPanelRowCount", FHeaderPanelRowCount);
  if (headerRows == -1) return;
  ResetAutoHeaderPanelHeight();
  SetHeaderPanelRowCount(headerRows);
}

void TCustomdxTreeListControl::ReadColumnLayout(TdxRegIniWrapper& Wrapper, const String& Key, TdxTreeListColumn* Column) {
  Column->SetVisible(Wrapper.ReadBool(Key, "Visible", Column->Visible()));
  Column->SetWidth(StoredWidth(Wrapper.ReadInteger(Key, "Width", Column->Width()), Column->MinWidth()));
  // An ordinal that is no sort kind means no sorting.
  const int sorted = Wrapper.ReadInteger(Key, "Sorted", Column->Sorted());
  Column->SetSorted(sorted >= csNone && sorted <= csUp ? TdxTreeListColumnSort(sorted) : csNone);
  Column->StoredSortedOrder = Wrapper.ReadInteger(Key, "SortedOrder", -1);
}

// --- saving -----------------------------------------------------------------------------------------

void TCustomdxTreeListControl::SaveLayout(TCustomIniFile* Store, const String& Path) {
  const String path = NormalizeLayoutPath(Path);
  TdxRegIniWrapper wrapper(Store);
  EraseStoredLayout(wrapper, path);
  WriteGridLayout(wrapper, path);
  for (TdxTreeListColumn* column : FColumns) WriteColumnLayout(wrapper, ColumnKey(path, column), column);
}

void TCustomdxTreeListControl::WriteGridLayout(TdxRegIniWrapper& Wrapper, const String& Path) {
  Wrapper.WriteBool(Path, "ShowGrid", ShowGrid());
  Wrapper.WriteBool(Path, "ShowPreviewGrid", ShowPreviewGrid());
  Wrapper.WriteInteger(Path, "BandRowCount", FBandRowCount);
  Wrapper.WriteInteger(Path, "DefaultRowHeight", DefaultRowHeight());
  Wrapper.WriteInteger(Path, "HeaderPanelRowCount", IsAutoHeaderPanelHeight() ? -1 : FHeaderPanelRowCount);
  for (int n = 0; n < FBands->Count(); ++n) {
    const TdxTreeListBand* band = FBands->Items(n);
    const String key = BandKey(Path, n);
    Wrapper.WriteInteger(key, "ID", band->ID());
    Wrapper.WriteBool(key, "Visible", band->Visible());
    Wrapper.WriteInteger(key, "Index", band->Index());
    Wrapper.WriteInteger(key, "Width", band->Width());
  }
}

void TCustomdxTreeListControl::WriteColumnLayout(TdxRegIniWrapper& Wrapper, const String& Key, TdxTreeListColumn* Column) {
  Wrapper.WriteInteger(Key, "BandIndex", Column->BandIndex());
  Wrapper.WriteInteger(Key, "RowIndex", Column->RowIndex());
  Wrapper.WriteInteger(Key, "ColIndex", Column->ColIndex());
  Wrapper.WriteBool(Key, "Visible", Column->Visible());
  Wrapper.WriteInteger(Key, "Index", ColumnIndexOf(Column));
  Wrapper.WriteInteger(Key, "Width", Column->Width());
  Wrapper.WriteInteger(Key, "Sorted", Column->Sorted());
  Wrapper.WriteInteger(Key, "SortedOrder", Column->SortedOrder());
  Wrapper.WriteInteger(Key, "StoredRowIndex", Column->StoredRowIndex());
}
