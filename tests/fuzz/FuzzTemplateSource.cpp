// Fuzz target of the template source compiler: any text compiles or is refused with an error,
// without a crash or a loop; a template it compiled dumps to a source that compiles to a template
// with that same source.
#include <cstdint>
#include <cstdlib>

#include "FuzzGui.h"
#include "tests/support/ScriptedDialogs.h"
#include "tools/FrfSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool started = (StartFuzzGui(), true);
  (void)started;
  static TScriptedDialogsScope dialogs;
  TfrReport report(nullptr);
  try {
    CompileTemplateSource(String(reinterpret_cast<const char*>(data), size), report);
  } catch (const Exception&) {
    return 0;
  }
  const String source = TemplateSource(report, "Fuzz");
  TfrReport again(nullptr);
  try {
    CompileTemplateSource(source, again);
  } catch (const Exception&) {
    std::abort();
  }
  if (TemplateSource(again, "Fuzz") != source) std::abort();
  return 0;
}
