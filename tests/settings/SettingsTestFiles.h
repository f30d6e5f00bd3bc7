// Small file helpers shared by the settings tests: whole-file text in and out, and a registry file
// of the test's own that is restored to the previous one afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/TempDir.h"

inline std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFileText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// Points the registry at a file in a fresh folder for the duration of a test.
class RegistryFileTest : public testing::Test {
 protected:
  void SetUp() override {
    const char* previous = std::getenv("QUORIN_REGISTRY");
    FPrevious = previous ? previous : "";
    UseRegistryFile(Dir.File("registry.ini"));
  }
  void TearDown() override { setenv("QUORIN_REGISTRY", FPrevious.c_str(), 1); }

  void UseRegistryFile(const std::string& path) {
    RegistryPath = path;
    setenv("QUORIN_REGISTRY", path.c_str(), 1);
  }
  // What a new run of the program would see: the same bytes, read afresh from another file.
  void ReopenFromDisk() {
    const std::string copy = Dir.File("reopened-" + std::to_string(++FReopens) + ".ini");
    std::filesystem::copy_file(RegistryPath, copy);
    UseRegistryFile(copy);
  }

  TempDir Dir;
  std::string RegistryPath;

 private:
  std::string FPrevious;
  int FReopens = 0;
};
