// The new-item dialog.
#include "bars/dxBarItemEd.h"

#include "bars/dxBarCategories.h"
#include "bars/dxBarEditors_p.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "classes/Properties.h"
#include "controls/Application.h"
#include "controls/Label.h"
#include "controls/PlaceControl.h"
#include "rtl/Convert.h"
#include "windows/Services.h"

// The class name without its type letter and the library's "dx": TdxBarButton proposes BarButton1.
String ProposeBarItemName(const TdxBarManager* Manager, const String& ClassName) {
  String stem = ClassName.substr(1);
  if (stem.rfind("dx", 0) == 0) stem = stem.substr(2);
  int number = 1;
  while (Manager->FindItemByName(stem + IntToStr(number))) ++number;
  return stem + IntToStr(number);
}

TdxBarItemAddEditor::TdxBarItemAddEditor(TdxBarManager* Manager, int CategoryIndex) : TForm(nullptr), FManager(Manager) {
  SetupBarEditor(this, bsDialog, dxBarLoadStr(sdxBarAddItemCaption), 263, 150);
  SetFormStyle(fsStayOnTop);
  const auto row = [this](int Top, int Text, const char* LabelName, TWinControl* Control) {
    auto* label = PlaceControl<TLabel>(this, this, LabelName, Bounds(8, Top + 3, 60, 14), dxBarLoadStr(Text));
    label->SetFocusControl(Control);
    Control->SetBounds(72, Top, 183, 21);
  };
  Edit1 = PlaceControl<TEdit>(this, this, "Edit1", TRect{});
  Edit2 = PlaceControl<TEdit>(this, this, "Edit2", TRect{});
  ComboBox1 = PlaceControl<TComboBox>(this, this, "ComboBox1", TRect{});
  ComboBox2 = PlaceControl<TComboBox>(this, this, "ComboBox2", TRect{});
  row(8, sdxBarItemName, "Label1", Edit1);
  row(36, sdxBarItemCaption, "Label2", Edit2);
  row(64, sdxBarItemType, "Label3", ComboBox1);
  row(92, sdxBarItemCategory, "Label4", ComboBox2);
  for (TComboBox* box : {ComboBox1, ComboBox2}) box->SetStyle(csDropDownList);
  PlaceBarEditorButtons(this, 99, 120, "BOk", "BCancel", BOk, BCancel);

  TStrings* categories = Manager->Categories();
  for (int i = 0; i < categories->Count(); ++i) ComboBox2->Items()->Add(categories->Strings(i));
  ComboBox2->SetItemIndex(CategoryIndex >= 0 && CategoryIndex < categories->Count() ? CategoryIndex : 0);
  for (int i = 0; const TClassInfo* kind = GetVisibleBarItemClass(i); ++i) ComboBox1->Items()->Add(kind->Name());
  ComboBox1->OnChange = [this](TObject*) { ProposeName(); };
  ComboBox1->SetItemIndex(0);
  ProposeName();
  OnCloseQuery = [this](TObject*, bool& CanClose) { CreateItem(CanClose); };
}

void TdxBarItemAddEditor::DoShow() {
  TForm::DoShow();
  SetActiveControl(Edit1);
}

void TdxBarItemAddEditor::ProposeName() {
  if (ComboBox1->ItemIndex() < 0) return;
  Edit1->SetText(ProposeBarItemName(FManager, ComboBox1->Items()->Strings(ComboBox1->ItemIndex())));
}

// The items are the form's components, whose names the form keeps unique without regard to case.
void TdxBarItemAddEditor::CreateItem(bool& CanClose) {
  if (ModalResult() != mrOk || FCreatedItem) return;
  const TClassInfo* kind = GetVisibleBarItemClass(ComboBox1->ItemIndex());
  String refusal = Edit1->Text().empty() ? dxBarLoadStr(sdxBarBlankItemName) : String();
  if (refusal.empty() && kind) {
    auto* item = static_cast<TdxBarItem*>(kind->CreateComponent(FManager->OwnerForm()));
    try {
      item->SetName(Edit1->Text());
      item->SetCategory(ComboBox2->ItemIndex());
      item->SetCaption(Edit2->Text());
      FCreatedItem = item;
      BarManagerModified(FManager);
      return;
    } catch (const EComponentError& error) {
      item->Free();
      refusal = error.Message();
    }
  }
  if (refusal.empty()) return;
  MessageBox(Handle(), refusal, Application->Title(), MB_OK | MB_ICONERROR);
  CanClose = false;
  SetActiveControl(Edit1);
}

TdxBarItem* AddBarItem(TdxBarManager* Manager, int CategoryIndex) {
  TComponentPtr<TdxBarItemAddEditor> dialog(new TdxBarItemAddEditor(Manager, CategoryIndex));
  if (dialog->ShowModal() != mrOk) return nullptr;
  return dialog->CreatedItem();
}
