// Which link targets go to the desktop: addresses by scheme, and local files only when they are
// existing documents that are not programs or scripts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/TempDir.h"
#include "windows/LinkTarget.h"

namespace {

TEST(LinkTargetTest, AddressesAreOpenableByTheirScheme) {
  struct TCase {
    const char* Target;
    bool Openable;
  };
  const TCase cases[] = {
      {"http://example.com/a?b=1", true}, {"  https://example.com  ", true}, {"HTTPS://EXAMPLE.COM", true},
      {"ftp://files.example.com/x", true}, {"mailto:teacher@example.com", true}, {"mailto:", false},
      {"http://", false},                 {"javascript:alert(1)", false},  {"ms-settings:display", false},
      {"calc", false},                    {"/bin/sh", false},              {"", false},
      {"   ", false},                     {"file:///bin/sh", false},       {"smb://server/share", false},
  };
  for (const TCase& c : cases) EXPECT_EQ(IsOpenableLink(c.Target), c.Openable) << c.Target;
}

TEST(LinkTargetTest, LocalFilesAreOpenableOnlyAsExistingDocuments) {
  TempDir dir;
  for (const char* name : {"成绩.pdf", "run.sh", "setup.exe", "plain"}) std::ofstream(dir.File(name)) << "x";
  std::filesystem::permissions(dir.File("plain"), std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
  EXPECT_TRUE(IsOpenableLink(dir.File("成绩.pdf")));
  EXPECT_TRUE(IsOpenableLink("file://" + dir.File("成绩.pdf")));
  EXPECT_FALSE(IsOpenableLink(dir.File("run.sh"))) << "a script";
  EXPECT_FALSE(IsOpenableLink(dir.File("setup.exe"))) << "a program type";
  EXPECT_FALSE(IsOpenableLink(dir.File("plain"))) << "an executable file";
  EXPECT_FALSE(IsOpenableLink(dir.File("missing.pdf")));
  EXPECT_FALSE(IsOpenableLink(dir.Path().string())) << "a folder";
}

}  // namespace
