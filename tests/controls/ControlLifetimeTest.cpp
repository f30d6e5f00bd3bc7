// A windowed control freed while it has the focus: its form forgets it, so that the focus can
// move on afterwards.
#include "ControlsTestKit.h"
#include "controls/Edit.h"
#include "windows/Focus.h"

namespace {

using ControlLifetimeTest = TControlsTest;

TEST_F(ControlLifetimeTest, AFocusedControlFreedLeavesItsFormAbleToFocusAnother) {
  ShowForm();
  for (int i = 0; i < 2; ++i) {
    auto* edit = new TEdit(Form);
    edit->SetParent(Form);
    edit->SetBounds(10, 10, 100, 21);
    edit->SetFocus();
    ASSERT_EQ(Form->ActiveControl(), edit);
    edit->Free();
    EXPECT_EQ(Form->ActiveControl(), nullptr);
  }
  TTestBox* box = AddBox("box");
  Pump();
  box->SetFocus();
  EXPECT_EQ(GetFocus(), box->Handle());
}

}  // namespace
