// The custom filter dialog: its layout and operator lists, the column's conditions shown again,
// the conditions OK builds from one or two rows, an empty value standing for blanks, a value of
// the wrong type refused with the dialog kept open, and Cancel changing nothing.
#include "controls/Bevel.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/Label.h"
#include "grid/dxGrFDlg.h"
#include "support/GridFixture.h"
#include "windows/Paint.h"
#include "windows/Window.h"

namespace {

// A column of the kinds that offer only equals, does not equal, blanks and non blanks.
class TFewOperatorsColumn : public TdxDBGridColumn {
 public:
  using TdxDBGridColumn::TdxDBGridColumn;
  TdxFilterOperators GetFilterOperators() override { return 0xC3; }
};

class CustomFilterDialogTest : public TGridTest {
 protected:
  void SetUp() override {
    TGridTest::SetUp();
    Name = AddColumn("Name");
    Sex = AddColumn("Sex");
    Score = AddColumn("Score");
    Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
    Grid->SetKeyField("No");
    Grid->Filter()->SetActive(true);
    Grid->SetDataSource(Source);
  }
  // Runs the dialog for the column; Work sees it open (once per modal wait it is given).
  bool RunDialog(TdxDBTreeListColumn* Column, const std::vector<std::function<void(TfmCustomDialog&)>>& Work) {
    for (const auto& step : Work)
      TestClock().OnWait([step] {
        auto* dialog = dynamic_cast<TfmCustomDialog*>(Screen->ActiveForm());
        ASSERT_NE(dialog, nullptr);
        step(*dialog);
      });
    return Grid->Filter()->ShowCustomDialog(Column);
  }
  // Row 1 (and row 2 when Operator2 is not -1) filled in, then OK.
  static std::function<void(TfmCustomDialog&)> Fill(int Operator1, const String& Value1, int Operator2 = -1,
                                                    const String& Value2 = String(), bool Or = false) {
    return [=](TfmCustomDialog& d) {
      d.cbOperator1->SetOperatorIndex(Operator1);
      d.Edit1->SetEditValue(Value1);
      d.cbOperator2->SetOperatorIndex(Operator2);
      d.Edit2->SetEditValue(Value2);
      (Or ? d.rbOr : d.rbAnd)->SetChecked(true);
      d.SetModalResult(mrOk);
    };
  }
  String Text() { return Grid->Filter()->Criteria().GetFilterText(true); }
  int Shown() {
    int records = 0;
    for (int i = 0; i < Grid->GetAbsoluteCount(); ++i) records += !Grid->GetAbsoluteNode(i)->HasChildren();
    return records;
  }

  TdxDBGridColumn* Name = nullptr;
  TdxDBGridColumn* Sex = nullptr;
  TdxDBGridColumn* Score = nullptr;
};

TEST_P(CustomFilterDialogTest, TheDialogShowsTheColumnsFilterAndItsOperators) {
  Grid->Filter()->SetValueFilter(Sex, "男", "男");
  const bool accepted = RunDialog(Sex, {[&](TfmCustomDialog& d) {
    EXPECT_EQ(d.Caption(), "Custom AutoFilter");
    EXPECT_EQ(d.ClientWidth(), 412);
    EXPECT_EQ(d.ClientHeight(), 166);
    EXPECT_EQ(d.lblTitle->Caption(), "Show rows where:");
    EXPECT_EQ(d.LColumnName->Caption(), "Sex ");
    EXPECT_EQ(d.cbOperator1->BoundsRect(), Bounds(14, 46, 185, 21));
    EXPECT_EQ(d.Edit2->BoundsRect(), Bounds(214, 96, 185, 21));
    EXPECT_EQ(d.btnOK->BoundsRect(), Bounds(248, 136, 75, 23));
    EXPECT_FALSE(d.Edit1->IsInplace()) << "the value editor works stand-alone";
    EXPECT_EQ(d.cbOperator1->OperatorIndex(), 0) << "equals";
    EXPECT_EQ(d.Edit1->Text(), "男");
    EXPECT_EQ(d.cbOperator2->OperatorIndex(), -1) << "no second row";
    EXPECT_TRUE(d.rbAnd->Checked());
    EXPECT_EQ(d.cbOperator1->Descriptions()->Count(), 8);
    EXPECT_EQ((*d.cbOperator1->Descriptions())[3], "is greater than or equal to");
    EXPECT_EQ(d.cbOperator1->DropDownRows(), 8);
    std::vector<TWinControl*> order;
    d.GetTabOrderList(order);
    const std::vector<TWinControl*> expected{d.cbOperator1, d.Edit1, d.rbAnd, d.rbOr, d.cbOperator2, d.Edit2,
                                             d.btnOK, d.btnCancel};
    EXPECT_EQ(order, expected);
    RenderWindowToPng(d.Handle(), "custom-filter-dialog.png");
    d.cbOperator1->DropDown();
    TdxPopupImageListBox* operators = d.cbOperator1->PopupList();
    ASSERT_TRUE(operators->HandleAllocated() && IsWindowVisible(operators->Handle()));
    EXPECT_EQ(operators->Items()->Count(), 8);
    UpdateWindow(operators->Handle());
    TRect area;
    GetWindowRect(d.Handle(), area);
    area.Bottom += 80;
    RenderScreenToPng({d.Handle(), operators->Handle()}, area, "custom-filter-operators.png");
    d.cbOperator1->CloseUp(false);
    d.SetModalResult(mrCancel);
  }});
  EXPECT_FALSE(accepted);
  EXPECT_EQ(Text(), "(Sex = 男)") << "Cancel changes nothing";

  auto* few = static_cast<TdxDBGridColumn*>(Grid->CreateNamedColumn(
      [](TComponent* Owner) -> TdxTreeListColumn* { return new TFewOperatorsColumn(Owner); }, Form));
  few->SetFieldName("Name");
  RunDialog(few, {[&](TfmCustomDialog& d) {
    EXPECT_EQ(d.cbOperator2->Values()->CommaText(), "0,1,6,7");
    EXPECT_EQ((*d.cbOperator2->Descriptions())[3], "non blanks");
    d.SetModalResult(mrCancel);
  }});
}

TEST_P(CustomFilterDialogTest, OkBuildsTheColumnsConditionsFromTheRows) {
  struct Case {
    const char* What;
    std::function<void(TfmCustomDialog&)> Fill;
    const char* Text;
    int Shown;
  };
  const Case cases[] = {
      {"one row", Fill(2, "80"), "(Score > 80)", 5},
      {"equals nothing", Fill(0, ""), "(Score Is Null)", 1},
      {"does not equal nothing", Fill(1, ""), "(NOT (Score Is Null))", 11},
      {"non blanks keep no value", Fill(7, "12"), "(NOT (Score Is Null))", 11},
      {"two rows and", Fill(3, "70", 5, "85"), "((Score >= 70) AND (Score <= 85))", 4},
      {"two rows or", Fill(4, "60", 6, "", true), "((Score < 60) OR (Score Is Null))", 2},
  };
  for (const Case& c : cases) {
    Grid->Filter()->SetValueFilter(Score, 61, "61");
    EXPECT_TRUE(RunDialog(Score, {c.Fill})) << c.What;
    EXPECT_EQ(Text(), c.Text) << c.What;
    EXPECT_EQ(Shown(), c.Shown) << c.What;
  }
  // Opened again, the group's rows show with its Or.
  RunDialog(Score, {[](TfmCustomDialog& d) {
    EXPECT_EQ(d.cbOperator1->OperatorIndex(), 4);
    EXPECT_EQ(d.Edit1->Text(), "60");
    EXPECT_EQ(d.cbOperator2->OperatorIndex(), 6);
    EXPECT_TRUE(d.rbOr->Checked());
    d.SetModalResult(mrCancel);
  }});
  const auto* value = Grid->Filter()->Criteria().FindByName(Score->Name());
  EXPECT_EQ(value->Value.VarType(), varDouble) << "typed values take the field's type";
}

TEST_P(CustomFilterDialogTest, AValueOfTheWrongTypeKeepsTheDialogOpen) {
  bool stillOpen = false;
  const bool accepted = RunDialog(Score, {Fill(0, "abc"), [&](TfmCustomDialog& d) {
                                            stillOpen = d.Visible();
                                            EXPECT_TRUE(d.Edit1->Focused()) << "the focus in the offending editor";
                                            d.Edit1->SetEditValue(String("72"));
                                            d.SetModalResult(mrOk);
                                          }});
  EXPECT_TRUE(stillOpen);
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_EQ(MessageBoxes().Shown[0].Text, "Invalid value");
  EXPECT_TRUE(accepted);
  EXPECT_EQ(Text(), "(Score = 72)");
}

INSTANTIATE_TEST_SUITE_P(BackEnds, CustomFilterDialogTest, testing::Values("Mem", "Sqlite"), GridBackEndName);

}  // namespace
