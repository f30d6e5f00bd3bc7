// Text through an edit mask: "mask;save-literals;blank", the masks of masked edits. The report
// engine's FORMATTEXT and the editors' masks share it.
#pragma once

#include "rtl/Types.h"

// The characters of Value placed in the editable positions of the mask, in order, with the
// mask's literal characters between them; positions left over show the blank character. When
// the mask saves its literals ("...;1;_") Value holds them already, one character for each
// position of the mask. "!" in the mask puts the left-over positions first; ">" and "<" switch
// to upper and lower case, "<>" back to none; "\" makes the next character a literal; ":" and "/"
// are the time and date separators; "_" is a blank. Characters beyond the mask are dropped.
String FormatMaskText(const String& EditMask, const String& Value);
