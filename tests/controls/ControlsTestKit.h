// Small controls for the control library's tests: a box that paints itself and records what
// happened to it, a button that answers the dialog keys, a graphic mark, and a form class with
// handlers that stored layouts bind.
#pragma once

#include <string>
#include <vector>

#include "classes/Properties.h"
#include "controls/Application.h"
#include "graphics/Gdi.h"
#include "support/GuiHarness.h"

class TTestBox : public TCustomControl {
 public:
  explicit TTestBox(TComponent* AOwner) : TCustomControl(AOwner) {
    SetTabStop(true);
    SetBounds(0, 0, 80, 24);
    SetColor(clWindow);
    OnEnter = [this](TObject*) { Events.push_back(Name() + ".enter"); };
    OnExit = [this](TObject*) {
      Events.push_back(Name() + ".exit");
      if (RefuseExit) throw Exception("请先输入有效的值。");
    };
  }
  String ClassName() const override { return "TTestBox"; }
  std::vector<String> Events;
  bool RefuseExit = false;
  LRESULT DialogCode = 0;
  std::vector<HWND> FocusFrom, FocusTo;

 protected:
  void Paint() override {
    TCanvas* c = Canvas();
    c->Brush()->SetColor(Color());
    c->Pen()->SetColor(clBlack);
    c->Rectangle(ClientRect());
    c->TextOut(4, 4, Caption());
    TCustomControl::Paint();
  }
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_GETDLGCODE) {
      Message.Result = DialogCode;
      return;
    }
    if (Message.Msg == WM_SETFOCUS) FocusFrom.push_back(HWND::FromParam(static_cast<intptr_t>(Message.WParam)));
    if (Message.Msg == WM_KILLFOCUS) FocusTo.push_back(HWND::FromParam(static_cast<intptr_t>(Message.WParam)));
    if (Message.Msg == CM_CANCELMODE) Events.push_back(Name() + ".cancelmode");
    if (Message.Msg == CM_MOUSEENTER) Events.push_back(Name() + ".mouseenter");
    if (Message.Msg == CM_MOUSELEAVE) Events.push_back(Name() + ".mouseleave");
    TCustomControl::Dispatch(Message);
  }
};

class TTestButton : public TCustomControl {
 public:
  explicit TTestButton(TComponent* AOwner) : TCustomControl(AOwner) {
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
  }
  String ClassName() const override { return "TTestButton"; }
  bool Default = false;
  bool Cancel = false;
  TModalResult ModalResult = mrNone;
  int Clicks = 0;

  void Click() override {
    ++Clicks;
    if (ModalResult != mrNone)
      if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(ModalResult);
    TCustomControl::Click();
  }

 protected:
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == CM_DIALOGKEY &&
        ((Message.WParam == VK_RETURN && Default) || (Message.WParam == VK_ESCAPE && Cancel))) {
      Click();
      Message.Result = 1;
      return;
    }
    TCustomControl::Dispatch(Message);
  }
  void Paint() override {
    TRect r = ClientRect();
    DrawFrameControl(Canvas()->Handle(), r, DFC_BUTTON, DFCS_BUTTONPUSH);
    TRect text = ClientRect();
    Canvas()->Brush()->SetStyle(TBrushStyle::bsClear);
    DrawText(Canvas()->Handle(), Caption(), -1, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
};

class TTestMark : public TGraphicControl {
 public:
  explicit TTestMark(TComponent* AOwner) : TGraphicControl(AOwner) { SetBounds(0, 0, 20, 20); }
  String ClassName() const override { return "TTestMark"; }
  int Clicks = 0;

 protected:
  void Click() override {
    ++Clicks;
    TGraphicControl::Click();
  }
  void Paint() override {
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->Pen()->SetColor(clMaroon);
    Canvas()->Ellipse(0, 0, Width(), Height());
  }
};

// The form of the stored layout tests/controls/layouts/SampleForm.layout.
class TSampleForm : public TForm {
 public:
  using TForm::TForm;
  String ClassName() const override { return "TSampleForm"; }
  String LayoutModule() const override { return "SampleForm"; }
  void FormCreate(TObject*) { Log.push_back("create"); }
  void FormShow(TObject*) { Log.push_back("show"); }
  void OkClick(TObject*) { Log.push_back("ok"); }
  std::vector<String> Log;
  static void Publish(TClassBuilder<TSampleForm>& c) {
    c.Method("FormCreate", &TSampleForm::FormCreate);
    c.Method("FormShow", &TSampleForm::FormShow);
    c.Method("OkClick", &TSampleForm::OkClick);
  }
};

inline void RegisterTestControls() {
  RegisterClass<TTestBox, TCustomControl>("TTestBox");
  RegisterClass<TTestButton, TCustomControl>("TTestButton");
  RegisterClass<TTestMark, TGraphicControl>("TTestMark");
  RegisterClass<TSampleForm, TForm>("TSampleForm");
}

// A form of the given size with boxes named a, b, c ... placed in a column, in tab order.
class TControlsTest : public TGuiTest {
 protected:
  void SetUp() override {
    TGuiTest::SetUp();
    RegisterTestControls();
    Form = TCustomForm::Create<TForm>(Application);
    Form->SetName("Form1");
    Form->SetBounds(100, 100, 300, 240);
  }
  TTestBox* AddBox(const String& Name, TWinControl* Parent = nullptr) {
    auto* box = new TTestBox(Form);
    box->SetName(Name);
    box->SetBounds(10, 10 + 30 * static_cast<int>(Boxes.size()), 80, 24);
    box->SetParent(Parent ? Parent : Form);
    Boxes.push_back(box);
    return box;
  }
  void ShowForm() {
    Form->Show();
    Pump();
  }
  TForm* Form = nullptr;
  std::vector<TTestBox*> Boxes;
};
