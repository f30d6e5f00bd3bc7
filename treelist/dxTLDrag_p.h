// The tree list's sizing and moving feedback: the inverted sizing line, the drop arrows and the
// drag images of a moved header, band or node, with the count that takes them off the window
// while it paints or scrolls. Held by TCustomdxTreeList; dxTLSizing.cpp and dxTLDragging.cpp use it.
#pragma once

#include <memory>

#include "graphics/Graphic.h"
#include "graphics/ImageList.h"
#include "windows/Overlay.h"

class TdxTreeListNode;

struct TdxTreeListDragState {
  // The sizing line where it is and where it started.
  int SizingPos = 0;
  int SizingStart = 0;
  bool SizingLineShown = false;
  // Nesting of HideDragFeedback; the sizing line it took off.
  int FeedbackHideCount = 0;
  bool FeedbackLineHidden = false;
  // The header or band being moved (-1: none).
  int DraggedHeader = -1;
  int DraggedBand = -1;
  // The node whose drag began; cleared when it goes.
  TdxTreeListNode* DragNode = nullptr;
  std::unique_ptr<TScreenOverlay> DropArrows;
  bool DropArrowsShown = false;
  std::unique_ptr<TScreenOverlay> HeaderDragImage;
  std::unique_ptr<TBitmap> MovedImage;
  std::unique_ptr<TImageList> NodeDragImages;
};
