// Lookups by name from templates: components of the report's owner and of the program's forms
// and data modules, data sets behind record sources and data sources, field values as reports
// print them; the control under a point, enabling control groups, and the engine's shared objects.
#include "ReportTestKit.h"

#include "controls/Edit.h"
#include "controls/Label.h"
#include "controls/Panel.h"
#include "data/MemDataSet.h"
#include "report/FR_Ctrls.h"
#include "report/FR_DBSet.h"
#include "report/FR_Lookup.h"
#include "rtl/Lists.h"
#include "support/FormFixture.h"

namespace {

class LookupTest : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    frResetState();
    RegisterReportClasses();
    // A data module of the application with a report, a query and the record source over it.
    Module = new TComponent(Application);
    Module->SetName("dmGym");
    Report = new TfrReport(Module);
    Query = new TMemDataSet(Module);
    Query->SetName("adqprint");
    Query->FieldDefs().Add("Fd_Name", ftString, 20);
    Query->FieldDefs().Add("Fd_Free", ftBoolean);
    Query->FieldDefs().Add("Fd_Score", ftFloat);
      Query->CreateDataSet();
    Query->AppendRecord({Variant::Null(), Variant::Null(), Variant::Null()});
    auto* source = new TfrDBDataSet(Module);
    source->SetName("dbsPrint");
    source->SetDataSet(Query);
    auto* link = new TDataSource(Module);
    link->SetName("dsPrint");
    link->SetDataSet(Query);
    frState().ActiveReport = Report;
  }
  void TearDown() override {
    frResetState();
    TControlsTest::TearDown();
  }
  TComponent* Module = nullptr;
  TfrReport* Report = nullptr;
  TMemDataSet* Query = nullptr;
};

TEST_F(LookupTest, ComponentsAreFoundOnTheOwnerAndTheProgramsModulesRegardlessOfCase) {
  EXPECT_EQ(frFindComponent(Module, "ADQPRINT"), Query);
  EXPECT_EQ(frFindComponent(nullptr, "adqprint"), nullptr);
  EXPECT_EQ(frFindComponent(Module, "dmgym.adqPrint"), Query);
  auto* inner = new TComponent(Query);
  inner->SetName("Inner");
  EXPECT_EQ(frFindComponent(Module, "dmGym.adqprint.inner"), inner);
  EXPECT_EQ(frFindComponent(Module, "Form1.adqprint"), nullptr);
  EXPECT_EQ(frFindComponent(Module, "a.b.c.d"), nullptr);
}

TEST_F(LookupTest, FieldReferencesNameTheirDataSetsThroughRecordSourcesAndDataSources) {
  struct Case {
    const char* Text;
    const char* Field;
  };
  for (const Case& c : {Case{"adqPrint.\"Fd_Name\"", "Fd_Name"}, Case{"dbsPrint.\"Fd_Name\"", "Fd_Name"},
                        Case{"dsPrint.Fd_Score", "Fd_Score"}, Case{"dmGym.adqprint.\"Fd_Name\"", "Fd_Name"},
                        Case{"dmGym.dbsPrint.Fd_Score", "Fd_Score"}, Case{"adqprint.\"Fd_None\"", ""}}) {
    TDataSet* dataSet = nullptr;
    String field = "?";
    frGetDataSetAndField(c.Text, dataSet, field);
    EXPECT_EQ(dataSet, Query) << c.Text;
    EXPECT_EQ(field, c.Field) << c.Text;
  }
  TDataSet* given = Query;
  String field;
  frGetDataSetAndField("\"Fd_Score\"", given, field);
  EXPECT_EQ(field, "Fd_Score");
  TDataSet* none = nullptr;
  frGetDataSetAndField("Fd_Score", none, field);
  EXPECT_EQ(field, "");
  EXPECT_EQ(frCheckFieldName(Query, "fd_name"), "fd_name");
  EXPECT_EQ(frCheckFieldName(Query, "nope"), "");
}

TEST_F(LookupTest, FieldValuesPrintNullsByTheFieldsKind) {
  Query->First();
  EXPECT_EQ(VarType(frGetFieldValue(Query->FieldByName("Fd_Name"))), varString);
  EXPECT_EQ(frGetFieldValue(Query->FieldByName("Fd_Name")).AsString(), "");
  EXPECT_EQ(VarType(frGetFieldValue(Query->FieldByName("Fd_Free"))), varBoolean);
  EXPECT_FALSE(frGetFieldValue(Query->FieldByName("Fd_Free")).AsBoolean());
  EXPECT_EQ(frGetFieldValue(Query->FieldByName("Fd_Score")).AsInteger(), 0);
  Query->FieldByName("Fd_Score")->OnGetText = [](TField*, String& text, bool) { text = "缺考"; };
  EXPECT_EQ(frGetFieldValue(Query->FieldByName("Fd_Score")).AsString(), "缺考");
}

TEST_F(LookupTest, TheControlUnderAPointIsTheTopmostLeafAndEnablingRecolours) {
  auto* label = Add<TLabel>("lbl", Bounds(0, 0, 200, 100));  // beneath the others
  label->SetAutoSize(false);
  label->SetBoundsRect(Bounds(0, 0, 200, 100));
  auto* panel = Add<TPanel>("pnl", Bounds(10, 10, 100, 60));
  auto* edit = Add<TEdit>("edt", Bounds(5, 5, 40, 20), panel);
  auto* top = Add<TEdit>("top", Bounds(150, 0, 40, 20));
  ShowForm();
  EXPECT_EQ(frControlAtPoint(Form, {20, 20}), edit);   // inside the panel, on its edit
  EXPECT_EQ(frControlAtPoint(Form, {90, 60}), label);  // the panel's empty area lets the label answer
  EXPECT_EQ(frControlAtPoint(Form, {160, 5}), top);
  top->Hide();
  EXPECT_EQ(frControlAtPoint(Form, {160, 5}), label);
  EXPECT_EQ(frControlAtPoint(Form, {250, 150}), nullptr);

  frEnableControls({label, edit}, false);
  EXPECT_EQ(label->Font()->Color(), clGrayText);
  EXPECT_EQ(edit->Color(), clBtnFace);
  EXPECT_FALSE(edit->Enabled());
  frEnableControls({label, edit}, true);
  EXPECT_EQ(label->Font()->Color(), clWindowText);
  EXPECT_EQ(edit->Color(), clWindow);
  EXPECT_TRUE(label->Enabled());
}

TEST_F(LookupTest, TheEnginesSharedObjects) {
  TForm* form = frDialogForm();
  EXPECT_EQ(form->Name(), "DialogForm");
  EXPECT_EQ(form->Owner(), Application);
  EXPECT_EQ(form->BoundsRect(), Bounds(-100, -100, 10, 10));
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(frDialogForm(), form);

  const TBitmap& checker = frCheckerBitmap();
  EXPECT_EQ(checker.Width(), 8);
  auto pixel = [&](int x, int y) { return const_cast<TBitmap&>(checker).Canvas()->Pixel(x, y); };
  EXPECT_EQ(pixel(0, 0), ColorToRGB(clBtnFace));
  EXPECT_EQ(pixel(1, 0), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(pixel(3, 5), ColorToRGB(clBtnFace));
  EXPECT_EQ(frBlankBitmap().Height(), 8);

  EXPECT_FALSE(frCompressor().IsActive());
  TMemoryStream source, target;
  source.WriteBuffer("page", 4);
  frCompressor().Compress(source, target);
  EXPECT_EQ(target.Size(), 0);
  EXPECT_EQ(frGeneralObjects().Count(), 0);
  EXPECT_EQ(frGeneralStrings().Count(), 0);
}

}  // namespace
