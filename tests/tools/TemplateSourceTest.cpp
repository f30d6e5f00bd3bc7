// The source form of report templates: every template source of the program is its own dump and
// compiles to the file the build placed beside the program; templates with every kind of object
// and value the engine stores dump and compile back to the same bytes; bands stack and hold the
// objects written inside them; faults of a source name their line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "report/FR_BandView.h"
#include "report/FR_Line.h"
#include "report/FR_Memo.h"
#include "report/FR_Picture.h"
#include "report/FR_State.h"
#include "report/FR_SubReport.h"
#include "support/ScriptedDialogs.h"
#include "tools/FrfSource.h"

namespace {

namespace fs = std::filesystem;
using TBytes = std::vector<uint8_t>;

std::string FileText(const fs::path& Path) {
  std::ifstream in(Path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TBytes Saved(const TfrReport& Report) {
  TMemoryStream stream;
  Report.SaveToStream(stream);
  return TBytes(stream.Memory(), stream.Memory() + stream.Size());
}

bool Load(TfrReport& Report, const TBytes& Bytes) {
  TMemoryStream stream;
  if (!Bytes.empty()) stream.WriteBuffer(Bytes.data(), int(Bytes.size()));
  stream.SetPosition(0);
  return Report.LoadFromStream(stream);
}

// A file's bytes through the engine's reader and writer: what a template holds as the engine
// writes it.
TBytes Resaved(const TBytes& Bytes) {
  TfrReport report(nullptr);
  EXPECT_TRUE(Load(report, Bytes));
  return Saved(report);
}

class TemplateSourceTest : public ::testing::Test {
 protected:
  void SetUp() override { frResetState(); }
  void TearDown() override { frResetState(); }

  // The template's dump compiled and written again.
  TBytes ThroughSource(const TBytes& Bytes) {
    TfrReport loaded(nullptr);
    EXPECT_TRUE(Load(loaded, Bytes));
    const String source = TemplateSource(loaded, "Template");
    TfrReport compiled(nullptr);
    CompileTemplateSource(source, compiled);
    EXPECT_EQ(TemplateSource(compiled, "Template"), source);
    return Saved(compiled);
  }

  TScriptedDialogsScope Dialogs;
};

TEST_F(TemplateSourceTest, EveryTemplateSourceIsItsOwnDumpAndTheFileTheBuildPlaced) {
  int templates = 0;
  for (const auto& entry : fs::directory_iterator(QUORIN_TEMPLATE_SOURCES)) {
    if (entry.path().extension() != ".frt") continue;
    ++templates;
    const String name = entry.path().stem().string();
    const std::string source = FileText(entry.path());
    TfrReport report(nullptr);
    CompileTemplateSource(source, report);
    const TBytes bytes = Saved(report);
    const fs::path built = fs::path(QUORIN_REPORT_DIR) / (name + ".frf");
    const std::string file = FileText(built);
    EXPECT_EQ(TBytes(file.begin(), file.end()), bytes) << built;
    TfrReport loaded(nullptr);
    ASSERT_TRUE(Load(loaded, bytes)) << name;
    EXPECT_EQ(TemplateSource(loaded, name), source) << name;
  }
  EXPECT_EQ(templates, 10);
  EXPECT_TRUE(Dialogs->Messages.empty());
}

// A template with a value of every kind: two pages (a landscape custom paper, a dialog page), the
// dictionary, bands of several kinds with stacked and placed tops, objects inside and outside
// bands, a cross band, a picture, a line, a sub-report, names that are no identifiers, flags
// without names, highlights, formats and scripts.
TBytes FullTemplate() {
  TfrReport report(nullptr);
  report.SetTwoPass(0xFFFF);
  report.SetUseDefaultPrinter(7);
  report.Dictionary().Variables.SetVariable(" 学生", "");
  report.Dictionary().Variables.SetVariable("总数", "[COUNT(MasterData1)]");
  report.Dictionary().FieldAliases.SetVariable("dbsPrint", "学生");
  TfrPage& page = report.Pages().Add();
  page.ChangePaper(frCustomPaper, 2500, 1800, 1, frDefaultBin);
  page.LeftMargin = page.TopMargin = 40;
  page.Script.SetText("begin\r\n  x := 1;\r\nend");
  auto add = [&page](std::unique_ptr<TfrView> view, const String& name, TRect bounds) -> TfrView& {
    view->Name = name;
    view->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    page.Objects.push_back(std::move(view));
    return *page.Objects.back();
  };
  auto band = [&](TfrBandType type, const String& name, TRect bounds) -> TfrBandView& {
    auto view = std::make_unique<TfrBandView>();
    view->SetBandType(type);
    return static_cast<TfrBandView&>(add(std::move(view), name, bounds));
  };
  band(btReportTitle, "Title1", Bounds(0, 40, page.PrnInfo.PageWidth, 60));
  TfrMemoView& title = static_cast<TfrMemoView&>(add(std::make_unique<TfrMemoView>(), "标题", Bounds(40, 50, 300, 30)));
  title.Memo.SetText("成绩表\r\n第二行");
  title.Font.SetName("黑体");
  title.Font.SetStyle(fsBold | fsUnderline);
  title.Alignment = frtaJustify | frtaMiddle;
  title.Flags = uint16_t(flStretched | 0x4000);  // a bit no name covers
  TfrBandView& data = band(btMasterData, "MasterData1", Bounds(0, 130, 500, 24));
  data.DisplayFormatText = "dbsPrint";
  data.Flags |= flBandRepeatHeader;
  data.Memo.SetText("if [x] > 1 then Visible := False");
  data.Columns = 2;
  TfrMemoView& cell = static_cast<TfrMemoView&>(add(std::make_unique<TfrMemoView>(), "", Bounds(40, 130, 80, 24)));
  cell.Memo.SetText("[Fd_Score]");
  cell.DisplayFormatCode = 0x01020100 | '.';
  cell.DisplayFormatText = "#,##0.00";
  cell.HighlightCondition = "[Fd_Score] < 60";
  cell.HighlightStyle = 1;
  cell.HighlightFontColor = 0x0000FF;
  cell.FrameTyp = frftLeft | frftBottom;
  cell.FrameWidth = 1.5;
  cell.FrameStyle = frsDashDot;
  cell.FillColor = TColor(0x8000000F);
  cell.Script.SetText("Memo1.Visible := True");
  cell.Visible = false;
  cell.GapX = 4;
  cell.Tag = "分数";
  cell.BandAlign = baRight;
  auto picture = std::make_unique<TfrPictureView>();
  TBitmap bitmap(2, 2);
  bitmap.Canvas()->SetPixel(1, 1, clRed);
  picture->Picture.SetGraphic(&bitmap);
  picture->BlobType = btICO;
  add(std::move(picture), "Picture1", Bounds(200, 140, 20, 10));  // on the data band
  add(std::make_unique<TfrLineView>(), "Line1", Bounds(40, 400, 300, 0));  // on no band
  auto group = std::make_unique<TfrBandView>();
  group->SetBandType(btGroupHeader);
  group->DisplayFormatText = "[Fd_Class]";
  add(std::move(group), "GroupHeader1", Bounds(0, 420, 700, 20));
  band(btCrossData, "CrossData1", Bounds(600, 0, 80, 700)).DisplayFormatText = "dbsCross";
  auto sub = std::make_unique<TfrSubReportView>();
  sub->SubPage = 1;
  add(std::move(sub), "SubReport1", Bounds(40, 425, 100, 10));
  TfrPage& dialog = report.Pages().Add();
  dialog.Type = ptDialog;
  dialog.Name = "对话框";
  dialog.Caption = "选择";
  dialog.FormWidth = 200;
  return Saved(report);
}

TEST_F(TemplateSourceTest, AnyTemplateTheEngineReadsDumpsAndCompilesToTheSameBytes) {
  const TBytes full = FullTemplate();
  EXPECT_EQ(ThroughSource(full), Resaved(full));
  int files = 0;
  for (const auto& entry : fs::directory_iterator(QUORIN_TEMPLATE_CORPUS)) {
    const std::string text = FileText(entry.path());
    const TBytes bytes(text.begin(), text.end());
    Dialogs->Messages.clear();
    EXPECT_EQ(ThroughSource(bytes), Resaved(bytes)) << entry.path();
    ++files;
  }
  EXPECT_GE(files, 3);
}

// What the source of the full template says of its places, names and values.
TEST_F(TemplateSourceTest, TheDumpNestsObjectsInTheirBandsAndSpellsValuesByName) {
  TfrReport report(nullptr);
  ASSERT_TRUE(Load(report, FullTemplate()));
  const String source = TemplateSource(report, "Full");
  for (const char* expected : {
           "object Full: TfrReport\n  UseDefaultPrinter = 7\n  TwoPass = True\n",
           "    Paper = 256\n    PaperWidth = 2500\n    PaperHeight = 1800\n    Orientation = poLandscape\n",
           // The title band stands at the top margin and spans the page: neither is written.
           "    object Title1: TfrBandView\n      BandType = btReportTitle\n      Height = 60\n"
           "      object TfrMemoView\n        Name = '标题'\n        Left = 40\n        Top = 10\n",
           "        Flags = 16385\n",
           "        Font.Style = [fsBold, fsUnderline]\n",
           "        Alignment = [frtaJustify, frtaMiddle]\n",
           "      Top = 130\n      Width = 500\n      Height = 24\n"
           "      Flags = [flBandOnFirstPage, flBandOnLastPage, flBandRepeatHeader]\n",
           "      DataSource = 'dbsPrint'\n",
           "        Format.Category = fcNumber\n        Format.Subtype = 2\n        Format.Decimals = 1\n",
           "        FrameStyle = psDashDot\n        FillColor = clBtnFace\n",
           "        Highlight.Style = [fsItalic]\n        Highlight.FontColor = clRed\n",
           "      object Picture1: TfrPictureView\n        Left = 200\n        Top = 10\n",
           "        BlobType = btICO\n        Picture = {\n          01424D",
           // After the line, which lies on no band, objects are placed on the page again.
           "    object Line1: TfrLineView\n      Left = 40\n      Top = 400\n",
           "      BandType = btGroupHeader\n      Top = 420\n      Width = 700\n      Height = 20\n"
           "      Condition = '[Fd_Class]'\n",
           // The cross band ends the group header's objects: the sub-report after it is on the page.
           "    object SubReport1: TfrSubReportView\n      Left = 40\n      Top = 425\n",
           "      BandType = btCrossData\n      Left = 600\n",
           "  object TfrPage\n    Name = '对话框'\n",
           "    PageType = ptDialog\n",
           "  Variables = <\n    item\n      Name = ' 学生'\n      Value = ''\n    end",
       })
    EXPECT_NE(source.find(expected), String::npos) << expected << "\n---\n" << source;
}

TEST_F(TemplateSourceTest, BandsStackUnderEachOtherAndHoldTheirObjects) {
  TfrReport report(nullptr);
  CompileTemplateSource("object R: TfrReport\n"
                        "  object Page1: TfrPage\n"
                        "    TopMargin = 30\n"
                        "    object Title: TfrBandView\n"
                        "      BandType = btReportTitle\n"
                        "      Height = 50\n"
                        "      object mmA: TfrMemoView\n"
                        "        Top = 49\n"
                        "      end\n"
                        "    end\n"
                        "    object Data: TfrBandView\n"
                        "      BandType = btMasterData\n"
                        "      Height = 20\n"
                        "      object mmB: TfrMemoView\n"
                        "        Left = 5\n"
                        "      end\n"
                        "    end\n"
                        "  end\n"
                        "end\n",
                        report);
  TfrPage& page = report.Pages().Pages(0);
  const auto place = [&](const char* name) {
    const TfrView* view = page.FindObject(name);
    return std::make_pair(view->Top, view->Width);
  };
  EXPECT_EQ(place("Title"), std::make_pair(30, page.PrnInfo.PageWidth));
  EXPECT_EQ(place("mmA").first, 79);
  // Stacked bands leave a gap, so that no object lies on the edge of two.
  EXPECT_EQ(place("Data"), std::make_pair(88, page.PrnInfo.PageWidth));
  EXPECT_EQ(place("mmB").first, 88);
}

TEST_F(TemplateSourceTest, FaultsOfASourceNameTheirLine) {
  const struct {
    const char* Body;  // the lines of Page1 after its first
    int Line;
    const char* Message;
  } cases[] = {
      {"    object X: TfrChartView\n    end\n", 3, "Unknown report object class TfrChartView"},
      {"    object X: TfrMemoView\n      Colour = 1\n    end\n", 4, "TfrMemoView has no property Colour"},
      {"    object X: TfrMemoView\n      Left = 'a'\n    end\n", 4, "A whole number expected"},
      {"    object X: TfrMemoView\n      Flags = [flWide]\n    end\n", 4, "Unknown set element flWide"},
      {"    object X: TfrMemoView\n      Visible = Yes\n    end\n", 4, "True or False expected"},
      {"    object X: TfrMemoView\n      Font.Color = clTeal2\n    end\n", 4, "Unknown colour clTeal2"},
      {"    object X: TfrMemoView\n      GapX = 99999999999\n    end\n", 4, "Number out of range"},
      {"    object B: TfrBandView\n      Height = 20\n      object X: TfrMemoView\n        Top = 20\n"
       "      end\n    end\n",
       5, "The top of X lies outside its band"},
      {"    object B: TfrBandView\n      object C: TfrBandView\n      end\n    end\n", 4,
       "A band cannot lie inside another band"},
      {"    object X: TfrMemoView\n      object Y: TfrMemoView\n      end\n    end\n", 3,
       "Only a band holds other objects"},
      {"    object B: TfrBandView\n      Height = 20\n      object X: TfrMemoView\n        Top = 10\n      end\n"
       "    end\n    object C: TfrBandView\n      BandType = btMasterData\n      Top = 10\n    end\n",
       5, "The top of X lies on another band too"},
      {"    object X: TfrMemoView\n      Tag = 'abc\n    end\n", 4, "Unterminated string"},
  };
  for (const auto& c : cases) {
    const String text = String("object R: TfrReport\n  object Page1: TfrPage\n") + c.Body + "  end\nend\n";
    TfrReport report(nullptr);
    try {
      CompileTemplateSource(text, report);
      ADD_FAILURE() << "compiled: " << c.Body;
    } catch (const ELayoutError& e) {
      EXPECT_EQ(e.Line(), c.Line) << c.Body;
      EXPECT_NE(e.Message().find(c.Message), String::npos) << e.Message();
    }
  }
  TfrReport report(nullptr);
  EXPECT_THROW(CompileTemplateSource("object R: TForm\nend\n", report), ELayoutError);
  EXPECT_THROW(CompileTemplateSource("object R: TfrReport\n  object P: TfrMemoView\n  end\nend\n", report),
               ELayoutError);
}

}  // namespace
