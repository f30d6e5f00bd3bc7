// The edit and the memo: typing through the injected-input path and through real Qt key events,
// key filters, Enter moving the focus, the limit, password character, character case, the
// edit-control messages, the memo's lines, the change notification to the parent, and the
// selection hidden while a text box does not have the focus.
#include <Qt>

#include "StdControlsKit.h"
#include "controls/ComboBox.h"
#include "rtl/Text.h"
#include "windows/Caret.h"

namespace {

using EditTest = TStdControlsTest;

// The pixels of a control's text box drawn in the highlight colour, as the screen shows them.
int HighlightedPixels(TWinControl* Control) { return NativeEditorPixels(Control->Handle(), clHighlight); }

TEST_F(EditTest, ADigitsOnlyKeyFilterDropsTheOtherCharactersAndOnChangeFollowsTheText) {
  auto* edit = Add<TEdit>("edtScore", Bounds(10, 10, 100, 21));
  std::vector<String> changes;
  edit->OnChange = [&](TObject*) { changes.push_back(edit->Text()); };
  edit->OnKeyPress = [](TObject*, TKeyChar& key) {
    if ((key < '0' || key > '9') && key != VK_BACK) key = 0;
  };
  ShowForm();
  ASSERT_TRUE(edit->Focused());
  TypeText("1a2.b3");
  Pump();
  EXPECT_EQ(edit->Text(), "123");
  EXPECT_EQ(changes, (std::vector<String>{"1", "12", "123"}));
  EXPECT_TRUE(edit->Modified());
  PressKey(VK_BACK);
  Pump();
  EXPECT_EQ(edit->Text(), "12");
  edit->SetText("7");
  EXPECT_FALSE(edit->Modified());
  EXPECT_EQ(changes.back(), "7");
}

TEST_F(EditTest, AFocusedTextBoxHasTheCaretAtItsTextCursor) {
  auto* edit = Add<TEdit>("edtName", Bounds(10, 10, 100, 21));
  auto* other = Add<TEdit>("edtOther", Bounds(10, 40, 100, 21));
  ShowForm();
  ASSERT_TRUE(edit->Focused());
  TPoint start, end;
  ASSERT_TRUE(GetCaretPos(start));
  TypeText("hello");
  Pump();
  ASSERT_TRUE(GetCaretPos(end));
  EXPECT_GT(end.X, start.X + 20);
  EXPECT_EQ(end.Y, start.Y);
  EXPECT_TRUE(HideCaret(edit->Handle()));
  EXPECT_TRUE(ShowCaret(edit->Handle()));
  EXPECT_FALSE(HideCaret(other->Handle()));
}

TEST_F(EditTest, EnterMovesTheFocusWhereTheWindowsKeyHandlerAsks) {
  auto* first = Add<TEdit>("edtFirst", Bounds(10, 10, 100, 21));
  auto* second = Add<TEdit>("edtSecond", Bounds(10, 40, 100, 21));
  auto* third = Add<TEdit>("edtThird", Bounds(10, 70, 100, 21));
  third->SetTabOrder(0);  // third, first, second
  for (TEdit* e : {first, second, third})
    e->OnKeyPress = [this](TObject* sender, TKeyChar& key) {
      if (key != '\r') return;
      key = 0;
      Form->SelectNext(static_cast<TWinControl*>(sender), true, true);
    };
  ShowForm();
  EXPECT_EQ(Form->ActiveControl(), third);
  TypeText("9");
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(Form->ActiveControl(), first);
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(Form->ActiveControl(), second);
  EXPECT_EQ(third->Text(), "9");  // the Enter reached no editor
}

TEST_F(EditTest, EscapePressesTheCancelButtonAndEnterTheDefaultOneOfAModalForm) {
  auto* edit = Add<TEdit>("edtName", Bounds(10, 10, 100, 21));
  auto* ok = Add<TButton>("btnOk", Bounds(10, 60, 75, 25));
  auto* cancel = Add<TButton>("btnCancel", Bounds(100, 60, 75, 25));
  ok->SetCaption("确定");
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  cancel->SetCaption("取消");
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  int cancelClicks = 0;
  cancel->OnClick = [&](TObject*) { ++cancelClicks; };
  for (auto [key, expected] : {std::pair{VK_ESCAPE, mrCancel}, std::pair{VK_RETURN, mrOk}}) {
    TestClock().OnWait([this, key = key] {
      PressKey(key);
    });
    EXPECT_EQ(Form->ShowModal(), expected);
  }
  EXPECT_EQ(cancelClicks, 1);
  (void)edit;
}

TEST_F(EditTest, ARealQtKeyEventOnTheTextBoxReachesOnKeyPressFirst) {
  auto* edit = Add<TEdit>("edtCode", Bounds(10, 10, 100, 21));
  std::vector<String> seen;
  edit->OnKeyPress = [&](TObject*, TKeyChar& key) {
    seen.push_back(edit->Text() + "|" + CodePointToUtf8(key));
    if (key == 'x') key = 0;
  };
  ShowForm();
  ASSERT_TRUE(NativeEditorOf(edit->Handle()).Exists);
  for (auto [qtKey, text] : {std::pair{Qt::Key_A, "a"}, std::pair{Qt::Key_X, "x"}, std::pair{Qt::Key_B, "b"}})
    SendNativeKey(edit->Handle(), qtKey, text);
  EXPECT_EQ(edit->Text(), "");  // nothing reached the editor before the handlers ran
  Pump();
  EXPECT_EQ(seen, (std::vector<String>{"|a", "a|x", "a|b"}));
  EXPECT_EQ(edit->Text(), "ab");
  EXPECT_EQ(NativeEditorOf(edit->Handle()).Text, "ab");
}

// Keys and an input method's text that reach the text box together are typed in the order they
// came, although the layer queues the input method's text as a message of its own.
TEST_F(EditTest, AnInputMethodsTextKeepsItsPlaceAmongTheKeys) {
  auto* edit = Add<TEdit>("edtName", Bounds(10, 10, 100, 21));
  ShowForm();
  SendNativeKey(edit->Handle(), Qt::Key_A, "a");
  SendNativeCommit(edit->Handle(), "中");
  SendNativeKey(edit->Handle(), Qt::Key_B, "b");
  Pump();
  EXPECT_EQ(edit->Text(), "a中b");
}

// Backspace deletes on its character, so a key filter that drops the character keeps the text,
// typed through the layer or as a real Qt key; a key handler that uses up the key takes the
// character along. Ctrl+Backspace, which types nothing, deletes on the key.
TEST_F(EditTest, ABackspaceAKeyHandlerTakesDeletesNothing) {
  auto* edit = Add<TEdit>("edtNumber", Bounds(10, 10, 100, 21));
  bool dropCharacter = true, dropKey = false;
  edit->OnKeyPress = [&](TObject*, TKeyChar& key) {
    if (key == '\b' && dropCharacter) key = 0;
  };
  edit->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
    if (key == VK_BACK && dropKey) key = 0;
  };
  ShowForm();
  TypeText("12 34");
  PressKey(VK_BACK);
  SendNativeKey(edit->Handle(), Qt::Key_Backspace, "\b");
  Pump();
  EXPECT_EQ(edit->Text(), "12 34");
  PressKey(VK_BACK, ssCtrl);
  Pump();
  EXPECT_EQ(edit->Text(), "12 ");
  dropCharacter = false;
  dropKey = true;
  PressKey(VK_BACK);
  Pump();
  EXPECT_EQ(edit->Text(), "12 ");
  dropKey = false;
  PressKey(VK_BACK);
  SendNativeKey(edit->Handle(), Qt::Key_Backspace, "\b");
  Pump();
  EXPECT_EQ(edit->Text(), "1");
}

TEST_F(EditTest, LimitPasswordAndCaseApplyToTypedText) {
  auto* edit = Add<TEdit>("edtPassword", Bounds(10, 10, 100, 21));
  edit->SetMaxLength(4);
  edit->SetPasswordChar('*');
  edit->SetCharCase(ecUpperCase);
  ShowForm();
  TypeText("abcdef");
  Pump();
  EXPECT_EQ(edit->Text(), "ABCD");
  EXPECT_TRUE(NativeEditorOf(edit->Handle()).Password);
  edit->SetSelStart(1);
  edit->SetSelLength(2);
  EXPECT_EQ(edit->SelText(), "BC");
  edit->SetSelText("xyz");  // two fit
  EXPECT_EQ(edit->Text(), "AXYD");
  edit->SetReadOnly(true);
  TypeText("q");
  PressKey(VK_BACK);
  Pump();
  EXPECT_EQ(edit->Text(), "AXYD");
}

TEST_F(EditTest, TheTextBoxAnswersTheEditControlMessages) {
  auto* edit = Add<TEdit>("edtText", Bounds(10, 10, 120, 21));
  ShowForm();
  const HWND wnd = edit->Handle();
  String text = "中文输入法";
  SendMessage(wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&text));
  EXPECT_EQ(SendMessage(wnd, WM_GETTEXTLENGTH), 5);
  SendMessage(wnd, EM_SETSEL, 1, 3);
  int start = 0, end = 0;
  SendMessage(wnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(std::pair(start, end), std::pair(1, 3));
  String replacement = "字";
  SendMessage(wnd, EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(&replacement));
  EXPECT_EQ(edit->Text(), "中字入法");
  EXPECT_EQ(SendMessage(wnd, EM_GETMODIFY), 1);
  EXPECT_EQ(SendMessage(wnd, EM_CANUNDO), 1);
  SendMessage(wnd, EM_UNDO);
  EXPECT_EQ(edit->Text(), "中文输入法");
  SendMessage(wnd, EM_SETMODIFY, 0);
  EXPECT_FALSE(edit->Modified());
  SendMessage(wnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(5, 7));
  EXPECT_EQ(SendMessage(wnd, EM_GETMARGINS), MAKELPARAM(5, 7));
  TRect format{8, 2, 100, 18};
  SendMessage(wnd, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&format));
  TRect got;
  SendMessage(wnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&got));
  EXPECT_EQ(got, format);
  SendMessage(wnd, EM_SETREADONLY, 1);
  EXPECT_TRUE(edit->ReadOnly());
  SendMessage(wnd, EM_LIMITTEXT, 3);
  EXPECT_EQ(edit->MaxLength(), 3);
  SendMessage(wnd, EM_SETSEL, 0, -1);
  SendMessage(wnd, WM_COPY);
  SendMessage(wnd, EM_SETREADONLY, 0);
  SendMessage(wnd, EM_SETSEL, 0, -1);
  SendMessage(wnd, WM_PASTE);
  EXPECT_EQ(edit->Text(), "中文输");  // the pasted text is cut at the limit
}

TEST_F(EditTest, TheParentHearsOfChangesAndTheTextSurvivesANewWindow) {
  auto* edit = Add<TEdit>("edtKeep", Bounds(10, 10, 120, 21));
  ShowForm();
  std::vector<WPARAM> commands;
  const HWND formWnd = Form->Handle();
  WNDPROC previous = SetWindowProc(formWnd, nullptr);
  SetWindowProc(formWnd, [&](HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_COMMAND && HWND::FromParam(lp) == edit->Handle()) commands.push_back(HIWORD(wp));
    return CallWindowProc(previous, w, m, wp, lp);
  });
  TypeText("ab");
  Pump();
  EXPECT_EQ(commands, (std::vector<WPARAM>{EN_CHANGE, EN_CHANGE}));
  SetWindowProc(formWnd, previous);
  edit->SetSelStart(1);
  edit->RecreateWnd();
  Pump();
  EXPECT_EQ(edit->Text(), "ab");
  EXPECT_EQ(edit->SelStart(), 1);
  TypeText("c");
  Pump();
  EXPECT_EQ(edit->Text(), "acb");
}

TEST_F(EditTest, MemoLinesEnterAndTheLimit) {
  auto* memo = Add<TMemo>("mmoAddress", Bounds(10, 10, 200, 80));
  auto* ok = Add<TButton>("btnOk", Bounds(10, 100, 75, 25));
  ok->SetDefault(true);
  memo->Lines()->Add("第一行");
  memo->Lines()->Add("second");
  memo->Lines()->Insert(0, "zero");
  EXPECT_EQ(memo->Lines()->Count(), 3);
  EXPECT_EQ(memo->Lines()->Text(), "zero\r\n第一行\r\nsecond");  // the memo's own text
  memo->Lines()->Delete(1);
  EXPECT_EQ(memo->Text(), "zero\nsecond");
  ShowForm();
  ASSERT_TRUE(memo->Focused());
  memo->SetSelStart(4);
  PressKey(VK_RETURN);
  TypeText("x");
  Pump();
  EXPECT_EQ(memo->Lines()->Strings(1), "x");
  EXPECT_EQ(ok->Focused(), false);
  memo->SetWantReturns(false);
  int clicks = 0;
  ok->OnClick = [&](TObject*) { ++clicks; };
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(memo->Lines()->Count(), 3);
  memo->SetMaxLength(memo->TextBox().TextLength() + 1);
  TypeText("yz");
  Pump();
  EXPECT_EQ(memo->Lines()->Strings(1), "xy");
  EXPECT_EQ(memo->CaretPos(), (TPoint{2, 1}));
}

// Edits, memos and the combo box's edit part show their selection only while they have the
// focus; an edit with HideSelection off shows it always. The selection itself stays.
TEST_F(EditTest, TheSelectionShowsOnlyWhileTheTextBoxHasTheFocus) {
  auto* edit = Add<TEdit>("edtName", Bounds(10, 10, 100, 21));
  auto* memo = Add<TMemo>("mmoNote", Bounds(10, 40, 100, 60));
  auto* combo = Add<TComboBox>("cbxClass", Bounds(10, 110, 100, 21));
  auto* other = Add<TEdit>("edtOther", Bounds(10, 140, 100, 21));
  edit->SetText("张三");
  memo->SetText("备注");
  combo->SetText("高二");
  ShowForm();
  for (TWinControl* control : std::initializer_list<TWinControl*>{edit, memo, combo}) {
    control->SetFocus();
    SendMessage(control->Handle(), EM_SETSEL, 0, -1);
    Pump();
    EXPECT_GT(HighlightedPixels(control), 0) << control->Name();
    other->SetFocus();
    Pump();
    EXPECT_EQ(HighlightedPixels(control), 0) << control->Name();
    int start = 0, end = 0;
    SendMessage(control->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(std::pair(start, end), std::pair(0, 2)) << control->Name();
  }
  EXPECT_TRUE(edit->HideSelection());
  edit->SetHideSelection(false);
  EXPECT_GT(HighlightedPixels(edit), 0);
}

}  // namespace
