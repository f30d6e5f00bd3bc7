// The print configuration texts: splitting, parsing and writing them, and keeping them in the
// settings store.
#include "app/reports/PrintConfig.h"

#include <algorithm>

#include "app/data/KvConst.h"
#include "app/data/KvData.h"
#include "settings/Registry.h"

namespace {

const char* const kSettingsKey = "\\Software\\Tolvik";
const char* const kConfigKey = "Config";

}  // namespace

void SplitString(const String& Text, const String& Separator, TStrings& List) {
  List.Clear();
  size_t start = 0;
  while (start <= Text.size()) {
    size_t end = Separator.empty() ? String::npos : Text.find(Separator, start);
    if (end == String::npos) end = Text.size();
    if (end > start) List.Add(Text.substr(start, end - start));
    start = end + std::max<size_t>(Separator.size(), 1);
  }
}

std::vector<TPrintConfig> ParsePrintConfig(const String& Text) {
  std::vector<TPrintConfig> items;
  TStringList records, fields;
  SplitString(Text, "|", records);
  for (int i = 0; i < records.Count(); ++i) {
    SplitString(records[i], ";", fields);
    if (fields.Count() == 4) items.emplace_back(fields[0], fields[1], fields[2], fields[3]);
  }
  return items;
}

String FormatPrintConfig(const std::vector<const TPrintConfig*>& Items) {
  String text;
  for (const TPrintConfig* item : Items) {
    if (!text.empty()) text += "|";
    text += item->ProgType + ";" + item->ProgName + ";" + item->ProgNo + ";" + item->FenField;
  }
  return text;
}

// A settings file that cannot be read leaves every report without a configuration, as a missing
// key does; the error shows when the options are next saved.
std::array<String, 3> ReadPrintConfig(const TPrintConfigNames& Names) {
  std::array<String, 3> texts;
  try {
    TRegistry registry;
    if (!registry.OpenKey(kSettingsKey, false) || !registry.OpenKey(kConfigKey, false)) return texts;
    for (size_t i = 0; i < Names.size(); ++i) texts[i] = registry.ReadString(Names[i]);
  } catch (const ERegistryException&) {
    texts = {};
  }
  return texts;
}

void WritePrintConfig(const TPrintConfigNames& Names, const std::array<String, 3>& Texts) {
  TRegistry registry;
  if (!registry.OpenKey(kSettingsKey, true) || !registry.OpenKey(kConfigKey, true)) return;
  for (size_t i = 0; i < Names.size(); ++i) registry.WriteString(Names[i], Texts[i]);
}

String GetUptoPrintConfig(const String& ClassName) {
  const int grade = LogUserInfo ? GradePosition(dmGym->GradeOfClass(ClassName)) : -1;
  return grade < 0 ? String() : ReadPrintConfig(UptoConfigNames)[size_t(grade)];
}
