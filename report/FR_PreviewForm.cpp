// The preview window: its controls, the pages it takes from a report and gives back, the toolbar
// the report's buttons choose, the zoom menu, the page label and closing.
#include "report/FR_Preview.h"

#include <cmath>

#include "report/FR_Class.h"
#include "report/FR_Const.h"
#include "report/FR_Placement.h"
#include "report/FR_Toolbar.h"
#include "rtl/Convert.h"
#include "rtl/Arith.h"
#include "windows/SystemServices.h"

namespace {

constexpr int ZoomTags[] = {200, 150, 100, 75, 50, 25, 10, zmPageWidth, zmWholePage, zmTwoPages};
constexpr int ZoomCaptionIds[] = {53020, 53021, 53022};

// Two arrow heads, so that the page buttons do not pass for the scroll bar's arrow just above.
void DrawPageTurnGlyph(TBitmap* Glyph, bool Up) {
  const int size = 9;
  Glyph->SetSize(size, size);
  TCanvas* canvas = Glyph->Canvas();
  canvas->Brush()->SetColor(TColor(0x008080));
  canvas->FillRect({0, 0, size, size});
  canvas->Brush()->SetColor(clBlack);
  canvas->Pen()->SetColor(clBlack);
  for (int head : {0, 4}) {
    const int tip = Up ? head : size - 1 - head;
    const int base = Up ? tip + 3 : tip - 3;
    canvas->Polygon({{4, tip}, {1, base}, {7, base}});
  }
}

}  // namespace

TfrLastZoom& frLastZoom() {
  static TfrLastZoom last;
  return last;
}

TfrPreviewForm::TfrPreviewForm(TComponent* AOwner) : TForm(AOwner) {
  SetBounds(0, 0, 640, 480);
  SetWindowState(wsMaximized);
  SetShowHint(true);
  SetKeyPreview(true);
  OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) { FormKeyDown(Key, Shift); };
  CreateMenu();
  CreateToolbar();
  CreatePageArea();
}

// The pages go back to a report that outlives the window.
TfrPreviewForm::~TfrPreviewForm() {
  if (FReport && !(FReport->ComponentState() & csDestroying)) Disconnect();
}

void TfrPreviewForm::Notification(TComponent* AComponent, TOperation Operation) {
  TForm::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FReport) FReport = nullptr;
}

TfrTBButton* TfrPreviewForm::AddToolButton(const String& Name, int HintId, const TNotifyEvent& Click) {
  auto* button = new TfrTBButton(this);
  button->SetName(Name);
  button->SetParent(Toolbar);
  button->SetWidth(Name == "ZoomBtn" ? 56 : 26);
  button->SetHint(frLoadStr(HintId));
  button->OnClick = Click;
  return button;
}

void TfrPreviewForm::CreateToolbar() {
  Toolbar = new TPanel(this);
  Toolbar->SetName("Toolbar");
  Toolbar->SetParent(this);
  Toolbar->SetAlign(alTop);
  Toolbar->SetHeight(27);
  Toolbar->SetCaption(String());
  auto separator = [this](const String& Name) {
    auto* s = new TfrTBSeparator(this);
    s->SetName(Name);
    s->SetParent(Toolbar);
    return s;
  };
  ZoomBtn = AddToolButton("ZoomBtn", 53024, [this](TObject*) { ShowZoomMenu(); });
  Separator1 = separator("Separator1");
  LoadBtn = AddToolButton("LoadBtn", 53025, [this](TObject*) { OpenFile(); });
  SaveBtn = AddToolButton("SaveBtn", 53026, [this](TObject*) { SaveToFile(); });
  PrintBtn = AddToolButton("PrintBtn", 53027, [this](TObject*) { Print(); });
  PageSetupBtn = AddToolButton("PageSetupBtn", 53040, [this](TObject*) { PageSetup(); });
  Separator2 = separator("Separator2");
  FindBtn = AddToolButton("FindBtn", 53028, [this](TObject*) { Find(); });
  // The engine's help file; the platform's help service decides what showing it means here.
  HelpBtn = AddToolButton("HelpBtn", 53032, [this](TObject*) { WinHelp(Handle(), "ROvazi.hlp", HELP_CONTENTS, 0); });
  Separator3 = separator("Separator3");
  ExitBtn = AddToolButton("ExitBtn", 53023, [this](TObject*) { Exit(); });
  ZoomBtn->SetCaption("100%");
  LoadBtn->SetCaption("开");
  SaveBtn->SetCaption("存");
  PrintBtn->SetCaption("印");
  PageSetupBtn->SetCaption("页");
  FindBtn->SetCaption("查");
  HelpBtn->SetCaption("?");
  ExitBtn->SetCaption("关");
}

void TfrPreviewForm::CreatePageArea() {
  auto panel = [this](const String& Name, TWinControl* Parent, TAlign Align) {
    auto* p = new TPanel(this);
    p->SetName(Name);
    p->SetParent(Parent);
    p->SetAlign(Align);
    p->SetBevelOuter(bvNone);
    p->SetCaption(String());
    return p;
  };
  auto bar = [this](const String& Name, TWinControl* Parent, TScrollBarKind Kind) {
    auto* b = new TScrollBar(this);
    b->SetName(Name);
    b->SetKind(Kind);
    b->SetParent(Parent);
    b->SetMax(32000);
    b->SetLargeChange(200);
    b->SetSmallChange(10);
    return b;
  };
  PreviewPanel = panel("PreviewPanel", this, alClient);
  ScrollBox1 = panel("ScrollBox1", PreviewPanel, alClient);
  RPanel = panel("RPanel", ScrollBox1, alRight);
  RPanel->SetWidth(16);
  BPanel = panel("BPanel", ScrollBox1, alBottom);
  BPanel->SetHeight(16);
  VScrollBar = bar("VScrollBar", RPanel, sbVertical);
  VScrollBar->SetBounds(0, 0, 16, 100);
  VScrollBar->OnChange = [this](TObject* Sender) { VScrollChange(Sender); };
  PgUp = new TfrSpeedButton(this);
  PgDown = new TfrSpeedButton(this);
  for (TfrSpeedButton* b : {PgUp, PgDown}) {
    b->SetParent(RPanel);
    b->SetBounds(0, 0, 16, 16);
    b->SetGrayedInactive(false);
  }
  PgUp->SetName("PgUp");
  DrawPageTurnGlyph(PgUp->Glyph(), true);
  PgUp->OnClick = [this](TObject*) { GoToPage(FCurPage - 1); };
  PgDown->SetName("PgDown");
  DrawPageTurnGlyph(PgDown->Glyph(), false);
  PgDown->OnClick = [this](TObject*) { GoToPage(FCurPage + 1); };
  Label1 = new TLabel(this);
  Label1->SetName("Label1");
  Label1->SetParent(BPanel);
  Label1->SetBounds(4, 1, 80, 14);
  HScrollBar = bar("HScrollBar", BPanel, sbHorizontal);
  HScrollBar->SetBounds(90, 0, 100, 16);
  HScrollBar->OnChange = [this](TObject* Sender) { HScrollChange(Sender); };
  for (TScrollBar* b : {VScrollBar, HScrollBar}) b->OnEnter = [this](TObject*) { FocusPages(); };
  PBox = new TfrPBox(this, this);
  PBox->SetName("PBox");
  PBox->SetParent(ScrollBox1);
  PBox->SetAlign(alClient);
  PBox->SetPopupMenu(ProcMenu);
}

void TfrPreviewForm::CreateMenu() {
  ProcMenu = new TPopupMenu(this);
  ProcMenu->SetName("ProcMenu");
  ProcMenu->SetAutoPopup(false);
  for (int tag : ZoomTags) {
    auto* item = new TMenuItem(this);
    item->SetCaption(tag > zmTwoPages ? IntToStr(tag) + "%" : frLoadStr(ZoomCaptionIds[tag - 1]));
    item->SetTag(tag);
    item->SetRadioItem(true);
    item->SetGroupIndex(1);
    item->OnClick = [this](TObject* Sender) { ZoomItemClick(Sender); };
    ProcMenu->Items()->Add(item);
  }
  auto item = [this](const String& Caption, const TNotifyEvent& Click) {
    auto* i = new TMenuItem(this);
    i->SetCaption(Caption);
    i->OnClick = Click;
    ProcMenu->Items()->Add(i);
    return i;
  };
  EditSeparator = item("-", nullptr);
  EditItem = item(frLoadStr(53029), [this](TObject*) { EditPage(); });
  AddItem = item(frLoadStr(53030), [this](TObject*) { AddPage(); });
  RemoveItem = item(frLoadStr(53031), [this](TObject*) { RemovePage(); });
}

void TfrPreviewForm::Connect(TfrReport* AReport) {
  if (FReport != AReport) {
    if (FReport) FReport->RemoveFreeNotification(this);
    AReport->FreeNotification(this);
  }
  FReport = AReport;
  FPages = AReport->TakeEMFPages();
  SetupToolbar();
}

void TfrPreviewForm::Disconnect() {
  if (!FReport || !FPages) return;
  FReport->SetEMFPages(std::move(FPages));
}

void TfrPreviewForm::ShowReport(TfrReport* AReport) {
  Connect(AReport);
  ResetView(true);
  if (AReport->ModalPreview()) {
    ShowModal();
  } else {
    Show();
  }
}

bool TfrPreviewForm::ToolbarOnWindow() const { return Toolbar->Parent() == this; }

// No report designer is part of this program, so the page-editing items stay hidden.
void TfrPreviewForm::SetupToolbar() {
  const TfrPreviewButtons buttons = FReport->PreviewButtons();
  auto shown = [buttons](TfrPreviewButton b) { return (buttons & (1u << b)) != 0; };
  ZoomBtn->SetVisible(shown(pbZoom));
  LoadBtn->SetVisible(shown(pbLoad));
  SaveBtn->SetVisible(shown(pbSave));
  PrintBtn->SetVisible(shown(pbPrint));
  FindBtn->SetVisible(shown(pbFind));
  HelpBtn->SetVisible(shown(pbHelp) && ToolbarOnWindow());
  ExitBtn->SetVisible(shown(pbExit) && ToolbarOnWindow());
  PageSetupBtn->SetVisible(shown(pbPageSetup));
  Separator1->SetVisible(ZoomBtn->Visible());
  Separator2->SetVisible(FindBtn->Visible() || HelpBtn->Visible());
  // Without an installed printer the virtual printer prints into a PDF file.
  PrintBtn->SetEnabled(!frPrinter().Printers().empty());
  PageSetupBtn->SetEnabled(PrintBtn->Enabled() && FReport->CanRebuild());
  for (TMenuItem* item : {EditSeparator, EditItem, AddItem, RemoveItem}) item->SetVisible(false);
  switch (FReport->InitialZoom()) {
    case pzPageWidth: frLastZoom().Mode = zmPageWidth; break;
    case pzOnePage: frLastZoom().Mode = zmWholePage; break;
    case pzTwoPages: frLastZoom().Mode = zmTwoPages; break;
    case pzDefault: break;
  }
  for (int i = 0; i < Toolbar->ControlCount(); ++i)
    if (auto* button = dynamic_cast<TfrTBButton*>(Toolbar->Controls(i))) button->SetGrayedInactive(FReport->GrayedButtons());
}

void TfrPreviewForm::ResetView(bool FirstPage) {
  FScale = frLastZoom().Scale;
  FZoomMode = frLastZoom().Mode;
  CheckZoomItem();
  if (FirstPage) {
    FCurPage = PageCount() > 0 ? 1 : 0;
    FOffsetX = FOffsetY = 0;
    MoveBar(HScrollBar, 0);
    MoveBar(VScrollBar, 0);
  }
  FFoundRect = TRect();
  UpdatePageLabel();
  LayoutPages();
  ReleasePages();
  RemoveItem->SetEnabled(PageCount() >= 2);
  PBox->Invalidate();
}

void TfrPreviewForm::ReleasePages() {
  for (int i = 0; i < PageCount(); ++i) {
    FPages->Pages(i).Visible = false;
    FPages->Draw(i, PBox->Canvas(), TRect());
  }
}

void TfrPreviewForm::GoToPage(int PageNo) {
  if (PageNo < 1 || PageNo > PageCount()) return;
  FCurPage = PageNo;
  UpdatePageLabel();
  ScrollToPage();
}

void TfrPreviewForm::UpdatePageLabel() {
  if (OnPageChanged) OnPageChanged(this, FCurPage);
  Label1->SetCaption(PageCount() > 0 ? frLoadStr(55004) + " " + IntToStr(FCurPage) + "/" + IntToStr(PageCount())
                                     : String());
}

void TfrPreviewForm::SetZoom(TfrZoomMode Mode, double AScale) {
  FZoomMode = Mode;
  if (Mode == zmPercent) FScale = AScale;
  frLastZoom() = {FScale, FZoomMode};
  LayoutPages();
  PBox->Invalidate();
}

void TfrPreviewForm::CheckZoomItem() {
  const int tag = FZoomMode == zmPercent ? int(Round(FScale * 100)) : int(FZoomMode);
  for (int i = 0; i < ProcMenu->Items()->Count(); ++i) {
    TMenuItem* item = ProcMenu->Items()->Items(i);
    if (item->RadioItem()) item->SetChecked(item->Tag() == tag);
  }
}

void TfrPreviewForm::ZoomItemClick(TObject* Sender) {
  const int tag = static_cast<TMenuItem*>(Sender)->Tag();
  MoveBar(HScrollBar, 0);
  SetZoom(tag <= zmTwoPages ? TfrZoomMode(tag) : zmPercent, tag / 100.0);
}

void TfrPreviewForm::ShowZoomMenu() {
  for (TMenuItem* item : {EditSeparator, EditItem, AddItem, RemoveItem}) item->SetVisible(false);
  const TPoint below = ZoomBtn->ClientToScreen({0, ZoomBtn->Height()});
  ProcMenu->Popup(below.X, below.Y);
}

// Embedded, the pages are shown on the form that holds the preview: that form closes, as its close
// box would. Closing this hidden window would free the page area the preview borrowed and leave
// the holding form empty.
void TfrPreviewForm::Exit() {
  if (PreviewPanel->Parent() != this) {
    if (TCustomForm* holder = GetParentForm(PreviewPanel)) holder->Close();
  } else if (FReport && FReport->ModalPreview() && Modal()) {
    SetModalResult(mrOk);
  } else {
    Close();
  }
}

void TfrPreviewForm::DoShow() {
  TForm::DoShow();
  if (!FReport || !FReport->MDIPreview()) frRestorePlacement(this);
  LayoutPages();
}

void TfrPreviewForm::DoClose(TCloseAction& Action) {
  TForm::DoClose(Action);
  if (!FReport || !FReport->MDIPreview()) frSavePlacement(this);
  Action = caFree;
}

TfrPreviewPagesLoan::TfrPreviewPagesLoan(TfrPreview* Preview, TfrReport* Report) {
  if (!Preview || Report->EMFPages().Count() > 0 || Preview->Window()->Report() != Report) return;
  FWindow = Preview->Window();
  FReport = Report;
  FWindow->Disconnect();
}

TfrPreviewPagesLoan::TfrPreviewPagesLoan(TfrPreviewForm* Window) : FWindow(Window), FReport(Window->Report()) {
  FWindow->Disconnect();
}

TfrPreviewPagesLoan::~TfrPreviewPagesLoan() {
  if (FWindow && FReport) FWindow->Connect(FReport);
}
