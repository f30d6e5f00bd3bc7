// The currency editor: the locale's display format, the typing filter with its decimal limit,
// validation with clamping and no value, the value shown without editing, a refused paste and a
// locale change.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxCurrencyEdit.h"
#include "rtl/Exceptions.h"
#include "rtl/FormatSettings.h"
#include "windows/Clipboard.h"

namespace {

class CurrencyEditTest : public TEditorsTest {
 protected:
  void SetUp() override {
    TEditorsTest::SetUp();
    FSavedSettings = FormatSettings();
  }
  void TearDown() override {
    FormatSettings() = FSavedSettings;
    TEditorsTest::TearDown();
  }
  TdxInplaceCurrencyEdit* StandAlone() { return AddStandAlone<TdxInplaceCurrencyEdit>(CurrencyEditClass(false)); }
  static String Shown(TdxInplaceCurrencyEdit* Edit) {
    Variant value;
    Edit->GetDisplayValue(value, true);
    return VarToStr(value);
  }

 private:
  TFormatSettings FSavedSettings;
};

TEST_F(CurrencyEditTest, TheDisplayFormatFollowsTheLocalesCurrencyLayout) {
  struct TCase {
    const char* Symbol;
    int Format, Decimals;
    const char* Expected;
  };
  const TCase cases[] = {
      {"$", 0, 2, "$,0.00;-$,0.00"},  {"$", 1, 2, ",0.00$;-,0.00$"}, {"DM", 2, 1, "DM ,0.0;-DM ,0.0"},
      {"Fr.", 3, 0, ",0. Fr'.';-,0. Fr'.'"}, {"", 2, 2, ",0.00;-,0.00"},
  };
  for (const TCase& c : cases) {
    FormatSettings().CurrencyString = c.Symbol;
    FormatSettings().CurrencyFormat = c.Format;
    FormatSettings().CurrencyDecimals = c.Decimals;
    EXPECT_EQ(BuildCurrencyFormat(), c.Expected) << c.Symbol << c.Format;
  }
  FormatSettings().CurrencyString = "$";
  FormatSettings().CurrencyFormat = 0;
  FormatSettings().CurrencyDecimals = 2;
  TdxInplaceCurrencyEdit* edit = StandAlone();
  edit->SetText("-1234.5");
  EXPECT_EQ(Shown(edit), "-$1,234.50");
  FormatSettings().CurrencyString = "￥";
  edit->Perform(CM_WININICHANGE);
  EXPECT_EQ(Shown(edit), "-￥1,234.50") << "a locale change rebuilds the locale's format";
  edit->SetDisplayFormat("0.0");
  FormatSettings().CurrencyString = "$";
  edit->Perform(CM_WININICHANGE);
  EXPECT_EQ(Shown(edit), "-1234.5") << "an own format stays";
}

TEST_F(CurrencyEditTest, TypingLetsThroughOnlyWhatCanStillBecomeANumber) {
  TdxInplaceCurrencyEdit* edit = StandAlone();
  struct TCase {
    const char* Typed;
    const char* Text;
    int Beeps;
  };
  const TCase cases[] = {
      {"12.34", "12.34", 0}, {"12.345", "12.34", 1}, {"12,5", "12.5", 0},  {"-", "-", 0},   {"1-2", "12", 1},
      {"1e5", "1e5", 0},     {"a1", "1", 1},         {"1..2", "1.2", 1},   {"1,000", "1.00", 1},
  };
  for (const TCase& c : cases) {
    edit->SetText("");
    const int before = Beeps();
    Type(c.Typed);
    EXPECT_EQ(edit->Text(), c.Text) << c.Typed;
    EXPECT_EQ(Beeps() - before, c.Beeps) << c.Typed;
  }
  edit->SetUseThousandSeparator(true);
  edit->SetText("");
  Type("1,000.5");
  EXPECT_EQ(edit->Text(), "1,000.5");
  EXPECT_EQ(edit->Value(), 1000.5) << "thousand separators are not part of the amount";
  edit->SetDecimalPlaces(0);
  edit->SetText("");
  Type("3.1");
  EXPECT_EQ(edit->Text(), "3.");
}

TEST_F(CurrencyEditTest, ValidationParsesClampsAndReformats) {
  TdxInplaceCurrencyEdit* edit = StandAlone();
  struct TCase {
    double Min, Max;
    const char* Text;
    const char* After;
  };
  const TCase cases[] = {
      {0, 100, "150", "100"}, {0, 100, "-5", "0"},   {0, 0, "150", "150"}, {10, 20, "1E", "10"},
      {0, 100, "12.50", "12.5"}, {0, 0, "", "0"},
  };
  for (const TCase& c : cases) {
    edit->SetMinMaxValues(c.Min, c.Max);
    edit->SetText(c.Text);
    edit->SetModified(true);
    edit->ValidateEdit();
    EXPECT_EQ(edit->Text(), c.After) << c.Text << " in " << c.Min << ".." << c.Max;
    EXPECT_TRUE(edit->GetModified()) << "setting the value keeps the modified state";
  }
  edit->SetMinMaxValues(0, 100);
  edit->SetText("50");
  edit->SetMaxValue(40);
  EXPECT_EQ(edit->Text(), "40") << "a narrower range brings the amount in";
  edit->SetValue(0.1 + 0.2);
  EXPECT_EQ(edit->Text(), "0.3") << "15 significant digits";
}

TEST_F(CurrencyEditTest, ANullableEditorKeepsAnEmptyTextAsNoValue) {
  TdxInplaceCurrencyEdit* edit = StandAlone();
  edit->SetNullString("（无）");
  edit->SetText("");
  edit->SetModified(true);
  EXPECT_EQ(edit->GetEditValue().AsDouble(), 0.0);
  EXPECT_NE(Shown(edit), "（无）");
  edit->SetNullable(true);
  edit->ValidateEdit();
  EXPECT_EQ(edit->Text(), "") << "no value stays empty";
  EXPECT_TRUE(edit->GetEditValue().IsNull());
  EXPECT_EQ(Shown(edit), "（无）");
  edit->SetText("7");
  EXPECT_EQ(edit->GetEditValue().AsDouble(), 7.0);
}

TEST_F(CurrencyEditTest, APasteThatLeavesNoNumberIsRefusedAndTheTextComesBack) {
  TdxInplaceCurrencyEdit* edit = StandAlone();
  edit->SetText("12");
  edit->SelectRange(0, 99, false);
  Clipboard().SetAsText("十二");
  EXPECT_THROW(edit->Perform(WM_PASTE), EConvertError);
  EXPECT_EQ(edit->Text(), "12");
  Clipboard().SetAsText("34.5");
  edit->SelectRange(0, 99, false);
  edit->Perform(WM_PASTE);
  EXPECT_EQ(edit->Text(), "34.5");
  EXPECT_TRUE(edit->GetModified());
}

}  // namespace
