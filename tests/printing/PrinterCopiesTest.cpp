// The printer's own copies: a PDF file cannot hold more than one, so its caller repeats the pages.
#include <gtest/gtest.h>

#include "printing/Printers.h"
#include "support/TempDir.h"

namespace {

TEST(PrinterCopiesTest, APdfFileMakesNoCopiesOfItsOwn) {
  TempDir dir;
  TPrinter printer;
  printer.SetOutputFileName(dir.File("copies.pdf"));
  printer.SetCopies(3);
  EXPECT_EQ(printer.Copies(), 3);
  EXPECT_FALSE(printer.SupportsMultipleCopies());
}

}  // namespace
