// The item-list windows and the item-link window: the type group rows, OK and Cancel on an edited
// item, and links added only between items of one unit, deleted, and cleared.
#include "app/windows/ProgRelation.h"
#include "app/windows/SetExamProgType.h"
#include "app/windows/SetUptoProg.h"
#include "editors/dxPickEdit.h"
#include "fixtures/SchoolFixture.h"
#include "support/FormFixture.h"

namespace {

TEST(ItemTypes, AGroupRowNamesTheTypeByItsNumeralOrItsNumberOutsideTheTable) {
  const std::pair<int, const char*> cases[] = {
      {1, "项目类别：一"}, {3, "项目类别：三"}, {5, "项目类别：五"}, {0, "项目类别：0"}, {6, "项目类别：6"}, {-2, "项目类别：-2"}};
  for (const auto& [type, text] : cases) EXPECT_EQ(ProgTypeText(type), text) << type;
}

class ItemListsTest : public TSchoolTest {
 protected:
  static bool Painted(TWinControl* Grid, const String& Text) { return RecordPaint(Grid).FindText(Text) != nullptr; }
  String ItemName(const char* Table, const char* ProgNo) {
    return Value(String("SELECT Fd_ProgName || '|' || Fd_Nutric FROM ") + Table + " WHERE Fd_ProgNo = '" + ProgNo + "'");
  }
  // An item changed as the grid's editor changes it: the current item's row put into edit state.
  static void EditItem(TADOQuery* Items, const char* ProgNo, const char* Name, const char* Unit) {
    ASSERT_TRUE(Items->Locate("Fd_ProgNo", Variant(ProgNo)));
    Items->Edit();
    Items->FieldByName("Fd_ProgName")->SetAsString(Name);
    Items->FieldByName("Fd_Nutric")->SetAsString(Unit);
  }
};

TEST_F(ItemListsTest, FitnessItemsAreListedUnderTheirTypeAndOkStoresAnEditedItem) {
  const TModalResult result = RunModal(ShowSetUptoProg, {[&] {
    TfmSetUptoProg* window = fmSetUptoProg;
    EXPECT_EQ(window->Caption(), "体育达标项目设置");
    const TRecordedPaint painted = RecordPaint(window->dxDBGrid1);
    for (const char* group : {"项目类别：一", "项目类别：三"}) {
      const TMetafileTextRun* run = painted.FindText(group);
      ASSERT_NE(run, nullptr) << group;
      EXPECT_LT(run->Bounds.Left, 40) << "a group row reads from its left, over the type's numbers";
    }
    EXPECT_TRUE(Painted(window->dxDBGrid1, "掷实心球")) << "the groups are open";
    RenderWindowToPng(window->Handle(), "upto-items.png");
    // A name typed over the first item's (the row under the first type group).
    Click(window->dxDBGrid1, {150, 60});
    Pump();
    ASSERT_EQ(window->adqProgType->FieldByName("Fd_ProgNo")->AsString(), "U11");
    TypeText("长跑");
    PressKey(VK_RETURN);
    Pump();
    Click(Child<TControl>(window, "btnOk"), {5, 5});
  }});
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(fmSetUptoProg, nullptr);
  EXPECT_EQ(ItemName("Tb_UptoProg", "U11"), "长跑|秒");
}

// The unit cell drops down the four units, in their order, and takes nothing else.
TEST_F(ItemListsTest, TheUnitIsChosenFromTheFourUnits) {
  RunModal(ShowSetExamProg, {[&] {
    TdxDBGrid* grid = fmSetExamProg->dxDBGrid1;
    ASSERT_TRUE(fmSetExamProg->adqProgType->Locate("Fd_ProgNo", Variant("E01")));
    const int unitColumn = grid->FindColumnByFieldName("Fd_Nutric")->GetIndex();
    grid->SetFocusedNodeAndColumn(grid->FocusedNode(), grid->GetVisibleColumnPos(unitColumn), true);
    grid->ShowEditor();
    auto* pick = dynamic_cast<TdxInplacePickEdit*>(grid->InplaceEditor());
    ASSERT_NE(pick, nullptr);
    EXPECT_EQ(pick->Items()->Text(), "秒\r\n次\r\n个\r\n米\r\n");
    TypeText("公");
    Pump();
    EXPECT_EQ(VarToStr(pick->GetEditValue()), "秒") << "a text outside the list is not taken";
    ASSERT_TRUE(pick->PopupShown()) << "a key drops the list down";
    RenderWindowToPng(fmSetExamProg->Handle(), "exam-item-units.png");
    for (int i = 0; i < 3; ++i) PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    PressKey(VK_RETURN);
    Pump();
    Click(Child<TControl>(fmSetExamProg, "btnOk"), {5, 5});
  }});
  EXPECT_EQ(ItemName("Tb_ExamProg", "E01"), "100米跑|米");
}

TEST_F(ItemListsTest, CancelDropsTheEditAndAUnitTheTableRefusesIsReported) {
  RunModal(ShowSetExamProg, {[&] {
    TfmSetExamProg* window = fmSetExamProg;
    EXPECT_EQ(window->Caption(), "体育考核项目设置");
    EXPECT_TRUE(Painted(window->dxDBGrid1, "E01")) << "the item number keeps its text";
    RenderWindowToPng(window->Handle(), "exam-items.png");
    EditItem(window->adqProgType, "E01", "百米", "米");
    Click(Child<TControl>(window, "btnCancel"), {5, 5});
  }});
  EXPECT_EQ(ItemName("Tb_ExamProg", "E01"), "100米跑|秒");

  RunModal(ShowSetExamProg, {[&] {
    EditItem(fmSetExamProg->adqProgType, "E01", "百米", "公里");
    Click(Child<TControl>(fmSetExamProg, "btnOk"), {5, 5});
  }});
  EXPECT_EQ(Errors().size(), 1u) << "only the four units are taken";
  EXPECT_EQ(ItemName("Tb_ExamProg", "E01"), "100米跑|秒");
}

// A click opens the editor on the item's name, Enter stores the name and closes it, and a name
// typed at once after it (the keys waiting while Enter is handled) opens the editor again and
// keeps its order.
TEST_F(ItemListsTest, ANameTypedAfterEnterStoresTheEditKeepsItsOrder) {
  RunModal(ShowSetExamProg, {[&] {
    TdxDBGrid* grid = fmSetExamProg->dxDBGrid1;
    Click(grid, {150, 44});  // the first row, under the band and the headers
    Pump();
    ASSERT_EQ(grid->State(), tlsEditing);
    ASSERT_EQ(fmSetExamProg->adqProgType->FieldByName("Fd_ProgNo")->AsString(), "E01");
    PressKey(VK_RETURN);
    TypeText("abc");
    Pump();
    ASSERT_EQ(grid->State(), tlsEditing);
    EXPECT_EQ(VarToStr(grid->InplaceEditor()->GetEditValue()), "abc");
    PressKey(VK_RETURN);
    Pump();
    Click(Child<TControl>(fmSetExamProg, "btnOk"), {5, 5});
  }});
  EXPECT_EQ(ItemName("Tb_ExamProg", "E01"), "abc|秒");
}

class ItemLinksTest : public TSchoolTest {
 protected:
  void Choose(TADOTable* Items, const char* ProgNo) { ASSERT_TRUE(Items->Locate("Fd_ProgNo", Variant(ProgNo))); }
  void ClickNamed(const char* Name) {
    Click(Child<TControl>(fmProgRelation, Name), {5, 5});
    Pump();
  }
  std::vector<std::vector<String>> Links() {
    return Rows("SELECT Fd_ExamNo, Fd_UptoNo FROM Tb_CountPoint ORDER BY Fd_PointID");
  }
};

TEST_F(ItemLinksTest, LinksJoinItemsOfOneUnitAsOftenAsAskedAndStayWhenTheWindowIsCancelled) {
  const auto seeded = Links();
  ASSERT_EQ(seeded.size(), 5u);
  const TModalResult result = RunModal(ShowProgRelation, {[&] {
    TfmProgRelation* window = fmProgRelation;
    EXPECT_EQ(window->Caption(), "项目关系");
    EXPECT_TRUE(window->actAdd->Enabled() && window->actDelete->Enabled() && window->actClear->Enabled());
    Choose(window->adtExam, "E01");  // 秒
    Choose(window->adtUpto, "U31");  // 米
    ClickNamed("btnAdd");
    EXPECT_EQ(MessageTexts(*Dialogs), std::vector<String>{"考核项目与达标项目的单位不同，不能建立关系。"});
    EXPECT_EQ(Dialogs->Messages[0].Buttons, MsgDlgBit(mbOK));
    Choose(window->adtExam, "E02");  // 米
    ClickNamed("btnAdd");
    ClickNamed("btnAdd");
    RenderWindowToPng(window->Handle(), "item-links.png");
    PressKey(VK_ESCAPE);
  }});
  EXPECT_EQ(result, mrCancel);
  auto expected = seeded;
  expected.push_back({"E02", "U31"});
  expected.push_back({"E02", "U31"});
  EXPECT_EQ(Links(), expected);
}

TEST_F(ItemLinksTest, DeleteTakesTheCurrentLinkAndClearTakesThemAll) {
  RunModal(ShowProgRelation, {[&] {
    TfmProgRelation* window = fmProgRelation;
    window->adtRelation->First();
    ClickNamed("btnDelete");
    EXPECT_EQ(Links().size(), 4u);
    EXPECT_EQ(Links()[0], (std::vector<String>{"E03", "U11"}));
    ClickNamed("btnClear");
    EXPECT_TRUE(Links().empty());
    EXPECT_FALSE(window->actDelete->Enabled());
    EXPECT_TRUE(window->actClear->Enabled());
    Click(Child<TControl>(window, "btnOk"), {5, 5});
  }});
  EXPECT_TRUE(Dialogs->Messages.empty()) << "no question is asked";
}

TEST_F(ItemLinksTest, WithoutExaminationItemsNothingCanBeLinked) {
  Db.Connection()->Execute("DELETE FROM Tb_ExamProg");
  RunModal(ShowProgRelation, {[&] {
    EXPECT_FALSE(fmProgRelation->actAdd->Enabled());
    PressKey(VK_ESCAPE);
  }});
}

}  // namespace
