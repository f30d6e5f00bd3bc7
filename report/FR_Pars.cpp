// The expression parser: infix to postfix in one pass with an operator stack, the postfix
// evaluator on a stack of eight variants with its built-in operators and functions, and the text
// routines both share.
#include "report/FR_Pars.h"

#include <array>
#include <cmath>

#include "rtl/Arith.h"
#include "rtl/Convert.h"
#include "rtl/Text.h"

namespace {

// Operator codes of the postfix text: the symbolic operators are themselves, the others one
// control character each. The stored postfix texts depend on these values.
enum : char {
  opGreaterEqual = 1,
  opLessEqual = 2,
  opNotEqual = 3,
  opOr = 4,
  opAnd = 5,
  opInt = 6,
  opFrac = 7,
  opUnaryMinus = 9,
  opUnaryPlus = 10,
  opStr = 11,
  opNot = 12,
  opMod = 13,
  opRound = 14,
};

constexpr int kStackSize = 8;
constexpr int kMaxDepth = 64;
// INT and FRAC treat a value this close to a whole number as that number.
constexpr double kWholeTolerance = 1e-10;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool IsDelimiter(char c) { return IsBlank(c) || String("()*+-/<=>[;").find(c) != String::npos; }
bool StartsNumber(const String& s) { return !s.empty() && ((s[0] >= '0' && s[0] <= '9') || s[0] == ',' || s[0] == '.'); }
char CharAt(const String& text, int pos) { return pos >= 1 && pos <= int(text.size()) ? text[size_t(pos - 1)] : '\0'; }
String Slice(const String& text, int from, int to) { return text.substr(size_t(from - 1), size_t(to - from)); }

bool IsPrefixOperator(char op) {
  return op == opInt || op == opFrac || op == opStr || op == opRound || op == opNot || op == opUnaryMinus ||
         op == opUnaryPlus;
}

bool IsBinaryOperator(char op) {
  return String("+-*/<>=", 7).find(op) != String::npos || op == opGreaterEqual || op == opLessEqual ||
         op == opNotEqual || op == opOr || op == opAnd || op == opMod;
}

// A lower number binds tighter; "(" stays on the stack until its ")".
int Priority(char op) {
  switch (op) {
    case opInt: case opFrac: case opStr: case opRound: return 0;
    case '*': case '/': case opOr: case opAnd: case opNot: case opMod: return 1;
    case '+': case '-': case opUnaryMinus: case opUnaryPlus: return 2;
    case '(': return 5;
    default: return 3;  // the comparisons
  }
}

char KeywordOperator(const String& identifier) {
  static const std::array<std::pair<const char*, char>, 8> keywords = {{
      {"OR", opOr}, {"AND", opAnd}, {"NOT", opNot}, {"MOD", opMod},
      {"INT", opInt}, {"FRAC", opFrac}, {"ROUND", opRound}, {"STR", opStr},
  }};
  if (identifier.size() > 5) return 0;
  const String upper = UpperCase(identifier);
  for (const auto& [word, code] : keywords)
    if (upper == word) return code;
  return 0;
}

// --- infix to postfix -----------------------------------------------------------------------------

class PostfixWriter {
 public:
  explicit PostfixWriter(const String& text) : FText(text) {}
  String Run();

 private:
  bool ReadSymbol(char c);
  void ReadOperand();
  void PushOperator(char op);
  void CloseParenthesis();

  const String& FText;
  int FPos = 1;
  String FOut;
  String FStack;  // the operator stack, top last
  bool FAfterOperand = false;
};

String PostfixWriter::Run() {
  while (FPos <= int(FText.size())) {
    const char c = FText[size_t(FPos - 1)];
    if (IsBlank(c)) {
      ++FPos;
    } else if (c == ';') {
      break;
    } else if (!ReadSymbol(c)) {
      ReadOperand();
    }
  }
  while (!FStack.empty()) {
    if (FStack.back() == '(') throw EParserError("Unbalanced parentheses");
    FOut += FStack.back();
    FStack.pop_back();
  }
  return FOut;
}

// Parentheses and the symbolic operators, two-character ones first.
bool PostfixWriter::ReadSymbol(char c) {
  const char next = CharAt(FText, FPos + 1);
  if (c == '(') {
    FStack += '(';
    FAfterOperand = false;
  } else if (c == ')') {
    CloseParenthesis();
  } else if (const char pair = c == '<' && next == '>'   ? opNotEqual
                               : c == '>' && next == '=' ? opGreaterEqual
                               : c == '<' && next == '=' ? opLessEqual
                                                         : 0) {
    PushOperator(pair);
    ++FPos;  // the second character of the pair
  } else if (String("*+-/<=>").find(c) != String::npos) {
    PushOperator(c);
  } else {
    return false;
  }
  ++FPos;
  return true;
}

void PostfixWriter::CloseParenthesis() {
  while (!FStack.empty() && FStack.back() != '(') {
    FOut += FStack.back();
    FStack.pop_back();
  }
  if (FStack.empty()) throw EParserError("Unbalanced parentheses");
  FStack.pop_back();
}

// A prefix operator has no left operand, so it never moves a pending operator to the output: in
// "2*-3" and "a and not b" the sign and NOT apply to the operand that follows.
void PostfixWriter::PushOperator(char op) {
  if (!FAfterOperand && op == '-') op = opUnaryMinus;
  if (!FAfterOperand && op == '+') op = opUnaryPlus;
  if (!IsPrefixOperator(op))
    while (!FStack.empty() && Priority(op) >= Priority(FStack.back())) {
      FOut += FStack.back();
      FStack.pop_back();
    }
  FStack += op;
  FAfterOperand = false;
}

// A string, a bracketed text or an identifier (with a bracketed index), after an optional "%"
// and the character that follows it.
void PostfixWriter::ReadOperand() {
  const int start = FPos;
  String operand;
  if (FText[size_t(FPos - 1)] == '%') {
    operand = FText.substr(size_t(FPos - 1), 2);
    FPos += int(operand.size());
  }
  const char c = CharAt(FText, FPos);
  if (c == '\'') {
    operand += ReadQuotedString(FText, FPos);
  } else if (c == '[') {
    int end;
    const String inner = ReadBracketed(FText, FPos, end);
    if (end == 0) throw EParserError("Missing \"]\"");
    operand += "[" + inner + "]";
    FPos = end + 1;
  } else {
    operand += ReadIdentifier(FText, FPos);
    int end;
    const String index = ReadBracketed(FText, FPos, end);
    if (end != 0) {
      operand += "[" + index + "]";
      FPos = end + 1;
    } else if (const char op = StartsNumber(operand) ? 0 : KeywordOperator(operand)) {
      PushOperator(op);
      return;
    } else if (CharAt(FText, FPos) == '(' && !StartsNumber(operand)) {
      const int open = FPos;
      String p1, p2, p3;
      ReadArguments(FText, FPos, p1, p2, p3);
      FOut += operand + Slice(FText, open, FPos);
      FAfterOperand = true;
      return;
    }
  }
  if (FPos == start) throw EParserError("Operand expected");
  FOut += operand + ' ';
  FAfterOperand = true;
}

// --- the evaluator's stack ---------------------------------------------------------------------------

class ValueStack {
 public:
  void Push(Variant value) {
    if (FCount == kStackSize) throw EParserError("Expression too complex: more than 8 pending values");
    FItems[size_t(FCount++)] = std::move(value);
  }
  Variant& Top() {
    if (FCount == 0) throw EParserError("Operand expected");
    return FItems[size_t(FCount - 1)];
  }
  // The right operand, removed; Top() is then the left one.
  Variant PopRight() {
    if (FCount < 2) throw EParserError("Operand expected");
    return std::move(FItems[size_t(--FCount)]);
  }
  Variant Bottom() const { return FCount == 0 ? Variant(0) : FItems[0]; }

 private:
  std::array<Variant, kStackSize> FItems;
  int FCount = 0;
};

bool Compare(char op, const Variant& left, const Variant& right) {
  const TVariantRelationship r = VarCompareValue(left, right);
  switch (op) {
    case '=': return r == vrEqual;
    case '<': return r == vrLessThan;
    case '>': return r == vrGreaterThan;
    case opNotEqual: return r != vrEqual;
    case opGreaterEqual: return r == vrGreaterThan || r == vrEqual;
    default: return r == vrLessThan || r == vrEqual;  // opLessEqual
  }
}

Variant ApplyBinary(char op, const Variant& left, const Variant& right) {
  switch (op) {
    case '+': case opOr: return left + right;
    case '-': return left - right;
    case '*': case opAnd: return left * right;
    case '/': return VarSameValue(right, Variant(0)) ? Variant(0) : left / right;
    case opMod: return VarMod(left, right);
    default: return Variant(Compare(op, left, right) ? 1 : 0);
  }
}

// The whole number that x lies within the tolerance of, or x cut toward zero.
double WholePart(double x) {
  const double nearest = std::round(x);
  return std::fabs(x - nearest) < kWholeTolerance ? nearest : std::trunc(x);
}

Variant ApplyUnary(char op, const Variant& value) {
  switch (op) {
    case opInt: return WholePart(value.AsDouble());
    case opFrac: {
      const double x = value.AsDouble();
      return std::fabs(x - std::round(x)) < kWholeTolerance ? 0.0 : x - std::trunc(x);
    }
    case opRound: return Variant(Round(value.AsDouble())).AsInteger();
    case opUnaryMinus: return -value;
    case opUnaryPlus: return value;
    case opStr: return VarToStr(value);
    default: return Variant(value == Variant(0) ? 1 : 0);  // opNot
  }
}

Variant ReadNumber(String token) {
  const TFormatSettings& fs = FormatSettings();
  for (char& c : token)
    if (c == ',' || c == '.') c = fs.DecimalSeparator;
  return StrToFloat(token, fs);
}

class DepthGuard {
 public:
  explicit DepthGuard(int& depth) : FDepth(depth) {
    if (FDepth >= kMaxDepth) throw EParserError("Expression nested too deeply");
    ++FDepth;
  }
  ~DepthGuard() { --FDepth; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;

 private:
  int& FDepth;
};

}  // namespace

// --- text routines -----------------------------------------------------------------------------------

String ReadIdentifier(const String& text, int& pos) {
  const int length = int(text.size());
  while (pos <= length && IsBlank(text[size_t(pos - 1)])) ++pos;
  const int start = pos;
  bool quoted = false;
  for (; pos <= length; ++pos) {
    const char c = text[size_t(pos - 1)];
    if (c == '"') quoted = !quoted;
    else if (!quoted && IsDelimiter(c)) break;
  }
  return Slice(text, start, pos);
}

String ReadQuotedString(const String& text, int& pos) {
  const int start = pos;
  for (++pos; pos <= int(text.size()); ++pos)
    if (text[size_t(pos - 1)] == '\'') {
      if (CharAt(text, pos + 1) != '\'') return Slice(text, start, ++pos);
      ++pos;  // a doubled quote stands for one quote
    }
  throw EParserError("Unterminated string");
}

void ReadArguments(const String& text, int& pos, String& p1, String& p2, String& p3) {
  String* const args[] = {&p1, &p2, &p3};
  for (String* arg : args) arg->clear();
  int depth = 1;
  int commas = 0;
  int argStart = pos + 1;
  bool quoted = false;
  for (++pos; pos <= int(text.size()); ++pos) {
    const char c = text[size_t(pos - 1)];
    if (c == '\'') quoted = !quoted;
    if (quoted || c == '\'') continue;
    if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth == 0) {
      *args[commas] = Slice(text, argStart, pos++);
      return;
    } else if (c == ',' && depth == 1) {
      if (commas == 2) throw EParserError("Too many arguments: a function takes at most three");
      *args[commas++] = Slice(text, argStart, pos);
      argStart = pos + 1;
    }
  }
  throw EParserError("");
}

String ReadBracketed(const String& text, int start, int& end) {
  end = 0;
  if (CharAt(text, start) != '[') return String();
  int depth = 0;
  char quote = 0;
  for (int i = start; i <= int(text.size()); ++i) {
    const char c = text[size_t(i - 1)];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == '[') {
      ++depth;
    } else if (c == ']' && --depth == 0) {
      end = i;
      return Slice(text, start + 1, i);
    }
  }
  return String();
}

// --- TfrParser ---------------------------------------------------------------------------------------

Variant TfrParser::Calc(const String& expression) { return CalcPostfix(GetPostfix(expression)); }

String TfrParser::GetPostfix(const String& expression) const { return PostfixWriter(expression).Run(); }

Variant TfrParser::CalcPostfix(const String& postfix) {
  DepthGuard guard(FDepth);
  ValueStack stack;
  int pos = 1;
  while (pos <= int(postfix.size())) {
    const char c = postfix[size_t(pos - 1)];
    if (c == ' ') {
      ++pos;
    } else if (IsBinaryOperator(c)) {
      Variant right = stack.PopRight();
      stack.Top() = ApplyBinary(c, stack.Top(), right);
      ++pos;
    } else if (IsPrefixOperator(c)) {
      stack.Top() = ApplyUnary(c, stack.Top());
      ++pos;
    } else if (c == '[') {
      int end;
      const String name = ReadBracketed(postfix, pos, end);
      if (end == 0) throw EParserError("Missing \"]\"");
      stack.Push(GetValue(name));
      pos = end + 1;
    } else if (c == '\'') {
      stack.Push(DequotedStr(ReadQuotedString(postfix, pos)));
    } else if (IsBlank(c)) {
      throw EParserError("Invalid character in expression");
    } else {
      stack.Push(EvalIdentifier(postfix, pos));
    }
  }
  return stack.Bottom();
}

// A number, TRUE or FALSE, an array element, a function call or a name.
Variant TfrParser::EvalIdentifier(const String& text, int& pos) {
  const String identifier = ReadIdentifier(text, pos);
  if (identifier.empty()) throw EParserError("Invalid character in expression");
  if (StartsNumber(identifier)) return ReadNumber(identifier);
  const String name = UpperCase(identifier);
  if (name == "TRUE") return true;
  if (name == "FALSE") return false;
  int end;
  const String index = ReadBracketed(text, pos, end);
  if (end != 0) {
    pos = end + 1;
    return Calc("GETARRAY(" + identifier + "," + index + ")");
  }
  if (CharAt(text, pos) == '(') {
    String p1, p2, p3;
    ReadArguments(text, pos, p1, p2, p3);
    return CallFunction(name, p1, p2, p3);
  }
  return GetValue(name);
}

Variant TfrParser::CallFunction(const String& name, const String& p1, const String& p2, const String& p3) {
  if (name == "COPY")
    return Copy(VarToStr(Calc(p1)), StrToInt(VarToStr(Calc(p2))), StrToInt(VarToStr(Calc(p3))));
  if (name == "IF") {
    // A Boolean condition counts as its number; any other is read from its text.
    const Variant condition = Calc(p1);
    const double x = condition.VarType() == varBoolean ? condition.AsDouble() : StrToFloat(VarToStr(condition));
    return Calc(std::trunc(x) != 0 ? p2 : p3);
  }
  if (name == "STRTODATE") return Variant::FromDateTime(StrToDate(VarToStr(Calc(p1))));
  if (name == "STRTOTIME") return Variant::FromDateTime(StrToTime(VarToStr(Calc(p1))));
  if (!OnFunction) return Variant::Null();
  Variant value;
  OnFunction(name, p1, p2, p3, value);
  return value;
}

Variant TfrParser::GetValue(const String& name) {
  if (!OnGetValue) return Variant::Null();
  Variant value;
  OnGetValue(name, value);
  return value;
}

// --- TfrVariables ------------------------------------------------------------------------------------

Variant TfrVariables::Variable(const String& name) const {
  const int index = IndexOf(name);
  return index < 0 ? Variant::Null() : FItems[size_t(index)].Value;
}

void TfrVariables::SetVariable(const String& name, const Variant& value) {
  if (const int index = IndexOf(name); index >= 0) {
    FItems[size_t(index)].Value = value;
    return;
  }
  if (FSorted) {
    FItems.insert(FItems.begin() + LowerBound(name), TEntry{name, value});
    Unindex();
    return;
  }
  FItems.push_back(TEntry{name, value});
  if (FIndexed) FIndex.try_emplace(UpperCase(name), Count() - 1);
}

Variant TfrVariables::Value(int index) const {
  return index >= 0 && index < Count() ? FItems[size_t(index)].Value : Variant(0);
}

void TfrVariables::SetValue(int index, const Variant& value) {
  if (index >= 0 && index < Count()) FItems[size_t(index)].Value = value;
}

String TfrVariables::Name(int index) const {
  return index >= 0 && index < Count() ? FItems[size_t(index)].Name : String();
}

void TfrVariables::SetName(int index, const String& name) {
  if (index < 0 || index >= Count()) return;
  FItems[size_t(index)].Name = name;
  Unindex();
  if (FSorted) Sort();
}

int TfrVariables::IndexOf(const String& name) const {
  if (FSorted) {
    const int at = LowerBound(name);
    return at < Count() && SameText(FItems[size_t(at)].Name, name) ? at : -1;
  }
  return IndexedPosition(name);
}

void TfrVariables::Unindex() const {
  if (!FIndexed) return;
  FIndex = {};
  FIndexed = false;
}

int TfrVariables::IndexedPosition(const String& name) const {
  if (!FIndexed) {
    for (int i = 0; i < Count(); ++i) FIndex.try_emplace(UpperCase(FItems[size_t(i)].Name), i);
    FIndexed = true;
  }
  const auto found = FIndex.find(UpperCase(name));
  return found == FIndex.end() ? -1 : found->second;
}

void TfrVariables::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  FItems.erase(FItems.begin() + index);
  Unindex();
}

void TfrVariables::SetSorted(bool sorted) {
  if (sorted && !FSorted) Sort();
  FSorted = sorted;
}

void TfrVariables::Sort() {
  Unindex();
  std::stable_sort(FItems.begin(), FItems.end(),
                   [](const TEntry& a, const TEntry& b) { return CompareText(a.Name, b.Name) < 0; });
}

int TfrVariables::LowerBound(const String& name) const {
  const auto it = std::lower_bound(FItems.begin(), FItems.end(), name,
                                   [](const TEntry& entry, const String& n) { return CompareText(entry.Name, n) < 0; });
  return int(it - FItems.begin());
}

// --- TfrFunctionSplitter -----------------------------------------------------------------------------

TfrFunctionSplitter::TfrFunctionSplitter(const TStrings* matchFuncs, TStrings* splitTo, const TfrVariables* variables)
    : FMatchFuncs(matchFuncs), FSplitTo(splitTo), FVariables(variables) {}

void TfrFunctionSplitter::Split(const String& text) {
  DepthGuard guard(FDepth);
  const String s = Trim(text);
  int pos = 1;
  while (pos <= int(s.size())) {
    if (s[size_t(pos - 1)] == '[') {
      int end;
      const String inner = ReadBracketed(s, pos, end);
      if (end == 0) return;
      if (FVariables->IndexOf(inner) >= 0) SplitVariable(inner);
      else Split(inner);
      pos = end + 1;
      continue;
    }
    const int start = pos;
    const String name = ReadIdentifier(s, pos);
    if (CharAt(s, pos) == '(') {
      SplitCall(s, pos, start, name);
    } else if (FVariables->IndexOf(name) >= 0) {
      SplitVariable(name);
    } else if (pos <= int(s.size()) && String(" \r*+-/<=>").find(s[size_t(pos - 1)]) != String::npos) {
      ++pos;
    } else if (name.empty() && CharAt(s, pos) != '[') {
      return;  // a bracket after blanks is split on the next round, like one at the start
    }
  }
}

void TfrFunctionSplitter::SplitCall(const String& text, int& pos, int callStart, const String& name) {
  String p1, p2, p3;
  ReadArguments(text, pos, p1, p2, p3);
  Split(p1);
  Split(p2);
  Split(p3);
  if (FMatchFuncs->IndexOf(name) >= 0) FSplitTo->Add(Slice(text, callStart, pos));
}

void TfrFunctionSplitter::SplitVariable(const String& name) {
  for (const String& open : FExpanding)
    if (SameText(open, name)) return;
  FExpanding.push_back(name);
  try {
    Split(VarToStr(FVariables->Variable(name)));
  } catch (...) {
    FExpanding.pop_back();
    throw;
  }
  FExpanding.pop_back();
}
