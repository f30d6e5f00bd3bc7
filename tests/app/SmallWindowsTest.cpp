// The small windows: the splash window with its picture, the about box, the progress window and
// the performance input box. Each window is also rendered to a PNG file for a look.
#include "AppTestKit.h"
#include "app/windows/About.h"
#include "app/windows/InputAchieve.h"
#include "app/windows/ProgressTask.h"
#include "app/windows/Splash.h"
#include "controls/Image.h"

namespace {

using SmallWindowsTest = TAppTest;

TEST_F(SmallWindowsTest, TheSplashIsABorderlessCentredPictureWithTheVersionOverIt) {
  TComponentPtr<TfmSplash> splash(TCustomForm::Create<TfmSplash>(Application));
  splash->Show();
  splash->Update();
  Pump();
  EXPECT_EQ(splash->BorderStyle(), bsNone);
  EXPECT_EQ(splash->ClientWidth(), 432);
  EXPECT_EQ(splash->ClientHeight(), 295);
  EXPECT_EQ(splash->Left(), (1024 - splash->Width()) / 2);
  EXPECT_EQ(splash->Top(), (768 - splash->Height()) / 2);
  auto* picture = dynamic_cast<TImage*>(splash->FindComponent("imgSplash"));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Picture()->Graphic()->ClassName(), "TJPEGImage");
  EXPECT_EQ(picture->Picture()->Width(), 432);
  EXPECT_EQ(picture->BoundsRect(), splash->ClientRect());
  auto* version = dynamic_cast<TLabel*>(splash->FindComponent("lbVersion"));
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->Caption(), "Version 2.0.0.3");
  EXPECT_TRUE(version->Transparent());
  // Sky above, field below: the picture was decoded and drawn.
  const TColor sky = WindowPixel(splash->Handle(), 400, 5);
  const TColor field = WindowPixel(splash->Handle(), 200, 225);
  EXPECT_GT(GetBValue(sky), GetRValue(sky));
  EXPECT_GT(GetGValue(field), GetRValue(field));
  RenderWindowToPng(splash->Handle(), "splash.png");
}

TEST_F(SmallWindowsTest, TheAboutBoxShowsTheVersionTurnsItsLinksRedUnderTheMouseAndFreesItselfWhenClosed) {
  AboutBox = TCustomForm::Create<TAboutBox>(Application);
  auto* site = dynamic_cast<TLabel*>(AboutBox->FindComponent("lbWebSite"));
  ASSERT_NE(site, nullptr);
  EXPECT_EQ(AboutBox->Caption(), "版本信息");
  EXPECT_EQ(dynamic_cast<TLabel*>(AboutBox->FindComponent("lbVersion"))->Caption(), "2.0.3");
  EXPECT_EQ(dynamic_cast<TLabel*>(AboutBox->FindComponent("lbProduct"))->Caption(), "Quorin");
  EXPECT_EQ(site->Font()->Color(), clBlue);
  TestClock().OnWait([&] {
    MouseMove(site, {4, 4});
    Pump();
    EXPECT_EQ(site->Font()->Color(), clRed);
    MouseMove(AboutBox, {4, 4});
    Pump();
    EXPECT_EQ(site->Font()->Color(), clBlue);
    RenderWindowToPng(AboutBox->Handle(), "about.png");
    PressKey(VK_RETURN);
  });
  EXPECT_EQ(AboutBox->ShowModal(), mrOk);
  Pump();
  EXPECT_EQ(AboutBox, nullptr);
}

TEST_F(SmallWindowsTest, TheProgressBarStopsAtItsMaximumAndANewTaskStartsAtZero) {
  TComponentPtr<TProgressTask> progress(TCustomForm::Create<TProgressTask>(Application));
  progress->Show();
  EXPECT_EQ(GetWindowLong(progress->Handle(), GWL_STYLE) & WS_SYSMENU, 0);  // no close button
  EXPECT_EQ(progress->lbText->Caption(), "");
  progress->SetTask("统计班级成绩", 3);
  for (int i = 0; i < 5; ++i) progress->StepIt();
  EXPECT_EQ(progress->lbText->Caption(), "统计班级成绩");
  EXPECT_EQ(progress->pbFinished->Position(), 3);
  progress->SetTask("统计年级成绩", 0);
  progress->StepIt();
  EXPECT_EQ(progress->pbFinished->Position(), 0);
  progress->SetTask("统计学校成绩", 10);
  progress->StepIt();
  Pump();
  RenderWindowToPng(progress->Handle(), "progress.png");
  progress->Hide();
  progress->Show();  // shown again: a fresh start
  EXPECT_EQ(progress->lbText->Caption(), "");
  EXPECT_EQ(progress->pbFinished->Position(), 0);
}

TEST_F(SmallWindowsTest, AClosedProgressWindowFreesItself) {
  auto* progress = TCustomForm::Create<TProgressTask>(Application);
  bool freed = false;
  progress->OnDestroy = [&](TObject*) { freed = true; };
  progress->Show();
  progress->Close();
  Pump();
  EXPECT_TRUE(freed);
}

struct TInputCase {
  bool Time;
  const char* Numeric;
  const char* Minute;
  const char* Second;
  const char* Hundredths;
  const char* Error;
  double Value;
};

TEST_F(SmallWindowsTest, TheInputBoxReadsANumberOrATimeAndRefusesWhatItCannotRead) {
  const TInputCase cases[] = {
      {false, "12.5", "", "", "", "", 12.5},
      {false, "", "", "", "", "请输入成绩", 0},
      {false, "1.2.3", "", "", "", "输入的成绩错误。", 0},
      {false, ".", "", "", "", "输入的成绩错误。", 0},
      {false, "2147483.647", "", "", "", "", 2147483.647},
      {false, "2147483.648", "", "", "", "输入的成绩错误。", 0},
      {false, "99999999999999999999", "", "", "", "输入的成绩错误。", 0},
      {false, "-3", "", "", "", "输入的成绩错误。", 0},
      {true, "", "1", "5", "5", "", 65.5},
      {true, "", "1", "5", "05", "", 65.05},
      {true, "", "", "12", "50", "", 12.5},
      {true, "", "3", "", "5", "请输入成绩", 0},
      {true, "", "3", "5", "", "请输入成绩", 0},
      {true, "", "99999999999", "0", "0", "输入的成绩错误。", 0},
      {true, "", "40000", "0", "0", "输入的成绩错误。", 0},
      {true, "", "1", "5x", "0", "输入的成绩错误。", 0},
  };
  for (const auto& c : cases) {
    TComponentPtr<TfmInputAchieveBox> box(TCustomForm::Create<TfmInputAchieveBox>(Application));
    box->SetTimeMode(c.Time);
    box->edtNumeric->SetText(c.Numeric);
    box->edtMinute->SetText(c.Minute);
    box->edtSecond->SetText(c.Second);
    box->edtMillion->SetText(c.Hundredths);
    EXPECT_EQ(box->ReadValue(), c.Error) << c.Numeric << c.Minute << "'" << c.Second << "\"" << c.Hundredths;
    EXPECT_DOUBLE_EQ(box->Value(), c.Value) << c.Numeric << c.Minute << "'" << c.Second;
  }
}

// Typed as a user would: the filter drops what is not a digit, a failed entry is reported and
// the box stays open, and OK comes only with a value read.
TEST_F(SmallWindowsTest, InputAchieveStaysOpenOnAFailedEntryAndAnswersOkOnlyWithAValue) {
  TScriptedDialogsScope dialogs;
  TfmInputAchieveBox* box = nullptr;
  TestClock().OnWait([&] {
    box = dynamic_cast<TfmInputAchieveBox*>(Screen->ActiveForm());
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->TimeMode());
    for (TEdit* edit : {box->edtMinute, box->edtSecond, box->edtMillion}) EXPECT_EQ(edit->Alignment(), taRightJustify);
    // Enter in each time box moves on, from the hundredths to OK, which the next Enter presses.
    TypeText("9a9999999999");  // minutes
    PressKey(VK_RETURN);
    TypeText("5.");  // seconds
    PressKey(VK_RETURN);
    TypeText("05");
    Pump();
    EXPECT_EQ(box->ActiveControl(), box->edtMillion);
    RenderWindowToPng(box->Handle(), "input.png");
    PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(box->ActiveControl(), box->btnOk);
    EXPECT_TRUE(dialogs->Messages.empty());
    PressKey(VK_RETURN);
  });
  TestClock().OnWait([&] {
    EXPECT_TRUE(box->Visible());
    EXPECT_EQ(box->edtMinute->Text(), "99999999999");
    EXPECT_EQ(box->edtSecond->Text(), "5");
    box->edtMinute->SetText("1");
    Click(box->btnOk, {5, 5});
  });
  double value = -1;
  EXPECT_EQ(InputAchieve(true, value), mrOk);
  EXPECT_DOUBLE_EQ(value, 65.05);
  EXPECT_EQ(MessageTexts(*dialogs), (std::vector<String>{"输入的成绩错误。"}));

  TestClock().OnWait([&] {
    PressKey(VK_RETURN);  // from the number box to OK
    PressKey(VK_RETURN);  // nothing typed: OK is refused
  });
  TestClock().OnWait([&] { PressKey(VK_ESCAPE); });
  value = 7;
  EXPECT_EQ(InputAchieve(false, value), mrCancel);
  EXPECT_EQ(value, 7);
  EXPECT_EQ(MessageTexts(*dialogs).back(), "请输入成绩");
}

}  // namespace
