// The button editor: its collection of at most eight buttons with one default, the click reported
// with the button's index, the click key, buttons-only mode filling the cell, the arrows of an
// editor without an edit area, and layouts stored with and without buttons.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "classes/Filer.h"
#include "editors/dxButtonEdit.h"
#include "graphics/Metrics.h"

namespace {

class ButtonEditTest : public TEditorsTest {
 protected:
  TdxInplaceButtonEdit* StandAlone() {
    auto* edit = AddStandAlone<TdxInplaceButtonEdit>(ButtonEditClass(false));
    edit->SetName("edtButtons");
    edit->OnButtonClick = [this](TObject*, int Index) { Clicked.push_back(Index); };
    return edit;
  }
  // The painted buttons of Edit at its size.
  static std::vector<TdxEditButtonViewInfo> Layout(TdxInplaceButtonEdit* Edit, TRect* Client = nullptr) {
    std::unique_ptr<TdxEditViewData> vd = Edit->CreateViewData(false);
    vd->Bounds = {0, 0, Edit->Width(), Edit->Height()};
    TdxEditViewInfo vi;
    Edit->EditClass().CalcViewInfo(*vd, false, vi);
    if (Client) *Client = vi.ClientRect;
    return static_cast<TdxDropDownEditViewData&>(*vd).Buttons;
  }
  std::vector<int> Clicked;
};

TEST_F(ButtonEditTest, TheCollectionHoldsEightButtonsAndKeepsASingleOneDefault) {
  TdxInplaceButtonEdit* edit = StandAlone();
  TdxInplaceEditButtons& buttons = *edit->Buttons();
  ASSERT_EQ(buttons.Count(), 1);
  EXPECT_TRUE(buttons.Items(0)->Default()) << "a single button is the default one";
  buttons.Add();
  EXPECT_TRUE(buttons.Items(0)->Default());
  EXPECT_FALSE(buttons.Items(1)->Default());
  buttons.Items(1)->SetDefault(true);
  EXPECT_FALSE(buttons.Items(0)->Default()) << "one default in a collection";
  while (buttons.Count() < MaxEditButtons) buttons.Add();
  try {
    buttons.Add();
    ADD_FAILURE() << "a ninth button";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Too many buttons ( >= 8)");
  }
  EXPECT_EQ(buttons.Count(), MaxEditButtons);

  buttons.Items(0)->SetVisible(false);
  EXPECT_EQ(buttons.VisibleCount(), 7);
  EXPECT_EQ(buttons.VisibleIndexToIndex(0), 1);
  EXPECT_EQ(buttons.VisibleIndexToIndex(7), -1);
  EXPECT_EQ(buttons.VisibleItems(-1), nullptr);
  buttons.Items(2)->SetKind(bkGlyph);
  buttons.Items(2)->SetWidth(30);
  buttons.RestoreDefaults();
  EXPECT_EQ(buttons.Items(2)->Kind(), bkEllipsis);
  EXPECT_EQ(buttons.Items(2)->Width(), 0);
  EXPECT_TRUE(buttons.Items(0)->Visible());
  EXPECT_TRUE(buttons.Items(1)->Default()) << "defaults leave Default alone";
}

TEST_F(ButtonEditTest, AClickReportsTheButtonsIndexInTheCollection) {
  TdxInplaceButtonEdit* edit = StandAlone();
  TdxInplaceEditButtons& buttons = *edit->Buttons();
  buttons.Add()->SetKind(bkDown);
  buttons.Add()->SetLeftAlignment(true);
  buttons.Items(0)->SetVisible(false);
  const std::vector<TdxEditButtonViewInfo> entries = Layout(edit);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Kind, ebkDropDown);
  EXPECT_FALSE(entries[0].LeftSide);
  EXPECT_EQ(entries[0].Width, GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_TRUE(entries[1].LeftSide);
  EXPECT_EQ(entries[1].Kind, ebkEllipsis);
  const TPoint right{edit->ClientWidth() + 4, edit->ClientHeight() / 2};
  MouseMove(edit, right);
  Click(edit, right);
  Pump();
  EXPECT_EQ(Clicked, std::vector<int>{1}) << "the first visible button is the second in the collection";
  RenderWindowToPng(Form->Handle(), "button-edit.png");
}

TEST_F(ButtonEditTest, TheClickKeyClicksTheDefaultButtonAndTypesNothing) {
  TdxInplaceButtonEdit* edit = StandAlone();
  edit->Buttons()->Add();
  edit->SetText("abc");
  PressKey(VK_RETURN, ssCtrl);
  Pump();
  EXPECT_EQ(Clicked, std::vector<int>{0});
  EXPECT_EQ(edit->Text(), "abc");
  edit->Buttons()->Items(0)->SetDefault(false);
  PressKey(VK_RETURN, ssCtrl);
  Pump();
  EXPECT_EQ(Clicked, std::vector<int>{0}) << "no default button: nothing";
  EXPECT_EQ(edit->Text(), "abc");
  edit->Buttons()->Items(1)->SetDefault(true);
  edit->SetClickKey(ShortCut(VK_F2, 0));
  PressKey(VK_F2);
  Pump();
  EXPECT_EQ(Clicked, (std::vector<int>{0, 1}));
}

TEST_F(ButtonEditTest, ButtonsOnlyFillTheCellAndShowNoText) {
  TdxInplaceButtonEdit* edit = StandAlone();
  edit->SetText("隐藏");
  edit->SetViewStyle(bvsButtonsOnly);
  Pump();
  EXPECT_FALSE(edit->HasEditArea());
  EXPECT_EQ(edit->Text(), "隐藏") << "the text survives the new window";
  TRect client;
  std::vector<TdxEditButtonViewInfo> entries = Layout(edit, &client);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(client.Width(), 0);
  EXPECT_EQ(entries[0].Bounds.Left, client.Left);
  EXPECT_EQ(entries[0].Width, entries[0].Bounds.Width());
  EXPECT_GT(entries[0].Width, 100);
  EXPECT_TRUE(RecordPaint(edit).Texts.empty());
  edit->Buttons()->Add()->SetWidth(20);
  entries = Layout(edit, &client);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Bounds.Left, entries[1].Bounds.Right) << "the last button grows over the text";
  EXPECT_EQ(entries[1].Bounds.Left, client.Left);

  edit->SetViewStyle(bvsHideCursor);
  Pump();
  EXPECT_FALSE(edit->HasEditArea());
  EXPECT_FALSE(RecordPaint(edit).Texts.empty()) << "the text shows without an edit cursor";
  edit->SetViewStyle(bvsNormal);
  EXPECT_TRUE(edit->HasEditArea());
  EXPECT_EQ(edit->Text(), "隐藏");
}

TEST_F(ButtonEditTest, InPlaceWithoutAnEditAreaTheArrowsMoveToTheNeighbouringCells) {
  Host->EditorClass = &ButtonEditClass();
  auto* edit = new TdxInplaceButtonEdit(Host, ButtonEditClass());
  Host->Editor = edit;
  edit->SetViewStyle(bvsHideCursor);
  Host->StartEdit({20, 20, 160, 40}, "abc");
  Pump();
  EXPECT_NE(edit->Perform(WM_GETDLGCODE) & DLGC_WANTARROWS, 0);
  PressKey(VK_LEFT);
  PressKey(VK_RIGHT);
  Pump();
  EXPECT_EQ(Host->AdjacentMoves, (std::vector<bool>{true, false}));
}

TEST_F(ButtonEditTest, ALayoutStoredWithoutButtonsLoadsWithoutThem) {
  TdxInplaceButtonEdit* edit = StandAlone();
  edit->Buttons()->Add()->SetKind(bkDown);
  const String written = WriteLayout(Form);
  EXPECT_NE(written.find("ExistButtons = True"), String::npos);
  const size_t start = written.find("  object edtButtons"), end = written.find("\n  end\n", start);
  ASSERT_NE(end, String::npos);
  delete edit;
  ReadLayout("object Form1: TForm\n" + written.substr(start, end + 7 - start) + "end\n", Form);
  auto* read = dynamic_cast<TdxInplaceButtonEdit*>(Form->FindComponent("edtButtons"));
  ASSERT_TRUE(read);
  ASSERT_EQ(read->Buttons()->Count(), 2);
  EXPECT_EQ(read->Buttons()->Items(1)->Kind(), bkDown);
  EXPECT_TRUE(read->Buttons()->Items(0)->Default());
  delete read;

  ReadLayout("object Form1: TForm\n"
             "  object edtBare: TdxInplaceButtonEdit\n"
             "    Left = 10\n"
             "    Top = 150\n"
             "    Width = 121\n"
             "  end\n"
             "end\n",
             Form);
  auto* bare = dynamic_cast<TdxInplaceButtonEdit*>(Form->FindComponent("edtBare"));
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->Buttons()->Count(), 0) << "the constructor's button goes";
  EXPECT_TRUE(Layout(bare).empty());
}

}  // namespace
