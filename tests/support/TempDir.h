// A directory under the system's temporary folder that is removed with everything in it when the
// owner goes out of scope.
#pragma once

#include <filesystem>

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return FPath; }
  // Path of a file inside the directory, as a string for APIs that take one.
  std::string File(const std::string& name) const { return (FPath / name).string(); }

 private:
  std::filesystem::path FPath;
};
