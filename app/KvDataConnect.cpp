// Opening the data module's connection on a database file.
#include "app/KvData.h"

String TdmGym::ConnectDatabase(const String& Path, const String& User, const String& Password) {
  FConnected = false;
  try {
    if (adcConnect->Connected()) adcConnect->Close();
    adcConnect->SetConnectionString(DatabaseConnectionString(Path, User, Password));
    adcConnect->Open();
    FConnected = true;
    return String();
  } catch (const std::exception&) {
    // Missing, locked, not a database or not this system's: the user is sent to choose the file.
    return "无法连接数据库，请设置数据库。";
  }
}
