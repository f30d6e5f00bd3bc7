// Fuzz target for the filter criteria a stored layout keeps (a grid's Filter.Criteria and the
// layout store's "Filter" value): any input either reads or raises EReadError with the criteria
// left empty; what was read writes bytes that read back to the same bytes and texts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "grid/dxCriteria.h"
#include "rtl/Streams.h"

namespace {

std::vector<uint8_t> Written(const TdxCriteria& Criteria) {
  TMemoryStream stream;
  Criteria.WriteToStream(stream);
  return {stream.Memory(), stream.Memory() + stream.Size()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TdxCriteria criteria;
  TMemoryStream input;
  if (Size > 0) input.WriteBuffer(Data, static_cast<int>(Size));
  input.SetPosition(0);
  try {
    criteria.ReadFromStream(input);
  } catch (const EReadError&) {
    if (criteria.Count() != 0) std::abort();
    return 0;
  }
  const std::vector<uint8_t> bytes = Written(criteria);
  TdxCriteria copy;
  TMemoryStream again;
  again.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
  again.SetPosition(0);
  copy.ReadFromStream(again);
  if (Written(copy) != bytes || copy.GetFilterText(true) != criteria.GetFilterText(true) ||
      copy.GetFilterText(false) != criteria.GetFilterText(false))
    std::abort();
  return 0;
}
