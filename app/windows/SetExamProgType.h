// The item-list window "体育考核项目设置": the examination items of Tb_ExamProg.
#pragma once

#include "app/data/KvStatements.h"
#include "app/kits/ProgList.h"

class TfmSetExamProg : public TfmSetProgList {
 public:
  explicit TfmSetExamProg(TComponent* AOwner) : TfmSetProgList(AOwner) {}
  ~TfmSetExamProg() override;
  String ClassName() const override { return "TfmSetExamProg"; }
  String LayoutModule() const override { return "SetExamProgType"; }

 protected:
  String ItemsSql() const override { return ExamItemsSql; }
};

// The window while it is open.
extern TfmSetExamProg* fmSetExamProg;
// The command "考核项目类型维护": the window, made anew, shown modally.
TModalResult ShowSetExamProg();
