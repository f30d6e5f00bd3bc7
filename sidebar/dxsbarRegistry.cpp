// The side bar's groups and items in the current user's registry under RegistryPath:
// "GroupCount", then "Group<n>" keys (caption, icon type, item count) with "Item<m>" keys (the
// item's values as shown, and the name of its stored item when it has one).
#include <algorithm>
#include <vector>

#include "controls/Application.h"
#include "settings/Registry.h"
#include "sidebar/dxsbar_p.h"

namespace {

// More groups or items than this are damage, not a layout someone made.
constexpr int MaxStoredEntries = 1000;

struct TSavedItem {
  String Caption, CustomData, Hint, StoredItem;
  bool IsDefault = true;
  int LargeImage = -1, SmallImage = -1, Tag = 0;
};

struct TSavedGroup {
  String Caption = "New Group";
  int IconType = dxsgLargeIcon;
  std::vector<TSavedItem> Items;
};

String RootKey(const String& Path) { return "\\" + (Path.starts_with("\\") ? Path.substr(1) : Path); }
String GroupKey(const String& Root, int N) { return Root + "\\Group" + std::to_string(N); }
String ItemKey(const String& Group, int M) { return Group + "\\Item" + std::to_string(M); }

// Values are read with a default: a missing or mistyped value never ends the load.
int ReadInteger(TRegistry& Reg, const String& Name, int Default) {
  return Reg.GetDataType(Name) == rdInteger ? Reg.ReadInteger(Name) : Default;
}
String ReadString(TRegistry& Reg, const String& Name) {
  return Reg.GetDataType(Name) == rdString ? Reg.ReadString(Name) : String();
}

// A count below 1 means none.
int ReadCount(TRegistry& Reg, const String& Name) {
  const int count = ReadInteger(Reg, Name, 0);
  if (count > MaxStoredEntries) throw ERegistryException("注册表中的侧栏数据已损坏：" + Name + " = " + std::to_string(count));
  return std::max(count, 0);
}

TSavedItem ReadItem(TRegistry& Reg) {
  TSavedItem item;
  item.StoredItem = ReadString(Reg, "StoredItem");
  item.Caption = ReadString(Reg, "Caption");
  item.CustomData = ReadString(Reg, "CustomData");
  item.Hint = ReadString(Reg, "Hint");
  item.IsDefault = ReadInteger(Reg, "IsDefault", 1) != 0;
  item.LargeImage = ReadInteger(Reg, "LargeImage", -1);
  item.SmallImage = ReadInteger(Reg, "SmallImage", -1);
  item.Tag = ReadInteger(Reg, "Tag", 0);
  return item;
}

// A missing group key still makes a group with its defaults; a missing item key makes no item.
std::vector<TSavedGroup> ReadGroups(TRegistry& Reg, const String& Root) {
  std::vector<TSavedGroup> groups(static_cast<size_t>(ReadCount(Reg, "GroupCount")));
  for (size_t n = 0; n < groups.size(); ++n) {
    const String key = GroupKey(Root, static_cast<int>(n));
    if (!Reg.OpenKey(key, false)) continue;
    TSavedGroup& group = groups[n];
    group.Caption = ReadString(Reg, "Caption");
    group.IconType = ReadInteger(Reg, "IconType", dxsgLargeIcon) == dxsgSmallIcon ? dxsgSmallIcon : dxsgLargeIcon;
    const int count = ReadCount(Reg, "ItemCount");
    for (int m = 0; m < count; ++m)
      if (Reg.OpenKey(ItemKey(key, m), false)) group.Items.push_back(ReadItem(Reg));
  }
  return groups;
}

}  // namespace

void TdxSideBar::SaveToRegistry() {
  TRegistry reg;
  const String root = RootKey(FRegistryPath);
  if (!reg.OpenKey(root, true)) return;
  TStringList old;
  reg.GetKeyNames(&old);
  for (int i = 0; i < old.Count(); ++i) reg.DeleteKey(root + "\\" + old[i]);
  reg.WriteInteger("GroupCount", FGroups->Count());
  for (int n = 0; n < FGroups->Count(); ++n) {
    const TdxSideGroup* group = FGroups->Items(n);
    const String key = GroupKey(root, n);
    reg.OpenKey(key, true);
    reg.WriteString("Caption", group->Caption());
    reg.WriteInteger("IconType", group->IconType());
    reg.WriteInteger("ItemCount", group->Items()->Count());
    for (int m = 0; m < group->Items()->Count(); ++m) {
      const TdxSideBarItem* item = group->Items()->Items(m);
      reg.OpenKey(ItemKey(key, m), true);
      reg.WriteString("Caption", item->Caption());
      reg.WriteString("CustomData", item->CustomData());
      reg.WriteString("Hint", item->Hint());
      reg.WriteBool("IsDefault", item->IsDefault());
      reg.WriteInteger("LargeImage", item->LargeImage());
      reg.WriteInteger("SmallImage", item->SmallImage());
      reg.WriteInteger("Tag", item->Tag());
      if (item->StoredItem()) reg.WriteString("StoredItem", item->StoredItem()->Name());
    }
  }
}

// The stored tree is read whole before anything changes: when it cannot be read the groups of
// the stored layout stay, and the failure goes to the application's handler.
void TdxSideBar::LoadFromRegistry() {
  std::vector<TSavedGroup> saved;
  try {
    TRegistry reg;
    const String root = RootKey(FRegistryPath);
    if (!reg.OpenKey(root, false)) return;
    saved = ReadGroups(reg, root);
  } catch (...) {
    if (Application) Application->HandleException(this, std::current_exception());
    return;
  }
  if (saved.empty()) return;
  FGroups->BeginUpdate();
  FGroups->Clear();
  for (const TSavedGroup& values : saved) {
    TdxSideGroup* group = FGroups->Add();
    group->SetCaption(values.Caption);
    group->SetIconType(static_cast<TdxSideGroupIconType>(values.IconType));
    for (const TSavedItem& v : values.Items) {
      TdxSideBarItem* item = group->Items()->Add();
      if (FStore) item->SetStoredItem(FStore->FindStoredItem(v.StoredItem));
      item->SetCaption(v.Caption);
      item->SetCustomData(v.CustomData);
      item->SetHint(v.Hint);
      item->SetIsDefault(v.IsDefault);
      item->SetLargeImage(v.LargeImage);
      item->SetSmallImage(v.SmallImage);
      item->SetTag(v.Tag);
    }
  }
  FGroups->EndUpdate();
}
