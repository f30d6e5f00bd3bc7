// The runtime band's life: its record sources, the settings taken from its band object, its links
// and the counters a new pass starts from.
#include "report/FR_Band.h"

#include <algorithm>

#include "report/FR_BandView.h"
#include "report/FR_Class.h"
#include "report/FR_DSet.h"
#include "report/FR_Globals.h"
#include "report/FR_Memo.h"
#include "report/FR_Names.h"
#include "report/FR_State.h"
#include "rtl/Text.h"

TfrBand::TfrBand(TfrBandType ATyp, TfrPage* AParent) : Parent(AParent), Typ(ATyp) {}

TfrBand::~TfrBand() {
  Next.reset();
  ReleaseDataSet();
  if (CrossDataSet) CrossDataSet->Exit();
  TfrEngineState& state = frState();
  if (state.ActiveBand == this) state.ActiveBand = nullptr;
  if (state.AggregateOwner == this) state.AggregateOwner = nullptr;
}

void TfrBand::ReleaseDataSet() {
  if (DataSet) DataSet->Exit();
  DataSet = nullptr;
  FOwnedDataSet.reset();
}

void TfrBand::SetDataSource(const String& Text) {
  if (Typ == btGroupHeader) {
    GroupCondition = frParser().GetPostfix(Text);
    return;
  }
  ReleaseDataSet();
  if (Text.find(';') == String::npos) DataSet = FindDataset(Text, FOwnedDataSet);
  const TfrReport* report = frState().ActiveReport;
  if (!DataSet && Typ == btMasterData && report && report->ReportType() == rtSimple) {
    DataSet = report->Dataset();
    if (DataSet) DataSet->Init();
  }
}

void TfrBand::SetCrossDataSource(const String& SourceName) {
  if (CrossDataSet) CrossDataSet->Exit();
  CrossDataSet = nullptr;
  FOwnedCrossDataSet.reset();
  CrossDataSet = FindDataset(SourceName, FOwnedCrossDataSet);
}

void TfrBand::TakeView(TfrBandView* AView, bool OnSubReportPage) {
  View = AView;
  AView->Band = this;
  Memo.Assign(&AView->Memo);
  if (!AView->ScriptCompiled) AView->CompileScript();
  Script.Assign(&AView->CompiledScript);
  Flags = AView->Flags;
  Stretched = Flags & flStretched;
  FormNewPage = (Flags & flBandFormNewPage) && !OnSubReportPage;
  PrintIfSubsetEmpty = Flags & flBandPrintIfSubsetEmpty;
  Breaked = (Flags & flBandBreaked) && !OnSubReportPage;
  PrintChildIfInvisible = Flags & flBandPrintChildIfInvisible;
  Visible = AView->Visible;
  Name = AView->Name;
}

bool TfrBand::IsPresent() const { return View || (Typ == btNone && !Objects.empty()); }

bool TfrBand::SetChild(TfrBand* Band) {
  std::vector<const TfrBand*> seen;
  for (const TfrBand* b = Band; b; b = b->Child) {
    if (b == this || std::find(seen.begin(), seen.end(), b) != seen.end()) return false;
    seen.push_back(b);
  }
  Child = Band;
  return true;
}

void TfrBand::ResetState() {
  LineNo = LineThroughNo = 1;
  LastGroupValue = Variant();
  Repeating = KeepPosition = ScriptDone = false;
  CalcHeight = -1;
  ColumnNo = 1;
  MaxColumns = 0;
  SubDone = true;
  for (int i = 0; i < FAggregates.Count(); ++i) ResetItem(i);
}

void TfrBand::ClearLastValues() {
  for (TfrView* view : Objects)
    if (auto* memo = dynamic_cast<TfrMemoView*>(view)) memo->LastValue.clear();
}

bool TfrBand::HasCrossObjects() const {
  return std::any_of(Objects.begin(), Objects.end(), [this](const TfrView* v) { return v->ParentBand != this; });
}

TfrAggregateBand* TfrBand::AggrBandFor(const String& DataBandName) const {
  if (!DataBandName.empty())
    for (TfrBand* band : FAggrBands)
      if (SameText(band->Name, DataBandName)) return band;
  return AggrBand();
}

void TfrBand::SetAggrBand(TfrAggregateBand* Band) {
  auto* band = dynamic_cast<TfrBand*>(Band);
  std::erase(FAggrBands, band);
  if (band) FAggrBands.push_back(band);
}
