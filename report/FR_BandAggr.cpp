// Band aggregates: a data band accumulates, row by row, the items that the aggregate functions of
// footers, summaries and page footers registered with it; a band that prints resets its own items.
// Each item counts its own rows, so that an average divides by the rows it summed, and a minimum,
// maximum or average over no rows is empty rather than a starting value.
#include "report/FR_Band.h"

#include "report/FR_Globals.h"
#include "report/FR_Page.h"
#include "report/FR_State.h"
#include "rtl/Convert.h"
#include "rtl/Text.h"

namespace {

// An item name's fields: a cross column number in front when the name starts with a digit, then
// the band that resets it, the function, the expression and the flag.
struct TItem {
  String Column;
  String Band;
  int Function = 0;
  String Expression;
  String Flag;
};

TItem ParseItem(const String& Name) {
  const bool column = !Name.empty() && Name[0] >= '0' && Name[0] <= '9';
  const int first = column ? 2 : 1;
  const String function = frAggregateField(Name, first + 1);
  return {column ? frAggregateField(Name, 1) : String(), frAggregateField(Name, first),
          function.empty() ? 0 : int(static_cast<unsigned char>(function[0])), frAggregateField(Name, first + 2),
          frAggregateField(Name, first + 3)};
}

Variant AsNumber(const Variant& Value) { return Value.IsEmpty() || Value.IsNull() ? Variant(0) : Value; }

class TBuildAggregateHost : public TfrAggregateHost {
 public:
  bool AggregateRegistration() const override { return frState().AggregateRegistration; }
  TfrAggregateBand* AggregateOwner() const override { return frState().AggregateOwner; }
  TfrAggregateBand* ActiveBand() const override { return frState().ActiveBand; }
  int CrossColumn() const override {
    const TfrPage* page = frState().ActivePage;
    return page ? page->ColumnCounter : 0;
  }
};

}  // namespace

TfrAggregateHost& frBuildAggregateHost() {
  static TBuildAggregateHost host;
  return host;
}

int& TfrBand::ItemRows(int Index) {
  if (FAggregateRows.size() < size_t(FAggregates.Count())) FAggregateRows.resize(size_t(FAggregates.Count()), 0);
  return FAggregateRows[size_t(Index)];
}

void TfrBand::ResetItem(int Index) {
  const TItem item = ParseItem(FAggregates.Name(Index));
  FAggregates.SetValue(Index, item.Function == afMin ? Variant(1e300) : Variant(0));
  ItemRows(Index) = 0;
}

void TfrBand::AccumulateItem(int Index, const String& Expression, int Function, Variant& Previous,
                             String& PreviousExpression) {
  Variant value;
  if (Function != afCount) {
    if (Expression != PreviousExpression || Previous.IsEmpty()) {
      Previous = AsNumber(frParser().Calc(Expression));
      PreviousExpression = Expression;
    }
    value = Previous;
  }
  int& rows = ItemRows(Index);
  const Variant current = FAggregates.Value(Index);
  switch (Function) {
    case afSum: case afAvg: FAggregates.SetValue(Index, AsNumber(current) + value); break;
    case afMin: FAggregates.SetValue(Index, rows == 0 || value < current ? value : current); break;
    case afMax: FAggregates.SetValue(Index, rows == 0 || value > current ? value : current); break;
    case afCount: FAggregates.SetValue(Index, AsNumber(current) + Variant(1)); break;
    default: return;
  }
  ++rows;
}

void TfrBand::UpdateAggregates() {
  // Inside a cross-tab a band that prints cross cells accumulates the items of the column at work,
  // made from its column-0 items on first use; otherwise only the items of no column take part.
  const bool byColumn = frState().InsideCross && HasCrossObjects();
  const String column = IntToStr(Parent->ColumnCounter);
  if (byColumn)
    for (int i = 0; i < FAggregates.Count(); ++i) {
      const String name = FAggregates.Name(i);
      if (name.size() > 1 && name[0] == '0' && name[1] == '\1' && FAggregates.IndexOf(column + name.substr(1)) < 0)
        FAggregates.SetVariable(column + name.substr(1), 0);
    }
  Variant previous;
  String previousExpression;
  for (int i = 0; i < FAggregates.Count(); ++i) {
    const TItem item = ParseItem(FAggregates.Name(i));
    if (item.Column != (byColumn ? column : String())) continue;
    if (!Visible && Trim(item.Flag) != "1") continue;
    AccumulateItem(i, item.Expression, item.Function, previous, previousExpression);
  }
}

void TfrBand::ResetAggregates() {
  if (Typ == btGroupHeader) {
    TfrEngineState& state = frState();
    TfrBand* const active = state.ActiveBand;
    for (TfrBand* band = this; band; band = band->Next.get()) {
      state.ActiveBand = band;
      band->LastGroupValue = frParser().CalcPostfix(band->GroupCondition);
    }
    state.ActiveBand = active;
    return;
  }
  for (TfrBand* owner : FAggrBands)
    for (int i = 0; i < owner->FAggregates.Count(); ++i)
      if (SameText(ParseItem(owner->FAggregates.Name(i)).Band, Name)) owner->ResetItem(i);
}

Variant TfrBand::GetAggregateValue(const String& AName) {
  const int index = FAggregates.IndexOf(AName);
  if (index < 0) return Variant();
  const int function = ParseItem(AName).Function;
  const int rows = ItemRows(index);
  if (rows == 0 && (function == afMin || function == afMax || function == afAvg)) return Variant();
  const Variant value = FAggregates.Value(index);
  return function == afAvg ? value / Variant(rows) : value;
}

void TfrBand::SetAggregateValue(const String& AName, const Variant& Value) { FAggregates.SetVariable(AName, Value); }
