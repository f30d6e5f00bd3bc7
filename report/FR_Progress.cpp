// The progress view bound for the engine.
#include "report/FR_Progress.h"

namespace {

std::unique_ptr<TfrProgressView>& Bound() {
  static std::unique_ptr<TfrProgressView> view;
  return view;
}

}  // namespace

TfrProgressView* frProgressView() { return Bound().get(); }

std::unique_ptr<TfrProgressView> SetProgressView(std::unique_ptr<TfrProgressView> View) {
  std::swap(Bound(), View);
  return View;
}
