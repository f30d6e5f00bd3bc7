// The engine's globals, made together in the order the engine needs them, and the report side of
// the script interpreter.
#include "report/FR_Globals.h"

#include "controls/Application.h"
#include "graphics/Graphic.h"
#include "rtl/Lists.h"

namespace {

struct TfrGlobals {
  TfrGlobals() { Variables.SetSorted(true); }
  TfrParser Parser;
  TInterpretator Interpretator;
  TfrVariables Variables;
  TfrCompressor Compressor;
  TStringList Strings;
  TObjectList<TObject> Objects;
};

TfrGlobals& Globals() {
  static TfrGlobals globals;
  return globals;
}

}  // namespace

TfrParser& frParser() { return Globals().Parser; }

void frCompileScript(const TStrings& Source, TStrings& Compiled) {
  TStringList errors;
  frInterpretator().PrepareScript(Source, Compiled, errors);
  if (errors.Count() > 0) throw Exception(errors.Text());
}

TInterpretator& frInterpretator() { return Globals().Interpretator; }

TfrVariables& frVariables() { return Globals().Variables; }

TfrCompressor& frCompressor() { return Globals().Compressor; }

TBitmap& frCheckerBitmap() {
  static const std::unique_ptr<TBitmap> checker = [] {
    auto bitmap = std::make_unique<TBitmap>(8, 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) bitmap->Canvas()->SetPixel(x, y, (x + y) % 2 == 0 ? clBtnFace : clBtnHighlight);
    return bitmap;
  }();
  return *checker;
}

TBitmap& frBlankBitmap() {
  static TBitmap blank(8, 8);
  return blank;
}

TStringList& frGeneralStrings() { return Globals().Strings; }

TObjectList<TObject>& frGeneralObjects() { return Globals().Objects; }

TForm* frDialogForm() {
  if (!Application) throw EInvalidOperation("The report engine's dialog form needs the application");
  if (auto* form = dynamic_cast<TForm*>(Application->FindComponent("DialogForm"))) return form;
  TForm* form = TCustomForm::Create<TForm>(Application);
  form->SetName("DialogForm");
  form->SetBounds(-100, -100, 10, 10);
  return form;
}

void TInterpretator::GetValue(const String& Name, Variant& Value) {
  if (frParser().OnGetValue) frParser().OnGetValue(Name, Value);
}

void TInterpretator::SetValue(const String& Name, const Variant& Value) {
  TfrVariables& variables = frVariables();
  if (variables.IndexOf(Name) >= 0 || !OnSetReportValue || !OnSetReportValue(Name, Value))
    variables.SetVariable(Name, Value);
}

void TInterpretator::DoFunction(const String& Name, const Variant& P1, const Variant& P2, const Variant& P3,
                                Variant& Value) {
  if (frParser().OnFunction) frParser().OnFunction(Name, P1, P2, P3, Value);
}
