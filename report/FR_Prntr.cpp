// The printer layer: the paper table, the virtual printer and the platform's printers behind it,
// their settings and page geometry.
#include "report/FR_Prntr.h"

#include <algorithm>
#include <cstdlib>

#include "controls/Dialogs.h"
#include "printing/Printers.h"
#include "report/FR_Const.h"
#include "rtl/Arith.h"

const std::vector<TfrPaperSize>& frPaperSizes() {
  static const std::vector<TfrPaperSize> sizes = {
      {1, 2159, 2794}, {2, 2159, 2794}, {3, 2794, 4318}, {4, 4318, 2794}, {5, 2159, 3556}, {6, 1397, 2159},
      {7, 1842, 2667}, {8, 2970, 4200}, {9, 2100, 2970}, {10, 2100, 2970}, {11, 1480, 2100}, {12, 2500, 3540},
      {13, 1820, 2570}, {14, 2159, 3302}, {15, 2150, 2750}, {16, 2540, 3556}, {17, 2794, 4318}, {18, 2159, 2794},
      {19, 984, 2254}, {20, 1048, 2413}, {21, 1143, 2635}, {22, 1207, 2794}, {23, 1270, 2921}, {24, 4318, 5588},
      {25, 5588, 8636}, {26, 8636, 11176}, {27, 1100, 2200}, {28, 1620, 2290}, {29, 3240, 4580}, {30, 2290, 3240},
      {31, 1140, 1620}, {32, 1140, 2290}, {33, 2500, 3530}, {34, 1760, 2500}, {35, 1760, 1250}, {36, 1100, 2300},
      {37, 984, 1905}, {38, 920, 1651}, {39, 3778, 2794}, {40, 2159, 3048}, {41, 2159, 3302}, {42, 2500, 3530},
      {43, 1000, 1480}, {44, 2286, 2794}, {45, 2540, 2794}, {46, 3810, 2794}, {47, 2200, 2200}, {50, 2355, 3048},
      {51, 2355, 3810}, {52, 2969, 4572}, {53, 2354, 3223}, {54, 2101, 2794}, {55, 2100, 2970}, {56, 2355, 3048},
      {57, 2270, 3560}, {58, 3050, 4870}, {59, 2159, 3223}, {60, 2100, 3300}, {61, 1480, 2100}, {62, 1820, 2570},
      {63, 3220, 4450}, {64, 1740, 2350}, {65, 2010, 2760}, {66, 4200, 5940}, {67, 2970, 4200}, {68, 3220, 4450},
      {frCustomPaper, 0, 0},
  };
  return sizes;
}

TfrPrinter::TfrPrinter() : FPrinters{frLoadStr(55007)} {
  FBinCodes = {frDefaultBin};
  ReadVirtualSettings();
}

void TfrPrinter::SetPrinter(TPrinter* APrinter) {
  if (APrinter == FPlatform) return;
  FPlatform = APrinter;
  FPrinters.clear();
  FPrinterIndex = 0;
  if (FPlatform) {
    FPrinters = FPlatform->Printers();
    // The platform's default printer (-1) is the first of the layer's.
    if (!FPrinters.empty()) FPrinterIndex = std::max(0, FPlatform->PrinterIndex());
  }
  FPrinters.push_back(frLoadStr(55007));
  Update();
}

void TfrPrinter::SetPrinterIndex(int Index) {
  if (Index < 0 || Index >= int(FPrinters.size()) || Index == FPrinterIndex) return;
  FPrinterIndex = Index;
  if (!IsVirtual()) FPlatform->SetPrinterIndex(Index);
  Update();
}

void TfrPrinter::Update() {
  if (IsVirtual()) {
    ReadVirtualSettings();
  } else {
    ReadRealSettings();
  }
}

void TfrPrinter::ReadVirtualSettings() {
  FillPaperList();
  for (const TfrPaperSize& size : frPaperSizes())
    if (FPaperSize == size.Code && FPaperSize != frCustomPaper) {
      FPaperWidth = FOrientation == 0 ? size.Width : size.Height;
      FPaperHeight = FOrientation == 0 ? size.Height : size.Width;
    }
}

// Both printers offer the table's papers: the platform lists none of its own.
void TfrPrinter::FillPaperList() {
  FPaperCodes.clear();
  FPaperNames.clear();
  const std::vector<TfrPaperSize>& sizes = frPaperSizes();
  for (size_t i = 0; i < sizes.size(); ++i) {
    FPaperCodes.push_back(sizes[i].Code);
    FPaperNames.push_back(frLoadStr(55008 + int(i)));
  }
}

// The platform knows its paper in millimetres: the code is the table's row of that size, or the
// custom size.
void TfrPrinter::ReadRealSettings() {
  FOrientation = FPlatform->Orientation() == poLandscape ? 1 : 0;
  FPaperWidth = int(Round(FPlatform->PhysicalWidth() * 254.0 / FPlatform->XDpi()));
  FPaperHeight = int(Round(FPlatform->PhysicalHeight() * 254.0 / FPlatform->YDpi()));
  FillPaperList();
  FPaperSize = FOrientation == 0 ? frPaperCodeOfSize(FPaperWidth, FPaperHeight) : frPaperCodeOfSize(FPaperHeight, FPaperWidth);
}

void TfrPrinter::WriteSettings() {
  if (IsVirtual()) ReadVirtualSettings();
  if (!FPlatform || FPaperWidth <= 0 || FPaperHeight <= 0) return;
  const int portraitWidth = FOrientation == 0 ? FPaperWidth : FPaperHeight;
  const int portraitHeight = FOrientation == 0 ? FPaperHeight : FPaperWidth;
  FPlatform->SetPaperSizeMM(portraitWidth / 10.0, portraitHeight / 10.0);
  FPlatform->SetOrientation(FOrientation == 0 ? poPortrait : poLandscape);
  if (!FPlatform->Printing()) FPlatform->SetCopies(1);
  if (!IsVirtual()) ReadRealSettings();
}

void TfrPrinter::SetPrinterInfo(int APaperSize, int AWidth, int AHeight, int AOrientation, int ABin, bool Force) {
  if (!Force && IsEqual(APaperSize, AWidth, AHeight, AOrientation, ABin)) return;
  FPaperSize = APaperSize;
  FPaperWidth = AWidth;
  FPaperHeight = AHeight;
  FOrientation = AOrientation;
  FBin = ABin;
  WriteSettings();
}

bool TfrPrinter::IsEqual(int APaperSize, int AWidth, int AHeight, int AOrientation, int ABin) const {
  if (APaperSize == frCustomPaper && FPaperSize == frCustomPaper)
    return std::abs(AWidth - FPaperWidth) <= 1 && std::abs(AHeight - FPaperHeight) <= 1 && AOrientation == FOrientation;
  return APaperSize == FPaperSize && AOrientation == FOrientation &&
         ((ABin & 0xFFFF) == frDefaultBin || ABin == FBin);
}

void TfrPrinter::FillPrnInfo(TfrPrnInfo& Info) const {
  Info = TfrPrnInfo();
  if (!IsVirtual()) {
    const double kx = frUnitsPerInch / FPlatform->XDpi(), ky = frUnitsPerInch / FPlatform->YDpi();
    auto units = [](int device, double k) { return int(Round(device * k)); };
    Info.PageWidthDevice = FPlatform->PhysicalWidth();
    Info.PageHeightDevice = FPlatform->PhysicalHeight();
    Info.OffsetXDevice = FPlatform->OffsetX();
    Info.OffsetYDevice = FPlatform->OffsetY();
    Info.PrintableWidthDevice = FPlatform->PageWidth();
    Info.PrintableHeightDevice = FPlatform->PageHeight();
    Info.PageWidth = units(Info.PageWidthDevice, kx);
    Info.PageHeight = units(Info.PageHeightDevice, ky);
    Info.OffsetX = units(Info.OffsetXDevice, kx);
    Info.OffsetY = units(Info.OffsetYDevice, ky);
    Info.PrintableWidth = units(Info.PrintableWidthDevice, kx);
    Info.PrintableHeight = units(Info.PrintableHeightDevice, ky);
    return;
  }
  auto units = [](double tenths, double perInch) { return int(Round(tenths * perInch / 254)); };
  Info.PageWidth = units(FPaperWidth, frUnitsPerInch);
  Info.PageHeight = units(FPaperHeight, frUnitsPerInch);
  Info.OffsetX = Info.OffsetY = units(50, frUnitsPerInch);
  Info.PrintableWidth = Info.PageWidth - 2 * Info.OffsetX;
  Info.PrintableHeight = Info.PageHeight - 2 * Info.OffsetY;
  if (FPlatform && FPlatform->Printing()) {
    Info.PageWidthDevice = units(FPaperWidth, FPlatform->XDpi());
    Info.PageHeightDevice = units(FPaperHeight, FPlatform->YDpi());
    Info.OffsetXDevice = units(50, FPlatform->XDpi());
    Info.OffsetYDevice = units(50, FPlatform->YDpi());
    Info.PrintableWidthDevice = Info.PageWidthDevice - 2 * Info.OffsetXDevice;
    Info.PrintableHeightDevice = Info.PageHeightDevice - 2 * Info.OffsetYDevice;
  }
}

bool TfrPrinter::PropertiesDlg() {
  TPrinterSetupRequest request;
  request.Printers = {FPrinters[size_t(FPrinterIndex)]};
  request.PrinterIndex = 0;
  request.Landscape = FOrientation == 1;
  request.PaperWidthMM = (FOrientation == 0 ? FPaperWidth : FPaperHeight) / 10.0;
  request.PaperHeightMM = (FOrientation == 0 ? FPaperHeight : FPaperWidth) / 10.0;
  if (!DialogService().PrinterSetupDialog(request)) return false;
  const int width = int(Round(request.PaperWidthMM * 10)), height = int(Round(request.PaperHeightMM * 10));
  const int code = frPaperCodeOfSize(width, height);
  const int orientation = request.Landscape ? 1 : 0;
  SetPrinterInfo(code, orientation ? height : width, orientation ? width : height, orientation, FBin, true);
  return true;
}

int frPaperCodeOfSize(int Width, int Height) {
  for (const TfrPaperSize& size : frPaperSizes())
    if (size.Code != frCustomPaper && std::abs(size.Width - Width) <= 1 && std::abs(size.Height - Height) <= 1)
      return size.Code;
  return frCustomPaper;
}

TfrPrinter& frPrinter() {
  static TfrPrinter printer;
  return printer;
}
