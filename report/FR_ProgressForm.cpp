// The progress window: laid out in code, it posts itself a message when shown modally and runs
// the report's step on it; cancel marks the report being worked on as terminated.
#include "report/FR_ProgressForm.h"

#include <utility>

#include "controls/Application.h"
#include "controls/PlaceControl.h"
#include "report/FR_Class.h"
#include "report/FR_Const.h"
#include "report/FR_Ctrls.h"
#include "report/FR_State.h"
#include "windows/MessageQueue.h"

namespace {

// The private message on which the step runs, once the window is on screen.
constexpr UINT CM_RUNSTEP = WM_USER + 1;

}  // namespace

TfrProgressForm::TfrProgressForm(TComponent* AOwner) : TForm(AOwner) {
  frSetupDialog(this, String(), 278, 106);
  Label1 = PlaceControl<TLabel>(this, this, "Label1", Bounds(8, 16, 262, 16));
  Label2 = PlaceControl<TLabel>(this, this, "Label2", Bounds(8, 40, 262, 16));
  for (TLabel* label : {Label1, Label2}) {
    label->SetAutoSize(false);
    label->SetAlignment(taCenter);
  }
  Button1 = PlaceControl<TButton>(this, this, "Button1", Bounds(101, 70, 75, 25));
  Button1->SetCancel(true);
  Button1->OnClick = [this](TObject* Sender) { CancelClick(Sender); };
}

int TfrProgressForm::Execute(const String& Caption, const std::function<void()>& Step) {
  SetCaption(Caption);
  Button1->SetCaption(frLoadStr(55001));
  Label2->SetCaption(String());
  FStep = Step;
  FStepError = nullptr;
  PostMessage(Handle(), CM_RUNSTEP);
  const int result = ShowModal();
  FStep = nullptr;
  if (FStepError) std::rethrow_exception(std::exchange(FStepError, nullptr));
  return result;
}

void TfrProgressForm::SetFirstLabel(const String& Text) { Label1->SetCaption(Text); }
void TfrProgressForm::SetSecondLabel(const String& Text) { Label2->SetCaption(Text); }
void TfrProgressForm::ProcessMessages() { Application->ProcessMessages(); }

void TfrProgressForm::CancelClick(TObject*) {
  TfrEngineState& state = frState();
  if (state.RootReport) state.RootReport->SetTerminated(true);
  if (state.ActiveReport) state.ActiveReport->SetTerminated(true);
  SetModalResult(mrCancel);
}

void TfrProgressForm::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_RUNSTEP) {
    // An error would otherwise surface inside the modal loop and leave the window open.
    try {
      if (FStep) FStep();
    } catch (...) {
      FStepError = std::current_exception();
      SetModalResult(mrCancel);
    }
    return;
  }
  TForm::Dispatch(Message);
}

void frUseProgressForm() {
  if (dynamic_cast<TfrProgressForm*>(frProgressView())) return;
  auto* form = new TfrProgressForm(nullptr);
  SetProgressView(std::unique_ptr<TfrProgressView>(form));
}
