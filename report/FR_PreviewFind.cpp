// Searching the preview's pages: each page drawn into a recording from which its text runs are
// read, the match shown scrolled into view and inverted, and the search continued after it.
#include <climits>

#include "graphics/Metafile.h"
#include "report/FR_Preview.h"
#include "report/FR_PreviewDlgs.h"
#include "report/FR_Utils.h"
#include "rtl/Arith.h"
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"

namespace {

int RoundInt(double Value) { return int(Round(Value)); }

}  // namespace

void TfrPreviewForm::Find() {
  if (PageCount() == 0) return;
  std::unique_ptr<TfrPreviewSearchForm> dialog(new TfrPreviewSearchForm(nullptr));
  if (dialog->ShowModal() != mrOk) return;
  FindText(dialog->Edit1->Text(), dialog->CaseCB->Checked(), dialog->CurrentRB->Checked());
}

void TfrPreviewForm::FindText(const String& Text, bool CaseSensitive, bool FromCurrentPage) {
  FCaseSensitive = CaseSensitive;
  FFindText = CaseSensitive ? Text : AnsiUpperCase(Text);
  if (!FromCurrentPage) {
    FFindPage = 0;
    FFindRecord = 0;
  } else if (FFindPage != FCurPage - 1) {
    FFindPage = FCurPage - 1;
    FFindRecord = 0;
  }
  FindNext();
}

bool TfrPreviewForm::FindNext() {
  if (FFindText.empty() || PageCount() == 0) return false;
  FFoundRect = TRect();
  for (; FFindPage < PageCount(); ++FFindPage) {
    if (SearchPage(FFindPage)) {
      ShowFound();
      return true;
    }
    FFindRecord = 0;
  }
  // Past the last page nothing more is found until the search starts again elsewhere.
  FFindPage = PageCount() - 1;
  FFindRecord = INT_MAX;
  PBox->Invalidate();
  return false;
}

// The page is recorded as the page box draws it at 100 %, so the match's place is the text's.
bool TfrPreviewForm::SearchPage(int Index) {
  TfrPreparedPage& page = FPages->Pages(Index);
  const TRect whole{0, 0, page.PrnInfo.PageWidth, page.PrnInfo.PageHeight};
  TMetafile recording;
  {
    TMetafileCanvas canvas(&recording, whole.Right, whole.Bottom);
    page.Visible = true;
    FPages->Draw(Index, &canvas, ContentRect(page, whole, 1.0));
  }
  for (const TMetafileTextRun& run : recording.TextRuns()) {
    if (run.RecordIndex < FFindRecord) continue;
    const String text = FCaseSensitive ? run.Text : AnsiUpperCase(run.Text);
    if (text.find(FFindText) == String::npos) continue;
    FFoundPageRect = run.Bounds;
    FFindRecord = run.RecordIndex + 1;
    return true;
  }
  page.Visible = false;
  FPages->Draw(Index, nullptr, TRect());
  return false;
}

// The match is scrolled into view (10 pixels in from the page's edge when it fits) and inverted.
void TfrPreviewForm::ShowFound() {
  FCurPage = FFindPage + 1;
  UpdatePageLabel();
  const TRect& found = FFoundPageRect;
  const TRect& place = FPages->Pages(FFindPage).PreviewRect;
  const int boxWidth = PBox->ClientWidth(), boxHeight = PBox->ClientHeight();
  int x = RoundInt(found.Left * FScale) + place.Left;
  int y = RoundInt(found.Top * FScale) + 10;
  const int w = RoundInt(found.Width() * FScale), h = RoundInt(found.Height() * FScale);
  {
    const TValueScope<bool> scrolling(FScrollingToPage, true);
    if (boxHeight - h < y) {
      MoveBar(VScrollBar, place.Top + y - boxHeight - 10 + h);
    } else {
      MoveBar(VScrollBar, place.Top - 10);
    }
    if (x > boxWidth - w) {
      MoveBar(HScrollBar, place.Left + x - boxWidth - 10 + w);
    } else {
      MoveBar(HScrollBar, place.Left - 10);
    }
  }
  // Where the match lands in the box after the scroll.
  x = RoundInt(found.Left * FScale) + place.Left + FOffsetX;
  y = RoundInt(found.Top * FScale) + place.Top + FOffsetY;
  FFoundRect = Bounds(x, y, w, h);
  PBox->Invalidate();
}
