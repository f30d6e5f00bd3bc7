// The SQLite connection and data sets: closing and reopening, transactions, parameters, batches,
// posting through a join, key changes, auto-numbers, master and detail, appending without
// reading, and creation from stored properties.
#include <gtest/gtest.h>

#include "classes/Filer.h"
#include "classes/Properties.h"
#include "data/DataSource.h"
#include "support/DataFixture.h"

namespace {

TComponentPtr<TADOQuery> Query(TADOConnection* connection, const std::string& sql) {
  TComponentPtr<TADOQuery> query = MakeComponent<TADOQuery>();
  query->SetConnection(connection);
  query->SQL()->SetText(sql);
  return query;
}

TEST(ADOConnectionTest, ClosingClosesTheDataSetsAndReopeningWorks) {
  DataFixture fixture(DataFixture::Default);
  auto grades = Query(fixture.Connection(), "select * from Tb_Grade");
  grades->Open();
  EXPECT_EQ(fixture.Connection()->DataSetCount(), 1);
  fixture.Connection()->Close();
  EXPECT_FALSE(grades->Active());
  grades->Open();  // opens its connection again
  EXPECT_TRUE(fixture.Connection()->Connected());
  EXPECT_EQ(grades->Fields()[0]->AsString(), "高一");
  EXPECT_EQ(fixture.Connection()->DatabaseFile(), fixture.Path());
}

TEST(ADOConnectionTest, TransactionsCommitRollBackAndNest) {
  DataFixture fixture;
  TADOConnection& connection = *fixture.Connection();
  EXPECT_THROW(connection.CommitTrans(), EDatabaseError);
  EXPECT_EQ(connection.BeginTrans(), 1);
  connection.Execute("insert into Tb_Grade values ('一'); insert into Tb_Grade values ('二')");
  EXPECT_EQ(connection.BeginTrans(), 2);
  connection.Execute("insert into Tb_Grade values ('三')");
  connection.RollbackTrans();
  EXPECT_TRUE(connection.InTransaction());
  connection.CommitTrans();
  EXPECT_FALSE(connection.InTransaction());
  EXPECT_EQ(fixture.Value("select count(*) from Tb_Grade"), "2");
  connection.BeginTrans();
  connection.Execute("delete from Tb_Grade");
  connection.RollbackTrans();
  EXPECT_EQ(fixture.Value("select count(*) from Tb_Grade"), "2");
  EXPECT_THROW(connection.Execute("insert into Tb_Grade values ('一')"), EDatabaseError);  // duplicate key

  // A transaction the database ended by itself (as on a full disk) leaves levels that only count down.
  connection.BeginTrans();
  connection.BeginTrans();
  connection.Execute("insert into Tb_Grade values ('四'); rollback");
  connection.RollbackTrans();
  connection.RollbackTrans();
  EXPECT_FALSE(connection.InTransaction());
  connection.BeginTrans();
  connection.Execute("insert into Tb_Grade values ('五')");
  connection.CommitTrans();
  EXPECT_EQ(fixture.Value("select group_concat(Fd_Grade) from Tb_Grade where Fd_Grade in ('四', '五')"), "五");
}

TEST(ADOQueryTest, ParametersBindByNameOrPositionAndNeverBecomeSql) {
  DataFixture fixture(DataFixture::Default);
  auto query = Query(fixture.Connection(),
                     "select * from Tb_TechProg\r\nwhere Fd_Grade = :AGrade -- :NotAParameter\r\n"
                     "and Fd_ProgName <> ':Quoted' and Fd_ProgNo >= :AFrom order by Fd_ProgNo");
  ASSERT_EQ(query->Parameters().Count(), 2);
  EXPECT_EQ(query->Parameters()[1].Name(), "AFrom");
  query->Parameters()[0].SetValue("高二");
  query->Parameters().ParamByName("afrom").SetValue("T203");
  query->Open();
  EXPECT_EQ(query->FieldByName("Fd_ProgNo")->AsString(), "T203");
  EXPECT_EQ(query->RecordCount(), 4);
  query->Close();
  query->Parameters()[0].SetValue("高二' or '1'='1");
  query->Open();
  EXPECT_TRUE(query->IsEmpty());
  EXPECT_THROW(query->Parameters().ParamByName("Missing"), EDatabaseError);

  fixture.Connection()->Execute("insert into Tb_Duty values ('出勤')");  // the row the third statement deletes
  auto exec = Query(fixture.Connection(),
                    "insert into Tb_Duty values (:Name);\ninsert into Tb_Duty values (:Name || '2');\n"
                    "delete from Tb_Duty where Fd_Name = '出勤'");
  exec->Parameters()[0].SetValue("x'); drop table Tb_Duty; --");
  EXPECT_EQ(exec->ExecSQL(), 3);
  EXPECT_EQ(fixture.Value("select count(*) from Tb_Duty where Fd_Name like 'x''); drop%'"), "2");
  auto bad = Query(fixture.Connection(), "select * from Tb_Nothing");
  EXPECT_THROW(bad->Open(), EDatabaseError);
  auto noRows = Query(fixture.Connection(), "delete from Tb_Duty");
  EXPECT_THROW(noRows->Open(), EDatabaseError);
}

TEST(ADOQueryTest, FieldClassesComeFromDeclaredTypesAndExpressionsFromValues) {
  DataFixture fixture(DataFixture::Default);
  fixture.Connection()->Execute(
      "insert into Tb_Students (Fd_StuNo, Fd_Name, Fd_Birthday, Fd_FreeSign) values (1, 'a', '2008-03-05 00:00:00', 1);"
      "insert into Tb_ExamProcess (Fd_StuNo, Fd_FenVal, Fd_TestPart) values (1, 80, 0), (1, 85, 0);"
      "insert into Tb_SchoolInfo (Fd_SchoolName, Fd_Introduce) values ('一中', '很长的介绍')");
  auto students = Query(fixture.Connection(), "select s.*, 1 + 1 as Two from Tb_Students s");
  students->Open();
  const std::pair<const char*, std::string> classes[] = {
      {"Fd_StuNo", "TIntegerField"}, {"Fd_Name", "TStringField"}, {"Fd_Birthday", "TDateTimeField"},
      {"Fd_FreeSign", "TBooleanField"}, {"Two", "TIntegerField"}};
  for (const auto& [name, className] : classes) EXPECT_EQ(students->FieldByName(name)->ClassName(), className) << name;
  EXPECT_EQ(students->FieldByName("Fd_Birthday")->AsDateTime(), EncodeDate(2008, 3, 5));
  EXPECT_TRUE(students->FieldByName("Fd_FreeSign")->AsBoolean());
  EXPECT_TRUE(students->FieldByName("Fd_StuNo")->Required());
  EXPECT_FALSE(students->FieldByName("Fd_FreeSign")->Required());  // it has a default
  EXPECT_TRUE(students->FieldByName("Two")->ReadOnly());

  auto average = Query(fixture.Connection(), "select Fd_StuNo, avg(Fd_FenVal) as Fd_Avg from Tb_ExamProcess group by Fd_StuNo");
  average->Open();
  EXPECT_EQ(average->FieldByName("Fd_Avg")->ClassName(), "TFloatField");
  EXPECT_EQ(average->FieldByName("Fd_Avg")->AsInteger(), 82);  // 82.5 rounds to the even 82
  auto terms = Query(fixture.Connection(), "select * from Tb_TermType");
  terms->Open();
  EXPECT_EQ(terms->FieldByName("Fd_TermID")->ClassName(), "TAutoIncField");
  auto school = Query(fixture.Connection(), "select * from Tb_SchoolInfo");
  school->Open();
  EXPECT_EQ(school->FieldByName("Fd_Introduce")->ClassName(), "TMemoField");
  EXPECT_EQ(school->FieldByName("Fd_Introduce")->AsString(), "很长的介绍");
  EXPECT_EQ(school->FieldByName("Fd_Zip")->Size(), 6);
}

TEST(ADOQueryTest, RefreshShowsChangesMadeElsewhere) {
  DataFixture fixture;
  fixture.Connection()->Execute("insert into Tb_Grade values ('a'), ('b'), ('c')");
  auto grades = Query(fixture.Connection(), "select * from Tb_Grade");
  grades->Open();
  grades->Last();
  const TBookmark c = grades->Bookmark();
  fixture.Connection()->Execute("delete from Tb_Grade where Fd_Grade = 'a'; insert into Tb_Grade values ('d')");
  grades->Refresh();
  EXPECT_EQ(grades->Fields()[0]->AsString(), "c");
  EXPECT_EQ(grades->Bookmark(), c);
  EXPECT_EQ(grades->RecNo(), 2);
  EXPECT_EQ(grades->RecordCount(), 3);
}

// The current row deleted by another program: the row that took its place becomes current, or
// the one before it when it was the last.
TEST(ADOQueryTest, RefreshAfterTheCurrentRowWentElsewhereStandsOnItsNeighbour) {
  const struct {
    const char* Current;
    const char* Then;
  } cases[] = {{"b", "c"}, {"c", "b"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Current);
    DataFixture fixture;
    fixture.Connection()->Execute("insert into Tb_Grade values ('a'), ('b'), ('c')");
    auto grades = Query(fixture.Connection(), "select * from Tb_Grade");
    grades->Open();
    ASSERT_TRUE(grades->Locate("Fd_Grade", c.Current));
    fixture.Connection()->Execute(String("delete from Tb_Grade where Fd_Grade = '") + c.Current + "'");
    grades->Refresh();
    EXPECT_EQ(grades->Fields()[0]->AsString(), c.Then);
    EXPECT_EQ(grades->RecordCount(), 2);
  }
}

TEST(ADOQueryTest, AutoNumbersAndColumnDefaultsAreReadableAfterPost) {
  DataFixture fixture;
  auto terms = Query(fixture.Connection(), "select * from Tb_TermType order by Fd_TermID");
  terms->Open();
  for (const char* name : {"春季", "秋季"}) {
    terms->Append();
    terms->FieldByName("Fd_TermName")->SetAsString(name);
    terms->FieldByName("Fd_StartDate")->SetAsDateTime(EncodeDate(2024, 2, 1) + EncodeTime(8, 30, 0, 0));
    terms->Post();
  }
  EXPECT_EQ(terms->FieldByName("Fd_TermID")->AsInteger(), 2);
  EXPECT_EQ(fixture.Value("select Fd_StartDate || '' from Tb_TermType where Fd_TermID = 2"), "2024-02-01 08:30:00");
  EXPECT_THROW(terms->FieldByName("Fd_TermID")->SetAsInteger(5), EDatabaseError);  // not while browsing
  terms->Edit();
  EXPECT_THROW(terms->FieldByName("Fd_TermID")->SetAsInteger(5), EDatabaseError);  // read-only
  terms->Cancel();

  auto students = Query(fixture.Connection(), "select * from Tb_Students");
  students->Open();
  students->Append();
  students->FieldByName("Fd_StuNo")->SetAsInteger(7);
  students->Post();
  EXPECT_FALSE(students->FieldByName("Fd_FreeSign")->IsNull());
  EXPECT_EQ(students->FieldByName("Fd_FreeSign")->AsString(), "False");
}

TEST(ADOQueryTest, AChangedKeyFindsItsRowByTheOldValue) {
  DataFixture fixture;
  fixture.Connection()->Execute(
      "insert into Tb_Students (Fd_StuNo, Fd_Name) values (1, 'a'), (2, 'b');"
      "insert into Tb_Teachers (Fd_LogID, Fd_Name) values ('Old', 'T');"
      "insert into Tb_Duty values ('病假'), ('病假'), ('事假')");
  auto students = Query(fixture.Connection(), "select * from Tb_Students");
  students->Open();
  students->Edit();
  students->FieldByName("Fd_StuNo")->SetAsInteger(10);
  students->Post();
  students->Edit();
  students->FieldByName("Fd_Name")->SetAsString("a2");
  students->Post();
  EXPECT_EQ(fixture.Value("select group_concat(Fd_StuNo || Fd_Name) from (select * from Tb_Students order by Fd_StuNo)"),
            "2b,10a2");
  students->Last();
  students->Edit();
  students->FieldByName("Fd_StuNo")->SetAsInteger(10);  // taken: the database refuses
  EXPECT_THROW(students->Post(), EDatabaseError);
  students->Cancel();

  auto teachers = Query(fixture.Connection(), "select * from Tb_Teachers");
  teachers->Open();
  teachers->Edit();
  teachers->FieldByName("Fd_LogID")->SetAsString("new");
  teachers->Post();
  EXPECT_EQ(fixture.Value("select Fd_LogID from Tb_Teachers"), "new");

  // A table without a key: the row is found by all its values, one of two equal rows changes.
  auto duty = Query(fixture.Connection(), "select * from Tb_Duty");
  duty->Open();
  duty->Edit();
  duty->Fields()[0]->SetAsString("迟到");
  duty->Post();
  duty->Last();
  duty->Delete();
  EXPECT_EQ(fixture.Value("select group_concat(Fd_Name) from Tb_Duty"), "迟到,病假");

  fixture.Connection()->Execute("delete from Tb_Students where Fd_StuNo = 10");
  students->First();
  students->Edit();
  students->FieldByName("Fd_Name")->SetAsString("gone");
  EXPECT_THROW(students->Post(), EDatabaseError);  // the row went meanwhile
}

TEST(ADOQueryTest, EditsOfAJoinGoToTheUpdateTable) {
  DataFixture fixture(DataFixture::Default);
  const char* sql =
      "select a.*, b.Fd_ProgName, b.Fd_Nutric from Tb_UptoStarnd a, Tb_UptoProg b "
      "where a.Fd_ProgID = b.Fd_ProgNo and a.Fd_Sex = :ASex and a.Fd_Grade = :AGrade order by a.Fd_ProgID";
  auto standards = Query(fixture.Connection(), sql);
  standards->Parameters()[0].SetValue("男");
  standards->Parameters()[1].SetValue("高一");
  standards->Open();
  EXPECT_FALSE(standards->CanModify());  // two tables and no update table
  standards->Close();
  standards->SetUpdateTable("Tb_UptoStarnd");
  standards->Open();
  ASSERT_TRUE(standards->CanModify());
  EXPECT_TRUE(standards->FieldByName("Fd_ProgName")->ReadOnly());
  const std::string id = standards->FieldByName("Fd_StarndID")->AsString();
  standards->Edit();
  standards->FieldByName("Fd_Fen60")->SetAsFloat(123.5);
  EXPECT_THROW(standards->FieldByName("Fd_ProgName")->SetAsString("x"), EDatabaseError);
  standards->Post();
  EXPECT_EQ(fixture.Value("select Fd_Fen60 from Tb_UptoStarnd where Fd_StarndID = " + id), "123.5");
  standards->Refresh();
  EXPECT_EQ(standards->FieldByName("Fd_Fen60")->AsFloat(), 123.5);
  standards->Close();
  standards->SetUpdateTable("Vw_Students");
  EXPECT_THROW(standards->Open(), EDatabaseError);
}

TEST(ADOQueryTest, BatchKeepsChangesUntilUpdateBatchAndDropsThemOnClose) {
  DataFixture fixture;
  fixture.Connection()->Execute("insert into Tb_ClassesSum (Fd_Class, Fd_AllTotal) values ('a', 1), ('b', 2), ('c', 3)");
  auto sums = Query(fixture.Connection(), "select * from Tb_ClassesSum");
  sums->SetLockType(ltBatchOptimistic);
  const auto change = [&] {
    sums->Open();
    ASSERT_TRUE(sums->Locate("Fd_Class", Variant("b")));
    sums->Edit();
    sums->FieldByName("Fd_AllTotal")->SetAsInteger(20);
    sums->Post();
    EXPECT_EQ(sums->UpdateStatus(), usModified);
    sums->First();
    sums->Delete();
    sums->AppendRecord({"d", 4});
    EXPECT_TRUE(sums->Locate("Fd_Class", Variant("b")));  // over the cached rows
    EXPECT_EQ(sums->FieldByName("Fd_AllTotal")->AsInteger(), 20);
    EXPECT_EQ(sums->RecordCount(), 3);
  };
  const std::string stored = "select group_concat(Fd_Class || Fd_AllTotal) from Tb_ClassesSum";
  change();
  EXPECT_EQ(fixture.Value(stored), "a1,b2,c3");
  sums->Close();
  sums->Open();
  EXPECT_EQ(sums->RecordCount(), 3);
  EXPECT_EQ(fixture.Value(stored), "a1,b2,c3");
  sums->Close();

  change();
  sums->CancelBatch();
  EXPECT_EQ(sums->RecordCount(), 3);
  EXPECT_TRUE(sums->Locate("Fd_Class", Variant("a")));
  sums->Close();

  change();
  sums->UpdateBatch();
  EXPECT_EQ(fixture.Value(stored), "b20,c3,d4");
  EXPECT_EQ(sums->UpdateStatus(), usUnmodified);
  sums->Close();

  // A batch that fails writes nothing and keeps its changes.
  sums->Open();
  sums->Edit();
  sums->FieldByName("Fd_AllTotal")->SetAsInteger(200);
  sums->Post();
  sums->AppendRecord({"c", 5});  // the class is unique: this row is refused
  EXPECT_THROW(sums->UpdateBatch(), EDatabaseError);
  EXPECT_EQ(fixture.Value(stored), "b20,c3,d4");
  EXPECT_EQ(sums->FieldByName("Fd_AllTotal")->AsInteger(), 5);
  EXPECT_EQ(sums->UpdateStatus(), usInserted);
}

TEST(ADOTableTest, TablesReadInStoredOrderAndDetailsFollowTheirMaster) {
  DataFixture fixture;
  fixture.Connection()->Execute(
      "insert into Tb_Grade values ('高三'), ('高一'), ('高二');"
      "insert into Tb_Students (Fd_StuNo, Fd_Name) values (1, 'a'), (2, 'b'), (3, 'c');"
      "insert into Tb_DutyProcess (Fd_StuNo, Fd_Duty) values (2, '迟到'), (1, '病假'), (2, '早退')");
  auto grades = MakeComponent<TADOTable>();
  grades->SetConnection(fixture.Connection());
  grades->SetTableName("Tb_Grade");
  grades->Open();
  std::string order;
  for (; !grades->Eof(); grades->Next()) order += grades->Fields()[0]->AsString();
  EXPECT_EQ(order, "高三高一高二");

  auto students = Query(fixture.Connection(), "select * from Tb_Students order by Fd_StuNo");
  auto source = MakeComponent<TDataSource>();
  source->SetDataSet(students.get());
  auto duty = MakeComponent<TADOTable>();
  duty->SetConnection(fixture.Connection());
  duty->SetTableName("Tb_DutyProcess");
  duty->SetIndexFieldNames("Fd_StuNo");
  duty->SetMasterFields("Fd_StuNo");
  duty->SetMasterSource(source.get());
  duty->Open();
  EXPECT_TRUE(duty->IsEmpty());  // the master is closed
  students->Open();
  const auto duties = [&] {
    std::string text;
    for (duty->First(); !duty->Eof(); duty->Next()) text += duty->FieldByName("Fd_Duty")->AsString();
    return text;
  };
  EXPECT_EQ(duties(), "病假");
  students->Next();
  EXPECT_EQ(duties(), "迟到早退");
  students->Next();
  EXPECT_EQ(duties(), "");
  students->Locate("Fd_StuNo", 1);
  EXPECT_EQ(duties(), "病假");
  duty->SetMasterSource(nullptr);
  duty->Close();
  duty->Open();
  EXPECT_EQ(duty->RecordCount(), 3);
}

// Open reads one row; appending and posting need no more, and the rest read later holds each
// appended row once, with its bookmark.
TEST(ADOQueryTest, AppendingDoesNotReadTheTable) {
  DataFixture fixture;
  fixture.Connection()->Execute(
      "with recursive n(i) as (select 1 union all select i + 1 from n where i < 500) "
      "insert into Tb_UptoProcess (Fd_StuNo, Fd_ProgNo) select i, 'U11' from n");
  auto results = Query(fixture.Connection(), "select * from Tb_Uptoprocess");
  int reads = 0;
  results->Open();
  results->AfterScroll = [&](TDataSet*) { ++reads; };
  TBookmark appended;
  for (int i = 0; i < 3; ++i) {
    results->Append();
    results->FieldByName("Fd_StuNo")->SetAsInteger(9000 + i);
    results->FieldByName("Fd_TestDate")->SetAsDateTime(EncodeDate(2024, 5, 1));
    results->Post();
    if (i == 0) appended = results->Bookmark();
  }
  EXPECT_EQ(results->FieldByName("Fd_ProcID")->AsInteger(), 503);
  EXPECT_EQ(results->BufferRecordCount(), 1);
  EXPECT_EQ(results->RecordCount(), 503);
  ASSERT_TRUE(results->BookmarkValid(appended));
  results->GotoBookmark(appended);
  EXPECT_EQ(results->FieldByName("Fd_StuNo")->AsInteger(), 9000);
  EXPECT_EQ(results->RecNo(), 501);
  EXPECT_GT(reads, 0);
}

TEST(ADORegistrationTest, ComponentsAreCreatedAndSetByTheirPublishedNames) {
  RegisterDataClasses();
  DataFixture fixture(DataFixture::Default);
  TComponentPtr<TComponent> form = MakeComponent<TComponent>();
  fixture.Connection()->SetName("adcConnect");
  auto* connection = CreateComponent("TADOConnection", form.get());
  connection->SetName("adcConnect");
  SetPropValue(*connection, "ConnectionString", TLayoutValue::OfString(DataFixture::ConnectionString(fixture.Path())));
  SetPropValue(*connection, "LoginPrompt", TLayoutValue::OfIdent("False"));
  auto* query = CreateComponent("TADOQuery", form.get());
  query->SetName("adqGrade");
  SetPropValue(*query, "Connection", TLayoutValue::OfIdent("adcConnect"));
  static_cast<TADOQuery*>(query)->SQL()->SetText("select * from Tb_Grade");
  SetPropValue(*query, "LockType", TLayoutValue::OfIdent("ltBatchOptimistic"));
  auto* source = CreateComponent("TDataSource", form.get());
  SetPropValue(*source, "DataSet", TLayoutValue::OfIdent("adqGrade"));
  SetPropValue(*source, "AutoEdit", TLayoutValue::OfIdent("False"));
  SetPropValue(*query, "Active", TLayoutValue::OfIdent("True"));
  EXPECT_TRUE(static_cast<TDataSet*>(query)->Active());
  EXPECT_FALSE(static_cast<TDataSource*>(source)->AutoEdit());
  EXPECT_EQ(static_cast<TADOQuery*>(query)->LockType(), ltBatchOptimistic);
  for (const char* name : {"TADOTable", "TMemDataSet", "TIntegerField", "TStringField", "TFloatField", "TDateTimeField",
                           "TBooleanField", "TMemoField", "TBlobField", "TGraphicField", "TAutoIncField"})
    EXPECT_NE(GetClass(name), nullptr) << name;
}

TEST(ADORegistrationTest, AStoredLayoutMakesConnectedQueriesWithPersistentFields) {
  RegisterDataClasses();
  DataFixture fixture(DataFixture::Default);
  TComponentPtr<TComponent> module = MakeComponent<TComponent>();
  const std::string text =
      "object dmGym: TComponent\n"
      "  object adcConnect: TADOConnection\n"
      "    ConnectionString = '" + DataFixture::ConnectionString(fixture.Path()) + "'\n"
      "    LoginPrompt = False\n"
      "  end\n"
      "  object adqGrade: TADOQuery\n"
      "    Connection = adcConnect\n"
      "    SQL = (\n"
      "      'select * from Tb_Grade'\n"
      "      'where Fd_Grade <> ''高三''')\n"
      "    Active = True\n"
      "    object adqGradeFd_Grade: TStringField\n"
      "      DisplayLabel = '年级'\n"
      "      FieldName = 'Fd_Grade'\n"
      "    end\n"
      "  end\n"
      "  object dsGrade: TDataSource\n"
      "    DataSet = adqGrade\n"
      "    AutoEdit = False\n"
      "  end\n"
      "end\n";
  ReadLayout(text, module.get());
  auto* query = static_cast<TADOQuery*>(module->FindComponent("adqGrade"));
  ASSERT_NE(query, nullptr);
  EXPECT_TRUE(query->Active());
  EXPECT_EQ(query->RecordCount(), 2);
  auto* field = static_cast<TField*>(module->FindComponent("adqGradeFd_Grade"));
  EXPECT_EQ(query->FieldByName("Fd_Grade"), field);
  EXPECT_EQ(field->DisplayLabel(), "年级");
  EXPECT_EQ(static_cast<TDataSource*>(module->FindComponent("dsGrade"))->DataSet(), query);
  const std::string written = WriteLayout(module.get());
  EXPECT_NE(written.find("object adqGradeFd_Grade: TStringField"), std::string::npos) << written;
}

TEST(ADOQueryTest, AnEditSurvivesReadingTheRestOfTheRows) {
  DataFixture fixture(DataFixture::Default);
  auto items = Query(fixture.Connection(), "select * from Tb_TechProg order by Fd_ProgNo");
  items->Open();
  items->Edit();
  items->FieldByName("Fd_ProgName")->SetAsString("篮球'");
  auto source = MakeComponent<TDataSource>();
  source->SetDataSet(items.get());
  TDataLink link;
  link.SetBufferCount(4);  // reads the rest of the rows while the first is being edited
  link.SetDataSource(source.get());
  EXPECT_EQ(link.RecordCount(), 4);
  EXPECT_EQ(items->FieldByName("Fd_ProgName")->AsString(), "篮球'");
  items->Post();
  EXPECT_EQ(fixture.Value("select Fd_ProgName from Tb_TechProg where Fd_ProgNo = 'T101'"), "篮球'");
}

}  // namespace
