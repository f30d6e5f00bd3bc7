// Layout of the text object's lines: word wrap at blanks, cuts inside words that are wider than
// the object, hyphenation of Cyrillic words, and the paragraph-end mark. Layout works in
// characters and measures on the scratch canvas at natural size.
#include "report/FR_Memo.h"

#include <algorithm>
#include <climits>

#include "graphics/Gdi.h"
#include "graphics/Graphic.h"
#include "report/FR_State.h"
#include "rtl/Arith.h"
#include "rtl/Text.h"

TCanvas& frScratchCanvas() {
  static TBitmap bitmap(1, 1);
  return *bitmap.Canvas();
}

namespace {

bool IsLineBreak(char32_t c) { return c == U'\r' || c == U'\n'; }

// Cyrillic vowels and the two signs, upper case.
bool IsVowel(char32_t c) {
  constexpr char32_t vowels[] = {U'Ё', U'А', U'Е', U'И', U'О', U'У', U'Ы', U'Э', U'Ю', U'Я'};
  return std::find(std::begin(vowels), std::end(vowels), c) != std::end(vowels);
}
bool IsSign(char32_t c) { return c == U'Ъ' || c == U'Ь'; }

// The first position from From (below End) at which the line from Start, up to and with that
// character, is wider than Limit; End when every one fits. A line's beginnings grow with their
// length, so the place is found by doubling and halving rather than by measuring every one.
size_t FirstOverflow(const std::u32string& Text, size_t Start, size_t From, size_t End, int Limit, TCanvas& Measure) {
  auto fits = [&](size_t k) { return Measure.TextWidth(FromCodePoints(Text.substr(Start, k + 1 - Start))) <= Limit; };
  if (From >= End || !fits(From)) return From;
  size_t fitting = From, beyond = From + 1;
  while (beyond < End && fits(beyond)) {
    fitting = beyond;
    beyond = From + 2 * (beyond - From);
  }
  beyond = std::min(beyond, End);
  while (beyond - fitting > 1) {
    const size_t middle = fitting + (beyond - fitting) / 2;
    (fits(middle) ? fitting : beyond) = middle;
  }
  return beyond;
}

}  // namespace

std::vector<int> TfrMemoView::HyphenPositions(const String& Word) {
  const std::u32string w = ToCodePoints(AnsiUpperCase(Word));
  std::vector<int> positions;
  if (w.size() < 4) return positions;
  for (size_t i = 2; i + 2 <= w.size(); ++i) {
    const char32_t c1 = w[i - 1], c2 = w[i], c3 = w[i + 1];
    const bool vowelPair = IsVowel(c1) && IsVowel(c2);
    const bool beforeVowel = IsVowel(c3) && ((IsVowel(c1) && !IsVowel(c2)) || !(IsVowel(c1) || IsVowel(c2) || IsSign(c2)));
    if (vowelPair || beforeVowel) positions.push_back(int(i));
  }
  return positions;
}

bool TfrMemoView::FitHyphenation(const std::u32string& Text, size_t Start, size_t& LastSpace, int Limit,
                                 TCanvas& Measure) const {
  const size_t wordStart = LastSpace + 1;
  size_t wordEnd = wordStart;
  while (wordEnd < Text.size() && Text[wordEnd] != U' ' && Text[wordEnd] != U',' && Text[wordEnd] != U'-' &&
         Text[wordEnd] != U'.')
    ++wordEnd;
  if (wordStart >= wordEnd) return false;
  bool fitted = false;
  const size_t base = LastSpace;
  for (int p : HyphenPositions(FromCodePoints(Text.substr(wordStart, wordEnd - wordStart)))) {
    const size_t breakAt = base + size_t(p);  // the last character before the hyphen
    if (Measure.TextWidth(FromCodePoints(Text.substr(Start, breakAt + 1 - Start)) + "-") > Limit) break;
    LastSpace = breakAt;
    fitted = true;
  }
  return fitted;
}

void TfrMemoView::WrapLine(const String& Line, int Limit, TCanvas& Measure, TStrings& Lines) const {
  const std::u32string s = ToCodePoints(Line);
  const String mark(1, frParagraphEnd);
  auto text = [&](size_t from, size_t to) { return FromCodePoints(s.substr(from, to - from)); };
  if (std::none_of(s.begin(), s.end(), IsLineBreak) && (s.size() < 2 || Measure.TextWidth(Line) <= Limit)) {
    Lines.Add(Line + mark);
    return;
  }
  size_t start = 0, lastSpace = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (IsLineBreak(s[i])) {
      Lines.Add(text(start, i) + mark);
      while (i + 1 < s.size() && IsLineBreak(s[i + 1])) ++i;
      if (i + 1 >= s.size()) return;
      start = lastSpace = i + 1;
      continue;
    }
    if (s[i] == U' ') {
      lastSpace = i;
      continue;
    }
    // A line holds at least one character, so that a character wider than the object cannot make
    // empty lines. What fits is passed over at once, keeping its last blank.
    if (i == start) continue;
    const size_t end = size_t(std::find_if(s.begin() + ptrdiff_t(i), s.end(), IsLineBreak) - s.begin());
    if (const size_t overflow = FirstOverflow(s, start, i, end, Limit, Measure); overflow > i) {
      for (size_t k = overflow; k-- > i;)
        if (s[k] == U' ') {
          lastSpace = k;
          break;
        }
      i = overflow - 1;
      continue;
    }
    const bool hyphenated = (Flags & flWordBreak) && FitHyphenation(s, start, lastSpace, Limit, Measure);
    if (hyphenated) {
      Lines.Add(text(start, lastSpace + 1) + "-");
      i = lastSpace;
    } else {
      if (lastSpace == start) lastSpace = i;  // no blank to break at: cut inside the word
      Lines.Add(text(start, lastSpace));
      if (s[lastSpace] != U' ') --lastSpace;  // that character begins the next line
    }
    start = lastSpace = lastSpace + 1;
  }
  if (start < s.size()) Lines.Add(text(start, s.size()) + mark);
}

int TfrMemoView::WrapText(TStrings& Lines) {
  TCanvas& measure = frScratchCanvas();
  measure.Font()->Assign(&Font);
  const int fontHeight = -int(Round(Font.Size() * 96.0 / 72));
  measure.Font()->SetHeight(fontHeight);
  SetTextCharacterExtra(measure.Handle(), CharSpacing);
  Lines.Clear();
  const bool turned = Alignment & frtaVertical;
  LineHeight = LineSpacing - fontHeight;
  const int limit = turned ? Height - 2 * GapY : Width - 2 * GapX;
  const bool unexpanded = !turned && !frState().PrintMode && ExpandedText.Count() == 1 &&
                          !ExpandedText[0].empty() && ExpandedText[0][0] == '[' &&
                          measure.TextWidth(ExpandedText[0]) > limit;
  if (unexpanded) {
    Lines.Add(ExpandedText[0]);
  } else {
    for (int i = 0; i < ExpandedText.Count(); ++i) {
      const String& line = ExpandedText[i];
      if (PreWrapped)
        Lines.Add(line);
      else if (Flags & flWordWrap)
        WrapLine(line, limit, measure, Lines);
      else
        Lines.Add(line + String(1, frParagraphEnd));
    }
  }
  SetTextCharacterExtra(measure.Handle(), 0);
  return int(std::clamp<int64_t>(int64_t(LinesHeight(Lines.Count())) + 2 * (turned ? GapX : GapY), INT_MIN, INT_MAX));
}

int TfrMemoView::LinesHeight(int Count) const {
  return int(std::clamp<int64_t>(int64_t(Count) * LineHeight, INT_MIN, INT_MAX));
}
