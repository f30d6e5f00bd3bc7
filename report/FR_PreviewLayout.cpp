// The preview's layout and painting: the zoom's scale, pages placed in rows, the scroll ranges,
// the scroll bars moving the view and choosing the current page, and the page box painting the
// pages in view with their frame and shadow.
#include "report/FR_Preview.h"

#include <algorithm>

#include "graphics/Gdi.h"
#include "report/FR_Toolbar.h"
#include "report/FR_Utils.h"
#include "rtl/Convert.h"
#include "rtl/Arith.h"
#include "rtl/ScopeExit.h"

namespace {

constexpr int PageGap = 10;
const TColor BoxGrey = TColor(0x808080);

int RoundInt(double Value) { return int(Round(Value)); }

}  // namespace

double TfrPreviewForm::FitScale(int Width, int Height, int BoxWidth, int BoxHeight) const {
  switch (FZoomMode) {
    case zmPageWidth: return double(BoxWidth - 20) / Width;
    case zmWholePage: return double(BoxHeight - 20) / Height;
    case zmTwoPages: return double(BoxWidth - 30) / (2 * Width);
    case zmPercent: break;
  }
  return FScale;
}

// Pages that fit side by side: the largest run of pages whose right edges fit in the box.
int TfrPreviewForm::PagesPerRow(double ScaleNow, int BoxWidth) const {
  if (FZoomMode == zmWholePage) return 1;
  if (FZoomMode == zmTwoPages) return 2;
  int best = 0, count = 0, x = PageGap;
  for (int i = 0; i < PageCount(); ++i) {
    const int right = x + RoundInt(FPages->Pages(i).PrnInfo.PageWidth * ScaleNow) + PageGap;
    if (right <= BoxWidth) {
      ++count;
      x = right;
      if (i == PageCount() - 1) best = std::max(best, count);
    } else {
      best = std::max(best, count);
      x = PageGap;
      count = 0;
    }
  }
  return std::max(best, 1);
}

void TfrPreviewForm::PlacePages(int PerRow, int BoxWidth) {
  int y = PageGap;
  for (int first = 0; first < PageCount(); first += PerRow) {
    int x = PageGap, tallest = 0;
    for (int i = first; i < std::min(first + PerRow, PageCount()); ++i) {
      TfrPreparedPage& page = FPages->Pages(i);
      const int w = RoundInt(page.PrnInfo.PageWidth * FScale), h = RoundInt(page.PrnInfo.PageHeight * FScale);
      const int left = PerRow == 1 && w < BoxWidth ? (BoxWidth - w) / 2 : x;
      page.PreviewRect = Bounds(left, y, w, h);
      x += w + PageGap;
      tallest = std::max(tallest, h);
    }
    y += tallest + PageGap;
  }
}

void TfrPreviewForm::ArrangeControls() {
  const int bottom = RPanel->ClientHeight();
  PgDown->SetBounds(0, bottom - 16, 16, 16);
  PgUp->SetBounds(0, bottom - 32, 16, 16);
  VScrollBar->SetBounds(0, 0, 16, std::max(0, bottom - 33));
  const int right = BPanel->ClientWidth() - (RPanel->Visible() ? RPanel->Width() : 0);
  HScrollBar->SetBounds(HScrollBar->Left(), 0, std::max(0, right - HScrollBar->Left()), 16);
}

void TfrPreviewForm::SetScrollRanges(int BoxWidth, int BoxHeight) {
  int right = 0, bottom = 0;
  for (int i = 0; i < PageCount(); ++i) {
    right = std::max(right, FPages->Pages(i).PreviewRect.Right);
    bottom = std::max(bottom, FPages->Pages(i).PreviewRect.Bottom);
  }
  auto range = [](int extent) { return extent < 0 ? 0 : extent + PageGap; };
  HScrollBar->SetMax(range(right - BoxWidth));
  VScrollBar->SetMax(range(bottom - BoxHeight));
  HScrollBar->SetEnabled(HScrollBar->Max() != 0);
  VScrollBar->SetEnabled(VScrollBar->Max() != 0);
}

void TfrPreviewForm::LayoutPages() {
  if (PageCount() == 0 || FCurPage < 1) return;
  FPaintAllowed = false;
  // Bars clamped to their new ranges keep the current page.
  const TValueScope<bool> scrolling(FScrollingToPage, true);
  const int boxWidth = PBox->ClientWidth(), boxHeight = PBox->ClientHeight();
  const TfrPrnInfo& info = FPages->Pages(FCurPage - 1).PrnInfo;
  FScale = FitScale(info.PageWidth, info.PageHeight, boxWidth, boxHeight);
  CheckZoomItem();
  ZoomBtn->SetCaption(IntToStr(RoundInt(FScale * 100)) + "%");
  PlacePages(PagesPerRow(FScale, boxWidth), boxWidth);
  ArrangeControls();
  SetScrollRanges(boxWidth, boxHeight);
  FocusPages();
  ScrollToPage();
  FPaintAllowed = true;
}

void TfrPreviewForm::ScrollToPage() {
  if (FCurPage < 1 || FCurPage > PageCount()) return;
  const TValueScope<bool> scrolling(FScrollingToPage, true);
  MoveBar(VScrollBar, FPages->Pages(FCurPage - 1).PreviewRect.Top - PageGap);
  PBox->Invalidate();
}

void TfrPreviewForm::MoveBar(TScrollBar* Bar, int Position) {
  Bar->SetPosition(std::clamp(Position, 0, Bar->Max()));
  // The bar tells of changes only; a bar already there still sets the offset it stands for.
  if (Bar == VScrollBar) FOffsetY = -Bar->Position();
  else FOffsetX = -Bar->Position();
}

// The first page across the line 11 pixels below the view's top becomes current, unless the
// scroll came from going to a page.
void TfrPreviewForm::VScrollChange(TObject*) {
  FOffsetY = -VScrollBar->Position();
  FFoundRect = TRect();
  if (!FScrollingToPage) {
    const int line = 11 - FOffsetY;
    for (int i = 0; i < PageCount(); ++i) {
      const TRect& r = FPages->Pages(i).PreviewRect;
      if (r.Top < line && r.Bottom > line) {
        if (FCurPage != i + 1) {
          FCurPage = i + 1;
          UpdatePageLabel();
        }
        break;
      }
    }
  }
  PBox->Invalidate();
}

void TfrPreviewForm::HScrollChange(TObject*) {
  FOffsetX = -HScrollBar->Position();
  FFoundRect = TRect();
  PBox->Invalidate();
}

int TfrPreviewForm::PageAt(TPoint Point) const {
  for (int i = 0; i < PageCount(); ++i) {
    TRect r = FPages->Pages(i).PreviewRect;
    OffsetRect(r, FOffsetX, FOffsetY);
    if (PtInRect(r, Point)) return i;
  }
  return -1;
}

TRect TfrPreviewForm::ContentRect(const TfrPreparedPage& Page, const TRect& Place, double Scale) {
  if (Page.StretchToPrintable) return Place;
  const TfrPrnInfo& info = Page.PrnInfo;
  const int left = RoundInt((info.OffsetX + Page.Margins[0]) * Scale) + Place.Left;
  const int top = RoundInt((info.OffsetY + Page.Margins[1]) * Scale) + Place.Top;
  return {left, top, left + RoundInt((info.PrintableWidth - Page.Margins[0] - Page.Margins[2]) * Scale),
          top + RoundInt((info.PrintableHeight - Page.Margins[1] - Page.Margins[3]) * Scale)};
}

// The page box takes the focus, so that the keys and the wheel reach the pages.
void TfrPreviewForm::FocusPages() {
  TCustomForm* form = GetParentForm(PBox);
  if (form && form->Visible() && PBox->CanFocus()) form->SetActiveControl(PBox);
}

TfrPBox::TfrPBox(TComponent* AOwner, TfrPreviewForm* Preview) : TCustomPanel(AOwner), FPreview(Preview) {
  SetTabStop(true);
  SetBevelOuter(bvNone);
  SetColor(BoxGrey);
  SetCaption(String());
}

// Pages in view are framed with a shadow and drawn; pages out of view give up their drawing.
void TfrPBox::Paint() {
  TCanvas* canvas = Canvas();
  const TfrPreviewForm& preview = *FPreview;
  if (!preview.PaintAllowed()) return;
  if (preview.PageCount() == 0) {
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(ClientRect());
    return;
  }
  TfrEMFPages& pages = *preview.Pages();
  const TRect area = canvas->ClipRect();
  std::vector<int> shown;
  canvas->Brush()->SetColor(BoxGrey);
  canvas->FillRect(area);
  canvas->Pen()->SetColor(clBlack);
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetMode(TPenMode::pmCopy);
  canvas->Brush()->SetColor(clWhite);
  for (int i = 0; i < pages.Count(); ++i) {
    TfrPreparedPage& page = pages.Pages(i);
    TRect r = page.PreviewRect;
    OffsetRect(r, preview.OffsetX(), preview.OffsetY());
    TRect common;
    page.Visible = r.Top <= 2000 && r.Bottom >= 0 && IntersectRect(common, r, area);
    if (!page.Visible) {
      pages.Draw(i, canvas, TRect());
      continue;
    }
    canvas->Rectangle(r.Left, r.Top, r.Right, r.Bottom);
    canvas->MoveTo(r.Left + 1, r.Bottom);
    canvas->LineTo(r.Right, r.Bottom);
    canvas->LineTo(r.Right, r.Top + 1);
    const int saved = SaveDC(canvas->Handle());
    IntersectClipRect(canvas->Handle(), r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    pages.Draw(i, canvas, TfrPreviewForm::ContentRect(page, r, preview.Scale()));
    RestoreDC(canvas->Handle(), saved);
  }
  if (!IsRectEmpty(preview.FoundRect())) InvertRect(canvas->Handle(), preview.FoundRect());
}
