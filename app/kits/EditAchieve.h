// The correction of stored results of the current student, shared by the fitness and the
// examination dialogs: the student's results in a grid, a new performance asked for the chosen
// row and rescored against the standards of the row's grade for the student's present sex, the
// change list with the old and new values (one correction per result), and the commit that writes
// the new performances and scores into the rows, found by Fd_ProcID. Modal; a failed commit shows
// its error and leaves the dialog open with every correction, none of them written.
#pragma once

#include "app/kits/EntryKit.h"
#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/DBCtrls.h"
#include "controls/Forms.h"
#include "data/ADODB.h"
#include "grid/dxDBGrid.h"

class TfmEditAchieve : public TForm {
 public:
  String ClassName() const override { return "TfmEditAchieve"; }
  static void Publish(TClassBuilder<TfmEditAchieve>& c);

  // The pending corrections, in the order they were made.
  const TPendingList<TChangeAchieveObj>& Pending() const { return FPending; }
  // Asks for the new performance of the grid's current row and lists its correction; nothing
  // when the question is cancelled.
  void ChangeAchieve();
  // Writes every correction into its row; corrections whose row no longer exists are skipped.
  void CommitChangedResults();

  TDBEdit* edtStuNo = nullptr;
  TDBEdit* edtName = nullptr;
  TdxDBGrid* dgUptoProgress = nullptr;
  TdxDBGridColumn* clmTestDate = nullptr;
  TdxDBGridColumn* clmNutric = nullptr;
  TdxDBGridColumn* clmAchieve = nullptr;
  TListView* lvChangedList = nullptr;
  TAction* actChangeAchieve = nullptr;
  TAction* actDelete = nullptr;
  TAction* actClear = nullptr;
  TAction* actUpdate = nullptr;
  TADOQuery* adqUptoAchieve = nullptr;
  TADOQuery* adqCommon = nullptr;

 protected:
  // Family names the results, items and standards tables the dialog works on.
  TfmEditAchieve(TComponent* AOwner, TStandardFamily Family) : TForm(AOwner), FFamily(Family) {}
  void Loaded() override;

 private:
  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void dgUptoProgressCustomDrawCell(TObject* Sender, TCanvas* ACanvas, TRect ARect, TdxTreeListNode* ANode,
                                    TdxTreeListColumn* AColumn, bool ASelected, bool AFocused, bool ANewItemRow,
                                    String& AText, TColor& AColor, TFont* AFont, TAlignment& AAlignment, bool& ADone);
  void actChangeAchieveExecute(TObject* Sender);
  void actDeleteExecute(TObject* Sender);
  // The enabled state of the list's actions, for each of them.
  void UpdateListActions(TObject* Sender);
  void actClearExecute(TObject* Sender);
  void actUpdateExecute(TObject* Sender);
  // Reads the current student's results into the grid.
  void OpenResults();
  // Lists the correction of the grid's current row, replacing an earlier one of that row.
  void AddChangedResult(double Achieve, int Score);

  TStandardFamily FFamily;
  TPendingList<TChangeAchieveObj> FPending;
};
