// The sample stored layout with every standard control: it loads, its values arrive, it renders
// to PNG (looked at by eye: Chinese captions, the classic look), and it writes back to the same
// text. Also the hint window of a speed button after the hint pause, and the picture data.
#include "StdControlsKit.h"
#include "classes/Filer.h"
#include "classes/LayoutText.h"
#include "controls/ComboBox.h"
#include "controls/GroupBox.h"
#include "controls/HintWindow.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/ListBox.h"
#include "controls/ListView.h"
#include "controls/Notebook.h"
#include "controls/PageControl.h"
#include "controls/ProgressBar.h"
#include "controls/ScrollBar.h"
#include "controls/SpeedButton.h"
#include "controls/StatusBar.h"
#include "graphics/Jpeg.h"
#include "windows/Focus.h"

namespace {

class StdLayout : public TStdControlsTest {
 protected:
  TStdControlsForm* Load() {
    auto* form = TCustomForm::Create<TStdControlsForm>(Application);
    form->Show();
    Pump();
    return form;
  }
  template <class T>
  T* Find(TComponent* Form, const String& Name) {
    auto* c = dynamic_cast<T*>(Form->FindComponent(Name));
    EXPECT_NE(c, nullptr) << Name;
    return c;
  }
};

TEST_F(StdLayout, EveryControlLoadsWithItsValuesAndRendersToPng) {
  TStdControlsForm* form = Load();
  EXPECT_EQ(form->Color(), clBtnFace);
  EXPECT_EQ(Find<TEdit>(form, "edtPassword")->PasswordChar(), U'*');
  EXPECT_EQ(Find<TEdit>(form, "edtNumber")->MaxLength(), 10);
  EXPECT_EQ(Find<TComboBox>(form, "cbbGrade")->Text(), "高二");
  EXPECT_EQ(Find<TComboBox>(form, "cbxClass")->Text(), "12");
  EXPECT_EQ(Find<TCheckBox>(form, "cbExempt")->State(), cbGrayed);
  EXPECT_TRUE(Find<TRadioButton>(form, "rbBoy")->Checked());
  EXPECT_EQ(Find<TRadioGroup>(form, "rgSex")->Buttons(0)->Checked(), true);
  EXPECT_EQ(Find<TListBox>(form, "lbClasses")->Items()->Count(), 5);
  EXPECT_EQ(Find<TListView>(form, "lvAchieve")->Columns()->Items(2)->Alignment(), taRightJustify);
  EXPECT_EQ(Find<TMemo>(form, "mmoNote")->Lines()->Strings(1), "第二行");
  EXPECT_EQ(Find<TNotebook>(form, "nbPages")->ActivePage(), "第一页");
  EXPECT_EQ(Find<TPageControl>(form, "pcOptions")->ActivePageIndex(), 1);
  EXPECT_EQ(Find<TStatusBar>(form, "sbStatus")->Panels()->Items(1)->Text(), "高二(3)班");
  EXPECT_EQ(Find<TProgressBar>(form, "pbProgress")->Position(), 40);
  EXPECT_EQ(Find<TScrollBar>(form, "sbPosition")->Position(), 10);
  auto* add = Find<TSpeedButton>(form, "sbAdd");
  EXPECT_EQ(add->Tag(), 1);
  EXPECT_TRUE(add->Down());
  EXPECT_EQ(add->Glyph()->Width(), 16);
  auto* image = Find<TImage>(form, "imgLogo");
  ASSERT_NE(dynamic_cast<TJPEGImage*>(image->Picture()->Graphic()), nullptr);
  EXPECT_GT(image->Picture()->Width(), 0);
  EXPECT_EQ(Find<TLabel>(form, "lbNumber")->FocusControl(), Find<TEdit>(form, "edtNumber"));

  auto* view = Find<TListView>(form, "lvAchieve");
  for (int i = 0; i < 3; ++i) {
    TListItem* item = view->Items()->Insert(0);
    item->SetCaption("2024030" + std::to_string(i));
    item->SubItems()->Add(i == 0 ? "张三" : i == 1 ? "李四" : "王五");
    item->SubItems()->Add(std::to_string(80 + i));
  }
  view->SetSelected(view->Items()->Item(1));
  view->Items()->Item(1)->SetFocused(true);
  view->SetFocus();
  Find<TListBox>(form, "lbClasses")->SetSelected(3, true);
  Pump();
  const std::string path = RenderWindowToPng(form->Handle(), "std_controls.png");
  EXPECT_FALSE(path.empty());
  // Spot checks of the picture: the panel's face, the edit's window colour, the highlight of
  // the selected list-view row.
  EXPECT_EQ(WindowPixel(form->Handle(), 400, 36), static_cast<TColor>(ColorToRGB(clBtnFace)));
  const TRect row = view->ItemRect(1);
  EXPECT_EQ(WindowPixel(view->Handle(), row.Left + 200, row.Top + 1), static_cast<TColor>(ColorToRGB(clHighlight)));
  form->Free();
}

// What the writer stores reads back into a form that writes the same text again.
TEST_F(StdLayout, TheWrittenLayoutReadsBackToTheSameControls) {
  TStdControlsForm* form = Load();
  const String first = PrintLayout(TWriter(form).WriteRootComponent());
  form->Free();
  Pump();
  auto* again = new TStdControlsForm(Application);
  TReader(again).ReadRootComponent(ParseLayout(first));
  again->Show();
  Pump();
  EXPECT_EQ(PrintLayout(TWriter(again).WriteRootComponent()), first);
  EXPECT_EQ(Find<TNotebook>(again, "nbPages")->Page(1)->Name(), "pgSecond");
  EXPECT_EQ(Find<TComboBox>(again, "cbbGrade")->Text(), "高二");
  EXPECT_EQ(Find<TImage>(again, "imgLogo")->Picture()->Width(), Find<TImage>(again, "imgLogo")->Picture()->Graphic()->Width());
  again->Free();
}

TEST_F(StdLayout, LabelsHearTheMouseAndSpeedButtonsShowTheirHintAfterThePause) {
  TStdControlsForm* form = Load();
  auto* title = Find<TLabel>(form, "lbTitle");
  MouseMove(title, {3, 3});
  Pump();
  MouseMove(form, {600, 300});
  Pump();
  EXPECT_EQ(form->Log, (std::vector<String>{"enter", "leave"}));

  auto* add = Find<TSpeedButton>(form, "sbAdd");
  MouseMove(add, {10, 10});
  Pump();
  EXPECT_EQ(Application->Hint(), "添加一名学生");
  EXPECT_EQ(ApplicationHintWindow(), nullptr);
  Advance(HintPause + 10);
  THintWindow* hint = ApplicationHintWindow();
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->Caption(), "添加");
  EXPECT_TRUE(GetWindowLong(hint->Handle(), GWL_EXSTYLE) & WS_EX_NOACTIVATE);
  EXPECT_EQ(GetActiveWindow(), form->Handle());
  RenderWindowToPng(hint->Handle(), "std_hint.png");
  Advance(HintHidePause + 10);
  EXPECT_EQ(ApplicationHintWindow(), nullptr);
  // A control without ShowHint shows none.
  MouseMove(Find<TSpeedButton>(form, "sbDelete"), {10, 10});
  Advance(HintPause + 10);
  EXPECT_EQ(ApplicationHintWindow(), nullptr);
  form->Free();
}

// A modal window covers the control under the mouse: the hint that was about to show does not
// show over the modal window.
TEST_F(StdLayout, AModalWindowTakesTheHintAway) {
  TStdControlsForm* form = Load();
  MouseMove(Find<TSpeedButton>(form, "sbAdd"), {10, 10});
  Pump();
  auto* dialog = TCustomForm::Create<TForm>(Application);
  dialog->SetBounds(700, 500, 100, 80);  // clear of the button under the mouse
  THintWindow* hintWhileModal = nullptr;
  TestClock().OnWait([&] {
    Advance(HintPause + 10);
    hintWhileModal = ApplicationHintWindow();
    dialog->SetModalResult(mrCancel);
  });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_EQ(hintWhileModal, nullptr);
  dialog->Free();
  form->Free();
}

}  // namespace
