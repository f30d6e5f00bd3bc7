// Filling list controls from the class and grade tables, and the grade of a class.
#include "app/data/KvData.h"

#include "app/kits/FormKit.h"

namespace {

void ClearItems(TStrings* Items) { Items->Clear(); }

}  // namespace

void TdmGym::FillList(TADOTable* Table, TStrings* Items, const std::function<void(TStrings*)>& AddRow,
                      void (*Clear)(TStrings*)) {
  Table->Close();
  Table->Open();
  if (!Table->IsEmpty()) {
    Clear(Items);
    for (Table->First(); !Table->Eof(); Table->Next()) AddRow(Items);
  }
  Table->Close();
}

void TdmGym::FillClassList(TStrings* Items) {
  FillList(adtClass, Items, [this](TStrings* items) { items->Add(adtClass->FieldByName("Fd_Class")->AsString()); },
           ClearItems);
}

void TdmGym::FillClassGradeList(TStrings* Items) {
  FillList(adtClass, Items, [this](TStrings* items) {
    const String name = adtClass->FieldByName("Fd_Class")->AsString();
    items->AddObject(name, new TGradeInfo(name, adtClass->FieldByName("Fd_Grade")->AsString()));
  }, FreeClassGradeList);
}

void TdmGym::FillGradeList(TStrings* Items) {
  FillList(adtGrade, Items, [this](TStrings* items) { items->Add(adtGrade->FieldByName("Fd_Grade")->AsString()); },
           ClearItems);
}

String TdmGym::GetClassGrade(const String& ClassName) {
  if (!adtClass->Active()) adtClass->Open();
  if (!adtClass->Locate("Fd_Class", Variant(ClassName))) return String();
  return adtClass->FieldByName("Fd_Grade")->AsString();
}

String TdmGym::GradeOfClass(const String& ClassName) const {
  const int index = LogUserInfo->ClassList->IndexOf(ClassName);
  const auto* info = index < 0 ? nullptr : dynamic_cast<const TGradeInfo*>(LogUserInfo->ClassList->Objects(index));
  return info ? info->Grade : String();
}

void FreeClassGradeList(TStrings* Items) { FreeItemObjects(Items); }
