// A control bound to an action: it follows the action's caption, enabled state, hint and
// visibility, and a click without an OnClick handler of its own runs the action.
#include "controls/ActnList.h"
#include "controls/Control.h"

TBasicAction* TControl::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TControl::SetAction(TBasicAction* Value) {
  BindClientAction(FActionLink, this, Value, [this](TBasicAction* action, bool checkDefaults) {
    ActionChange(action, checkDefaults);
  });
}

void TControl::ActionChange(TBasicAction* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TAction*>(Sender);
  if (!action) return;
  if (!CheckDefaults || Caption().empty()) SetCaption(action->Caption());
  if (!CheckDefaults || Enabled()) SetEnabled(action->Enabled());
  if (!CheckDefaults || Hint().empty()) SetHint(action->Hint());
  if (!CheckDefaults || Visible()) SetVisible(action->Visible());
}
