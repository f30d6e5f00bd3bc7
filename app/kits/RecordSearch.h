// What the three searches of the current student's records share (the fitness and examination
// history searches and the attendance search): the student's number and name, a condition box,
// a date range, and a grid of what "查找" finds. The query text has the student's number as its
// first parameter and one parameter per condition given, in the order they appear. The windows
// free themselves when closed.
#pragma once

#include "classes/Properties.h"
#include "controls/ComboBox.h"
#include "controls/DBCtrls.h"
#include "controls/Forms.h"
#include "data/ADODB.h"
#include "editors/dxEdLib.h"
#include "grid/dxDBGrid.h"

// A search's query text and how many optional conditions it holds.
struct TSearchSql {
  String Sql;
  int Count = 0;
};

// The conditions of a search beside the student: the text of the condition box (a grade or an
// attendance kind) and the two dates, each given or not.
struct TSearchConditions {
  String Text;
  bool StartGiven = false;
  bool EndGiven = false;
};

// The tables of a history search: the results of the present grade, those of earlier grades,
// and the items.
struct THistoryTables {
  const char* Current;
  const char* History;
  const char* Items;
};

// Whether something that reads as a date was typed into the editor; Date is that date. An
// editor whose mask is untouched, or whose text is empty, holds none.
bool DateGiven(const TdxInplaceMaskEdit* Editor, TDateTime& Date);
bool IsDateGiven(const TdxInplaceMaskEdit* Editor);

// The history query: the current table when the grade box holds the student's grade, otherwise
// the archive (an empty grade box searches the archive), joined with the items.
TSearchSql BuildHistorySql(const THistoryTables& Tables, const String& CurrentGrade, const TSearchConditions& Search);
// The attendance query over Tb_DutyProcess.
TSearchSql BuildDutySql(const TSearchConditions& Search);

class TfmRecordSearch : public TForm {
 public:
  ~TfmRecordSearch() override;
  String ClassName() const override { return "TfmRecordSearch"; }
  static void Publish(TClassBuilder<TfmRecordSearch>& c);

  TDBEdit* DBEdit1 = nullptr;
  TDBEdit* DBEdit2 = nullptr;
  TdxDateEdit* deStart = nullptr;
  TdxDateEdit* deEnd = nullptr;
  TdxDBGrid* dgUptoProgress = nullptr;
  TADOQuery* adqSql = nullptr;

 protected:
  explicit TfmRecordSearch(TComponent* AOwner) : TForm(AOwner) {}
  void Loaded() override;
  // The condition box of the window, and its items filled when the window is made.
  virtual const TComboBox* ConditionBox() const = 0;
  virtual void FillConditionBox() = 0;
  virtual TSearchSql BuildSql(const TSearchConditions& Search) const = 0;

 private:
  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void sbSearchClick(TObject* Sender);
};

class TfmHistorySearch : public TfmRecordSearch {
 public:
  String ClassName() const override { return "TfmHistorySearch"; }
  static void Publish(TClassBuilder<TfmHistorySearch>& c);

  // The grade of the current student's class when the window was shown.
  const String& CurrentGrade() const { return FCurrentGrade; }

  TComboBox* cbbGrade = nullptr;

 protected:
  TfmHistorySearch(TComponent* AOwner, const THistoryTables& Tables) : TfmRecordSearch(AOwner), FTables(Tables) {}
  void Loaded() override;
  const TComboBox* ConditionBox() const override { return cbbGrade; }
  void FillConditionBox() override;
  TSearchSql BuildSql(const TSearchConditions& Search) const override;

 private:
  void FormShow(TObject* Sender);
  void clmUptoDateCustomDrawCell(TObject* Sender, TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode,
                                 TdxTreeListColumn* AColumn, bool ASelected, bool AFocused, bool ANewItemRow,
                                 String& AText, TColor& AColor, TFont* AFont, TAlignment& AAlignment, bool& ADone);
  void clmUptoAchieveCustomDrawCell(TObject* Sender, TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode,
                                    TdxTreeListColumn* AColumn, bool ASelected, bool AFocused, bool ANewItemRow,
                                    String& AText, TColor& AColor, TFont* AFont, TAlignment& AAlignment, bool& ADone);

  THistoryTables FTables;
  String FCurrentGrade;
};
