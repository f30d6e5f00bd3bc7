// The report's lookups while it is built: the value of a name (the application's handler, the
// dictionary, the system variables, script variables, the page's position, object properties,
// named constants, else the name evaluated as an expression) and the text of a bracketed
// expression in a text object.
#include "report/FR_Class.h"

#include <algorithm>

#include "report/FR_Band.h"
#include "report/FR_Const.h"
#include "report/FR_Format.h"
#include "report/FR_Globals.h"
#include "report/FR_Memo.h"
#include "report/FR_Names.h"
#include "report/FR_State.h"
#include "rtl/Arith.h"
#include "rtl/ScopeExit.h"
#include "rtl/Text.h"

namespace {

// The value of Object.Property when the object exists and has that property.
bool ObjectPropertyValue(const String& Name, Variant& Value) {
  if (Name.find('.') == String::npos) return false;
  const TfrResolvedProperty resolved = ResolveObjectProperty(Name);
  if (!resolved.Object || !resolved.Object->FindProperty(resolved.PropName)) return false;
  Value = resolved.Object->GetProperty(resolved.PropName);
  return true;
}

}  // namespace

bool TfrReport::SystemVariable(const String& Name, Variant& Value) const {
  const TfrEngineState& state = frState();
  const TfrBand* band = state.ActiveBand;
  const TfrPage* page = state.ActivePage;
  if (Name == "VALUE") Value = state.FormattedValue;
  else if (Name == "PAGE#") Value = state.PageNo + 1;
  else if (Name == "DATE") Value = Variant::FromDateTime(Trunc(state.RunDateTime));
  else if (Name == "TIME") Value = Variant::FromDateTime(state.RunDateTime - Trunc(state.RunDateTime));
  else if (Name == "LINE#") Value = band ? band->LineNo : 0;
  else if (Name == "LINETHROUGH#") Value = band ? band->LineThroughNo : 0;
  else if (Name == "COLUMN#") Value = page ? page->ColumnCounter : 0;
  else if (Name == "CURRENT#") Value = page ? page->RecordCounter : 0;
  else if (Name == "TOTALPAGES") Value = state.TotalPages;
  else if (Name == "CALCWIDTH") {
    TfrView* view = state.ActiveView;
    auto* memo = dynamic_cast<TfrMemoView*>(view);
    Value = !view ? 0 : memo ? memo->CalcWidth(memo->ExpandedText) : view->Width;
  } else return false;
  return true;
}

bool TfrReport::PageVariable(const String& Name, Variant& Value) const {
  const TfrPage* page = frState().ActivePage;
  const String name = UpperCase(Name);
  if (name == "FINALPASS") Value = FBuild.FinalPass;
  else if (!page) return false;
  else if (name == "CURY") Value = page->CurY;
  else if (name == "FREESPACE") Value = page->CurBottom - page->CurY;
  else if (name == "PAGEHEIGHT") Value = page->CurBottom;
  else if (name == "PAGEWIDTH") Value = page->PrnInfo.PageWidth;
  else return false;
  return true;
}

void TfrReport::GetVariableValue(const String& AName, Variant& Value) {
  Value = Variant();
  if (OnGetValue) {
    OnGetValue(AName, Value);
    if (!Value.IsEmpty()) return;
  }
  if (FDictionary->IsVariable(AName)) {
    Value = FDictionary->GetValue(AName);
    return;
  }
  if (SystemVariable(AName, Value)) return;
  if (frVariables().IndexOf(AName) >= 0) {
    Value = frVariables().Variable(AName);
    return;
  }
  if (PageVariable(AName, Value) || ObjectPropertyValue(AName, Value)) return;
  if (frConsts().IndexOf(AName) >= 0) {
    Value = frConsts().Variable(AName);
    return;
  }
  if (std::any_of(FBuild.Evaluating.begin(), FBuild.Evaluating.end(), [&](const String& n) { return SameText(n, AName); })) {
    // Reached again while it is evaluated: the name means nothing.
    if (frState().TolerantMode) return;
    throw Exception(frLoadStr(55439) + " \"" + AName + "\"");
  }
  FBuild.Evaluating.push_back(AName);
  const auto evaluated = ScopeExit([this] { FBuild.Evaluating.pop_back(); });
  Value = frParser().Calc(AName);
}

void TfrReport::InternalOnGetValue(const String& ParName, String& ParValue) {
  TfrEngineState& state = frState();
  const TfrView* view = state.ActiveView;
  String name = ParName;
  int format = view ? view->DisplayFormatCode : 0;
  String formatText = view ? view->DisplayFormatText : String();
  ReadFormatSuffix(name, format, formatText);
  state.FormattedValue = 0;
  Variant value;
  GetVariableValue(name, value);
  const auto* memo = dynamic_cast<const TfrMemoView*>(view);
  // Text is never hidden: a field's "0" prints as it is.
  if (memo && (memo->Flags & flHideZeros) && !VarIsStr(value) && VarSameValue(value, 0)) value = String();
  state.FormattedValue = value;
  if (!state.TolerantMode) ParValue = FormatValue(value, format, formatText);
}
