// The splash window's variable; the window itself is all layout.
#include "app/windows/Splash.h"

TfmSplash* fmSplash = nullptr;

TfmSplash::~TfmSplash() {
  if (fmSplash == this) fmSplash = nullptr;
}
