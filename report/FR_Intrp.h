// The script interpreter: TfrInterpretator compiles the Pascal-like scripts of report objects and
// pages into a list of compiled lines (conditional jumps, jumps, expressions and assignments whose
// expressions are kept in postfix form) and runs such a list. Names, assignments and calls go to
// three virtual hooks that the report side fills in.
#pragma once

#include "report/FR_Pars.h"

// Kinds of compiled line, told by the first character. A jump target is two characters after the
// code, its low byte then its high byte; any other first character starts an assignment line
// "name postfix".
enum TfrScriptCode : char {
  frCondJump = 1,   // code, target, postfix condition: to the target when the condition is 0
  frJump = 2,       // code, target
  frExpression = 3  // code, postfix expression; "EXIT(0)" ends the run
};

class TfrInterpretator {
 public:
  TfrInterpretator();
  virtual ~TfrInterpretator() = default;
  TfrInterpretator(const TfrInterpretator&) = delete;
  TfrInterpretator& operator=(const TfrInterpretator&) = delete;

  // Value of a name met in an expression.
  virtual void GetValue(const String& Name, Variant& Value);
  // Assignment to a name.
  virtual void SetValue(const String& Name, const Variant& Value);
  // A call the parser does not perform itself; P1 to P3 are the argument texts.
  virtual void DoFunction(const String& Name, const Variant& P1, const Variant& P2, const Variant& P3,
                          Variant& Value);

  // Clears Compiled and Errors and compiles the lines of Source. A syntax error adds one line
  // "Line l/c: message" to Errors (l and c counted from 1 in the source as written) and stops.
  virtual void PrepareScript(const TStrings& Source, TStrings& Compiled, TStrings& Errors);
  // Runs a compiled list from its first line until the end, a jump past the end, or exit.
  // Evaluation errors propagate.
  virtual void DoScript(const TStrings& Compiled);

  // Adds to SplitTo the calls of the functions named in MatchFuncs found in every expression of
  // a compiled list (also inside the values of the named Variables).
  void GetFunctions(const TStrings& Compiled, const TStrings& MatchFuncs, TStrings& SplitTo,
                    const TfrVariables& Variables);

  TfrParser& Parser() { return FParser; }

 private:
  TfrParser FParser;
};

// The target stored in a jump line.
int frScriptTarget(const String& line);
