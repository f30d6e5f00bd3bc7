// The preview of prepared pages: TfrPreviewForm, the window that does all the work (pages laid
// out at a zoom, scrolled, turned, searched, opened, saved and printed), TfrPBox, the panel that
// paints the pages, and TfrPreview, the panel an application embeds, which borrows the hidden
// window's toolbar and page area (FR_PreviewForm.cpp the window and its pages, FR_PreviewLayout.cpp
// layout, painting and scrolling, FR_PreviewInput.cpp keys and mouse, FR_PreviewFind.cpp search,
// FR_PreviewFile.cpp open, save, print and the page set, FR_PreviewPanel.cpp the embedded panel).
#pragma once

#include <functional>
#include <memory>

#include "controls/Forms.h"
#include "controls/Label.h"
#include "controls/Menus.h"
#include "controls/Panel.h"
#include "controls/ScrollBar.h"
#include "report/FR_EMFPages.h"

class TfrReport;
class TfrPreview;
class TfrPreviewForm;
class TfrSpeedButton;
class TfrTBButton;
class TfrTBSeparator;

// The zoom modes: a percentage, the page's width, the whole page, two pages side by side.
enum TfrZoomMode { zmPercent = 0, zmPageWidth = 1, zmWholePage = 2, zmTwoPages = 3 };

using TfrPageChangedEvent = std::function<void(TObject* Sender, int PageNo)>;

// The page area's painter; it also drags the view with the mouse and reports clicked objects.
class TfrPBox : public TCustomPanel {
 public:
  TfrPBox(TComponent* AOwner, TfrPreviewForm* Preview);
  String ClassName() const override { return "TfrPBox"; }

 protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;

 private:
  friend class TfrPreviewForm;
  TfrPreviewForm* FPreview;
  bool FDown = false;
  bool FDoubleClicked = false;
  TPoint FLast;
};

class TfrPreviewForm : public TForm {
 public:
  explicit TfrPreviewForm(TComponent* AOwner);
  ~TfrPreviewForm() override;
  String ClassName() const override { return "TfrPreviewForm"; }

  // Takes the report's pages and shows them, modal with the report's ModalPreview.
  void ShowReport(TfrReport* AReport);
  // Takes the report's pages (freeing those held) and leaves it an empty list; Disconnect gives
  // them back. The toolbar follows the report's buttons.
  void Connect(TfrReport* AReport);
  void Disconnect();
  TfrReport* Report() const { return FReport; }
  TfrEMFPages* Pages() const { return FPages.get(); }
  int PageCount() const { return FPages ? FPages->Count() : 0; }

  // The current page from 1 (0 without pages); going to one outside 1..PageCount does nothing.
  int CurPage() const { return FCurPage; }
  void GoToPage(int PageNo);
  double Scale() const { return FScale; }
  TfrZoomMode ZoomMode() const { return FZoomMode; }
  void SetZoom(TfrZoomMode Mode, double Scale);
  // The view back at its remembered zoom; at page 1 with the scroll bars at 0 when FirstPage.
  void ResetView(bool FirstPage);
  // Lays the pages out for the page box's size and the zoom; every resize and zoom change.
  void LayoutPages();
  // The page under a point of the page box (0-based), -1 when none.
  int PageAt(TPoint Point) const;

  // The window's keys; another window may hand its own here. A handled key becomes 0.
  void FormKeyDown(WORD& Key, TShiftState Shift);
  // The mouse wheel: the vertical bar moves by its small change times the multiplier (3 when
  // embedded).
  void MouseWheel(int Delta);

  // The commands of the toolbar.
  void OpenFile();
  void SaveToFile();
  void Print();
  void PageSetup();
  void Find();
  // Searches on for the stored text; answers whether it was found.
  bool FindNext();
  void FindText(const String& Text, bool CaseSensitive, bool FromCurrentPage);
  void EditPage();
  void AddPage();
  void RemovePage();
  void Exit();

  // The search's match in page box pixels while shown, else empty.
  const TRect& FoundRect() const { return FFoundRect; }
  bool PaintAllowed() const { return FPaintAllowed; }
  int OffsetX() const { return FOffsetX; }
  int OffsetY() const { return FOffsetY; }
  // The rectangle a page's contents are drawn into, for a page laid out at Place with Scale.
  static TRect ContentRect(const TfrPreparedPage& Page, const TRect& Place, double Scale);

  // Controls, named as the stored layout names them.
  TPanel* Toolbar = nullptr;
  TfrTBButton *ZoomBtn = nullptr, *LoadBtn = nullptr, *SaveBtn = nullptr, *PrintBtn = nullptr;
  TfrTBButton *PageSetupBtn = nullptr, *FindBtn = nullptr, *HelpBtn = nullptr, *ExitBtn = nullptr;
  TfrTBSeparator *Separator1 = nullptr, *Separator2 = nullptr, *Separator3 = nullptr;
  TPanel* PreviewPanel = nullptr;
  TPanel* ScrollBox1 = nullptr;
  TPanel* RPanel = nullptr;
  TfrSpeedButton *PgUp = nullptr, *PgDown = nullptr;
  TScrollBar* VScrollBar = nullptr;
  TPanel* BPanel = nullptr;
  TLabel* Label1 = nullptr;
  TScrollBar* HScrollBar = nullptr;
  TfrPBox* PBox = nullptr;
  TPopupMenu* ProcMenu = nullptr;
  TMenuItem *EditItem = nullptr, *AddItem = nullptr, *RemoveItem = nullptr, *EditSeparator = nullptr;

  // Told of every new page label; TfrPreview relays it to its OnPageChanged.
  TfrPageChangedEvent OnPageChanged;
  int WheelMultiplier = 1;

 protected:
  void DoShow() override;
  void DoClose(TCloseAction& Action) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TfrPBox;
  friend class TfrPreview;
  void CreateToolbar();
  void CreatePageArea();
  void CreateMenu();
  TfrTBButton* AddToolButton(const String& Name, int HintId, const TNotifyEvent& Click);
  void SetupToolbar();
  bool ToolbarOnWindow() const;
  void UpdatePageLabel();
  void ZoomItemClick(TObject* Sender);
  void ShowZoomMenu();
  void CheckZoomItem();
  // Layout steps.
  double FitScale(int Width, int Height, int BoxWidth, int BoxHeight) const;
  int PagesPerRow(double ScaleNow, int BoxWidth) const;
  void PlacePages(int PerRow, int BoxWidth);
  void ArrangeControls();
  void SetScrollRanges(int BoxWidth, int BoxHeight);
  void ScrollToPage();
  void FocusPages();
  void VScrollChange(TObject* Sender);
  void HScrollChange(TObject* Sender);
  void MoveBar(TScrollBar* Bar, int Position);
  void ReleasePages();
  // Search steps.
  bool SearchPage(int Index);
  void ShowFound();
  // Clicks and drags on the page box.
  void BoxMouseDown(TMouseButton Button, int X, int Y);
  void BoxMouseOver(int X, int Y);

  TfrReport* FReport = nullptr;
  std::unique_ptr<TfrEMFPages> FPages;
  int FCurPage = 0;
  double FScale = 1.0;
  TfrZoomMode FZoomMode = zmPercent;
  int FOffsetX = 0, FOffsetY = 0;
  bool FPaintAllowed = true;
  bool FScrollingToPage = false;
  // Search state: the text (upper-cased unless case-sensitive), the page searched (0-based), the
  // record to continue from, and the match in page units.
  String FFindText;
  bool FCaseSensitive = false;
  int FFindPage = 0;
  int FFindRecord = 0;
  TRect FFoundPageRect;
  TRect FFoundRect;
};

// The panel an application places on its window: it shows the pages of the report whose Preview
// it is, with the hidden window's page area and (with ShowToolbar) toolbar moved into it.
class TfrPreview : public TPanel {
 public:
  explicit TfrPreview(TComponent* AOwner);
  ~TfrPreview() override;
  String ClassName() const override { return "TfrPreview"; }

  void Connect(TfrReport* AReport);
  void Disconnect();
  TfrPreviewForm* Window() const { return FWindow; }

  void ZoomTo(double Percent);
  void FitPageWidth();
  void FitWholePage();
  void FirstPage();
  void NextPage();
  void PriorPage();
  void LastPage();
  int Page() const { return FWindow->CurPage(); }
  int AllPages() const { return FWindow->PageCount(); }
  void SaveToFile() { FWindow->SaveToFile(); }
  void OpenFile() { FWindow->OpenFile(); }
  void Print() { FWindow->Print(); }

  // Published properties.
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  bool ShowToolbar() const { return FShowToolbar; }
  void SetShowToolbar(bool Value);
  TfrPageChangedEvent OnPageChanged;

 protected:
  void Resize() override;

 private:
  TfrPreviewForm* FWindow;
  TScrollStyle FScrollBars = ssBoth;
  bool FShowToolbar = false;
};

// While printing, exporting or saving, the report owns its pages again: taken back from its
// preview for the scope's life when the preview holds them, and handed back at its end, also when
// the work failed.
class TfrPreviewPagesLoan {
 public:
  TfrPreviewPagesLoan(TfrPreview* Preview, TfrReport* Report);
  explicit TfrPreviewPagesLoan(TfrPreviewForm* Window);
  ~TfrPreviewPagesLoan();
  TfrPreviewPagesLoan(const TfrPreviewPagesLoan&) = delete;
  TfrPreviewPagesLoan& operator=(const TfrPreviewPagesLoan&) = delete;

 private:
  TfrPreviewForm* FWindow = nullptr;
  TfrReport* FReport = nullptr;
};

// The zoom and mode the next preview starts with: the last chosen in any preview.
struct TfrLastZoom {
  double Scale = 1.0;
  TfrZoomMode Mode = zmPercent;
};
TfrLastZoom& frLastZoom();
