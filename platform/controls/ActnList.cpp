// Actions, action lists and action links; the idle update of the action lists.
#include "controls/ActnList.h"
#include "controls/ControlClasses_p.h"

#include <algorithm>

#include "classes/Properties.h"
#include "controls/Forms.h"
#include "rtl/ScopeExit.h"

namespace {

// Every action list alive, so that the idle pass finds them.
std::vector<TActionList*>& ActionLists() {
  static std::vector<TActionList*> lists;
  return lists;
}

}  // namespace

TActionLink::~TActionLink() { SetAction(nullptr); }

void TActionLink::SetAction(TBasicAction* Value, bool CheckDefaults) {
  if (FAction == Value) return;
  if (FAction) std::erase(FAction->FClients, this);
  FAction = Value;
  if (!FAction) return;
  FAction->FClients.push_back(this);
  if (FOnChange) FOnChange(FAction, CheckDefaults);
}

bool TActionLink::Execute(TComponent* Client) {
  if (!FAction) return false;
  FAction->SetActionComponent(Client);
  // The handler may free the client (a form closing itself): the action outlives the call.
  TBasicAction* action = FAction;
  const auto reset = ScopeExit([action] { action->SetActionComponent(nullptr); });
  return action->Execute();
}

bool TActionLink::Update() { return FAction && FAction->Update(); }

TBasicAction::~TBasicAction() {
  for (TActionLink* link : std::vector<TActionLink*>(FClients)) link->SetAction(nullptr);
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

void TBasicAction::Change() {
  for (TActionLink* link : std::vector<TActionLink*>(FClients))
    if (link->FOnChange) link->FOnChange(this, false);
}

TAction::~TAction() { SetActionList(nullptr); }

bool TAction::Execute() {
  Update();
  return FEnabled && TBasicAction::Execute();
}

void TAction::SetActionList(TActionList* Value) {
  if (FActionList == Value) return;
  if (FActionList) std::erase(FActionList->FActions, this);
  FActionList = Value;
  if (FActionList) FActionList->FActions.push_back(this);
}

int TAction::Index() const {
  if (!FActionList) return -1;
  const auto& actions = FActionList->FActions;
  return static_cast<int>(std::find(actions.begin(), actions.end(), this) - actions.begin());
}

TComponent* TAction::GetParentComponent() const { return FActionList; }

void TAction::SetParentComponent(TComponent* Value) {
  if (auto* list = dynamic_cast<TActionList*>(Value)) SetActionList(list);
}

TActionList::TActionList(TComponent* AOwner) : TComponent(AOwner) { ActionLists().push_back(this); }

TActionList::~TActionList() {
  std::erase(ActionLists(), this);
  for (TAction* action : std::vector<TAction*>(FActions)) action->SetActionList(nullptr);
}

bool TActionList::IsShortCut(WORD Key, TShiftState Shift) {
  const TShortCut wanted = ::ShortCut(Key, Shift);
  if (wanted == scNone) return false;
  for (TAction* action : FActions)
    if (action->ShortCut() == wanted && action->Visible()) {
      action->Execute();
      return true;
    }
  return false;
}

void TActionList::UpdateActions() {
  for (TAction* action : std::vector<TAction*>(FActions)) action->Update();
}

void TActionList::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  for (TAction* action : FActions)
    if (action->Owner() == Root) Proc(action);
}

void UpdateActionLists() {
  for (TActionList* list : std::vector<TActionList*>(ActionLists())) {
    if (std::find(ActionLists().begin(), ActionLists().end(), list) == ActionLists().end()) continue;
    auto* form = dynamic_cast<TCustomForm*>(list->Owner());
    if (form && !form->Showing()) continue;
    list->UpdateActions();
  }
}

void RegisterActionClasses() {
  RegisterClass<TBasicAction, TComponent>("TBasicAction", [](TClassBuilder<TBasicAction>& c) {
    c.Event("OnExecute", &TBasicAction::OnExecute);
    c.Event("OnUpdate", &TBasicAction::OnUpdate);
  });
  RegisterClass<TAction, TBasicAction>("TAction", [](TClassBuilder<TAction>& c) {
    c.Property("Caption", &TAction::Caption, &TAction::SetCaption);
    c.Property("Checked", &TAction::Checked, &TAction::SetChecked).Default(false);
    c.Property("Enabled", &TAction::Enabled, &TAction::SetEnabled).Default(true);
    c.Property("Visible", &TAction::Visible, &TAction::SetVisible).Default(true);
    c.Property("Hint", &TAction::Hint, &TAction::SetHint);
    c.Property("ShortCut", &TAction::ShortCut, &TAction::SetShortCut).Default(0);
    c.Property("ImageIndex", &TAction::ImageIndex, &TAction::SetImageIndex).Default(-1);
    c.Property("HelpContext", &TAction::HelpContext, &TAction::SetHelpContext).Default(0);
  });
  RegisterClass<TActionList, TComponent>("TActionList");
}

void BindClientAction(std::unique_ptr<TActionLink>& Link, const TComponent* Client, TBasicAction* Value,
                      TActionLink::TChangeProc OnChange) {
  if (!Value) {
    Link.reset();
    return;
  }
  if (!Link) Link = std::make_unique<TActionLink>(std::move(OnChange));
  Link->SetAction(Value, (Client->ComponentState() & csLoading) != 0);
}

bool TAction::DoHint(String& HintStr) {
  bool canShow = true;
  if (OnHint) OnHint(HintStr, canShow);
  return canShow;
}
