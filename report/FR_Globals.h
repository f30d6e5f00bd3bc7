// The engine's globals shared by every report: the parser, the report side of the interpreter, the
// script variables, the compressor hook, two pattern bitmaps, general lists and the hidden form of
// dialog-page controls; made on first use. Constants: FR_Const.h; function libraries: FR_FuncLib.h.
#pragma once

#include <functional>

#include "report/FR_Intrp.h"

class TBitmap;
class TForm;
template <class T>
class TObjectList;
class TStream;

// Names and calls of scripts go to the events of the engine's parser; assignments go, in this
// order, to a script variable of that name, to the report's own targets, or to a new script
// variable.
class TInterpretator : public TfrInterpretator {
 public:
  void GetValue(const String& Name, Variant& Value) override;
  void SetValue(const String& Name, const Variant& Value) override;
  void DoFunction(const String& Name, const Variant& P1, const Variant& P2, const Variant& P3,
                  Variant& Value) override;

  // The report's own targets of an assignment: a variable of its dictionary, MODALRESULT, CURY,
  // PROGRESS and Object.Property. Bound by the report; answers whether it took the value.
  std::function<bool(const String& Name, const Variant& Value)> OnSetReportValue;
};

// Compiles Source with the engine's interpreter; a syntax error raises an Exception with its text.
void frCompileScript(const TStrings& Source, TStrings& Compiled);

TfrParser& frParser();
TInterpretator& frInterpretator();
// Sorted by name.
TfrVariables& frVariables();

// The hook through which prepared pages are compressed and decompressed. This program compresses
// nothing: both do nothing and IsActive is false, so pages are stored as they are.
class TfrCompressor {
 public:
  virtual ~TfrCompressor() = default;
  virtual bool IsActive() const { return false; }
  virtual void Compress(TStream& Source, TStream& Target) { (void)Source, (void)Target; }
  virtual void Decompress(TStream& Source, TStream& Target) { (void)Source, (void)Target; }
};
TfrCompressor& frCompressor();

// A checkerboard of clBtnFace and clBtnHighlight (pixel (x, y) has the first colour when x + y is
// even), and a blank (white) bitmap; both 8 x 8, made when first asked for.
TBitmap& frCheckerBitmap();
TBitmap& frBlankBitmap();
TStringList& frGeneralStrings();
TObjectList<TObject>& frGeneralObjects();
// The hidden form "DialogForm" at (-100, -100), 10 x 10, owned by the application and made when
// first asked for (again after the application has freed it). EInvalidOperation without an
// application.
TForm* frDialogForm();
