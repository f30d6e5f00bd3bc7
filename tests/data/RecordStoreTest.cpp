// The record store behind every data set: bookmarks of many records across deletes, appends and
// reopening, and a read of the rest of the rows that fails half-way.
#include <gtest/gtest.h>

#include <stdexcept>

#include "data/MemDataSet.h"

namespace {

TComponentPtr<TMemDataSet> Numbers(int Count) {
  auto data = MakeComponent<TMemDataSet>();
  data->FieldDefs().Add("No", ftInteger);
  data->Open();
  for (int i = 1; i <= Count; ++i) data->AppendRecord({i});
  data->First();
  return data;
}

int No(TDataSet& Data) { return Data.FieldByName("No")->AsInteger(); }

// Several thousand records, so that deleting runs of them empties whole stretches of the store.
TEST(RecordStoreTest, BookmarksFindTheirRecordsAcrossDeletesAppendsAndReopening) {
  constexpr int Count = 5000;
  auto data = Numbers(Count);
  std::vector<TBookmark> marks(Count + 1);
  for (; !data->Eof(); data->Next()) marks[size_t(No(*data))] = data->Bookmark();

  // Everything below 3000 goes but every 700th record.
  data->First();
  while (No(*data) < 3000) {
    if (No(*data) % 700 == 0)
      data->Next();
    else
      data->Delete();
  }
  for (int no = 1; no <= Count; ++no) {
    SCOPED_TRACE(no);
    const bool kept = no >= 3000 || no % 700 == 0;
    ASSERT_EQ(data->BookmarkValid(marks[size_t(no)]), kept);
    if (!kept) continue;
    data->GotoBookmark(marks[size_t(no)]);
    EXPECT_EQ(No(*data), no);
  }
  EXPECT_EQ(data->RecordCount(), Count - 2999 + 4);

  data->AppendRecord({Count + 1});
  const TBookmark appended = data->Bookmark();
  for (const TBookmark& mark : marks) EXPECT_NE(mark, appended) << "a bookmark is never given twice";
  data->GotoBookmark(marks[1400]);
  data->GotoBookmark(appended);
  EXPECT_EQ(No(*data), Count + 1);

  // Reopening reads the records as new ones: no earlier bookmark finds any of them.
  data->Close();
  data->Open();
  EXPECT_EQ(data->RecordCount(), Count - 2999 + 5);
  EXPECT_FALSE(data->BookmarkValid(marks[4000]));
  EXPECT_FALSE(data->BookmarkValid(appended));
}

// A back end whose store holds Rows rows of which Open reads the first; reading the rest fails
// after FailAfter rows while Failing is set.
class TFlakyDataSet : public TDataSet {
 public:
  explicit TFlakyDataSet(TComponent* AOwner) : TDataSet(AOwner) {}
  int Rows = 10;
  int FailAfter = 4;
  bool Failing = true;

 protected:
  void InternalOpen() override {
    FieldDefs().Clear();
    FieldDefs().Add("No", ftInteger);
    AddRecord({Variant(1)});
    SetPartiallyRead();
  }
  void InternalPost(TPostRequest&) override {}
  void InternalDelete(TRecordData&) override {}
  bool ReadRows(const std::function<void(TRowValues&& Row)>& Take) override {
    for (int i = 1; i <= Rows; ++i) {
      if (Failing && i > FailAfter) throw std::runtime_error("the file went away");
      Take({Variant(i)});
    }
    return true;
  }
};

TEST(RecordStoreTest, AReadThatFailsHalfWayAddsNoRecordAndTheNextOneReadsThemAll) {
  auto data = MakeComponent<TFlakyDataSet>();
  data->Open();
  const TBookmark first = data->Bookmark();
  EXPECT_THROW(data->Next(), std::runtime_error);
  EXPECT_EQ(No(*data), 1);
  EXPECT_TRUE(data->BookmarkValid(first));

  data->Failing = false;
  EXPECT_EQ(data->RecordCount(), 10) << "the rows are read again, not taken as all there is";
  data->Last();
  EXPECT_EQ(No(*data), 10);
  data->GotoBookmark(first);
  EXPECT_EQ(No(*data), 1);
}

}  // namespace
