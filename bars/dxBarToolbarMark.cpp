// The mark of a toolbar in a non-standard style: hot under the mouse with the "More Buttons" hint,
// pressed with the quick-customising window open below or beside it.
#include <utility>

#include "bars/dxBarHint.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarQuickCust.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarToolbar.h"
#include "bars/dxBarUtils.h"
#include "windows/Paint.h"

bool TdxBarControl::HasActiveMark() const { return HasMark() && !IsStandardStyle(); }

bool TdxBarControl::IsOverMark(TPoint Client) const { return HasActiveMark() && PtInRect(MarkRect(), Client); }

void TdxBarControl::RepaintMark() {
  if (!HandleAllocated()) return;
  const TRect mark = MarkRect();
  InvalidateRect(Handle(), &mark, false);
}

void TdxBarControl::SetMarkState(int State) {
  if (IsCustomizing() || FMarkState == State) return;
  const int old = std::exchange(FMarkState, State);
  RepaintMark();
  TdxBarManager* manager = BarManager();
  if (old == 2)
    if (TdxBarQuickControl* quick = QuickControl(); quick && quick->OwnerBarControl() == this) quick->Release();
  if (State == 1 && manager) UpdateHint(manager, true, dxBarLoadStr(sdxBarMoreButtons));
  if (State == 0 && manager && !SelectedControl()) UpdateHint(manager, false, String());
  if (State == 2) OpenQuickControl();
}

void TdxBarControl::OpenQuickControl() {
  DispatchPendingPaintMessages();
  if (!IsBarControlAlive(this) || FMarkState != 2) return;
  const TRect mark = MarkRect();
  const TPoint topLeft = ClientToScreen(TPoint{mark.Left, mark.Top});
  auto* quick = new TdxBarQuickControl(this);
  quick->ShowAt(TRect{topLeft.X, topLeft.Y, topLeft.X + mark.Width(), topLeft.Y + mark.Height()});
}

void TdxBarControl::TrackMark(TPoint Client) {
  if (!HasActiveMark() || FMarkState == 2) return;
  SetMarkState(IsOverMark(Client) ? 1 : 0);
}

// A press on the mark opens the window, or closes it when open; the press that just closed it
// leaves the mark hot.
bool TdxBarControl::PressMark(TPoint Client) {
  if (!IsOverMark(Client)) return false;
  if (std::exchange(FMarkPressedAgain, false)) {
    SetMarkState(1);
    return true;
  }
  SetMarkState(FMarkState == 2 ? 1 : 2);
  return true;
}
