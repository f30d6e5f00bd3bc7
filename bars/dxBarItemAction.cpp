// An item bound to an action: the binding, the values the action supplies, and the linked tests
// that keep those values out of the item's layout.
#include "bars/dxBarItem.h"

#include "bars/dxBarItems.h"
#include "classes/Properties.h"

namespace {

using TNotifySignature = void(TObject*);

// Two handlers are the same method when both are bound by name to the same handler, or are
// copies of one function (an item takes the action's OnExecute as its OnClick).
bool SameHandler(const TNotifyEvent& A, const TNotifyEvent& B) {
  if (!A || !B) return false;
  const auto* boundA = A.target<TBoundMethod<TNotifySignature>>();
  const auto* boundB = B.target<TBoundMethod<TNotifySignature>>();
  if (boundA || boundB) return boundA && boundB && boundA->Name == boundB->Name;
  if (A.target_type() != B.target_type()) return false;
  using TPlain = void (*)(TObject*);
  const auto* plainA = A.target<TPlain>();
  return !plainA || *plainA == *B.target<TPlain>();
}

}  // namespace

TdxBarItemVisible VisibleToBarItemVisible(bool Visible) { return Visible ? ivAlways : ivNever; }

TdxBarItemActionLink::TdxBarItemActionLink(TdxBarItem* Client)
    : TActionLink([Client](TBasicAction* Sender, bool CheckDefaults) {
        if (Sender == Client->Action()) Client->ActionChange(Sender, CheckDefaults);
      }),
      FClient(Client) {}

TAction* TdxBarItemActionLink::LinkedAction() const { return dynamic_cast<TAction*>(Action()); }

bool TdxBarItemActionLink::IsCaptionLinked() const {
  return LinkedAction() && FClient->Caption() == LinkedAction()->Caption();
}

bool TdxBarItemActionLink::IsCheckedLinked() const {
  auto* button = dynamic_cast<const TdxBarButton*>(FClient);
  return LinkedAction() && button && button->Down() == LinkedAction()->Checked();
}

bool TdxBarItemActionLink::IsEnabledLinked() const {
  return LinkedAction() && FClient->Enabled() == LinkedAction()->Enabled();
}

bool TdxBarItemActionLink::IsHelpContextLinked() const {
  return LinkedAction() && FClient->HelpContext() == LinkedAction()->HelpContext();
}

bool TdxBarItemActionLink::IsHintLinked() const { return LinkedAction() && FClient->Hint() == LinkedAction()->Hint(); }

bool TdxBarItemActionLink::IsImageIndexLinked() const {
  return LinkedAction() && FClient->ImageIndex() == LinkedAction()->ImageIndex();
}

bool TdxBarItemActionLink::IsShortCutLinked() const {
  return LinkedAction() && FClient->ShortCut() == LinkedAction()->ShortCut();
}

bool TdxBarItemActionLink::IsVisibleLinked() const {
  return LinkedAction() && FClient->Visible() == VisibleToBarItemVisible(LinkedAction()->Visible());
}

bool TdxBarItemActionLink::IsOnExecuteLinked() const {
  return Action() && SameHandler(FClient->OnClick, Action()->OnExecute);
}

TBasicAction* TdxBarItem::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TdxBarItem::SetAction(TBasicAction* Value) {
  if (!Value) {
    FActionLink.reset();
    return;
  }
  if (!FActionLink) FActionLink = std::make_unique<TdxBarItemActionLink>(this);
  FActionLink->SetAction(Value, (Value->ComponentState() & csLoading) != 0);
  Value->FreeNotification(this);
}

// Which values are still at their defaults is read before any is set: a caption taken from the
// action may change the hint.
void TdxBarItem::ActionChange(TBasicAction* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TAction*>(Sender);
  if (!action) return;
  const bool caption = !CheckDefaults || FCaption.empty();
  const bool enabled = !CheckDefaults || FEnabled;
  const bool helpContext = !CheckDefaults || FHelpContext == 0;
  const bool hint = !CheckDefaults || FHint.empty();
  const bool imageIndex = !CheckDefaults || FImageIndex == -1;
  const bool shortCut = !CheckDefaults || FShortCut == 0;
  const bool visible = !CheckDefaults || FVisible == ivAlways;
  const bool onClick = !CheckDefaults || !OnClick;
  if (caption) SetCaption(action->Caption());
  if (enabled) SetEnabled(action->Enabled());
  if (helpContext) SetHelpContext(action->HelpContext());
  if (hint) SetHint(action->Hint());
  if (imageIndex) SetImageIndex(action->ImageIndex());
  if (shortCut) SetShortCut(action->ShortCut());
  if (visible) SetVisible(VisibleToBarItemVisible(action->Visible()));
  if (onClick) OnClick = action->OnExecute;
}

bool TdxBarItem::IsCaptionStored() const { return !FActionLink || !FActionLink->IsCaptionLinked(); }
bool TdxBarItem::IsEnabledStored() const { return !FActionLink || !FActionLink->IsEnabledLinked(); }
bool TdxBarItem::IsHelpContextStored() const { return !FActionLink || !FActionLink->IsHelpContextLinked(); }
bool TdxBarItem::IsHintStored() const { return !FActionLink || !FActionLink->IsHintLinked(); }
bool TdxBarItem::IsVisibleStored() const { return !FActionLink || !FActionLink->IsVisibleLinked(); }
bool TdxBarItem::IsImageIndexStored() const { return !FActionLink || !FActionLink->IsImageIndexLinked(); }
bool TdxBarItem::IsShortCutStored() const { return !FActionLink || !FActionLink->IsShortCutLinked(); }
