// Item groups: members, the recursion check, and Enabled and Visible reaching every member.
#include <algorithm>

#include "bars/dxBarCategories.h"
#include "bars/dxBarItem.h"
#include "bars/dxBarManager.h"
#include "bars/dxBarUpdateLock.h"
#include "classes/Filer.h"

TdxBarGroup::TdxBarGroup(TComponent* AOwner) : TComponent(AOwner) {}

TdxBarGroup::~TdxBarGroup() {
  if (FBarManager) FBarManager->UnregisterGroup(this);
}

void TdxBarGroup::Add(TComponent* Component) {
  if (!Component || IndexOf(Component) >= 0) return;
  auto* group = dynamic_cast<TdxBarGroup*>(Component);
  if (!group && !dynamic_cast<TdxBarItem*>(Component)) return;
  if (group && group->Contains(this)) throw Exception(dxBarLoadStr(sdxBarRecursiveGroups));
  FMembers.push_back(Component);
  Component->FreeNotification(this);
}

void TdxBarGroup::Remove(TComponent* Component) { std::erase(FMembers, Component); }

int TdxBarGroup::IndexOf(const TComponent* Component) const {
  const auto it = std::find(FMembers.begin(), FMembers.end(), Component);
  return it == FMembers.end() ? -1 : static_cast<int>(it - FMembers.begin());
}

void TdxBarGroup::Move(int CurIndex, int NewIndex) {
  const int count = Count();
  if (CurIndex < 0 || CurIndex >= count || NewIndex < 0 || NewIndex >= count || CurIndex == NewIndex) return;
  TComponent* member = FMembers[static_cast<size_t>(CurIndex)];
  FMembers.erase(FMembers.begin() + CurIndex);
  FMembers.insert(FMembers.begin() + NewIndex, member);
}

bool TdxBarGroup::Contains(const TdxBarGroup* Group) const {
  if (Group == this) return true;
  return std::any_of(FMembers.begin(), FMembers.end(), [Group](const TComponent* member) {
    auto* inner = dynamic_cast<const TdxBarGroup*>(member);
    return inner && inner->Contains(Group);
  });
}

int TdxBarGroup::Index() const { return FBarManager ? FBarManager->IndexOfGroup(this) : -1; }

void TdxBarGroup::SetIndex(int Value) {
  if (FBarManager) FBarManager->MoveGroup(this, Value);
}

// Under the manager's update lock, unless the group is loading or going away.
template <class ItemStep, class GroupStep>
void TdxBarGroup::Propagate(ItemStep OnItem, GroupStep OnGroup) {
  const bool quiet = (ComponentState() & (csLoading | csDestroying)) != 0;
  WithUpdateLock(quiet ? nullptr : FBarManager, [&] {
    for (TComponent* member : std::vector<TComponent*>(FMembers)) {
      if (auto* item = dynamic_cast<TdxBarItem*>(member)) OnItem(*item);
      if (auto* group = dynamic_cast<TdxBarGroup*>(member)) OnGroup(*group);
    }
  });
}

void TdxBarGroup::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Propagate([Value](TdxBarItem& item) { item.SetEnabled(Value); },
            [Value](TdxBarGroup& group) { group.SetEnabled(Value); });
}

void TdxBarGroup::SetVisible(TdxBarItemVisible Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  Propagate([Value](TdxBarItem& item) { item.SetVisible(Value); },
            [Value](TdxBarGroup& group) { group.SetVisible(Value); });
}

TComponent* TdxBarGroup::GetParentComponent() const { return FBarManager; }

void TdxBarGroup::SetParentComponent(TComponent* Value) {
  auto* manager = dynamic_cast<TdxBarManager*>(Value);
  if (!manager || manager == FBarManager) return;
  if (FBarManager) FBarManager->UnregisterGroup(this);
  FBarManager = manager;
  FBarManager->RegisterGroup(this);
}

void TdxBarGroup::SetName(const String& NewName) {
  TComponent::SetName(NewName);
  BarManagerModified(FBarManager);
}

void TdxBarGroup::DefineProperties(TFiler& Filer) {
  TComponent::DefineProperties(Filer);
  Filer.DefineProperty(
      "Items",
      [this](TReader& Reader) {
        Reader.ReadListBegin();
        while (!Reader.EndOfList()) FLoadedNames.push_back(Reader.ReadIdent());
        Reader.ReadListEnd();
      },
      [this](TWriter& Writer) {
        Writer.WriteListBegin();
        for (const TComponent* member : FMembers) Writer.WriteIdent(member->Name());
        Writer.WriteListEnd();
      },
      !FMembers.empty());
}

// Members named in the layout that no longer exist are left out.
void TdxBarGroup::Loaded() {
  TComponent::Loaded();
  TComponent* root = Owner();
  for (const String& name : FLoadedNames)
    if (TComponent* member = root ? root->FindComponent(name) : nullptr) Add(member);
  FLoadedNames.clear();
}

void TdxBarGroup::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove) Remove(AComponent);
}
