// The engine's expression language: TfrParser turns infix expressions into the postfix text that
// bands and scripts keep and evaluate per record, on a small stack of variants; the names and calls
// it does not know go to its two events. Beside it the named-value list TfrVariables and
// TfrFunctionSplitter, which finds the calls of given functions inside an expression.
#pragma once

#include <functional>
#include <unordered_map>
#include <vector>

#include "rtl/Exceptions.h"
#include "rtl/StringList.h"
#include "rtl/Variant.h"

// Syntax and evaluation errors of the expression language. Their messages are English, like the
// language's keywords; an unbalanced argument list gives an empty message.
QUORIN_EXCEPTION(EParserError, Exception);

// Text routines of the language. Positions are 1-based byte positions into the UTF-8 text: every
// character the language gives a meaning to is ASCII, so a position never falls inside another
// character.
//
// Skips blanks and control characters, then reads an identifier: the characters up to a blank, a
// control character or one of ( ) * + - / < = > [ ; — such a character between double quotes
// belongs to the identifier. Leaves pos on the character that ended it.
String ReadIdentifier(const String& text, int& pos);
// pos on the opening quote. Answers the string with its quotes (doubled quotes kept) and leaves pos
// after the closing quote; raises EParserError when the string is not closed.
String ReadQuotedString(const String& text, int& pos);
// pos on "(". Fills the texts of up to three arguments, untrimmed (missing ones empty), and leaves
// pos after the matching ")". Commas and parentheses between single quotes do not count. Raises
// EParserError with an empty message when the list is not closed, and for a fourth argument.
void ReadArguments(const String& text, int& pos, String& p1, String& p2, String& p3);
// start on "[". Answers the text between the outer brackets and sets end on the matching "]";
// brackets between single or double quotes do not count. When the character at start is not "["
// or the bracket is never closed, answers "" and sets end to 0.
String ReadBracketed(const String& text, int start, int& end);

class TfrParser {
 public:
  // Asked for the value of every name (in upper case), field reference and bracketed text (as
  // written between the brackets). Without a handler a name is Null.
  using TGetPValueEvent = std::function<void(const String& name, Variant& value)>;
  // Asked for every call the evaluator does not perform itself: the name in upper case and the
  // argument texts, unevaluated, as strings. Without a handler a call is Null.
  using TFunctionEvent =
      std::function<void(const String& name, const Variant& p1, const Variant& p2, const Variant& p3, Variant& value)>;

  TGetPValueEvent OnGetValue;
  TFunctionEvent OnFunction;

  // GetPostfix, then CalcPostfix.
  Variant Calc(const String& expression);
  // Each operand is its text and a blank, a function call its whole text, each operator one
  // character: "[a] + 2 * 3" becomes "[a] 2 3 *+". The text ends at a ";".
  String GetPostfix(const String& expression) const;
  // The value of a postfix text; an empty text is 0. At most 8 values may be pending at once.
  Variant CalcPostfix(const String& postfix);

 private:
  Variant EvalIdentifier(const String& text, int& pos);
  Variant CallFunction(const String& name, const String& p1, const String& p2, const String& p3);
  Variant GetValue(const String& name);

  // Nesting of evaluations (IF branches, arguments, array elements, and names whose value is
  // itself an expression), limited so that a self-referring expression cannot exhaust the stack.
  int FDepth = 0;
};

// An ordered list of names with their values. Names keep their letter case and are found without
// regard to the case of a-z; a sorted list keeps its entries in that order and finds by halving.
class TfrVariables {
 public:
  // Null for an unknown name. Setting updates the value of the name or appends a new entry.
  Variant Variable(const String& name) const;
  void SetVariable(const String& name, const Variant& value);
  // Out of range: getting gives 0 or "", setting does nothing.
  Variant Value(int index) const;
  void SetValue(int index, const Variant& value);
  String Name(int index) const;
  void SetName(int index, const String& name);

  int IndexOf(const String& name) const;
  int Count() const { return int(FItems.size()); }
  // Out of range does nothing.
  void Delete(int index);
  void Clear() {
    FItems.clear();
    Unindex();
  }
  bool Sorted() const { return FSorted; }
  void SetSorted(bool sorted);

 private:
  struct TEntry {
    String Name;
    Variant Value;
  };
  void Sort();
  // The index where the name is or would be inserted in a sorted list.
  int LowerBound(const String& name) const;

  // The index of an unsorted list: its names upper-cased to the first entry of each, kept while
  // entries are only appended (as a dictionary is read) and made again on the next search after
  // any other change, so that reading n names costs n searches of one step, not of n.
  void Unindex() const;
  int IndexedPosition(const String& name) const;

  std::vector<TEntry> FItems;
  bool FSorted = false;
  mutable std::unordered_map<String, int> FIndex;
  mutable bool FIndexed = false;
};

// Finds the calls of the functions named in MatchFuncs inside an expression, also inside the
// arguments of other calls and inside the values of the variables that the expression names, and
// adds the text of each call to SplitTo. None of the three lists is owned.
class TfrFunctionSplitter {
 public:
  TfrFunctionSplitter(const TStrings* matchFuncs, TStrings* splitTo, const TfrVariables* variables);
  void Split(const String& text);

 private:
  void SplitCall(const String& text, int& pos, int callStart, const String& name);
  // Splits the value of a variable unless that variable is being split already, so that a
  // variable whose value names itself cannot recurse without end.
  void SplitVariable(const String& name);

  const TStrings* FMatchFuncs;
  TStrings* FSplitTo;
  const TfrVariables* FVariables;
  std::vector<String> FExpanding;
  int FDepth = 0;  // nesting of brackets and calls, limited like the parser's
};
