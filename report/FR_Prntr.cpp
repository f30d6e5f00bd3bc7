// The printer layer's virtual printer: the paper table, its settings and page geometry.
#include "report/FR_Prntr.h"

#include <cstdlib>

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
  FBinNames = {frLoadStr(55435)};
  ReadVirtualSettings();
}

void TfrPrinter::SetPrinterIndex(int Index) {
  if (Index < 0 || Index >= int(FPrinters.size()) || Index == FPrinterIndex) return;
  FPrinterIndex = Index;
  Update();
}

void TfrPrinter::Update() { ReadVirtualSettings(); }

void TfrPrinter::ReadVirtualSettings() {
  FPaperCodes.clear();
  FPaperNames.clear();
  const std::vector<TfrPaperSize>& sizes = frPaperSizes();
  for (size_t i = 0; i < sizes.size(); ++i) {
    FPaperCodes.push_back(sizes[i].Code);
    FPaperNames.push_back(frLoadStr(55008 + int(i)));
    if (FPaperSize == sizes[i].Code && FPaperSize != frCustomPaper) {
      FPaperWidth = FOrientation == 0 ? sizes[i].Width : sizes[i].Height;
      FPaperHeight = FOrientation == 0 ? sizes[i].Height : sizes[i].Width;
    }
  }
}

void TfrPrinter::SetPrinterInfo(int APaperSize, int AWidth, int AHeight, int AOrientation, int ABin, bool Force) {
  if (!Force && IsEqual(APaperSize, AWidth, AHeight, AOrientation, ABin)) return;
  FPaperSize = APaperSize;
  FPaperWidth = AWidth;
  FPaperHeight = AHeight;
  FOrientation = AOrientation;
  FBin = ABin;
  ReadVirtualSettings();
}

bool TfrPrinter::IsEqual(int APaperSize, int AWidth, int AHeight, int AOrientation, int ABin) const {
  if (APaperSize == frCustomPaper && FPaperSize == frCustomPaper)
    return std::abs(AWidth - FPaperWidth) <= 1 && std::abs(AHeight - FPaperHeight) <= 1 && AOrientation == FOrientation;
  return APaperSize == FPaperSize && AOrientation == FOrientation &&
         ((ABin & 0xFFFF) == frDefaultBin || ABin == FBin);
}

void TfrPrinter::FillPrnInfo(TfrPrnInfo& Info) const {
  auto units = [](double tenths) { return int(Round(tenths * frUnitsPerInch / 254)); };
  Info = TfrPrnInfo();
  Info.PageWidth = units(FPaperWidth);
  Info.PageHeight = units(FPaperHeight);
  Info.OffsetX = Info.OffsetY = units(50);
  Info.PrintableWidth = Info.PageWidth - 2 * Info.OffsetX;
  Info.PrintableHeight = Info.PageHeight - 2 * Info.OffsetY;
}

TfrPrinter& frPrinter() {
  static TfrPrinter printer;
  return printer;
}
