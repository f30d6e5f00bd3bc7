// Prepared report pages read back for tests: the texts and places of a page's objects, and the
// page drawn into a bitmap as a printer would draw it. Used by the report engine's tests and by
// the application's report tests.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "graphics/Graphic.h"
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
