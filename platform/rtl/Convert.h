// Conversion between numbers and text with the original run-time library's rules: integer and
// float parsing that raises EConvertError, float formatting in the general, fixed, number,
// exponent and currency forms, picture formats (FormatFloat) and printf-like Format.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "rtl/FormatSettings.h"
#include "rtl/Variant.h"

String IntToStr(int value);
String IntToStr(int64_t value);
// Upper-case hexadecimal, zero-padded to at least `digits`; negative values show their two's
// complement in 32 or 64 bits.
String IntToHex(int value, int digits);
String IntToHex(int64_t value, int digits);

// Integer text: leading blanks, an optional sign, decimal digits or hexadecimal after "$" or "0x".
// Nothing may follow. StrToInt is 32-bit: "2147483648" raises EConvertError.
int StrToInt(const String& s);
int64_t StrToInt64(const String& s);
int StrToIntDef(const String& s, int defaultValue);
int64_t StrToInt64Def(const String& s, int64_t defaultValue);
bool TryStrToInt(const String& s, int& value);
bool TryStrToInt64(const String& s, int64_t& value);

// Float text: blanks around, an optional sign, digits with the settings' decimal separator, an
// optional exponent ("1.5E-3"). No thousand separators; the result must be finite.
double StrToFloat(const String& s, const TFormatSettings& fs = FormatSettings());
double StrToFloatDef(const String& s, double defaultValue, const TFormatSettings& fs = FormatSettings());
bool TryStrToFloat(const String& s, double& value, const TFormatSettings& fs = FormatSettings());

// "True" and "False" in any letter case, or a number (non-zero is true).
bool TryStrToBool(const String& s, bool& value, const TFormatSettings& fs = FormatSettings());
bool StrToBool(const String& s, const TFormatSettings& fs = FormatSettings());

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// Precision counts significant digits (1 to 17). Digits is the least number of exponent digits
// for ffGeneral and ffExponent (0 to 4), and the number of decimals for the others (0 to 18).
// ffGeneral is the shortest of fixed and scientific forms; ffFixed and ffNumber fall back to it
// when the value has more integer digits than Precision.
String FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                   const TFormatSettings& fs = FormatSettings());
// The general form with 15 significant digits: 0.1 + 0.2 shows as "0.3", 1e20 as "1E20".
String FloatToStr(double value, const TFormatSettings& fs = FormatSettings());

// Picture formats: up to three sections "positive;negative;zero". In a section: "0" a digit or a
// zero, "#" a digit or nothing, "." the decimal point, "," anywhere asks for thousand separators,
// "E+" "E-" "e+" "e-" followed by zeros a scientific form, '...' and "..." literal text; any other
// character is copied. A negative section carries its own sign; an empty format or empty first
// section gives FloatToStr. The zero section serves values that round to zero.
String FormatFloat(const String& format, double value, const TFormatSettings& fs = FormatSettings());

// printf-like formatting: "%" [index ":"] ["-"] [width] ["." precision] type, with "*" taking
// width or precision from the next argument and "%%" for a percent sign. Types: d and x take an
// Integer or Int64 (precision = least digits), e f g n m a Double, Currency or DateTime (precision
// = decimals, or significant digits for e and g), s any value's text (Null gives "", precision =
// most characters). A missing argument or one of the wrong kind raises EConvertError.
String Format(const String& format, std::span<const Variant> args, const TFormatSettings& fs = FormatSettings());
String Format(const String& format, std::initializer_list<Variant> args, const TFormatSettings& fs = FormatSettings());
