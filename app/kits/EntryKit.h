// What the result-entry windows share: their pending records, the list view that shows them and
// owns them, the student they enter for (the current row of the data module's students), the term
// they enter under, the message of a refused date, and the commit of results in one transaction.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "app/data/KvScore.h"
#include "controls/ActnList.h"
#include "controls/ListView.h"
#include "rtl/DateTime.h"

class TDBLookupComboBox;
class TdxDateEdit;

// A result waiting to be committed: a performance with its score, or a score given directly.
struct TTrainingInfo {
  int StuNo = 0;
  TDateTime TestDate = 0;
  int TestPart = 0;  // of examination results only
  int TermType = 0;  // of examination results only
  String ProgNo;
  String Grade;
  double Achieve = 0;
  int FenVal = 0;
};

// An attendance or basic-knowledge score waiting to be committed; one per student.
struct TDutyAchieveObj {
  int StuNo = 0;
  TDateTime TestDate = 0;
  int Score = 0;
};

// An attendance-register entry waiting to be committed; one per student.
struct TDutyObject {
  TDateTime TestDate = 0;
  int StuNo = 0;
  String Duty;
};

// A correction waiting to be committed: the new performance and score of the stored result
// Fd_ProcID = ProcID; one per result.
struct TChangeAchieveObj {
  int ProcID = 0;
  double Achieve = 0;
  int FenVal = 0;
};

// The texts of a list entry: its caption and the texts of the columns after the first.
struct TEntryTexts {
  String Caption;
  std::vector<String> SubItems;
};

enum TEntryPlace { epTop, epBottom };

// The pending records of an entry window, one per entry of its list view: each entry shows its
// record and owns it, so deleting the entry frees the record. Attach the list view once the
// window's layout has been read.
template <class TRecord>
class TPendingList {
 public:
  void Attach(TListView* View) { FView = View; }
  TListView* View() const { return FView; }

  int Count() const { return FView->Items()->Count(); }
  bool Empty() const { return Count() == 0; }
  // The record of the entry at Index, 0 the top.
  TRecord& Record(int Index) const { return *FRecords.at(FView->Items()->Item(Index)); }
  bool HasSelection() const { return FView->Selected() != nullptr; }

  // Within one update of the list: the first record from the top for which Matches holds leaves
  // the list (its entry deleted) to be used again, else a new record is made; Fill sets it and
  // answers the texts of its entry, which goes to the top or the bottom of the list. So a key is
  // never listed twice, and its newest values are the ones shown.
  template <class TMatches, class TFill>
  void Put(TMatches Matches, TFill Fill, TEntryPlace Place) {
    TUpdate update(FView);
    std::unique_ptr<TRecord> record = Take(Matches);
    const TEntryTexts texts = Fill(*record);
    TListItems* items = FView->Items();
    TListItem* item = items->Insert(Place == epTop ? 0 : items->Count());
    item->SetCaption(texts.Caption);
    for (const String& text : texts.SubItems) item->SubItems()->Add(text);
    item->SetData(record.get());
    FRecords[item] = std::move(record);
  }

  // Delete is enabled with a selected entry, Clear and Commit (when given) with any entry.
  void EnableActions(TAction* Delete, TAction* Clear, TAction* Commit) const {
    Delete->SetEnabled(HasSelection());
    Clear->SetEnabled(!Empty());
    if (Commit) Commit->SetEnabled(!Empty());
  }

  // Deletes the selected entry with its record; nothing without a selection.
  void DeleteSelected() {
    if (TListItem* item = FView->Selected()) Delete(item);
  }
  void Clear() {
    TUpdate update(FView);
    while (!Empty()) Delete(FView->Items()->Item(Count() - 1));
  }

 private:
  // The list's changes show once, when the outermost update ends, however it ends.
  class TUpdate {
   public:
    explicit TUpdate(TListView* View) : FItems(View->Items()) { FItems->BeginUpdate(); }
    ~TUpdate() { FItems->EndUpdate(); }
    TUpdate(const TUpdate&) = delete;
    TUpdate& operator=(const TUpdate&) = delete;

   private:
    TListItems* FItems;
  };

  template <class TMatches>
  std::unique_ptr<TRecord> Take(TMatches Matches) {
    for (int i = 0; i < Count(); ++i) {
      TListItem* item = FView->Items()->Item(i);
      if (!Matches(*FRecords.at(item))) continue;
      std::unique_ptr<TRecord> record = std::move(FRecords.at(item));
      Delete(item);
      return record;
    }
    return std::make_unique<TRecord>();
  }

  void Delete(TListItem* Item) {
    FRecords.erase(Item);
    Item->Delete();
  }

  TListView* FView = nullptr;
  std::map<const TListItem*, std::unique_ptr<TRecord>> FRecords;
};

// The data module's students, whose current row is the student a window enters for.
TDataSet* Students();
// The number of the current student; raises "当前没有学生。" while the students are closed or
// there are none, so that no result is ever kept for nobody.
int CurrentStudentNo();
// The grade of the current student's class in the logged-in user's class list; empty when there
// is no student or the class is not the user's.
String CurrentStudentGrade();
// Moves the students one row on; false at the end of the set, where the last student stays
// current.
bool NextStudent();

// Fd_TermID of the current row of a term table as an integer; 0 when the table holds no term.
int CurrentTermID(TDataSet* Terms);
// Opens the term table afresh: its first term is current, and shown in the term box, until the
// user picks another there.
void OpenTerms(TDataSet* Terms, TDBLookupComboBox* TermBox);

// A typed text that is no date is refused by the entry windows' date boxes with
// "输入的日期错误。".
void UseEntryDateMessage(TdxDateEdit* Edit);

// Appends Results to the fitness results (sfUpto, Tb_UptoProcess) or the examination results
// (sfExam, Tb_ExamProcess, with part and term) through Query, in the order given, all in one
// transaction: when a row fails nothing is stored and the error goes on. Step runs after each
// row; the query is closed however the commit ends.
void AppendResults(TADOQuery* Query, TStandardFamily Family, const std::vector<TTrainingInfo>& Results,
                   const std::function<void()>& Step = {});
