// The preview: pages laid out at a zoom (centred, in rows, two per row), turned by keys and by the
// application's calls, searched with F3 going on, the page-editing and window-only buttons, pages
// out of view giving up their drawing, clicks on objects, and pictures of the window.
#include "BuildTestKit.h"
#include "report/FR_Preview.h"
#include "report/FR_Toolbar.h"
#include "rtl/Convert.h"
#include "rtl/Files.h"
#include "support/FormFixture.h"
#include "support/PdfReader.h"
#include "support/TempDir.h"

namespace {

// Three pages 794 units wide (a custom paper of 220.1 by 297 millimetres) in an embedded preview
// whose page box is 1000 by 700 pixels.
class PreviewTest : public TBuildTestOf<TControlsTest> {
 protected:
  void SetUp() override {
    TBuildTestOf<TControlsTest>::SetUp();
    frLastZoom() = TfrLastZoom();
    const char* texts[][2] = {{"STUDENT ZHANG A", "ZHANG B"}, {"李四", "王五"}, {"xx Zhang yy", "end"}};
    for (int i = 0; i < 3; ++i) {
      Page(i).ChangePaper(frCustomPaper, 2201, 2970, 0, frDefaultBin);
      Band(btReportTitle, 20, 200, "Title" + IntToStr(i), String(), i);
      Memo("mmA" + IntToStr(i), Bounds(40, 40, 300, 24), texts[i][0], i).FrameTyp = frftLeft | frftTop | frftRight | frftBottom;
      Memo("mmB" + IntToStr(i), Bounds(400, 120, 300, 24), texts[i][1], i);
    }
    Report->SetShowProgress(false);
    ASSERT_TRUE(Report->PrepareReport());
    ASSERT_EQ(Report->EMFPages().Pages(0).PrnInfo.PageWidth, 794);
    Form->SetBounds(0, 0, 1000, 700);
    Form->SetBorderStyle(bsNone);
    Preview = Add<TfrPreview>("frpPreview", TRect{0, 0, 1000, 700});
    Preview->SetBevelOuter(bvNone);
    Preview->SetScrollBars(ssNone);
    Report->SetPreview(Preview);
    ShowForm();
    Report->ShowPrepared();
    Pump();
    ASSERT_EQ(Box()->ClientWidth(), 1000);
  }
  TfrPreviewForm* Window() { return Preview->Window(); }
  TfrPBox* Box() { return Window()->PBox; }
  TRect Place(int Index) { return Window()->Pages()->Pages(Index).PreviewRect; }
  WORD Key(WORD Key, TShiftState Shift = 0) {
    Window()->FormKeyDown(Key, Shift);
    return Key;
  }
  TfrPreview* Preview = nullptr;
};

TEST_F(PreviewTest, PagesAreCentredOnePerRowOrSideBySide) {
  ASSERT_EQ(Window()->PageCount(), 3);
  EXPECT_EQ(Report->EMFPages().Count(), 0);  // the preview holds the pages
  EXPECT_EQ(Place(0), Bounds(103, 10, 794, 1071));
  EXPECT_EQ(Place(1), Bounds(103, 1091, 794, 1071));
  EXPECT_EQ(Window()->ZoomBtn->Caption(), "100%");

  Preview->ZoomTo(50);
  EXPECT_EQ(Place(0), Bounds(10, 10, 397, 536));
  EXPECT_EQ(Place(1), Bounds(417, 10, 397, 536));
  EXPECT_EQ(Place(2), Bounds(10, 556, 397, 536));

  Window()->SetZoom(zmTwoPages, 1);
  EXPECT_DOUBLE_EQ(Window()->Scale(), 970.0 / 1588);
  EXPECT_EQ(Place(1).Top, Place(0).Top);
  EXPECT_EQ(Place(2).Left, 10);
  Preview->FitPageWidth();
  EXPECT_EQ(Place(0), Bounds(10, 10, 980, 1322));
  Preview->FitWholePage();
  EXPECT_EQ(Place(0).Height(), 680);
  EXPECT_EQ(Place(1).Top, Place(0).Bottom + 10);
  // The next preview starts with the zoom chosen last.
  EXPECT_EQ(frLastZoom().Mode, zmWholePage);
}

TEST_F(PreviewTest, KeysAndTheApplicationsCallsTurnPages) {
  std::vector<int> changes;
  Preview->OnPageChanged = [&](TObject*, int page) { changes.push_back(page); };
  EXPECT_EQ(Key(VK_END), VK_END);  // End alone is not handled
  EXPECT_EQ(Preview->Page(), 1);
  EXPECT_EQ(Key(VK_END, ssCtrl), 0);
  EXPECT_EQ(Preview->Page(), 3);
  EXPECT_EQ(Window()->VScrollBar->Position(), Place(2).Top - 10);
  EXPECT_EQ(Window()->Label1->Caption(), "页 3/3");
  Key(VK_HOME, ssCtrl);
  EXPECT_EQ(Window()->VScrollBar->Position(), 0);
  EXPECT_EQ(Preview->Page(), 1);
  Key(VK_NEXT);
  EXPECT_EQ(Window()->VScrollBar->Position(), 200);
  Key(VK_NEXT, ssCtrl);
  EXPECT_EQ(Preview->Page(), 2);
  Preview->LastPage();
  Preview->NextPage();  // past the last page: ignored
  EXPECT_EQ(Preview->Page(), 3);
  Preview->PriorPage();
  Preview->FirstPage();
  Preview->PriorPage();
  EXPECT_EQ(Preview->Page(), 1);
  EXPECT_EQ(Preview->AllPages(), 3);
  EXPECT_EQ(changes, (std::vector<int>{3, 1, 2, 3, 2, 1}));
}

TEST_F(PreviewTest, FindIgnoresCaseByChoiceAndF3GoesOnToTheEnd) {
  Window()->FindText("zhang", false, false);
  ASSERT_EQ(Preview->Page(), 1);
  const TRect first = Window()->FoundRect();
  EXPECT_FALSE(IsRectEmpty(first));
  Key(VK_F3);
  EXPECT_EQ(Preview->Page(), 1);
  EXPECT_GT(Window()->FoundRect().Left, first.Left);  // the second text of the page
  Key(VK_F3);
  EXPECT_EQ(Preview->Page(), 3);
  EXPECT_EQ(Window()->VScrollBar->Position(), Place(2).Top - 10);
  EXPECT_FALSE(Window()->FindNext());  // at the end nothing more
  EXPECT_EQ(Preview->Page(), 3);

  Window()->FindText("zhang", true, false);
  EXPECT_EQ(Window()->FoundRect(), TRect());
  Window()->FindText("Zhang", true, false);
  EXPECT_EQ(Preview->Page(), 3);

  // The inverted match shows on screen: white page pixels turn black.
  Preview->FirstPage();
  Window()->FindText("ZHANG B", false, false);
  Pump();
  const TRect found = Window()->FoundRect();
  EXPECT_EQ(WindowPixel(Box()->Handle(), found.Right - 2, found.Top + 1), clBlack);
  RenderWindowToPng(Form->Handle(), "preview_found.png");
}

TEST_F(PreviewTest, PagesOutOfViewGiveUpTheirDrawingAndComeBack) {
  Pump();
  const TfrEMFPages& pages = *Window()->Pages();
  EXPECT_TRUE(pages.Pages(0).Page != nullptr);
  EXPECT_TRUE(pages.Pages(2).Page == nullptr);
  Preview->LastPage();
  Pump();
  EXPECT_TRUE(pages.Pages(0).Page == nullptr);
  EXPECT_TRUE(pages.Pages(2).Page != nullptr);
  Preview->FirstPage();
  Pump();
  EXPECT_TRUE(pages.Pages(0).Page != nullptr);
}

TEST_F(PreviewTest, ClicksOnObjectsGoToTheReportAndElsewhereChooseThePage) {
  std::vector<String> clicked;
  Report->OnObjectClick = [&](TfrView* view) { clicked.push_back(view->Name); };
  Preview->ZoomTo(50);
  // The page's contents start at its printable offset plus its margin, at half size.
  const TfrPreparedPage& second = Window()->Pages()->Pages(1);
  const TRect content = TfrPreviewForm::ContentRect(second, Place(1), 0.5);
  Click(Box(), {content.Left + 30, content.Top + 30});
  Pump();
  EXPECT_EQ(clicked, std::vector<String>{"mmA1"});
  TestClock().Advance(1000);  // not a double click
  Click(Box(), {content.Left + 5, content.Top + 300});
  Pump();
  EXPECT_EQ(clicked.size(), 1u);
  EXPECT_EQ(Preview->Page(), 2);
}

TEST_F(PreviewTest, TheEmbeddedToolbarHasNoHelpOrExitAndOnePageCannotBeRemoved) {
  Preview->SetShowToolbar(true);
  EXPECT_EQ(Window()->Toolbar->Parent(), Preview);
  EXPECT_FALSE(Window()->HelpBtn->Visible());
  EXPECT_FALSE(Window()->ExitBtn->Visible());
  EXPECT_TRUE(Window()->ZoomBtn->Visible());
  EXPECT_FALSE(Window()->PageSetupBtn->Visible());
  EXPECT_TRUE(Window()->RemoveItem->Enabled());
  Window()->Pages()->Delete(2);
  Window()->Pages()->Delete(1);
  Window()->ResetView(true);
  EXPECT_FALSE(Window()->RemoveItem->Enabled());
  Window()->RemovePage();
  EXPECT_EQ(Preview->AllPages(), 1);

  // The report's pages come back when the preview lets them go.
  Preview->Disconnect();
  EXPECT_EQ(Report->EMFPages().Count(), 1);
}

TEST_F(PreviewTest, APreviewWindowOfItsOwnShowsHelpAndExitAndIsPictured) {
  Report->SetPreview(nullptr);
  Report->SetModalPreview(false);
  Report->SetTitle("学生成绩");
  Preview->Disconnect();
  Report->ShowPrepared();
  TfrPreviewForm* window = nullptr;
  for (int i = 0; i < Report->ComponentCount(); ++i)
    if (auto* w = dynamic_cast<TfrPreviewForm*>(Report->Components(i))) window = w;
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Caption(), "学生成绩 - 预览");
  EXPECT_TRUE(window->HelpBtn->Visible());
  EXPECT_TRUE(window->ExitBtn->Visible());
  window->SetWindowState(wsNormal);
  window->SetBounds(0, 0, 900, 640);
  Pump();
  window->SetZoom(zmPercent, 1);
  Pump();
  RenderWindowToPng(window->Handle(), "preview_100.png");
  window->SetZoom(zmTwoPages, 1);
  Pump();
  RenderWindowToPng(window->Handle(), "preview_two_pages.png");
  WORD escape = VK_ESCAPE;
  window->FormKeyDown(escape, 0);
  Pump();
  EXPECT_EQ(Report->EMFPages().Count(), 3);  // the closed window gave the pages back
}

}  // namespace

namespace {

TEST_F(PreviewTest, SavingOpeningAndPrintingKeepThePagesInThePreview) {
  TempDir dir;
  Dialogs->OnFileDialog = [&](TFileDialogRequest& request) {
    request.FileName = dir.File(request.Save ? "saved" : "saved.frp");
    return true;
  };
  Preview->SaveToFile();
  EXPECT_EQ(Dialogs->FileRequests.back().Filter, "Report 文件 (*.frp)|*.frp");
  EXPECT_TRUE(FileExists(dir.File("saved.frp")));  // the extension is given
  EXPECT_EQ(Preview->AllPages(), 3);
  EXPECT_EQ(Report->EMFPages().Count(), 0);

  Preview->LastPage();
  Preview->OpenFile();
  EXPECT_EQ(Preview->AllPages(), 3);
  EXPECT_EQ(Preview->Page(), 1);
  EXPECT_FALSE(Report->CanRebuild());

  // A damaged file is reported and the pages shown stay.
  {
    TFileStream damaged(dir.File("saved.frp"), fmCreate);
    damaged.WriteBuffer("\x18\x00\x00\x00\x00\x05\x00\x00\x00", 9);
  }
  Preview->OpenFile();
  ASSERT_EQ(Dialogs->Messages.size(), 1u);
  EXPECT_EQ(Dialogs->Messages[0].Msg, "报表文件已损坏，无法打开。");
  EXPECT_EQ(Preview->AllPages(), 3);

  Report->SetShowPrintDialog(false);
  Dialogs->OnFileDialog = [&](TFileDialogRequest& request) {
    request.FileName = dir.File("printed.pdf");
    return true;
  };
  Preview->Print();
  EXPECT_EQ(PdfField(PdfInfo(dir.File("printed.pdf"), 1), "Pages"), "3");
  EXPECT_EQ(Preview->AllPages(), 3);
  EXPECT_EQ(Report->EMFPages().Count(), 0);
}

TEST_F(PreviewTest, ShowingWithoutPagesDoesNothing) {
  Preview->Disconnect();
  Report->EMFPages().Clear();
  Report->SetPreview(nullptr);
  const int components = Report->ComponentCount();
  Report->ShowPrepared();
  EXPECT_EQ(Report->ComponentCount(), components);
}

}  // namespace

namespace {

TEST_F(PreviewTest, TheWheelAndADragScrollTheView) {
  Wheel(Box(), {500, 300}, -120);
  Pump();
  EXPECT_EQ(Window()->VScrollBar->Position(), 30);  // one notch: 10 lines, three times when embedded
  MouseDown(Box(), {500, 300});
  MouseMove(Box(), {480, 200});
  MouseUp(Box(), {480, 200});
  Pump();
  EXPECT_EQ(Window()->VScrollBar->Position(), 130);
  EXPECT_EQ(Window()->OffsetY(), -130);
}

TEST_F(PreviewTest, PrintingAndExportingFromTheReportBorrowThePreviewsPages) {
  TempDir dir;
  Dialogs->OnFileDialog = [&](TFileDialogRequest& request) {
    request.FileName = dir.File("direct.pdf");
    return true;
  };
  Report->PrintPrepared("2-", 1, true, ppAll);
  EXPECT_EQ(PdfField(PdfInfo(dir.File("direct.pdf"), 1), "Pages"), "2");
  EXPECT_EQ(Preview->AllPages(), 3);
  EXPECT_EQ(Report->EMFPages().Count(), 0);
  // A print that fails gives the pages back too.
  EXPECT_THROW(Report->PrintPrepared("1;3", 1, true, ppAll), EConvertError);
  EXPECT_EQ(Preview->AllPages(), 3);
  EXPECT_EQ(Report->EMFPages().Count(), 0);
}

}  // namespace

namespace {

TEST_F(PreviewTest, AModalPreviewWindowRunsUntilEscapeAndIsFreed) {
  Preview->Disconnect();
  Report->SetPreview(nullptr);
  auto window = [this]() -> TfrPreviewForm* {
    for (int i = 0; i < Report->ComponentCount(); ++i)
      if (auto* w = dynamic_cast<TfrPreviewForm*>(Report->Components(i))) return w;
    return nullptr;
  };
  bool modal = false;
  TestClock().OnWait([&] {
    ASSERT_NE(window(), nullptr);
    modal = window()->Modal();
    EXPECT_EQ(window()->PageCount(), 3);
    PressKey(VK_ESCAPE);
  });
  Report->ShowPrepared();
  Pump();
  EXPECT_TRUE(modal);
  EXPECT_EQ(window(), nullptr);
  EXPECT_EQ(Report->EMFPages().Count(), 3);
}

TEST_F(PreviewTest, PageSetupRebuildsOnlyAReportBuiltFromItsTemplate) {
  Dialogs->OnPrinterSetupDialog = [](TPrinterSetupRequest& request) {
    request.Landscape = true;
    return true;
  };
  Window()->PageSetup();
  ASSERT_EQ(Preview->AllPages(), 3);
  EXPECT_EQ(Window()->Pages()->Pages(0).Orientation, 1);
  EXPECT_EQ(Place(0).Width(), 1071);

  TempDir dir;
  Dialogs->OnFileDialog = [&](TFileDialogRequest& request) {
    request.FileName = dir.File("pages.frp");
    return true;
  };
  Preview->SaveToFile();
  Preview->OpenFile();
  Dialogs->OnPrinterSetupDialog = [](TPrinterSetupRequest&) -> bool { throw std::logic_error("not asked"); };
  Window()->PageSetup();  // pages from a file: nothing to rebuild from
  EXPECT_FALSE(Window()->PageSetupBtn->Enabled());
}

}  // namespace

namespace {

TEST_F(PreviewTest, TheMouseOverAnObjectTakesTheReportsCursorAndADoubleClickChoosesThePage) {
  std::vector<String> over;
  Report->OnMouseOverObject = [&](TfrView* view, TCursor& cursor) {
    over.push_back(view->Name);
    cursor = crHandPoint;
  };
  Preview->ZoomTo(50);
  const TRect content = TfrPreviewForm::ContentRect(Window()->Pages()->Pages(0), Place(0), 0.5);
  MouseMove(Box(), {content.Left + 30, content.Top + 30});
  Pump();
  EXPECT_EQ(over, std::vector<String>{"mmA0"});
  EXPECT_EQ(Box()->Cursor(), crHandPoint);
  MouseMove(Box(), {content.Left + 5, content.Top + 400});
  Pump();
  EXPECT_EQ(Box()->Cursor(), crDefault);

  DoubleClick(Box(), {Place(2).Left + 20, Place(2).Top + 100});
  Pump();
  EXPECT_EQ(Preview->Page(), 3);
}

}  // namespace
