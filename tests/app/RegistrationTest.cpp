// The program's registration: every class that stored layouts can create answers its registered
// name as its class name, so that a layout written back names the class it was read as.
#include "AppTestKit.h"
#include "bars/dxBarManager.h"

namespace {

using RegistrationTest = TAppTest;

// Each class is made on a form of its own, as the main window holds them; the command-bar
// components other than the manager need the form's manager there first.
TEST_F(RegistrationTest, EveryCreatableClassAnswersItsRegisteredName) {
  const TClassInfo& manager = *GetClass("TdxBarManager");
  int created = 0;
  for (const TClassInfo* info : RegisteredClasses()) {
    if (!info->IsComponentClass()) continue;
    TComponentPtr<TForm> form(TCustomForm::Create<TForm>(Application));
    if (!info->InheritsFrom(manager)) new TdxBarManager(form.get());
    TComponent* component = info->CreateComponent(form.get());
    EXPECT_EQ(component->ClassName(), info->Name());
    component->Free();
    ++created;
  }
  EXPECT_GT(created, 50);
}

}  // namespace
