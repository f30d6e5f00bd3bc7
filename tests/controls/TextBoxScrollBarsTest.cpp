// The scroll bars of a multi-line text box: bars that always show and are disabled while there is
// nothing to scroll, and hidden bars that show only while the text does not fit.
#include "StdControlsKit.h"
#include "controls/Memo.h"

namespace {

using TextBoxScrollBars = TStdControlsTest;

TEST_F(TextBoxScrollBars, BarsShowDisabledOnAShortTextOrOnlyWhenTheTextDoesNotFit) {
  auto* memo = Add<TMemo>("mmRemark", Bounds(10, 10, 160, 80));
  ShowForm();
  TTextBox& box = memo->TextBox();
  box.SetWordWrap(false);
  box.SetScrollBars(ssBoth);
  memo->SetText("短");
  Pump();
  for (bool vertical : {false, true}) {
    EXPECT_TRUE(box.ScrollBarShown(vertical)) << vertical;
    EXPECT_FALSE(box.ScrollBarEnabled(vertical)) << vertical << ": nothing to scroll";
  }
  String lines;
  for (int i = 0; i < 30; ++i) lines += "第" + std::to_string(i) + "行 一行很长很长很长很长很长很长很长很长的文字\n";
  memo->SetText(lines);
  Pump();
  EXPECT_TRUE(box.ScrollBarEnabled(true));
  EXPECT_TRUE(box.ScrollBarEnabled(false));

  box.SetHideScrollBars(true);
  memo->SetText("短");
  Pump();
  EXPECT_FALSE(box.ScrollBarShown(true)) << "hidden while the text fits";
  EXPECT_FALSE(box.ScrollBarShown(false));
  memo->SetText(lines);
  Pump();
  EXPECT_TRUE(box.ScrollBarShown(true));
  box.SetScrollBars(ssNone);
  Pump();
  EXPECT_FALSE(box.ScrollBarShown(true)) << "no bars asked for";
}

}  // namespace
