// Conversion between the system's UTF-8 text and GB18030 bytes, the code page of the report files
// and of other files written by the earlier version of the program.
#pragma once

#include <string>

#include "rtl/Types.h"

// GB18030 encodes every Unicode character, so text survives the round trip. An invalid UTF-8
// sequence becomes U+FFFD before encoding; invalid GB18030 bytes decode to U+FFFD.
std::string Utf8ToGB18030(const String& text);
String GB18030ToUtf8(const std::string& bytes);
