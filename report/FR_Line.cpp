// The line object: drawing as a frame side, its clip region, and printing in parts.
#include "report/FR_Line.h"

TfrLineView::TfrLineView() : TfrStretcheable(gtLine, "Line") {
  FrameTyp = frftLeft;
  FillColor = 0xFFFFFF;
}

void TfrLineView::DeclareProperties() {
  TfrView::DeclareProperties();
  AddProperty("Stretched", frdtBoolean);
}

void TfrLineView::Draw(TCanvas* ACanvas) {
  AlignToBand(ACanvas);
  if (Width <= Height) {
    Width = 0;
    FrameTyp = frftLeft;
  } else {
    Height = 0;
    FrameTyp = frftTop;
  }
  BeginDraw(ACanvas);
  DrawFrame();
  EndDraw();
}

TRegion TfrLineView::GetClipRegion(bool Extended) {
  const bool doubled = FrameStyle == frsDouble;
  const int outer = int(doubled ? 1.5 * FrameWidth : FrameWidth / 2);
  const int inner = int((FrameWidth - 1) / 2 + (doubled ? FrameWidth : 0));
  TRect r{Left, Top, Left + Width + 1, Top + Height + 1};
  if (FrameTyp & frftLeft) {
    r.Left -= outer;
    r.Right += inner;
  } else {
    r.Top -= outer;
    r.Bottom += inner;
  }
  if (Extended) r = {r.Left - 10, r.Top - 10, r.Right + 10, r.Bottom + 10};
  return CreateRectRgnIndirect(r);
}

int TfrLineView::MeasureHeight() {
  MeasuredHeight = Height;
  return MeasuredHeight;
}

void TfrLineView::Print(TStream& Stream) {
  TfrView::Print(Stream);
  if (PrintPhase == 2) MeasuredHeight -= Height;
}
