// Build tool: quorin_mkdb OUTPUT SCRIPT... makes the database OUTPUT from the SQL scripts, or
// reports the failing script and line and exits with status 1, leaving OUTPUT untouched.
#include <cstdio>
#include <exception>

#include "tools/DatabaseBuilder.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: quorin_mkdb OUTPUT SCRIPT...\n");
    return 2;
  }
  try {
    BuildDatabase(argv[1], std::vector<std::filesystem::path>(argv + 2, argv + argc));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quorin_mkdb: %s\n", e.what());
    return 1;
  }
  return 0;
}
