// Record sources: counted sources and their events, sources over in-memory data sets with 0, 1
// and 3 records, ranges that begin or end at the current record, the errors of a source without
// a data set and of a data set that fails to open, the references between components, stored
// layouts, and the field and bookmark routines.
#include <gtest/gtest.h>

#include <vector>

#include "classes/Filer.h"
#include "data/MemDataSet.h"
#include "graphics/Graphic.h"
#include "report/FR_DBRel.h"
#include "report/FR_DBSet.h"
#include "report/FR_Register.h"
#include "rtl/Streams.h"

namespace {

struct EventCounts {
  int First = 0, Next = 0, Prior = 0, Open = 0, Close = 0;
};

void Count(TfrDataset& source, EventCounts& counts) {
  source.OnFirst = [&](TObject*) { ++counts.First; };
  source.OnNext = [&](TObject*) { ++counts.Next; };
  source.OnPrior = [&](TObject*) { ++counts.Prior; };
  if (auto* db = dynamic_cast<TfrDBDataSet*>(&source)) {
    db->OnOpen = [&](TObject*) { ++counts.Open; };
    db->OnClose = [&](TObject*) { ++counts.Close; };
  }
}

// The loop a data band runs: the RecNo of every record it visits. At most 20, so that a source
// that never ends fails the test instead of hanging it.
std::vector<int> Loop(TfrDataset& source) {
  std::vector<int> visited;
  source.Init();
  for (source.First(); !source.Eof() && visited.size() < 20; source.Next()) visited.push_back(source.RecNo());
  source.Exit();
  return visited;
}

TEST(RecordSourceTest, CountedSourceYieldsItsCount) {
  struct Case {
    int Count;
    std::vector<int> Visited;
    int NextEvents;
  };
  for (const Case& c : {Case{0, {}, 0}, Case{1, {0}, 0}, Case{3, {0, 1, 2}, 2}}) {
    TComponentPtr<TroVaziDataset> source = MakeComponent<TroVaziDataset>();
    source->SetRangeEnd(reCount);
    source->SetRangeEndCount(c.Count);
    EventCounts counts;
    Count(*source, counts);
    EXPECT_EQ(Loop(*source), c.Visited) << c.Count;
    EXPECT_EQ(counts.First, 1);
    EXPECT_EQ(counts.Next, c.NextEvents) << c.Count;
  }
}

TEST(RecordSourceTest, CheckEofDecidesTheEnd) {
  TComponentPtr<TroVaziDataset> source = MakeComponent<TroVaziDataset>();
  source->SetRangeEnd(reCount);
  source->SetRangeEndCount(3);
  EventCounts counts;
  Count(*source, counts);
  source->OnCheckEOF = [&](TObject*, bool& eof) { eof = eof || source->RecNo() == 1; };
  EXPECT_EQ(Loop(*source), (std::vector<int>{0}));

  source->OnCheckEOF = [&](TObject*, bool& eof) { eof = source->RecNo() == 5; };  // past the count
  counts = {};
  EXPECT_EQ(Loop(*source), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(counts.Next, 2);  // the steps past the count fire nothing

  source->SetRangeEnd(reLast);
  source->OnCheckEOF = nullptr;
  EXPECT_EQ(Loop(*source).size(), 20u);  // never ends by itself
  source->Prior();
  EXPECT_EQ(source->RecNo(), 19);
  EXPECT_EQ(counts.Prior, 1);
}

TComponentPtr<TMemDataSet> Numbers(int count) {
  TComponentPtr<TMemDataSet> data = MakeComponent<TMemDataSet>();
  data->SetName("adqprint");
  data->FieldDefs().Add("Fd_No", ftInteger);
  data->FieldDefs().Add("Fd_Photo", ftGraphic);
  data->CreateDataSet();
  for (int i = 1; i <= count; ++i) data->AppendRecord({i, Variant::Null()});
  return data;
}

// The values of Fd_No at the records a loop visits.
std::vector<int> Walk(TfrDBDataSet& source) {
  std::vector<int> values;
  source.Init();
  for (source.First(); !source.Eof() && values.size() < 20; source.Next())
    values.push_back(source.GetDataSet()->FieldByName("Fd_No")->AsInteger());
  source.Exit();
  return values;
}

TEST(DBDataSetTest, WalksDataSetsOfZeroOneAndThreeRecords) {
  for (int n : {0, 1, 3}) {
    TComponentPtr<TMemDataSet> data = Numbers(n);
    data->Close();
    TComponentPtr<TfrDBDataSet> source = MakeComponent<TfrDBDataSet>();
    source->SetDataSet(data.get());
    EventCounts counts;
    Count(*source, counts);
    std::vector<int> expected;
    for (int i = 1; i <= n; ++i) expected.push_back(i);
    EXPECT_EQ(Walk(*source), expected) << n;
    EXPECT_TRUE(data->Active());  // opened by Init, left open
    EXPECT_EQ(counts.Open, 1);
    EXPECT_EQ(counts.First, 1);
    EXPECT_EQ(counts.Next, n) << n;
    EXPECT_EQ(counts.Close, 1);
  }
}

TEST(DBDataSetTest, RangesAtTheCurrentRecord) {
  struct Case {
    TRangeBegin Begin;
    TRangeEnd End;
    std::vector<int> Visited;
    int LeftOn;  // 0: at the end of the data set
  };
  const Case cases[] = {
      {rbCurrent, reCurrent, {2}, 2},
      {rbCurrent, reLast, {2, 3}, 2},
      {rbFirst, reCurrent, {1, 2}, 2},
      {rbFirst, reLast, {1, 2, 3}, 0},
  };
  for (const Case& c : cases) {
    TComponentPtr<TMemDataSet> data = Numbers(3);
    data->Locate("Fd_No", 2);
    TComponentPtr<TfrDBDataSet> source = MakeComponent<TfrDBDataSet>();
    source->SetDataSet(data.get());
    source->SetRangeBegin(c.Begin);
    source->SetRangeEnd(c.End);
    EXPECT_EQ(Walk(*source), c.Visited) << c.Begin << c.End;
    if (c.LeftOn == 0) EXPECT_TRUE(data->Eof());
    else EXPECT_EQ(data->FieldByName("Fd_No")->AsInteger(), c.LeftOn) << c.Begin << c.End;
  }
}

TEST(DBDataSetTest, CountedRangeOverADataSet) {
  TComponentPtr<TMemDataSet> data = Numbers(3);
  TComponentPtr<TfrDBDataSet> source = MakeComponent<TfrDBDataSet>();
  source->SetDataSet(data.get());
  source->SetRangeEnd(reCount);
  source->SetRangeEndCount(2);
  EXPECT_EQ(Walk(*source), (std::vector<int>{1, 2}));
  source->SetRangeEndCount(5);
  EXPECT_EQ(Walk(*source), (std::vector<int>{1, 2, 3}));
}

TEST(DBDataSetTest, NoDataSetRaisesTheSourcesError) {
  TComponentPtr<TComponent> module = MakeComponent<TComponent>();
  auto* source = new TfrDBDataSet(module.get());
  source->SetName("dbsPrint");
  try {
    source->Init();
    FAIL() << "Init without a data set";
  } catch (const EDSError& e) {
    EXPECT_EQ(e.Message(), "Unable to open dataset dbsPrint");
  }
  auto* empty = new TDataSource(module.get());
  source->SetDataSource(empty);
  EXPECT_THROW(source->First(), EDSError);
}

// A data set whose back end cannot open, as a query over a missing table.
class FailingDataSet : public TMemDataSet {
 public:
  using TMemDataSet::TMemDataSet;

 protected:
  void InternalOpen() override { throw EDatabaseError("no such table: Tb_Missing"); }
};

TEST(DBDataSetTest, DataSetErrorsReachTheCaller) {
  TComponentPtr<FailingDataSet> data = MakeComponent<FailingDataSet>();
  TComponentPtr<TfrDBDataSet> source = MakeComponent<TfrDBDataSet>();
  source->SetDataSet(data.get());
  EventCounts counts;
  Count(*source, counts);
  try {
    source->Init();
    FAIL() << "Init over a data set that cannot open";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "no such table: Tb_Missing");
  }
  EXPECT_EQ(counts.Open, 0);

  TComponentPtr<TMemDataSet> closed = Numbers(2);
  closed->Close();
  source->SetDataSet(closed.get());
  source->SetOpenDataSource(false);
  source->Init();  // not opened: the bookmark of a closed data set is empty
  EXPECT_FALSE(closed->Active());
  EXPECT_THROW(source->First(), EDatabaseError);
}

TEST(DBDataSetTest, CloseDataSourceClosesAfterOnClose) {
  TComponentPtr<TMemDataSet> data = Numbers(2);
  TComponentPtr<TfrDBDataSet> source = MakeComponent<TfrDBDataSet>();
  source->SetDataSet(data.get());
  source->SetCloseDataSource(true);
  bool activeInOnClose = false;
  source->OnClose = [&](TObject*) { activeInOnClose = data->Active(); };
  EXPECT_EQ(Walk(*source).size(), 2u);
  EXPECT_TRUE(activeInOnClose);
  EXPECT_FALSE(data->Active());
}

TEST(DBDataSetTest, DataSetAndDataSourceExcludeEachOtherAndAreForgottenWhenFreed) {
  TComponentPtr<TMemDataSet> data = Numbers(1);
  TComponentPtr<TDataSource> link = MakeComponent<TDataSource>();
  link->SetDataSet(data.get());
  TComponentPtr<TfrDBDataSet> source = MakeComponent<TfrDBDataSet>();

  source->SetDataSet(data.get());
  source->SetDataSource(link.get());
  EXPECT_EQ(source->DataSet(), nullptr);
  EXPECT_EQ(source->GetDataSet(), data.get());
  source->SetDataSet(data.get());
  EXPECT_EQ(source->DataSource(), nullptr);
  source->SetDataSource(nullptr);
  EXPECT_EQ(source->DataSet(), data.get());

  data.reset();
  EXPECT_EQ(source->DataSet(), nullptr);
  source->SetDataSource(link.get());
  link.reset();
  EXPECT_EQ(source->DataSource(), nullptr);
}

TEST(DBDataSetTest, StoredLayoutsNameTheDataSet) {
  RegisterReportClasses();
  TComponentPtr<TComponent> module = MakeComponent<TComponent>();
  ReadLayout("object dmGym: TComponent\n"
             "  object adqprint: TMemDataSet\n"
             "  end\n"
             "  object dbsPrint: TfrDBDataSet\n"
             "    CloseDataSource = True\n"
             "    DataSet = adqprint\n"
             "    RangeEnd = reCount\n"
             "    RangeEndCount = 4\n"
             "  end\n"
             "  object dsCount: TroVaziDataset\n"
             "    RangeBegin = rbCurrent\n"
             "  end\n"
             "end\n",
             module.get());
  auto* source = dynamic_cast<TfrDBDataSet*>(module->FindComponent("dbsPrint"));
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(source->DataSet(), module->FindComponent("adqprint"));
  EXPECT_TRUE(source->CloseDataSource());
  EXPECT_TRUE(source->OpenDataSource());
  EXPECT_EQ(source->RangeEnd(), reCount);
  EXPECT_EQ(source->RangeEndCount(), 4);
  EXPECT_EQ(dynamic_cast<TroVaziDataset*>(module->FindComponent("dsCount"))->RangeBegin(), rbCurrent);

  source->SetOpenDataSource(false);
  const String written = WriteLayout(module.get());
  EXPECT_NE(written.find("  object dbsPrint: TfrDBDataSet\n"
                         "    CloseDataSource = True\n"
                         "    DataSet = adqprint\n"
                         "    OpenDataSource = False\n"
                         "    RangeEnd = reCount\n"
                         "    RangeEndCount = 4\n"
                         "  end\n"),
            String::npos)
      << written;
}

TEST(DBRelTest, BlobFieldsGoToPicturesListsAndStreams) {
  TComponentPtr<TMemDataSet> data = MakeComponent<TMemDataSet>();
  data->FieldDefs().Add("Fd_Name", ftString, 20);
  data->FieldDefs().Add("Fd_Memo", ftMemo);
  data->FieldDefs().Add("Fd_Photo", ftGraphic);
  data->CreateDataSet();
  TBitmap bitmap(3, 2);
  const TBytes bytes = bitmap.SaveToBytes();
  data->AppendRecord({"张三", "第一行\r\n第二行", String(bytes.begin(), bytes.end())});

  EXPECT_FALSE(IsBlobField(data->FieldByName("Fd_Name")));
  EXPECT_TRUE(IsBlobField(data->FieldByName("Fd_Memo")));
  EXPECT_TRUE(IsBlobField(data->FieldByName("Fd_Photo")));
  EXPECT_FALSE(IsBlobField(nullptr));

  TPicture picture;
  AssignBlobTo(*data->FieldByName("Fd_Photo"), &picture);
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(picture.Height(), 2);
  TStringList lines;
  AssignBlobTo(*data->FieldByName("Fd_Memo"), &lines);
  EXPECT_EQ(lines.Count(), 2);
  EXPECT_EQ(lines[1], "第二行");
  TMemoryStream stream;
  AssignBlobTo(*data->FieldByName("Fd_Photo"), &stream);
  EXPECT_EQ(stream.Size(), int64_t(bytes.size()));
  EXPECT_EQ(stream.Position(), 0);

  data->Edit();
  data->FieldByName("Fd_Photo")->SetValue("not a picture");
  EXPECT_THROW(AssignBlobTo(*data->FieldByName("Fd_Photo"), &picture), EInvalidGraphic);
  EXPECT_EQ(picture.Width(), 3);
  data->FieldByName("Fd_Photo")->Clear();
  AssignBlobTo(*data->FieldByName("Fd_Photo"), &picture);
  EXPECT_EQ(picture.Graphic(), nullptr);
}

TEST(DBRelTest, FieldNamesAndBookmarks) {
  TComponentPtr<TMemDataSet> data = Numbers(3);
  TStringList names;
  names.Add("old");
  GetFieldNamesSafe(data.get(), names);
  EXPECT_EQ(names.Text(), "Fd_No\r\nFd_Photo\r\n");
  GetFieldNamesSafe(nullptr, names);
  EXPECT_EQ(names.Count(), 2);

  data->First();
  const TBookmark first = GetBookmark(*data);
  data->Last();
  EXPECT_FALSE(BookmarksEqual(*data, first, GetBookmark(*data)));
  GotoBookmark(*data, TBookmark());
  EXPECT_EQ(data->FieldByName("Fd_No")->AsInteger(), 3);
  GotoBookmark(*data, first);
  EXPECT_TRUE(BookmarksEqual(*data, first, GetBookmark(*data)));
}

}  // namespace
