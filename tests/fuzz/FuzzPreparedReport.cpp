// Fuzz target of the prepared-report reader: any input is read whole or refused with EReadError,
// leaving the pages as they were, without a crash or a loop. Pages that were read are written,
// and that file reads back and writes the same bytes again.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "FuzzGui.h"
#include "report/FR_Class.h"
#include "report/FR_EMFPages.h"
#include "report/FR_Register.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Written(TfrEMFPages& pages) {
  TMemoryStream stream;
  pages.PreparedSaveToStream(stream);
  return Bytes(stream.Memory(), stream.Memory() + stream.Size());
}

bool Read(TfrEMFPages& pages, const Bytes& bytes) {
  TMemoryStream stream;
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), int(bytes.size()));
  stream.SetPosition(0);
  try {
    pages.PreparedLoadFromStream(stream);
  } catch (const EReadError&) {
    return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (StartFuzzGui(), RegisterReportClasses(), true);
  (void)registered;
  auto report = MakeComponent<TfrReport>();
  TfrEMFPages& pages = report->EMFPages();
  if (!Read(pages, Bytes(data, data + size))) {
    if (pages.Count() != 0) std::abort();  // a refused file changes nothing
    return 0;
  }
  const Bytes first = Written(pages);
  auto again = MakeComponent<TfrReport>();
  if (!Read(again->EMFPages(), first)) std::abort();
  if (Written(again->EMFPages()) != first) std::abort();
  return 0;
}
