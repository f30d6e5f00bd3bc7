// The shared part of the item result-entry windows: creation and showing, the pending list and
// its actions, the automatic add box, and the commit.
#include "app/kits/TrainingEntry.h"

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"
#include "app/windows/ProgressTask.h"
#include "controls/Application.h"

bool ConfirmEntry(const String& Question) {
  return ShowMsgBox(Question, "信息提示", mtInformation, MsgDlgBit(mbOK) | MsgDlgBit(mbCancel)) == mrOk;
}

void TfmTrainingEntry::Publish(TClassBuilder<TfmTrainingEntry>& c) {
  c.Method("FormCreate", &TfmTrainingEntry::FormCreate);
  c.Method("FormShow", &TfmTrainingEntry::FormShow);
  c.Method("FormClose", &TfmTrainingEntry::FormClose);
  c.Method("cbAutoInsertClick", &TfmTrainingEntry::cbAutoInsertClick);
  c.Method("actSelectExecute", &TfmTrainingEntry::actSelectExecute);
  c.Method("actDeleteExecute", &TfmTrainingEntry::actDeleteExecute);
  c.Method("UpdateListActions", &TfmTrainingEntry::UpdateListActions);
  c.Method("actClearExecute", &TfmTrainingEntry::actClearExecute);
  c.Method("actUpdateExecute", &TfmTrainingEntry::actUpdateExecute);
  c.Method("btnCancelClick", &TfmTrainingEntry::btnCancelClick);
}

void TfmTrainingEntry::Loaded() {
  TForm::Loaded();
  BindComponent(this, deTestDate, "deTestDate");
  BindComponent(this, edtStuNo, "edtStuNo");
  BindComponent(this, edtName, "edtName");
  BindComponent(this, btnInsertAchieve, "btnInsertAchieve");
  BindComponent(this, cbAutoInsert, "cbAutoInsert");
  BindComponent(this, cbAutoMove, "cbAutoMove");
  BindComponent(this, lvAchieve, "lvAchieve");
  BindComponent(this, actSelect, "actSelect");
  BindComponent(this, actDelete, "actDelete");
  BindComponent(this, actClear, "actClear");
  BindComponent(this, actUpdate, "actUpdate");
  BindComponent(this, adqStarnd, "adqStarnd");
  BindOptionalComponent(this, adtTermType, "adtTermType");
  if (adtTermType) BindComponent(this, cbbTermType, "cbbTermType");
  FPending.Attach(lvAchieve);
}

// The window's data sets go through the program's one connection and its student boxes show the
// main window's current student; neither can be named in a layout.
void TfmTrainingEntry::FormCreate(TObject*) {
  ConnectDataSets(this);
  edtStuNo->SetDataSource(dmGym->dsStudents);
  edtName->SetDataSource(dmGym->dsStudents);
  deTestDate->SetDate(InitialTestDate());
  UseEntryDateMessage(deTestDate);
  EntryCreated();
}

void TfmTrainingEntry::FormShow(TObject*) {
  LoadItemList();
  if (adtTermType) OpenTerms(adtTermType, cbbTermType);
}

void TfmTrainingEntry::FormClose(TObject*, TCloseAction& Action) {
  EntryClosing();
  adqStarnd->Close();
  Action = caFree;
}

void TfmTrainingEntry::cbAutoInsertClick(TObject*) { btnInsertAchieve->SetVisible(!cbAutoInsert->Checked()); }

bool TfmTrainingEntry::EnterAddsResult(TKeyChar& Key) {
  if (Key != '\r') return false;
  Key = 0;
  if (cbAutoInsert->Checked()) AddAchieve();
  return true;
}

void TfmTrainingEntry::AddPendingResult(TTrainingInfo Result,
                                        const std::function<TEntryTexts(const TTrainingInfo&)>& ShowEntry) {
  TScreenCursorScope hourglass(crHourGlass);
  Result.TestPart = FTestPart;
  Result.TermType = adtTermType ? CurrentTermID(adtTermType) : 0;
  FPending.Put([&](const TTrainingInfo& Pending) { return Pending.StuNo == Result.StuNo && Pending.ProgNo == Result.ProgNo; },
               [&](TTrainingInfo& Pending) {
                 Pending = Result;
                 return ShowEntry(Pending);
               },
               epTop);
}

void TfmTrainingEntry::actSelectExecute(TObject*) { AddAchieve(); }

void TfmTrainingEntry::actDeleteExecute(TObject*) {
  if (ConfirmEntry("确实要删除选定的该笔学生成绩资料吗？")) FPending.DeleteSelected();
}

void TfmTrainingEntry::UpdateListActions(TObject*) { FPending.EnableActions(actDelete, actClear, actUpdate); }

void TfmTrainingEntry::actClearExecute(TObject*) {
  if (ConfirmEntry("确实要删除输入的所有资料吗？")) FPending.Clear();
}

// The results are stored together or not at all, so that committing again after a failure never
// stores a result twice.
void TfmTrainingEntry::CommitPendingResults() {
  if (FPending.Empty()) return;
  std::vector<TTrainingInfo> results;
  for (int i = 0; i < FPending.Count(); ++i) results.push_back(FPending.Record(i));
  if (!FShowProgress) {
    TScreenCursorScope hourglass(crHourGlass);
    AppendResults(adqStarnd, FFamily, results);
    return;
  }
  RunProgressTask([&](TProgressTask* Progress) {
    Progress->SetTask("正在处理录入成绩到数据库中，请稍侯...", FPending.Count());
    AppendResults(adqStarnd, FFamily, results, [Progress] { Progress->StepIt(); });
  });
}

// A modal window ends with OK, a modeless one closes.
void TfmTrainingEntry::actUpdateExecute(TObject*) {
  CommitPendingResults();
  if (Modal())
    SetModalResult(mrOk);
  else
    Close();
}

void TfmTrainingEntry::btnCancelClick(TObject*) { Close(); }
