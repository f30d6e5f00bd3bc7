// Ownership, naming, notifications and freeing of components.
#include <gtest/gtest.h>

#include "classes/Component.h"

namespace {

// Records what it is told, and whether it saw its own destruction coming.
class TProbe : public TComponent {
 public:
  TProbe(TComponent* owner, std::vector<String>* log = nullptr) : TComponent(owner), FLog(log) {}
  ~TProbe() override {
    if (FLog) FLog->push_back("free " + Name() + ((ComponentState() & csDestroying) ? " destroying" : ""));
  }
  TComponent* Watched = nullptr;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (FLog) FLog->push_back(Name() + (operation == opInsert ? " +" : " -") + component->Name());
    if (operation == opRemove && component == Watched) Watched = nullptr;
  }

 private:
  std::vector<String>* FLog;
};

TEST(Component, OwnerFreesItsComponentsLastFirstAndTheyKnowTheyAreGoing) {
  std::vector<String> log;
  auto owner = MakeComponent<TProbe>(&log);
  owner->SetName("Owner");
  auto* a = new TProbe(owner.get(), &log);
  a->SetName("A");
  auto* b = new TProbe(owner.get(), &log);
  b->SetName("B");
  new TProbe(a, &log);  // owned by A: freed with it
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(b->ComponentIndex(), 1);
  log.clear();
  owner.reset();
  EXPECT_EQ(log, (std::vector<String>{"free Owner destroying", "free B destroying", "free A destroying", "free  destroying"}));
}

TEST(Component, FreeingAComponentTakesItOutOfItsOwnerAndTellsTheSiblings) {
  std::vector<String> log;
  auto owner = MakeComponent<TProbe>(&log);
  auto* a = new TProbe(owner.get(), &log);
  a->SetName("A");
  auto* b = new TProbe(owner.get(), &log);
  b->SetName("B");
  log.clear();
  a->Free();
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(owner->Components(0), b);
  EXPECT_EQ(log, (std::vector<String>{"free A destroying", "B -A", " -A"}));
  EXPECT_THROW(owner->Components(1), EListError);
}

TEST(Component, FreeNotificationReachesComponentsOfOtherOwnersBothWays) {
  auto formA = MakeComponent<TComponent>();
  auto formB = MakeComponent<TComponent>();
  auto* grid = new TProbe(formA.get());
  auto* images = new TProbe(formB.get());
  grid->Watched = images;
  grid->FreeNotification(images);
  images->Watched = grid;
  images->Free();
  EXPECT_EQ(grid->Watched, nullptr);

  // After RemoveFreeNotification nothing is told, and nothing dangles.
  auto* other = new TProbe(formB.get());
  grid->Watched = other;
  grid->FreeNotification(other);
  grid->RemoveFreeNotification(other);
  other->Free();
  EXPECT_EQ(grid->Watched, other);
  grid->Watched = nullptr;

  // The link is mutual: freeing the watcher tells the watched one.
  auto* data = new TProbe(formB.get());
  grid->FreeNotification(data);
  data->Watched = grid;
  formA.reset();
  EXPECT_EQ(data->Watched, nullptr);
}

TEST(Component, FreeNotificationOfAComponentWhoseOwnerIsBeingFreed) {
  auto keeper = MakeComponent<TComponent>();
  auto* watcher = new TProbe(keeper.get());
  {
    auto form = MakeComponent<TComponent>();
    auto* images = new TComponent(form.get());
    watcher->Watched = images;
    watcher->FreeNotification(images);
    EXPECT_TRUE(images->ComponentState() & csFreeNotification);
  }
  EXPECT_EQ(watcher->Watched, nullptr);
}

TEST(Component, NamesAreIdentifiersUniqueAmongTheOwnersComponentsRegardlessOfCase) {
  auto owner = MakeComponent<TComponent>();
  auto* a = new TComponent(owner.get());
  auto* b = new TComponent(owner.get());
  a->SetName("edtLogon");
  EXPECT_EQ(owner->FindComponent("EDTLOGON"), a);
  EXPECT_EQ(owner->FindComponent(""), nullptr);
  try {
    b->SetName("EdtLogon");
    FAIL();
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message(), "A component named EdtLogon already exists");
  }
  EXPECT_EQ(b->Name(), "");
  a->SetName("EDTLOGON");  // a change of case of its own name is allowed
  EXPECT_EQ(a->Name(), "EDTLOGON");
  for (const char* bad : {"1st", "has space", "登录", "a-b"}) {
    EXPECT_THROW(b->SetName(bad), EComponentError) << bad;
  }
  try {
    b->SetName("9");
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message(), "'9' is not a valid component name");
  }
  b->SetName("_ok2");
  // Without an owner any valid name goes; inserting into an owner checks it again.
  auto loose = MakeComponent<TComponent>();
  loose->SetName("edtlogon");
  EXPECT_THROW(owner->InsertComponent(loose.get()), EComponentError);
  EXPECT_EQ(loose->Owner(), nullptr);
}

TEST(Component, InsertAndRemoveMoveAComponentBetweenOwners) {
  std::vector<String> log;
  auto first = MakeComponent<TProbe>(&log);
  auto second = MakeComponent<TProbe>(&log);
  auto* c = new TComponent(first.get());
  c->SetName("C");
  log.clear();
  second->InsertComponent(c);
  EXPECT_EQ(c->Owner(), second.get());
  EXPECT_EQ(first->ComponentCount(), 0);
  EXPECT_EQ(log, (std::vector<String>{" -C", " +C"}));
  second->RemoveComponent(c);
  EXPECT_EQ(c->Owner(), nullptr);
  TComponentPtr<TComponent> held(c);
}

TEST(Component, DefaultChildrenOfARootAreItsComponentsWithoutAParent) {
  auto root = MakeComponent<TComponent>();
  auto* a = new TComponent(root.get());
  auto* b = new TComponent(root.get());
  std::vector<TComponent*> children;
  root->GetChildren([&](TComponent* c) { children.push_back(c); }, root.get());
  EXPECT_EQ(children, (std::vector<TComponent*>{a, b}));
  children.clear();
  a->GetChildren([&](TComponent* c) { children.push_back(c); }, root.get());
  EXPECT_TRUE(children.empty());
}

TEST(Component, MakeComponentAndPlainDeleteBothFreeCleanly) {
  auto owner = MakeComponent<TComponent>();
  auto* c = new TComponent(owner.get());
  delete c;
  EXPECT_EQ(owner->ComponentCount(), 0);
  owner->SetDesigning(true);
  EXPECT_TRUE(owner->ComponentState() & csDesigning);
}

}  // namespace
