// The form fixture of control tests: a form of the application's kind, made in code, with small
// controls that record what happens to them (a box that paints itself, a button that answers the
// dialog keys, a graphic mark) and helpers that place any control on it and read what it paints.
#pragma once

#include <string>
#include <vector>

#include "classes/Properties.h"
#include "controls/Application.h"
#include "graphics/Gdi.h"
#include "graphics/Metafile.h"
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

inline void RegisterTestControls() {
  RegisterClass<TTestBox, TCustomControl>("TTestBox");
  RegisterClass<TTestButton, TCustomControl>("TTestButton");
  RegisterClass<TTestMark, TGraphicControl>("TTestMark");
}

// What a control painted, read from a recording canvas: its text runs and filled areas in
// client coordinates, in drawing order.
struct TRecordedPaint {
  std::vector<TMetafileTextRun> Texts;
  std::vector<TMetafileFill> Fills;
  // The first run whose text is Text, or nullptr.
  const TMetafileTextRun* FindText(const String& Text) const {
    for (const auto& run : Texts)
      if (run.Text == Text) return &run;
    return nullptr;
  }
};

inline TRecordedPaint RecordPaint(TWinControl* Control) {
  TMetafile metafile;
  {
    TMetafileCanvas canvas(&metafile, Control->ClientWidth(), Control->ClientHeight());
    Control->PaintTo(&canvas, 0, 0);
  }
  return {metafile.TextRuns(), metafile.Fills()};
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
  template <class T>
  T* Add(const String& Name, TRect Bounds, TWinControl* Parent = nullptr) {
    auto* c = new T(Form);
    c->SetName(Name);
    c->SetBoundsRect(Bounds);
    c->SetParent(Parent ? Parent : Form);
    return c;
  }
  void ShowForm() {
    Form->Show();
    Pump();
  }
  TForm* Form = nullptr;
  std::vector<TTestBox*> Boxes;
};
