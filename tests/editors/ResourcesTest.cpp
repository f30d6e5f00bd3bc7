// The editors' shared resources: made once in the start-up order, and given back at shut-down.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "controls/Application.h"
#include "editors/dxEditStrings.h"
#include "editors/dxEditStyle.h"
#include "editors/dxExEdtr.h"
#include "graphics/Graphic.h"
#include "windows/Window.h"

namespace {

using ResourcesTest = TEditorsTest;

TEST_F(ResourcesTest, ResourcesAreMadeInTheStartUpOrderAndHoldWhatTheEditorsTake) {
  dxReleaseEditorResources();
  const TdxEditorResources& r = dxEditorResources();
  EXPECT_EQ(r.StartupSteps,
            (std::vector<String>{"check glyph size", "hand cursor", "invalid date", "time values", "toolbar images",
                                 "toolbar texts", "measure canvas", "blob icons", "button texts",
                                 "check edit controller", "date keywords"}));
  EXPECT_EQ(r.CheckGlyphSize, (TSize{13, 13}));
  EXPECT_EQ(r.InvalidDate, "Invalid Date");
  EXPECT_DOUBLE_EQ(r.LastTimeOfDay + r.OneSecond, 1.0);
  EXPECT_DOUBLE_EQ(r.OneHour, 60 * r.OneMinute);
  EXPECT_EQ(r.ToolbarImages->Count(), 6);
  EXPECT_EQ(r.ToolbarCaptions[4], "&Load...");
  EXPECT_EQ(r.ToolbarHints[5], "Save to file...");
  EXPECT_EQ(r.BlobIcons->Count(), 8);
  EXPECT_EQ(r.BlobIcons->Width(), 16);
  EXPECT_EQ(r.BlobIcons->Height(), 16);
  EXPECT_EQ(r.MenuTexts[5], "&Load from file...");
  EXPECT_EQ(r.CloseText, "&Close");
  EXPECT_EQ(r.DateKeywords.front(), "TODAY");
  EXPECT_EQ(r.DateKeywords.back(), "NOW");
  EXPECT_EQ(r.CheckEditStyleController->BorderStyle(), xbsNone);
  ASSERT_NE(r.HandCursor, 0);
  EXPECT_EQ(Screen->Cursors(crdxHandPoint), r.HandCursor);
  EXPECT_EQ(&dxEditorResources(), &r) << "made once";

  const HCURSOR hand = r.HandCursor;
  dxReleaseEditorResources();
  EXPECT_NE(Screen->Cursors(crdxHandPoint), hand);
}

TEST_F(ResourcesTest, EveryNamedBitmapExistsAndTheEmptyBlobIconsDifferFromTheFilledOnes) {
  const TdxEditorResources& r = dxEditorResources();
  TBitmap sheet(16 * 8, 16 * 2);
  sheet.Canvas()->Brush()->SetColor(clWhite);
  sheet.Canvas()->FillRect({0, 0, 128, 32});
  for (int i = 0; i < 8; ++i) r.BlobIcons->Draw(sheet.Canvas(), 16 * i, 0, i);
  for (int i = 0; i < 6; ++i) r.ToolbarImages->Draw(sheet.Canvas(), 16 * i, 16, i);
  for (int kind = 0; kind < 4; ++kind) {
    int differing = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        differing += sheet.Canvas()->Pixel(32 * kind + x, y) != sheet.Canvas()->Pixel(32 * kind + 16 + x, y);
    EXPECT_GT(differing, 10) << "kind " << kind;
  }
  EXPECT_EQ(sheet.Canvas()->Pixel(0, 0), clWhite) << "the olive background is transparent";
  TBitmap unknown;
  EXPECT_FALSE(dxLoadEditorBitmap("DXTOOL_NONE", unknown));
  auto* view = Add<TCustomControl>("IconView", {0, 0, 256, 64});
  view->OnPaint = [&](TObject*) { view->Canvas()->StretchDraw({0, 0, 256, 64}, &sheet); };
  Pump();
  RenderWindowToPng(view->Handle(), "editor-icons.png");
}

TEST_F(ResourcesTest, TextsComeFromTheEditorsStringTable) {
  EXPECT_EQ(dxEditorText(dxSEditInvalidInput), "Invalid input value. Use escape key to abandon changes");
  EXPECT_EQ(dxEditorText(dxSEditError), "Error");
  EXPECT_EQ(dxEditorText(38901), "");
}

TEST_F(ResourcesTest, AScreenPointIsMadeRelativeToTheWindowsOuterCorner) {
  TTestTextEdit* edit = StartTextEdit({20, 20, 100, 40});
  TRect window;
  GetWindowRect(edit->Handle(), window);
  TPoint p;
  ASSERT_TRUE(ScreenToWindowPoint(edit->Handle(), {window.Left + 3, window.Top + 4}, p));
  EXPECT_EQ(p, (TPoint{3, 4}));
  EXPECT_FALSE(ScreenToWindowPoint(HWND(12345678), {0, 0}, p));
}

}  // namespace
