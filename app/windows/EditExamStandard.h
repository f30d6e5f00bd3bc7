// The examination standards editor: the thresholds of the current row of the main window's
// examination standards query (a Tb_ExamStarnd row).
#pragma once

#include "app/kits/StandardEditor.h"

class TfmEditExamStarnd : public TfmEditStarnd {
 public:
  explicit TfmEditExamStarnd(TComponent* AOwner) : TfmEditStarnd(AOwner) {}
  ~TfmEditExamStarnd() override;
  String ClassName() const override { return "TfmEditExamStarnd"; }
  String LayoutModule() const override { return "EditExamStandard"; }

 protected:
  TADOQuery* Standards() const override;
};

// Made on first use, owned by the application, kept for the next use.
extern TfmEditExamStarnd* fmEditExamStarnd;
// The command "考核项目标准参数维护": shows the editor modally on the current standards row.
TModalResult ShowEditExamStarnd();
