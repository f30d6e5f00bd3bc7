// Enter in a control that moves the focus on: it goes to the next control in tab order instead of
// the default button, reaches no text box (a memo starts no new line), still passes the control's
// own key events first, and leaves every other control to the dialog-key rule.
#include "StdControlsKit.h"

namespace {

class EnterMovesFocusTest : public TStdControlsTest {
 protected:
  void SetUp() override {
    TStdControlsTest::SetUp();
    name = Add<TEdit>("edtName", Bounds(10, 10, 100, 21));
    note = Add<TMemo>("mmoNote", Bounds(10, 40, 100, 50));
    check = Add<TCheckBox>("cbSign", Bounds(10, 100, 100, 17));
    plain = Add<TEdit>("edtPlain", Bounds(10, 130, 100, 21));
    ok = Add<TButton>("btnOk", Bounds(10, 170, 75, 25));
    ok->SetDefault(true);
    ok->OnClick = [this](TObject*) { ++clicks; };
    for (TWinControl* control : std::initializer_list<TWinControl*>{name, note, check})
      control->SetEnterMovesFocus(true);
  }

  TEdit* name = nullptr;
  TMemo* note = nullptr;
  TCheckBox* check = nullptr;
  TEdit* plain = nullptr;
  TButton* ok = nullptr;
  int clicks = 0;
};

TEST_F(EnterMovesFocusTest, EnterMovesOnInsteadOfPressingTheDefaultButton) {
  note->SetText("第一行");
  ShowForm();
  ASSERT_EQ(Form->ActiveControl(), name);
  TypeText("张");
  const std::pair<TWinControl*, TWinControl*> steps[] = {{name, note}, {note, check}, {check, plain}};
  for (auto [from, to] : steps) {
    note->SetSelStart(3);
    PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(Form->ActiveControl(), to) << from->Name();
  }
  EXPECT_EQ(name->Text(), "张");
  EXPECT_EQ(note->Text(), "第一行");  // no new line
  EXPECT_EQ(clicks, 0);
  // Without the rule the default button takes Enter.
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Form->ActiveControl(), plain);
}

// The control's own key events see Enter first; using it up keeps the focus where it is.
TEST_F(EnterMovesFocusTest, TheControlsKeyEventsMayUseEnterUp) {
  std::vector<String> seen;
  bool keep = true;
  name->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) {
    if (Key == VK_RETURN) seen.push_back("down");
  };
  name->OnKeyPress = [&](TObject*, TKeyChar& Key) {
    if (Key != '\r') return;
    seen.push_back("press");
    if (keep) Key = 0;
  };
  ShowForm();
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(Form->ActiveControl(), name);
  keep = false;
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(Form->ActiveControl(), note);
  EXPECT_EQ(seen, (std::vector<String>{"down", "press", "down", "press"}));
  EXPECT_EQ(clicks, 0);
}

// A key preview on the form sees Enter before the control and may use it up as well.
TEST_F(EnterMovesFocusTest, TheFormsKeyPreviewComesFirst) {
  Form->SetKeyPreview(true);
  Form->OnKeyPress = [](TObject*, TKeyChar& Key) {
    if (Key == '\r') Key = 0;
  };
  ShowForm();
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(Form->ActiveControl(), name);
  EXPECT_EQ(clicks, 0);
}

}  // namespace
