// Parser and evaluator of filter expressions, and the value matching that Locate shares.
#include "data/FilterExpression_p.h"

#include <cctype>

#include "rtl/Convert.h"
#include "rtl/Text.h"

struct TFilterOperand {
  bool IsField = false;
  String Name;
  Variant Literal;
};

struct TFilterNode {
  enum TKind { And, Or, Not, Compare, IsNull } Kind = Compare;
  String Operator;  // "=", "<>", "<", ">", "<=", ">="; for IsNull "" or "not"
  std::unique_ptr<TFilterNode> Left, Right;
  TFilterOperand A, B;
};

TFilterExpression::~TFilterExpression() = default;

namespace {

struct TToken {
  enum TKind { End, Name, Text, Number, Symbol } Kind = End;
  String Value;
  size_t Position = 0;
};

class TFilterParser {
 public:
  explicit TFilterParser(const String& text) : FText(text) { Advance(); }

  std::unique_ptr<TFilterNode> ParseAll() {
    auto node = ParseOr();
    if (FToken.Kind != TToken::End) Fail();
    return node;
  }

 private:
  [[noreturn]] void Fail() const {
    throw EDatabaseError("过滤条件“" + FText + "”在第 " + std::to_string(FToken.Position + 1) + " 个字符处有错误。");
  }
  bool IsWord(const char* word) const { return FToken.Kind == TToken::Name && SameText(FToken.Value, word); }
  bool IsSymbol(const char* symbol) const { return FToken.Kind == TToken::Symbol && FToken.Value == symbol; }

  std::unique_ptr<TFilterNode> Join(TFilterNode::TKind kind, std::unique_ptr<TFilterNode> left,
                                    std::unique_ptr<TFilterNode> right) {
    auto node = std::make_unique<TFilterNode>();
    node->Kind = kind;
    node->Left = std::move(left);
    node->Right = std::move(right);
    return node;
  }

  std::unique_ptr<TFilterNode> ParseOr() {
    auto node = ParseAnd();
    while (IsWord("or")) {
      Advance();
      node = Join(TFilterNode::Or, std::move(node), ParseAnd());
    }
    return node;
  }

  std::unique_ptr<TFilterNode> ParseAnd() {
    auto node = ParseNot();
    while (IsWord("and")) {
      Advance();
      node = Join(TFilterNode::And, std::move(node), ParseNot());
    }
    return node;
  }

  std::unique_ptr<TFilterNode> ParseNot() {
    if (IsWord("not")) {
      Advance();
      return Join(TFilterNode::Not, ParseNot(), nullptr);
    }
    if (IsSymbol("(")) {
      Advance();
      auto node = ParseOr();
      if (!IsSymbol(")")) Fail();
      Advance();
      return node;
    }
    return ParseComparison();
  }

  std::unique_ptr<TFilterNode> ParseComparison() {
    auto node = std::make_unique<TFilterNode>();
    node->A = ParseOperand();
    if (IsWord("is")) {
      Advance();
      node->Kind = TFilterNode::IsNull;
      if (IsWord("not")) {
        node->Operator = "not";
        Advance();
      }
      if (!IsWord("null")) Fail();
      Advance();
      return node;
    }
    static const char* const operators[] = {"=", "<>", "!=", "<", ">", "<=", ">="};
    bool found = false;
    for (const char* op : operators) found = found || IsSymbol(op);
    if (!found) Fail();
    node->Operator = FToken.Value == "!=" ? "<>" : FToken.Value;
    Advance();
    node->B = ParseOperand();
    return node;
  }

  TFilterOperand ParseOperand() {
    TFilterOperand operand;
    switch (FToken.Kind) {
      case TToken::Name:
        if (IsWord("null")) operand.Literal = Variant::Null();
        else if (IsWord("true") || IsWord("false")) operand.Literal = Variant(IsWord("true"));
        else {
          operand.IsField = true;
          operand.Name = FToken.Value;
        }
        break;
      case TToken::Text: operand.Literal = Variant(FToken.Value); break;
      case TToken::Number: operand.Literal = Variant(StrToFloat(FToken.Value, TFormatSettings())); break;
      case TToken::Symbol:
        // A minus sign belongs to the number after it.
        if (FToken.Value != "-") Fail();
        Advance();
        if (FToken.Kind != TToken::Number) Fail();
        operand.Literal = Variant(-StrToFloat(FToken.Value, TFormatSettings()));
        break;
      default: Fail();
    }
    Advance();
    return operand;
  }

  void Advance() {
    while (FPos < FText.size() && std::isspace(static_cast<unsigned char>(FText[FPos]))) ++FPos;
    FToken = TToken{};
    FToken.Position = FPos;
    if (FPos >= FText.size()) return;
    const char c = FText[FPos];
    if (c == '\'') return ReadQuoted('\'', TToken::Text);
    if (c == '"') return ReadQuoted('"', TToken::Name);
    if (c == '[') return ReadBracketed();
    if (std::isdigit(static_cast<unsigned char>(c)) || (c == '.' && FPos + 1 < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos + 1]))))
      return ReadNumber();
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '_' || static_cast<unsigned char>(c) >= 0x80) return ReadName();
    ReadSymbol();
  }

  void ReadQuoted(char quote, TToken::TKind kind) {
    FToken.Kind = kind;
    for (++FPos;; ++FPos) {
      if (FPos >= FText.size()) Fail();
      if (FText[FPos] == quote) {
        if (FPos + 1 < FText.size() && FText[FPos + 1] == quote) {
          FToken.Value += quote;
          ++FPos;
          continue;
        }
        ++FPos;
        return;
      }
      FToken.Value += FText[FPos];
    }
  }

  void ReadBracketed() {
    const size_t close = FText.find(']', FPos);
    if (close == String::npos) Fail();
    FToken.Kind = TToken::Name;
    FToken.Value = FText.substr(FPos + 1, close - FPos - 1);
    FPos = close + 1;
  }

  void ReadNumber() {
    const size_t start = FPos;
    while (FPos < FText.size() && (std::isdigit(static_cast<unsigned char>(FText[FPos])) || FText[FPos] == '.')) ++FPos;
    if (FPos < FText.size() && (FText[FPos] == 'e' || FText[FPos] == 'E')) {
      ++FPos;
      if (FPos < FText.size() && (FText[FPos] == '+' || FText[FPos] == '-')) ++FPos;
      while (FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos]))) ++FPos;
    }
    FToken.Kind = TToken::Number;
    FToken.Value = FText.substr(start, FPos - start);
    double ignored = 0;
    if (!TryStrToFloat(FToken.Value, ignored, TFormatSettings())) Fail();
  }

  void ReadName() {
    const size_t start = FPos;
    while (FPos < FText.size() && (std::isalnum(static_cast<unsigned char>(FText[FPos])) || FText[FPos] == '_' ||
                                   static_cast<unsigned char>(FText[FPos]) >= 0x80))
      ++FPos;
    FToken.Kind = TToken::Name;
    FToken.Value = FText.substr(start, FPos - start);
  }

  void ReadSymbol() {
    static const char* const symbols[] = {"<>", "<=", ">=", "!=", "=", "<", ">", "(", ")", "-"};
    for (const char* symbol : symbols) {
      if (FText.compare(FPos, std::char_traits<char>::length(symbol), symbol) == 0) {
        FToken.Kind = TToken::Symbol;
        FToken.Value = symbol;
        FPos += FToken.Value.size();
        return;
      }
    }
    Fail();
  }

  const String& FText;
  size_t FPos = 0;
  TToken FToken;
};

struct TOperandValue {
  const TField* Field = nullptr;
  Variant Value;
};

TOperandValue ValueOf(const TFilterOperand& operand, const TDataSet& dataSet, const TRowValues& values) {
  if (!operand.IsField) return {nullptr, operand.Literal};
  const TField* field = dataSet.FindField(operand.Name);
  if (!field || field->FieldNo() <= 0) throw EDatabaseError("过滤条件中的字段“" + operand.Name + "”不存在。");
  return {field, values[size_t(field->FieldNo() - 1)]};
}

String Mirrored(const String& op) {
  if (op == "<") return ">";
  if (op == ">") return "<";
  if (op == "<=") return ">=";
  if (op == ">=") return "<=";
  return op;
}

bool Compare(const TFilterNode& node, const TDataSet& dataSet, const TRowValues& values, TFilterOptions options) {
  TOperandValue a = ValueOf(node.A, dataSet, values);
  TOperandValue b = ValueOf(node.B, dataSet, values);
  // A field goes to the left, so that a literal takes the field's kind; the operator turns with it.
  const bool swapped = !a.Field && b.Field;
  if (swapped) std::swap(a, b);
  const String op = swapped ? Mirrored(node.Operator) : node.Operator;
  if (a.Value.IsNull() || b.Value.IsNull()) return false;
  const bool caseless = options & foCaseInsensitive;
  if ((op == "=" || op == "<>") && a.Field && !b.Field) {
    String key = VarIsStr(b.Value) ? b.Value.StringValue() : String();
    const bool partial = !(options & foNoPartialCompare) && !key.empty() && key.back() == '*';
    const Variant probe = partial ? Variant(key.substr(0, key.size() - 1)) : b.Value;
    const bool equal = FieldValueMatches(*a.Field, a.Value, probe, caseless, partial);
    return (op == "=") == equal;
  }
  Variant left = a.Value, right = b.Value;
  try {
    if (a.Field && !b.Field) right = a.Field->Convert(right);
  } catch (const Exception&) {
    return false;
  }
  if (caseless && VarIsStr(left) && VarIsStr(right)) {
    left = AnsiUpperCase(left.StringValue());
    right = AnsiUpperCase(right.StringValue());
  }
  TVariantRelationship relation;
  try {
    relation = VarCompareValue(left, right);
  } catch (const Exception&) {
    return false;
  }
  if (op == "=") return relation == vrEqual;
  if (op == "<>") return relation != vrEqual;
  if (op == "<") return relation == vrLessThan;
  if (op == ">") return relation == vrGreaterThan;
  if (op == "<=") return relation == vrLessThan || relation == vrEqual;
  return relation == vrGreaterThan || relation == vrEqual;
}

bool EvaluateNode(const TFilterNode& node, const TDataSet& dataSet, const TRowValues& values, TFilterOptions options) {
  switch (node.Kind) {
    case TFilterNode::And:
      return EvaluateNode(*node.Left, dataSet, values, options) && EvaluateNode(*node.Right, dataSet, values, options);
    case TFilterNode::Or:
      return EvaluateNode(*node.Left, dataSet, values, options) || EvaluateNode(*node.Right, dataSet, values, options);
    case TFilterNode::Not: return !EvaluateNode(*node.Left, dataSet, values, options);
    case TFilterNode::IsNull: return ValueOf(node.A, dataSet, values).Value.IsNull() == node.Operator.empty();
    case TFilterNode::Compare: return Compare(node, dataSet, values, options);
  }
  return false;
}

}  // namespace

std::shared_ptr<TFilterExpression> TFilterExpression::Parse(const String& Text) {
  auto expression = std::make_shared<TFilterExpression>();
  if (!Trim(Text).empty()) expression->FRoot = TFilterParser(Text).ParseAll();
  return expression;
}

bool TFilterExpression::Evaluate(const TDataSet& DataSet, const TRowValues& Values, TFilterOptions Options) const {
  return !FRoot || EvaluateNode(*FRoot, DataSet, Values, Options);
}

bool FieldValueMatches(const TField& Field, const Variant& Stored, const Variant& Key, bool CaseInsensitive,
                       bool Partial) {
  if (Key.IsNull() || Key.IsEmpty()) return Stored.IsNull();
  if (Stored.IsNull()) return false;
  if (VarIsStr(Stored)) {
    String text = Stored.StringValue();
    const String key = VarToStr(Key);
    if (Partial) text = Copy(text, 1, Length(key));
    return CaseInsensitive ? AnsiSameText(text, key) : text == key;
  }
  try {
    return VarCompareValue(Stored, Field.Convert(Key)) == vrEqual;
  } catch (const Exception&) {
    return false;
  }
}
