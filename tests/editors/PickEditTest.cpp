// The pick editor and its popup list: completion while typing and Backspace, list style, an empty
// list, the list's size, closing by the mouse with OnCloseUp, the keys of the open list and of a
// stand-alone editor, the revertable double click, and the list's own type-ahead.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxPickEdit.h"
#include "editors/dxPopupListBox.h"
#include "graphics/Metrics.h"
#include "windows/Focus.h"
#include "windows/MessageQueue.h"
#include "windows/Window.h"

namespace {

class PickEditTest : public TEditorsTest {
 protected:
  TdxInplacePickEdit* StandAlone(std::initializer_list<const char*> Items = {"Apple", "apricot", "Banana"}) {
    auto* edit = AddStandAlone<TdxInplacePickEdit>(PickEditClass(false));
    for (const char* item : Items) edit->Items()->Add(item);
    return edit;
  }
  static bool ListShown(TdxInplacePickEdit* Edit) {
    return Edit->PopupList()->HandleAllocated() && IsWindowVisible(Edit->PopupList()->Handle());
  }
  static std::pair<int, int> Selection(TdxInplacePickEdit* Edit) { return {Edit->GetSelStart(), Edit->GetSelLength()}; }
};

TEST_F(PickEditTest, TypingCompletesToTheFirstItemAndBackspaceShortensTheSearch) {
  TdxInplacePickEdit* edit = StandAlone();
  Type("ap");
  EXPECT_EQ(edit->Text(), "Apple");
  EXPECT_EQ(Selection(edit), std::pair(2, 3)) << "\"ple\" selected";
  EXPECT_TRUE(ListShown(edit)) << "the list drops down while typing";
  EXPECT_EQ(edit->PopupList()->ItemIndex(), 0);
  Type("r");
  EXPECT_EQ(edit->Text(), "apricot");
  EXPECT_EQ(Selection(edit), std::pair(3, 4));
  EXPECT_EQ(edit->PopupList()->ItemIndex(), 1);
  Press(VK_BACK);
  EXPECT_EQ(edit->Text(), "Apple");
  EXPECT_EQ(edit->SearchText(), "Ap") << "what is left of the typed part";
  Type("x");
  EXPECT_EQ(edit->Text(), "Apx") << "no item: typed as it is";
  EXPECT_TRUE(edit->GetModified());
  Press(VK_RETURN);
  EXPECT_FALSE(ListShown(edit));
  EXPECT_EQ(edit->Text(), "Apx") << "no item selected in the list: the text stays";
}

TEST_F(PickEditTest, InListStyleOnlyItemsAreTakenAndDeleteClearsWhenAllowed) {
  TdxInplacePickEdit* edit = StandAlone();
  edit->SetDropDownListStyle(true);
  edit->SetImmediateDropDown(false);
  Type("b");
  EXPECT_EQ(edit->Text(), "Banana");
  Type("x");
  EXPECT_EQ(edit->Text(), "Banana") << "a character no item has changes nothing";
  Press(VK_BACK);
  EXPECT_EQ(edit->Text(), "Banana") << "searching from the whole text: \"Banan\"";
  edit->SelectRange(0, 6, false);
  Press(VK_DELETE);
  EXPECT_EQ(edit->Text(), "Banana") << "CanDeleteText is off";
  edit->SetCanDeleteText(true);
  edit->SelectRange(0, 6, false);
  Press(VK_DELETE);
  EXPECT_EQ(edit->Text(), "");
  EXPECT_FALSE(ListShown(edit));
}

TEST_F(PickEditTest, AnEmptyListNeverDropsDown) {
  TdxInplacePickEdit* edit = StandAlone({});
  int dropDowns = 0;
  edit->OnDropDown = [&](TObject*) { ++dropDowns; };
  Press(VK_DOWN, ssAlt);
  Type("a");
  EXPECT_FALSE(ListShown(edit));
  EXPECT_FALSE(edit->PopupShown());
  EXPECT_EQ(dropDowns, 2) << "the drop-down events still fire";
  EXPECT_EQ(edit->Text(), "a");
}

TEST_F(PickEditTest, TheListIsAsHighAsItsRowsAndAsWideAsItsItemsOrTheEditor) {
  TdxInplacePickEdit* edit = StandAlone();
  edit->SetPopupBorder(pbSingle);
  edit->DropDown();
  TdxPopupPickListBox* list = edit->PopupList();
  ASSERT_TRUE(ListShown(edit));
  const int item = list->ItemHeight();
  EXPECT_EQ(item, list->MeasureItem());
  EXPECT_EQ(list->ClientHeight(), 3 * item) << "DropDownRows 7 with three items";
  EXPECT_GE(list->Width(), edit->ClientWidth()) << "at least as wide as the edit area";
  TRect window, editor;
  GetWindowRect(list->Handle(), window);
  GetWindowRect(edit->Handle(), editor);
  EXPECT_GE(window.Top, editor.Bottom - 2);
  edit->CloseUp(false);

  edit->SetDropDownRows(2);
  edit->SetDropDownWidth(300);
  edit->DropDown();
  EXPECT_EQ(list->ClientHeight(), 2 * item);
  EXPECT_EQ(list->Width(), 300);
  EXPECT_EQ(list->ClientWidth(), 300 - 2 - GetSystemMetrics(SM_CXVSCROLL)) << "a border and a scroll bar";
}

TEST_F(PickEditTest, AReleaseOnTheListTakesTheItemThroughOnCloseUp) {
  TdxInplacePickEdit* edit = StandAlone();
  std::vector<String> closed;
  bool accept = true;
  edit->OnCloseUp = [&](TObject*, String& Value, bool& Accept) {
    closed.push_back(Value);
    if (!accept) Accept = false;
  };
  edit->DropDown();
  TdxPopupPickListBox* list = edit->PopupList();
  const TRect banana = list->ItemRect(2);
  MouseMove(list, {banana.Left + 5, banana.Top + 2});
  Pump();
  EXPECT_EQ(list->ItemIndex(), 2) << "hot-tracked";
  Click(list, {banana.Left + 5, banana.Top + 2});
  Pump();
  EXPECT_FALSE(ListShown(edit));
  EXPECT_EQ(edit->Text(), "Banana");
  EXPECT_EQ(GetFocus(), edit->Handle());
  EXPECT_EQ(closed, std::vector<String>{"Banana"});

  accept = false;
  edit->DropDown();
  Click(list, {5, 2});
  Pump();
  EXPECT_EQ(edit->Text(), "Banana") << "the handler refused";
  accept = true;
  edit->DropDown();
  MouseDown(list, {5, 2});
  Pump();
  EXPECT_EQ(GetCapture(), list->Handle());
  MouseUp(list, {5, list->ClientHeight() + 40});
  Pump();
  EXPECT_FALSE(ListShown(edit));
  EXPECT_EQ(edit->Text(), "Banana") << "released outside the list";
  EXPECT_EQ(closed.size(), 3u);
  edit->OnCloseUp = nullptr;
}

TEST_F(PickEditTest, TheOpenListTakesTheArrowsAndEnterTakesItsItem) {
  TdxInplacePickEdit* edit = StandAlone();
  edit->SetText("apricot");
  Press(VK_DOWN, ssAlt);
  ASSERT_TRUE(ListShown(edit));
  EXPECT_EQ(edit->PopupList()->ItemIndex(), 1);
  Press(VK_DOWN);
  Press(VK_RETURN);
  EXPECT_EQ(edit->Text(), "Banana");
  EXPECT_EQ(edit->ItemIndex(), 2);
  Press(VK_F4);
  Press(VK_UP);
  Press(VK_ESCAPE);
  EXPECT_FALSE(ListShown(edit));
  EXPECT_EQ(edit->Text(), "Banana") << "Escape takes nothing";
}

TEST_F(PickEditTest, AStandAloneEditorStepsThroughItemsAndADoubleClickReverts) {
  TdxInplacePickEdit* edit = StandAlone({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
  struct TStep {
    int Key;
    const char* Text;
  };
  const TStep steps[] = {{VK_DOWN, "1"}, {VK_DOWN, "2"}, {VK_NEXT, "8"}, {VK_NEXT, "10"}, {VK_DOWN, "10"},
                         {VK_UP, "9"},   {VK_PRIOR, "3"}, {VK_PRIOR, "1"}, {VK_UP, "1"}};
  for (const TStep& s : steps) {
    Press(s.Key);
    EXPECT_EQ(edit->Text(), s.Text) << s.Key;
  }
  EXPECT_FALSE(ListShown(edit));
  Wheel(edit, {5, 5}, -120);
  Pump();
  EXPECT_EQ(edit->Text(), "2") << "the wheel steps too";

  edit->SetText("10");
  DoubleClick(edit, {5, 5});
  Pump();
  EXPECT_EQ(edit->Text(), "10") << "not revertable";
  edit->SetRevertable(true);
  DoubleClick(edit, {5, 5});
  Pump();
  EXPECT_EQ(edit->Text(), "1") << "from the last back to the first";
}

TEST_F(PickEditTest, TheOpenListSearchesWhatIsTypedIntoItUntilAPause) {
  TdxInplacePickEdit* edit = StandAlone({"Apple", "apricot", "Banana", "Berry"});
  edit->DropDown();
  TdxPopupPickListBox* list = edit->PopupList();
  auto typeInto = [&](const char* Text) {
    for (const char* c = Text; *c; ++c) SendMessage(list->Handle(), WM_CHAR, static_cast<WPARAM>(*c), 0);
  };
  typeInto("ber");
  EXPECT_EQ(list->ItemIndex(), 3);
  EXPECT_EQ(list->SearchText(), "ber");
  typeInto("x");
  EXPECT_EQ(list->SearchText(), "ber") << "a character no item follows with is taken back";
  Advance(2100);
  typeInto("ap");
  EXPECT_EQ(list->ItemIndex(), 0) << "a new search after the pause";
  typeInto("r");
  EXPECT_EQ(list->ItemIndex(), 1);
  SendMessage(list->Handle(), WM_CHAR, 27, 0);
  EXPECT_EQ(list->SearchText(), "");
}

TEST_F(PickEditTest, SortedSortsTheItemsAndAHostedEditorLeavesTheArrowsToItsHost) {
  Host->CanModifyAnswer = true;
  Host->ValidCharAnswer = true;
  auto* edit = static_cast<TdxInplacePickEdit*>(PickEditClass().CreateEditor(Host));
  for (const char* item : {"c", "a", "b"}) edit->Items()->Add(item);
  edit->SetSorted(true);
  EXPECT_EQ(edit->Items()->CommaText(), "a,b,c");
  Host->Editor = edit;
  Host->StartEdit({20, 20, 160, 40}, "a");
  Pump();
  Press(VK_DOWN);
  EXPECT_EQ(edit->Text(), "a");
  EXPECT_EQ(Host->HostKeys, std::vector<WORD>{VK_DOWN});
}

}  // namespace
