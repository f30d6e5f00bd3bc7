// The INI stores: typed values over text, the document operations shared by TIniFile and
// TMemIniFile, and how each of them keeps its document (see IniFiles.h).
#include "settings/IniFiles.h"

#include "rtl/Convert.h"
#include "rtl/StringList.h"
#include "settings/IniText_p.h"
#include "settings/SettingsFile_p.h"

// --- TCustomIniFile -----------------------------------------------------------------------------

int TCustomIniFile::ReadInteger(const String& section, const String& ident, int defaultValue) {
  int value = defaultValue;
  return TryStrToInt(ReadString(section, ident, String()), value) ? value : defaultValue;
}

void TCustomIniFile::WriteInteger(const String& section, const String& ident, int value) {
  WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const String& section, const String& ident, bool defaultValue) {
  return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const String& section, const String& ident, bool value) {
  WriteString(section, ident, value ? "1" : "0");
}

// --- TTextIniFile -------------------------------------------------------------------------------

TTextIniFile::TTextIniFile(String fileName) : TCustomIniFile(std::move(fileName)) {}

TTextIniFile::~TTextIniFile() = default;

std::unique_ptr<IniDocument> TTextIniFile::LoadDocument() const {
  std::string content;
  if (!ReadSettingsFile(FileName(), content)) return std::make_unique<IniDocument>();
  return std::make_unique<IniDocument>(IniDocument::Parse(content, FileName()));
}

void TTextIniFile::SaveDocument(const IniDocument& document) const { WriteSettingsFile(FileName(), document.Format()); }

String TTextIniFile::ReadString(const String& section, const String& ident, const String& defaultValue) {
  const IniSection* found = Document().FindSection(section);
  const IniEntry* entry = found ? found->Find(ident) : nullptr;
  return entry ? entry->Value : defaultValue;
}

void TTextIniFile::WriteString(const String& section, const String& ident, const String& value) {
  Document().AddSection(section).Set(ident, value);
  DocumentChanged();
}

void TTextIniFile::ReadSection(const String& section, TStrings* idents) {
  idents->BeginUpdate();
  idents->Clear();
  if (const IniSection* found = Document().FindSection(section))
    for (const IniEntry& entry : found->Entries) idents->Add(entry.Name);
  idents->EndUpdate();
}

void TTextIniFile::ReadSections(TStrings* sections) {
  sections->BeginUpdate();
  sections->Clear();
  for (const IniSection& section : Document().Sections()) sections->Add(section.Name);
  sections->EndUpdate();
}

void TTextIniFile::ReadSectionValues(const String& section, TStrings* values) {
  values->BeginUpdate();
  values->Clear();
  if (const IniSection* found = Document().FindSection(section))
    for (const IniEntry& entry : found->Entries) values->Add(entry.Name + "=" + entry.Value);
  values->EndUpdate();
}

void TTextIniFile::EraseSection(const String& section) {
  if (Document().RemoveSection(section)) DocumentChanged();
}

void TTextIniFile::DeleteKey(const String& section, const String& ident) {
  IniDocument& document = Document();
  if (document.FindSection(section) && document.AddSection(section).Remove(ident)) DocumentChanged();
}

bool TTextIniFile::SectionExists(const String& section) { return Document().FindSection(section) != nullptr; }

bool TTextIniFile::ValueExists(const String& section, const String& ident) {
  const IniSection* found = Document().FindSection(section);
  return found && found->Find(ident);
}

// --- TIniFile and TMemIniFile -------------------------------------------------------------------

TIniFile::TIniFile(const String& fileName) : TTextIniFile(fileName) {}

IniDocument& TIniFile::Document() {
  FDocument = LoadDocument();
  return *FDocument;
}

void TIniFile::DocumentChanged() { SaveDocument(*FDocument); }

TMemIniFile::TMemIniFile(const String& fileName) : TTextIniFile(fileName) { FDocument = LoadDocument(); }

void TMemIniFile::UpdateFile() { SaveDocument(*FDocument); }
