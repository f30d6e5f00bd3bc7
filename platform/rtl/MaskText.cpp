// Edit masks: the mask is read into its positions (literal or editable, with a case), then the
// value's characters are laid into the editable ones.
#include "rtl/MaskText.h"

#include <vector>

#include "rtl/FormatSettings.h"
#include "rtl/Text.h"

namespace {

enum class TCase { None, Upper, Lower };

struct TMaskPosition {
  bool Literal;
  char32_t Char;  // the literal
  TCase Case;
};

struct TMask {
  std::vector<TMaskPosition> Positions;
  bool SaveLiterals = true;
  char32_t Blank = U'_';
  bool BlanksFirst = false;
};

bool IsEditChar(char32_t c) { return std::u32string(U"LlAaCc09#").find(c) != std::u32string::npos; }

// The two fields after the mask: "mask;save;blank". Only a field that is there changes the
// default, as in "000;0" (blank "_").
std::u32string SplitFields(std::u32string text, TMask& mask) {
  const size_t last = text.rfind(U';');
  if (last == std::u32string::npos) return text;
  const size_t before = last == 0 ? std::u32string::npos : text.rfind(U';', last - 1);
  if (before != std::u32string::npos) {
    if (last + 1 < text.size()) mask.Blank = text[last + 1];
    mask.SaveLiterals = text.substr(before + 1, last - before - 1) != U"0";
    return text.substr(0, before);
  }
  mask.SaveLiterals = text.substr(last + 1) != U"0";
  return text.substr(0, last);
}

TMask ReadMask(const String& editMask) {
  TMask mask;
  const std::u32string text = SplitFields(ToCodePoints(editMask), mask);
  const TFormatSettings& fs = FormatSettings();
  TCase letterCase = TCase::None;
  for (size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (c == U'!') {
      mask.BlanksFirst = true;
    } else if (c == U'<' && i + 1 < text.size() && text[i + 1] == U'>') {
      letterCase = TCase::None;
      ++i;
    } else if (c == U'>' || c == U'<') {
      letterCase = c == U'>' ? TCase::Upper : TCase::Lower;
    } else if (IsEditChar(c)) {
      mask.Positions.push_back({false, 0, letterCase});
    } else {
      char32_t literal = c;
      if (c == U'\\' && i + 1 < text.size()) literal = text[++i];
      else if (c == U':') literal = char32_t(fs.TimeSeparator);
      else if (c == U'/') literal = char32_t(fs.DateSeparator);
      else if (c == U'_') literal = U' ';
      mask.Positions.push_back({true, literal, TCase::None});
    }
  }
  return mask;
}

char32_t InCase(char32_t c, TCase letterCase) {
  if (letterCase == TCase::None) return c;
  const String s = CodePointToUtf8(c);
  const std::u32string changed = ToCodePoints(letterCase == TCase::Upper ? AnsiUpperCase(s) : AnsiLowerCase(s));
  return changed.size() == 1 ? changed[0] : c;
}

}  // namespace

String FormatMaskText(const String& EditMask, const String& Value) {
  const TMask mask = ReadMask(EditMask);
  std::u32string value = ToCodePoints(Value);
  if (!mask.SaveLiterals) {
    size_t editable = 0;
    for (const TMaskPosition& p : mask.Positions) editable += !p.Literal;
    if (value.size() > editable) value.resize(editable);
    if (mask.BlanksFirst) value.insert(0, editable - value.size(), mask.Blank);
  }
  std::u32string out;
  size_t next = 0;
  for (const TMaskPosition& p : mask.Positions) {
    const bool has = next < value.size();
    if (p.Literal) {
      out += p.Char;
      if (mask.SaveLiterals && has) ++next;
    } else {
      out += has ? InCase(value[next++], p.Case) : mask.Blank;
    }
  }
  return FromCodePoints(out);
}
