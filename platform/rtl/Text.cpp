// Code-point string routines over UTF-8 (see Text.h). Case mapping beyond ASCII goes through Qt.
#include "rtl/Text.h"

#include <QString>

#include <algorithm>
#include <cctype>

namespace {

QString ToQ(const String& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
String FromQ(const QString& s) { return s.toUtf8().toStdString(); }

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool IsBlank(unsigned char c) { return c <= ' '; }

// Number of continuation bytes announced by a lead byte, or -1 for a byte that cannot lead.
int ContinuationCount(unsigned char b) {
  if (b < 0x80) return 0;
  if ((b >> 5) == 0x6) return 1;
  if ((b >> 4) == 0xE) return 2;
  if ((b >> 3) == 0x1E) return 3;
  return -1;
}

int Clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

}  // namespace

char32_t DecodeUtf8(const String& s, size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  const int extra = ContinuationCount(lead);
  if (extra <= 0 || i + extra >= s.size()) {
    ++i;  // ASCII, or an invalid or truncated sequence: the byte stands for itself
    return lead;
  }
  char32_t cp = lead & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return lead;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  i += extra + 1;
  return cp;
}

String CodePointToUtf8(char32_t cp) {
  String out;
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
  return out;
}

std::u32string ToCodePoints(const String& s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) out += DecodeUtf8(s, i);
  return out;
}

String FromCodePoints(const std::u32string& cps) {
  String out;
  for (char32_t cp : cps) out += CodePointToUtf8(cp);
  return out;
}

std::u16string ToUtf16(const String& s) {
  std::u16string out;
  for (char32_t cp : ToCodePoints(s)) {
    if (cp < 0x10000) {
      out += char16_t(cp);
    } else {
      cp -= 0x10000;
      out += char16_t(0xD800 + (cp >> 10));
      out += char16_t(0xDC00 + (cp & 0x3FF));
    }
  }
  return out;
}

String FromUtf16(const std::u16string& units) {
  String out;
  for (size_t i = 0; i < units.size(); ++i) {
    const char32_t unit = units[i];
    const bool high = unit >= 0xD800 && unit < 0xDC00;
    const bool pairs = high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000;
    if (pairs) {
      out += CodePointToUtf8(0x10000 + ((unit - 0xD800) << 10) + (char32_t(units[++i]) - 0xDC00));
    } else {
      out += CodePointToUtf8(unit >= 0xD800 && unit < 0xE000 ? 0xFFFD : unit);
    }
  }
  return out;
}

size_t ByteOffsetOf(const String& s, int index) {
  size_t i = 0;
  for (int n = 1; n < index && i < s.size(); ++n) DecodeUtf8(s, i);
  return i;
}

int Length(const String& s) {
  int n = 0;
  for (size_t i = 0; i < s.size(); ++n) DecodeUtf8(s, i);
  return n;
}

String Copy(const String& s, int index, int count) {
  if (index < 1) index = 1;
  if (count <= 0) return String();
  const size_t from = ByteOffsetOf(s, index);
  size_t to = from;
  for (int n = 0; n < count && to < s.size(); ++n) DecodeUtf8(s, to);
  return s.substr(from, to - from);
}

int Pos(const String& sub, const String& s, int offset) {
  if (sub.empty() || offset < 1) return 0;
  const size_t at = s.find(sub, ByteOffsetOf(s, offset));
  if (at == String::npos) return 0;
  return Length(s.substr(0, at)) + 1;
}

void Delete(String& s, int index, int count) {
  if (index < 1 || count <= 0) return;
  const size_t from = ByteOffsetOf(s, index);
  const size_t to = ByteOffsetOf(s, index + count);
  s.erase(from, to - from);
}

void Insert(const String& sub, String& s, int index) {
  s.insert(ByteOffsetOf(s, Clamp(index, 1, Length(s) + 1)), sub);
}

String StringOfChar(char32_t ch, int count) {
  String one = CodePointToUtf8(ch), out;
  for (int n = 0; n < count; ++n) out += one;
  return out;
}

String Trim(const String& s) { return TrimLeft(TrimRight(s)); }

String TrimLeft(const String& s) {
  size_t i = 0;
  while (i < s.size() && IsBlank(static_cast<unsigned char>(s[i]))) ++i;
  return s.substr(i);
}

String TrimRight(const String& s) {
  size_t n = s.size();
  while (n > 0 && IsBlank(static_cast<unsigned char>(s[n - 1]))) --n;
  return s.substr(0, n);
}

String UpperCase(const String& s) {
  String out = s;
  for (char& c : out) c = AsciiUpper(c);
  return out;
}

String LowerCase(const String& s) {
  String out = s;
  for (char& c : out) c = AsciiLower(c);
  return out;
}

String AnsiUpperCase(const String& s) { return FromQ(ToQ(s).toUpper()); }
String AnsiLowerCase(const String& s) { return FromQ(ToQ(s).toLower()); }

int CompareStr(const String& a, const String& b) {
  // UTF-8 byte order is code-point order.
  const int c = a.compare(b);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

int CompareText(const String& a, const String& b) { return CompareStr(UpperCase(a), UpperCase(b)); }
bool SameText(const String& a, const String& b) { return CompareText(a, b) == 0; }

int AnsiCompareText(const String& a, const String& b) {
  // ASCII text compares as Qt folds it, to lower case character by character; names of fields
  // and objects are mostly ASCII and compared often.
  const auto ascii = [](const String& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  };
  if (ascii(a) && ascii(b)) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
      const int ca = std::tolower(static_cast<unsigned char>(a[i])), cb = std::tolower(static_cast<unsigned char>(b[i]));
      if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
  }
  const int c = ToQ(a).compare(ToQ(b), Qt::CaseInsensitive);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}
bool AnsiSameText(const String& a, const String& b) { return AnsiCompareText(a, b) == 0; }

String StringReplace(const String& s, const String& oldPattern, const String& newPattern, int flags) {
  if (oldPattern.empty()) return s;
  const bool ignoreCase = flags & rfIgnoreCase;
  const String hay = ignoreCase ? AnsiUpperCase(s) : s;
  const String needle = ignoreCase ? AnsiUpperCase(oldPattern) : oldPattern;
  // Upper-casing can change byte lengths outside ASCII; fall back to Qt when it did.
  if (hay.size() != s.size() || needle.size() != oldPattern.size()) {
    QString q = ToQ(s);
    const auto cs = ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    if (flags & rfReplaceAll) return FromQ(q.replace(ToQ(oldPattern), ToQ(newPattern), cs));
    const qsizetype at = q.indexOf(ToQ(oldPattern), 0, cs);
    return at < 0 ? s : FromQ(q.replace(at, ToQ(oldPattern).size(), ToQ(newPattern)));
  }
  String out;
  size_t from = 0;
  for (;;) {
    const size_t at = hay.find(needle, from);
    if (at == String::npos) break;
    out.append(s, from, at - from).append(newPattern);
    from = at + needle.size();
    if (!(flags & rfReplaceAll)) break;
  }
  return out.append(s, from, String::npos);
}

String QuotedStr(const String& s, char quote) {
  String out(1, quote);
  for (char c : s) {
    out += c;
    if (c == quote) out += quote;
  }
  return out += quote;
}

String AnsiExtractQuotedStr(const String& text, size_t& i, char quote) {
  String item;
  for (++i; i < text.size(); ++i) {
    if (text[i] != quote) {
      item += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == quote) {
      item += quote;
      ++i;
    } else {
      ++i;
      break;
    }
  }
  return item;
}

String DequotedStr(const String& s, char quote) {
  if (s.size() < 2 || s.front() != quote || s.back() != quote) return s;
  String out;
  for (size_t i = 1; i + 1 < s.size(); ++i) {
    out += s[i];
    if (s[i] == quote && s[i + 1] == quote) ++i;
  }
  return out;
}
