// Byte streams: the abstract TStream with its buffer routines that raise at the end of the data,
// memory streams (owning their bytes or laid over someone else's) and file streams.
#pragma once

#include <cstdint>
#include <vector>

#include "rtl/Exceptions.h"
#include "rtl/Object.h"

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
 public:
  // Reads or writes up to count bytes at the position and advances it; answers the number of
  // bytes moved, which is short at the end of the data or on a failure.
  virtual int Read(void* buffer, int count) = 0;
  virtual int Write(const void* buffer, int count) = 0;
  // Answers the new position.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t position) { Seek(position, soBeginning); }
  virtual int64_t Size();
  // Streams of a fixed size ignore a new size.
  virtual void SetSize(int64_t /*size*/) {}

  // Exactly count bytes, or EReadError "Stream read error" / EWriteError "Stream write error".
  void ReadBuffer(void* buffer, int count);
  void WriteBuffer(const void* buffer, int count);
  // Copies count bytes from the source's position; a count of 0 copies the whole source from its
  // start. Answers the number of bytes copied; a short source raises EReadError.
  int64_t CopyFrom(TStream& source, int64_t count);
};

// A stream over a block of memory that it reads but does not manage; the position may be set past
// the end, where reads answer nothing.
class TCustomMemoryStream : public TStream {
 public:
  int Read(void* buffer, int count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return FSize; }

  uint8_t* Memory() { return FMemory; }
  const uint8_t* Memory() const { return FMemory; }
  // The whole content, whatever the position.
  void SaveToStream(TStream& stream);
  void SaveToFile(const String& fileName);

 protected:
  void SetPointer(uint8_t* memory, int64_t size);
  int64_t CurrentPosition() const { return FPosition; }

 private:
  uint8_t* FMemory = nullptr;
  int64_t FSize = 0;
  int64_t FPosition = 0;
};

// A memory stream owning its growing buffer. A write past the end fills the gap with zeros.
class TMemoryStream : public TCustomMemoryStream {
 public:
  int Write(const void* buffer, int count) override;
  void SetSize(int64_t size) override;
  void Clear();
  // Replace the content with the whole of the other stream or file; the position goes to 0.
  void LoadFromStream(TStream& stream);
  void LoadFromFile(const String& fileName);

 private:
  std::vector<uint8_t> FData;
};

// Open modes of TFileStream: fmCreate makes or empties the file for reading and writing; the
// others open an existing file. The share flags are accepted for the callers' sake; the system
// has no share locks, so they change nothing.
enum : uint16_t {
  fmOpenRead = 0x0000,
  fmOpenWrite = 0x0001,
  fmOpenReadWrite = 0x0002,
  fmShareExclusive = 0x0010,
  fmShareDenyWrite = 0x0020,
  fmShareDenyNone = 0x0040,
  fmCreate = 0xFF00,
};

// A stream over a file on disk. A file that cannot be opened raises EFOpenError, one that cannot
// be created EFCreateError, both with the file name and the system's reason.
class TFileStream : public TStream {
 public:
  TFileStream(const String& fileName, uint16_t mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  int Read(void* buffer, int count) override;
  int Write(const void* buffer, int count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t size) override;
  const String& FileName() const { return FFileName; }

 private:
  String FFileName;
  int FHandle = -1;
};
