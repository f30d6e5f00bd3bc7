// The edit: its window holds the text box inside a sunken border; characters pass the key
// events first, then the limit and the character case, then reach the Qt editor.
#include "controls/Edit.h"

#include "graphics/Gdi.h"
#include "rtl/Text.h"

TCustomEdit::TCustomEdit(TComponent* AOwner, bool MultiLine)
    : TWinControl(AOwner), FTextBox(std::make_unique<TTextBox>(MultiLine)) {
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  FControlStyle = csClickEvents | csSetCaption | csDoubleClicks;
  FTextBox->OnChange = [this] { TextBoxChanged(); };
}

TCustomEdit::~TCustomEdit() {
  FTextBox->OnChange = nullptr;
  DestroyHandle();
}

void TCustomEdit::SetText(const String& Value) { FTextBox->SetText(Value); }

void TCustomEdit::TextBoxChanged() {
  TControl::SetText(FTextBox->Text());
  if (!(ComponentState() & (csLoading | csDestroying))) Change();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  FTextBox->SetRect(EditArea());
  Invalidate();
}

void TCustomEdit::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  FTextBox->SetAlignment(Value);
}

int TCustomEdit::SelStart() const {
  int s = 0, e = 0;
  FTextBox->GetSel(s, e);
  return s;
}

void TCustomEdit::SetSelLength(int Value) {
  const int start = SelStart();
  FTextBox->SetSel(start, start + Value);
}

TRect TCustomEdit::EditArea() {
  TRect r = ClientRect();
  if (FBorderStyle == bsSingle) InflateRect(r, -2, -2);
  InflateRect(r, -1, -1);
  return r;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  FTextBox->Attach(HWND(Handle()));
  FTextBox->SetRect(EditArea());
  UpdateLook();
}

void TCustomEdit::DestroyWnd() {
  FTextBox->Detach();
  TWinControl::DestroyWnd();
}

void TCustomEdit::UpdateLook() { FTextBox->SetLook(Font(), Color(), Enabled()); }

void TCustomEdit::PaintWindow(HDC DC) {
  const TRect inside = DrawSunkenBorder(DC, ClientRect(), FBorderStyle);
  ::FillRect(DC, inside, CreateSolidBrush(Color()));
}

// The text box answers the edit-control messages before anything else.
void TCustomEdit::WndProc(TMessage& Message) {
  if (FTextBox->HandleMessage(Message)) return;
  TWinControl::WndProc(Message);
}

void TCustomEdit::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TCustomEdit> Handlers[] = {
      {WM_GETDLGCODE, &TCustomEdit::WMGetDlgCode},
      {WM_CHAR, &TCustomEdit::WMChar},
      {WM_IME_COMPOSITION, &TCustomEdit::WMImeComposition},
      {WM_LBUTTONDOWN, &TCustomEdit::WMLButtonDown},
      {WM_LBUTTONDBLCLK, &TCustomEdit::WMLButtonDown},
      {WM_SIZE, &TCustomEdit::WMSize},
      {WM_DESTROY, &TCustomEdit::WMDestroy},
      {CM_ENTER, &TCustomEdit::CMEnter},
      {CM_FONTCHANGED, &TCustomEdit::CMLookChanged},
      {CM_COLORCHANGED, &TCustomEdit::CMLookChanged},
      {CM_ENABLEDCHANGED, &TCustomEdit::CMLookChanged},
  };
  if (!DispatchTo(this, Message, Handlers)) TWinControl::Dispatch(Message);
}

void TCustomEdit::WMGetDlgCode(TMessage& Message) { Message.Result = DialogCode(); }

void TCustomEdit::WMChar(TMessage& Message) {
  if (DoKeyPress(Message)) return;
  if (FTextBox->FilterInput(Message)) DefaultHandler(Message);
}

void TCustomEdit::WMImeComposition(TMessage& Message) {
  if (FTextBox->FilterInput(Message)) DefaultHandler(Message);
}

void TCustomEdit::WMLButtonDown(TMessage& Message) {
  FocusOnPress(this);
  TWinControl::Dispatch(Message);
}

void TCustomEdit::WMSize(TMessage& Message) {
  TWinControl::Dispatch(Message);
  FTextBox->SetRect(EditArea());
}

// The window goes with an ancestor's: the editor leaves it first.
void TCustomEdit::WMDestroy(TMessage& Message) {
  FTextBox->Detach();
  TWinControl::Dispatch(Message);
}

void TCustomEdit::CMEnter(TMessage& Message) {
  if (FAutoSelect && !(GetKeyState(VK_LBUTTON) < 0)) SelectAll();
  TWinControl::Dispatch(Message);
}

void TCustomEdit::CMLookChanged(TMessage& Message) {
  TWinControl::Dispatch(Message);
  UpdateLook();
}

String TCustomEdit::PasswordCharText() const { return PasswordChar() ? CodePointToUtf8(PasswordChar()) : String(); }

void TCustomEdit::SetPasswordCharText(const String& Value) {
  const std::u32string chars = ToCodePoints(Value);
  SetPasswordChar(chars.empty() ? 0 : chars[0]);
}
