// Layout files embedded at build time are found by module name and read like any other text.
#include <gtest/gtest.h>

#include "classes/Layouts.h"
#include "support/LayoutFixture.h"

using namespace layout_fixture;

namespace {

const char* const kLogon =
    "object fmLogon: TFixtureForm\n"
    "  Caption = '登录'\n"
    "  object edtLogon: TFixtureControl\n"
    "    Left = 16\n"
    "    OnClick = ButtonClick\n"
    "  end\n"
    "end\n";

TEST(EmbeddedLayouts, AreFoundByModuleNameWithTheirExactText) {
  const String* text = FindLayout("FixtureLogon");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(*text, kLogon);
  EXPECT_EQ(FindLayout("fixturelogon"), text);
  ASSERT_NE(FindLayout("Empty"), nullptr);
  EXPECT_EQ(*FindLayout("Empty"), "");
  EXPECT_EQ(FindLayout("Missing"), nullptr);

  RegisterFixtureClasses();
  auto form = MakeComponent<TFixtureForm>();
  ReadLayout(*text, form.get());
  EXPECT_EQ(form->Caption(), "登录");
  // The writer stores Left even at its default, as the file does for the edit but not the form.
  EXPECT_EQ(WriteLayout(form.get()), "object fmLogon: TFixtureForm\n  Left = 0\n" + String(kLogon).substr(29));
}

}  // namespace
