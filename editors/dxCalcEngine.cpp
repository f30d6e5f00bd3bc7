// The calculator's engine: entering numbers, the operators with their percent and root forms, the
// memory, the error state; and the layout of its buttons.
#include "editors/dxCalcEngine.h"

#include <cmath>

#include "rtl/Arith.h"
#include "rtl/Convert.h"
#include "rtl/FormatSettings.h"
#include "rtl/Text.h"

namespace {

String DecimalText() { return String(1, FormatSettings().DecimalSeparator); }

int DisplayDigits(const TdxCalcState& State) { return std::max(2, static_cast<int>(State.Precision)); }

void ShowError(TdxCalcState& State, const String& ErrorText, TdxCalcOutcome& Outcome) {
  State.EntryState = esError;
  State.Display = ErrorText;
  Outcome.Error = true;
}

// The first digit, separator or Back after a result starts a new number at "0".
void StartEntry(TdxCalcState& State) {
  if (State.EntryState != esResult) return;
  State.EntryState = esEntering;
  State.Display = "0";
}

void EnterDigit(TdxCalcState& State, int Digit, TdxCalcOutcome& Outcome) {
  StartEntry(State);
  if (State.Display == "0") State.Display.clear();
  const size_t minus = State.Display.find('-');
  const int signRoom = minus == String::npos ? 0 : static_cast<int>(minus) + 1;
  if (Length(State.Display) < DisplayDigits(State) + signRoom)
    State.Display += static_cast<char>('0' + Digit);
  else
    Outcome.Refused = true;
}

void EnterBack(TdxCalcState& State) {
  StartEntry(State);
  const std::u32string text = ToCodePoints(State.Display);
  if (text.size() == 1 || (text.size() == 2 && text[0] == U'-'))
    State.Display = "0";
  else if (!text.empty())
    State.Display = FromCodePoints(text.substr(0, text.size() - 1));
}

bool IsArithmetic(TCalcButton Op) {
  return Op == calcDivide || Op == calcMultiply || Op == calcSubtract || Op == calcAdd;
}

// An operator computes the pending operation with the number just entered, then becomes the
// pending one; a second operator in a row only replaces it.
void ApplyOperator(TdxCalcState& State, TCalcButton Button, const String& ErrorText, TdxCalcOutcome& Outcome) {
  if (State.EntryState == esEntering) {
    State.EntryState = esResult;
    long double x = CalcDisplayValue(State);
    if (Button == calcPercent) {
      if (State.PendingOp == calcDivide || State.PendingOp == calcMultiply) x /= 100;
      if (State.PendingOp == calcSubtract || State.PendingOp == calcAdd) x = State.Accumulator * x / 100;
    }
    const long double a = State.Accumulator;
    switch (State.PendingOp) {
      case calcDivide:
        if (x == 0)
          ShowError(State, ErrorText, Outcome);
        else
          CalcSetValue(State, a / x);
        break;
      case calcMultiply: CalcSetValue(State, a * x); break;
      case calcSubtract: CalcSetValue(State, a - x); break;
      case calcAdd: CalcSetValue(State, a + x); break;
      default: break;
    }
  }
  State.PendingOp = Button;
  State.Accumulator = CalcDisplayValue(State);
  if (Button == calcPercent || Button == calcEquals) Outcome.Result = true;
}

// The root and the reciprocal serve as the right operand of a pending arithmetic operation.
void ApplyFunction(TdxCalcState& State, TCalcButton Button, const String& ErrorText, TdxCalcOutcome& Outcome) {
  State.EntryState = IsArithmetic(State.PendingOp) ? esEntering : esResult;
  const long double value = CalcDisplayValue(State);
  if (Button == calcSqrt ? value < 0 : value == 0) return ShowError(State, ErrorText, Outcome);
  CalcSetValue(State, Button == calcSqrt ? std::sqrt(value) : 1 / value);
}

void ApplyMemory(TdxCalcState& State, TCalcButton Button) {
  switch (Button) {
    case calcMemClear: State.Memory = 0; break;
    case calcMemRecall:
      State.EntryState = esResult;
      StartEntry(State);
      CalcSetValue(State, State.Memory);
      break;
    case calcMemStore:
      State.EntryState = esResult;
      State.Memory = CalcDisplayValue(State);
      break;
    default:
      State.EntryState = esResult;
      State.Memory += CalcDisplayValue(State);
      break;
  }
}

}  // namespace

long double CalcDisplayValue(const TdxCalcState& State) {
  if (State.EntryState == esError) return 0;
  String text = Trim(State.Display);
  if (text.empty()) text = "0";
  double value = 0;
  return TryStrToFloat(text, value) ? value : 0;
}

void CalcSetValue(TdxCalcState& State, long double Value) {
  if (!std::isfinite(Value) || !std::isfinite(static_cast<double>(Value))) {
    State.EntryState = esError;
    return;
  }
  State.Display = FloatToStrF(static_cast<double>(Value), ffGeneral, DisplayDigits(State), 0);
}

void CalcResetOperands(TdxCalcState& State) {
  State.PendingOp = calcEquals;
  State.EntryState = esResult;
  State.Memory = 0;
}

TdxCalcOutcome CalcButtonClick(TdxCalcState& State, TCalcButton Button, const String& ErrorText) {
  TdxCalcOutcome outcome;
  if (Button >= calcNone) return outcome;
  if (State.EntryState == esError && Button != calcClearEntry && Button != calcClear) {
    ShowError(State, ErrorText, outcome);
    return outcome;
  }
  switch (Button) {
    case calcDecimal:
      StartEntry(State);
      if (State.Display.find(DecimalText()) == String::npos) State.Display += DecimalText();
      break;
    case calcBack: EnterBack(State); break;
    case calcClearEntry:
    case calcClear:
      State.EntryState = esResult;
      CalcSetValue(State, 0);
      State.PendingOp = calcEquals;
      break;
    case calcMemClear:
    case calcMemRecall:
    case calcMemStore:
    case calcMemAdd:
      ApplyMemory(State, Button);
      outcome.MemoryChanged = Button != calcMemRecall;
      break;
    case calcSign: CalcSetValue(State, -CalcDisplayValue(State)); break;
    case calcSqrt:
    case calcReciprocal: ApplyFunction(State, Button, ErrorText, outcome); break;
    case calcDivide:
    case calcMultiply:
    case calcSubtract:
    case calcAdd:
    case calcPercent:
    case calcEquals: ApplyOperator(State, Button, ErrorText, outcome); break;
    default: EnterDigit(State, Button - calcDigit0, outcome); break;
  }
  // A result too large for the display is an error like a division by zero.
  if (State.EntryState == esError && !outcome.Error) ShowError(State, ErrorText, outcome);
  return outcome;
}

// The largest button height whose calculator height comes nearer the target than the one before.
TdxCalcLayout CalcCalculatorLayout(int ClientWidth, int ClientHeight) {
  const TdxCalcLayout design;
  const int target = std::min(ClientHeight, MulDiv(ClientWidth, design.Height, design.Width));
  auto total = [&](int h) { return 6 * MulDiv(h, design.GapY, design.ButtonHeight) + 5 * h; };
  int height = design.ButtonHeight;
  for (int h = design.ButtonHeight, best = std::abs(target); std::abs(total(h) - target) < best; ++h) {
    best = std::abs(total(h) - target);
    height = h;
  }
  TdxCalcLayout l;
  l.ButtonHeight = height;
  l.ButtonWidth = MulDiv(height, design.ButtonWidth, design.ButtonHeight);
  l.GapX = l.GapY = MulDiv(height, design.GapY, design.ButtonHeight);
  l.WideButtonWidth = MulDiv(l.ButtonWidth, 17, 10);
  l.FontSize = MulDiv(height, design.FontSize, design.ButtonHeight);
  l.Height = 6 * l.GapY + 5 * height;
  l.Width = 8 * l.GapX + 6 * l.ButtonWidth + 4;
  return l;
}

std::array<TdxCalcButtonInfo, CalcButtonCount> CalcButtons(const TdxCalcLayout& L, char DecimalSeparator) {
  constexpr TColor Maroon = TColor(0x000080), Red = TColor(0x0000FF), Blue = TColor(0xFF0000), Navy = TColor(0x800000);
  constexpr int Memory = -1;
  struct TPlace {
    const char* Caption;
    TColor Color;
    int Row, Column;  // the memory column is -1; row 0 holds the three wide buttons
  };
  static const TPlace places[CalcButtonCount] = {
      {"Back", Maroon, 0, 2}, {"CE", Maroon, 0, 1}, {"C", Maroon, 0, 0},
      {"MC", Red, 1, Memory}, {"MR", Red, 2, Memory}, {"MS", Red, 3, Memory}, {"M+", Red, 4, Memory},
      {"0", Blue, 4, 0}, {"1", Blue, 3, 0}, {"2", Blue, 3, 1}, {"3", Blue, 3, 2}, {"4", Blue, 2, 0},
      {"5", Blue, 2, 1}, {"6", Blue, 2, 2}, {"7", Blue, 1, 0}, {"8", Blue, 1, 1}, {"9", Blue, 1, 2},
      {"+/-", Blue, 4, 1}, {"", Blue, 4, 2},
      {"/", Red, 1, 3}, {"*", Red, 2, 3}, {"-", Red, 3, 3}, {"+", Red, 4, 3},
      {"sqrt", Navy, 1, 4}, {"%", Navy, 2, 4}, {"1/x", Navy, 3, 4}, {"=", Red, 4, 4},
  };
  auto columnLeft = [&](int c) { return 3 * L.GapX + L.ButtonWidth + 4 + c * (L.ButtonWidth + L.GapX); };
  std::array<TdxCalcButtonInfo, CalcButtonCount> buttons;
  for (int i = 0; i < CalcButtonCount; ++i) {
    const TPlace& p = places[i];
    TdxCalcButtonInfo& b = buttons[static_cast<size_t>(i)];
    b.Code = static_cast<TCalcButton>(i);
    b.Caption = i == calcDecimal ? String(1, DecimalSeparator) : String(p.Caption);
    b.Color = p.Color;
    const int top = L.GapY + p.Row * (L.ButtonHeight + L.GapY);
    int left = 0, width = L.ButtonWidth;
    if (p.Row == 0) {
      // Right-aligned with column 4, each wide button GapY left of the one after it.
      const int right = columnLeft(4) + L.ButtonWidth - p.Column * (L.WideButtonWidth + L.GapY);
      width = L.WideButtonWidth;
      left = right - width;
    } else {
      left = p.Column == Memory ? L.GapX : columnLeft(p.Column);
    }
    b.Bounds = {left, top, left + width, top + L.ButtonHeight};
  }
  return buttons;
}
