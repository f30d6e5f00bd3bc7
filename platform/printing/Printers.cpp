// TPrinter over Qt's printer: a QPrinter in full-page mode (the canvas origin is moved to the
// printable area, as printer device contexts place it), and Qt's PDF output for files.
#include "printing/Printers.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <filesystem>

#include "graphics/CanvasQt.h"

struct TPrinter::TData {
  QPrinter Printer{QPrinter::HighResolution};
  QPainter Painter;

  // The sheet and the printable area (the printer's minimum margins) in device pixels.
  QRect FullRect() const { return Printer.pageLayout().fullRectPixels(Printer.resolution()); }
  QRect PrintableRect() const {
    QPageLayout layout = Printer.pageLayout();
    layout.setMargins(layout.minimumMargins());
    return layout.paintRectPixels(Printer.resolution());
  }
};

TPrinter::TPrinter() : FData(std::make_unique<TData>()), FCanvas(std::make_unique<TCanvas>()) {
  FData->Printer.setFullPage(true);
  Refresh();
}

TPrinter::~TPrinter() {
  if (FPrinting) Abort();
}

void TPrinter::Refresh() {
  CheckPrinting(false);
  FPrinters.clear();
  for (const QString& name : QPrinterInfo::availablePrinterNames()) FPrinters.push_back(name.toStdString());
  FPrinterIndex = -1;
  ApplySettings();
}

void TPrinter::SetPrinterIndex(int Value) {
  CheckPrinting(false);
  if (Value < -1 || Value >= static_cast<int>(FPrinters.size())) throw EPrinter("打印机索引超出范围。");
  FPrinterIndex = Value;
  ApplySettings();
}

void TPrinter::SetOutputFileName(const String& Value) {
  CheckPrinting(false);
  FOutputFileName = Value;
  ApplySettings();
}

void TPrinter::SetPaperSizeMM(double Width, double Height) {
  if (!(Width > 0 && Height > 0)) throw EPrinter("纸张大小无效。");
  FPaperWidthMM = Width;
  FPaperHeightMM = Height;
  ApplySettings();
}

void TPrinter::SetPaperName(const String& Name) {
  const QString wanted = QString::fromStdString(Name);
  for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
    const auto pageId = static_cast<QPageSize::PageSizeId>(id);
    if (pageId == QPageSize::Custom || QPageSize::key(pageId).compare(wanted, Qt::CaseInsensitive) != 0) continue;
    const QSizeF size = QPageSize::size(pageId, QPageSize::Millimeter);
    SetPaperSizeMM(size.width(), size.height());
    return;
  }
  throw EPrinter("不支持的纸张：" + Name);
}

void TPrinter::SetOrientation(TPrinterOrientation Value) {
  FOrientation = Value;
  ApplySettings();
}

void TPrinter::SetCopies(int Value) {
  CheckPrinting(false);
  FCopies = std::max(1, Value);
  ApplySettings();
}

bool TPrinter::SupportsMultipleCopies() const { return FData->Printer.supportsMultipleCopies(); }

// While printing only the paper may change; it applies from the next page.
void TPrinter::ApplySettings() {
  QPrinter& printer = FData->Printer;
  if (!FPrinting) {
    if (!FOutputFileName.empty()) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(FOutputFileName));
    } else if (!FPrinters.empty()) {
      printer.setOutputFileName(QString());
      printer.setOutputFormat(QPrinter::NativeFormat);
      const QString name = FPrinterIndex >= 0 ? QString::fromStdString(FPrinters[static_cast<size_t>(FPrinterIndex)])
                                              : QPrinterInfo::defaultPrinterName();
      if (!name.isEmpty()) printer.setPrinterName(name);
    }
    printer.setCopyCount(FCopies);
  }
  printer.setPageSize(QPageSize(QSizeF(FPaperWidthMM, FPaperHeightMM), QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch));
  printer.setPageOrientation(FOrientation == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TPrinter::CheckPrinting(bool Wanted) const {
  if (FPrinting == Wanted) return;
  throw EPrinter(Wanted ? "打印机当前未在打印。" : "正在打印中。");
}

void TPrinter::BeginDoc() {
  CheckPrinting(false);
  if (FOutputFileName.empty() && FPrinters.empty()) throw EPrinter("系统中没有安装打印机。");
  ApplySettings();
  FData->Printer.setDocName(QString::fromStdString(FTitle));
  if (!FData->Painter.begin(&FData->Printer)) throw EPrinter("无法开始打印。");
  FPrinting = true;
  FAborted = false;
  FPageNumber = 1;
  AttachPage();
}

void TPrinter::NewPage() {
  CheckPrinting(true);
  ApplySettings();
  if (!FData->Printer.newPage()) throw EPrinter("无法开始新的一页。");
  ++FPageNumber;
  AttachPage();
}

void TPrinter::EndDoc() {
  CheckPrinting(true);
  DetachDevice(*FCanvas);
  FPrinting = false;
  if (!FData->Painter.end()) throw EPrinter("打印未能完成。");
}

void TPrinter::Abort() {
  if (!FPrinting) return;
  DetachDevice(*FCanvas);
  FData->Printer.abort();
  FData->Painter.end();
  FPrinting = false;
  FAborted = true;
  // A file cannot take back what was written: an aborted document leaves no file behind.
  if (!FOutputFileName.empty()) {
    std::error_code ignored;
    std::filesystem::remove(FOutputFileName, ignored);
  }
}

// The canvas draws on the page now begun, its origin at the corner of the printable area.
void TPrinter::AttachPage() {
  AttachDevice(*FCanvas, CreatePainterDevice(&FData->Painter, FData->FullRect(), FData->Printer.resolution()));
  SetSurfaceOrigin(*FCanvas, FData->PrintableRect().topLeft());
}

TCanvas* TPrinter::Canvas() { return FCanvas.get(); }

int TPrinter::PageWidth() const { return FData->PrintableRect().width(); }
int TPrinter::PageHeight() const { return FData->PrintableRect().height(); }
int TPrinter::PhysicalWidth() const { return FData->FullRect().width(); }
int TPrinter::PhysicalHeight() const { return FData->FullRect().height(); }
int TPrinter::OffsetX() const { return FData->PrintableRect().left(); }
int TPrinter::OffsetY() const { return FData->PrintableRect().top(); }
int TPrinter::XDpi() const { return FData->Printer.resolution(); }
int TPrinter::YDpi() const { return FData->Printer.resolution(); }

TPrinter* Printer() {
  static std::unique_ptr<TPrinter> printer;
  if (!printer) printer = std::make_unique<TPrinter>();
  return printer.get();
}
