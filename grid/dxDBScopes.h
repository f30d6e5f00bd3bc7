// Helpers of the grid's source files: the brackets its operations run in (a flag or a depth held
// for a scope, work with a closing step that runs also when the work raises), the edit states of
// a data set, and the one order of key and group values.
#pragma once

#include "data/DB.h"
#include "rtl/Text.h"
#include "rtl/Variant.h"

// Sets a flag for the scope and puts back what it was.
class TFlagScope {
 public:
  explicit TFlagScope(bool& Flag, bool Hold = true) : FFlag(Flag), FSaved(Flag) {
    if (Hold) FFlag = true;
  }
  ~TFlagScope() { FFlag = FSaved; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& FFlag;
  bool FSaved;
};

// Raises a depth for the scope.
class TDepthScope {
 public:
  explicit TDepthScope(int& Depth) : FDepth(Depth) { ++FDepth; }
  ~TDepthScope() { --FDepth; }
  TDepthScope(const TDepthScope&) = delete;
  TDepthScope& operator=(const TDepthScope&) = delete;

 private:
  int& FDepth;
};

// Runs Work, then Close; Close runs also when Work raises, and the error passes on. A closing
// step that may raise itself (enabling a data set's controls, ending an update) cannot live in a
// destructor.
template <class W, class C>
void Bracket(W&& Work, C&& Close) {
  try {
    Work();
  } catch (...) {
    Close();
    throw;
  }
  Close();
}

// The states in which a data set holds a pending change of its current record.
inline bool IsEditState(TDataSetState State) { return State == dsEdit || State == dsInsert || State == dsSetKey; }
// The data set stands past its last record: at its end, or appending a record.
inline bool IsAtEnd(const TDataSet* DataSet) { return DataSet->Eof() || DataSet->Appending(); }

