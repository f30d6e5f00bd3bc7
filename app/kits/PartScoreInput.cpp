// The shared part of the attendance-score and basic-knowledge dialogs: the score box and its
// checks, the pending list, and the commit.
#include "app/kits/PartScoreInput.h"

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"
#include "controls/Application.h"
#include "rtl/Convert.h"

void TfmPartScoreInput::Publish(TClassBuilder<TfmPartScoreInput>& c) {
  c.Method("FormCreate", &TfmPartScoreInput::FormCreate);
  c.Method("FormShow", &TfmPartScoreInput::FormShow);
  c.Method("FormClose", &TfmPartScoreInput::FormClose);
  c.Method("cbbAchieveKeyPress", &TfmPartScoreInput::cbbAchieveKeyPress);
  c.Method("actInsertExecute", &TfmPartScoreInput::actInsertExecute);
  c.Method("actDeleteExecute", &TfmPartScoreInput::actDeleteExecute);
  c.Method("UpdateListActions", &TfmPartScoreInput::UpdateListActions);
  c.Method("actClearExecute", &TfmPartScoreInput::actClearExecute);
  c.Method("btnOkClick", &TfmPartScoreInput::btnOkClick);
}

void TfmPartScoreInput::Loaded() {
  TForm::Loaded();
  BindComponent(this, edtStuNo, "edtStuNo");
  BindComponent(this, edtName, "edtName");
  BindComponent(this, cbbTermType, "cbbTermType");
  BindComponent(this, deTestDate, "deTestDate");
  BindComponent(this, cbbAchieve, "cbbAchieve");
  BindComponent(this, lvAchieve, "lvAchieve");
  BindComponent(this, actInsert, "actInsert");
  BindComponent(this, actDelete, "actDelete");
  BindComponent(this, actClear, "actClear");
  BindComponent(this, adtTermType, "adtTermType");
  BindComponent(this, adqExamAchieve, "adqExamAchieve");
  BindOptionalComponent(this, adtDutyDetail, "adtDutyDetail");
  FPending.Attach(lvAchieve);
}

// The data sets go through the program's one connection, the student boxes and the register show
// the main window's current student; none of them can be named in a layout.
void TfmPartScoreInput::FormCreate(TObject*) {
  ConnectDataSets(this);
  edtStuNo->SetDataSource(dmGym->dsStudents);
  edtName->SetDataSource(dmGym->dsStudents);
  if (adtDutyDetail) adtDutyDetail->SetMasterSource(dmGym->dsStudents);
  deTestDate->SetDate(Date());
  UseEntryDateMessage(deTestDate);
  cbbAchieve->SetText(String());
}

void TfmPartScoreInput::FormShow(TObject*) {
  TScreenCursorScope hourglass(crHourGlass);
  if (adtDutyDetail && !adtDutyDetail->Active()) adtDutyDetail->Open();
  OpenTerms(adtTermType, cbbTermType);
}

void TfmPartScoreInput::FormClose(TObject*, TCloseAction& Action) {
  TScreenCursorScope hourglass(crHourGlass);
  if (adtDutyDetail) adtDutyDetail->Close();
  adtTermType->Close();
  Action = caFree;
}

// The score stays in the box after Enter added it, selected, so that the next one typed replaces it.
void TfmPartScoreInput::cbbAchieveKeyPress(TObject*, TKeyChar& Key) {
  if (Key != '\r') {
    AcceptOnly(Key, "0123456789");
    return;
  }
  Key = 0;
  InsertScore();
  cbbAchieve->SelectAll();
}

// A text that is no integer fails with the conversion's own message.
int TfmPartScoreInput::ValidateScoreInput() const {
  if (deTestDate->Date() == NullDate) throw Exception("请输入学生日期");
  const String text = cbbAchieve->Text();
  if (text.empty()) throw Exception("请输入学生成绩");
  const int score = StrToInt(text);
  if (score < 0 || score > 100) throw Exception("学生成绩范围在0~100范围内。");
  return score;
}

// No question and no check of exemption or sex.
void TfmPartScoreInput::InsertScore() {
  const int score = ValidateScoreInput();
  const int stuNo = CurrentStudentNo();
  {
    TScreenCursorScope hourglass(crHourGlass);
    FPending.Put([stuNo](const TDutyAchieveObj& Pending) { return Pending.StuNo == stuNo; },
                 [&](TDutyAchieveObj& Pending) {
                   Pending = {stuNo, deTestDate->Date(), score};
                   return TEntryTexts{IntToStr(stuNo), {IntToStr(score)}};
                 },
                 epTop);
  }
  NextStudent();
}

void TfmPartScoreInput::actInsertExecute(TObject*) { InsertScore(); }

void TfmPartScoreInput::actDeleteExecute(TObject*) { FPending.DeleteSelected(); }

void TfmPartScoreInput::UpdateListActions(TObject*) { FPending.EnableActions(actDelete, actClear, nullptr); }

void TfmPartScoreInput::actClearExecute(TObject*) { FPending.Clear(); }

// The grade and the term are read once, at the commit, for every score.
void TfmPartScoreInput::CommitPendingScores() {
  if (FPending.Empty()) return;
  TScreenCursorScope hourglass(crHourGlass);
  const String grade = CurrentStudentGrade();
  const int term = CurrentTermID(adtTermType);
  std::vector<TTrainingInfo> results;
  for (int i = 0; i < FPending.Count(); ++i) {
    const TDutyAchieveObj& score = FPending.Record(i);
    results.push_back({score.StuNo, score.TestDate, FTestPart, term, FProgNo, grade, double(score.Score), score.Score});
  }
  AppendResults(adqExamAchieve, sfExam, results);
}

void TfmPartScoreInput::btnOkClick(TObject*) {
  CommitPendingScores();
  SetModalResult(mrOk);
}
