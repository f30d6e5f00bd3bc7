// TRegIniFile: the registry seen as an INI store. The sections are sub-keys of the open key (a
// section starting with "\" starts at the root) and the entries are their values.
#pragma once

#include "settings/IniFiles.h"
#include "settings/Registry.h"

class TRegIniFile : public TRegistry, public TCustomIniFile {
 public:
  // Opens the key fileName, creating it when missing; an empty name opens the root.
  explicit TRegIniFile(const String& fileName);

  // Strings read as they are and integer values as decimal text; a missing or binary value reads
  // as the default. Integers and Booleans are written as text ("1" and "0" for Booleans) by the
  // inherited WriteInteger and WriteBool.
  String ReadString(const String& section, const String& ident, const String& defaultValue) override;
  void WriteString(const String& section, const String& ident, const String& value) override;
  void ReadSection(const String& section, TStrings* idents) override;
  void ReadSections(TStrings* sections) override;
  void ReadSectionValues(const String& section, TStrings* values) override;
  // Deletes the section's key with all its sub-keys.
  void EraseSection(const String& section) override;
  void DeleteKey(const String& section, const String& ident) override;
  bool SectionExists(const String& section) override;
  bool ValueExists(const String& section, const String& ident) override;
  void UpdateFile() override {}

  // The registry's own operations stay available beside the INI ones of the same names.
  using TRegistry::DeleteKey;
  using TRegistry::ReadString;
  using TRegistry::ValueExists;
  using TRegistry::WriteString;
  using TCustomIniFile::ReadBool;
  using TCustomIniFile::ReadInteger;
  using TCustomIniFile::WriteBool;
  using TCustomIniFile::WriteInteger;
  using TRegistry::ReadBool;
  using TRegistry::ReadInteger;
  using TRegistry::WriteBool;
  using TRegistry::WriteInteger;
};
