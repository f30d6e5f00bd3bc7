// The combo's drop-down list: its window and frame, drawing its lines, hot tracking, the keys the
// combo passes on, and choosing a line with the mouse.
#include "bars/dxBarDropDownListBox.h"

#include "bars/dxBarItemControl.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "graphics/Gdi.h"
#include "windows/Input.h"
#include "windows/NonClient.h"

namespace {

constexpr int kFrame = 2;

}  // namespace

TdxBarDropDownListBox::TdxBarDropDownListBox(TdxBarCustomCombo* Combo) : TCustomListBox(nullptr), FCombo(Combo) {
  SetVisible(false);
  SetStyle(lbOwnerDrawFixed);
  SetBorderStyle(bsNone);
}

TdxBarComboControl* TdxBarDropDownListBox::ComboControl() const {
  return IsItemControlAlive(FComboControl) ? FComboControl : nullptr;
}

// A top-level tool window above the others that never takes the activation.
void TdxBarDropDownListBox::CreateParams(TCreateParams& Params) {
  TCustomListBox::CreateParams(Params);
  Params.Style = (Params.Style & ~WS_CHILD) | WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  Params.ClassStyle |= CS_SAVEBITS;
  Params.WndParent = HWND();
}

void TdxBarDropDownListBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCCALCSIZE: {
      TRect& r = reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0];
      InflateRect(r, -kFrame, -kFrame);
      break;
    }
    case WM_NCPAINT: {
      TCustomListBox::Dispatch(Message);
      HDC dc = GetWindowDC(Handle());
      TRect r{0, 0, Width(), Height()};
      const TdxBarManager* manager = FCombo->BarManager();
      if (manager && manager->IsFlat()) {
        FrameRect(dc, r, GetSysColorBrush(COLOR_BTNSHADOW));
        InflateRect(r, -1, -1);
        FrameRect(dc, r, GetSysColorBrush(COLOR_WINDOW));
      } else {
        DrawEdge(dc, r, EDGE_RAISED, BF_RECT);
      }
      ReleaseDC(Handle(), dc);
      return;
    }
    case WM_KEYDOWN: {
      KeyFromCombo(static_cast<WORD>(Message.WParam), KeyDataToShiftState(Message.LParam));
      return;
    }
    case WM_MOUSEMOVE: SelectAt(LParamToPoint(Message.LParam)); return;
    case WM_LBUTTONDOWN: SelectAt(LParamToPoint(Message.LParam)); return;
    case WM_LBUTTONUP:
      SelectAt(LParamToPoint(Message.LParam));
      Choose();
      return;
    default: break;
  }
  TCustomListBox::Dispatch(Message);
}

// Every move selects the line under the mouse.
void TdxBarDropDownListBox::SelectAt(TPoint Point) {
  const int index = ItemAtPos(Point, true);
  if (index < 0 || index == ItemIndex()) return;
  SetItemIndex(index);
  ShowSelectedInCombo();
}

void TdxBarDropDownListBox::ShowSelectedInCombo() {
  if (TdxBarComboControl* control = ComboControl()) control->ShowLine(ItemIndex());
}

// The line under the mouse becomes the combo's choice; the list closes first.
void TdxBarDropDownListBox::Choose() {
  const int index = ItemIndex();
  if (TdxBarComboControl* control = ComboControl()) control->SetDroppedDown(false);
  auto* combo = dynamic_cast<TdxBarCombo*>(FCombo);
  if (combo && index >= 0) combo->SetItemIndex(index);
}

// Without a selected line the arrows start from the top line shown.
void TdxBarDropDownListBox::KeyFromCombo(WORD Key, TShiftState Shift) {
  if (ItemIndex() < 0 && Items()->Count() > 0) SetItemIndex(TopIndex());
  KeyDown(Key, Shift);
  ShowSelectedInCombo();
}

void TdxBarDropDownListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  if (FCombo->OnDrawItem) {
    FCombo->OnDrawItem(FCombo, Index, Rect, State);
    return;
  }
  HDC dc = Canvas()->Handle();
  const bool selected = State & odSelected;
  FillRect(dc, Rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  Canvas()->SetFont(Font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  TRect text = Rect;
  text.Left += 2;
  const String line = Index >= 0 && Index < Items()->Count() ? Items()->Strings(Index) : FCombo->Text();
  DrawText(dc, line, -1, text, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}
