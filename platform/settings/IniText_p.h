// The text form shared by the INI files and the registry file: sections of name=value lines,
// parsed into a document and formatted back, with the escaping that lets names and values hold
// any text. Private to the settings library.
#pragma once

#include <string>
#include <vector>

#include "settings/NamedList_p.h"

// Names of sections and values match without regard to case, in every alphabet.
struct IniEntry {
  String Name;
  String Value;
  int Line = 0;  // where it was read, for error messages; 0 for entries made in memory
};

inline const String& NameOfEntry(const IniEntry& entry) { return entry.Name; }

struct IniSection {
  String Name;
  NamedList<IniEntry, NameOfEntry> Entries;
  // Earlier lines of a name that the file repeats (in one section or in a repeated one): the last
  // line gives the value, and these stay so that writing the file back loses none of its values.
  std::vector<IniEntry> Shadowed;
  int Line = 0;  // where its header first appears; 0 for a section made in memory

  const IniEntry* Find(const String& name) const { return Entries.Find(name); }
  void Set(const String& name, const String& value, int line = 0);
  // Takes out the name with the lines it shadows.
  bool Remove(const String& name);
};

inline const String& NameOfSection(const IniSection& section) { return section.Name; }

// The file's text: UTF-8 (a leading byte-order mark is skipped), lines ending in LF or CR LF.
// A line is blank, a comment (first non-blank character ";" or "#"), a header "[section]" or
// "name=value"; blanks around names and values are not part of them. A section that appears twice
// continues the first; a name repeated in a section reads as its last value, and its earlier lines
// are written back before that one. Anything else, or a
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

  const std::vector<IniSection>& Sections() const { return FSections.Items(); }
  const IniSection* FindSection(const String& name) const { return FSections.Find(name); }
  // The existing section of that name, or a new one (read at line, when it comes from a file).
  IniSection& AddSection(const String& name, int line = 0);
  bool RemoveSection(const String& name) { return FSections.Remove(name); }

 private:
  NamedList<IniSection, NameOfSection> FSections;
};

// Bytes as pairs of lower-case hex digits, and back (false for an odd count or a non-digit).
String EncodeSettingsHex(const String& bytes);
bool DecodeSettingsHex(const String& text, String& bytes);

[[noreturn]] void IniSyntaxError(const String& fileName, int line, const String& reason);
