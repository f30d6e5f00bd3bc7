// The class-move dialog: a move within one grade sets the chosen students' class.
#include "app/windows/SeperateClass.h"

#include "app/kits/FormKit.h"
#include "app/data/KvCommon.h"

TfmSeperatorClass* fmSeperatorClass = nullptr;

TfmSeperatorClass::~TfmSeperatorClass() {
  if (fmSeperatorClass == this) fmSeperatorClass = nullptr;
}

void TfmSeperatorClass::MoveChosenStudents() {
  if (SourceClass()->Grade != TargetClass()->Grade) {
    ShowMsgBox("学生分班只能在同年级进行。", "错误提示", mtInformation, MsgDlgBit(mbOK));
    return;
  }
  ForEachChosenStudent([this](int) { SetTargetClass(); });
}

TModalResult ShowSeperatorClass() { return HeldForm(fmSeperatorClass)->ShowModal(); }
