// Preparing a report page's objects before it is formed: objects whose whole text names one field
// are linked to that field, and the aggregate functions of footers, summaries and page footers are
// registered with the data band whose rows they count.
#include "report/FR_Page.h"

#include "report/FR_Band.h"
#include "report/FR_Class.h"
#include "report/FR_Globals.h"
#include "report/FR_Lookup.h"
#include "report/FR_Memo.h"
#include "report/FR_Names.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "rtl/ScopeExit.h"

namespace {

void LinkSingleField(TfrView& View, TfrDataDictionary& Dictionary) {
  View.FieldDataSet = nullptr;
  View.FieldName.clear();
  const auto* memo = dynamic_cast<const TfrMemoView*>(&View);
  if (memo && (memo->Flags & flTextOnly)) return;
  const String text = View.Memo.Text();
  const size_t close = text.rfind(']');
  if (text.size() <= 2 || text[0] != '[' || close == String::npos || close < 1) return;
  const String name = text.substr(1, close - 1);
  frState().ActiveBand = View.ParentBand;
  TDataSet* dataSet = nullptr;
  String field;
  if (Dictionary.IsVariable(name)) {
    Dictionary.FieldOf(name, dataSet, field);
  } else {
    dataSet = GetBandDataSet();
    frGetDataSetAndField(name, dataSet, field);
  }
  if (!dataSet || field.empty()) return;
  View.FieldDataSet = dataSet;
  View.FieldName = field;
}

const TStringList& AggregateNames() {
  static const TStringList names = [] {
    TStringList list;
    for (const char* name : {"SUM", "MIN", "MAX", "AVG", "COUNT"}) list.Add(name);
    return list;
  }();
  return names;
}

// Splits the band's script and its objects' texts and scripts into aggregate calls and evaluates
// each once, which registers it with the aggregate owner.
void RegisterAggregates(TfrBand& Band, const TfrVariables& Variables) {
  frState().ActiveBand = &Band;
  TStringList calls;
  TfrFunctionSplitter splitter(&AggregateNames(), &calls, &Variables);
  frInterpretator().GetFunctions(Band.Script, AggregateNames(), calls, Variables);
  for (TfrView* view : Band.Objects) {
    if (dynamic_cast<TfrMemoView*>(view))
      for (int i = 0; i < view->Memo.Count(); ++i) splitter.Split(view->Memo[i]);
    frInterpretator().GetFunctions(view->CompiledScript, AggregateNames(), calls, Variables);
  }
  for (int i = 0; i < calls.Count(); ++i) frParser().Calc(calls[i]);
}

// The bands whose aggregates count the rows of a data band of each level.
constexpr TfrBandType kAggregateUsers[3][7] = {
    {btPageFooter, btColumnFooter, btMasterFooter, btGroupFooter, btReportSummary, btNone, btNone},
    {btPageFooter, btColumnFooter, btMasterFooter, btDetailFooter, btGroupFooter, btReportSummary, btNone},
    {btPageFooter, btColumnFooter, btMasterFooter, btDetailFooter, btSubDetailFooter, btGroupFooter, btReportSummary}};
constexpr TfrBandType kDataBands[3] = {btMasterData, btDetailData, btSubDetailData};

void RegisterUsers(TfrPage& Page, TfrBand& Owner, const TfrBandType* Users, int Count, const TfrVariables& Variables) {
  frState().AggregateOwner = &Owner;
  for (int u = 0; u < Count; ++u)
    for (TfrBand* band = Page.Bands[Users[u]].get(); band; band = band->Next.get())
      for (TfrBand* child = band; child; child = child->Child) RegisterAggregates(*child, Variables);
}

}  // namespace

void TfrPage::PrepareObjects() {
  if (Type != ptReport) return;
  TfrEngineState& state = frState();
  TfrDataDictionary& dictionary = state.ActiveReport->Dictionary();
  const TValueScope<bool> tolerant(state.TolerantMode, true);
  const TValueScope<TfrBand*> activeBand(state.ActiveBand, state.ActiveBand);
  state.ActivePage = this;
  for (const auto& view : Objects) LinkSingleField(*view, dictionary);

  state.AggregateRegistration = true;
  for (int level = 0; level < 3; ++level)
    for (TfrBand* data = Bands[kDataBands[level]].get(); data; data = data->Next.get())
      if (data->DataSet) RegisterUsers(*this, *data, kAggregateUsers[level], 5 + level, dictionary.Variables);
  TfrBand* crossData = Bands[btCrossData].get();
  if (crossData->IsPresent()) {
    const TfrBandType crossFooter = btCrossFooter;
    RegisterUsers(*this, *crossData, &crossFooter, 1, dictionary.Variables);
  }
  state.AggregateRegistration = false;
  state.AggregateOwner = nullptr;
}
