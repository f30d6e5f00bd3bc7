// Focus on forms: enter and exit, the veto by exception, focus messages with the other window,
// Tab order, dialog keys, key events and the form's key preview.
#include "ControlsTestKit.h"
#include <QLineEdit>

#include "controls/Panel.h"
#include "windows/Focus.h"
#include "windows/NativeEditorQt.h"

namespace {

using FocusAndKeys = TControlsTest;

TEST_F(FocusAndKeys, FocusMovesWithEnterAndExitAndTheOtherWindowInFocusMessages) {
  TTestBox* a = AddBox("a");
  TTestBox* b = AddBox("b");
  ShowForm();
  EXPECT_EQ(Form->ActiveControl(), a);  // the first control in tab order
  EXPECT_TRUE(a->Focused());
  b->SetFocus();
  EXPECT_EQ(Form->ActiveControl(), b);
  EXPECT_EQ(GetFocus(), b->Handle());
  EXPECT_EQ(a->Events, (std::vector<String>{"a.enter", "a.exit"}));
  EXPECT_EQ(b->Events, (std::vector<String>{"b.enter"}));
  ASSERT_FALSE(a->FocusTo.empty());
  EXPECT_EQ(a->FocusTo.back(), b->Handle());
  ASSERT_FALSE(b->FocusFrom.empty());
  EXPECT_EQ(b->FocusFrom.back(), a->Handle());
  EXPECT_EQ(Screen->ActiveControl(), b);
  EXPECT_EQ(Screen->ActiveForm(), Form);
}

// A notebook turning to another page hides the page that held the focus.
TEST_F(FocusAndKeys, HidingAControlThatHoldsTheFocusGivesItToTheForm) {
  auto* panel = Add<TPanel>("panel", {0, 0, 200, 100});
  TTestBox* inner = AddBox("inner", panel);
  TTestBox* outside = AddBox("outside");
  ShowForm();
  inner->SetFocus();
  outside->SetVisible(false);
  EXPECT_EQ(Form->ActiveControl(), inner) << "hiding another control leaves the focus";
  panel->SetVisible(false);
  EXPECT_EQ(Form->ActiveControl(), nullptr);
  EXPECT_EQ(GetFocus(), Form->Handle());
  EXPECT_EQ(inner->Events.back(), "inner.exit");
}

TEST_F(FocusAndKeys, AnExceptionOnExitKeepsTheFocusAndReachesTheMessageBox) {
  TTestBox* a = AddBox("a");
  TTestBox* b = AddBox("b");
  ShowForm();
  a->RefuseExit = true;
  PressKey(VK_TAB);
  Pump();
  EXPECT_EQ(Form->ActiveControl(), a);
  EXPECT_EQ(GetFocus(), a->Handle());
  EXPECT_EQ(b->Events, (std::vector<String>{}));
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_EQ(MessageBoxes().Shown[0].Text, "请先输入有效的值。");

  a->RefuseExit = false;
  PressKey(VK_TAB);
  Pump();
  EXPECT_EQ(Form->ActiveControl(), b);
}

TEST_F(FocusAndKeys, TabFollowsTheTabOrderAndSkipsControlsThatDoNotWantIt) {
  TTestBox* a = AddBox("a");
  TTestBox* b = AddBox("b");
  TTestBox* c = AddBox("c");
  TTestBox* d = AddBox("d");
  TTestBox* e = AddBox("e");
  d->SetTabOrder(0);       // d a b c e
  b->SetTabStop(false);
  c->SetEnabled(false);
  ShowForm();
  std::vector<TWinControl*> visited{Form->ActiveControl()};
  for (int i = 0; i < 3; ++i) {
    PressKey(VK_TAB);
    Pump();
    visited.push_back(Form->ActiveControl());
  }
  EXPECT_EQ(visited, (std::vector<TWinControl*>{d, a, e, d}));
  PressKey(VK_TAB, ssShift);
  Pump();
  EXPECT_EQ(Form->ActiveControl(), e);

  // A control that asks for Tab gets it as a key instead.
  WORD received = 0;
  e->DialogCode = DLGC_WANTTAB;
  e->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { received = key; };
  PressKey(VK_TAB);
  Pump();
  EXPECT_EQ(Form->ActiveControl(), e);
  EXPECT_EQ(received, VK_TAB);
}

TEST_F(FocusAndKeys, EnterAndEscapePressTheDefaultAndCancelButtons) {
  TTestBox* a = AddBox("a");
  auto* ok = new TTestButton(Form);
  ok->SetParent(Form);
  ok->Default = true;
  auto* cancel = new TTestButton(Form);
  cancel->SetParent(Form);
  cancel->Cancel = true;
  ShowForm();
  a->SetFocus();
  PressKey(VK_RETURN);
  PressKey(VK_ESCAPE);
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_EQ(ok->Clicks, 1);
  EXPECT_EQ(cancel->Clicks, 2);
  // A control that wants every key keeps Enter.
  a->DialogCode = DLGC_WANTALLKEYS;
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(ok->Clicks, 1);
}

TEST_F(FocusAndKeys, KeyPressCanDropOrChangeTheCharacterAndTheFormPreviewsOnlyWhenAsked) {
  TTestBox* a = AddBox("a");
  ShowForm();
  std::vector<String> order;
  a->OnKeyPress = [&](TObject*, TKeyChar& key) {
    order.push_back("control");
    if (key < '0' || key > '9') key = 0;
  };
  a->OnKeyDown = [&](TObject*, WORD&, TShiftState) { order.push_back("down"); };
  Form->OnKeyPress = [&](TObject*, TKeyChar& key) {
    order.push_back("form");
    if (key == '2') key = '3';
  };
  // A native text box inside the control shows what reached the control's default handling.
  QLineEdit editor;
  AttachNativeEditor(a->Handle(), &editor);
  TypeText("1x2");
  Pump();
  EXPECT_EQ(order.size(), 6u);  // down and press for each key; the form sees nothing without preview
  EXPECT_EQ(editor.text().toStdString(), "12");
  Form->SetKeyPreview(true);
  order.clear();
  TypeText("2");
  Pump();
  EXPECT_EQ(order, (std::vector<String>{"down", "form", "control"}));
  EXPECT_EQ(editor.text().toStdString(), "123");
  DetachNativeEditor(a->Handle());
  editor.setParent(nullptr);
}

}  // namespace
