// The text form of stored layouts: "object Name: Class" blocks with "Name = value" lines, two
// spaces of indentation per level. ParseLayout reads it; PrintLayout writes the same form back.
#pragma once

#include "classes/LayoutValue.h"

// Reads one root object; raises ELayoutError with the line of the first syntax error.
TLayoutObject ParseLayout(const String& text);
String PrintLayout(const TLayoutObject& root);

// A value on one line, shortened when long, for error messages.
String LayoutValueText(const TLayoutValue& value);
// 'quoted' text with quotes doubled and control characters as #13 style codes.
String LayoutQuote(const String& s);
// The shortest text that reads back as exactly this double, always with a point or exponent.
String LayoutFloatText(double value);
