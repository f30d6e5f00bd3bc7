// Look-ups in the constant tables that guard their index.
#include "app/KvConst.h"

#include "rtl/Convert.h"

String RightsName(int Rights) {
  if (Rights < 0 || Rights >= static_cast<int>(RightsNames.size())) return IntToStr(Rights);
  return RightsNames[static_cast<size_t>(Rights)];
}
