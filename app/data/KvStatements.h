// The tables and views of this system's database and the statements the program gives it whole
// or with a table's name put in: those of the data module, the windows and the reports. They live
// here, not beside their callers, so that the schema tests run these very texts against the
// database the build makes. Statements made from the items of a school (the card and statistics
// builds, the searches' optional conditions) are made where they are run, and run by their tests.
#pragma once

#include "rtl/Types.h"

// --- the database of this system --------------------------------------------------------------
// The tables and views every database of this system has; a file without them is someone else's.
inline constexpr const char* SystemTables[] = {
    "Tb_SchoolInfo", "Tb_Grade", "Tb_Classes", "Tb_Students", "Tb_FreeStudent", "Tb_Teachers", "Tb_TeacherTask",
    "Tb_UptoProg", "Tb_ExamProg", "Tb_TechProg", "Tb_UptoStarnd", "Tb_ExamStarnd", "Tb_CountPoint", "Tb_TermType",
    "Tb_Duty", "Tb_UptoProcess", "Tb_UptoHistory", "Tb_ExamProcess", "Tb_ExamHistory", "Tb_DutyProcess",
    "Tb_UptoCard", "Tb_ExamCard", "Tb_ClassesSum", "Tb_GradeSum", "Tb_SchoolSum"};
inline constexpr const char* SystemViews[] = {"Vw_Students", "Vw_UptoCard", "Vw_ExamProcess"};
// The connection names the file's tables only; a view is looked up in the file's schema.
inline constexpr const char* ViewCountSql =
    "select count(*) from sqlite_master where type = 'view' and name = :AName collate nocase";

// --- log-in -----------------------------------------------------------------------------------
inline constexpr const char* LoginTeacherSql = "select * from Tb_Teachers where Fd_LogID=:ALogID";
inline constexpr const char* SchoolInfoSql = "select Fd_SchoolName,Fd_Manager from Tb_SchoolInfo";
inline constexpr const char* AllClassesSql = "select * from Tb_Classes order by Fd_OrderNo";
inline constexpr const char* TeacherClassesSql =
    "select a.*,b.Fd_Grade from Tb_TeacherTask a,Tb_Classes b\n"
    "where a.Fd_Classes = b.Fd_Class and a.Fd_LogID=:ALogID";
inline constexpr const char* UptoNutricsSql = "select Fd_ProgNo,Fd_Nutric from Tb_UptoProg";
inline constexpr const char* ExamNutricsSql = "select Fd_ProgNo,Fd_Nutric from Tb_ExamProg";

// --- students and teachers --------------------------------------------------------------------
inline constexpr const char* ClassStudentsSql = "select * from Tb_Students where Fd_Class=:AClass";
inline constexpr const char* ClassStudentListSql = "select * from Tb_Students where Fd_Class=:AClass order by Fd_StuNo";
inline constexpr const char* TeachersSql = "select * from Tb_Teachers";
inline constexpr const char* ClassOrderSql = "select Fd_OrderNo,Fd_Class from Tb_Classes order by Fd_OrderNo";
inline constexpr const char* TeacherTasksSql = "select * from Tb_TeacherTask where Fd_LogID=:ALogID";
inline constexpr const char* RenameTeacherTasksSql =
    "update Tb_TeacherTask set Fd_LogID=:ANewLogID where Fd_LogID=:AOldLogID";
// Every table with rows of one student, keyed by the student's number; the student's own row last.
inline constexpr const char* StudentTables[] = {"Tb_UptoProcess", "Tb_UptoHistory", "Tb_ExamProcess",
                                                "Tb_ExamHistory", "Tb_FreeStudent", "Tb_DutyProcess",
                                                "Tb_UptoCard",    "Tb_ExamCard",    "Tb_Students"};
// The tables that keep rows under a student's number besides the student and the exemption.
inline constexpr const char* RenumberedStudentTables[] = {"Tb_UptoProcess", "Tb_UptoHistory", "Tb_ExamProcess",
                                                          "Tb_ExamHistory", "Tb_DutyProcess", "Tb_UptoCard",
                                                          "Tb_ExamCard"};
inline constexpr const char* TeacherTables[] = {"Tb_TeacherTask", "Tb_Teachers"};
inline String DeleteStudentRowsSql(const String& Table) { return "delete from " + Table + " where Fd_StuNo=:AStuNo"; }
inline String DeleteTeacherRowsSql(const String& Table) { return "delete from " + Table + " where Fd_LogID=:ALogID"; }
inline String RenumberStudentRowsSql(const String& Table) {
  return "update " + Table + " set Fd_StuNo=:ANewStuNo where Fd_StuNo=:AOldStuNo";
}

// --- promotion: a student's results go to the archive -----------------------------------------
inline constexpr const char* ArchiveExamSql =
    "Insert into Tb_ExamHistory (Fd_StuNo,Fd_TestPart, Fd_TestDate,Fd_TermType,Fd_ProgNo,Fd_Grade,Fd_Achieve,Fd_FenVal)\n"
    "select Fd_StuNo,Fd_TestPart, Fd_TestDate,Fd_TermType,Fd_ProgNo,Fd_Grade,Fd_Achieve,Fd_FenVal from Tb_ExamProcess\n"
    "Where Fd_StuNo=:AStuNo";
inline constexpr const char* DeleteExamSql = "delete from Tb_ExamProcess \nWhere Fd_StuNo=:AStuNo";
inline constexpr const char* ArchiveUptoSql =
    "Insert into Tb_UptoHistory (Fd_StuNo,Fd_TestDate,Fd_ProgNo,Fd_Grade,Fd_Achieve,Fd_FenVal)\n"
    "select Fd_StuNo,Fd_TestDate,Fd_ProgNo,Fd_Grade,Fd_Achieve,Fd_FenVal from Tb_UptoProcess\n"
    "Where Fd_StuNo=:AStuNo";
inline constexpr const char* DeleteUptoSql = "delete from Tb_UptoProcess \nWhere Fd_StuNo=:AStuNo";

// --- items, standards and results; Family is "Upto" (fitness) or "Exam" (examination) ------------
// In the order of TStandardFamily (KvScore.h).
inline constexpr const char* StandardFamilies[] = {"Upto", "Exam"};
inline constexpr const char* UptoItemsSql = "select * from Tb_UptoProg order by Fd_ProgType,Fd_ProgNo";
inline constexpr const char* ExamItemsSql = "select * from Tb_ExamProg order by Fd_ProgNo";
inline constexpr const char* TechItemsSql = "select Fd_ProgNo,Fd_ProgName from Tb_TechProg \nwhere Fd_Grade=:AGrade";
inline constexpr const char* TermsSql = "select * from Tb_TermType order by Fd_TermID";
inline constexpr const char* UptoStandardsSql =
    "select a.*,b.Fd_ProgName,b.Fd_Nutric,b.Fd_ProgType from Tb_UptoStarnd a,Tb_Uptoprog b "
    "where a.Fd_ProgID = b.Fd_ProgNo and a.Fd_Sex=:ASex and a.Fd_Grade =:AGrade";
inline constexpr const char* ExamStandardsSql =
    "select a.*,b.Fd_ProgName,b.Fd_Nutric from Tb_ExamStarnd a,Tb_ExamProg b "
    "where a.Fd_ProgID = b.Fd_ProgNo and a.Fd_Sex=:ASex and a.Fd_Grade =:AGrade";
inline String StandardRowSql(const String& Family) {
  return "select * from Tb_" + Family + "Starnd \nwhere Fd_Grade=:AGrade and Fd_Sex=:ASex and Fd_ProgID=:AProgID";
}
inline String GradeItemsSql(const String& Family) {
  return "select distinct a.Fd_ProgID,b.Fd_ProgName,b.Fd_Nutric \nfrom Tb_" + Family + "Starnd a,Tb_" + Family +
         "Prog b \nwhere a.Fd_ProgID = b.Fd_ProgNo and a.Fd_Grade=:AGrade\norder by a.Fd_ProgID";
}
inline constexpr const char* UptoPrintItemsSql =
    "select Distinct a.Fd_ProgID,a.Fd_Grade,b.Fd_ProgName,b.Fd_FenField,b.Fd_ProgType from Tb_UptoStarnd "
    "a,Tb_UptoProg b where a.Fd_ProgID=b.Fd_ProgNo ";
inline constexpr const char* ExamPrintItemsSql =
    "select Distinct a.Fd_ProgID,a.Fd_Grade,b.Fd_ProgName,b.Fd_FenField from Tb_ExamStarnd a,Tb_ExamProg b where "
    "a.Fd_ProgID=b.Fd_ProgNo ";
inline String ResultsToAppendSql(const String& Family) { return "select * from Tb_" + Family + "process"; }
inline String StudentResultsSql(const String& Family) {
  return "select a.*,b.Fd_Progname,b.Fd_Nutric \nfrom Tb_" + Family + "Process a,Tb_" + Family +
         "Prog b \nwhere a.Fd_ProgNo = b.Fd_ProgNo and a.Fd_StuNo=:AStuNo";
}
inline String ResultsByProcSql(const String& Family) {
  return "select * from Tb_" + Family + "Process order by Fd_ProcID";
}

// --- cards and statistics: what the builds start from ---------------------------------------------
inline constexpr const char* UptoItemsByNumberSql = "select * from Tb_UptoProg order by Fd_ProgNo";
inline constexpr const char* ClearUptoCardSql = "delete from Tb_UptoCard";
inline constexpr const char* ClearExamCardSql = "delete from Tb_ExamCard";

// --- reports ------------------------------------------------------------------------------------
inline constexpr const char* ExemptStudentsSql =
    "select a.*,b.Fd_Name,b.Fd_Class,b.Fd_Sex from Tb_FreeStudent a,Tb_Students b where a.Fd_StuNo = b.Fd_StuNo";
inline constexpr const char* UntestedStudentsSql =
    "select a.* from Tb_Students a where not Exists(select b.Fd_StuNo from Tb_UptoProcess b where "
    "b.Fd_StuNo=a.Fd_StuNo) and Fd_Class=:AClass";
inline constexpr const char* ClassSumsSql = "Select * from Tb_ClassesSum";
inline constexpr const char* GradeSumsSql = "Select * from Tb_GradeSum";
inline constexpr const char* SchoolSumsSql = "Select * from Tb_SchoolSum";
inline constexpr const char* ExamCardPrintSql =
    "select a.*,b.Fd_Name from Tb_ExamCard a, tb_Students b where a.Fd_StuNo = b.Fd_StuNo";
// Columns: the card's item columns to print, each followed by a comma.
inline String UptoCardPrintSql(const String& Columns) {
  return "select " + Columns +
         "a.Fd_StuNo,a.Fd_GernalFen,b.Fd_Name from Tb_UptoCard a,Tb_Students b where a.Fd_StuNo=b.Fd_StuNo";
}

// --- searches: the history and attendance queries before their optional conditions -------------
inline String HistorySearchSql(const String& Results, const String& Items) {
  return "select a.*,b.Fd_Nutric,b.Fd_ProgName from " + Results + " a," + Items + " b " +
         "where a.Fd_ProgNo = b.Fd_ProgNo and a.Fd_StuNo=:AStuNo";
}
inline constexpr const char* DutySearchSql = "select * from Tb_DutyProcess where  Fd_StuNo=:AStuNo";
