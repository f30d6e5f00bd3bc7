// Fuzz target of the stored-layout reader: any text either fails with the reader's own error or
// builds a component tree whose written layout reads back and writes the same text again.
#include <cstdint>
#include <cstdlib>

#include "tests/support/LayoutFixture.h"

using namespace layout_fixture;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (RegisterFixtureClasses(), true);
  (void)registered;
  const String text(reinterpret_cast<const char*>(data), size);
  String written;
  try {
    auto form = MakeComponent<TFixtureForm>();
    ReadLayout(text, form.get());
    written = WriteLayout(form.get());
  } catch (const Exception&) {
    return 0;  // a clear error is the expected outcome for most inputs
  }
  auto again = MakeComponent<TFixtureForm>();
  ReadLayout(written, again.get());
  if (WriteLayout(again.get()) != written) std::abort();
  return 0;
}
