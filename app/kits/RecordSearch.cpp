// The searches of the current student's records: the query texts with their optional
// conditions, the dates given, the parameters bound in order, and the history grids' texts.
#include "app/kits/RecordSearch.h"

#include <cmath>

#include "app/kits/FormKit.h"
#include "app/data/KvConst.h"
#include "app/data/KvData.h"
#include "app/data/KvStatements.h"
#include "editors/dxDateEdit.h"
#include "rtl/Convert.h"

namespace {

// The optional conditions in the order of their parameters; Field is the condition box's.
String Conditions(const String& Field, const String& Param, const TSearchConditions& Search) {
  String cond = Search.Text.empty() ? String() : "and " + Field + "=:" + Param;
  if (Search.StartGiven) cond += " and Fd_TestDate>=:AStartDate";
  if (Search.EndGiven) cond += " and Fd_TestDate<=:AEndDate";
  return cond;
}

int ConditionCount(const TSearchConditions& Search) {
  return int(!Search.Text.empty()) + int(Search.StartGiven) + int(Search.EndGiven);
}

TSearchSql WithConditions(String Sql, const String& Cond, int Count) {
  if (!Cond.empty()) Sql += " " + Cond;
  return {Sql, Count};
}

// The last second of a date's day: results are stored with the time of day they were taken, and
// those of the end date belong to the range.
TDateTime EndOfDay(TDateTime Date) { return std::trunc(Date) + 1 - 1.0 / SecsPerDay; }

}  // namespace

bool DateGiven(const TdxInplaceMaskEdit* Editor, TDateTime& Date) {
  auto* editor = const_cast<TdxInplaceMaskEdit*>(Editor);
  const String& text = editor->GetEditText();
  if (editor->IsMasked() ? text == editor->GetEmptyEditText() : text.empty()) return false;
  return TextToDate(text, Date);
}

bool IsDateGiven(const TdxInplaceMaskEdit* Editor) {
  TDateTime date = 0;
  return DateGiven(Editor, date);
}

TSearchSql BuildHistorySql(const THistoryTables& Tables, const String& CurrentGrade, const TSearchConditions& Search) {
  const String table = Search.Text == CurrentGrade ? Tables.Current : Tables.History;
  return WithConditions(HistorySearchSql(table, Tables.Items), Conditions("Fd_Grade", "AGrade", Search),
                        ConditionCount(Search));
}

TSearchSql BuildDutySql(const TSearchConditions& Search) {
  return WithConditions(DutySearchSql, Conditions("Fd_Duty", "ADuty", Search), ConditionCount(Search));
}

TfmRecordSearch::~TfmRecordSearch() = default;

void TfmRecordSearch::Publish(TClassBuilder<TfmRecordSearch>& c) {
  c.Method("FormCreate", &TfmRecordSearch::FormCreate);
  c.Method("FormClose", &TfmRecordSearch::FormClose);
  c.Method("sbSearchClick", &TfmRecordSearch::sbSearchClick);
}

void TfmRecordSearch::Loaded() {
  TForm::Loaded();
  BindComponent(this, DBEdit1, "DBEdit1");
  BindComponent(this, DBEdit2, "DBEdit2");
  BindComponent(this, deStart, "deStart");
  BindComponent(this, deEnd, "deEnd");
  BindComponent(this, dgUptoProgress, "dgUptoProgress");
  BindComponent(this, adqSql, "adqSql");
}

void TfmRecordSearch::FormCreate(TObject*) {
  ConnectDataSets(this);
  DBEdit1->SetDataSource(dmGym->dsStudents);
  DBEdit2->SetDataSource(dmGym->dsStudents);
  FillConditionBox();
}

void TfmRecordSearch::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

// A date typed that is no date counts as not given.
void TfmRecordSearch::sbSearchClick(TObject*) {
  TSearchConditions search;
  search.Text = ConditionBox()->Text();
  TDateTime start = 0, end = 0;
  search.StartGiven = DateGiven(deStart, start);
  search.EndGiven = DateGiven(deEnd, end);
  const TSearchSql query = BuildSql(search);
  TScreenCursorScope cursor(crHourGlass);
  TDisabledControls quiet(adqSql);
  adqSql->Close();
  adqSql->SQL()->SetText(query.Sql);
  TParameters& params = adqSql->Parameters();
  int next = 0;
  params[next++].SetValue(dmGym->adqStudents->FieldByName("Fd_StuNo")->AsInteger());
  if (query.Count > 0) {
    if (!search.Text.empty()) params[next++].SetValue(search.Text);
    if (search.StartGiven) params[next++].SetValue(Variant::FromDateTime(start));
    if (search.EndGiven) params[next++].SetValue(Variant::FromDateTime(EndOfDay(end)));
  }
  adqSql->Open();
}

void TfmHistorySearch::Publish(TClassBuilder<TfmHistorySearch>& c) {
  c.Method("FormShow", &TfmHistorySearch::FormShow);
  c.Method("clmUptoDateCustomDrawCell", &TfmHistorySearch::clmUptoDateCustomDrawCell);
  c.Method("clmUptoAchieveCustomDrawCell", &TfmHistorySearch::clmUptoAchieveCustomDrawCell);
}

void TfmHistorySearch::Loaded() {
  TfmRecordSearch::Loaded();
  BindComponent(this, cbbGrade, "cbbGrade");
}

void TfmHistorySearch::FillConditionBox() {
  for (const char* grade : GradeNames) cbbGrade->Items()->Add(grade);
}

// The grade box keeps what the user left in it.
void TfmHistorySearch::FormShow(TObject*) {
  FCurrentGrade = dmGym->GetClassGrade(dmGym->adqStudents->FieldByName("Fd_Class")->AsString());
}

TSearchSql TfmHistorySearch::BuildSql(const TSearchConditions& Search) const {
  return BuildHistorySql(FTables, FCurrentGrade, Search);
}

void TfmHistorySearch::clmUptoDateCustomDrawCell(TObject*, TCanvas*, TRect, TdxTreeListNode* ANode,
                                                 TdxTreeListColumn* AColumn, bool, bool, bool, String& AText, TColor&,
                                                 TFont*, TAlignment&, bool&) {
  const Variant value = ANode->GetValue(AColumn->GetIndex());
  if (value.VarType() == varDate) AText = FormatDateTime("yyyy-mm-dd", value.AsDateTime());
}

// The unit is the row's "单位" cell, the grid's second column.
void TfmHistorySearch::clmUptoAchieveCustomDrawCell(TObject*, TCanvas*, TRect, TdxTreeListNode* ANode,
                                                    TdxTreeListColumn* AColumn, bool, bool, bool, String& AText,
                                                    TColor&, TFont*, TAlignment&, bool&) {
  const Variant value = ANode->GetValue(AColumn->GetIndex());
  if (!value.IsNull() && !value.IsEmpty()) AText = FormatAchieve(VarToStr(ANode->GetValue(1)), value.AsDouble());
}
