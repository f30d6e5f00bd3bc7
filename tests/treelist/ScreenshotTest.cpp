// A banded, grouped tree list with indicator, preview and footers rendered as the program shows
// its grids, for a person to look at; the test checks only that the parts are where they belong.
#include "support/TreeListFixture.h"

namespace {

class ScreenshotTest : public TTreeListTest {
 protected:
  // The fonts a form gives its controls instead of the fixed-metrics test font.
  void UseProgramFonts() {
    const TFont plain;
    for (TFont* font : {List->Font(), List->HeaderFont(), List->BandFont(), List->PreviewFont()}) font->Assign(&plain);
    List->PreviewFont()->SetColor(clBlue);
  }
  TdxTreeListColumn* AddColumn(const String& Caption, int Band, int Width) {
    TdxTreeListColumn* column = TTreeListTest::AddColumn(Caption);
    column->SetBandIndex(Band);
    column->SetWidth(Width);
    return column;
  }
  void Row(TdxTreeListNode* Node, std::initializer_list<String> Texts) {
    int i = 0;
    for (const String& text : Texts) Node->SetStrings(i++, text);
  }
};

TEST_F(ScreenshotTest, ABandedGroupedListWithIndicatorFooterAndPreview) {
  Form->SetBounds(100, 100, 660, 440);
  List->SetParent(Form);
  List->SetBounds(8, 8, 640, 400);
  UseProgramFonts();
  List->InsideUpdate([&] {
    List->SetLookAndFeel(lfFlat);
    List->SetShowGrid(true);
    List->SetShowBands(true);
    List->SetShowIndicator(true);
    List->SetShowFooter(true);
    List->SetHideLeafIndent(true);
    List->SetHideSelection(false);
    List->SetHideFocusRect(false);
    List->SetOptions((List->GetOptions() | tloPreview) & ~tloRowSelect);
    List->SetPreviewLines(1);
    List->GroupParents = true;
    List->IndicatorArrows = true;
    List->PreviewColumn = 5;
    List->SetDefaultLayout(false);
    List->Bands()->Items(0)->SetCaption("学生");
    List->Bands()->Add()->SetCaption("成绩");
    List->Bands()->Add()->SetCaption("得分");
    AddColumn("姓名", 0, 120);
    AddColumn("性别", 0, 50);
    AddColumn("50米跑", 1, 90);
    AddColumn("立定跳远", 1, 90);
    AddColumn("总分", 2, 80)->SetAlignment(taRightJustify);
  });
  List->OnIsExistFooterCell = [](TObject*, TdxTreeListColumn* Column, bool& Exist) { Exist = Column->GetIndex() == 4; };
  List->OnCustomDrawFooter = [](TObject*, TCanvas*, TRect, TdxTreeListNode*, TdxTreeListColumn*, String& Text, TColor&,
                                TFont*, TAlignment& Alignment, bool&) {
    Text = "平均 85";
    Alignment = taRightJustify;
  };
  TdxTreeListNode* class1 = List->Add();
  Row(class1, {"高一(1)班"});
  Row(class1->AddChild(), {"王小明", "男", "7.2\"", "2.35米", "90", "体育委员"});
  Row(class1->AddChild(), {"李华", "女", "8.1\"", "1.90米", "85", "缺考一项，已补考"});
  TdxTreeListNode* class2 = List->Add();
  Row(class2, {"高一(2)班"});
  Row(class2->AddChild(), {"张伟", "男", "7.0\"", "2.50米", "95", ""});
  Row(class2->AddChild(), {"赵丽", "女", "8.4\"", "1.80米", "75", "免考立定跳远"});
  List->ExpandAll();
  List->SetFocusedVisibleIndex(0);
  class1->GetFirstChild()->SetFocused(true);
  ShowForm();
  List->SetFocus();
  Pump();
  RenderWindowToPng(List->Handle(), "treelist_banded_grouped.png");
  for (const auto& [look, name] : {std::pair{lfStandard, "standard"}, std::pair{lfUltraFlat, "ultraflat"}}) {
    List->SetLookAndFeel(look);
    List->SetFocus();
    Pump();
    RenderWindowToPng(List->Handle(), std::string("treelist_banded_grouped_") + name + ".png");
  }
  List->SetLookAndFeel(lfFlat);
  Pump();

  TdxTreeListDrawInfo info;
  List->CalcGeometry(info);
  ASSERT_EQ(info.Rows.size(), 6u);
  EXPECT_TRUE(info.Rows[0].Group);
  EXPECT_EQ(info.Rows[1].PreviewLines, 1);
  EXPECT_EQ(info.Rows[1].IndicatorKind, ikArrow);
  EXPECT_EQ(WindowPixel(List->Handle(), info.FooterRect.Left + 1, info.FooterRect.Top + 3),
            TColor(ColorToRGB(clBtnFace)))
      << "the footer in the header colour";
}

}  // namespace
