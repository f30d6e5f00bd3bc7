// What the tree list measures its layout from and with: the metrics of the last relayout and the
// image lists that size the tree indent, with their change links. Held by TCustomdxTreeList;
// dxTLMetrics.cpp keeps it.
#pragma once

#include "graphics/ImageList.h"
#include "treelist/dxTLDrawInfo.h"

struct TdxTreeListMeasures {
  TdxTreeListMetrics Metrics;
  bool Calculated = false;
  TImageList* Images = nullptr;
  TImageList* StateImages = nullptr;
  TChangeLink ImagesLink;
  TChangeLink StateImagesLink;
};
