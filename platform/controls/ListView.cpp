// The list view in report style: header and rows, selection by mouse and keys, scrolling.
#include <algorithm>

#include "controls/ListView.h"
#include "graphics/Gdi.h"
#include "rtl/Text.h"
#include "windows/Paint.h"
#include "windows/Scrolling.h"

TCustomListView::TCustomListView(TComponent* AOwner)
    : TCustomControl(AOwner), FColumns(std::make_unique<TCollectionOf<TListColumn>>(this)),
      FItems(std::make_unique<TListItems>(*this)) {
  SetBounds(0, 0, 250, 150);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  FColumns->OnUpdate = [this] { Invalidate(); };
}

TCustomListView::~TCustomListView() {
  FColumns->OnUpdate = nullptr;
  OnSelectItem = nullptr;
  OnChange = nullptr;
  FItems->Clear();
}

void TCustomListView::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style |= WS_VSCROLL;
  Params.ExStyle |= BorderExStyle(FBorderStyle);
}

void TCustomListView::CreateWnd() {
  TCustomControl::CreateWnd();
  Changed();
}

void TCustomListView::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

// The rows or the room for them changed: the top row stays in range and the scroll bar follows.
void TCustomListView::Changed() {
  if (FUpdateCount > 0) return;
  FTopIndex = std::clamp(FTopIndex, 0, LastTopIndex());
  if (HandleAllocated()) SetListScrollBar(Handle(), FItems->Count(), VisibleRowCount(), FTopIndex);
  Invalidate();
}

void TCustomListView::ItemChanged(TListItem* Item, TItemChange Change) {
  if (OnChange && !(ComponentState() & csDestroying)) OnChange(this, Item, Change);
  Changed();
}

void TCustomListView::ItemSelected(TListItem* Item, bool Value) {
  if (!(ComponentState() & csDestroying)) {
    if (OnChange) OnChange(this, Item, ctState);
    if (OnSelectItem) OnSelectItem(this, Item, Value);
  }
  Changed();
}

void TCustomListView::ItemRemoved(TListItem*) {}

TListItem* TCustomListView::Selected() const {
  for (int i = 0; i < FItems->Count(); ++i)
    if (FItems->Item(i)->Selected()) return FItems->Item(i);
  return nullptr;
}

void TCustomListView::SelectOnly(TListItem* Item) {
  for (int i = 0; i < FItems->Count(); ++i)
    if (FItems->Item(i) != Item) FItems->Item(i)->SetSelected(false);
  if (Item) Item->SetSelected(true);
}

void TCustomListView::SetSelected(TListItem* Value) { SelectOnly(Value); }

int TCustomListView::SelCount() const {
  int n = 0;
  for (int i = 0; i < FItems->Count(); ++i) n += FItems->Item(i)->Selected();
  return n;
}

TListItem* TCustomListView::ItemFocused() const {
  for (int i = 0; i < FItems->Count(); ++i)
    if (FItems->Item(i)->Focused()) return FItems->Item(i);
  return nullptr;
}

TListItem* TCustomListView::FindCaption(int StartIndex, const String& Value, bool Partial, bool Inclusive, bool Wrap) const {
  const int count = FItems->Count();
  const int first = std::max(0, Inclusive ? StartIndex : StartIndex + 1);
  const String wanted = AnsiUpperCase(Value);
  for (int step = 0; step < count; ++step) {
    const int i = first + step;
    if (i >= count && !Wrap) break;
    TListItem* item = FItems->Item(i % count);
    const String caption = AnsiUpperCase(item->Caption());
    if (Partial ? caption.rfind(wanted, 0) == 0 : caption == wanted) return item;
  }
  return nullptr;
}

int TCustomListView::RowHeight() const {
  HDC dc = GetDC(HWND());
  dc->SetFont(Font());
  const int h = dc->TextHeight("0") + 3;
  ReleaseDC(HWND(), dc);
  return h;
}

int TCustomListView::HeaderHeight() const { return FShowColumnHeaders && FViewStyle == vsReport ? RowHeight() + 4 : 0; }

TRect TCustomListView::ListArea() const {
  TRect r = ClientRect();
  r.Top += HeaderHeight();
  return r;
}

int TCustomListView::VisibleRowCount() const { return std::max(1, ListArea().Height() / RowHeight()); }

TListItem* TCustomListView::TopItem() const { return FTopIndex < FItems->Count() ? FItems->Item(FTopIndex) : nullptr; }

int TCustomListView::LastTopIndex() const { return std::max(0, FItems->Count() - VisibleRowCount()); }

void TCustomListView::Scroll(int, int DY) {
  FTopIndex = std::clamp(FTopIndex + DY, 0, LastTopIndex());
  Changed();
}

TRect TCustomListView::ItemRect(int Index) const {
  const TRect area = ListArea();
  return Bounds(area.Left, area.Top + (Index - FTopIndex) * RowHeight(), area.Width(), RowHeight());
}

TListItem* TCustomListView::GetItemAt(int X, int Y) const {
  const TRect area = ListArea();
  if (!PtInRect(area, {X, Y})) return nullptr;
  const int index = FTopIndex + (Y - area.Top) / RowHeight();
  return index < FItems->Count() ? FItems->Item(index) : nullptr;
}

void TCustomListView::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(ClientRect());
  canvas->SetFont(Font());
  TRect area = ListArea();
  if (HeaderHeight() > 0) PaintHeader(canvas, {area.Left, area.Top - HeaderHeight(), area.Right, area.Top});
  IntersectClipRect(canvas->Handle(), area.Left, area.Top, area.Right, area.Bottom);
  for (int i = FTopIndex; i < FItems->Count(); ++i) {
    const TRect row = ItemRect(i);
    if (row.Top >= area.Bottom) break;
    PaintItem(canvas, i, row);
  }
  SelectClipRgn(canvas->Handle(), nullptr);
}

void TCustomListView::PaintHeader(TCanvas* Canvas, const TRect& Area) {
  static constexpr unsigned Align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  int x = Area.Left;
  for (int c = 0; c < FColumns->Count() && x < Area.Right; ++c) {
    const TListColumn* column = FColumns->Items(c);
    TRect cell{x, Area.Top, std::min(x + column->Width(), Area.Right), Area.Bottom};
    TRect face = cell;
    DrawFrameControl(Canvas->Handle(), face, DFC_BUTTON, DFCS_BUTTONPUSH);
    InflateRect(cell, -6, 0);
    DrawCaption(Canvas, column->Caption(), cell, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | Align[column->Alignment()],
                Enabled());
    x += column->Width();
  }
  if (x < Area.Right) {
    TRect rest{x, Area.Top, Area.Right, Area.Bottom};
    DrawFrameControl(Canvas->Handle(), rest, DFC_BUTTON, DFCS_BUTTONPUSH);
  }
}

// With RowSelect the whole row shows the selection; otherwise the caption's cell only.
void TCustomListView::PaintItem(TCanvas* Canvas, int Index, const TRect& Row) {
  static constexpr unsigned Align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  const TListItem* item = FItems->Item(Index);
  const bool showSelection = item->Selected() && (Focused() || !FHideSelection);
  int x = Row.Left;
  for (int c = 0; c < std::max(1, FColumns->Count()); ++c) {
    const int width = FColumns->Count() ? FColumns->Items(c)->Width() : Row.Width();
    const TRect cell{x, Row.Top, x + width, Row.Bottom};
    const bool highlight = showSelection && (FRowSelect || c == 0);
    Canvas->Brush()->SetColor(highlight ? (Focused() ? clHighlight : clBtnFace) : Color());
    Canvas->FillRect(cell);
    const String text = c == 0 ? item->Caption() : (c - 1 < item->SubItems()->Count() ? (*item->SubItems())[c - 1] : String());
    Canvas->Font()->SetColor(highlight && Focused() ? clHighlightText : Font()->Color());
    TRect textRect = cell;
    InflateRect(textRect, -2, 0);
    textRect.Left += c == 0 ? 2 : 4;
    const unsigned align = FColumns->Count() ? Align[FColumns->Items(c)->Alignment()] : DT_LEFT;
    Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    DrawText(Canvas->Handle(), text, -1, textRect, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | align);
    if (FGridLines) {
      Canvas->Brush()->SetColor(clBtnFace);
      Canvas->FillRect({cell.Right - 1, cell.Top, cell.Right, cell.Bottom});
      Canvas->FillRect({cell.Left, cell.Bottom - 1, cell.Right, cell.Bottom});
    }
    x += width;
  }
  if (item->Focused() && Focused()) {
    TRect focus = Row;
    if (!FRowSelect && FColumns->Count()) focus.Right = Row.Left + FColumns->Items(0)->Width();
    Canvas->DrawFocusRect(focus);
  }
}

void TCustomListView::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TCustomListView> Handlers[] = {
      {WM_GETDLGCODE, &TCustomListView::WMGetDlgCode}, {WM_VSCROLL, &TCustomListView::WMVScroll},
      {WM_MOUSEWHEEL, &TCustomListView::WMMouseWheel}, {CM_ENTER, &TCustomListView::CMRepaint},
      {CM_EXIT, &TCustomListView::CMRepaint},          {CM_ENABLEDCHANGED, &TCustomListView::CMRepaint},
      {CM_FONTCHANGED, &TCustomListView::CMRepaint},   {WM_SIZE, &TCustomListView::CMRepaint},
  };
  if (!DispatchTo(this, Message, Handlers)) TCustomControl::Dispatch(Message);
}

void TCustomListView::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TCustomListView::WMVScroll(TMessage& Message) {
  Scroll(0, ListScrollTarget(Handle(), Message.WParam, FTopIndex, VisibleRowCount()) - FTopIndex);
}

void TCustomListView::WMMouseWheel(TMessage& Message) {
  Scroll(0, ListWheelTarget(Message.WParam, FTopIndex) - FTopIndex);
  Message.Result = 1;
}

void TCustomListView::CMRepaint(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  Changed();
}

void TCustomListView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FocusOnPress(this);
  const TRect area = ListArea();
  if (Button == mbLeft && FColumnClick && Y < area.Top && Y >= area.Top - HeaderHeight()) {
    int x = area.Left;
    for (int c = 0; c < FColumns->Count(); x += FColumns->Items(c++)->Width())
      if (X >= x && X < x + FColumns->Items(c)->Width() && OnColumnClick) OnColumnClick(this, FColumns->Items(c));
  } else if (TListItem* item = GetItemAt(X, Y)) {
    if (FMultiSelect && (Shift & ssCtrl)) item->SetSelected(!item->Selected());
    else SelectOnly(item);
    item->SetFocused(true);
  } else if (Button == mbLeft && !FMultiSelect) {
    SelectOnly(nullptr);
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomListView::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  const int count = FItems->Count();
  if (count == 0) return;
  const TListItem* focused = ItemFocused();
  const int current = focused ? focused->Index() : -1;
  int target = -1;
  switch (Key) {
    case VK_UP: target = current - 1; break;
    case VK_DOWN: target = current + 1; break;
    case VK_PRIOR: target = current - VisibleRowCount() + 1; break;
    case VK_NEXT: target = current + VisibleRowCount() - 1; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = count - 1; break;
    default: return;
  }
  TListItem* item = FItems->Item(std::clamp(target, 0, count - 1));
  SelectOnly(item);
  item->SetFocused(true);
  item->MakeVisible(false);
}
