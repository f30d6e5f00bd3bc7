// The settings wrapper's dispatch on the kind of its store.
#include "editors/dxRegIniWrapper.h"

#include "rtl/ScopeExit.h"
#include "rtl/StringList.h"
#include "settings/RegIniFile.h"

namespace {

// Runs Work with a sub-key of the registry's open key current, and puts the open key back
// afterwards; false, without running Work, when the sub-key cannot be opened.
template <class W>
bool InSectionKey(TRegIniFile& Registry, const String& Section, bool CanCreate, W&& Work) {
  const String saved = Registry.CurrentPath();
  if (!Registry.OpenKey(Section, CanCreate)) return false;
  const auto reopen = ScopeExit([&] { Registry.OpenKey("\\" + saved, false); });
  Work();
  return true;
}

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
  int result = 0;
  InSectionKey(*registry, Section, false, [&] {
    if (!registry->ValueExists(Name)) return;
    const int size = registry->GetDataSize(Name);
    if (BufSize < 1)
      result = size;
    else if (size <= BufSize)
      result = registry->ReadBinaryData(Name, Buffer, BufSize);
  });
  return result;
}

void TdxRegIniWrapper::WriteBinaryData(const String& Section, const String& Name, const void* Buffer, int BufSize) {
  TRegIniFile* registry = Registry();
  if (!registry) return;
  InSectionKey(*registry, Section, true, [&] { registry->WriteBinaryData(Name, Buffer, BufSize); });
}
