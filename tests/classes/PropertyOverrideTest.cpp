// A class that registers a property again under its ancestor's name: the layout writes it once,
// in the ancestor's place, by the class's own stored-when rule.
#include <gtest/gtest.h>

#include <algorithm>

#include "classes/Filer.h"
#include "classes/Properties.h"

namespace {

class TSizedThing : public TComponent {
 public:
  using TComponent::TComponent;
  String ClassName() const override { return "TSizedThing"; }
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }
  int Width() const { return FWidth; }
  void SetWidth(int Value) { FWidth = Value; }

 private:
  int FHeight = 0;
  int FWidth = 0;
};

// Keeps its height only when it is not sized automatically.
class TAutoSizedThing : public TSizedThing {
 public:
  using TSizedThing::TSizedThing;
  String ClassName() const override { return "TAutoSizedThing"; }
  bool AutoSize = true;
  bool IsHeightStored() const { return !AutoSize; }
};

void Register() {
  RegisterClass<TSizedThing, TComponent>("TSizedThing", [](TClassBuilder<TSizedThing>& c) {
    c.Property("Height", &TSizedThing::Height, &TSizedThing::SetHeight);
    c.Property("Width", &TSizedThing::Width, &TSizedThing::SetWidth);
  });
  RegisterClass<TAutoSizedThing, TSizedThing>("TAutoSizedThing", [](TClassBuilder<TAutoSizedThing>& c) {
    c.Property("Height", &TAutoSizedThing::Height, &TAutoSizedThing::SetHeight)
        .Stored(&TAutoSizedThing::IsHeightStored);
  });
}

TEST(PropertyOverrideTest, ARegisteredAgainPropertyReplacesTheAncestorsInItsPlace) {
  Register();
  const TClassInfo& info = FindClass("TAutoSizedThing");
  std::vector<String> names;
  for (const TPropInfo* p : info.Properties()) names.push_back(p->Name());
  const std::vector<String> expected{"Height", "Width"};
  EXPECT_EQ(std::vector<String>(names.end() - 2, names.end()), expected);
  EXPECT_EQ(std::count(names.begin(), names.end(), "Height"), 1);

  auto thing = MakeComponent<TAutoSizedThing>();
  thing->SetName("Thing");
  thing->SetHeight(21);
  EXPECT_EQ(WriteLayout(thing.get()).find("Height"), String::npos);
  thing->AutoSize = false;
  const String text = WriteLayout(thing.get());
  EXPECT_NE(text.find("Height = 21"), String::npos);
  EXPECT_EQ(text.find("Height"), text.rfind("Height"));
}

}  // namespace
