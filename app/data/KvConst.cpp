// Look-ups in the constant tables that guard their index.
#include "app/data/KvConst.h"

#include <algorithm>

#include "rtl/Convert.h"

String RightsName(int Rights) {
  if (Rights < 0 || Rights >= static_cast<int>(RightsNames.size())) return IntToStr(Rights);
  return RightsNames[static_cast<size_t>(Rights)];
}

int GradePosition(const String& Grade) {
  const auto found = std::find(GradeNames.begin(), GradeNames.end(), Grade);
  return found == GradeNames.end() ? -1 : static_cast<int>(found - GradeNames.begin());
}
