// Main of every test program: headless Qt at a fixed 96 dpi, and a private settings file so that
// no test reads or writes the user's own settings.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <filesystem>

#include "support/TempDir.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
  TempDir settingsDir;
  setenv("QUORIN_REGISTRY", (settingsDir.Path() / "registry.ini").c_str(), 1);
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
