// TfrProgressForm, the engine's progress window: shown modally while a report builds, prints or
// exports, it runs the work once it is on screen, follows the pages in its first label, and its
// cancel button stops the report it serves.
#pragma once

#include <exception>
#include <functional>

#include "controls/Button.h"
#include "controls/Forms.h"
#include "controls/Label.h"
#include "report/FR_Progress.h"

class TfrProgressForm : public TForm, public TfrProgressView {
 public:
  explicit TfrProgressForm(TComponent* AOwner);
  String ClassName() const override { return "TfrProgressForm"; }

  int Execute(const String& Caption, const std::function<void()>& Step) override;
  void Close(int ModalResult) override { SetModalResult(ModalResult); }
  void SetFirstLabel(const String& Text) override;
  void SetSecondLabel(const String& Text) override;
  void ProcessMessages() override;

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TButton* Button1 = nullptr;

 protected:
  void Dispatch(TMessage& Message) override;

 private:
  void CancelClick(TObject* Sender);
  std::function<void()> FStep;
  // The error the step failed with, raised again once the window is closed.
  std::exception_ptr FStepError;
};

// Binds a progress window of the engine's own (made once, reused for every report) as the
// engine's progress view. Safe to call more than once.
void frUseProgressForm();
