// The combo box's view: dropping its item's window down from the field and closing it, the keys
// and presses that toggle it, its drop button, and the list combo's line shown in the edit before
// it is committed to the item.
#include "bars/dxBarControl.h"
#include "bars/dxBarDraw.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarItemPaint_p.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"

TCustomdxBarCombo* TCustomdxBarComboControl::ComboItem() const { return dynamic_cast<TCustomdxBarCombo*>(Item()); }

TRect TCustomdxBarComboControl::DropButtonRect() const {
  const TRect field = FieldRect();
  const int width = ItemLink()->BarManager() ? ItemLink()->BarManager()->ArrowWidth() + 4 : 13;
  return TRect{std::max(field.Left, field.Right - 1 - width), field.Top + 1, field.Right - 1, field.Bottom - 1};
}

TRect TCustomdxBarComboControl::GetEditRect() const {
  TRect r = TdxBarEditControl::GetEditRect();
  r.Right = std::max(r.Left, DropButtonRect().Left);
  return r;
}

void TCustomdxBarComboControl::SetDroppedDown(bool Value) {
  TCustomdxBarCombo* item = ComboItem();
  if (FDroppedDown == Value || !item || (Value && item->ReadOnly())) return;
  FDroppedDown = Value;
  Repaint();
  if (!Value) {
    item->CloseUp();
    return;
  }
  TCustomdxBarControl* parent = Parent();
  const TRect r = parent->GetItemRect(this);
  const bool beside = IsInSubMenu() || IsVerticalBarControl(parent);
  const TPoint at = beside ? parent->ClientToScreen(TPoint{r.Right, r.Top})
                           : parent->ClientToScreen(TPoint{r.Left + GetCaptionWidth(), r.Bottom});
  const TPoint topLeft = parent->ClientToScreen(TPoint{r.Left, r.Top});
  const TRect opener{topLeft.X, topLeft.Y, topLeft.X + r.Width(), topLeft.Y + r.Height()};
  item->SetClickedItemLink(ItemLink());
  item->DropDown(at, opener, beside);
  if (IsItemControlAlive(this)) item->SetClickedItemLink(nullptr);
}

void TCustomdxBarComboControl::ControlInactivate(bool Immediately) {
  SetDroppedDown(false);
  TdxBarEditControl::ControlInactivate(Immediately);
}

// A press with the list closed on the drop button (anywhere on the field without the editor)
// opens it; a press on the button while it is open closes it.
void TCustomdxBarComboControl::ControlDown(TPoint Point) {
  FOpenAtPress = FDroppedDown;
  TCustomdxBarCombo* item = ComboItem();
  const TRect target = item && !item->ShowEditor() ? FieldRect() : DropButtonRect();
  if (PtInRect(target, Point)) SetDroppedDown(!FOpenAtPress);
}

// Without the editor the field is a button: no edit window takes the focus.
void TCustomdxBarComboControl::BeforeClick(bool ByMouse) {
  TCustomdxBarCombo* item = ComboItem();
  if (item && !item->ShowEditor()) return;
  TdxBarEditControl::BeforeClick(ByMouse);
}

bool TCustomdxBarComboControl::ComboKeyDown(WORD Key, TShiftState Shift) {
  const bool alt = (Shift & ssAlt) != 0;
  if (Key == VK_F4 || (alt && (Key == VK_UP || Key == VK_DOWN))) {
    SetDroppedDown(!FDroppedDown);
    return true;
  }
  return false;
}

// While the list is down, the keys it takes go to its window and no further.
void TCustomdxBarComboControl::EditWndProc(TMessage& Message) {
  const bool keyDown = Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN;
  const bool keyMessage = keyDown || Message.Msg == WM_KEYUP || Message.Msg == WM_SYSKEYUP || Message.Msg == WM_CHAR;
  if (keyMessage && FDroppedDown) {
    TCustomdxBarCombo* item = ComboItem();
    TWinControl* window = item ? item->GetDropDownWindow() : nullptr;
    const auto key = static_cast<WORD>(Message.WParam);
    if (window && window->HandleAllocated() && Message.Msg != WM_CHAR &&
        item->CheckKeyForDropDownWindow(key, KeyDataToShiftState(Message.LParam))) {
      Message.Result = SendMessage(window->Handle(), Message.Msg, Message.WParam, Message.LParam);
      return;
    }
  }
  if (keyDown && ComboKeyDown(static_cast<WORD>(Message.WParam), KeyDataToShiftState(Message.LParam))) return;
  TdxBarEditControl::EditWndProc(Message);
}

// The field, then the drop button: a raised edge (the flat style's plain face until hot) with
// the arrow.
void TCustomdxBarComboControl::Draw(const TRect& Rect) {
  TdxBarEditControl::Draw(Rect);
  HDC dc = static_cast<TCustomControl*>(Parent())->Canvas()->Handle();
  TRect button = DropButtonRect();
  const bool hot = IsEnabled() && (IsSelected() || Hot());
  if (IsFlat()) {
    FillRect(dc, button, hot || FDroppedDown ? Parent()->GetHighlightBrush() : Parent()->ItemBackgroundBrush());
    if (hot || FDroppedDown) FrameHighlightRect(dc, button);
  } else {
    FillRect(dc, button, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, button, FDroppedDown ? BDR_SUNKENOUTER : EDGE_RAISED, BF_RECT);
  }
  DrawDropArrow(dc, button, IsEnabled());
}

void TCustomdxBarComboControl::DrawInterior(const TRect& Rect) {
  TRect r = Rect;
  r.Right = std::max(r.Left, DropButtonRect().Left);
  TdxBarEditControl::DrawInterior(r);
}

// --- the list combo -------------------------------------------------------------------------------

namespace {

TdxBarCustomCombo* ListCombo(const TdxBarItemControl* Control) { return dynamic_cast<TdxBarCustomCombo*>(Control->Item()); }

}  // namespace

void TdxBarComboControl::ShowLine(int Index) {
  TdxBarCustomCombo* item = ListCombo(this);
  if (!item || Index < 0 || Index >= item->Items()->Count()) return;
  FLocalItemIndex = Index;
  SetText(item->Items()->Strings(Index));
}

// Focusing starts from the item's line (or its text when it has none).
void TdxBarComboControl::SetFocused(bool Value) {
  const bool focusing = Value && !Focused();
  TCustomdxBarComboControl::SetFocused(Value);
  TdxBarCustomCombo* item = ListCombo(this);
  if (!focusing || !Focused() || !item) return;
  FLocalItemIndex = item->ItemIndex();
  if (FLocalItemIndex >= 0 && FLocalItemIndex < item->Items()->Count()) {
    SetText(item->Items()->Strings(FLocalItemIndex));
  } else {
    SetText(item->Text());
  }
}

// Up and Down step through the lines while the list is closed; Enter and Tab commit the line
// shown when the edit still shows it.
bool TdxBarComboControl::ComboKeyDown(WORD Key, TShiftState Shift) {
  if (TCustomdxBarComboControl::ComboKeyDown(Key, Shift)) return true;
  TdxBarCustomCombo* item = ListCombo(this);
  if (!item) return false;
  const bool plain = (Shift & (ssShift | ssCtrl | ssAlt)) == 0;
  if (plain && !DroppedDown() && (Key == VK_UP || Key == VK_DOWN)) {
    const int next = FLocalItemIndex + (Key == VK_DOWN ? 1 : -1);
    if (next >= 0 && next < item->Items()->Count()) ShowLine(next);
    return true;
  }
  if (Key == VK_RETURN || Key == VK_TAB) Commit();
  return false;
}

void TdxBarComboControl::Commit() {
  auto* combo = dynamic_cast<TdxBarCombo*>(Item());
  if (!combo || FLocalItemIndex < 0 || FLocalItemIndex >= combo->Items()->Count()) return;
  if (combo->Items()->Strings(FLocalItemIndex) == GetText()) combo->SetItemIndex(FLocalItemIndex);
}
