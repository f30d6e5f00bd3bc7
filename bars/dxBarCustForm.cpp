// The Customize dialog: the one dialog of the process with the windows it disabled, showing and
// hiding it with its manager's customising mode, building its pages, its help button, and the
// messages of its window. The pages' own work is in dxBarCustForm*.cpp beside this file.
#include "bars/dxBarCustForm.h"

#include <algorithm>
#include <utility>

#include "bars/dxBarCustLists.h"
#include "bars/dxBarCustPopups.h"
#include "bars/dxBarItems.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarPopupMenuEd.h"
#include "bars/dxBarUtils.h"
#include "controls/Application.h"
#include "controls/PlaceControl.h"
#include "windows/HelpInfo.h"
#include "windows/MessageQueue.h"
#include "windows/SystemServices.h"
#include "windows/Window.h"

namespace {

struct TCustomizingState {
  TdxBarCustomizingForm* Form = nullptr;
  // The windows of the managers' forms that the dialog disabled when it opened.
  std::vector<HWND> Disabled;
  // The dialog is being freed: hiding must not free it a second time.
  bool Destroying = false;
};

TCustomizingState& State() {
  static TCustomizingState state;
  return state;
}

void DisableManagedForms() {
  for (int i = 0; i < dxBarManagerList().Count(); ++i) {
    TCustomForm* form = dxBarManagerList().Items(i)->OwnerForm();
    if (!form || !form->HandleAllocated() || !IsWindowEnabled(form->Handle())) continue;
    EnableWindow(form->Handle(), false);
    State().Disabled.push_back(form->Handle());
  }
}

void EnableDisabledForms() {
  for (HWND wnd : std::exchange(State().Disabled, {}))
    if (IsWindow(wnd)) EnableWindow(wnd, true);
}

template <class F>
void WithForm(F Action) {
  if (TdxBarCustomizingForm* form = State().Form) Action(*form);
}

}  // namespace

// --- the module's routines ------------------------------------------------------------------------

void ShowCustomizingForm(TdxBarManager* Manager, bool Show) {
  TCustomizingState& state = State();
  if (Show) {
    if (state.Form) return;
    if (Manager->OnShowCustomizingForm) Manager->OnShowCustomizingForm(Manager);
    DisableManagedForms();
    state.Form = new TdxBarCustomizingForm(Manager);
    Manager->SetCustomizingForm(state.Form);
    state.Form->Show();
    return;
  }
  if (!state.Form) return;
  TdxBarCustomizingForm* form = std::exchange(state.Form, nullptr);
  TdxBarManager* manager = form->BarManager();
  EnableDisabledForms();
  manager->SetCustomizingForm(nullptr);
  if (!state.Destroying) {
    state.Destroying = true;
    form->Free();
    state.Destroying = false;
  }
  FreeSubMenuEditor();
  if (manager->OnHideCustomizingForm) manager->OnHideCustomizingForm(manager);
}

TdxBarCustomizingForm* CustomizingForm() { return State().Form; }

void UpdateCustomizingFormStyle() {
  WithForm([](TdxBarCustomizingForm& f) {
    f.RefreshCommands();
    f.UpdateOptions();
    f.UpdateStyle();
  });
}

void UpdateCustomizingFormHelpButton() { WithForm([](TdxBarCustomizingForm& f) { f.UpdateHelpButton(); }); }
void UpdateCustomizingBarCaption(TdxBar* Bar) { WithForm([Bar](TdxBarCustomizingForm& f) { f.UpdateBarCaption(Bar); }); }
void RefreshCommands() { WithForm([](TdxBarCustomizingForm& f) { f.RefreshCommands(); }); }
void UpdateCustomizingOptions() { WithForm([](TdxBarCustomizingForm& f) { f.UpdateOptions(); }); }
void RecalcAllCommandsWidths() { WithForm([](TdxBarCustomizingForm& f) { f.RecalcAllCommandsWidths(); }); }
void RefreshGroups() { WithForm([](TdxBarCustomizingForm& f) { f.RefreshGroups(); }); }
void RefreshGroupItems() { WithForm([](TdxBarCustomizingForm& f) { f.RefreshGroupItems(); }); }

// --- creation -------------------------------------------------------------------------------------

TdxBarCustomizingForm::TdxBarCustomizingForm(TdxBarManager* Manager) : TForm(nullptr), FBarManager(Manager) {
  SetName("dxBarCustomizingForm");
  SetBorderStyle(bsDialog);
  SetBorderIcons(BorderIconBit(biSystemMenu));
  SetCaption(dxBarLoadStr(sdxBarCustomizeCaption));
  SetClientWidth(366);
  SetClientHeight(310);
  SetPosition(poOwnerFormCenter);
  Font()->SetName(Manager->Font()->Name());
  Font()->SetCharset(Manager->Font()->Charset());
  Build();
}

TdxBarCustomizingForm::~TdxBarCustomizingForm() {
  // Closed by the user: the manager leaves customising mode, which hides the dialog without
  // freeing it again.
  TCustomizingState& state = State();
  if (state.Form != this) return;
  state.Destroying = true;
  FBarManager->SetCustomizing(false);
  ShowCustomizingForm(FBarManager, false);
  state.Destroying = false;
}

bool TdxBarCustomizingForm::IsDesigning() const { return FBarManager->IsDesigning(); }

void TdxBarCustomizingForm::Build() {
  BottomPanel = PlaceControl<TPanel>(this, this, "BottomPanel", Bounds(0, 274, 366, 36));
  BottomPanel->SetAlign(alBottom);
  BottomPanel->SetBevelOuter(bvNone);
  BHelp = PlaceControl<TButton>(this, BottomPanel, "BHelp", Bounds(6, 6, 75, 23), dxBarLoadStr(sdxBarHelp));
  BHelp->OnClick = [this](TObject*) {
    if (IsDesigning()) return;
    FBarManager->DoHelpButtonClick();
    if (FBarManager->HelpContext() != 0)
      WinHelp(Handle(), String(), HELP_CONTEXT, static_cast<uintptr_t>(FBarManager->HelpContext()));
  };
  const String close = dxBarLoadStr(sdxBarClose);
  const int closeWidth = std::max(75, Canvas()->TextWidth(StripAccelerators(close)) + 24);
  BClose = PlaceControl<TButton>(this, BottomPanel, "BClose", Bounds(360 - closeWidth, 6, closeWidth, 23), close);
  BClose->SetCancel(true);
  BClose->OnClick = [this](TObject*) { Close(); };
  PageControl = PlaceControl<TPageControl>(this, this, "PageControl", Bounds(6, 6, 354, 266));
  PageControl->OnChange = [this](TObject*) { PageChanged(); };
  BuildToolbarsPage();
  BuildCommandsPage();
  BuildOptionsPage();
  BuildAllCommandsPage();
  BuildGroupsPage();
  if (IsDesigning()) BuildDesignMenus();
  FillBars();
  FillCategories();
  UpdateStyle();
  UpdateHelpButton();
  UpdateOptions();
  FillAllCommands();
  RefreshGroups();
  PageControl->SetActivePage(tsToolbars);
}

// A popup with caption, system menu and dialog frame, owned by the manager's form.
void TdxBarCustomizingForm::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  TCustomForm* owner = FBarManager->OwnerForm();
  if (owner && owner->HandleAllocated()) Params.WndParent = owner->Handle();
}

void TdxBarCustomizingForm::UpdateStyle() {
  if (BarManager1) BarManager1->SetStyle(FBarManager->Style());
  LCommands->UpdateStyle();
}

void TdxBarCustomizingForm::UpdateHelpButton() { BHelp->SetVisible(FBarManager->ShowHelpButton()); }

// --- pages and messages -----------------------------------------------------------------------------

// Coming to the commands or all-commands page at design time selects the designer's item there;
// no form designer runs in this program, so the page just shows its selection again.
void TdxBarCustomizingForm::PageChanged() {
  if (PageControl->ActivePage() == tsItems) CommandChanged();
  if (PageControl->ActivePage() == tsAllCommands) RecalcAllCommandsWidths();
}

void TdxBarCustomizingForm::DoClose(TCloseAction& Action) {
  TForm::DoClose(Action);
  Action = caFree;
}

void TdxBarCustomizingForm::Dispatch(TMessage& Message) {
  TForm::Dispatch(Message);
  if (Message.Msg == WM_ACTIVATE) WMActivate(Message);
}

// Activated by a window other than the manager's form, the dialog keeps that form's active look.
void TdxBarCustomizingForm::WMActivate(TMessage& Message) {
  if (LOWORD(Message.WParam) == WA_INACTIVE) return;
  TCustomForm* owner = FBarManager->OwnerForm();
  const HWND other = HWND::FromParam(Message.LParam);
  if (owner && owner->HandleAllocated() && other != owner->Handle()) SendMessage(owner->Handle(), WM_NCACTIVATE, 1, 0);
  if (!CustomizingPopup()) PageChanged();
}
