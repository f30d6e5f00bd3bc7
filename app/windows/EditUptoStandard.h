// The fitness standards editor: the thresholds of the current row of the main window's
// fitness standards query (a Tb_UptoStarnd row).
#pragma once

#include "app/kits/StandardEditor.h"

class TfmEditUptoStarnd : public TfmEditStarnd {
 public:
  explicit TfmEditUptoStarnd(TComponent* AOwner) : TfmEditStarnd(AOwner) {}
  ~TfmEditUptoStarnd() override;
  String ClassName() const override { return "TfmEditUptoStarnd"; }
  String LayoutModule() const override { return "EditUptoStandard"; }

 protected:
  TADOQuery* Standards() const override;
};

// Made on first use, owned by the application, kept for the next use.
extern TfmEditUptoStarnd* fmEditUptoStarnd;
// The command "达标项目标准参数维护": shows the editor modally on the current standards row.
TModalResult ShowEditUptoStarnd();
