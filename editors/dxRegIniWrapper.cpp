// The settings wrapper's dispatch on the kind of its store.
#include "editors/dxRegIniWrapper.h"

#include "rtl/StringList.h"
#include "settings/RegIniFile.h"

namespace {

// Makes a sub-key of the registry's open key current and puts the open key back when it goes.
class TSectionKeyScope {
 public:
  TSectionKeyScope(TRegIniFile& Registry, const String& Section, bool CanCreate)
      : FRegistry(Registry), FSaved(Registry.CurrentPath()) {
    FOpened = Registry.OpenKey(Section, CanCreate);
  }
  ~TSectionKeyScope() {
    if (FOpened) FRegistry.OpenKey("\\" + FSaved, false);
  }
  TSectionKeyScope(const TSectionKeyScope&) = delete;
  TSectionKeyScope& operator=(const TSectionKeyScope&) = delete;
  bool Opened() const { return FOpened; }

 private:
  TRegIniFile& FRegistry;
  String FSaved;
  bool FOpened = false;
};

}  // namespace

TRegIniFile* TdxRegIniWrapper::Registry() const { return dynamic_cast<TRegIniFile*>(FStore); }

int TdxRegIniWrapper::ReadInteger(const String& Section, const String& Ident, int Default) {
  return FStore->ReadInteger(Section, Ident, Default);
}

void TdxRegIniWrapper::WriteInteger(const String& Section, const String& Ident, int Value) {
  FStore->WriteInteger(Section, Ident, Value);
}

bool TdxRegIniWrapper::ReadBool(const String& Section, const String& Ident, bool Default) {
  return FStore->ReadBool(Section, Ident, Default);
}

void TdxRegIniWrapper::WriteBool(const String& Section, const String& Ident, bool Value) {
  FStore->WriteBool(Section, Ident, Value);
}

void TdxRegIniWrapper::ReadSections(TStrings* Strings) { FStore->ReadSections(Strings); }

void TdxRegIniWrapper::EraseSection(const String& Section) { FStore->EraseSection(Section); }

void TdxRegIniWrapper::EraseSectionsWithPrefix(const String& Prefix) {
  if (Registry()) return;
  TStringList sections;
  FStore->ReadSections(&sections);
  for (int i = 0; i < sections.Count(); ++i)
    if (sections[i].compare(0, Prefix.size(), Prefix) == 0) FStore->EraseSection(sections[i]);
}

int TdxRegIniWrapper::ReadBinaryData(const String& Section, const String& Name, void* Buffer, int BufSize) {
  TRegIniFile* registry = Registry();
  if (!registry) return 0;
  TSectionKeyScope key(*registry, Section, false);
  if (!key.Opened() || !registry->ValueExists(Name)) return 0;
  const int size = registry->GetDataSize(Name);
  if (BufSize < 1) return size;
  if (size > BufSize) return 0;
  return registry->ReadBinaryData(Name, Buffer, BufSize);
}

void TdxRegIniWrapper::WriteBinaryData(const String& Section, const String& Name, const void* Buffer, int BufSize) {
  TRegIniFile* registry = Registry();
  if (!registry) return;
  TSectionKeyScope key(*registry, Section, true);
  if (key.Opened()) registry->WriteBinaryData(Name, Buffer, BufSize);
}
