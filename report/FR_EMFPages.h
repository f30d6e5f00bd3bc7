// TfrEMFPages, the prepared pages of a report: per page its paper, margins and geometry, the stream
// of object records that building wrote into it, and a page object rebuilt from that stream only
// while the page is drawn or looked into (FR_EMFPages.cpp the list and its streams,
// FR_EMFPagesDraw.cpp drawing and finding the object under a point, FR_EMFPagesFile.cpp the
// prepared-report file and exporting a page).
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "controls/ControlTypes.h"
#include "graphics/Canvas.h"
#include "report/FR_Page.h"
#include "rtl/Streams.h"

class TfrReport;

// A prepared-report file whose pages are compressed, which this program cannot read.
QUORIN_EXCEPTION(ECompressedFile, EReadError);

struct TfrPreparedPage {
  TRect PreviewRect;  // where the preview shows the page
  uint16_t Size = 0;
  int Width = 0, Height = 0;  // tenths of a millimetre
  uint8_t Orientation = 0;
  int PaperBin = 0;
  uint8_t StretchToPrintable = 0;
  int Margins[4] = {0, 0, 0, 0};  // left, top, right, bottom in page pixels
  TfrPrnInfo PrnInfo;
  // The preview shows the page; drawing a page out of view frees its rebuilt page.
  bool Visible = true;
  TMemoryStream Stream;
  std::unique_ptr<TfrPage> Page;
};

class TfrEMFPages {
 public:
  explicit TfrEMFPages(TfrReport* AParent) : FParent(AParent) {}
  TfrEMFPages(const TfrEMFPages&) = delete;
  TfrEMFPages& operator=(const TfrEMFPages&) = delete;

  int Count() const { return int(FPages.size()); }
  TfrPreparedPage& Pages(int Index) const { return *FPages.at(size_t(Index)); }
  void Clear() { FPages.clear(); }
  void Delete(int Index);
  // A page at Index (appended when Index is not below the count) with the template page's paper,
  // margins and geometry and a stream holding only the version byte.
  void Insert(int Index, const TfrPage& Page);
  // Appends, then fires the report's OnBeginPage, and the root report's when that is another.
  void Add(const TfrPage& Page);

  // The page object made from the page's stream (its objects read as prepared-page records).
  void RebuildPage(int Index);
  // The page object's objects written back into the stream.
  void StorePage(int Index);

  // Draws page Index into Rect: scaled from the page's size in engine units, objects outside the
  // canvas's clip region (widened by 10 pixels) skipped except on a printer or a recording canvas.
  // A page not Visible only loses its rebuilt page.
  void Draw(int Index, TCanvas* Canvas, const TRect& Rect);
  // The object of the page under Point (page pixels as the preview places them), the last of
  // overlapping ones; fires the report's OnObjectClick with Click, else OnMouseOverObject.
  bool ObjectAt(int Index, TPoint Point, bool Click, TCursor& Cursor);
  // Reads page Index's objects one by one and hands each to its ExportData.
  void ExportPage(int Index);

  // The prepared-report file (".frp"). Positions in it count from its first byte. Loading reads
  // the new format, the old one without a version byte and the still older one whose pages are
  // metafiles; the pages are replaced only when the whole file could be read: a file that ends
  // early, points outside itself or holds a page that cannot be read raises EReadError (a
  // compressed one ECompressedFile) and leaves the pages as they were.
  void PreparedSaveToStream(TStream& Stream);
  void PreparedLoadFromStream(TStream& Stream);
  // The same from a file; a path that cannot be opened for reading (a folder among them) raises
  // EFOpenError with the message of a damaged file.
  void PreparedLoadFromFile(const String& FileName);

 private:
  // Reads a page's object stream from its start, handing each object on as it is read.
  static void ReadObjects(TMemoryStream& Stream, const std::function<void(std::unique_ptr<TfrView>)>& Take);
  void ReadFile(TStream& Stream);
  void ReadPages(TStream& Stream, int Version, bool Compressed);
  void ReadOldPages(TStream& Stream);
  // A record of the printer layer's paper taken from the record's own.
  void FillGeometry(TfrPreparedPage& Record);

  TfrReport* FParent;
  std::vector<std::unique_ptr<TfrPreparedPage>> FPages;
};
