// Runs SQL scripts statement by statement into a fresh SQLite file inside one transaction, and
// moves the file into place only after the last statement succeeded.
#include "tools/DatabaseBuilder.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "rtl/ScopeExit.h"

namespace fs = std::filesystem;

namespace {

struct CloseConnection {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Connection = std::unique_ptr<sqlite3, CloseConnection>;

struct FinalizeStatement {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

std::string ReadScript(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EDatabaseBuildError(path.string() + ": cannot read the script");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Offset of the first character at or after pos that is neither blank nor inside a comment.
size_t SkipBlanksAndComments(const std::string& text, size_t pos) {
  while (pos < text.size()) {
    if (std::isspace(static_cast<unsigned char>(text[pos]))) {
      ++pos;
    } else if (text.compare(pos, 2, "--") == 0) {
      pos = text.find('\n', pos);
    } else if (text.compare(pos, 2, "/*") == 0) {
      pos = text.find("*/", pos + 2);
      if (pos != std::string::npos) pos += 2;
    } else {
      break;
    }
  }
  return std::min(pos, text.size());
}

// 1-based line of a byte offset in text.
int LineAt(const std::string& text, size_t offset) {
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + std::min(offset, text.size()), '\n'));
}

[[noreturn]] void Fail(sqlite3* db, const fs::path& script, const std::string& text, size_t offset) {
  throw EDatabaseBuildError(script.string() + ":" + std::to_string(LineAt(text, offset)) + ": " +
                            sqlite3_errmsg(db));
}

// Steps a prepared statement to its end; rows that a statement may return are not needed.
bool RunToEnd(sqlite3_stmt* statement) {
  int rc;
  while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
  }
  return rc == SQLITE_DONE;
}

void RunScript(sqlite3* db, const fs::path& script) {
  const std::string text = ReadScript(script);
  const char* const begin = text.c_str();
  const char* next = begin;
  while (*next) {
    const char* const start = next;
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(db, start, -1, &raw, &next);
    Statement statement(raw);
    const size_t firstToken = SkipBlanksAndComments(text, start - begin);
    if (rc != SQLITE_OK) {
      // The offset of the offending token, when SQLite knows it, is relative to the statement.
      const int tokenOffset = sqlite3_error_offset(db);
      Fail(db, script, text, tokenOffset >= 0 ? (start - begin) + tokenOffset : firstToken);
    }
    if (!statement) continue;  // only blanks and comments were left
    if (!RunToEnd(statement.get())) Fail(db, script, text, firstToken);
  }
}

void Execute(sqlite3* db, const char* sql) {
  if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
    throw EDatabaseBuildError(std::string(sql) + ": " + sqlite3_errmsg(db));
}

void RemoveWithJournal(const fs::path& file) {
  std::error_code ignored;  // the files may well not exist
  fs::remove(file, ignored);
  fs::remove(fs::path(file.string() + "-journal"), ignored);
}

void FillDatabase(const fs::path& file, const std::vector<fs::path>& scripts) {
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  Connection db(raw);
  if (rc != SQLITE_OK)
    throw EDatabaseBuildError(file.string() + ": " + (raw ? sqlite3_errmsg(raw) : "cannot create the file"));
  Execute(db.get(), "BEGIN");
  for (const fs::path& script : scripts) RunScript(db.get(), script);
  Execute(db.get(), "COMMIT");
  if (sqlite3_close(db.release()) != SQLITE_OK)
    throw EDatabaseBuildError(file.string() + ": the database could not be closed");
}

}  // namespace

void BuildDatabase(const fs::path& target, const std::vector<fs::path>& scripts) {
  if (target.has_parent_path()) fs::create_directories(target.parent_path());
  const fs::path partial = target.string() + ".part";
  RemoveWithJournal(partial);  // left over from a build that was killed
  auto removePartial = ScopeExit([&partial] { RemoveWithJournal(partial); });
  FillDatabase(partial, scripts);
  fs::rename(partial, target);
  removePartial.Dismiss();
}
