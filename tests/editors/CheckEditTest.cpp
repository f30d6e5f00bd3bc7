// The check editor: the toggle cycle, a read-only box that only presses, Space and the mouse held
// over the box, values set without a change, the glyph strip's images, and the box's look per
// state and border style.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxCheckEdit.h"
#include "graphics/Gdi.h"

namespace {

class CheckEditTest : public TEditorsTest {
 protected:
  TdxInplaceCheckEdit* StandAlone(const String& Caption) {
    auto* edit = new TdxInplaceCheckEdit(Form, CheckEditClass(false));
    edit->SetParent(Form);
    edit->SetBounds(10, 150, 150, 24);
    edit->SetText(Caption);
    Pump();
    edit->SetFocus();
    Pump();
    return edit;
  }
  TdxInplaceCheckEdit* StartCheck(const Variant& State) {
    Host->EditorClass = &CheckEditClass();
    Host->CanModifyAnswer = true;
    Host->StartEdit({20, 20, 100, 40}, State);
    Pump();
    return static_cast<TdxInplaceCheckEdit*>(Host->Editor);
  }
  // The pixel a 13 x 13 box shows at (X, Y), painted for the view data.
  static TColor BoxPixel(TdxCheckEditViewData& VD, int X, int Y) {
    TBitmap bitmap(13, 13);
    VD.Alignment = taCenter;
    VD.Brush = CreateSolidBrush(clWindow);
    CheckEditClass().Draw(bitmap.Canvas()->Handle(), {0, 0, 13, 13}, VD, false);
    return static_cast<TColor>(GetPixel(bitmap.Canvas()->Handle(), X, Y));
  }
};

TEST_F(CheckEditTest, ToggleCyclesThroughGrayedOnlyWhenAllowed) {
  TdxInplaceCheckEdit* edit = StartCheck(0);
  struct TCase {
    bool AllowGrayed;
    int From, To;
  };
  const TCase cases[] = {{false, 0, 1}, {false, 1, 0}, {false, 2, 1}, {true, 0, 2}, {true, 2, 1}, {true, 1, 0}};
  for (const TCase& c : cases) {
    edit->SetAllowGrayed(c.AllowGrayed);
    edit->SetEditValue(c.From);
    edit->Toggle();
    EXPECT_EQ(edit->State(), c.To) << c.AllowGrayed << " from " << c.From;
    EXPECT_TRUE(edit->GetModified());
  }
  Host->CanModifyAnswer = false;
  edit->Toggle();
  EXPECT_EQ(edit->State(), 0) << "the host refuses the change";
}

TEST_F(CheckEditTest, SpaceAndTheMousePressTheBoxAndToggleOnRelease) {
  TdxInplaceCheckEdit* edit = StandAlone("及格");
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  KeyDown(VK_SPACE, " ");
  Pump();
  EXPECT_TRUE(edit->Pressed());
  EXPECT_EQ(edit->State(), 0);
  KeyUp(VK_SPACE);
  Pump();
  EXPECT_FALSE(edit->Pressed());
  EXPECT_EQ(edit->State(), 1);
  EXPECT_EQ(changes, 1);

  MouseDown(edit, {5, 5});
  Pump();
  EXPECT_TRUE(edit->Pressed());
  MouseMove(edit, {400, 5});
  Pump();
  EXPECT_FALSE(edit->Pressed()) << "off the box";
  MouseUp(edit, {400, 5});
  Pump();
  EXPECT_EQ(edit->State(), 1) << "released off the box";
  Click(edit, {5, 5});
  Pump();
  EXPECT_EQ(edit->State(), 0);

  edit->SetReadOnly(true);
  KeyDown(VK_SPACE, " ");
  Pump();
  EXPECT_TRUE(edit->Pressed());
  KeyUp(VK_SPACE);
  Click(edit, {5, 5});
  Pump();
  EXPECT_FALSE(edit->Pressed());
  EXPECT_EQ(edit->State(), 0) << "read-only: pressed, never toggled";
}

TEST_F(CheckEditTest, AValueFromTheHostFiresNoChangeAndKeepsTheModifiedState) {
  TdxInplaceCheckEdit* edit = StartCheck(1);
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->SetModified(true);
  edit->SetEditValue(2);
  EXPECT_EQ(edit->State(), 2);
  EXPECT_TRUE(edit->GetModified());
  edit->SetModified(false);
  edit->SetEditValue(0);
  EXPECT_FALSE(edit->GetModified());
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(edit->GetEditValue(), Variant(0));
  edit->SetEditValue(Variant::Null());
  EXPECT_EQ(edit->State(), 2);
}

TEST_F(CheckEditTest, APaintedCellToggledByTheHostAndTheArrowsMoveToTheNeighbour) {
  TdxInplaceCheckEdit* edit = StartCheck(0);
  edit->ContainerClick();
  EXPECT_EQ(edit->State(), 1);
  PressKey(VK_LEFT);
  PressKey(VK_RIGHT);
  Pump();
  EXPECT_EQ(Host->AdjacentMoves, (std::vector<bool>{true, false}));
  KeyDown(VK_SPACE, " ");
  KeyUp(VK_SPACE);
  Pump();
  EXPECT_EQ(edit->State(), 0);
}

TEST_F(CheckEditTest, TheGlyphStripsImageForEachStateStaysInsideTheStrip) {
  struct TCase {
    int State;
    bool Pressed;
    int Count, Index;
  };
  const TCase cases[] = {{1, false, 6, 1}, {1, true, 6, 4}, {2, true, 6, 5}, {1, true, 3, 1},
                         {2, false, 1, 0}, {1, false, 1, 0}, {2, true, 2, 0}, {0, true, 4, 3}};
  for (const TCase& c : cases)
    EXPECT_EQ(TdxCheckEditClass::GlyphIndex(c.State, c.Pressed, c.Count), c.Index)
        << c.State << c.Pressed << " of " << c.Count;

  TBitmap strip(30, 10);
  const TColor colours[] = {clRed, clLime, clBlue};
  for (int i = 0; i < 3; ++i) FillRect(strip.Canvas()->Handle(), {i * 10, 0, i * 10 + 10, 10}, CreateSolidBrush(colours[i]));
  TdxCheckEditViewData vd;
  vd.Glyph = &strip;
  vd.GlyphCount = 3;
  vd.Value = 1;
  vd.Pressed = true;
  int w = 0, h = 0;
  EXPECT_TRUE(TdxCheckEditClass::GetGlyphSize(&strip, 3, w, h));
  EXPECT_EQ(w, 10);
  EXPECT_EQ(BoxPixel(vd, 6, 6), clLime) << "a pressed box of a three-image strip shows its unpressed image";

  TBitmap tall(60, 40);
  vd.Glyph = &tall;
  vd.Font = Form->Font()->Handle();
  EXPECT_EQ(CheckEditClass().GetEditHeight(vd), 40) << "as high as the glyph";
}

TEST_F(CheckEditTest, TheBoxShowsEachStateAndBorderStyle) {
  const TColor window = static_cast<TColor>(GetSysColor(COLOR_WINDOW));
  const TColor face = static_cast<TColor>(GetSysColor(COLOR_BTNFACE));
  const TColor shadow = static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW));
  const TColor text = static_cast<TColor>(GetSysColor(COLOR_WINDOWTEXT));
  struct TState {
    int State;
    TdxShowNullFieldStyle Null;
    bool Enabled, Pressed;
    TColor Mark;  // where the check mark's left column lies
  };
  const TState states[] = {
      {0, nsGrayedChecked, true, false, window},  {1, nsGrayedChecked, true, false, text},
      {2, nsUnchecked, true, false, window},      {2, nsInactive, true, false, face},
      {2, nsGrayedChecked, true, false, shadow},  {0, nsGrayedChecked, true, true, face},
      {0, nsGrayedChecked, false, false, face},   {1, nsGrayedChecked, false, false, shadow},
  };
  for (const TState& s : states) {
    TdxCheckEditViewData vd;
    vd.Value = s.State;
    vd.ShowNullFieldStyle = s.Null;
    vd.Enabled = s.Enabled;
    vd.Pressed = s.Pressed;
    vd.BorderStyle = xbsNone;
    EXPECT_EQ(BoxPixel(vd, 3, 5), s.Mark) << s.State << " " << s.Null << " " << s.Enabled << s.Pressed;
  }
  struct TBorder {
    TdxEditBorderStyle Style;
    TColor Inner;  // one pixel inside the box's corner
  };
  const TBorder borders[] = {{xbsNone, window}, {xbs3D, window}, {xbsFlat, window},
                             {xbsSingle, static_cast<TColor>(GetSysColor(COLOR_3DDKSHADOW))}, {xbsThick, face}};
  for (const TBorder& b : borders) {
    TdxCheckEditViewData vd;
    vd.BorderStyle = b.Style;
    EXPECT_EQ(BoxPixel(vd, 1, 1), b.Inner) << EditBorderStyleNames[b.Style];
    EXPECT_EQ(BoxPixel(vd, 0, 0), shadow) << EditBorderStyleNames[b.Style];
  }
}

TEST_F(CheckEditTest, TheCaptionsAcceleratorTogglesAndTheCaptionStandsBesideTheBox) {
  TdxInplaceCheckEdit* edit = StandAlone("免考(&M)");
  auto* other = AddBox("other");
  Pump();
  other->SetFocus();
  Pump();
  EXPECT_EQ(edit->Perform(CM_DIALOGCHAR, 'm'), 1);
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(edit->State(), 1);
  EXPECT_EQ(edit->Perform(CM_DIALOGCHAR, 'x'), 0);
  EXPECT_EQ(edit->Perform(WM_GETDLGCODE) & DLGC_WANTCHARS, 0);
  const TRecordedPaint paint = RecordPaint(edit);
  ASSERT_NE(paint.FindText("免考(M)"), nullptr);
  EXPECT_GE(paint.FindText("免考(M)")->Bounds.Left, 2 + 13 + 3) << "beside the box";
}

}  // namespace
