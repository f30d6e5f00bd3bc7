// A control bound to an action: it follows the action's caption, enabled state, hint and
// visibility, and a click without an OnClick handler of its own runs the action.
#include "controls/ActnList.h"
#include "controls/Control.h"

TBasicAction* TControl::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TControl::SetAction(TBasicAction* Value) {
  if (!Value) {
    FActionLink.reset();
    return;
  }
  if (!FActionLink)
    FActionLink = std::make_unique<TActionLink>([this](TBasicAction* action, bool checkDefaults) {
      ActionChange(action, checkDefaults);
    });
  FActionLink->SetAction(Value, (ComponentState() & csLoading) != 0);
}

void TControl::ActionChange(TBasicAction* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TAction*>(Sender);
  if (!action) return;
  if (!CheckDefaults || Caption().empty()) SetCaption(action->Caption());
  if (!CheckDefaults || Enabled()) SetEnabled(action->Enabled());
  if (!CheckDefaults || Hint().empty()) SetHint(action->Hint());
  if (!CheckDefaults || Visible()) SetVisible(action->Visible());
}
