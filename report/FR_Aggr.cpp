// Aggregate calls: the item's name from the active band and the call's arguments, registration
// with the owner band, and reading the accumulated value.
#include "report/FR_Aggr.h"

#include "rtl/Convert.h"
#include "rtl/Text.h"

namespace {

TfrAggregateHost* gHost = nullptr;

constexpr char kSeparator = '\1';

// The data band whose records a footer of this type sums up when the call names no band.
TfrBandType DataBandOf(TfrBandType footer) {
  switch (footer) {
    case btReportSummary: case btPageFooter: case btMasterFooter: case btGroupFooter: return btMasterData;
    case btDetailFooter: return btDetailData;
    case btSubDetailFooter: return btSubDetailData;
    case btCrossFooter: return btCrossData;
    default: return btNone;
  }
}

// The band's name, after a column number 0 when it prints objects of a cross band.
String BandPart(const TfrAggregateBand& band) {
  String part;
  if (band.BandType() != btCrossFooter && band.HasCrossObjects()) part = {'0', kSeparator};
  part += band.BandName();
  return part;
}

struct TCall {
  TfrAggregateFunction Function;
  String Expression;
  String BandName;
  String Flag;
};

void Register(const TCall& call, TfrAggregateBand& active, TfrAggregateBand& owner) {
  String bandName = Trim(call.BandName);
  if (bandName.empty()) {
    const TfrBandType dataBand = DataBandOf(active.BandType());
    if (dataBand == btNone || owner.BandType() != dataBand) return;
    bandName = owner.BandName();
  }
  if (!SameText(bandName, owner.BandName())) return;
  const String name = frAggregateItemName(BandPart(active), call.Function, call.Expression, call.Flag);
  owner.Aggregates().SetVariable(name, call.Function == afMin ? Variant(1e300) : Variant(0));
  active.SetAggrBand(&owner);
}

Variant Read(const TCall& call, TfrAggregateBand& active, int crossColumn) {
  if (active.BandType() == btCrossData) {
    // A cross cell reads its column's item of the row it prints on, which the band that row
    // aggregates keeps.
    TfrAggregateBand* row = active.AggrBand();
    TfrAggregateBand* holder = row ? row->AggrBandFor(Trim(call.BandName)) : nullptr;
    if (!holder) return Variant();
    const String bandPart = IntToStr(crossColumn) + kSeparator + row->BandName();
    return holder->GetAggregateValue(frAggregateItemName(bandPart, call.Function, call.Expression, call.Flag));
  }
  TfrAggregateBand* holder = active.AggrBandFor(Trim(call.BandName));
  if (!holder) return Variant();
  return holder->GetAggregateValue(frAggregateItemName(BandPart(active), call.Function, call.Expression, call.Flag));
}

}  // namespace

void SetAggregateHost(TfrAggregateHost* Host) { gHost = Host; }

String frAggregateItemName(const String& BandPart, TfrAggregateFunction Function, const String& Expression,
                           const String& Flag) {
  return BandPart + kSeparator + char(Function) + kSeparator + Expression + kSeparator + Flag + kSeparator;
}

String frAggregateField(const String& Text, int N) {
  size_t start = 0;
  for (int i = 1; i < N; ++i) {
    const size_t separator = Text.find(kSeparator, start);
    if (separator == String::npos) return String();
    start = separator + 1;
  }
  const size_t end = Text.find(kSeparator, start);
  return end == String::npos ? String() : Text.substr(start, end - start);
}

Variant frAggregateCall(TfrAggregateFunction Function, const String& P1, const String& P2, const String& P3) {
  TfrAggregateBand* active = gHost ? gHost->ActiveBand() : nullptr;
  if (!active) return Variant();
  const TCall call = Function == afCount ? TCall{Function, String(), P1, P2} : TCall{Function, P1, P2, P3};
  if (gHost->AggregateRegistration() && gHost->AggregateOwner()) {
    Register(call, *active, *gHost->AggregateOwner());
    return Variant();
  }
  return Read(call, *active, gHost->CrossColumn());
}
