// Laying the rows of a dock site out: each window's length along its row (whole rows, bars
// truncated from the last one when the row is too short, bars stretched over the rest), the row
// thickness, and the site's own thickness, which follows its rows.
#include <algorithm>
#include <vector>

#include "bars/dxBar.h"
#include "bars/dxBarControls.h"
#include "bars/dxBarDock.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "controls/Forms.h"
#include "windows/Focus.h"

namespace {

// One window of a row as the layout sees it: lengths along the row include the bar's frame.
struct TColLayout {
  TdxDockCol* Col;
  TdxBarControl* Window;
  int MinLength = 0;
  int FullLength = 0;
  int Position = 0;
  int Length = 0;
  int Thickness = 0;
  bool Truncated = false;
};

class TRowLayout {
 public:
  TRowLayout(TdxDockControl& Site, TdxDockRow& Row, int Available)
      : FSite(Site), FSide(Site.DockingStyle()), FHorizontal(Site.IsHorizontal()), FAvailable(Available) {
    for (int i = 0; i < Row.ColCount(); ++i) FCols.push_back(Measure(Row.Cols(i)));
  }

  void Run(int Across) {
    const int full = SumFull(static_cast<int>(FCols.size()));
    if (FCols.front().Window->Bar()->WholeRow()) {
      PlaceWholeRow(FCols.front());
    } else if (FAvailable < full) {
      PlaceTruncating();
    } else {
      PlaceAtFullLength();
    }
    StretchRestSpace();
    StretchTruncatedLast();
    Apply(Across);
  }

 private:
  int BorderAlong(const TdxBar* Bar) const {
    return FHorizontal ? Bar->GetHorizontalBorderSize(FSide) : Bar->GetVerticalBorderSize(FSide);
  }
  int BorderAcross(const TdxBar* Bar) const {
    return FHorizontal ? Bar->GetVerticalBorderSize(FSide) : Bar->GetHorizontalBorderSize(FSide);
  }
  int& Along(TPoint& P) const { return FHorizontal ? P.X : P.Y; }
  int AcrossOf(TSize S) const { return FHorizontal ? S.cy : S.cx; }

  // A bar without a mark keeps room for the one it shows once it is truncated.
  TColLayout Measure(TdxDockCol* Col) const {
    TColLayout c{Col, Col->BarControl()};
    c.Window->SetTruncated(false);
    c.Window->ItemLinks()->ShowRecentItems(-1);
    const int border = BorderAlong(c.Window->Bar());
    c.MinLength = c.Window->GetMinLength(FSide) + border;
    c.FullLength = c.Window->GetFullLength(FSide) + border;
    if (!c.Window->HasMark() && c.MinLength != c.FullLength) c.MinLength += kBarMarkSize;
    return c;
  }

  int SumMin(int Count) const {
    int sum = 0;
    for (int i = 0; i < Count; ++i) sum += FCols[static_cast<size_t>(i)].MinLength;
    return sum;
  }
  int SumFull(int Count) const {
    int sum = 0;
    for (int i = 0; i < Count; ++i) sum += FCols[static_cast<size_t>(i)].FullLength;
    return sum;
  }

  // The thickness a window needs at a length, its frame included.
  int ThicknessFor(const TColLayout& C, int Length, bool Truncated) const {
    const TdxBar* bar = C.Window->Bar();
    int inner = Length - BorderAlong(bar);
    if (Truncated && FSite.BarManager()->Style() == bmsStandard) inner -= kBarMarkSize;
    return AcrossOf(C.Window->CalcSizeForLength(FSide, inner)) + BorderAcross(bar);
  }
  int FullThickness(const TColLayout& C) const {
    return C.Window->GetFullThickness(FSide) + BorderAcross(C.Window->Bar());
  }
  // The length a window gets when room is short: at least its minimal length; a bar that cannot
  // wrap is truncated.
  void Shorten(TColLayout& C, int Length) const {
    C.Length = std::max(C.MinLength, Length);
    C.Truncated = !C.Window->CanWrap() && C.Length < C.FullLength;
    C.Thickness = ThicknessFor(C, C.Length, C.Truncated);
  }
  void TakeFullLength(TColLayout& C) const {
    C.Length = C.FullLength;
    C.Thickness = C.Window->CanWrap() ? ThicknessFor(C, C.Length, false) : FullThickness(C);
  }

  void PlaceWholeRow(TColLayout& C) const {
    C.Position = 0;
    Shorten(C, FAvailable);
  }

  // From the last window to the first, each takes what is left after the ones behind it, within
  // the range the windows before it need; the window right after a dragged one follows it closely.
  void PlaceTruncating() {
    int left = FAvailable;
    for (int i = static_cast<int>(FCols.size()) - 1; i >= 0; --i) {
      TColLayout& c = FCols[static_cast<size_t>(i)];
      const int minBefore = SumMin(i);
      const int fullBefore = SumFull(i);
      int position = std::clamp(Along(c.Col->Pos), minBefore, std::max(minBefore, fullBefore));
      if (i > 0) FollowDraggedBar(FCols[static_cast<size_t>(i) - 1], c, minBefore, position);
      const int room = left - position;
      if (i == 0) {
        Shorten(c, left);
      } else if (c.FullLength > room) {
        Shorten(c, room);
      } else {
        TakeFullLength(c);
      }
      c.Position = std::clamp(left - c.Length, minBefore, std::max(minBefore, fullBefore));
      left -= c.Length;
    }
  }

  void FollowDraggedBar(const TColLayout& Previous, TColLayout& C, int MinBefore, int& Position) const {
    const TdxBarDragState& drag = FSite.BarManager()->Bars()->DragState();
    if (!drag.Dragging || drag.Control != Previous.Window) return;
    const int p = std::max(Along(Previous.Col->Pos), MinBefore - Previous.MinLength) + Previous.FullLength;
    if (p >= Position) return;
    Position = p;
    Along(C.Col->Pos) = p;
  }

  // Every window at its full length, as near its requested place as the ones after it allow.
  void PlaceAtFullLength() {
    int right = FAvailable;
    for (int i = static_cast<int>(FCols.size()) - 1; i >= 0; --i) {
      TColLayout& c = FCols[static_cast<size_t>(i)];
      TakeFullLength(c);
      c.Position = std::max(std::min(Along(c.Col->Pos), right - c.Length), SumFull(i));
      right = c.Position;
    }
  }

  void StretchRestSpace() {
    for (size_t i = 0; i < FCols.size(); ++i) {
      TColLayout& c = FCols[i];
      if (!c.Window->Bar()->UseRestSpace()) continue;
      const int start = i == 0 ? 0 : FCols[i - 1].Position + FCols[i - 1].Length;
      const int end = i + 1 < FCols.size() ? FCols[i + 1].Position : FAvailable;
      c.Position = start;
      c.Length = std::max(c.MinLength, end - start);
    }
  }

  void StretchTruncatedLast() {
    TColLayout& last = FCols.back();
    if (last.Truncated) last.Length = std::max(last.MinLength, FAvailable - last.Position);
  }

  // Every window gets the row's thickness and its length, and shows what fits.
  void Apply(int Across) {
    int thickness = 0;
    for (const TColLayout& c : FCols) thickness = std::max(thickness, c.Thickness);
    for (TColLayout& c : FCols) {
      TdxBarControl* window = c.Window;
      window->SetTruncated(c.Truncated);
      window->CalcSizeForLength(FSide, c.Length - BorderAlong(window->Bar()));
      const TRect bounds = FHorizontal ? Bounds(c.Position, Across, c.Length, thickness)
                                       : Bounds(Across, c.Position, thickness, c.Length);
      window->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
      window->RefreshLayout();
    }
  }

  TdxDockControl& FSite;
  TdxBarDockingStyle FSide;
  bool FHorizontal;
  int FAvailable;
  std::vector<TColLayout> FCols;
};

bool OwnerFormDestroying(const TdxBarManager* Manager) {
  const TCustomForm* form = Manager->OwnerForm();
  return form && (form->ComponentState() & csDestroying);
}

}  // namespace

void TdxDockControl::UpdateDock() {
  if (!FBarManager || !FBarManager->Bars() || OwnerFormDestroying(FBarManager) || FBarManager->Bars()->RestoringLayout() ||
      FBarManager->UpdateLocked() || FUpdatingDock)
    return;
  FUpdatingDock = true;
  DisableAlign();
  for (int i = 0; i < RowCount(); ++i) LayoutRow(i);
  // The windows that moved asked the site to realign; the layout has just been made.
  SetControlState(ControlState() & ~csAlignmentNeeded);
  EnableAlign();
  FUpdatingDock = false;
  SizeToRows();
}

void TdxDockControl::LayoutRow(int Row) {
  TdxDockRow* row = Rows(Row);
  if (row->ColCount() == 0) return;
  const TRect client = ClientRect();
  const TRect rect = GetRowRect(Row);
  TRowLayout layout(*this, *row, IsHorizontal() ? client.Width() : client.Height());
  layout.Run(IsHorizontal() ? rect.Top : rect.Left);
}

// The site is as thick as its rows (and its sunken border); bottom and right sites keep their far
// edge. Menus open from a bar close when the site changed size under them (not the
// quick-customisation window, the one toolbar window that may not close).
void TdxDockControl::SizeToRows() {
  int size = GetRowsSize();
  if (GetSunkenBorder() && size >= 1) size += 2;
  const int old = IsHorizontal() ? Height() : Width();
  if (size == old) return;
  switch (DockingStyle()) {
    case dsBottom: SetBounds(Left(), Top() + Height() - size, Width(), size); break;
    case dsRight: SetBounds(Left() + Width() - size, Top(), size, Height()); break;
    case dsLeft: SetBounds(Left(), Top(), size, Height()); break;
    default: SetBounds(Left(), Top(), Width(), size); break;
  }
  CloseMenusOnResize();
}

void TdxDockControl::CloseMenusOnResize() {
  TCustomdxBarControl* active = ActiveBarControl();
  auto* toolbar = dynamic_cast<TdxBarControl*>(active);
  if (!active || (toolbar && !toolbar->MayClose())) return;
  if (active->HandleAllocated() && GetCapture() == active->Handle()) return;
  active->CloseMenus();
}
