// The item-list window "体育达标项目设置": the fitness-standard items of Tb_UptoProg, under a
// group row per item type.
#pragma once

#include "app/data/KvStatements.h"
#include "app/kits/ProgList.h"

class TfmSetUptoProg : public TfmSetProgList {
 public:
  explicit TfmSetUptoProg(TComponent* AOwner) : TfmSetProgList(AOwner) {}
  ~TfmSetUptoProg() override;
  String ClassName() const override { return "TfmSetUptoProg"; }
  String LayoutModule() const override { return "SetUptoProg"; }

 protected:
  String ItemsSql() const override { return UptoItemsSql; }
};

// The window while it is open.
extern TfmSetUptoProg* fmSetUptoProg;
// The command "达标项目类型维护": the window, made anew, shown modally.
TModalResult ShowSetUptoProg();
