// Whole-file reading and atomic replacement of settings files. Private to the settings library;
// failures raise EIniFileException with the file name and the system's reason.
#pragma once

#include <string>

#include "rtl/Types.h"

// False when the file does not exist; the content otherwise.
bool ReadSettingsFile(const String& fileName, std::string& content);
// Writes a temporary file beside the target and renames it over the target, so that a crash
// leaves either the old file or the new one, never a part. Missing folders are created.
void WriteSettingsFile(const String& fileName, const std::string& content);
