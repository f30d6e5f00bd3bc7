// TfrView, the base of everything placed on a report page: geometry, frame, fill, text, script and
// band alignment, drawing on any canvas, the object record, and printing into a prepared page
// (FR_View.cpp properties, FR_ViewStream.cpp record, FR_ViewDraw.cpp drawing, FR_ViewPrint.cpp).
#pragma once

#include <unordered_map>
#include <unordered_set>

#include "graphics/Canvas.h"
#include "graphics/Region.h"
#include "report/FR_Object.h"
#include "rtl/Streams.h"

class TField;
class TDataSet;
class TfrBand;

// Type codes of objects in files and prepared pages.
enum TfrObjectType : uint8_t { gtMemo = 0, gtPicture = 1, gtBand = 2, gtSubReport = 3, gtLine = 4, gtAddIn = 10 };

// Frame sides (FrameTyp bits).
enum : uint16_t { frftRight = 1, frftBottom = 2, frftLeft = 4, frftTop = 8 };
// Frame line styles.
enum TfrFrameStyle : uint16_t { frsSolid, frsDash, frsDot, frsDashDot, frsDashDotDot, frsDouble };
// Alignment of an object within its band.
enum TfrBandAlign : uint8_t { baNone, baLeft, baRight, baCenter, baWidth, baBottom, baTop };
// Flags bit shared by every object; the others belong to each kind.
constexpr uint16_t flStretched = 1;
// The fill colour that means no fill.
constexpr TColor frTransparent = 0x1FFFFFFF;

class TfrReport;

// The names of a report's objects (compared without regard to case) and the generated names taken
// from them. While a file is read its reader keeps one and adds each object that joins the report,
// so that an object read without a name does not search the whole report for every number it tries.
class TfrNameIndex {
 public:
  // The names of the report's objects; none for no report.
  explicit TfrNameIndex(const TfrReport* Report);
  void Add(const String& Name);
  // BaseName followed by the lowest free number from 1 to 10000; empty when all are taken. Names
  // are only ever added, so the search for a base name goes on from the number found last.
  String FirstFree(const String& BaseName);

 private:
  std::unordered_set<String> FNames;
  std::unordered_map<String, int> FNextNumber;
};

class TfrView : public TfrObject {
 public:
  ~TfrView() override;
  String ClassName() const override { return "TfrView"; }

  void SetProperty(const String& Name, const Variant& Value) override;
  Variant GetProperty(const String& Name) override;
  // "HIDE", "SHOW" and the list methods of "MEMO" (StringListMethod).
  Variant CallMethod(const String& Name, const Variant& Arg1, const Variant& Arg2, const Variant& Arg3) override;

  // Scales the geometry for drawing on Canvas by ScaleX, ScaleY and the offsets (identity outside
  // print mode), splits the frame width into the parts inside and outside the object, and computes
  // DrawRect; EndDraw puts the geometry back.
  virtual void BeginDraw(TCanvas* ACanvas);
  virtual void EndDraw();
  virtual void DrawBackground();
  virtual void DrawFrame();
  virtual void Draw(TCanvas* ACanvas) = 0;
  // What the object covers when drawn, frame included; Extended widens it by 10 pixels.
  virtual TRegion GetClipRegion(bool Extended);
  // Puts the object on its band's alignment against the page's margins, and makes it the object
  // at work.
  void AlignToBand(TCanvas* ACanvas);

  // Aligns, lets the report's before-print hook see the text, runs the script and, when visible,
  // writes the object into the prepared page being built.
  virtual void Print(TStream& Stream);
  // The object's kind, class name for add-ins and its record in prepared-page form.
  void WriteToPreparedPage(TStream& Stream);
  // Loads the object's contents from a blob field; the base loads nothing.
  virtual void LoadBlob(TField* Field);
  // Hands the object to the export filter of the report at work.
  virtual void ExportData();
  // Runs for every object after a template has been read.
  virtual void AfterLoad() {}

  // The object record. A subclass sets StreamMinor and then calls the base writer, and writes its
  // own fields after the base record.
  virtual void LoadFromStream(TStream& Stream);
  virtual void SaveToStream(TStream& Stream);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  // BaseName followed by the lowest free number from 1 to 10000 among the objects of the report
  // at work (of the name index of the file being read, when there is one); the name stays when all
  // are taken.
  void CreateUniqueName();
  // The text with each bracketed expression replaced by its value, formatted for this object by the
  // report at work.
  String ExpandBrackets(const String& Text);
  // Runs Script when it is not empty: compiled once by CompileScript while a report is built,
  // otherwise compiled here. A syntax error raises it as an Exception.
  void RunScript();
  void CompileScript();

  String Name;
  String BaseName = "View";
  uint8_t Typ = gtAddIn;
  int ObjectId = 0;
  uint8_t StreamMajor = 0;
  uint8_t StreamMinor = 0;
  // Set while the object is written into or read from a prepared page.
  bool InPreparedPage = false;
  int Left = 0, Top = 0, Width = 0, Height = 0;  // page pixels
  uint16_t Flags = flStretched;
  uint16_t FrameTyp = 0;
  double FrameWidth = 1;
  TColor FrameColor = 0;
  uint16_t FrameStyle = frsSolid;
  TColor FillColor = frTransparent;
  int DisplayFormatCode = 512 + '.';  // text, "." as the decimal separator
  String DisplayFormatText;
  bool Visible = true;
  int GapX = 2, GapY = 1;
  uint16_t Restrictions = 0;
  String Tag;
  TStringList Memo;
  TStringList ExpandedText;
  TStringList Script;
  uint8_t BandAlign = baNone;

  // While a report is built: the runtime band the object lies on, and the field its whole text
  // names when it names one (its contents are loaded from a blob field before it prints).
  TfrBand* ParentBand = nullptr;
  TStringList CompiledScript;
  bool ScriptCompiled = false;
  TDataSet* FieldDataSet = nullptr;
  String FieldName;

  // Drawing: scale and offset onto the canvas, and what BeginDraw computes.
  double ScaleX = 1, ScaleY = 1;
  int OffsetX = 0, OffsetY = 0;
  bool DrawingToPrinter = false;
  TCanvas* Canvas = nullptr;
  TRect DrawRect;
  bool Selected = false;

 protected:
  TfrView(uint8_t TypeCode, const char* ABaseName);
  void DeclareProperties() override;
  // Bands and sub-reports have no frame, fill, tag or band alignment to offer.
  bool HasFrameProperties() const { return Typ != gtBand && Typ != gtSubReport; }
  // Right and bottom edges of the object as drawn: the saved geometry scaled.
  int ScaledRight() const;
  int ScaledBottom() const;
  // One frame side from (x1, y1) to (x2, y2), drawn in the frame's style.
  void DrawFrameSide(int x1, int y1, int x2, int y2, bool Vertical);
  // Band alignment against the band at work: bottom, top and (for cross bands) width.
  void AlignToActiveBand();

  struct TSavedGeometry {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    double FrameWidth = 0;
    int GapX = 0, GapY = 0;
  } FSaved;

 private:
  int FrameInnerX = 0, FrameInnerY = 0, FrameOuterX = 0, FrameOuterY = 0;
};

class TfrStretcheable : public TfrView {
 public:
  // The height the contents need; MinimumHeight is the least that may start on a page and
  // RemainingHeight what is left after a part was printed.
  virtual int MeasureHeight() = 0;
  virtual int MinimumHeight() = 0;
  virtual int RemainingHeight() = 0;

  // 0 print whole, 1 measuring, 2 print the part that fits.
  uint8_t PrintPhase = 0;
  int MeasuredHeight = 0;

 protected:
  using TfrView::TfrView;
};

// A frame width as the record stores it: the width times 1000, rounded; a stored value from 0 to
// 10 is a whole width written by older writers. Widths below 0 have no stored form and are 0.
int32_t frEncodeFrameWidth(double Width);
double frDecodeFrameWidth(int32_t Stored);
