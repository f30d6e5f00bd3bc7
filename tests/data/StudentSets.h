// The same five students in a TMemDataSet and in Tb_Students of a SQLite database, so that one
// table of cases runs against both back ends.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "data/MemDataSet.h"
#include "support/DataFixture.h"

struct StudentRow {
  int No;
  std::string Name;
  std::string Sex;
};

inline const std::vector<StudentRow>& Students() {
  static const std::vector<StudentRow> rows = {
      {1001, "Zhang San", "男"}, {1002, "li si", "女"}, {1003, "Wang Wu", "男"}, {1004, "O'Brien", "女"}, {1005, "Li Lei", "男"}};
  return rows;
}

class StudentSet {
 public:
  virtual ~StudentSet() = default;
  virtual TDataSet& DataSet() = 0;
  // The names as the back end's store now holds them, sorted.
  virtual std::vector<std::string> StoredNames() = 0;
};

class MemStudentSet : public StudentSet {
 public:
  MemStudentSet() : FData(MakeComponent<TMemDataSet>()) {
    FData->FieldDefs().Add("Fd_StuNo", ftInteger, 0, true);
    FData->FieldDefs().Add("Fd_Name", ftString, 30);
    FData->FieldDefs().Add("Fd_Sex", ftString, 2);
    FData->FieldDefs().Add("Fd_Birthday", ftDateTime);
    FData->FieldDefs().Add("Fd_FreeSign", ftBoolean);
    FData->Open();
    for (const StudentRow& row : Students()) FData->AppendRecord({row.No, row.Name, row.Sex});
    FData->First();
  }
  TDataSet& DataSet() override { return *FData; }
  std::vector<std::string> StoredNames() override {
    // The records are the store; read them through a second opening.
    FData->Close();
    FData->Open();
    std::vector<std::string> names;
    for (; !FData->Eof(); FData->Next()) names.push_back(FData->FieldByName("Fd_Name")->AsString());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  TComponentPtr<TMemDataSet> FData;
};

class SqliteStudentSet : public StudentSet {
 public:
  SqliteStudentSet() : FQuery(MakeComponent<TADOQuery>()) {
    TComponentPtr<TADOQuery> insert = MakeComponent<TADOQuery>();
    insert->SetConnection(FFixture.Connection());
    insert->SQL()->SetText("insert into Tb_Students (Fd_StuNo, Fd_Name, Fd_Sex) values (:No, :Name, :Sex)");
    for (const StudentRow& row : Students()) {
      insert->Parameters()[0].SetValue(row.No);
      insert->Parameters()[1].SetValue(row.Name);
      insert->Parameters()[2].SetValue(row.Sex);
      insert->ExecSQL();
    }
    FQuery->SetConnection(FFixture.Connection());
    FQuery->SQL()->SetText("select Fd_StuNo, Fd_Name, Fd_Sex, Fd_Birthday, Fd_FreeSign from Tb_Students");
    FQuery->Open();
  }
  TDataSet& DataSet() override { return *FQuery; }
  std::vector<std::string> StoredNames() override {
    TComponentPtr<TADOQuery> read = MakeComponent<TADOQuery>();
    read->SetConnection(FFixture.Connection());
    read->SQL()->SetText("select Fd_Name from Tb_Students order by Fd_Name");
    read->Open();
    std::vector<std::string> names;
    for (; !read->Eof(); read->Next()) names.push_back(read->Fields()[0]->AsString());
    std::sort(names.begin(), names.end());
    return names;
  }
  DataFixture& Fixture() { return FFixture; }

 private:
  DataFixture FFixture;
  TComponentPtr<TADOQuery> FQuery;
};

// Parameterised tests name the back end: "Mem" or "Sqlite".
class BothBackEnds : public testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    if (GetParam() == "Mem")
      FSet = std::make_unique<MemStudentSet>();
    else
      FSet = std::make_unique<SqliteStudentSet>();
  }
  TDataSet& Data() { return FSet->DataSet(); }
  std::string Name() { return Data().FieldByName("Fd_Name")->AsString(); }
  std::vector<std::string> Stored() { return FSet->StoredNames(); }

  std::unique_ptr<StudentSet> FSet;
};

inline std::string BackEndName(const testing::TestParamInfo<std::string>& info) { return info.param; }
