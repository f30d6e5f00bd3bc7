// The exemption group, the birth date, the exemption checks and the exemption row of the student
// windows.
#include "app/kits/StudentForms.h"

#include "app/kits/FormKit.h"
#include "rtl/Convert.h"

void ShowExemptionGroup(TCustomForm* Form, TGroupBox* Group, bool Shown) {
  Form->SetWidth(Shown ? WideStudentWidth : NarrowStudentWidth);
  Group->SetVisible(Shown);
}

String ReadBirthday(const String& Year, const String& Month, const String& Day, const String& Incomplete,
                    TDateTime& Date) {
  if (Year.empty() || Month.empty() || Day.empty()) return Incomplete;
  int year = 0, month = 0, day = 0;
  if (!TryStrToInt(Year, year) || !TryStrToInt(Month, month) || !TryStrToInt(Day, day) ||
      !TryEncodeDate(year, month, day, Date))
    return "学生出生日期格式不对，请重新输入。";
  return String();
}

String CheckExemption(const String& FreeTime, const String& Reason, const String& NoReason) {
  if (FreeTime.empty()) return "请输入免试体育时间。";
  if (Reason.empty()) return NoReason;
  return String();
}

void WriteExemption(TADOTable* FreeGym, int FoundUnder, int StuNo, const TExemption& Exemption) {
  if (!FreeGym->Active()) FreeGym->Open();
  if (FreeGym->Locate("Fd_StuNo", Variant(FoundUnder)))
    EditRecord(FreeGym);
  else
    FreeGym->Append();
  PostRow(FreeGym, [&] {
    FreeGym->FieldByName("Fd_StuNo")->SetAsInteger(StuNo);
    FreeGym->FieldByName("Fd_FreeReason")->SetAsString(Exemption.Reason);
    FreeGym->FieldByName("Fd_FreeDate")->SetAsString(Exemption.Period);
    if (!Exemption.Remark.empty()) FreeGym->FieldByName("Fd_Remark")->SetAsString(Exemption.Remark);
  });
}

void DeleteExemption(TADOTable* FreeGym, int StuNo) {
  if (!FreeGym->Active()) FreeGym->Open();
  if (FreeGym->Locate("Fd_StuNo", Variant(StuNo))) FreeGym->Delete();
}
