// Byte streams over memory and over POSIX files (see Streams.h).
#include "rtl/Streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr int kCopyChunk = 64 * 1024;

int64_t SeekTarget(int64_t offset, TSeekOrigin origin, int64_t position, int64_t size) {
  switch (origin) {
    case soBeginning: return offset;
    case soCurrent: return position + offset;
    case soEnd: return size + offset;
  }
  return position;
}

String SystemReason(int error) { return std::strerror(error); }

}  // namespace

// --- TStream ------------------------------------------------------------------------------------

int64_t TStream::Size() {
  const int64_t position = Seek(0, soCurrent);
  const int64_t size = Seek(0, soEnd);
  Seek(position, soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, int count) {
  if (count > 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int count) {
  if (count > 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::vector<uint8_t> chunk(size_t(std::min<int64_t>(std::max<int64_t>(count, 0), kCopyChunk)));
  for (int64_t left = count; left > 0;) {
    const int n = int(std::min<int64_t>(left, kCopyChunk));
    source.ReadBuffer(chunk.data(), n);
    WriteBuffer(chunk.data(), n);
    left -= n;
  }
  return std::max<int64_t>(count, 0);
}

// --- memory streams -----------------------------------------------------------------------------

int TCustomMemoryStream::Read(void* buffer, int count) {
  if (count <= 0 || FPosition < 0 || FPosition >= FSize) return 0;
  const int n = int(std::min<int64_t>(count, FSize - FPosition));
  std::memcpy(buffer, FMemory + FPosition, size_t(n));
  FPosition += n;
  return n;
}

int64_t TCustomMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  FPosition = SeekTarget(offset, origin, FPosition, FSize);
  return FPosition;
}

void TCustomMemoryStream::SetPointer(uint8_t* memory, int64_t size) {
  FMemory = memory;
  FSize = size;
}

void TCustomMemoryStream::SaveToStream(TStream& stream) {
  int64_t done = 0;
  while (done < FSize) {
    const int n = int(std::min<int64_t>(FSize - done, kCopyChunk));
    stream.WriteBuffer(FMemory + done, n);
    done += n;
  }
}

void TCustomMemoryStream::SaveToFile(const String& fileName) {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}

int TMemoryStream::Write(const void* buffer, int count) {
  const int64_t position = CurrentPosition();
  if (count <= 0 || position < 0) return 0;
  if (position + count > Size()) SetSize(position + count);
  std::memcpy(Memory() + position, buffer, size_t(count));
  Seek(position + count, soBeginning);
  return count;
}

void TMemoryStream::SetSize(int64_t size) {
  size = std::max<int64_t>(size, 0);
  const int64_t position = CurrentPosition();
  FData.resize(size_t(size), 0);
  SetPointer(FData.data(), size);
  if (position > size) Seek(0, soEnd);
}

void TMemoryStream::Clear() {
  FData.clear();
  SetPointer(FData.data(), 0);
  Seek(0, soBeginning);
}

void TMemoryStream::LoadFromStream(TStream& stream) {
  stream.SetPosition(0);
  const int64_t size = stream.Size();
  SetSize(size);
  int64_t done = 0;
  while (done < size) {
    const int n = int(std::min<int64_t>(size - done, kCopyChunk));
    stream.ReadBuffer(Memory() + done, n);
    done += n;
  }
  Seek(0, soBeginning);
}

void TMemoryStream::LoadFromFile(const String& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

// --- file stream --------------------------------------------------------------------------------

TFileStream::TFileStream(const String& fileName, uint16_t mode) : FFileName(fileName) {
  const bool create = (mode & fmCreate) == fmCreate;
  int flags = O_CLOEXEC;
  if (create) {
    flags |= O_RDWR | O_CREAT | O_TRUNC;
  } else {
    const int access = mode & 0x3;
    flags |= access == fmOpenWrite ? O_WRONLY : access == fmOpenReadWrite ? O_RDWR : O_RDONLY;
  }
  FHandle = ::open(fileName.c_str(), flags, 0666);
  int error = errno;
  struct stat info {};
  if (FHandle >= 0 && ::fstat(FHandle, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(FHandle);
    FHandle = -1;
    error = EISDIR;
  }
  if (FHandle >= 0) return;
  if (create) throw EFCreateError("Cannot create file \"" + fileName + "\". " + SystemReason(error));
  throw EFOpenError("Cannot open file \"" + fileName + "\". " + SystemReason(error));
}

TFileStream::~TFileStream() { ::close(FHandle); }

int TFileStream::Read(void* buffer, int count) {
  int done = 0;
  while (done < count) {
    const ssize_t n = ::read(FHandle, static_cast<char*>(buffer) + done, size_t(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += int(n);
  }
  return done;
}

int TFileStream::Write(const void* buffer, int count) {
  int done = 0;
  while (done < count) {
    const ssize_t n = ::write(FHandle, static_cast<const char*>(buffer) + done, size_t(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += int(n);
  }
  return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
  return ::lseek(FHandle, off_t(offset), whence);
}

void TFileStream::SetSize(int64_t size) {
  if (::ftruncate(FHandle, off_t(size)) != 0)
    throw EStreamError("Cannot set the size of \"" + FFileName + "\". " + SystemReason(errno));
  if (Position() > size) Seek(0, soEnd);
}
