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
  // A stand-alone editor of Class on the form at Bounds, shown and focused.
  template <class TEdit>
  TEdit* AddStandAlone(const TdxInplaceEditClass& Class, const TRect& Bounds = {10, 150, 160, 174}) {
    auto* edit = new TEdit(Form, Class);
    edit->SetParent(Form);
    edit->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    Pump();
    edit->SetFocus();
    Pump();
    return edit;
  }
  // Pressed, then the messages it causes handled.
  void Press(int Key, TShiftState Shift = 0) {
    PressKey(Key, Shift);
    Pump();
  }
  int Beeps() {
    int count = 0;
    for (const auto& call : SystemCalls().Calls) count += call.Kind == "beep";
    return count;
  }
  TTestEditorHost* Host = nullptr;
};

// The component of that class and name a stored layout made under Root; nil when there is none.
template <class T>
T* Find(TComponent* Root, const char* Name) {
  return dynamic_cast<T*>(Root->FindComponent(Name));
}
