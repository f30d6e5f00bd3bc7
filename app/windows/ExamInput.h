// The examination result entry window "考核成绩录入": performances in the examination items,
// scored by the examination standards of the class's grade, stored in Tb_ExamProcess as the
// examination part (2) of the term picked in the window.
#pragma once

#include "app/kits/ResultEntry.h"

class TfmExamInput : public TfmResultEntry {
 public:
  // The part of the examination these results are.
  static constexpr int TestPart = 2;

  explicit TfmExamInput(TComponent* AOwner) : TfmResultEntry(AOwner, sfExam, TestPart) {}
  ~TfmExamInput() override;
  String ClassName() const override { return "TfmExamInput"; }
  String LayoutModule() const override { return "ExamInput"; }
};

// The window while it is open.
extern TfmExamInput* fmExamInput;

// The main window's command: the window, made when none is open, told the class and shown
// (modeless, beside the main window).
void ShowExamInput(const String& ClassName);
