// The main window's report commands and its print-configuration command. Each report command
// calls its report routine, and the print-configuration command shows the print options window;
// until those exist the commands are here, enabled by their rules, and do nothing.
#include "app/KvMain.h"

// The blank form of the students of the class chosen ("Report/RptBlankStudent.frf").
void TfmKvMain::actPrintBlanStudentExecute(TObject*) {}

// The fitness cards of the students of the class chosen ("Report/RptStudentUpto.frf").
void TfmKvMain::actPrintStudentUptoReportExecute(TObject*) {}

// The examination cards of the students of the class chosen ("Report/RptStudentExam.frf").
void TfmKvMain::actPrintStudentExamReportExecute(TObject*) {}

// The class fitness statistics ("Report/RptAchieveClass.frf").
void TfmKvMain::actPrintClassUptoReportExecute(TObject*) {}

// The grade fitness statistics ("Report/RptAchieveUptoGrade.frf").
void TfmKvMain::actPrintGradeUptoReportExecute(TObject*) {}

// The school's fitness statistics for reporting upwards ("Report/RptUpGrade.frf").
void TfmKvMain::actPrintSchoolUptoReportExecute(TObject*) {}

// The untested students of the class chosen ("Report/NoTestStudentInfo.frf").
void TfmKvMain::actPrintNoTestStudentExecute(TObject*) {}

// The exempt students ("Report/FreeStudentInfo.frf").
void TfmKvMain::actPrintFreeStudentExecute(TObject*) {}

// The list of the students of the class chosen ("Report/RptStudentInfo.frf").
void TfmKvMain::actPrintStudentsExecute(TObject*) {}

// The list of the teachers ("Report/RptTeacherInfo.frf").
void TfmKvMain::actPrintTeacherExecute(TObject*) {}

// The print options window TfmSetPrintOption.
void TfmKvMain::actSetPrintOptionExecute(TObject*) {}
