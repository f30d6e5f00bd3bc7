// The fixture of the editor tests: a shown form holding a test host of in-place editors.
#pragma once

#include "editors/dxEditorClasses.h"
#include "support/EditorHost.h"
#include "support/FormFixture.h"

class TEditorsTest : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    RegisterEditorsClasses();
    RegisterTestEditorClasses();
    Host = Add<TTestEditorHost>("Host", {10, 10, 210, 130});
    ShowForm();
  }
  // A text editor of the test class, set up and shown over Cell.
  TTestTextEdit* StartTextEdit(const TRect& Cell = {20, 20, 100, 40}, const Variant& Value = Variant("abc")) {
    Host->EditorClass = &TestTextEditClass();
    Host->StartEdit(Cell, Value);
    Pump();
    return static_cast<TTestTextEdit*>(Host->Editor);
  }
  int Beeps() {
    int count = 0;
    for (const auto& call : SystemCalls().Calls) count += call.Kind == "beep";
    return count;
  }
  TTestEditorHost* Host = nullptr;
};
