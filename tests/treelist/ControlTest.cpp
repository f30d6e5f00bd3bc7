// The tree list control: header-row limits and their normalisation, text nodes, cell texts that
// follow a moved column, column naming and copying between controls, best fit, and the control
// with its bands and columns in a stored layout.
#include "classes/Filer.h"
#include "rtl/Arith.h"
#include "support/TreeListFixture.h"

namespace {

using ControlTest = TTreeListTest;

TEST_F(ControlTest, HeaderPanelRowCountLimits) {
  EXPECT_TRUE(List->DefaultLayout());
  const std::pair<int, int> cases[] = {{0, 1}, {9, 5}, {3, 3}};
  for (const auto& [asked, stored] : cases) {
    List->SetHeaderPanelRowCount(asked);
    EXPECT_EQ(List->HeaderPanelRowCount(), stored) << asked;
  }
  EXPECT_FALSE(List->DefaultLayout()) << "more than one row";
  List->SetHeaderPanelRowCount(1);
  EXPECT_FALSE(List->DefaultLayout()) << "one row again does not bring it back";
  List->SetHeaderPanelRowCount(4);
  List->SetHeaderPanelMaxRowCount(2);
  EXPECT_EQ(List->HeaderPanelRowCount(), 2);
  List->SetHeaderPanelMaxRowCount(0);
  EXPECT_EQ(List->HeaderPanelMaxRowCount(), 1);
  List->SetBandRowCount(7);
  EXPECT_EQ(List->BandRowCount(), 5);
  List->SetOptionsEx(List->GetOptionsEx() | tlxAutoHeaderPanelHeight);
  List->SetHeaderPanelMaxRowCount(5);
  List->SetHeaderPanelRowCount(3);
  EXPECT_FALSE(List->IsAutoHeaderPanelHeight()) << "a row count set by hand ends the automatic height";
}

TEST_F(ControlTest, TextNodesGrowToTheColumnWritten) {
  TdxTreeListNode* node = List->Add();
  node->SetStrings(0, "a");
  node->SetStrings(1, "b");
  node->SetStrings(5, "f");
  const TStringList& texts = static_cast<TdxTreeListTextNode*>(node)->Texts;
  EXPECT_EQ(texts.Count(), 6);
  EXPECT_EQ(texts[3], "");
  EXPECT_EQ(node->Strings(7), "");
  EXPECT_EQ(node->Values(5), Variant("f"));
  node->SetImageIndex(3);
  EXPECT_EQ(node->ImageIndex(), 3);
  EXPECT_EQ(node->StateIndex(), -1);
  List->OnGetImageIndex = [](TObject*, TdxTreeListNode*, int& index) { index = 7; };
  node->SetImageIndex(7);
  List->OnGetImageIndex = nullptr;
  EXPECT_EQ(node->ImageIndex(), 3) << "a value the event supplies is not frozen into the node";
}

TEST_F(ControlTest, CellTextsFollowAMovedColumn) {
  TdxTreeListColumn* a = AddColumn("A");
  AddColumn("B");
  TdxTreeListColumn* c = AddColumn("C");
  Build("n\n  child");
  for (TdxTreeListNode* node : {N("n"), N("child")})
    for (int i = 0; i < 3; ++i) node->SetStrings(i, std::string(1, char('a' + i)));
  a->SetIndex(2);
  EXPECT_EQ(List->GetColumnCount(), 3);
  EXPECT_EQ(List->GetColumn(2), a);
  for (TdxTreeListNode* node : {N("n"), N("child")}) {
    EXPECT_EQ(node->Strings(0), "b");
    EXPECT_EQ(node->Strings(2), "a");
    EXPECT_EQ(List->GetCellText(node, 2), "a");
  }
  c->SetIndex(0);
  EXPECT_EQ(List->GetCellText(N("child"), 0), "c");
  EXPECT_EQ(List->GetCellText(N("child"), 1), "b");
  EXPECT_EQ(List->GetCellText(N("child"), 2), "a");
}

TEST_F(ControlTest, ThreeUsedRowsBecomeTheFirstThree) {
  auto form = TCustomForm::Create<TForm>(Application);
  ReadLayout(
      "object fmRows: TForm\n"
      "  object dg: TCustomdxTreeListControl\n"
      "    HeaderPanelRowCount = 4\n"
      "    object dgA: TdxTreeListColumn\n"
      "      RowIndex = 0\n"
      "    end\n"
      "    object dgB: TdxTreeListColumn\n"
      "      RowIndex = 2\n"
      "    end\n"
      "    object dgC: TdxTreeListColumn\n"
      "      RowIndex = 3\n"
      "    end\n"
      "  end\n"
      "end\n",
      form);
  auto* list = static_cast<TCustomdxTreeListControl*>(form->FindComponent("dg"));
  ASSERT_EQ(list->GetColumnCount(), 3);
  EXPECT_EQ(list->GetColumn(0)->RowIndex(), 0);
  EXPECT_EQ(list->GetColumn(1)->RowIndex(), 1);
  EXPECT_EQ(list->GetColumn(2)->RowIndex(), 2);
  EXPECT_EQ(list->GetBandRowCount(0), 3);
  EXPECT_EQ(list->GetBandColumn(0, 2, 0), 2);
  EXPECT_EQ(list->GetVisibleColumnAt(1), 1) << "header row, then band, then position";
  form->Free();
}

TEST_F(ControlTest, AStoredLayoutWritesBackTheSame) {
  auto form = TCustomForm::Create<TForm>(Application);
  const String text =
      "object fmGrid: TForm\n"
      "  object dgGrid: TCustomdxTreeListControl\n"
      "    Bands = <\n"
      "      item\n"
      "        Alignment = taLeftJustify\n"
      "        Caption = '学生'\n"
      "      end\n"
      "      item\n"
      "        Fixed = bfRight\n"
      "        Width = 120\n"
      "      end>\n"
      "    HeaderPanelRowCount = 2\n"
      "    LookAndFeel = lfFlat\n"
      "    ShowBands = True\n"
      "    object dgGridName: TdxTreeListColumn\n"
      "      Caption = '姓名'\n"
      "      Sorted = csUp\n"
      "      Width = 80\n"
      "      BandIndex = 0\n"
      "      RowIndex = 0\n"
      "    end\n"
      "    object dgGridUnit: TdxTreeListMaskColumn\n"
      "      Caption = '单位'\n"
      "      BandIndex = 1\n"
      "      RowIndex = 1\n"
      "      EditMask = '999'\n"
      "    end\n"
      "  end\n"
      "end\n";
  ReadLayout(text, form);
  auto* list = static_cast<TCustomdxTreeListControl*>(form->FindComponent("dgGrid"));
  EXPECT_EQ(list->Bands()->Items(0)->Caption(), "学生");
  EXPECT_EQ(list->Bands()->Items(1)->Fixed(), bfRight);
  EXPECT_EQ(list->GetSortedColumn(0), list->GetColumn(0)) << "the sorted columns are rebuilt after loading";
  EXPECT_EQ(list->GetColumn(1)->StoredRowIndex(), 0) << "a lone row of its band moves up";
  EXPECT_EQ(static_cast<TdxTreeListMaskColumn*>(list->GetColumn(1))->EditMask(), "999");
  const String written = WriteLayout(form);
  EXPECT_NE(written.find("LookAndFeel = lfFlat"), String::npos) << written;
  EXPECT_NE(written.find("object dgGridUnit: TdxTreeListMaskColumn"), String::npos) << written;
  EXPECT_NE(written.find("Sorted = csUp"), String::npos) << written;
  form->Free();
}

TEST_F(ControlTest, NewColumnsTakeTheFirstFreeName) {
  auto* taken = new TdxTreeListColumn(Form);
  taken->SetName("dg1Column1");
  TdxTreeListColumn* column = AddColumn("A");
  EXPECT_EQ(column->Name(), "dg1Column2") << "a taken name is tried with the next number";
  EXPECT_EQ(List->ColumnByName("DG1COLUMN2"), column);
  EXPECT_EQ(List->GetVisibleColumn(0), column);
  EXPECT_EQ(List->ColumnByName("none"), nullptr);
  taken->Free();
}

TEST_F(ControlTest, AssigningColumnsBetweenControlsOfOneForm) {
  TdxTreeListColumn* name = AddColumn("姓名");
  name->SetWidth(90);
  List->CreateColumnOf<TdxTreeListMaskColumn>(Form)->SetCaption("号码");
  auto* other = new TTestTreeList(Form);
  other->SetName("dg2");
  TdxTreeListColumn* old = other->CreateColumnOf<TdxTreeListColumn>(Form);
  other->AssignColumns(List);
  ASSERT_EQ(other->GetColumnCount(), 2);
  EXPECT_NE(other->GetColumn(0), old) << "the former columns went";
  EXPECT_EQ(other->GetColumn(0)->Caption(), "姓名");
  EXPECT_EQ(other->GetColumn(0)->Width(), 90);
  EXPECT_NE(dynamic_cast<TdxTreeListMaskColumn*>(other->GetColumn(1)), nullptr);
  EXPECT_EQ(other->GetColumn(0)->Name().rfind("dg2Column", 0), 0u) << "the source's name is taken in this owner";
  EXPECT_EQ(List->GetColumnCount(), 2);

  auto otherForm = TCustomForm::Create<TForm>(Application);
  auto* elsewhere = new TTestTreeList(otherForm);
  elsewhere->SetName("dg3");
  elsewhere->AssignColumns(List);
  EXPECT_EQ(elsewhere->GetColumn(0)->Name(), List->GetColumn(0)->Name()) << "another form: the same names";
  EXPECT_EQ(elsewhere->GetColumn(0)->Owner(), elsewhere);
  otherForm->Free();
}

TEST_F(ControlTest, BestFitTakesTheWidestTextAndTheCaption) {
  List->Font()->SetName(TestFontName);
  List->Font()->SetHeight(-10);
  List->HeaderFont()->SetName(TestFontName);
  List->HeaderFont()->SetHeight(-10);
  TdxTreeListColumn* first = AddColumn("N");
  TdxTreeListColumn* second = AddColumn("Caption");
  Build("abc\n  abcdefgh\nx");
  N("abcdefgh")->SetStrings(1, "xy");
  int changed = 0;
  List->OnChangedColumnsWidth = [&](TObject*) { ++changed; };
  List->ApplyColumnBestFit(0);
  List->ApplyColumnBestFit(1);
  // "0" is 5 pixels wide in the 10-pixel test font: margins of 3 on each side.
  EXPECT_EQ(first->Width(), 8 * 5 + 2 * 16 + 6) << "the widest cell with its tree indent";
  EXPECT_EQ(second->Width(), 7 * 5 + 15 + 6) << "the caption with room for the filter button";
  EXPECT_EQ(changed, 2);
  second->SetSizing(false);
  second->SetDisableFilter(true);
  List->ApplyBestFit(nullptr);
  EXPECT_EQ(second->Width(), 7 * 5 + 15 + 6) << "a column that may not be sized keeps its width";
  TImageList images(12, 12), states(7, 7);
  List->SetImages(&images);
  List->SetStateImages(&states);
  N("abcdefgh")->SetStateIndex(0);
  List->ApplyColumnBestFit(0);
  EXPECT_EQ(first->Width(), 8 * 5 + 2 * 16 + 7 + 12 + 6) << "the widest cell with its tree indent and images";
}

}  // namespace

namespace {

TEST_F(ControlTest, OptionsKeepEachOtherConsistent) {
  TdxTreeListColumn* column = AddColumn("A");
  column->SetSorted(csUp);
  List->SetOptionsEx(List->GetOptionsEx() | tlxInvertSelect);
  EXPECT_FALSE(List->IsRowSelect()) << "inverted selection is no row selection";
  List->SetOptions(List->GetOptions() | tloRowSelect);
  EXPECT_FALSE(List->IsInvertSelect());
  List->SetOptions(List->GetOptions() | tloAutoSort);
  EXPECT_EQ(List->GetSortedColumnCount(), 0) << "AutoSort starts from no sorting";
  List->SetOptionsEx(List->GetOptionsEx() | tlxMultiSort);
  List->AddSortedColumn(column);
  List->SetOptionsEx(List->GetOptionsEx() & ~tlxMultiSort);
  EXPECT_EQ(List->GetSortedColumnCount(), 0);
  Build("n");
  List->SetOptions(List->GetOptions() & ~tloRowSelect);
  EXPECT_EQ(List->GetFocusedVisibleIndex(), 0) << "the first column takes the focus";
}

TEST_F(ControlTest, BandsAndHeadersShownHiddenAndMoved) {
  TdxTreeListBands* bands = List->Bands();
  bands->Add()->SetCaption("Second");
  TdxTreeListColumn* a = AddColumn("A");
  TdxTreeListColumn* b = AddColumn("B");
  std::vector<std::string> events;
  List->OnHideBand = [&](TObject*, TdxTreeListBand* band) { events.push_back("hide " + band->Caption()); };
  List->OnShowBand = [&](TObject*, TdxTreeListBand*, int index) { events.push_back("show " + std::to_string(index)); };
  List->OnHideHeader = [&](TObject*, TdxTreeListColumn* c) { events.push_back("hide " + c->Caption()); };
  List->OnShowHeader = [&](TObject*, TdxTreeListColumn* c, int band, int row, int col) {
    events.push_back("show " + c->Caption() + std::to_string(band) + std::to_string(row) + std::to_string(col));
  };
  List->OnHeaderMoved = [&](TObject*, TdxTreeListColumn* c) { events.push_back("moved " + c->Caption()); };

  List->HideBand(1);
  EXPECT_EQ(List->GetVisibleBandCount(), 1);
  List->ShowBand(1, 0);
  EXPECT_EQ(bands->Items(0)->Caption(), "Second") << "shown at the first place";
  List->MoveBand(0, 1);
  EXPECT_EQ(bands->Items(1)->Caption(), "Second");
  EXPECT_EQ(a->BandIndex(), 0) << "columns stay with their band";

  List->MoveColumn(0, 1, 0, 0);
  EXPECT_EQ(a->BandIndex(), 1);
  List->HideHeader(1);
  EXPECT_TRUE(List->IsHeaderHidden(1));
  List->ShowColumnHeader(1, 1, 0, 0);
  EXPECT_TRUE(b->Visible());
  EXPECT_EQ(List->GetColumn(List->GetBandColumn(1, 0, 0)), b) << "first in its row";
  EXPECT_EQ(events, (std::vector<std::string>{"hide Second", "show 0", "moved A", "hide B", "show B100"}));

  bands->Items(0)->SetVisible(false);
  bands->Items(0)->SetSizing(true);
  const int hidden = bands->Items(0)->Width();
  List->ScaleHiddenBandWidths(300, 150);
  EXPECT_EQ(bands->Items(0)->Width(), 2 * hidden) << "hidden bands scale with the shown width";
  EXPECT_EQ(bands->Items(1)->Width(), 250) << "visible ones do not";

  a->SetBandIndex(1);
  b->SetBandIndex(1);
  a->SetVisible(false);
  const int hiddenColumn = a->Width(), shownColumn = b->Width();
  List->ScaleHiddenColumnWidths(List->GetBandPosition(1), 150, 100);
  EXPECT_EQ(a->Width(), MulDiv(hiddenColumn, 150, 100)) << "hidden columns of the band scale";
  EXPECT_EQ(b->Width(), shownColumn);
  EXPECT_EQ(bands->Items(1)->ColumnCount(0), 1) << "only the shown column sits in the band's row";
}

TEST_F(ControlTest, NodeValuesAndPanelFontsAreCopied) {
  AddColumn("A");
  Build("a");
  List->SetNodeValue(N("a"), 0, Variant(12));
  EXPECT_EQ(N("a")->Strings(0), "12");

  TFont font;
  font.SetName("Tahoma");
  font.SetSize(20);
  for (auto [set, get] : {std::pair{&TTestTreeList::SetBandFont, &TTestTreeList::BandFont},
                          std::pair{&TTestTreeList::SetHeaderFont, &TTestTreeList::HeaderFont},
                          std::pair{&TTestTreeList::SetPreviewFont, &TTestTreeList::PreviewFont}}) {
    TFont* own = (List->*get)();
    (List->*set)(&font);
    EXPECT_EQ((List->*get)(), own) << "the control keeps its own font object";
    EXPECT_EQ(own->Size(), 20);
  }
  List->SetDefaultRowHeight(40);
  EXPECT_EQ(List->GetDefaultRowHeight(), 40);
  List->SetTreeLineColor(clRed);
  EXPECT_EQ(List->TreeLineColor(), clRed);
  List->SetShowLines(false);
  EXPECT_FALSE(List->ShowLines());
}

}  // namespace
