// The window layouts embedded in the program at build time (cmake/Layouts.cmake generates the
// calls to RegisterLayout), found by module name.
#pragma once

#include <cstddef>

#include "rtl/Types.h"

// Called by the generated code before main; a later registration of the same module replaces it.
void RegisterLayout(const char* Module, const unsigned char* Text, size_t Size);
// The layout text of Module (case-insensitive), or nullptr when the program embeds none.
const String* FindLayout(const String& Module);
