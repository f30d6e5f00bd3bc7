// The program's registration: every class that stored layouts can create answers its registered
// name as its class name, so that a layout written back names the class it was read as.
#include "AppTestKit.h"

namespace {

using RegistrationTest = TAppTest;

TEST_F(RegistrationTest, EveryCreatableClassAnswersItsRegisteredName) {
  TComponentPtr<TComponent> owner = MakeComponent<TComponent>();
  int created = 0;
  for (const TClassInfo* info : RegisteredClasses()) {
    if (!info->IsComponentClass()) continue;
    TComponent* component = info->CreateComponent(owner.get());
    EXPECT_EQ(component->ClassName(), info->Name());
    component->Free();
    ++created;
  }
  EXPECT_GT(created, 50);
}

}  // namespace
