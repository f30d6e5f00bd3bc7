// The state of the one report being built, drawn or read, shared by its objects, pages and bands:
// the report and page at work, the band and object being printed or drawn, whether pages are being
// built (PrintMode), the version of the file being read, the evaluation error collected so far, the
// counter that numbers new objects, and the position of the build in progress among its prepared
// pages. One build or template read runs at a time.
#pragma once

#include "rtl/DateTime.h"
#include "rtl/Types.h"
#include "rtl/Variant.h"

class TfrReport;
class TfrPage;
class TfrBand;
class TfrView;
class TfrNameIndex;

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
  // The names of the report's objects while a template or prepared page is read.
  TfrNameIndex* NameIndex = nullptr;

  // The build in progress. PageNo is the index of the prepared page being filled; TotalPages is
  // known on the final pass of a two-pass build.
  int PageNo = 0;
  int TotalPages = 0;
  // This page continues the last prepared page (PrintToPrevPage, or the next report of a composite
  // report); the footers of that page are printed already; where it ended and its bottom limit.
  bool AppendToPage = false;
  bool FootersPrinted = false;
  int PrevY = 0;
  int PrevBottomY = 0;
  // The next report of a composite report continues on the current page.
  bool NextReportContinues = false;
  // The first pass of a two-pass build: objects run their scripts and print nothing.
  bool FirstPass = false;
  bool DialogCancelled = false;
  // Cross-tab columns: how far the columns printed so far have moved across, while they print.
  int CrossOffset = 0;
  bool InsideCross = false;
  TDateTime RunDateTime = 0;
  // VALUE: the value being formatted.
  Variant FormattedValue;
  // While the pages' objects are prepared, an unknown name is Empty instead of an error.
  bool TolerantMode = false;
  // Aggregate functions register their items with AggregateOwner instead of reading them.
  bool AggregateRegistration = false;
  TfrBand* AggregateOwner = nullptr;
};

TfrEngineState& frState();
// Everything back to its start; tests begin with it.
void frResetState();
