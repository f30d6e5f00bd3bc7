// Side-by-side sub-reports: the pages that a band's sub-report objects name are formed in record
// mode and played beside each other as space allows; when one runs out of space, all of them go on
// together on the next page.
#include "report/FR_Band.h"

#include <algorithm>

#include "report/FR_Class.h"
#include "report/FR_Names.h"
#include "report/FR_Page.h"
#include "report/FR_State.h"
#include "report/FR_SubReport.h"
#include "report/FR_Utils.h"
#include "rtl/ScopeExit.h"

namespace {

// The page a visible sub-report object prints; nullptr for any other object or a page that does
// not exist.
TfrPage* SubReportPage(const TfrView* View) {
  const auto* sub = dynamic_cast<const TfrSubReportView*>(View);
  const TfrReport* report = frState().ActiveReport;
  if (!sub || !sub->Visible || !report || sub->SubPage < 0 || sub->SubPage >= report->Pages().Count()) return nullptr;
  return &report->Pages().Pages(sub->SubPage);
}

}  // namespace

void TfrBand::InitSubReports() {
  TfrEngineState& state = frState();
  TfrPage& page = *Parent;
  const TValueScope<TfrPage*> activePage(state.ActivePage, state.ActivePage);
  for (size_t i = size_t(SubIndex); i < Objects.size(); ++i) {
    TfrPage* sub = SubReportPage(Objects[i]);
    if (!sub) continue;
    sub->RecordMode = rmRecord;
    sub->ClearCommands();
    sub->FormPage();
    sub->CurY = Objects[i]->Top + Top;
    sub->CurBottom = page.CurBottom;
    sub->CurX = page.CurX - page.GetLeftMargin() + Objects[i]->Left;
    sub->LeftMargin = sub->TopMargin = sub->RightMargin = sub->BottomMargin = 0;
    sub->StretchToPrintable = false;
    sub->Columns = 1;
    sub->PlayIndex = 0;
    sub->FreshY = sub->CurY - 1;  // its first band may still move to the next page
  }
  SubFinished.assign(Objects.size() - size_t(SubIndex), false);
}

void TfrBand::DoSubReports() {
  TfrPage& page = *Parent;
  const TValueScope<TfrPage*> activePage(frState().ActivePage, frState().ActivePage);
  for (bool first = true;; first = false) {
    if (!first)
      for (size_t i = size_t(SubIndex); i < Objects.size(); ++i)
        if (TfrPage* sub = SubReportPage(Objects[i])) {
          sub->CurY = page.CurY;
          sub->CurBottom = page.CurBottom;
          sub->FreshY = sub->CurY;
        }
    SubDone = true;
    SubBottom = page.CurY;
    for (size_t i = size_t(SubIndex); i < Objects.size(); ++i) {
      TfrPage* sub = SubReportPage(Objects[i]);
      if (!sub || SubFinished[i - size_t(SubIndex)]) continue;
      if (sub->PlayCommands()) {
        SubDone = false;
      } else {
        SubFinished[i - size_t(SubIndex)] = true;
        SubBottom = std::max(SubBottom, sub->CurY);
      }
    }
    if (SubDone || frBuildTerminated()) break;
    if (page.IsSubReportPage) {
      page.PendingBand = this;  // its own owner continues it
      return;
    }
    page.NewPage();
  }
  for (size_t i = size_t(SubIndex); i < Objects.size(); ++i)
    if (TfrPage* sub = SubReportPage(Objects[i])) sub->ClearCommands();
  page.CurY = SubBottom;
}
