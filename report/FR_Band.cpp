// The runtime band's record source and life.
#include "report/FR_Band.h"

#include "report/FR_Class.h"
#include "report/FR_DSet.h"
#include "report/FR_Globals.h"
#include "report/FR_Names.h"
#include "report/FR_State.h"

TfrBand::TfrBand(TfrBandType ATyp, TfrPage* AParent) : Parent(AParent), Typ(ATyp) {}

TfrBand::~TfrBand() {
  Next.reset();
  ReleaseDataSet();
  TfrEngineState& state = frState();
  if (state.ActiveBand == this) state.ActiveBand = nullptr;
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
  if (!DataSet && Typ == btMasterData && report && report->ReportType() == rtSimple) DataSet = report->Dataset();
}
