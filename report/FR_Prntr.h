// TfrPrinter, the engine's printer layer over the platform's printer: the printers ending with the
// virtual printer, the current paper, and the page geometry in engine units (91.6256157635468 per
// inch); the virtual printer takes its 67 papers from the engine's table, leaves 5 millimetres
// unprintable on every side and prints into a PDF file.
#pragma once

#include <vector>

#include "rtl/Types.h"

class TPrinter;

// The engine's units per inch: positions and sizes of pages and objects are measured in them.
constexpr double frUnitsPerInch = 91.6256157635468;
// The paper code of a size given by width and height, and the bin that means the printer's own.
constexpr int frCustomPaper = 256;
// The paper new pages start with before their own is known: A4.
constexpr int frDefaultPaper = 9;
constexpr int frDefaultBin = 0xFFFF;

// The geometry of one page's paper: in device pixels (0 on the virtual printer) and in engine units.
struct TfrPrnInfo {
  int PageWidthDevice = 0, PageHeightDevice = 0;
  int PageWidth = 0, PageHeight = 0;
  int OffsetXDevice = 0, OffsetYDevice = 0;  // of the printable area
  int OffsetX = 0, OffsetY = 0;
  int PrintableWidthDevice = 0, PrintableHeightDevice = 0;
  int PrintableWidth = 0, PrintableHeight = 0;
};

struct TfrPaperSize {
  int Code;
  int Width, Height;  // tenths of a millimetre, portrait
};
// The 67 papers of the virtual printer, in order (the last is the custom size, 0 by 0).
const std::vector<TfrPaperSize>& frPaperSizes();

class TfrPrinter {
 public:
  TfrPrinter();

  // Binds the layer to the platform's printer: its printers come before the virtual printer and
  // its choice becomes the layer's. Until then the virtual printer is the only one; binding again
  // to the same printer changes nothing.
  void SetPrinter(TPrinter* APrinter);

  // The printer names; the last is the virtual printer, frLoadStr(55007) "虚拟打印机".
  const std::vector<String>& Printers() const { return FPrinters; }
  int PrinterIndex() const { return FPrinterIndex; }
  // Selects a printer and reads its settings; an index outside the list changes nothing.
  void SetPrinterIndex(int Index);
  int VirtualPrinterIndex() const { return int(FPrinters.size()) - 1; }
  bool IsVirtual() const { return FPrinterIndex == VirtualPrinterIndex(); }

  int PaperSize() const { return FPaperSize; }
  int PaperWidth() const { return FPaperWidth; }  // tenths of a millimetre, as the paper lies
  int PaperHeight() const { return FPaperHeight; }
  int Orientation() const { return FOrientation; }  // 0 portrait, 1 landscape
  int Bin() const { return FBin; }
  // The papers and bins of the current printer; the first bin is the printer's own (0xFFFF).
  const std::vector<int>& PaperCodes() const { return FPaperCodes; }
  const std::vector<String>& PaperNames() const { return FPaperNames; }
  const std::vector<int>& BinCodes() const { return FBinCodes; }

  // Takes a paper unless it equals the current one (Force takes it anyway), then writes it to the
  // printer: the virtual printer gives a tabled paper its size, turned for landscape.
  void SetPrinterInfo(int APaperSize, int AWidth, int AHeight, int AOrientation, int ABin, bool Force);
  // Custom sizes are equal within a tenth of a millimetre and the same orientation; others by
  // code and orientation, and by bin unless the given bin is the printer's own.
  bool IsEqual(int APaperSize, int AWidth, int AHeight, int AOrientation, int ABin) const;
  // The page geometry of the current paper. The virtual printer has no device pixels, except while
  // the platform's printer prints for it: then they are its paper at the platform's resolution.
  void FillPrnInfo(TfrPrnInfo& Info) const;
  // Reads the current printer's settings again.
  void Update();
  // The platform's printer-setup dialog over the current printer's paper and orientation; on OK
  // the choice is taken. Answers whether it was.
  bool PropertiesDlg();

  // The PDF file the virtual printer prints into; empty until one is chosen for a print.
  const String& OutputFileName() const { return FOutputFileName; }
  void SetOutputFileName(const String& Value) { FOutputFileName = Value; }

 private:
  void ReadVirtualSettings();
  void ReadRealSettings();
  void FillPaperList();
  // The paper to the platform's printer: the printer chosen, or the PDF writer of the virtual one.
  void WriteSettings();

  std::vector<String> FPrinters;
  int FPrinterIndex = 0;
  int FPaperSize = frDefaultPaper;
  int FPaperWidth = 0, FPaperHeight = 0;
  int FOrientation = 0;
  int FBin = frDefaultBin;
  std::vector<int> FPaperCodes;
  std::vector<String> FPaperNames;
  std::vector<int> FBinCodes;
  TPrinter* FPlatform = nullptr;
  String FOutputFileName;
};

// The table's paper of that portrait size (within a tenth of a millimetre), else frCustomPaper.
int frPaperCodeOfSize(int Width, int Height);

// The engine's one printer layer, made on first use.
TfrPrinter& frPrinter();
