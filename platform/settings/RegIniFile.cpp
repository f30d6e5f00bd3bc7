// TRegIniFile over the registry's key tree (see RegIniFile.h).
#include "settings/RegIniFile.h"

#include "rtl/Convert.h"
#include "rtl/StringList.h"
#include "settings/RegistryStore_p.h"

namespace {

// What INI readers see of a value: text for strings and integers, nothing for binary data.
bool IsText(const RegValue& value) { return value.Type != rdBinary; }

String TextOf(const RegValue& value) { return value.Type == rdInteger ? IntToStr(value.Integer) : value.Data; }

}  // namespace

TRegIniFile::TRegIniFile(const String& fileName) : TCustomIniFile(fileName) { OpenKey(fileName, true); }

String TRegIniFile::ReadString(const String& section, const String& ident, const String& defaultValue) {
  const RegValue* value = FindValue(ResolvePath(section), ident);
  return value && IsText(*value) ? TextOf(*value) : defaultValue;
}

void TRegIniFile::WriteString(const String& section, const String& ident, const String& value) {
  StoreValue(ResolvePath(section), RegValue{ident, rdString, value}, true);
}

void TRegIniFile::ReadSection(const String& section, TStrings* idents) {
  idents->BeginUpdate();
  idents->Clear();
  if (const RegKey* key = FindKey(ResolvePath(section)))
    for (const RegValue& value : key->Values()) idents->Add(value.Name);
  idents->EndUpdate();
}

void TRegIniFile::ReadSections(TStrings* sections) { GetKeyNames(sections); }

void TRegIniFile::ReadSectionValues(const String& section, TStrings* values) {
  values->BeginUpdate();
  values->Clear();
  if (const RegKey* key = FindKey(ResolvePath(section)))
    for (const RegValue& value : key->Values())
      if (IsText(value)) values->Add(value.Name + "=" + TextOf(value));
  values->EndUpdate();
}

void TRegIniFile::EraseSection(const String& section) { TRegistry::DeleteKey(section); }

void TRegIniFile::DeleteKey(const String& section, const String& ident) { RemoveValue(ResolvePath(section), ident); }

bool TRegIniFile::SectionExists(const String& section) { return KeyExists(section); }

bool TRegIniFile::ValueExists(const String& section, const String& ident) {
  return FindValue(ResolvePath(section), ident) != nullptr;
}
