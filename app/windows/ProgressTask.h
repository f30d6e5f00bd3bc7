// The progress window of long work: a task text and a bar from 0 to a maximum, stepped by one
// and repainted at once; the data module's builds report to it. Its callers show it, hide it and
// free it; closed, it frees itself.
#pragma once

#include <functional>

#include "app/data/TaskProgress.h"
#include "classes/Properties.h"
#include "controls/Forms.h"
#include "controls/Label.h"
#include "controls/ProgressBar.h"

class TProgressTask : public TForm, public TTaskProgress {
 public:
  using TForm::TForm;
  String ClassName() const override { return "TProgressTask"; }
  String LayoutModule() const override { return "ProgressTask"; }
  static void Publish(TClassBuilder<TProgressTask>& c);

  // A new phase: the text, and the bar at 0 of Max.
  void SetTask(const String& Text, int Max) override;
  // One step, up to Max.
  void StepIt();
  // Count steps at once, up to Max, with one repaint.
  void StepBy(int Count) override;

  TLabel* lbText = nullptr;
  TProgressBar* pbFinished = nullptr;

 protected:
  void Loaded() override;

 private:
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
};

// Runs Work under a new progress window and the hourglass cursor; the window is freed and the
// cursor restored however Work ends.
void RunProgressTask(const std::function<void(TProgressTask*)>& Work);
