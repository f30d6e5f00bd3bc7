// The platform's application object for a program's main.
#include "controls/GuiProgram.h"

#include <QApplication>
#include <QLocale>

#include <cstdlib>

int RunGuiProgram(int argc, char** argv, const std::function<int()>& Body) {
  // Device pixels at 96 dpi: Qt must not scale, and that is decided when its application is made.
  setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
  QApplication application(argc, argv);
  UseProgramLocale();
  return Body();
}

void UseProgramLocale() { QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China)); }
