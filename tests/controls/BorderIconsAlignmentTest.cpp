// Two details of windows: the caption buttons a form's border icons give for each border style
// (style bits and the native caption's buttons), and the text of an edit aligned to its right side.
#include <QWidget>

#include "StdControlsKit.h"
#include "classes/LayoutText.h"
#include "windows/Layer_p.h"

namespace {

using BorderIconsTest = TControlsTest;

constexpr TBorderIcons SystemMenu = BorderIconBit(biSystemMenu);
constexpr TBorderIcons Minimize = BorderIconBit(biMinimize);
constexpr TBorderIcons Maximize = BorderIconBit(biMaximize);
constexpr TBorderIcons Help = BorderIconBit(biHelp);

struct TIconsCase {
  TFormBorderStyle Style;
  TBorderIcons Icons;
  DWORD Buttons;  // of WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX
  bool ContextHelp;
};

TEST_F(BorderIconsTest, TheBorderStyleDecidesWhichIconsTheCaptionShows) {
  const TIconsCase cases[] = {
      {bsSizeable, DefaultBorderIcons, WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, false},
      {bsSingle, SystemMenu | Maximize, WS_SYSMENU | WS_MAXIMIZEBOX, false},
      {bsSingle, SystemMenu | Help, WS_SYSMENU, true},
      {bsSingle, DefaultBorderIcons | Help, WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, false},
      {bsDialog, DefaultBorderIcons | Help, WS_SYSMENU, true},
      {bsToolWindow, Minimize | Maximize, 0, false},         // the progress window: no close button
      {bsToolWindow, SystemMenu | Minimize, WS_SYSMENU, false},  // the password dialog: no minimise box
      {bsSizeToolWin, DefaultBorderIcons, WS_SYSMENU, false},
      {bsNone, DefaultBorderIcons, 0, false},
  };
  for (const auto& c : cases) {
    Form->SetBorderStyle(c.Style);
    Form->SetBorderIcons(c.Icons);
    ShowForm();
    const auto style = static_cast<DWORD>(GetWindowLong(Form->Handle(), GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLong(Form->Handle(), GWL_EXSTYLE));
    EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), c.Buttons) << c.Style << " " << c.Icons;
    EXPECT_EQ((exStyle & WS_EX_CONTEXTHELP) != 0, c.ContextHelp) << c.Style << " " << c.Icons;
    if (c.Style != bsNone) {  // the window system draws this caption: its buttons follow the bits
      const Qt::WindowFlags flags = Windows().Find(Form->Handle())->Widget->windowFlags();
      EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), (c.Buttons & WS_SYSMENU) != 0) << c.Style;
      EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), (c.Buttons & WS_MINIMIZEBOX) != 0) << c.Style;
      EXPECT_EQ(flags.testFlag(Qt::WindowMaximizeButtonHint), (c.Buttons & WS_MAXIMIZEBOX) != 0) << c.Style;
      EXPECT_EQ(flags.testFlag(Qt::WindowContextHelpButtonHint), c.ContextHelp) << c.Style;
    }
    Form->Hide();
  }
}

TEST_F(BorderIconsTest, StoredLayoutsGiveTheIconsAsASet) {
  TComponentPtr<TForm> form(new TForm(Application));
  TReader(form.get()).ReadRootComponent(ParseLayout("object fmIcons: TForm\n"
                                              "  BorderIcons = [biSystemMenu, biMinimize]\n"
                                              "  BorderStyle = bsToolWindow\n"
                                              "end\n"));
  EXPECT_EQ(form->BorderIcons(), SystemMenu | Minimize);
  const String text = PrintLayout(TWriter(form.get()).WriteRootComponent());
  EXPECT_NE(text.find("BorderIcons = [biSystemMenu, biMinimize]"), String::npos) << text;
}

using EditAlignmentTest = TStdControlsTest;

TEST_F(EditAlignmentTest, RightAlignedTextEndsAtTheRightSideAndStaysThereInANewWindow) {
  auto* left = Add<TEdit>("edtLeft", Bounds(10, 10, 100, 21));
  auto* right = Add<TEdit>("edtRight", Bounds(10, 40, 100, 21));
  auto* focus = Add<TButton>("btnFocus", Bounds(10, 70, 75, 25));
  left->SetText("59");
  right->SetText("59");
  right->SetAlignment(taRightJustify);
  ShowForm();
  focus->SetFocus();  // no caret in either box
  Pump();
  const auto [leftFirst, leftLast] = NativeEditorInkColumns(left->Handle());
  const auto [rightFirst, rightLast] = NativeEditorInkColumns(right->Handle());
  const int width = NativeEditorOf(right->Handle()).Width;
  ASSERT_GE(leftLast, 0);
  ASSERT_GE(rightLast, 0);
  EXPECT_LT(leftLast, width / 2);
  EXPECT_GT(rightFirst, width / 2);
  EXPECT_EQ(rightLast - rightFirst, leftLast - leftFirst);  // the same text, moved over
  right->RecreateWnd();
  Pump();
  EXPECT_EQ(NativeEditorInkColumns(right->Handle()), std::pair(rightFirst, rightLast));
  EXPECT_EQ(right->Alignment(), taRightJustify);
}

}  // namespace
