// TfrDBDataSet: the record source over a data set of the data access layer, reached directly or
// through a data source. It keeps the record that was current when its loop began, for ranges
// that begin or end there.
#pragma once

#include "data/DataSource.h"
#include "report/FR_DSet.h"

QUORIN_EXCEPTION(EDSError, Exception);

class TfrDBDataSet : public TfrDataset {
 public:
  explicit TfrDBDataSet(TComponent* AOwner);
  String ClassName() const override { return "TfrDBDataSet"; }

  // Opens the data set when OpenDataSource (then OnOpen) and remembers the current record.
  void Init() override;
  // Returns to the remembered record for a range that begins or ends there; OnClose; closes the
  // data set when CloseDataSource.
  void Exit() override;
  // The data set's first record, or the remembered one for rbCurrent.
  void First() override;
  // The data set's next record. A range ending at the remembered record ends once that record
  // was the current one.
  void Next() override;
  void Prior() override;
  bool Eof() override;

  // The data set walked: the data source's when it has one, else DataSet. Raises EDSError
  // "Unable to open dataset <name>" when neither gives one.
  TDataSet* GetDataSet() const;

  // DataSet and DataSource exclude each other: setting DataSet clears DataSource, setting a
  // DataSource clears DataSet. Neither is owned; a freed one is forgotten.
  TDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* Value);
  TDataSource* DataSource() const { return FDataSource; }
  void SetDataSource(TDataSource* Value);
  bool OpenDataSource() const { return FOpenDataSource; }
  void SetOpenDataSource(bool Value) { FOpenDataSource = Value; }
  bool CloseDataSource() const { return FCloseDataSource; }
  void SetCloseDataSource(bool Value) { FCloseDataSource = Value; }

  TNotifyEvent OnOpen;
  TNotifyEvent OnClose;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  template <class T>
  void Refer(T*& Field, T* Value);

  TDataSet* FDataSet = nullptr;
  TDataSource* FDataSource = nullptr;
  bool FOpenDataSource = true;
  bool FCloseDataSource = false;
  TBookmark FBookmark;  // the record current at Init
  bool FHasBookmark = false;
  bool FEndReached = false;
};
