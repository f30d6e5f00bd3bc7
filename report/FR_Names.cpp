// Resolution of dotted names, record sources and band data sets, and evaluation errors.
#include "report/FR_Names.h"

#include "report/FR_Band.h"
#include "report/FR_Class.h"
#include "report/FR_Const.h"
#include "report/FR_DBSet.h"
#include "report/FR_Lookup.h"
#include "report/FR_Page.h"
#include "report/FR_State.h"
#include "report/FR_View.h"
#include "rtl/Convert.h"
#include "rtl/Text.h"

namespace {

// "PAGE" followed by a digit, and more: a page by its number.
bool NamesPage(const String& ObjectName) {
  const String upper = UpperCase(ObjectName);
  return upper.size() > 4 && upper.compare(0, 4, "PAGE") == 0 && upper[4] >= '0' && upper[4] <= '9';
}

TfrObject* PageByNumber(const String& ObjectName) {
  const TfrReport* report = frState().ActiveReport;
  const int number = StrToInt(ObjectName.substr(4));
  if (!report || number < 1 || number > report->Pages().Count()) return nullptr;
  return &report->Pages().Pages(number - 1);
}

}  // namespace

TfrResolvedProperty ResolveObjectProperty(const String& FullName) {
  const TfrEngineState& state = frState();
  TfrResolvedProperty result{state.ActiveView, FullName};
  const size_t dot = FullName.find('.');
  if (dot != String::npos) {
    const String objectName = FullName.substr(0, dot);
    result.PropName = FullName.substr(dot + 1);
    if (NamesPage(objectName)) {
      result.Object = PageByNumber(objectName);
    } else {
      result.Object = state.ActiveReport ? state.ActiveReport->FindObject(objectName) : nullptr;
      if (!result.Object && state.ActiveView) {
        state.ActiveView->EnsureProperties();
        if (state.ActiveView->FindProperty(objectName)) result = {state.ActiveView, FullName};
      }
    }
  }
  if (result.Object) result.Object->EnsureProperties();
  return result;
}

TfrDataset* FindDataset(const String& Name, TComponentPtr<TfrDataset>& Made) {
  if (Name.empty()) return nullptr;
  TfrDataset* source = nullptr;
  if (Name[0] >= '1' && Name[0] <= '9') {
    const int count = StrToInt(Name);
    auto counted = MakeComponent<TroVaziDataset>();
    counted->SetRangeEnd(reCount);
    counted->SetRangeEndCount(count);
    source = counted.get();
    Made = std::move(counted);
  } else {
    const TfrReport* report = frState().ActiveReport;
    TComponent* found = report ? frFindComponent(report->Owner(), Name) : nullptr;
    if (!found) return nullptr;
    source = dynamic_cast<TfrDataset*>(found);
    if (!source) throw EInvalidCast("Invalid class typecast");
  }
  source->Init();
  return source;
}

TDataSet* GetBandDataSet() {
  const TfrEngineState& state = frState();
  if (!state.ActiveBand || !state.ActivePage || state.ActivePage->Type != ptReport) return nullptr;
  TfrBandType governing;
  switch (state.ActiveBand->Typ) {
    case btReportTitle: case btReportSummary: case btPageHeader: case btPageFooter: case btMasterHeader:
    case btMasterData: case btMasterFooter: case btGroupHeader: case btGroupFooter:
      governing = btMasterData;
      break;
    case btDetailData: case btDetailFooter: governing = btDetailData; break;
    case btSubDetailData: case btSubDetailFooter: governing = btSubDetailData; break;
    case btCrossData: case btCrossFooter: governing = btCrossData; break;
    default: return nullptr;
  }
  const TfrBand* band = state.ActivePage->Bands[governing].get();
  const auto* source = band ? dynamic_cast<const TfrDBDataSet*>(band->DataSet) : nullptr;
  return source ? source->GetDataSet() : nullptr;
}

bool frBuildTerminated() {
  const TfrEngineState& state = frState();
  return (state.ActiveReport && state.ActiveReport->Terminated()) || (state.RootReport && state.RootReport->Terminated());
}

void ReportEvalError(const String& ErrorMessage) {
  TfrEngineState& state = frState();
  state.EvalErrorFlag = true;
  String text = frLoadStr(55200);
  String objectPart;
  if (const TfrView* view = state.ActiveView) {
    for (int i = 0; i < view->Memo.Count(); ++i) text += "\r" + view->Memo[i];
    objectPart = frLoadStr(55202) + " " + view->Name + "\r";
  }
  const String reportName = state.ActiveReport ? state.ActiveReport->Name() : String();
  text += "\r\r" + frLoadStr(55201) + " " + reportName + "\r" + objectPart + "\r" + ErrorMessage;
  state.EvalErrorText = text;
  if (state.RootReport) state.RootReport->SetTerminated(true);
}
