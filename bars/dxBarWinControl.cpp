// Item controls that edit text: the child edit window, focusing it with the item's text, the keys
// that end the editing (Enter keeps what was typed, Esc drops it) and the edit box's window.
#include "bars/dxBar.h"
#include "bars/dxBarControl.h"
#include "bars/dxBarItemControl.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "controls/Forms.h"
#include "windows/Focus.h"
#include "windows/MessageQueue.h"

namespace {

// The characters a key down made are taken out of the queue with it.
void RemovePendingChars(HWND Wnd) {
  MSG msg;
  while (PeekMessage(msg, Wnd, WM_CHAR, WM_CHAR, PM_REMOVE)) {
  }
}

TdxBarWindowItem* WindowItem(const TdxBarItemControl* Control) { return dynamic_cast<TdxBarWindowItem*>(Control->Item()); }

constexpr int kEditMargin = 2;

}  // namespace

// Until the control holds the edit (while it is being made) the edit handles its messages alone.
void TdxBarEditWindow::WndProc(TMessage& Message) {
  if (FControl && FControl->Edit() == this) {
    FControl->EditWndProc(Message);
  } else {
    DefaultWndProc(Message);
  }
}

TdxBarWinControl::~TdxBarWinControl() {
  if (!FEdit) return;
  if (FFocused && FEdit->HandleAllocated() && GetFocus() == FEdit->Handle() && IsWindow(FPrevFocus)) SetFocus(FPrevFocus);
  FEdit->Detach();
}

bool TdxBarWinControl::ExecutesItem() const { return IsRotatedBarControl(Parent()); }

void TdxBarWinControl::ControlInactivate(bool Immediately) {
  TdxBarItemControl::ControlInactivate(Immediately);
  SetFocused(false);
}

void TdxBarWinControl::BeforeClick(bool) { SetFocused(true); }

TRect TdxBarWinControl::GetEditRect() const { return Parent() ? Parent()->GetItemRect(this) : TRect{}; }

String TdxBarWinControl::GetText() const { return FEdit ? FEdit->Text() : String(); }

void TdxBarWinControl::SetText(const String& Value) {
  if (!FEdit) return;
  FEdit->SetText(Value);
  FEdit->SelectAll();
  if (!FEdit->Visible()) Repaint();
}

// The window that had the focus gets it back afterwards (the form when that window is hidden).
void TdxBarWinControl::SetFocused(bool Value) {
  if (FFocused == Value || !FEdit || !Parent()) return;
  TdxBarManager* manager = ItemLink()->BarManager();
  TCustomForm* form = manager ? manager->OwnerForm() : nullptr;
  if (Value) {
    FPrevFocus = GetFocus();
    if (!IsWindowVisible(FPrevFocus) && form) FPrevFocus = form->Handle();
    FEdit->SetFont(Parent()->Font());
    if (manager && !manager->IsFlat()) FEdit->TextBox().SetMargins(kEditMargin, kEditMargin);
    auto* item = WindowItem(this);
    FEdit->SetReadOnly(item && dynamic_cast<TdxBarEdit*>(item) && static_cast<TdxBarEdit*>(item)->ReadOnly());
    ControlActivate(true);
    FEdit->SetBoundsRect(GetEditRect());
    FEdit->Show();
    FSettingText = true;
    SetText(item ? item->Text() : String());
    FSettingText = false;
    FFocused = true;
    SetFocus(FEdit->Handle());
    return;
  }
  FFocused = false;
  FEdit->Hide();
  if (IsWindowVisible(FPrevFocus)) {
    SetFocus(FPrevFocus);
  } else if (form && form->HandleAllocated()) {
    SetFocus(form->Handle());
  }
  if (manager && manager->AlwaysSaveText() && GetKeyState(VK_ESCAPE) >= 0) StoreText();
}

void TdxBarWinControl::StoreText() {
  if (auto* item = WindowItem(this)) item->SetText(GetText());
}

// Enter keeps the typed text in the item before the editing ends; Esc leaves the item as it was.
void TdxBarWinControl::EndEditing(bool Commit) {
  TCustomdxBarControl* parent = Parent();
  const HWND edit = FEdit->Handle();
  if (Commit) StoreText();
  parent->SelectControl(nullptr);
  RemovePendingChars(edit);
  if (Commit && IsBarControlAlive(parent)) parent->CloseMenus();
}

// The item's key events see each key first; a key they set to 0 goes no further.
bool TdxBarWinControl::KeyToItem(TMessage& Message) {
  TdxBarWindowItem* item = WindowItem(this);
  if (!item) return false;
  if (Message.Msg == WM_CHAR) {
    auto ch = static_cast<TKeyChar>(Message.WParam);
    item->KeyPress(ch);
    Message.WParam = ch;
    return ch == 0;
  }
  auto key = static_cast<WORD>(Message.WParam);
  const TShiftState shift = KeyDataToShiftState(Message.LParam);
  if (Message.Msg == WM_KEYDOWN) {
    item->KeyDown(key, shift);
  } else {
    item->KeyUp(key, shift);
  }
  Message.WParam = key;
  return key == 0;
}

void TdxBarWinControl::EditWndProc(TMessage& Message) {
  TdxBarEditWindow* edit = FEdit.get();
  switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
      if (KeyToItem(Message)) return;
      break;
    case WM_DESTROY: FFocused = false; break;
    default: break;
  }
  if (Message.Msg == WM_KEYDOWN) {
    const auto key = static_cast<WORD>(Message.WParam);
    if (key == VK_TAB && Parent()->HandleAllocated()) {
      RemovePendingChars(edit->Handle());
      SendMessage(Parent()->Handle(), WM_KEYDOWN, Message.WParam, Message.LParam);
      return;
    }
    if (key == VK_RETURN || key == VK_ESCAPE) {
      EndEditing(key == VK_RETURN);
      return;
    }
  }
  edit->DefaultWndProc(Message);
}

// --- the edit box -------------------------------------------------------------------------------

TdxBarEditControl::TdxBarEditControl(TdxBarItemLink* Link) : TdxBarWinControl(Link) { CreateEditWindow(); }

// A borderless edit, hidden until the control is focused, typing no more than the item's
// MaxLength.
void TdxBarEditControl::CreateEditWindow() {
  if (!Parent()) return;
  auto edit = TComponentPtr<TdxBarEditWindow>(new TdxBarEditWindow(nullptr, this));
  edit->SetBorderStyle(bsNone);
  edit->SetVisible(false);
  edit->SetBounds(0, 0, 100, 100);
  if (auto* item = dynamic_cast<TdxBarEdit*>(Item())) edit->SetMaxLength(item->MaxLength());
  edit->SetParent(Parent());
  SetEditWindow(std::move(edit));
}

bool TdxBarEditControl::CanSelect() const { return !Parent() || !Parent()->IsCustomizing(); }
