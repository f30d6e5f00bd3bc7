// The report component's build: two passes and the total page count, the progress window's texts
// and cancel, evaluation errors, the template read back after scripts changed it, the application's
// value handler, multiple and composite reports, a script that stops the report and dialog pages.
#include "BuildTestKit.h"

#include "graphics/Graphic.h"
#include "report/FR_Picture.h"
#include "report/FR_Progress.h"
#include "rtl/Convert.h"

namespace {

// Records what a build shows; Execute runs the step at once and answers what the step closed with,
// or Cancel when CancelOnLabel appears.
class TRecordingProgress : public TfrProgressView {
 public:
  int Execute(const String& Caption, const std::function<void()>& Step) override {
    Captions.push_back(Caption);
    FResult = mrNone;
    Step();
    return FResult;
  }
  void Close(int ModalResult) override { FResult = ModalResult; }
  void SetFirstLabel(const String& Text) override {
    Labels.push_back(Text);
    if (Text == CancelOnLabel && frState().RootReport) {
      frState().RootReport->SetTerminated(true);
      FResult = mrCancel;
    }
  }
  void SetSecondLabel(const String& Text) override { SecondLabels.push_back(Text); }
  void ProcessMessages() override {}

  std::vector<String> Captions, Labels, SecondLabels;
  String CancelOnLabel;

 private:
  int FResult = mrNone;
};

class ReportBuildTest : public TBuildTest {
 protected:
  void TearDown() override {
    SetProgressView(nullptr);
    TBuildTest::TearDown();
  }
  // Rows of 100 (ten to a page) under a page footer that shows "page of pages".
  void Paged(int Count) {
    std::vector<std::vector<Variant>> rows;
    for (int i = 1; i <= Count; ++i) rows.push_back({"r" + IntToStr(i)});
    Table("dbsRows", {"Name"}, rows);
    TextBand(btMasterData, 100, 97, "MasterData1", "mmName", "[Name]", "dbsRows");
    Band(btPageFooter, 300, 30, "PageFooter1");
    Memo("mmFooter", Bounds(20, 300, 200, 30), "第[PAGE#]页 共[TOTALPAGES]页");
  }
  TRecordingProgress& BindProgress() {
    auto view = std::make_unique<TRecordingProgress>();
    TRecordingProgress& ref = *view;
    SetProgressView(std::move(view));
    return ref;
  }
  // The last text of each page.
  std::vector<String> Footers() {
    std::vector<String> footers;
    for (int page = 0; page < Pages(); ++page) footers.push_back(Texts(page).back());
    return footers;
  }
};

// The second pass starts its counters afresh.
TEST_F(ReportBuildTest, TheTotalPageCountIsKnownOnTheSecondPassOfATwoPassBuild) {
  Paged(15);
  Report->FindObject("mmName")->Memo.SetText("[Name]:[CURRENT#]");
  Report->SetTwoPass(1);
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(Footers(), (std::vector<String>{"第1页 共2页", "第2页 共2页"}));
  EXPECT_EQ(Texts(0)[0], "r1:1");
  // A build of one pass does not keep the count of the one before.
  Report->SetTwoPass(0);
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(Footers(), (std::vector<String>{"第1页 共0页", "第2页 共0页"}));
}

TEST_F(ReportBuildTest, TheProgressWindowCountsThePagesOfBothPassesAndCancels) {
  Paged(15);
  Report->SetTwoPass(1);
  Report->SetTitle("成绩表");
  TRecordingProgress& progress = BindProgress();
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(progress.Captions, std::vector<String>{"成绩表 - 正在准备报表"});
  // Each pass: the label, the start, the page that ends (its number + 1), the page reached, the end.
  EXPECT_EQ(progress.Labels, (std::vector<String>{"进行第一次处理:  1", "进行第一次处理:  1", "进行第一次处理:  1",
                                                  "进行第一次处理:  2", "进行第一次处理:  2", "正在处理页:  1",
                                                  "正在处理页:  1 从 2", "正在处理页:  1 从 2", "正在处理页:  2 从 2",
                                                  "正在处理页:  2 从 2"}));

  progress.CancelOnLabel = "正在处理页:  1 从 2";
  EXPECT_FALSE(Report->PrepareReport());

  Report->SetShowProgress(false);
  progress.Labels.clear();
  std::vector<int> reported;
  Report->OnProgress = [&](int page) { reported.push_back(page); };
  Report->SetShowProgress(true);
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_TRUE(progress.Labels.empty());
  EXPECT_EQ(reported, (std::vector<int>{1, 1, 2, 2, 1, 1, 2, 2}));
}

TEST_F(ReportBuildTest, AnEvaluationErrorStopsTheBuildAndIsShown) {
  Paged(15);
  Report->FindObject("mmName")->Memo.SetText("[Name] [Unknown]");
  EXPECT_FALSE(Report->PrepareReport());
  EXPECT_EQ(Pages(), 0);
  ASSERT_EQ(Dialogs->Messages.size(), 1u);
  EXPECT_EQ(Dialogs->Messages[0].Caption, "错误");
  EXPECT_EQ(Dialogs->Messages[0].Msg, "计算时发生错误\r[Name] [Unknown]\r\r报表: rptTest\r对象: mmName\r\r符号没定义 \"UNKNOWN\"");
}

TEST_F(ReportBuildTest, TheTemplateIsTheSameAfterAScriptChangedItWhileBuilding) {
  Paged(3);
  Report->FindObject("MasterData1")->Script.SetText("if [LINE#] = 2 then mmName.Memo := '改了'");
  TMemoryStream before, after;
  Report->SaveToStream(before);
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(Texts(0), (std::vector<String>{"r1", "改了", "改了", "第1页 共0页"}));
  Report->SaveToStream(after);
  EXPECT_EQ(String(reinterpret_cast<const char*>(before.Memory()), size_t(before.Size())),
            String(reinterpret_cast<const char*>(after.Memory()), size_t(after.Size())));
  EXPECT_EQ(Report->FindObject("mmName")->Memo.Text(), "[Name]\r\n");
}

TEST_F(ReportBuildTest, TheApplicationsValuesComeFirstAndFieldsAreNamedWithoutRegardToCase) {
  Paged(2);
  Report->FindObject("mmName")->Memo.SetText("[Name]:[TBLDBSROWS.\"name\"]:[School]");
  Report->OnGetValue = [](const String& name, Variant& value) {
    if (name == "Name") value = "应用";
    if (name == "SCHOOL") value = "一中";
  };
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(Texts(0)[0], "应用:r1:一中");
}

// Rows with a picture of 6 by 3 and without one.
TEST_F(ReportBuildTest, AnObjectNamingABlobFieldTakesItsContentsBeforeItPrints) {
  auto* photos = new TMemDataSet(Module.get());
  photos->FieldDefs().Add("Photo", ftGraphic);
  photos->CreateDataSet();
  const TBytes bytes = TBitmap(6, 3).SaveToBytes();
  photos->AppendRecord({String(bytes.begin(), bytes.end())});
  photos->AppendRecord({Variant::Null()});
  auto* source = new TfrDBDataSet(Module.get());
  source->SetName("dbsPhotos");
  source->SetDataSet(photos);
  Band(btMasterData, 100, 50, "MasterData1", "dbsPhotos");
  auto picture = std::make_unique<TfrPictureView>();
  picture->Name = "Picture1";
  picture->SetBounds(20, 100, 60, 30);
  picture->Memo.SetText("[Photo]");
  Page().Objects.push_back(std::move(picture));
  ASSERT_TRUE(Report->PrepareReport()) << frState().EvalErrorText;
  Report->EMFPages().RebuildPage(0);
  const auto& printed = Report->EMFPages().Pages(0).Page->Objects;
  ASSERT_EQ(printed.size(), 2u);
  EXPECT_EQ(dynamic_cast<TfrPictureView&>(*printed[0]).Picture.Width(), 6);
  EXPECT_EQ(dynamic_cast<TfrPictureView&>(*printed[1]).Picture.Width(), 0);
}

TEST_F(ReportBuildTest, AMultipleReportIsBuiltOncePerRecord) {
  auto* copies = new TroVaziDataset(Module.get());
  copies->SetRangeEnd(reCount);
  copies->SetRangeEndCount(3);
  TextBand(btReportTitle, 100, 20, "ReportTitle1", "mmTitle", "第[PAGE#]份");
  Report->SetDataset(copies);
  Report->SetReportType(rtMultiple);
  ASSERT_TRUE(Report->PrepareReport());
  EXPECT_EQ(AllTexts(), "第1份 / 第2份 / 第3份");
}

TEST_F(ReportBuildTest, AScriptStopsTheReportAndKeepsWhatItBuilt) {
  Paged(5);
  Report->FindObject("MasterData1")->Script.SetText("if [LINE#] = 3 then StopReport;");
  EXPECT_TRUE(Report->PrepareReport()) << frState().EvalErrorText;
  EXPECT_EQ(AllTexts(), "r1 r2");
}

TEST_F(ReportBuildTest, ADialogPagesScriptRunsBeforeTheReportPages) {
  Paged(1);
  TfrPage& dialog = Page(1);
  dialog.Type = ptDialog;
  dialog.Script.SetText("Heading := '对话框'");
  Band(btReportTitle, 0, 20, "ReportTitle1").SetBounds(0, 50, 700, 20);
  Memo("mmTitle", Bounds(20, 50, 200, 20), "[Heading]");
  ASSERT_TRUE(Report->PrepareReport()) << frState().EvalErrorText;
  EXPECT_EQ(Texts(0)[0], "对话框");
}

TEST_F(ReportBuildTest, ACompositeReportContinuesTheNextReportOnTheLastPage) {
  Paged(3);
  auto* second = new TfrReport(Module.get());
  TfrPage& page = second->Pages().Add();
  page.LeftMargin = page.TopMargin = page.RightMargin = 20;
  page.BottomMargin = page.PrnInfo.PageHeight - 1020;
  page.PrintToPrevPage = true;
  auto title = std::make_unique<TfrBandView>();
  title->Name = "Title2";
  title->SetBandType(btReportTitle);
  title->SetBounds(0, 100, 700, 20);
  page.Objects.push_back(std::move(title));
  auto memo = std::make_unique<TfrMemoView>();
  memo->Name = "mmSecond";
  memo->SetBounds(20, 100, 200, 20);
  memo->Memo.SetText("第二份");
  page.Objects.push_back(std::move(memo));
  auto* composite = new TfrCompositeReport(Module.get());
  composite->Reports = {Report, second};
  ASSERT_TRUE(composite->PrepareReport()) << frState().EvalErrorText;
  ASSERT_EQ(composite->EMFPages().Count(), 1);
  composite->EMFPages().RebuildPage(0);
  std::vector<String> texts;
  for (const auto& view : composite->EMFPages().Pages(0).Page->Objects) texts.push_back(view->Memo.Text());
  EXPECT_EQ(texts, (std::vector<String>{"r1\r\n", "r2\r\n", "r3\r\n", "第1页 共0页\r\n", "第二份\r\n"}));
}

}  // namespace
