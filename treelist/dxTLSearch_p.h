// The incremental search's state: the column searched, the text typed so far, whether a search
// runs and the lock that keeps a focus change of the search itself from ending it. Held by
// TCustomdxTreeList; dxTLSearch.cpp keeps it.
#pragma once

#include "rtl/Types.h"

struct TdxTreeListSearchState {
  int Column = -1;
  String Text;
  bool Active = false;
  int Lock = 0;
};
