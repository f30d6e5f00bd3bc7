// TfrReport, the component through which the application uses the engine: its template (pages and
// dictionary) read and written as a file, its objects found by name, the building of its prepared
// pages, and the lookups, functions and assignments that expressions and scripts call back while
// it is built (FR_ClassStream.cpp, FR_ClassBuild.cpp, FR_ClassValues.cpp, FR_ClassFunctions.cpp,
// FR_Register.cpp); then showing, printing, exporting and saving the prepared pages
// (FR_ClassShow.cpp, FR_ClassPrint.cpp, FR_ClassExport.cpp). TfrCompositeReport builds several
// reports into one set of prepared pages.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "classes/Component.h"
#include "controls/ControlTypes.h"
#include "report/FR_EMFPages.h"
#include "report/FR_Dict.h"
#include "report/FR_Pages.h"

class TfrDataset;
class TfrBand;
class TfrView;
class TfrEMFPages;
class TfrProgressView;
class TfrPreview;
class TfrExportFilter;

enum TfrReportType { rtSimple, rtMultiple };
enum TfrPreviewZoom { pzDefault, pzPageWidth, pzOnePage, pzTwoPages };
enum TfrPreviewButton { pbZoom, pbLoad, pbSave, pbPrint, pbFind, pbHelp, pbExit, pbPageSetup };
using TfrPreviewButtons = unsigned;  // bit i: button i
constexpr TfrPreviewButtons frDefaultPreviewButtons = 0x7F;  // all but pbPageSetup

using TBeginDocEvent = std::function<void()>;
using TEndDocEvent = std::function<void()>;
using TBeginPageEvent = std::function<void(int PageNo)>;
using TEndPageEvent = std::function<void(int PageNo)>;
using TBeginBandEvent = std::function<void(TfrBand* Band)>;
using TEndBandEvent = std::function<void(TfrBand* Band)>;
using TDetailEvent = std::function<void(const String& ParName, Variant& ParValue)>;
using TEnterRectEvent = std::function<void(TStrings& Memo, TfrView* View)>;
using TFunctionEvent =
    std::function<void(const String& Name, const Variant& P1, const Variant& P2, const Variant& P3, Variant& Val)>;
using TProgressEvent = std::function<void(int Page)>;
using TBeginColumnEvent = std::function<void(TfrBand* Band)>;
using TPrintColumnEvent = std::function<void(int ColNo, int& Width)>;
using TManualBuildEvent = std::function<void(TfrPage* Page)>;
using TObjectClickEvent = std::function<void(TfrView* View)>;
using TMouseOverObjectEvent = std::function<void(TfrView* View, TCursor& Cursor)>;
using TPrintReportEvent = std::function<void()>;

// Which pages print: all, the odd or the even ones.
enum TfrPrintPages { ppAll = 0, ppOdd = 1, ppEven = 2 };

// The pages a page-number text names, in the order named: "1,3,5-12" gives 1, 3 and 5 to 12, "7-"
// 7 to PageCount; blanks are ignored, a range whose start lies above its end names nothing, and an
// empty text names none (meaning all pages). Text that is no number raises EConvertError.
std::vector<int> frPageNumbers(const String& Text, int PageCount);

class TfrReport : public TComponent {
 public:
  explicit TfrReport(TComponent* AOwner);
  ~TfrReport() override;
  String ClassName() const override { return "TfrReport"; }

  // Empties the template: its pages and dictionary.
  void Clear();
  // False, with nothing changed, when the file does not exist; otherwise reads it (LoadFromStream)
  // and takes its name, and answers whether the template could be read.
  bool LoadFromFile(const String& AFileName);
  // Reads a template. A file newer than version 24, an empty one or one that cannot be read is
  // reported in a message box ("不支持的FRF格式", "错误") and leaves one empty page; missing add-in
  // classes are reported and the rest of the template kept. Answers false when the template could
  // not be read. Sizes, positions, widths and font sizes are bounded as they are read
  // (FR_Limits.h).
  bool LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream) const;
  // The first object of that name on any page, letter case aside; nullptr when none.
  TfrView* FindObject(const String& AName) const;
  // Selects the printer of that name, unless UseDefaultPrinter is set or there is no such printer;
  // remembers the name always.
  void SetPrinterTo(const String& APrinterName);

  // Builds the prepared pages from the template over the record sources, twice with TwoPass (the
  // first pass only counts the pages). False, with no pages kept, after an evaluation error (shown
  // in the error box "错误"), a cancel in the progress window or a cancelled dialog page. The
  // template is afterwards as it was before: what scripts changed in it does not last.
  bool PrepareReport();
  // Tells the progress of a build: to OnProgress, else to the progress window.
  void ReportProgress(int PageNo);
  // The prepared pages.
  TfrEMFPages& EMFPages() { return *FEMFPages; }
  const TfrEMFPages& EMFPages() const { return *FEMFPages; }
  // The preview takes the prepared pages while it shows them, leaving the report an empty list,
  // and gives them back.
  std::unique_ptr<TfrEMFPages> TakeEMFPages();
  void SetEMFPages(std::unique_ptr<TfrEMFPages> Pages);

  // Shows the prepared pages: in Preview when one is set, else in a preview window of the report's
  // own (modal with ModalPreview). Nothing happens without pages.
  void ShowPrepared();
  // Prints the prepared pages (those the page-number text names, all when it is empty; of those
  // the odd or even ones by PrintPages) on the printer layer's printer, under the progress window
  // when one is shown. Collated copies print the whole set Copies times; otherwise each page
  // Copies times, by the printer when it can. On the virtual printer the pages go into the layer's
  // PDF file, asked for when none is set. A cancel aborts the job after the current page.
  void PrintPrepared(const String& PageNumbers, int Copies, bool Collate, int PrintPages);
  // Writes the prepared pages through an export filter into a file (created or overwritten), under
  // the progress window.
  void ExportToFile(TfrExportFilter* Filter, const String& AFileName);
  // What the objects of an exported page hand on to the filter in use: a text object's lines and
  // every object.
  void ExportText(const TRect& DrawRect, int X, int Y, const String& Text, int FrameTyp, TfrView* View);
  void ExportData(TfrView* View);
  // Prepared-report files (".frp"): saving creates or overwrites the file; loading replaces the
  // pages only when the whole file could be read (else EReadError, or EFOpenError for a file that
  // cannot be opened) and clears CanRebuild.
  void LoadPreparedFile(const String& AFileName);
  void SavePreparedFile(const String& AFileName);
  // Edits one prepared page in a report designer; this program has none, so nothing happens.
  void EditPreparedReport(int PageIndex) { (void)PageIndex; }

  // The value of a name while the report is built: the application's OnGetValue, then the
  // dictionary, a script variable, an object's property or a named constant; otherwise the name is
  // evaluated as an expression. A name reached again while it is evaluated raises "符号没定义".
  virtual void GetVariableValue(const String& AName, Variant& Value);
  // The text a bracketed expression of a text object prints: the value of its name (which may end
  // in a " #" format) formatted by that format or the object's own; hidden zeros print as "".
  virtual void InternalOnGetValue(const String& ParName, String& ParValue);
  // Just before an object is put on a page: an object whose text names a blob field takes its
  // contents, then OnBeforePrint sees the object's text lines. Answers whether the handler changed
  // them.
  virtual bool DoBeforePrint(TStrings& Memo, TfrView* View);
  // A call the parser does not perform itself: the function libraries, then the report's own
  // procedures (STOPREPORT, NEWPAGE, NEWCOLUMN, SHOWBAND, INC, DEC, SETARRAY, GETARRAY and the
  // methods of objects, "Object.Method"), then OnUserFunction. The value is "0" when none answers.
  virtual void DoFunction(const String& Name, const Variant& P1, const Variant& P2, const Variant& P3, Variant& Value);
  // An assignment of a script to a variable of the dictionary, MODALRESULT of a dialog page, CURY,
  // PROGRESS or an object's property. Answers whether the report took it.
  bool SetReportValue(const String& Name, const Variant& Value);

  TfrPages& Pages() { return *FPages; }
  const TfrPages& Pages() const { return *FPages; }
  TfrDataDictionary& Dictionary() { return *FDictionary; }
  const TfrDataDictionary& Dictionary() const { return *FDictionary; }

  const String& FileName() const { return FFileName; }
  const String& PrinterName() const { return FPrinterName; }
  // The two flags the template file stores as words; non-zero is set.
  uint16_t UseDefaultPrinter() const { return FUseDefaultPrinter; }
  void SetUseDefaultPrinter(uint16_t Value) { FUseDefaultPrinter = Value; }
  uint16_t TwoPass() const { return FTwoPass; }
  void SetTwoPass(uint16_t Value) { FTwoPass = Value; }
  bool FinalPass() const { return FFinalPass; }
  void SetFinalPass(bool Value) { FFinalPass = Value; }
  bool Terminated() const { return FTerminated; }
  void SetTerminated(bool Value) { FTerminated = Value; }
  bool CanRebuild() const { return FCanRebuild; }
  void SetCanRebuild(bool Value) { FCanRebuild = Value; }

  // Published properties.
  TfrDataset* Dataset() const { return FDataset; }
  void SetDataset(TfrDataset* Value);
  TfrPreview* Preview() const { return FPreview; }
  void SetPreview(TfrPreview* Value);
  int DefaultCopies() const { return FDefaultCopies; }
  void SetDefaultCopies(int Value) { FDefaultCopies = Value; }
  bool DefaultCollate() const { return FDefaultCollate; }
  void SetDefaultCollate(bool Value) { FDefaultCollate = Value; }
  bool GrayedButtons() const { return FGrayedButtons; }
  void SetGrayedButtons(bool Value) { FGrayedButtons = Value; }
  TfrPreviewZoom InitialZoom() const { return FInitialZoom; }
  void SetInitialZoom(TfrPreviewZoom Value) { FInitialZoom = Value; }
  bool MDIPreview() const { return FMDIPreview; }
  void SetMDIPreview(bool Value) { FMDIPreview = Value; }
  bool ModalPreview() const { return FModalPreview; }
  void SetModalPreview(bool Value) { FModalPreview = Value; }
  bool ModifyPrepared() const { return FModifyPrepared; }
  void SetModifyPrepared(bool Value) { FModifyPrepared = Value; }
  TfrPreviewButtons PreviewButtons() const { return FPreviewButtons; }
  void SetPreviewButtons(TfrPreviewButtons Value) { FPreviewButtons = Value; }
  bool PrintIfEmpty() const { return FPrintIfEmpty; }
  void SetPrintIfEmpty(bool Value) { FPrintIfEmpty = Value; }
  TfrReportType ReportType() const { return FReportType; }
  void SetReportType(TfrReportType Value) { FReportType = Value; }
  bool ShowPrintDialog() const { return FShowPrintDialog; }
  void SetShowPrintDialog(bool Value) { FShowPrintDialog = Value; }
  bool ShowProgress() const { return FShowProgress; }
  void SetShowProgress(bool Value) { FShowProgress = Value; }
  bool StoreInDFM() const { return FStoreInDFM; }
  void SetStoreInDFM(bool Value) { FStoreInDFM = Value; }
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }

  TBeginDocEvent OnBeginDoc;
  TEndDocEvent OnEndDoc;
  TBeginPageEvent OnBeginPage;
  TEndPageEvent OnEndPage;
  TBeginBandEvent OnBeginBand;
  TEndBandEvent OnEndBand;
  TDetailEvent OnGetValue;
  TEnterRectEvent OnBeforePrint;
  TFunctionEvent OnUserFunction;
  TProgressEvent OnProgress;
  TBeginColumnEvent OnBeginColumn;
  TPrintColumnEvent OnPrintColumn;
  TManualBuildEvent OnManualBuild;
  TObjectClickEvent OnObjectClick;
  TMouseOverObjectEvent OnMouseOverObject;
  TPrintReportEvent OnPrintReport;

  // Stored layouts keep the template as "ReportForm": an Integer 24 and, with StoreInDFM, the
  // template's length and bytes, which are read into the report once the layout has been read.
  void DefineProperties(TFiler& Filer) override;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;
  // Forms the prepared pages from the template, once per record of a multiple report.
  virtual void BuildPages();
  // The print step: the pages chosen, in the order the copies and collation give.
  virtual void DoPrintReport(const String& PageNumbers, int Copies, bool Collate, int PrintPages);
  // Keeps the template before a build and reads it back afterwards.
  virtual void SaveTemplates();
  virtual void RestoreTemplates();
  // Expressions, scripts and aggregate functions reach the report at work.
  static void BindLookups();
  bool IsFinalOfTwoPasses() const { return FFinalPass && FBuildTwoPass; }
  // The template's pages of one kind, in order.
  void InitPages(TfrPageType Type);
  void DonePages(TfrPageType Type);

 private:
  friend class TfrCompositeReport;

  void ReadReportForm(TStream& Stream);
  void WriteReportForm(TStream& Stream) const;
  // Shows a text in the engine's error box.
  static void ShowError(const String& Text);
  // The build with the progress window when one is shown, and the step the window runs.
  bool BuildWithProgress();
  void BuildStep();
  TfrProgressView* ProgressWindow() const;
  void SetProgressLabel(const String& Text);
  // Forms every page once; a page whose next one prints on it hands on the current page.
  void FormPages(bool Multiple);
  // Printing: the indices of the pages to print in order, one page on the printer's canvas, and the
  // PDF file of the virtual printer (false when none was chosen).
  std::vector<int> PrintOrder(const String& PageNumbers, int Copies, bool Collate, int PrintPages, bool PrinterCopies) const;
  void PrintPage(int Index, bool First);
  bool ChoosePdfFile();
  void ExportStep();
  bool DoScriptProcedure(const String& Name, const Variant& P1, const Variant& P2, const Variant& P3, Variant& Value);
  // Values of the build: the system variables and the page's position.
  bool SystemVariable(const String& Name, Variant& Value) const;
  bool PageVariable(const String& Name, Variant& Value) const;

  std::unique_ptr<TfrPages> FPages;
  std::unique_ptr<TfrDataDictionary> FDictionary;
  String FFileName;
  String FPrinterName;
  uint16_t FUseDefaultPrinter = 0;
  uint16_t FTwoPass = 0;
  bool FFinalPass = false;
  bool FTerminated = false;
  bool FCanRebuild = false;
  std::unique_ptr<TMemoryStream> FStoredTemplate;  // read from a stored layout, loaded by Loaded
  std::vector<String> FEvaluating;  // names being evaluated as expressions
  std::unique_ptr<TfrEMFPages> FEMFPages;
  std::unique_ptr<TMemoryStream> FSavedTemplate;  // while a build runs
  uint16_t FBuildTwoPass = 0;  // TwoPass when the build began
  bool FInsideProgress = false;
  String FProgressLabel;

  TfrExportFilter* FCurrentFilter = nullptr;

  TfrDataset* FDataset = nullptr;
  TfrPreview* FPreview = nullptr;
  int FDefaultCopies = 1;
  bool FDefaultCollate = true;
  bool FGrayedButtons = false;
  TfrPreviewZoom FInitialZoom = pzDefault;
  bool FMDIPreview = false;
  bool FModalPreview = true;
  bool FModifyPrepared = true;
  TfrPreviewButtons FPreviewButtons = frDefaultPreviewButtons;
  bool FPrintIfEmpty = true;
  TfrReportType FReportType = rtSimple;
  bool FShowPrintDialog = true;
  bool FShowProgress = true;
  bool FStoreInDFM = false;
  String FTitle;
};

// A report that builds the reports of its list, which it does not own, one after another into its
// own prepared pages; with a Dataset, once per record. A report whose first page prints on the
// previous page continues on the last prepared page when the papers match.
class TfrCompositeReport : public TfrReport {
 public:
  using TfrReport::TfrReport;
  String ClassName() const override { return "TfrCompositeReport"; }

  std::vector<TfrReport*> Reports;

 protected:
  void BuildPages() override;
  void SaveTemplates() override;
  void RestoreTemplates() override;

 private:
  bool NextContinues(size_t Index) const;
  std::vector<std::unique_ptr<TMemoryStream>> FSavedReports;
};
