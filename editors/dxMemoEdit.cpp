// The memo editor and its lines: the multi-line text box with its bars and wrapping, the keys it
// keeps from its host or form, and the lines read and replaced in its text.
#include "editors/dxMemoEdit.h"

#include "rtl/Exceptions.h"
#include "editors/dxEditClassOf.h"
#include "rtl/Lists.h"
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"
#include "windows/Input.h"
#include "windows/MessageQueue.h"

namespace {

// Line breaks of any kind become the text box's own.
String BoxText(const String& Text) {
  const String text = StringReplace(Text, "\r\n", "\n", rfReplaceAll);
  return StringReplace(text, "\r", "\n", rfReplaceAll);
}

}  // namespace

// --- the lines -----------------------------------------------------------------------------------

void TdxMemoStrings::CheckIndex(int Index, int Count) const {
  if (Index < 0 || Index >= Count) ListIndexError(Index);
}

int TdxMemoStrings::GetCount() const {
  const TTextBox& box = FMemo.TextBox();
  const int count = box.LineCount();
  return box.Line(count - 1).empty() ? count - 1 : count;
}

String TdxMemoStrings::Get(int Index) const {
  CheckIndex(Index, GetCount());
  return FMemo.TextBox().Line(Index);
}

void TdxMemoStrings::Replace(int Start, int Stop, const String& S) {
  TTextBox& box = FMemo.TextBox();
  box.SetSel(Start, Stop);
  box.ReplaceSel(S);
}

// An empty last line is not counted, so an empty line written last gets a line break after it.
String TdxMemoStrings::LastLine(const String& S) { return S.empty() ? String("\n") : S; }

void TdxMemoStrings::Put(int Index, const String& S) {
  CheckIndex(Index, GetCount());
  TTextBox& box = FMemo.TextBox();
  const int start = box.LineIndex(Index);
  const bool last = box.LineIndex(Index + 1) < 0;
  Replace(start, start + Length(box.Line(Index)), last ? LastLine(S) : S);
}

// A line appended after a text that does not end in a line break gets one before it.
void TdxMemoStrings::Insert(int Index, const String& S) {
  const int count = GetCount();
  CheckIndex(Index, count + 1);
  TTextBox& box = FMemo.TextBox();
  if (Index < count) {
    const int at = box.LineIndex(Index);
    return Replace(at, at, S + "\n");
  }
  const String text = box.Text();
  const int end = box.TextLength();
  Replace(end, end, (text.empty() || text.back() == '\n' ? String() : String("\n")) + LastLine(S));
}

void TdxMemoStrings::Delete(int Index) {
  CheckIndex(Index, GetCount());
  TTextBox& box = FMemo.TextBox();
  const int next = box.LineIndex(Index + 1);
  Replace(box.LineIndex(Index), next < 0 ? box.TextLength() : next, String());
}

void TdxMemoStrings::Clear() { FMemo.ClearText(); }

String TdxMemoStrings::GetTextStr() const { return StringReplace(FMemo.TextBox().Text(), "\n", "\r\n", rfReplaceAll); }

void TdxMemoStrings::SetTextStr(const String& Text) {
  const String text = BoxText(Text);
  if (text == FMemo.TextBox().Text()) return;
  if (FMemo.MaxLength() > 0 && Length(text) > FMemo.MaxLength()) throw EInvalidOperation("Text exceeds memo capacity");
  const TValueScope<bool> quiet(FMemo.SettingValue, true);
  FMemo.SetText(text);
}

// --- the editor ----------------------------------------------------------------------------------

const TdxInplaceEditClass& MemoEditClass(bool Inplace) {
  return EditClassOf<TdxInplaceMemoEdit, TdxTextEditClass>("TdxInplaceMemoEdit", Inplace);
}

TdxInplaceMemoEdit::TdxInplaceMemoEdit(TComponent* AOwner, const TdxInplaceEditClass& Class)
    : TdxInplaceTextEdit(AOwner, Class, true), FLines(std::make_unique<TdxMemoStrings>(*this)) {
  SetBounds(Left(), Top(), 185, 89);
  SetAutoSize(false);
  ApplyScrollBars();
}

TdxInplaceMemoEdit::~TdxInplaceMemoEdit() = default;

void TdxInplaceMemoEdit::ApplyScrollBars() {
  TextBox().SetScrollBars(FScrollBars);
  TextBox().SetHideScrollBars(FHideScrollBars);
  TextBox().SetWordWrap(FWordWrap);
}

void TdxInplaceMemoEdit::ApplyOptions(const TdxMemoOptions& Options) {
  SetCharCase(Options.CharCase);
  SetHideScrollBars(Options.HideScrollBars);
  SetMaxLength(Options.MaxLength);
  SetOEMConvert(Options.OEMConvert);
  SetScrollBars(Options.ScrollBars);
  SetSelectionBar(Options.SelectionBar);
  SetWantReturns(Options.WantReturns);
  SetWantTabs(Options.WantTabs);
  SetWordWrap(Options.WordWrap);
}

void TdxInplaceMemoEdit::SetHideScrollBars(bool Value) {
  FHideScrollBars = Value;
  ApplyScrollBars();
}

void TdxInplaceMemoEdit::SetScrollBars(TScrollStyle Value) {
  FScrollBars = Value;
  ApplyScrollBars();
}

void TdxInplaceMemoEdit::SetWordWrap(bool Value) {
  FWordWrap = Value;
  ApplyScrollBars();
}

std::unique_ptr<TdxEditViewData> TdxInplaceMemoEdit::CreateViewData(bool IsPaint) {
  std::unique_ptr<TdxEditViewData> vd = TdxInplaceTextEdit::CreateViewData(IsPaint);
  vd->VertAlignment = 3;
  return vd;
}

// In place the text shows from its first line, with everything selected.
void TdxInplaceMemoEdit::SelectAllOnShow() {
  TdxInplaceTextEdit::SelectAllOnShow();
  if (IsInplace()) TextBox().SetSel(TextBox().TextLength(), 0);
}

void TdxInplaceMemoEdit::Loaded() {
  TdxInplaceTextEdit::Loaded();
  SetModified(false);
}

// The bars of the text box survive a new window; the window takes them again.
void TdxInplaceMemoEdit::CreateWnd() {
  TdxInplaceTextEdit::CreateWnd();
  ApplyScrollBars();
}

// The arrows and page keys stay while the caret can still move that way, or a shift key is held;
// Tab stays when the memo wants tabs.
bool TdxInplaceMemoEdit::KeepsKey(WORD Key, TShiftState Shift) {
  if (Key == VK_TAB) return FWantTabs && !(Shift & (ssCtrl | ssAlt));
  const bool up = Key == VK_UP || Key == VK_PRIOR, down = Key == VK_DOWN || Key == VK_NEXT;
  if (!up && !down) return false;
  if (Shift & ssShift) return true;
  int start = 0, end = 0;
  TextBox().GetSel(start, end);
  const int line = TextBox().LineFromChar(up ? start : end);
  return up ? line > 0 : line < TextBox().LineCount() - 1;
}

// Enter, and Tab when the memo wants tabs, type their characters themselves, unseen by the host;
// the other keys the memo keeps go to the text box.
void TdxInplaceMemoEdit::KeyDown(WORD& Key, TShiftState Shift) {
  const bool enter = Key == VK_RETURN && !(Shift & ssCtrl) && FWantReturns;
  const bool tab = Key == VK_TAB && KeepsKey(Key, Shift);
  if ((enter || tab) && CanEditText()) {
    if (CanModify()) TextBox().ReplaceSel(enter ? "\n" : "\t");
    Key = 0;
    return;
  }
  if (KeepsKey(Key, Shift)) return TWinControl::KeyDown(Key, Shift);
  TdxInplaceTextEdit::KeyDown(Key, Shift);
}

void TdxInplaceMemoEdit::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) return WMGetDlgCode(Message);
  if (Message.Msg == WM_KEYDOWN) return WMKeyDown(Message);
  TdxInplaceTextEdit::Dispatch(Message);
}

void TdxInplaceMemoEdit::WMGetDlgCode(TMessage& Message) {
  TdxInplaceTextEdit::Dispatch(Message);
  if (FWantTabs) Message.Result |= DLGC_WANTTAB;
  if (FWantReturns)
    Message.Result |= DLGC_WANTALLKEYS;
  else
    Message.Result &= ~LRESULT(DLGC_WANTALLKEYS);
}

// Without returns, an Enter that reaches a stand-alone memo goes on to its parent.
void TdxInplaceMemoEdit::WMKeyDown(TMessage& Message) {
  if (Message.WParam == VK_RETURN && !FWantReturns && !GetContainer() && Parent() && Parent()->HandleAllocated()) {
    SendMessage(Parent()->Handle(), WM_KEYDOWN, Message.WParam, Message.LParam);
    return;
  }
  TdxInplaceTextEdit::Dispatch(Message);
}
