// The bar layout store: the manager's menu settings, every bar's placement and the item links of
// bars and named sub items with the user's own values and the usage data, written to keys of the
// current user's registry or to sections of one INI file, and read back. Both stores hold the
// same values in the same order through one writer and one reader over a store's sections.
#include <algorithm>
#include <memory>
#include <vector>

#include "bars/dxBar.h"
#include "bars/dxBarDock.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarUpdateLock.h"
#include "controls/Application.h"
#include "controls/Forms.h"
#include "rtl/ScopeExit.h"
#include "rtl/Streams.h"
#include "settings/IniFiles.h"
#include "settings/Registry.h"

namespace {

// One container of a layout: a registry key or an INI section. A value missing from an INI
// section reads as Default; in the registry a missing integer or Boolean raises (a missing string
// reads as empty), which the reader catches per bar and per link.
class TLayoutSection {
 public:
  virtual ~TLayoutSection() = default;
  virtual bool HasValue(const String& Name) = 0;
  virtual String ReadString(const String& Name, const String& Default) = 0;
  virtual int ReadInteger(const String& Name, int Default) = 0;
  virtual bool ReadBool(const String& Name, bool Default) = 0;
  virtual void WriteString(const String& Name, const String& Value) = 0;
  virtual void WriteInteger(const String& Name, int Value) = 0;
  virtual void WriteBool(const String& Name, bool Value) = 0;
  // A link's own-value flags: one byte in the registry, an integer in the INI file.
  virtual TdxBarUserDefines ReadFlags(const String& Name) = 0;
  virtual void WriteFlags(const String& Name, TdxBarUserDefines Value) = 0;
  // Only the registry keeps a link's own glyph (a bitmap stream); the INI file has no room for it.
  virtual bool KeepsGlyphs() const = 0;
  virtual void ReadGlyph(const String& Name, TBitmap* Glyph) = 0;
  virtual void WriteGlyph(const String& Name, const TBitmap* Glyph) = 0;
  // The container Name inside this one; made when Create, else nullptr when it does not exist.
  virtual std::unique_ptr<TLayoutSection> Child(const String& Name, bool Create) = 0;
};

// A whole store: the manager's own container and the containers of bars and sub items.
class TLayoutStore {
 public:
  virtual ~TLayoutStore() = default;
  virtual std::unique_ptr<TLayoutSection> Main(bool Create) = 0;
  virtual std::unique_ptr<TLayoutSection> Container(const String& Name, bool Create) = 0;
  // Everything the store held for this manager goes, so that what is written is exactly the
  // current layout.
  virtual void Clear() = 0;
  virtual void Flush() {}
};

// --- the registry ---------------------------------------------------------------------------------

class TRegistrySection : public TLayoutSection {
 public:
  TRegistrySection(TRegistry& Registry, String Path) : FRegistry(Registry), FPath(std::move(Path)) {}
  bool HasValue(const String& Name) override { return Open() && FRegistry.ValueExists(Name); }
  String ReadString(const String& Name, const String&) override { return Open() ? FRegistry.ReadString(Name) : String(); }
  int ReadInteger(const String& Name, int) override {
    Open();
    return FRegistry.ReadInteger(Name);
  }
  bool ReadBool(const String& Name, bool) override {
    Open();
    return FRegistry.ReadBool(Name);
  }
  void WriteString(const String& Name, const String& Value) override {
    if (Open()) FRegistry.WriteString(Name, Value);
  }
  void WriteInteger(const String& Name, int Value) override {
    if (Open()) FRegistry.WriteInteger(Name, Value);
  }
  void WriteBool(const String& Name, bool Value) override {
    if (Open()) FRegistry.WriteBool(Name, Value);
  }
  TdxBarUserDefines ReadFlags(const String& Name) override {
    uint8_t flags = 0;
    if (Open()) FRegistry.ReadBinaryData(Name, &flags, 1);
    return flags;
  }
  void WriteFlags(const String& Name, TdxBarUserDefines Value) override {
    const auto flags = static_cast<uint8_t>(Value);
    if (Open()) FRegistry.WriteBinaryData(Name, &flags, 1);
  }
  bool KeepsGlyphs() const override { return true; }
  void ReadGlyph(const String& Name, TBitmap* Glyph) override {
    if (!Open()) return;
    TMemoryStream stream;
    stream.SetSize(std::max(FRegistry.GetDataSize(Name), 0));
    FRegistry.ReadBinaryData(Name, stream.Memory(), static_cast<int>(stream.Size()));
    Glyph->LoadFromStream(stream);
  }
  void WriteGlyph(const String& Name, const TBitmap* Glyph) override {
    TMemoryStream stream;
    Glyph->SaveToStream(stream);
    if (Open()) FRegistry.WriteBinaryData(Name, stream.Memory(), static_cast<int>(stream.Size()));
  }
  std::unique_ptr<TLayoutSection> Child(const String& Name, bool Create) override {
    const String path = FPath + "\\" + Name;
    if (!(Create ? FRegistry.OpenKey(path, true) : FRegistry.KeyExists(path))) return nullptr;
    return std::make_unique<TRegistrySection>(FRegistry, path);
  }

 private:
  bool Open() { return FRegistry.OpenKey(FPath, false); }
  TRegistry& FRegistry;
  String FPath;
};

class TRegistryStore : public TLayoutStore {
 public:
  // A leading "\" is added when missing and one trailing "\" removed.
  explicit TRegistryStore(const String& Path) : FPath(Path) {
    if (!FPath.starts_with("\\")) FPath = "\\" + FPath;
    if (FPath.size() > 1 && FPath.ends_with("\\")) FPath.pop_back();
  }
  std::unique_ptr<TLayoutSection> Main(bool Create) override {
    if (!(Create ? FRegistry.OpenKey(FPath, true) : FRegistry.KeyExists(FPath))) return nullptr;
    return std::make_unique<TRegistrySection>(FRegistry, FPath);
  }
  std::unique_ptr<TLayoutSection> Container(const String& Name, bool Create) override {
    TRegistrySection root(FRegistry, FPath);
    return root.Child(Name, Create);
  }
  // The key goes with its values, so that values the manager no longer writes do not stay.
  void Clear() override {
    FRegistry.CloseKey();
    FRegistry.DeleteKey(FPath);
  }

 private:
  TRegistry FRegistry;
  String FPath;
};

// --- the INI file ---------------------------------------------------------------------------------

class TIniSection : public TLayoutSection {
 public:
  TIniSection(TMemIniFile& Ini, String Name) : FIni(Ini), FName(std::move(Name)) {}
  bool HasValue(const String& Name) override { return FIni.ValueExists(FName, Name); }
  String ReadString(const String& Name, const String& Default) override { return FIni.ReadString(FName, Name, Default); }
  int ReadInteger(const String& Name, int Default) override { return FIni.ReadInteger(FName, Name, Default); }
  bool ReadBool(const String& Name, bool Default) override { return FIni.ReadBool(FName, Name, Default); }
  void WriteString(const String& Name, const String& Value) override { FIni.WriteString(FName, Name, Value); }
  void WriteInteger(const String& Name, int Value) override { FIni.WriteInteger(FName, Name, Value); }
  void WriteBool(const String& Name, bool Value) override { FIni.WriteBool(FName, Name, Value); }
  TdxBarUserDefines ReadFlags(const String& Name) override {
    return static_cast<TdxBarUserDefines>(FIni.ReadInteger(FName, Name, 0));
  }
  void WriteFlags(const String& Name, TdxBarUserDefines Value) override {
    FIni.WriteInteger(FName, Name, static_cast<int>(Value));
  }
  bool KeepsGlyphs() const override { return false; }
  void ReadGlyph(const String&, TBitmap*) override {}
  void WriteGlyph(const String&, const TBitmap*) override {}
  std::unique_ptr<TLayoutSection> Child(const String& Name, bool Create) override {
    const String section = FName + "." + Name;
    if (!Create && !FIni.SectionExists(section)) return nullptr;
    return std::make_unique<TIniSection>(FIni, section);
  }

 private:
  TMemIniFile& FIni;
  String FName;
};

// Sections "<form>.<manager>.Main", ".Bar<i>", ".SubItem_<name>", each link's ".ItemLink<j>".
class TIniStore : public TLayoutStore {
 public:
  TIniStore(const String& FileName, const String& Prefix) : FIni(FileName), FPrefix(Prefix) {}
  std::unique_ptr<TLayoutSection> Main(bool Create) override { return Container("Main", Create); }
  std::unique_ptr<TLayoutSection> Container(const String& Name, bool Create) override {
    const String section = FPrefix + Name;
    if (!Create && !FIni.SectionExists(section)) return nullptr;
    return std::make_unique<TIniSection>(FIni, section);
  }
  void Clear() override {
    TStringList sections;
    FIni.ReadSections(&sections);
    for (int i = 0; i < sections.Count(); ++i)
      if (sections.Strings(i).starts_with(FPrefix)) FIni.EraseSection(sections.Strings(i));
  }
  void Flush() override { FIni.UpdateFile(); }

 private:
  TMemIniFile FIni;
  String FPrefix;
};

// --- writing --------------------------------------------------------------------------------------

bool KeepsUsage(const TdxBarManager* Manager, const TdxBarItemLinks* Links) {
  return Manager->Style() != bmsStandard && Links->UseRecentItems();
}

void WriteManagerValues(TLayoutSection& S, const TdxBarManager* M) {
  if (M->Style() != bmsStandard) {
    S.WriteBool("MenusShowRecentItemsFirst", M->MenusShowRecentItemsFirst());
    S.WriteBool("ShowFullMenusAfterDelay", M->ShowFullMenusAfterDelay());
  }
  S.WriteBool("LargeIcons", M->LargeIcons());
  S.WriteInteger("MenuAnimations", M->MenuAnimations());
  S.WriteBool("ShowHint", M->ShowHint());
  S.WriteBool("ShowShortCutInHint", M->ShowShortCutInHint());
  S.WriteInteger("BarCount", M->Bars()->Count());
}

void WriteBarValues(TLayoutSection& S, const TdxBar* Bar) {
  S.WriteString("Caption", Bar->Caption());
  if (Bar->DockedDockControl()) S.WriteString("DockedDockControl", Bar->DockedDockControl()->Name());
  S.WriteInteger("DockedDockingStyle", Bar->DockedDockingStyle());
  S.WriteInteger("DockedLeft", Bar->DockedLeft());
  S.WriteInteger("DockedTop", Bar->DockedTop());
  S.WriteBool("OneOnRow", Bar->OneOnRow());
  S.WriteInteger("Row", Bar->Row());
  S.WriteInteger("FloatLeft", Bar->FloatLeft());
  S.WriteInteger("FloatTop", Bar->FloatTop());
  S.WriteInteger("FloatClientWidth", Bar->FloatClientWidth());
  S.WriteInteger("FloatClientHeight", Bar->FloatClientHeight());
  if (Bar->DockControl()) S.WriteString("DockControl", Bar->DockControl()->Name());
  S.WriteInteger("DockingStyle", Bar->DockingStyle());
  S.WriteBool("Visible", Bar->Visible());
}

// The INI file drops the glyph flag with the glyph, so that the link shows its item's glyph.
void WriteLink(TLayoutSection& S, const TdxBarItemLink* Link, bool OfBar, bool Usage) {
  TdxBarUserDefines flags = Link->UserDefine();
  if (!S.KeepsGlyphs()) flags &= ~UserDefineBit(udGlyph);
  S.WriteString("ItemName", Link->Item()->Name());
  S.WriteBool("BeginGroup", Link->OwnBeginGroup());
  S.WriteFlags("UserDefine", flags);
  if (flags & UserDefineBit(udCaption)) S.WriteString("UserCaption", Link->UserCaption());
  if (flags & UserDefineBit(udGlyph)) S.WriteGlyph("UserGlyph", Link->UserGlyph());
  if (flags & UserDefineBit(udPaintStyle)) S.WriteInteger("UserPaintStyle", Link->UserPaintStyle());
  if (flags & UserDefineBit(udWidth)) S.WriteInteger("UserWidth", Link->UserWidth());
  if (OfBar) S.WriteBool("Visible", Link->Visible());
  if (!Usage) return;
  S.WriteInteger("UseCount", Link->UseCount());
  S.WriteInteger("RecentIndex", Link->RecentIndex());
}

void WriteLinks(TLayoutSection& S, const TdxBarItemLinks* Links, bool OfBar) {
  const bool usage = KeepsUsage(Links->BarManager(), Links);
  S.WriteInteger("ItemLinkCount", Links->Count());
  for (int j = 0; j < Links->Count(); ++j) {
    const TdxBarItemLink* link = Links->Items(j);
    if (!link->Item() || link->Item()->Name().empty()) continue;
    if (auto section = S.Child("ItemLink" + std::to_string(j), true)) WriteLink(*section, link, OfBar, usage);
  }
}

template <class F>
void ForEachNamedSubItem(const TdxBarManager* M, F Action) {
  for (int i = 0; i < M->ItemCount(); ++i)
    if (auto* sub = dynamic_cast<TCustomdxBarSubItem*>(M->Items(i)); sub && !sub->Name().empty()) Action(sub);
}

void SaveLayout(const TdxBarManager* M, TLayoutStore& Store) {
  if (!Store.Main(true)) return;
  Store.Clear();
  if (auto main = Store.Main(true)) WriteManagerValues(*main, M);
  for (int i = 0; i < M->Bars()->Count(); ++i) {
    const TdxBar* bar = M->Bars()->Items(i);
    auto section = Store.Container("Bar" + std::to_string(i), true);
    if (!section) continue;
    WriteBarValues(*section, bar);
    WriteLinks(*section, bar->ItemLinks(), true);
  }
  ForEachNamedSubItem(M, [&](TCustomdxBarSubItem* sub) {
    if (auto section = Store.Container("SubItem_" + sub->Name(), true)) WriteLinks(*section, sub->ItemLinks(), false);
  });
  Store.Flush();
}

// --- reading --------------------------------------------------------------------------------------

// No layout holds more bars, or more links in one container, than this: a larger stored count is
// damage, and reading stops at the bound instead of looking up containers up to 2^31.
constexpr int MaxStoredEntries = 1000;

int StoredCount(int Count) { return std::min(Count, MaxStoredEntries); }

template <class T>
T Clamped(int Value, T Last) {
  return static_cast<T>(std::clamp(Value, 0, static_cast<int>(Last)));
}

void ReadManagerValues(TLayoutSection& S, TdxBarManager* M) {
  if (M->Style() != bmsStandard) {
    if (S.HasValue("MenusShowRecentItemsFirst"))
      M->SetMenusShowRecentItemsFirst(S.ReadBool("MenusShowRecentItemsFirst", M->MenusShowRecentItemsFirst()));
    if (S.HasValue("ShowFullMenusAfterDelay"))
      M->SetShowFullMenusAfterDelay(S.ReadBool("ShowFullMenusAfterDelay", M->ShowFullMenusAfterDelay()));
  }
  if (S.HasValue("LargeIcons")) M->SetLargeIcons(S.ReadBool("LargeIcons", M->LargeIcons()));
  if (S.HasValue("MenuAnimations")) M->SetMenuAnimations(Clamped(S.ReadInteger("MenuAnimations", M->MenuAnimations()), maSlide));
  if (S.HasValue("ShowHint")) M->SetShowHint(S.ReadBool("ShowHint", M->ShowHint()));
  if (S.HasValue("ShowShortCutInHint")) M->SetShowShortCutInHint(S.ReadBool("ShowShortCutInHint", M->ShowShortCutInHint()));
}

TdxBarDockControl* DockControlNamed(const TdxBarManager* M, const String& Name) {
  TCustomForm* form = M->OwnerForm();
  return Name.empty() || !form ? nullptr : dynamic_cast<TdxBarDockControl*>(form->FindComponent(Name));
}

void ReadLink(TLayoutSection& S, TdxBarItemLink* Link, bool OfBar, bool Usage) {
  TdxBarUserDefines flags = S.ReadFlags("UserDefine");
  if (!S.KeepsGlyphs()) flags &= ~UserDefineBit(udGlyph);
  Link->SetBeginGroup(S.ReadBool("BeginGroup", false));
  Link->SetUserDefine(flags);
  if (flags & UserDefineBit(udCaption)) Link->SetUserCaption(S.ReadString("UserCaption", String()));
  if (flags & UserDefineBit(udGlyph)) {
    TBitmap glyph;
    S.ReadGlyph("UserGlyph", &glyph);
    Link->SetUserGlyph(&glyph);
  }
  if (flags & UserDefineBit(udPaintStyle)) Link->SetUserPaintStyle(Clamped(S.ReadInteger("UserPaintStyle", 0), psCaptionGlyph));
  if (flags & UserDefineBit(udWidth)) Link->SetUserWidth(S.ReadInteger("UserWidth", 100));
  if (OfBar && S.HasValue("Visible")) Link->SetVisible(S.ReadBool("Visible", true));
  if (Usage)
    Link->SetStoredUsage(S.HasValue("RecentIndex") ? S.ReadInteger("RecentIndex", -1) : -1,
                         S.HasValue("UseCount") ? S.ReadInteger("UseCount", 0) : 0);
}

// Links whose item is gone are dropped; a link that cannot be read is skipped. The links take
// their visibility and usage at the end whatever happened.
void ReadLinks(TLayoutSection& S, TdxBarItemLinks* Links, bool OfBar) {
  TdxBarManager* manager = Links->BarManager();
  const bool usage = KeepsUsage(manager, Links);
  Links->Clear();
  const int count = S.HasValue("ItemLinkCount") ? StoredCount(S.ReadInteger("ItemLinkCount", 0)) : 0;
  for (int j = 0; j < count; ++j) {
    auto section = S.Child("ItemLink" + std::to_string(j), false);
    if (!section) continue;
    try {
      TdxBarItem* item = manager->FindItemByName(section->ReadString("ItemName", String()));
      if (!item) continue;
      TdxBarItemLink* link = Links->Add();
      link->SetItem(item);
      ReadLink(*section, link, OfBar, usage);
    } catch (const Exception&) {
      // The next link follows.
    }
  }
  Links->ApplyStoredUsage(true);
}

void ReadBarValues(TLayoutSection& S, TdxBar* Bar) {
  const TdxBarManager* M = Bar->BarManager();
  Bar->SetCaption(S.ReadString("Caption", String()));
  Bar->SetDockedDockControl(DockControlNamed(M, S.ReadString("DockedDockControl", String())));
  Bar->SetDockedDockingStyle(Clamped(S.ReadInteger("DockedDockingStyle", Bar->DockedDockingStyle()), dsBottom));
  Bar->SetDockedLeft(S.ReadInteger("DockedLeft", Bar->DockedLeft()));
  Bar->SetDockedTop(S.ReadInteger("DockedTop", Bar->DockedTop()));
  Bar->SetOneOnRow(S.ReadBool("OneOnRow", Bar->OneOnRow()));
  Bar->SetRow(S.ReadInteger("Row", Bar->Row()));
  Bar->SetFloatLeft(S.ReadInteger("FloatLeft", Bar->FloatLeft()));
  Bar->SetFloatTop(S.ReadInteger("FloatTop", Bar->FloatTop()));
  Bar->SetFloatClientWidth(S.ReadInteger("FloatClientWidth", Bar->FloatClientWidth()));
  Bar->SetFloatClientHeight(S.ReadInteger("FloatClientHeight", Bar->FloatClientHeight()));
  TdxBarDockControl* site = DockControlNamed(M, S.ReadString("DockControl", String()));
  if (site) {
    Bar->SetDockControl(site);
  } else {
    Bar->SetDockControl(nullptr);
    Bar->SetDockingStyle(Clamped(S.ReadInteger("DockingStyle", Bar->DockingStyle()), dsBottom));
  }
  const bool visible = S.ReadBool("Visible", false);
  TdxBars* bars = Bar->Bars();
  const bool loading = bars->Loading();
  bars->SetLoading(true);
  Bar->SetVisible(visible);
  bars->SetLoading(loading);
}

// A bar that cannot be read shows where it is.
void ReadBar(TLayoutSection& S, TdxBar* Bar) {
  const bool locked = Bar->Locked();
  Bar->SetLocked(true);
  ReadLinks(S, Bar->ItemLinks(), true);
  try {
    ReadBarValues(S, Bar);
  } catch (const Exception&) {
    Bar->SetVisible(true);
  }
  Bar->SetLocked(locked);
}

// While the bars are rebuilt the dock sites keep the stored row numbers exactly (rows before a
// bar's row may still be empty) and showing or hiding a bar is no change of the design.
void ReadBars(TLayoutStore& Store, TdxBarManager* M, int Count) {
  TdxBars* bars = M->Bars();
  const bool restoring = bars->RestoringLayout();
  bars->SetRestoringLayout(true);
  const auto restore = ScopeExit([bars, restoring] { bars->SetRestoringLayout(restoring); });
  for (int i = 0; i < bars->Count(); ++i) bars->Items(i)->SetVisible(false);
  for (int i = 0; i < Count; ++i) {
    auto section = Store.Container("Bar" + std::to_string(i), false);
    if (!section) continue;
    while (bars->Count() < i + 1) bars->Add();
    ReadBar(*section, bars->Items(i));
  }
}

void LoadLayout(TdxBarManager* M, TLayoutStore& Store) {
  auto main = Store.Main(false);
  if (!main) return;
  WithUpdateLock(M, [&] {
    ReadManagerValues(*main, M);
    if (main->HasValue("BarCount")) ReadBars(Store, M, StoredCount(main->ReadInteger("BarCount", 0)));
    ForEachNamedSubItem(M, [&](TCustomdxBarSubItem* sub) {
      if (auto section = Store.Container("SubItem_" + sub->Name(), false)) ReadLinks(*section, sub->ItemLinks(), false);
    });
  });
}

String IniPrefix(const TdxBarManager* M) {
  const TCustomForm* form = M->OwnerForm();
  return (form ? form->Name() : String()) + "." + M->Name() + ".";
}

}  // namespace

// The registry file is written once, with the whole layout, or not at all.
void TdxBarManager::SaveToRegistry(const String& Path) const {
  if (Path.empty()) return;
  TRegistryBatch batch;
  TRegistryStore store(Path);
  SaveLayout(this, store);
  batch.Commit();
}

void TdxBarManager::LoadFromRegistry(const String& Path) {
  if (Path.empty()) return;
  TRegistryStore store(Path);
  LoadLayout(this, store);
}

void TdxBarManager::SaveToIniFile(const String& FileName) const {
  if (FileName.empty()) return;
  TIniStore store(FileName, IniPrefix(this));
  SaveLayout(this, store);
}

void TdxBarManager::LoadFromIniFile(const String& FileName) {
  if (FileName.empty()) return;
  TIniStore store(FileName, IniPrefix(this));
  LoadLayout(this, store);
}

void TdxBarManager::SaveLayoutToStores() const {
  if (IsDesigning()) return;
  try {
    if (FLayoutStore.StoreInRegistry) SaveToRegistry(FLayoutStore.RegistryPath);
    if (FLayoutStore.StoreInIniFile) SaveToIniFile(FLayoutStore.IniFileName);
  } catch (const Exception& E) {
    if (Application) Application->ShowException(E);
  }
}
