// Making report objects by type code and add-in class name.
#include "report/FR_Factory.h"

#include <algorithm>
#include <vector>

#include "classes/Properties.h"
#include "report/FR_BandView.h"
#include "report/FR_Line.h"
#include "report/FR_Memo.h"
#include "report/FR_Picture.h"
#include "report/FR_State.h"
#include "report/FR_SubReport.h"

namespace {

struct TAddIn {
  String ClassName;
  TfrViewFactory Create;
};

std::vector<TAddIn>& AddIns() {
  static std::vector<TAddIn> addIns;
  return addIns;
}

std::vector<TAddIn>::iterator FindAddIn(const String& ClassName) {
  return std::find_if(AddIns().begin(), AddIns().end(), [&](const TAddIn& a) { return a.ClassName == ClassName; });
}

std::unique_ptr<TfrView> CreateAddIn(const String& ClassName) {
  const auto addIn = FindAddIn(ClassName);
  if (addIn == AddIns().end()) {
    TfrEngineState& state = frState();
    state.EvalErrorFlag = true;
    state.EvalErrorText += ClassName + "\r";
    throw EClassNotFound(state.EvalErrorText);
  }
  std::unique_ptr<TfrView> view = addIn->Create();
  view->Typ = gtAddIn;
  return view;
}

}  // namespace

std::unique_ptr<TfrView> frCreateObject(int TypeCode, const String& ClassName) {
  switch (TypeCode) {
    case gtMemo: return std::make_unique<TfrMemoView>();
    case gtPicture: return std::make_unique<TfrPictureView>();
    case gtBand: return std::make_unique<TfrBandView>();
    case gtSubReport: return std::make_unique<TfrSubReportView>();
    case gtLine: return std::make_unique<TfrLineView>();
    case gtAddIn: return CreateAddIn(ClassName);
    default: return nullptr;
  }
}

void frRegisterObject(const String& ClassName, TfrViewFactory Create) {
  if (FindAddIn(ClassName) != AddIns().end()) return;
  if (int(AddIns().size()) >= frMaxAddInObjects) throw EInvalidOperation("Too many report add-in classes");
  AddIns().push_back({ClassName, std::move(Create)});
}

void frUnregisterObject(const String& ClassName) {
  const auto addIn = FindAddIn(ClassName);
  if (addIn != AddIns().end()) AddIns().erase(addIn);
}
