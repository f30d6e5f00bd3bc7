// The data module's value handlers of the student card reports: performances printed in the
// units of their items.
#include "app/data/KvData.h"

namespace {

// The unit of an item number, or nullptr when the item-unit list does not know it.
const TBasicNutric* NutricOf(const String& ProgNo) {
  const int index = NutricList ? NutricList->IndexOf(ProgNo) : -1;
  return index < 0 ? nullptr : dynamic_cast<const TBasicNutric*>(NutricList->Objects(index));
}

}  // namespace

void TdmGym::GetUptoCardValue(const String& ParName, Variant& ParValue) {
  const TBasicNutric* nutric = NutricOf(ParName);
  TField* performance = nutric ? adqprint->FindField(ParName) : nullptr;
  if (performance) ParValue = FormatAchieve(nutric->Nutric, performance->AsFloat());
}

void TdmGym::GetExamCardValue(const String& ParName, Variant& ParValue) {
  if (ParName != "ACHIEVE") return;
  const TBasicNutric* nutric = NutricOf(adtDetail->FieldByName("Fd_ProgNo")->AsString());
  ParValue = nutric ? FormatAchieve(nutric->Nutric, adtDetail->FieldByName("Fd_Achieve")->AsFloat()) : String("\u3000");
}
