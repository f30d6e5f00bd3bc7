// The script compiler: reads the source as one text, statement by statement, by words for the
// keywords and character by character for expressions; writes the compiled lines with their jump
// targets, then turns every expression into postfix form. Comments are cut out of the text as
// they are met and remembered, so that error positions refer to the source as written.
#include "report/FR_IntrpCompiler_p.h"

#include <vector>

#include "report/FR_Intrp.h"
#include "report/FR_Pars.h"
#include "rtl/Convert.h"
#include "rtl/Text.h"

namespace {

constexpr size_t kMaxSourceBytes = 32000;
constexpr size_t kMaxLabels = 101;
// Nesting of statements and parenthesised expressions, so that a hostile script cannot exhaust
// the stack.
constexpr int kMaxNesting = 200;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
// Letters are a-z, A-Z and every non-ASCII character, so that Chinese names are names.
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80; }
bool IsNameChar(char c) { return IsLetter(c) || IsDigit(c) || c == '.' || c == '_'; }
bool StartsWith(const String& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }
// A jump target as stored: its low byte, then its high byte.
String Target(int line) { return String{char(line & 0xFF), char(line >> 8)}; }

// Thrown by an error to leave every construct at once; the error line is already written.
struct TCompileStop {};

class TScriptCompiler {
 public:
  TScriptCompiler(const TStrings& source, TStrings& compiled, TStrings& errors);
  void Run();

 private:
  // The text
  bool AtEnd() const { return FPos >= int(FBuf.size()); }
  char Current() const { return AtEnd() ? '\0' : FBuf[size_t(FPos)]; }
  char At(int pos) const { return pos >= 0 && pos < int(FBuf.size()) ? FBuf[size_t(pos)] : '\0'; }
  bool CutComment();
  void SkipBlanks();
  String ReadWord();
  bool IsWordAt(const char* word) const;
  String Text(int from, int to) const { return FBuf.substr(size_t(from), size_t(to - from)); }

  // Statements
  void Statement();
  void EndOfScript();
  void Block();
  void If();
  void Repeat();
  void While();
  void For();
  void Goto();
  void Label(const String& digits);
  void NameStatement();
  void ExpressionStatement();

  // Expressions: each returns after the last character of its construct.
  String Expression(int& start);
  void ParseExpression();
  void Simple();
  void Term();
  void Factor();
  void Name();
  void Arguments();
  void Bracketed();
  void Number();
  void QuotedString();
  void Expect(char c, const char* message);

  // Output
  int AddLine(String line, int sourcePos, bool isGoto = false);
  void SetTarget(int line, int target) { FLines[size_t(line)].Text.replace(1, 2, Target(target)); }
  // The jump of the line goes to the next line to be written.
  void Patch(int line) { SetTarget(line, int(FLines.size())); }
  [[noreturn]] void Error(const String& message, int pos);
  void Report(const String& message, int pos);
  void PostProcess();

  class TNesting {
   public:
    explicit TNesting(TScriptCompiler& compiler) : FCompiler(compiler) {
      if (++FCompiler.FDepth > kMaxNesting) FCompiler.Error("Script nested too deeply", FCompiler.FPos);
    }
    ~TNesting() { --FCompiler.FDepth; }
    TNesting(const TNesting&) = delete;
    TNesting& operator=(const TNesting&) = delete;

   private:
    TScriptCompiler& FCompiler;
  };

  struct TCut {
    int Pos;
    int Length;
  };
  struct TLabel {
    String Text;
    int Line;
  };
  struct TLine {
    String Text;
    int Pos;      // where the line's expression or label starts, for errors
    bool IsGoto;  // a jump that still holds its label's text
  };
  void ResolveJump(TLine& entry);

  TStrings& FCompiled;
  TStrings& FErrors;
  String FSource;  // the source as written, tabs as blanks, every line ending in a carriage return
  int FSourceLines = 0;
  String FBuf;     // the source less the comments cut so far
  int FPos = 0;
  int FWordStart = 0;
  std::vector<TCut> FComments;
  std::vector<TLine> FLines;
  std::vector<TLabel> FLabels;
  int FDepth = 0;
};

TScriptCompiler::TScriptCompiler(const TStrings& source, TStrings& compiled, TStrings& errors)
    : FCompiled(compiled), FErrors(errors) {
  for (int i = 0; i < source.Count(); ++i) {
    String line = source[i];
    for (char& c : line)
      if (c == '\t') c = ' ';
    FSource += line + '\r';
  }
  FSourceLines = source.Count();
  FBuf = FSource;
}

void TScriptCompiler::Run() {
  FCompiled.Clear();
  FErrors.Clear();
  if (FBuf.size() > kMaxSourceBytes) {
    FErrors.Add("Script too long: more than " + IntToStr(int(kMaxSourceBytes)) + " bytes");
    return;
  }
  try {
    Statement();
    EndOfScript();
  } catch (const TCompileStop&) {
  }
  PostProcess();
  for (const TLine& line : FLines) FCompiled.Add(line.Text);
}

// --- the text ------------------------------------------------------------------------------------

// A comment at the position ("{" to "}", "//" to the end of the line) leaves the text.
bool TScriptCompiler::CutComment() {
  size_t end;
  if (Current() == '{') {
    end = FBuf.find('}', size_t(FPos));
    end = end == String::npos ? FBuf.size() : end + 1;
  } else if (Current() == '/' && At(FPos + 1) == '/') {
    end = FBuf.find('\r', size_t(FPos));
    if (end == String::npos) end = FBuf.size();
  } else {
    return false;
  }
  FComments.push_back({FPos, int(end) - FPos});
  FBuf.erase(size_t(FPos), end - size_t(FPos));
  return true;
}

void TScriptCompiler::SkipBlanks() {
  while (!AtEnd()) {
    if (IsBlank(Current())) ++FPos;
    else if (!CutComment()) return;
  }
}

// The next run of non-blank characters, upper-cased; a single blank at the end of the text.
// Comments inside it are cut out, except in a word that begins with a quote.
String TScriptCompiler::ReadWord() {
  SkipBlanks();
  FWordStart = FPos;
  if (AtEnd()) return " ";
  const bool quoted = Current() == '\'';
  while (!AtEnd() && !IsBlank(Current()))
    if (quoted || !CutComment()) ++FPos;
  return UpperCase(Text(FWordStart, FPos));
}

// The keyword at the position, as a whole word in any letter case.
bool TScriptCompiler::IsWordAt(const char* word) const {
  const String w(word);
  return SameText(FBuf.substr(size_t(FPos), w.size()), w) && !IsNameChar(At(FPos + int(w.size())));
}

// --- statements ----------------------------------------------------------------------------------

void TScriptCompiler::Statement() {
  TNesting nesting(*this);
  const String word = ReadWord();
  if (word == " ") return;
  if (word == "BEGIN") return Block();
  if (word == "IF") return If();
  if (word == "REPEAT") return Repeat();
  if (word == "WHILE") return While();
  if (word == "FOR") return For();
  if (word == "GOTO") return Goto();
  const int start = FWordStart;
  FPos = start;
  // The empty statement, before the word that ends the enclosing construct.
  if (word == "END" || StartsWith(word, "END;") || word == "UNTIL" || word == "ELSE" || word[0] == ';') return;
  if (IsDigit(word[0])) {
    size_t digits = 0;
    while (IsDigit(word[digits])) ++digits;
    if (word[digits] == ':' && word[digits + 1] != '=') return Label(word.substr(0, digits));
  }
  if (IsLetter(word[0])) return NameStatement();
  ExpressionStatement();
}

// The script is one statement; only semicolons may follow it, so that a second statement outside
// "begin" and "end" is not dropped without a word.
void TScriptCompiler::EndOfScript() {
  for (String word = ReadWord(); word != " "; word = ReadWord())
    if (word.find_first_not_of(';') != String::npos) Error("Unexpected text after the script", FWordStart);
}

void TScriptCompiler::Block() {
  Statement();
  for (;;) {
    const String word = ReadWord();
    if (word[0] == ';') {
      FPos = FWordStart + 1;
      Statement();
    } else if (word == "END" || StartsWith(word, "END;")) {
      FPos = FWordStart + 3;
      return;
    } else {
      Error("Need \";\" or \"end\" here", FWordStart);
    }
  }
}

void TScriptCompiler::If() {
  int pos;
  const String condition = Expression(pos);
  if (ReadWord() != "THEN") Error("Need \"then\" here", FWordStart);
  const int condJump = AddLine(String{frCondJump, ' ', ' '} + condition, pos);
  Statement();
  if (ReadWord() != "ELSE") {
    FPos = FWordStart;
    Patch(condJump);
    return;
  }
  const int jump = AddLine(String{frJump, ' ', ' '}, FWordStart);
  Patch(condJump);
  Statement();
  Patch(jump);
}

void TScriptCompiler::Repeat() {
  const int start = int(FLines.size());
  Statement();
  for (;;) {
    const String word = ReadWord();
    if (word[0] == ';') {
      FPos = FWordStart + 1;
      Statement();
    } else if (word == "UNTIL") {
      break;
    } else {
      Error("Need \";\" or \"until\" here", FWordStart);
    }
  }
  int pos;
  const String condition = Expression(pos);
  AddLine(String{frCondJump} + Target(start) + condition, pos);
}

void TScriptCompiler::While() {
  int pos;
  const String condition = Expression(pos);
  if (ReadWord() != "DO") Error("Need \"do\" here", FWordStart);
  const int start = AddLine(String{frCondJump, ' ', ' '} + condition, pos);
  Statement();
  AddLine(String{frJump} + Target(start), pos);
  Patch(start);
}

// The counter is assigned once; the condition names the limit's text, so that the limit is
// evaluated again on every pass; the counter ends one past the limit.
void TScriptCompiler::For() {
  SkipBlanks();
  const int nameStart = FPos;
  if (!IsLetter(Current())) Error("Need \":=\" here", nameStart);
  Name();
  const String counter = Text(nameStart, FPos);
  if (!StartsWith(ReadWord(), ":=")) Error("Need \":=\" here", FWordStart);
  FPos = FWordStart + 2;
  int fromPos, limitPos;
  const String from = Expression(fromPos);
  AddLine(counter + ' ' + from, fromPos);
  if (ReadWord() != "TO") Error("Need \"to\" here", FWordStart);
  const String limit = Expression(limitPos);
  if (ReadWord() != "DO") Error("Need \"do\" here", FWordStart);
  const int start = AddLine(String{frCondJump, ' ', ' '} + counter + "<=" + limit, limitPos);
  Statement();
  AddLine(counter + ' ' + counter + "+1", nameStart);
  AddLine(String{frJump} + Target(start), nameStart);
  Patch(start);
}

// The label's text stays in the line until the labels are resolved after compiling.
void TScriptCompiler::Goto() {
  ReadWord();
  const String word = Text(FWordStart, FPos);
  const size_t semicolon = word.find(';');
  const String label = word.substr(0, semicolon);
  if (semicolon != String::npos) FPos = FWordStart + int(semicolon);
  AddLine(String{frJump} + label, FWordStart, true);
  if (label.empty() || label.find_first_not_of("0123456789") != String::npos)
    Error("\"goto\" label must be a number", FWordStart);
}

// Labels are compared as written, whatever their length.
void TScriptCompiler::Label(const String& digits) {
  const String text = digits + ':';
  bool known = false;
  for (const TLabel& label : FLabels) known = known || label.Text == text;
  if (!known) {
    if (FLabels.size() == kMaxLabels) Error("Too many labels: at most " + IntToStr(int(kMaxLabels)), FPos);
    FLabels.push_back({text, int(FLines.size())});
  }
  FPos += int(text.size());
  Statement();
}

// An assignment "name := e" or "name[i] := e", a call of a procedure without arguments ("exit"),
// or, for a name directly followed by "(", a call with arguments.
void TScriptCompiler::NameStatement() {
  const int start = FPos;
  Name();
  const int nameEnd = FPos;
  String index;
  if (Current() == '[') {
    ++FPos;
    int indexPos;
    index = Expression(indexPos);
    Expect(']', "Need \"]\" here");
  } else if (Current() == '(') {
    FPos = start;
    return ExpressionStatement();
  }
  const int targetEnd = FPos;
  const String word = ReadWord();
  if (StartsWith(word, ":=")) {
    FPos = FWordStart + 2;
    int pos;
    const String name = Text(start, nameEnd);
    const String value = Expression(pos);
    if (index.empty()) AddLine(name + ' ' + value, pos);
    else AddLine(String{frExpression} + "SETARRAY(" + name + ", " + index + ", " + value + ")", pos);
  } else if (word == ";" || word == "END" || word == "ELSE") {
    FPos = FWordStart;
    AddLine(String{frExpression} + Text(start, targetEnd) + "(0)", start);
  } else {
    Error("Need \":=\" here", FWordStart);
  }
}

void TScriptCompiler::ExpressionStatement() {
  int pos;
  const String text = Expression(pos);
  AddLine(String{frExpression} + text, pos);
}

// --- expressions ---------------------------------------------------------------------------------

// The text of the expression after the position, as written (comments cut out); start is where
// it begins.
String TScriptCompiler::Expression(int& start) {
  SkipBlanks();
  start = FPos;
  ParseExpression();
  return Text(start, FPos);
}

// Each level looks past blanks for its operator and, finding none, stays where its operand
// ended, so that an expression's text ends with its last character.
void TScriptCompiler::ParseExpression() {
  Simple();
  const int end = FPos;
  SkipBlanks();
  const char c = Current(), next = At(FPos + 1);
  if ((c == '>' || c == '<') && (next == '=' || (c == '<' && next == '>'))) FPos += 2;
  else if (c == '>' || c == '<' || c == '=') ++FPos;
  else FPos = end;
  if (FPos != end) Simple();
}

void TScriptCompiler::Simple() {
  Term();
  for (;;) {
    const int end = FPos;
    SkipBlanks();
    if (Current() == '+' || Current() == '-') ++FPos;
    else if (IsWordAt("OR")) FPos += 2;
    else return void(FPos = end);
    Term();
  }
}

void TScriptCompiler::Term() {
  Factor();
  for (;;) {
    const int end = FPos;
    SkipBlanks();
    if (Current() == '*' || Current() == '/') ++FPos;
    else if (IsWordAt("AND") || IsWordAt("MOD")) FPos += 3;
    else return void(FPos = end);
    Factor();
  }
}

void TScriptCompiler::Factor() {
  TNesting nesting(*this);
  SkipBlanks();
  const char c = Current();
  if (c == '(') {
    ++FPos;
    ParseExpression();
    Expect(')', "Need \")\" here");
  } else if (c == '[') {
    Bracketed();
  } else if (c == '+' || c == '-') {
    ++FPos;
    ParseExpression();
  } else if (IsWordAt("NOT")) {
    FPos += 3;
    ParseExpression();
  } else if (IsLetter(c)) {
    Name();
    if (Current() == '[') {
      ++FPos;
      ParseExpression();
      Expect(']', "Need \"]\" here");
    } else if (Current() == '(') {
      Arguments();
    }
  } else if (IsDigit(c)) {
    Number();
  } else if (c == '\'') {
    QuotedString();
  } else {
    Error("Need an operand here", FPos);
  }
}

void TScriptCompiler::Name() {
  while (IsNameChar(Current())) ++FPos;
}

void TScriptCompiler::Arguments() {
  ++FPos;
  SkipBlanks();
  if (Current() == ')') {
    ++FPos;
    return;
  }
  for (;;) {
    ParseExpression();
    SkipBlanks();
    if (Current() == ')') break;
    if (Current() != ',') Error("Need \",\" or \")\" here", FPos);
    ++FPos;
  }
  ++FPos;
}

// "[" ... "]" with nested brackets; brackets between single or double quotes do not count.
void TScriptCompiler::Bracketed() {
  int end;
  ReadBracketed(FBuf, FPos + 1, end);
  if (end == 0) Error("Need \"]\" here", int(FBuf.size()));
  FPos = end;  // the 1-based position of "]" is the 0-based one after it
}

void TScriptCompiler::Number() {
  while (IsDigit(Current())) ++FPos;
  if (Current() != '.') return;
  ++FPos;
  while (IsDigit(Current())) ++FPos;
}

void TScriptCompiler::QuotedString() {
  for (++FPos; !AtEnd(); ++FPos)
    if (Current() == '\'') {
      if (At(FPos + 1) != '\'') {
        ++FPos;
        return;
      }
      ++FPos;  // a doubled quote stands for one quote
    }
  Error("Need \"'\" here", FPos);
}

void TScriptCompiler::Expect(char c, const char* message) {
  SkipBlanks();
  if (Current() != c) Error(message, FPos);
  ++FPos;
}

// --- output --------------------------------------------------------------------------------------

int TScriptCompiler::AddLine(String line, int sourcePos, bool isGoto) {
  FLines.push_back({std::move(line), sourcePos, isGoto});
  return int(FLines.size()) - 1;
}

void TScriptCompiler::Error(const String& message, int pos) {
  Report(message, pos);
  throw TCompileStop{};
}

// "Line l/c: message" for the first error only. The position is taken back into the source as
// written by putting the cut comments back; past the last word it is one line past the last, at
// column 0.
void TScriptCompiler::Report(const String& message, int pos) {
  if (FErrors.Count() > 0) return;
  int line = FSourceLines + 1, column = 0;
  if (pos < int(FBuf.size())) {
    int original = pos;
    for (const TCut& cut : FComments)
      if (cut.Pos <= pos) original += cut.Length;
    const size_t lineStart = original == 0 ? 0 : FSource.rfind('\r', size_t(original - 1)) + 1;
    line = 1;
    for (int i = 0; i < original; ++i) line += FSource[size_t(i)] == '\r';
    column = Length(FSource.substr(lineStart, size_t(original) - lineStart)) + 1;
  }
  FErrors.Add("Line " + IntToStr(line) + "/" + IntToStr(column) + ": " + message);
}

void TScriptCompiler::PostProcess() {
  const TfrParser parser;
  for (TLine& entry : FLines) {
    String& line = entry.Text;
    try {
      if (entry.IsGoto) {
        ResolveJump(entry);
      } else if (line[0] == frJump) {
        continue;
      } else if (line[0] == frCondJump) {
        line = line.substr(0, 3) + parser.GetPostfix(line.substr(3));
      } else if (line[0] == frExpression) {
        line = line.substr(0, 1) + parser.GetPostfix(line.substr(1));
      } else {
        const size_t blank = line.find(' ');
        line = line.substr(0, blank + 1) + parser.GetPostfix(line.substr(blank + 1));
      }
    } catch (const Exception& e) {
      Report(e.Message().empty() ? String("Need \")\" here") : e.Message(), entry.Pos);
    }
  }
}

// A jump written by goto holds its label's text until here; an unknown label is an error, so
// that a jump never goes to a line made up from the label's characters.
void TScriptCompiler::ResolveJump(TLine& entry) {
  const String label = entry.Text.substr(1);
  for (const TLabel& known : FLabels)
    if (known.Text == label + ':') {
      entry.Text = String{frJump} + Target(known.Line);
      return;
    }
  Report("Label \"" + label + "\" not found", entry.Pos);
}

}  // namespace

void CompileScript(const TStrings& Source, TStrings& Compiled, TStrings& Errors) {
  TScriptCompiler(Source, Compiled, Errors).Run();
}
