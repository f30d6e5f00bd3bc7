// The engine's texts and named constants: the string table read by id through the engine's one
// TfrLocale object (frLoadStr), the display tables built from it (band names, Boolean pairs, date
// and time formats), and the constants that scripts and expressions may name.
#pragma once

#include <array>
#include <functional>

#include "report/FR_Pars.h"

class TfrLocale {
 public:
  // Asked first for every text; a non-empty answer is used instead of the string table's.
  std::function<void(int stringId, String& text)> OnLocalize;

  // The text of an id from 53000 to 55439; an id the table holds no text for gives "".
  String LoadStr(int id) const;
};

// The engine's one locale object, made on first use.
TfrLocale& frLocale();
String frLoadStr(int id);

// Tables read from the string table once, when first asked for: the names of the 23 band types by
// type code, and the display formats of text objects by subtype. A Boolean pair is "false;true".
struct TfrLocalizedTables {
  std::array<String, 23> BandNames;
  std::array<String, 4> BoolStrings;
  std::array<String, 4> DateFormats;
  std::array<String, 4> TimeFormats;
};
const TfrLocalizedTables& frLocalizedTables();

// Colours, modal results, font styles, frame and alignment bits, line styles, message-box flags,
// the picture objects' blob types, CRLF and Null, sorted by name. The report resolves a name here when no variable has it.
const TfrVariables& frConsts();
