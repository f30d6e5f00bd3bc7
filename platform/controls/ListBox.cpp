// The list box: geometry of rows and columns, painting, and selection by mouse and keys.
#include "controls/ListBox.h"

#include <algorithm>

#include "graphics/Gdi.h"
#include "graphics/Metrics.h"
#include "windows/Paint.h"

TCustomListBox::TCustomListBox(TComponent* AOwner) : TCustomControl(AOwner), FItems(std::make_unique<TItemStrings>()) {
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  FItems->OnInserted = [this](int i) { ItemsInserted(i); };
  FItems->OnDeleted = [this](int i) { ItemsDeleted(i); };
  FItems->OnChanged = [this] { Invalidate(); };
}

TCustomListBox::~TCustomListBox() {
  FItems->OnInserted = nullptr;
  FItems->OnDeleted = nullptr;
  FItems->OnChanged = nullptr;
}

void TCustomListBox::ItemsInserted(int Index) {
  FSelected.insert(FSelected.begin() + Index, false);
  if (FItemIndex >= Index) ++FItemIndex;
}

void TCustomListBox::ItemsDeleted(int Index) {
  if (Index < 0) {
    FSelected.clear();
    FItemIndex = FAnchor = -1;
    FTopIndex = 0;
    return;
  }
  FSelected.erase(FSelected.begin() + Index);
  if (FItemIndex == Index) FItemIndex = -1;
  else if (FItemIndex > Index) --FItemIndex;
  SetTopIndex(FTopIndex);
}

int TCustomListBox::ItemHeight() const {
  if (FItemHeight > 0) return FItemHeight;
  HDC dc = GetDC(HWND());
  dc->SetFont(Font());
  const int h = dc->TextHeight("0");
  ReleaseDC(HWND(), dc);
  return h;
}

void TCustomListBox::SetItemHeight(int Value) {
  FItemHeight = std::max(0, Value);
  Invalidate();
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
  FStyle = Value;
  Invalidate();
}

void TCustomListBox::SetColumns(int Value) {
  FColumns = std::max(0, Value);
  Invalidate();
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
  FBorderStyle = Value;
  Invalidate();
}

void TCustomListBox::SetMultiSelect(bool Value) {
  FMultiSelect = Value;
  ClearSelection();
}

TRect TCustomListBox::ListArea() const {
  TRect r = ClientRect();
  if (FBorderStyle == bsSingle) InflateRect(r, -2, -2);
  if (HasScrollBar()) r.Right -= GetSystemMetrics(SM_CXVSCROLL);
  return r;
}

int TCustomListBox::RowsPerPage() const {
  TRect r = ClientRect();
  if (FBorderStyle == bsSingle) InflateRect(r, -2, -2);
  return std::max(1, r.Height() / ItemHeight());
}

bool TCustomListBox::HasScrollBar() const { return FColumns == 0 && FItems->Count() > RowsPerPage(); }

TScrollBarState TCustomListBox::ScrollBar() const {
  TRect r = ClientRect();
  if (FBorderStyle == bsSingle) InflateRect(r, -2, -2);
  TScrollBarState bar;
  bar.Bounds = {r.Right - GetSystemMetrics(SM_CXVSCROLL), r.Top, r.Right, r.Bottom};
  bar.Max = FItems->Count() - 1;
  bar.PageSize = RowsPerPage();
  bar.Position = FTopIndex;
  bar.Enabled = Enabled();
  bar.Pressed = FScrollPressed;
  return bar;
}

TRect TCustomListBox::ItemRect(int Index) const {
  const TRect area = ListArea();
  const int h = ItemHeight();
  if (FColumns > 0) {
    const int rows = RowsPerPage();
    const int width = area.Width() / FColumns;
    const int column = (Index - FTopIndex) / rows;
    const int row = (Index - FTopIndex) % rows;
    return Bounds(area.Left + column * width, area.Top + row * h, width, h);
  }
  return Bounds(area.Left, area.Top + (Index - FTopIndex) * h, area.Width(), h);
}

int TCustomListBox::ItemAtPos(TPoint Pos, bool Existing) const {
  const TRect area = ListArea();
  if (!PtInRect(area, Pos)) return Existing ? -1 : FItems->Count();
  const int row = (Pos.Y - area.Top) / ItemHeight();
  if (FColumns > 0 && row >= RowsPerPage()) return Existing ? -1 : FItems->Count();
  int index = FTopIndex + row;
  if (FColumns > 0) index += ((Pos.X - area.Left) / std::max(1, area.Width() / FColumns)) * RowsPerPage();
  if (index < FItems->Count()) return index;
  return Existing ? -1 : FItems->Count();
}

bool TCustomListBox::Selected(int Index) const {
  if (Index < 0 || Index >= FItems->Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return FMultiSelect ? static_cast<bool>(FSelected[static_cast<size_t>(Index)]) : Index == FItemIndex;
}

void TCustomListBox::SetSelected(int Index, bool Value) {
  if (Index < 0 || Index >= FItems->Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  if (!FMultiSelect) {
    if (Value) SetItemIndex(Index);
    else if (Index == FItemIndex) SetItemIndex(-1);
    return;
  }
  FSelected[static_cast<size_t>(Index)] = Value;
  Invalidate();
}

int TCustomListBox::SelCount() const {
  if (!FMultiSelect) return -1;
  return static_cast<int>(std::count(FSelected.begin(), FSelected.end(), true));
}

void TCustomListBox::ClearSelection() {
  std::fill(FSelected.begin(), FSelected.end(), false);
  if (!FMultiSelect) FItemIndex = -1;
  Invalidate();
}

void TCustomListBox::SelectAll() {
  if (!FMultiSelect) return;
  std::fill(FSelected.begin(), FSelected.end(), true);
  Invalidate();
}

void TCustomListBox::SetItemIndex(int Value) {
  if (Value < -1 || Value >= FItems->Count()) Value = -1;
  FItemIndex = Value;
  if (FMultiSelect && Value >= 0) {
    std::fill(FSelected.begin(), FSelected.end(), false);
    FSelected[static_cast<size_t>(Value)] = true;
  }
  FAnchor = Value;
  if (Value >= 0) MakeVisible(Value);
  Invalidate();
}

void TCustomListBox::SetTopIndex(int Value) {
  const int rows = RowsPerPage();
  const int last = FColumns > 0 ? std::max(0, FItems->Count() - 1) : std::max(0, FItems->Count() - rows);
  FTopIndex = std::clamp(Value, 0, last);
  Invalidate();
}

void TCustomListBox::MakeVisible(int Index) {
  const int visible = FColumns > 0 ? RowsPerPage() * FColumns : RowsPerPage();
  if (Index < FTopIndex) SetTopIndex(FColumns > 0 ? Index - Index % RowsPerPage() : Index);
  else if (Index >= FTopIndex + visible) SetTopIndex(FColumns > 0 ? Index - Index % RowsPerPage() - (FColumns - 1) * RowsPerPage() : Index - visible + 1);
}

void TCustomListBox::Paint() {
  TCanvas* canvas = Canvas();
  const TRect inside = DrawSunkenBorder(canvas, ClientRect(), FBorderStyle);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(inside);
  const TRect area = ListArea();
  for (int i = FTopIndex; i < FItems->Count(); ++i) {
    const TRect r = ItemRect(i);
    if (r.Top >= area.Bottom || (FColumns > 0 && (i - FTopIndex) / RowsPerPage() >= FColumns)) break;
    TOwnerDrawState state = 0;
    if (Selected(i)) state |= odSelected;
    if (i == FItemIndex && Focused()) state |= odFocused;
    if (!Enabled()) state |= odDisabled;
    IntersectClipRect(canvas->Handle(), area.Left, area.Top, area.Right, area.Bottom);
    DrawItem(i, r, state);
    SelectClipRgn(canvas->Handle(), nullptr);
  }
  if (HasScrollBar()) PaintScrollBar(canvas, ScrollBar());
}

void TCustomListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  canvas->Brush()->SetColor(State & odSelected ? clHighlight : Color());
  if (State & odSelected) canvas->Font()->SetColor(clHighlightText);
  canvas->FillRect(Rect);
  if (FStyle == lbOwnerDrawFixed && OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
  } else {
    canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    canvas->TextOut(Rect.Left + 2, Rect.Top, (*FItems)[Index]);
  }
  if (State & odFocused) canvas->DrawFocusRect(Rect);
}

void TCustomListBox::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TCustomListBox> Handlers[] = {
      {WM_GETDLGCODE, &TCustomListBox::WMGetDlgCode}, {WM_MOUSEWHEEL, &TCustomListBox::WMMouseWheel},
      {CM_ENTER, &TCustomListBox::CMRepaint},         {CM_EXIT, &TCustomListBox::CMRepaint},
      {CM_ENABLEDCHANGED, &TCustomListBox::CMRepaint}, {WM_SIZE, &TCustomListBox::CMRepaint},
  };
  if (!DispatchTo(this, Message, Handlers)) TCustomControl::Dispatch(Message);
}

void TCustomListBox::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TCustomListBox::WMMouseWheel(TMessage& Message) {
  SetTopIndex(FTopIndex - GET_WHEEL_DELTA_WPARAM(Message.WParam) / WHEEL_DELTA * 3);
  Message.Result = 1;
}

void TCustomListBox::CMRepaint(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  Invalidate();
}

// Extended selection: a plain press selects one item, Ctrl toggles, Shift selects from the
// anchor. Simple multi-selection: a press toggles. Single selection: a press selects.
void TCustomListBox::SelectByUser(int Index, TShiftState Shift, bool Toggle) {
  if (Index < 0 || Index >= FItems->Count()) return;
  if (!FMultiSelect) {
    SetItemIndex(Index);
    return;
  }
  if (!FExtendedSelect) {
    if (Toggle) FSelected[static_cast<size_t>(Index)] = !FSelected[static_cast<size_t>(Index)];
  } else if (Shift & ssShift) {
    const int anchor = FAnchor >= 0 ? FAnchor : Index;
    if (!(Shift & ssCtrl)) std::fill(FSelected.begin(), FSelected.end(), false);
    for (int i = std::min(anchor, Index); i <= std::max(anchor, Index); ++i) FSelected[static_cast<size_t>(i)] = true;
  } else if (Shift & ssCtrl) {
    if (Toggle) FSelected[static_cast<size_t>(Index)] = !FSelected[static_cast<size_t>(Index)];
    FAnchor = Index;
  } else {
    std::fill(FSelected.begin(), FSelected.end(), false);
    FSelected[static_cast<size_t>(Index)] = true;
    FAnchor = Index;
  }
  FItemIndex = Index;
  MakeVisible(Index);
  Invalidate();
}

void TCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FocusOnPress(this);
  if (Button == mbLeft && HasScrollBar() && (FScrollPressed = ScrollPartAt(ScrollBar(), {X, Y})) != spNone) {
    const int rows = RowsPerPage();
    switch (FScrollPressed) {
      case spLineUp: SetTopIndex(FTopIndex - 1); break;
      case spLineDown: SetTopIndex(FTopIndex + 1); break;
      case spPageUp: SetTopIndex(FTopIndex - rows); break;
      case spPageDown: SetTopIndex(FTopIndex + rows); break;
      default: FThumbGrab = Y - ScrollThumbRect(ScrollBar()).Top; break;
    }
    return TCustomControl::MouseDown(Button, Shift, X, Y);
  }
  if (Button == mbLeft) {
    const int index = ItemAtPos({X, Y}, true);
    if (index >= 0) {
      SelectByUser(index, Shift, true);
      Click();
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomListBox::MouseMove(TShiftState Shift, int X, int Y) {
  if (FScrollPressed == spThumb) {
    const TScrollBarState bar = ScrollBar();
    SetTopIndex(ScrollPositionAt(bar, Y - FThumbGrab - (bar.Bounds.Top + bar.Bounds.Width())));
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FScrollPressed = spNone;
  Invalidate();
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomListBox::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  const int count = FItems->Count();
  if (count == 0) return;
  const int rows = RowsPerPage();
  const int current = FItemIndex < 0 ? 0 : FItemIndex;
  int target = -1;
  switch (Key) {
    case VK_UP: target = current - 1; break;
    case VK_DOWN: target = FItemIndex < 0 ? 0 : current + 1; break;
    case VK_LEFT: target = FColumns > 0 ? current - rows : current - 1; break;
    case VK_RIGHT: target = FColumns > 0 ? current + rows : current + 1; break;
    case VK_PRIOR: target = current - rows + 1; break;
    case VK_NEXT: target = current + rows - 1; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = count - 1; break;
    case VK_SPACE:
      if (FMultiSelect) {
        SelectByUser(current, Shift | ssCtrl, true);
        Click();
      }
      return;
    default: return;
  }
  SelectByUser(std::clamp(target, 0, count - 1), Shift, false);
  Click();
}
