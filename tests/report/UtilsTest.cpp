// The engine's stream encodings byte for byte, their old zero-terminated forms, truncated streams,
// numbers, the font-style byte and ";"-separated items.
#include <gtest/gtest.h>

#include <functional>

#include "report/FR_Utils.h"

namespace {

std::string Bytes(TMemoryStream& stream) {
  return std::string(reinterpret_cast<const char*>(stream.Memory()), size_t(stream.Size()));
}

std::string Written(const std::function<void(TStream&)>& write) {
  TMemoryStream stream;
  write(stream);
  return Bytes(stream);
}

std::unique_ptr<TMemoryStream> StreamOf(const std::string& bytes) {
  auto stream = std::make_unique<TMemoryStream>();
  stream->WriteBuffer(bytes.data(), int(bytes.size()));
  stream->SetPosition(0);
  return stream;
}

TStringList ListOf(std::initializer_list<const char*> lines) {
  TStringList list;
  for (const char* line : lines) list.Add(line);
  return list;
}

std::vector<String> Lines(const TStrings& list) {
  std::vector<String> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
  return lines;
}

TEST(UtilsTest, StringsAndTextListsAreWrittenAsTheseBytes) {
  using namespace std::string_literals;
  EXPECT_EQ(Written([](TStream& s) { frWriteString(s, "abc"); }), "\x03\x00" "abc\x00"s);
  EXPECT_EQ(Written([](TStream& s) { frWriteString(s, ""); }), "\x00\x00\x00"s);
  EXPECT_EQ(Written([](TStream& s) { frWriteString(s, "体育"); }), "\x04\x00\xCC\xE5\xD3\xFD\x00"s);
  EXPECT_EQ(Written([](TStream& s) { frWriteMemo(s, TStringList()); }), "\x00\x00\x00"s);
  EXPECT_EQ(Written([](TStream& s) { frWriteMemo(s, ListOf({"a", "体"})); }),
            "\x02\x00\x01\x00" "a\r\x02\x00\xCC\xE5\x00"s);
  EXPECT_EQ(Written([](TStream& s) { frWriteMemo(s, ListOf({""})); }), "\x01\x00\x00\x00\x00"s);
  EXPECT_EQ(Written([](TStream& s) { frWriteWord(s, 0x1234); }), "\x34\x12"s);
  EXPECT_EQ(Written([](TStream& s) { frWriteInteger(s, -2); }), "\xFE\xFF\xFF\xFF"s);
  EXPECT_EQ(Written([](TStream& s) { frWriteInteger(s, 0x01020304); }), "\x04\x03\x02\x01"s);
}

TEST(UtilsTest, WhatIsWrittenReadsBack) {
  TMemoryStream stream;
  const TStringList script = ListOf({"begin", "  [总分] := 0;", "", "end"});
  frWriteString(stream, "高一(1)班 'x'");
  frWriteMemo(stream, script);
  frWriteMemo(stream, TStringList());
  frWriteWord(stream, 0xFFFF);
  frWriteInteger(stream, INT32_MIN);
  stream.SetPosition(0);
  EXPECT_EQ(frReadString(stream), "高一(1)班 'x'");
  TStringList list = ListOf({"old"});
  frReadMemo(stream, list);
  EXPECT_EQ(Lines(list), Lines(script));
  frReadMemo(stream, list);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(frReadWord(stream), 0xFFFF);
  EXPECT_EQ(frReadInteger(stream), INT32_MIN);
  EXPECT_EQ(stream.Position(), stream.Size());
}

TEST(UtilsTest, TextListReaderStopsAtTheZeroNotAtTheCount) {
  using namespace std::string_literals;
  auto stream = StreamOf("\x05\x00\x01\x00" "a\x00" "rest"s);
  TStringList list;
  frReadMemo(*stream, list);
  EXPECT_EQ(Lines(list), (std::vector<String>{"a"}));
  EXPECT_EQ(stream->Position(), 6);
}

TEST(UtilsTest, OldEncodingsEndAtAZero) {
  using namespace std::string_literals;
  auto stream = StreamOf("abc\x00\xCC\xE5\x00" "a\rb\r\rc\x00" "a\r\x00" "\r\x00" "\x00" "tail"s);
  EXPECT_EQ(frReadOldString(*stream), "abc");
  EXPECT_EQ(frReadOldString(*stream), "体");
  TStringList list;
  frReadOldMemo(*stream, list);
  EXPECT_EQ(Lines(list), (std::vector<String>{"a", "b", "", "c"}));
  frReadOldMemo(*stream, list);
  EXPECT_EQ(Lines(list), (std::vector<String>{"a"}));
  frReadOldMemo(*stream, list);
  EXPECT_EQ(Lines(list), (std::vector<String>{""}));
  frReadOldMemo(*stream, list);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(stream->Position(), stream->Size() - 4);

  const std::string longText(10000, 'x');
  auto longStream = StreamOf(longText + "\0y"s);
  EXPECT_EQ(frReadOldString(*longStream), longText);
  EXPECT_EQ(longStream->Position(), 10001);
}

TEST(UtilsTest, TruncatedStreamsRaiseAndNeverReadPastTheEnd) {
  using namespace std::string_literals;
  const std::string memo = Written([](TStream& s) { frWriteMemo(s, ListOf({"ab", "c"})); });
  const std::string str = Written([](TStream& s) { frWriteString(s, "abc"); });
  const std::vector<std::pair<std::string, std::function<void(TStream&)>>> readers = {
      {str, [](TStream& s) { frReadString(s); }},
      {memo, [](TStream& s) { TStringList l; frReadMemo(s, l); }},
      {"\x00\x00\x00"s, [](TStream& s) { TStringList l; frReadMemo(s, l); }},
      {"abc\x00"s, [](TStream& s) { frReadOldString(s); }},
      {"a\rb\x00"s, [](TStream& s) { TStringList l; frReadOldMemo(s, l); }},
      {"\x01\x02"s, [](TStream& s) { frReadWord(s); }},
      {"\x01\x02\x03\x04"s, [](TStream& s) { frReadInteger(s); }},
  };
  for (const auto& [bytes, read] : readers) {
    read(*StreamOf(bytes));  // the whole encoding reads
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
      // A copy of exactly the first bytes, so that a read past them would be seen by the sanitizer.
      std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + long(cut));
      TMemoryStream stream;
      if (cut > 0) stream.WriteBuffer(prefix.data(), int(cut));
      stream.SetPosition(0);
      EXPECT_THROW(read(stream), EReadError) << "cut at " << cut << " of " << bytes.size();
    }
  }
}

TEST(UtilsTest, TextsTooLongForTheEncodingAreRefusedBeforeAnythingIsWritten) {
  TMemoryStream stream;
  EXPECT_THROW(frWriteString(stream, String(65536, 'x')), EWriteError);
  String wide;  // 40000 bytes of UTF-8 but 80000 of GB18030
  for (int i = 0; i < 20000; ++i) wide += "\u0080";
  EXPECT_THROW(frWriteString(stream, wide), EWriteError);
  EXPECT_EQ(stream.Size(), 0);
  frWriteString(stream, String(65535, 'x'));
  EXPECT_EQ(stream.Size(), 65538);
  TStringList many;
  for (int i = 0; i < 65536; ++i) many.Add("");
  TMemoryStream listStream;
  EXPECT_THROW(frWriteMemo(listStream, many), EWriteError);
  EXPECT_EQ(listStream.Size(), 0);
}

TEST(UtilsTest, FontStyleByte) {
  EXPECT_EQ(frFontStyleToBits(fsItalic), 1);
  EXPECT_EQ(frFontStyleToBits(fsBold), 2);
  EXPECT_EQ(frFontStyleToBits(fsUnderline), 4);
  EXPECT_EQ(frFontStyleToBits(fsStrikeOut), 8);
  EXPECT_EQ(frFontStyleToBits(fsBold | fsItalic | fsUnderline | fsStrikeOut), 15);
  EXPECT_EQ(frFontStyleToBits(0), 0);
  for (unsigned style = 0; style < 16; ++style) EXPECT_EQ(frBitsToFontStyle(frFontStyleToBits(style)), style);
  EXPECT_EQ(frBitsToFontStyle(0xF2), TFontStyles(fsBold));
}

TEST(UtilsTest, ItemsOfSemicolonLists) {
  const std::pair<const char*, std::vector<String>> cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a;", {"a"}},
      {"a;;b", {"a", "", "b"}},
      {";", {""}},
      {"宋体;黑体", {"宋体", "黑体"}},
  };
  for (const auto& [text, items] : cases) {
    TStringList list = ListOf({"old"});
    frSplitItems(text, list);
    EXPECT_EQ(Lines(list), items) << text;
  }
  int pos = 3;
  EXPECT_EQ(frExtractItem("a;bc;d", pos), "bc");
  EXPECT_EQ(pos, 6);
  EXPECT_EQ(frExtractItem("a;bc;d", pos), "d");
  EXPECT_EQ(pos, 8);
  EXPECT_EQ(frExtractItem("a;bc;d", pos), "");
}

}  // namespace
