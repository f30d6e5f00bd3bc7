// Reading the text form of a layout into objects and values: a small lexer that tracks lines and
// a recursive parser with a nesting limit, so that hostile text cannot exhaust the stack.
#include <charconv>

#include "classes/LayoutText.h"
#include "rtl/Text.h"

namespace {

constexpr int kMaxDepth = 64;

enum class TTokenKind { Ident, Integer, Float, String, Binary, Symbol, End };

struct TToken {
  TTokenKind Kind = TTokenKind::End;
  int Line = 1;
  String Text;  // Ident and String
  int64_t Integer = 0;
  double Float = 0;
  std::vector<uint8_t> Bytes;
  char Symbol = 0;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c) || c == '.'; }
int HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

class TLexer {
 public:
  explicit TLexer(const String& text) : FText(text) {
    if (FText.compare(0, 3, "\xEF\xBB\xBF") == 0) FPos = 3;
    Next();
  }
  const TToken& Current() const { return FToken; }
  [[noreturn]] void Error(const String& message) const { throw ELayoutError(FToken.Line, message); }

  void Next() {
    SkipBlanks();
    FToken = TToken();
    FToken.Line = FLine;
    if (FPos >= FText.size()) return;
    const char c = FText[FPos];
    if (IsIdentStart(c)) {
      ReadIdent();
    } else if (IsDigit(c) || ((c == '-' || c == '+') && FPos + 1 < FText.size() && IsDigit(FText[FPos + 1]))) {
      ReadNumber();
    } else if (c == '\'' || c == '#') {
      ReadString();
    } else if (c == '{') {
      ReadBinary();
    } else if (String("=:[](),<>").find(c) != String::npos) {
      FToken.Kind = TTokenKind::Symbol;
      FToken.Symbol = c;
      ++FPos;
    } else {
      Error("Invalid character in layout text");
    }
  }

 private:
  void SkipBlanks() {
    while (FPos < FText.size()) {
      const char c = FText[FPos];
      if (c == '\n') {
        ++FLine;
      } else if (c != ' ' && c != '\t' && c != '\r') {
        return;
      }
      ++FPos;
    }
  }

  void ReadIdent() {
    const size_t start = FPos;
    while (FPos < FText.size() && IsIdentChar(FText[FPos])) ++FPos;
    FToken.Kind = TTokenKind::Ident;
    FToken.Text = FText.substr(start, FPos - start);
  }

  void ReadNumber() {
    const size_t start = FPos;
    bool isFloat = false;
    ++FPos;  // sign or first digit
    SkipDigits();
    if (FPos < FText.size() && FText[FPos] == '.') {
      isFloat = true;
      ++FPos;
      SkipDigits();
    }
    if (FPos < FText.size() && (FText[FPos] == 'e' || FText[FPos] == 'E')) {
      isFloat = true;
      ++FPos;
      if (FPos < FText.size() && (FText[FPos] == '+' || FText[FPos] == '-')) ++FPos;
      SkipDigits();
    }
    const char* first = FText.data() + start + (FText[start] == '+' ? 1 : 0);
    const char* last = FText.data() + FPos;
    std::from_chars_result r{};
    if (isFloat) {
      FToken.Kind = TTokenKind::Float;
      r = std::from_chars(first, last, FToken.Float);
    } else {
      FToken.Kind = TTokenKind::Integer;
      r = std::from_chars(first, last, FToken.Integer);
    }
    if (r.ec != std::errc() || r.ptr != last) Error("Invalid number " + String(first, last));
  }

  void SkipDigits() {
    while (FPos < FText.size() && IsDigit(FText[FPos])) ++FPos;
  }

  // Quoted runs and #nn character codes, written next to each other, make one string.
  void ReadString() {
    FToken.Kind = TTokenKind::String;
    while (FPos < FText.size()) {
      if (FText[FPos] == '\'') {
        ReadQuoted();
      } else if (FText[FPos] == '#') {
        ReadCharCode();
      } else {
        return;
      }
    }
  }

  void ReadQuoted() {
    ++FPos;
    for (;;) {
      if (FPos >= FText.size() || FText[FPos] == '\n' || FText[FPos] == '\r') Error("Unterminated string");
      if (FText[FPos] == '\'') {
        if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
          FToken.Text += '\'';
          FPos += 2;
          continue;
        }
        ++FPos;
        return;
      }
      FToken.Text += FText[FPos++];
    }
  }

  void ReadCharCode() {
    const size_t start = ++FPos;
    SkipDigits();
    uint32_t code = 0;
    auto r = std::from_chars(FText.data() + start, FText.data() + FPos, code);
    const bool valid = r.ec == std::errc() && FPos > start && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    if (!valid) Error("Invalid character code in string");
    FToken.Text += CodePointToUtf8(static_cast<char32_t>(code));
  }

  void ReadBinary() {
    FToken.Kind = TTokenKind::Binary;
    ++FPos;
    int high = -1;
    for (;;) {
      SkipBlanks();
      if (FPos >= FText.size()) Error("Unterminated binary value");
      const char c = FText[FPos++];
      if (c == '}') break;
      const int digit = HexDigit(c);
      if (digit < 0) Error("Invalid hexadecimal digit in binary value");
      if (high < 0) {
        high = digit;
      } else {
        FToken.Bytes.push_back(static_cast<uint8_t>(high * 16 + digit));
        high = -1;
      }
    }
    if (high >= 0) Error("Odd number of hexadecimal digits in binary value");
  }

  const String& FText;
  size_t FPos = 0;
  int FLine = 1;
  TToken FToken;
};

class TParser {
 public:
  explicit TParser(const String& text) : FLex(text) {}

  TLayoutObject ParseRoot() {
    TLayoutObject root = ParseObject(0);
    if (FLex.Current().Kind != TTokenKind::End) FLex.Error("Text after the end of the layout");
    return root;
  }

 private:
  bool AtKeyword(const char* word) const {
    return FLex.Current().Kind == TTokenKind::Ident && SameText(FLex.Current().Text, word);
  }
  bool AtSymbol(char c) const { return FLex.Current().Kind == TTokenKind::Symbol && FLex.Current().Symbol == c; }
  void ExpectSymbol(char c) {
    if (!AtSymbol(c)) FLex.Error(String("'") + c + "' expected");
    FLex.Next();
  }
  String ExpectIdent(const char* what) {
    if (FLex.Current().Kind != TTokenKind::Ident) FLex.Error(String(what) + " expected");
    String text = FLex.Current().Text;
    FLex.Next();
    return text;
  }
  void Enter(int depth) const {
    if (depth > kMaxDepth) FLex.Error("Layout nested too deeply");
  }

  TLayoutObject ParseObject(int depth) {
    Enter(depth);
    TLayoutObject obj;
    obj.Line = FLex.Current().Line;
    if (!AtKeyword("object")) FLex.Error("'object' expected");
    FLex.Next();
    String first = ExpectIdent("Component name or class");
    if (AtSymbol(':')) {
      FLex.Next();
      obj.Name = first;
      obj.ClassName = ExpectIdent("Class name");
    } else {
      obj.ClassName = first;
    }
    while (!AtKeyword("end")) {
      if (AtKeyword("object")) {
        obj.Children.push_back(ParseObject(depth + 1));
      } else {
        obj.Properties.push_back(ParseProperty(depth));
      }
    }
    FLex.Next();
    return obj;
  }

  TLayoutProperty ParseProperty(int depth) {
    TLayoutProperty p;
    p.Line = FLex.Current().Line;
    if (FLex.Current().Kind == TTokenKind::End) FLex.Error("'end' expected");
    p.Name = ExpectIdent("Property name");
    ExpectSymbol('=');
    p.Value = ParseValue(depth + 1);
    return p;
  }

  TLayoutValue ParseValue(int depth) {
    Enter(depth);
    const TToken& t = FLex.Current();
    TLayoutValue v;
    v.Line = t.Line;
    switch (t.Kind) {
      case TTokenKind::Integer: v.Kind = TValueKind::Integer; v.Integer = t.Integer; break;
      case TTokenKind::Float: v.Kind = TValueKind::Float; v.Float = t.Float; break;
      case TTokenKind::String: v.Kind = TValueKind::String; v.Text = t.Text; break;
      case TTokenKind::Ident: v.Kind = TValueKind::Ident; v.Text = t.Text; break;
      case TTokenKind::Binary: v.Kind = TValueKind::Binary; v.Bytes = t.Bytes; break;
      case TTokenKind::Symbol: return ParseBracketed(v, depth);
      case TTokenKind::End: FLex.Error("Property value expected");
    }
    FLex.Next();
    return v;
  }

  TLayoutValue ParseBracketed(TLayoutValue& v, int depth) {
    const char open = FLex.Current().Symbol;
    if (open != '[' && open != '(' && open != '<') FLex.Error("Property value expected");
    FLex.Next();
    if (open == '[') {
      v.Kind = TValueKind::Set;
      ParseSetNames(v.Names);
    } else if (open == '(') {
      v.Kind = TValueKind::List;
      while (!AtSymbol(')')) v.Items.push_back(ParseValue(depth + 1));
      FLex.Next();
    } else {
      v.Kind = TValueKind::Collection;
      while (!AtSymbol('>')) v.CollectionItems.push_back(ParseItem(depth + 1));
      FLex.Next();
    }
    return v;
  }

  void ParseSetNames(std::vector<String>& names) {
    if (AtSymbol(']')) {
      FLex.Next();
      return;
    }
    for (;;) {
      names.push_back(ExpectIdent("Set element"));
      if (AtSymbol(']')) break;
      ExpectSymbol(',');
    }
    FLex.Next();
  }

  TLayoutItem ParseItem(int depth) {
    Enter(depth);
    TLayoutItem item;
    item.Line = FLex.Current().Line;
    if (!AtKeyword("item")) FLex.Error("'item' expected");
    FLex.Next();
    while (!AtKeyword("end")) item.Properties.push_back(ParseProperty(depth));
    FLex.Next();
    return item;
  }

  TLexer FLex;
};

}  // namespace

TLayoutObject ParseLayout(const String& text) { return TParser(text).ParseRoot(); }
