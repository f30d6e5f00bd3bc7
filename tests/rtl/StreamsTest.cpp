// Streams: positions and sizes, reading past the end, CopyFrom, memory laid over foreign bytes,
// and the open modes of file streams with their errors.
#include <gtest/gtest.h>

#include <filesystem>

#include "rtl/Streams.h"
#include "support/TempDir.h"

namespace {

String ReadAll(TStream& stream) {
  String bytes(size_t(stream.Size()), '\0');
  stream.SetPosition(0);
  stream.ReadBuffer(bytes.data(), int(bytes.size()));
  return bytes;
}

void WriteText(TStream& stream, const String& text) { stream.WriteBuffer(text.data(), int(text.size())); }

TEST(StreamsTest, SeekOriginsAndShortReads) {
  TMemoryStream stream;
  WriteText(stream, "0123456789");
  EXPECT_EQ(stream.Size(), 10);
  EXPECT_EQ(stream.Position(), 10);
  const std::vector<std::tuple<int64_t, TSeekOrigin, int64_t>> seeks = {
      {3, soBeginning, 3}, {2, soCurrent, 5}, {-4, soEnd, 6}, {0, soEnd, 10}, {5, soEnd, 15}};
  for (const auto& [offset, origin, expected] : seeks) EXPECT_EQ(stream.Seek(offset, origin), expected);

  char buffer[8] = {};
  stream.SetPosition(7);
  EXPECT_EQ(stream.Read(buffer, 8), 3);
  EXPECT_EQ(String(buffer, 3), "789");
  EXPECT_EQ(stream.Read(buffer, 8), 0);
  stream.SetPosition(15);
  EXPECT_EQ(stream.Read(buffer, 1), 0);
}

TEST(StreamsTest, ReadBufferPastTheEndRaisesAndWriteBufferOfAFixedStreamRaises) {
  TMemoryStream stream;
  WriteText(stream, "abc");
  stream.SetPosition(1);
  char buffer[4];
  try {
    stream.ReadBuffer(buffer, 3);
    FAIL() << "reading past the end did not raise";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Stream read error");
  }
  stream.SetPosition(1);
  stream.ReadBuffer(buffer, 2);  // exactly to the end is fine
  stream.ReadBuffer(buffer, 0);

  // A stream laid over bytes it does not own, which refuses writes.
  class ReadOnlyStream : public TCustomMemoryStream {
   public:
    explicit ReadOnlyStream(String& bytes) { SetPointer(reinterpret_cast<uint8_t*>(bytes.data()), int64_t(bytes.size())); }
    int Write(const void*, int) override { return 0; }
  };
  String bytes = "xyz";
  ReadOnlyStream view(bytes);
  EXPECT_EQ(ReadAll(view), "xyz");
  EXPECT_THROW(view.WriteBuffer("q", 1), EWriteError);
}

TEST(StreamsTest, MemoryStreamGrowsWithZerosAndOverwritesInPlace) {
  TMemoryStream stream;
  WriteText(stream, "head");
  stream.SetPosition(6);
  WriteText(stream, "tail");
  EXPECT_EQ(ReadAll(stream), String("head\0\0tail", 10));

  // A placeholder written first and filled in later, as record writers do.
  stream.SetPosition(4);
  WriteText(stream, "--");
  EXPECT_EQ(ReadAll(stream), "head--tail");

  stream.SetPosition(9);
  stream.SetSize(5);
  EXPECT_EQ(stream.Position(), 5);
  EXPECT_EQ(ReadAll(stream), "head-");
  stream.Clear();
  EXPECT_EQ(stream.Size(), 0);
  EXPECT_EQ(stream.Position(), 0);
}

TEST(StreamsTest, CopyFrom) {
  TMemoryStream source;
  WriteText(source, "abcdefgh");

  TMemoryStream whole;
  EXPECT_EQ(whole.CopyFrom(source, 0), 8);  // 0 means everything, from the start
  EXPECT_EQ(ReadAll(whole), "abcdefgh");

  TMemoryStream part;
  source.SetPosition(2);
  EXPECT_EQ(part.CopyFrom(source, 3), 3);
  EXPECT_EQ(ReadAll(part), "cde");
  EXPECT_EQ(source.Position(), 5);

  TMemoryStream tooMuch;
  EXPECT_THROW(tooMuch.CopyFrom(source, 4), EReadError);

  String big(200000, 'x');
  big[150000] = 'y';
  TMemoryStream large, copy;
  WriteText(large, big);
  copy.CopyFrom(large, 0);
  EXPECT_EQ(ReadAll(copy), big);
}

TEST(StreamsTest, FileStreamOpenModes) {
  TempDir dir;
  const String path = dir.File("data.bin");
  {
    TFileStream created(path, fmCreate);
    WriteText(created, "0123456789");
  }
  {
    TFileStream reader(path, fmOpenRead | fmShareDenyWrite);
    EXPECT_EQ(ReadAll(reader), "0123456789");
    EXPECT_THROW(WriteText(reader, "x"), EWriteError);
  }
  {
    TFileStream writer(path, fmOpenWrite | fmShareExclusive);
    writer.SetPosition(2);
    WriteText(writer, "ab");
    char c;
    EXPECT_THROW(writer.ReadBuffer(&c, 1), EReadError);
  }
  {
    TFileStream both(path, fmOpenReadWrite | fmShareDenyNone);
    EXPECT_EQ(ReadAll(both), "01ab456789");  // opening for writing keeps the content
    both.SetSize(4);
    EXPECT_EQ(both.Size(), 4);
  }
  {
    TFileStream recreated(path, fmCreate);  // creating an existing file empties it
    EXPECT_EQ(recreated.Size(), 0);
  }
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST(StreamsTest, FileStreamErrorsNameTheFile) {
  TempDir dir;
  const String missing = dir.File("missing.bin");
  try {
    TFileStream stream(missing, fmOpenRead);
    FAIL() << "opening a missing file did not raise";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message().rfind("Cannot open file \"" + missing + "\". ", 0), 0u) << e.Message();
  }
  EXPECT_THROW(TFileStream(dir.File("no/such/dir.bin"), fmCreate), EFCreateError);
  EXPECT_THROW(TFileStream(dir.Path().string(), fmOpenRead), EFOpenError);
  EXPECT_FALSE(std::filesystem::exists(missing));

  TMemoryStream stream;
  EXPECT_THROW(stream.LoadFromFile(missing), EFOpenError);
  WriteText(stream, "saved");
  stream.SaveToFile(dir.File("saved.bin"));
  TMemoryStream loaded;
  loaded.LoadFromFile(dir.File("saved.bin"));
  EXPECT_EQ(loaded.Position(), 0);
  EXPECT_EQ(ReadAll(loaded), "saved");
}

}  // namespace
