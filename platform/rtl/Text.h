// String routines that count characters as Unicode code points of UTF-8 text, with the
// 1-based positions and clamping of the original run-time library. A byte that is not valid
// UTF-8 counts as one character and is kept as it is.
#pragma once

#include <string>

#include "rtl/Types.h"

// Decoding and encoding single code points.
char32_t DecodeUtf8(const String& s, size_t& byteIndex);  // advances byteIndex past the character
String CodePointToUtf8(char32_t cp);
std::u32string ToCodePoints(const String& s);
String FromCodePoints(const std::u32string& cps);
// UTF-16 code units (characters beyond the basic plane as surrogate pairs) and back; a lone
// surrogate reads as U+FFFD.
std::u16string ToUtf16(const String& s);
String FromUtf16(const std::u16string& units);
// Byte offset of the character at 1-based position index; s.size() when index is past the end.
size_t ByteOffsetOf(const String& s, int index);

int Length(const String& s);
// Count characters from 1-based position index; out-of-range parts are clipped, never an error.
String Copy(const String& s, int index, int count);
// 1-based position of the first occurrence of sub in s, 0 when absent or sub is empty.
int Pos(const String& sub, const String& s, int offset = 1);
void Delete(String& s, int index, int count);
void Insert(const String& sub, String& s, int index);
String StringOfChar(char32_t ch, int count);

// Trimming removes blanks and control characters (every code up to and including ' ').
String Trim(const String& s);
String TrimLeft(const String& s);
String TrimRight(const String& s);

// UpperCase and LowerCase change only the letters a-z and A-Z; the Ansi forms follow Unicode case
// rules for every alphabet. Chinese text is unchanged by both.
String UpperCase(const String& s);
String LowerCase(const String& s);
String AnsiUpperCase(const String& s);
String AnsiLowerCase(const String& s);

// Comparisons answer <0, 0 or >0. CompareStr is by code point; CompareText ignores the case of
// a-z only; the Ansi forms ignore case in every alphabet.
int CompareStr(const String& a, const String& b);
int CompareText(const String& a, const String& b);
bool SameText(const String& a, const String& b);
int AnsiCompareText(const String& a, const String& b);
bool AnsiSameText(const String& a, const String& b);
// Orders by the program's locale (Chinese), case-sensitive, as sorted lists of people's text
// expect; answers -1, 0 or 1.
int AnsiCompareStr(const String& a, const String& b);

enum TReplaceFlag { rfReplaceAll = 1, rfIgnoreCase = 2 };
String StringReplace(const String& s, const String& oldPattern, const String& newPattern, int flags);

// 'it''s' style quoting, and its inverse (text without the quotes is returned unchanged).
String QuotedStr(const String& s, char quote = '\'');
String DequotedStr(const String& s, char quote = '\'');
// The quoted text that starts at the opening quote text[i], without its quotes; i moves past the
// closing quote. A doubled quote stands for one, and a text whose closing quote is missing runs
// to the end.
String AnsiExtractQuotedStr(const String& text, size_t& i, char quote);
