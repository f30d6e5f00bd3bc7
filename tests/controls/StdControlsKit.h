// The fixture of the standard controls' tests: a form of the application's kind (made in code,
// or from the stored layout StdControls.layout) and helpers that build controls on it.
#pragma once

#include "ControlsTestKit.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/Edit.h"
#include "controls/Memo.h"

// The form of tests/controls/layouts/StdControls.layout, with the handlers its events bind.
class TStdControlsForm : public TForm {
 public:
  using TForm::TForm;
  String ClassName() const override { return "TStdControlsForm"; }
  String LayoutModule() const override { return "StdControls"; }
  void LabelEnter(TObject*) { Log.push_back("enter"); }
  void LabelLeave(TObject*) { Log.push_back("leave"); }
  std::vector<String> Log;
  static void Publish(TClassBuilder<TStdControlsForm>& c) {
    c.Method("LabelEnter", &TStdControlsForm::LabelEnter);
    c.Method("LabelLeave", &TStdControlsForm::LabelLeave);
  }
};

class TStdControlsTest : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    RegisterClass<TStdControlsForm, TForm>("TStdControlsForm");
  }
};
