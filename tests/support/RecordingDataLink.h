// A data link that writes down every notice it gets, with the data set's state at that moment,
// so that tests can compare the exact sequence ("DataSetScrolled(1) dsBrowse").
#pragma once

#include <string>
#include <vector>

#include "data/DataSource.h"

class RecordingDataLink : public TDataLink {
 public:
  explicit RecordingDataLink(TDataSource* Source = nullptr, int Buffers = 1) {
    SetBufferCount(Buffers);
    SetDataSource(Source);
    Notices.clear();
  }

  // The notices since the last call, and forgets them.
  std::vector<std::string> Take() {
    std::vector<std::string> taken;
    taken.swap(Notices);
    return taken;
  }

  std::vector<std::string> Notices;
  // Called from UpdateData, as a control puts its pending value into a field.
  std::function<void()> OnUpdateData;

  static std::string StateName(TDataSetState state) {
    static const char* const names[] = {"dsInactive", "dsBrowse", "dsEdit", "dsInsert", "dsSetKey", "dsCalcFields", "dsFilter"};
    return names[state];
  }

 protected:
  void ActiveChanged() override { Note("ActiveChanged(" + std::string(Active() ? "true" : "false") + ")"); }
  void EditingChanged() override { Note("EditingChanged(" + std::string(Editing() ? "true" : "false") + ")"); }
  void DataSetChanged() override { Note("DataSetChanged"); }
  void DataSetScrolled(int Distance) override { Note("DataSetScrolled(" + std::to_string(Distance) + ")"); }
  void RecordChanged(TField* Field) override { Note("RecordChanged(" + (Field ? Field->FieldName() : std::string("nil")) + ")"); }
  void LayoutChanged() override { Note("LayoutChanged"); }
  void UpdateData() override {
    Note("UpdateData");
    if (OnUpdateData) OnUpdateData();
  }
  void CheckBrowseMode() override { Note("CheckBrowseMode"); }

 private:
  void Note(const std::string& notice) {
    const TDataSet* dataSet = DataSet();
    Notices.push_back(notice + " " + StateName(dataSet ? dataSet->State() : dsInactive));
  }
};
