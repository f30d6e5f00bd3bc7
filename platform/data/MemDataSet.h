// TMemDataSet: a data set whose records live in memory only, over the field definitions given
// before it opens. Tests of data-aware controls use it in place of a database. Its records stay
// when it is closed and are there again when it reopens.
#pragma once

#include "data/DataSet.h"

class TMemDataSet : public TDataSet {
 public:
  explicit TMemDataSet(TComponent* AOwner);
  String ClassName() const override { return "TMemDataSet"; }

  // Opens over FieldDefs; the same as Open.
  void CreateDataSet() { Open(); }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool CanModify() const override { return !FReadOnly; }

 protected:
  void InternalOpen() override;
  void InternalClose() override;
  // Gives auto-number fields the next number.
  void InternalPost(TPostRequest& Request) override;
  void InternalDelete(TRecordData& Record) override { (void)Record; }

 private:
  std::vector<TRowValues> FSavedRows;
  int FLastAutoInc = 0;
  bool FReadOnly = false;
};
