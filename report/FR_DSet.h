// Record sources: the cursor over which a data band of a report loops. TfrDataset counts records
// and fires its events; TroVaziDataset is such a source whose records exist only through those
// events and its counted range. TfrDBDataSet (FR_DBSet.h) walks a data set.
#pragma once

#include "classes/Component.h"

enum TRangeBegin { rbFirst, rbCurrent };
enum TRangeEnd { reLast, reCurrent, reCount };

// May change the end-of-range answer it receives.
using TCheckEOFEvent = std::function<void(TObject* Sender, bool& Eof)>;

class TfrDataset : public TComponent {
 public:
  explicit TfrDataset(TComponent* AOwner);
  String ClassName() const override { return "TfrDataset"; }

  // Prepares for a loop and ends it.
  virtual void Init() {}
  virtual void Exit() {}
  // RecNo 0, then OnFirst.
  virtual void First();
  // RecNo + 1, then OnNext unless that step reached the count of a counted range.
  virtual void Next();
  // RecNo - 1, then OnPrior.
  virtual void Prior();
  // A counted range is at its end when RecNo reached RangeEndCount; OnCheckEOF may change that.
  virtual bool Eof();

  TRangeBegin RangeBegin() const { return FRangeBegin; }
  void SetRangeBegin(TRangeBegin Value) { FRangeBegin = Value; }
  TRangeEnd RangeEnd() const { return FRangeEnd; }
  void SetRangeEnd(TRangeEnd Value) { FRangeEnd = Value; }
  // The number of records of a range that ends with reCount.
  int RangeEndCount() const { return FRangeEndCount; }
  void SetRangeEndCount(int Value) { FRangeEndCount = Value; }
  // The current record, counted from 0 since First.
  int RecNo() const { return FRecNo; }

  TNotifyEvent OnFirst;
  TNotifyEvent OnNext;
  TNotifyEvent OnPrior;
  TCheckEOFEvent OnCheckEOF;

 private:
  bool CountReached() const { return FRangeEnd == reCount && FRecNo >= FRangeEndCount; }

  TRangeBegin FRangeBegin = rbFirst;
  TRangeEnd FRangeEnd = reLast;
  int FRangeEndCount = 0;
  int FRecNo = 0;
};

// Without a count or an OnCheckEOF handler it never ends: its owner supplies the end.
class TroVaziDataset : public TfrDataset {
 public:
  using TfrDataset::TfrDataset;
  String ClassName() const override { return "TroVaziDataset"; }
};

// Registers the record sources' classes and published properties; RegisterReportClasses calls it.
void RegisterRecordSourceClasses();
