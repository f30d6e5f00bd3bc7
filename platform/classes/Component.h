// TComponent: ownership, names, component state, free notifications and the loading hooks that
// the layout reader drives. Every window, control and non-visual part of a form derives from it.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "rtl/Persistent.h"

QUORIN_EXCEPTION(EComponentError, Exception);

class TReader;

// ComponentState is a set of these bits.
enum TComponentStateFlag : unsigned {
  csLoading = 1u << 0,     // from the start of reading a layout until Loaded
  csReading = 1u << 1,     // while the layout reader sets its properties
  csWriting = 1u << 2,     // while the layout writer reads them
  csDestroying = 1u << 3,  // from the start of freeing; owned components carry it too
  csDesigning = 1u << 4,   // design mode: never set by this program, kept for the callers that test it
  csFreeNotification = 1u << 5,  // some component asked to be told when this one is freed
};
using TComponentState = unsigned;

enum TOperation { opInsert, opRemove };

using TGetChildProc = std::function<void(class TComponent* Child)>;

// Ownership rule: a component created with an Owner belongs to it; the owner frees it when it is
// freed itself, and the creating code keeps a plain pointer. Any component may be freed earlier
// with Free() (or delete), which takes it out of its owner. A component without an Owner is held
// by its creator in a TComponentPtr, whose deleter calls Free().
class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // Marks this component and its owned components as being destroyed, runs BeforeDestruction,
  // then deletes it, so that destructors of derived classes already see csDestroying.
  void Free();
  // Runs while the whole object still exists, before any destructor (forms fire OnDestroy here).
  virtual void BeforeDestruction() {}
  String ClassName() const override { return "TComponent"; }
  TPersistent* GetOwner() const override;

  TComponent* Owner() const { return FOwner; }
  const String& Name() const { return FName; }
  // An identifier (or empty), unique among the owner's components regardless of case.
  virtual void SetName(const String& NewName);
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int Index) const;
  int ComponentIndex() const;
  // The owned component with this name regardless of case; nullptr when none or Name is empty.
  TComponent* FindComponent(const String& AName) const;
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  void DestroyComponents();

  TComponentState ComponentState() const { return FComponentState; }
  void SetDesigning(bool Value);
  void Destroying();

  // Asks to be told (Notification with opRemove) when AComponent is freed; the link is mutual.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // The components a layout stores inside this one. The base hands a root its owned components
  // that have no parent component; containers add their own children.
  virtual void GetChildren(const TGetChildProc& Proc, TComponent* Root);
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* Value) { (void)Value; }

 protected:
  // Told of every component inserted into or removed from the owner, and of the freeing of
  // every component linked by FreeNotification. Overrides call the inherited one.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  // Runs once after a layout has been read completely, references resolved; clears csLoading.
  virtual void Loaded();
  // Reads this component's properties and children from the layout reader.
  virtual void ReadState(TReader& Reader);
  virtual void ValidateRename(TComponent* AComponent, const String& CurName, const String& NewName);

 private:
  friend class TReader;
  friend class TWriter;
  void SetStateBits(TComponentState Bits, bool On);
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);
  void RemoveFreeNotifications();
  void UnlinkFreeNotification(TComponent* AComponent);

  TComponent* FOwner = nullptr;
  String FName;
  int FTag = 0;
  TComponentState FComponentState = 0;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
};

struct TComponentDeleter {
  void operator()(TComponent* component) const {
    if (component) component->Free();
  }
};
template <class T>
using TComponentPtr = std::unique_ptr<T, TComponentDeleter>;

// Creates a component without an owner, held by the caller.
template <class T, class... Args>
TComponentPtr<T> MakeComponent(Args&&... args) {
  return TComponentPtr<T>(new T(nullptr, std::forward<Args>(args)...));
}

// True for a non-empty identifier: a letter or underscore, then letters, digits or underscores.
bool IsValidIdent(const String& Ident);
