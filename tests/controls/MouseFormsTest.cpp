// Mouse events and clicks of controls, graphic controls handled through their parent, cancel
// mode, enter and leave, exceptions in handlers, and forms: modal, closing, placement, layouts,
// windows made again, rendering.
#include "ControlsTestKit.h"
#include "controls/Edit.h"
#include "windows/Focus.h"

namespace {

using MouseAndForms = TControlsTest;

TEST_F(MouseAndForms, ClicksDoubleClicksAndImplicitCapture) {
  TTestBox* a = AddBox("a");
  ShowForm();
  int clicks = 0, doubles = 0;
  std::vector<TShiftState> downs;
  a->OnClick = [&](TObject*) { ++clicks; };
  a->OnDblClick = [&](TObject*) { ++doubles; };
  a->OnMouseDown = [&](TObject*, TMouseButton, TShiftState s, int, int) { downs.push_back(s); };
  MouseDown(a, {5, 5});
  Pump();
  EXPECT_EQ(GetCapture(), a->Handle());  // held between press and release
  MouseUp(a, {5, 5});
  Click(a, {5, 5});
  Pump();
  EXPECT_EQ(GetCapture(), HWND());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(doubles, 1);
  ASSERT_EQ(downs.size(), 2u);
  EXPECT_EQ(downs[1] & ssDouble, ssDouble);
  // Released outside: no click.
  MouseDown(a, {5, 5});
  MouseUp(a, {200, 5});
  Pump();
  EXPECT_EQ(clicks, 1);
}

TEST_F(MouseAndForms, GraphicControlsAreHitTestedAndPaintedByTheirParent) {
  auto* mark = new TTestMark(Form);
  mark->SetParent(Form);
  mark->SetBounds(100, 50, 20, 20);
  ShowForm();
  Click(mark, {10, 10});
  Pump();
  EXPECT_EQ(mark->Clicks, 1);
  EXPECT_EQ(WindowPixel(Form->Handle(), 110, 60), clRed);
  EXPECT_EQ(WindowPixel(Form->Handle(), 90, 60), ColorToRGB(clBtnFace));
}

TEST_F(MouseAndForms, PressingAnotherControlSendsCancelModeToTheFocusedOne) {
  TTestBox* a = AddBox("a");
  TTestBox* b = AddBox("b");
  ShowForm();
  a->SetFocus();
  Click(b, {5, 5});
  Pump();
  EXPECT_EQ(std::count(a->Events.begin(), a->Events.end(), "a.cancelmode"), 1);
  EXPECT_EQ(std::count(b->Events.begin(), b->Events.end(), "b.cancelmode"), 0);
}

TEST_F(MouseAndForms, MouseEnterAndLeave) {
  TTestBox* a = AddBox("a");
  TTestBox* b = AddBox("b");
  ShowForm();
  MouseMove(a, {5, 5});
  Pump();
  MouseMove(b, {5, 5});
  Pump();
  MouseAt(TMouseInput::Move, {900, 700});
  Pump();
  EXPECT_EQ(a->Events, (std::vector<String>{"a.enter", "a.mouseenter", "a.mouseleave"}));
  EXPECT_EQ(b->Events, (std::vector<String>{"b.mouseenter", "b.mouseleave"}));
}

TEST_F(MouseAndForms, AnExceptionInAClickHandlerIsShownAndTheLoopGoesOn) {
  TTestBox* a = AddBox("a");
  ShowForm();
  int clicks = 0;
  a->OnClick = [&](TObject*) {
    if (++clicks == 1) throw Exception("保存失败。");
  };
  Click(a, {5, 5});
  Click(a, {5, 5});
  Advance(1000);
  Click(a, {5, 5});
  Pump();
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_EQ(MessageBoxes().Shown[0].Text, "保存失败。");
  EXPECT_EQ(clicks, 2);  // the second press was a double click

  a->OnClick = [](TObject*) { Abort(); };  // EAbort is silent
  Advance(1000);
  Click(a, {5, 5});
  Pump();
  EXPECT_EQ(MessageBoxes().Shown.size(), 1u);
}

TEST_F(MouseAndForms, ShowModalRunsUntilAModalResultAndCloseQueryCanRefuse) {
  auto* ok = new TTestButton(Form);
  ok->SetParent(Form);
  ok->ModalResult = mrOk;
  int queries = 0;
  // The first query refuses, the second raises (the form stays and the message shows), the third lets go.
  Form->OnCloseQuery = [&](TObject*, bool& canClose) {
    if (++queries == 2) throw Exception("请输入有效的值。");
    canClose = queries > 2;
  };
  TestClock().OnWait([&] { Click(ok, {5, 5}); });
  for (int i = 0; i < 2; ++i)
    TestClock().OnWait([&] {
      TestClock().Advance(1000);  // not a double click
      Click(ok, {5, 5});
    });
  EXPECT_EQ(Form->ShowModal(), mrOk);
  EXPECT_EQ(queries, 3);
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_EQ(MessageBoxes().Shown[0].Text, "请输入有效的值。");
  EXPECT_FALSE(Form->Visible());
}

TEST_F(MouseAndForms, OtherWindowsAreDisabledWhileAFormIsModal) {
  ShowForm();
  auto* dialog = TCustomForm::Create<TForm>(Application);
  dialog->SetBounds(150, 150, 100, 80);
  bool mainEnabled = true;
  TestClock().OnWait([&] {
    mainEnabled = IsWindowEnabled(Form->Handle());
    dialog->SetModalResult(mrCancel);
  });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_FALSE(mainEnabled);
  EXPECT_TRUE(IsWindowEnabled(Form->Handle()));
  EXPECT_EQ(GetActiveWindow(), Form->Handle());
}

// The dialog that opened a modal box is disabled while the box is up; when the box closes the
// dialog is active again with its focus back, so the keys reach it.
TEST_F(MouseAndForms, AModalFormThatOpenedAnotherGetsItsFocusBackWhenThatOneCloses) {
  ShowForm();
  auto* dialog = TCustomForm::Create<TForm>(Application);
  dialog->SetBounds(150, 150, 200, 120);
  auto* edit = new TEdit(dialog);
  edit->SetParent(dialog);
  auto* box = TCustomForm::Create<TForm>(Application);
  box->SetBounds(200, 200, 100, 80);
  HWND focusAfter;
  TestClock().OnWait([&] {
    edit->SetFocus();
    TestClock().OnWait([&] { box->SetModalResult(mrOk); });
    EXPECT_EQ(box->ShowModal(), mrOk);
    focusAfter = GetFocus();
    EXPECT_EQ(GetActiveWindow(), dialog->Handle());
    EXPECT_EQ(Screen->ActiveForm(), dialog);
    dialog->SetModalResult(mrCancel);
  });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_EQ(focusAfter, edit->Handle());
  box->Free();
  dialog->Free();
}

TEST_F(MouseAndForms, CloseActionsHideOrFreeTheFormLater) {
  ShowForm();
  auto* other = TCustomForm::Create<TForm>(Application);
  other->Show();
  Pump();
  other->Close();
  EXPECT_FALSE(other->Visible());
  other->Show();
  bool destroyed = false;
  other->OnDestroy = [&](TObject*) { destroyed = true; };
  other->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
  other->Close();
  EXPECT_FALSE(destroyed);  // freed once the waiting messages are handled
  Pump();
  EXPECT_TRUE(destroyed);
}

TEST_F(MouseAndForms, PlacementAlignmentAndAnchors) {
  Form->SetPosition(poScreenCenter);
  auto* top = AddBox("top");
  top->SetAlign(alTop);
  auto* client = AddBox("client");
  client->SetAlign(alClient);
  auto* corner = AddBox("corner");
  corner->SetAnchors(AnchorBit(akRight) | AnchorBit(akBottom));
  ShowForm();
  EXPECT_EQ(Form->BoundsRect(), Bounds((1024 - 300) / 2, (768 - 240) / 2, 300, 240));
  EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 300, 24));
  EXPECT_EQ(client->BoundsRect(), Bounds(0, 24, 300, 216));
  const TRect before = corner->BoundsRect();
  Form->SetWindowState(wsMaximized);
  Pump();
  EXPECT_EQ(Form->BoundsRect(), Bounds(0, 0, 1024, 738));
  EXPECT_EQ(client->BoundsRect(), Bounds(0, 24, 1024, 714));
  EXPECT_EQ(corner->Left(), before.Left + 1024 - 300);
  EXPECT_EQ(corner->Top(), before.Top + 738 - 240);
}

TEST_F(MouseAndForms, FontsAndColoursFollowTheParentUntilSetOwn) {
  TTestBox* a = AddBox("a");
  a->SetParentColor(true);
  Form->Font()->SetName(TestFontName);
  Form->SetColor(clYellow);
  EXPECT_EQ(a->Font()->Name(), TestFontName);
  EXPECT_EQ(a->Color(), clYellow);
  a->Font()->SetHeight(-20);
  EXPECT_FALSE(a->ParentFont());
  Form->Font()->SetName("宋体");
  EXPECT_EQ(a->Font()->Name(), TestFontName);
}

TEST_F(MouseAndForms, WindowsAreMadeOnDemandAndMadeAgainWithoutLosingState) {
  TTestBox* a = AddBox("a");
  a->SetCaption("原文");
  EXPECT_FALSE(a->HandleAllocated());
  ShowForm();
  ASSERT_TRUE(a->HandleAllocated());
  const HWND first = a->Handle();
  EXPECT_TRUE(GetWindowLong(first, GWL_STYLE) & WS_TABSTOP);
  EXPECT_TRUE(GetWindowLong(first, GCL_STYLE) & CS_DBLCLKS);
  a->SetFocus();
  a->RecreateWnd();
  Pump();
  EXPECT_FALSE(IsWindow(first));
  EXPECT_NE(a->Handle(), first);
  EXPECT_EQ(GetWindowText(a->Handle()), "原文");
  EXPECT_EQ(a->BoundsRect(), Bounds(10, 10, 80, 24));
  EXPECT_TRUE(IsWindowVisible(a->Handle()));
  EXPECT_EQ(FindControl(a->Handle()), a);
  EXPECT_EQ(FindControl(first), nullptr);
}

TEST_F(MouseAndForms, AFormIsMadeFromItsStoredLayoutWithItsHandlers) {
  RegisterSampleForm();
  auto* form = TCustomForm::Create<TSampleForm>(Application);
  EXPECT_EQ(form->Log, (std::vector<String>{"create"}));
  EXPECT_EQ(form->Caption(), "示例窗口");
  auto* ok = dynamic_cast<TTestButton*>(form->FindComponent("btnOk"));
  auto* code = dynamic_cast<TWinControl*>(form->FindComponent("edtCode"));
  ASSERT_TRUE(ok && code);
  form->Show();
  Pump();
  EXPECT_EQ(form->Log, (std::vector<String>{"create", "show"}));
  EXPECT_EQ(form->ActiveControl(), code);  // TabOrder 0
  EXPECT_EQ(form->Left(), (1024 - 320) / 2);
  Click(ok, {5, 5});
  Pump();
  EXPECT_EQ(form->Log.back(), "ok");
}

TEST_F(MouseAndForms, AFormWithCustomPaintedControlsRendersToPng) {
  Form->SetCaption("Rendering");
  TTestBox* a = AddBox("a");
  a->SetCaption("Name");
  TTestBox* b = AddBox("b");
  b->SetCaption("中文");
  b->SetColor(clInfoBk);
  auto* button = new TTestButton(Form);
  button->SetParent(Form);
  button->SetBounds(10, 100, 75, 25);
  button->SetCaption("OK");
  auto* mark = new TTestMark(Form);
  mark->SetParent(Form);
  mark->SetBounds(120, 20, 40, 40);
  ShowForm();
  const std::string path = RenderWindowToPng(Form->Handle(), "controls_form.png");
  EXPECT_FALSE(path.empty());
  EXPECT_EQ(WindowPixel(Form->Handle(), 140, 40), clRed);
  EXPECT_EQ(WindowPixel(b->Handle(), 40, 20), ColorToRGB(clInfoBk));
}

TEST_F(MouseAndForms, ApplicationMainFormAndTermination) {
  TForm* main = nullptr;
  Application->CreateForm(main);
  EXPECT_EQ(Application->MainForm(), Application->MainForm() ? main : nullptr);
  bool idled = false;
  Application->OnIdle = [&](TObject*, bool& done) {
    idled = true;
    done = true;
  };
  TestClock().OnWait([&] { main->Close(); });
  Application->Run();
  EXPECT_TRUE(idled);
  EXPECT_TRUE(Application->Terminated());
}

TEST_F(MouseAndForms, AChildWhoseWindowWasMadeEarlyShowsWithItsForm) {
  TTestBox* a = AddBox("a");
  a->HandleNeeded();
  EXPECT_FALSE(IsWindowVisible(a->Handle()));
  ShowForm();
  Pump();
  EXPECT_TRUE(IsWindowVisible(a->Handle()));
}

}  // namespace
