// The text form shared by the INI files and the registry file: sections of name=value lines,
// parsed into a document and formatted back, with the escaping that lets names and values hold
// any text. Private to the settings library.
#pragma once

#include <string>
#include <vector>

#include "rtl/Types.h"

// Names of sections, keys and values match without regard to case, in every alphabet.
bool SameSettingsName(const String& a, const String& b);

struct IniEntry {
  String Name;
  String Value;
  int Line = 0;  // where it was read, for error messages; 0 for entries made in memory
};

struct IniSection {
  String Name;
  std::vector<IniEntry> Entries;

  const IniEntry* Find(const String& name) const;
  void Set(const String& name, const String& value, int line = 0);
  bool Remove(const String& name);
};

// The file's text: UTF-8 (a leading byte-order mark is skipped), lines ending in LF or CR LF.
// A line is blank, a comment (first non-blank character ";" or "#"), a header "[section]" or
// "name=value"; blanks around names and values are not part of them. A section that appears twice
// continues the first; a name repeated in a section keeps its last value. Anything else, or a
// raw control character, raises EIniFileException naming the file and the line.
//
// Escaping on writing: "%" and control characters always become %XX (two hex digits of the
// byte); so do blanks at either end of a name or value, "[" and "]" in section names, and
// "=", "[", "]", ";" and "#" in value names. Reading turns every %XX back into its byte and keeps
// a "%" not followed by two hex digits as it is, so hand-written text reads as written.
class IniDocument {
 public:
  static IniDocument Parse(const std::string& text, const String& fileName);
  // The text of the document, preceded by the comment lines given (each without its ";").
  std::string Format(const std::vector<String>& comment = {}) const;

  const std::vector<IniSection>& Sections() const { return FSections; }
  const IniSection* FindSection(const String& name) const;
  IniSection& AddSection(const String& name);  // the existing section of that name, or a new one
  bool RemoveSection(const String& name);

 private:
  std::vector<IniSection> FSections;
};

// Bytes as pairs of lower-case hex digits, and back (false for an odd count or a non-digit).
String EncodeSettingsHex(const String& bytes);
bool DecodeSettingsHex(const String& text, String& bytes);

[[noreturn]] void IniSyntaxError(const String& fileName, int line, const String& reason);
