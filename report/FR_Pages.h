// TfrPages, the pages of a report template, and the template container that holds them in a
// stream: the report's two flags and printer, every page record, every object record led by its
// type and page, and the data dictionary. Reading skips what it cannot make of one object; any
// other fault raises, for the report to show.
#pragma once

#include <memory>
#include <vector>

#include "report/FR_Page.h"

class TfrReport;

class TfrPages {
 public:
  explicit TfrPages(TfrReport* AParent) : FParent(AParent) {}
  TfrPages(const TfrPages&) = delete;
  TfrPages& operator=(const TfrPages&) = delete;

  int Count() const { return int(FPages.size()); }
  TfrPage& Pages(int Index) const { return *FPages.at(size_t(Index)); }
  // A report page with the printer layer's default paper.
  TfrPage& Add();
  void Clear() { FPages.clear(); }

  // After the version byte, which the report reads and writes. Reading raises EClassNotFound with
  // the names of the add-in classes it could not make (each followed by a carriage return) after
  // reading everything else, and other exceptions for a stream it cannot read.
  void PagesLoadFromStream(TStream& Stream);
  void PagesSaveToStream(TStream& Stream) const;

  // Draws every object with a band alignment once on the scratch canvas, which aligns it.
  void AlignObjects();

 private:
  void ReadObject(TStream& Stream, uint8_t TypeCode);
  void WriteObjects(TStream& Stream) const;

  TfrReport* FParent;
  std::vector<std::unique_ptr<TfrPage>> FPages;
};
