// Alignment of child controls (top, bottom, left, right, then client, each in the order of the
// controls) and anchors of the controls that are not aligned.
#include <algorithm>

#include "controls/WinControl.h"
#include "rtl/ScopeExit.h"

namespace {

constexpr TAlign kAlignOrder[] = {alTop, alBottom, alLeft, alRight, alClient};

void PlaceAligned(TControl* Control, TRect& Rect) {
  int l = Control->Left(), t = Control->Top(), w = Control->Width(), h = Control->Height();
  switch (Control->Align()) {
    case alTop:
      l = Rect.Left, t = Rect.Top, w = Rect.Width();
      Rect.Top += h;
      break;
    case alBottom:
      l = Rect.Left, t = Rect.Bottom - h, w = Rect.Width();
      Rect.Bottom -= h;
      break;
    case alLeft:
      l = Rect.Left, t = Rect.Top, h = Rect.Height();
      Rect.Left += w;
      break;
    case alRight:
      l = Rect.Right - w, t = Rect.Top, h = Rect.Height();
      Rect.Right -= w;
      break;
    case alClient:
      l = Rect.Left, t = Rect.Top, w = Rect.Width(), h = Rect.Height();
      break;
    default:
      return;
  }
  Control->SetBounds(l, t, std::max(w, 0), std::max(h, 0));
  // A control that refused part of its place (constraints) keeps its edge where it ended up.
  if (Control->Align() == alTop) Rect.Top = Control->Top() + Control->Height();
  if (Control->Align() == alBottom) Rect.Bottom = Control->Top();
  if (Control->Align() == alLeft) Rect.Left = Control->Left() + Control->Width();
  if (Control->Align() == alRight) Rect.Right = Control->Left();
}

}  // namespace

void TWinControl::Realign() {
  if (FAlignLevel > 0 || (ComponentState() & (csLoading | csDestroying))) {
    FControlState |= csAlignmentNeeded;
    return;
  }
  AlignControlsNow();
}

void TWinControl::EnableAlign() {
  if (--FAlignLevel == 0 && (FControlState & csAlignmentNeeded)) Realign();
}

void TWinControl::AlignControlsNow() {
  FControlState &= ~csAlignmentNeeded;
  TRect rect = ClientRect();
  AdjustClientRect(rect);
  TDepthScope aligning(FAlignLevel);
  AlignControls(nullptr, rect);
}

void TWinControl::AlignControls(TControl*, TRect& Rect) {
  AnchorChildren(ClientRect());
  for (TAlign align : kAlignOrder)
    for (TControl* c : std::vector<TControl*>(FControls))
      if (c->Visible() && c->Align() == align) PlaceAligned(c, Rect);
}

// Controls anchored right or bottom keep their distance to that edge; anchored on both sides they
// stretch; anchored on neither they keep their place relative to the middle.
void TWinControl::AnchorChildren(const TRect& Client) {
  const TSize size{Client.Width(), Client.Height()};
  const bool first = FAnchorBase == TSize{};
  const int dx = size.cx - FAnchorBase.cx;
  const int dy = size.cy - FAnchorBase.cy;
  FAnchorBase = size;
  if (first || (dx == 0 && dy == 0)) return;
  for (TControl* c : std::vector<TControl*>(FControls)) {
    if (c->Align() != alNone || c->Anchors() == DefaultAnchors) continue;
    const TAnchors a = c->Anchors();
    int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
    const bool left = a & AnchorBit(akLeft), right = a & AnchorBit(akRight);
    const bool top = a & AnchorBit(akTop), bottom = a & AnchorBit(akBottom);
    if (left && right) w += dx;
    else if (right) l += dx;
    else if (!left) l += dx / 2;
    if (top && bottom) h += dy;
    else if (bottom) t += dy;
    else if (!top) t += dy / 2;
    c->SetBounds(l, t, std::max(w, 0), std::max(h, 0));
  }
}
