// Drawing geometry of report objects: scaling onto a canvas, background, frame lines in their
// styles, the region an object covers, and alignment within the band. Rounding is to the nearest,
// halves to even, as everywhere in the engine.
#include "report/FR_View.h"

#include "graphics/Gdi.h"
#include "report/FR_Band.h"
#include "report/FR_BandView.h"
#include "report/FR_Page.h"
#include "report/FR_State.h"
#include "rtl/Arith.h"

namespace {

int RoundInt(double Value) { return int(Round(Value)); }

bool IsCrossBand(int BandType) { return BandType >= btCrossHeader && BandType <= btCrossFooter; }

// The first band object of the page whose rectangle, edges included, holds the point.
const TfrBandView* BandAt(const TfrPage& Page, int X, int Y) {
  for (const auto& object : Page.Objects) {
    const auto* band = dynamic_cast<const TfrBandView*>(object.get());
    if (band && X >= band->Left && X <= band->Left + band->Width && Y >= band->Top && Y <= band->Top + band->Height)
      return band;
  }
  return nullptr;
}

}  // namespace

int TfrView::ScaledRight() const { return RoundInt((FSaved.Left + FSaved.Width) * ScaleX + OffsetX); }

int TfrView::ScaledBottom() const { return RoundInt((FSaved.Top + FSaved.Height) * ScaleY + OffsetY); }

void TfrView::BeginDraw(TCanvas* ACanvas) {
  Canvas = ACanvas;
  FSaved = {Left, Top, Width, Height, FrameWidth, GapX, GapY};
  if (!frState().PrintMode) {
    ScaleX = ScaleY = 1;
    OffsetX = OffsetY = 0;
  }
  Left = RoundInt(Left * ScaleX) + OffsetX;
  Top = RoundInt(Top * ScaleY) + OffsetY;
  Width = RoundInt(Width * ScaleX);
  Height = RoundInt(Height * ScaleY);
  FrameInnerX = RoundInt((FrameWidth * ScaleX - 1) / 2);
  FrameInnerY = RoundInt((FrameWidth * ScaleY - 1) / 2);
  FrameOuterX = RoundInt(FrameWidth * ScaleX / 2);
  FrameOuterY = RoundInt(FrameWidth * ScaleY / 2);
  FrameWidth = FrameWidth * ScaleX;
  GapX = RoundInt(GapX * ScaleX) + FrameOuterX;
  GapY = RoundInt(GapY * ScaleY) + FrameOuterY / 2;
  DrawRect.Left = Left + ((FrameTyp & frftLeft) ? FrameInnerX : 0);
  DrawRect.Top = Top + ((FrameTyp & frftTop) ? FrameInnerY : 0);
  DrawRect.Right = ScaledRight() - ((FrameTyp & frftRight) ? FrameOuterX : 0) + 1;
  DrawRect.Bottom = ScaledBottom() - ((FrameTyp & frftBottom) ? FrameOuterY : 0) + 1;
}

void TfrView::EndDraw() {
  Left = FSaved.Left;
  Top = FSaved.Top;
  Width = FSaved.Width;
  Height = FSaved.Height;
  FrameWidth = FSaved.FrameWidth;
  GapX = FSaved.GapX;
  GapY = FSaved.GapY;
}

void TfrView::DrawBackground() {
  const bool printMode = frState().PrintMode;
  if (printMode && FillColor == frTransparent) return;
  Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  Canvas->Brush()->SetColor(FillColor == frTransparent ? clWhite : FillColor);
  Canvas->FillRect(printMode ? TRect{Left, Top, ScaledRight(), ScaledBottom()} : DrawRect);
}

void TfrView::DrawFrameSide(int x1, int y1, int x2, int y2, bool Vertical) {
  // Each side reaches the edge it meets, so that the corners close.
  auto line = [&](int shift) {
    const int dx = Vertical ? shift : 0, dy = Vertical ? 0 : shift;
    Canvas->MoveTo(x1 + dx, y1 + dy);
    Canvas->LineTo(x2 + dx + (Vertical ? 0 : 1), y2 + dy + (Vertical ? 1 : 0));
  };
  TPen* pen = Canvas->Pen();
  const int width = RoundInt(FrameWidth);
  if (FrameStyle == frsDouble) {
    line(-width);
    if (FillColor != frTransparent) {
      pen->SetColor(FillColor);
      line(0);
      pen->SetColor(FrameColor);
    }
    line(width);
  } else if (FrameStyle != frsSolid && FrameStyle <= frsDashDotDot) {
    // Styled pens are one pixel wide, so a wide styled side is that many lines side by side; the
    // gaps show the fill colour.
    Canvas->Brush()->SetColor(FillColor == frTransparent ? clWhite : FillColor);
    if (FillColor == frTransparent) SetBkMode(Canvas->Handle(), TRANSPARENT);
    pen->SetWidth(1);
    for (int k = 0; k < width; ++k) line(k - width / 2);
    pen->SetWidth(width);
  } else {
    line(0);
  }
}

void TfrView::DrawFrame() {
  const bool printMode = frState().PrintMode;
  const bool framed = (FrameTyp & 0xF) != 0;
  if (printMode && !framed) return;
  TPen* pen = Canvas->Pen();
  Canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  pen->SetStyle(TPenStyle::psSolid);
  if (!printMode && Width >= 1 && Height >= 1) {
    // Corner marks, so that an object without a frame can be seen while it is laid out.
    pen->SetColor(clBlack);
    pen->SetWidth(1);
    const int r = Left + Width, b = Top + Height;
    Canvas->Polyline({{Left, Top + 3}, {Left, Top}, {Left + 4, Top}});
    Canvas->Polyline({{r - 3, Top}, {r, Top}, {r, Top + 4}});
    Canvas->Polyline({{r, b - 3}, {r, b}, {r - 4, b}});
    Canvas->Polyline({{Left + 3, b}, {Left, b}, {Left, b - 4}});
  }
  if (!framed) return;
  pen->SetColor(FrameColor);
  pen->SetWidth(RoundInt(FrameWidth));
  if (FrameStyle != frsDouble && FrameStyle <= frsDashDotDot) pen->SetStyle(TPenStyle(FrameStyle));
  const int right = ScaledRight(), bottom = ScaledBottom();
  if (FrameTyp & frftRight) DrawFrameSide(right, Top, right, bottom, true);
  if (FrameTyp & frftLeft) DrawFrameSide(Left, Top, Left, bottom, true);
  if (FrameTyp & frftBottom) DrawFrameSide(Left, bottom, right, bottom, false);
  if (FrameTyp & frftTop) DrawFrameSide(Left, Top, right, Top, false);
}

TRegion TfrView::GetClipRegion(bool Extended) {
  int outer, inner;
  if (FrameStyle == frsDouble) {
    outer = RoundInt(1.5 * FrameWidth);
    inner = RoundInt((FrameWidth - 1) / 2 + FrameWidth);
  } else {
    outer = RoundInt(FrameWidth / 2);
    inner = RoundInt((FrameWidth - 1) / 2);
  }
  TRect r{Left - ((FrameTyp & frftLeft) ? outer : 0), Top - ((FrameTyp & frftTop) ? outer : 0),
          Left + Width + 1 + ((FrameTyp & frftRight) ? inner : 0),
          Top + Height + 1 + ((FrameTyp & frftBottom) ? inner : 0)};
  if (Extended) r = {r.Left - 10, r.Top - 10, r.Right + 10, r.Bottom + 10};
  return CreateRectRgnIndirect(r);
}

void TfrView::AlignToBand(TCanvas* ACanvas) {
  TfrEngineState& state = frState();
  Canvas = ACanvas;
  state.ActiveView = this;
  const TfrPage* page = state.ActivePage;
  if (!page || BandAlign == baNone) return;
  const int left = page->GetLeftMargin(), right = page->GetRightMargin();
  switch (BandAlign) {
    case baLeft: Left = left; return;
    case baRight: Left = right - Width; return;
    case baCenter: Left = left + (right - left - Width) / 2; return;
    default: break;
  }
  if (state.PrintMode) {
    // With a band at work, Print aligns against the band itself.
    if (BandAlign == baWidth && !state.ActiveBand) {
      Left = left;
      Width = right - left - 1;
    }
    return;
  }
  const TfrBandView* band = BandAt(*page, Left, Top);
  if (!band) return;
  if (BandAlign == baWidth) {
    const bool cross = IsCrossBand(band->BandType());
    Left = cross ? band->Left : left;
    Width = cross ? band->Width : right - left - 1;
  } else if (BandAlign == baBottom) {
    Top = band->Top + band->Height - Height;
  } else if (BandAlign == baTop) {
    Top = band->Top;
  }
}

void TfrView::AlignToActiveBand() {
  const TfrBand* band = frState().ActiveBand;
  if (!band) return;
  if (BandAlign == baBottom) Top = band->Top + band->Height - Height;
  if (BandAlign == baTop) Top = band->Top;
  if (BandAlign == baWidth && IsCrossBand(band->Typ)) Width = band->Width;
}
