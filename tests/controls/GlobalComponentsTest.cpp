// The program's forms and data modules found by name from anywhere.
#include "controls/GlobalComponents.h"
#include "support/FormFixture.h"

namespace {

using GlobalComponentsTest = TControlsTest;

TEST_F(GlobalComponentsTest, FindsTheApplicationsComponentsThenTheScreensFormsRegardlessOfCase) {
  auto* module = new TComponent(Application);
  module->SetName("dmGym");
  EXPECT_EQ(FindGlobalComponent("DMGYM"), module);
  EXPECT_EQ(FindGlobalComponent("form1"), Form);

  TComponentPtr<TForm> loose(TCustomForm::Create<TForm>(nullptr));
  loose->SetName("fmLoose");
  EXPECT_EQ(FindGlobalComponent("fmLoose"), loose.get());  // a form of no owner, on the screen
  EXPECT_EQ(FindGlobalComponent("fmNone"), nullptr);
  EXPECT_EQ(FindGlobalComponent(""), nullptr);
}

}  // namespace
