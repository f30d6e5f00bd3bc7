// The scoring rule, the reading of typed performances and the loading of standards rows.
#include "app/data/KvScore.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "app/data/KvCommon.h"
#include "app/data/KvConst.h"
#include "app/data/KvStatements.h"
#include "controls/Application.h"
#include "rtl/Arith.h"
#include "rtl/Convert.h"

namespace {

// A value in thousandths, rounded half to even on the exact product of the stored double and
// 1000, as the 32-bit integer the rule compares. The product rounded to a double can land on a
// half that the exact product lies just above or below (7.1005 × 1000 is 7100.50000000000026):
// its rounding error, exact through fma, settles such a tie. Values beyond the range saturate,
// which keeps every comparison with a value inside it right.
int32_t Thousandths(double Value) {
  const double product = Value * 1000;
  if (product >= 2147483648.0) return std::numeric_limits<int32_t>::max();
  if (product <= -2147483649.0) return std::numeric_limits<int32_t>::min();
  int64_t nearest = Round(product);
  const double error = std::fma(Value, 1000, -product);
  const double rest = product - static_cast<double>(nearest);
  if (rest == 0.5 && error > 0) ++nearest;
  if (rest == -0.5 && error < 0) --nearest;
  return static_cast<int32_t>(std::clamp<int64_t>(nearest, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

template <class Reaches>
int ScoreBy(double Achieve, const TStandardThresholds& Thresholds, Reaches reaches) {
  if (std::isnan(Achieve)) return 0;
  const int32_t p = Thousandths(Achieve);
  int score = 0;
  for (int i = 0; i < ScoreLevelCount; ++i) {
    const double threshold = Thresholds[size_t(i)];
    if (!(threshold > 0.0)) continue;
    if (reaches(p, Thousandths(threshold))) score = ScoreLevels[size_t(i)];
  }
  return score;
}

bool IsInteger(const String& Text) {
  int value = 0;
  return TryStrToInt(Text, value);
}

}  // namespace

String StarndFieldName(int LevelIndex) { return "Fd_Fen" + FormatFloat("00", ScoreLevels.at(size_t(LevelIndex))); }

bool IsTimeUnit(const String& Unit) { return Unit == "秒"; }

int ScoreTimeItem(double Achieve, const TStandardThresholds& Thresholds) {
  return ScoreBy(Achieve, Thresholds, [](int32_t p, int32_t q) { return p <= q; });
}

int ScoreCountItem(double Achieve, const TStandardThresholds& Thresholds) {
  return ScoreBy(Achieve, Thresholds, [](int32_t p, int32_t q) { return p >= q; });
}

int ScoreItem(double Achieve, const TStandardThresholds& Thresholds, const String& Unit) {
  return IsTimeUnit(Unit) ? ScoreTimeItem(Achieve, Thresholds) : ScoreCountItem(Achieve, Thresholds);
}

bool IsAchieveTextValid(const TAchieveEdits& Edits) {
  if (Edits.NumericVisible) {
    double value = 0;
    if (!TryStrToFloat(Edits.Numeric, value)) return false;
  } else if ((!Edits.Minute.empty() && !IsInteger(Edits.Minute)) || !IsInteger(Edits.Second) ||
             !IsInteger(Edits.Million)) {
    return false;
  }
  return AchieveInRange(ReadAchieveFromEdits(Edits));
}

double ReadAchieveFromEdits(const TAchieveEdits& Edits) {
  try {
    if (Edits.NumericVisible) return StrToFloat(Edits.Numeric);
    double value = 0;
    if (!Edits.Minute.empty()) value += StrToInt(Edits.Minute) * 60.0;
    if (!Edits.Second.empty()) value += StrToInt(Edits.Second);
    if (!Edits.Million.empty()) value += StrToFloat("0." + Edits.Million);
    return value;
  } catch (const EConvertError&) {
    return InvalidAchieve;
  }
}

bool LoadStandardRow(TADOQuery* Query, TStandardFamily Family, const String& Grade, const String& Sex,
                     const String& ProgID, TStandardThresholds& Thresholds) {
  TScreenCursorScope hourglass(crHourGlass);
  Query->Close();
  Query->SQL()->SetText(StandardRowSql(FamilyName(Family)));
  Query->Parameters()[0].SetValue(Grade);
  Query->Parameters()[1].SetValue(Sex);
  Query->Parameters()[2].SetValue(ProgID);
  Query->Open();
  if (Query->IsEmpty()) return false;
  for (int i = 0; i < ScoreLevelCount; ++i) Thresholds[size_t(i)] = Query->FieldByName(StarndFieldName(i))->AsFloat();
  return true;
}

void TStandardSet::ClearStandards() {
  for (TStandardThresholds& thresholds : FThresholds) thresholds.fill(-1);
}

void TStandardSet::LoadSexStandard(TADOQuery* Query, TStandardFamily Family, const String& Grade,
                                   const String& ProgID, const String& Sex) {
  const size_t index = SexIndex(Sex);
  FLoaded[index] = LoadStandardRow(Query, Family, Grade, Sex, ProgID, FThresholds[index]);
}

int TStandardSet::CalcItemScore(double Achieve, const String& Sex, const String& Unit) const {
  return ScoreItem(Achieve, Thresholds(Sex), Unit);
}

size_t TStandardSet::SexIndex(const String& Sex) { return Sex == SexNames[0] ? 0 : 1; }
