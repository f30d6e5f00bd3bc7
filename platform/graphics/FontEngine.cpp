// Font measurement and drawing. Faces of the original system ("宋体", "Tahoma", ...) resolve to the
// installed CJK font so that metrics are the same on every machine; sizes are pixel sizes, so
// text metrics never follow the target's resolution.
#include "graphics/FontEngine_p.h"

#include <QFontMetrics>
#include <QString>

#include <algorithm>
#include <set>

#include "graphics/Font.h"

namespace {

const char* const CjkFamily = "WenQuanYi Micro Hei";
const char* const CjkMonoFamily = "WenQuanYi Micro Hei Mono";

// Fonts are made no larger than this many pixels: no text needs more, and a height from a file
// must neither overflow nor make the engine try a font for every pixel size below it.
constexpr long long MaxPixelSize = 16384;

int PixelHeight(int height) { return int(std::min(std::abs(static_cast<long long>(height)), MaxPixelSize)); }

QString ToQString(const std::u32string& text) {
  return QString::fromUcs4(text.data(), qsizetype(text.size()));
}

class TQtFontEngine final : public TFontEngine {
 public:
  explicit TQtFontEngine(const TLogFont& lf) : FFont(MakeFont(lf)), FFontMetrics(FFont) {
    const QFontMetrics& fm = FFontMetrics;
    FMetrics.tmAscent = fm.ascent();
    FMetrics.tmDescent = fm.descent();
    FMetrics.tmHeight = fm.ascent() + fm.descent();
    FMetrics.tmInternalLeading = std::max(0, FMetrics.tmHeight - FFont.pixelSize());
    FMetrics.tmExternalLeading = std::max(0, fm.leading());
    FMetrics.tmAveCharWidth = fm.averageCharWidth();
    FMetrics.tmMaxCharWidth = fm.maxWidth();
    FMetrics.tmWeight = lf.Weight == FW_DONTCARE ? FW_NORMAL : lf.Weight;
    FMetrics.tmItalic = lf.Italic;
    FMetrics.tmUnderlined = lf.Underline;
    FMetrics.tmStruckOut = lf.StrikeOut;
    FMetrics.tmCharSet = lf.CharSet;
  }

  const TTextMetric& Metrics() const override { return FMetrics; }

  int Width(const std::u32string& text, int charExtra) const override {
    const QString s = ToQString(text);
    return charExtra == 0 ? FFontMetrics.horizontalAdvance(s) : QFontMetrics(Spaced(charExtra)).horizontalAdvance(s);
  }

  void Draw(QPainter& painter, const std::u32string& text, int charExtra, const QColor& color,
            int underlineIndex) const override {
    const QFont font = Spaced(charExtra);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QPointF(0, FMetrics.tmAscent), ToQString(text));
    if (underlineIndex < 0 || size_t(underlineIndex) >= text.size()) return;
    const QFontMetrics fm(font);
    const int x0 = fm.horizontalAdvance(ToQString(text.substr(0, size_t(underlineIndex))));
    const int x1 = fm.horizontalAdvance(ToQString(text.substr(0, size_t(underlineIndex) + 1))) - charExtra;
    painter.fillRect(QRect(x0, FMetrics.tmAscent + 1, std::max(1, x1 - x0), 1), color);
  }

 private:
  static QFont MakeFont(const TLogFont& lf) {
    QFont font(SubstitutedFamily(lf.FaceName));
    font.setPixelSize(std::max(1, PixelSizeFor(font, lf.Height)));
    font.setWeight(QFont::Weight(std::clamp(lf.Weight == FW_DONTCARE ? FW_NORMAL : lf.Weight, 1, 1000)));
    font.setItalic(lf.Italic);
    font.setUnderline(lf.Underline);
    font.setStrikeOut(lf.StrikeOut);
    font.setKerning(false);
    return font;
  }

  // A negative height is the em; a positive height is the cell (ascent + descent), so the largest
  // pixel size whose cell fits is chosen. The cell grows with the pixel size: the search starts
  // where a size of 100 pixels says the cell meets the height and steps from there, since making
  // a font for each size below a large height takes long.
  static int PixelSizeFor(QFont font, int height) {
    if (height == 0) return 12;
    if (height < 0) return PixelHeight(height);
    auto cell = [&font](int px) {
      font.setPixelSize(px);
      const QFontMetrics fm(font);
      return fm.ascent() + fm.descent();
    };
    const int largest = PixelHeight(height);
    const long long estimate = static_cast<long long>(largest) * 100 / std::max(1, cell(100));
    int px = int(std::clamp(estimate, 1LL, static_cast<long long>(largest)));
    while (px < largest && cell(px + 1) <= height) ++px;
    while (px > 1 && cell(px) > height) --px;
    return px;
  }

  QFont Spaced(int charExtra) const {
    if (charExtra == 0) return FFont;
    QFont font = FFont;
    font.setLetterSpacing(QFont::AbsoluteSpacing, charExtra);
    return font;
  }

  QFont FFont;
  QFontMetrics FFontMetrics;
  TTextMetric FMetrics;
};

// Every character is a box: narrow characters are half the height wide, wide characters as wide
// as the height; the box covers the advance less one column, from the cell top to the baseline.
class TTestFontEngine final : public TFontEngine {
 public:
  explicit TTestFontEngine(const TLogFont& lf) {
    const int h = lf.Height == 0 ? 12 : PixelHeight(lf.Height);
    FMetrics.tmHeight = h;
    FMetrics.tmAscent = h - h / 4;
    FMetrics.tmDescent = h / 4;
    FMetrics.tmAveCharWidth = h / 2;
    FMetrics.tmMaxCharWidth = h;
    FMetrics.tmWeight = lf.Weight == FW_DONTCARE ? FW_NORMAL : lf.Weight;
    FMetrics.tmItalic = lf.Italic;
    FMetrics.tmUnderlined = lf.Underline;
    FMetrics.tmStruckOut = lf.StrikeOut;
    FMetrics.tmCharSet = lf.CharSet;
  }

  const TTextMetric& Metrics() const override { return FMetrics; }

  int Width(const std::u32string& text, int charExtra) const override {
    int width = 0;
    for (char32_t ch : text) width += Advance(ch) + charExtra;
    return width;
  }

  void Draw(QPainter& painter, const std::u32string& text, int charExtra, const QColor& color,
            int underlineIndex) const override {
    int x = 0;
    for (size_t i = 0; i < text.size(); ++i) {
      const int advance = Advance(text[i]);
      if (text[i] > U' ' && advance > 1) painter.fillRect(QRect(x, 0, advance - 1, FMetrics.tmAscent), color);
      if (int(i) == underlineIndex) painter.fillRect(QRect(x, FMetrics.tmAscent + 1, advance, 1), color);
      x += advance + charExtra;
    }
  }

 private:
  int Advance(char32_t ch) const {
    if (ch < U' ') return 0;
    return IsWideChar(ch) ? FMetrics.tmHeight : FMetrics.tmHeight / 2;
  }

  TTextMetric FMetrics;
};

}  // namespace

QString SubstitutedFamily(const String& face) {
  static const std::set<String> cjkFaces = {
      "宋体", "SimSun", "新宋体", "NSimSun", "黑体", "SimHei", "楷体", "楷体_GB2312", "KaiTi",
      "仿宋", "仿宋_GB2312", "FangSong", "隶书", "LiSu", "幼圆", "YouYuan", "微软雅黑",
      "Microsoft YaHei", "Arial宋体", "Tahoma", "MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2",
      "Arial", "Times New Roman", "Verdana", "System", "Small Fonts", "MS Serif", ""};
  static const std::set<String> monoFaces = {"Courier New", "Courier", "Fixedsys", "Terminal"};
  if (cjkFaces.count(face)) return QString::fromUtf8(CjkFamily);
  if (monoFaces.count(face)) return QString::fromUtf8(CjkMonoFamily);
  return QString::fromUtf8(face.c_str());
}

bool IsWideChar(char32_t ch) {
  return (ch >= 0x1100 && ch <= 0x115F) || (ch >= 0x2E80 && ch <= 0xA4CF) ||
         (ch >= 0xAC00 && ch <= 0xD7A3) || (ch >= 0xF900 && ch <= 0xFAFF) ||
         (ch >= 0xFE30 && ch <= 0xFE4F) || (ch >= 0xFF00 && ch <= 0xFF60) ||
         (ch >= 0xFFE0 && ch <= 0xFFE6) || (ch >= 0x20000 && ch <= 0x3FFFD);
}

std::shared_ptr<const TFontEngine> CreateFontEngine(const TLogFont& logFont) {
  if (logFont.FaceName == TestFontName) return std::make_shared<TTestFontEngine>(logFont);
  return std::make_shared<TQtFontEngine>(logFont);
}
