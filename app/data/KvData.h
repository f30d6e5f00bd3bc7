// The data module dmGym: the one database connection and the data sets the windows share, the
// logged-in user and the item-unit list, the log-in check and the routines that fill lists
// from the class and grade tables. Its components come from the stored layout "KvData".
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "app/data/KvCommon.h"
#include "classes/Properties.h"
#include "data/ADODB.h"
#include "data/DataSource.h"
#include "report/FR_Class.h"
#include "report/FR_DBSet.h"

class TTaskProgress;

class TdmGym : public TComponent {
 public:
  explicit TdmGym(TComponent* AOwner);
  ~TdmGym() override;
  String ClassName() const override { return "TdmGym"; }
  static void Publish(TClassBuilder<TdmGym>& c);

  // Reads the stored layout and runs OnCreate. An error of OnCreate (no database) goes to the
  // application's exception handler and the module is made all the same, not connected.
  static TdmGym* Create(TComponent* AOwner);
  void BeforeDestruction() override;

  // Opens the connection on the database file Path; answers the error text, empty on success.
  String ConnectDatabase(const String& Path, const String& User, const String& Password);
  bool Connected() const { return FConnected; }

  // Checks the log-in name (matched without regard to case) and the password (exactly); on
  // success fills LogUserInfo with the user, the school and the user's classes. Answers the
  // error text, empty on success; a failed log-in changes nothing.
  String Login(const String& LogID, const String& Password);
  void LoadSchoolInfo();
  void LoadUserClasses(const String& LogID, int Rights);
  // Rebuilds NutricList: the fitness items, then the examination items.
  void LoadNutricList();

  // Fill Items from the class or grade table in table order; an empty table leaves them as they
  // were. FillClassGradeList gives each line a new TGradeInfo and frees those of the lines it
  // replaces; the list's owner frees the last ones with FreeClassGradeList.
  void FillClassList(TStrings* Items);
  void FillClassGradeList(TStrings* Items);
  void FillGradeList(TStrings* Items);
  // The grade of the class of exactly this name; empty when there is none.
  String GetClassGrade(const String& ClassName);
  // The grade of a class of the logged-in user's class list; empty when the class is not there.
  String GradeOfClass(const String& ClassName) const;

  // Student cards (KvDataCards.cpp), built from the stored results; an empty class name means
  // every student, and Progress may be null. BuildClassUptoCard and PrepareExamCard rebuild their
  // card in one transaction; BuildUptoCard fills the emptied fitness card (ClearUptoCard) and
  // BuildExamCard empties and fills the examination card, both within the caller's transaction.
  void ClearUptoCard();
  void BuildClassUptoCard(TTaskProgress* Progress, const String& ClassName);
  void BuildUptoCard(TTaskProgress* Progress, const String& ClassName);
  void PrepareExamCard(TTaskProgress* Progress, const String& ClassName);
  void BuildExamCard(TTaskProgress* Progress, const String& ClassName);

  // Statistics (KvDataStats.cpp): each run rebuilds the fitness card of every student, then its
  // summary table, in one transaction. SumUnits fills one summary table from the current cards.
  enum TSumLevel { slClasses, slGrades, slSchool };
  void SumClasses(TTaskProgress* Progress);
  void SumGrades(TTaskProgress* Progress);
  void SumSchool(TTaskProgress* Progress);
  void SumUnits(TTaskProgress* Progress, TSumLevel Level);
  // Runs Work in one transaction with a page cache large enough for a whole rebuild.
  void RebuildInTransaction(const std::function<void()>& Work);
  // Runs Work in one transaction of the connection: committed when it returns, rolled back when
  // it raises, so that whatever Work wrote is either all stored or not at all.
  void RunInTransaction(const std::function<void()>& Work);

  // The value handlers of the card reports (KvDataPrint.cpp), given to rptPrint's OnGetValue;
  // every name they do not handle is left to the report's own lookup. GetUptoCardValue answers
  // an item number with the print query's performance column of that name, in the item's unit;
  // GetExamCardValue answers "ACHIEVE" with the detail row's performance, or a full-width blank
  // for an item without a unit.
  void GetUptoCardValue(const String& ParName, Variant& ParValue);
  void GetExamCardValue(const String& ParName, Variant& ParValue);

  // Deletions (KvDataDelete.cpp), each in one transaction that leaves nothing half done. The
  // current student of adqStudents goes with every row that bears the student's number (results,
  // history, exemption, attendance and cards); the current teacher of adqTeachers with the
  // classes the teacher taught, so that a later teacher of the same log-in name starts without
  // them.
  void DeleteCurrentStudent();
  void DeleteCurrentTeacher();
  // Deletes the current row of List: Work deletes it and what belongs to it from the file by its
  // KeyField value, in one transaction, and only once that is committed does List let the row go
  // (the next row becoming current). A refused deletion, a refused commit included, raises and
  // leaves List, its current row and every window that shows it as they were.
  void DeleteListRow(TADOQuery* List, const String& KeyField, const std::function<void(const Variant& Key)>& Work);

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;

  TADOConnection* adcConnect = nullptr;
  TADOQuery* adqLogin = nullptr;
  TADOTable* adtClass = nullptr;
  TADOTable* adtGrade = nullptr;
  TADOQuery* adqExamStarnd = nullptr;
  TDataSource* dsExamStarnd = nullptr;
  TADOQuery* adqUptoStarnd = nullptr;
  TDataSource* dsUptoStarnd = nullptr;
  TADOQuery* adqTeachers = nullptr;
  TDataSource* dsTeachers = nullptr;
  TADOQuery* adqStudents = nullptr;
  TDataSource* dsStudents = nullptr;
  TADOQuery* adqExecSql = nullptr;
  TADOTable* adtDuty = nullptr;
  TfrDBDataSet* dbsPrint = nullptr;
  TADOQuery* adqprint = nullptr;
  TDataSource* dsPrint = nullptr;
  TADOTable* adtDetail = nullptr;
  TfrDBDataSet* dbsDetail = nullptr;
  TfrReport* rptPrint = nullptr;
  TADOTable* adtTermType = nullptr;
  TADOQuery* adqSumProg = nullptr;
  TADOQuery* adqSumSource = nullptr;
  TADOQuery* adqSumDest = nullptr;
  TADOTable* adtBasicProg = nullptr;

 protected:
  void Loaded() override;

 private:
  void DataModuleCreate(TObject* Sender);
  void DataModuleDestroy(TObject* Sender);
  void adqStudentsPostError(TDataSet* DataSet, EDatabaseError& E, TDataAction& Action);
  void AppendNutrics(const String& Sql);
  void FillList(TADOTable* Table, TStrings* Items, const std::function<void(TStrings*)>& AddRow,
                void (*Clear)(TStrings*));

  bool FConnected = false;
  std::unique_ptr<TLogUserInfo> FLogUserInfo;
  std::unique_ptr<TStringList> FNutricList;
};

// Named values bound to the parameters of a statement.
using TSqlParams = std::vector<std::pair<String, Variant>>;
// Closes Query and gives it Sql with the named values bound, ready to be opened or run.
void PrepareSql(TADOQuery* Query, const String& Sql, const TSqlParams& Params = {});
// The same, then opens Query.
void OpenSql(TADOQuery* Query, const String& Sql, const TSqlParams& Params = {});
// Runs the statements of Sql on Query with the named values bound; answers the rows changed.
int RunSql(TADOQuery* Query, const String& Sql, const TSqlParams& Params = {});

// Opens Connection on the database file Path (closing it first when open) and checks that the
// file holds this system's tables; EDatabaseError, with the connection closed, when it cannot be
// opened or is not this system's database.
void OpenSystemDatabase(TADOConnection& Connection, const String& Path, const String& User, const String& Password);

// Points every data set that Owner owns at the data module's connection: a window's layout cannot
// name a component of the data module.
void ConnectDataSets(TComponent* Owner);

// Frees the TGradeInfo objects of a list filled by FillClassGradeList and empties it.
void FreeClassGradeList(TStrings* Items);

// The one data module, and what it holds: the logged-in user and the item units (item number
// to TBasicNutric, fitness items first; a look-up finds the first of a number).
extern TdmGym* dmGym;
extern TLogUserInfo* LogUserInfo;
extern TStringList* NutricList;
