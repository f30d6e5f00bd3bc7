// The lookup editor (its incremental search, the keys that clear and step, the list it drops down,
// the filter's editor that writes nothing) and the lookup column in a grid; the further kinds'
// rules (HTML export, memo length, time of day, spin limits, wrapper, buttons, blob kinds, MRU
// items); every kind's editor settings copied, handed to its editor and restored; the
// registration of every column class and the default column tables; the grid's additions to the
// stored layout.
#include "data/MemDataSet.h"
#include "editors/dxExEdtr.h"
#include "grid/dxDBColumnChooser.h"
#include "grid/dxGrClms.h"
#include "settings/IniFiles.h"
#include "settings/Registry.h"
#include "support/GridFixture.h"
#include "support/TempDir.h"
#include "windows/Focus.h"
#include "windows/Services.h"

namespace {

// Classes (Id, Title) and pupils (No, Name, ClassId, Born, Note, the lookup field ClassTitle).
class FurtherColumnsTest : public TTypedGridTest {
 protected:
  void SetUp() override {
    TTypedGridTest::SetUp();
    Classes = new TMemDataSet(Form);
    Classes->SetName("mdClasses");
    Classes->FieldDefs().Add("Id", ftInteger);
    Classes->FieldDefs().Add("Title", ftString, 20);
    Classes->Open();
    for (const auto& [id, title] : std::vector<std::pair<int, const char*>>{{1, "Abc"}, {2, "Axe"}, {3, "Bird"}})
      Classes->AppendRecord({id, title});
    ClassSource = new TDataSource(Form);
    ClassSource->SetDataSet(Classes);

    Pupils = new TMemDataSet(Form);
    Pupils->FieldDefs().Add("No", ftInteger);
    Pupils->FieldDefs().Add("Name", ftString, 20);
    Pupils->FieldDefs().Add("ClassId", ftInteger);
    Pupils->FieldDefs().Add("Born", ftDateTime);
    Pupils->FieldDefs().Add("Note", ftMemo);
    for (int i = 0; i < Pupils->FieldDefs().Count(); ++i) Pupils->FieldDefs().Items(i).CreateField(Pupils);
    auto* title = new TStringField(Form);
    title->SetFieldName("ClassTitle");
    title->SetFieldKind(fkLookup);
    title->SetKeyFields("ClassId");
    title->SetLookupDataSet(Classes);
    title->SetLookupKeyFields("Id");
    title->SetLookupResultField("Title");
    title->SetDataSet(Pupils);
    Pupils->Open();
    Pupils->AppendRecord({101, "Zhang", 1, Variant::FromDateTime(EncodeDate(2020, 3, 2) + 0.375), "a long note"});
    Pupils->AppendRecord({102, "Li", 3, Variant::Null(), Variant::Null()});
    Pupils->First();
    Source->SetDataSet(Pupils);
  }
  // A stand-alone lookup editor over the classes, focused on the form.
  TdxInplaceLookupEdit* StandAlone() {
    auto* edit = static_cast<TdxInplaceLookupEdit*>(LookupEditClass(false).CreateEditor(Form));
    edit->SetParent(Form);
    edit->SetBounds(10, 10, 120, 21);
    edit->SetListSource(ClassSource);
    edit->SetKeyFieldName("Id");
    edit->SetListFieldName("Title");
    edit->SetFilterUse(true);
    ShowForm();
    edit->SetFocus();
    Pump();
    return edit;
  }

  // Settings Set gives a column of the kind (HasSet tells them) reach a copy of it and that copy's
  // editor (EditorHasSet), and RestoreDefaults takes them back.
  template <class TColumn, class TEditor>
  void ExpectSettingsTravel(const std::function<void(TColumn&)>& Set, const std::function<bool(const TColumn&)>& HasSet,
                            const std::function<bool(const TEditor&)>& EditorHasSet) {
    auto* source = Add<TColumn>("Name");
    auto* copy = Add<TColumn>("Name");
    Set(*source);
    copy->Assign(source);
    EXPECT_TRUE(HasSet(*copy)) << copy->ClassName() << ": Assign copies the settings";
    TComponentPtr<TComponent> owner = MakeComponent<TComponent>();
    auto* editor = dynamic_cast<TEditor*>(copy->GetEditorClass().CreateEditor(owner.get()));
    ASSERT_NE(editor, nullptr) << copy->ClassName();
    copy->InitEditor(editor);
    EXPECT_TRUE(EditorHasSet(*editor)) << copy->ClassName() << ": the editor takes them";
    copy->RestoreDefaults();
    EXPECT_FALSE(HasSet(*copy)) << copy->ClassName() << ": RestoreDefaults takes them back";
  }

  TMemDataSet* Classes = nullptr;
  TDataSource* ClassSource = nullptr;
  TMemDataSet* Pupils = nullptr;
};

TEST_F(FurtherColumnsTest, TheLookupSearchCompletesAndRetriesWithoutTheCharacterBefore) {
  TdxInplaceLookupEdit* edit = StandAlone();
  Type("a");
  Type("b");
  EXPECT_EQ(edit->Text(), "Abc");
  EXPECT_EQ(edit->GetSelStart(), 2);
  EXPECT_EQ(edit->GetSelLength(), 1) << "c selected";
  EXPECT_EQ(edit->KeyValue(), Variant(1));
  Type("x");
  EXPECT_EQ(edit->Text(), "Axe") << "abx finds nothing: ax is searched instead";
  EXPECT_EQ(edit->GetSelStart(), 2);
  EXPECT_EQ(edit->KeyValue(), Variant(2));
  EXPECT_EQ(edit->SearchText(), "ax");

  PressKey(VK_BACK);
  Pump();
  EXPECT_EQ(edit->SearchText(), "a") << "without CanDeleteText Backspace shortens the search";
  EXPECT_FALSE(edit->KeyValue().IsNull());
  edit->SetCanDeleteText(true);
  edit->SetSelStart(0);
  edit->SetSelLength(edit->GetTextLength());
  PressKey(VK_BACK);
  Pump();
  EXPECT_TRUE(edit->KeyValue().IsNull()) << "the whole text selected: the value is cleared";
  EXPECT_EQ(edit->Text(), "");
}

TEST_F(FurtherColumnsTest, AStandAloneLookupStepsThroughTheListAndDropsItsRows) {
  TdxInplaceLookupEdit* edit = StandAlone();
  edit->SetKeyValue(Variant(1));
  PressKey(VK_DOWN);
  Pump();
  EXPECT_EQ(edit->KeyValue(), Variant(2)) << "the next list record";
  EXPECT_EQ(edit->Text(), "Axe");
  edit->SetKeyValue(Variant(99));
  PressKey(VK_DOWN);
  Pump();
  EXPECT_EQ(edit->KeyValue(), Variant(1)) << "a key not in the list starts at the first record";

  edit->SetDropDownRows(7);
  edit->DropDown();
  Pump();
  ASSERT_TRUE(edit->PopupShown());
  EXPECT_EQ(edit->PopupList()->Items()->Count(), 3);
  const int rows = edit->PopupList()->ClientHeight() / edit->PopupList()->ItemHeight();
  EXPECT_EQ(rows, 3) << "three records drop three rows, not seven";
  EXPECT_EQ(edit->PopupList()->ItemIndex(), 0);
  edit->PopupList()->SetItemIndex(2);
  edit->CloseUp(true);
  EXPECT_EQ(edit->KeyValue(), Variant(3));
  EXPECT_EQ(edit->Text(), "Bird");
  EXPECT_EQ(Classes->RecordCount(), 3) << "a filter's editor writes no field";
}

TEST_F(FurtherColumnsTest, ALookupColumnShowsAndEditsThroughItsList) {
  Add<TdxDBGridColumn>("Name");
  auto* title = Add<TdxDBGridLookupColumn>("ClassTitle");
  Show();
  TdxTreeListNode* zhang = Grid->Items(0);
  EXPECT_EQ(zhang->Strings(title->GetIndex()), "Abc");
  EXPECT_EQ(title->GetFilterOperators(), ReducedFilterOperators);
  EXPECT_EQ(title->GetFilterValue(zhang), Variant("Abc")) << "the shown text, not the key";

  Grid->SetFocusedNodeAndColumn(zhang, Grid->GetVisibleColumnPos(title->GetIndex()), true);
  Grid->ShowEditor();
  ASSERT_EQ(Grid->State(), tlsEditing);
  auto* edit = dynamic_cast<TdxInplaceLookupEdit*>(Grid->InplaceEditor());
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->ClassName(), "TdxInplaceDBTreeListLookupEdit");
  EXPECT_TRUE(edit->IsLookupFieldMode());
  EXPECT_EQ(edit->Text(), "Abc");
  Type("b");
  EXPECT_EQ(edit->Text(), "Bird");
  EXPECT_EQ(Pupils->FieldByName("ClassId")->AsInteger(), 3) << "the key is written";
  PressKey(VK_DOWN);
  Pump();
  Pupils->First();
  EXPECT_EQ(Pupils->FieldByName("ClassId")->AsInteger(), 3) << "posted";
  EXPECT_EQ(Grid->Items(0)->Strings(title->GetIndex()), "Bird");

  TComponentPtr<TComponent> owner = MakeComponent<TComponent>();
  auto* filter = static_cast<TdxInplaceLookupEdit*>(title->CreateFilterEditor(owner.get()));
  EXPECT_EQ(filter->ClassName(), "TCustomdxFilterLookupEdit");
  EXPECT_TRUE(filter->FilterUse());
  title->SetFilterEditValue(filter, Variant(2));
  String text;
  EXPECT_EQ(title->GetFilterEditValue(filter, text), Variant(2));
  EXPECT_EQ(text, "Axe");
  EXPECT_TRUE(filter->ApplyListValue(Variant(1)));
  Pupils->First();
  EXPECT_EQ(Pupils->FieldByName("ClassId")->AsInteger(), 3) << "a filter's pick writes no field";
}

TEST_F(FurtherColumnsTest, TypedCellsPaintAndTheLookupListDrops) {
  Add<TdxDBGridSpinColumn>("No")->SetWidth(50);
  Add<TdxDBGridHyperLinkColumn>("Name")->SetWidth(70);
  auto* title = Add<TdxDBGridLookupColumn>("ClassTitle");
  title->SetWidth(80);
  Add<TdxDBGridDateColumn>("Born")->SetWidth(110);
  Add<TdxDBGridMemoColumn>("Note")->SetWidth(80);
  Grid->SetOptionsView(Grid->OptionsView() | edgoShowButtonAlways);
  Form->SetBounds(0, 0, 460, 240);
  Show();
  Grid->SetFocusedNodeAndColumn(Grid->Items(0), Grid->GetVisibleColumnPos(title->GetIndex()), true);
  Grid->ShowEditor();
  auto* edit = static_cast<TdxInplaceLookupEdit*>(Grid->InplaceEditor());
  edit->DropDown();
  Pump();
  ASSERT_TRUE(edit->PopupShown());
  RenderWindowToPng(Form->Handle(), "TypedColumns.png");
  RenderWindowToPng(edit->PopupList()->Handle(), "LookupList.png");
  EXPECT_EQ(edit->PopupList()->ItemIndex(), 0) << "the list shows the cell's record";
  // The link cell paints its text in the link colour.
  const TRect cell = Grid->GetNodeCellRect(Grid->Items(1), Grid->GetVisibleColumnPos(1));
  int blue = 0;
  for (TColor pixel : ComposedPixels(Grid->Handle(), cell)) blue += pixel == TColor(ColorToRGB(clBlue));
  EXPECT_EQ(blue, 0) << "without SingleClick the link takes the window text colour";
}

// A link that opens on a single click shows the hand over a cell that holds a link, and only then.
TEST_F(FurtherColumnsTest, ASingleClickLinkShowsTheHandOverACellWithText) {
  Pupils->AppendRecord({103, Variant::Null(), 2, Variant::Null(), Variant::Null()});
  auto* link = Add<TdxDBGridHyperLinkColumn>("Name");
  link->SetWidth(100);
  Show();
  const auto cursorOver = [&](int Row) {
    const TRect cell = Grid->GetNodeCellRect(Grid->Items(Row), Grid->GetVisibleColumnPos(link->GetIndex()));
    MouseMove(Grid, {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2});
    Pump();
    return GetCursor();
  };
  EXPECT_EQ(cursorOver(0), Screen->Cursors(crDefault)) << "without SingleClick";
  link->SetSingleClick(true);
  const HCURSOR overName = cursorOver(0);
  EXPECT_EQ(overName, Screen->Cursors(crdxHandPoint)) << "over \"Zhang\"";
  EXPECT_NE(overName, Screen->Cursors(crDefault)) << "the hand is registered";
  EXPECT_EQ(cursorOver(2), Screen->Cursors(crDefault)) << "over a pupil without a name";
}

TEST_F(FurtherColumnsTest, ADropDownColumnShowsItsButtonByItsStyleOrTheGridsDefault) {
  auto* calc = Add<TdxDBGridCalcColumn>("Score");
  struct Case {
    TdxShowButtonStyle Style;
    bool DisableEditor;
    bool Default;
    bool Shown;
  };
  const Case cases[] = {
      {sbDefault, false, true, true}, {sbDefault, false, false, false}, {sbAlways, false, false, true},
      {sbNone, false, true, false},   {sbAlways, true, true, false},
  };
  for (const Case& c : cases) {
    calc->SetShowButtonStyle(c.Style);
    calc->SetDisableEditor(c.DisableEditor);
    EXPECT_EQ(calc->GetShowButton(c.Default), c.Shown) << c.Style << c.DisableEditor << c.Default;
  }
}

TEST_F(FurtherColumnsTest, FurtherKindsKeepTheirRules) {
  auto* link = Add<TdxDBGridHyperLinkColumn>("Name");
  const std::pair<Variant, String> exports[] = {
      {Variant("abc"), "<a href=\"abc\">abc</a>"},
      {Variant::Null(), "<a href=\"\"></a>"},
      {Variant("x\" onclick=\"y<&>"), "<a href=\"x&quot; onclick=&quot;y&lt;&amp;&gt;\">x&quot; onclick=&quot;y&lt;&amp;&gt;</a>"},
  };
  for (const auto& [value, html] : exports) {
    Variant exported = value;
    EXPECT_TRUE(link->ConvertExportValue(exported, true));
    EXPECT_EQ(VarToStr(exported), html);
  }
  EXPECT_EQ(link->EditBackgroundColor(), clWhite);
  EXPECT_EQ(link->EditFontColor(), clBlue);
  EXPECT_EQ(link->StartKey(), 16397);

  auto* note = Add<TdxDBGridMemoColumn>("Note");
  note->SetMaxDisplayLength(6);
  auto* born = Add<TdxDBGridTimeColumn>("Born");
  Show();
  EXPECT_TRUE(note->DisableFilter());
  EXPECT_EQ(Grid->Items(0)->Strings(note->GetIndex()), "a long") << "MaxDisplayLength characters";

  Grid->SetFocusedNodeAndColumn(Grid->Items(0), Grid->GetVisibleColumnPos(born->GetIndex()), true);
  Grid->ShowEditor();
  auto* time = dynamic_cast<TdxInplaceTimeEdit*>(Grid->InplaceEditor());
  ASSERT_NE(time, nullptr);
  EXPECT_DOUBLE_EQ(time->GetTime(), 0.375) << "09:00";
  Pupils->Edit();
  time->SetTime(EncodeTime(14, 30, 0, 0));
  born->ApplyEditValue(Grid->Items(0), time);
  EXPECT_DOUBLE_EQ(Pupils->FieldByName("Born")->AsDateTime(), EncodeDate(2020, 3, 2) + EncodeTime(14, 30, 0, 0))
      << "2 March 2020 keeps its date";
  Pupils->Cancel();
}

TEST_F(FurtherColumnsTest, SpinLimitsButtonsBlobKindsMRUAndWrapper) {
  auto* spin = Add<TdxDBGridSpinColumn>("No");
  EXPECT_FALSE(spin->IsMinValueStored());
  EXPECT_FALSE(spin->IsMaxValueStored());
  Grid->SetDataSource(Source);
  static_cast<TNumericField*>(Pupils->FieldByName("No"))->SetMaxValue(999);
  EXPECT_EQ(spin->MaxValue(), 999) << "the field's own limit while none is assigned";
  spin->SetMaxValue(999);
  EXPECT_FALSE(spin->IsMaxValueStored()) << "equal to the field's: not stored";
  spin->SetMaxValue(500);
  EXPECT_TRUE(spin->IsMaxValueStored());

  auto* button = Add<TdxDBGridButtonColumn>("Name");
  ASSERT_EQ(button->Buttons()->Count(), 1);
  EXPECT_EQ(button->Buttons()->Items(0)->Kind(), bkEllipsis);
  button->SetEditButtonStyle(ebsDown);
  EXPECT_EQ(button->Buttons()->Items(0)->Kind(), bkDown);
  button->SetEditButtonStyle(ebsSimple);
  EXPECT_EQ(button->Buttons()->Count(), 0) << "simple: no button";
  button->SetEditButtonStyle(ebsGlyph);
  ASSERT_EQ(button->Buttons()->Count(), 1);
  EXPECT_EQ(button->Buttons()->Items(0)->Kind(), bkGlyph);

  const std::tuple<TdxBlobKind, TFieldType, TdxBlobEditKind> kinds[] = {
      {bkAuto, ftMemo, bekMemo},     {bkAuto, ftFmtMemo, bekMemo}, {bkAuto, ftGraphic, bekPict},
      {bkAuto, ftParadoxOle, bekOle}, {bkAuto, ftBlob, bekBlob},    {bkMemo, ftBlob, bekMemo},
      {bkPict, ftMemo, bekPict},     {bkOle, ftMemo, bekOle},      {bkBlob, ftGraphic, bekBlob},
  };
  for (const auto& [kind, type, editKind] : kinds) EXPECT_EQ(BlobEditKindOf(kind, type), editKind);

  auto* mru = Add<TdxDBGridMRUColumn>("Name");
  EXPECT_FALSE(mru->ImmediateDropDown());
  EXPECT_EQ(mru->MaxItemCount(), 7);
  TComponentPtr<TComponent> owner = MakeComponent<TComponent>();
  auto* edit = static_cast<TdxInplaceMRUEdit*>(mru->GetEditorClass().CreateEditor(owner.get()));
  mru->InitEditor(edit);
  edit->AddItem("Wang");
  Pupils->Edit();
  edit->SetEditValue("Wang");
  mru->ApplyEditValue(Grid->Items(0), edit);
  Pupils->Cancel();
  EXPECT_EQ(mru->Items()->Count(), 1) << "the recent texts come back to the column";
  EXPECT_EQ((*mru->Items())[0], "Wang");

  auto* wrapper = Add<TdxDBGridWrapperColumn>("Name");
  EXPECT_EQ(wrapper->GetEditorClass().ClassName(), "TdxInplaceTreeListTextEdit") << "no reference: plain";
  EXPECT_EQ(wrapper->GetDisplayText(Grid->Items(0)), "Zhang");
  wrapper->OnGetReferenceColumn = [&](TObject*, TdxTreeListNode*, TdxDBTreeListColumn*& Column) { Column = button; };
  EXPECT_EQ(wrapper->GetEditorClass().ClassName(), "TdxInplaceDBTreeListButtonEdit");
  EXPECT_EQ(wrapper->GetIndex(), Grid->GetColumnCount() - 1);
}

TEST_F(FurtherColumnsTest, EveryKindCopiesHandsOverAndRestoresItsEditorSettings) {
  ExpectSettingsTravel<TdxDBGridDateColumn, TdxInplaceDateEdit>(
      [](auto& c) { c.SetDateOnError(deNull); c.SetSaveTime(false); },
      [](const auto& c) { return c.DateOnError() == deNull && !c.SaveTime(); },
      [](const auto& e) { return e.DateOnError() == deNull && !e.SaveTime(); });
  ExpectSettingsTravel<TdxDBGridPickColumn, TdxInplacePickEdit>(
      [](auto& c) { c.SetCanDeleteText(true); c.SetRevertable(true); },
      [](const auto& c) { return c.CanDeleteText() && c.Revertable(); },
      [](const auto& e) { return e.CanDeleteText() && e.Revertable(); });
  ExpectSettingsTravel<TdxDBGridLookupColumn, TdxInplaceLookupEdit>(
      [](auto& c) { c.SetClearKey(46); c.SetCanDeleteText(true); },
      [](const auto& c) { return c.ClearKey() == 46 && c.CanDeleteText(); },
      [](const auto& e) { return e.ClearKey() == 46 && e.CanDeleteText(); });
  ExpectSettingsTravel<TdxDBGridCheckColumn, TdxInplaceCheckEdit>(
      [](auto& c) { c.SetAllowGrayed(true); c.SetGlyphCount(3); },
      [](const auto& c) { return c.AllowGrayed() && c.GlyphCount() == 3; },
      [](const auto& e) { return e.AllowGrayed() && e.GlyphCount() == 3; });
  ExpectSettingsTravel<TdxDBGridMemoColumn, TdxInplaceMemoEdit>(
      [](auto& c) { c.SetScrollBars(ssVertical); c.SetWordWrap(false); },
      [](const auto& c) { return c.ScrollBars() == ssVertical && !c.WordWrap(); },
      [](const auto& e) { return e.ScrollBars() == ssVertical && !e.WordWrap(); });
  ExpectSettingsTravel<TdxDBGridButtonColumn, TdxInplaceButtonEdit>(
      [](auto& c) { c.SetClickKey(113); }, [](const auto& c) { return c.ClickKey() == 113; },
      [](const auto& e) { return e.ClickKey() == 113; });
  ExpectSettingsTravel<TdxDBGridHyperLinkColumn, TdxInplaceHyperLinkEdit>(
      [](auto& c) { c.SetSingleClick(true); c.SetStartKey(113); },
      [](const auto& c) { return c.SingleClick() && c.StartKey() == 113; },
      [](const auto& e) { return e.SingleClick() && e.StartKey() == 113; });
  ExpectSettingsTravel<TdxDBGridMRUColumn, TdxInplaceMRUEdit>(
      [](auto& c) { c.SetMaxItemCount(3); c.SetShowEllipsis(false); },
      [](const auto& c) { return c.MaxItemCount() == 3 && !c.ShowEllipsis(); },
      [](const auto& e) { return e.MaxItemCount() == 3 && !e.ShowEllipsis(); });
  ExpectSettingsTravel<TdxDBGridSpinColumn, TdxInplaceSpinEdit>(
      [](auto& c) { c.SetIncrement(5); c.SetEditorEnabled(false); },
      [](const auto& c) { return c.Increment() == 5 && !c.EditorEnabled(); },
      [](const auto& e) { return e.Increment() == 5 && !e.EditorEnabled(); });
  ExpectSettingsTravel<TdxDBGridCalcColumn, TdxInplaceCalcEdit>(
      [](auto& c) { c.SetPrecision(5); c.SetQuickClose(true); },
      [](const auto& c) { return c.Precision() == 5 && c.QuickClose(); },
      [](const auto& e) { return e.Precision() == 5 && e.QuickClose(); });
  ExpectSettingsTravel<TdxDBGridTimeColumn, TdxInplaceTimeEdit>(
      [](auto& c) { c.SetTimeEditFormat(tfHourMin); c.SetUseCtrlIncrement(true); },
      [](const auto& c) { return c.TimeEditFormat() == tfHourMin && c.UseCtrlIncrement(); },
      [](const auto& e) { return e.TimeEditFormat() == tfHourMin && e.UseCtrlIncrement(); });
  ExpectSettingsTravel<TdxDBGridCurrencyColumn, TdxInplaceCurrencyEdit>(
      [](auto& c) { c.SetDecimalPlaces(4); c.SetNullable(true); c.SetNullString("none"); },
      [](const auto& c) { return c.DecimalPlaces() == 4 && c.Nullable() && c.NullString() == "none"; },
      [](const auto& e) { return e.DecimalPlaces() == 4 && e.Nullable() && e.NullString() == "none"; });
  ExpectSettingsTravel<TdxDBGridImageColumn, TdxInplaceImageEdit>(
      [](auto& c) { c.SetIncremental(true); c.SetShowDescription(true); },
      [](const auto& c) { return c.Incremental() && c.ShowDescription(); },
      [](const auto& e) { return e.Incremental() && e.ShowDescription(); });
  ExpectSettingsTravel<TdxDBGridGraphicColumn, TdxInplaceGraphicEdit>(
      [](auto& c) { c.SetQuickDraw(true); c.SetCustomFilter("*.bmp"); },
      [](const auto& c) { return c.QuickDraw() && c.CustomFilter() == "*.bmp"; },
      [](const auto& e) { return e.QuickDraw() && e.CustomFilter() == "*.bmp"; });
  ExpectSettingsTravel<TdxDBGridBlobColumn, TdxInplaceBlobEdit>(
      [](auto& c) { c.SetPictureFilter("*.bmp"); c.SetSizeablePopup(false); c.SetPopupWidth(300); },
      [](const auto& c) { return c.PictureFilter() == "*.bmp" && !c.SizeablePopup() && c.PopupWidth() == 300; },
      [](const auto& e) { return e.PictureFilter() == "*.bmp" && !e.SizeablePopup() && e.PopupWidth() == 300; });
}

TEST_F(FurtherColumnsTest, EveryColumnClassIsRegisteredAndFieldsGetTheirKind) {
  const char* kinds[] = {"Mask", "Memo", "DropDown", "Date", "Button", "Check", "Image", "Spin", "Pick", "Calc",
                         "HyperLink", "Time", "Currency", "Graphic", "Lookup", "Blob", "MRU", "Wrapper"};
  int grid = 0, treeList = 0;
  for (const char* kind : kinds) {
    treeList += GetClass("TdxDBTreeList" + String(kind) + "Column") != nullptr;
    if (String(kind) != "DropDown") grid += GetClass("TdxDBGrid" + String(kind) + "Column") != nullptr;
  }
  EXPECT_EQ(treeList + (GetClass("TdxDBTreeListColumn") != nullptr), 19);
  EXPECT_EQ(grid + (GetClass("TdxDBGridColumn") != nullptr), 18);

  auto* calculated = new TStringField(Form);
  calculated->SetFieldName("Calc");
  calculated->SetFieldKind(fkCalculated);
  Pupils->Close();
  calculated->SetDataSet(Pupils);
  auto* free = new TBooleanField(Form);
  free->SetFieldName("Free");
  Pupils->FieldDefs().Add("Free", ftBoolean);
  free->SetDataSet(Pupils);
  Pupils->Open();
  Grid->SetOptionsDB(Grid->OptionsDB() & ~edgoLoadAllRecords);
  Grid->SetDataSource(Source);
  Grid->SetDefaultFields(true);
  std::map<String, String> classes;
  for (int i = 0; i < Grid->GetColumnCount(); ++i)
    classes[Grid->DBColumn(i)->FieldName()] = Grid->DBColumn(i)->ClassName();
  EXPECT_EQ(classes["No"], "TdxDBGridMaskColumn");
  EXPECT_EQ(classes["Name"], "TdxDBGridMaskColumn");
  EXPECT_EQ(classes["Born"], "TdxDBGridDateColumn");
  EXPECT_EQ(classes["Note"], "TdxDBGridMemoColumn");
  EXPECT_EQ(classes["ClassTitle"], "TdxDBGridLookupColumn");
  EXPECT_EQ(classes["Calc"], "TdxDBGridColumn") << "a calculated field gets the plain column";
  EXPECT_EQ(classes["Free"], "TdxDBGridCheckColumn");
}

TEST(ColumnClassTableTest, AChooserWinsOnlyWithAHigherPriority) {
  const auto classNamed = [](const char* Name) {
    return [Name](TComponent* Owner) -> TdxTreeListColumn* {
      auto* column = new TdxDBTreeListColumn(Owner);
      column->SetName(Name);
      return column;
    };
  };
  TdxColumnClassTable table(classNamed("Plain"));
  const auto nameOf = [](const TdxTreeListColumnClass& Class) {
    TComponentPtr<TComponent> owner = MakeComponent<TComponent>();
    return Class(owner.get())->Name();
  };
  table.RegisterChooser([&](TFieldType Type, TFieldKind, TdxTreeListColumnClass& Class, int& Priority) {
    if (Type == ftBoolean) Class = classNamed("Zero"), Priority = 0;
  });
  EXPECT_EQ(nameOf(table.TypeEntry(ftBoolean).Class), "Plain") << "priority 0 changes nothing";
  table.RegisterChooser([&](TFieldType Type, TFieldKind, TdxTreeListColumnClass& Class, int& Priority) {
    if (Type == ftBoolean) Class = classNamed("One"), Priority = 1;
  });
  table.RegisterChooser([&](TFieldType Type, TFieldKind, TdxTreeListColumnClass& Class, int& Priority) {
    if (Type == ftBoolean) Class = classNamed("AlsoOne"), Priority = 1;
  });
  EXPECT_EQ(nameOf(table.TypeEntry(ftBoolean).Class), "One") << "an equal priority does not replace it";
  table.RegisterChooser([&](TFieldType Type, TFieldKind Kind, TdxTreeListColumnClass& Class, int& Priority) {
    if (Type == ftBoolean || Kind == fkLookup) Class = classNamed("Two"), Priority = 2;
  });
  EXPECT_EQ(nameOf(table.TypeEntry(ftBoolean).Class), "Two");
  EXPECT_EQ(nameOf(table.LookupEntry().Class), "Two");
  EXPECT_EQ(table.TypeEntry(ftBoolean).Priority, 2);
  table.Reset();
  EXPECT_EQ(nameOf(table.TypeEntry(ftBoolean).Class), "Plain");
}

TEST_F(FurtherColumnsTest, TheGridsGroupingAndSwitchesGoThroughTheLayoutStore) {
  Form->SetName("fmMain");
  Add<TdxDBGridColumn>("Name")->SetName("clmName");
  TdxDBGridColumn* no = Add<TdxDBGridColumn>("No");
  no->SetName("clmNo");
  Show();
  no->SetGroupIndex(0);
  Grid->SetShowGroupPanel(true);
  Grid->SetShowRowFooter(true);
  TempDir dir;
  const String file = dir.File("grid.ini");
  Grid->SaveLayoutToIniFile(file);
  TMemIniFile ini(file);
  EXPECT_EQ(ini.ReadString("\\fmMain_dgPupils\\Columns\\clmNo", "GroupIndex", "(none)"), "0");
  EXPECT_EQ(ini.ReadString("\\fmMain_dgPupils", "ShowGroupPanel", "(none)"), "1");
  EXPECT_EQ(ini.ReadString("\\fmMain_dgPupils", "ShowNewItemRow", "(none)"), "0");
  EXPECT_EQ(ini.ReadString("\\fmMain_dgPupils", "ShowSummaryFooter", "(none)"), "0");

  no->SetGroupIndex(-1);
  Grid->SetShowGroupPanel(false);
  Grid->SetShowRowFooter(false);
  Grid->SetShowSummaryFooter(true);
  Grid->LoadLayoutFromIniFile(file);
  EXPECT_EQ(no->GroupIndex(), 0) << "reading the index groups again";
  EXPECT_EQ(Grid->GroupColumnCount(), 1);
  EXPECT_TRUE(Grid->ShowGroupPanel());
  EXPECT_TRUE(Grid->ShowRowFooter());
  EXPECT_FALSE(Grid->ShowSummaryFooter());

  Grid->SaveLayoutToRegistry("Software\\Quorin\\Layouts\\dgPupils");
  no->SetGroupIndex(-1);
  Grid->SetShowGroupPanel(false);
  Grid->LoadLayoutFromRegistry("Software\\Quorin\\Layouts\\dgPupils");
  EXPECT_EQ(no->GroupIndex(), 0);
  EXPECT_TRUE(Grid->ShowGroupPanel());

  // A layout without the grid's values keeps what is set.
  const String bare = dir.File("bare.ini");
  {
    TMemIniFile partial(bare);
    partial.WriteInteger("\\fmMain_dgPupils", "DefaultRowHeight", 22);
    partial.UpdateFile();
  }
  Grid->LoadLayoutFromIniFile(bare);
  EXPECT_EQ(no->GroupIndex(), 0);
  EXPECT_TRUE(Grid->ShowGroupPanel());
  EXPECT_TRUE(Grid->ShowRowFooter());
}

}  // namespace
