// TfrPage, one page of a report template: its paper and margins (in the printer layer's terms),
// columns, the objects placed on it, its script, and for a dialog page the window it would show.
// Its record in template files is FR_PageStream.cpp; the pages of a template are TfrPages
// (FR_Pages.h). While the report is built the page holds its runtime bands and forms prepared
// pages from them: FR_PageBandTree.cpp links the bands, FR_PagePrepare.cpp prepares the objects,
// FR_PageForm.cpp forms a page, FR_PageLoop.cpp walks the record sources, FR_PageBreaks.cpp starts
// new pages and columns, FR_PageRecord.cpp records and plays the bands of a sub-report's page.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "report/FR_BandTypes.h"
#include "report/FR_Object.h"
#include "report/FR_Prntr.h"
#include "rtl/Streams.h"

class TfrView;
class TfrBand;

enum TfrPageType : uint8_t { ptReport = 0, ptDialog = 1 };
enum TfrRecordMode : uint8_t { rmNormal = 0, rmRecord = 1 };

// A step recorded while a sub-report's page is formed in record mode, played when it prints.
struct TfrCommand {
  enum TKind : uint8_t { ShowBand = 0, FirstRecord = 1, NextRecord = 2 };
  TfrBand* Band;
  TKind Kind;
};

class TfrPage : public TfrObject {
 public:
  // A report page with that paper, set through the printer layer (ChangePaper).
  TfrPage(int ASize, int AWidth, int AHeight, int ABin, int AOrientation);
  ~TfrPage() override;
  String ClassName() const override { return "TfrPage"; }

  // Properties by upper-case name. On a report page WIDTH and HEIGHT are the paper in pixels
  // (tenths of a millimetre times 18 / 50); the margins read as the geometry functions while
  // pages are built. On a dialog page LEFT, TOP, WIDTH and HEIGHT are its window's bounds.
  void SetProperty(const String& Name, const Variant& Value) override;
  Variant GetProperty(const String& Name) override;

  // Sets the printer layer's paper and takes back what the printer made of it, with the page
  // geometry; a bin whose low 16 bits are 0xFFFF means none (65535).
  void ChangePaper(int ASize, int AWidth, int AHeight, int AOrientation, int ABin);
  // The first object of that name, letter case aside.
  TfrView* FindObject(const String& AName) const;
  // "Page" and the lowest number that no page of the report at work has; "Page" when all up to
  // 10000 are taken.
  void SetDefaultName();
  // Page pixels: the printable area less the margins (a margin of 0 takes the printer's offset),
  // or the whole paper without StretchToPrintable. While pages are built the bottom leaves room
  // for the page footer.
  int GetLeftMargin() const;
  int GetTopMargin() const;
  int GetRightMargin() const;
  int GetBottomMargin() const;

  // The page record of template files.
  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream) const;

  // A build: InitReport makes the runtime bands (or runs a dialog page's script), PrepareObjects
  // links single-field objects and registers aggregates, FormPage forms prepared pages, DoneReport
  // frees the bands. On the final pass of a two-pass build the first pass's bands stay and start
  // afresh.
  void InitReport();
  void DoneReport();
  void PrepareObjects();
  void FormPage();
  // Compiles and runs the page's script when it has one.
  void RunScript();
  // Draws the band on the current page, or records it in record mode.
  void ShowBand(TfrBand* Band);
  // The first band, by type and chain, whose band object has that name, letter case aside.
  void ShowBandByName(const String& AName);
  // Closes the current page (its column footer and page footer) and starts the next.
  void NewPage();
  // The next column of the page, or a new page after the last; the headers that repeat follow.
  void NewColumn(TfrBand* Band);
  // Record mode: plays the recorded commands from PlayIndex on. True when it stopped for lack of
  // space (the rest plays on the next page).
  bool PlayCommands();
  void ClearCommands() { Commands.clear(); }
  // The band tree: runtime bands from band objects, objects assigned to bands, headers, footers,
  // groups, children and cross sources linked, the column width computed.
  void BuildBandTree();
  // Whether the current position is where the current column began, so that a band there prints
  // even when it does not fit: on no later page would it fit better.
  bool AtColumnStart() const { return CurY <= FreshY; }

  std::vector<std::unique_ptr<TfrView>> Objects;
  // The first runtime band of each type while the page is being built.
  std::array<std::unique_ptr<TfrBand>, 23> Bands;
  std::vector<TfrCommand> Commands;

  int Size = frDefaultPaper;
  int Width = 0, Height = 0;  // tenths of a millimetre
  int LeftMargin = 0, TopMargin = 0, RightMargin = 0, BottomMargin = 0;  // page pixels
  int Orientation = 0;  // 0 portrait, 1 landscape
  int PaperBin = 65535;
  bool PrintToPrevPage = false;
  bool StretchToPrintable = true;
  TfrPrnInfo PrnInfo;
  int Columns = 1;
  int ColumnGap = 0;
  TfrPageType Type = ptReport;
  String Name;
  bool Visible = true;
  TStringList Script;
  // The window of a dialog page.
  uint8_t BorderStyle = 3;  // 3 dialog, 2 sizeable
  String Caption = "Form";
  TColor Color = TColor(0x8000000F);  // button face
  int FormLeft = 220, FormTop = 120, FormWidth = 380, FormHeight = 300;
  uint8_t Position = 4;  // 0 as designed, 4 screen centre
  // Set by a dialog page's script through MODALRESULT.
  int ModalResult = 0;

  // While the report is built.
  bool IsSubReportPage = false;
  bool Initialized = false;
  int CurColumn = 0;
  int ColumnTop = 0;
  int ColumnWidth = 0;
  int CurX = 0;
  int CurY = 0;
  int CurBottom = 0;
  // The position of the first band of the current column: where the page and column headers end.
  int FreshY = 0;
  TfrRecordMode RecordMode = rmNormal;
  int PlayIndex = 0;
  TfrBand* PendingBand = nullptr;
  int ColumnCounter = 1;  // COLUMN#
  int RecordCounter = 1;  // CURRENT#
  TfrBand* LastPrintedBand = nullptr;
  bool Finishing = false;

 protected:
  void DeclareProperties() override;

 private:
  // FormPage's steps.
  bool PageIsEmpty();
  void StartPage();
  void ShowFirstPageBands();
  void FinishPage();
  void PrintLastPageFooter();
  // The data loop from a level (1 master, 2 detail, 3 sub-detail) down to the deepest present one.
  void DoLoop(int Level);
  int DeepestLevel() const;
  void AddPending(TfrBand* Band);
  void ShowPending();
  // A group of the data band ended: its footers and the headers of the next group.
  void EndGroups(TfrBand* Data, TfrBand* Ended);
  // The footers of the pages formed so far.
  void EndPages();
  // The page and column headers of a new page or column, which never break.
  void ShowStartBand(TfrBand* Band);
  void RepeatHeaders(TfrBand* Band);
  void ResetBands();

  std::vector<TfrBand*> FPending;
  int FDeepestLevel = 1;
};
