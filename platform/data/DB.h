// Vocabulary of the data-access layer: data-set states, field types, data events, locate and
// filter options, update status and the database error. Shared by the data sets, fields, data
// sources and links, and by the SQLite and in-memory back ends.
#pragma once

#include <cstdint>
#include <functional>

#include "rtl/Exceptions.h"
#include "rtl/Variant.h"

QUORIN_EXCEPTION(EDatabaseError, Exception);

class TDataSet;
class TField;

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert, dsSetKey, dsCalcFields, dsFilter };

// The field types in the class library's order: the grid and the report engine index tables by
// these ordinals (ftString 1, ftBoolean 5, ftCursor 22, ftLargeint 25).
enum TFieldType {
  ftUnknown, ftString, ftSmallint, ftInteger, ftWord, ftBoolean, ftFloat, ftCurrency, ftBCD, ftDate,
  ftTime, ftDateTime, ftBytes, ftVarBytes, ftAutoInc, ftBlob, ftMemo, ftGraphic, ftFmtMemo,
  ftParadoxOle, ftDBaseOle, ftTypedBinary, ftCursor, ftFixedChar, ftWideString, ftLargeint
};

enum TFieldKind { fkData, fkCalculated, fkLookup, fkInternalCalc, fkAggregate };
inline constexpr const char* FieldKindNames[] = {"fkData", "fkCalculated", "fkLookup", "fkInternalCalc", "fkAggregate"};

// What a data set tells its data sources, and through them their data links.
enum TDataEvent {
  deFieldChange,      // Info: the field
  deRecordChange,     // the record as a whole (Edit)
  deDataSetChange,    // contents or position changed beyond a scroll
  deDataSetScroll,    // Info: how far the buffer window moved (negative forwards)
  deLayoutChange,
  deUpdateRecord,     // links put their pending values into the fields
  deUpdateState,      // the state changed
  deCheckBrowseMode,
  deFocusControl      // Info: the field
};

// Sets of options, as bit masks.
enum TLocateOption : unsigned { loCaseInsensitive = 1, loPartialKey = 2 };
using TLocateOptions = unsigned;
enum TFilterOption : unsigned { foCaseInsensitive = 1, foNoPartialCompare = 2 };
using TFilterOptions = unsigned;

// What an error handler asks the failing operation to do next.
enum TDataAction { daFail, daAbort, daRetry };

// Cached changes of a batch data set that are not yet written.
enum TUpdateStatus { usUnmodified, usModified, usInserted, usDeleted };

// A bookmark names one record for as long as the record exists; empty means none.
using TBookmark = String;

using TDataSetNotifyEvent = std::function<void(TDataSet* DataSet)>;
using TDataSetErrorEvent = std::function<void(TDataSet* DataSet, EDatabaseError& E, TDataAction& Action)>;
using TFilterRecordEvent = std::function<void(TDataSet* DataSet, bool& Accept)>;
