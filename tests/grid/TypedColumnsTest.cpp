// The typed columns in a grid: the check column's three states read, shown, toggled in place and
// written back, its filter values and display words; the pick column edited in place; the date
// column's null date; the mask column's mask; the editor and filter editor classes each kind names.
#include "data/MemDataSet.h"
#include "grid/dxGrClms.h"
#include "support/GridFixture.h"
#include "windows/Focus.h"

namespace {

// A grid over a memory data set of pupils with a Boolean, a date and a text field.
class TypedColumnsTest : public TTypedGridTest {
 protected:
  void SetUp() override {
    TTypedGridTest::SetUp();
    Data = MakeComponent<TMemDataSet>();
    Data->FieldDefs().Add("No", ftInteger, 0, true);
    Data->FieldDefs().Add("Sex", ftString, 2);
    Data->FieldDefs().Add("Free", ftBoolean);
    Data->FieldDefs().Add("Born", ftDate);
    Data->Open();
    const Variant born = Variant::FromDateTime(EncodeDate(2008, 5, 1));
    Data->AppendRecord({1, "男", true, born});
    Data->AppendRecord({2, "女", false, born});
    Data->AppendRecord({3, "男", Variant::Null(), Variant::Null()});
    Data->First();
    Source->SetDataSet(Data.get());
  }
  TdxTreeListNode* Row(int No) {
    for (int i = 0; i < Grid->GetAbsoluteCount(); ++i)
      if (VarSameValue(static_cast<TdxDBGridNode*>(Grid->GetAbsoluteNode(i))->KeyValue, Variant(No)))
        return Grid->GetAbsoluteNode(i);
    return nullptr;
  }
  TPoint CellPoint(TdxTreeListNode* Node, TdxDBTreeListColumn* Column) {
    const TRect r = Grid->GetNodeCellRect(Node, Grid->GetVisibleColumnPos(Column->GetIndex()));
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  Variant FieldOf(int No, const String& Name) {
    const TBookmark here = Data->Bookmark();
    Data->Locate("No", Variant(No));
    const Variant value = Data->FieldByName(Name)->Value();
    Data->GotoBookmark(here);
    return value;
  }

  TComponentPtr<TMemDataSet> Data;
};

TEST_F(TypedColumnsTest, TheCheckColumnReadsTheFieldsTextAsAState) {
  auto* check = Add<TdxDBGridCheckColumn>("Free");
  EXPECT_EQ(check->ValueChecked(), "True");
  EXPECT_EQ(check->ValueUnchecked(), "False");
  EXPECT_EQ(check->ValueGrayed(), "");
  EXPECT_EQ(check->MinWidth(), 16);
  EXPECT_EQ(check->GlyphCount(), 6);
  const std::pair<const char*, int> cases[] = {
      {"True", cbsChecked}, {"true", cbsChecked}, {"TRUE", cbsChecked}, {"False", cbsUnchecked}, {"", cbsGrayed},
      {"maybe", cbsGrayed}};
  for (const auto& [text, state] : cases) EXPECT_EQ(check->StateOfText(text), state) << text;
  EXPECT_EQ(check->GetValueText(Variant("true")), "True") << "the checked value shows as ValueChecked itself";
  EXPECT_EQ(check->GetFilterOperators(), ReducedFilterOperators);
  EXPECT_EQ(Add<TdxDBGridColumn>("Sex")->GetFilterOperators(), AllFilterOperators);
}

TEST_F(TypedColumnsTest, ACheckCellTogglesInPlaceAndWritesTheStatesText) {
  Add<TdxDBGridColumn>("Sex");
  auto* check = Add<TdxDBGridCheckColumn>("Free");
  std::vector<std::pair<String, int>> toggles;
  check->OnToggleClick = [&](TObject* Sender, const String& Text, int State) {
    EXPECT_EQ(Sender, check);
    toggles.push_back({Text, State});
  };
  Show();
  Click(Grid, CellPoint(Row(2), check));
  Pump();
  ASSERT_EQ(Grid->State(), tlsEditing);
  EXPECT_EQ(Grid->InplaceEditor()->ClassName(), "TdxInplaceDBTreeListCheckEdit");
  EXPECT_EQ(toggles, (std::vector<std::pair<String, int>>{{"True", cbsChecked}})) << "the click toggled it";
  PressKey(VK_DOWN);
  Pump();
  EXPECT_EQ(FieldOf(2, "Free"), Variant(true)) << "posted as the text True";
  EXPECT_EQ(Row(2)->Strings(check->GetIndex()), "True");

  check->SetAllowGrayed(true);
  check->SetValueGrayed("");
  toggles.clear();
  Click(Grid, CellPoint(Row(1), check));
  Pump();
  Click(Grid, CellPoint(Row(1), check));
  Pump();
  EXPECT_EQ(toggles.size(), 2u) << "checked, then unchecked, then grayed";
  EXPECT_EQ(toggles.back().second, cbsGrayed);
  PressKey(VK_DOWN);
  Pump();
  EXPECT_TRUE(FieldOf(1, "Free").IsNull()) << "the grayed text is empty: the field is cleared";

  // Setting the editor up is no toggle.
  toggles.clear();
  Grid->SetFocusedNodeAndColumn(Row(3), Grid->GetVisibleColumnPos(check->GetIndex()), true);
  Grid->ShowEditor();
  EXPECT_TRUE(toggles.empty());
  EXPECT_EQ(static_cast<TdxInplaceCheckEdit*>(Grid->InplaceEditor())->State(), cbsGrayed) << "a null field";
}

TEST_F(TypedColumnsTest, CheckCellsPaintTheirStates) {
  auto* check = Add<TdxDBGridCheckColumn>("Free");
  check->SetWidth(60);
  Show();
  RenderWindowToPng(Grid->Handle(), "CheckColumn.png");
  // The box of a checked cell holds the dark tick; an unchecked one has none.
  const auto darkPixels = [&](int No) {
    const TRect cell = Grid->GetNodeCellRect(Row(No), 0);
    const TRect box(cell.Left + cell.Width() / 2 - 5, cell.Top + cell.Height() / 2 - 5,
                    cell.Left + cell.Width() / 2 + 5, cell.Top + cell.Height() / 2 + 5);
    int dark = 0;
    for (TColor pixel : ComposedPixels(Grid->Handle(), box)) dark += (pixel & 0xFF) < 0x40;
    return dark;
  };
  EXPECT_GT(darkPixels(1), darkPixels(2) + 4);
}

TEST_F(TypedColumnsTest, TheCheckFilterListsItsThreeTextsAndTheGridsDisplayWords) {
  Add<TdxDBGridColumn>("Sex");
  auto* check = Add<TdxDBGridCheckColumn>("Free");
  Show();
  EXPECT_EQ(check->GetFilterEditorClass().ClassName(), "TCustomdxFilterImageEdit");
  TComponentPtr<TComponent> owner = MakeComponent<TComponent>();
  auto* editor = static_cast<TdxInplaceImageEdit*>(check->CreateFilterEditor(owner.get()));
  EXPECT_FALSE(editor->IsInplace());
  EXPECT_EQ(editor->Values()->Text(), "\r\nFalse\r\nTrue\r\n") << "grayed, unchecked, checked";
  check->SetFilterEditValue(editor, Variant(true));
  String text;
  EXPECT_EQ(check->GetFilterEditValue(editor, text), Variant(true)) << "a Boolean field's value";
  EXPECT_EQ(text, "True");
  check->SetFilterEditValue(editor, Variant::Null());
  EXPECT_EQ(VarToStr(editor->GetEditValue()), "");

  check->SetDisplayChecked("免体");
  auto* worded = static_cast<TdxInplaceImageEdit*>(check->CreateFilterEditor(owner.get()));
  EXPECT_EQ(worded->Values()->Text(), "\r\nFalse\r\nTrue\r\n") << "the values stay";
  EXPECT_EQ(worded->Descriptions()->Text(), "\r\n\r\n免体\r\n");

  check->SetGroupIndex(0);
  std::vector<String> groups;
  for (int i = 0; i < Grid->Count(); ++i) groups.push_back(Grid->GetNodeString(Grid->Items(i), check->GetIndex()));
  EXPECT_EQ(groups, (std::vector<String>{"Free :  ", "Free : False ", "Free : 免体 "}))
      << "the word shows for checked records only";
}

TEST_F(TypedColumnsTest, APickCellEditsWithItsItems) {
  auto* sex = Add<TdxDBGridPickColumn>("Sex");
  sex->Items()->SetText("男\n女\n");
  sex->SetDropDownListStyle(true);
  sex->SetPopupBorder(pbSingle);
  EXPECT_TRUE(sex->ImmediateDropDown());
  EXPECT_EQ(sex->DropDownRows(), 7);
  Show();
  Grid->SetFocusedNodeAndColumn(Row(1), Grid->GetVisibleColumnPos(sex->GetIndex()), true);
  Grid->ShowEditor();
  ASSERT_EQ(Grid->State(), tlsEditing);
  auto* pick = dynamic_cast<TdxInplacePickEdit*>(Grid->InplaceEditor());
  ASSERT_NE(pick, nullptr);
  EXPECT_EQ(pick->ClassName(), "TdxInplaceDBTreeListPickEdit");
  EXPECT_EQ(pick->Items()->Count(), 2);
  EXPECT_TRUE(pick->DropDownListStyle());
  EXPECT_EQ(pick->PopupBorder(), pbSingle);
  EXPECT_EQ(VarToStr(pick->GetEditValue()), "男");
  PressKey(VK_DOWN, ssAlt);
  Pump();
  ASSERT_TRUE(pick->PopupShown());
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(VarToStr(pick->GetEditValue()), "女");
  PressKey(VK_DOWN);
  Pump();
  EXPECT_EQ(FieldOf(1, "Sex"), Variant("女")) << "posted";

  TComponentPtr<TComponent> owner = MakeComponent<TComponent>();
  auto* filter = static_cast<TdxInplacePickEdit*>(sex->CreateFilterEditor(owner.get()));
  EXPECT_EQ(filter->ClassName(), "TCustomdxFilterPickEdit");
  EXPECT_FALSE(filter->ImmediateDropDown()) << "a filter list opens on its button, not on the first key";
  EXPECT_EQ(filter->Items()->Count(), 2);
  EXPECT_FALSE(filter->OnCloseUp);
}

TEST_F(TypedColumnsTest, TheNullDateClearsTheField) {
  auto* born = Add<TdxDBGridDateColumn>("Born");
  Show();
  EXPECT_EQ(born->GetEditorClass().ClassName(), "TdxInplaceDBTreeListDateEdit");
  Grid->SetFocusedNodeAndColumn(Row(1), Grid->GetVisibleColumnPos(born->GetIndex()), true);
  Grid->ShowEditor();
  auto* date = static_cast<TdxInplaceDateEdit*>(Grid->InplaceEditor());
  EXPECT_EQ(date->Date(), EncodeDate(2008, 5, 1));
  EXPECT_TRUE(born->SameAsFieldValue(date->GetEditValue()));
  Data->Edit();
  born->ApplyEditValue(Row(1), date);
  date->SetDate(NullDate);
  born->ApplyEditValue(Row(1), date);
  EXPECT_TRUE(Data->FieldByName("Born")->IsNull()) << "not a date of -700000";
  EXPECT_TRUE(born->SameAsFieldValue(Variant::Null()));
  Data->Cancel();

  TComponentPtr<TComponent> owner = MakeComponent<TComponent>();
  TdxInplaceEdit* filter = born->CreateFilterEditor(owner.get());
  EXPECT_EQ(filter->ClassName(), "TCustomdxFilterDateEdit");
  EXPECT_FALSE(filter->IsInplace());
  String text;
  EXPECT_TRUE(born->GetFilterEditValue(filter, text).IsNull());
  born->SetFilterEditValue(filter, Variant::FromDateTime(EncodeDate(2020, 3, 2)));
  EXPECT_EQ(born->GetFilterEditValue(filter, text).AsDateTime(), EncodeDate(2020, 3, 2));
}

TEST_F(TypedColumnsTest, AMaskColumnFollowsItsFieldsMaskUntilItHasItsOwn) {
  Data->FieldByName("Sex")->SetEditMask("LL;0;_");
  auto* sex = Add<TdxDBTreeListMaskColumn>("Sex");
  Show();
  EXPECT_EQ(sex->EditMask(), "LL;0;_");
  EXPECT_FALSE(sex->IsEditMaskStored());
  sex->SetEditMask("LL;0;_");
  EXPECT_FALSE(sex->IsEditMaskStored()) << "the field's own mask is not kept";
  Data->FieldByName("Sex")->SetEditMask("L;0;_");
  EXPECT_EQ(sex->EditMask(), "L;0;_") << "unassigned, it follows the field";
  sex->SetEditMask(">LL;0;_");
  EXPECT_TRUE(sex->IsEditMaskStored());
  Data->FieldByName("Sex")->SetEditMask("");
  EXPECT_EQ(sex->EditMask(), ">LL;0;_");
  sex->RestoreDefaults();
  EXPECT_EQ(sex->EditMask(), "");

  sex->SetEditMask("LL;1;_");
  Grid->SetFocusedNodeAndColumn(Row(1), Grid->GetVisibleColumnPos(sex->GetIndex()), true);
  Grid->ShowEditor();
  auto* mask = dynamic_cast<TdxInplaceMaskEdit*>(Grid->InplaceEditor());
  ASSERT_NE(mask, nullptr);
  EXPECT_EQ(mask->EditMask(), "LL;1;_");
  Data->Edit();
  Data->FieldByName("Sex")->Clear();
  EXPECT_TRUE(sex->SameAsFieldValue(Variant("  "))) << "the empty masked text is an empty field";
  EXPECT_FALSE(sex->SameAsFieldValue(Variant("男 ")));
  Data->FieldByName("Sex")->SetAsString("男");
  EXPECT_TRUE(sex->SameAsFieldValue(Variant("男 "))) << "trailing blanks do not count";
  Data->Cancel();
}

TEST_F(TypedColumnsTest, EveryKindNamesItsEditorsAndFilterEditorsStandAlone) {
  struct Case {
    TdxDBTreeListColumn* Column;
    const char* Editor;
    const char* Filter;
  };
  const Case cases[] = {
      {Add<TdxDBGridColumn>("Sex"), "TdxInplaceTreeListTextEdit", "TCustomdxFilterEdit"},
      {Add<TdxDBGridMaskColumn>("Sex"), "TdxInplaceDBTreeListMaskEdit", "TCustomdxFilterEdit"},
      {Add<TdxDBTreeListDropDownColumn>("Sex"), "TdxInplaceDBTreeListDropDownEdit", "TCustomdxFilterEdit"},
      {Add<TdxDBGridDateColumn>("Born"), "TdxInplaceDBTreeListDateEdit", "TCustomdxFilterDateEdit"},
      {Add<TdxDBGridCheckColumn>("Free"), "TdxInplaceDBTreeListCheckEdit", "TCustomdxFilterImageEdit"},
      {Add<TdxDBGridPickColumn>("Sex"), "TdxInplaceDBTreeListPickEdit", "TCustomdxFilterPickEdit"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.Column->GetEditorClass().ClassName(), c.Editor);
    EXPECT_TRUE(c.Column->GetEditorClass().IsInplace());
    EXPECT_EQ(c.Column->GetFilterEditorClass().ClassName(), c.Filter);
    EXPECT_FALSE(c.Column->GetFilterEditorClass().IsInplace()) << c.Filter;
  }
}

}  // namespace
