// Drawing a prepared page onto any canvas, and finding the object under a point of it.
#include "report/FR_EMFPages.h"

#include "graphics/Gdi.h"
#include "graphics/Metafile.h"
#include "printing/Printers.h"
#include "report/FR_Class.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "report/FR_View.h"
#include "rtl/Arith.h"
#include "rtl/ScopeExit.h"

namespace {

int RoundInt(double Value) { return int(Round(Value)); }

bool DrawsToPrinter(TCanvas* Canvas) { return Printer()->Printing() && Canvas == Printer()->Canvas(); }

// The object's place on the canvas, widened by 10 pixels on every side.
TRect WidenedPlace(const TfrView& View, double ScaleX, double ScaleY, const TRect& Rect) {
  return {RoundInt(View.Left * ScaleX + Rect.Left - 10), RoundInt(View.Top * ScaleY + Rect.Top - 10),
          RoundInt((View.Left + View.Width) * ScaleX + Rect.Left + 10),
          RoundInt((View.Top + View.Height) * ScaleY + Rect.Top + 10)};
}

}  // namespace

void TfrEMFPages::Draw(int Index, TCanvas* Canvas, const TRect& Rect) {
  TfrPreparedPage& record = Pages(Index);
  TfrEngineState& state = frState();
  const bool toPrinter = DrawsToPrinter(Canvas);
  const TValueScope<bool> printMode(state.PrintMode, true);
  if (!record.Visible) {
    record.Page.reset();
    return;
  }
  if (!record.Page) RebuildPage(Index);
  state.ActivePage = record.Page.get();
  const double scaleX = double(Rect.Width()) / record.PrnInfo.PageWidth;
  const double scaleY = double(Rect.Height()) / record.PrnInfo.PageHeight;
  // Printers and recordings take every object: their clip region says nothing of what is seen.
  const bool cull = !toPrinter && !dynamic_cast<TMetafileCanvas*>(Canvas);
  for (const auto& view : record.Page->Objects) {
    if (cull && !RectVisible(Canvas->Handle(), WidenedPlace(*view, scaleX, scaleY, Rect))) continue;
    view->ScaleX = scaleX;
    view->ScaleY = scaleY;
    view->OffsetX = Rect.Left;
    view->OffsetY = Rect.Top;
    view->DrawingToPrinter = toPrinter;
    view->Draw(Canvas);
  }
}

bool TfrEMFPages::ObjectAt(int Index, TPoint Point, bool Click, TCursor& Cursor) {
  TfrPreparedPage& record = Pages(Index);
  if (!record.Page) RebuildPage(Index);
  double scaleX = 1, scaleY = 1;
  int offsetX = 0, offsetY = 0;
  if (!record.StretchToPrintable) {
    const TfrPrnInfo& info = record.PrnInfo;
    scaleX = double(info.PrintableWidth - record.Margins[0] - record.Margins[2]) / info.PageWidth;
    scaleY = double(info.PrintableHeight - record.Margins[1] - record.Margins[3]) / info.PageHeight;
    offsetX = info.OffsetX + record.Margins[0];
    offsetY = info.OffsetY + record.Margins[1];
  }
  const auto& objects = record.Page->Objects;
  for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
    TfrView* view = it->get();
    const TRect place{RoundInt(view->Left * scaleX + offsetX), RoundInt(view->Top * scaleY + offsetY),
                      RoundInt((view->Left + view->Width) * scaleX + offsetX),
                      RoundInt((view->Top + view->Height) * scaleY + offsetY)};
    if (!PtInRect(place, Point)) continue;
    if (Click) {
      if (FParent->OnObjectClick) FParent->OnObjectClick(view);
    } else if (FParent->OnMouseOverObject) {
      FParent->OnMouseOverObject(view, Cursor);
    }
    return true;
  }
  return false;
}
