// A SQLite database file in the temporary folder for one benchmark run: made by the caller's
// preparation (schema, rows) when first used, removed when the run ends.
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

class BenchDatabase {
 public:
  // Prepare receives the empty file's path; Fill is run on the open file as one SQL text.
  BenchDatabase(const std::string& FileName, const std::string& Fill,
                const std::function<void(const std::filesystem::path&)>& Prepare = {})
      : FPath(std::filesystem::temp_directory_path() / FileName) {
    std::filesystem::remove(FPath);
    if (Prepare) Prepare(FPath);
    sqlite3* db = nullptr;
    char* error = nullptr;
    const bool filled = sqlite3_open(FPath.c_str(), &db) == SQLITE_OK &&
                        sqlite3_exec(db, Fill.c_str(), nullptr, nullptr, &error) == SQLITE_OK;
    const std::string message = error ? error : sqlite3_errmsg(db);
    sqlite3_free(error);
    sqlite3_close(db);
    if (!filled) throw std::runtime_error("cannot fill the benchmark database: " + message);
  }
  ~BenchDatabase() { std::filesystem::remove(FPath); }
  BenchDatabase(const BenchDatabase&) = delete;
  BenchDatabase& operator=(const BenchDatabase&) = delete;

  std::string ConnectionString() const { return "Data Source=" + FPath.string(); }
  const std::filesystem::path& Path() const { return FPath; }

 private:
  std::filesystem::path FPath;
};
