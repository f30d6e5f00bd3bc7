// TfrSubReportView, the sub-report object: it places another page of the report inside a band.
#pragma once

#include "report/FR_View.h"

class TfrSubReportView : public TfrView {
 public:
  TfrSubReportView() : TfrView(gtSubReport, "SubReport") {}
  String ClassName() const override { return "TfrSubReportView"; }

  // Sub-reports are drawn only as aids of a designer, which this program does not have.
  void Draw(TCanvas*) override {}
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;

  // The index (from 0) of the page whose contents the sub-report prints.
  int SubPage = 0;
};
