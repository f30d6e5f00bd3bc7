// Questions about files on disk.
#pragma once

#include "rtl/Types.h"

// True when the name is an existing file (not a folder); never raises.
bool FileExists(const String& FileName);
