// The data dictionary: its record in both forms, categories and variables in order, values
// evaluated when read, script variables that hide them, field references through aliases, and a
// variable that names itself.
#include "ReportTestKit.h"

#include "data/MemDataSet.h"
#include "report/FR_Utils.h"

namespace {

class DictionaryTest : public TReportTest {
 protected:
  TfrDataDictionary& Dict() { return Report->Dictionary(); }

  void LoadDictionary(const TBytes& bytes) {
    TMemoryStream stream;
    FillStream(stream, bytes);
    Dict().LoadFromStream(stream);
  }
  std::vector<String> VariableNames() {
    std::vector<String> names;
    for (int i = 0; i < Dict().Variables.Count(); ++i) names.push_back(Dict().Variables.Name(i));
    return names;
  }
  // A data set named adqprint on a module that owns the report at work.
  TMemDataSet* PrintQuery() {
    Module = MakeComponent<TComponent>();
    auto* report = new TfrReport(Module.get());
    report->SetName("rptPrint");
    auto* data = new TMemDataSet(Module.get());
    data->SetName("adqprint");
    data->FieldDefs().Add("Fd_Name", ftString, 20);
    data->FieldDefs().Add("Fd_Score", ftInteger);
    data->CreateDataSet();
    data->AppendRecord({"张三", 90});
    data->First();
    frState().ActiveReport = report;
    frParser().OnGetValue = [report](const String& name, Variant& value) { report->GetVariableValue(name, value); };
    return data;
  }
  TComponentPtr<TComponent> Module;
};

TEST_F(DictionaryTest, TheRecordRoundTripsCategoriesAndVariablesInOrder) {
  Dict().Variables.SetVariable(" Totals", "");
  Dict().Variables.SetVariable("Sum1", "[Price] * 2");
  Dict().Variables.SetVariable("Sum2", "");
  Dict().FieldAliases.SetVariable("adqprint", "打印");
  Dict().ExtraList.SetVariable("x", "y");
  TMemoryStream stream;
  Dict().SaveToStream(stream);
  const TBytes bytes = StreamBytes(stream);
  EXPECT_EQ(bytes[0], 0xFE);
  EXPECT_EQ(bytes[1], 0xFF);
  Dict().Clear();
  LoadDictionary(bytes);
  EXPECT_EQ(VariableNames(), (std::vector<String>{" Totals", "Sum1", "Sum2"}));
  EXPECT_EQ(VarToStr(Dict().FieldAliases.Variable("adqprint")), "打印");
  EXPECT_EQ(VarToStr(Dict().ExtraList.Variable("x")), "y");
}

TEST_F(DictionaryTest, CategoriesWrittenWithoutTheirBlankAreBroughtToIt) {
  TBytesBuilder b;
  b.Word(0xFFFE).Int(2).Str("Totals").Str("").Str(" Sum1").Str("1").Int(0).Int(0);
  LoadDictionary(b.Bytes());
  EXPECT_EQ(VariableNames(), (std::vector<String>{" Totals", "Sum1"}));
}

TEST_F(DictionaryTest, TheOlderRecordBecomesExpressions) {
  TBytesBuilder b;
  b.Int(3);
  auto shortString = [&](const String& s) {
    const std::string bytes = Utf8ToGB18030(s);
    b.Byte(int(bytes.size()));
    for (char c : bytes) b.Byte(uint8_t(c));
  };
  b.Byte(1).Int(0);  // a data-set field
  shortString("dbsPrint");
  shortString("Fd_Name");
  shortString("姓名");
  b.Byte(2).Int(8);  // a system variable
  shortString("");
  shortString("");
  shortString("总页数");
  b.Byte(2).Int(1);  // an expression of its own
  shortString("");
  shortString("[a] + 1");
  shortString("Calc");
  b.Memo({"学生", " 姓名", " 总页数", " Calc"});
  LoadDictionary(b.Bytes());
  EXPECT_EQ(VariableNames(), (std::vector<String>{" 学生", "姓名", "总页数", "Calc"}));
  EXPECT_EQ(VarToStr(Dict().Variables.Variable("姓名")), "dbsPrint.\"Fd_Name\"");
  EXPECT_EQ(VarToStr(Dict().Variables.Variable("总页数")), "TOTALPAGES");
  EXPECT_EQ(VarToStr(Dict().Variables.Variable("Calc")), "[a] + 1");
  EXPECT_EQ(Dict().FieldAliases.Count(), 0);
}

TEST_F(DictionaryTest, VariablesAreEvaluatedWhenReadAndHiddenByScriptVariables) {
  Dict().Variables.SetVariable("Price", "21");
  Dict().Variables.SetVariable("Double", "[Price] * 2");
  Dict().Variables.SetVariable("Blank", "");
  ASSERT_TRUE(Dict().IsVariable("double"));
  EXPECT_EQ(Dict().GetValue("Double").AsInteger(), 42);
  EXPECT_EQ(VarType(Dict().GetValue("Blank")), varString);
  EXPECT_TRUE(Dict().GetValue("Unknown").IsNull());
  frVariables().SetVariable("Price", 5);
  EXPECT_EQ(Dict().GetValue("Price").AsInteger(), 5);
  EXPECT_EQ(Dict().GetValue("Double").AsInteger(), 10);
}

TEST_F(DictionaryTest, AVariableThatReachesItselfIsAnUnknownSymbol) {
  Dict().Variables.SetVariable("A", "[A] + 1");
  Dict().Variables.SetVariable("B", "[C]");
  Dict().Variables.SetVariable("C", "[B] * 2");
  for (const char* name : {"A", "B"}) {
    try {
      Dict().GetValue(name);
      ADD_FAILURE() << name;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message().rfind("符号没定义 \"", 0), 0u) << e.Message();
    }
  }
  Dict().Variables.SetVariable("A", "3");
  EXPECT_EQ(Dict().GetValue("A").AsInteger(), 3);  // nothing left over from the failure
}

TEST_F(DictionaryTest, FieldReferencesResolveThroughAliasesAndAreCached) {
  TMemDataSet* data = PrintQuery();
  Dict().FieldAliases.SetVariable("adqprint", "成绩");
  Dict().FieldAliases.SetVariable("adqprint.\"Fd_Name\"", "姓名");
  Dict().FieldAliases.SetVariable("adqprint.Fd_Score", "分");
  Dict().Variables.SetVariable("Who", "adqPrint.\"Fd_Name\"");
  EXPECT_TRUE(Dict().IsVariable("adqPrint.\"Fd_Score\""));
  EXPECT_EQ(Dict().GetValue("adqPrint.\"Fd_Score\"").AsInteger(), 90);
  EXPECT_TRUE(Dict().IsVariable("成绩.\"姓名\""));
  EXPECT_EQ(Dict().GetValue("成绩.\"姓名\"").AsString(), "张三");
  EXPECT_TRUE(Dict().IsVariable("成绩.分"));
  EXPECT_TRUE(Dict().IsVariable("Who"));
  EXPECT_EQ(Dict().GetValue("Who").AsString(), "张三");
  EXPECT_FALSE(Dict().IsVariable("adqprint.\"Fd_None\""));
  EXPECT_FALSE(Dict().IsVariable("Nothing"));

  data->Edit();
  data->FieldByName("Fd_Name")->SetAsString("李四");
  data->Post();
  EXPECT_EQ(Dict().GetValue("Who").AsString(), "李四");  // read again from the cached field
  Module.reset();                                         // the data set goes; its cache entries too
  frState().ActiveReport = Report.get();
  EXPECT_FALSE(Dict().IsVariable("adqprint.\"Fd_Score\""));
  EXPECT_TRUE(Dict().GetValue("adqPrint.\"Fd_Score\"").IsNull());
}

TEST_F(DictionaryTest, AnEmptyAliasIsKeptOnlyWhenItNamesAField) {
  PrintQuery();
  TBytesBuilder b;
  b.Word(0xFFFF).Int(0);
  b.Int(2).Str("adqprint.\"Fd_Name\"").Str("").Str("adqprint.\"Fd_None\"").Str("");
  b.Int(2).Str("keep").Str("1").Str("drop").Str("");
  LoadDictionary(b.Bytes());
  ASSERT_EQ(Dict().FieldAliases.Count(), 1);
  EXPECT_EQ(Dict().FieldAliases.Name(0), "adqprint.\"Fd_Name\"");
  ASSERT_EQ(Dict().ExtraList.Count(), 1);
  EXPECT_EQ(Dict().ExtraList.Name(0), "keep");
}

TEST_F(DictionaryTest, FieldNamesSplitAtTheLastDotOutsideQuotes) {
  struct Case {
    const char* Text;
    const char* DataSet;
    const char* Field;
  };
  for (const Case& c : {Case{"dbsPrint.\"Fd_Name\"", "dbsPrint", "Fd_Name"},
                        Case{"fmMain.adq.\"a.b\"", "fmMain.adq", "a.b"}, Case{"plain", "-", "-"}}) {
    String dataSet = "-", field = "-";
    TfrDataDictionary::ExtractFieldName(c.Text, dataSet, field);
    EXPECT_EQ(dataSet, c.DataSet) << c.Text;
    EXPECT_EQ(field, c.Field) << c.Text;
  }
}

}  // namespace
