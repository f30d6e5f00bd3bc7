#include "support/TempDir.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quorin-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary directory");
  FPath = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;  // a failed clean-up of a temporary folder must not fail a test
  std::filesystem::remove_all(FPath, ignored);
}
