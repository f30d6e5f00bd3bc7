// Edit styles and their controllers: the fall-back order of each value, which editors a change
// restyles, and how many notifications a change sends.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"

namespace {

// An editor that counts how often its layout changed.
class TCountingEdit : public TdxInplaceEdit {
 public:
  using TdxInplaceEdit::TdxInplaceEdit;
  void LayoutChanged() override {
    ++Layouts;
    TdxInplaceEdit::LayoutChanged();
  }
  int Layouts = 0;
};

class EditStyleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterEditorsClasses();
    Owner = MakeComponent<TComponent>();
  }
  TCountingEdit* NewEdit() { return new TCountingEdit(Owner.get()); }
  TdxEditStyleController* NewController() { return new TdxEditStyleController(Owner.get()); }
  TComponentPtr<TComponent> Owner;
};

TEST_F(EditStyleTest, AnEditorWithoutControllerOrOwnValuesHasTheBuiltInLook) {
  TdxEditStyle* style = NewEdit()->Style();
  EXPECT_EQ(style->AssignedValues(), 0u);
  EXPECT_EQ(style->BorderStyle(), xbs3D);
  EXPECT_EQ(style->BorderColor(), clWindowFrame);
  EXPECT_EQ(style->ButtonStyle(), btsDefault);
  EXPECT_EQ(style->ButtonTransparence(), ebtNone);
  EXPECT_EQ(style->Edges(), AllEdges);
  EXPECT_FALSE(style->HotTrack());
  EXPECT_FALSE(style->Shadow());
}

TEST_F(EditStyleTest, AControllerChangeRestylesTheEditorsThatDidNotAssignTheValue) {
  TdxEditStyleController* controller = NewController();
  TCountingEdit* follows = NewEdit();
  TCountingEdit* own = NewEdit();
  follows->SetStyleController(controller);
  own->SetStyleController(controller);
  own->Style()->SetBorderStyle(xbsFlat);
  follows->Layouts = own->Layouts = 0;

  controller->SetBorderStyle(xbsSingle);
  EXPECT_EQ(follows->Style()->BorderStyle(), xbsSingle);
  EXPECT_EQ(own->Style()->BorderStyle(), xbsFlat);
  EXPECT_EQ(follows->Layouts, 1);
  controller->SetBorderStyle(xbsSingle);
  EXPECT_EQ(follows->Layouts, 1) << "an equal value notifies nobody";
}

TEST_F(EditStyleTest, TheDefaultControllerReachesOnlyEditorsWithoutAControllerOfTheirOwn) {
  TCountingEdit* plain = NewEdit();
  TCountingEdit* controlled = NewEdit();
  controlled->SetStyleController(NewController());
  plain->Layouts = controlled->Layouts = 0;
  DefaultEditStyleController()->SetShadow(true);
  EXPECT_TRUE(plain->Style()->Shadow());
  EXPECT_FALSE(controlled->Style()->Shadow());
  EXPECT_EQ(plain->Layouts, 1);
  EXPECT_EQ(controlled->Layouts, 0);
  DefaultEditStyleController()->SetShadow(false);
}

TEST_F(EditStyleTest, AssigningRepaintsOnlyWhenTheOwnValueChangesOrIsNewlyAssigned) {
  TCountingEdit* edit = NewEdit();
  TdxEditStyle* style = edit->Style();
  edit->Layouts = 0;
  style->SetBorderStyle(xbs3D);  // equal to the default, but not yet the editor's own
  EXPECT_TRUE(style->IsAssigned(svBorderStyle));
  EXPECT_EQ(edit->Layouts, 1);
  style->SetBorderStyle(xbs3D);
  EXPECT_EQ(edit->Layouts, 1);
  style->RestoreDefaults();
  EXPECT_EQ(style->AssignedValues(), 0u);
  EXPECT_EQ(edit->Layouts, 2);
}

TEST_F(EditStyleTest, AssignFromAStyleMakesEverySourceValueTheTargetsOwn) {
  TdxEditStyleController* controller = NewController();
  controller->SetHotTrack(true);
  TCountingEdit* source = NewEdit();
  source->SetStyleController(controller);
  TCountingEdit* target = NewEdit();
  target->Style()->Assign(source->Style());
  EXPECT_EQ(target->Style()->AssignedValues(), 0x7Fu);
  EXPECT_TRUE(target->Style()->HotTrack());
}

TEST_F(EditStyleTest, AssignBetweenControllersNotifiesEachListenerOnce) {
  TdxEditStyleController* from = NewController();
  from->SetBorderStyle(xbsFlat);
  from->SetBorderColor(clRed);
  from->SetShadow(true);
  from->SetHotTrack(true);
  from->SetEdges(EdgeBit(edgLeft));
  TdxEditStyleController* to = NewController();
  TCountingEdit* edit = NewEdit();
  edit->SetStyleController(to);
  int events = 0;
  to->OnStyleChanged = [&](TObject*, TObject* Link) { events += Link == edit; };
  edit->Layouts = 0;
  to->Assign(from);
  EXPECT_EQ(edit->Layouts, 1);
  EXPECT_EQ(events, 1);
  EXPECT_EQ(edit->Style()->BorderColor(), clRed);
  to->RestoreDefaults();
  EXPECT_EQ(edit->Layouts, 2);
  EXPECT_EQ(edit->Style()->BorderStyle(), xbs3D);
}

TEST_F(EditStyleTest, AFreedControllerLeavesItsEditorsWithout) {
  TdxEditStyleController* controller = NewController();
  controller->SetBorderStyle(xbsNone);
  TCountingEdit* edit = NewEdit();
  edit->SetStyleController(controller);
  EXPECT_EQ(edit->Style()->BorderStyle(), xbsNone);
  controller->Free();
  EXPECT_EQ(edit->StyleController(), nullptr);
  EXPECT_EQ(edit->Style()->BorderStyle(), xbs3D);
}

TEST_F(EditStyleTest, TheCheckEditorsControllerHasNoBorderAndRaisedButtons) {
  TdxCheckEditStyleController controller(nullptr);
  controller.SetBorderStyle(xbsThick);
  controller.RestoreDefaults();
  EXPECT_EQ(controller.BorderStyle(), xbsNone);
  EXPECT_EQ(controller.ButtonStyle(), bts3D);
  TCountingEdit* edit = NewEdit();
  TdxCheckEditStyle style(edit);
  EXPECT_EQ(style.BorderStyle(), xbsNone);
}

}  // namespace
