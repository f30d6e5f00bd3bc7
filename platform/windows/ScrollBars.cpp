// The scroll bars of a window: their state with the original system's rules, showing, hiding and
// enabling them, and the flat-style calls over the same bars.
#include <algorithm>

#include "windows/Layer_p.h"

namespace {

TScrollBarState* BarOf(HWND Wnd, int Bar) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec || (Bar != SB_HORZ && Bar != SB_VERT)) return nullptr;
  return &rec->ScrollBars[Bar];
}

int MaxPosition(const TScrollBarState& Bar) { return Bar.Max - std::max(static_cast<int>(Bar.Page) - 1, 0); }

void Clamp(TScrollBarState& Bar) {
  const long long size = static_cast<long long>(Bar.Max) - Bar.Min + 1;
  if (static_cast<long long>(Bar.Page) > size) Bar.Page = static_cast<UINT>(std::max(size, 0LL));
  Bar.Pos = std::max(Bar.Min, std::min(Bar.Pos, MaxPosition(Bar)));
}

bool Assign(int& Field, int Value) { return std::exchange(Field, Value) != Value; }
bool Assign(UINT& Field, UINT Value) { return std::exchange(Field, Value) != Value; }

// The values fMask names; answers whether any of them changed.
bool Store(TScrollBarState& Bar, const SCROLLINFO& Info) {
  bool changed = false;
  if (Info.fMask & SIF_PAGE) changed |= Assign(Bar.Page, Info.nPage);
  if (Info.fMask & SIF_POS) changed |= Assign(Bar.Pos, Info.nPos);
  if (Info.fMask & SIF_RANGE) {
    // A reversed range is refused as the original does: it becomes empty.
    const bool valid = Info.nMin <= Info.nMax;
    changed |= Assign(Bar.Min, valid ? Info.nMin : 0);
    changed |= Assign(Bar.Max, valid ? Info.nMax : 0);
  }
  Clamp(Bar);
  return changed;
}

}  // namespace

int SetScrollInfo(HWND Wnd, int Bar, const SCROLLINFO& Info, bool Redraw) {
  TScrollBarState* bar = BarOf(Wnd, Bar);
  if (!bar) return 0;
  const bool changed = Store(*bar, Info);
  enum { Keep, Show, Hide } action = Keep;
  if (Info.fMask & (SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL)) {
    const bool covered = bar->Min >= MaxPosition(*bar);
    if (covered && (Info.fMask & SIF_DISABLENOSCROLL)) {
      bar->Disabled = ESB_DISABLE_BOTH;
      if (changed) action = Show;
    } else if (covered) {
      if (changed) action = Hide;
    } else if (Info.fMask != SIF_PAGE) {
      // A new page alone never brings a hidden bar back.
      bar->Disabled = ESB_ENABLE_BOTH;
      if (changed) action = Show;
    }
  }
  const int pos = bar->Pos;
  const DWORD bit = Bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL;
  const bool shown = (GetWindowLong(Wnd, GWL_STYLE) & bit) != 0;
  if (action == Hide && shown) {
    ShowScrollBar(Wnd, Bar, false);
  } else if (action == Show && !shown) {
    ShowScrollBar(Wnd, Bar, true);
  } else if (Redraw && shown) {
    RedrawFrame(Wnd);
  }
  return pos;
}

bool GetScrollInfo(HWND Wnd, int Bar, SCROLLINFO& Info) {
  const TScrollBarState* bar = BarOf(Wnd, Bar);
  if (!bar) return false;
  if (Info.fMask & SIF_RANGE) {
    Info.nMin = bar->Min;
    Info.nMax = bar->Max;
  }
  if (Info.fMask & SIF_PAGE) Info.nPage = bar->Page;
  if (Info.fMask & SIF_POS) Info.nPos = bar->Pos;
  if (Info.fMask & SIF_TRACKPOS) Info.nTrackPos = bar->Tracking ? bar->TrackPos : bar->Pos;
  return true;
}

int SetScrollPos(HWND Wnd, int Bar, int Pos, bool Redraw) {
  const TScrollBarState* bar = BarOf(Wnd, Bar);
  if (!bar) return 0;
  const int previous = bar->Pos;
  SCROLLINFO info;
  info.fMask = SIF_POS;
  info.nPos = Pos;
  SetScrollInfo(Wnd, Bar, info, Redraw);
  return previous;
}

int GetScrollPos(HWND Wnd, int Bar) {
  const TScrollBarState* bar = BarOf(Wnd, Bar);
  return bar ? bar->Pos : 0;
}

bool SetScrollRange(HWND Wnd, int Bar, int Min, int Max, bool Redraw) {
  if (!BarOf(Wnd, Bar)) return false;
  SCROLLINFO info;
  info.fMask = SIF_RANGE;
  info.nMin = Min;
  info.nMax = Max;
  SetScrollInfo(Wnd, Bar, info, Redraw);
  return true;
}

bool GetScrollRange(HWND Wnd, int Bar, int& Min, int& Max) {
  const TScrollBarState* bar = BarOf(Wnd, Bar);
  if (!bar) return false;
  Min = bar->Min;
  Max = bar->Max;
  return true;
}

bool ShowScrollBar(HWND Wnd, int Bar, bool Show) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return false;
  const DWORD bits = Bar == SB_HORZ ? WS_HSCROLL : Bar == SB_VERT ? WS_VSCROLL : Bar == SB_BOTH ? WS_HSCROLL | WS_VSCROLL : 0;
  const DWORD style = Show ? rec->Style | bits : rec->Style & ~bits;
  if (style == rec->Style) return true;
  rec->Style = style;
  return SetWindowPos(Wnd, HWND(), 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool InitializeFlatSB(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return false;
  rec->FlatScrollBars = true;
  return true;
}

void UninitializeFlatSB(HWND Wnd) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec) return;
  rec->FlatScrollBars = false;
  for (TScrollBarState& bar : rec->ScrollBars) bar.FlatStyle = FSB_REGULAR_MODE;
  RedrawFrame(Wnd);
}

bool FlatSB_SetScrollProp(HWND Wnd, int Index, intptr_t Value, bool Redraw) {
  TWindowRecord* rec = Windows().Find(Wnd);
  if (!rec || !rec->FlatScrollBars) return false;
  if (Index & WSB_PROP_VSTYLE) rec->ScrollBars[SB_VERT].FlatStyle = static_cast<int>(Value);
  if (Index & WSB_PROP_HSTYLE) rec->ScrollBars[SB_HORZ].FlatStyle = static_cast<int>(Value);
  if (Redraw) RedrawFrame(Wnd);
  return true;
}

int FlatSB_SetScrollInfo(HWND Wnd, int Bar, const SCROLLINFO& Info, bool Redraw) { return SetScrollInfo(Wnd, Bar, Info, Redraw); }
bool FlatSB_GetScrollInfo(HWND Wnd, int Bar, SCROLLINFO& Info) { return GetScrollInfo(Wnd, Bar, Info); }
int FlatSB_SetScrollPos(HWND Wnd, int Bar, int Pos, bool Redraw) { return SetScrollPos(Wnd, Bar, Pos, Redraw); }
int FlatSB_GetScrollPos(HWND Wnd, int Bar) { return GetScrollPos(Wnd, Bar); }
