// Grids from stored layouts: the students page's grid over the default database, and a grid's own
// properties, option sets and summary groups written and read back.
#include "classes/Filer.h"
#include "support/DataFixture.h"
#include "grid/dxGrClms.h"
#include "support/GridFixture.h"

namespace {

class StoredLayoutTest : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    RegisterGridClasses();
  }
};

// The students page as the main window holds it: one band, row selection, columns filling the
// width, flat look, the application's colours.
const char* const StudentsPage = R"(object fmStudents: TForm
  Left = 0
  Top = 0
  Width = 640
  Height = 320
  object dsStudents: TDataSource
  end
  object dgStudents: TdxDBGrid
    Left = 0
    Top = 0
    Width = 632
    Height = 293
    Bands = <
      item
        Alignment = taLeftJustify
        Caption = '学生基本资料'
      end>
    DefaultLayout = False
    HeaderPanelRowCount = 1
    KeyField = 'Fd_StuNo'
    SummaryGroups = <>
    SummarySeparator = ', '
    Align = alClient
    Color = 14405442
    DataSource = dsStudents
    DefaultRowHeight = 20
    GridLineColor = clAppWorkSpace
    HideSelectionColor = 13996902
    HideSelectionTextColor = clBlack
    HighlightColor = 13996902
    HighlightTextColor = clBlack
    LookAndFeel = lfFlat
    OptionsView = [edgoAutoWidth, edgoBandHeaderWidth, edgoRowSelect, edgoUseBitmap]
    ShowBands = True
    object dgStudentsColumn1: TdxDBGridColumn
      Caption = '学生编号'
      Width = 80
      BandIndex = 0
      RowIndex = 0
      FieldName = 'Fd_StuNo'
    end
    object dgStudentsColumn2: TdxDBGridColumn
      Caption = '姓名'
      BandIndex = 0
      RowIndex = 0
      FieldName = 'Fd_Name'
    end
    object dgStudentsColumn3: TdxDBGridColumn
      Caption = '性别'
      BandIndex = 0
      RowIndex = 0
      FieldName = 'Fd_Sex'
    end
    object dgStudentsColumn4: TdxDBGridColumn
      Caption = '出生年月'
      BandIndex = 0
      RowIndex = 0
      FieldName = 'Fd_Birthday'
    end
    object dgStudentsColumn5: TdxDBGridColumn
      Caption = '入校时间'
      BandIndex = 0
      RowIndex = 0
      FieldName = 'Fd_InSchool'
    end
    object dgStudentsColumn6: TdxDBGridCheckColumn
      Caption = '免体标志'
      Width = 60
      Sizing = False
      BandIndex = 0
      RowIndex = 0
      FieldName = 'Fd_FreeSign'
      ValueChecked = 'True'
      ValueUnchecked = 'False'
    end
  end
end
)";

TEST_F(StoredLayoutTest, TheStudentsPageLoadsOverTheDefaultDatabase) {
  DataFixture data(DataFixture::Default);
  data.Connection()->Execute(
      "insert into Tb_Students (Fd_StuNo, Fd_Name, Fd_Sex, Fd_Class, Fd_InSchool, Fd_Birthday, Fd_FreeSign) values "
      "(20240101, '张三', '男', '高一(1)班', '2024-9', '2008-05-01', 0), "
      "(20240102, '李四', '女', '高一(1)班', '2024-9', '2008-11-20', 1), "
      "(20240103, '王五', '男', '高一(1)班', '2024-9', NULL, 0)");
  TComponentPtr<TADOQuery> students = MakeComponent<TADOQuery>();
  students->SetConnection(data.Connection());
  students->SQL()->SetText("select * from Tb_Students where Fd_Class=:AClass order by Fd_StuNo");

  auto* form = TCustomForm::Create<TForm>(Application);
  ReadLayout(StudentsPage, form);
  auto* grid = static_cast<TdxDBGrid*>(form->FindComponent("dgStudents"));
  auto* source = static_cast<TDataSource*>(form->FindComponent("dsStudents"));
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->DataSource(), source);
  source->SetDataSet(students.get());
  students->Parameters().ParamByName("AClass").SetValue("高一(1)班");
  students->Open();
  form->Show();
  Pump();

  EXPECT_EQ(grid->Bands()->Items(0)->Caption(), "学生基本资料");
  EXPECT_EQ(grid->OptionsView(), edgoAutoWidth | edgoBandHeaderWidth | edgoRowSelect | edgoUseBitmap);
  EXPECT_TRUE(grid->Options() & egoRowSelect);
  EXPECT_TRUE(grid->IsRowSelect());
  EXPECT_TRUE(grid->IsAutoWidth());
  EXPECT_EQ(grid->LookAndFeel(), lfFlat);
  EXPECT_EQ(grid->HighlightColor(), TColor(13996902));
  ASSERT_NE(grid->KeyFieldObject(), nullptr);
  EXPECT_EQ(grid->KeyFieldObject()->FieldName(), "Fd_StuNo");
  ASSERT_EQ(grid->GetColumnCount(), 6);
  for (int i = 0; i < grid->GetColumnCount(); ++i) EXPECT_NE(grid->DBColumn(i)->Field(), nullptr) << i;
  EXPECT_EQ(grid->DBColumn(1)->Caption(), "姓名");
  EXPECT_EQ(grid->DBColumn(0)->Width(), 80);

  EXPECT_TRUE(grid->IsCursorMode()) << "the records are read from the data set's buffer";
  ASSERT_EQ(grid->Count(), 3);
  EXPECT_EQ(grid->Items(1)->Strings(1), "李四");
  EXPECT_EQ(grid->Items(1)->Strings(5), "True");
  EXPECT_EQ(grid->Items(2)->Strings(3), "");
  EXPECT_EQ(grid->FocusedNode(), grid->Items(0));
  EXPECT_EQ(VScrollInfo(*grid).Max, 3 + grid->FullyVisibleRowCount() - 1);
  RenderWindowToPng(form->Handle(), "StudentsPage.png");

  const String written = WriteLayout(form);
  EXPECT_NE(written.find("OptionsView = [edgoAutoWidth, edgoBandHeaderWidth, edgoRowSelect, edgoUseBitmap]"),
            String::npos)
      << written;
  EXPECT_EQ(written.find("Options ="), String::npos) << "the older sets are not stored";
  EXPECT_EQ(written.find("OptionsDB"), String::npos) << "a set at its default is not stored";
  auto* freeSign = dynamic_cast<TdxDBGridCheckColumn*>(grid->DBColumn(5));
  ASSERT_NE(freeSign, nullptr);
  EXPECT_EQ(freeSign->GetEditorClass().ClassName(), "TdxInplaceDBTreeListCheckEdit");

  // Where the grid edits cells, a click toggles the check and the next row posts it.
  grid->SetOptionsView(grid->OptionsView() & ~edgoRowSelect);
  grid->SetFocus();
  const TRect cell = grid->GetNodeCellRect(grid->Items(0), grid->GetVisibleColumnPos(5));
  Click(grid, Point((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
  Pump();
  PressKey(VK_DOWN);
  Pump();
  TComponentPtr<TADOQuery> check = MakeComponent<TADOQuery>();
  check->SetConnection(data.Connection());
  check->SQL()->SetText("select Fd_FreeSign from Tb_Students where Fd_StuNo = 20240101");
  check->Open();
  EXPECT_TRUE(check->Fields()[0]->AsBoolean()) << "written to the database";
  form->Free();
}

TEST_F(StoredLayoutTest, GridPropertiesAndSummaryGroupsReadBackAsWritten) {
  const String text = R"(object fmSums: TForm
  object dgSums: TdxDBGrid
    KeyField = 'No'
    PartialLoadBufferCount = 40
    ShowGroupPanel = True
    ShowSummaryFooter = True
    SummaryGroups = <
      item
        BeginSummaryText = '['
        DefaultGroup = True
        SummaryItems = <
          item
            ColumnName = 'dgSumsScore'
            SummaryFormat = '0.0'
            SummaryType = cstAvg
          end>
        Name = 'Scores'
      end>
    SummarySeparator = '; '
    GrIndicatorWidth = 16
    GroupPanelColor = clNavy
    OptionsBehavior = [edgoAutoSort, edgoMultiSelect, edgoMultiSort]
    OptionsCustomize = [edgoColumnSizing, edgoNotHideColumn]
    OptionsDB = [edgoCanNavigation, edgoLoadAllRecords, edgoSmartRefresh]
    PreviewMaxLength = 30
    object dgSumsScore: TdxDBGridColumn
      FieldName = 'Score'
      SummaryFooterType = cstSum
      GroupIndex = 0
      SummaryType = cstMax
      SortBySummary = True
      SummaryGroupName = 'Scores'
    end
    object dgSumsName: TdxDBGridColumn
      DisableGrouping = True
      FieldName = 'Name'
    end
    object dgSumsSex: TdxDBGridPickColumn
      FieldName = 'Sex'
      PopupBorder = pbSingle
      DropDownListStyle = True
      Items = (
        '男'
        '女')
    end
    object dgSumsFree: TdxDBGridCheckColumn
      FieldName = 'Free'
      ValueChecked = 'Y'
      DisplayChecked = '免体'
    end
  end
end
)";
  auto* form = TCustomForm::Create<TForm>(Application);
  ReadLayout(text, form);
  auto* grid = static_cast<TdxDBGrid*>(form->FindComponent("dgSums"));
  EXPECT_EQ(grid->OptionsDB(), edgoCanNavigation | edgoLoadAllRecords | edgoSmartRefresh);
  EXPECT_EQ(grid->Options() & (egoLoadAllRecords | egoCanNavigation | egoCanInsert),
            egoLoadAllRecords | egoCanNavigation);
  EXPECT_TRUE(grid->GetOptions() & tloMultiSelect);
  EXPECT_TRUE(grid->GetOptionsEx() & tlxMultiSort);
  EXPECT_TRUE(grid->ShowFooter());
  EXPECT_EQ(grid->SummaryGroups()->FindDefaultGroup()->Name(), "Scores");
  EXPECT_EQ(grid->SummaryGroups()->Items(0)->SummaryItems()->Items(0)->SummaryType(), cstAvg);
  auto* score = grid->ColumnByName("dgSumsScore");
  EXPECT_EQ(score->GroupIndex(), 0);
  EXPECT_EQ(grid->GroupColumns(0), score);
  EXPECT_TRUE(score->Visible()) << "NotHideColumn keeps it in the headers";
  EXPECT_TRUE(score->SortBySummary());
  auto* sex = dynamic_cast<TdxDBGridPickColumn*>(grid->ColumnByName("dgSumsSex"));
  ASSERT_NE(sex, nullptr);
  EXPECT_EQ(sex->Items()->Count(), 2);
  EXPECT_TRUE(sex->DropDownListStyle());
  EXPECT_EQ(sex->PopupBorder(), pbSingle);
  auto* free = dynamic_cast<TdxDBGridCheckColumn*>(grid->ColumnByName("dgSumsFree"));
  ASSERT_NE(free, nullptr);
  EXPECT_EQ(free->ValueChecked(), "Y");
  EXPECT_EQ(free->ValueUnchecked(), "False");
  EXPECT_EQ(free->DisplayChecked(), "免体");
  const String written = WriteLayout(form);
  EXPECT_EQ(written.find("ValueUnchecked"), String::npos) << "the string table's text is not stored";
  EXPECT_EQ(written.find("ImmediateDropDown"), String::npos) << "a pick column drops down at once by default";
  form->Free();
  auto* again = TCustomForm::Create<TForm>(Application);
  ReadLayout(written, again);
  EXPECT_EQ(WriteLayout(again), written);
  again->Free();
}

}  // namespace
