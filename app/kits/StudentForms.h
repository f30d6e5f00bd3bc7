// What the new-student and student windows share: the exemption group beside the basic one and
// the window's width that follows it, the birth date read from its three boxes, the checks of an
// exemption, and the student's exemption row in Tb_FreeStudent.
#pragma once

#include "controls/Forms.h"
#include "controls/GroupBox.h"
#include "data/ADODB.h"
#include "rtl/DateTime.h"

// The window's width with the exemption group hidden and shown.
inline constexpr int NarrowStudentWidth = 344;
inline constexpr int WideStudentWidth = 610;

// Shows or hides the exemption group, widening or narrowing the window with it. What the group's
// boxes hold stays while it is hidden.
void ShowExemptionGroup(TCustomForm* Form, TGroupBox* Group, bool Shown);

// The birth date from the texts of the year, month and day boxes: empty when it is a date (in
// Date), otherwise the message: Incomplete when a box is empty, "学生出生日期格式不对，请重新输入。"
// when the numbers make no date.
String ReadBirthday(const String& Year, const String& Month, const String& Day, const String& Incomplete,
                    TDateTime& Date);

// The exemption's period and reason must be given: the first missing one's message, or empty.
String CheckExemption(const String& FreeTime, const String& Reason, const String& NoReason);

// The typed exemption of a student.
struct TExemption {
  String Reason;
  String Period;
  String Remark;  // an empty remark leaves the stored one as it is
};
// Writes the exemption of student StuNo into the row found under FoundUnder (edited), or a new
// row when there is none. FreeGym is opened when it is closed; a row it cannot post is dropped.
void WriteExemption(TADOTable* FreeGym, int FoundUnder, int StuNo, const TExemption& Exemption);
// Deletes the exemption row of StuNo, if there is one.
void DeleteExemption(TADOTable* FreeGym, int StuNo);
