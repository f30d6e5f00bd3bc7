// The calls of the aggregate functions SUM, MIN, MAX, AVG and COUNT. While pages are being laid
// out for aggregates, a call registers an item with the band that owns the aggregate; while they
// print, it reads the item's value from the band that accumulates it. The runtime bands and the
// build in progress are reached through the two interfaces below.
#pragma once

#include "report/FR_BandTypes.h"
#include "report/FR_Pars.h"

enum TfrAggregateFunction { afSum = 11, afMin = 12, afMax = 13, afAvg = 14, afCount = 15 };

// What the aggregate functions use of a runtime band.
class TfrAggregateBand {
 public:
  virtual ~TfrAggregateBand() = default;
  virtual TfrBandType BandType() const = 0;
  virtual String BandName() const = 0;
  // Some of the band's objects belong to a cross band.
  virtual bool HasCrossObjects() const = 0;
  // The band whose aggregate list receives this band's aggregates.
  virtual TfrAggregateBand* AggrBand() const = 0;
  // Of the bands this band's aggregates were registered with, the data band of that name; the last
  // registered when the name is empty or none has it.
  virtual TfrAggregateBand* AggrBandFor(const String& DataBandName) const {
    (void)DataBandName;
    return AggrBand();
  }
  // Registration may give a band several: each call keeps its own.
  virtual void SetAggrBand(TfrAggregateBand* Band) = 0;
  // The band's aggregate items by name.
  virtual TfrVariables& Aggregates() = 0;
  virtual Variant GetAggregateValue(const String& Name) = 0;
};

// What the aggregate functions use of the build in progress.
class TfrAggregateHost {
 public:
  virtual ~TfrAggregateHost() = default;
  // Aggregates are being registered, before the pages are formed.
  virtual bool AggregateRegistration() const = 0;
  virtual TfrAggregateBand* AggregateOwner() const = 0;
  // The band being printed (or registered), nullptr when none.
  virtual TfrAggregateBand* ActiveBand() const = 0;
  // The page's current cross column number.
  virtual int CrossColumn() const = 0;
};

// The build sets itself here while it runs and nullptr afterwards; not owned.
void SetAggregateHost(TfrAggregateHost* Host);

// The name of an aggregate item: each field followed by a byte 1.
String frAggregateItemName(const String& BandPart, TfrAggregateFunction Function, const String& Expression,
                           const String& Flag);

// The text before the N-th byte 1 of an item name (from 1) and after the one before it; "" when
// the name has fewer fields.
String frAggregateField(const String& Text, int N);

// A call with its argument texts: for SUM, MIN, MAX and AVG the expression, the data band's name
// and the flag "1" (counted while the band is invisible); for COUNT the band's name and the flag.
// Registering answers Empty, and so does reading without a host or an accumulating band.
Variant frAggregateCall(TfrAggregateFunction Function, const String& P1, const String& P2, const String& P3);
