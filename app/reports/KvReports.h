// The report commands of the main window. Each prints a template of the folder "Report" beside the
// program over the data module's print query, with the school, the manager, the class and the
// user in the template's header memos, and shows the prepared pages in the preview window, modal
// until the user closes it. The main window's actions call them with the text of its class box.
// A missing template ("没有找到对应的打印模板。") and the errors of the statistics, the card builds
// and the print query are raised to the caller after the command's clean-up (progress window
// freed, cursor restored); a template the engine cannot read or build has been reported by the
// engine and shows nothing.
#pragma once

#include <vector>

#include "app/data/KvData.h"
#include "app/reports/PrintConfig.h"

// The list reports, by the tag of the action that prints them.
enum TListReport { lrBlankStudent = 0, lrFreeStudent = 1, lrNoTestStudent = 2, lrTeacher = 3, lrStudents = 4 };

// A template file of the program: its folder (AppPath), "Report/", then the file's name.
String ReportTemplatePath(const String& FileName);

// Prints the template over Sql, in which the class is the parameter ":AClass", through the
// preview window. Raises "没有找到对应的打印模板。" when no file exists at Template.
void PrintReport(const String& Template, const String& Sql, const String& ClassName);
// Fills the header memos the template has: mmSchoolName, mmManager, mmClass and mmPrinter.
void SetReportHeader(TfrReport* Report, const String& ClassName);

// Student blank form, exempt students, untested students, teachers and students by the action's
// tag; another tag prints nothing.
void PrintListReport(int Tag, const String& ClassName);
// Rebuilds the statistics of the level (every class, every grade, or the school) and prints them.
void PrintStatisticsReport(TdmGym::TSumLevel Level, const String& ClassName);
// The fitness cards of the class, with the items that the print configuration of its grade names
// (at most 8); nothing is built or shown when the grade has no configuration.
void PrintStudentUptoReport(const String& ClassName);
// The examination cards of the class (of the school for an empty class), each with its results.
void PrintStudentExamReport(const String& ClassName);

// The fitness report's eight item slots: slot i (from 1) shows the i-th item, its memos Prog<i>,
// mmCj<i> and mmFen<i> get the item's name, its performance and its score; the slots after the
// last item are emptied. Answers the print query's columns of the items (each "a." and the quoted
// column, followed by ",").
String FillItemSlots(TfrReport& Report, const std::vector<TPrintConfig>& Items);
