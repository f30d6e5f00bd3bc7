// Parsing and formatting of the INI text form, with its escaping (see IniText_p.h).
#include "settings/IniText_p.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "rtl/Convert.h"
#include "rtl/Text.h"
#include "settings/IniFiles.h"

namespace {

const char* const kEscapeDigits = "0123456789ABCDEF";
const char* const kBinaryDigits = "0123456789abcdef";
const char* const kSectionSpecials = "[]";
const char* const kNameSpecials = "=[];#";
const char* const kValueSpecials = "";

bool IsControl(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b < 0x20 || b == 0x7F;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool NeedsEscape(const String& text, size_t i, const char* specials) {
  const char c = text[i];
  const bool atEdge = i == 0 || i + 1 == text.size();
  return c == '%' || IsControl(c) || (atEdge && IsBlank(c)) || std::strchr(specials, c) != nullptr;
}

String TrimBlanks(const String& s) {
  size_t from = 0, to = s.size();
  while (from < to && IsBlank(s[from])) ++from;
  while (to > from && IsBlank(s[to - 1])) --to;
  return s.substr(from, to - from);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

String Escape(const String& text, const char* specials) {
  String out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (NeedsEscape(text, i, specials)) {
      const auto b = static_cast<unsigned char>(text[i]);
      out += '%';
      out += kEscapeDigits[b >> 4];
      out += kEscapeDigits[b & 0xF];
    } else {
      out += text[i];
    }
  }
  return out;
}

String Unescape(const String& text) {
  String out;
  for (size_t i = 0; i < text.size(); ++i) {
    const int high = i + 2 < text.size() && text[i] == '%' ? HexValue(text[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
    if (low >= 0) {
      out += char(high * 16 + low);
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

String EntryLine(const IniEntry& entry) {
  return Escape(entry.Name, kNameSpecials) + "=" + Escape(entry.Value, kValueSpecials) + "\n";
}

// One line of the file, without its line break: blank or comment (nothing to do), a header or an
// entry of the current section.
void ParseLine(const String& raw, int line, const String& fileName, IniDocument& document, IniSection*& section) {
  if (std::any_of(raw.begin(), raw.end(), [](char c) { return IsControl(c) && c != '\t'; }))
    IniSyntaxError(fileName, line, "含有控制字符");
  const String text = TrimBlanks(raw);
  if (text.empty() || text[0] == ';' || text[0] == '#') return;
  if (text[0] == '[') {
    if (text.back() != ']') IniSyntaxError(fileName, line, "节名缺少“]”");
    section = &document.AddSection(Unescape(TrimBlanks(text.substr(1, text.size() - 2))), line);
    return;
  }
  const size_t equals = text.find('=');
  if (equals == String::npos) IniSyntaxError(fileName, line, "既不是“[节名]”也不是“名称=值”");
  if (!section) IniSyntaxError(fileName, line, "值不属于任何节");
  section->Set(Unescape(TrimBlanks(text.substr(0, equals))), Unescape(TrimBlanks(text.substr(equals + 1))), line);
}

}  // namespace

String EncodeSettingsHex(const String& bytes) {
  String text;
  for (unsigned char b : bytes) {
    text += kBinaryDigits[b >> 4];
    text += kBinaryDigits[b & 0xF];
  }
  return text;
}

bool DecodeSettingsHex(const String& text, String& bytes) {
  if (text.size() % 2 != 0) return false;
  for (size_t i = 0; i < text.size(); i += 2) {
    const int high = HexValue(text[i]), low = HexValue(text[i + 1]);
    if (high < 0 || low < 0) return false;
    bytes += char(high * 16 + low);
  }
  return true;
}

void IniSyntaxError(const String& fileName, int line, const String& reason) {
  throw EIniFileException("设置文件“" + fileName + "”第 " + IntToStr(line) + " 行格式不正确：" + reason);
}

// --- sections -----------------------------------------------------------------------------------

void IniSection::Set(const String& name, const String& value, int line) {
  if (IniEntry* entry = Entries.Find(name)) {
    if (line > 0) Shadowed.push_back(*entry);  // a repeat read from the file
    entry->Value = value;
    entry->Line = line;
    return;
  }
  Entries.Append({name, value, line});
}

bool IniSection::Remove(const String& name) {
  if (!Entries.Remove(name)) return false;
  const String folded = FoldedSettingsName(name);
  std::erase_if(Shadowed, [&](const IniEntry& entry) { return FoldedSettingsName(entry.Name) == folded; });
  return true;
}

// --- document -----------------------------------------------------------------------------------

IniDocument IniDocument::Parse(const std::string& text, const String& fileName) {
  IniDocument document;
  IniSection* section = nullptr;
  size_t start = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  for (int line = 1; start < text.size(); ++line) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    String raw = text.substr(start, end - start);
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    ParseLine(raw, line, fileName, document, section);
    start = end + 1;
  }
  return document;
}

std::string IniDocument::Format(const std::vector<String>& comment) const {
  std::string text;
  for (const String& line : comment) text += "; " + line + "\n";
  for (const IniSection& section : FSections) {
    if (!text.empty()) text += "\n";
    text += "[" + Escape(section.Name, kSectionSpecials) + "]\n";
    std::unordered_map<String, std::vector<const IniEntry*>> earlier;
    for (const IniEntry& entry : section.Shadowed) earlier[FoldedSettingsName(entry.Name)].push_back(&entry);
    for (const IniEntry& entry : section.Entries) {
      const auto found = earlier.empty() ? earlier.end() : earlier.find(FoldedSettingsName(entry.Name));
      if (found != earlier.end())
        for (const IniEntry* line : found->second) text += EntryLine(*line);
      text += EntryLine(entry);
    }
  }
  return text;
}

IniSection& IniDocument::AddSection(const String& name, int line) {
  if (IniSection* section = FSections.Find(name)) return *section;
  return FSections.Append({name, {}, {}, line});
}
