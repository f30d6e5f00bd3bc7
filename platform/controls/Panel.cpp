// The panel: bevels drawn from the outside in, the children placed inside them.
#include "controls/Panel.h"

#include "graphics/Gdi.h"

namespace {

// Draws one bevel of Width pixels and moves R inside it.
void DrawBevel(TCanvas* Canvas, TRect& R, TBevelCut Cut, int Width) {
  if (Cut == bvNone) return;
  for (int i = 0; i < Width; ++i) {
    if (Cut == bvSpace) {
      InflateRect(R, -1, -1);
      continue;
    }
    DrawEdge(Canvas->Handle(), R, Cut == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  }
}

}  // namespace

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csDoubleClicks;
  SetBounds(0, 0, 185, 41);
  SetParentColor(false);
  SetColor(clBtnFace);
}

void TCustomPanel::Changed() {
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut Value) { FBevelInner = Value, Changed(); }
void TCustomPanel::SetBevelOuter(TBevelCut Value) { FBevelOuter = Value, Changed(); }
void TCustomPanel::SetBevelWidth(int Value) { FBevelWidth = std::max(1, Value), Changed(); }
void TCustomPanel::SetBorderWidth(int Value) { FBorderWidth = std::max(0, Value), Changed(); }
void TCustomPanel::SetBorderStyle(TBorderStyle Value) { FBorderStyle = Value, Changed(); }
void TCustomPanel::SetAlignment(TAlignment Value) { FAlignment = Value, Changed(); }

int TCustomPanel::EdgeWidth() const {
  int w = FBorderWidth + (FBorderStyle == bsSingle ? 2 : 0);
  if (FBevelOuter != bvNone) w += FBevelWidth;
  if (FBevelInner != bvNone) w += FBevelWidth;
  return w;
}

void TCustomPanel::AdjustClientRect(TRect& Rect) { InflateRect(Rect, -EdgeWidth(), -EdgeWidth()); }

void TCustomPanel::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  if (FBorderStyle == bsSingle) DrawEdge(canvas->Handle(), r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  DrawBevel(canvas, r, FBevelOuter, FBevelWidth);
  InflateRect(r, -FBorderWidth, -FBorderWidth);
  DrawBevel(canvas, r, FBevelInner, FBevelWidth);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(r);
  static constexpr unsigned Align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  canvas->SetFont(Font());
  DrawCaption(canvas, Caption(), r, DT_SINGLELINE | DT_VCENTER | Align[FAlignment], Enabled());
}

void TCustomPanel::Dispatch(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  if (Message.Msg == CM_TEXTCHANGED) Invalidate();
}
