// INI stores: TCustomIniFile, the interface of sections of named values shared with the registry
// store TRegIniFile; TIniFile, a file on disk written through at every change; TMemIniFile, a
// file read once and written back by UpdateFile. File format and escaping: IniText_p.h.
#pragma once

#include <memory>

#include "rtl/Exceptions.h"

class TStrings;
class IniDocument;

// A settings file that cannot be read, written or understood; the message names the file (and
// the line, for a file that is not in INI form).
QUORIN_EXCEPTION(EIniFileException, Exception);

// Sections and value names match without regard to case. A missing section or value reads as the
// default given; a write creates the section.
class TCustomIniFile {
 public:
  explicit TCustomIniFile(String fileName) : FFileName(std::move(fileName)) {}
  virtual ~TCustomIniFile() = default;
  TCustomIniFile(const TCustomIniFile&) = delete;
  TCustomIniFile& operator=(const TCustomIniFile&) = delete;

  const String& FileName() const { return FFileName; }

  virtual String ReadString(const String& section, const String& ident, const String& defaultValue) = 0;
  virtual void WriteString(const String& section, const String& ident, const String& value) = 0;
  // Integers are decimal text ("0x" or "$" before hexadecimal digits is read too); text that is
  // not a 32-bit number reads as the default.
  int ReadInteger(const String& section, const String& ident, int defaultValue);
  void WriteInteger(const String& section, const String& ident, int value);
  // Booleans are written "1" and "0"; any number other than 0 reads as true.
  bool ReadBool(const String& section, const String& ident, bool defaultValue);
  void WriteBool(const String& section, const String& ident, bool value);

  // The lists are emptied first: value names of a section, section names, "name=value" lines.
  virtual void ReadSection(const String& section, TStrings* idents) = 0;
  virtual void ReadSections(TStrings* sections) = 0;
  virtual void ReadSectionValues(const String& section, TStrings* values) = 0;
  virtual void EraseSection(const String& section) = 0;
  virtual void DeleteKey(const String& section, const String& ident) = 0;
  virtual bool SectionExists(const String& section) = 0;
  virtual bool ValueExists(const String& section, const String& ident) = 0;
  // Makes the file hold what was written; a no-op for stores written through at once.
  virtual void UpdateFile() = 0;

 private:
  String FFileName;
};

// The operations of both INI file classes over one parsed document, which each class keeps in
// its own way.
class TTextIniFile : public TCustomIniFile {
 public:
  explicit TTextIniFile(String fileName);
  ~TTextIniFile() override;

  String ReadString(const String& section, const String& ident, const String& defaultValue) override;
  void WriteString(const String& section, const String& ident, const String& value) override;
  void ReadSection(const String& section, TStrings* idents) override;
  void ReadSections(TStrings* sections) override;
  void ReadSectionValues(const String& section, TStrings* values) override;
  void EraseSection(const String& section) override;
  void DeleteKey(const String& section, const String& ident) override;
  bool SectionExists(const String& section) override;
  bool ValueExists(const String& section, const String& ident) override;

 protected:
  // The document to read; for a change, DocumentChanged follows.
  virtual IniDocument& Document() = 0;
  virtual void DocumentChanged() = 0;
  // The file's document; an empty one when the file does not exist.
  std::unique_ptr<IniDocument> LoadDocument() const;
  void SaveDocument(const IniDocument& document) const;

  std::unique_ptr<IniDocument> FDocument;
};

// Every operation reads the file afresh and every change rewrites it at once, so other readers of
// the file see each change.
class TIniFile : public TTextIniFile {
 public:
  explicit TIniFile(const String& fileName);
  void UpdateFile() override {}

 protected:
  IniDocument& Document() override;
  void DocumentChanged() override;
};

// Reads the file when made (a missing file gives an empty store) and writes it only on UpdateFile.
class TMemIniFile : public TTextIniFile {
 public:
  explicit TMemIniFile(const String& fileName);
  void UpdateFile() override;

 protected:
  IniDocument& Document() override { return *FDocument; }
  void DocumentChanged() override {}
};
