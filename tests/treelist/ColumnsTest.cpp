// Columns: assigned values and defaults, the place in the band and header-row grid, the values
// that leave the nodes with a freed column, copying, and the editor class.
#include "support/TreeListFixture.h"
#include "treelist/dxTLEditors.h"

namespace {

using ColumnsTest = TTreeListTest;

class TNarrowColumn : public TdxTreeListColumn {
 public:
  using TdxTreeListColumn::TdxTreeListColumn;
  int GetDefaultWidth() const override { return 60; }
};

TEST_F(ColumnsTest, AWidthNeverSetFollowsTheDefault) {
  TdxTreeListColumn* column = AddColumn("A");
  EXPECT_EQ(column->Width(), 100);
  column->SetWidth(100);
  EXPECT_FALSE(column->IsWidthStored()) << "the default value leaves it unassigned";
  column->SetWidth(5);
  EXPECT_EQ(column->Width(), 20) << "raised to MinWidth";
  EXPECT_TRUE(column->IsWidthStored());

  auto* narrow = List->CreateColumnOf<TNarrowColumn>(Form);
  narrow->SetCaption("N");
  EXPECT_EQ(narrow->Width(), 60);
  narrow->SetMinWidth(80);
  EXPECT_EQ(narrow->Width(), 80);
}

TEST_F(ColumnsTest, RowIndexKeepsTheRowItWasGiven) {
  TdxTreeListColumn* column = AddColumn("A");
  AddColumn("B");
  List->SetHeaderPanelRowCount(2);
  column->SetRowIndex(1);
  List->SetHeaderPanelRowCount(1);
  EXPECT_EQ(column->RowIndex(), 0);
  EXPECT_EQ(column->StoredRowIndex(), 1);
  List->SetHeaderPanelRowCount(2);
  column->SetRowIndex(5);
  EXPECT_EQ(column->RowIndex(), 1);
  EXPECT_EQ(column->StoredRowIndex(), 1);
  column->SetRowIndex(-3);
  EXPECT_EQ(column->RowIndex(), 0);
}

TEST_F(ColumnsTest, ColIndexCountsTheVisibleColumnsOfTheRow) {
  TdxTreeListColumn* a = AddColumn("A");
  TdxTreeListColumn* b = AddColumn("B");
  TdxTreeListColumn* c = AddColumn("C");
  EXPECT_EQ(c->ColIndex(), 2);
  b->SetVisible(false);
  EXPECT_EQ(b->ColIndex(), 1) << "a hidden column answers the last position";
  EXPECT_EQ(c->ColIndex(), 1);
  a->SetColIndex(9);
  EXPECT_EQ(List->ColumnIndexOf(a), 2) << "past the end: behind the last column of the row";
  EXPECT_EQ(a->ColIndex(), 1);
  a->SetColIndex(0);
  EXPECT_EQ(List->ColumnIndexOf(a), 1) << "before c, behind the hidden b";
  EXPECT_EQ(a->ColIndex(), 0);
  EXPECT_EQ(MakeComponent<TdxTreeListColumn>()->ColIndex(), -1) << "without a control";
}

TEST_F(ColumnsTest, BandIndexIsClampedToTheBands) {
  TdxTreeListColumn* column = AddColumn("A");
  List->Bands()->Add();
  column->SetBandIndex(-5);
  EXPECT_EQ(column->BandIndex(), -1);
  column->SetBandIndex(9);
  EXPECT_EQ(column->BandIndex(), 1);
}

TEST_F(ColumnsTest, AFreedColumnTakesItsValuesFromEveryNode) {
  AddColumn("A");
  TdxTreeListColumn* b = AddColumn("B");
  AddColumn("C");
  Build("n\n  child");
  for (TdxTreeListNode* node : {N("n"), N("child")}) {
    node->SetStrings(1, "b");
    node->SetStrings(2, "c");
  }
  TdxTreeListNode* kept = List->Add();
  kept->SetStrings(2, "kept c");
  kept->Detach();
  List->AuxiliaryNodes().Add(kept);
  b->Free();
  EXPECT_EQ(List->GetColumnCount(), 2);
  EXPECT_EQ(N("n")->Strings(1), "c");
  EXPECT_EQ(N("child")->Strings(1), "c");
  EXPECT_EQ(kept->Strings(1), "kept c");
  EXPECT_EQ(List->GetCellText(N("child"), 1), "c");
}

TEST_F(ColumnsTest, TheFontFollowsTheControlUntilAssigned) {
  TdxTreeListColumn* column = AddColumn("A");
  List->Font()->SetSize(14);
  EXPECT_EQ(column->Font()->Size(), 14);
  EXPECT_FALSE(column->HasFont());
  column->Font()->SetSize(20);
  EXPECT_TRUE(column->HasFont());
  List->Font()->SetSize(9);
  EXPECT_EQ(column->Font()->Size(), 20);
}

TEST_F(ColumnsTest, AssignCopiesWhatWasSetAndTheLook) {
  TdxTreeListColumn* source = AddColumn("Source");
  source->SetAlignment(taRightJustify);
  source->SetReadOnly(true);
  source->SetWidth(140);
  source->SetDisableEditor(true);
  source->SetVertAlignment(tlBottom);
  source->SetHeaderMaxLineCount(3);
  TdxTreeListColumn* target = AddColumn("Target");
  target->SetColor(clRed);
  target->Assign(source);
  EXPECT_EQ(target->Caption(), "Source");
  EXPECT_EQ(target->Alignment(), taRightJustify);
  EXPECT_TRUE(target->ReadOnly());
  EXPECT_EQ(target->Width(), 140);
  EXPECT_TRUE(target->DisableEditor());
  EXPECT_EQ(target->VertAlignment(), tlBottom);
  EXPECT_EQ(target->HeaderMaxLineCount(), 3);
  EXPECT_FALSE(target->IsAssigned(cavColor)) << "restored to the default first";
  EXPECT_EQ(target->Color(), List->Color());
}

TEST_F(ColumnsTest, TheEditorClassNamesTheViewData) {
  TdxTreeListColumn* text = AddColumn("Text");
  auto* mask = List->CreateColumnOf<TdxTreeListMaskColumn>(Form);
  EXPECT_EQ(text->GetEditorClass().ClassName(), "TdxInplaceTreeListTextEdit");
  EXPECT_EQ(mask->GetEditorClass().ClassName(), "TdxInplaceTreeListMaskEdit");
  EXPECT_NE(text->GetViewData(), nullptr);
  EXPECT_EQ(text->GetViewData(), text->GetViewData());

  TdxInplaceEdit* editor = List->GetEditor(0);
  EXPECT_EQ(List->GetEditor(0), editor) << "one editor per class";
  EXPECT_EQ(List->FindEditor(1), nullptr);
  TdxInplaceEdit* maskEditor = List->GetEditor(1);
  EXPECT_NE(maskEditor, editor);
  EXPECT_EQ(maskEditor->ClassName(), "TdxInplaceTreeListMaskEdit");
  EXPECT_NE(dynamic_cast<TdxTreeListEditStyle*>(editor->Style()), nullptr);
  EXPECT_EQ(editor->Style()->BorderStyle(), xbsSingle) << "no grid lines: a single border";
  List->SetShowGrid(true);
  EXPECT_EQ(editor->Style()->BorderStyle(), xbsNone);
  List->SetLookAndFeel(lfUltraFlat);
  EXPECT_EQ(editor->Style()->ButtonStyle(), btsHotFlat);
}

TEST_F(ColumnsTest, EditorValuesGoThroughTheColumn) {
  TdxTreeListColumn* column = AddColumn("A");
  AddColumn("B")->SetReadOnly(true);
  Build("n");
  N("n")->SetStrings(0, "old");
  TdxInplaceEdit* editor = List->GetEditor(0);
  EXPECT_EQ(column->InitEditValue(N("n"), editor), Variant("old"));
  editor->SetEditValue("new");
  EXPECT_EQ(column->ApplyEditValue(N("n"), editor), Variant("new"));
  EXPECT_EQ(N("n")->Strings(0), "new");
  List->SetOptions(List->GetOptions() & ~tloRowSelect);
  N("n")->SetFocused(true);
  List->SetFocusedVisibleIndex(1);
  EXPECT_FALSE(List->CanEditModify()) << "a read-only focused column";
  column->SetDisableEditor(true);
  List->SetFocusedVisibleIndex(0);
  bool allow = true;
  List->DoEditing(N("n"), allow);
  EXPECT_FALSE(allow);
}

TEST_F(ColumnsTest, TheColumnSetsUpItsTextAndMaskEditors) {
  TdxTreeListColumn* text = AddColumn("Text");
  text->SetCharCase(ecUpperCase);
  text->SetMaxLength(5);
  text->SetPasswordChar(U'*');
  text->SetReadOnly(true);
  auto* mask = List->CreateColumnOf<TdxTreeListMaskColumn>(Form);
  mask->SetEditMask("000;1;_");
  mask->SetIgnoreMaskBlank(true);

  auto* textEditor = dynamic_cast<TdxInplaceTextEdit*>(List->GetEditor(0));
  ASSERT_NE(textEditor, nullptr) << "the tree list's text editor is a text editor";
  text->InitEditor(textEditor);
  EXPECT_EQ(textEditor->CharCase(), ecUpperCase);
  EXPECT_EQ(textEditor->MaxLength(), 5);
  EXPECT_EQ(textEditor->PasswordChar(), U'*');
  EXPECT_TRUE(textEditor->ReadOnly());

  auto* maskEditor = dynamic_cast<TdxInplaceMaskEdit*>(List->GetEditor(1));
  ASSERT_NE(maskEditor, nullptr);
  mask->InitEditor(maskEditor);
  EXPECT_EQ(maskEditor->EditMask(), "000;1;_");
  EXPECT_TRUE(maskEditor->IsMasked());
  EXPECT_TRUE(maskEditor->IgnoreMaskBlank());
  EXPECT_EQ(maskEditor->CharCase(), ecNormal) << "the mask column's own case";
}

}  // namespace
