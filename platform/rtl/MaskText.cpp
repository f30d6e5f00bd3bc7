// Edit masks: a mask string is read once into the class and the case of each of its characters
// and the mask position of each edit offset; every routine works on that reading.
#include "rtl/MaskText.h"

#include <QChar>

#include <vector>

#include "rtl/FormatSettings.h"
#include "rtl/Text.h"

namespace {

struct TParsedMask {
  std::u32string Chars;
  std::vector<TMaskCharType> Types;
  std::vector<TMaskDirectives> Cases;  // the case directives in force at each character
  std::vector<int> Edit;               // the character index of each edit offset
  bool Reverse = false;
  bool KeepLiterals = true;
  char32_t Blank = U'_';

  TMaskCharType EditType(int Offset) const {
    return Offset >= 0 && Offset < Size() ? Types[static_cast<size_t>(Edit[static_cast<size_t>(Offset)])] : mcNone;
  }
  char32_t EditChar(int Offset) const { return Chars[static_cast<size_t>(Edit[static_cast<size_t>(Offset)])]; }
  TMaskDirectives EditCase(int Offset) const { return Cases[static_cast<size_t>(Edit[static_cast<size_t>(Offset)])]; }
  bool IsLiteral(int Offset) const {
    const TMaskCharType t = EditType(Offset);
    return t == mcLiteral || t == mcLocaleLiteral;
  }
  bool IsEditable(int Offset) const {
    const TMaskCharType t = EditType(Offset);
    return t == mcRequired || t == mcOptional;
  }
  // What a literal offset shows.
  char32_t LiteralChar(int Offset) const {
    return EditType(Offset) == mcLocaleLiteral ? LocaleLiteralChar(EditChar(Offset)) : EditChar(Offset);
  }
  int Size() const { return static_cast<int>(Edit.size()); }
};

// "\" escapes the next character unless it is escaped itself.
std::vector<bool> EscapedChars(const std::u32string& C) {
  std::vector<bool> escaped(C.size(), false);
  for (size_t i = 0; i + 1 < C.size(); ++i)
    if (C[i] == U'\\' && !escaped[i]) escaped[i + 1] = true;
  return escaped;
}

TMaskCharType ClassOf(char32_t C) {
  switch (C) {
    case U'!': case U'>': case U'<': case U'\\': return mcDirective;
    case U'/': case U':': return mcLocaleLiteral;
    case U'L': case U'A': case U'C': case U'0': return mcRequired;
    case U'l': case U'a': case U'c': case U'9': case U'#': return mcOptional;
    default: return mcLiteral;
  }
}

// The option fields: a ";" counts only among the last four characters.
void ReadFields(TParsedMask& M, const std::vector<bool>& Escaped) {
  const size_t n = M.Chars.size();
  int separators = 0;
  for (size_t i = n < 4 ? 0 : n - 4; i < n; ++i) {
    if (M.Types[i] == mcFieldValue || M.Chars[i] != U';' || Escaped[i]) continue;
    M.Types[i] = mcFieldSeparator;
    ++separators;
    if (i + 1 >= n) continue;
    M.Types[i + 1] = mcFieldValue;
    if (separators == 1) M.KeepLiterals = M.Chars[i + 1] != U'0';
    if (separators == 2) M.Blank = M.Chars[i + 1];
  }
}

// The case a ">" or "<" starts lasts until the next one; "<>" ends it.
void ReadCases(TParsedMask& M) {
  TMaskDirectives current = 0;
  for (size_t i = 0; i < M.Chars.size(); ++i) {
    if (M.Types[i] == mcDirective) {
      const char32_t c = M.Chars[i];
      if (c == U'<' && i + 1 < M.Chars.size() && M.Chars[i + 1] == U'>' && M.Types[i + 1] == mcDirective) {
        current = 0;
        M.Cases[i] = M.Cases[i + 1] = 0;
        ++i;
        continue;
      }
      if (c == U'>') current = mdUpperCase;
      if (c == U'<') current = mdLowerCase;
      if (c == U'!') M.Reverse = true;
    }
    M.Cases[i] = current;
  }
}

TParsedMask Parse(const String& Mask) {
  TParsedMask m;
  m.Chars = ToCodePoints(Mask);
  const size_t n = m.Chars.size();
  m.Types.assign(n, mcLiteral);
  m.Cases.assign(n, 0);
  const std::vector<bool> escaped = EscapedChars(m.Chars);
  ReadFields(m, escaped);
  for (size_t i = 0; i < n; ++i) {
    if (m.Types[i] == mcFieldSeparator || m.Types[i] == mcFieldValue) continue;
    m.Types[i] = escaped[i] ? mcLiteral : ClassOf(m.Chars[i]);
  }
  ReadCases(m);
  for (size_t i = 0; i < n; ++i)
    if (m.Types[i] != mcDirective && m.Types[i] != mcFieldSeparator && m.Types[i] != mcFieldValue)
      m.Edit.push_back(static_cast<int>(i));
  return m;
}

char32_t InCase(char32_t C, TMaskDirectives Case) {
  if (!(Case & (mdUpperCase | mdLowerCase))) return C;
  const String s = CodePointToUtf8(C);
  const std::u32string changed = ToCodePoints((Case & mdUpperCase) ? AnsiUpperCase(s) : AnsiLowerCase(s));
  return changed.size() == 1 ? changed[0] : C;
}

bool IsDigit(char32_t C) { return C >= U'0' && C <= U'9'; }
bool IsLetter(char32_t C) { return QChar::isLetter(C); }

// Pads or cuts a sub-field's part to Length: at the front for a reversed mask.
std::u32string FitPart(std::u32string Part, size_t Length, bool Reverse, char32_t Blank) {
  if (Part.size() > Length) return Reverse ? Part.substr(Part.size() - Length) : Part.substr(0, Length);
  const std::u32string pad(Length - Part.size(), Blank);
  return Reverse ? pad + Part : Part + pad;
}

bool Accept(const TParsedMask& M, int Offset, char32_t& Char) {
  if (M.IsLiteral(Offset)) {
    Char = M.LiteralChar(Offset);
    return true;
  }
  if (!M.IsEditable(Offset)) return false;
  bool accepted = false;
  switch (M.EditChar(Offset)) {
    case U'0': case U'9': accepted = IsDigit(Char); break;
    case U'#': accepted = IsDigit(Char) || Char == U' ' || Char == U'+' || Char == U'-'; break;
    case U'C': case U'c': accepted = true; break;
    case U'L': case U'l': accepted = IsLetter(Char); break;
    case U'A': case U'a': accepted = IsLetter(Char) || IsDigit(Char); break;
    default: break;
  }
  if (accepted) Char = InCase(Char, M.EditCase(Offset));
  return accepted;
}

// "_" written as it is in the mask (not after "\") is a blank in FORMATTEXT.
bool IsBlankLiteral(const TParsedMask& M, int Offset) {
  const int i = M.Edit[static_cast<size_t>(Offset)];
  const bool escaped = i > 0 && M.Types[static_cast<size_t>(i - 1)] == mcDirective && M.Chars[static_cast<size_t>(i - 1)] == U'\\';
  return M.EditChar(Offset) == U'_' && !escaped;
}

}  // namespace

TMaskCharType MaskCharClass(const String& Mask, int Position) {
  const TParsedMask m = Parse(Mask);
  if (Position < 1 || Position > static_cast<int>(m.Chars.size())) return mcNone;
  return m.Types[static_cast<size_t>(Position - 1)];
}

TMaskDirectives GetMaskDirectives(const String& Mask, int Position) {
  const TParsedMask m = Parse(Mask);
  TMaskDirectives d = m.Reverse ? TMaskDirectives(mdReverse) : 0u;
  if (Position < 1 || Position > static_cast<int>(m.Chars.size())) return d;
  const auto i = static_cast<size_t>(Position - 1);
  d |= m.Cases[i];
  if (m.Types[i] == mcLiteral || m.Types[i] == mcLocaleLiteral) d |= mdLiteral;
  return d;
}

char32_t LocaleLiteralChar(char32_t C) {
  if (C == U'/') return static_cast<unsigned char>(FormatSettings().DateSeparator);
  if (C == U':') return static_cast<unsigned char>(FormatSettings().TimeSeparator);
  return C;
}

bool MaskKeepsLiterals(const String& Mask) { return Parse(Mask).KeepLiterals; }
char32_t MaskBlankChar(const String& Mask) { return Parse(Mask).Blank; }
int MaskMaxChars(const String& Mask) { return Parse(Mask).Size(); }

String ApplyMaskToValue(const String& Mask, const String& Value, char32_t Blank) {
  const TParsedMask m = Parse(Mask);
  const std::u32string value = ToCodePoints(Value);
  std::u32string out(static_cast<size_t>(m.Size()), Blank);
  const int step = m.Reverse ? -1 : 1;
  int next = m.Reverse ? static_cast<int>(value.size()) - 1 : 0;
  for (int k = m.Reverse ? m.Size() - 1 : 0; k >= 0 && k < m.Size(); k += step) {
    const auto at = static_cast<size_t>(k);
    if (m.IsLiteral(k)) {
      out[at] = m.LiteralChar(k);
    } else if (next >= 0 && next < static_cast<int>(value.size())) {
      out[at] = value[static_cast<size_t>(next)];
      next += step;
    }
  }
  return FromCodePoints(out);
}

String FitValueToMask(const String& Mask, const String& Value, char32_t Blank) {
  const TParsedMask m = Parse(Mask);
  const std::u32string value = ToCodePoints(Value);
  std::u32string out;
  size_t from = 0, fieldLength = 0;
  for (int k = 0; k < m.Size(); ++k) {
    if (!m.IsLiteral(k)) {
      ++fieldLength;
      continue;
    }
    const char32_t literal = m.LiteralChar(k);
    const size_t found = from < value.size() ? value.find(literal, from) : std::u32string::npos;
    const size_t end = found == std::u32string::npos ? value.size() : found;
    out += FitPart(value.substr(std::min(from, value.size()), end - std::min(from, end)), fieldLength, m.Reverse, Blank);
    out += literal;
    from = found == std::u32string::npos ? value.size() : found + 1;
    fieldLength = 0;
  }
  out += FitPart(from < value.size() ? value.substr(from) : std::u32string(), fieldLength, m.Reverse, Blank);
  for (int k = 0; k < m.Size(); ++k)
    if (!m.IsLiteral(k) && out[static_cast<size_t>(k)] == U' ') out[static_cast<size_t>(k)] = Blank;
  return FromCodePoints(out);
}

String StripEditText(const String& Mask, const String& EditText, char32_t Blank) {
  const TParsedMask m = Parse(Mask);
  const std::u32string text = ToCodePoints(EditText);
  std::u32string value;
  for (size_t k = 0; k < text.size(); ++k)
    if (!m.IsLiteral(static_cast<int>(k))) value += text[k];
  if (m.Reverse) {
    const size_t first = value.find_first_not_of(Blank);
    value.erase(0, first == std::u32string::npos ? value.size() : first);
  } else {
    const size_t last = value.find_last_not_of(Blank);
    value.erase(last == std::u32string::npos ? 0 : last + 1);
  }
  if (Blank != U' ')
    for (char32_t& c : value)
      if (c == Blank) c = U' ';
  return FromCodePoints(value);
}

int MaskToEditOffset(const String& Mask, int Position) {
  const TParsedMask m = Parse(Mask);
  int count = 0;
  for (int k = 0; k < m.Size() && m.Edit[static_cast<size_t>(k)] < Position; ++k) ++count;
  return count;
}

int EditToMaskOffset(const String& Mask, int Offset) {
  const TParsedMask m = Parse(Mask);
  return Offset >= 0 && Offset < m.Size() ? m.Edit[static_cast<size_t>(Offset)] + 1 : -1;
}

bool IsEditLiteral(const String& Mask, int Offset) { return Parse(Mask).IsLiteral(Offset); }

int NextEditablePos(const String& Mask, int Offset) {
  const TParsedMask m = Parse(Mask);
  for (int k = std::max(Offset, 0); k < m.Size(); ++k)
    if (!m.IsLiteral(k)) return k;
  return Offset;
}

int PriorEditablePos(const String& Mask, int Offset) {
  const TParsedMask m = Parse(Mask);
  for (int k = std::min(Offset, m.Size() - 1); k >= 0; --k)
    if (!m.IsLiteral(k)) return k;
  return NextEditablePos(Mask, Offset);
}

bool AcceptMaskChar(const String& Mask, int Offset, char32_t& Char) { return Accept(Parse(Mask), Offset, Char); }

int FindTypedLiteral(const String& Mask, int Offset, char32_t Char) {
  const TParsedMask m = Parse(Mask);
  for (int k = Offset - 1; k >= 0 && m.IsLiteral(k); --k)
    if (m.LiteralChar(k) == Char) return k;
  for (int k = std::max(Offset, 0); k < m.Size(); ++k)
    if (m.IsLiteral(k) && m.LiteralChar(k) == Char) return k;
  return -1;
}

int FindIncompletePosition(const String& Mask, const String& EditText, char32_t Blank, bool IgnoreBlank) {
  const TParsedMask m = Parse(Mask);
  const std::u32string text = ToCodePoints(EditText);
  for (int k = 0; k < m.Size(); ++k) {
    if (m.EditType(k) != mcRequired) continue;
    const char32_t c = k < static_cast<int>(text.size()) ? text[static_cast<size_t>(k)] : Blank;
    if ((c == Blank && !IgnoreBlank) || (c == U' ' && m.EditChar(k) != U'C')) return k;
  }
  return -1;
}

String BlankSelection(const String& Mask, const String& EditText, int Start, int Stop, char32_t Blank) {
  const TParsedMask m = Parse(Mask);
  const std::u32string text = ToCodePoints(EditText);
  std::u32string part;
  for (int k = std::max(Start, 0); k < Stop && k < static_cast<int>(text.size()); ++k)
    part += m.IsEditable(k) ? Blank : text[static_cast<size_t>(k)];
  return FromCodePoints(part);
}

String PasteIntoMask(const String& Mask, const String& EditText, int Start, const String& Text, char32_t Blank,
                     int& End) {
  const TParsedMask m = Parse(Mask);
  std::u32string out = ToCodePoints(EditText);
  if (static_cast<int>(out.size()) < m.Size()) out.resize(static_cast<size_t>(m.Size()), Blank);
  const std::u32string text = ToCodePoints(Text);
  int k = std::max(Start, 0);
  for (size_t i = 0; i < text.size() && k < m.Size(); ++k) {
    char32_t c = text[i];
    if (m.IsLiteral(k)) {
      if (c == m.LiteralChar(k)) ++i;
      continue;
    }
    out[static_cast<size_t>(k)] = Accept(m, k, c) ? c : Blank;
    ++i;
  }
  End = k;
  return FromCodePoints(out);
}

String FormatMaskText(const String& EditMask, const String& Value) {
  const TParsedMask m = Parse(EditMask);
  std::u32string value = ToCodePoints(Value);
  if (!m.KeepLiterals) {
    size_t editable = 0;
    for (int k = 0; k < m.Size(); ++k) editable += !m.IsLiteral(k);
    if (value.size() > editable) value.resize(editable);
    if (m.Reverse) value.insert(0, editable - value.size(), m.Blank);
  }
  std::u32string out;
  size_t next = 0;
  for (int k = 0; k < m.Size(); ++k) {
    const bool has = next < value.size();
    if (m.IsLiteral(k)) {
      const char32_t c = m.LiteralChar(k);
      out += IsBlankLiteral(m, k) ? U' ' : c;
      if (m.KeepLiterals && has) ++next;
    } else {
      out += has ? InCase(value[next++], m.EditCase(k)) : m.Blank;
    }
  }
  return FromCodePoints(out);
}
