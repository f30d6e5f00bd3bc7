// The fuzz targets' GUI (see FuzzGui.h). Like a test program's main, it sets Qt up before the
// first window or font is made; the application lives until the run ends.
#include "FuzzGui.h"

#include <QApplication>

#include <cstdlib>
#include <memory>

#include "controls/Application.h"
#include "controls/ControlClasses.h"
#include "windows/Services.h"

namespace {

class TAnsweringMessageBox : public TMessageBoxService {
 public:
  int Show(HWND, const String&, const String&, UINT) override { return IDOK; }
};

bool Start() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
  static int argc = 1;
  static char name[] = "quorin-fuzz";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
  RegisterControlsClasses();
  InitApplication();
  SetMessageBoxService(std::make_unique<TAnsweringMessageBox>());
  return true;
}

}  // namespace

void StartFuzzGui() {
  static const bool started = Start();
  (void)started;
}
