// A class that publishes an ancestor's property again with a default of its own: layouts name
// the property once, in the ancestor's place, and store it against the new default.
#include <gtest/gtest.h>

#include "classes/Filer.h"
#include "support/LayoutFixture.h"

using namespace layout_fixture;

namespace {

// A panel whose controls start aligned to the top.
class TTopPanel : public TFixtureControl {
 public:
  explicit TTopPanel(TComponent* owner) : TFixtureControl(owner) { Align = alTop; }
  String ClassName() const override { return "TTopPanel"; }
};

TEST(Republish, TheDescendantsDefaultDecidesAndThePropertyIsNamedOnce) {
  RegisterFixtureClasses();
  RegisterClass<TTopPanel, TFixtureControl>("TTopPanel", [](TClassBuilder<TTopPanel>& c) {
    c.Property("Align", &TTopPanel::Align, &TTopPanel::Align, AlignNames).Default(alTop);
  });
  auto alignAt = [](const TClassInfo& info, int& count) {
    int at = -1, i = 0;
    count = 0;
    for (const TPropInfo* p : info.Properties()) {
      if (p->Name() == "Align") ++count, at = i;
      ++i;
    }
    return at;
  };
  int inBase = 0, inPanel = 0;
  EXPECT_EQ(alignAt(FindClass("TTopPanel"), inPanel), alignAt(FindClass("TFixtureControl"), inBase));
  EXPECT_EQ(inPanel, 1);

  TComponentPtr<TFixtureForm> form = MakeComponent<TFixtureForm>();
  form->SetName("fmMain");
  auto* top = new TTopPanel(form.get());
  top->SetName("pnlTop");
  auto* none = new TTopPanel(form.get());
  none->SetName("pnlNone");
  none->Align = alNone;
  const String text = WriteLayout(form.get());
  EXPECT_EQ(text.find("Align = alTop"), String::npos);
  EXPECT_NE(text.find("Align = alNone"), String::npos);

  TComponentPtr<TFixtureForm> again = MakeComponent<TFixtureForm>();
  ReadLayout(text, again.get());
  EXPECT_EQ(dynamic_cast<TTopPanel*>(again->FindComponent("pnlTop"))->Align, alTop);
  EXPECT_EQ(dynamic_cast<TTopPanel*>(again->FindComponent("pnlNone"))->Align, alNone);
}

}  // namespace
