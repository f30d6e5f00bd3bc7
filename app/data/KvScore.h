// The scoring rule: a performance against the 21 thresholds of a standards row gives a score of
// 0 to 100 in steps of 5. Also reading a typed performance from the entry boxes, and the threshold
// set of an entry window, loaded for both sexes from a standards table.
#pragma once

#include <array>

#include "app/data/KvStatements.h"
#include "data/ADODB.h"

inline constexpr int ScoreLevelCount = 21;
// The score levels; level index i holds 5 × i.
inline constexpr std::array<int, ScoreLevelCount> ScoreLevels = {
    0, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90, 95, 100};

// The standards column of a level index: "Fd_Fen" and the level in at least two digits
// ("Fd_Fen00", "Fd_Fen05", "Fd_Fen100").
String StarndFieldName(int LevelIndex);

// The thresholds of one standards row by level index, in the item's unit (seconds for times).
// A threshold of 0 or less is unset: that level is never reached.
using TStandardThresholds = std::array<double, ScoreLevelCount>;

// Only "秒" is a time, where lower is better; in every other unit more is better.
bool IsTimeUnit(const String& Unit);

// The highest level whose threshold the performance reaches, comparing both in thousandths (the
// exact product of the value and 1000, rounded half to even) as 32-bit integers. Every level is
// tried in ascending order and the last one reached wins, so thresholds out of order still give
// the highest level reached; 0 when none is reached.
int ScoreTimeItem(double Achieve, const TStandardThresholds& Thresholds);
int ScoreCountItem(double Achieve, const TStandardThresholds& Thresholds);
// By the unit's direction.
int ScoreItem(double Achieve, const TStandardThresholds& Thresholds, const String& Unit);

// The texts of an entry window's performance boxes: the number box (metres and counts) or the
// minute, second and hundredths boxes of a time.
struct TAchieveEdits {
  bool NumericVisible = true;
  String Numeric;
  String Minute;
  String Second;
  String Million;
};

// What ReadAchieveFromEdits answers for a text that does not convert.
inline constexpr double InvalidAchieve = -100.0;

// Whether the typed text converts: the number box as a decimal number; otherwise the minutes, when
// given, and the seconds and hundredths (both required) as integers. The performance read must
// also be one the scoring can compare (AchieveInRange), so that a huge number is refused here
// instead of overflowing later.
bool IsAchieveTextValid(const TAchieveEdits& Edits);
// The typed performance: for a time, minutes × 60 plus seconds plus the hundredths box read as
// the digits after the point ("5" is half a second, "05" five hundredths); otherwise the number
// box. InvalidAchieve when a text does not convert.
double ReadAchieveFromEdits(const TAchieveEdits& Edits);

// The two standards tables: fitness-standard and examination items.
enum TStandardFamily { sfUpto, sfExam };
// The family's part of its tables' names (Tb_UptoStarnd, Tb_ExamProcess).
inline const char* FamilyName(TStandardFamily Family) { return StandardFamilies[Family]; }

// Reads the standards row of a grade, sex and item into Thresholds (an empty column as 0), with
// the hourglass cursor; the query stays open. Answers false, leaving Thresholds as they were,
// when there is no such row.
bool LoadStandardRow(TADOQuery* Query, TStandardFamily Family, const String& Grade, const String& Sex,
                     const String& ProgID, TStandardThresholds& Thresholds);

// The thresholds of the item being entered, for boys ("男") and girls (every other sex), with a
// flag per sex telling whether its standards row exists.
class TStandardSet {
 public:
  TStandardSet() { ClearStandards(); }

  // Every threshold of both sexes unset (-1).
  void ClearStandards();
  // Loads the row of one sex for the grade and item; a missing row clears that sex's flag and
  // leaves its thresholds as they were.
  void LoadSexStandard(TADOQuery* Query, TStandardFamily Family, const String& Grade, const String& ProgID,
                       const String& Sex);

  const TStandardThresholds& Thresholds(const String& Sex) const { return FThresholds[SexIndex(Sex)]; }
  bool HasStandard(const String& Sex) const { return FLoaded[SexIndex(Sex)]; }
  // The score of a performance of a student of this sex in an item of this unit.
  int CalcItemScore(double Achieve, const String& Sex, const String& Unit) const;

 private:
  static size_t SexIndex(const String& Sex);

  std::array<TStandardThresholds, 2> FThresholds{};
  std::array<bool, 2> FLoaded{};
};
