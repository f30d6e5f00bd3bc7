// Printing the text object into the prepared page being built: expansion of its expressions, the
// highlight look, measuring for band printing, printing in parts and suppression of a repeated
// value.
#include "report/FR_Memo.h"

#include <memory>

#include "report/FR_Class.h"
#include "report/FR_Globals.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "rtl/ScopeExit.h"

void TfrMemoView::ExpandLines() {
  ExpandedText.Clear();
  for (int i = 0; i < Memo.Count(); ++i) {
    const String& line = Memo[i];
    if (line.empty()) {
      ExpandedText.Add(String());
      continue;
    }
    const String expanded = (Flags & flTextOnly) ? line : ExpandBrackets(line);
    if (expanded.empty()) continue;
    TStringList lines;
    lines.SetText(expanded);
    for (int k = 0; k < lines.Count(); ++k) ExpandedText.Add(lines[k]);
  }
}

void TfrMemoView::ApplyHighlight() {
  if (HighlightCondition.empty()) return;
  try {
    if (HighlightPostfix.empty()) HighlightPostfix = frParser().GetPostfix(HighlightCondition);
    if (!VarSameValue(frParser().CalcPostfix(HighlightPostfix), true)) return;
  } catch (const Exception&) {
    return;  // a condition that cannot be evaluated keeps the normal look
  }
  Font.SetStyle(frBitsToFontStyle(uint8_t(HighlightStyle)));
  Font.SetColor(HighlightFontColor);
  FillColor = HighlightFillColor;
}

namespace {

// Puts back, when the scope ends, the look that the highlight changes for the time of one object:
// font and fill.
auto KeepLook(TfrMemoView& View) {
  auto font = std::make_unique<TFont>();
  font->Assign(&View.Font);
  return ScopeExit([&View, font = std::move(font), fill = View.FillColor] {
    View.Font.Assign(font.get());
    View.FillColor = fill;
  });
}

// Lets the report's before-print handler see the template text; answers whether it changed it.
bool BeforePrintChanged(TfrMemoView& View) {
  View.ExpandedText.Assign(&View.Memo);
  TfrReport* report = frState().ActiveReport;
  return report && report->DoBeforePrint(View.ExpandedText, &View);
}

}  // namespace

int TfrMemoView::MeasureHeight() {
  PrintPhase = 1;
  AlignToBand(&frScratchCanvas());
  RunScript();
  if (!Visible) return 0;
  if (!BeforePrintChanged(*this)) ExpandLines();
  const auto look = KeepLook(*this);
  ApplyHighlight();
  if (ExpandedText.Count() == 0) return 0;
  BeginDraw(&frScratchCanvas());
  TStringList lines;
  FTextHeight = WrapText(lines);
  EndDraw();
  ExpandedText.Assign(&lines);
  return FTextHeight;
}

void TfrMemoView::Print(TStream& Stream) {
  AlignToBand(&frScratchCanvas());
  WholeLinesOnly = true;
  if (PrintPhase == 0) {
    RunScript();
    if (!BeforePrintChanged(*this)) ExpandLines();
  }
  if (!Visible) {
    PrintPhase = 0;
    return;
  }
  const uint8_t phase = PrintPhase;
  PrintPhase = 0;
  const auto look = KeepLook(*this);
  const auto tagAndAlign = ScopeExit([this, tag = Tag, align = BandAlign] {
    Tag = tag;
    BandAlign = align;
  });
  ApplyHighlight();
  TStringList laidOut;
  if (phase == 2) {
    BeginDraw(&frScratchCanvas());
    ShowText();
    EndDraw();
    laidOut.Assign(&ExpandedText);
    while (ExpandedText.Count() > LinesDrawn) ExpandedText.Delete(ExpandedText.Count() - 1);
    if (ExpandedText.Text().find(frParagraphEnd) == String::npos) ExpandedText.Add(String(1, frParagraphEnd));
  }
  if (Tag.find('[') != String::npos) {
    const TValueScope<int> formatCode(DisplayFormatCode, 0);
    Tag = ExpandBrackets(Tag);
  }
  AlignToActiveBand();
  BandAlign = baNone;
  const String text = ExpandedText.Text();
  if (!(Flags & flSuppress) || text != LastValue) {
    WriteToPreparedPage(Stream);
    if (Flags & flSuppress) LastValue = text;
  }
  if (phase == 2) {
    ExpandedText.Assign(&laidOut);
    for (int i = 0; i < LinesDrawn && ExpandedText.Count() > 0; ++i) ExpandedText.Delete(0);
  }
}
