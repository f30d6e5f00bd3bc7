// Scratch files of a fuzz run: a folder of its own, a new file name for every input (so that no
// reader that caches by name and time mistakes one input for the one before), removed at exit;
// and a file's bytes read back.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& Stem)
      : FPath(std::filesystem::temp_directory_path() / ("quorin-fuzz-" + Stem + "-" + std::to_string(getpid()))) {
    std::filesystem::create_directories(FPath);
  }
  ~ScratchFolder() {
    std::error_code ignored;  // a failed clean-up of scratch files must not fail the run
    std::filesystem::remove_all(FPath, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string NextFile(const std::string& Stem) { return (FPath / (Stem + std::to_string(++FSerial) + ".ini")).string(); }
  // A new file holding the bytes.
  std::string NextFileWith(const std::string& Stem, const uint8_t* Data, size_t Size) {
    const std::string path = NextFile(Stem);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(Data), std::streamsize(Size));
    return path;
  }
  void Empty() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(FPath, ignored)) std::filesystem::remove(entry.path(), ignored);
  }

 private:
  std::filesystem::path FPath;
  long FSerial = 0;
};

inline std::string FileText(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
