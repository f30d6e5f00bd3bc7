// Printing a band whose objects may be split across pages: what fits prints on this page, a text
// that reaches past the bottom prints the lines that fit and keeps the rest, and the band goes on
// at the top of the next page until every object has printed.
#include "report/FR_Band.h"

#include <algorithm>

#include "report/FR_Names.h"
#include "report/FR_Page.h"
#include "report/FR_Utils.h"
#include "report/FR_View.h"
#include "rtl/ScopeExit.h"

namespace {

struct TSplitObject {
  TfrView* View;
  int Top, Height;  // as the band had them
  bool Pending = true;
};

}  // namespace

int TfrBand::SplitObject(TfrView* View, bool& Pending, int Space, int SavedHeight) {
  auto* stretchable = dynamic_cast<TfrStretcheable*>(View);
  const int top = View->Top, height = View->Height, bottom = top + height;
  int topAfter = top;  // where the view's top is left: back where it was, or at the page's end
  const auto restore = ScopeExit([View, &topAfter, height] {
    View->Top = topAfter;
    View->Height = height;
  });
  if (top >= 0 && top < Space) {
    if (bottom < Space) {
      PrintObject(View);
      Pending = false;
      return bottom;
    }
    if (stretchable) {
      View->Height = Space - top + 1;
      stretchable->MeasuredHeight += View->Height;
      if (stretchable->MinimumHeight() < View->Height) {
        stretchable->PrintPhase = 2;
        PrintObject(View);
      }
      return 0;
    }
    if (top == 0 && Parent->AtColumnStart()) {
      // Taller than an empty page: printed here, cut at the bottom, rather than put off for ever.
      View->Height = Space;
      PrintObject(View);
      Pending = false;
      return Space;
    }
    topAfter = Space;  // prints on a later page
    return 0;
  }
  if (top >= 0) return 0;  // further down: a later page
  if (!stretchable || bottom < 0) {
    Pending = false;  // nothing of it is left to show
    return 0;
  }
  View->Top = 0;
  if (bottom < Space) {
    // The rest fits: the objects below it move down by what it grew.
    View->Height = stretchable->RemainingHeight() + 2 * View->GapY + 1;
    stretchable->MeasuredHeight += View->Height - 1;
    const int printed = View->Height;
    stretchable->PrintPhase = 2;
    PrintObject(View);
    for (TfrView* other : Objects)
      if (other != View && other->Top > bottom && other->Left >= View->Left && other->Left <= View->Left + View->Width)
        other->Top += stretchable->MeasuredHeight - SavedHeight;
    Pending = false;
    return printed;
  }
  View->Height = Space;
  stretchable->MeasuredHeight += Space;
  stretchable->PrintPhase = 2;
  PrintObject(View);
  return 0;
}

void TfrBand::PrintSplit() {
  TfrPage& page = *Parent;
  std::vector<TSplitObject> objects;
  for (TfrView* view : Objects) objects.push_back({view, view->Top, view->Height});
  if (!CheckNewPage(Top, DrawnHeight, true)) {
    PrintObjects();
  } else {
    for (TfrView* view : Objects)
      if (auto* stretchable = dynamic_cast<TfrStretcheable*>(view)) {
        stretchable->MeasuredHeight = 0;
        if (view->Typ == gtMemo) stretchable->MeasureHeight();
      }
    for (;;) {
      const int space = page.CurBottom - page.Bands[btColumnFooter]->Height - Top - 2;
      int bottom = 0;
      for (TSplitObject& object : objects)
        if (object.Pending) bottom = std::max(bottom, SplitObject(object.View, object.Pending, space, object.Height));
      for (TSplitObject& object : objects) object.View->Top -= space;
      DrawnHeight = bottom;
      if (frBuildTerminated() || std::none_of(objects.begin(), objects.end(), [](const TSplitObject& o) { return o.Pending; }))
        break;
      CheckNewPage(Top, 10000, false);
      Top = page.CurY;
    }
  }
  for (const TSplitObject& object : objects) {
    object.View->Top = object.Top;
    object.View->Height = object.Height;
  }
  page.CurY += DrawnHeight;
}
