// The hyperlink editor: what a click, a double click and the start key open where, the handler
// that takes the opening over, blank and unsafe texts, and the link look and hand cursor of
// painted cells.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxExEdtr.h"
#include "editors/dxHyperLinkEdit.h"
#include "graphics/Colors.h"

namespace {

constexpr const char* Link = "http://example.com/成绩";

class HyperLinkEditTest : public TEditorsTest {
 protected:
  TdxInplaceHyperLinkEdit* StandAlone(const String& Text = Link) {
    auto* edit = AddStandAlone<TdxInplaceHyperLinkEdit>(HyperLinkEditClass(false), {10, 150, 210, 174});
    edit->SetText(Text);
    return edit;
  }
  TdxInplaceHyperLinkEdit* InPlace(const String& Text = Link) {
    Host->EditorClass = &HyperLinkEditClass();
    auto* edit = new TdxInplaceHyperLinkEdit(Host, HyperLinkEditClass());
    Host->Editor = edit;
    Host->StartEdit({20, 20, 180, 40}, Text);
    Pump();
    return edit;
  }
  std::vector<String> Opened() {
    std::vector<String> opened;
    for (const auto& call : SystemCalls().Calls)
      if (call.Kind == "open") opened.push_back(call.Text);
    return opened;
  }
  const TPoint OnText{20, 8};
};

TEST_F(HyperLinkEditTest, AStandAloneEditableLinkOpensOnADoubleClickOthersOnASingleClick) {
  TdxInplaceHyperLinkEdit* edit = StandAlone();
  Click(edit, OnText);
  Pump();
  EXPECT_TRUE(Opened().empty()) << "a click places the caret in an editable link";
  DoubleClick(edit, OnText);
  Pump();
  EXPECT_EQ(Opened(), std::vector<String>{Link});

  edit->SetSingleClick(true);
  Advance(1000);
  Click(edit, OnText);
  Pump();
  EXPECT_EQ(Opened().size(), 2u);
  Advance(1000);
  DoubleClick(edit, OnText);
  Pump();
  EXPECT_EQ(Opened().size(), 3u) << "a double click on a link that opens on a click opens it once";

  edit->SetSingleClick(false);
  edit->SetReadOnly(true);
  Advance(1000);
  Click(edit, OnText);
  Pump();
  EXPECT_EQ(Opened().size(), 4u) << "a link that cannot be edited opens on a click";
}

TEST_F(HyperLinkEditTest, InPlaceAClickOpensAndACellClickOpensOnlyWithSingleClick) {
  TdxInplaceHyperLinkEdit* edit = InPlace();
  edit->ContainerClick();
  EXPECT_TRUE(Opened().empty());
  Click(edit, OnText);
  Pump();
  EXPECT_EQ(Opened().size(), 1u);
  edit->SetSingleClick(true);
  edit->ContainerClick();
  EXPECT_EQ(Opened().size(), 2u);
}

TEST_F(HyperLinkEditTest, TheStartKeyOpensTheLinkAndTypesNothing) {
  TdxInplaceHyperLinkEdit* edit = StandAlone();
  PressKey(VK_RETURN, ssCtrl);
  Pump();
  EXPECT_EQ(Opened(), std::vector<String>{Link});
  EXPECT_EQ(edit->Text(), Link);
  edit->SetStartKey(ShortCut(VK_F5, 0));
  PressKey(VK_RETURN, ssCtrl);
  PressKey(VK_F5);
  Pump();
  EXPECT_EQ(Opened().size(), 2u);
}

TEST_F(HyperLinkEditTest, TheTextGoesAsItIsOnlyWhenItIsAnOpenableLink) {
  struct TCase {
    const char* Text;
    bool Opens;
    int Beeps;
  };
  const TCase cases[] = {
      {"  http://example.com", true, 0}, {"mailto:pe@example.com", true, 0}, {"   ", false, 0},
      {"", false, 0},                    {"/bin/sh", false, 1},             {"calc.exe", false, 1},
      {"javascript:alert(1)", false, 1},
  };
  TdxInplaceHyperLinkEdit* edit = StandAlone();
  for (const TCase& c : cases) {
    SystemCalls().Calls.clear();
    edit->SetText(c.Text);
    edit->StartLink();
    EXPECT_EQ(Opened(), c.Opens ? std::vector<String>{c.Text} : std::vector<String>()) << c.Text;
    EXPECT_EQ(Beeps(), c.Beeps) << c.Text;
  }
  int starts = 0;
  edit->OnStartClick = [&](TObject* Sender) { starts += Sender == edit; };
  SystemCalls().Calls.clear();
  for (const char* text : {"", Link}) {
    edit->SetText(text);
    edit->StartLink();
  }
  EXPECT_EQ(starts, 2) << "the handler takes every opening over, even of an empty text";
  EXPECT_TRUE(Opened().empty());
}

TEST_F(HyperLinkEditTest, PaintedCellsShowTheLinkLookAndTheHand) {
  TdxInplaceHyperLinkEdit* edit = InPlace();
  std::unique_ptr<TdxEditViewData> vd = edit->CreateViewData(true);
  EXPECT_EQ(vd->TextColor, ColorToRGB(clBlue));
  ASSERT_TRUE(vd->Font);
  EXPECT_TRUE(vd->Font->LogFont.Underline);
  EXPECT_EQ(edit->EditClass().GetViewCursor(5, 5, *vd), crdxHandPoint);

  edit->SetLinkColor(clWindowText);
  vd = edit->CreateViewData(true);
  EXPECT_EQ(vd->TextColor, ColorToRGB(clWindowText)) << "the window text colour";
  EXPECT_TRUE(vd->Font->LogFont.Underline) << "still underlined";
  edit->SetLinkColor(clRed);
  Pump();
  RenderWindowToPng(Form->Handle(), "hyperlink-edit.png");

  TdxInplaceHyperLinkEdit* standAlone = StandAlone();
  vd = standAlone->CreateViewData(true);
  EXPECT_NE(standAlone->EditClass().GetViewCursor(5, 5, *vd), crdxHandPoint) << "an editable link shows the I-beam";
  standAlone->SetSingleClick(true);
  vd = standAlone->CreateViewData(true);
  EXPECT_EQ(standAlone->EditClass().GetViewCursor(5, 5, *vd), crdxHandPoint);
}

}  // namespace
