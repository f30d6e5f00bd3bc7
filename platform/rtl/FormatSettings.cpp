// The program-wide format settings, made on first use so that static initialisers may format.
#include "rtl/FormatSettings.h"

TFormatSettings& FormatSettings() {
  static TFormatSettings settings;
  return settings;
}
