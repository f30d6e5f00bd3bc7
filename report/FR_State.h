// The state of the one report being built, drawn or read, shared by its objects, pages and bands:
// the report and page at work, the band and object being printed or drawn, whether pages are being
// built (PrintMode), the version of the file being read, the evaluation error collected so far and
// the counter that numbers new objects. One build or template read runs at a time.
#pragma once

#include "rtl/Types.h"

class TfrReport;
class TfrPage;
class TfrBand;
class TfrView;

// The version of template and prepared-report files this engine writes; files of 21 to 24 read.
constexpr int frCurrentVersion = 24;

struct TfrEngineState {
  // The report whose expressions are evaluated, and the one whose build was started (they differ
  // while a sub-report or a report of a composite report is built).
  TfrReport* ActiveReport = nullptr;
  TfrReport* RootReport = nullptr;
  TfrPage* ActivePage = nullptr;
  TfrBand* ActiveBand = nullptr;
  TfrView* ActiveView = nullptr;
  // False while objects are laid out for a designer, true while pages are built, previewed or
  // printed.
  bool PrintMode = false;
  int FileVersion = frCurrentVersion;
  bool EvalErrorFlag = false;
  String EvalErrorText;
  int NextObjectId = 0;
};

TfrEngineState& frState();
// Everything back to its start; tests begin with it.
void frResetState();
