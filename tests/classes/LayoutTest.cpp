// Reading layouts into component trees and writing them back: the loading bracket, references,
// events, defaults, defined properties, and errors that leave nothing half-built.
#include <gtest/gtest.h>

#include "classes/LayoutText.h"
#include "support/LayoutFixture.h"

using namespace layout_fixture;

namespace {

const char* const kMainLayout =
    "object fmMain: TFixtureForm\n"
    "  Tag = 3\n"
    "  Left = 0\n"
    "  Caption = '主窗口'\n"
    "  object tmRefresh: TFixtureTimer\n"
    "    Interval = 500\n"
    "  end\n"
    "  object pnlTop: TFixtureControl\n"
    "    Left = -8\n"
    "    Width = 200\n"
    "    Caption = 'Top ''panel'''#13#10'two'\n"
    "    Enabled = False\n"
    "    Align = alTop\n"
    "    Anchors = [akLeft, akRight]\n"
    "    Ratio = 0.25\n"
    "    Big = 5000000000\n"
    "    UseOwnFont = True\n"
    "    Font.Name = 'Tahoma'\n"
    "    Font.Bold = True\n"
    "    Lines = (\n"
    "      'first'\n"
    "      'second')\n"
    "    Columns = <\n"
    "      item\n"
    "        Caption = 'A'\n"
    "        Width = 80\n"
    "      end\n"
    "      item\n"
    "        Visible = False\n"
    "        Buddy = edtName\n"
    "      end>\n"
    "    Buddy = edtName\n"
    "    OnClick = ButtonClick\n"
    "    OnValidate = CheckValue\n"
    "    StoredValues = 4\n"
    "    Heights = (\n"
    "      12\n"
    "      14)\n"
    "    Data = {\n"
    "      000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\n"
    "      FF}\n"
    "    object edtName: TFixtureControl\n"
    "      Left = 16\n"
    "      Anchors = []\n"
    "    end\n"
    "  end\n"
    "end\n";

class Layout : public testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFixtureClasses(); }
  TFixtureControl* Control(const String& name) { return dynamic_cast<TFixtureControl*>(Form->FindComponent(name)); }
  TComponentPtr<TFixtureForm> Form = MakeComponent<TFixtureForm>();
};

TEST_F(Layout, RoundTripOfEveryValueKindIsExact) {
  ReadLayout(kMainLayout, Form.get());
  EXPECT_EQ(WriteLayout(Form.get()), kMainLayout);

  TFixtureControl* panel = Control("pnlTop");
  TFixtureControl* edit = Control("EDTNAME");
  ASSERT_TRUE(panel && edit);
  EXPECT_EQ(Form->Name(), "fmMain");
  EXPECT_EQ(edit->Parent(), panel);
  EXPECT_EQ(panel->Parent(), Form.get());
  EXPECT_EQ(panel->Big, 5000000000);
  EXPECT_EQ(panel->Anchors, 0b0101u);
  EXPECT_EQ(panel->Font()->Name, "Tahoma");
  EXPECT_EQ(panel->Lines.Count(), 2);
  EXPECT_EQ(panel->Columns()->Column(1)->Buddy, edit);
  EXPECT_EQ(panel->Heights, (std::vector<int>{12, 14}));
  EXPECT_EQ(panel->Data.size(), 33u);
  EXPECT_EQ(dynamic_cast<TFixtureTimer*>(Form->FindComponent("tmRefresh"))->Interval, 500);
}

TEST_F(Layout, LoadedRunsOnceAfterEveryPropertyAndReferenceIsSet) {
  ReadLayout(kMainLayout, Form.get());
  TFixtureControl* panel = Control("pnlTop");
  for (TFixtureControl* c : {static_cast<TFixtureControl*>(Form.get()), panel, Control("edtName")}) {
    EXPECT_EQ(c->LoadedCount, 1) << c->Name();
    EXPECT_FALSE(c->ComponentState() & (csLoading | csReading)) << c->Name();
  }
  EXPECT_TRUE(panel->CaptionSetWhileLoading);
  EXPECT_EQ(panel->CaptionAtLoaded, "Top 'panel'\r\ntwo");
  EXPECT_EQ(panel->BuddyAtLoaded, Control("edtName"));  // a reference to a later component
  panel->SetCaption("x");
  EXPECT_FALSE(panel->CaptionSetWhileLoading);
}

TEST_F(Layout, EventsBindToTheFormsHandlersByName) {
  ReadLayout(kMainLayout, Form.get());
  TFixtureControl* panel = Control("pnlTop");
  panel->OnClick(panel);
  EXPECT_EQ(Form->Clicked, (std::vector<TObject*>{panel}));
  bool accept = true;
  panel->OnValidate(panel, accept);
  EXPECT_FALSE(accept);

  // A handler set in code has no name to store; one bound by name has.
  panel->OnClick = [](TObject*) {};
  panel->OnValidate = nullptr;
  EXPECT_EQ(WriteLayout(Form.get()).find("OnClick"), String::npos);
  SetPropValue(*panel, "OnClick", TLayoutValue::OfIdent("ButtonClick"));
  EXPECT_EQ(GetPropValue(*panel, "OnClick").Text, "ButtonClick");
  EXPECT_NE(WriteLayout(Form.get()).find("    OnClick = ButtonClick\n"), String::npos);
}

TEST_F(Layout, WriterSkipsDefaultsAndWhatTheStoredRuleExcludes) {
  Form->SetName("fmEmpty");
  auto* panel = new TFixtureControl(Form.get());
  panel->SetName("pnl");
  panel->Font()->Size = 12;  // not stored: the panel uses no font of its own
  panel->Lines.Add("only");
  panel->Buddy = new TFixtureControl(Form.get());  // an unnamed component cannot be referred to
  new TFixtureTimer(Form.get());
  EXPECT_EQ(WriteLayout(Form.get()),
            "object fmEmpty: TFixtureForm\n"
            "  Left = 0\n"
            "  object pnl: TFixtureControl\n"
            "    Left = 0\n"
            "    Lines = (\n"
            "      'only')\n"
            "  end\n"
            "  object TFixtureControl\n"
            "    Left = 0\n"
            "  end\n"
            "  object TFixtureTimer\n"
            "  end\n"
            "end\n");
  panel->UseOwnFont = true;
  EXPECT_NE(WriteLayout(Form.get()).find("    UseOwnFont = True\n    Font.Size = 12\n"), String::npos);
}

TEST_F(Layout, FreedComponentsDropOutOfReferences) {
  ReadLayout(kMainLayout, Form.get());
  TFixtureControl* panel = Control("pnlTop");
  Control("edtName")->Free();
  EXPECT_EQ(panel->Buddy, nullptr);
  EXPECT_EQ(WriteLayout(Form.get()).find("Buddy = edtName\n    On"), String::npos);
}

struct TBadLayout {
  const char* Text;
  const char* Message;
};

// Each layout has its fault after pnlTop and edtName were made, so that there is something to free.
TEST_F(Layout, ErrorsNameTheLineAndLeaveNothingBehind) {
  const TBadLayout cases[] = {
      {"  object x: TUnknown\n  end\n", "Line 6: Class TUnknown not found"},
      {"  object f: TFixtureFont\n  end\n", "Line 6: Class TFixtureFont is not a component class"},
      {"  object pnlTop: TFixtureControl\n  end\n", "Line 6: A component named pnlTop already exists"},
      {"  object Bad.Name: TFixtureControl\n  end\n", "Line 6: 'Bad.Name' is not a valid component name"},
      {"  Colour = 1\n", "Line 6: Error reading fmMain.Colour: Property Colour does not exist"},
      {"  Width = 'wide'\n", "Line 6: Error reading fmMain.Width: Invalid property value: 'wide'"},
      {"  Left = 3000000000\n", "Line 6: Error reading fmMain.Left: Invalid property value: 3000000000"},
      {"  Align = alMiddle\n", "Line 6: Error reading fmMain.Align: Invalid property value: alMiddle"},
      {"  Anchors = [akLeft, akNowhere]\n", "Line 6: Error reading fmMain.Anchors: Invalid property value: [akLeft, akNowhere]"},
      {"  Enabled = 1\n", "Line 6: Error reading fmMain.Enabled: Invalid property value: 1"},
      {"  Ratio = 'x'\n", "Line 6: Error reading fmMain.Ratio: Invalid property value: 'x'"},
      {"  Font = 1\n", "Line 6: Error reading fmMain.Font: Invalid property value: 1"},
      {"  Font.Colour = 1\n", "Line 6: Error reading fmMain.Font.Colour: Property Colour does not exist"},
      {"  Nothing.Size = 1\n", "Line 6: Error reading fmMain.Nothing.Size: Property Nothing does not exist"},
      {"  Lines = (\n    1)\n", "Line 6: Error reading fmMain.Lines: Invalid property value: 1"},
      {"  Columns = <\n    item\n      Wrong = 1\n    end>\n", "Line 8: Error reading fmMain.Wrong: Property Wrong does not exist"},
      {"  Buddy = nobody\n", "Line 6: Error reading fmMain.Buddy: Component nobody not found"},
      {"  Buddy = tmRefresh\n", "Line 6: Error reading fmMain.Buddy: Invalid property value: tmRefresh"},
      {"  Buddy = 5\n", "Line 6: Error reading fmMain.Buddy: Invalid property value: 5"},
      {"  OnClick = Missing\n", "Line 6: Error reading fmMain.OnClick: Handler Missing not found in TFixtureForm"},
      {"  OnClick = CheckValue\n", "Line 6: Error reading fmMain.OnClick: Handler CheckValue does not fit the event"},
      {"  StoredValues = 'x'\n", "Line 6: Error reading fmMain.StoredValues: Invalid property value: 'x'"},
      {"  Heights = (\n    'a')\n", "Line 6: Error reading fmMain.Heights: Invalid property value: 'a'"},
      {"  Heights = (\n    1\n    2\n    3\n    4\n    5\n    6\n    7\n    8\n    9\n    10\n    11\n    12\n    '长长长长长长长长')\n",
       "Line 6: Error reading fmMain.Heights: Invalid property value: '长长长长长长长长'"},
      {"  Heights = 5\n", "Line 6: Error reading fmMain.Heights: Invalid property value: 5"},
      {"  Lines = <\n    item\n      Caption = '一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十'\n    end>\n",
       "Line 6: Error reading fmMain.Lines: Invalid property value: < item Caption = '一二三四五六七八九十一二三四五六七八九十一二..."},
      {"  Data = 12\n", "Line 6: Error reading fmMain.Data: Invalid property value: 12"},
  };
  const String head =
      "object fmMain: TFixtureForm\n"
      "  object tmRefresh: TFixtureTimer\n"
      "  end\n"
      "  object pnlTop: TFixtureControl\n"
      "  end\n";
  for (const TBadLayout& c : cases) {
    auto form = MakeComponent<TFixtureForm>();
    try {
      ReadLayout(head + c.Text + "end\n", form.get());
      ADD_FAILURE() << c.Text;
    } catch (const ELayoutError& e) {
      EXPECT_EQ(e.Message(), c.Message);
    }
    EXPECT_EQ(form->ComponentCount(), 0) << c.Text;
    EXPECT_FALSE(form->ComponentState() & (csLoading | csReading)) << c.Text;
    EXPECT_EQ(form->LoadedCount, 0) << c.Text;
  }
}

TEST_F(Layout, TheRootMustBeOfTheLayoutsClass) {
  try {
    ReadLayout("object fmMain: TFixtureControl\nend\n", Form.get());
    FAIL();
  } catch (const ELayoutError& e) {
    EXPECT_EQ(e.Message(), "Line 1: A layout of TFixtureControl cannot be read into TFixtureForm");
  }
  struct TUnregistered : TComponent {
    using TComponent::TComponent;
    String ClassName() const override { return "TUnregistered"; }
  };
  auto plain = MakeComponent<TUnregistered>();
  EXPECT_THROW(ReadLayout("object x: TUnregistered\nend\n", plain.get()), ELayoutError);
  EXPECT_THROW(WriteLayout(plain.get()), EWriteError);
}

TEST_F(Layout, ASecondFormOfTheSameClassUnderOneOwnerGetsANumberedName) {
  auto application = MakeComponent<TComponent>();
  auto* first = new TFixtureForm(application.get());
  auto* second = new TFixtureForm(application.get());
  ReadLayout(kMainLayout, first);
  ReadLayout(kMainLayout, second);
  EXPECT_EQ(first->Name(), "fmMain");
  EXPECT_EQ(second->Name(), "fmMain_1");
}

TEST_F(Layout, PropertiesAreReadAndSetByName) {
  ReadLayout(kMainLayout, Form.get());
  TFixtureControl* edit = Control("edtName");
  EXPECT_EQ(GetPropValue(*edit, "font.size").Integer, 9);
  EXPECT_EQ(GetPropValue(*edit, "Align").Text, "alNone");
  EXPECT_EQ(GetPropValue(*edit, "Anchors").Names, std::vector<String>());
  SetPropValue(*edit, "Align", TLayoutValue::OfIdent("alClient"));
  SetPropValue(*edit, "Font.Name", TLayoutValue::OfString("黑体"));
  SetPropValue(*edit, "Buddy", TLayoutValue::OfIdent("fmMain"));
  SetPropValue(*edit, "Ratio", TLayoutValue::OfInteger(2));
  EXPECT_EQ(edit->Align, alClient);
  EXPECT_EQ(edit->Font()->Name, "黑体");
  EXPECT_EQ(edit->Buddy, Form.get());
  EXPECT_EQ(edit->Ratio, 2.0);
  EXPECT_THROW(SetPropValue(*edit, "Align", TLayoutValue::OfIdent("alMiddle")), EPropertyError);
  EXPECT_THROW(GetPropValue(*edit, "Lines"), EPropertyError);  // a string list has no single value
  EXPECT_THROW(GetPropValue(*edit, "Nothing"), EPropertyError);
  TFixtureColumn* column = Control("pnlTop")->Columns()->Column(0);  // found from the form, through its owners
  SetPropValue(*column, "Buddy", TLayoutValue::OfIdent("edtName"));
  EXPECT_EQ(column->Buddy, edit);
}

TEST_F(Layout, TheRegistryFindsAndCreatesClassesByNameAndInheritsProperties) {
  EXPECT_EQ(GetClass("tfixturetimer"), &FindClass("TFixtureTimer"));
  EXPECT_EQ(GetClass("TNope"), nullptr);
  try {
    FindClass("TNope");
    FAIL();
  } catch (const EClassNotFound& e) {
    EXPECT_EQ(e.Message(), "Class TNope not found");
  }
  TComponent* timer = CreateComponent("TFixtureTimer", Form.get());
  EXPECT_EQ(timer->Owner(), Form.get());
  EXPECT_EQ(GetClassInfo(*timer), GetClass("TFixtureTimer"));
  const TClassInfo& form = FindClass("TFixtureForm");
  EXPECT_TRUE(form.InheritsFrom(FindClass("TComponent")));
  EXPECT_EQ(form.Properties().front()->Name(), "Tag");
  EXPECT_EQ(form.FindProperty("caption")->Kind(), TPropKind::String);
  EXPECT_EQ(form.FindProperty("Columns")->Kind(), TPropKind::Collection);
  EXPECT_EQ(form.FindProperty("Lines")->Kind(), TPropKind::StringList);
  EXPECT_EQ(form.FindProperty("Font")->Kind(), TPropKind::Object);
  EXPECT_EQ(form.FindProperty("Buddy")->Kind(), TPropKind::Component);
  EXPECT_EQ(form.FindProperty("Anchors")->Kind(), TPropKind::Set);
  EXPECT_EQ(form.FindProperty("OnClick")->Kind(), TPropKind::Event);
  EXPECT_EQ(FindClass("TFixtureControl").FindMethod("ButtonClick"), nullptr);
  EXPECT_THROW(FindClass("TFixtureFont").CreateComponent(nullptr), EClassNotFound);

  struct TOther : TComponent {
    using TComponent::TComponent;
  };
  EXPECT_THROW((RegisterClass<TOther, TComponent>("TFixtureTimer")), EComponentError);
  struct TOrphan : TOther {
    using TOther::TOther;
  };
  EXPECT_THROW((RegisterClass<TOrphan, TOther>("TOrphan")), EClassNotFound);
  EXPECT_EQ((&RegisterClass<TFixtureTimer, TComponent>("TFixtureTimer")), GetClass("TFixtureTimer"));
}

}  // namespace
