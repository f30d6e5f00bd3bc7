// The header's filter drop-down: the distinct values of a column, the list with its first rows,
// its keys and mouse, and the grid's side: filling the list for a column, sizing and placing it
// under the header's button, and routing the grid's messages to it while it is open.
#include "grid/dxDBGridFilterPopup.h"

#include <utility>

#include "editors/dxDrawing.h"
#include "editors/dxPopup.h"
#include "grid/dxDBGrid.h"
#include "grid/dxDBGridStrings.h"
#include "rtl/Text.h"
#include "windows/Focus.h"
#include "windows/MessageQueue.h"
#include "windows/Popups.h"
#include "windows/Window.h"

namespace {

// -1, 0 or 1. Values the variant comparison cannot order go by their kind, then by their text,
// so that they still find a place.
int CompareFilterValues(const Variant& A, const Variant& B) {
  try {
    switch (VarCompareValue(A, B)) {
      case vrEqual: return 0;
      case vrLessThan: return -1;
      case vrGreaterThan: return 1;
      default: break;
    }
  } catch (const EVariantError&) {
  }
  return VarCompareOrder(A, B);
}

bool IsBlankValue(const Variant& Value) {
  return Value.IsNull() || Value.IsEmpty() || (VarIsStr(Value) && Value.StringValue().empty());
}

}  // namespace

// --- the values -----------------------------------------------------------------------------------------

void TdxDBGridFilterValues::AddValue(const String& Text, const Variant& Value, bool AtEnd) {
  String text = Text;
  Variant value = Value;
  if (CaseInsensitive && VarIsStr(value)) {
    value = Variant(AnsiUpperCase(value.StringValue()));
    text = AnsiUpperCase(text);
  }
  if (AtEnd) {
    FEntries.push_back({text, value});
    return;
  }
  if (MaxCount > 0 && Count() >= MaxCount) return;
  int low = 0, high = Count() - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int order = CompareFilterValues(FEntries[size_t(middle)].Value, value);
    if (order == 0) return;
    if (order < 0)
      low = middle + 1;
    else
      high = middle - 1;
  }
  FEntries.insert(FEntries.begin() + low, {text, value});
}

// --- the list -------------------------------------------------------------------------------------------

TdxDBGridFilterPopupListBox::TdxDBGridFilterPopupListBox(TComponent* AOwner) : TCustomdxPopupPickListBox(AOwner) {
  SetVisible(false);
}

void TdxDBGridFilterPopupListBox::Bind(TCustomdxDBGrid* Grid, TdxDBTreeListColumn* Column) {
  FGrid = Grid;
  FColumn = Column;
}

void TdxDBGridFilterPopupListBox::SetRows(bool Blanks, int Selected) {
  TStrings* items = Items();
  items->BeginUpdate();
  items->Clear();
  items->Add(dxGridText(dxSFilterAll));
  items->Add(dxGridText(dxSFilterCustom));
  if (Blanks) {
    items->Add(dxGridText(dxSFilterBlanks));
    items->Add(dxGridText(dxSFilterNonBlanks));
  }
  FFirstValueRow = items->Count();
  for (int i = 0; i < FValues.Count(); ++i) items->Add(FValues.Entry(i).Text);
  items->EndUpdate();
  SetItemIndex(Selected);
}

std::optional<Variant> TdxDBGridFilterPopupListBox::RowValue(int Row) const {
  const int entry = Row - FFirstValueRow;
  if (entry < 0 || entry >= FValues.Count()) return std::nullopt;
  return FValues.Entry(entry).Value;
}

int TdxDBGridFilterPopupListBox::RowOfValue(const Variant& Value) const {
  const Variant value =
      FValues.CaseInsensitive && VarIsStr(Value) ? Variant(AnsiUpperCase(Value.StringValue())) : Value;
  for (int i = 0; i < FValues.Count(); ++i)
    if (VarSameValue(FValues.Entry(i).Value, value)) return FFirstValueRow + i;
  return -1;
}

void TdxDBGridFilterPopupListBox::Close(bool Accept) {
  if (!FShown) return;
  FShown = false;
  if (const HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE);
  HideList();
  if (FGrid) FGrid->InvalidateHeaderArea();
  if (Accept && ItemIndex() >= 0 && FColumn && FGrid) ApplyRow(ItemIndex());
}

void TdxDBGridFilterPopupListBox::ApplyRow(int Row) {
  TdxDBGridFilter* filter = FGrid->Filter();
  const std::optional<Variant> value = RowValue(Row);
  if (Row == frAll)
    filter->RemoveColumnFilter(FColumn);
  else if (Row == frCustom)
    filter->ShowCustomDialog(FColumn);
  else if ((Row == frBlanks || Row == frNonBlanks) && !value)
    filter->SetBlanksFilter(FColumn, Row == frNonBlanks);
  else if (value)
    filter->SetValueFilter(FColumn, *value, (*Items())[Row]);
}

// Enter takes the row, Esc and F4 close; the character the key also typed never reaches the grid.
void TdxDBGridFilterPopupListBox::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_F4) {
    if (FGrid && FGrid->HandleAllocated()) RemovePendingMessage(FGrid->Handle(), WM_CHAR);
    const bool accept = Key == VK_RETURN;
    Key = 0;
    Close(accept);
    return;
  }
  TCustomdxPopupPickListBox::KeyDown(Key, Shift);
}

void TdxDBGridFilterPopupListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomdxPopupPickListBox::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft) Close(PtInRect(ClientRect(), TPoint{X, Y}));
}

// --- the grid's side: filling, sizing and placing --------------------------------------------------------

bool TCustomdxDBGrid::IsFilterPopupShown() const { return FFilterPopup && FFilterPopup->Shown(); }

void TCustomdxDBGrid::DestroyFilterPopup() {
  if (TdxDBGridFilterPopupListBox* list = std::exchange(FFilterPopup, nullptr)) list->Free();
}

void TCustomdxDBGrid::ShowHeaderFilterList(int Column) {
  TdxDBTreeListColumn* column = DBColumn(Column);
  const TRect button = GetHeaderDropButtonRect(Column);
  if (!column || IsRectEmpty(button) || !HandleAllocated()) return;
  if (!FFilterPopup) FFilterPopup = new TdxDBGridFilterPopupListBox(this);
  TdxDBGridFilterPopupListBox& list = *FFilterPopup;
  list.Close(false);
  list.Bind(this, column);
  list.SetColor(Color());
  list.SetFont(Font());
  list.SetPopupBorder(LookAndFeel() == lfUltraFlat ? pbSingle : pbFrame3D);
  list.HandleNeeded();
  list.SetItemHeight(list.MeasureItem());
  FillFilterPopup(list, column);
  const int count = list.Items()->Count();
  const int rows = FFilter->DropDownCount() > 0 ? std::min(count, FFilter->DropDownCount()) : count;
  const int width = FFilter->DropDownWidth() != 0 ? FFilter->DropDownWidth()
                                                   : std::max(button.Width(), list.WidestItem());
  list.SizeToRows(rows, width + 4, 0);
  TPoint at{button.Left, button.Bottom};
  ::ClientToScreen(Handle(), at);
  FitPopupToWorkArea(at, list.Width(), list.Height(), button.Height());
  list.SetBounds(at.X, at.Y, list.Width(), list.Height());
  list.SetShown(true);
  ShowPopupWindow(list.Handle(), Handle(), [this](HWND, TPopupCloseReason) {
    if (FFilterPopup) FFilterPopup->Close(false);
  });
  InvalidateHeaderArea();
}

void TCustomdxDBGrid::HideHeaderFilterList() {
  if (IsFilterPopupShown()) return FFilterPopup->Close(false);
  if (FFilter->Criteria().Count() == 0) return;
  FFilter->Criteria().Clear();
  FilterChanged();
}

void TCustomdxDBGrid::FillFilterPopup(TdxDBGridFilterPopupListBox& List, TdxDBTreeListColumn* Column) {
  TdxDBGridFilterValues& values = List.Values();
  values.Clear();
  values.CaseInsensitive = FFilter->CaseInsensitive();
  values.MaxCount = FFilter->MaxDropDownCount();
  bool blanks = false;
  if (CanFilterNodes()) {
    for (int i = 0; i < Count(); ++i) OfferNodeValues(List, Column, Items(i), blanks);
    for (TdxTreeListNode* hidden : AuxiliaryNodes()) OfferNodeValues(List, Column, hidden, blanks);
  } else if (OnEnumFilterValues) {
    bool repeat = true;
    while (repeat) {
      Variant value = Variant::Null();
      String text;
      OnEnumFilterValues(this, Column, value, text, repeat);
      if (IsBlankValue(value))
        blanks = true;
      else
        values.AddValue(text, value, true);
    }
  }
  Variant filtered;
  const TdxColumnFilterKind kind = FFilter->GetColumnFilterKind(Column, filtered);
  int selected = -1;
  switch (kind) {
    case cfkNone: selected = frAll; break;
    case cfkBlanks: selected = blanks ? frBlanks : -1; break;
    case cfkNonBlanks: selected = blanks ? frNonBlanks : -1; break;
    case cfkCustom: selected = frCustom; break;
    case cfkValue: break;
  }
  List.SetRows(blanks, selected);
  if (kind == cfkValue) List.SetItemIndex(List.RowOfValue(filtered));
}

// A group row offers its records' values, not its own.
void TCustomdxDBGrid::OfferNodeValues(TdxDBGridFilterPopupListBox& List, TdxDBTreeListColumn* Column,
                                      TdxTreeListNode* Node, bool& Blanks) {
  if (Node->HasChildren()) {
    for (int i = 0; i < Node->Count(); ++i) OfferNodeValues(List, Column, Node->Items(i), Blanks);
    return;
  }
  const Variant value = Column->GetFilterValue(Node);
  if (IsBlankValue(value)) {
    Blanks = true;
    return;
  }
  List.Values().AddValue(Column->GetFilterDisplayText(Node), value, false);
}

// --- the grid's messages while the list is open ------------------------------------------------------------

void TCustomdxDBGrid::WndProc(TMessage& Message) {
  if (RouteToFilterPopup(Message)) return;
  TCustomdxDBTreeListControl::WndProc(Message);
}

// Keys go to the list; the mouse over the list reaches it; elsewhere only the left button and the
// moves reach the grid, and a press there closes the list first (a press on the open column's
// own button only closes it). Losing the focus or a cancel that is not the list's closes it too.
bool TCustomdxDBGrid::RouteToFilterPopup(TMessage& Message) {
  if (!IsFilterPopupShown()) return false;
  const UINT msg = Message.Msg;
  const HWND list = FFilterPopup->Handle();
  if (msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_CHAR || msg == WM_SYSKEYDOWN) {
    Message.Result = SendMessage(list, msg, Message.WParam, Message.LParam);
    return true;
  }
  if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) {
    TPoint screen{int16_t(LOWORD(uintptr_t(Message.LParam))), int16_t(HIWORD(uintptr_t(Message.LParam)))};
    if (msg != WM_MOUSEWHEEL) ::ClientToScreen(Handle(), screen);
    TRect listRect;
    GetWindowRect(list, listRect);
    if (PtInRect(listRect, screen)) {
      TPoint local = screen;
      if (msg != WM_MOUSEWHEEL) ::ScreenToClient(list, local);
      Message.Result = SendMessage(list, msg, Message.WParam, PointToLParam(local));
      return true;
    }
    if (msg != WM_LBUTTONDOWN && msg != WM_LBUTTONUP && msg != WM_MOUSEMOVE) return true;
    if (msg == WM_LBUTTONDOWN) {
      TPoint client = screen;
      ::ScreenToClient(Handle(), client);
      const bool ownButton =
          PtInRect(GetHeaderDropButtonRect(FFilterPopup->Column() ? FFilterPopup->Column()->GetIndex() : -1), client);
      FFilterPopup->Close(false);
      return ownButton;
    }
    return false;
  }
  const bool fromList = (msg == WM_KILLFOCUS && HWND::FromParam(static_cast<intptr_t>(Message.WParam)) == list) ||
                        (msg == CM_CANCELMODE && reinterpret_cast<TObject*>(Message.LParam) == FFilterPopup);
  if ((msg == WM_KILLFOCUS || msg == WM_CANCELMODE || msg == CM_CANCELMODE) && !fromList) FFilterPopup->Close(false);
  return false;
}
