// The name dialog of toolbars and categories.
#include "bars/dxBarNameEd.h"

#include "bars/dxBarEditors_p.h"
#include "bars/dxBarManager.h"
#include "controls/Application.h"
#include "controls/PlaceControl.h"
#include "rtl/Convert.h"
#include "windows/Services.h"

namespace {

int CaptionText(bool IsCategory, int Mode) {
  if (IsCategory) return Mode == 0 ? sdxBarAddCategory : Mode == 1 ? sdxBarInsertCategory : sdxBarRenameCategory;
  return Mode == 0 ? sdxBarCustomToolbarName : sdxBarRenameToolbar;
}

}  // namespace

TdxBarNameEd::TdxBarNameEd(bool IsCategory, int Mode, TdxBar* Bar, TdxBarManager* Manager)
    : TForm(nullptr), FIsCategory(IsCategory), FBar(Bar), FManager(Manager) {
  SetupBarEditor(this, bsDialog, dxBarLoadStr(CaptionText(IsCategory, Mode)), 266, 87);
  SetFormStyle(fsStayOnTop);
  LName = PlaceControl<TLabel>(this, this, "LName", Bounds(8, 8, 250, 14),
                               dxBarLoadStr(IsCategory ? sdxBarCategoryName : sdxBarToolbarName));
  EName = PlaceControl<TEdit>(this, this, "EName", Bounds(8, 24, 250, 21));
  LName->SetFocusControl(EName);
  PlaceBarEditorButtons(this, 102, 56, "BOK", "BCancel", BOK, BCancel);
  EName->OnChange = [this](TObject*) { BOK->SetEnabled(!EName->Text().empty()); };
  OnCloseQuery = [this](TObject*, bool& CanClose) { CheckName(CanClose); };
}

void TdxBarNameEd::DoShow() {
  TForm::DoShow();
  BOK->SetEnabled(!EName->Text().empty());
  SetActiveControl(EName);
}

void TdxBarNameEd::CheckName(bool& CanClose) {
  if (ModalResult() != mrOk) return;
  const String name = EName->Text();
  const TdxBar* other = FIsCategory ? nullptr : FManager->FindBarByCaption(name);
  if (other && other != FBar)
    MessageBox(Handle(), Format(dxBarLoadStr(sdxBarToolbarExists), {name}), Application->Title(), MB_OK | MB_ICONERROR);
  CanClose = !name.empty() && !(other && other != FBar);
  if (!CanClose) SetActiveControl(EName);
}

bool ShowBarNameDialog(String& Name, bool IsCategory, int Mode, TdxBar* Bar, TdxBarManager* Manager) {
  TComponentPtr<TdxBarNameEd> dialog(new TdxBarNameEd(IsCategory, Mode, Bar, Manager));
  dialog->EName->SetText(Name);
  if (dialog->ShowModal() != mrOk) return false;
  Name = dialog->EName->Text();
  return true;
}
