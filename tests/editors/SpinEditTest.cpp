// The spin and time editors: the range and value rules, spinning by key, wheel and button with the
// repeat on the test clock, the typing filters, the button column's width and look, and the time
// editor's parts, limits and kept date.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxExEdtr.h"
#include "editors/dxTimeEdit.h"
#include "graphics/Metrics.h"
#include "support/PixelCanvas.h"

namespace {

class SpinEditTest : public TEditorsTest {
 protected:
  TdxInplaceSpinEdit* StandAlone() { return AddStandAlone<TdxInplaceSpinEdit>(SpinEditClass(false)); }
  TdxInplaceTimeEdit* StandAloneTime() { return AddStandAlone<TdxInplaceTimeEdit>(TimeEditClass(false)); }
  // A client point on the up or down button (the column lies right of the client area).
  static TPoint OnButton(TWinControl* Edit, bool Up) {
    return {Edit->ClientWidth() + 4, Up ? 2 : Edit->ClientHeight() - 3};
  }
  static TDateTime Time(int H, int M, int S) { return EncodeTime(H, M, S, 0); }
  // The masked caret moved to Pos with Home and Right, as a user moves it.
  void PlaceCaret(TdxInplaceMaskEdit* Edit, int Pos) {
    Press(VK_HOME);
    for (int i = 0; i < Pos && Edit->CaretPos() < Pos; ++i) Press(VK_RIGHT);
    ASSERT_EQ(Edit->CaretPos(), Pos);
  }
};

TEST_F(SpinEditTest, RangeAndValueRules) {
  TdxInplaceSpinEdit* edit = StandAlone();
  EXPECT_EQ(edit->Text(), "0");
  edit->SetValue(-1e6);
  EXPECT_EQ(edit->Text(), "-1000000") << "(0, 0) leaves the value unbounded";

  edit->SetMinMaxValues(10, 5);
  EXPECT_EQ(edit->MinValue(), 5);
  EXPECT_EQ(edit->MaxValue(), 5);
  edit->SetValue(99);
  EXPECT_EQ(edit->Text(), "99") << "equal bounds switch the range off";

  edit->SetMinMaxValues(3, 10);
  edit->SetText("");
  PressKey(VK_UP);
  Pump();
  EXPECT_EQ(edit->Text(), "4") << "an empty text counts as the minimum";
  edit->SetValue(150);
  EXPECT_EQ(edit->Text(), "10") << "clamped, never wrapped";

  struct TCase {
    TdxSpinValueType Type;
    double Value;
    const char* Text;
  };
  edit->SetMinMaxValues(0, 0);
  const TCase cases[] = {
      {svtInteger, 2.5, "2"}, {svtInteger, 3.5, "4"}, {svtInteger, -2.5, "-2"},
      {svtFloat, 0.1, "0.1"}, {svtFloat, 1.0 / 3, "0.333333333333333"},
  };
  for (const TCase& c : cases) {
    edit->SetValueType(c.Type);
    edit->SetValue(c.Value);
    EXPECT_EQ(edit->Text(), c.Text) << c.Value;
  }
  edit->SetValueType(svtInteger);
  edit->SetMinMaxValues(3.7, 10);
  edit->SetText("2.5");
  EXPECT_EQ(edit->GetValue(), 3) << "a text StrToInt refuses gives the minimum truncated";
  EXPECT_TRUE(edit->IsMinValueStored() && edit->IsValueTypeStored());
  edit->RestoreDefaults();
  EXPECT_FALSE(edit->IsMinValueStored());
  EXPECT_EQ(edit->MinValue(), 0);
  EXPECT_EQ(edit->MaxValue(), 0);
}

TEST_F(SpinEditTest, KeysAndWheelSpinAndTypingIsFiltered) {
  TdxInplaceSpinEdit* edit = StandAlone();
  edit->SetIncrement(5);
  Press(VK_UP);
  Press(VK_UP);
  Press(VK_DOWN);
  EXPECT_EQ(edit->Text(), "5");
  EXPECT_TRUE(edit->GetModified());
  EXPECT_EQ(edit->PressedButton(), sbNoButton) << "key up ends the key spin";
  Wheel(edit, {5, 5}, 120);
  Pump();
  EXPECT_EQ(edit->Text(), "10");
  Wheel(edit, {5, 5}, -120);
  Pump();
  EXPECT_EQ(edit->Text(), "5");

  edit->SetUseCtrlIncrement(true);
  Press(VK_UP);
  EXPECT_EQ(edit->Text(), "5") << "without Ctrl the arrows do not spin";
  Press(VK_UP, ssCtrl);
  EXPECT_EQ(edit->Text(), "10");

  edit->SetText("");
  const int beeps = Beeps();
  Type("-1a2.5");
  EXPECT_EQ(edit->Text(), "-125");
  EXPECT_EQ(Beeps() - beeps, 2) << "a letter and, for integers, the decimal separator";
  edit->SetValueType(svtFloat);
  edit->SetText("");
  Type("1,5");
  EXPECT_EQ(edit->Text(), "1.5") << "a comma is the decimal separator";

  edit->SetEditorEnabled(false);
  Type("7");
  Press(VK_BACK);
  EXPECT_EQ(edit->Text(), "1.5") << "the text takes nothing";
  Press(VK_UP, ssCtrl);
  EXPECT_EQ(edit->Text(), "6.5") << "spinning still works";

  edit->SetReadOnly(true);
  const int before = Beeps();
  Press(VK_UP, ssCtrl);
  EXPECT_EQ(edit->Text(), "6.5");
  EXPECT_EQ(Beeps() - before, 1) << "a read-only editor beeps";
}

TEST_F(SpinEditTest, AHeldButtonRepeatsAfter400ThenEvery100MsWhileThePointerStaysOnIt) {
  TdxInplaceSpinEdit* edit = StandAlone();
  const TPoint up = OnButton(edit, true);
  MouseMove(edit, up);
  Pump();
  EXPECT_EQ(edit->HotButton(), sbUpButton);
  MouseDown(edit, up);
  Pump();
  EXPECT_EQ(edit->Text(), "1");
  EXPECT_EQ(edit->PressedButton(), sbUpButton);
  Advance(399);
  EXPECT_EQ(edit->Text(), "1");
  Advance(1);
  EXPECT_EQ(edit->Text(), "2");
  Advance(100);
  EXPECT_EQ(edit->Text(), "3");
  MouseMove(edit, {5, 5});
  Advance(300);
  EXPECT_EQ(edit->Text(), "3") << "off the button the repeat pauses";
  MouseMove(edit, up);
  Advance(100);
  EXPECT_EQ(edit->Text(), "4");
  MouseUp(edit, up);
  Advance(500);
  EXPECT_EQ(edit->Text(), "4");
  EXPECT_EQ(edit->PressedButton(), sbNoButton);

  Click(edit, OnButton(edit, false));
  Pump();
  EXPECT_EQ(edit->Text(), "3") << "the down button";
}

TEST_F(SpinEditTest, AClickInTheHostOnAButtonShowsTheEditorAndSpins) {
  Host->EditorClass = &SpinEditClass();
  Host->CanModifyAnswer = Host->ValidCharAnswer = true;
  Host->StartEdit({20, 20, 120, 40}, "7");
  Pump();
  auto* edit = static_cast<TdxInplaceSpinEdit*>(Host->Editor);
  TRect window;
  GetWindowRect(edit->Handle(), window);
  const TPoint hostPoint = Host->ScreenToClient({window.Right - 5, window.Top + 4});
  edit->ContainerMouseDown(hostPoint.X, hostPoint.Y);
  Pump();
  EXPECT_EQ(edit->Text(), "8");
  MouseUp(edit, {5, 5});
  Press(VK_DOWN);
  EXPECT_EQ(edit->Text(), "7");
  EXPECT_TRUE(Host->HostKeys.empty()) << "Down spins instead of moving to the next row";
}

TEST_F(SpinEditTest, TheButtonColumnIsOddAtLeast13AndNarrowerWhenFlat) {
  TdxSpinEditViewData vd;
  int expected = GetSystemMetrics(SM_CXVSCROLL);
  if (expected % 2 == 0) --expected;
  expected = std::max(expected, 13);
  const TdxEditButtonViewStyle styles[] = {bts3D, btsHotFlat, btsFlat, btsSimple};
  for (const TdxEditButtonViewStyle style : styles) {
    vd.ButtonStyle = style;
    const int width = TdxSpinEditClass::GetButtonWidth(vd);
    EXPECT_EQ(width, style == btsFlat || style == btsSimple ? expected - 1 : expected) << style;
  }
  vd.ButtonsVisible = false;
  EXPECT_EQ(TdxSpinEditClass::GetButtonWidth(vd), 0);
  TdxTextEditViewData plain;
  EXPECT_EQ(TdxSpinEditClass::GetButtonWidth(plain), 0);
}

TEST_F(SpinEditTest, SpinButtonsPaintTheirArrowCentredAndMoveItWhenPressed) {
  const COLORREF text = GetSysColor(COLOR_BTNTEXT), face = GetSysColor(COLOR_BTNFACE);
  TPixelCanvas canvas(17, 10);
  const HBRUSH white = CreateSolidBrush(clWhite);
  DrawSpinButton(canvas.DC(), {0, 0, 17, 10}, bts3D, white, false, false, false, false, true, true);
  // The face inside the raised edge is 13 x 6; the arrow 5 wide, its apex at (8, 3).
  EXPECT_EQ(canvas.At(8, 3), text);
  EXPECT_EQ(canvas.At(6, 5), text) << "the base of the up arrow";
  EXPECT_EQ(canvas.At(10, 5), text);
  EXPECT_EQ(canvas.At(8, 6), face);
  canvas.Clear();
  DrawSpinButton(canvas.DC(), {0, 0, 17, 10}, bts3D, white, true, true, false, false, true, false);
  // Pressed, the face is 15 x 8 and the arrow 7 wide, moved by one.
  EXPECT_EQ(canvas.At(6, 4), text) << "a pressed down arrow";
  EXPECT_EQ(canvas.At(12, 4), text);
  EXPECT_EQ(canvas.At(9, 7), text);
  EXPECT_EQ(canvas.At(5, 4), face);
  canvas.Clear();
  DrawSpinButton(canvas.DC(), {0, 0, 17, 10}, bts3D, white, false, false, false, false, false, true);
  EXPECT_EQ(canvas.At(8, 3), GetSysColor(COLOR_BTNSHADOW)) << "disabled: embossed";
  EXPECT_EQ(canvas.At(11, 6), GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST_F(SpinEditTest, TimeEditorStepsThePartAtTheCaretAndStaysInsideTheDay) {
  TdxInplaceTimeEdit* edit = StandAloneTime();
  edit->SetEditValue(Variant(37000.0 + Time(10, 20, 30)));
  EXPECT_EQ(edit->Text(), "10:20:30");
  EXPECT_FALSE(edit->GetModified());
  struct TCase {
    int Caret;
    WORD Key;
    const char* Text;
  };
  const TCase cases[] = {
      {0, VK_UP, "11:20:30"}, {4, VK_DOWN, "11:19:30"}, {7, VK_UP, "11:19:31"}, {1, VK_UP, "12:19:31"},
  };
  for (const TCase& c : cases) {
    PlaceCaret(edit, c.Caret);
    Press(c.Key);
    EXPECT_EQ(edit->Text(), c.Text) << c.Caret;
  }
  PlaceCaret(edit, 4);
  Press(VK_UP);
  Press(VK_UP);
  EXPECT_EQ(edit->Text(), "12:21:31") << "the caret stays in the part it spun";
  EXPECT_DOUBLE_EQ(edit->GetEditValue().AsDouble(), 37000.0 + Time(12, 21, 31)) << "the date part is kept";

  edit->SetEditValue(Variant(Time(23, 59, 59)));
  PlaceCaret(edit, 7);
  Press(VK_UP);
  EXPECT_EQ(edit->Text(), "23:59:59") << "no step past the day's end";
  PlaceCaret(edit, 0);
  edit->SetEditValue(Variant(Time(0, 0, 0)));
  Press(VK_DOWN);
  EXPECT_EQ(edit->Text(), "00:00:00");
  EXPECT_EQ(edit->GetEditValue().VarType(), varCurrency) << "no time and no date is a zero";
  edit->SetEditValue(Variant(Time(23, 59, 58)));
  PlaceCaret(edit, 7);
  Press(VK_UP);
  EXPECT_EQ(edit->Text(), "23:59:59") << "the last second can be reached by steps";
}

TEST_F(SpinEditTest, TimeEditorRefusesDigitsThatCannotStartAPart) {
  TdxInplaceTimeEdit* edit = StandAloneTime();
  struct TCase {
    const char* Start;
    int Caret;
    const char* Typed;
    int Beeps;
  };
  const TCase cases[] = {
      {"10:00:00", 0, "3", 1}, {"20:00:00", 1, "4", 1}, {"20:00:00", 1, "3", 0}, {"10:00:00", 1, "9", 0},
      {"10:00:00", 3, "6", 1}, {"10:00:00", 6, "7", 1}, {"10:00:00", 6, "5", 0},
  };
  for (const TCase& c : cases) {
    edit->SetText(c.Start);
    PlaceCaret(edit, c.Caret);
    const int before = Beeps();
    Type(c.Typed);
    EXPECT_EQ(Beeps() - before, c.Beeps) << c.Start << " at " << c.Caret << " typing " << c.Typed;
  }
  edit->SetTimeEditFormat(tfHourMin);
  EXPECT_EQ(edit->EditMask(), "00:00;1;0");
  edit->SetTime(Time(7, 45, 0));
  EXPECT_EQ(edit->Text(), "07:45") << "a stand-alone editor that may be modified takes the time";
}

// Without a window the caret counts as standing at the start, wherever the text box's selection
// is: Up steps the hours and an hour cannot begin with 3.
TEST_F(SpinEditTest, AWindowlessTimeEditorWorksOnTheHours) {
  auto* edit = new TdxInplaceTimeEdit(Form, TimeEditClass(false));
  edit->SetEditValue(Variant(Time(10, 20, 30)));
  edit->Perform(WM_KEYDOWN, VK_UP);
  ASSERT_FALSE(edit->HandleAllocated());
  EXPECT_EQ(edit->Text(), "11:20:30");
  EXPECT_EQ(edit->GetIncrement(), dxEditorResources().OneHour);
  EXPECT_FALSE(edit->IsValidValueChar(U'3'));
  EXPECT_TRUE(edit->IsValidValueChar(U'2'));
}

}  // namespace
