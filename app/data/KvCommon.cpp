// The logged-in user, the program's folder, the database path in the settings store, the
// application message box and performance texts.
#include "app/data/KvCommon.h"

#include <filesystem>

#include "data/ADODB.h"
#include "rtl/Arith.h"
#include "rtl/Convert.h"
#include "settings/Registry.h"

namespace {

const char* const kSettingsKey = "\\Software\\Tolvik\\Database";
const char* const kDataFileValue = "DataFile";

// Seconds as minutes'seconds"hundredths; empty for the unset mark -1.
String FormatSeconds(double Value) {
  const int64_t hundredths = Round(Value * 100);
  const int64_t seconds = hundredths / 100;
  const int64_t rest = hundredths % 100;
  if (seconds == -1) return String();
  String text = seconds >= 60 ? IntToStr(seconds / 60) + "'" : String();
  return text + IntToStr(seconds % 60) + "\"" + IntToStr(rest);
}

String FormatMeasure(const String& Unit, double Value) {
  if (Unit == "秒") return FormatSeconds(Value);
  if (Unit == "米") return Value > 0 ? FormatFloat("0.00", Value) : String();
  if (Unit == "次" || Unit == "个") return Value > 0 ? IntToStr(Trunc(Value)) : String();
  return String();
}

}  // namespace

TLogUserInfo::TLogUserInfo() : ClassList(std::make_unique<TStringList>(true)) {}

void TLogUserInfo::AddClass(const String& ClassName, const String& Grade) {
  ClassList->AddObject(ClassName, new TGradeInfo(ClassName, Grade));
}

void TLogUserInfo::ClearClasses() { ClassList->Clear(); }

String ApplicationExeName() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? String("quorin") : exe.string();
}

String ApplicationFolder() {
  String folder = std::filesystem::path(ApplicationExeName()).parent_path().string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

String HelpFile() { return ApplicationFolder() + std::filesystem::path(ApplicationExeName()).stem().string() + ".chm"; }

String DefaultDatabaseFile() {
  const std::filesystem::path exe(ApplicationExeName());
  return ApplicationFolder() + "Data/" + exe.stem().string() + ".db";
}

String GetDatabaseFile() {
  try {
    TRegistry registry;
    if (registry.OpenKey(kSettingsKey, true) && registry.ValueExists(kDataFileValue))
      return registry.ReadString(kDataFileValue);
  } catch (const ERegistryException&) {
    // A settings file that cannot be read or written leaves the program on its default database.
  }
  return DefaultDatabaseFile();
}

void SetDatabaseFile(const String& Path) {
  TRegistry registry;
  if (!registry.OpenKey(kSettingsKey, true)) throw ERegistryException("无法保存数据库路径。");
  registry.WriteString(kDataFileValue, Path);
}

String DatabaseConnectionString(const String& Path, const String& User, const String& Password) {
  return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + QuotedConnectionValue(Path) + ";" + "User ID=" + User + ";" +
         "Jet OLEDB:Database Password=" + Password + ";" + "Persist Security Info=False";
}

TModalResult ShowMsgBox(const String& Message, const String& Caption, TMsgDlgType DialogType,
                        TMsgDlgButtons Buttons) {
  return MessageDlg(Message, Caption, DialogType, Buttons);
}

bool AchieveInRange(double Value) { return Value >= 0 && Value * 1000 <= 2147483647.0; }

String FormatAchieve(const String& Unit, double Value) {
  try {
    return FormatMeasure(Unit, Value);
  } catch (const Exception&) {
    return FormatFloat("0.00", Value);
  }
}
