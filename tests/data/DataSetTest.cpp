// Navigation, bookmarks, searching, filtering and editing of a data set, each case run against
// the in-memory and the SQLite back end.
#include <gtest/gtest.h>

#include "data/DataSource.h"
#include "data/StudentSets.h"
#include "rtl/Text.h"

namespace {

using DataSetCases = BothBackEnds;

struct NavigationStep {
  const char* Operation;
  int Distance;
  int RecNo;
  bool Bof;
  bool Eof;
  const char* Name;
};

TEST_P(DataSetCases, NavigationKeepsBofEofAndRecNo) {
  TDataSet& data = Data();
  EXPECT_TRUE(data.Bof());
  EXPECT_FALSE(data.Eof());
  const NavigationStep steps[] = {
      {"Next", 0, 2, false, false, "li si"},     {"Next", 0, 3, false, false, "Wang Wu"},
      {"Last", 0, 5, false, true, "Li Lei"},     {"Next", 0, 5, false, true, "Li Lei"},
      {"Prior", 0, 4, false, false, "O'Brien"},  {"MoveBy", -10, 1, true, false, "Zhang San"},
      {"Prior", 0, 1, true, false, "Zhang San"}, {"MoveBy", 2, 3, false, false, "Wang Wu"},
      {"First", 0, 1, true, false, "Zhang San"}, {"MoveBy", 99, 5, false, true, "Li Lei"},
  };
  for (const NavigationStep& step : steps) {
    const std::string op = step.Operation;
    if (op == "Next") data.Next();
    if (op == "Prior") data.Prior();
    if (op == "First") data.First();
    if (op == "Last") data.Last();
    if (op == "MoveBy") data.MoveBy(step.Distance);
    SCOPED_TRACE(op + " " + std::to_string(step.Distance));
    EXPECT_EQ(data.RecNo(), step.RecNo);
    EXPECT_EQ(data.Bof(), step.Bof);
    EXPECT_EQ(data.Eof(), step.Eof);
    EXPECT_EQ(Name(), step.Name);
  }
  EXPECT_EQ(data.RecordCount(), 5);
  data.SetRecNo(4);
  EXPECT_EQ(Name(), "O'Brien");
  EXPECT_EQ(data.MoveBy(-2), -2);
  EXPECT_TRUE(data.IsSequenced());
}

TEST_P(DataSetCases, BookmarksSurviveEditsAndRefreshAndDieWithTheirRecord) {
  TDataSet& data = Data();
  data.SetRecNo(3);
  const TBookmark wang = data.Bookmark();
  data.First();
  const TBookmark zhang = data.Bookmark();
  EXPECT_LT(data.CompareBookmarks(zhang, wang), 0);
  EXPECT_GT(data.CompareBookmarks(wang, zhang), 0);
  EXPECT_EQ(data.CompareBookmarks(wang, wang), 0);
  EXPECT_LT(data.CompareBookmarks("", wang), 0);

  data.Edit();
  data.FieldByName("Fd_Name")->SetAsString("Zhang Sanfeng");
  data.Post();
  data.Refresh();
  data.GotoBookmark(wang);
  EXPECT_EQ(Name(), "Wang Wu");
  data.GotoBookmark(zhang);
  EXPECT_EQ(Name(), "Zhang Sanfeng");

  data.Delete();
  EXPECT_FALSE(data.BookmarkValid(zhang));
  EXPECT_TRUE(data.BookmarkValid(wang));
  EXPECT_THROW(data.GotoBookmark(zhang), EDatabaseError);
  EXPECT_FALSE(data.BookmarkValid("not a bookmark"));
}

struct LocateCase {
  const char* Fields;
  std::vector<Variant> Values;
  TLocateOptions Options;
  const char* Found;  // nullptr: not found
};

TEST_P(DataSetCases, LocateFindsByOneOrSeveralFieldsWithOptions) {
  const LocateCase cases[] = {
      {"Fd_Name", {"Wang Wu"}, 0, "Wang Wu"},
      {"Fd_Name", {"wang wu"}, 0, nullptr},
      {"Fd_Name", {"wang wu"}, loCaseInsensitive, "Wang Wu"},
      {"Fd_Name", {"Li"}, loPartialKey, "Li Lei"},
      {"Fd_Name", {"li"}, loPartialKey, "li si"},
      {"Fd_Name", {"li"}, loPartialKey | loCaseInsensitive, "li si"},
      {"Fd_Name", {"O'Brien"}, 0, "O'Brien"},
      {"Fd_StuNo", {1005}, 0, "Li Lei"},
      {"Fd_StuNo", {"1003"}, 0, "Wang Wu"},
      {"Fd_StuNo", {"not a number"}, 0, nullptr},
      {"Fd_Sex;Fd_StuNo", {"女", 1004}, 0, "O'Brien"},
      {"Fd_Sex; Fd_Name", {"男", "li si"}, 0, nullptr},
      {"Fd_Birthday", {Variant::Null()}, 0, "Zhang San"},
  };
  TDataSet& data = Data();
  for (const LocateCase& c : cases) {
    SCOPED_TRACE(std::string(c.Fields) + " " + VarToStr(c.Values[0]));
    data.SetRecNo(2);
    EXPECT_EQ(data.Locate(c.Fields, c.Values, c.Options), c.Found != nullptr);
    EXPECT_EQ(Name(), c.Found ? c.Found : "li si");  // a failed search does not move
  }
  data.SetRecNo(2);
  EXPECT_THROW(data.Locate("Fd_Sex;Fd_StuNo", Variant("男")), EDatabaseError);
  EXPECT_THROW(data.Locate("Fd_Nothing", Variant(1)), EDatabaseError);
  EXPECT_EQ(VarToStr(data.Lookup("Fd_StuNo", 1004, "Fd_Name")), "O'Brien");
  EXPECT_TRUE(data.Lookup("Fd_StuNo", 9999, "Fd_Name").IsNull());
  EXPECT_EQ(Name(), "li si");
}

TEST_P(DataSetCases, FilterExpressionAndEventNarrowTheRecords) {
  TDataSet& data = Data();
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"Fd_Sex = '女'", {"li si", "O'Brien"}},
      {"Fd_Name = 'O''Brien'", {"O'Brien"}},
      {"Fd_Name = 'Li*'", {"Li Lei"}},
      {"Fd_StuNo >= 1003 and not (Fd_Sex = '男')", {"O'Brien"}},
      {"[Fd_StuNo] < 1002 or Fd_StuNo > 1004", {"Zhang San", "Li Lei"}},
      {"Fd_Birthday is null and Fd_StuNo <> 1001", {"li si", "Wang Wu", "O'Brien", "Li Lei"}},
      {"Fd_Name is not null and 1003 > Fd_StuNo", {"Zhang San", "li si"}},
      {"Fd_StuNo > -1 and -5 < Fd_StuNo and Fd_StuNo < 1002", {"Zhang San"}},
  };
  data.SetFiltered(true);
  for (const auto& [filter, expected] : cases) {
    SCOPED_TRACE(filter);
    data.SetFilter(filter);
    std::vector<std::string> names;
    for (data.First(); !data.Eof(); data.Next()) names.push_back(Name());
    EXPECT_EQ(names, expected);
    EXPECT_EQ(data.RecordCount(), int(expected.size()));
  }
  data.SetFilter("Fd_Name = 'LI*'");
  data.SetFilterOptions(foCaseInsensitive);
  EXPECT_EQ(data.RecordCount(), 2);
  data.SetFilterOptions(foCaseInsensitive | foNoPartialCompare);
  EXPECT_EQ(data.RecordCount(), 0);
  data.SetFilter("");
  data.OnFilterRecord = [](TDataSet* dataSet, bool& accept) {
    EXPECT_EQ(dataSet->State(), dsFilter);
    accept = dataSet->FieldByName("Fd_StuNo")->AsInteger() % 2 == 0;
  };
  data.SetFiltered(false);
  data.SetFiltered(true);
  EXPECT_EQ(data.RecordCount(), 2);
  EXPECT_EQ(data.State(), dsBrowse);
  data.SetFiltered(false);
  EXPECT_EQ(data.RecordCount(), 5);
  EXPECT_THROW(data.SetFilter("Fd_Name = "), EDatabaseError);
  EXPECT_THROW(data.SetFilter("(Fd_Name = 'x'"), EDatabaseError);
  EXPECT_THROW(data.SetFilter("Fd_StuNo > - 'x'"), EDatabaseError);
}

TEST_P(DataSetCases, EditingInEachState) {
  TDataSet& data = Data();
  TField* name = data.FieldByName("Fd_Name");
  EXPECT_THROW(name->SetAsString("x"), EDatabaseError);  // browsing
  EXPECT_THROW(data.Post(), EDatabaseError);

  data.SetRecNo(2);
  data.Edit();
  EXPECT_EQ(data.State(), dsEdit);
  name->SetAsString("Li Si");
  EXPECT_TRUE(data.Modified());
  EXPECT_EQ(VarToStr(name->OldValue()), "li si");
  data.Cancel();
  EXPECT_EQ(Name(), "li si");

  data.Edit();
  name->SetAsString("Li Si");
  data.Next();  // moving posts the pending change
  EXPECT_EQ(data.State(), dsBrowse);
  EXPECT_EQ(Name(), "Wang Wu");

  data.Insert();  // before Wang Wu
  EXPECT_EQ(data.State(), dsInsert);
  EXPECT_EQ(data.RecNo(), -1);
  EXPECT_TRUE(name->IsNull());
  data.FieldByName("Fd_StuNo")->SetAsInteger(1006);
  name->SetAsString("Qian Qi");
  data.Post();
  EXPECT_EQ(data.RecNo(), 3);
  data.Next();
  EXPECT_EQ(Name(), "Wang Wu");

  data.Insert();
  EXPECT_FALSE(data.Appending());
  data.Cancel();  // back on the record it stood before
  EXPECT_EQ(Name(), "Wang Wu");
  data.Append();
  EXPECT_TRUE(data.Appending());
  data.Cancel();  // an append cancelled leaves the last record current
  EXPECT_FALSE(data.Appending());
  EXPECT_EQ(Name(), "Li Lei");

  data.Append();
  data.FieldByName("Fd_StuNo")->SetAsInteger(1007);
  name->SetAsString("Sun Ba");
  data.Post();
  EXPECT_EQ(data.RecNo(), 7);
  data.Delete();  // the next record takes its place; at the end, the one before
  EXPECT_EQ(Name(), "Li Lei");
  data.SetRecNo(1);
  data.Delete();
  EXPECT_EQ(Name(), "Li Si");
  data.Insert();
  data.Delete();  // deleting a new record cancels it
  EXPECT_EQ(data.State(), dsBrowse);
  EXPECT_EQ(Stored(), (std::vector<std::string>{"Li Lei", "Li Si", "O'Brien", "Qian Qi", "Wang Wu"}));
}

TEST_P(DataSetCases, EditOfAnEmptySetInserts) {
  TDataSet& data = Data();
  while (!data.IsEmpty()) data.Delete();
  EXPECT_TRUE(data.Bof() && data.Eof());
  EXPECT_THROW(data.Delete(), EDatabaseError);
  data.Edit();
  EXPECT_EQ(data.State(), dsInsert);
  data.FieldByName("Fd_StuNo")->SetAsInteger(1);
  data.Post();
  EXPECT_EQ(data.RecordCount(), 1);
  EXPECT_FALSE(data.Bof() || data.Eof());
}

// A record without its student number fails to post: a required field in memory, the NOT NULL
// column in the database.
TEST_P(DataSetCases, PostErrorHandlerMayFailAbortRetryOrCancel) {
  TDataSet& data = Data();
  const auto start = [&] {
    data.Append();
    data.FieldByName("Fd_Name")->SetAsString("No Number");
  };
  int calls = 0;
  TDataAction answer = daFail;
  data.OnPostError = [&](TDataSet* dataSet, EDatabaseError& e, TDataAction& action) {
    ++calls;
    EXPECT_FALSE(e.Message().empty());
    action = answer;
    if (answer == daRetry) dataSet->FieldByName("Fd_StuNo")->SetAsInteger(2000);
    if (answer == daFail) dataSet->Cancel();
  };
  start();
  EXPECT_THROW(data.Post(), EDatabaseError);
  EXPECT_EQ(data.State(), dsBrowse);
  EXPECT_EQ(calls, 1);

  answer = daAbort;
  start();
  EXPECT_THROW(data.Post(), EAbort);
  EXPECT_EQ(data.State(), dsInsert);
  data.Cancel();

  answer = daRetry;
  start();
  data.Post();
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(data.FieldByName("Fd_StuNo")->AsInteger(), 2000);
  EXPECT_EQ(data.RecordCount(), 6);
}

TEST_P(DataSetCases, EventsOfEditingComeInOrder) {
  TDataSet& data = Data();
  std::vector<std::string> events;
  const auto note = [&events](const char* name) { return [&events, name](TDataSet*) { events.push_back(name); }; };
  data.BeforeEdit = note("BeforeEdit");
  data.AfterEdit = note("AfterEdit");
  data.BeforePost = note("BeforePost");
  data.AfterPost = note("AfterPost");
  data.BeforeInsert = note("BeforeInsert");
  data.AfterInsert = note("AfterInsert");
  data.OnNewRecord = note("OnNewRecord");
  data.BeforeCancel = note("BeforeCancel");
  data.AfterCancel = note("AfterCancel");
  data.BeforeDelete = note("BeforeDelete");
  data.AfterDelete = note("AfterDelete");
  data.BeforeScroll = note("BeforeScroll");
  data.AfterScroll = note("AfterScroll");
  data.Edit();
  data.FieldByName("Fd_Name")->SetAsString("x");
  data.Post();
  data.Insert();
  data.Cancel();
  data.Delete();
  data.Next();
  EXPECT_EQ(events, (std::vector<std::string>{"BeforeEdit", "AfterEdit", "BeforePost", "AfterPost", "BeforeInsert",
                                              "BeforeScroll", "OnNewRecord", "AfterInsert", "AfterScroll",
                                              "BeforeCancel", "AfterCancel", "BeforeDelete", "BeforeScroll",
                                              "AfterDelete", "AfterScroll", "BeforeScroll", "AfterScroll"}));
}

TEST_P(DataSetCases, AQuoteInATextSurvivesEveryPath) {
  TDataSet& data = Data();
  const std::string tricky = "It's a 'test'; --";
  data.Append();
  data.FieldByName("Fd_StuNo")->SetAsInteger(1010);
  data.FieldByName("Fd_Name")->SetAsString(tricky);
  data.Post();
  data.Refresh();
  ASSERT_TRUE(data.Locate("Fd_Name", Variant(tricky)));
  data.Edit();
  data.FieldByName("Fd_Name")->SetAsString(tricky + "'");
  data.Post();
  data.SetFilter("Fd_Name = '" + StringReplace(tricky + "'", "'", "''", rfReplaceAll) + "'");
  data.SetFiltered(true);
  EXPECT_EQ(data.RecordCount(), 1);
  EXPECT_EQ(Name(), tricky + "'");
  data.SetFiltered(false);
  const std::vector<std::string> stored = Stored();
  EXPECT_NE(std::find(stored.begin(), stored.end(), tricky + "'"), stored.end());
}

TEST_P(DataSetCases, FieldsConvertAndReadNullAsZeroOrEmpty) {
  TDataSet& data = Data();
  TField* birthday = data.FieldByName("Fd_Birthday");
  TField* sign = data.FieldByName("Fd_FreeSign");
  TField* number = data.FieldByName("Fd_StuNo");
  EXPECT_EQ(birthday->AsString(), "");
  EXPECT_EQ(birthday->AsDateTime(), 0);
  EXPECT_FALSE(sign->AsBoolean());
  EXPECT_EQ(number->Alignment(), taRightJustify);
  EXPECT_EQ(data.FieldByName("Fd_Name")->Size(), 30);
  data.Edit();
  birthday->SetAsString("2008-3-5");
  sign->SetAsBoolean(true);
  number->SetAsString("1001.5");  // halves go to the even neighbour
  EXPECT_EQ(number->AsInteger(), 1002);
  number->SetAsFloat(1000.5);
  EXPECT_EQ(number->AsInteger(), 1000);
  EXPECT_THROW(number->SetAsString("abc"), EConvertError);
  data.Post();
  data.Refresh();
  EXPECT_EQ(sign->AsString(), "True");
  EXPECT_EQ(birthday->AsString(), "2008-3-5");
  EXPECT_EQ(birthday->AsDateTime(), EncodeDate(2008, 3, 5));
  EXPECT_EQ(number->AsString(), "1000");
  EXPECT_EQ(number->DisplayWidth(), 11);
  EXPECT_TRUE(number->IsValidChar('7'));
  EXPECT_FALSE(number->IsValidChar('x'));
  data.Edit();
  sign->SetAsString("False");
  number->Clear();
  EXPECT_EQ(number->AsInteger(), 0);
  EXPECT_EQ(number->AsString(), "");
  data.Cancel();
}

TEST_P(DataSetCases, RefreshStaysOnTheRecordAndRequeryStartsAgain) {
  TDataSet& data = Data();
  data.SetRecNo(4);
  const TBookmark bookmark = data.Bookmark();
  int refreshes = 0;
  data.AfterRefresh = [&](TDataSet*) { ++refreshes; };
  data.Refresh();
  EXPECT_EQ(Name(), "O'Brien");
  EXPECT_EQ(data.Bookmark(), bookmark);
  data.Requery();
  EXPECT_EQ(data.RecNo(), 1);
  EXPECT_TRUE(data.Bof());
  EXPECT_EQ(refreshes, 2);
  EXPECT_EQ(data.RecordCount(), 5);
}

INSTANTIATE_TEST_SUITE_P(BackEnds, DataSetCases, testing::Values("Mem", "Sqlite"), BackEndName);

TEST(FieldTest, FloatReadAsIntegerRoundsHalfToEvenAndTextsFollowTheKind) {
  TComponentPtr<TMemDataSet> data = MakeComponent<TMemDataSet>();
  data->FieldDefs().Add("Avg", ftFloat);
  data->FieldDefs().Add("Note", ftMemo);
  data->FieldDefs().Add("Flag", ftBoolean);
  data->FieldDefs().Add("Id", ftAutoInc);
  data->Open();
  const std::pair<double, int> cases[] = {{12.5, 12}, {13.5, 14}, {-2.5, -2}, {12.4999, 12}, {0.5, 0}};
  for (const auto& [value, expected] : cases) {
    data->AppendRecord({value});
    EXPECT_EQ(data->FieldByName("Avg")->AsInteger(), expected) << value;
  }
  EXPECT_EQ(data->FieldByName("Id")->AsInteger(), 5);  // numbered on post
  EXPECT_EQ(data->FieldByName("Note")->DisplayText(), "(memo)");
  EXPECT_EQ(data->FieldByName("Flag")->DisplayText(), "");
  data->Edit();
  data->FieldByName("Note")->SetAsString("long text");
  data->FieldByName("Flag")->SetAsString("true");
  EXPECT_EQ(data->FieldByName("Note")->DisplayText(), "(MEMO)");
  EXPECT_EQ(data->FieldByName("Note")->AsString(), "long text");
  EXPECT_EQ(data->FieldByName("Flag")->Text(), "True");
  EXPECT_THROW(data->FieldByName("Flag")->SetAsString("maybe"), EConvertError);
  data->FieldByName("Avg")->SetDisplayFormat("0.00");
  data->FieldByName("Avg")->SetAsFloat(2.675);
  EXPECT_EQ(data->FieldByName("Avg")->DisplayText(), "2.68");
  EXPECT_EQ(data->FieldByName("Avg")->Text(), "2.675");
  data->FieldByName("Note")->OnGetText = [](TField*, String& text, bool display) { text = display ? "shown" : "edited"; };
  EXPECT_EQ(data->FieldByName("Note")->DisplayText(), "shown");
  EXPECT_EQ(data->FieldByName("Note")->Text(), "edited");
  data->Post();
  EXPECT_THROW(data->FieldByName("Missing"), EDatabaseError);
  EXPECT_EQ(data->FindField("avg"), data->Fields()[0]);
}

// A field's display-text rule shows every value as DisplayText showed it when the rule was taken,
// for each kind of field, nulls included, and keeps the display format of that time.
TEST(FieldTest, ADisplayTextRuleShowsValuesAsTheFieldDidWhenTaken) {
  TComponentPtr<TMemDataSet> data = MakeComponent<TMemDataSet>();
  data->FieldDefs().Add("Name", ftString, 20);
  data->FieldDefs().Add("No", ftInteger);
  data->FieldDefs().Add("Avg", ftFloat);
  data->FieldDefs().Add("Flag", ftBoolean);
  data->FieldDefs().Add("When", ftDateTime);
  data->FieldDefs().Add("Note", ftMemo);
  data->Open();
  data->FieldByName("Avg")->SetDisplayFormat("0.00");
  data->AppendRecord({"张三", 7, 2.675, true, Variant::FromDateTime(45413.5), "long text"});
  data->AppendRecord({Variant::Null(), Variant::Null(), 1e-7, false, Variant::FromDateTime(45413), Variant::Null()});
  for (TField* field : {data->FieldByName("Name"), data->FieldByName("No"), data->FieldByName("Avg"),
                        data->FieldByName("Flag"), data->FieldByName("When"), data->FieldByName("Note")}) {
    const TFieldDisplayText rule = field->DisplayTextRule();
    for (data->First(); !data->Eof(); data->Next())
      EXPECT_EQ(rule(field->Value()), field->DisplayText()) << field->FieldName() << " " << data->RecNo();
  }
  TField* avg = data->FieldByName("Avg");
  const TFieldDisplayText before = avg->DisplayTextRule();
  avg->SetDisplayFormat("");
  EXPECT_EQ(before(Variant(2.675)), "2.68");
  EXPECT_EQ(avg->DisplayTextRule()(Variant(2.675)), "2.675");
  EXPECT_NE(before, avg->DisplayTextRule());
}

TEST(FieldTest, PersistentFieldsReplaceTheDefaultOnesAndOutliveOpening) {
  TComponentPtr<TComponent> form = MakeComponent<TComponent>();
  auto* data = new TMemDataSet(form.get());
  data->FieldDefs().Add("A", ftInteger);
  data->FieldDefs().Add("B", ftString, 10);
  auto* b = new TStringField(form.get());
  b->SetFieldName("B");
  b->SetDisplayLabel("Bee");
  b->SetDataSet(data);
  data->Open();
  EXPECT_EQ(data->FieldCount(), 1);
  EXPECT_FALSE(data->DefaultFields());
  data->AppendRecord({"x"});
  EXPECT_EQ(b->AsString(), "x");
  data->Close();
  EXPECT_EQ(data->FieldCount(), 1);
  EXPECT_TRUE(b->IsNull());
  data->Open();
  delete b;  // freeing a field closes its data set
  EXPECT_FALSE(data->Active());
  EXPECT_EQ(data->FieldCount(), 0);
  auto* missing = new TIntegerField(form.get());
  missing->SetFieldName("C");
  missing->SetDataSet(data);
  EXPECT_THROW(data->Open(), EDatabaseError);
  EXPECT_FALSE(data->Active());
}

// Pupils with a class number, and a lookup field showing the class's name from a second set.
TEST(FieldTest, ALookupFieldShowsTheListRecordOfItsKeys) {
  TComponentPtr<TComponent> form = MakeComponent<TComponent>();
  auto* classes = new TMemDataSet(form.get());
  classes->FieldDefs().Add("Id", ftInteger);
  classes->FieldDefs().Add("Title", ftString, 20);
  classes->Open();
  classes->AppendRecord({1, "高一(1)班"});
  classes->AppendRecord({2, "高一(2)班"});
  auto* pupils = new TMemDataSet(form.get());
  pupils->FieldDefs().Add("Name", ftString, 20);
  pupils->FieldDefs().Add("ClassId", ftInteger);
  for (const char* name : {"Name", "ClassId"}) {
    auto* field = new TStringField(form.get());
    field->SetFieldName(name);
    field->SetDataSet(pupils);
  }
  auto* className = new TStringField(form.get());
  className->SetFieldName("ClassName");
  className->SetFieldKind(fkLookup);
  className->SetKeyFields("ClassId");
  className->SetLookupDataSet(classes);
  className->SetLookupKeyFields("Id");
  className->SetLookupResultField("Title");
  className->SetDataSet(pupils);
  pupils->Open();
  EXPECT_EQ(className->FieldNo(), 0) << "no column of the records";
  pupils->AppendRecord({"张三", 2});
  pupils->AppendRecord({"李四", Variant::Null()});
  pupils->First();
  EXPECT_EQ(className->AsString(), "高一(2)班");
  EXPECT_FALSE(className->CanModify()) << "the key is what changes";
  pupils->Edit();
  pupils->FieldByName("ClassId")->SetAsInteger(1);
  EXPECT_EQ(className->DisplayText(), "高一(1)班") << "follows its key at once";
  pupils->Post();
  pupils->Next();
  EXPECT_TRUE(className->IsNull()) << "a null key finds nothing";
  pupils->First();
  classes->Close();
  EXPECT_TRUE(className->IsNull()) << "a closed list finds nothing";
  delete classes;
  EXPECT_EQ(className->LookupDataSet(), nullptr) << "a freed list is forgotten";
}

TEST(FieldTest, FreeingADefaultFieldClosesTheDataSetAndFreesItOnce) {
  for (const bool byDelete : {false, true}) {
    TComponentPtr<TMemDataSet> data = MakeComponent<TMemDataSet>();
    data->FieldDefs().Add("A", ftInteger);
    data->FieldDefs().Add("B", ftString, 10);
    data->Open();
    ASSERT_TRUE(data->DefaultFields());
    TField* a = data->FieldByName("A");
    if (byDelete)
      delete a;
    else
      a->Free();
    EXPECT_FALSE(data->Active());
    EXPECT_EQ(data->FieldCount(), 0);  // the other default field went with the closing
    data->Open();
    EXPECT_EQ(data->FieldCount(), 2);
  }
}

}  // namespace
