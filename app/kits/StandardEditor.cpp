// The standards editors: a row's thresholds shown as numbers or times, the key filters of the
// boxes, and the thresholds written back (-1 for an empty number box, 0 for an empty time).
#include "app/kits/StandardEditor.h"

#include "app/kits/FormKit.h"
#include "app/data/KvScore.h"
#include "rtl/Arith.h"
#include "rtl/Convert.h"

namespace {

const char* const Seconds = "秒";

// A whole decimal number of a box; an empty box is 0.
int64_t BoxNumber(const String& Text) { return Text.empty() ? 0 : StrToInt64(Text); }

}  // namespace

TTimeParts SplitThreshold(double Value) {
  if (Value < 0) return {0, 0, 0};
  const int64_t thousandths = Round(Value * 1000);
  const int64_t whole = thousandths / 1000;
  return {whole / 60, whole % 60, thousandths % 1000};
}

double GetTimeValue(const String& Minutes, const String& Seconds, const String& Thousandths) {
  double value = 0.0;
  value += double(BoxNumber(Minutes)) * 60;
  value += double(BoxNumber(Seconds));
  value += double(BoxNumber(Thousandths)) / 1000.0;
  return value;
}

void TfmEditStarnd::Publish(TClassBuilder<TfmEditStarnd>& c) {
  c.Method("FormShow", &TfmEditStarnd::FormShow);
  c.Method("btnSaveClick", &TfmEditStarnd::btnSaveClick);
  c.Method("edtNo30KeyPress", &TfmEditStarnd::edtNo30KeyPress);
  c.Method("edtMin30KeyPress", &TfmEditStarnd::edtMin30KeyPress);
}

void TfmEditStarnd::Loaded() {
  TForm::Loaded();
  BindComponent(this, nbStarnd, "nbStarnd");
}

TEdit* TfmEditStarnd::Box(const String& Name) const { return dynamic_cast<TEdit*>(FindComponent(Name)); }

String TfmEditStarnd::BoxText(const String& Name) const {
  const TEdit* box = Box(Name);
  return box ? box->Text() : String();
}

void TfmEditStarnd::ClearAllEdits() {
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* edit = dynamic_cast<TEdit*>(Components(i))) edit->Clear();
}

void TfmEditStarnd::SetTimeEdits(int Level, double Value) {
  const TTimeParts parts = SplitThreshold(Value);
  const String level = IntToStr(Level);
  const std::pair<const char*, int64_t> boxes[] = {
      {"edtMin", parts.Minutes}, {"edtSec", parts.Seconds}, {"edtMill", parts.Thousandths}};
  for (const auto& [prefix, value] : boxes)
    if (TEdit* box = Box(prefix + level)) box->SetText(IntToStr(value));
}

void TfmEditStarnd::FormShow(TObject*) {
  ClearAllEdits();
  if (Standards()->FieldByName("Fd_Nutric")->AsString() == Seconds) {
    FillTimePage();
    nbStarnd->SetPageIndex(pgTime);
  } else {
    FillNumberPage();
    nbStarnd->SetPageIndex(pgNumber);
  }
}

void TfmEditStarnd::FillTimePage() {
  for (int i = 0; i < ScoreLevelCount; ++i) SetTimeEdits(ScoreLevels[size_t(i)], Standards()->FieldByName(StarndFieldName(i))->AsFloat());
}

// A negative threshold is none and leaves its box empty.
void TfmEditStarnd::FillNumberPage() {
  for (int i = 0; i < ScoreLevelCount; ++i) {
    const double value = Standards()->FieldByName(StarndFieldName(i))->AsFloat();
    if (TEdit* box = Box("edtNo" + IntToStr(ScoreLevels[size_t(i)])); box && value >= 0)
      box->SetText(FormatFloat("0.00", value));
  }
}

// OK closes the window also when the row cannot be written: the error is shown and the row keeps
// every threshold it had.
void TfmEditStarnd::btnSaveClick(TObject*) {
  TADOQuery* standards = Standards();
  if (!standards->Active() || standards->IsEmpty()) return;
  EditRecord(standards);
  PostRow(standards, [this] { WriteThresholds(); });
}

void TfmEditStarnd::WriteThresholds() {
  TADOQuery* standards = Standards();
  const bool times = standards->FieldByName("Fd_Nutric")->AsString() == Seconds;
  for (int i = 0; i < ScoreLevelCount; ++i) {
    const String level = IntToStr(ScoreLevels[size_t(i)]);
    TField* field = standards->FieldByName(StarndFieldName(i));
    if (times) {
      field->SetAsFloat(GetTimeValue(BoxText("edtMin" + level), BoxText("edtSec" + level), BoxText("edtMill" + level)));
    } else {
      const String text = BoxText("edtNo" + level);
      field->SetAsFloat(text.empty() ? -1.0 : StrToFloat(text));
    }
  }
}

// Backspace is no digit: these boxes drop it too (Delete still deletes).
void TfmEditStarnd::edtNo30KeyPress(TObject*, TKeyChar& Key) { AcceptOnly(Key, "0123456789."); }

void TfmEditStarnd::edtMin30KeyPress(TObject*, TKeyChar& Key) { AcceptOnly(Key, "0123456789"); }
