// TPrinter: the system's printers (or a PDF file) as a document of pages with a canvas at the
// printer's resolution. The caller chooses the paper in millimetres (or by a standard name) and
// the orientation; copies beyond the printer's own count, collation and page ranges are the
// caller's business.
#pragma once

#include <memory>
#include <vector>

#include "graphics/Canvas.h"
#include "rtl/Exceptions.h"

QUORIN_EXCEPTION(EPrinter, Exception);

enum TPrinterOrientation { poPortrait, poLandscape };

class TPrinter {
 public:
  TPrinter();
  ~TPrinter();
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  // The installed printers by name (empty when none is installed) and the chosen one: -1 is
  // the system's default printer.
  const std::vector<String>& Printers() const { return FPrinters; }
  int PrinterIndex() const { return FPrinterIndex; }
  void SetPrinterIndex(int Value);
  // Reads the list of installed printers again; the choice goes back to the default printer.
  void Refresh();
  // A file name sends the document to that PDF file instead of a printer; empty prints.
  const String& OutputFileName() const { return FOutputFileName; }
  void SetOutputFileName(const String& Value);

  // Paper as it lies in portrait orientation, in millimetres. A change while printing applies
  // from the next page.
  double PaperWidthMM() const { return FPaperWidthMM; }
  double PaperHeightMM() const { return FPaperHeightMM; }
  void SetPaperSizeMM(double Width, double Height);
  // A standard paper by its name ("A4", "Letter"); EPrinter for a name that is none.
  void SetPaperName(const String& Name);
  TPrinterOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TPrinterOrientation Value);
  // The printer's own copy count (1 unless the caller leaves copies to the printer).
  int Copies() const { return FCopies; }
  void SetCopies(int Value);
  // Whether the printer makes the copies itself; a PDF file holds one, so its caller repeats pages.
  bool SupportsMultipleCopies() const;
  // The job's name in the print queue, and the title of a PDF file.
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }

  void BeginDoc();
  void NewPage();
  void EndDoc();
  // Cancels the job: nothing more is printed and EndDoc is not needed.
  void Abort();
  bool Printing() const { return FPrinting; }
  bool Aborted() const { return FAborted; }
  // The page being drawn, from 1.
  int PageNumber() const { return FPageNumber; }

  // Draws on the current page; (0, 0) is the corner of the printable area, one unit a device
  // pixel. Only while printing.
  TCanvas* Canvas();
  // The printable area and the whole sheet in device pixels, the printable area's offset on the
  // sheet, and the resolution in pixels per inch; known before printing starts as well.
  int PageWidth() const;
  int PageHeight() const;
  int PhysicalWidth() const;
  int PhysicalHeight() const;
  int OffsetX() const;
  int OffsetY() const;
  int XDpi() const;
  int YDpi() const;

 private:
  struct TData;
  void ApplySettings();
  void AttachPage();
  void CheckPrinting(bool Wanted) const;

  std::unique_ptr<TData> FData;
  std::vector<String> FPrinters;
  int FPrinterIndex = -1;
  String FOutputFileName;
  double FPaperWidthMM = 210;
  double FPaperHeightMM = 297;
  TPrinterOrientation FOrientation = poPortrait;
  int FCopies = 1;
  String FTitle;
  bool FPrinting = false;
  bool FAborted = false;
  int FPageNumber = 0;
  std::unique_ptr<TCanvas> FCanvas;
};

// The program's printer, made on first use.
TPrinter* Printer();
