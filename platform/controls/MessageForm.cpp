// The message dialog and the input box as forms of this library, so that Chinese text draws
// with the program's fonts and tests drive them like any other form: the icon and the wrapped
// message painted by the form, one button per button of the set, centred below.
#include "controls/Application.h"
#include "controls/Button.h"
#include "controls/Dialogs.h"
#include "controls/Edit.h"
#include "controls/Label.h"
#include "graphics/Gdi.h"

namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 8;

class TMessageForm : public TForm {
 public:
  explicit TMessageForm(TComponent* AOwner) : TForm(AOwner) {}
  String ClassName() const override { return "TMessageForm"; }

  void Build(const TMessageDialogRequest& Request);

 protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;

 private:
  void PaintIcon(TCanvas* Canvas, const TRect& R) const;
  TRect MessageRect() const;
  int ButtonCount() const;

  TMessageDialogRequest FRequest;
  bool FHasIcon = false;
  TSize FTextSize;
  bool FHasCancel = false;
};

TSize MeasureMessage(TCanvas* Canvas, const String& Text, int MaxWidth) {
  TRect r{0, 0, MaxWidth, 0};
  DrawText(Canvas->Handle(), Text, -1, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  return TSize{r.Width(), r.Height()};
}

void TMessageForm::Build(const TMessageDialogRequest& Request) {
  FRequest = Request;
  FHasIcon = Request.DlgType != mtCustom;
  SetBorderStyle(bsToolWindow);
  SetPosition(poScreenCenter);
  SetCaption(Request.Caption);
  TCanvas measure;
  measure.Font()->Assign(Font());
  FTextSize = MeasureMessage(&measure, Request.Msg, Desktop().ScreenRect().Width() / 2);
  const int buttons = ButtonCount();
  const int buttonsWidth = buttons * kButtonWidth + (buttons - 1) * kButtonGap;
  const int textLeft = kMargin + (FHasIcon ? kIconSize + kMargin : 0);
  const int contentHeight = std::max(FHasIcon ? kIconSize : 0, FTextSize.cy);
  SetClientWidth(std::max(textLeft + FTextSize.cx, buttonsWidth) + kMargin);
  SetClientHeight(kMargin + contentHeight + kMargin + kButtonHeight + kMargin);

  const TMsgDlgBtn defaultButton = DefaultButtonOf(Request);
  const int cancelButton = CancelButtonOf(Request.Buttons);
  FHasCancel = cancelButton >= 0;
  int x = (ClientWidth() - buttonsWidth) / 2;
  for (int b = mbYes; b <= mbHelp; ++b) {
    if (!(Request.Buttons & MsgDlgBit(static_cast<TMsgDlgBtn>(b)))) continue;
    auto* button = new TButton(this);
    button->SetName(String("btn") + std::to_string(b));
    button->SetParent(this);
    button->SetBounds(x, ClientHeight() - kMargin - kButtonHeight, kButtonWidth, kButtonHeight);
    button->SetCaption(MsgDlgButtonCaption(static_cast<TMsgDlgBtn>(b)));
    button->SetModalResult(MsgDlgButtonResult(static_cast<TMsgDlgBtn>(b)));
    button->SetTabStop(true);
    // The default button comes first in tab order, so that it has the focus when shown.
    if (b == defaultButton) {
      button->SetDefault(true);
      button->SetTabOrder(0);
    }
    button->SetCancel(b == cancelButton);
    x += kButtonWidth + kButtonGap;
  }
}

int TMessageForm::ButtonCount() const {
  int count = 0;
  for (int b = mbYes; b <= mbHelp; ++b) count += (FRequest.Buttons & MsgDlgBit(static_cast<TMsgDlgBtn>(b))) ? 1 : 0;
  return count;
}

TRect TMessageForm::MessageRect() const {
  const int left = kMargin + (FHasIcon ? kIconSize + kMargin : 0);
  const int top = kMargin + std::max(0, (FHasIcon ? kIconSize : 0) - FTextSize.cy) / 2;
  return TRect{left, top, left + FTextSize.cx, top + FTextSize.cy};
}

void TMessageForm::Paint() {
  TForm::Paint();
  TCanvas* canvas = Canvas();
  if (FHasIcon) PaintIcon(canvas, Bounds(kMargin, kMargin, kIconSize, kIconSize));
  canvas->Font()->Assign(Font());
  canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  TRect r = MessageRect();
  DrawText(canvas->Handle(), FRequest.Msg, -1, r, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
}

// The four icons drawn as shapes: a yellow triangle with "!", a red disc with "×", and blue
// discs with "i" and "?".
void TMessageForm::PaintIcon(TCanvas* Canvas, const TRect& R) const {
  static constexpr TColor kFill[] = {RGB(255, 200, 0), RGB(210, 30, 30), RGB(30, 90, 200), RGB(30, 90, 200)};
  static constexpr const char* kMark[] = {"!", "×", "i", "?"};
  Canvas->Pen()->SetColor(clBlack);
  Canvas->Brush()->SetColor(kFill[FRequest.DlgType]);
  if (FRequest.DlgType == mtWarning) {
    Canvas->Polygon({{R.Left + R.Width() / 2, R.Top}, {R.Right - 1, R.Bottom - 2}, {R.Left, R.Bottom - 2}});
  } else {
    Canvas->Ellipse(R);
  }
  Canvas->Font()->Assign(Font());
  Canvas->Font()->SetHeight(-20);
  Canvas->Font()->SetStyle(fsBold);
  Canvas->Font()->SetColor(FRequest.DlgType == mtWarning ? clBlack : clWhite);
  Canvas->Brush()->SetStyle(TBrushStyle::bsClear);
  TRect text = R;
  text.Top += FRequest.DlgType == mtWarning ? 6 : 0;
  DrawText(Canvas->Handle(), kMark[FRequest.DlgType], -1, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// Escape closes with Cancel even when the set has no button for it.
void TMessageForm::Dispatch(TMessage& Message) {
  TForm::Dispatch(Message);
  if (Message.Msg == CM_DIALOGKEY && Message.Result == 0 && Message.WParam == VK_ESCAPE && !FHasCancel) {
    SetModalResult(mrCancel);
    Message.Result = 1;
  }
}

TButton* AddButton(TForm* Form, const String& Caption, TModalResult Result, int X, int Y) {
  auto* button = new TButton(Form);
  button->SetParent(Form);
  button->SetBounds(X, Y, kButtonWidth, kButtonHeight);
  button->SetCaption(Caption);
  button->SetModalResult(Result);
  button->SetTabStop(true);
  return button;
}

}  // namespace

TModalResult ShowMessageForm(const TMessageDialogRequest& Request) {
  TComponentPtr<TMessageForm> form(TCustomForm::Create<TMessageForm>(nullptr));
  form->Build(Request);
  return form->ShowModal();
}

bool ShowInputQueryForm(const String& Caption, const String& Prompt, String& Value) {
  TComponentPtr<TForm> form(TCustomForm::Create<TForm>(nullptr));
  form->SetBorderStyle(bsDialog);
  form->SetPosition(poScreenCenter);
  form->SetCaption(Caption);
  form->SetClientWidth(270);
  form->SetClientHeight(100);
  auto* prompt = new TLabel(form.get());
  prompt->SetParent(form.get());
  prompt->SetBounds(kMargin, kMargin, 246, 14);
  prompt->SetCaption(Prompt);
  auto* edit = new TEdit(form.get());
  edit->SetName("Edit");
  edit->SetParent(form.get());
  edit->SetBounds(kMargin, 32, 246, 21);
  edit->SetText(Value);
  edit->SetTabStop(true);
  edit->SelectAll();
  prompt->SetFocusControl(edit);
  AddButton(form.get(), "确定", mrOk, 52, 64)->SetDefault(true);
  AddButton(form.get(), "取消", mrCancel, 143, 64)->SetCancel(true);
  if (form->ShowModal() != mrOk) return false;
  Value = edit->Text();
  return true;
}
