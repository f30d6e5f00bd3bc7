// Report objects by name: their properties (case aside, unknown names ignored), the properties
// each kind declares, list methods from scripts, objects made by type code, generated names,
// dotted names, record sources by name or count, the data set of the band at work, and the text
// of an evaluation error.
#include "ReportTestKit.h"

#include "data/MemDataSet.h"
#include "report/FR_Band.h"
#include "report/FR_DBSet.h"
#include "report/FR_Names.h"

namespace {

using ObjectTest = TReportTest;

std::vector<String> DeclaredNames(TfrObject& object) {
  object.EnsureProperties();
  std::vector<String> names;
  for (int i = 0; i < object.PropCount(); ++i) names.push_back(object.Props(i).Name);
  return names;
}

bool Declares(TfrObject& object, const String& name) { return object.EnsureProperties(), object.FindProperty(name); }

TEST_F(ObjectTest, PropertiesAreSetAndReadByNameRegardlessOfCase) {
  auto& memo = Place<TfrMemoView>("mmClass", Bounds(10, 20, 100, 30));
  struct Case {
    const char* Name;
    Variant Value;
  };
  const Case cases[] = {
      {"Left", 15},           {"top", 25},          {"WIDTH", 120},       {"Height", 40},
      {"FrameTyp", 15},       {"FrameWidth", 1.5},  {"FrameColor", 0xFF}, {"FrameStyle", 2},
      {"FillColor", 0xFFFF},  {"Visible", false},   {"GapX", 4},          {"GapY", 3},
      {"BandAlign", 3},       {"Tag", "标签"},      {"Alignment", 18},    {"LineSpacing", 5},
      {"CharSpacing", 1},     {"Font.Name", "黑体"}, {"Font.Size", 14},    {"Font.Style", 3},
      {"Font.Color", 0xFF00}, {"Name", "mmOther"},
  };
  for (const Case& c : cases) {
    memo.SetProperty(c.Name, c.Value);
    EXPECT_EQ(VarToStr(memo.GetProperty(c.Name)), VarToStr(c.Value)) << c.Name;
  }
  EXPECT_EQ(memo.Font.Style(), TFontStyles(fsBold | fsItalic));
  EXPECT_EQ(memo.Alignment, frtaCenter | frtaDown);
  memo.SetProperty("Memo", "一\r\n二");
  EXPECT_EQ(memo.Memo.Count(), 2);
  EXPECT_EQ(memo.GetProperty("Memo.Count").AsInteger(), 2);
  EXPECT_EQ(memo.GetProperty("Lines.Count").AsInteger(), 2);
  EXPECT_EQ(memo.GetProperty("DataField").AsString(), "一");

  const uint16_t flags = memo.Flags;
  memo.SetProperty("NoSuchProperty", 1);
  EXPECT_EQ(memo.Flags, flags);
  EXPECT_TRUE(memo.GetProperty("NoSuchProperty").IsEmpty());
}

TEST_F(ObjectTest, FlagPropertiesSetOnlyTheirBit) {
  auto& memo = Place<TfrMemoView>("m", Bounds(0, 0, 1, 1));
  EXPECT_EQ(memo.Flags, frDefaultMemoFlags);
  struct Case {
    const char* Name;
    uint16_t Bit;
  };
  for (const Case& c : {Case{"Stretched", flStretched}, Case{"WordWrap", flWordWrap}, Case{"WordBreak", flWordBreak},
                        Case{"AutoWidth", flAutoWidth}, Case{"TextOnly", flTextOnly}, Case{"Suppress", flSuppress},
                        Case{"HideZeros", flHideZeros}, Case{"Underlines", flUnderlines},
                        Case{"RTLReading", flRTLReading}}) {
    memo.Flags = 0x8000;
    memo.SetProperty(c.Name, true);
    EXPECT_EQ(memo.Flags, 0x8000 | c.Bit) << c.Name;
    EXPECT_TRUE(memo.GetProperty(c.Name).AsBoolean()) << c.Name;
    memo.SetProperty(c.Name, false);
    EXPECT_EQ(memo.Flags, 0x8000) << c.Name;
  }
  auto& band = Place<TfrBandView>("b", Bounds(0, 0, 1, 1));
  EXPECT_EQ(band.Flags, flBandOnFirstPage | flBandOnLastPage);
  band.SetProperty("RepeatHeader", true);
  band.SetProperty("OnLastPage", false);
  EXPECT_EQ(band.Flags, flBandOnFirstPage | flBandRepeatHeader);
  auto& picture = Place<TfrPictureView>("p", Bounds(0, 0, 1, 1));
  EXPECT_EQ(picture.Flags, flStretched | flPictRatio);
  picture.SetProperty("Center", true);
  picture.SetProperty("KeepAspect", false);
  EXPECT_EQ(picture.Flags, flStretched | flPictCenter);
}

TEST_F(ObjectTest, EachKindDeclaresItsProperties) {
  auto& memo = Place<TfrMemoView>("m", Bounds(0, 0, 1, 1));
  const std::vector<String> memoNames = DeclaredNames(memo);
  EXPECT_EQ(memoNames.front(), "Name");
  EXPECT_EQ(memo.FindProperty("NAME")->PropType, frdtString | frdtOneObject);
  const TfrProp* style = memo.FindProperty("FrameStyle");
  ASSERT_NE(style, nullptr);
  EXPECT_EQ(style->PropType, frdtEnum);
  EXPECT_EQ(style->EnumNames, (std::vector<String>{"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psDouble"}));
  EXPECT_TRUE(Declares(memo, "Font"));
  EXPECT_TRUE(Declares(memo, "Memo"));

  // Bands name their text after the script it is, and have no frame, fill, tag or alignment.
  auto& header = Place<TfrBandView>("hdr", Bounds(0, 0, 1, 1));
  header.SetBandType(btGroupHeader);
  EXPECT_TRUE(Declares(header, "OnBeforePrint"));
  for (const char* none : {"Memo", "FrameTyp", "FillColor", "Tag", "BandAlign", "Columns", "OnFirstPage"})
    EXPECT_FALSE(Declares(header, none)) << none;
  for (const char* some : {"Condition", "Master", "RepeatHeader", "Breaked", "FormNewPage", "ChildBand", "EOF"})
    EXPECT_TRUE(Declares(header, some)) << some;
  auto& footer = Place<TfrBandView>("ftr", Bounds(0, 0, 1, 1));
  footer.SetBandType(btPageFooter);
  EXPECT_FALSE(Declares(footer, "ChildBand"));
  EXPECT_TRUE(Declares(footer, "OnLastPage"));
  auto& data = Place<TfrBandView>("data", Bounds(0, 0, 1, 1));
  data.SetBandType(btMasterData);
  for (const char* some : {"Columns", "ColumnWidth", "ColumnGap", "DataSource", "PrintIfSubsetEmpty"})
    EXPECT_TRUE(Declares(data, some)) << some;

  auto& sub = Place<TfrSubReportView>("sub", Bounds(0, 0, 1, 1));
  EXPECT_FALSE(Declares(sub, "FrameTyp"));
  auto& picture = Place<TfrPictureView>("pic", Bounds(0, 0, 1, 1));
  EXPECT_EQ(picture.FindProperty("DataField") ? 0 : 1, 1);  // declared after EnsureProperties
  EXPECT_EQ(DeclaredNames(picture).back(), "BlobType");
  EXPECT_EQ(picture.FindProperty("BlobType")->EnumNames.size(), 4u);
}

TEST_F(ObjectTest, ListMethodsWorkOnTheTextFromScripts) {
  auto& memo = Place<TfrMemoView>("m", Bounds(0, 0, 1, 1));
  memo.CallMethod("Memo.Add", "'一'", {}, {});
  memo.CallMethod("LINES.ADD", "'二' + '三'", {}, {});
  EXPECT_EQ(memo.Memo.Text(), "一\r\n二三\r\n");
  EXPECT_EQ(memo.CallMethod("Lines.IndexOf", "'二三'", {}, {}).AsInteger(), 1);
  EXPECT_EQ(memo.CallMethod("SetIndexProperty", "memo", 0, "改").AsString(), "改");
  EXPECT_EQ(memo.CallMethod("GetIndexProperty", "MEMO", 0, {}).AsString(), "改");
  EXPECT_EQ(memo.CallMethod("GetIndexProperty", "MEMO", 9, {}).AsString(), "");  // past the end
  memo.CallMethod("SetIndexProperty", "MEMO", -1, "x");                           // nothing
  memo.CallMethod("Memo.Delete", "1 - 1", {}, {});
  EXPECT_EQ(memo.Memo.Text(), "二三\r\n");
  memo.CallMethod("Memo.Delete", "7", {}, {});
  memo.CallMethod("Hide", {}, {}, {});
  EXPECT_FALSE(memo.Visible);
  memo.CallMethod("show", {}, {}, {});
  EXPECT_TRUE(memo.Visible);
  memo.CallMethod("Memo.Clear", {}, {}, {});
  EXPECT_EQ(memo.Memo.Count(), 0);
}

TEST_F(ObjectTest, WhileBuildingBandPropertiesReachTheRuntimeBand) {
  TfrPage& page = Page();
  auto& data = Place<TfrBandView>("MasterData1", Bounds(0, 100, 700, 20));
  data.SetBandType(btMasterData);
  auto& child = Place<TfrBandView>("Child1", Bounds(0, 130, 700, 20));
  child.SetBandType(btChild);
  TfrBand dataBand(btMasterData, &page), childBand(btChild, &page);
  data.Band = &dataBand;
  child.Band = &childBand;
  frState().ActivePage = &page;
  frState().PrintMode = true;
  data.SetProperty("Height", 40);
  data.SetProperty("Visible", false);
  EXPECT_EQ(dataBand.Height, 40);
  EXPECT_FALSE(dataBand.Visible);
  dataBand.Top = 333;
  EXPECT_EQ(data.GetProperty("TOP").AsInteger(), 333);
  data.SetProperty("ChildBand", "child1");
  EXPECT_EQ(dataBand.Child, &childBand);
  child.SetProperty("ChildBand", "MasterData1");  // would close a loop: not linked
  EXPECT_EQ(childBand.Child, nullptr);
  EXPECT_EQ(child.ChildBand, "MasterData1");
  child.SetProperty("ChildBand", "Child1");  // nor to itself
  EXPECT_EQ(childBand.Child, nullptr);

  data.SetProperty("DataSource", "3");
  ASSERT_NE(dataBand.DataSet, nullptr);
  EXPECT_FALSE(data.GetProperty("EOF").AsBoolean());
  data.CallMethod("Next", {}, {}, {});
  data.CallMethod("NEXT", {}, {}, {});
  data.CallMethod("next", {}, {}, {});
  EXPECT_TRUE(data.GetProperty("EOF").AsBoolean());
  data.CallMethod("First", {}, {}, {});
  EXPECT_EQ(dataBand.DataSet->RecNo(), 0);
  EXPECT_EQ(data.GetProperty("DataSource").AsString(), "3");

  frState().PrintMode = false;
  data.SetProperty("Height", 25);
  EXPECT_EQ(dataBand.Height, 40);  // laid out, the object alone changes
  EXPECT_EQ(data.GetProperty("Height").AsInteger(), 25);
}

TEST_F(ObjectTest, NamesTakeTheirValuesThroughTheReportInOrder) {
  auto& memo = Place<TfrMemoView>("mmClass", Bounds(7, 8, 9, 10));
  Report->Dictionary().Variables.SetVariable("School", "'第一中学'");
  Report->OnGetValue = [](const String& name, Variant& value) {
    if (name == "SCHOOL" || name == "APP") value = "应用程序";
  };
  frVariables().SetVariable("Counter", 5);
  struct Case {
    const char* Name;
    const char* Text;
  };
  for (const Case& c : {Case{"SCHOOL", "应用程序"}, Case{"APP", "应用程序"}, Case{"Counter", "5"},
                        Case{"mmClass.Left", "7"}, Case{"clRed", "255"}, Case{"Counter * 2 + 1", "11"}}) {
    Variant value;
    Report->GetVariableValue(c.Name, value);
    EXPECT_EQ(VarToStr(value), c.Text) << c.Name;
  }
  Report->OnGetValue = nullptr;
  Variant value;
  Report->GetVariableValue("School", value);
  EXPECT_EQ(VarToStr(value), "第一中学");  // the dictionary when the application answers nothing
  try {
    Report->GetVariableValue("Unknown", value);
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "符号没定义 \"UNKNOWN\"");
  }
  String text;
  frState().ActiveView = &memo;
  memo.DisplayFormatCode = 0x01010200 | '.';  // a number, fixed, two decimals
  Report->InternalOnGetValue("Counter", text);
  EXPECT_EQ(text, "5.00");
  Report->InternalOnGetValue("Counter #N0.0", text);  // a format of its own
  EXPECT_EQ(text, "5.0");
}

TEST_F(ObjectTest, ObjectsAreMadeByTypeCode) {
  struct Case {
    int Code;
    const char* ClassName;
    const char* BaseName;
  };
  for (const Case& c : {Case{0, "TfrMemoView", "Memo"}, Case{1, "TfrPictureView", "Picture"},
                        Case{2, "TfrBandView", "Band"}, Case{3, "TfrSubReportView", "SubReport"},
                        Case{4, "TfrLineView", "Line"}}) {
    const int id = frState().NextObjectId;
    const std::unique_ptr<TfrView> view = frCreateObject(c.Code, "");
    ASSERT_NE(view, nullptr) << c.Code;
    EXPECT_EQ(view->ClassName(), c.ClassName);
    EXPECT_EQ(view->BaseName, c.BaseName);
    EXPECT_EQ(view->Typ, c.Code);
    EXPECT_EQ(view->ObjectId, id);
    EXPECT_EQ(frState().NextObjectId, id + 1);
  }
  for (int code : {5, 9, 11, 255}) EXPECT_EQ(frCreateObject(code, ""), nullptr) << code;

  frState().EvalErrorText = "TfrA\r";
  EXPECT_THROW(frCreateObject(10, "TfrB"), EClassNotFound);
  EXPECT_TRUE(frState().EvalErrorFlag);
  EXPECT_EQ(frState().EvalErrorText, "TfrA\rTfrB\r");
}

TEST_F(ObjectTest, GeneratedNamesTakeTheLowestFreeNumber) {
  Place<TfrMemoView>("Memo1", Bounds(0, 0, 1, 1));
  Place<TfrMemoView>("memo3", Bounds(0, 0, 1, 1), 1);
  TfrMemoView fresh;
  fresh.CreateUniqueName();
  EXPECT_EQ(fresh.Name, "Memo2");
  Place<TfrMemoView>("Memo2", Bounds(0, 0, 1, 1));
  fresh.CreateUniqueName();
  EXPECT_EQ(fresh.Name, "Memo4");
  TfrLineView line;
  line.CreateUniqueName();
  EXPECT_EQ(line.Name, "Line1");
}

TEST_F(ObjectTest, DottedNamesResolveToPagesObjectsAndTheObjectAtWork) {
  auto& memo = Place<TfrMemoView>("mmClass", Bounds(0, 0, 1, 1));
  Page(1).Name = "Page2";
  frState().ActiveView = &memo;
  struct Case {
    const char* FullName;
    TfrObject* Object;
    const char* Property;
  };
  const Case cases[] = {
      {"Visible", &memo, "Visible"},
      {"PAGE2.Visible", &Page(1), "Visible"},
      {"page1.Width", &Page(0), "Width"},
      {"PAGE9.Visible", nullptr, "Visible"},  // no such page
      {"PAGEX.Visible", nullptr, "Visible"},  // an object named PAGEX, and there is none
      {"MMCLASS.Left", &memo, "Left"},
      {"Font.Name", &memo, "Font.Name"},      // no object named Font: a property of the object at work
      {"Nothing.Left", nullptr, "Left"},
  };
  for (const Case& c : cases) {
    const TfrResolvedProperty r = ResolveObjectProperty(c.FullName);
    EXPECT_EQ(r.Object, c.Object) << c.FullName;
    EXPECT_EQ(r.PropName, c.Property) << c.FullName;
  }
  EXPECT_TRUE(Page(1).FindProperty("Visible"));  // declared on the way
  EXPECT_THROW(ResolveObjectProperty("PAGE2x.Visible"), EConvertError);
}

TEST_F(ObjectTest, RecordSourcesByCountOrName) {
  TComponentPtr<TfrDataset> made;
  TfrDataset* counted = FindDataset("5", made);
  ASSERT_NE(counted, nullptr);
  EXPECT_EQ(counted, made.get());
  EXPECT_EQ(counted->RangeEnd(), reCount);
  EXPECT_EQ(counted->RangeEndCount(), 5);
  int records = 0;
  for (counted->First(); !counted->Eof(); counted->Next()) ++records;
  EXPECT_EQ(records, 5);
  EXPECT_THROW(FindDataset("5a", made), EConvertError);
  EXPECT_EQ(FindDataset("", made), nullptr);

  TComponentPtr<TComponent> module = MakeComponent<TComponent>();
  auto* report = new TfrReport(module.get());
  auto* data = new TMemDataSet(module.get());
  data->FieldDefs().Add("Fd_No", ftInteger);
  data->CreateDataSet();
  auto* source = new TfrDBDataSet(module.get());
  source->SetName("dbsPrint");
  source->SetDataSet(data);
  (new TComponent(module.get()))->SetName("plain");
  frState().ActiveReport = report;
  TComponentPtr<TfrDataset> none;
  EXPECT_EQ(FindDataset("DBSPRINT", none), source);
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(FindDataset("missing", none), nullptr);
  EXPECT_THROW(FindDataset("plain", none), EInvalidCast);
  frState().ActiveReport = Report.get();
}

TEST_F(ObjectTest, TheBandAtWorkFindsTheDataSetOfItsDataBand) {
  TComponentPtr<TMemDataSet> data = MakeComponent<TMemDataSet>();
  data->FieldDefs().Add("Fd_Name", ftString, 20);
  data->CreateDataSet();
  TComponentPtr<TfrDBDataSet> source = MakeComponent<TfrDBDataSet>();
  source->SetDataSet(data.get());
  TfrPage& page = Page();
  page.Bands[btMasterData] = std::make_unique<TfrBand>(btMasterData, &page);
  page.Bands[btMasterData]->DataSet = source.get();
  TfrBand footer(btGroupFooter, &page), detail(btDetailHeader, &page);
  frState().ActivePage = &page;
  frState().ActiveBand = &footer;
  EXPECT_EQ(GetBandDataSet(), data.get());
  frState().ActiveBand = &detail;  // a detail header has no governing data band
  EXPECT_EQ(GetBandDataSet(), nullptr);
  page.Type = ptDialog;
  frState().ActiveBand = &footer;
  EXPECT_EQ(GetBandDataSet(), nullptr);
  page.Bands[btMasterData]->DataSet = nullptr;
  frState().ActiveBand = nullptr;
}

TEST_F(ObjectTest, AnEvaluationErrorCollectsTheObjectAndStopsTheBuild) {
  auto& memo = Place<TfrMemoView>("mmScore", Bounds(0, 0, 1, 1));
  memo.Memo.Add("成绩");
  memo.Memo.Add("[Fd_Score]");
  frState().ActiveView = &memo;
  frState().RootReport = Report.get();
  ReportEvalError("符号没定义 \"X\"");
  EXPECT_TRUE(frState().EvalErrorFlag);
  EXPECT_EQ(frState().EvalErrorText,
            "计算时发生错误\r成绩\r[Fd_Score]\r\r报表: rptTest\r对象: mmScore\r\r符号没定义 \"X\"");
  EXPECT_TRUE(Report->Terminated());

  frState().ActiveView = nullptr;
  ReportEvalError("E");
  EXPECT_EQ(frState().EvalErrorText, "计算时发生错误\r\r报表: rptTest\r\rE");
}

}  // namespace
