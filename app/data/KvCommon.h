// The records application's domain types and common routines: the logged-in user with the classes
// they work with, item units, the database path kept in the settings store, the application
// message box and the display text of a performance.
#pragma once

#include <cstdint>
#include <memory>

#include "controls/Dialogs.h"
#include "rtl/Object.h"
#include "rtl/StringList.h"

// A class with its grade: the object of the user's class list and of class lists with grades.
class TGradeInfo : public TObject {
 public:
  TGradeInfo(String AClass, String AGrade) : Class(std::move(AClass)), Grade(std::move(AGrade)) {}
  String Class;
  String Grade;
};

// An item and its unit ("秒", "米", "次" or "个"): the object of the item-unit list.
class TBasicNutric : public TObject {
 public:
  TBasicNutric(String AProgNo, String ANutric) : ProgNo(std::move(AProgNo)), Nutric(std::move(ANutric)) {}
  String ProgNo;
  String Nutric;
};

// Bits of TLogUserInfo::Flags.
enum : uint8_t {
  lfNoSchoolInfo = 1,  // the school information row is missing
  lfNoClasses = 2,     // the user has no classes
};

// The logged-in user. Rights is -1 until the first log-in, then 0 (PE teacher) or 1
// (administrator). ClassList holds one line per class the user works with, each owning its
// TGradeInfo.
class TLogUserInfo {
 public:
  TLogUserInfo();
  TLogUserInfo(const TLogUserInfo&) = delete;
  TLogUserInfo& operator=(const TLogUserInfo&) = delete;

  void AddClass(const String& ClassName, const String& Grade);
  void ClearClasses();

  uint8_t Flags = 0;
  String LogID;
  String Name;
  String SchoolName;
  String Manager;
  int Rights = -1;
  const std::unique_ptr<TStringList> ClassList;
};

// The program file, and its folder with a trailing "/".
String ApplicationExeName();
String ApplicationFolder();
// The help file beside the program: its name with the extension ".chm".
String HelpFile();

// The settings key of the database path: "Software\Tolvik", sub-key "Database", value "DataFile".
// The default is the program's folder, "Data/", then the program's name with ".db".
String DefaultDatabaseFile();
// The stored path, or the default when none is stored or the key cannot be opened.
String GetDatabaseFile();
void SetDatabaseFile(const String& Path);

// Every connection of the program logs on as this user with this password; the database file
// itself has no password, and the connection accepts and ignores both.
inline constexpr const char* DatabaseUser = "admin";
inline constexpr const char* DatabasePassword = "mantle_qe_rop";
// The path is quoted, so that a file name holding ";" or quotes names that file.
String DatabaseConnectionString(const String& Path, const String& User, const String& Password);

// The application message box: the message dialog with its Chinese button captions under the
// caller's caption ("信息提示" for notices and questions, "警告", "错误提示"); answers the
// modal result of the button pressed.
TModalResult ShowMsgBox(const String& Message, const String& Caption, TMsgDlgType DialogType,
                        TMsgDlgButtons Buttons);

// A typed performance the scoring can take: not negative, and its thousandths fit a 32-bit
// integer, the form in which the standards compare it.
bool AchieveInRange(double Value);

// A performance as shown: times in seconds as minutes'seconds"hundredths (minutes left out
// below a minute, empty for the unset mark -1), metres with two decimals and counts as whole
// numbers (both empty unless positive); empty for any other unit.
String FormatAchieve(const String& Unit, double Value);
