// The engine's toolbar controls and dialogs: grey glyphs until the mouse comes, the glyph count,
// tools stacking along their toolbar with the separator's groove across it, window placements
// kept in the registry, the format dialog's code, and the print dialog's copies, collation and
// refusal of a page text that names no pages.
#include "ReportTestKit.h"
#include "controls/Panel.h"
#include "classes/Filer.h"
#include "report/FR_FmtForm.h"
#include "report/FR_Preview.h"
#include "report/FR_Placement.h"
#include "report/FR_PreviewDlgs.h"
#include "report/FR_Toolbar.h"
#include "rtl/Convert.h"
#include "settings/Registry.h"
#include "support/FormFixture.h"

namespace {

class EngineDialogsTest : public TControlsTest {
 protected:
  void SetUp() override {
    TControlsTest::SetUp();
    StartEngine();
    Form->SetBounds(0, 0, 300, 200);
  }
  void TearDown() override {
    frResetState();
    TControlsTest::TearDown();
  }
  TPanel* Toolbar(TAlign Align) {
    auto* panel = Add<TPanel>("Panel" + IntToStr(++FPanels), TRect{0, 0, 200, 30});
    panel->SetAlign(Align);
    return panel;
  }
  TScriptedDialogsScope Dialogs;

 private:
  int FPanels = 0;
};

// A red 12 x 12 square on olive, the transparent colour.
void PaintGlyph(TBitmap* Glyph) {
  Glyph->SetSize(16, 16);
  Glyph->Canvas()->Brush()->SetColor(TColor(0x008080));
  Glyph->Canvas()->FillRect({0, 0, 16, 16});
  Glyph->Canvas()->Brush()->SetColor(clRed);
  Glyph->Canvas()->FillRect({2, 2, 14, 14});
}

TEST_F(EngineDialogsTest, AGreyedButtonShowsItsColourOnlyUnderTheMouse) {
  TPanel* bar = Toolbar(alTop);
  auto* button = Add<TfrTBButton>("ZoomBtn", TRect{0, 0, 22, 22}, bar);
  button->SetCaption(String());
  PaintGlyph(button->Glyph());
  ShowForm();
  const TPoint centre{button->Left() + 11, button->Top() + 11};
  EXPECT_TRUE(button->PaintsGrey());
  MouseMove(button, {11, 11});
  Pump();
  EXPECT_FALSE(button->PaintsGrey());
  EXPECT_EQ(WindowPixel(bar->Handle(), centre.X, centre.Y), clRed);

  button->SetNumGlyphs(5);
  EXPECT_EQ(button->NumGlyphs(), 4);
  button->SetGrayedInactive(false);
  MouseMove(bar, {150, 25});
  Pump();
  EXPECT_FALSE(button->PaintsGrey());
}

TEST_F(EngineDialogsTest, ToolsStackAlongTheirToolbarAndTheGrooveRunsAcross) {
  TPanel* across = Toolbar(alTop);
  TPanel* down = Toolbar(alLeft);
  auto* sepAcross = Add<TfrTBSeparator>("Sep1", TRect{0, 0, 8, 8}, across);
  auto* sepDown = Add<TfrTBSeparator>("Sep2", TRect{0, 0, 8, 8}, down);
  auto* buttonDown = Add<TfrTBButton>("Btn", TRect{0, 0, 22, 22}, down);
  EXPECT_EQ(sepAcross->Align(), alLeft);
  EXPECT_EQ(sepDown->Align(), alTop);
  EXPECT_EQ(buttonDown->Align(), alTop);
  ShowForm();
  auto pixel = [](TControl* c, int x, int y) { return WindowPixel(c->Parent()->Handle(), c->Left() + x, c->Top() + y); };
  // Across a horizontal toolbar the groove is vertical: shadow then highlight, in the middle.
  const int w = sepAcross->Width(), h = sepAcross->Height();
  EXPECT_EQ(pixel(sepAcross, w / 2 - 1, h / 2), TColor(ColorToRGB(clBtnShadow)));
  EXPECT_EQ(pixel(sepAcross, w / 2, h / 2), TColor(ColorToRGB(clBtnHighlight)));
  EXPECT_EQ(pixel(sepAcross, w / 2 + 2, h / 2), TColor(ColorToRGB(clBtnFace)));
  const int dw = sepDown->Width(), dh = sepDown->Height();
  EXPECT_EQ(pixel(sepDown, dw / 2, dh / 2 - 1), TColor(ColorToRGB(clBtnShadow)));
  EXPECT_EQ(pixel(sepDown, dw / 2, dh / 2), TColor(ColorToRGB(clBtnHighlight)));
  sepDown->SetDrawBevel(false);
  Pump();
  EXPECT_EQ(pixel(sepDown, dw / 2, dh / 2 - 1), TColor(ColorToRGB(clBtnFace)));
}

TEST_F(EngineDialogsTest, PlacementsRoundTripThroughTheRegistry) {
  Form->SetBounds(40, 50, 320, 210);
  frSavePlacement(Form);
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("\\Software\\RuveZiviru\\Form\\TForm", false));
  EXPECT_EQ(registry.ReadString("Width"), "320");
  EXPECT_EQ(registry.ReadString("Maximized"), "0");
  Form->SetBounds(0, 0, 100, 100);
  Form->SetWindowState(wsMaximized);
  frRestorePlacement(Form);
  EXPECT_EQ(Form->WindowState(), wsNormal);
  EXPECT_EQ(Form->BoundsRect(), (TRect{40, 50, 360, 260}));
  registry.DeleteValue("Maximized");
  registry.DeleteValue("Width");
  Form->SetWindowState(wsMaximized);
  frRestorePlacement(Form);
  EXPECT_EQ(Form->WindowState(), wsMaximized);  // without the value the window stays as it is
  EXPECT_EQ(Form->Left(), 40);
  Form->SetWindowState(wsNormal);
  Form->SetBounds(0, 0, 100, 100);
  frRestorePlacement(Form);
  EXPECT_EQ(Form->Width(), 100);  // a missing value keeps the current one
}

TEST_F(EngineDialogsTest, TheFormatDialogShowsACodeAndPutsTheChoiceTogether) {
  TfrFmtForm dialog(nullptr);
  dialog.SetFormat((1 << 24) | (1 << 16) | (2 << 8) | '.');
  TestClock().OnWait([&] {
    EXPECT_EQ(dialog.TypeLB->Items()->Count(), 5);
    EXPECT_EQ(dialog.TypeLB->Items()->Strings(1), "1234,50");
    EXPECT_EQ(dialog.DecEdit->Text(), "2");
    EXPECT_EQ(dialog.SplEdit->Text(), ".");
    EXPECT_FALSE(dialog.FormatEdit->Enabled());
    dialog.DecEdit->SetText("x");  // no number: 0 decimals
    dialog.SplEdit->SetText(String());
    dialog.SetModalResult(mrOk);
  });
  ASSERT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_EQ(dialog.Format(), (1 << 24) | (1 << 16) | ',');

  dialog.SetFormat((2 << 24) | (4 << 16));
  dialog.SetFormatText("yyyy");
  TestClock().OnWait([&] {
    EXPECT_TRUE(dialog.FormatEdit->Enabled());
    EXPECT_EQ(dialog.FormatEdit->Text(), "yyyy");
    EXPECT_FALSE(dialog.DecEdit->Enabled());
    dialog.FormatEdit->SetText("dd.mm");
    dialog.SetModalResult(mrOk);
  });
  ASSERT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_EQ(dialog.FormatText(), "dd.mm");
  EXPECT_EQ(dialog.Format() >> 16, (2 << 8) | 4);
}

TEST_F(EngineDialogsTest, ThePrintDialogCountsCopiesTogglesCollationAndRefusesABadPageText) {
  TfrPrintForm dialog(nullptr);
  EXPECT_EQ(dialog.CB1->Items()->Strings(dialog.CB1->Items()->Count() - 1), "虚拟打印机");
  EXPECT_EQ(dialog.CB2->Items()->Count(), 3);
  dialog.frSpeedButton2->Click();
  EXPECT_EQ(dialog.E1->Text(), "1");  // never below 1
  dialog.frSpeedButton1->Click();
  dialog.frSpeedButton1->Click();
  EXPECT_EQ(dialog.Copies(), 3);
  EXPECT_EQ(dialog.PageNumbers(4), "");
  dialog.RB2->SetChecked(true);
  EXPECT_EQ(dialog.PageNumbers(4), "4");

  TestClock().OnWait([&] {
    RenderWindowToPng(dialog.Handle(), "print_dialog.png");
    const TBytes collated = dialog.PB1->Picture()->Bitmap()->SaveToBytes();
    Click(dialog.Label3, {2, 2});
    Pump();
    EXPECT_FALSE(dialog.Collate());
    EXPECT_NE(dialog.PB1->Picture()->Bitmap()->SaveToBytes(), collated);  // the picture follows
    RenderWindowToPng(dialog.Handle(), "print_dialog_uncollated.png");
    dialog.RB3->SetChecked(true);
    dialog.E2->SetText("1;3");
    dialog.SetModalResult(mrOk);
  });
  TestClock().OnWait([&] {
    EXPECT_TRUE(dialog.Visible());  // still open: the text names no pages
    ASSERT_EQ(Dialogs->Messages.size(), 1u);
    EXPECT_EQ(Dialogs->Messages[0].Msg, "输入页号或页范围,逗号分隔.例如: 1,3,5-12");
    dialog.E2->SetText("1,3-");
    dialog.SetModalResult(mrOk);
  });
  ASSERT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_EQ(dialog.PageNumbers(1), "1,3-");
}

}  // namespace

namespace {

TEST_F(EngineDialogsTest, StoredLayoutsHoldThePreviewItsReportAndTheToolbarControls) {
  ReadLayout("object Form1: TForm\n"
             "  object frpPreview: TfrPreview\n"
             "    Left = 0\n"
             "    Top = 33\n"
             "    Width = 300\n"
             "    Height = 160\n"
             "    ScrollBars = ssVertical\n"
             "    ShowToolbar = True\n"
             "  end\n"
             "  object rptPrint: TfrReport\n"
             "    Preview = frpPreview\n"
             "    ModalPreview = False\n"
             "  end\n"
             "  object SpeedButton1: TfrTBButton\n"
             "    GrayedInactive = False\n"
             "  end\n"
             "  object Sep1: TfrTBSeparator\n"
             "    DrawBevel = False\n"
             "  end\n"
             "end\n",
             Form);
  auto* preview = dynamic_cast<TfrPreview*>(Form->FindComponent("frpPreview"));
  auto* report = dynamic_cast<TfrReport*>(Form->FindComponent("rptPrint"));
  ASSERT_NE(preview, nullptr);
  ASSERT_NE(report, nullptr);
  EXPECT_EQ(report->Preview(), preview);
  EXPECT_EQ(preview->ScrollBars(), ssVertical);
  EXPECT_TRUE(preview->ShowToolbar());
  EXPECT_FALSE(preview->Window()->BPanel->Visible());
  EXPECT_FALSE(dynamic_cast<TfrTBButton*>(Form->FindComponent("SpeedButton1"))->GrayedInactive());
  EXPECT_FALSE(dynamic_cast<TfrTBSeparator*>(Form->FindComponent("Sep1"))->DrawBevel());
  const String written = WriteLayout(Form);
  EXPECT_NE(written.find("    ScrollBars = ssVertical\n"), String::npos);
  EXPECT_NE(written.find("    Preview = frpPreview\n"), String::npos);
  delete preview;
  EXPECT_EQ(report->Preview(), nullptr);  // a freed preview is let go
}

}  // namespace

namespace {

TEST_F(EngineDialogsTest, TheFindDialogAnswersItsTextAndOptions) {
  TfrPreviewSearchForm dialog(nullptr);
  EXPECT_EQ(dialog.Caption(), "查找文本");
  TestClock().OnWait([&] {
    RenderWindowToPng(dialog.Handle(), "find_dialog.png");
    dialog.Edit1->SetText("张");
    dialog.CurrentRB->SetChecked(true);
    Click(dialog.OkBtn, {5, 5});
  });
  ASSERT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_EQ(dialog.Edit1->Text(), "张");
  EXPECT_FALSE(dialog.FirstRB->Checked());
  EXPECT_FALSE(dialog.CaseCB->Checked());
}

}  // namespace
