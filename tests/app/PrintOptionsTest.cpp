// The print configuration: its texts split, parsed and written; the configuration of a class's
// grade in the settings store; and the print options window: items offered per grade, selected,
// unselected and cleared on a page, the buttons enabled by the lists, OK storing the checked
// family for all grades, and the stored selections shown again.
#include "app/windows/SetPrintOption.h"
#include "controls/Button.h"
#include "controls/SpeedButton.h"
#include "fixtures/ReportsFixture.h"
#include "settings/Registry.h"

namespace {

using TTexts = std::vector<String>;

TTexts Fields(const std::vector<TPrintConfig>& Items) {
  TTexts texts;
  for (const TPrintConfig& item : Items)
    texts.push_back(item.ProgType + "," + item.ProgName + "," + item.ProgNo + "," + item.FenField);
  return texts;
}

TEST(PrintConfigTest, TextsSplitParseAndWrite) {
  TStringList list;
  SplitString("|a||bc|", "|", list);
  EXPECT_EQ(list.Text(), "a\r\nbc\r\n");
  const struct {
    const char* Text;
    TTexts Items;
  } cases[] = {
      {"1;A;001;F001|2;B;002;F002", {"1,A,001,F001", "2,B,002,F002"}},
      // Empty records and a trailing "|" are passed over.
      {"1;A;001;F001||2;B;002;F002|", {"1,A,001,F001", "2,B,002,F002"}},
      // Three pieces once the empty field is dropped, and five fields: both skipped.
      {"1;;002;F002|1;A;001;F001|1;A;001;F001;x", {"1,A,001,F001"}},
      {"NotKind;100米跑;E01;F_E01", {"NotKind,100米跑,E01,F_E01"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Fields(ParsePrintConfig(c.Text)), c.Items) << c.Text;
  const TPrintConfig a("1", "A", "001", "F001"), b("2", "B", "002", "F002");
  EXPECT_EQ(FormatPrintConfig({&a, &b}), "1;A;001;F001|2;B;002;F002");
  EXPECT_EQ(FormatPrintConfig({}), "");
}

using PrintOptionsTest = TReportsTest;

// The user's classes give the grade; a class outside them, or no key in the store, gives nothing,
// and reading makes no key.
TEST_F(PrintOptionsTest, AClassGetsTheConfigurationOfItsGrade) {
  EXPECT_EQ(GetUptoPrintConfig("高一(1)班"), "");
  EXPECT_FALSE(TRegistry().KeyExists("\\Software\\Tolvik\\Config"));
  WritePrintConfig(UptoConfigNames, {"1;A;U11;F_U11", "2;B;U21;F_U21", "3;C;U31;F_U31"});
  WritePrintConfig(ExamConfigNames, {"NotKind;E;E01;F_E01", "", ""});
  EXPECT_EQ(GetUptoPrintConfig("高一(2)班"), "1;A;U11;F_U11");
  EXPECT_EQ(GetUptoPrintConfig("高二(1)班"), "2;B;U21;F_U21");
  EXPECT_EQ(GetUptoPrintConfig("高三(1)班"), "3;C;U31;F_U31");
  EXPECT_EQ(GetUptoPrintConfig("高四(1)班"), "");
  EXPECT_EQ(ReadPrintConfig(ExamConfigNames), (std::array<String, 3>{"NotKind;E;E01;F_E01", "", ""}));
}

class PrintOptionsWindowTest : public TReportsTest {
 protected:
  // Shows the window modally; Act runs while it is shown and ends it.
  void WithWindow(const std::function<void(TfmSetPrintOption&)>& Act) {
    bool shown = false;
    TestClock().OnWait([&] {
      shown = true;
      ASSERT_NE(fmSetPrintOption, nullptr);
      Act(*fmSetPrintOption);
      if (fmSetPrintOption && fmSetPrintOption->ModalResult() == mrNone) fmSetPrintOption->SetModalResult(mrCancel);
    });
    ShowSetPrintOption();
    Pump();
    EXPECT_TRUE(shown);
    EXPECT_EQ(fmSetPrintOption, nullptr);  // freed when closed
  }
  static TTexts Items(const TListBox* List) {
    TTexts texts;
    for (int i = 0; i < List->Items()->Count(); ++i) texts.push_back(List->Items()->Strings(i));
    return texts;
  }
  template <class T>
  static T* Control(TfmSetPrintOption& Window, const String& Name) {
    return dynamic_cast<T*>(Window.FindComponent(Name));
  }
  // Picks an item of the list and clicks a move button of the page (1 to 3).
  void Move(TfmSetPrintOption& Window, TListBox* From, const String& Item, const String& Button, int Page) {
    if (!Item.empty()) From->SetItemIndex(From->Items()->IndexOf(Item));
    Click(Control<TSpeedButton>(Window, Button + std::to_string(Page)), {8, 8});
    Pump();
  }
  void ClickOk(TfmSetPrintOption& Window) {
    Click(Control<TButton>(Window, "btnOk"), {10, 10});
    Pump();
  }
};

TEST_F(PrintOptionsWindowTest, ItemsAreSelectedInOrderAndStoredForEveryGrade) {
  WithWindow([&](TfmSetPrintOption& window) {
    EXPECT_EQ(window.Caption(), "打印选项设置");
    EXPECT_FALSE(window.rbExamProg->Checked());
    EXPECT_FALSE(window.rbUptoProg->Checked());
    EXPECT_TRUE(Items(window.UnSelectLists[0]).empty());
    Click(window.rbUptoProg, {5, 5});
    Pump();
    // Every delivered fitness item has standards in every grade.
    for (TListBox* list : window.UnSelectLists) EXPECT_EQ(list->Items()->Count(), 8);
    TListBox *available = window.UnSelectLists[0], *selected = window.SelectLists[0];
    EXPECT_TRUE(window.ActSelect->Enabled());
    EXPECT_FALSE(window.ActUnSelect->Enabled());
    EXPECT_FALSE(window.ActClear->Enabled());
    Move(window, available, "立定跳远", "sbSelect", 1);
    Move(window, available, "50米跑", "sbSelect", 1);
    Move(window, available, "坐位体前屈", "sbSelect", 1);
    EXPECT_EQ(Items(selected), (TTexts{"立定跳远", "50米跑", "坐位体前屈"}));
    EXPECT_EQ(available->Items()->Count(), 5);
    EXPECT_TRUE(window.ActClear->Enabled());
    Move(window, selected, "50米跑", "sbUnSelect", 1);
    EXPECT_EQ(Items(selected), (TTexts{"立定跳远", "坐位体前屈"}));
    EXPECT_EQ(Items(available).back(), "50米跑");  // back at the end
    // The third grade's page: one item, then cleared and chosen again.
    window.pcGrade->SetActivePageIndex(2);
    Pump();
    EXPECT_FALSE(window.ActUnSelect->Enabled());
    Move(window, window.UnSelectLists[2], "一分钟跳绳", "sbSelect", 3);
    Move(window, window.UnSelectLists[2], "掷实心球", "sbSelect", 3);
    Move(window, nullptr, String(), "sbClear", 3);
    EXPECT_TRUE(Items(window.SelectLists[2]).empty());
    EXPECT_EQ(window.UnSelectLists[2]->Items()->Count(), 8);
    Move(window, window.UnSelectLists[2], "一分钟跳绳", "sbSelect", 3);
    RenderWindowToPng(window.Handle(), "print-options.png");
    ClickOk(window);
  });
  EXPECT_EQ(ReadPrintConfig(UptoConfigNames),
            (std::array<String, 3>{"3;立定跳远;U31;F_U31|5;坐位体前屈;U51;F_U51", "", "2;一分钟跳绳;U22;F_U22"}));
  EXPECT_EQ(ReadPrintConfig(ExamConfigNames), (std::array<String, 3>{}));
}

// A stored item keeps what it was stored with; one whose name no item has any more is dropped and
// leaves the store at the next OK. Cancel stores nothing.
TEST_F(PrintOptionsWindowTest, StoredSelectionsComeBackAndCancelStoresNothing) {
  WritePrintConfig(ExamConfigNames, {"NotKind;立定跳远;E02;F_OLD|NotKind;旧项目;E99;F_E99", "", ""});
  WithWindow([&](TfmSetPrintOption& window) {
    Click(window.rbExamProg, {5, 5});
    Pump();
    EXPECT_EQ(Items(window.SelectLists[0]), (TTexts{"立定跳远"}));
    EXPECT_EQ(window.UnSelectLists[0]->Items()->Count(), 5);
    EXPECT_EQ(window.UnSelectLists[0]->Items()->IndexOf("立定跳远"), -1);
    Move(window, window.UnSelectLists[0], "100米跑", "sbSelect", 1);
    Click(Control<TButton>(window, "btnCancel"), {10, 10});
    Pump();
  });
  EXPECT_EQ(ReadPrintConfig(ExamConfigNames)[0], "NotKind;立定跳远;E02;F_OLD|NotKind;旧项目;E99;F_E99");
  WithWindow([&](TfmSetPrintOption& window) {
    Click(window.rbExamProg, {5, 5});
    Pump();
    Move(window, window.UnSelectLists[0], "100米跑", "sbSelect", 1);
    ClickOk(window);
  });
  EXPECT_EQ(ReadPrintConfig(ExamConfigNames)[0], "NotKind;立定跳远;E02;F_OLD|NotKind;100米跑;E01;F_E01");
}

}  // namespace
