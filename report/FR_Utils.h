// The engine's stream routines and small text helpers: the string and text-list encodings used by
// every record of templates and prepared reports (text stored as GB18030 bytes), their
// zero-terminated forms of files before version 23, little-endian words and integers, the
// font-style byte, and the items of ";"-separated lists.
#pragma once

#include <cstdint>

#include "graphics/Font.h"
#include "rtl/Streams.h"
#include "rtl/StringList.h"

// Every reader raises EReadError when the stream ends before the encoding does; none reads past
// the end. The writers raise EWriteError for a text the encoding cannot hold.

// Word n, n bytes, byte 0. At most 65535 bytes.
void frWriteString(TStream& stream, const String& s);
// Reads the closing byte without checking it.
String frReadString(TStream& stream);
// Word count, then per line Word n and n bytes with byte 13 after every line but the last, then
// byte 0; an empty list is 00 00 00. At most 65535 lines.
void frWriteMemo(TStream& stream, const TStrings& list);
// Clears the list. The count only tells an empty list: lines are read until the byte after one
// is 0.
void frReadMemo(TStream& stream, TStrings& list);
// Bytes up to a byte 0, which ends the string and is not part of it.
String frReadOldString(TStream& stream);
// Clears the list, then reads bytes up to a byte 0; each byte 13 ends a line, an empty one too,
// and the text before the 0 is a last line when it is not empty.
void frReadOldMemo(TStream& stream, TStrings& list);

// The current encodings, or the zero-terminated ones when the file being read (frState()) is older
// than version 23.
String ReadVersionedString(TStream& stream);
void ReadVersionedMemo(TStream& stream, TStrings& list);

uint8_t frReadByte(TStream& stream);
void frWriteByte(TStream& stream, uint8_t b);
uint16_t frReadWord(TStream& stream);
void frWriteWord(TStream& stream, uint16_t w);
int32_t frReadInteger(TStream& stream);
void frWriteInteger(TStream& stream, int32_t i);

// Positions written after the data they point past: the placeholder Integer is written now, and
// frPatchPosition overwrites it with the position the stream has reached and goes back there.
int64_t frWritePlaceholder(TStream& stream);
void frPatchPosition(TStream& stream, int64_t placeholder);

// The engine's font-style byte: 1 italic, 2 bold, 4 underline, 8 strike-out; other bits are 0
// when written and ignored when read.
uint8_t frFontStyleToBits(TFontStyles style);
TFontStyles frBitsToFontStyle(uint8_t bits);

// The text from the 1-based byte position pos up to the next ";" or the end; pos moves past the
// ";".
String frExtractItem(const String& text, int& pos);
// Clears the list and adds every item of the text: "" gives no item, "a;;b" three, and a final
// ";" adds no empty item.
void frSplitItems(const String& text, TStrings& list);
