// TfrPreview, the preview an application embeds: the hidden window's page area (and toolbar)
// moved into the panel, and the zoom and page operations the application's own toolbar calls.
#include "report/FR_Preview.h"

#include "report/FR_Class.h"

TfrPreview::TfrPreview(TComponent* AOwner) : TPanel(AOwner) {
  FWindow = new TfrPreviewForm(this);
  FWindow->OnPageChanged = [this](TObject*, int PageNo) {
    if (OnPageChanged) OnPageChanged(this, PageNo);
  };
  SetBevelInner(bvNone);
  SetBevelOuter(bvLowered);
  SetCaption(String());
}

TfrPreview::~TfrPreview() = default;

void TfrPreview::Connect(TfrReport* AReport) {
  FWindow->PreviewPanel->SetParent(this);
  if (FShowToolbar) FWindow->Toolbar->SetParent(this);
  FWindow->Connect(AReport);
  FWindow->ResetView(true);
  FWindow->WheelMultiplier = 3;
  FWindow->FocusPages();
  if (PopupMenu()) FWindow->PBox->SetPopupMenu(PopupMenu());
}

void TfrPreview::Disconnect() { FWindow->Disconnect(); }

void TfrPreview::ZoomTo(double Percent) { FWindow->SetZoom(zmPercent, Percent / 100); }
void TfrPreview::FitPageWidth() { FWindow->SetZoom(zmPageWidth, FWindow->Scale()); }
void TfrPreview::FitWholePage() { FWindow->SetZoom(zmWholePage, FWindow->Scale()); }
void TfrPreview::FirstPage() { FWindow->GoToPage(1); }
void TfrPreview::NextPage() { FWindow->GoToPage(FWindow->CurPage() + 1); }
void TfrPreview::PriorPage() { FWindow->GoToPage(FWindow->CurPage() - 1); }
void TfrPreview::LastPage() { FWindow->GoToPage(FWindow->PageCount()); }

void TfrPreview::SetScrollBars(TScrollStyle Value) {
  FScrollBars = Value;
  FWindow->RPanel->SetVisible(Value == ssBoth || Value == ssVertical);
  FWindow->BPanel->SetVisible(Value == ssBoth || Value == ssHorizontal);
  FWindow->LayoutPages();
}

void TfrPreview::SetShowToolbar(bool Value) {
  FShowToolbar = Value;
  if (FWindow->PreviewPanel->Parent() != this) return;
  FWindow->Toolbar->SetParent(Value ? static_cast<TWinControl*>(this) : FWindow);
  if (FWindow->Report()) FWindow->SetupToolbar();
}

void TfrPreview::Resize() {
  TPanel::Resize();
  FWindow->LayoutPages();
}
