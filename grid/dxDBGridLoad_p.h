// What a load of the grid's rows keeps between its steps: the depths of loading and ungrouping,
// the footer's gathering, the top row a refresh puts back, and the selection carried over a reload.
#pragma once

#include <vector>

#include "data/DataSet.h"
#include "rtl/Variant.h"

class TdxDBTreeListColumn;

struct TdxDBGridLoadState {
  // The partial loader's depth, and the depth of ungrouping columns without a field.
  int Depth = 0;
  int GroupRemovalDepth = 0;
  int FooterRecordCount = 0;
  // The rows are the records of an all-records load (what a smart reload may regroup).
  bool RowsAreAllRecords = false;
  // The columns with a footer summary, while a load or a regrouping gathers them.
  std::vector<TdxDBTreeListColumn*> FooterColumns;
  // The top row, by key and level, that a refresh puts back.
  Variant TopLocateValue;
  int TopLocateLevel = 0;
  // The selection saved before a reload: bookmarks in the data set's order, or keys in order.
  std::vector<TBookmark> PendingBookmarks;
  std::vector<Variant> PendingKeys;
  // A range selection in partial mode: the records from the anchor to the current one, selected
  // as the partial loader walks over them.
  TBookmark RangeFirst;
  TBookmark RangeLast;
};
