// The most-recently-used editor: the list of entered values newest first and cut to its count,
// the ellipsis button beside the arrow that reports its click and opens nothing, and Ctrl+Enter.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "classes/Properties.h"
#include "editors/dxMRUEdit.h"
#include "editors/dxPopupListBox.h"
#include "windows/Window.h"

namespace {

class MRUEditTest : public TEditorsTest {
 protected:
  TdxInplaceMRUEdit* StandAlone() {
    auto* edit = AddStandAlone<TdxInplaceMRUEdit>(MRUEditClass(false));
    edit->OnButtonClick = [this](TObject*) { ++ButtonClicks; };
    return edit;
  }
  static void Enter(TdxInplaceMRUEdit* Edit, const String& Text) {
    Edit->SetText(Text);
    Edit->SetModified(true);
    Edit->ValidateEdit();
  }
  static String ItemsOf(TdxInplaceMRUEdit* Edit) { return Edit->Items()->CommaText(); }
  static bool ListShown(TdxInplaceMRUEdit* Edit) {
    return Edit->PopupList()->HandleAllocated() && IsWindowVisible(Edit->PopupList()->Handle());
  }
  int ButtonClicks = 0;
};

TEST_F(MRUEditTest, EnteredValuesAreKeptNewestFirstAndCutToTheCount) {
  TdxInplaceMRUEdit* edit = StandAlone();
  EXPECT_FALSE(edit->ImmediateDropDown());
  for (const char* text : {"a", "b", "a", ""}) Enter(edit, text);
  EXPECT_EQ(ItemsOf(edit), "a,b") << "a value entered again moves to the top; an empty one is no entry";
  Enter(edit, "A");
  EXPECT_EQ(ItemsOf(edit), "A,a,b") << "values differing in case are different";
  edit->SetMaxItemCount(2);
  EXPECT_EQ(ItemsOf(edit), "A,a") << "a smaller count cuts the list at once";
  for (const char* text : {"a", "b", "c"}) Enter(edit, text);
  EXPECT_EQ(ItemsOf(edit), "c,b");
  edit->SetText("d");
  edit->SetModified(false);
  edit->ValidateEdit();
  EXPECT_EQ(ItemsOf(edit), "c,b") << "an unmodified text is no entry";
  edit->SetSorted(true);
  for (const char* text : {"a", "c"}) Enter(edit, text);
  EXPECT_EQ(ItemsOf(edit), "a,b") << "a sorted list takes a new value in its place and stays sorted";
  edit->SetMaxItemCount(-3);
  EXPECT_EQ(edit->MaxItemCount(), 0);
  EXPECT_EQ(edit->Items()->Count(), 0);
}

TEST_F(MRUEditTest, TheEllipsisBesideTheArrowReportsItsClickAndOpensNothing) {
  TdxInplaceMRUEdit* edit = StandAlone();
  edit->Items()->Add("一");
  std::unique_ptr<TdxEditViewData> vd = edit->CreateViewData(false);
  vd->Bounds = {0, 0, edit->Width(), edit->Height()};
  TdxEditViewInfo vi;
  edit->EditClass().CalcViewInfo(*vd, false, vi);
  const auto& buttons = static_cast<TdxDropDownEditViewData&>(*vd).Buttons;
  ASSERT_EQ(buttons.size(), 2u);
  EXPECT_EQ(buttons[0].Kind, ebkDropDown);
  EXPECT_EQ(buttons[1].Kind, ebkEllipsis);
  EXPECT_EQ(buttons[1].Bounds.Right, buttons[0].Bounds.Left) << "the ellipsis follows the arrow on its side";
  EXPECT_EQ(vi.ClientRect.Right, buttons[1].Bounds.Left);

  const TPoint ellipsis{edit->ClientWidth() + 4, edit->ClientHeight() / 2};
  MouseMove(edit, ellipsis);
  MouseDown(edit, ellipsis);
  Pump();
  EXPECT_EQ(edit->PressedButton(), TdxInplaceMRUEdit::EllipsisButton);
  MouseUp(edit, ellipsis);
  Pump();
  EXPECT_EQ(ButtonClicks, 1);
  EXPECT_FALSE(ListShown(edit));
  const TPoint arrow{ellipsis.X + buttons[1].Width, ellipsis.Y};
  MouseMove(edit, arrow);
  MouseDown(edit, arrow);
  Pump();
  EXPECT_TRUE(ListShown(edit)) << "the arrow opens the list";
  MouseUp(edit, arrow);
  Pump();
  EXPECT_EQ(ButtonClicks, 1);
  edit->CloseUp(false);
  RenderWindowToPng(Form->Handle(), "mru-edit.png");

  edit->SetShowEllipsis(false);
  vd = edit->CreateViewData(false);
  edit->EditClass().CalcViewInfo(*vd, false, vi);
  EXPECT_EQ(static_cast<TdxDropDownEditViewData&>(*vd).Buttons.size(), 1u);
}

TEST_F(MRUEditTest, CtrlEnterClicksTheEllipsisWithoutTypingIntoTheText) {
  TdxInplaceMRUEdit* edit = StandAlone();
  edit->SetText("abc");
  PressKey(VK_RETURN, ssCtrl);
  Pump();
  EXPECT_EQ(ButtonClicks, 1);
  EXPECT_EQ(edit->Text(), "abc");
  edit->SetReadOnly(true);
  PressKey(VK_RETURN, ssCtrl);
  Pump();
  EXPECT_EQ(ButtonClicks, 1) << "not on a text that cannot be edited";
  edit->SetReadOnly(false);
  edit->SetShowEllipsis(false);
  PressKey(VK_RETURN, ssCtrl);
  Pump();
  EXPECT_EQ(ButtonClicks, 1) << "not without the ellipsis";
}

TEST_F(MRUEditTest, ALayoutStoresOnlyWhatDiffersFromTheMRUDefaults) {
  TdxInplaceMRUEdit* edit = StandAlone();
  const TClassInfo* info = GetClass("TdxInplaceMRUEdit");
  ASSERT_NE(info, nullptr);
  for (const char* name : {"ImmediateDropDown", "MaxItemCount", "ShowEllipsis"})
    EXPECT_FALSE(info->FindProperty(name)->IsStored(*edit)) << name;
  edit->SetMaxItemCount(3);
  EXPECT_TRUE(info->FindProperty("MaxItemCount")->IsStored(*edit));
}

}  // namespace
