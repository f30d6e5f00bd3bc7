// The constant tables of the records application: sex, rights and grade names, the numerals
// used in texts and the support links of the help menu. Indexed from 0 and never changed.
#pragma once

#include <array>

#include "rtl/Types.h"

// Index 0 is male.
inline constexpr std::array<const char*, 2> SexNames = {"男", "女"};
// The name of Fd_Rights 0 and 1.
inline constexpr std::array<const char*, 2> RightsNames = {"体育老师", "教研室主任"};
inline constexpr std::array<const char*, 3> GradeNames = {"高一", "高二", "高三"};
// The index of Grade in GradeNames; -1 for a grade none of the three.
int GradePosition(const String& Grade);
inline constexpr std::array<const char*, 5> Numerals = {"一", "二", "三", "四", "五"};
// The support page, the update page and the mail address of the help menu, by button tag.
inline constexpr std::array<const char*, 3> SupportLinks = {
    "https://quorin.example.org/support", "https://quorin.example.org/updates", "mailto:support@quorin.example.org"};

// The rights name of a stored Fd_Rights; a value the table has no name for shows as its number,
// so that a stray value in the database never reads outside the table.
String RightsName(int Rights);
