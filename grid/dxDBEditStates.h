// The data set's states as the grid's source files ask about them: a pending change of the current
// record, and the position past the last record.
#pragma once

#include "data/DataSet.h"

// The states in which a data set holds a pending change of its current record.
inline bool IsEditState(TDataSetState State) { return State == dsEdit || State == dsInsert || State == dsSetKey; }
// The data set stands past its last record: at its end, or appending a record.
inline bool IsAtEnd(const TDataSet* DataSet) { return DataSet->Eof() || DataSet->Appending(); }
