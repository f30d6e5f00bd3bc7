// TDataSource connects a data set to the data-aware controls; each control holds a TDataLink,
// which hears the data set's events in the class library's order and state and keeps its own
// window of the data set's buffered records.
#pragma once

#include <vector>

#include "classes/Component.h"
#include "data/DataSet.h"

class TDataLink;

using TDataChangeEvent = std::function<void(TObject* Sender, TField* Field)>;

class TDataSource : public TComponent {
 public:
  explicit TDataSource(TComponent* AOwner);
  ~TDataSource() override;
  String ClassName() const override { return "TDataSource"; }

  TDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* Value);
  // The data set's state while enabled, else dsInactive.
  TDataSetState State() const { return FState; }
  bool AutoEdit() const { return FAutoEdit; }
  void SetAutoEdit(bool Value) { FAutoEdit = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Puts the data set into edit state when AutoEdit is on and it is browsing.
  void Edit();

  // After every state change (and OnDataChange when the data set has just opened).
  TNotifyEvent OnStateChange;
  // After a field change (with the field), a record change, a data-set change or a scroll.
  TDataChangeEvent OnDataChange;
  // When the data set asks its controls for their pending values, before a post.
  TNotifyEvent OnUpdateData;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TDataSet;
  friend class TDataLink;
  void DataEvent(TDataEvent Event, intptr_t Info);
  void UpdateState();
  void AddDataLink(TDataLink* Link);
  void RemoveDataLink(TDataLink* Link);

  TDataSet* FDataSet = nullptr;
  TDataSetState FState = dsInactive;
  bool FAutoEdit = true;
  bool FEnabled = true;
  std::vector<TDataLink*> FDataLinks;
};

// The connection of one control to a data source. Override the notices that the control needs:
//   ActiveChanged      the data set opened or closed
//   EditingChanged     the link's Editing changed (data set in or out of edit or insert state)
//   DataSetChanged     contents or position changed (Insert, Append, Post, Cancel, Delete, First,
//                      Last, Locate, Refresh, EnableControls); default: RecordChanged(nullptr)
//   DataSetScrolled    the current record moved; Distance is how far this link's window moved
//                      (positive forwards); default: DataSetChanged
//   RecordChanged      a field changed (Field) or the record as a whole (nullptr, from Edit);
//                      not sent while this link itself is updating the record
//   LayoutChanged      the fields changed; default: DataSetChanged
//   UpdateData         put the control's pending value into the field (before a post)
//   CheckBrowseMode    the data set is about to leave edit or insert state
//   FocusControl       focus the control that edits Field, and clear Field when it did
class TDataLink : public TPersistent {
 public:
  TDataLink() = default;
  ~TDataLink() override;
  TDataLink(const TDataLink&) = delete;
  TDataLink& operator=(const TDataLink&) = delete;
  String ClassName() const override { return "TDataLink"; }

  TDataSource* DataSource() const { return FDataSource; }
  void SetDataSource(TDataSource* Value);
  TDataSet* DataSet() const { return FDataSource ? FDataSource->DataSet() : nullptr; }
  bool Active() const { return FActive; }
  bool Editing() const { return FEditing; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);

  // The number of records this link shows; the data set buffers as many as its largest link.
  int BufferCount() const { return FBufferCount; }
  void SetBufferCount(int Value);
  // The current record's row within this link's window; setting it makes the fields read that
  // row until it is set back.
  int ActiveRecord() const;
  void SetActiveRecord(int Value);
  // Records in this link's window: below BufferCount at the end of the data.
  int RecordCount() const;

  // Puts the data set into edit state through the data source (AutoEdit); answers Editing.
  bool Edit();
  // Calls UpdateData, without this link hearing the resulting field changes.
  void UpdateRecord();

 protected:
  virtual void ActiveChanged() {}
  virtual void CheckBrowseMode() {}
  virtual void DataSetChanged() { RecordChanged(nullptr); }
  virtual void DataSetScrolled(int Distance) {
    (void)Distance;
    DataSetChanged();
  }
  virtual void EditingChanged() {}
  virtual void FocusControl(TField*& Field) { (void)Field; }
  virtual void LayoutChanged() { DataSetChanged(); }
  virtual void RecordChanged(TField* Field) { (void)Field; }
  virtual void UpdateData() {}

 private:
  friend class TDataSource;
  void DataEvent(TDataEvent Event, intptr_t Info);
  void UpdateState();
  void SetActive(bool Value);
  void SetEditing(bool Value);
  void UpdateRange();
  int MoveWindow(int Info);

  TDataSource* FDataSource = nullptr;
  int FFirstRecord = 0;
  int FBufferCount = 1;
  bool FActive = false;
  bool FEditing = false;
  bool FReadOnly = false;
  bool FUpdating = false;
};
