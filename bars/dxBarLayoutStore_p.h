// Where a manager keeps the user's bar layout (dxBarLayoutStore.cpp): the published choice of
// stores and their names.
#pragma once

#include "rtl/Types.h"

struct TdxBarLayoutStoreSettings {
  bool StoreInRegistry = false;
  String RegistryPath;
  bool StoreInIniFile = false;
  String IniFileName;
};
