// TfrMemoView, the text object: expressions expanded when the report is built, wrapped, aligned or
// turned text, underlines, width that follows the text, highlight, suppression, printing in parts
// (FR_Memo.cpp record, FR_MemoLayout.cpp, FR_MemoDraw.cpp, FR_MemoPrint.cpp).
#pragma once

#include <vector>

#include "report/FR_View.h"

// Flags bits of the text object, beside flStretched.
enum : uint16_t {
  flWordWrap = 2,
  flWordBreak = 4,  // hyphenation
  flAutoWidth = 8,
  flTextOnly = 16,  // no expressions
  flSuppress = 32,  // a value repeated from the last print is left out
  flHideZeros = 64,
  flUnderlines = 128,
  flRTLReading = 256,
};
constexpr uint16_t frDefaultMemoFlags = flStretched | flWordWrap | flHideZeros;

// Alignment bits: the horizontal alignment in the two low bits, text turned by 90 degrees (written
// upwards), and the vertical alignment.
enum : int {
  frtaLeft = 0,
  frtaRight = 1,
  frtaCenter = 2,
  frtaJustify = 3,
  frtaVertical = 4,
  frtaMiddle = 8,
  frtaDown = 16,
};

// Ends a laid-out line that closes its paragraph; a text holding it is already laid out.
constexpr char frParagraphEnd = '\x01';

class TfrMemoView : public TfrStretcheable {
 public:
  TfrMemoView();
  String ClassName() const override { return "TfrMemoView"; }

  void SetProperty(const String& Name, const Variant& Value) override;
  Variant GetProperty(const String& Name) override;
  // The base's methods, then the list methods of Memo under the name "LINES".
  Variant CallMethod(const String& Name, const Variant& Arg1, const Variant& Arg2, const Variant& Arg3) override;

  void Draw(TCanvas* ACanvas) override;
  // Phase 0 expands and writes the whole text; phase 1 writes the lines MeasureHeight laid out;
  // phase 2 writes the lines that fit the object's height and keeps the rest for the next page.
  void Print(TStream& Stream) override;
  // Expands and lays out the text on the scratch canvas; the height it needs (0 when invisible).
  int MeasureHeight() override;
  int MinimumHeight() override { return LineHeight; }
  int RemainingHeight() override { return LinesHeight(ExpandedText.Count()); }
  // The blob field's text replaces the expanded text.
  void LoadBlob(TField* Field) override;
  // The base's hook, then the object drawn with Exporting set, so that each line goes to the
  // export filter instead of a canvas.
  void ExportData() override;
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;

  // ExpandedText from Memo: each line's expressions expanded (unless TextOnly); a line that
  // expands to nothing is left out, a line empty in Memo stays, and a value's line breaks make
  // further lines.
  void ExpandLines();
  // The width of the text as one block in the screen font, plus the frame and gaps, in page
  // pixels (AutoWidth).
  int CalcWidth(const TStrings& Text);
  // The height of that many lines of LineHeight, held within the integers.
  int LinesHeight(int Count) const;
  // The positions after which the word may be broken (from 1): Cyrillic syllables by the vowel
  // rule; none for words shorter than 4 characters.
  static std::vector<int> HyphenPositions(const String& Word);

  TFont Font;
  int Alignment = frtaLeft;
  uint16_t HighlightStyle = 2;  // the engine's style bits: bold
  TColor HighlightFontColor = 0;
  TColor HighlightFillColor = 0xFFFFFF;
  String HighlightCondition;
  // The condition compiled to postfix; compiled on first use when page formation has not.
  String HighlightPostfix;
  int LineSpacing = 2;  // pixels added to the font height
  int CharSpacing = 0;  // pixels added after each character
  String LastValue;
  bool PreWrapped = false;
  bool WholeLinesOnly = false;
  int LineHeight = 0;
  int LinesDrawn = 0;
  bool Exporting = false;

 protected:
  void DeclareProperties() override;

 private:
  // Layout of ExpandedText into Lines on the scratch canvas at natural size; answers the text
  // height (lines times LineHeight, plus the gaps) and sets LineHeight.
  int WrapText(TStrings& Lines);
  void WrapLine(const String& Line, int Limit, TCanvas& Measure, TStrings& Lines) const;
  // A hyphen break of the word after LastSpace that fits; moves LastSpace to it.
  bool FitHyphenation(const std::u32string& Text, size_t Start, size_t& LastSpace, int Limit, TCanvas& Measure) const;
  void ApplyFont(TCanvas* ACanvas) const;
  void ShowText();
  // One laid-out line at the current position; false when it does not fit and output stops.
  bool OutputLine(const String& Line, const TRect& Clip, bool LastLine);
  void DrawUnderlines();
  // Switches to the highlight look when the condition holds; an error keeps the normal look.
  void ApplyHighlight();

  // The position of the next line (x for turned text); wide, since many lines of a large spacing
  // run past the integers.
  int64_t FCurY = 0;
  int FTextHeight = 0;
};

// The canvas on which every text object measures and lays out its text.
TCanvas& frScratchCanvas();
// The font turned by 90 degrees, written upwards.
HFONT CreateRotatedFont(const TFont& Font);
