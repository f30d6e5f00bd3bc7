// Prepared report pages read back for tests: the texts and places of a page's objects, the text
// lines their objects draw in their cells, and the page drawn into a bitmap as a printer would draw
// it. Used by the report engine's tests and by the application's report tests.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "graphics/Graphic.h"
#include "graphics/Metafile.h"
#include "report/FR_EMFPages.h"
#include "report/FR_Memo.h"
#include "report/FR_State.h"

// One object of a prepared page.
struct TPrinted {
  String Name;
  TRect Bounds;
  String Text;  // the lines joined by "|", without the paragraph-end mark
};

inline std::vector<TPrinted> PrintedObjects(TfrEMFPages& Pages, int Index) {
  Pages.RebuildPage(Index);
  std::vector<TPrinted> printed;
  for (const auto& view : Pages.Pages(Index).Page->Objects) {
    String text;
    for (int i = 0; i < view->Memo.Count(); ++i) {
      String line = view->Memo[i];
      std::erase(line, frParagraphEnd);
      if (line.empty() && i == view->Memo.Count() - 1 && i > 0) continue;
      text += (i > 0 ? "|" : "") + line;
    }
    printed.push_back({view->Name, Bounds(view->Left, view->Top, view->Width, view->Height), text});
  }
  return printed;
}

// A text line as an object of a prepared page draws it, and the cell the object clips its text
// to: inside its left edge, 2 pixels inside its right and 1 above its bottom.
struct TDrawnLine {
  String Name;  // of the object
  String Text;
  TRect Cell;
  TRect Line;   // where the line is drawn
  // Cut off, or running over into the next cell.
  bool Overflows() const {
    return Line.Left < Cell.Left || Line.Top < Cell.Top || Line.Right > Cell.Right || Line.Bottom > Cell.Bottom;
  }
};

// The text lines of a prepared page, each object drawn alone at 100 %, as the preview draws it,
// into a recording.
inline std::vector<TDrawnLine> DrawnLines(TfrEMFPages& Pages, int Index) {
  TfrPreparedPage& record = Pages.Pages(Index);
  Pages.RebuildPage(Index);
  TfrEngineState& state = frState();
  const bool printMode = state.PrintMode;
  TfrPage* const activePage = state.ActivePage;
  state.PrintMode = true;
  state.ActivePage = record.Page.get();
  std::vector<TDrawnLine> lines;
  for (const auto& view : record.Page->Objects) {
    TMetafile recording;
    {
      TMetafileCanvas canvas(&recording, record.PrnInfo.PageWidth, record.PrnInfo.PageHeight);
      view->ScaleX = view->ScaleY = 1;
      view->OffsetX = view->OffsetY = 0;
      view->DrawingToPrinter = false;
      view->Draw(&canvas);
    }
    const TRect cell{view->Left + 1, view->Top, view->Left + view->Width - 2, view->Top + view->Height - 1};
    for (const TMetafileTextRun& run : recording.TextRuns()) lines.push_back({view->Name, run.Text, cell, run.Bounds});
  }
  state.ActivePage = activePage;
  state.PrintMode = printMode;
  return lines;
}

// The page at Scale times its size in page pixels, on white.
inline std::unique_ptr<TBitmap> DrawPreparedPage(TfrEMFPages& Pages, int Index, int Scale) {
  const TfrPrnInfo& info = Pages.Pages(Index).PrnInfo;
  auto bitmap = std::make_unique<TBitmap>(Scale * info.PageWidth, Scale * info.PageHeight);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetColor(clWhite);
  canvas->FillRect(Bounds(0, 0, bitmap->Width(), bitmap->Height()));
  const bool printMode = frState().PrintMode;
  frState().PrintMode = true;
  Pages.Draw(Index, canvas, Bounds(0, 0, bitmap->Width(), bitmap->Height()));
  frState().PrintMode = printMode;
  return bitmap;
}
