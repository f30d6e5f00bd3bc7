// TdxRegIniWrapper: one interface through which layout stores read and write integers,
// Booleans and binary values and list or erase sections, whether the store is the registry
// (TRegIniFile), an INI file (TIniFile) or an INI file held in memory (TMemIniFile).
#pragma once

#include "settings/IniFiles.h"

class TStrings;
class TRegIniFile;

class TdxRegIniWrapper {
 public:
  TdxRegIniWrapper() = default;
  explicit TdxRegIniWrapper(TCustomIniFile* Store) : FStore(Store) {}

  // The store is its user's; the wrapper never frees it.
  TCustomIniFile* Store() const { return FStore; }
  void SetStore(TCustomIniFile* Value) { FStore = Value; }

  // Passed unchanged to the store: a missing section or value answers Default, a write creates
  // the section, and what the store raises reaches the caller.
  int ReadInteger(const String& Section, const String& Ident, int Default);
  void WriteInteger(const String& Section, const String& Ident, int Value);
  bool ReadBool(const String& Section, const String& Ident, bool Default);
  void WriteBool(const String& Section, const String& Ident, bool Value);
  void ReadSections(TStrings* Strings);
  void EraseSection(const String& Section);
  // INI stores: erases every section whose name starts with Prefix (case-sensitively). The
  // registry store is left as it is.
  void EraseSectionsWithPrefix(const String& Prefix);

  // Registry stores only (INI stores answer 0 and write nothing). Reading answers the value's size
  // when BufSize < 1, else the bytes read; 0 for a missing key or value, and for a value larger
  // than the buffer, which is never overrun.
  int ReadBinaryData(const String& Section, const String& Name, void* Buffer, int BufSize);
  void WriteBinaryData(const String& Section, const String& Name, const void* Buffer, int BufSize);

 private:
  TRegIniFile* Registry() const;
  TCustomIniFile* FStore = nullptr;
};
