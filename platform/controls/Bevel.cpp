// The bevel: shadow and highlight lines in the classic arrangement.
#include "controls/Bevel.h"

#include "graphics/Gdi.h"

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle |= csReplicatable;
  SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape Value) {
  FShape = Value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value) {
  FStyle = Value;
  Invalidate();
}

void TBevel::Paint() {
  if (FShape == bsSpacer) return;
  TRect r = ClientRect();
  HDC dc = Canvas()->Handle();
  const unsigned edge = FStyle == bsLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER;
  switch (FShape) {
    case bsBox: DrawEdge(dc, r, edge, BF_RECT); break;
    case bsFrame: DrawEdge(dc, r, FStyle == bsLowered ? EDGE_ETCHED : EDGE_BUMP, BF_RECT); break;
    case bsTopLine: r.Bottom = r.Top + 2; DrawEdge(dc, r, EDGE_ETCHED, BF_TOP | BF_BOTTOM); break;
    case bsBottomLine: r.Top = r.Bottom - 2; DrawEdge(dc, r, EDGE_ETCHED, BF_TOP | BF_BOTTOM); break;
    case bsLeftLine: r.Right = r.Left + 2; DrawEdge(dc, r, EDGE_ETCHED, BF_LEFT | BF_RIGHT); break;
    case bsRightLine: r.Left = r.Right - 2; DrawEdge(dc, r, EDGE_ETCHED, BF_LEFT | BF_RIGHT); break;
    case bsSpacer: break;
  }
}
