// The main window's report commands and its print-configuration command: each calls its report
// routine (KvReports) with the class chosen in the search strip, or shows the print options.
#include "app/windows/KvMain.h"
#include "app/reports/KvReports.h"
#include "app/windows/SetPrintOption.h"

void TfmKvMain::actPrintBlanStudentExecute(TObject*) { PrintListReport(lrBlankStudent, cbbClass->Text()); }

void TfmKvMain::actPrintStudentUptoReportExecute(TObject*) { PrintStudentUptoReport(cbbClass->Text()); }

void TfmKvMain::actPrintStudentExamReportExecute(TObject*) { PrintStudentExamReport(cbbClass->Text()); }

void TfmKvMain::actPrintClassUptoReportExecute(TObject*) {
  PrintStatisticsReport(TdmGym::slClasses, cbbClass->Text());
}

void TfmKvMain::actPrintGradeUptoReportExecute(TObject*) { PrintStatisticsReport(TdmGym::slGrades, cbbClass->Text()); }

void TfmKvMain::actPrintSchoolUptoReportExecute(TObject*) {
  PrintStatisticsReport(TdmGym::slSchool, cbbClass->Text());
}

void TfmKvMain::actPrintNoTestStudentExecute(TObject*) { PrintListReport(lrNoTestStudent, cbbClass->Text()); }

void TfmKvMain::actPrintFreeStudentExecute(TObject*) { PrintListReport(lrFreeStudent, cbbClass->Text()); }

void TfmKvMain::actPrintStudentsExecute(TObject*) { PrintListReport(lrStudents, cbbClass->Text()); }

void TfmKvMain::actPrintTeacherExecute(TObject*) { PrintListReport(lrTeacher, cbbClass->Text()); }

void TfmKvMain::actSetPrintOptionExecute(TObject*) { ShowSetPrintOption(); }
