// The report's lookups while it is built: the value of a name and the text of a bracketed
// expression in a text object.
#include "report/FR_Class.h"

#include <algorithm>

#include "report/FR_Const.h"
#include "report/FR_Format.h"
#include "report/FR_Globals.h"
#include "report/FR_Memo.h"
#include "report/FR_Names.h"
#include "report/FR_State.h"
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
  if (frVariables().IndexOf(AName) >= 0) {
    Value = frVariables().Variable(AName);
    return;
  }
  if (ObjectPropertyValue(AName, Value)) return;
  if (frConsts().IndexOf(AName) >= 0) {
    Value = frConsts().Variable(AName);
    return;
  }
  if (std::any_of(FEvaluating.begin(), FEvaluating.end(), [&](const String& n) { return SameText(n, AName); }))
    throw Exception(frLoadStr(55439) + " \"" + AName + "\"");
  FEvaluating.push_back(AName);
  try {
    Value = frParser().Calc(AName);
  } catch (...) {
    FEvaluating.pop_back();
    throw;
  }
  FEvaluating.pop_back();
}

void TfrReport::InternalOnGetValue(const String& ParName, String& ParValue) {
  const TfrView* view = frState().ActiveView;
  String name = ParName;
  int format = view ? view->DisplayFormatCode : 0;
  String formatText = view ? view->DisplayFormatText : String();
  ReadFormatSuffix(name, format, formatText);
  Variant value;
  GetVariableValue(name, value);
  const auto* memo = dynamic_cast<const TfrMemoView*>(view);
  // Text is never hidden: a field's "0" prints as it is.
  if (memo && (memo->Flags & flHideZeros) && !VarIsStr(value) && VarSameValue(value, 0)) value = String();
  ParValue = FormatValue(value, format, formatText);
}
