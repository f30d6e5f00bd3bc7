// The pocket calculator's engine and layout as plain functions: the 27 buttons with their
// captions, colours and places, the button sizes that fit a client area, and the operations a
// button click performs on the display text, the accumulator, the pending operation and the
// memory. Operators chain strictly left to right; arithmetic is in extended precision.
#pragma once

#include <array>
#include <cstdint>

#include "graphics/Colors.h"
#include "rtl/Types.h"

enum TCalcButton : uint8_t {
  calcBack, calcClearEntry, calcClear, calcMemClear, calcMemRecall, calcMemStore, calcMemAdd,
  calcDigit0, calcDigit1, calcDigit2, calcDigit3, calcDigit4, calcDigit5, calcDigit6, calcDigit7, calcDigit8,
  calcDigit9, calcSign, calcDecimal, calcDivide, calcMultiply, calcSubtract, calcAdd, calcSqrt, calcPercent,
  calcReciprocal, calcEquals, calcNone,
};
inline constexpr int CalcButtonCount = 27;

// What the display shows: a result (the next digit starts a new number), a number being entered,
// or an error.
enum TdxCalcEntryState : uint8_t { esResult, esEntering, esError };

struct TdxCalcState {
  String Display;
  long double Memory = 0;
  long double Accumulator = 0;
  TCalcButton PendingOp = calcEquals;  // calcEquals: none pending
  TdxCalcEntryState EntryState = esResult;
  uint8_t Precision = 13;               // significant digits of the display
};

// What a click caused beyond the state: an error shown, a digit refused, a result given, the
// memory changed (the memory buttons' greyed state follows it).
struct TdxCalcOutcome {
  bool Error = false;
  bool Refused = false;
  bool Result = false;
  bool MemoryChanged = false;
};

// The value of the display: 0 in the error state or for a text that is no number.
long double CalcDisplayValue(const TdxCalcState& State);
// Shows Value in general format with max(2, Precision) digits; a value that is no finite number
// becomes the error.
void CalcSetValue(TdxCalcState& State, long double Value);
// Performs Button on State. ErrorText is what the display shows after an error.
TdxCalcOutcome CalcButtonClick(TdxCalcState& State, TCalcButton Button, const String& ErrorText);
// The pending operation cleared, a result shown, the memory emptied.
void CalcResetOperands(TdxCalcState& State);

// The sizes of the calculator's parts; the defaults are its design size.
struct TdxCalcLayout {
  int FontSize = 8, ButtonWidth = 28, ButtonHeight = 22, WideButtonWidth = 47, GapX = 4, GapY = 4;
  int Width = 207, Height = 137;
};
// Buttons as large as the client area allows, never below the design size.
TdxCalcLayout CalcCalculatorLayout(int ClientWidth, int ClientHeight);

struct TdxCalcButtonInfo {
  TCalcButton Code = calcNone;
  String Caption;
  TColor Color = clBlack;
  TRect Bounds;
};
// Every button's caption (the decimal button's is DecimalSeparator), colour and rectangle.
std::array<TdxCalcButtonInfo, CalcButtonCount> CalcButtons(const TdxCalcLayout& Layout, char DecimalSeparator);
