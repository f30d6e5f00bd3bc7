// The progress window: its task, its steps, a fresh start each time it is shown, and work run
// under it.
#include "app/windows/ProgressTask.h"

#include <algorithm>

#include "app/kits/FormKit.h"
#include "controls/Application.h"

void TProgressTask::Publish(TClassBuilder<TProgressTask>& c) {
  c.Method("FormShow", &TProgressTask::FormShow);
  c.Method("FormClose", &TProgressTask::FormClose);
}

void TProgressTask::Loaded() {
  TForm::Loaded();
  BindComponent(this, lbText, "lbText");
  BindComponent(this, pbFinished, "pbFinished");
}

void TProgressTask::FormShow(TObject*) {
  lbText->SetCaption(String());
  pbFinished->SetPosition(0);
}

void TProgressTask::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void TProgressTask::SetTask(const String& Text, int Max) {
  lbText->SetCaption(Text);
  pbFinished->SetMin(0);
  pbFinished->SetMax(Max);
  pbFinished->SetStep(1);
  pbFinished->SetPosition(0);
  Repaint();
}

void TProgressTask::StepIt() { StepBy(1); }

void TProgressTask::StepBy(int Count) {
  pbFinished->StepBy(std::min(Count, pbFinished->Max() - pbFinished->Position()));
  Repaint();
}

void RunProgressTask(const std::function<void(TProgressTask*)>& Work) {
  TScreenCursorScope hourglass(crHourGlass);
  TComponentPtr<TProgressTask> progress(TCustomForm::Create<TProgressTask>(Application));
  progress->Show();
  Work(progress.get());
  progress->Hide();
}
