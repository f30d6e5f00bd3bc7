// The database builder and its tool quorin_mkdb: a good set of scripts gives a database, and any
// failing script leaves no file behind and the previous database untouched.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "schema/TestDatabase.h"
#include "support/TempDir.h"
#include "tools/DatabaseBuilder.h"

namespace fs = std::filesystem;

namespace {

class Builder : public testing::Test {
 protected:
  fs::path Script(const std::string& name, const std::string& text) {
    const fs::path path = FDir.File(name);
    std::ofstream(path) << text;
    return path;
  }

  // Names of everything in the folder except the scripts, so that leftovers show.
  std::vector<std::string> Outputs() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(FDir.Path()))
      if (entry.path().extension() != ".sql") names.push_back(entry.path().filename().string());
    return names;
  }

  std::string ErrorOf(const std::vector<fs::path>& scripts) {
    try {
      BuildDatabase(FTarget, scripts);
    } catch (const EDatabaseBuildError& e) {
      return e.what();
    }
    return "<built>";
  }

  TempDir FDir;
  fs::path FTarget = FDir.Path() / "Data" / "quorin.db";
};

const char* const kGoodSchema = "-- a table\nCREATE TABLE Tb_Grade (Fd_Grade VARCHAR(10) PRIMARY KEY);\n";
const char* const kGoodSeed = "INSERT INTO Tb_Grade VALUES ('高一');\n\n/* done */\n";

}  // namespace

TEST_F(Builder, RunsTheScriptsInOrderIntoANewFile) {
  BuildDatabase(FTarget, {Script("schema.sql", kGoodSchema), Script("seed.sql", kGoodSeed)});
  TestDatabase db(FTarget);
  EXPECT_EQ(db.Value("select Fd_Grade from Tb_Grade"), "高一");
  EXPECT_EQ(Outputs(), std::vector<std::string>{"Data"});
  EXPECT_EQ(std::distance(fs::directory_iterator(FTarget.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(Builder, AFailingStatementNamesItsScriptAndLineAndLeavesNoFile) {
  struct Case { const char *seed, *message; };
  const Case cases[] = {
      {"INSERT INTO Tb_Grade VALUES ('高一');\n\nINSERT INTO Tb_Grde VALUES ('高二');\n", "seed.sql:3: no such table"},
      {"INSERT INTO Tb_Grade VALUES ('高一');\n-- again\nINSERT INTO Tb_Grade VALUES ('高一');\n",
       "seed.sql:3: UNIQUE constraint failed"},
      {"INSERT INTO Tb_Grade VALUES ('高一');\n  INSRT INTO Tb_Grade VALUES ('高二');\n", "seed.sql:2: near \"INSRT\""},
  };
  for (const Case& c : cases) {
    const std::string error = ErrorOf({Script("schema.sql", kGoodSchema), Script("seed.sql", c.seed)});
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(FTarget)) << c.message;
    EXPECT_TRUE(fs::is_empty(FTarget.parent_path())) << c.message;
  }
  EXPECT_NE(ErrorOf({Script("schema.sql", kGoodSchema), FDir.Path() / "missing.sql"}).find("missing.sql"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(FTarget));
}

TEST_F(Builder, AFailedBuildKeepsThePreviousDatabaseAndAGoodOneReplacesIt) {
  BuildDatabase(FTarget, {Script("schema.sql", kGoodSchema), Script("seed.sql", kGoodSeed)});
  EXPECT_ANY_THROW(BuildDatabase(FTarget, {Script("broken.sql", "CREATE TABLE (;")}));
  EXPECT_EQ(TestDatabase(FTarget).Value("select count(*) from Tb_Grade"), "1");

  BuildDatabase(FTarget, {Script("other.sql", "CREATE TABLE Tb_Duty (Fd_Name VARCHAR(10));")});
  TestDatabase db(FTarget);
  EXPECT_EQ(db.Column("select name from sqlite_master"), std::vector<std::string>{"Tb_Duty"});
}

TEST_F(Builder, ToolReportsFailureByItsExitStatus) {
  const std::string tool = QUORIN_MKDB;
  const std::string log = FDir.File("log.txt");
  const auto run = [&](const fs::path& script) {
    return std::system((tool + " '" + FTarget.string() + "' '" + script.string() + "' 2>'" + log + "'").c_str());
  };
  EXPECT_NE(run(Script("broken.sql", "CREATE TABLE t (x);\nSELEC 1;\n")), 0);
  EXPECT_FALSE(fs::exists(FTarget));
  std::ostringstream message;
  message << std::ifstream(log).rdbuf();
  EXPECT_NE(message.str().find("broken.sql:2: near \"SELEC\""), std::string::npos) << message.str();

  EXPECT_EQ(run(Script("schema.sql", kGoodSchema)), 0);
  EXPECT_TRUE(fs::exists(FTarget));
}
