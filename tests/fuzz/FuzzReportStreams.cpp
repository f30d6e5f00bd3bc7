// Fuzz target of the report engine's stream readers: the input read again and again as strings,
// text lists and their old zero-terminated forms. Bad input must end in a stream error; what reads
// must come back unchanged after being written in the engine's encoding and read again.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "report/FR_Utils.h"

namespace {

using Lines = std::vector<String>;

Lines LinesOf(const TStrings& list) {
  Lines lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
  return lines;
}

Lines ReadString(TStream& s) { return {frReadString(s)}; }
Lines ReadOldString(TStream& s) { return {frReadOldString(s)}; }

template <void (*Read)(TStream&, TStrings&)>
Lines ReadList(TStream& s) {
  TStringList list;
  Read(s, list);
  return LinesOf(list);
}

struct Encoding {
  Lines (*Read)(TStream&);
  bool IsList;
};

// Writes the value in the current encoding of its kind and reads it back.
void CheckRoundTrip(const Lines& value, bool isList) {
  TMemoryStream stream;
  try {
    if (isList) {
      TStringList list;
      for (const String& line : value) list.Add(line);
      frWriteMemo(stream, list);
    } else {
      frWriteString(stream, value[0]);
    }
  } catch (const EWriteError&) {
    return;  // longer than the encoding holds once invalid bytes became replacement characters
  }
  stream.SetPosition(0);
  const Lines back = isList ? ReadList<frReadMemo>(stream) : ReadString(stream);
  if (back != value || stream.Position() != stream.Size()) std::abort();
}

void ReadAll(const uint8_t* data, size_t size, const Encoding& encoding) {
  TMemoryStream stream;
  stream.WriteBuffer(data, int(size));
  stream.SetPosition(0);
  try {
    while (stream.Position() < stream.Size()) {
      const int64_t before = stream.Position();
      const Lines value = encoding.Read(stream);
      if (stream.Position() <= before || stream.Position() > stream.Size()) std::abort();
      CheckRoundTrip(value, encoding.IsList);
    }
  } catch (const EReadError&) {
    // the expected end of a truncated encoding
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Encoding encodings[] = {
      {ReadString, false},
      {ReadList<frReadMemo>, true},
      {ReadOldString, false},
      {ReadList<frReadOldMemo>, true},
  };
  for (const Encoding& encoding : encodings) ReadAll(data, size, encoding);
  return 0;
}
