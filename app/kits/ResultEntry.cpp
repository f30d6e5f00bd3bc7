// Performance entry scored against the standards: the item list, the value boxes and their keys,
// the checks and scoring of a typed performance, and the move to the next student.
#include "app/kits/ResultEntry.h"

#include "app/kits/FormKit.h"
#include "app/data/KvCommon.h"
#include "app/data/KvConst.h"
#include "app/data/KvData.h"
#include "app/data/KvStatements.h"
#include "app/windows/ShowStarnd.h"
#include "controls/Application.h"
#include "rtl/Convert.h"

namespace {

const char* const kTimeKeys = "0123456789";
const char* const kNumberKeys = "0123456789.";

}  // namespace

TfmResultEntry::~TfmResultEntry() {
  if (lbProgType) FreeItemObjects(lbProgType->Items());
}

void TfmResultEntry::Publish(TClassBuilder<TfmResultEntry>& c) {
  c.Method("lbProgTypeClick", &TfmResultEntry::lbProgTypeClick);
  c.Method("edtTimeKeyPress", &TfmResultEntry::edtTimeKeyPress);
  c.Method("edtMillionKeyPress", &TfmResultEntry::edtMillionKeyPress);
  c.Method("edtNumericKeyPress", &TfmResultEntry::edtNumericKeyPress);
  c.Method("btnStarndClick", &TfmResultEntry::ToggleStandards);
  c.Method("actShowStarndExecute", &TfmResultEntry::ToggleStandards);
}

void TfmResultEntry::Loaded() {
  TfmTrainingEntry::Loaded();
  BindComponent(this, lbProgType, "lbProgType");
  BindComponent(this, edtNumeric, "edtNumeric");
  BindComponent(this, pnTime, "pnTime");
  BindComponent(this, edtMinute, "edtMinute");
  BindComponent(this, edtSecond, "edtSecond");
  BindComponent(this, edtMillion, "edtMillion");
}

void TfmResultEntry::PrepareForClass(const String& ClassName) { FGrade = dmGym->GradeOfClass(ClassName); }

void TfmResultEntry::EntryCreated() {
  for (TEdit* edit : {edtNumeric, edtMinute, edtSecond, edtMillion}) edit->Clear();
  ShowTimeEdits(false);
}

void TfmResultEntry::EntryClosing() { CloseStandardView(); }

void TfmResultEntry::ShowTimeEdits(bool Time) {
  pnTime->SetVisible(Time);
  edtNumeric->SetVisible(!Time);
}

// Only items that have a standards row for the grade are offered, in the order of their numbers.
void TfmResultEntry::LoadItemList() {
  FreeItemObjects(lbProgType->Items());
  TScreenCursorScope hourglass(crHourGlass);
  OpenSql(adqStarnd, GradeItemsSql(FamilyName(FFamily)), {{"AGrade", FGrade}});
  for (; !adqStarnd->Eof(); adqStarnd->Next()) {
    auto item = std::make_unique<TProgTypeObj>(adqStarnd->FieldByName("Fd_ProgID")->AsString(),
                                               adqStarnd->FieldByName("Fd_ProgName")->AsString(),
                                               adqStarnd->FieldByName("Fd_Nutric")->AsString());
    const String text = item->ProgID + "  " + item->ProgName;
    lbProgType->Items()->AddObject(text, item.release());
  }
}

// Choosing the item already chosen reads nothing again.
void TfmResultEntry::lbProgTypeClick(TObject*) {
  FCurrentItemIndex = lbProgType->ItemIndex();
  if (FCurrentItemIndex == FLastItemIndex || FCurrentItemIndex < 0) return;
  FLastItemIndex = FCurrentItemIndex;
  const auto* item = dynamic_cast<const TProgTypeObj*>(lbProgType->Items()->Objects(FCurrentItemIndex));
  if (!item) return;
  FProgNo = item->ProgID;
  FUnit = item->Nutric;
  FStandards.ClearStandards();
  for (const char* sex : SexNames) FStandards.LoadSexStandard(adqStarnd, FFamily, FGrade, FProgNo, sex);
  ShowTimeEdits(IsTimeUnit(FUnit));
  RefreshStandardView(FUnit, FStandards);
}

// Minutes and seconds: Enter moves on (EnterMovesFocus in the layout).
void TfmResultEntry::edtTimeKeyPress(TObject*, TKeyChar& Key) { AcceptOnly(Key, kTimeKeys); }

void TfmResultEntry::edtMillionKeyPress(TObject*, TKeyChar& Key) {
  const bool adding = Key == '\r' && cbAutoInsert->Checked();
  if (!EnterAddsResult(Key)) AcceptOnly(Key, kTimeKeys);
  if (adding) edtMinute->SetFocus();
}

// The value stays in the box after an add, selected, so that the next one typed replaces it.
void TfmResultEntry::edtNumericKeyPress(TObject*, TKeyChar& Key) {
  if (EnterAddsResult(Key))
    edtNumeric->SelectAll();
  else
    AcceptOnly(Key, kNumberKeys);
}

void TfmResultEntry::ToggleStandards(TObject*) { ToggleStandardView(this, FUnit, FStandards); }

TAchieveEdits TfmResultEntry::TypedAchieve() const {
  return {edtNumeric->Visible(), edtNumeric->Text(), edtMinute->Text(), edtSecond->Text(), edtMillion->Text()};
}

void TfmResultEntry::AddAchieve() {
  if (FProgNo.empty()) throw Exception("请选择学生考试项目。");
  if (deTestDate->Date() == NullDate) throw Exception("请输入考试日期。");
  const TAchieveEdits typed = TypedAchieve();
  if (!IsAchieveTextValid(typed)) throw Exception("输入的成绩内容无法转换。");
  TTrainingInfo result;
  result.StuNo = CurrentStudentNo();
  result.TestDate = deTestDate->Date();
  result.ProgNo = FProgNo;
  result.Grade = FGrade;
  result.Achieve = ReadAchieveFromEdits(typed);
  result.FenVal = FStandards.CalcItemScore(result.Achieve, Students()->FieldByName("Fd_Sex")->AsString(), FUnit);
  const String unit = FUnit;
  AddPendingResult(result, [unit](const TTrainingInfo& r) {
    return TEntryTexts{IntToStr(r.StuNo), {r.ProgNo, FormatAchieve(unit, r.Achieve), IntToStr(r.FenVal)}};
  });
  if (cbAutoMove->Checked()) MoveToNextStudent();
}

String TfmResultEntry::SkipQuestion() const {
  if (Students()->FieldByName("Fd_FreeSign")->AsBoolean()) return "此学生免试体育，取消输入该生成绩并移动到下一条记录吗？";
  const String sex = Students()->FieldByName("Fd_Sex")->AsString();
  if (sex == SexNames[0] && !FStandards.HasStandard(SexNames[0])) return "该考试项目只针对于女生，继续移动到下一条记录吗";
  if (sex == SexNames[1] && !FStandards.HasStandard(SexNames[1])) return "该考试项目只针对于男生，继续移动到下一条记录吗";
  return String();
}

void TfmResultEntry::MoveToNextStudent() {
  while (NextStudent()) {
    const String question = SkipQuestion();
    if (question.empty() || !ConfirmEntry(question)) return;
  }
}

void ShowResultEntry(TfmResultEntry* Window, const String& ClassName) {
  Window->PrepareForClass(ClassName);
  Window->Show();
}
