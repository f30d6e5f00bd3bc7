// Formatting of the values that text objects print: the format code stored with each text object,
// FormatValue, and the reader of the " #" format suffix that an expression in a text may carry.
#pragma once

#include "rtl/Variant.h"

// A format code holds the category in bits 24 to 27, the subtype in bits 16 to 23, the number of
// decimals in bits 8 to 15 and the decimal separator character in bits 0 to 7 (0: the program's).
enum TfrFormatCategory { fcText = 0, fcNumber = 1, fcDate = 2, fcTime = 3, fcBoolean = 4 };
// Subtype 4 of every category but text means "the custom format text".
constexpr int frCustomFormat = 4;

constexpr int frFormatCode(TfrFormatCategory category, int subtype, int decimals = 0, char separator = 0) {
  return (int(category) << 24) | ((subtype & 0xFF) << 16) | ((decimals & 0xFF) << 8) |
         int(static_cast<unsigned char>(separator));
}

// The text of a value under a format code: numbers by subtype 0 "##0.#", 1 fixed, 2 "#,##0.#",
// 3 with thousands separators, 4 the custom picture; dates and times by the engine's formats of
// that index or the custom text (date subtype 3 is the long date); Booleans by a "false;true"
// pair. Empty, Null and blank text give "". A value that does not fit its format prints as its
// plain text.
String FormatValue(const Variant& value, int format, const String& formatText);

// Cuts a name before " #" and reads the format written after it: "N0.00" (or "0.00") fixed with
// two decimals and "." as separator, "N#,##0.00" a custom number picture, "D..." or "T..." a custom
// date-time text, "B..." a custom Boolean pair. Answers false, leaving format and formatText
// alone, when the name has no format of these kinds, so that the text object's own applies.
// Raises EConvertError when a fixed format's separator is not followed by digits only.
bool ReadFormatSuffix(String& name, int& format, String& formatText);
