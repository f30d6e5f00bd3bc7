// The text editor: its properties, the commands on its text, and its window, which holds the
// text box inside the formatting rectangle and tells of changes of the text and the selection.
#include "editors/dxTextEdit.h"

#include <climits>

#include "editors/dxEditClassOf.h"
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"
#include "windows/Focus.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"

const TdxInplaceEditClass& TextEditClass(bool Inplace) {
  return EditClassOf<TdxInplaceTextEdit, TdxTextEditClass>("TdxInplaceTextEdit", Inplace);
}

TdxInplaceTextEdit::TdxInplaceTextEdit(TComponent* AOwner, const TdxInplaceEditClass& Class, bool MultiLine)
    : TdxInplaceEdit(AOwner, Class), FTextBox(std::make_unique<TTextBox>(MultiLine)) {
  SetControlStyle(csClickEvents | csSetCaption | csDoubleClicks);
  SetParentColor(false);
  FTextBox->OnChange = [this] { TextBoxChanged(); };
  FTextBox->OnSelChange = [this] {
    if (!(ComponentState() & csLoading)) SelectionChanged();
  };
}

// The menu is one of the editor's components and goes with them.
TdxInplaceTextEdit::~TdxInplaceTextEdit() {
  FTextBox->OnChange = nullptr;
  FTextBox->OnSelChange = nullptr;
  DestroyHandle();
}

void TdxInplaceTextEdit::SetText(const String& Value) {
  if (HasEditArea())
    FTextBox->SetText(Value);
  else
    TdxInplaceEdit::SetText(Value);
}

// The text changed, whoever changed it: Text follows, the case is forced, and the change is told
// unless the window is being made or a value is being set.
void TdxInplaceTextEdit::TextBoxChanged() {
  TControl::SetText(FTextBox->Text());
  if ((ComponentState() & csLoading) || FUpdatingCharCase) return;
  UpdateCharCase();
  if (!FCreatingWnd && !SettingValue) Change();
}

void TdxInplaceTextEdit::CMTextChanged(TMessage& Message) {
  TdxInplaceEdit::Dispatch(Message);
  if (HasEditArea() || (ComponentState() & csLoading) || FUpdatingCharCase) return;
  UpdateCharCase();
  if (!FCreatingWnd && !SettingValue) Change();
}

void TdxInplaceTextEdit::SetCharCase(TEditCharCase Value) {
  if (FCharCase == Value) return;
  FCharCase = Value;
  UpdateCharCase();
}

// The text in the forced case, with its selection and modified state kept.
void TdxInplaceTextEdit::UpdateCharCase() {
  if (FCharCase == ecNormal) return;
  const String cased = FCharCase == ecUpperCase ? AnsiUpperCase(Text()) : AnsiLowerCase(Text());
  if (cased == Text()) return;
  FUpdatingCharCase = true;
  int start = 0, end = 0;
  if (HasEditArea()) FTextBox->GetSel(start, end);
  const bool modified = GetModified();
  SetText(cased);
  SetModified(modified);
  if (HasEditArea()) FTextBox->SetSel(start, end);
  FUpdatingCharCase = false;
}

void TdxInplaceTextEdit::SetHideSelection(bool Value) {
  if (FHideSelection == Value) return;
  FHideSelection = Value;
  RecreateWnd();
}

void TdxInplaceTextEdit::SetOEMConvert(bool Value) {
  if (FOEMConvert == Value) return;
  FOEMConvert = Value;
  RecreateWnd();
}

void TdxInplaceTextEdit::SetSelectionBar(bool Value) {
  if (FSelectionBar == Value) return;
  FSelectionBar = Value;
  RecreateWnd();
}

void TdxInplaceTextEdit::SetPasswordChar(TKeyChar Value) {
  if (FPasswordChar == Value) return;
  FPasswordChar = Value;
  if (HandleAllocated()) FTextBox->SetPasswordChar(Value);
}

String TdxInplaceTextEdit::PasswordCharText() const { return FPasswordChar ? CodePointToUtf8(FPasswordChar) : String(); }

void TdxInplaceTextEdit::SetPasswordCharText(const String& Value) {
  const std::u32string chars = ToCodePoints(Value);
  SetPasswordChar(chars.empty() ? 0 : chars[0]);
}

void TdxInplaceTextEdit::SetMaxLength(int Value) {
  SetStoredValues(StoredValues() | svMaxLength);
  InternalSetMaxLength(Value);
}

void TdxInplaceTextEdit::InternalSetMaxLength(int Value) {
  if (Value < 0) Value = 0;
  if (FMaxLength == Value) return;
  FMaxLength = Value;
  ApplyMaxLength(Value);
}

void TdxInplaceTextEdit::ApplyMaxLength(int Value) {
  if (HandleAllocated()) FTextBox->SetLimit(Value);
}

int TdxInplaceTextEdit::GetSelStart() {
  int start = 0, end = 0;
  FTextBox->GetSel(start, end);
  return start;
}

int TdxInplaceTextEdit::GetSelLength() {
  int start = 0, end = 0;
  FTextBox->GetSel(start, end);
  return end - start;
}

String TdxInplaceTextEdit::GetSelText() { return FTextBox->SelText(); }

int TdxInplaceTextEdit::GetSelTextBuf(String& Buffer, int BufSize) {
  Buffer = Copy(GetSelText(), 1, std::max(BufSize, 0));
  return Length(Buffer);
}

void TdxInplaceTextEdit::SetSelStart(int Value) { FTextBox->SetSel(Value, Value); }

void TdxInplaceTextEdit::SetSelLength(int Value) {
  const int start = GetSelStart();
  FTextBox->SetSel(start, start + Value);
}

void TdxInplaceTextEdit::SelectionChanged() {
  if (OnSelectionChange) OnSelectionChange(this);
}

// The commands are messages to the window, so that cut, paste and clear ask CanModify first.
void TdxInplaceTextEdit::ClearSelection() { Perform(WM_CLEAR); }
void TdxInplaceTextEdit::CopyToClipboard() { Perform(WM_COPY); }
void TdxInplaceTextEdit::CutToClipboard() { Perform(WM_CUT); }
void TdxInplaceTextEdit::PasteFromClipboard() { Perform(WM_PASTE); }
void TdxInplaceTextEdit::EditUndo() { Perform(EM_UNDO); }
void TdxInplaceTextEdit::EditRedo() { Perform(EM_REDO); }
bool TdxInplaceTextEdit::EditCanUndo() { return Perform(EM_CANUNDO) != 0; }
bool TdxInplaceTextEdit::EditCanRedo() { return Perform(EM_CANREDO) != 0; }
bool TdxInplaceTextEdit::CanPaste() { return HandleAllocated() && CanEditText() && Perform(EM_CANPASTE) != 0; }
void TdxInplaceTextEdit::ClearUndo() {
  if (HandleAllocated()) FTextBox->EmptyUndoBuffer();
}
int TdxInplaceTextEdit::GetTextLength() { return static_cast<int>(Perform(WM_GETTEXTLENGTH)); }
void TdxInplaceTextEdit::ClearText() { SetText(String()); }

void TdxInplaceTextEdit::MoveCaretToEnd() { FTextBox->SetSel(INT_MAX, -1); }
void TdxInplaceTextEdit::SelectAllOnShow() { FTextBox->SelectAll(); }

void TdxInplaceTextEdit::SetEditValue(const Variant& Value) {
  const TValueScope<bool> setting(SettingValue, true);
  TdxInplaceEdit::SetEditValue(Value);
  ClearUndo();
}

void TdxInplaceTextEdit::RefreshDefaults() {
  TdxInplaceEdit::RefreshDefaults();
  if (!IsMaxLengthStored()) InternalSetMaxLength(GetDefaultMaxLength());
  if (HandleAllocated()) FTextBox->SetReadOnly(!CanEditText());
}

void TdxInplaceTextEdit::RestoreDefaults() {
  TdxInplaceEdit::RestoreDefaults();
  InternalSetMaxLength(GetDefaultMaxLength());
}

void TdxInplaceTextEdit::InternalSetReadOnly(bool Value) {
  TdxInplaceEdit::InternalSetReadOnly(Value);
  if (HandleAllocated()) FTextBox->SetReadOnly(Value);
}

void TdxInplaceTextEdit::InternalSetAlignment(TAlignment Value) {
  TdxInplaceEdit::InternalSetAlignment(Value);
  FTextBox->SetAlignment(Value);
}

// The text box keeps the modified state through a new window.
bool TdxInplaceTextEdit::GetModified() { return HasEditArea() ? FTextBox->Modified() : TdxInplaceEdit::GetModified(); }

void TdxInplaceTextEdit::SetModified(bool Value) {
  if (HasEditArea())
    FTextBox->SetModified(Value);
  else
    TdxInplaceEdit::SetModified(Value);
}

std::unique_ptr<TdxEditViewData> TdxInplaceTextEdit::CreateViewData(bool IsPaint) {
  std::unique_ptr<TdxEditViewData> vd = TdxInplaceEdit::CreateViewData(IsPaint);
  if (auto* text = dynamic_cast<TdxTextEditViewData*>(vd.get())) {
    text->CharCase = FCharCase;
    text->StandAloneText = !IsInplace() && !text->HasEditArea;
    text->PasswordChar = FPasswordChar;
    text->SelectionBar = FSelectionBar;
  }
  return vd;
}

void TdxInplaceTextEdit::Loaded() {
  TdxInplaceEdit::Loaded();
  UpdateCharCase();
}

void TdxInplaceTextEdit::CreateParams(TCreateParams& Params) {
  TdxInplaceEdit::CreateParams(Params);
  if (!HasEditArea()) {
    Params.ClassName = "NoEdit";
    return;
  }
  static constexpr DWORD Align[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  static constexpr DWORD Case[] = {0, ES_UPPERCASE, ES_LOWERCASE};
  Params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL | Align[Alignment()] | Case[FCharCase];
  if (!CanEditText()) Params.Style |= ES_READONLY;
  if (FPasswordChar) Params.Style |= ES_PASSWORD;
  if (!FHideSelection) Params.Style |= ES_NOHIDESEL;
}

void TdxInplaceTextEdit::CreateWnd() {
  {
    const TValueScope<bool> creating(FCreatingWnd, true);
    TdxInplaceEdit::CreateWnd();
  }
  if (!HasEditArea()) return;
  FTextBox->Attach(Handle());
  FTextBox->SetRect(FormattingRect());
  FTextBox->SetAlignment(Alignment());
  FTextBox->SetHideSelection(FHideSelection);
  FTextBox->SetReadOnly(!CanEditText());
  FTextBox->SetPasswordChar(FPasswordChar);
  ApplyMaxLength(FMaxLength);
  UpdateLook();
}

void TdxInplaceTextEdit::DestroyWnd() {
  FTextBox->Detach();
  TdxInplaceEdit::DestroyWnd();
}

TRect TdxInplaceTextEdit::FormattingRect() {
  TRect r = ClientRect();
  InflateRect(r, -1, -1);
  if (FSelectionBar) r.Left += 8;
  if (Alignment() == taRightJustify) --r.Right;
  r.Left += EditOffsets().Left;
  r.Top += EditOffsets().Top;
  r.Right -= EditOffsets().Right;
  return r;
}

void TdxInplaceTextEdit::UpdateLook() {
  if (HandleAllocated() && HasEditArea()) FTextBox->SetLook(LookFont(), Color(), Enabled());
}

// The text box sees the focus come and go; its own messages come after the editor's handling,
// so that cut, paste and clear pass the editor's check first. A right-button release never
// reaches it.
void TdxInplaceTextEdit::WndProc(TMessage& Message) {
  if (HasEditArea() && (Message.Msg == WM_SETFOCUS || Message.Msg == WM_KILLFOCUS)) FTextBox->HandleMessage(Message);
  TdxInplaceEdit::WndProc(Message);
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
      // A press that did not bring the focus leaves no capture behind.
      if (!(ControlState() & csDestroying) && HandleAllocated() && GetFocus() != Handle() && GetCapture() == Handle()) {
        if (Message.Msg == WM_MBUTTONDOWN) PostMessage(Handle(), WM_MBUTTONUP, Message.WParam, Message.LParam);
        ReleaseCapture();
      }
      break;
    case WM_RBUTTONUP:
      if (UseEditCallback() && HandleAllocated())
        PostMessage(Handle(), WM_CONTEXTMENU, Handle().AsWParam(),
                    PointToLParam(ClientToScreen(LParamToPoint(Message.LParam))));
      break;
    default: break;
  }
}

void TdxInplaceTextEdit::DefaultHandler(TMessage& Message) {
  if (HasEditArea() && HandleAllocated()) {
    if (Message.Msg == WM_RBUTTONUP) return;
    if (FTextBox->HandleMessage(Message)) return;
  }
  TdxInplaceEdit::DefaultHandler(Message);
}

void TdxInplaceTextEdit::Dispatch(TMessage& Message) {
  static constexpr TMessageEntry<TdxInplaceTextEdit> Handlers[] = {
      {WM_CHAR, &TdxInplaceTextEdit::WMChar},
      {WM_GETDLGCODE, &TdxInplaceTextEdit::WMGetDlgCode},
      {WM_SIZE, &TdxInplaceTextEdit::WMSize},
      {WM_DESTROY, &TdxInplaceTextEdit::WMDestroy},
      {WM_CONTEXTMENU, &TdxInplaceTextEdit::WMContextMenu},
      {CM_ENTER, &TdxInplaceTextEdit::CMEnter},
      {CM_FONTCHANGED, &TdxInplaceTextEdit::CMLookChanged},
      {CM_COLORCHANGED, &TdxInplaceTextEdit::CMLookChanged},
      {CM_SYSCOLORCHANGE, &TdxInplaceTextEdit::CMLookChanged},
      {CM_ENABLEDCHANGED, &TdxInplaceTextEdit::CMLookChanged},
      {CM_TEXTCHANGED, &TdxInplaceTextEdit::CMTextChanged},
  };
  if (!DispatchTo(this, Message, Handlers)) TdxInplaceEdit::Dispatch(Message);
}

// A typed character takes the forced case before anything else sees it; the limit drops what
// does not fit.
void TdxInplaceTextEdit::WMChar(TMessage& Message) {
  if (FCharCase != ecNormal && Message.WParam >= 32) {
    const String c = CodePointToUtf8(static_cast<char32_t>(Message.WParam));
    const std::u32string cased = ToCodePoints(FCharCase == ecUpperCase ? AnsiUpperCase(c) : AnsiLowerCase(c));
    if (cased.size() == 1) Message.WParam = cased[0];
  }
  if (DoKeyPress(Message)) return;
  if (!HasEditArea() || FTextBox->FilterInput(Message)) DefaultHandler(Message);
}

void TdxInplaceTextEdit::WMGetDlgCode(TMessage& Message) {
  TdxInplaceEdit::Dispatch(Message);
  if (HasEditArea()) Message.Result |= DLGC_WANTARROWS | DLGC_HASSETSEL;
}

void TdxInplaceTextEdit::WMSize(TMessage& Message) {
  TdxInplaceEdit::Dispatch(Message);
  if (HasEditArea()) FTextBox->SetRect(FormattingRect());
}

// The window goes with an ancestor's: the text box leaves it first.
void TdxInplaceTextEdit::WMDestroy(TMessage& Message) {
  FTextBox->Detach();
  TdxInplaceEdit::Dispatch(Message);
}

void TdxInplaceTextEdit::CMEnter(TMessage& Message) {
  if (FAutoSelect && HasEditArea() && !(GetKeyState(VK_LBUTTON) < 0)) SelectAllOnShow();
  TdxInplaceEdit::Dispatch(Message);
}

void TdxInplaceTextEdit::CMLookChanged(TMessage& Message) {
  TdxInplaceEdit::Dispatch(Message);
  UpdateLook();
}
