// The part the result-entry windows of items share (fitness, examination and sport-skill
// results): the test date, the student being entered (the current row of the data module's
// students), the pending list of results keyed by student and item with its delete and clear
// questions, the automatic add and move boxes, the term of examination results, and the commit
// of the whole list in one transaction, after which the window closes. A failed commit shows its
// error and leaves the window open with every pending result, none of them stored.
#pragma once

#include "app/kits/EntryKit.h"
#include "classes/Properties.h"
#include "controls/ActnList.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/DBCtrls.h"
#include "controls/Forms.h"
#include "data/ADODB.h"
#include "editors/dxEdLib.h"

class TfmTrainingEntry : public TForm {
 public:
  String ClassName() const override { return "TfmTrainingEntry"; }
  static void Publish(TClassBuilder<TfmTrainingEntry>& c);

  // The pending results, the newest on top.
  const TPendingList<TTrainingInfo>& Pending() const { return FPending; }
  // Runs the checks of the typed result and adds it, as Enter or "加入" do; a failed check
  // raises with its message and changes nothing.
  virtual void AddAchieve() = 0;
  // Stores every pending result (newest first); nothing for an empty list.
  void CommitPendingResults();

  TdxDateEdit* deTestDate = nullptr;
  TDBEdit* edtStuNo = nullptr;
  TDBEdit* edtName = nullptr;
  TButton* btnInsertAchieve = nullptr;
  TCheckBox* cbAutoInsert = nullptr;
  TCheckBox* cbAutoMove = nullptr;
  TListView* lvAchieve = nullptr;
  TAction* actSelect = nullptr;
  TAction* actDelete = nullptr;
  TAction* actClear = nullptr;
  TAction* actUpdate = nullptr;
  TADOQuery* adqStarnd = nullptr;
  TADOTable* adtTermType = nullptr;  // examination and sport-skill results only, with the term box
  TDBLookupComboBox* cbbTermType = nullptr;

 protected:
  // Family names the results' table; TestPart is stored with examination results; with
  // ShowProgress the commit runs under the progress window.
  TfmTrainingEntry(TComponent* AOwner, TStandardFamily Family, int TestPart, bool ShowProgress)
      : TForm(AOwner), FFamily(Family), FTestPart(TestPart), FShowProgress(ShowProgress) {}

  void Loaded() override;
  // The test date a new window starts with.
  virtual TDateTime InitialTestDate() const { return Date(); }
  // Fills the window's item list; run when the window shows.
  virtual void LoadItemList() = 0;
  // What the window does besides the shared part when it is made and when it closes.
  virtual void EntryCreated() {}
  virtual void EntryClosing() {}

  // Puts a result into the pending list at the top with the entry texts of ShowEntry, replacing
  // the pending result of the same student and item. The part and the term (the current row of
  // the term table, when the window has one) are filled in here.
  void AddPendingResult(TTrainingInfo Result, const std::function<TEntryTexts(const TTrainingInfo&)>& ShowEntry);
  // Enter in a box whose Enter adds the result: used up, and AddAchieve when the automatic add
  // box is checked. Answers whether Key was Enter.
  bool EnterAddsResult(TKeyChar& Key);

 private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void cbAutoInsertClick(TObject* Sender);
  void actSelectExecute(TObject* Sender);
  void actDeleteExecute(TObject* Sender);
  // The enabled state of the list's actions, for each of them.
  void UpdateListActions(TObject* Sender);
  void actClearExecute(TObject* Sender);
  void actUpdateExecute(TObject* Sender);
  void btnCancelClick(TObject* Sender);

  TStandardFamily FFamily;
  int FTestPart;
  bool FShowProgress;
  TPendingList<TTrainingInfo> FPending;
};

// Answers OK or Cancel to a question of an entry window (caption "信息提示").
bool ConfirmEntry(const String& Question);
