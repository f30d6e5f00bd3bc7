// The sport-skill dialog: its items, the score box and its checks, and the command that opens it.
#include "app/windows/TechInput.h"

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"
#include "app/data/KvStatements.h"
#include "rtl/Convert.h"

TfmTechInput* fmTechInput = nullptr;

TfmTechInput::~TfmTechInput() {
  if (lbTechnicalProg) FreeItemObjects(lbTechnicalProg->Items());
  if (fmTechInput == this) fmTechInput = nullptr;
}

void TfmTechInput::Publish(TClassBuilder<TfmTechInput>& c) {
  c.Method("cbbNumericKeyPress", &TfmTechInput::cbbNumericKeyPress);
}

void TfmTechInput::Loaded() {
  TfmTrainingEntry::Loaded();
  BindComponent(this, lbTechnicalProg, "lbTechnicalProg");
  BindComponent(this, cbbNumeric, "cbbNumeric");
}

void TfmTechInput::LoadItemList() {
  FreeItemObjects(lbTechnicalProg->Items());
  TScreenCursorScope hourglass(crHourGlass);
  OpenSql(adqStarnd, TechItemsSql, {{"AGrade", CurrentStudentGrade()}});
  for (; !adqStarnd->Eof(); adqStarnd->Next()) {
    auto item = std::make_unique<TTechnicalProg>(adqStarnd->FieldByName("Fd_ProgNo")->AsString(),
                                                 adqStarnd->FieldByName("Fd_ProgName")->AsString());
    const String text = item->ProgNo + "  " + item->ProgName;
    lbTechnicalProg->Items()->AddObject(text, item.release());
  }
}

// The score stays in the box after an add, selected, so that the next one typed replaces it.
void TfmTechInput::cbbNumericKeyPress(TObject*, TKeyChar& Key) {
  if (EnterAddsResult(Key))
    cbbNumeric->SelectAll();
  else
    AcceptOnly(Key, "0123456789");
}

int TfmTechInput::TypedScore() const {
  int score = 0;
  if (!TryStrToInt(cbbNumeric->Text(), score)) throw Exception("输入的成绩错误。");
  if (score < 0 || score > 100) throw Exception("成绩范围在0 ~ 100之间。");
  return score;
}

// The student moves on without a question, also past exempt students.
void TfmTechInput::AddAchieve() {
  const int index = lbTechnicalProg->ItemIndex();
  const auto* item = index < 0 ? nullptr : dynamic_cast<const TTechnicalProg*>(lbTechnicalProg->Items()->Objects(index));
  if (!item) throw Exception("请选择学生考试项目。");
  if (deTestDate->Date() == NullDate) throw Exception("请输入考试日期。");
  TTrainingInfo result;
  result.FenVal = TypedScore();
  result.StuNo = CurrentStudentNo();
  result.TestDate = deTestDate->Date();
  result.ProgNo = item->ProgNo;
  result.Grade = CurrentStudentGrade();
  result.Achieve = 0.0;
  AddPendingResult(result, [](const TTrainingInfo& r) { return TEntryTexts{IntToStr(r.StuNo), {r.ProgNo, IntToStr(r.FenVal)}}; });
  if (cbAutoMove->Checked()) NextStudent();
}

TModalResult ShowTechInput() { return HeldForm(fmTechInput)->ShowModal(); }
