// What a manager keeps of the link dragged while customising (dxBarDragLinks.cpp).
#pragma once

#include "rtl/Types.h"

class TdxBarItem;
class TdxBarItemLink;

struct TdxBarLinkDragState {
  TdxBarItem* Item = nullptr;
  TdxBarItemLink* Link = nullptr;  // nullptr for a command dragged from the customize dialog
  TPoint GrabPoint;                // where the button went down on the link's view (screen)
};
