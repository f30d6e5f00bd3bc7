// The dialogs of the part scores that one score per student gives directly, the attendance score
// and basic knowledge: the current student's number and name, the term and date, the score box
// (0 to 100), the pending list with one score per student, and the commit of the list as the
// dialog's part and item number, under the grade of the current student's class and the term
// picked. Modal; a failed commit shows its error and leaves the dialog open with every pending
// score, none of them stored.
#pragma once

#include "app/kits/EntryKit.h"
#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/ComboBox.h"
#include "controls/DBCtrls.h"
#include "controls/Forms.h"
#include "data/ADODB.h"
#include "editors/dxEdLib.h"

class TfmPartScoreInput : public TForm {
 public:
  String ClassName() const override { return "TfmPartScoreInput"; }
  static void Publish(TClassBuilder<TfmPartScoreInput>& c);

  // The pending scores, the newest on top.
  const TPendingList<TDutyAchieveObj>& Pending() const { return FPending; }
  // Checks the date and the typed score and puts the score of the current student at the top of
  // the list, then moves to the next student; a failed check raises with its message.
  void InsertScore();
  // Stores every pending score (newest first); nothing for an empty list.
  void CommitPendingScores();

  TDBEdit* edtStuNo = nullptr;
  TDBEdit* edtName = nullptr;
  TDBLookupComboBox* cbbTermType = nullptr;
  TdxDateEdit* deTestDate = nullptr;
  TComboBox* cbbAchieve = nullptr;
  TListView* lvAchieve = nullptr;
  TAction* actInsert = nullptr;
  TAction* actDelete = nullptr;
  TAction* actClear = nullptr;
  TADOTable* adtTermType = nullptr;
  TADOQuery* adqExamAchieve = nullptr;
  TADOTable* adtDutyDetail = nullptr;  // the attendance register beside the attendance score only

 protected:
  // The part and the item number the dialog's scores are stored under.
  TfmPartScoreInput(TComponent* AOwner, int TestPart, const char* ProgNo)
      : TForm(AOwner), FTestPart(TestPart), FProgNo(ProgNo) {}
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void cbbAchieveKeyPress(TObject* Sender, TKeyChar& Key);
  void actInsertExecute(TObject* Sender);
  void actDeleteExecute(TObject* Sender);
  // The enabled state of the list's actions, for each of them.
  void UpdateListActions(TObject* Sender);
  void actClearExecute(TObject* Sender);
  void btnOkClick(TObject* Sender);
  // The typed score, checked with the date; raises with the message of the first failed check.
  int ValidateScoreInput() const;

  int FTestPart;
  String FProgNo;
  TPendingList<TDutyAchieveObj> FPending;
};
