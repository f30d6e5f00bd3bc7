// The engine's stream encodings and list helpers. Text is converted between the system's UTF-8
// and the files' GB18030 here and nowhere else; neither byte 0 nor byte 13 occurs inside a
// GB18030 character, so both can end texts and lines in the byte stream.
#include "report/FR_Utils.h"

#include <algorithm>

#include "report/FR_State.h"
#include "rtl/CodePage.h"

namespace {

constexpr int kOldChunk = 4096;

std::string ReadBytes(TStream& stream, int count) {
  std::string bytes(size_t(count), '\0');
  stream.ReadBuffer(bytes.data(), count);
  return bytes;
}

void WriteCountedBytes(TStream& stream, const String& s) {
  const std::string bytes = Utf8ToGB18030(s);
  if (bytes.size() > 0xFFFF) throw EWriteError("报表中的文本超过 65535 字节，无法保存");
  frWriteWord(stream, uint16_t(bytes.size()));
  stream.WriteBuffer(bytes.data(), int(bytes.size()));
}

String ReadCountedBytes(TStream& stream) { return GB18030ToUtf8(ReadBytes(stream, frReadWord(stream))); }

// The bytes before the next byte 0, read in chunks; the stream is left just after the 0.
std::string ReadUpToZero(TStream& stream) {
  std::string bytes;
  char chunk[kOldChunk];
  for (;;) {
    const int got = stream.Read(chunk, kOldChunk);
    if (got <= 0) throw EReadError("Stream read error");
    const auto end = std::find(chunk, chunk + got, '\0');
    bytes.append(chunk, end);
    if (end != chunk + got) {
      stream.Seek(int64_t(end + 1 - (chunk + got)), soCurrent);
      return bytes;
    }
  }
}

}  // namespace

void frWriteString(TStream& stream, const String& s) {
  WriteCountedBytes(stream, s);
  frWriteByte(stream, 0);
}

String frReadString(TStream& stream) {
  String s = ReadCountedBytes(stream);
  frReadByte(stream);
  return s;
}

void frWriteMemo(TStream& stream, const TStrings& list) {
  if (list.Count() > 0xFFFF) throw EWriteError("报表中的文本超过 65535 行，无法保存");
  frWriteWord(stream, uint16_t(list.Count()));
  for (int i = 0; i < list.Count(); ++i) {
    if (i > 0) frWriteByte(stream, 13);
    WriteCountedBytes(stream, list[i]);
  }
  frWriteByte(stream, 0);
}

void frReadMemo(TStream& stream, TStrings& list) {
  list.Clear();
  if (frReadWord(stream) == 0) {
    frReadByte(stream);
    return;
  }
  do list.Add(ReadCountedBytes(stream));
  while (frReadByte(stream) != 0);
}

String frReadOldString(TStream& stream) { return GB18030ToUtf8(ReadUpToZero(stream)); }

void frReadOldMemo(TStream& stream, TStrings& list) {
  list.Clear();
  const std::string bytes = ReadUpToZero(stream);
  size_t start = 0;
  for (size_t cr = bytes.find('\r'); cr != std::string::npos; cr = bytes.find('\r', start)) {
    list.Add(GB18030ToUtf8(bytes.substr(start, cr - start)));
    start = cr + 1;
  }
  if (start < bytes.size()) list.Add(GB18030ToUtf8(bytes.substr(start)));
}

String ReadVersionedString(TStream& stream) {
  return frState().FileVersion >= 23 ? frReadString(stream) : frReadOldString(stream);
}

void ReadVersionedMemo(TStream& stream, TStrings& list) {
  if (frState().FileVersion >= 23)
    frReadMemo(stream, list);
  else
    frReadOldMemo(stream, list);
}

uint8_t frReadByte(TStream& stream) {
  uint8_t b;
  stream.ReadBuffer(&b, 1);
  return b;
}

void frWriteByte(TStream& stream, uint8_t b) { stream.WriteBuffer(&b, 1); }

uint16_t frReadWord(TStream& stream) {
  uint8_t b[2];
  stream.ReadBuffer(b, 2);
  return uint16_t(b[0] | (b[1] << 8));
}

void frWriteWord(TStream& stream, uint16_t w) {
  const uint8_t b[2] = {uint8_t(w), uint8_t(w >> 8)};
  stream.WriteBuffer(b, 2);
}

int32_t frReadInteger(TStream& stream) {
  uint8_t b[4];
  stream.ReadBuffer(b, 4);
  return int32_t(uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24));
}

void frWriteInteger(TStream& stream, int32_t i) {
  const uint32_t u = uint32_t(i);
  const uint8_t b[4] = {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
  stream.WriteBuffer(b, 4);
}

int64_t frWritePlaceholder(TStream& stream) {
  const int64_t at = stream.Position();
  frWriteInteger(stream, 0);
  return at;
}

void frPatchPosition(TStream& stream, int64_t placeholder) {
  const int64_t end = stream.Position();
  stream.SetPosition(placeholder);
  frWriteInteger(stream, int32_t(end));
  stream.SetPosition(end);
}

uint8_t frFontStyleToBits(TFontStyles style) {
  return uint8_t(((style & fsItalic) ? 1 : 0) | ((style & fsBold) ? 2 : 0) | ((style & fsUnderline) ? 4 : 0) |
                 ((style & fsStrikeOut) ? 8 : 0));
}

TFontStyles frBitsToFontStyle(uint8_t bits) {
  return ((bits & 1) ? fsItalic : 0u) | ((bits & 2) ? fsBold : 0u) | ((bits & 4) ? fsUnderline : 0u) |
         ((bits & 8) ? fsStrikeOut : 0u);
}

String frExtractItem(const String& text, int& pos) {
  if (pos < 1 || pos > int(text.size())) return String();
  const size_t from = size_t(pos - 1);
  size_t end = text.find(';', from);
  if (end == String::npos) end = text.size();
  pos = int(end) + 2;
  return text.substr(from, end - from);
}

void frSplitItems(const String& text, TStrings& list) {
  list.Clear();
  int pos = 1;
  while (pos <= int(text.size())) list.Add(frExtractItem(text, pos));
}
