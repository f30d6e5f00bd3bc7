// Drawing the text object on any canvas: its font at the drawing scale (or in points on a
// printer), each laid-out line aligned, justified or turned, vertical alignment, underlined line
// cells, a width that follows the text, and the lines handed to an export filter instead.
#include "report/FR_Memo.h"

#include <algorithm>
#include <climits>

#include "graphics/Gdi.h"
#include "report/FR_Class.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "rtl/Arith.h"

HFONT CreateRotatedFont(const TFont& Font) {
  TLogFont lf = Font.Handle()->LogFont;
  lf.Escapement = lf.Orientation = 900;
  return CreateFontIndirect(lf);
}

void TfrMemoView::ApplyFont(TCanvas* ACanvas) const {
  TFont* font = ACanvas->Font();
  font->Assign(&Font);
  if (DrawingToPrinter) {
    font->SetPixelsPerInch(GetDeviceCaps(ACanvas->Handle(), LOGPIXELSY));
    font->SetSize(Font.Size());
  } else {
    const double pixels = Font.Size() * 96.0 / 72 * ScaleY;
    font->SetHeight(-(ScaleY == 1 ? int(Round(pixels)) : int(pixels)));
  }
  SetBkMode(ACanvas->Handle(), TRANSPARENT);
}

namespace {

int CountBlanks(const String& Line) { return int(std::count(Line.begin(), Line.end(), ' ')); }

}  // namespace

bool TfrMemoView::OutputLine(const String& Text, const TRect& Clip, bool LastLine) {
  if (WholeLinesOnly && FCurY + LineHeight > Clip.Bottom) {
    FCurY += LineHeight;
    return false;
  }
  String line = Text;
  const bool paragraphEnd = !line.empty() && line.back() == frParagraphEnd;
  if (paragraphEnd) line.pop_back();
  HDC dc = Canvas->Handle();
  const int textWidth = Canvas->TextWidth(line);
  const bool turned = Alignment & frtaVertical;
  const int room = turned ? DrawRect.Height() : DrawRect.Width();
  const int horizontal = Alignment & 3;
  if (horizontal == frtaJustify && !paragraphEnd && CountBlanks(line) > 0)
    SetTextJustification(dc, room - 2 * (turned ? GapY : GapX) - textWidth, CountBlanks(line));
  const int position = int(std::clamp<int64_t>(FCurY, INT_MIN / 2, INT_MAX / 2));
  int x = position, y = position;
  if (turned) {
    switch (horizontal) {
      case frtaLeft: y = DrawRect.Bottom - GapY; break;
      case frtaRight: y = Top + GapY + textWidth; break;
      case frtaCenter: y = DrawRect.Bottom - 1 - GapY - (room - 2 * GapY - textWidth) / 2; break;
      default: y = DrawRect.Height() + Top - GapY; break;
    }
  } else {
    switch (horizontal) {
      case frtaLeft: x = Left + GapX; break;
      case frtaRight: x = Left + room - 1 - GapX - textWidth; break;
      case frtaCenter: x = Left + GapX + (room - 2 * GapX - textWidth) / 2; break;
      default: x = Left + GapX; break;
    }
  }
  if (Exporting) {
    // Only the first line carries the top side of the frame and only the last the bottom.
    int sides = FrameTyp;
    if (LinesDrawn > 0) sides &= ~frftTop;
    if (!LastLine) sides &= ~frftBottom;
    if (TfrReport* report = frState().ActiveReport) report->ExportText(DrawRect, x, y, line, sides, this);
  } else {
    ExtTextOut(dc, x, y, ETO_CLIPPED, &Clip, line);
  }
  SetTextJustification(dc, 0, 0);
  ++LinesDrawn;
  FCurY += LineHeight;
  return true;
}

void TfrMemoView::ShowText() {
  ApplyFont(Canvas);
  SetTextCharacterExtra(Canvas->Handle(), int(Round(CharSpacing * ScaleX)));
  const TRect clip{DrawRect.Left + 1, DrawRect.Top, DrawRect.Right - 2, DrawRect.Bottom - 1};
  const int textHeight = int(std::clamp<int64_t>(Round(FTextHeight * ScaleY), INT_MIN / 4, INT_MAX / 4));
  const bool turned = Alignment & frtaVertical;
  const int savedAlignment = Alignment;
  FCurY = turned ? Left + GapX : Top + GapY;
  if (turned) {
    if (Alignment & frtaMiddle) FCurY += (DrawRect.Width() - textHeight) / 2;
    if (Alignment & frtaDown) FCurY = DrawRect.Right - textHeight;
    Canvas->Font()->SetHandle(CreateRotatedFont(*Canvas->Font()));
  } else if (!WholeLinesOnly) {
    if (Alignment & frtaMiddle) FCurY += (DrawRect.Height() - textHeight) / 2;
    if (Alignment & frtaDown) FCurY = DrawRect.Bottom - textHeight - 1;
  }
  Alignment &= frtaJustify | frtaVertical;
  LineHeight = int(Round(LineSpacing * ScaleY)) - Canvas->Font()->Height();
  LinesDrawn = 0;
  // While laid out for a designer, an expression too wide for the object shows its end.
  if (!turned && !frState().PrintMode && ExpandedText.Count() == 1 && !ExpandedText[0].empty() &&
      ExpandedText[0][0] == '[' && Canvas->TextWidth(ExpandedText[0]) > clip.Width())
    Alignment = frtaRight;
  for (int i = 0; i < ExpandedText.Count(); ++i)
    if (!OutputLine(ExpandedText[i], clip, i == ExpandedText.Count() - 1)) break;
  Alignment = savedAlignment;
}

void TfrMemoView::DrawUnderlines() {
  ApplyFont(Canvas);
  const int fontHeight = Canvas->Font()->Height();
  const int step = int(Round(LineSpacing * ScaleY)) - fontHeight;
  if (step <= 0) return;
  const int first = int(Round(2 * ScaleY)) - fontHeight;
  TPen* pen = Canvas->Pen();
  pen->SetColor(FrameColor);
  pen->SetWidth(int(Round(FrameWidth)));
  pen->SetStyle(TPenStyle::psSolid);
  for (int n = 1; n <= Height / step; ++n) {
    const int y = Top + GapY + (n - 1) * step + first;
    Canvas->MoveTo(Left, y);
    Canvas->LineTo(Left + Width - 1, y);
  }
}

int TfrMemoView::CalcWidth(const TStrings& Text) {
  String whole;
  for (int i = 0; i < Text.Count(); ++i) {
    if (i > 0) whole += "\r\n";
    whole += Text[i];
  }
  std::erase(whole, frParagraphEnd);
  TCanvas* canvas = Canvas ? Canvas : &frScratchCanvas();
  ApplyFont(canvas);
  const int savedExtra = SetTextCharacterExtra(canvas->Handle(), int(Round(CharSpacing * ScaleX)));
  TRect r{0, 0, 0, 0};
  DrawText(canvas->Handle(), whole, -1, r, DT_CALCRECT | DT_NOPREFIX);
  SetTextCharacterExtra(canvas->Handle(), savedExtra);
  return int(Round(r.Width() / ScaleX + FrameWidth + 2 * GapX + 1));
}

void TfrMemoView::ExportData() {
  TfrView::ExportData();
  TfrRestore<bool> exporting(Exporting);
  Exporting = true;
  Draw(&frScratchCanvas());
}

void TfrMemoView::Draw(TCanvas* ACanvas) {
  Canvas = ACanvas;
  const bool printMode = frState().PrintMode;
  const bool turned = Alignment & frtaVertical;
  const bool autoWidth = (Flags & flAutoWidth) && printMode && Memo.Count() > 0;
  if (autoWidth) {
    const int needed = CalcWidth(Memo);
    const int horizontal = Alignment & 3;
    if (turned) {
      Height = needed;
    } else {
      if (horizontal == frtaRight || horizontal == frtaJustify) Left = Left + Width - needed;
      Width = needed;
    }
  }
  AlignToBand(ACanvas);
  WholeLinesOnly = false;
  ExpandedText.Assign(&Memo);
  const bool hasText = ExpandedText.Count() > 0;
  if (hasText) {
    PreWrapped = ExpandedText.Text().find(frParagraphEnd) != String::npos;
    if (ExpandedText[ExpandedText.Count() - 1] == String(1, frParagraphEnd)) ExpandedText.Delete(ExpandedText.Count() - 1);
    const double scaleX = ScaleX, scaleY = ScaleY;
    ScaleX = ScaleY = 1;
    BeginDraw(ACanvas);
    if (autoWidth) Width += 100;  // the text already has its width: no wrapping
    TStringList lines;
    FTextHeight = WrapText(lines);
    EndDraw();
    ScaleX = scaleX;
    ScaleY = scaleY;
    ExpandedText.Assign(&lines);
  }
  BeginDraw(ACanvas);
  if (!Exporting) {
    DrawBackground();
    DrawFrame();
    if (Flags & flUnderlines) DrawUnderlines();
  }
  if (hasText) ShowText();
  SetTextCharacterExtra(ACanvas->Handle(), 0);
  EndDraw();
}
