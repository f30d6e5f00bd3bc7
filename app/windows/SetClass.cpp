// The classes dialog: the list of stored and added classes, adding with its checks, removing
// (a stored class at once), and storing the added classes on OK.
#include "app/windows/SetClass.h"

#include "app/kits/FormKit.h"
#include "app/data/KvData.h"

TfmSetClass* fmSetClass = nullptr;

namespace {

// A list line shows the class with "班" after it.
String ClassLine(const String& ClassName) { return ClassName + "班"; }

}  // namespace

TfmSetClass::~TfmSetClass() {
  if (fmSetClass == this) fmSetClass = nullptr;
}

void TfmSetClass::Publish(TClassBuilder<TfmSetClass>& c) {
  c.Method("FormCreate", &TfmSetClass::FormCreate);
  c.Method("FormShow", &TfmSetClass::FormShow);
  c.Method("FormCloseQuery", &TfmSetClass::FormCloseQuery);
  c.Method("FormDestroy", &TfmSetClass::FormDestroy);
  c.Method("cbxClassSelect", &TfmSetClass::cbxClassSelect);
  c.Method("ActInsertUpdate", &TfmSetClass::ActInsertUpdate);
  c.Method("ActInsertExecute", &TfmSetClass::ActInsertExecute);
  c.Method("ActDeleteUpdate", &TfmSetClass::ActDeleteUpdate);
  c.Method("ActDeleteExecute", &TfmSetClass::ActDeleteExecute);
  c.Method("actUpdateUpdate", &TfmSetClass::actUpdateUpdate);
  c.Method("actUpdateExecute", &TfmSetClass::actUpdateExecute);
  c.Method("ActCancelUpdate", &TfmSetClass::ActCancelUpdate);
}

void TfmSetClass::Loaded() {
  TForm::Loaded();
  BindComponent(this, cbbGrade, "cbbGrade");
  BindComponent(this, cbxClass, "cbxClass");
  BindComponent(this, lbClassList, "lbClassList");
  BindComponent(this, ActInsert, "ActInsert");
  BindComponent(this, ActDelete, "ActDelete");
  BindComponent(this, actUpdate, "actUpdate");
  BindComponent(this, ActCancel, "ActCancel");
  BindComponent(this, adtClass, "adtClass");
}

void TfmSetClass::FormCreate(TObject*) { ConnectDataSets(this); }

void TfmSetClass::FormShow(TObject*) {
  LoadClasses();
  dmGym->FillGradeList(cbbGrade->Items());
  if (cbbGrade->Items()->Count() > 0) cbbGrade->SetItemIndex(0);
}

// Added classes that were not stored are dropped with the list.
void TfmSetClass::FormCloseQuery(TObject*, bool& CanClose) {
  CanClose = true;
  adtClass->Close();
  FreeItemObjects(lbClassList->Items());
}

void TfmSetClass::FormDestroy(TObject*) { FreeItemObjects(lbClassList->Items()); }

void TfmSetClass::LoadClasses() {
  FreeItemObjects(lbClassList->Items());
  TScreenCursorScope cursor(crHourGlass);
  adtClass->Close();
  adtClass->Open();
  for (adtClass->First(); !adtClass->Eof(); adtClass->Next()) {
    const String name = adtClass->FieldByName("Fd_Class")->AsString();
    lbClassList->Items()->AddObject(ClassLine(name),
                                    new TTab_Class(false, name, adtClass->FieldByName("Fd_Grade")->AsString()));
  }
}

void TfmSetClass::AddClass() {
  const String grade = cbbGrade->Text();
  const String name = grade + cbxClass->Text();
  if (lbClassList->Items()->IndexOf(ClassLine(name)) >= 0) {
    ShowMsgBox("该班级已经存在。", "信息提示", mtInformation, MsgDlgBit(mbOK));
    return;
  }
  lbClassList->Items()->AddObject(ClassLine(name), new TTab_Class(true, name, grade));
}

// Choosing a numeral from the list adds the class at once.
void TfmSetClass::cbxClassSelect(TObject*) {
  if (cbbGrade->ItemIndex() < 0) {
    ShowMsgBox("请选择年级。", "错误提示", mtInformation, MsgDlgBit(mbOK));
    return;
  }
  AddClass();
}

void TfmSetClass::ActInsertUpdate(TObject*) {
  ActInsert->SetEnabled(cbbGrade->ItemIndex() >= 0 && !cbxClass->Text().empty());
}

void TfmSetClass::ActInsertExecute(TObject*) {
  if (cbbGrade->ItemIndex() < 0 || cbxClass->Text().empty()) {
    ShowMsgBox("请设置班级。", "错误提示", mtInformation, MsgDlgBit(mbOK));
    return;
  }
  AddClass();
}

void TfmSetClass::ActDeleteUpdate(TObject*) { ActDelete->SetEnabled(lbClassList->ItemIndex() >= 0); }

// A stored class leaves the table at once, whether or not the dialog is confirmed afterwards.
void TfmSetClass::ActDeleteExecute(TObject*) {
  const int index = lbClassList->ItemIndex();
  if (index < 0) return;
  const auto* entry = static_cast<TTab_Class*>(lbClassList->Items()->Objects(index));
  if (!entry->IsNew) {
    TScreenCursorScope cursor(crHourGlass);
    if (!adtClass->Active()) adtClass->Open();
    if (adtClass->Locate("Fd_Class", Variant(entry->Class))) adtClass->Delete();
  }
  delete entry;
  lbClassList->Items()->Delete(index);
}

void TfmSetClass::actUpdateUpdate(TObject*) { actUpdate->SetEnabled(lbClassList->Items()->Count() > 0); }

// A refused row keeps the dialog open with the classes not yet stored.
void TfmSetClass::actUpdateExecute(TObject*) {
  KeepOpenOnFailure(this, [this] { StoreNewClasses(); });
}

// Each stored class is marked at once, so that after a refused row the next OK stores only the
// classes still waiting.
void TfmSetClass::StoreNewClasses() {
  TScreenCursorScope cursor(crHourGlass);
  if (!adtClass->Active()) adtClass->Open();
  TStrings* items = lbClassList->Items();
  for (int i = 0; i < items->Count(); ++i) {
    auto* entry = static_cast<TTab_Class*>(items->Objects(i));
    if (!entry->IsNew) continue;
    adtClass->Append();
    PostRow(adtClass, [&] {
      adtClass->FieldByName("Fd_Grade")->SetAsString(entry->Grade);
      adtClass->FieldByName("Fd_Class")->SetAsString(entry->Class);
    });
    entry->IsNew = false;
  }
}

void TfmSetClass::ActCancelUpdate(TObject*) {
  ActCancel->SetCaption(lbClassList->Items()->Count() == 0 ? "关闭" : "取消");
}

TModalResult ShowSetClass() {
  return HeldForm(fmSetClass)->ShowModal();
}
