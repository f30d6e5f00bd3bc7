// FileExists: files, folders and names that are nothing.
#include <gtest/gtest.h>

#include "rtl/Files.h"
#include "rtl/Streams.h"
#include "support/TempDir.h"

namespace {

TEST(FilesTest, FileExistsOnlyForFiles) {
  TempDir dir;
  const String file = dir.File("模板.frf");
  { TFileStream f(file, fmCreate); }
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FileExists(dir.Path().string()));
  EXPECT_FALSE(FileExists(dir.File("missing.frf")));
  EXPECT_FALSE(FileExists(""));
}

}  // namespace
