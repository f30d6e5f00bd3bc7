// The notices a data link and a data source get for each operation of a data set, in order and
// with the data set's state, and the link's window of buffered records; on both back ends.
#include <gtest/gtest.h>

#include "data/StudentSets.h"
#include "support/RecordingDataLink.h"

namespace {

using Notices = std::vector<std::string>;

class DataLinkCases : public BothBackEnds {
 protected:
  void SetUp() override {
    BothBackEnds::SetUp();
    FSource = MakeComponent<TDataSource>();
    FSource->OnStateChange = [this](TObject*) { Source("StateChange"); };
    FSource->OnDataChange = [this](TObject*, TField* field) {
      Source("DataChange(" + (field ? field->FieldName() : std::string("nil")) + ")");
    };
    FSource->SetDataSet(&Data());
    FLink = std::make_unique<RecordingDataLink>(FSource.get());
  }
  void Source(const std::string& notice) {
    if (!FLink) return;
    FLink->Notices.push_back(notice + " " + RecordingDataLink::StateName(FSource->State()));
  }
  TComponentPtr<TDataSource> FSource;
  std::unique_ptr<RecordingDataLink> FLink;
};

TEST_P(DataLinkCases, EachOperationSendsItsNoticesInOrder) {
  TDataSet& data = Data();
  data.Close();
  FLink->Take();
  const std::pair<std::function<void()>, Notices> cases[] = {
      {[&] { data.Open(); }, {"ActiveChanged(true) dsBrowse", "StateChange dsBrowse", "DataChange(nil) dsBrowse"}},
      {[&] { data.Next(); }, {"CheckBrowseMode dsBrowse", "DataSetScrolled(1) dsBrowse", "DataChange(nil) dsBrowse"}},
      {[&] { data.MoveBy(3); }, {"CheckBrowseMode dsBrowse", "DataSetScrolled(3) dsBrowse", "DataChange(nil) dsBrowse"}},
      {[&] { data.Next(); }, {"CheckBrowseMode dsBrowse", "DataSetScrolled(0) dsBrowse", "DataChange(nil) dsBrowse"}},
      {[&] { data.Next(); }, {"CheckBrowseMode dsBrowse"}},  // at the end already: nothing moves
      {[&] { data.First(); }, {"CheckBrowseMode dsBrowse", "DataSetChanged dsBrowse", "DataChange(nil) dsBrowse"}},
      {[&] { data.Edit(); },
       {"CheckBrowseMode dsBrowse", "EditingChanged(true) dsEdit", "StateChange dsEdit", "RecordChanged(nil) dsEdit",
        "DataChange(nil) dsEdit"}},
      {[&] { data.FieldByName("Fd_Name")->SetAsString("Zhang"); }, {"RecordChanged(Fd_Name) dsEdit", "DataChange(Fd_Name) dsEdit"}},
      {[&] { data.Post(); },
       {"UpdateData dsEdit", "CheckBrowseMode dsEdit", "EditingChanged(false) dsBrowse", "StateChange dsBrowse",
        "DataSetChanged dsBrowse", "DataChange(nil) dsBrowse"}},
      {[&] { data.Edit(); data.FieldByName("Fd_Name")->SetAsString("x"); data.Cancel(); },
       {"CheckBrowseMode dsBrowse", "EditingChanged(true) dsEdit", "StateChange dsEdit", "RecordChanged(nil) dsEdit",
        "DataChange(nil) dsEdit", "RecordChanged(Fd_Name) dsEdit", "DataChange(Fd_Name) dsEdit",
        "CheckBrowseMode dsEdit", "EditingChanged(false) dsBrowse", "StateChange dsBrowse", "DataSetChanged dsBrowse",
        "DataChange(nil) dsBrowse"}},
      {[&] { data.Insert(); },
       {"CheckBrowseMode dsBrowse", "EditingChanged(true) dsInsert", "StateChange dsInsert", "DataSetChanged dsInsert",
        "DataChange(nil) dsInsert"}},
      {[&] { data.Cancel(); },
       {"CheckBrowseMode dsInsert", "EditingChanged(false) dsBrowse", "StateChange dsBrowse", "DataSetChanged dsBrowse",
        "DataChange(nil) dsBrowse"}},
      {[&] { data.Delete(); }, {"CheckBrowseMode dsBrowse", "DataSetChanged dsBrowse", "DataChange(nil) dsBrowse"}},
      {[&] { data.Edit(); data.Close(); },
       {"CheckBrowseMode dsBrowse", "EditingChanged(true) dsEdit", "StateChange dsEdit", "RecordChanged(nil) dsEdit",
        "DataChange(nil) dsEdit", "ActiveChanged(false) dsInactive", "EditingChanged(false) dsInactive",
        "StateChange dsInactive"}},
  };
  int step = 0;
  for (const auto& [operation, expected] : cases) {
    SCOPED_TRACE("step " + std::to_string(step++));
    operation();
    EXPECT_EQ(FLink->Take(), expected);
  }
}

TEST_P(DataLinkCases, MovingWhileEditingPostsFirstAndALinkDoesNotHearItsOwnUpdate) {
  TDataSet& data = Data();
  FLink->OnUpdateData = [&] { data.FieldByName("Fd_Name")->SetAsString("from the control"); };
  data.Edit();
  FLink->Take();
  data.Next();
  EXPECT_EQ(FLink->Take(), (Notices{"CheckBrowseMode dsEdit", "UpdateData dsEdit", "DataChange(Fd_Name) dsEdit",
                                    "UpdateData dsEdit", "DataChange(Fd_Name) dsEdit", "CheckBrowseMode dsEdit",
                                    "EditingChanged(false) dsBrowse", "StateChange dsBrowse", "DataSetChanged dsBrowse",
                                    "DataChange(nil) dsBrowse", "DataSetScrolled(1) dsBrowse", "DataChange(nil) dsBrowse"}));
  data.Prior();
  EXPECT_EQ(Name(), "from the control");
}

TEST_P(DataLinkCases, DisabledControlsHearOneChangeWhenTheLastEnableComes) {
  TDataSet& data = Data();
  data.DisableControls();
  data.DisableControls();
  data.Next();
  data.Edit();
  data.FieldByName("Fd_Name")->SetAsString("quiet");
  data.Post();
  EXPECT_TRUE(data.ControlsDisabled());
  data.EnableControls();
  EXPECT_EQ(FLink->Take(), Notices{});
  data.EnableControls();
  EXPECT_EQ(FLink->Take(), (Notices{"DataSetChanged dsBrowse", "DataChange(nil) dsBrowse"}));

  data.DisableControls();
  data.Edit();
  data.EnableControls();  // the state changed meanwhile: the links hear of it first
  EXPECT_EQ(FLink->Take(), (Notices{"EditingChanged(true) dsEdit", "StateChange dsEdit", "DataSetChanged dsEdit",
                                    "DataChange(nil) dsEdit"}));
  data.Cancel();
  data.DisableControls();
  data.Close();
  data.EnableControls();
  EXPECT_EQ(FLink->Take(), (Notices{"CheckBrowseMode dsEdit", "EditingChanged(false) dsBrowse", "StateChange dsBrowse",
                                    "DataSetChanged dsBrowse", "DataChange(nil) dsBrowse",
                                    "ActiveChanged(false) dsInactive", "StateChange dsInactive"}));
}

// A link of three buffers over five records: the window moves only when the current record
// leaves it, and switching the active record reads another buffered row.
TEST_P(DataLinkCases, TheBufferWindowFollowsTheCurrentRecord) {
  TDataSet& data = Data();
  FLink->SetBufferCount(3);
  EXPECT_EQ(data.BufferCount(), 3);
  EXPECT_EQ(FLink->RecordCount(), 3);
  FLink->Take();
  const std::tuple<std::function<void()>, std::string, int> steps[] = {
      {[&] { data.Next(); }, "DataSetScrolled(0) dsBrowse", 1},
      {[&] { data.Next(); }, "DataSetScrolled(0) dsBrowse", 2},
      {[&] { data.Next(); }, "DataSetScrolled(1) dsBrowse", 2},
      {[&] { data.MoveBy(-3); }, "DataSetScrolled(-1) dsBrowse", 0},
      {[&] { data.Last(); }, "DataSetChanged dsBrowse", 2},
      {[&] { data.Locate("Fd_StuNo", 1002); }, "DataSetChanged dsBrowse", 1},
  };
  for (const auto& [operation, notice, active] : steps) {
    operation();
    const Notices notices = FLink->Take();
    EXPECT_EQ(notices.at(1), notice);
    EXPECT_EQ(FLink->ActiveRecord(), active);
  }
  // Locate put li si in the middle row: rows are Zhang San, li si, Wang Wu.
  const char* rows[] = {"Zhang San", "li si", "Wang Wu"};
  for (int row = 0; row < FLink->RecordCount(); ++row) {
    FLink->SetActiveRecord(row);
    EXPECT_EQ(Name(), rows[row]);
  }
  FLink->SetActiveRecord(1);
  data.Edit();
  data.FieldByName("Fd_Name")->SetAsString("edited");
  FLink->SetActiveRecord(0);
  EXPECT_EQ(Name(), "Zhang San");
  FLink->SetActiveRecord(1);
  EXPECT_EQ(Name(), "edited");
  data.Cancel();
  FLink->SetBufferCount(10);
  EXPECT_EQ(FLink->RecordCount(), 5);
  data.Append();  // the new record is the last row, after the last records
  EXPECT_EQ(FLink->RecordCount(), 6);
  EXPECT_EQ(FLink->ActiveRecord(), 5);
  data.Cancel();
}

TEST_P(DataLinkCases, LinksToAClosedDataSetAndReadOnlyLinksDoNotEdit) {
  TDataSet& data = Data();
  FSource->SetAutoEdit(false);
  EXPECT_FALSE(FLink->Edit());
  EXPECT_EQ(data.State(), dsBrowse);
  FSource->SetAutoEdit(true);
  FLink->SetReadOnly(true);
  EXPECT_FALSE(FLink->Edit());
  FLink->SetReadOnly(false);
  EXPECT_TRUE(FLink->Edit());
  data.Cancel();
  FSource->SetEnabled(false);
  EXPECT_FALSE(FLink->Active());
  FSource->SetEnabled(true);
  EXPECT_TRUE(FLink->Active());
  FSource->SetDataSet(nullptr);
  EXPECT_FALSE(FLink->Active());
  EXPECT_EQ(FLink->RecordCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(BackEnds, DataLinkCases, testing::Values("Mem", "Sqlite"), BackEndName);

TEST(DataLinkTest, FreeingTheDataSetOrTheSourceLeavesTheLinkInactive) {
  auto data = MakeComponent<TMemDataSet>();
  data->FieldDefs().Add("A", ftInteger);
  data->Open();
  auto source = MakeComponent<TDataSource>();
  source->SetDataSet(data.get());
  RecordingDataLink link(source.get());
  EXPECT_TRUE(link.Active());
  data.reset();
  EXPECT_EQ(source->DataSet(), nullptr);
  EXPECT_EQ(link.Take(), Notices{"ActiveChanged(false) dsInactive"});
  source.reset();
  EXPECT_EQ(link.DataSource(), nullptr);
}

}  // namespace
