// The memo editor: its lines (counted without an empty last line, read whole, added, inserted,
// replaced and deleted), setting the text through the lines, its scroll bars, and the keys it
// keeps from its host or its form.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxMemoEdit.h"
#include "rtl/Exceptions.h"
#include "windows/Focus.h"

namespace {

// A memo whose text box a test may look at.
class TTestMemo : public TdxInplaceMemoEdit {
 public:
  using TdxInplaceMemoEdit::TdxInplaceMemoEdit;
  using TdxInplaceMemoEdit::TextBox;
};

class MemoEditTest : public TEditorsTest {
 protected:
  TTestMemo* StandAlone() {
    auto* memo = new TTestMemo(Form, MemoEditClass(false));
    memo->SetParent(Form);
    memo->SetBounds(10, 140, 185, 89);
    Pump();
    return memo;
  }
  TTestMemo* InPlace(const String& Text) {
    Host->CanModifyAnswer = true;
    Host->ValidCharAnswer = true;
    Host->EditorClass = &MemoEditClass();
    auto* memo = new TTestMemo(Host, MemoEditClass());
    Host->Editor = memo;
    Host->StartEdit({20, 20, 160, 80}, Text);
    Pump();
    return memo;
  }
};

TEST_F(MemoEditTest, LinesAreCountedWithoutAnEmptyLastLineAndReadWhole) {
  TTestMemo* memo = StandAlone();
  struct TCase {
    const char* Text;
    int Count;
  };
  const TCase cases[] = {{"", 0}, {"a", 1}, {"a\nb", 2}, {"a\nb\n", 2}, {"\n", 1}, {"a\n\nb", 3}};
  for (const TCase& c : cases) {
    memo->SetText(c.Text);
    EXPECT_EQ(memo->Lines()->Count(), c.Count) << c.Text;
  }
  const String longLine(5000, 'x');
  memo->SetText("a\n" + longLine + "\nb");
  EXPECT_EQ((*memo->Lines())[1], longLine) << "a line is read whole, however long";
  EXPECT_EQ(memo->Lines()->Text(), "a\r\n" + longLine + "\r\nb");
  EXPECT_THROW((void)(*memo->Lines())[3], EListError);
}

TEST_F(MemoEditTest, LinesAreAddedInsertedReplacedAndDeletedInTheText) {
  TTestMemo* memo = StandAlone();
  TStrings& lines = *memo->Lines();
  lines.Add("第一行");
  EXPECT_EQ(memo->Text(), "第一行") << "into an empty memo";
  memo->SetText("a\n");
  lines.Add("b");
  EXPECT_EQ(memo->Text(), "a\nb") << "after an empty last line";
  lines.Add("c");
  EXPECT_EQ(memo->Text(), "a\nb\nc");
  lines.Insert(0, "z");
  lines.Insert(2, "y");
  EXPECT_EQ(memo->Text(), "z\na\ny\nb\nc");
  lines.SetStrings(1, "A");
  lines.Delete(4);
  lines.Delete(0);
  EXPECT_EQ(memo->Text(), "A\ny\nb\n");
  EXPECT_EQ(lines.Count(), 3);
  EXPECT_TRUE(memo->GetModified()) << "an edit of the lines is a modification";
  EXPECT_THROW(lines.Insert(5, "w"), EListError);
  lines.Clear();
  EXPECT_EQ(memo->Text(), "");

  for (const char* line : {"", "a", "", ""}) lines.Add(line);
  EXPECT_EQ(lines.Count(), 4) << "empty lines added last are lines too";
  EXPECT_EQ(lines[1], "a");
  EXPECT_EQ(lines[3], "");
  memo->SetText("x\ny");
  lines.SetStrings(1, "");
  EXPECT_EQ(lines.Count(), 2) << "the last line emptied stays a line";
  EXPECT_EQ(lines[1], "");
}

TEST_F(MemoEditTest, TheSameTextThroughTheLinesChangesNothing) {
  TTestMemo* memo = StandAlone();
  int changes = 0;
  memo->OnChange = [&](TObject*) { ++changes; };
  memo->Lines()->SetText("a\r\nb");
  EXPECT_EQ(memo->Text(), "a\nb");
  EXPECT_EQ(changes, 0) << "a text set through the lines fires no change";
  memo->SetModified(true);
  memo->Lines()->SetText("a\r\nb");
  EXPECT_TRUE(memo->GetModified()) << "the same text: nothing was sent";
  memo->Lines()->SetText("a\rc\r\n");
  EXPECT_EQ(memo->Text(), "a\nc\n");
  EXPECT_FALSE(memo->GetModified());
  memo->SetMaxLength(3);
  EXPECT_THROW(memo->Lines()->SetText("abcd"), EInvalidOperation);
  EXPECT_EQ(memo->Text(), "a\nc\n");
}

TEST_F(MemoEditTest, BothBarsShowDisabledUnlessHiddenOnAShortText) {
  TTestMemo* memo = StandAlone();
  memo->SetScrollBars(ssBoth);
  memo->SetHideScrollBars(false);
  memo->SetText("短");
  Pump();
  for (bool vertical : {false, true}) {
    EXPECT_TRUE(memo->TextBox().ScrollBarShown(vertical));
    EXPECT_FALSE(memo->TextBox().ScrollBarEnabled(vertical));
  }
  RenderWindowToPng(Form->Handle(), "memo-bars.png");
  memo->SetHideScrollBars(true);
  EXPECT_FALSE(memo->TextBox().ScrollBarShown(true));
  memo->SetWordWrap(false);
  memo->SetText(String(300, 'w'));
  Pump();
  EXPECT_TRUE(memo->TextBox().ScrollBarShown(false)) << "a line too long to fit";
  EXPECT_FALSE(memo->TextBox().ScrollBarShown(true));
}

TEST_F(MemoEditTest, InPlaceTheArrowsStayInsideUntilTheEdgeAndEnterStartsALine) {
  TTestMemo* memo = InPlace("one\ntwo\nthree");
  memo->TextBox().SetSel(4, 4);  // on "two"
  Press(VK_UP);
  Press(VK_DOWN);
  Press(VK_DOWN);
  EXPECT_TRUE(Host->HostKeys.empty()) << "the caret could still move";
  Press(VK_DOWN);
  EXPECT_EQ(Host->HostKeys, std::vector<WORD>{VK_DOWN}) << "from the last line the host moves";
  Host->HostKeys.clear();
  memo->TextBox().SetSel(0, 0);
  Press(VK_UP, ssShift);
  EXPECT_TRUE(Host->HostKeys.empty()) << "Shift keeps the key";
  Press(VK_RETURN);
  EXPECT_EQ(memo->Text(), "\none\ntwo\nthree");
  EXPECT_TRUE(Host->HostKeys.empty());
  EXPECT_TRUE(Host->Chars.empty());
  EXPECT_EQ(memo->Perform(WM_GETDLGCODE) & DLGC_WANTTAB, 0) << "without WantTabs Tab is the form's";
  memo->SetWantTabs(true);
  EXPECT_NE(memo->Perform(WM_GETDLGCODE) & DLGC_WANTTAB, 0);
  Host->HostKeys.clear();
  Press(VK_TAB);
  EXPECT_TRUE(Host->HostKeys.empty());
  EXPECT_NE(memo->Text().find('\t'), String::npos);
}

TEST_F(MemoEditTest, WithoutReturnsEnterReachesTheFormsDefaultButton) {
  TTestMemo* memo = StandAlone();
  auto* ok = Add<TTestButton>("btnOK", {200, 200, 275, 225});
  ok->Default = true;
  Pump();
  memo->SetFocus();
  Pump();
  Press(VK_RETURN);
  EXPECT_EQ(memo->Text(), "\n");
  EXPECT_EQ(ok->Clicks, 0);
  EXPECT_NE(memo->Perform(WM_GETDLGCODE) & DLGC_WANTALLKEYS, 0);
  memo->SetWantReturns(false);
  EXPECT_EQ(memo->Perform(WM_GETDLGCODE) & DLGC_WANTALLKEYS, 0);
  Press(VK_RETURN);
  EXPECT_EQ(memo->Text(), "\n");
  EXPECT_EQ(ok->Clicks, 1);
}

}  // namespace
