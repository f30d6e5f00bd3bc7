// The list box: geometry of rows and columns, painting, scrolling, and selection by mouse and keys.
#include "controls/ListBox.h"

#include <algorithm>

#include "graphics/Gdi.h"
#include "rtl/Text.h"
#include "windows/Paint.h"
#include "windows/Scrolling.h"

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
  UpdateScrollBar();
}

void TCustomListBox::ItemsDeleted(int Index) {
  if (Index < 0) {
    FSelected.clear();
    FItemIndex = FAnchor = -1;
    FTopIndex = 0;
    UpdateScrollBar();
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
  SetTopIndex(FTopIndex);
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
  FStyle = Value;
  Invalidate();
}

void TCustomListBox::SetColumns(int Value) {
  FColumns = std::max(0, Value);
  SetTopIndex(FTopIndex);
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomListBox::SetMultiSelect(bool Value) {
  FMultiSelect = Value;
  ClearSelection();
}

void TCustomListBox::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style |= WS_VSCROLL;
  Params.ExStyle |= BorderExStyle(FBorderStyle);
}

void TCustomListBox::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollBar();
}

int TCustomListBox::RowsPerPage() const { return std::max(1, ClientRect().Height() / ItemHeight()); }

void TCustomListBox::UpdateScrollBar() {
  if (HandleAllocated()) SetListScrollBar(Handle(), FColumns > 0 ? 0 : FItems->Count(), RowsPerPage(), FTopIndex);
}

TRect TCustomListBox::ItemRect(int Index) const {
  const TRect area = ClientRect();
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
  const TRect area = ClientRect();
  if (!PtInRect(area, Pos)) return Existing ? -1 : FItems->Count();
  const int row = (Pos.Y - area.Top) / ItemHeight();
  if (FColumns > 0 && row >= RowsPerPage()) return Existing ? -1 : FItems->Count();
  int index = FTopIndex + row;
  if (FColumns > 0) index += ((Pos.X - area.Left) / std::max(1, area.Width() / FColumns)) * RowsPerPage();
  if (index < FItems->Count()) return index;
  return Existing ? -1 : FItems->Count();
}

int TCustomListBox::SelectString(int StartAfter, const String& Prefix) {
  const int count = FItems->Count();
  const int length = Length(Prefix);
  for (int n = 1; n <= count; ++n) {
    const int i = ((StartAfter < 0 ? -1 : StartAfter) + n) % count;
    if (!AnsiSameText(Copy((*FItems)[i], 1, length), Prefix)) continue;
    SetItemIndex(i);
    return i;
  }
  return -1;
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
  UpdateScrollBar();
  Invalidate();
}

void TCustomListBox::MakeVisible(int Index) {
  const int visible = FColumns > 0 ? RowsPerPage() * FColumns : RowsPerPage();
  if (Index < FTopIndex) SetTopIndex(FColumns > 0 ? Index - Index % RowsPerPage() : Index);
  else if (Index >= FTopIndex + visible) SetTopIndex(FColumns > 0 ? Index - Index % RowsPerPage() - (FColumns - 1) * RowsPerPage() : Index - visible + 1);
}

void TCustomListBox::Paint() {
  TCanvas* canvas = Canvas();
  const TRect area = ClientRect();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(area);
  for (int i = FTopIndex; i < FItems->Count(); ++i) {
    const TRect r = ItemRect(i);
    if (r.Top >= area.Bottom || (FColumns > 0 && (i - FTopIndex) / RowsPerPage() >= FColumns)) break;
    TOwnerDrawState state = 0;
    if (Selected(i)) state |= odSelected;
    if (i == FItemIndex && Focused()) state |= odFocused;
    if (!Enabled()) state |= odDisabled;
    DrawItem(i, r, state);
  }
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
      {WM_GETDLGCODE, &TCustomListBox::WMGetDlgCode},  {WM_VSCROLL, &TCustomListBox::WMVScroll},
      {WM_MOUSEWHEEL, &TCustomListBox::WMMouseWheel},  {CM_ENTER, &TCustomListBox::CMRepaint},
      {CM_EXIT, &TCustomListBox::CMRepaint},           {CM_ENABLEDCHANGED, &TCustomListBox::CMRepaint},
      {CM_FONTCHANGED, &TCustomListBox::CMRepaint},    {WM_SIZE, &TCustomListBox::CMRepaint},
  };
  if (!DispatchTo(this, Message, Handlers)) TCustomControl::Dispatch(Message);
}

void TCustomListBox::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TCustomListBox::WMVScroll(TMessage& Message) {
  if (FColumns == 0) SetTopIndex(ListScrollTarget(Handle(), Message.WParam, FTopIndex, RowsPerPage()));
}

void TCustomListBox::WMMouseWheel(TMessage& Message) {
  SetTopIndex(ListWheelTarget(Message.WParam, FTopIndex));
  Message.Result = 1;
}

// The rows that fit may have changed: the top row and the scroll bar follow.
void TCustomListBox::CMRepaint(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  SetTopIndex(FTopIndex);
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
  if (Button == mbLeft) {
    const int index = ItemAtPos({X, Y}, true);
    if (index >= 0) {
      SelectByUser(index, Shift, true);
      Click();
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
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
