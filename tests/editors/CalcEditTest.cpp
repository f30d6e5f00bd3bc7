// The calculator control and editor: keys and mouse clicking buttons, the clipboard, the greyed
// memory buttons, the layout at its size, and the drop-down calculator computing in the editor's
// text with its closing keys.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxCalcEdit.h"
#include "rtl/FormatSettings.h"
#include "support/PixelCanvas.h"
#include "windows/Clipboard.h"

namespace {

class TTestCalculator : public TCustomdxCalculator {
 public:
  using TCustomdxCalculator::TCustomdxCalculator;
  void GetDisplayText(String& Text) override { Text = Display; }
  void SetDisplayText(const String& Text) override { Display = Text; }
  String Display;
};

class CalcEditTest : public TEditorsTest {
 protected:
  TTestCalculator* AddCalculator() {
    auto* calc = new TTestCalculator(Form);
    calc->SetParent(Form);
    calc->SetBounds(5, 5, 150, 90);
    Pump();
    calc->SetFocus();
    Pump();
    return calc;
  }
  static TPoint Centre(TCustomdxCalculator* Calc, TCalcButton Button) {
    const TRect& r = Calc->ButtonInfo(Button).Bounds;
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  // Pixels of Color inside a button, painted off-screen.
  static int PixelsOf(TCustomdxCalculator* Calc, TCalcButton Button, TColor Color) {
    TPixelCanvas canvas(Calc->ClientWidth(), Calc->ClientHeight());
    Calc->PaintTo(canvas.DC(), 0, 0);
    const TRect& r = Calc->ButtonInfo(Button).Bounds;
    int count = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) count += canvas.At(x, y) == ColorToRGB(Color);
    return count;
  }
};

TEST_F(CalcEditTest, KeysClickTheirButtons) {
  TTestCalculator* calc = AddCalculator();
  struct TCase {
    const char* Typed;
    WORD Key;
    TShiftState Shift;
    const char* Display;
  };
  const TCase cases[] = {
      {"12+3", VK_RETURN, 0, "15"}, {"7", VK_ESCAPE, 0, "0"},   {"5+4", VK_DELETE, 0, "0"},
      {"9", VK_F9, 0, "-9"},        {"4", 'R', 0, "0.25"},       {"16@", 0, 0, "4"},
      {"123\b", 0, 0, "12"},        {"8/2=", 0, 0, "4"},
  };
  for (const TCase& c : cases) {
    calc->Display = "0";
    Type(c.Typed);
    if (c.Key) Press(c.Key, c.Shift);
    EXPECT_EQ(calc->Display, c.Display) << c.Typed;
    Press(VK_ESCAPE);
  }
  EXPECT_TRUE(calc->IsButtonGrayed(calcMemClear) && calc->IsButtonGrayed(calcMemRecall));
  Type("6");
  Press('M', ssCtrl);
  EXPECT_FALSE(calc->IsButtonGrayed(calcMemRecall)) << "Ctrl+M stores";
  Press(VK_ESCAPE);
  Press('R', ssCtrl);
  EXPECT_EQ(calc->Display, "6") << "Ctrl+R recalls";
  Press('P', ssCtrl);
  EXPECT_EQ(calc->Memory(), 12) << "Ctrl+P adds";
  Press('L', ssCtrl);
  EXPECT_TRUE(calc->IsButtonGrayed(calcMemRecall)) << "Ctrl+L clears";
}

TEST_F(CalcEditTest, ClipboardAndMouse) {
  TTestCalculator* calc = AddCalculator();
  calc->Display = "42";
  Press('C', ssCtrl);
  EXPECT_EQ(Clipboard().AsText(), "42");
  Clipboard().SetAsText(FormatSettings().CurrencyString + "12.5 ");
  Press('V', ssCtrl);
  EXPECT_EQ(calc->Display, "12.5") << "the currency symbol is left out";
  Type("1");
  EXPECT_EQ(calc->Display, "12.51") << "a pasted number is being entered";
  Clipboard().SetAsText("abc");
  Press(VK_INSERT, ssShift);
  EXPECT_EQ(calc->Display, "0") << "a text that is no number shows 0";

  Click(calc, Centre(calc, calcDigit7));
  Pump();
  EXPECT_EQ(calc->Display, "7");
  MouseDown(calc, Centre(calc, calcDigit8));
  Pump();
  EXPECT_TRUE(calc->IsButtonDown(calcDigit8));
  MouseMove(calc, Centre(calc, calcDigit9));
  Pump();
  EXPECT_FALSE(calc->IsButtonDown(calcDigit8)) << "down only while the pointer is on it";
  MouseUp(calc, Centre(calc, calcDigit9));
  Pump();
  EXPECT_EQ(calc->Display, "7") << "released off the button: no click";

  int errors = 0;
  calc->OnError = [&](TObject*) { ++errors; };
  Type("/0=");
  EXPECT_EQ(calc->Display, "Error");
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(Beeps(), 1);
}

TEST_F(CalcEditTest, MemoryButtonsAreGreyWhileTheMemoryIsEmptyAndTheLayoutFollowsTheSize) {
  TTestCalculator* calc = AddCalculator();
  EXPECT_EQ(calc->Layout().ButtonHeight, 22) << "150 x 90 is smaller than the design size";
  EXPECT_EQ(calc->ClientWidth(), calc->Layout().Width);
  EXPECT_EQ(calc->ClientHeight(), calc->Layout().Height);
  EXPECT_EQ(PixelsOf(calc, calcMemRecall, TColor(0x0000FF)), 0);
  EXPECT_GT(PixelsOf(calc, calcMemRecall, clBtnShadow), 0);
  Type("3");
  Press('M', ssCtrl);
  EXPECT_GT(PixelsOf(calc, calcMemRecall, TColor(0x0000FF)), 0) << "red once the memory holds a number";
  calc->SetBounds(5, 5, 300, 200);
  Pump();
  EXPECT_GT(calc->Layout().ButtonHeight, 22);
  EXPECT_EQ(calc->ClientHeight(), calc->Layout().Height);
}

TEST_F(CalcEditTest, ThePopupComputesInTheEditorsTextAndClosesOnEnter) {
  auto* edit = AddStandAlone<TdxInplaceCalcEdit>(CalcEditClass(false));
  edit->SetText("2");
  Press(VK_F4);
  TdxPopupCalculator* calc = edit->PopupCalculator();
  ASSERT_TRUE(calc);
  EXPECT_TRUE(IsWindowVisible(calc->Handle()));
  EXPECT_EQ(GetFocus(), calc->Handle());
  Type("*3");
  EXPECT_EQ(edit->Text(), "3");
  Press(VK_RETURN);
  EXPECT_EQ(edit->Text(), "6") << "Enter computes";
  EXPECT_FALSE(IsWindowVisible(calc->Handle())) << "and closes";
  EXPECT_TRUE(edit->GetModified());
  EXPECT_EQ(GetFocus(), edit->Handle());

  Press(VK_DOWN, ssAlt);
  Type("1/0=");
  EXPECT_EQ(edit->Text(), "Error");
  Press(VK_ESCAPE);
  EXPECT_EQ(edit->Text(), "0") << "an error left in the editor becomes 0 on closing";

  edit->SetQuickClose(true);
  Press(VK_F4);
  Type("5+5=");
  EXPECT_EQ(edit->Text(), "10");
  EXPECT_FALSE(IsWindowVisible(calc->Handle())) << "quick close on =";

  edit->SetReadOnly(true);
  Press(VK_F4);
  EXPECT_FALSE(IsWindowVisible(calc->Handle())) << "a read-only editor opens no calculator";
}

}  // namespace
