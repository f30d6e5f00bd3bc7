// The program's dialog service: message and input boxes as forms of this library, the other
// dialogs as Qt's, each run as a native modal loop during which the layer's queue keeps draining.
#include <QColorDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "controls/Dialogs.h"
#include "windows/MessageQueue.h"
#include "windows/NativeDialogQt.h"

TModalResult ShowMessageForm(const TMessageDialogRequest& Request);
bool ShowInputQueryForm(const String& Caption, const String& Prompt, String& Value);

namespace {

QString Q(const String& Text) { return QString::fromStdString(Text); }

// "描述|*.a;*.b" entries as Qt's "描述 (*.a *.b)".
QStringList QtFilters(const String& Filter) {
  QStringList filters;
  for (const TFileFilter& f : ParseFileFilter(Filter)) filters << Q(FileFilterCaption(f));
  return filters;
}

QPageSize PageSizeOf(double Width, double Height) {
  return QPageSize(QSizeF(Width, Height), QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
}

void SelectPrinter(QPrinter& Printer, const std::vector<String>& Printers, int Index) {
  if (Index >= 0 && Index < static_cast<int>(Printers.size())) Printer.setPrinterName(Q(Printers[static_cast<size_t>(Index)]));
}

int IndexOfPrinter(const QPrinter& Printer, const std::vector<String>& Printers, int Fallback) {
  for (size_t i = 0; i < Printers.size(); ++i)
    if (Q(Printers[i]) == Printer.printerName()) return static_cast<int>(i);
  return Fallback;
}

// Qt's list of files writes their dates in the system's locale; the dialog shows them in the
// program's (UseProgramLocale), as the rest of the program does.
class TFileListDates : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;
  QVariant data(const QModelIndex& Index, int Role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files || Role != Qt::DisplayRole || Index.column() != DateColumn) return QIdentityProxyModel::data(Index, Role);
    return QLocale().toString(files->lastModified(mapToSource(Index)), QLocale::ShortFormat);
  }

 private:
  static constexpr int DateColumn = 3;
};

class TProgramDialogService : public TDialogService {
 public:
  TModalResult MessageDialog(const TMessageDialogRequest& Request) override { return ShowMessageForm(Request); }
  bool InputQuery(const String& Caption, const String& Prompt, String& Value) override {
    return ShowInputQueryForm(Caption, Prompt, Value);
  }

  bool FileDialog(TFileDialogRequest& Request) override {
    InstallQtDialogTexts();
    QFileDialog dialog(nullptr, Q(Request.Title), Q(Request.InitialDir));
    dialog.setProxyModel(new TFileListDates(&dialog));
    dialog.setAcceptMode(Request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(Request.Save || !(Request.Options & OpenOptionBit(ofFileMustExist)) ? QFileDialog::AnyFile
                                                                                            : QFileDialog::ExistingFile);
    if (!(Request.Options & OpenOptionBit(ofOverwritePrompt))) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = QtFilters(Request.Filter);
    dialog.setNameFilters(filters);
    if (Request.FilterIndex >= 1 && Request.FilterIndex <= filters.size()) dialog.selectNameFilter(filters[Request.FilterIndex - 1]);
    if (!Request.FileName.empty()) dialog.selectFile(Q(Request.FileName));
    MakeTransientForActiveWindow(&dialog);
    TNativeModalScope scope;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    Request.FileName = dialog.selectedFiles().front().toStdString();
    Request.FilterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return true;
  }

  bool PrintDialog(TPrintDialogRequest& Request) override {
    InstallQtDialogTexts();
    QPrinter printer;
    SelectPrinter(printer, Request.Printers, Request.PrinterIndex);
    printer.setCopyCount(Request.Copies);
    printer.setCollateCopies(Request.Collate);
    QPrintDialog dialog(&printer);
    if (Request.MaxPage > 0) dialog.setMinMax(Request.MinPage, Request.MaxPage);
    if (Request.PrintRange == prPageNums) {
      dialog.setPrintRange(QAbstractPrintDialog::PageRange);
      dialog.setFromTo(Request.FromPage, Request.ToPage);
    }
    MakeTransientForActiveWindow(&dialog);
    TNativeModalScope scope;
    if (dialog.exec() != QDialog::Accepted) return false;
    Request.PrinterIndex = IndexOfPrinter(printer, Request.Printers, Request.PrinterIndex);
    Request.Copies = printer.copyCount();
    Request.Collate = printer.collateCopies();
    Request.PrintRange = dialog.printRange() == QAbstractPrintDialog::PageRange ? prPageNums
                         : dialog.printRange() == QAbstractPrintDialog::Selection ? prSelection
                                                                                   : prAllPages;
    Request.FromPage = dialog.fromPage();
    Request.ToPage = dialog.toPage();
    return true;
  }

  bool PrinterSetupDialog(TPrinterSetupRequest& Request) override {
    InstallQtDialogTexts();
    QPrinter printer;
    SelectPrinter(printer, Request.Printers, Request.PrinterIndex);
    printer.setPageSize(PageSizeOf(Request.PaperWidthMM, Request.PaperHeightMM));
    printer.setPageOrientation(Request.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPageSetupDialog dialog(&printer);
    MakeTransientForActiveWindow(&dialog);
    TNativeModalScope scope;
    if (dialog.exec() != QDialog::Accepted) return false;
    Request.PrinterIndex = IndexOfPrinter(printer, Request.Printers, Request.PrinterIndex);
    const QSizeF size = printer.pageLayout().pageSize().size(QPageSize::Millimeter);
    Request.PaperWidthMM = size.width();
    Request.PaperHeightMM = size.height();
    Request.Landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    return true;
  }

  bool FontDialog(TFont& Font) override {
    InstallQtDialogTexts();
    QFont initial(Q(Font.Name()));
    initial.setPointSize(std::max(1, Font.Size()));
    initial.setBold(Font.Style() & fsBold);
    initial.setItalic(Font.Style() & fsItalic);
    initial.setUnderline(Font.Style() & fsUnderline);
    initial.setStrikeOut(Font.Style() & fsStrikeOut);
    bool ok = false;
    TNativeModalScope scope;
    const QFont chosen = QFontDialog::getFont(&ok, initial);
    if (!ok) return false;
    Font.SetName(chosen.family().toStdString());
    Font.SetSize(chosen.pointSize());
    TFontStyles style = 0;
    if (chosen.bold()) style |= fsBold;
    if (chosen.italic()) style |= fsItalic;
    if (chosen.underline()) style |= fsUnderline;
    if (chosen.strikeOut()) style |= fsStrikeOut;
    Font.SetStyle(style);
    return true;
  }

  bool ColorDialog(TColor& Color) override {
    InstallQtDialogTexts();
    const TColor rgb = ColorToRGB(Color);
    TNativeModalScope scope;
    const QColor chosen = QColorDialog::getColor(QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
    if (!chosen.isValid()) return false;
    Color = RGB(chosen.red(), chosen.green(), chosen.blue());
    return true;
  }
};

}  // namespace

std::unique_ptr<TDialogService> CreateProgramDialogService() { return std::make_unique<TProgramDialogService>(); }
