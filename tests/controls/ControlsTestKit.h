// The control library's own test forms: the form of a stored layout with the handlers it binds,
// on the shared form fixture.
#pragma once

#include "support/FormFixture.h"

// The form of the stored layout tests/controls/layouts/SampleForm.layout.
class TSampleForm : public TForm {
 public:
  using TForm::TForm;
  String ClassName() const override { return "TSampleForm"; }
  String LayoutModule() const override { return "SampleForm"; }
  void FormCreate(TObject*) { Log.push_back("create"); }
  void FormShow(TObject*) { Log.push_back("show"); }
  void OkClick(TObject*) { Log.push_back("ok"); }
  std::vector<String> Log;
  static void Publish(TClassBuilder<TSampleForm>& c) {
    c.Method("FormCreate", &TSampleForm::FormCreate);
    c.Method("FormShow", &TSampleForm::FormShow);
    c.Method("OkClick", &TSampleForm::OkClick);
  }
};

inline void RegisterSampleForm() { RegisterClass<TSampleForm, TForm>("TSampleForm"); }
