// The line layout of a toolbar: wrapping its controls onto lines (breaking at group boundaries),
// fitting one line (keeping the most recently used links when it is too short), giving every
// shown link its rectangle, and the sizes the dock site and floating sizing ask for.
#include <algorithm>

#include "bars/dxBar.h"
#include "bars/dxBarDock.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarToolbar.h"
#include "windows/SystemMenu.h"
#include "graphics/Metrics.h"

namespace {

// A length no bar reaches: the line of every link.
constexpr int kUnlimited = 1 << 20;

int& Along(TSize& Size, bool Vertical) { return Vertical ? Size.cy : Size.cx; }
int& Across(TSize& Size, bool Vertical) { return Vertical ? Size.cx : Size.cy; }

// The link's control, made when it is missing; nullptr for an item of a kind without controls,
// which takes no place.
TdxBarItemControl* ControlOf(TdxBarItemLink* Link) {
  if (!Link->Control()) Link->CreateControl();
  return Link->Control();
}

// Moves a finished line's links across so that each control is centred in the line, and gives
// each link the rectangle of its place on the line.
void CentreLine(TdxBarItemLinks* Links, int First, int End, int Thickness, int Start, bool Vertical, int ClientWidth) {
  for (int i = First; i < End; ++i) {
    TdxBarItemLink* link = Links->ShownItems(i);
    TRect r = link->ItemRect();
    if (Vertical) {
      OffsetRect(r, -(Thickness - r.Width()) / 2, 0);
      link->SetLineRect(TRect{ClientWidth - Start - Thickness, r.Top, ClientWidth - Start, r.Bottom});
    } else {
      OffsetRect(r, 0, (Thickness - r.Height()) / 2);
      link->SetLineRect(TRect{r.Left, Start, r.Right, Start + Thickness});
    }
    link->SetItemRect(r);
  }
}

// An item aligned in a single line moves to the centre or the end of the line Limit long, or
// fills it up to there (never shorter than its minimal Length).
void AlignInLine(TRect& R, TdxBarItemAlign Align, int Limit, int Length, bool Vertical) {
  if (Align == iaLeft) return;
  int& nearEdge = Vertical ? R.Top : R.Left;
  int& farEdge = Vertical ? R.Bottom : R.Right;
  if (Align == iaClient) {
    farEdge = std::max(Limit, nearEdge + Length);
    return;
  }
  const int shift = Align == iaCenter ? (Limit - farEdge) / 2 : Limit - farEdge;
  nearEdge += shift;
  farEdge += shift;
}

}  // namespace

int TdxBarControl::EmptyBarSize() const { return BarManager() ? BarManager()->ButtonSize() : 0; }

// A control aligned to fill a single line measures its minimal length along it.
int TdxBarControl::ControlLength(const TdxBarItemControl* Control, bool Vertical) const {
  if (IsSingleLine() && Control->Item() && Control->Item()->Align() == iaClient) {
    const bool horizontalMeasure = !Vertical || FBar->RotateWhenVertical();
    return horizontalMeasure ? Control->GetClientWidthHorizontal() : Control->GetClientWidthVertical();
  }
  return Vertical ? Control->GetHeight() : Control->GetWidth();
}

int TdxBarControl::ControlThickness(const TdxBarItemControl* Control, bool Vertical) const {
  return Vertical ? Control->GetWidth() : Control->GetHeight();
}

bool TdxBarControl::HasCaptionButtons() const {
  return FBar->IsMainMenu() && BarManager() && (HasMDIButtons() || BarManager()->ShowCloseButton());
}

HWND TdxBarControl::MDIChild() const {
  const TdxBarManager* manager = BarManager();
  return FBar->IsMainMenu() && manager && manager->MDIMaximized() ? manager->MergedChild() : HWND();
}

bool TdxBarControl::HasMDIButtons() const {
  return HasSystemMenu(MDIChild());
}

bool TdxBarControl::IsCaptionButtonEnabled(const TdxBarCaptionButton& Button, bool ForClick) const {
  if (Button.Command == SC_RESTORE || !HasMDIButtons()) return true;
  const UINT state = GetSystemMenuState(MDIChild(), Button.Command);
  return state != static_cast<UINT>(-1) && !(state & (ForClick ? (MF_GRAYED | MF_DISABLED) : MF_GRAYED));
}

TSize TdxBarControl::CaptionButtonSize() { return TSize{GetSystemMetrics(SM_CXSMSIZE) - 2, GetSystemMetrics(SM_CYSMSIZE) - 4}; }

// One button, or the three MDI buttons with 2 pixels before the close button.
TSize TdxBarControl::CaptionButtonsExtent() const {
  if (!HasCaptionButtons()) return TSize{};
  const TSize button = CaptionButtonSize();
  const int count = HasMDIButtons() ? 3 : 1, gap = HasMDIButtons() ? 2 : 0;
  return IsVertical() ? TSize{button.cx, count * button.cy + gap} : TSize{count * button.cx + gap, button.cy};
}

// --- wrapping -----------------------------------------------------------------------------------

namespace {

// A control as the wrapping sees it, and whether it came to begin a line.
struct TWrapItem {
  TdxBarItemControl* Control;
  int Length;
  int Size;
  bool BeginsGroup;
  bool LineStart = false;
};

struct TWrapResult {
  int LastLength = 0;
  int LastThickness = 0;
  int Widest = 0;
  // The lines before the last one, with the gaps between them.
  int Across = 0;
};

// A line breaks before the last group that began on it (so that groups stay whole), or before the
// control that does not fit when no group began there; after such a break inside a group, the
// next group begins a line of its own.
TWrapResult WrapLines(std::vector<TWrapItem>& Items, int Wrap, int Separator) {
  TWrapResult r;
  const int count = static_cast<int>(Items.size());
  int lineFirst = 0, groupStart = -1, groupLength = 0, groupThickness = 0;
  bool forced = false, wentBack = false;
  for (int i = 0; i < count;) {
    TWrapItem& item = Items[static_cast<size_t>(i)];
    const bool first = i == lineFirst;
    const int gap = !first && item.BeginsGroup ? Separator : 0;
    if ((first || r.LastLength + gap + item.Length <= Wrap) && !(gap > 0 && forced)) {
      item.LineStart = false;
      if (gap > 0 && r.LastLength >= 1) groupStart = i, groupLength = r.LastLength, groupThickness = r.LastThickness;
      r.LastLength += gap + item.Length;
      r.LastThickness = std::max(r.LastThickness, item.Size);
      wentBack = false;
      ++i;
      continue;
    }
    item.LineStart = true;
    const bool backToGroup = groupStart >= 0 && !wentBack;
    const TWrapItem& start = backToGroup ? Items[static_cast<size_t>(groupStart)] : item;
    r.Across += (backToGroup ? Separator : gap) + (backToGroup ? groupThickness : r.LastThickness);
    r.Widest = std::max(r.Widest, backToGroup ? groupLength : r.LastLength);
    forced = !backToGroup && gap == 0;
    wentBack = backToGroup;
    lineFirst = backToGroup ? groupStart : i;
    Items[static_cast<size_t>(lineFirst)].LineStart = true;
    r.LastLength = start.Length;
    r.LastThickness = start.Size;
    i = lineFirst + 1;
    groupStart = -1;
  }
  r.Widest = std::max(r.Widest, r.LastLength);
  return r;
}

}  // namespace

void TdxBarControl::WrapControls(TdxBarDockingStyle Side, int Length, TSize& Size) {
  const bool vertical = IsVerticalDockingStyle(Side);
  TdxBarItemLinks* links = ItemLinks();
  std::vector<TWrapItem> items;
  for (int i = 0; i < links->ShownItemCount(); ++i) {
    TdxBarItemLink* link = links->ShownItems(i);
    if (TdxBarItemControl* control = ControlOf(link))
      items.push_back(TWrapItem{control, ControlLength(control, vertical), ControlThickness(control, vertical), link->BeginGroup()});
  }
  int wrap = std::max(Length, Along(Size, vertical));
  if (Side != dsNone && HasMark()) wrap -= kBarMarkSize;
  const TWrapResult lines = WrapLines(items, wrap, GetSeparatorSize());
  for (const TWrapItem& item : items) item.Control->SetLineStart(item.LineStart);
  int lastLength = lines.LastLength;
  if (!items.empty()) {
    int across = lines.Across + lines.LastThickness;
    // The main menu's caption buttons end the last line, or take a strip of their own.
    if (HasCaptionButtons()) {
      const TSize buttons = CaptionButtonsExtent();
      const int buttonsAlong = vertical ? buttons.cy : buttons.cx;
      if (lastLength + buttonsAlong <= wrap) {
        lastLength += buttonsAlong;
      } else {
        across += vertical ? buttons.cx : buttons.cy;
      }
    }
    Across(Size, vertical) = across;
  }
  Along(Size, vertical) = std::max(Along(Size, vertical), std::max(lastLength, lines.Widest));
  CalcControlsPositions();
}

// --- one line -----------------------------------------------------------------------------------

TdxBarControl::TLine TdxBarControl::FitLine(int Limit) const {
  TLine line;
  const bool vertical = IsVertical();
  const TdxBarItemLinks* links = ItemLinks();
  for (int i = 0; i < links->ShownItemCount(); ++i) {
    TdxBarItemLink* link = links->ShownItems(i);
    const TdxBarItemControl* control = ControlOf(link);
    if (!control) continue;
    const int gap = i > 0 && link->BeginGroup() ? GetSeparatorSize() : 0;
    const int length = ControlLength(control, vertical);
    if (i > 0 && line.Length + gap + length > Limit) {
      line.Overflow = true;
      break;
    }
    line.Length += gap + length;
    line.Thickness = std::max(line.Thickness, ControlThickness(control, vertical));
  }
  return line;
}

// The links show as many of the most recently used as fit, in their collection order.
void TdxBarControl::FitRecentLinks(int Limit) {
  TdxBarItemLinks* links = ItemLinks();
  const int count = links->VisibleItemCount();
  for (int n = 1; n <= count; ++n) {
    links->ShowRecentItems(n);
    if (FitLine(Limit).Overflow) {
      links->ShowRecentItems(n - 1);
      return;
    }
  }
  links->ShowRecentItems(-1);
}

TSize TdxBarControl::CalcSingleLineSize(TdxBarDockingStyle Side, int Length) {
  const bool vertical = IsVerticalDockingStyle(Side);
  TSize size;
  Along(size, vertical) = GetMinLength(Side);
  Across(size, vertical) = EmptyBarSize();
  TdxBarItemLinks* links = ItemLinks();
  if (links->VisibleItemCount() == 0) return size;
  const TSize buttons = CaptionButtonsExtent();
  const int buttonsAlong = vertical ? buttons.cy : buttons.cx;
  const int mark = HasMark() ? kBarMarkSize : 0;
  const int limit = std::max(Length, Along(size, vertical)) - buttonsAlong - mark;
  const bool designing = BarManager() && BarManager()->IsDesigning();
  if (links->UseRecentItemsInEffect() && !designing) {
    FitRecentLinks(limit);
  } else {
    links->ShowRecentItems(-1);
  }
  const TLine line = FitLine(limit);
  Along(size, vertical) = std::max(Along(size, vertical), line.Length + mark);
  Across(size, vertical) = line.Thickness;
  if (HasCaptionButtons()) {
    Along(size, vertical) += buttonsAlong;
    Across(size, vertical) = std::max(Across(size, vertical), vertical ? buttons.cx : buttons.cy);
  }
  CalcControlsPositions();
  return size;
}

TSize TdxBarControl::CalcWrappedSize(TdxBarDockingStyle Side, int Length) {
  TdxBarItemLinks* links = ItemLinks();
  TSize size;
  if (links->VisibleItemCount() == 0) return TSize{EmptyBarSize(), EmptyBarSize()};
  links->ShowRecentItems(-1);
  WrapControls(Side, Length, size);
  links->RestoreShownItems();
  return size;
}

TSize TdxBarControl::CalcSizeForLength(TdxBarDockingStyle Side, int Length) {
  if (!ItemLinks()) return TSize{};
  const bool wraps = Side == dsNone || FBar->MultiLine();
  return wraps ? CalcWrappedSize(Side, Length) : CalcSingleLineSize(Side, Length);
}

// The width shrinks while the wrapped contents stay lower than Height, down to the widest control
// (below it nothing wraps any further).
TSize TdxBarControl::CalcSizeForHeight(int Height) {
  TSize size = CalcSizeForLength(dsNone, kUnlimited);
  if (size.cy >= Height || !ItemLinks()) return size;
  int narrowest = 0;
  for (int i = 0; i < ItemLinks()->VisibleItemCount(); ++i)
    if (const TdxBarItemControl* control = ControlOf(ItemLinks()->VisibleItems(i)))
      narrowest = std::max(narrowest, ControlLength(control, false));
  for (int width = size.cx - 1; width >= narrowest; --width) {
    size = CalcSizeForLength(dsNone, width);
    if (size.cy >= Height) return size;
  }
  return CalcSizeForLength(dsNone, narrowest);
}

// --- the sizes the dock site asks for -------------------------------------------------------------

// A single line is at least as long as the control of its most recently used link (with the
// mark); a window that wraps as long as its longest control.
int TdxBarControl::GetMinLength(TdxBarDockingStyle Side) {
  const bool vertical = IsVerticalDockingStyle(Side);
  TdxBarItemLinks* links = ItemLinks();
  if (!links || links->VisibleItemCount() == 0) return EmptyBarSize();
  int length = 0;
  if (Side != dsNone && !FBar->MultiLine()) {
    links->ShowRecentItems(1);
    if (const TdxBarItemControl* control = ControlOf(links->ShownItems(0))) length = ControlLength(control, vertical);
    links->RestoreShownItems();
    if (HasMark()) length += kBarMarkSize;
    return length;
  }
  for (int i = 0; i < links->VisibleItemCount(); ++i)
    if (const TdxBarItemControl* control = ControlOf(links->VisibleItems(i)))
      length = std::max(length, ControlLength(control, vertical));
  return length;
}

int TdxBarControl::GetFullLength(TdxBarDockingStyle Side) {
  TSize size = CalcSizeForLength(Side, kUnlimited);
  return Along(size, IsVerticalDockingStyle(Side));
}

int TdxBarControl::GetFullThickness(TdxBarDockingStyle Side) {
  TSize size = CalcSizeForLength(Side, kUnlimited);
  return Across(size, IsVerticalDockingStyle(Side));
}

// The window's size with its frame: floating at its stored client width, or docked along the
// side's main site (a whole row takes the site's full length).
TSize TdxBarControl::CalcFloatingSize(TdxBarDockingStyle Side) {
  TdxBarItemLinks* links = ItemLinks();
  const int recent = links ? links->RecentItemCount() : -1;
  const int horizontalBorder = FBar->GetHorizontalBorderSize(Side);
  const int verticalBorder = FBar->GetVerticalBorderSize(Side);
  TSize size;
  if (Side == dsNone) {
    size = CalcSizeForLength(dsNone, FBar->FloatClientWidth());
    size.cx += horizontalBorder;
    size.cy += verticalBorder;
  } else {
    const bool vertical = IsVerticalDockingStyle(Side);
    const TdxDockControl* site = FDockControl && FDockControl->DockingStyle() == Side ? FDockControl : FBar->Bars()->DockControls(Side);
    const int siteLength = site ? (vertical ? site->ClientHeight() : site->ClientWidth()) : 0;
    const int border = vertical ? verticalBorder : horizontalBorder;
    const bool whole = FBar->WholeRow();
    size = CalcSizeForLength(Side, whole ? siteLength - border : GetFullLength(Side));
    Along(size, vertical) = whole ? siteLength : Along(size, vertical) + border;
    Across(size, vertical) += vertical ? horizontalBorder : verticalBorder;
  }
  if (links) links->ShowRecentItems(recent);
  CalcControlsPositions();
  return size;
}

// --- positions ----------------------------------------------------------------------------------

// Every shown link gets its rectangle: on lines (broken where the wrapping said) in a window that
// can wrap, else on one line that stops at the first link that does not fit; in a single line an
// aligned item moves to the centre or the end, or fills the rest.
void TdxBarControl::CalcControlsPositions() {
  TdxBarItemLinks* links = ItemLinks();
  if (!links) return;
  links->ClearItemRects();
  const bool vertical = IsVertical();
  const bool wraps = CanWrap();
  const TRect client = ClientRect();
  const int clientAlong = vertical ? client.Height() : client.Width();
  const int clientAcross = vertical ? client.Width() : client.Height();
  int limit = clientAlong;
  if (HasMark() && (!wraps || FDockControl)) limit -= kBarMarkSize;
  if (!wraps && HasCaptionButtons()) limit -= vertical ? CaptionButtonsExtent().cy : CaptionButtonsExtent().cx;
  int position = 0, offset = 0, lineFirst = 0, last = -1;
  int thickness = wraps ? 0 : clientAcross;
  const int count = links->ShownItemCount();
  for (int i = 0; i < count; ++i) {
    TdxBarItemLink* link = links->ShownItems(i);
    TdxBarItemControl* control = ControlOf(link);
    if (!control) continue;
    control->SetLineEnd(false);
    const int length = ControlLength(control, vertical);
    const int size = ControlThickness(control, vertical);
    int gap = link->BeginGroup() && position >= 1 ? GetSeparatorSize() : 0;
    const bool overflow = (position > 0 && position + gap + length > limit) || (wraps && i > 0 && control->LineStart());
    if (overflow) {
      if (!wraps) break;
      links->ShownItems(last)->Control()->SetLineEnd(true);
      CentreLine(links, lineFirst, i, thickness, offset, vertical, client.Width());
      offset += thickness + gap;
      position = 0;
      gap = 0;
      thickness = 0;
      lineFirst = i;
    }
    TRect r;
    if (wraps) {
      r = vertical ? Bounds(client.Width() - offset - size, position + gap, size, length) : Bounds(position + gap, offset, length, size);
    } else {
      r = vertical ? Bounds((thickness - size) / 2, position + gap, size, length) : Bounds(position + gap, (thickness - size) / 2, length, size);
    }
    const TdxBarItemAlign align = !wraps && link->Item() ? link->Item()->Align() : iaLeft;
    AlignInLine(r, align, limit, length, vertical);
    link->SetItemRect(r);
    if (!wraps) link->SetLineRect(vertical ? TRect{0, r.Top, thickness, r.Bottom} : TRect{r.Left, 0, r.Right, thickness});
    position += gap + length;
    if (align != iaLeft) {
      position = limit;
      if (i + 1 < count) FTruncated = true;
    }
    thickness = std::max(thickness, size);
    last = i;
  }
  if (last < 0) return;
  links->ShownItems(last)->Control()->SetLineEnd(true);
  if (wraps) CentreLine(links, lineFirst, last + 1, thickness, offset, vertical, client.Width());
}
