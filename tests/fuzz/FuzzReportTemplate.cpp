// Fuzz target of the report template reader: any input ends in a template, read or reported as
// unreadable (one empty page), without a crash or a loop. Whatever was read is written, and that
// template reads back and writes the same bytes again.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "FuzzGui.h"
#include "report/FR_Class.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The template's bytes, or nothing when it holds more than the format can store.
bool Written(const TfrReport& report, Bytes& bytes) {
  TMemoryStream stream;
  try {
    report.SaveToStream(stream);
  } catch (const EWriteError&) {
    return false;
  }
  bytes.assign(stream.Memory(), stream.Memory() + stream.Size());
  return true;
}

bool Read(TfrReport& report, const Bytes& bytes) {
  TMemoryStream stream;
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), int(bytes.size()));
  stream.SetPosition(0);
  return report.LoadFromStream(stream);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool started = (StartFuzzGui(), true);
  (void)started;
  static TScriptedDialogsScope dialogs;  // load errors are message boxes: nobody answers them here
  dialogs->Messages.clear();
  auto report = MakeComponent<TfrReport>();
  Read(*report, Bytes(data, data + size));
  Bytes first;
  if (!Written(*report, first)) return 0;
  auto again = MakeComponent<TfrReport>();
  if (!Read(*again, first)) std::abort();
  Bytes second;
  if (!Written(*again, second) || second != first) std::abort();
  return 0;
}
