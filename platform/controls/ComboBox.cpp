// The combo box: its edit part (the text box, or drawn text for a pick-only list), its button,
// the keys that move through the items, and the drop-down list's life.
#include "controls/ComboBox.h"

#include "graphics/Gdi.h"
#include "graphics/Metrics.h"
#include "rtl/Text.h"
#include "windows/MessageQueue.h"
#include "windows/Paint.h"

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TCustomControl(AOwner), FItems(std::make_unique<TItemStrings>()), FTextBox(std::make_unique<TTextBox>(false)) {
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  FControlStyle = csSetCaption | csDoubleClicks;  // a click is a choice from the list, not a press
  FTextBox->OnChange = [this] { TextBoxChanged(); };
  FItems->OnDeleted = [this](int Index) {
    if (Index < 0 || Index == FItemIndex) FItemIndex = -1;
    else if (Index < FItemIndex) --FItemIndex;
  };
  FItems->OnInserted = [this](int Index) {
    if (FItemIndex >= Index) ++FItemIndex;
  };
  FItems->OnChanged = [this] { ItemsChanged(); };
  FList.OnPick = [this](int Index) { CloseList(Index); };
  FList.OnCancel = [this] { CloseList(-1); };
}

TCustomComboBox::~TCustomComboBox() {
  FList.OnPick = nullptr;
  FList.OnCancel = nullptr;
  FList.Hide();
  FTextBox->OnChange = nullptr;
  FItems->OnDeleted = nullptr;
  FItems->OnInserted = nullptr;
  FItems->OnChanged = nullptr;
  DestroyHandle();
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
  FStyle = Value == csSimple ? csDropDown : Value;
  UpdateTextBox();
  Invalidate();
}

void TCustomComboBox::ItemsChanged() {
  if (FStyle == csDropDownList) TControl::SetText(FItemIndex >= 0 ? (*FItems)[FItemIndex] : String());
  Invalidate();
}

int TCustomComboBox::ItemHeight() const {
  HDC dc = GetDC(HWND());
  dc->SetFont(Font());
  const int h = dc->TextHeight("0") + 2;
  ReleaseDC(HWND(), dc);
  return h;
}

void TCustomComboBox::SetItemIndex(int Value) {
  if (ComponentState() & csLoading) {
    FItemIndex = Value;
    return;
  }
  if (Value < -1 || Value >= FItems->Count()) Value = -1;
  FItemIndex = Value;
  const String text = Value >= 0 ? (*FItems)[Value] : String();
  FSettingText = true;
  FTextBox->SetText(text);
  FSettingText = false;
  TControl::SetText(text);
  if (Focused()) FTextBox->SelectAll();
  Invalidate();
}

// A pick-only list shows the item with that text; an editable one takes the text as it is.
void TCustomComboBox::SetText(const String& Value) {
  if (FStyle == csDropDownList && !(ComponentState() & csLoading)) {
    SetItemIndex(FItems->IndexOf(Value));
    return;
  }
  FTextBox->SetText(Value);
  TControl::SetText(Value);
}

void TCustomComboBox::Clear() {
  FItems->Clear();
  SetText(String());
}

void TCustomComboBox::TextBoxChanged() {
  if (FSettingText) return;
  TControl::SetText(FTextBox->Text());
  if (FItemIndex >= 0 && (*FItems)[FItemIndex] != FTextBox->Text()) FItemIndex = -1;
  if (!(ComponentState() & (csLoading | csDestroying))) Change();
}

void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBox::Select() {
  if (OnSelect) OnSelect(this);
  else Change();
}

void TCustomComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

void TCustomComboBox::ChooseByUser(int Index) {
  if (Index < 0 || Index >= FItems->Count() || Index == FItemIndex) return;
  SetItemIndex(Index);
  Click();
  Select();
}

void TCustomComboBox::SetDroppedDown(bool Value) {
  if (Value == DroppedDown()) return;
  if (!Value) return CloseList(-1);
  DropDown();
  if (!HandleAllocated() || !Showing()) return;
  TRect r = BoundsRect();
  const TPoint origin = Parent() ? Parent()->ClientToScreen(r.TopLeft()) : r.TopLeft();
  r = Bounds(origin.X, origin.Y, r.Width(), r.Height());
  FList.Show(Handle(), r, FItems.get(), FItemIndex, Font(), ItemHeight(), FDropDownCount);
  Invalidate();
}

// The list closes first; a picked item is then chosen, and OnCloseUp sees the new ItemIndex.
void TCustomComboBox::CloseList(int Picked) {
  if (!DroppedDown()) return;
  FList.Hide();
  Invalidate();
  const bool changed = Picked >= 0 && Picked != FItemIndex;
  if (changed) SetItemIndex(Picked);
  CloseUp();
  if (changed) {
    Click();
    Select();
  }
}

TRect TCustomComboBox::ButtonRect() const {
  TRect r = ClientRect();
  InflateRect(r, -2, -2);
  r.Left = r.Right - GetSystemMetrics(SM_CXVSCROLL);
  return r;
}

TRect TCustomComboBox::EditRect() const {
  TRect r = ClientRect();
  InflateRect(r, -3, -3);
  r.Right = ButtonRect().Left - 1;
  return r;
}

void TCustomComboBox::UpdateTextBox() {
  if (!HandleAllocated()) return;
  if (FStyle == csDropDown) {
    FTextBox->Attach(Handle());
    FTextBox->SetRect(EditRect());
    FTextBox->SetLook(Font(), Color(), Enabled());
  } else {
    FTextBox->Detach();
  }
}

// The items are read before the index: the text follows the stored index once both are there.
void TCustomComboBox::Loaded() {
  TCustomControl::Loaded();
  if (FItemIndex >= 0) SetItemIndex(FItemIndex);
}

void TCustomComboBox::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateTextBox();
}

void TCustomComboBox::DestroyWnd() {
  FList.Hide();
  FTextBox->Detach();
  TCustomControl::DestroyWnd();
}

void TCustomComboBox::Paint() {
  TCanvas* canvas = Canvas();
  const TRect inside = DrawSunkenBorder(canvas, ClientRect(), bsSingle);
  canvas->Brush()->SetColor(Enabled() ? Color() : clBtnFace);
  canvas->FillRect(inside);
  TRect button = ButtonRect();
  DrawFrameControl(canvas->Handle(), button, DFC_SCROLL,
                   DFCS_SCROLLCOMBOBOX | (DroppedDown() ? unsigned(DFCS_PUSHED | DFCS_FLAT) : 0u) | (Enabled() ? 0u : unsigned(DFCS_INACTIVE)));
  if (FStyle != csDropDownList) return;
  TRect text = EditRect();
  const bool highlight = Focused() && !DroppedDown();
  canvas->Brush()->SetColor(highlight ? clHighlight : Color());
  canvas->FillRect(text);
  canvas->SetFont(Font());
  if (highlight) canvas->Font()->SetColor(clHighlightText);
  TRect caption = text;
  caption.Left += 2;
  DrawCaption(canvas, Text(), caption, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, Enabled());
  if (highlight) canvas->DrawFocusRect(text);
}

// The text box answers the edit messages and watches the focus messages (to hide its selection).
void TCustomComboBox::WndProc(TMessage& Message) {
  const bool editMessage = Message.Msg >= EM_GETSEL && Message.Msg <= EM_GETLIMITTEXT;
  const bool focusMessage = Message.Msg == WM_SETFOCUS || Message.Msg == WM_KILLFOCUS;
  if (FStyle == csDropDown && (editMessage || focusMessage) && FTextBox->HandleMessage(Message)) return;
  TCustomControl::WndProc(Message);
}

void TCustomComboBox::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TCustomComboBox> Handlers[] = {
      {WM_GETDLGCODE, &TCustomComboBox::WMGetDlgCode},   {WM_CHAR, &TCustomComboBox::WMChar},
      {WM_SIZE, &TCustomComboBox::WMSize},               {WM_DESTROY, &TCustomComboBox::WMDestroy},
      {CM_FONTCHANGED, &TCustomComboBox::CMLookChanged}, {CM_COLORCHANGED, &TCustomComboBox::CMLookChanged},
      {CM_ENABLEDCHANGED, &TCustomComboBox::CMLookChanged}, {CM_ENTER, &TCustomComboBox::CMLookChanged},
      {CM_EXIT, &TCustomComboBox::CMLookChanged},        {WM_MOUSEWHEEL, &TCustomComboBox::WMMouseWheel},
  };
  if (!DispatchTo(this, Message, Handlers)) TCustomControl::Dispatch(Message);
}

// While the list is down, Enter and Escape belong to it.
void TCustomComboBox::WMGetDlgCode(TMessage& Message) {
  Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (DroppedDown() ? LRESULT(DLGC_WANTALLKEYS) : LRESULT(0));
}

void TCustomComboBox::WMChar(TMessage& Message) {
  if (DoKeyPress(Message)) return;
  if (FStyle == csDropDown && FTextBox->FilterInput(Message)) DefaultHandler(Message);
}

// The wheel goes to the focus, which stays with the box: an open list scrolls.
void TCustomComboBox::WMMouseWheel(TMessage& Message) {
  if (!DroppedDown()) return TCustomControl::Dispatch(Message);
  SendMessage(FList.Handle(), WM_MOUSEWHEEL, Message.WParam, Message.LParam);
  Message.Result = 1;
}

void TCustomComboBox::WMSize(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  FTextBox->SetRect(EditRect());
}

void TCustomComboBox::WMDestroy(TMessage& Message) {
  FList.Hide();
  FTextBox->Detach();
  TCustomControl::Dispatch(Message);
}

void TCustomComboBox::CMLookChanged(TMessage& Message) {
  TCustomControl::Dispatch(Message);
  if (Message.Msg == CM_ENTER && FStyle == csDropDown) FTextBox->SelectAll();
  FTextBox->SetLook(Font(), Color(), Enabled());
  Invalidate();
}

// F4 and Alt+Down open or close the list; the arrows move through the items, in the list when it
// is down; Enter picks and Escape closes it.
void TCustomComboBox::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  const bool open = DroppedDown();
  if (Key == VK_F4 || ((Key == VK_DOWN || Key == VK_UP) && (Shift & ssAlt))) {
    SetDroppedDown(!open);
    Key = 0;
    return;
  }
  int delta = 0;
  switch (Key) {
    case VK_UP: delta = -1; break;
    case VK_DOWN: delta = 1; break;
    case VK_PRIOR: delta = -FDropDownCount; break;
    case VK_NEXT: delta = FDropDownCount; break;
    case VK_RETURN:
      if (open) CloseList(FList.HotIndex()), Key = 0;
      return;
    case VK_ESCAPE:
      if (open) CloseList(-1), Key = 0;
      return;
    default: return;
  }
  Key = 0;
  if (FItems->Count() == 0) return;
  if (open) return FList.MoveHot(delta);
  ChooseByUser(std::clamp(FItemIndex < 0 ? 0 : FItemIndex + delta, 0, FItems->Count() - 1));
}

// A pick-only list goes to the next item starting with the typed character.
void TCustomComboBox::KeyPress(TKeyChar& Key) {
  TCustomControl::KeyPress(Key);
  if (FStyle != csDropDownList || Key < 32) return;
  const String typed = AnsiUpperCase(CodePointToUtf8(Key));
  for (int step = 1; step <= FItems->Count(); ++step) {
    const int i = (std::max(FItemIndex, 0) + step - (FItemIndex < 0 ? 1 : 0)) % FItems->Count();
    if (AnsiUpperCase(Copy((*FItems)[i], 1, 1)) == typed) {
      if (DroppedDown()) FList.MoveHot(i - FList.HotIndex());
      else ChooseByUser(i);
      break;
    }
  }
  Key = 0;
}

// A press anywhere on the box closes an open list; the button (or a pick-only box) opens it.
void TCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FocusOnPress(this);
  if (DroppedDown()) CloseList(-1);
  else if (Button == mbLeft && (FStyle == csDropDownList || PtInRect(ButtonRect(), {X, Y}))) SetDroppedDown(true);
  TCustomControl::MouseDown(Button, Shift, X, Y);
}
