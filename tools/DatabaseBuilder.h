// Makes a SQLite database file from SQL scripts. The build tool quorin_mkdb uses it to make the
// default database from data/schema.sql and data/seed.sql.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <vector>

// A script that cannot be read or a statement that fails; the message names the script and line.
class EDatabaseBuildError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Runs every statement of the scripts, in order, into a new database at target. The work happens
// in a temporary file beside target, which replaces target only when every statement succeeded:
// on failure target is left as it was (absent or the previous build) and the temporary file is
// removed. Missing parent folders of target are created.
void BuildDatabase(const std::filesystem::path& target, const std::vector<std::filesystem::path>& scripts);
