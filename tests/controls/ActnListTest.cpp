// Actions: bound controls follow the action, updates run when the application goes idle, a click
// or a short cut runs the action, and layouts bind controls to the actions of their form.
#include "ControlsTestKit.h"
#include "classes/Filer.h"
#include "controls/ActnList.h"

namespace {

class Actions : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    List = new TActionList(Form);
    Action = new TAction(Form);
    Action->SetName("actSave");
    Action->SetActionList(List);
    Action->SetCaption("保存");
    Action->SetHint("保存记录");
  }
  TTestButton* AddButton(const String& Name) {
    auto* button = new TTestButton(Form);
    button->SetName(Name);
    button->SetParent(Form);
    button->SetAction(Action);
    return button;
  }
  TActionList* List = nullptr;
  TAction* Action = nullptr;
};

TEST_F(Actions, BoundControlsFollowCaptionHintEnabledAndVisible) {
  TTestButton* a = AddButton("a");
  TTestButton* b = AddButton("b");
  EXPECT_EQ(a->Caption(), "保存");
  EXPECT_EQ(b->Hint(), "保存记录");
  Action->SetCaption("关闭");
  Action->SetEnabled(false);
  Action->SetVisible(false);
  for (TTestButton* button : {a, b}) {
    EXPECT_EQ(button->Caption(), "关闭");
    EXPECT_FALSE(button->Enabled());
    EXPECT_FALSE(button->Visible());
  }
  b->SetAction(nullptr);
  Action->SetCaption("取消");
  EXPECT_EQ(a->Caption(), "取消");
  EXPECT_EQ(b->Caption(), "关闭");
}

TEST_F(Actions, UpdatesRunWhenIdleAndEnableOrDisableTheBoundButtons) {
  TTestButton* button = AddButton("btnSave");
  bool canSave = false;
  int updates = 0;
  Action->OnUpdate = [&](TObject*) {
    ++updates;
    Action->SetEnabled(canSave);
  };
  ShowForm();
  EXPECT_GT(updates, 0);
  EXPECT_FALSE(button->Enabled());
  canSave = true;
  Pump();
  EXPECT_TRUE(button->Enabled());

  // The actions of a form that is not showing are left alone.
  Form->Hide();
  Pump();
  const int before = updates;
  Pump();
  EXPECT_EQ(updates, before);
}

TEST_F(Actions, AClickRunsTheActionOnlyWhileItIsEnabled) {
  TTestButton* button = AddButton("btnSave");
  std::vector<TComponent*> runs;
  Action->OnExecute = [&](TObject*) { runs.push_back(Action->ActionComponent()); };
  ShowForm();
  Click(button, {5, 5});
  Pump();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0], button);
  EXPECT_EQ(Action->ActionComponent(), nullptr);

  // Disabled by its update at the moment it runs: nothing happens.
  Action->OnUpdate = [&](TObject*) { Action->SetEnabled(false); };
  EXPECT_FALSE(Action->Execute());
  EXPECT_EQ(runs.size(), 1u);
}

TEST_F(Actions, AShortCutOfTheFormsActionListRunsTheAction) {
  AddBox("edit");
  int runs = 0;
  Action->SetShortCut(ShortCut('S', ssCtrl));
  Action->OnExecute = [&](TObject*) { ++runs; };
  ShowForm();
  PressKey('S');
  Pump();
  EXPECT_EQ(runs, 0);
  PressKey('S', ssCtrl);
  Pump();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(ShortCutToText(Action->ShortCut()), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F3, ssShift)), "Shift+F3");
  EXPECT_EQ(TextToShortCut("Ctrl+F4"), ShortCut(VK_F4, ssCtrl));
  EXPECT_EQ(TextToShortCut("alt+shift+s"), ShortCut('S', ssShift | ssAlt));
  EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
  EXPECT_EQ(TextToShortCut("Hyper+X"), scNone);
}

TEST_F(Actions, FreeingTheActionOrTheListUnbindsTheirClients) {
  TTestButton* button = AddButton("btnSave");
  delete List;
  EXPECT_EQ(Action->ActionList(), nullptr);
  delete Action;
  EXPECT_EQ(button->Action(), nullptr);
  Click(button, {5, 5});
  Pump();  // nothing to run, no crash
}

TEST_F(Actions, ALayoutBindsControlsToActionsAndKeepsCaptionsItGives) {
  const String layout = R"(object ActionForm: TForm
  Left = 10
  Top = 10
  Width = 300
  Height = 200
  object ActionList1: TActionList
    object actLogin: TAction
      Caption = '登录'
      Hint = '登录系统'
      ShortCut = 16460
    end
    object actCancel: TAction
      Caption = '取消'
    end
  end
  object btnLogin: TTestButton
    Action = actLogin
  end
  object btnCancel: TTestButton
    Action = actCancel
    Caption = '关闭'
  end
end
)";
  TCustomForm* form = TCustomForm::Create<TForm>(Application);
  ReadLayout(layout, form);
  auto* list = dynamic_cast<TActionList*>(form->FindComponent("ActionList1"));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->ActionCount(), 2);
  EXPECT_EQ(list->Actions(0)->Name(), "actLogin");
  EXPECT_EQ(list->Actions(0)->ShortCut(), ShortCut('L', ssCtrl));
  auto* login = dynamic_cast<TTestButton*>(form->FindComponent("btnLogin"));
  auto* cancel = dynamic_cast<TTestButton*>(form->FindComponent("btnCancel"));
  EXPECT_EQ(login->Caption(), "登录");
  EXPECT_EQ(login->Hint(), "登录系统");
  EXPECT_EQ(cancel->Caption(), "关闭");
  // The actions are written inside their list, as they were read.
  const String written = WriteLayout(form);
  EXPECT_NE(written.find("  object ActionList1: TActionList\n    object actLogin: TAction\n"), String::npos) << written;
  EXPECT_NE(written.find("    Action = actLogin\n"), String::npos);
}

}  // namespace
