// How the data module's long work (card builds, statistics) tells of its progress: a phase with
// a text and a number of steps, then steps done. The progress window implements it; work run
// without a window is given none and tells nothing.
#pragma once

#include "rtl/Types.h"

class TTaskProgress {
 public:
  virtual ~TTaskProgress() = default;
  // A new phase: the text, and nothing done of Max steps.
  virtual void SetTask(const String& Text, int Max) = 0;
  // Count steps done at once, up to the phase's Max.
  virtual void StepBy(int Count) = 0;
};
