// Edit masks ("mask;keep-literals;blank"): the classes of a mask's characters, the edit text a
// value makes in a mask and the value an edit text holds, the offsets between mask and edit
// text, and the rules for typed, pasted and erased characters. The masked editors and the report
// engine's FORMATTEXT share them.
//
// A mask position is 1-based and counts the mask string's characters; an edit offset is 0-based
// and counts the characters of the edit text, which holds one character for every mask character
// that is neither a directive nor part of the two option fields.
#pragma once

#include "rtl/Exceptions.h"
#include "rtl/Types.h"

// A value that does not fill its mask; the message is SMaskEditErr.
QUORIN_EXCEPTION(EDBEditError, Exception);
// Two blanks after the period, as the masked edits have always shown it.
inline constexpr const char* SMaskEditErr = "Invalid input value.  Use escape key to abandon changes";

enum TMaskCharType {
  mcNone,            // outside the mask
  mcLiteral,         // shown as it is; "\" makes any character one
  mcLocaleLiteral,   // "/" and ":": the locale's date and time separators
  mcDirective,       // "!", ">", "<", "\": no place in the edit text
  mcRequired,        // "L" letter, "A" letter or digit, "C" any character, "0" digit
  mcOptional,        // "l", "a", "c", "9" as above, "#" digit, "+", "-" or blank
  mcFieldSeparator,  // a ";" among the last four characters
  mcFieldValue,      // the character after such a ";"
};

using TMaskDirectives = unsigned;
enum : TMaskDirectives { mdReverse = 1, mdUpperCase = 2, mdLowerCase = 4, mdLiteral = 8 };

TMaskCharType MaskCharClass(const String& Mask, int Position);
// mdReverse when "!" stands anywhere in the mask; the case of the last ">" or "<" before the
// position ("<>" ends both); mdLiteral when the position is a literal.
TMaskDirectives GetMaskDirectives(const String& Mask, int Position);
// "/" and ":" as the format settings write them; any other character as it is.
char32_t LocaleLiteralChar(char32_t C);
// A "0" in the second field leaves the literals out of the value; anything else keeps them.
bool MaskKeepsLiterals(const String& Mask);
// The third field's character, "_" without one.
char32_t MaskBlankChar(const String& Mask);
// The length of the edit text of the mask.
int MaskMaxChars(const String& Mask);

// The edit text of Value: literals in their places, Value's characters in the editable ones,
// Blank where Value is used up (at the front with "!", where Value fills from the right).
String ApplyMaskToValue(const String& Mask, const String& Value, char32_t Blank);
// The edit text of a value that holds the literals: each part between literals is padded with
// Blank or cut to its field's length (at the front with "!", else at the end).
String FitValueToMask(const String& Mask, const String& Value, char32_t Blank);
// The value of an edit text: without its literals, without the blanks at its end (its front with
// "!"), and with every other Blank shown as a space.
String StripEditText(const String& Mask, const String& EditText, char32_t Blank);

// Edit characters in mask positions 1..Position.
int MaskToEditOffset(const String& Mask, int Position);
// The mask position of an edit offset; -1 outside the edit text.
int EditToMaskOffset(const String& Mask, int Offset);
bool IsEditLiteral(const String& Mask, int Offset);
// The first offset at or after Offset (below the end) that is not a literal; Offset itself when
// there is none.
int NextEditablePos(const String& Mask, int Offset);
// The last offset at or before Offset that is not a literal; NextEditablePos(Offset) when none.
int PriorEditablePos(const String& Mask, int Offset);

// Whether Char may stand at Offset; it becomes the literal at a literal offset and takes the
// case the directives ask for.
bool AcceptMaskChar(const String& Mask, int Offset, char32_t& Char);
// The offset of a literal equal to Char (a separator typed where a digit was expected): one of
// the literals directly before Offset, else the first one after it; -1 when there is none.
int FindTypedLiteral(const String& Mask, int Offset, char32_t Char);
// The first required offset of EditText left blank (Blank, or a space where any character may
// not stand); -1 when the text is complete. IgnoreBlank accepts Blank.
int FindIncompletePosition(const String& Mask, const String& EditText, char32_t Blank, bool IgnoreBlank);
// The characters of offsets Start..Stop-1 of EditText with the editable ones blanked.
String BlankSelection(const String& Mask, const String& EditText, int Start, int Stop, char32_t Blank);
// EditText with Text written over it from Start, each character through AcceptMaskChar (a
// refused one leaves a blank; a literal of the mask takes a character equal to it or is passed
// over); End is the offset after the last character written.
String PasteIntoMask(const String& Mask, const String& EditText, int Start, const String& Text, char32_t Blank,
                     int& End);

// FORMATTEXT of the report engine: the characters of Value placed in the editable positions of
// the mask in order, unchecked, with the mask's literals between them and the directives' case;
// positions left over show the blank character, at the front with "!". When the mask keeps its
// literals ("...;1;_") Value holds them already, one character for each position of the mask.
// "_" in the mask is a blank. Characters beyond the mask are dropped.
String FormatMaskText(const String& EditMask, const String& Value);
