// Picture formats for numbers (FormatFloat, see Convert.h): a section is read into tokens once,
// measured, and then filled with the value's digits.
#include <cmath>
#include <vector>

#include "rtl/Convert.h"
#include "rtl/FloatDecimal_p.h"

namespace {

enum class TTokenKind { Digit, Point, Exponent, Literal };

struct TToken {
  TTokenKind Kind = TTokenKind::Literal;
  String Text;             // literal text; the letter "E" or "e" of an exponent
  bool AfterPoint = false;  // digit placeholders
  bool PlusSign = false;    // exponents: "E+" shows "+" for positive exponents
  int ExponentDigits = 0;   // exponents: the zeros after the sign
};

struct TPicture {
  std::vector<TToken> Tokens;
  int WholePlaceholders = 0;
  int FirstWholeZero = -1;  // index of the first "0" among the whole-part placeholders
  int MinWholeDigits = 0;   // placeholders from that "0" on
  int FracPlaceholders = 0;
  int MinFracDigits = 0;  // placeholders up to the last "0" after the point
  bool Thousands = false;
  bool Scientific = false;
};

// Splits at ";" outside quotes; at most three sections count.
std::vector<String> SplitSections(const String& format) {
  std::vector<String> sections(1);
  char quote = 0;
  for (char c : format) {
    if (quote) {
      quote = c == quote ? 0 : quote;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == ';') {
      if (sections.size() == 3) break;
      sections.emplace_back();
      continue;
    }
    sections.back() += c;
  }
  return sections;
}

void AddLiteral(TPicture& p, String text) {
  if (!p.Tokens.empty() && p.Tokens.back().Kind == TTokenKind::Literal) {
    p.Tokens.back().Text += text;
  } else {
    p.Tokens.push_back({TTokenKind::Literal, std::move(text)});
  }
}

void AddDigit(TPicture& p, bool zero, bool afterPoint) {
  p.Tokens.push_back({TTokenKind::Digit, {}, afterPoint});
  if (afterPoint) {
    ++p.FracPlaceholders;
    if (zero) p.MinFracDigits = p.FracPlaceholders;
  } else {
    if (zero && p.FirstWholeZero < 0) p.FirstWholeZero = p.WholePlaceholders;
    ++p.WholePlaceholders;
  }
}

// Reads "E+00" at index i (on the letter); returns the index of its last character.
size_t AddExponent(TPicture& p, const String& section, size_t i) {
  TToken token{TTokenKind::Exponent, String(1, section[i])};
  token.PlusSign = section[i + 1] == '+';
  i += 1;
  while (i + 1 < section.size() && section[i + 1] == '0') ++token.ExponentDigits, ++i;
  p.Tokens.push_back(token);
  p.Scientific = true;
  return i;
}

TPicture ParsePicture(const String& section) {
  TPicture p;
  bool afterPoint = false;
  for (size_t i = 0; i < section.size(); ++i) {
    const char c = section[i];
    const bool exponentDone = p.Scientific;  // placeholders after the exponent are plain text
    if (c == '\'' || c == '"') {
      const size_t close = section.find(c, i + 1);
      AddLiteral(p, section.substr(i + 1, (close == String::npos ? section.size() : close) - i - 1));
      i = close == String::npos ? section.size() : close;
    } else if ((c == '0' || c == '#') && !exponentDone) {
      AddDigit(p, c == '0', afterPoint);
    } else if (c == '.' && !exponentDone) {
      if (!afterPoint) p.Tokens.push_back({TTokenKind::Point, {}});
      afterPoint = true;
    } else if (c == ',' && !exponentDone) {
      p.Thousands = true;
    } else if ((c == 'E' || c == 'e') && i + 1 < section.size() && (section[i + 1] == '+' || section[i + 1] == '-') &&
               !exponentDone) {
      i = AddExponent(p, section, i);
    } else {
      AddLiteral(p, String(1, c));
    }
  }
  if (p.FirstWholeZero >= 0) p.MinWholeDigits = p.WholePlaceholders - p.FirstWholeZero;
  return p;
}

// The value's digits as the picture needs them: the whole part, the fraction and, for a
// scientific picture, the exponent.
struct TFilledDigits {
  String Whole;
  String Fraction;
  int Exponent = 0;
};

TFilledDigits FillDigits(const TPicture& p, const TFloatDecimal& d) {
  TFilledDigits f;
  int shift = d.Exponent;  // digits before the point
  if (p.Scientific) {
    shift = p.WholePlaceholders;
    f.Exponent = d.IsZero() ? 0 : d.Exponent - p.WholePlaceholders;
  }
  for (int i = 0; i < shift; ++i) f.Whole += d.DigitAt(i);
  if (int(f.Whole.size()) < p.MinWholeDigits) f.Whole.insert(0, size_t(p.MinWholeDigits) - f.Whole.size(), '0');
  for (int k = 0; k < p.FracPlaceholders; ++k) f.Fraction += d.DigitAt(shift + k);
  while (int(f.Fraction.size()) > p.MinFracDigits && f.Fraction.back() == '0') f.Fraction.pop_back();
  return f;
}

// Writes the whole-part digits that placeholder `index` stands for: the first placeholder also
// takes every digit the picture has no placeholder for.
void WriteWholeDigits(const TPicture& p, const TFilledDigits& f, int index, char separator, String& out) {
  const int count = int(f.Whole.size());
  const int last = index + count - p.WholePlaceholders;
  const int first = index == 0 ? 0 : last;
  for (int i = std::max(first, 0); i <= last; ++i) {
    out += f.Whole[size_t(i)];
    const int remaining = count - 1 - i;
    if (separator && remaining > 0 && remaining % 3 == 0) out += separator;
  }
}

String ExponentText(const TToken& token, int exponent) {
  String digits = std::to_string(exponent < 0 ? -exponent : exponent);
  if (int(digits.size()) < token.ExponentDigits) digits.insert(0, size_t(token.ExponentDigits) - digits.size(), '0');
  return token.Text + (exponent < 0 ? "-" : token.PlusSign ? "+" : "") + digits;
}

String Render(const TPicture& p, const TFilledDigits& f, const TFormatSettings& fs) {
  const char separator = p.Thousands && !p.Scientific ? fs.ThousandSeparator : 0;
  String out;
  int wholeIndex = 0;
  size_t fracIndex = 0;
  for (const TToken& token : p.Tokens) {
    switch (token.Kind) {
      case TTokenKind::Digit:
        if (!token.AfterPoint) {
          WriteWholeDigits(p, f, wholeIndex++, separator, out);
        } else if (fracIndex < f.Fraction.size()) {
          out += f.Fraction[fracIndex++];
        }
        break;
      case TTokenKind::Point:
        if (p.WholePlaceholders == 0) out += f.Whole;
        if (!f.Fraction.empty()) out += fs.DecimalSeparator;
        break;
      case TTokenKind::Exponent: out += ExponentText(token, f.Exponent); break;
      case TTokenKind::Literal: out += token.Text; break;
    }
  }
  return out;
}

TFloatDecimal RoundedFor(const TPicture& p, double value) {
  TFloatDecimal d = FloatToDecimal(value, 15);
  if (p.Scientific) {
    RoundToSignificant(d, std::max(1, p.WholePlaceholders + p.FracPlaceholders));
  } else {
    RoundToDecimals(d, p.FracPlaceholders);
  }
  return d;
}

}  // namespace

String FormatFloat(const String& format, double value, const TFormatSettings& fs) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  const std::vector<String> sections = SplitSections(format);
  if (sections[0].empty()) return FloatToStr(value, fs);
  size_t index = value < 0 && sections.size() > 1 && !sections[1].empty() ? 1 : 0;
  TPicture picture = ParsePicture(sections[index]);
  TFloatDecimal d = RoundedFor(picture, value);
  if (d.IsZero()) {
    // A value that rounds to zero shows as zero: by the zero section, else by the positive one.
    const size_t zeroIndex = sections.size() > 2 && !sections[2].empty() ? 2 : 0;
    if (zeroIndex != index) {
      index = zeroIndex;
      picture = ParsePicture(sections[index]);
      d = RoundedFor(picture, value);
    }
  }
  const bool sign = index == 0 && d.Negative && !d.IsZero();
  String text = Render(picture, FillDigits(picture, d), fs);
  if (sign) text.insert(text.begin(), '-');
  return text;
}
