// The sub-report object's record: its page index after the base record.
#include "report/FR_SubReport.h"

#include "report/FR_Utils.h"

void TfrSubReportView::LoadFromStream(TStream& Stream) {
  TfrView::LoadFromStream(Stream);
  SubPage = frReadInteger(Stream);
}

void TfrSubReportView::SaveToStream(TStream& Stream) {
  TfrView::SaveToStream(Stream);
  frWriteInteger(Stream, SubPage);
}
