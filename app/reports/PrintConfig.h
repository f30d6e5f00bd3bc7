// The print configuration: for each grade and item family, the items the student fitness report
// prints and their order, kept as texts in the settings store under "Software\Tolvik", sub-key
// "Config". A text is a sequence of item records separated by "|", each the item's type, name,
// number and score column separated by ";".
#pragma once

#include <array>
#include <vector>

#include "rtl/Object.h"
#include "rtl/StringList.h"

// One printable item. ProgType is the fitness category as a number, or "NotKind" for an
// examination item; ProgNo is also the name of the item's performance column on the fitness card.
class TPrintConfig : public TObject {
 public:
  TPrintConfig() = default;
  TPrintConfig(String AProgType, String AProgName, String AProgNo, String AFenField)
      : ProgName(std::move(AProgName)), ProgNo(std::move(AProgNo)), FenField(std::move(AFenField)),
        ProgType(std::move(AProgType)) {}

  String ProgName;
  String ProgNo;
  String FenField;
  String ProgType;
};

// The value names of one item family, for the grades "高一", "高二" and "高三" in this order.
using TPrintConfigNames = std::array<const char*, 3>;
inline constexpr TPrintConfigNames UptoConfigNames = {"UptoSeniorOne", "UptoSeniorTwo", "UptoSeniorThree"};
inline constexpr TPrintConfigNames ExamConfigNames = {"ExamSeniorOne", "ExamSeniorTwo", "ExamSeniorThree"};
// The type written for examination items.
inline constexpr const char* ExamProgType = "NotKind";

// Empties List and appends every maximal run of characters between separators; empty runs are
// skipped.
void SplitString(const String& Text, const String& Separator, TStrings& List);
// The items of a configuration text in order. Empty records are skipped, empty fields dropped, and
// a record left with other than four fields is skipped.
std::vector<TPrintConfig> ParsePrintConfig(const String& Text);
// The text of Items in order, without a "|" after the last record; empty for no items.
String FormatPrintConfig(const std::vector<const TPrintConfig*>& Items);

// The three texts of a family; each is empty when missing. Nothing is read, and all are empty,
// when the key "Software\Tolvik" does not exist: reading never makes it.
std::array<String, 3> ReadPrintConfig(const TPrintConfigNames& Names);
// Writes the three texts, making the keys when missing. A settings file that cannot be written
// raises ERegistryException.
void WritePrintConfig(const TPrintConfigNames& Names, const std::array<String, 3>& Texts);

// The fitness configuration text of the class's grade, as the logged-in user's class list gives
// it; empty for a class not in that list, or of a grade none of the three.
String GetUptoPrintConfig(const String& ClassName);
