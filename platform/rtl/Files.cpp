// Files on disk through the standard library; names are UTF-8, as the system takes them.
#include "rtl/Files.h"

#include <filesystem>
#include <system_error>

bool FileExists(const String& FileName) {
  std::error_code error;
  return !FileName.empty() && std::filesystem::is_regular_file(std::filesystem::path(FileName), error);
}
