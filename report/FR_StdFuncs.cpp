// The standard functions, one small routine each, and the catalogue entries of everything a
// report expression may name.
#include "report/FR_StdFuncs.h"

#include <array>

#include "report/FR_Aggr.h"
#include "report/FR_Const.h"
#include "report/FR_Globals.h"
#include "report/FR_ScriptDlg.h"
#include "rtl/Convert.h"
#include "rtl/DateTime.h"
#include "rtl/MaskText.h"
#include "rtl/Text.h"

namespace {

enum TStdFunction {
  fnAvg, fnCount, fnDayOf, fnFormatDateTime, fnFormatFloat, fnFormatText, fnInput, fnLength, fnLowerCase,
  fnMax, fnMaxNum, fnMessageBox, fnMin, fnMinNum, fnMonthOf, fnNameCase, fnPos, fnSum, fnTrim, fnUpperCase,
  fnYearOf
};

constexpr std::array<const char*, 21> kFunctionNames = {
    "AVG", "COUNT", "DAYOF", "FORMATDATETIME", "FORMATFLOAT", "FORMATTEXT", "INPUT", "LENGTH", "LOWERCASE",
    "MAX", "MAXNUM", "MESSAGEBOX", "MIN", "MINNUM", "MONTHOF", "NAMECASE", "POS", "SUM", "TRIM", "UPPERCASE",
    "YEAROF"};

// Catalogue categories, by their string-table ids from 55349.
enum TCategory { ctAggregate, ctText, ctDate, ctNumber, ctOther, ctLogic, ctReport };

struct TDescribed {
  const char* Name;
  TCategory Category;
};

// Everything described, in the order of the description ids from 55360.
constexpr TDescribed kDescribed[] = {
    {"AVG", ctAggregate}, {"COUNT", ctAggregate}, {"DAYOF", ctDate}, {"FORMATDATETIME", ctDate},
    {"FORMATFLOAT", ctNumber}, {"FORMATTEXT", ctText}, {"INPUT", ctOther}, {"LENGTH", ctText},
    {"LOWERCASE", ctText}, {"MAX", ctAggregate}, {"MAXNUM", ctNumber}, {"MESSAGEBOX", ctOther},
    {"MIN", ctAggregate}, {"MINNUM", ctNumber}, {"MONTHOF", ctDate}, {"NAMECASE", ctText}, {"POS", ctText},
    {"SUM", ctAggregate}, {"TRIM", ctText}, {"UPPERCASE", ctText}, {"YEAROF", ctDate},
    {"STRTODATE", ctDate}, {"STRTOTIME", ctDate}, {"IF", ctOther}, {"COPY", ctText},
    {"MOD", ctNumber}, {"STR", ctText}, {"NOT", ctLogic}, {"AND", ctLogic}, {"OR", ctLogic},
    {"ROUND", ctNumber}, {"FRAC", ctNumber}, {"INT", ctNumber}, {"TRUE", ctLogic}, {"FALSE", ctLogic},
    {"PAGE#", ctReport}, {"DATE", ctReport}, {"TIME", ctReport}, {"LINE#", ctReport},
    {"LINETHROUGH#", ctReport}, {"COLUMN#", ctReport}, {"TOTALPAGES", ctReport}, {"MROK", ctReport},
    {"MRCANCEL", ctReport}, {"CURY", ctReport}, {"FREESPACE", ctReport}, {"FINALPASS", ctReport},
    {"PAGEHEIGHT", ctReport}, {"PAGEWIDTH", ctReport}, {"PROGRESS", ctReport}, {"MODALRESULT", ctReport},
    {"STOPREPORT", ctReport}, {"NEWPAGE", ctReport}, {"NEWCOLUMN", ctReport}, {"SHOWBAND", ctReport},
    {"INC", ctReport}, {"DEC", ctReport}};

constexpr int kFirstCategoryId = 55349;
constexpr int kFirstDescriptionId = 55360;

Variant Calc(const Variant& argument) { return frParser().Calc(VarToStr(argument)); }
String CalcText(const Variant& argument) { return VarToStr(Calc(argument)); }

// A part of a date, as the date shows it in that format.
Variant DatePart(const char* format, const Variant& date) {
  return StrToInt(FormatDateTime(format, Calc(date).AsDateTime()));
}

String NameCase(const String& s) {
  const String lower = AnsiLowerCase(s);
  return lower.empty() ? lower : AnsiUpperCase(Copy(lower, 1, 1)) + Copy(lower, 2, Length(lower));
}

Variant Aggregate(TfrAggregateFunction function, const Variant& p1, const Variant& p2, const Variant& p3) {
  return frAggregateCall(function, VarToStr(p1), VarToStr(p2), VarToStr(p3));
}

}  // namespace

TfrStdFunctionLibrary::TfrStdFunctionLibrary() {
  for (const char* name : kFunctionNames) FList.Add(name);
  for (int i = 0; i < int(std::size(kDescribed)); ++i)
    AddFunctionDescription(this, kDescribed[i].Name, frLoadStr(kFirstCategoryId + kDescribed[i].Category),
                           frLoadStr(kFirstDescriptionId + i));
}

void TfrStdFunctionLibrary::DoFunction(int FNo, const Variant& P1, const Variant& P2, const Variant& P3,
                                       Variant& Value) {
  switch (TStdFunction(FNo)) {
    case fnAvg: Value = Aggregate(afAvg, P1, P2, P3); break;
    case fnCount: Value = Aggregate(afCount, P1, P2, P3); break;
    case fnMax: Value = Aggregate(afMax, P1, P2, P3); break;
    case fnMin: Value = Aggregate(afMin, P1, P2, P3); break;
    case fnSum: Value = Aggregate(afSum, P1, P2, P3); break;
    case fnDayOf: Value = DatePart("d", P1); break;
    case fnMonthOf: Value = DatePart("m", P1); break;
    case fnYearOf: Value = DatePart("yyyy", P1); break;
    case fnFormatDateTime: Value = FormatDateTime(CalcText(P1), Calc(P2).AsDateTime()); break;
    case fnFormatFloat: Value = FormatFloat(CalcText(P1), Calc(P2).AsDouble()); break;
    case fnFormatText: Value = FormatMaskText(CalcText(P1) + ";0; ", CalcText(P2)); break;
    case fnInput: Value = frScriptDialogs().InputBox("", CalcText(P1), CalcText(P2)); break;
    case fnMessageBox:
      Value = frScriptDialogs().MessageBox(CalcText(P1), CalcText(P2), Calc(P3).AsInteger());
      break;
    case fnLength: Value = Length(CalcText(P1)); break;
    case fnLowerCase: Value = AnsiLowerCase(CalcText(P1)); break;
    case fnUpperCase: Value = AnsiUpperCase(CalcText(P1)); break;
    case fnNameCase: Value = NameCase(CalcText(P1)); break;
    case fnTrim: Value = Trim(CalcText(P1)); break;
    case fnPos: Value = Pos(CalcText(P1), CalcText(P2)); break;
    case fnMaxNum: {
      const Variant a = Calc(P1), b = Calc(P2);
      Value = a > b ? a : b;
      break;
    }
    case fnMinNum: {
      const Variant a = Calc(P1), b = Calc(P2);
      Value = a < b ? a : b;
      break;
    }
  }
}
