// The report's printing options (FR_ClassPrint.cpp): the printer it asks for, or the default one,
// and what the print dialog starts with.
#pragma once

#include <cstdint>

#include "rtl/Types.h"

struct TfrReportPrintOptions {
  String PrinterName;
  uint16_t UseDefaultPrinter = 0;  // stored as a word in the template; non-zero is set
  int DefaultCopies = 1;
  bool DefaultCollate = true;
  bool ShowPrintDialog = true;
};
