// The prepared-report file: the pages with their paper and object streams written and read back,
// files of older writers read too, and a page's objects handed to an export filter one by one.
#include "report/FR_EMFPages.h"

#include "graphics/Metafile.h"
#include "report/FR_Class.h"
#include "report/FR_Factory.h"
#include "report/FR_Globals.h"
#include "report/FR_Limits.h"
#include "report/FR_Picture.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"

namespace {

const char* const DamagedFileMessage = "报表文件已损坏，无法打开。";

// Files of this version and later ones up to 31 carry a version byte; a first byte outside that
// range is already the compressed flag.
constexpr int frFirstVersionByte = 24;
constexpr int frLastVersionByte = 31;

// The next position of a page block: after the block's own start and within the file, so that
// reading always moves forward and never past the end.
int32_t ReadNextPosition(TStream& Stream) {
  const int64_t start = Stream.Position();
  const int32_t next = frReadInteger(Stream);
  if (next <= start || next > Stream.Size()) throw EReadError(DamagedFileMessage);
  return next;
}

int32_t ReadPageCount(TStream& Stream) {
  const int32_t count = frReadInteger(Stream);
  if (count < 0) throw EReadError(DamagedFileMessage);
  return count;
}

// A page block up to its objects: the position of the next block and the paper. Files before
// version 24, and the metafile files, hold no bin and no margins.
std::unique_ptr<TfrPreparedPage> ReadPageHeader(TStream& Stream, bool BinAndMargins, int32_t& Next) {
  Next = ReadNextPosition(Stream);
  auto record = std::make_unique<TfrPreparedPage>();
  record->Size = frReadWord(Stream);
  record->Width = frReadPaperTenths(Stream);
  record->Height = frReadPaperTenths(Stream);
  record->Orientation = frReadByte(Stream);
  record->PaperBin = BinAndMargins ? frReadInteger(Stream) : -1;
  record->StretchToPrintable = frReadByte(Stream);
  if (BinAndMargins)
    for (int& margin : record->Margins) margin = frReadCoordinate(Stream);
  if (Stream.Position() > Next) throw EReadError(DamagedFileMessage);
  return record;
}

}  // namespace

void TfrEMFPages::ExportPage(int Index) {
  ReadObjects(Pages(Index).Stream, [](std::unique_ptr<TfrView> view) { view->ExportData(); });
}

void TfrEMFPages::PreparedSaveToStream(TStream& Stream) {
  TMemoryStream buffer;
  TfrCompressor& compressor = frCompressor();
  frWriteByte(buffer, uint8_t(frCurrentVersion));
  frWriteByte(buffer, compressor.IsActive() ? 1 : 0);
  const TfrPrinter& printer = frPrinter();
  frWriteString(buffer, printer.Printers()[size_t(printer.PrinterIndex())]);
  frWriteInteger(buffer, Count());
  for (const auto& record : FPages) {
    const int64_t next = frWritePlaceholder(buffer);
    frWriteWord(buffer, record->Size);
    frWriteInteger(buffer, record->Width);
    frWriteInteger(buffer, record->Height);
    frWriteByte(buffer, record->Orientation);
    frWriteInteger(buffer, record->PaperBin);
    frWriteByte(buffer, record->StretchToPrintable);
    for (int margin : record->Margins) frWriteInteger(buffer, margin);
    record->Stream.SetPosition(0);
    if (compressor.IsActive()) {
      compressor.Compress(record->Stream, buffer);
    } else {
      buffer.CopyFrom(record->Stream, record->Stream.Size());
    }
    frPatchPosition(buffer, next);
  }
  buffer.SaveToStream(Stream);
}

void TfrEMFPages::PreparedLoadFromStream(TStream& Stream) {
  TMemoryStream buffer;
  const int64_t length = Stream.Size() - Stream.Position();
  if (length > 0) buffer.CopyFrom(Stream, length);
  buffer.SetPosition(0);
  TfrRestore<int> fileVersion(frState().FileVersion);
  TfrEMFPages loaded(FParent);
  try {
    loaded.ReadFile(buffer);
  } catch (const ECompressedFile&) {
    throw;
  } catch (const Exception&) {
    // Whatever went wrong inside, the user is told the one thing that matters.
    throw EReadError(DamagedFileMessage);
  }
  FPages.swap(loaded.FPages);
}

void TfrEMFPages::PreparedLoadFromFile(const String& FileName) {
  std::unique_ptr<TFileStream> file;
  try {
    file = std::make_unique<TFileStream>(FileName, fmOpenRead | fmShareDenyWrite);
  } catch (const EFOpenError&) {
    throw EFOpenError(DamagedFileMessage);
  }
  PreparedLoadFromStream(*file);
}

void TfrEMFPages::ReadFile(TStream& Stream) {
  TfrEngineState& state = frState();
  int version = frReadByte(Stream);
  if (version < frFirstVersionByte || version > frLastVersionByte) {
    version = 0;
    Stream.SetPosition(0);
  }
  const uint8_t compressed = frReadByte(Stream);
  if (compressed >= 2 && compressed <= 254) {
    Stream.SetPosition(0);
    state.FileVersion = 0;
    ReadOldPages(Stream);
  } else {
    // Without a decompressor a compressed page would read as an empty one.
    if (compressed != 0 && !frCompressor().IsActive()) throw ECompressedFile("报表文件是压缩保存的，无法打开。");
    state.FileVersion = version;
    ReadPages(Stream, version, compressed != 0);
  }
  // Every page must read as objects, so that a damaged file is refused here and not when drawn.
  for (int i = 0; i < Count(); ++i) {
    RebuildPage(i);
    Pages(i).Page.reset();
  }
}

void TfrEMFPages::ReadPages(TStream& Stream, int Version, bool Compressed) {
  const String printerName = ReadVersionedString(Stream);
  if (FParent) FParent->SetPrinterTo(printerName);
  const int32_t count = ReadPageCount(Stream);
  for (int32_t i = 0; i < count; ++i) {
    int32_t next = 0;
    auto record = ReadPageHeader(Stream, Version > 23, next);
    TMemoryStream objects;
    objects.CopyFrom(Stream, next - Stream.Position());
    objects.SetPosition(0);
    if (Compressed) {
      frCompressor().Decompress(objects, record->Stream);
    } else {
      record->Stream.LoadFromStream(objects);
    }
    FillGeometry(*record);
    FPages.push_back(std::move(record));
  }
}

void TfrEMFPages::ReadOldPages(TStream& Stream) {
  TStringList header;
  frReadOldMemo(Stream, header);
  if (header.Count() > 0 && FParent) FParent->SetPrinterTo(header[0]);
  const int32_t count = ReadPageCount(Stream);
  for (int32_t i = 0; i < count; ++i) {
    int32_t next = 0;
    auto record = ReadPageHeader(Stream, false, next);
    FillGeometry(*record);
    // The page was a metafile: it becomes one picture over the whole page.
    TBytes data(size_t(next - Stream.Position()));
    if (!data.empty()) Stream.ReadBuffer(data.data(), int(data.size()));
    TfrPictureView picture;
    picture.SetBounds(0, 0, record->PrnInfo.PageWidth, record->PrnInfo.PageHeight);
    picture.Picture.Metafile()->LoadFromBytes(data);
    frWriteByte(record->Stream, uint8_t(frCurrentVersion));
    picture.WriteToPreparedPage(record->Stream);
    FPages.push_back(std::move(record));
  }
}

void TfrEMFPages::FillGeometry(TfrPreparedPage& Record) {
  TfrPrinter& printer = frPrinter();
  printer.SetPrinterInfo(Record.Size, Record.Width, Record.Height, Record.Orientation, Record.PaperBin, false);
  printer.FillPrnInfo(Record.PrnInfo);
}
