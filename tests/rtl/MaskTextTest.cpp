// Edit masks: the classes of mask characters, option fields, edit text from values and values
// from edit text, offsets, typed and pasted characters, validation; and FORMATTEXT's filling.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "rtl/MaskText.h"
#include "rtl/Text.h"

namespace {

TEST(MaskTextTest, MasksAndTheirFields) {
  const std::pair<const char*, const char*> cases[][2] = {
      {{"000-000;0; ", "123456"}, {"123-456", ""}},
      {{"000-000;0;*", "12"}, {"12*-***", ""}},
      {{"!000-000;0; ", "123"}, {"   -123", ""}},
      {{">LL<ll;0; ", "abCD"}, {"ABcd", ""}},
      {{"99/99/9999;0;_", "07032004"}, {"07-03-2004", ""}},
      {{"\\A00:00;0; ", "1230"}, {"A12:30", ""}},
      {{"000-000;1;_", "123x456"}, {"123-456", ""}},
      {{"000", "12"}, {"12_", ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatMaskText(c[0].first, c[0].second), c[1].first) << c[0].first;
}

String Num(int Value) { return std::to_string(Value); }
String Flag(bool Value) { return Value ? "yes" : "no"; }
String Char(char32_t C) { return CodePointToUtf8(C); }
String Accepted(const char* Mask, int Offset, char32_t C) { return AcceptMaskChar(Mask, Offset, C) ? Char(C) : "refused"; }
String Pasted(const char* Mask, const char* EditText, int Start, const char* Text) {
  int end = 0;
  const String result = PasteIntoMask(Mask, EditText, Start, Text, U'_', end);
  return result + "|" + Num(end);
}

TEST(MaskTextTest, TheMaskEngine) {
  struct TCase {
    const char* What;
    std::function<String()> Run;
    const char* Expected;
  };
  const TCase cases[] = {
      // Character classes; ";" counts as a separator only among the last four characters.
      {"class of !", [] { return Num(MaskCharClass("!9999-99-99;1; ", 1)); }, "3"},
      {"class of 9", [] { return Num(MaskCharClass("!9999-99-99;1; ", 2)); }, "5"},
      {"class of -", [] { return Num(MaskCharClass("!9999-99-99;1; ", 6)); }, "1"},
      {"first separator", [] { return Num(MaskCharClass("!9999-99-99;1; ", 12)); }, "6"},
      {"field value", [] { return Num(MaskCharClass("!9999-99-99;1; ", 13)); }, "7"},
      {"blank field value", [] { return Num(MaskCharClass("!9999-99-99;1; ", 15)); }, "7"},
      {"required L", [] { return Num(MaskCharClass("L0/:", 1)); }, "4"},
      {"locale literal", [] { return Num(MaskCharClass("L0/:", 3)); }, "2"},
      {"escaped ;", [] { return Num(MaskCharClass("00\\;", 4)); }, "1"},
      {"early ; is a literal", [] { return Num(MaskCharClass("0;00000", 2)); }, "1"},
      {"outside", [] { return Num(MaskCharClass("00", 3)); }, "0"},
      // Directives: "!" anywhere, the case in force, "<>" ending it.
      {"upper", [] { return Num(GetMaskDirectives(">aa<>a", 2)); }, "2"},
      {"case ended", [] { return Num(GetMaskDirectives(">aa<>a", 6)); }, "0"},
      {"lower", [] { return Num(GetMaskDirectives("a<a", 3)); }, "4"},
      {"reverse literal", [] { return Num(GetMaskDirectives("0-0!", 2)); }, "9"},
      // Option fields and the edit-text length.
      {"literals left out", [] { return Flag(MaskKeepsLiterals("000;0")) + Char(MaskBlankChar("000;0")); }, "no_"},
      {"literals kept", [] { return Flag(MaskKeepsLiterals("000-000;1;*")) + Char(MaskBlankChar("000-000;1;*")); }, "yes*"},
      {"no fields", [] { return Flag(MaskKeepsLiterals("000")) + Char(MaskBlankChar("000")); }, "yes_"},
      {"max chars", [] { return Num(MaskMaxChars("!9999-99-99;1; ")); }, "10"},
      {"max chars of escapes", [] { return Num(MaskMaxChars("\\A00:00;0; ")); }, "6"},
      // Edit text from a value, from the left or (with "!") from the right.
      {"apply", [] { return ApplyMaskToValue("000-000", "1234", U'_'); }, "123-4__"},
      {"apply reversed", [] { return ApplyMaskToValue("!000-000", "1234", U'_'); }, "__1-234"},
      {"apply locale literal", [] { return ApplyMaskToValue("00/00", "123", U'_'); }, "12-3_"},
      {"apply empty", [] { return ApplyMaskToValue("(000)", "", U'*'); }, "(***)"},
      // A value holding its literals: each part padded or cut to its field.
      {"fit date", [] { return FitValueToMask("!9999-99-99;1; ", "2003-5-1", U' '); }, "2003- 5- 1"},
      {"fit pads at the end", [] { return FitValueToMask("9999-99-99;1;_", "2003-5-1", U'_'); }, "2003-5_-1_"},
      {"fit cuts the end", [] { return FitValueToMask("99-99", "123-4567", U'_'); }, "12-45"},
      {"fit cuts the front", [] { return FitValueToMask("!99-99", "123-4567", U'_'); }, "23-67"},
      {"fit missing literal", [] { return FitValueToMask("99-99", "1", U'_'); }, "1_-__"},
      {"fit blanks", [] { return FitValueToMask("cc-c", "a b-", U'_'); }, "a_-_"},
      // A value from edit text.
      {"strip", [] { return StripEditText("000-000;0;_", "123-4__", U'_'); }, "1234"},
      {"strip reversed", [] { return StripEditText("!000-000", "__1-234", U'_'); }, "1234"},
      {"strip inner blank", [] { return StripEditText("000-000", "1_2-___", U'_'); }, "1 2"},
      {"strip empty", [] { return StripEditText("(000)", "(___)", U'_'); }, ""},
      // Offsets.
      {"mask to edit", [] { return Num(MaskToEditOffset("!9999-99-99", 6)); }, "5"},
      {"edit to mask", [] { return Num(EditToMaskOffset("!9999-99-99", 4)); }, "6"},
      {"edit to mask past the end", [] { return Num(EditToMaskOffset("!9999-99-99", 10)); }, "-1"},
      {"literal offset", [] { return Flag(IsEditLiteral("0000-00-00", 4)) + Flag(IsEditLiteral("0000-00-00", 5)); }, "yesno"},
      {"next editable", [] { return Num(NextEditablePos("(000)", 0)); }, "1"},
      {"next editable at the end", [] { return Num(NextEditablePos("(000)", 4)); }, "4"},
      {"prior editable", [] { return Num(PriorEditablePos("0000-00", 4)); }, "3"},
      {"prior editable before the first", [] { return Num(PriorEditablePos("(000)", 0)); }, "1"},
      // Typed characters.
      {"digit", [] { return Accepted("0", 0, U'5'); }, "5"},
      {"not a digit", [] { return Accepted("0", 0, U'a'); }, "refused"},
      {"sign", [] { return Accepted("#", 0, U'+'); }, "+"},
      {"upper-cased", [] { return Accepted(">L", 0, U'a'); }, "A"},
      {"lower-cased", [] { return Accepted("<C", 0, U'Q'); }, "q"},
      {"Chinese letter", [] { return Accepted("L", 0, U'中'); }, "中"},
      {"letter or digit", [] { return Accepted("A", 0, U'7'); }, "7"},
      {"not a letter", [] { return Accepted("a", 0, U'-'); }, "refused"},
      {"at a literal", [] { return Accepted("0-0", 1, U'x'); }, "-"},
      {"beyond the mask", [] { return Accepted("0", 1, U'1'); }, "refused"},
      // A typed separator: a literal ahead, or the one the caret has just passed.
      {"literal ahead", [] { return Num(FindTypedLiteral("0000-00-00", 2, U'-')); }, "4"},
      {"literal passed", [] { return Num(FindTypedLiteral("0000-00-00", 5, U'-')); }, "4"},
      {"next literal", [] { return Num(FindTypedLiteral("0000-00-00", 6, U'-')); }, "7"},
      {"no such literal", [] { return Num(FindTypedLiteral("0000-00-00", 5, U'/')); }, "-1"},
      // Validation of required positions.
      {"blank required", [] { return Num(FindIncompletePosition("0000-00", "12__-__", U'_', false)); }, "2"},
      {"blank optional", [] { return Num(FindIncompletePosition("9999-00", "    -12", U'_', false)); }, "-1"},
      {"space under C", [] { return Num(FindIncompletePosition("C0", " 1", U'_', false)); }, "-1"},
      {"space under L", [] { return Num(FindIncompletePosition("L0", " 1", U'_', false)); }, "0"},
      {"blank ignored", [] { return Num(FindIncompletePosition("00", "1_", U'_', true)); }, "-1"},
      {"short text", [] { return Num(FindIncompletePosition("000", "12", U'_', false)); }, "2"},
      // Erasing and pasting.
      {"blank selection", [] { return BlankSelection("0000-00", "2003-05", 2, 6, U'_'); }, "__-_"},
      {"paste with literals", [] { return Pasted("0000-00-00", "____-__-__", 0, "2003-05-01"); }, "2003-05-01|10"},
      {"paste without literals", [] { return Pasted("0000-00-00", "____-__-__", 0, "20030501"); }, "2003-05-01|10"},
      {"paste refused char", [] { return Pasted("0000-00-00", "____-__-__", 0, "20a3"); }, "20_3-__-__|4"},
      {"paste from the middle", [] { return Pasted("0000-00-00", "2003-__-__", 5, "12345"); }, "2003-12-34|10"},
  };
  for (const TCase& c : cases) EXPECT_EQ(c.Run(), c.Expected) << c.What;
}

}  // namespace
