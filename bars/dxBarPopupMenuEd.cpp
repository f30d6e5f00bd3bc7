// The sub-menu editor and its menu.
#include "bars/dxBarPopupMenuEd.h"

#include "bars/dxBarControls.h"
#include "bars/dxBarCustForm.h"
#include "bars/dxBarEditors_p.h"
#include "bars/dxBarItemLinks.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarRegistry.h"
#include "bars/dxBarUtils.h"
#include "windows/NonClient.h"
#include "windows/Window.h"

namespace {

TdxBarSubMenuEditor*& Editor() {
  static TdxBarSubMenuEditor* editor = nullptr;
  return editor;
}

}  // namespace

TdxBarSubMenuEditor* SubMenuEditor() { return Editor(); }

void FreeSubMenuEditor() {
  if (TdxBarSubMenuEditor* editor = Editor()) editor->Free();
}

void ShowSubMenuEditor(TdxBarItemLinks* ItemLinks) {
  TdxBarManager* manager = ItemLinks->BarManager();
  manager->SetCustomizing(true);
  if (TdxBarCustomizingForm* dialog = CustomizingForm(); dialog && manager->IsCustomizing())
    dialog->PageControl->SetActivePage(dialog->tsItems);
  if (!Editor()) Editor() = new TdxBarSubMenuEditor(ItemLinks);
  Editor()->SetItemLinks(ItemLinks);
  DispatchPendingMouseMessages();
  Editor()->Show();
  Editor()->OpenMenu();
}

TdxBarSubMenuEditor::TdxBarSubMenuEditor(TdxBarItemLinks* ItemLinks) : TForm(nullptr) {
  SetupBarEditor(this, bsDialog, dxBarLoadStr(sdxBarSubMenuEditorCaption), 196, 0);
  SetBorderIcons(BorderIconBit(biSystemMenu));
  SetFormStyle(fsStayOnTop);
  SetItemLinks(ItemLinks);
}

// Going closes the menu and leaves the module without an editor.
TdxBarSubMenuEditor::~TdxBarSubMenuEditor() {
  CloseMenu();
  if (FLinksOwner) FLinksOwner->RemoveFreeNotification(this);
  if (Editor() == this) Editor() = nullptr;
}

void TdxBarSubMenuEditor::SetItemLinks(TdxBarItemLinks* Value) {
  if (FItemLinks == Value) return;
  CloseMenu();
  if (FLinksOwner) FLinksOwner->RemoveFreeNotification(this);
  FItemLinks = Value;
  FLinksOwner = dynamic_cast<TComponent*>(Value->Owner());
  if (FLinksOwner) FLinksOwner->FreeNotification(this);
}

void TdxBarSubMenuEditor::Notification(TComponent* AComponent, TOperation Operation) {
  TForm::Notification(AComponent, Operation);
  if (Operation != opRemove || AComponent != FLinksOwner) return;
  FLinksOwner = nullptr;
  FItemLinks = nullptr;
  Release();
}

TdxBarSubMenuControl* TdxBarSubMenuEditor::Menu() const {
  return FItemLinks ? dynamic_cast<TdxBarSubMenuControl*>(FItemLinks->BarControl()) : nullptr;
}

// The menu opens just below the caption and the editor takes its width; a sub item that may not
// open now shows nothing.
void TdxBarSubMenuEditor::OpenMenu() {
  if (!FItemLinks || FItemLinks->BarControl() || !HandleAllocated()) return;
  auto* subItem = dynamic_cast<TCustomdxBarSubItem*>(FItemLinks->Owner());
  if (subItem && !subItem->Enabled() && !subItem->BarManager()->IsDesigning()) return;
  auto* menu = static_cast<TdxBarSubMenuControl*>(FItemLinks->CreateBarControl());
  menu->Popup(Left(), Top() + Height());
  if (!IsBarControlAlive(menu)) return;
  SetBounds(Left(), Top(), menu->Width(), Height());
  FollowWithMenu();
}

void TdxBarSubMenuEditor::CloseMenu() {
  if (TdxBarSubMenuControl* menu = Menu()) menu->CloseMenu();
}

// The menu keeps to the editor's bottom edge, without taking the activation.
void TdxBarSubMenuEditor::FollowWithMenu() {
  TdxBarSubMenuControl* menu = Menu();
  if (!menu || !menu->HandleAllocated()) return;
  SetWindowPos(menu->Handle(), HWND(), Left(), Top() + Height(), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Owned by the window that owns the Customize dialog.
void TdxBarSubMenuEditor::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  TdxBarCustomizingForm* dialog = CustomizingForm();
  TCustomForm* owner = dialog ? dialog->BarManager()->OwnerForm() : nullptr;
  if (owner && owner->HandleAllocated()) Params.WndParent = owner->Handle();
}

void TdxBarSubMenuEditor::DoClose(TCloseAction& Action) {
  TForm::DoClose(Action);
  Action = caFree;
}

void TdxBarSubMenuEditor::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETMINMAXINFO: {
      TForm::Dispatch(Message);
      auto* info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
      const TSize size{Menu() ? Menu()->Width() : Width(), Height()};
      info->ptMinTrackSize = info->ptMaxTrackSize = info->ptMaxSize = TPoint{size.cx, size.cy};
      return;
    }
    case WM_NCLBUTTONDOWN:
      if (Message.WParam == HTCLOSE) CloseMenu();
      break;
    case WM_ACTIVATE:
      TForm::Dispatch(Message);
      if (LOWORD(Message.WParam) != WA_INACTIVE) OpenMenu();
      return;
    case WM_WINDOWPOSCHANGED:
      TForm::Dispatch(Message);
      FollowWithMenu();
      return;
    default: break;
  }
  TForm::Dispatch(Message);
}
