// The calls and assignments of expressions and scripts that the report answers while it is built:
// the dispatch of function calls, the report's own procedures, array elements kept in script
// variables, and the assignments to the report's own targets.
#include "report/FR_Class.h"

#include "report/FR_Band.h"
#include "report/FR_FuncLib.h"
#include "report/FR_Globals.h"
#include "report/FR_Names.h"
#include "report/FR_Page.h"
#include "report/FR_Progress.h"
#include "report/FR_State.h"
#include "rtl/Convert.h"
#include "rtl/Text.h"

namespace {

// The object and property of "Object.Property" when such an object exists.
TfrResolvedProperty DottedObject(const String& Name) {
  if (Name.find('.') == String::npos) return {};
  return ResolveObjectProperty(Name);
}

// An array's element lives in the script variable Arr_<name>_<index>; a numeric index is written
// as an integer, so that '1' and 1 name the same element.
String ArrayElement(const String& ArrayName, const Variant& Index) {
  const String index = VarIsStr(Index) ? Index.StringValue() : IntToStr(Index.AsInteger());
  return "Arr_" + Trim(ArrayName) + "_" + index;
}

Variant Evaluated(const Variant& Text) { return frParser().Calc(VarToStr(Text)); }

// The name a procedure argument gives: written as it is, or as a string constant.
String NameArgument(const Variant& Text) {
  const String name = Trim(VarToStr(Text));
  return !name.empty() && name[0] == '\'' ? VarToStr(frParser().Calc(name)) : name;
}

}  // namespace

void TfrReport::DoFunction(const String& Name, const Variant& P1, const Variant& P2, const Variant& P3,
                           Variant& Value) {
  Value = "0";
  if (frCallLibraryFunction(Name, P1, P2, P3, Value)) return;
  if (DoScriptProcedure(Name, P1, P2, P3, Value)) return;
  if (OnUserFunction) OnUserFunction(Name, P1, P2, P3, Value);
}

bool TfrReport::DoScriptProcedure(const String& Name, const Variant& P1, const Variant& P2, const Variant& P3,
                                  Variant& Value) {
  TfrEngineState& state = frState();
  TfrBand* band = state.ActiveBand;
  if (Name == "STOPREPORT") {
    SetTerminated(true);
  } else if (Name == "NEWPAGE") {
    if (band) ++band->ForcedNewPages;
  } else if (Name == "NEWCOLUMN") {
    if (band) ++band->ForcedNewColumns;
  } else if (Name == "SHOWBAND") {
    if (state.ActivePage) state.ActivePage->ShowBandByName(NameArgument(P1));
  } else if (Name == "INC" || Name == "DEC") {
    const String variable = Trim(VarToStr(P1));
    Variant current;
    GetVariableValue(variable, current);
    frInterpretator().SetValue(variable, current + Variant(Name == "INC" ? 1 : -1));
  } else if (Name == "SETARRAY" || Name == "GETARRAY") {
    const TfrResolvedProperty target = DottedObject(Trim(VarToStr(P1)));
    const bool set = Name == "SETARRAY";
    if (target.Object)
      Value = set ? target.Object->CallMethod("SETINDEXPROPERTY", UpperCase(target.PropName), Evaluated(P2), Evaluated(P3))
                  : target.Object->CallMethod("GETINDEXPROPERTY", UpperCase(target.PropName), Evaluated(P2), {});
    else if (set)
      frVariables().SetVariable(ArrayElement(VarToStr(P1), Evaluated(P2)), Evaluated(P3));
    else
      Value = frVariables().Variable(ArrayElement(VarToStr(P1), Evaluated(P2)));
  } else {
    const TfrResolvedProperty method = DottedObject(Name);
    if (!method.Object) return false;
    Value = method.Object->CallMethod(method.PropName, P1, P2, P3);
  }
  return true;
}

bool TfrReport::SetReportValue(const String& Name, const Variant& Value) {
  TfrEngineState& state = frState();
  TfrPage* page = state.ActivePage;
  const String name = UpperCase(Name);
  if (FDictionary->Variables.IndexOf(Name) >= 0) {
    FDictionary->Variables.SetVariable(Name, Value);
  } else if (name == "MODALRESULT" && page && page->Type == ptDialog) {
    page->ModalResult = Value.AsInteger();
  } else if (name == "CURY" && page) {
    page->CurY = Value.AsInteger();
    TfrBand* band = state.ActiveBand;
    if (band && (band->ForcedNewPages > 0 || band->ForcedNewColumns > 0)) band->KeepPosition = true;
  } else if (name == "PROGRESS") {
    if (TfrProgressView* view = frProgressView()) {
      view->SetSecondLabel(VarToStr(Value));
      view->ProcessMessages();
    }
  } else {
    const TfrResolvedProperty target = DottedObject(Name);
    if (!target.Object || !target.Object->FindProperty(target.PropName)) return false;
    target.Object->SetProperty(target.PropName, Value);
  }
  return true;
}
