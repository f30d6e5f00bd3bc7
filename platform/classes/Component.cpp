// Ownership, naming and notification rules of TComponent, with the class library's error texts.
#include "classes/Component.h"

#include <algorithm>

#include "classes/Filer.h"
#include "rtl/Text.h"

namespace {

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

void EraseOne(std::vector<TComponent*>& list, TComponent* item) {
  auto it = std::find(list.begin(), list.end(), item);
  if (it != list.end()) list.erase(it);
}

}  // namespace

bool IsValidIdent(const String& Ident) {
  if (Ident.empty() || !IsIdentStart(Ident[0])) return false;
  return std::all_of(Ident.begin(), Ident.end(), IsIdentChar);
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

// Order matters: components that asked for free notification hear of it first, owned
// components go next, and the owner (with its other components) is told last.
TComponent::~TComponent() {
  Destroying();
  RemoveFreeNotifications();
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Free() {
  Destroying();
  BeforeDestruction();
  delete this;
}

TPersistent* TComponent::GetOwner() const { return FOwner; }

void TComponent::SetName(const String& NewName) {
  if (FName == NewName) return;
  if (!NewName.empty() && !IsValidIdent(NewName)) {
    throw EComponentError("'" + NewName + "' is not a valid component name");
  }
  if (FOwner) {
    FOwner->ValidateRename(this, FName, NewName);
  } else {
    ValidateRename(nullptr, FName, NewName);
  }
  FName = NewName;
}

// Changing only the case of a component's own name is allowed.
void TComponent::ValidateRename(TComponent* AComponent, const String& CurName, const String& NewName) {
  if (AComponent && !SameText(CurName, NewName)) {
    TComponent* existing = FindComponent(NewName);
    if (existing && existing != AComponent) {
      throw EComponentError("A component named " + NewName + " already exists");
    }
  }
}

TComponent* TComponent::Components(int Index) const {
  if (Index < 0 || Index >= ComponentCount()) {
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  }
  return FComponents[Index];
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  const auto& list = FOwner->FComponents;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(const String& AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* c : FComponents) {
    if (SameText(c->FName, AName)) return c;
  }
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  ValidateRename(AComponent, String(), AComponent->FName);
  if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
  Insert(AComponent);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  if (AComponent->FOwner != this) return;
  Notification(AComponent, opRemove);
  Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent) {
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent) {
  EraseOne(FComponents, AComponent);
  AComponent->FOwner = nullptr;
}

// Last first. Siblings hear of a removal only when the freed component asked for free
// notification; the rest of them are going away too.
void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* instance = FComponents.back();
    if (instance->FComponentState & csFreeNotification) {
      RemoveComponent(instance);
    } else {
      Remove(instance);
    }
    instance->Free();
  }
}

void TComponent::Destroying() {
  if (FComponentState & csDestroying) return;
  FComponentState |= csDestroying;
  for (TComponent* c : FComponents) c->Destroying();
}

void TComponent::SetDesigning(bool Value) { SetStateBits(csDesigning, Value); }

void TComponent::SetStateBits(TComponentState Bits, bool On) {
  FComponentState = On ? (FComponentState | Bits) : (FComponentState & ~Bits);
}

// Components with the same owner hear of each other through the owner, so they need no link.
void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  if (!FOwner || AComponent->FOwner != FOwner) {
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
      FFreeNotifies.push_back(AComponent);
      AComponent->FreeNotification(this);
    }
  }
  FComponentState |= csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  UnlinkFreeNotification(AComponent);
  AComponent->UnlinkFreeNotification(this);
}

void TComponent::UnlinkFreeNotification(TComponent* AComponent) { EraseOne(FFreeNotifies, AComponent); }

// Each link is dropped before its component is told, so a Notification override that does not
// call the inherited one cannot keep this loop going.
void TComponent::RemoveFreeNotifications() {
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    other->UnlinkFreeNotification(this);
    other->Notification(this, opRemove);
  }
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  // A notified component may free others: walk by index and re-check the bound.
  for (size_t i = 0; i < FComponents.size(); ++i) FComponents[i]->Notification(AComponent, Operation);
}

void TComponent::Loaded() { SetStateBits(csLoading, false); }

void TComponent::ReadState(TReader& Reader) { Reader.ReadData(this); }

void TComponent::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  if (Root != this) return;
  for (TComponent* c : FComponents) {
    if (!c->HasParent()) Proc(c);
  }
}
