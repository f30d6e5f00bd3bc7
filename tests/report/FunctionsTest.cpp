// The function libraries: each standard function on its edge cases, the registry and the
// catalogue, the aggregate calls over stand-in bands, the dialogs of INPUT and MESSAGEBOX, and the
// report side of the interpreter with the engine's globals.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "report/FR_Aggr.h"
#include "report/FR_Const.h"
#include "report/FR_FuncLib.h"
#include "report/FR_Globals.h"
#include "report/FR_ScriptDlg.h"
#include "report/FR_StdFuncs.h"
#include "rtl/Convert.h"
#include "rtl/Text.h"

namespace {

// The engine's parser offering calls to the libraries, as the report does; restored afterwards.
class FunctionsTest : public testing::Test {
 protected:
  void SetUp() override {
    frParser().OnFunction = [](const String& name, const Variant& p1, const Variant& p2, const Variant& p3,
                               Variant& value) { frCallLibraryFunction(name, p1, p2, p3, value); };
  }
  void TearDown() override {
    frParser().OnFunction = nullptr;
    frParser().OnGetValue = nullptr;
    frVariables().Clear();
    SetScriptDialogs(nullptr);
    SetAggregateHost(nullptr);
  }
  static Variant Calc(const String& expression) { return frParser().Calc(expression); }
};

struct FunctionCase {
  const char* Expression;
  Variant Expected;
};

TEST_F(FunctionsTest, StandardFunctionsOnTheirEdgeCases) {
  const FunctionCase cases[] = {
      {"NAMECASE('hELLO wORLD')", "Hello world"},
      {"NAMECASE('')", ""},
      {"namecase('éCOLE')", "École"},
      {"POS('b', 'abc')", 2},
      {"POS('z', 'abc')", 0},
      {"POS('课', '体育课')", 3},
      {"LENGTH('')", 0},
      {"LENGTH('体育 ')", 3},
      {"LOWERCASE('AbÇ')", "abç"},
      {"UPPERCASE('abc中')", "ABC中"},
      {"TRIM('  a b ' + CRLF)", "a b"},
      {"MAXNUM(3, 3)", 3.0},
      {"MAXNUM(-1, -2)", -1.0},
      {"MINNUM(2, 5)", 2.0},
      {"MINNUM('b', 'a')", "a"},
      {"DAYOF(STRTODATE('2004-03-07'))", 7},
      {"MONTHOF(STRTODATE('2004-03-07'))", 3},
      {"YEAROF(STRTODATE('2004-03-07'))", 2004},
      {"DAYOF('2004-3-17')", 17},
      {"FORMATDATETIME('yyyy年m月d日', STRTODATE('2004-3-7'))", "2004年3月7日"},
      {"FORMATFLOAT('0.00', 2.675)", "2.68"},
      {"FORMATFLOAT('#,##0', 1234567)", "1,234,567"},
      {"FORMATTEXT('000-000', '123456')", "123-456"},
      {"FORMATTEXT('000-000', '123')", "123-   "},
      {"FORMATTEXT('(999)', 12345)", "(123)"},
  };
  frParser().OnGetValue = [](const String& name, Variant& value) { value = frConsts().Variable(name); };
  for (const FunctionCase& c : cases) {
    const Variant value = Calc(c.Expression);
    EXPECT_EQ(value.VarType(), c.Expected.VarType()) << c.Expression;
    EXPECT_EQ(VarToStr(value), VarToStr(c.Expected)) << c.Expression;
  }
}

TEST_F(FunctionsTest, ConversionErrorsPropagate) {
  for (const char* expression : {"DAYOF('abc')", "YEAROF('')", "FORMATFLOAT('0.00', 'abc')", "MAXNUM('a', 1)"})
    EXPECT_THROW(Calc(expression), Exception) << expression;
}

// A scripted pair of dialogs that records what it was asked.
class ScriptedDialogs : public TfrScriptDialogs {
 public:
  explicit ScriptedDialogs(std::vector<String>* log) : FLog(log) {}
  String InputBox(const String& Caption, const String& Prompt, const String& Default) override {
    FLog->push_back("input|" + Caption + "|" + Prompt + "|" + Default);
    return "李四";
  }
  int MessageBox(const String& Text, const String& Caption, int Flags) override {
    FLog->push_back("box|" + Text + "|" + Caption + "|" + IntToStr(Flags));
    return 7;
  }

 private:
  std::vector<String>* FLog;
};

TEST_F(FunctionsTest, InputAndMessageBoxGoThroughTheBoundDialogs) {
  EXPECT_EQ(VarToStr(Calc("INPUT('姓名', '张' + '三')")), "张三");
  EXPECT_EQ(Calc("MESSAGEBOX('a', 'b', 4 + 32)").AsInteger(), 6);  // Yes, when nothing is bound
  EXPECT_EQ(Calc("MESSAGEBOX('a', 'b', 1)").AsInteger(), 1);

  std::vector<String> log;
  SetScriptDialogs(std::make_unique<ScriptedDialogs>(&log));
  EXPECT_EQ(VarToStr(Calc("INPUT('姓名', '张三')")), "李四");
  EXPECT_EQ(Calc("MESSAGEBOX('删除?', '确认', 4 + 32)").AsInteger(), 7);
  EXPECT_EQ(log, (std::vector<String>{"input||姓名|张三", "box|删除?|确认|36"}));
}

template <int N>
class NumberedLibrary : public TfrFunctionLibrary {
 public:
  NumberedLibrary() { FList.Add("F" + IntToStr(N)); }
  void DoFunction(int FNo, const Variant& P1, const Variant&, const Variant&, Variant& Value) override {
    Value = IntToStr(N) + ":" + IntToStr(FNo) + ":" + VarToStr(P1);
  }
};

template <size_t... N>
void RegisterNumbered(std::index_sequence<N...>) {
  (RegisterFunctionLibrary<NumberedLibrary<int(N)>>(), ...);
}
template <size_t... N>
void UnregisterNumbered(std::index_sequence<N...>) {
  (UnregisterFunctionLibrary<NumberedLibrary<int(N)>>(), ...);
}

TEST_F(FunctionsTest, RegistryKeepsOneLibraryOfEachClass) {
  ASSERT_EQ(frFunctionLibraryCount(), 1);
  EXPECT_NE(dynamic_cast<TfrStdFunctionLibrary*>(frFunctionLibrary(0)), nullptr);
  RegisterFunctionLibrary<TfrStdFunctionLibrary>();
  EXPECT_EQ(frFunctionLibraryCount(), 1);

  RegisterFunctionLibrary<NumberedLibrary<0>>();
  RegisterFunctionLibrary<NumberedLibrary<0>>();
  EXPECT_EQ(frFunctionLibraryCount(), 2);
  EXPECT_EQ(VarToStr(Calc("F0('x')")), "0:0:'x'");
  EXPECT_EQ(VarToStr(Calc("LENGTH('abc')")), "3");
  Variant untouched = "kept";
  EXPECT_FALSE(frCallLibraryFunction("NOSUCH", "", "", "", untouched));
  EXPECT_EQ(VarToStr(untouched), "kept");

  RegisterNumbered(std::make_index_sequence<31>());
  EXPECT_EQ(frFunctionLibraryCount(), frMaxFunctionLibraries);
  EXPECT_THROW(RegisterFunctionLibrary<NumberedLibrary<31>>(), EInvalidOperation);
  UnregisterFunctionLibrary<NumberedLibrary<5>>();
  EXPECT_EQ(frFunctionLibraryCount(), 31);
  EXPECT_EQ(VarToStr(Calc("F6(1)")), "6:0:1");  // the later libraries moved up and still answer
  UnregisterNumbered(std::make_index_sequence<31>());
  EXPECT_EQ(frFunctionLibraryCount(), 1);
}

TEST_F(FunctionsTest, CatalogueDescribesEachNameOnceWhenItsCategoryHasAText) {
  EXPECT_EQ(frInstalledFunctions().Count(), 0);  // the program's string table has no such texts
  frLocale().OnLocalize = [](int id, String& text) {
    if (id >= 55349 && id <= 55355) text = "类别" + IntToStr(id - 55349);
    if (id >= 55360 && id <= 55416) text = "说明" + IntToStr(id - 55360);
  };
  {
    TfrStdFunctionLibrary library;
    TfrStdFunctionLibrary second;
    ASSERT_EQ(frInstalledFunctions().Count(), 57);
    const TfrFunctionDescription& first = frInstalledFunctions().Items(0);
    EXPECT_EQ(first.Library, &library);
    EXPECT_EQ(first.FunctionName, "AVG");
    EXPECT_EQ(first.Category, "类别0");
    const TfrFunctionDescription& last = frInstalledFunctions().Items(56);
    EXPECT_EQ(last.FunctionName, "DEC");
    EXPECT_EQ(last.Description, "说明56");
    frInstalledFunctions().RemoveLibrary(&library);
  }
  frLocale().OnLocalize = nullptr;
  EXPECT_EQ(frInstalledFunctions().Count(), 0);
}

// A runtime band and the build in progress, enough for the aggregate calls.
class StandInBand : public TfrAggregateBand {
 public:
  StandInBand(TfrBandType type, String name, bool crossObjects = false)
      : FType(type), FName(std::move(name)), FCrossObjects(crossObjects) {}
  TfrBandType BandType() const override { return FType; }
  String BandName() const override { return FName; }
  bool HasCrossObjects() const override { return FCrossObjects; }
  TfrAggregateBand* AggrBand() const override { return FAggrBand; }
  void SetAggrBand(TfrAggregateBand* Band) override { FAggrBand = Band; }
  TfrVariables& Aggregates() override { return FAggregates; }
  Variant GetAggregateValue(const String& Name) override {
    AskedFor = Name;
    return FAggregates.Variable(Name);
  }
  String AskedFor;

 private:
  TfrBandType FType;
  String FName;
  bool FCrossObjects;
  TfrAggregateBand* FAggrBand = nullptr;
  TfrVariables FAggregates;
};

class StandInBuild : public TfrAggregateHost {
 public:
  bool AggregateRegistration() const override { return Registering; }
  TfrAggregateBand* AggregateOwner() const override { return Owner; }
  TfrAggregateBand* ActiveBand() const override { return Active; }
  int CrossColumn() const override { return Column; }
  bool Registering = true;
  TfrAggregateBand* Owner = nullptr;
  TfrAggregateBand* Active = nullptr;
  int Column = 0;
};

String Item(const String& band, TfrAggregateFunction f, const String& expression, const String& flag) {
  return frAggregateItemName(band, f, expression, flag);
}

TEST_F(FunctionsTest, AggregateCallsRegisterItemsWithTheirOwner) {
  StandInBand master(btMasterData, "MasterData1"), footer(btMasterFooter, "MasterFooter1");
  StandInBand header(btPageHeader, "PageHeader1"), crossUser(btGroupFooter, "GroupFooter1", true);
  StandInBuild build;
  build.Owner = &master;
  SetAggregateHost(&build);

  build.Active = &footer;
  EXPECT_TRUE(Calc("SUM([Score])").IsEmpty());
  EXPECT_TRUE(Calc("MIN([Score], masterdata1 , 1)").IsEmpty());
  Calc("COUNT(MasterData1, 1)");
  Calc("AVG([Score], OtherBand)");  // another band's aggregate: nothing
  ASSERT_EQ(master.Aggregates().Count(), 3);
  EXPECT_EQ(Item("MasterFooter1", afSum, "[Score]", ""), String("MasterFooter1\1\x0B\1[Score]\1\1"));
  EXPECT_EQ(VarToStr(master.Aggregates().Variable(Item("MasterFooter1", afSum, "[Score]", ""))), "0");
  EXPECT_EQ(master.Aggregates().Variable(Item("MasterFooter1", afMin, "[Score]", " 1")).AsDouble(), 1e300);
  EXPECT_EQ(VarToStr(master.Aggregates().Variable(Item("MasterFooter1", afCount, "", " 1"))), "0");
  EXPECT_EQ(footer.AggrBand(), &master);

  build.Active = &header;  // a page header sums no data band by itself
  Calc("SUM([Score])");
  EXPECT_EQ(header.AggrBand(), nullptr);
  Calc("SUM([Score], MasterData1)");
  EXPECT_EQ(header.AggrBand(), &master);

  build.Active = &crossUser;
  Calc("MAX([Score])");
  EXPECT_GE(master.Aggregates().IndexOf(Item(String("0\1") + "GroupFooter1", afMax, "[Score]", "")), 0);

  StandInBand detail(btDetailData, "DetailData1");
  build.Owner = &detail;
  build.Active = &footer;  // a master footer sums master data, not the detail owner
  Calc("SUM([x])");
  EXPECT_EQ(detail.Aggregates().Count(), 0);
}

TEST_F(FunctionsTest, AggregateCallsReadTheAccumulatingBand) {
  StandInBand master(btMasterData, "MasterData1"), footer(btMasterFooter, "MasterFooter1");
  StandInBand cross(btCrossData, "CrossData1");
  StandInBuild build;
  build.Registering = false;
  build.Active = &footer;
  EXPECT_TRUE(Calc("SUM([x])").IsEmpty());  // no host
  SetAggregateHost(&build);
  EXPECT_TRUE(Calc("SUM([x])").IsEmpty());  // no accumulating band
  footer.SetAggrBand(&master);
  master.Aggregates().SetVariable(Item("MasterFooter1", afSum, "[x]", ""), 42);
  EXPECT_EQ(Calc("SUM([x])").AsInteger(), 42);
  Calc("COUNT(MasterData1)");
  EXPECT_EQ(master.AskedFor, Item("MasterFooter1", afCount, "", ""));

  // A cross cell of the footer's row reads the column's item from the band the footer aggregates.
  build.Active = &cross;
  build.Column = 3;
  cross.SetAggrBand(&footer);
  Calc("AVG([y], , 1)");
  EXPECT_EQ(master.AskedFor, Item(String("3\1") + "MasterFooter1", afAvg, "[y]", " 1"));
}

TEST_F(FunctionsTest, ReportInterpreterAssignsScriptVariablesFirst) {
  std::vector<String> reportTargets;
  TInterpretator& interpreter = frInterpretator();
  interpreter.OnSetReportValue = [&](const String& name, const Variant& value) {
    reportTargets.push_back(name + "=" + VarToStr(value));
    return SameText(name, "PROGRESS");
  };
  frVariables().SetVariable("CurY", 1);
  frParser().OnGetValue = [](const String& name, Variant& value) { value = name == "PAGE#" ? Variant(5) : frVariables().Variable(name); };
  frParser().OnFunction = [](const String& name, const Variant& p1, const Variant&, const Variant&, Variant& value) {
    value = name + ":" + VarToStr(frParser().Calc(VarToStr(p1)));
  };
  TStringList source, compiled, errors;
  source.Add("begin CurY := 2; cury2 := [PAGE#] + 1; Memo1.Text := F(3); Progress := 9 end");
  interpreter.PrepareScript(source, compiled, errors);
  ASSERT_EQ(errors.Count(), 0) << errors.Text();
  interpreter.DoScript(compiled);
  interpreter.OnSetReportValue = nullptr;

  EXPECT_EQ(reportTargets, (std::vector<String>{"cury2=6", "Memo1.Text=F:3", "Progress=9"}));
  EXPECT_LT(frVariables().IndexOf("Progress"), 0);
  EXPECT_EQ(frVariables().Variable("CURY").AsInteger(), 2);
  EXPECT_EQ(frVariables().Variable("cury2").AsInteger(), 6);
  EXPECT_EQ(VarToStr(frVariables().Variable("Memo1.Text")), "F:3");
  EXPECT_TRUE(frVariables().Sorted());
}

}  // namespace
