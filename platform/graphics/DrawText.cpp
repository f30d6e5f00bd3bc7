// DrawText: splits text into lines (line breaks, word wrapping at blanks and between CJK
// characters), handles '&' prefixes, tabs and ellipses, and places the lines in the rectangle.
// A word wider than the rectangle is not broken: it overflows, or is shortened by an ellipsis.
#include <algorithm>

#include "graphics/FontEngine_p.h"
#include "graphics/Text_p.h"

namespace {

struct TLine {
  std::u32string Text;
  int Underline = -1;  // index into Text of the prefixed character
};

class TLayout {
 public:
  TLayout(HDC dc, unsigned format) : FDc(dc), FFormat(format) {
    FTabWidth = 8 * std::max(1, dc->DC().Metrics().tmAveCharWidth);
  }

  // Width of a line, tabs expanded to the next tab stop when asked.
  int Width(const std::u32string& text) const {
    int x = 0;
    for (const auto& [start, segment] : Segments(text)) x = start + RunWidth(FDc, segment);
    return x;
  }

  // The pieces between tabs with their offsets from the line start.
  std::vector<std::pair<int, std::u32string>> Segments(const std::u32string& text) const {
    std::vector<std::pair<int, std::u32string>> out;
    if (!(FFormat & DT_EXPANDTABS)) {
      out.emplace_back(0, text);
      return out;
    }
    int x = 0;
    size_t from = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
      if (i < text.size() && text[i] != U'\t') continue;
      const std::u32string piece = text.substr(from, i - from);
      out.emplace_back(x, piece);
      x += RunWidth(FDc, piece);
      if (i < text.size()) x = (x / FTabWidth + 1) * FTabWidth;
      from = i + 1;
    }
    return out;
  }

 private:
  HDC FDc;
  unsigned FFormat;
  int FTabWidth;
};

// "&x" underlines x, "&&" is one '&'; a final lone '&' is kept as it is.
TLine StripPrefix(const std::u32string& text) {
  TLine line;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == U'&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != U'&') line.Underline = int(line.Text.size());
    }
    line.Text += text[i];
  }
  return line;
}

std::vector<std::u32string> Paragraphs(const std::u32string& text, bool singleLine) {
  std::vector<std::u32string> out{{}};
  for (size_t i = 0; i < text.size(); ++i) {
    const char32_t ch = text[i];
    if (singleLine || (ch != U'\r' && ch != U'\n')) {
      out.back() += ch;
      continue;
    }
    if (ch == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
    out.emplace_back();
  }
  return out;
}

bool IsBlank(char32_t ch) { return ch == U' ' || ch == U'\t'; }

// A line may end before position k.
bool CanBreakAt(const std::u32string& t, size_t k) {
  if (k == 0 || k >= t.size()) return k == t.size();
  if (IsBlank(t[k])) return false;
  return IsBlank(t[k - 1]) || IsWideChar(t[k - 1]) || IsWideChar(t[k]);
}

size_t TrimmedEnd(const std::u32string& t, size_t from, size_t to) {
  while (to > from && IsBlank(t[to - 1])) --to;
  return to;
}

TLine Slice(const TLine& p, size_t from, size_t to) {
  TLine line{p.Text.substr(from, to - from), -1};
  if (p.Underline >= int(from) && p.Underline < int(to)) line.Underline = p.Underline - int(from);
  return line;
}

void WrapParagraph(const TLayout& layout, const TLine& p, int width, std::vector<TLine>& lines) {
  const std::u32string& t = p.Text;
  size_t start = 0;
  do {
    size_t end = 0;
    for (size_t k = start + 1; k <= t.size(); ++k) {
      if (!CanBreakAt(t, k)) continue;
      const size_t stop = TrimmedEnd(t, start, k);
      const bool tooWide = layout.Width(t.substr(start, stop - start)) > width;
      if (tooWide && end != 0) break;
      end = k;
      if (tooWide) break;
    }
    if (end == 0) end = t.size();
    lines.push_back(Slice(p, start, TrimmedEnd(t, start, end)));
    start = end;
    while (start < t.size() && IsBlank(t[start])) ++start;
  } while (start < t.size());
}

const std::u32string Dots = U"...";

TLine EndEllipsis(const TLayout& layout, const TLine& line, int width) {
  size_t keep = line.Text.size();
  while (keep > 0 && layout.Width(line.Text.substr(0, keep) + Dots) > width) --keep;
  TLine out{line.Text.substr(0, keep) + Dots, line.Underline < int(keep) ? line.Underline : -1};
  return out;
}

// Keeps as much as fits of the text before the last path separator, and all after it; when even
// that is too wide, keeps the end of the text.
TLine PathEllipsis(const TLayout& layout, const TLine& line, int width) {
  const std::u32string& t = line.Text;
  const size_t sep = t.find_last_of(U"\\/");
  const size_t head = sep == std::u32string::npos ? 0 : sep;
  for (size_t keep = head; keep-- > 0;) {
    const std::u32string candidate = t.substr(0, keep) + Dots + t.substr(head);
    if (layout.Width(candidate) <= width) return {candidate, line.Underline < int(keep) ? line.Underline : -1};
  }
  size_t from = head;
  while (from < t.size() && layout.Width(Dots + t.substr(from)) > width) ++from;
  return {Dots + t.substr(from), -1};
}

std::vector<TLine> BreakLines(const TLayout& layout, const std::u32string& text, unsigned format, int width) {
  const bool singleLine = format & DT_SINGLELINE;
  std::vector<TLine> lines;
  for (const std::u32string& paragraph : Paragraphs(text, singleLine)) {
    const TLine p = (format & DT_NOPREFIX) ? TLine{paragraph, -1} : StripPrefix(paragraph);
    if ((format & DT_WORDBREAK) && !singleLine) {
      WrapParagraph(layout, p, width, lines);
    } else {
      lines.push_back(p);
    }
  }
  for (TLine& line : lines) {
    if (layout.Width(line.Text) <= width) continue;
    if (format & DT_PATH_ELLIPSIS) line = PathEllipsis(layout, line, width);
    else if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS)) line = EndEllipsis(layout, line, width);
  }
  return lines;
}

int LineX(const TRect& rect, unsigned format, int lineWidth) {
  if (format & DT_CENTER) return rect.Left + (rect.Width() - lineWidth) / 2;
  if (format & DT_RIGHT) return rect.Right - lineWidth;
  return rect.Left;
}

int FirstLineY(const TRect& rect, unsigned format, int lineHeight) {
  if (!(format & DT_SINGLELINE)) return rect.Top;
  if (format & DT_VCENTER) return rect.Top + (rect.Height() - lineHeight) / 2;
  if (format & DT_BOTTOM) return rect.Bottom - lineHeight;
  return rect.Top;
}

void DrawLine(HDC dc, const TLayout& layout, const TLine& line, int x, int y, const QRegion& clip) {
  int consumed = 0;
  for (const auto& [offset, segment] : layout.Segments(line.Text)) {
    const int size = int(segment.size());
    const int underline = line.Underline >= consumed && line.Underline < consumed + size ? line.Underline - consumed : -1;
    if (size > 0) OutputRun(dc, x + offset, y, segment, underline, clip);
    consumed += size + 1;
  }
}

}  // namespace

int DrawText(HDC dc, const String& text, int count, TRect& rect, unsigned format) {
  const TLayout layout(dc, format);
  const TTextMetric& tm = dc->DC().Metrics();
  const int lineHeight = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
  const std::vector<TLine> lines = BreakLines(layout, CodePointsOf(text, count), format, rect.Width());
  const int height = lineHeight * int(lines.size());
  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const TLine& line : lines) widest = std::max(widest, layout.Width(line.Text));
    rect.Right = rect.Left + widest;
    rect.Bottom = rect.Top + height;
    return height;
  }
  TDeviceContext& c = dc->DC();
  QRegion clip = c.EffectiveClip();
  if (!(format & DT_NOCLIP)) clip &= QRegion(c.ToSurface(rect));
  const int top = FirstLineY(rect, format, lineHeight);
  int y = top;
  for (const TLine& line : lines) {
    DrawLine(dc, layout, line, LineX(rect, format, layout.Width(line.Text)), y, clip);
    y += lineHeight;
  }
  return (format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM)) ? top + height - rect.Top : height;
}
