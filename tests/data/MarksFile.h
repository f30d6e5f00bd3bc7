// A database file of one table of its own, made without the program's schema, as a grid's or a
// report's tests would have: Marks (Id, Name, Score) with the rows 甲 81.5, 乙 67 and 丙 without a
// score.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

inline void MakeMarksFile(const std::string& path) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db,
                         "create table Marks (Id INTEGER PRIMARY KEY, Name VARCHAR(20) NOT NULL, Score REAL);"
                         "insert into Marks (Name, Score) values ('甲', 81.5), ('乙', 67), ('丙', NULL)",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(db);
}

inline std::string MarksFile(const std::string& path) {
  MakeMarksFile(path);
  return path;
}
