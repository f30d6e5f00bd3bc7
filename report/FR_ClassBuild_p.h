// The state a report keeps while it builds its prepared pages (FR_ClassBuild.cpp): which pass is
// running, whether it is to stop, the template kept for the time of the build, the progress shown
// and the names being evaluated (FR_ClassValues.cpp).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "rtl/Streams.h"
#include "rtl/Types.h"

struct TfrReportBuildState {
  bool FinalPass = false;   // this build is the one whose pages are kept
  bool Terminated = false;  // stop building or printing as soon as possible
  bool CanRebuild = false;  // the pages were built from the template, not loaded
  uint16_t TwoPass = 0;     // the report's TwoPass when the build began
  std::unique_ptr<TMemoryStream> SavedTemplate;  // the template as it was before the build
  bool InsideProgress = false;
  String ProgressLabel;
  std::vector<String> Evaluating;  // names being evaluated as expressions
};
