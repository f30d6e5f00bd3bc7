// Data-aware controls over an in-memory data set: they show the current record and follow
// scrolling, typing puts the data set into edit state and the text reaches the field on post or
// on leaving the control, and nothing can be typed while the field or the data set is read-only.
#include "ControlsTestKit.h"
#include "classes/Filer.h"
#include "controls/DBCtrls.h"
#include "data/MemDataSet.h"

namespace {

class DBControls : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    Data = new TMemDataSet(Form);
    Data->SetName("dsStudents");
    Data->FieldDefs().Add("Fd_StuNo", ftInteger);
    Data->FieldDefs().Add("Fd_Name", ftString, 10);
    Data->FieldDefs().Add("Fd_Address", ftMemo);
    Data->FieldDefs().Add("Fd_FreeSign", ftBoolean);
    Data->FieldDefs().Add("Fd_Sex", ftString, 5);
    Data->Open();
    Data->AppendRecord({1001, "Zhang", "北京路1号", true, "True"});
    Data->AppendRecord({1002, "Li", "南京路2号", false, "False"});
    Data->AppendRecord({1003, "Wang", "", Variant::Null(), "?"});
    Data->First();
    Source = new TDataSource(Form);
    Source->SetName("Source");
    Source->SetDataSet(Data);
  }
  template <class T>
  T* Add(const String& Name, const String& Field, int Top) {
    auto* control = new T(Form);
    control->SetName(Name);
    control->SetParent(Form);
    control->SetBounds(10, Top, 150, 24);
    control->SetDataSource(Source);
    control->SetDataField(Field);
    return control;
  }
  String Value(const String& Field) { return Data->FieldByName(Field)->AsString(); }

  TMemDataSet* Data = nullptr;
  TDataSource* Source = nullptr;
};

TEST_F(DBControls, AnEditShowsTheCurrentRecordAndFollowsScrolling) {
  TDBEdit* name = Add<TDBEdit>("edtName", "Fd_Name", 10);
  TDBEdit* number = Add<TDBEdit>("edtNo", "Fd_StuNo", 40);
  EXPECT_EQ(name->Text(), "Zhang");
  EXPECT_EQ(number->Text(), "1001");
  EXPECT_EQ(name->MaxLength(), 10);
  Data->Next();
  EXPECT_EQ(name->Text(), "Li");
  Data->Last();
  EXPECT_EQ(number->Text(), "1003");
  Data->Close();
  EXPECT_EQ(name->Text(), "");
  Data->Open();
  EXPECT_EQ(name->Text(), "Zhang");
  EXPECT_TRUE(name->TextBox().ReadOnly());  // not editing yet
}

TEST_F(DBControls, TypingEditsTheRecordAndThePostWritesTheText) {
  TDBEdit* name = Add<TDBEdit>("edtName", "Fd_Name", 10);
  ShowForm();
  ASSERT_TRUE(name->Focused());
  name->SelectAll();
  TypeText("Zhao");
  Pump();
  EXPECT_EQ(Data->State(), dsEdit);
  EXPECT_EQ(name->Text(), "Zhao");
  EXPECT_EQ(Value("Fd_Name"), "Zhang");  // still in the control only
  Data->Post();
  EXPECT_EQ(Value("Fd_Name"), "Zhao");
  Data->Next();
  Data->Prior();
  EXPECT_EQ(name->Text(), "Zhao");
}

TEST_F(DBControls, LeavingTheEditWritesTheFieldAndEscapeRestoresIt) {
  TDBEdit* name = Add<TDBEdit>("edtName", "Fd_Name", 10);
  TDBEdit* sex = Add<TDBEdit>("edtSex", "Fd_Sex", 40);
  ShowForm();
  name->SelectAll();
  TypeText("Qian");
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_EQ(name->Text(), "Zhang");
  name->SelectAll();
  TypeText("Sun");
  PressKey(VK_TAB);
  Pump();
  EXPECT_TRUE(sex->Focused());
  EXPECT_EQ(Value("Fd_Name"), "Sun");
  EXPECT_EQ(Data->State(), dsEdit);
  Data->Cancel();
  EXPECT_EQ(name->Text(), "Zhang");
}

TEST_F(DBControls, NothingIsTypedWhileTheFieldTheDataSetOrTheControlIsReadOnly) {
  TDBEdit* name = Add<TDBEdit>("edtName", "Fd_Name", 10);
  TDBEdit* number = Add<TDBEdit>("edtNo", "Fd_StuNo", 40);
  ShowForm();
  const std::vector<std::function<void(bool)>> makeReadOnly = {
      [&](bool on) { Data->FieldByName("Fd_Name")->SetReadOnly(on); },
      [&](bool on) { Data->SetReadOnly(on); },
      [&](bool on) { name->SetReadOnly(on); },
  };
  for (const auto& readOnly : makeReadOnly) {
    readOnly(true);
    name->SetFocus();
    TypeText("X");
    Pump();
    EXPECT_EQ(Data->State(), dsBrowse);
    EXPECT_EQ(name->Text(), "Zhang");
    readOnly(false);
  }
  // A number field takes digits only.
  number->SetFocus();
  number->SelectAll();
  TypeText("1a2");
  Pump();
  EXPECT_EQ(number->Text(), "12");
  Data->Post();
  EXPECT_EQ(Data->FieldByName("Fd_StuNo")->AsInteger(), 12);
}

TEST_F(DBControls, AMemoShowsAndWritesItsField) {
  TDBMemo* address = Add<TDBMemo>("mmoAddress", "Fd_Address", 10);
  EXPECT_EQ(address->Text(), "北京路1号");
  Data->Next();
  EXPECT_EQ(address->Text(), "南京路2号");
  ShowForm();
  address->SetFocus();
  address->SelectAll();
  TypeText("A");
  PressKey(VK_RETURN);
  TypeText("B");
  Pump();
  Data->Post();
  EXPECT_EQ(Value("Fd_Address"), address->Text());
  EXPECT_EQ(address->Lines()->Count(), 2);
}

TEST_F(DBControls, ACheckBoxFollowsBooleanAndTextFields) {
  TDBCheckBox* free = Add<TDBCheckBox>("chkFree", "Fd_FreeSign", 10);
  TDBCheckBox* sex = Add<TDBCheckBox>("chkSex", "Fd_Sex", 40);
  EXPECT_EQ(free->State(), cbChecked);
  EXPECT_EQ(sex->State(), cbChecked);  // "True" is the checked value
  Data->Next();
  EXPECT_EQ(free->State(), cbUnchecked);
  EXPECT_EQ(sex->State(), cbUnchecked);
  Data->Next();
  EXPECT_EQ(free->State(), cbGrayed);  // null
  EXPECT_EQ(sex->State(), cbGrayed);   // neither value

  Data->First();
  ShowForm();
  Click(free, {5, 5});
  Click(sex, {5, 5});
  Pump();
  EXPECT_EQ(Data->State(), dsEdit);
  Data->Post();
  EXPECT_FALSE(Data->FieldByName("Fd_FreeSign")->AsBoolean());
  EXPECT_EQ(Value("Fd_Sex"), "False");

  sex->SetValueChecked("男;M");
  sex->SetValueUnchecked("女");
  Data->Edit();
  Data->FieldByName("Fd_Sex")->SetAsString("M");
  EXPECT_EQ(sex->State(), cbChecked);
}

TEST_F(DBControls, AComboBoxShowsTheFieldAndAPickEditsTheRecord) {
  TDBComboBox* sex = Add<TDBComboBox>("cbSex", "", 10);
  sex->SetStyle(csDropDownList);
  for (const char* item : {"True", "False"}) sex->Items()->Add(item);
  sex->SetDataField("Fd_Sex");
  EXPECT_EQ(sex->ItemIndex(), 0);
  Data->Next();
  EXPECT_EQ(sex->ItemIndex(), 1);
  Data->Next();
  EXPECT_EQ(sex->ItemIndex(), -1);  // "?" is no item
  Data->First();
  ShowForm();
  sex->SetFocus();
  PressKey(VK_DOWN);
  Pump();
  EXPECT_EQ(Data->State(), dsEdit);
  EXPECT_EQ(sex->ItemIndex(), 1);
  Data->Post();
  EXPECT_EQ(Value("Fd_Sex"), "False");

  // A read-only data set refuses the pick.
  Data->SetReadOnly(true);
  PressKey(VK_UP);
  Pump();
  EXPECT_EQ(Data->State(), dsBrowse);
  EXPECT_EQ(sex->ItemIndex(), 1);
}

class LookupControls : public DBControls {
 protected:
  void SetUp() override {
    DBControls::SetUp();
    Terms = new TMemDataSet(Form);
    Terms->FieldDefs().Add("Fd_TermID", ftInteger);
    Terms->FieldDefs().Add("Fd_TermName", ftString, 20);
    Terms->Open();
    Terms->AppendRecord({1, "2025学年第一学期"});
    Terms->AppendRecord({2, "2025学年第二学期"});
    Terms->AppendRecord({3, "2026学年第一学期"});
    Terms->First();
    TermSource = new TDataSource(Form);
    TermSource->SetDataSet(Terms);
    Lookup = new TDBLookupComboBox(Form);
    Lookup->SetParent(Form);
    Lookup->SetBounds(10, 100, 150, 24);
    Lookup->SetListSource(TermSource);
    Lookup->SetKeyField("Fd_TermID");
    Lookup->SetListField("Fd_TermName");
  }
  TMemDataSet* Terms = nullptr;
  TDataSource* TermSource = nullptr;
  TDBLookupComboBox* Lookup = nullptr;
};

TEST_F(LookupControls, WithoutADataFieldItListsAndPickingMovesTheListDataSet) {
  ASSERT_EQ(Lookup->Items()->Count(), 3);
  EXPECT_EQ(Lookup->Items()->Strings(2), "2026学年第一学期");
  EXPECT_EQ(Terms->FieldByName("Fd_TermID")->AsInteger(), 1);  // reading the list left it in place
  EXPECT_TRUE(Lookup->KeyValue().IsNull());
  ShowForm();
  Lookup->SetFocus();
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  Pump();
  EXPECT_EQ(Lookup->ItemIndex(), 1);
  EXPECT_EQ(Lookup->KeyValue().AsInteger(), 2);
  EXPECT_EQ(Terms->FieldByName("Fd_TermName")->AsString(), "2025学年第二学期");

  // New records of the list show once posted.
  Terms->AppendRecord({4, "2026学年第二学期"});
  EXPECT_EQ(Lookup->Items()->Count(), 4);
  EXPECT_EQ(Lookup->ItemIndex(), 1);
}

TEST_F(LookupControls, WithADataFieldTheKeyIsTheFieldsValue) {
  Lookup->SetDataSource(Source);
  Lookup->SetDataField("Fd_StuNo");  // keys 1..3 stand in for the term of each record
  EXPECT_EQ(Lookup->ItemIndex(), -1);  // 1001 is no key
  Data->Edit();
  Data->FieldByName("Fd_StuNo")->SetAsInteger(3);
  EXPECT_EQ(Lookup->ItemIndex(), 2);
  Data->Post();
  ShowForm();
  Lookup->SetFocus();
  PressKey(VK_UP);
  Pump();
  EXPECT_EQ(Data->State(), dsEdit);
  Data->Post();
  EXPECT_EQ(Data->FieldByName("Fd_StuNo")->AsInteger(), 2);
  EXPECT_EQ(Terms->FieldByName("Fd_TermID")->AsInteger(), 2);
}

TEST_F(DBControls, ALayoutBindsControlsToTheirDataSourceAndField) {
  const String layout = R"(object StuForm: TForm
  object Source: TDataSource
  end
  Left = 100
  Top = 100
  Width = 260
  Height = 150
  Caption = '学生信息'
  object edtName: TDBEdit
    Left = 10
    Top = 10
    Width = 150
    Height = 21
    DataSource = Source
    DataField = 'Fd_Name'
  end
  object mmoAddress: TDBMemo
    Left = 10
    Top = 40
    Width = 150
    Height = 40
    DataSource = Source
    DataField = 'Fd_Address'
  end
  object chkFree: TDBCheckBox
    Left = 10
    Top = 90
    Width = 150
    Height = 17
    Caption = '免考'
    DataSource = Source
    DataField = 'Fd_FreeSign'
    ValueChecked = 'Y'
  end
end
)";
  TCustomForm* form = TCustomForm::Create<TForm>(Application);
  ReadLayout(layout, form);
  auto* source = dynamic_cast<TDataSource*>(form->FindComponent("Source"));
  auto* name = dynamic_cast<TDBEdit*>(form->FindComponent("edtName"));
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->DataSource(), source);
  EXPECT_EQ(name->DataField(), "Fd_Name");
  source->SetDataSet(Data);
  EXPECT_EQ(name->Text(), "Zhang");
  EXPECT_EQ(dynamic_cast<TDBCheckBox*>(form->FindComponent("chkFree"))->ValueChecked(), "Y");
  form->Show();
  Pump();
  RenderWindowToPng(form->Handle(), "DBControls.png");
}

}  // namespace
