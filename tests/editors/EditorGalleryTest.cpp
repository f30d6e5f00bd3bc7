// A form holding each editor stand-alone, rendered to look at, with probes that nothing is cut off.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxCheckEdit.h"
#include "editors/dxDropDownEdit.h"
#include "editors/dxMaskEdit.h"
#include "windows/Window.h"

namespace {

using EditorGalleryTest = TEditorsTest;

TEST_F(EditorGalleryTest, EachEditorStandsAloneOnAForm) {
  Form->SetBounds(100, 100, 320, 260);
  Host->SetVisible(false);
  auto* text = new TdxInplaceTextEdit(Form, TextEditClass(false));
  text->SetParent(Form);
  text->SetBounds(10, 10, 200, 24);
  text->SetText("体育成绩 Text");
  auto* mask = new TdxInplaceMaskEdit(Form, MaskEditClass(false));
  mask->SetParent(Form);
  mask->SetBounds(10, 44, 200, 24);
  mask->SetEditMask("!9999-99-99;1;_");
  mask->SetMaskedText("2003-5-1");
  const TdxEditButtonViewStyle styles[] = {bts3D, btsFlat, btsHotFlat};
  for (int i = 0; i < 3; ++i) {
    auto* dropDown = new TdxInplaceDropDownEdit(Form, DropDownEditClass(false));
    dropDown->SetParent(Form);
    dropDown->SetBounds(10 + 100 * i, 78, 95, 24);
    dropDown->Style()->SetButtonStyle(styles[i]);
    dropDown->SetText(EditButtonViewStyleNames[styles[i]]);
  }
  const char* captions[] = {"未测试", "已测试(&T)", "免考"};
  std::vector<TdxInplaceCheckEdit*> checks;
  for (int i = 0; i < 3; ++i) {
    auto* check = new TdxInplaceCheckEdit(Form, CheckEditClass(false));
    checks.push_back(check);
    check->SetParent(Form);
    check->SetBounds(10 + 100 * i, 112, 95, 24);
    check->SetText(captions[i]);
    check->SetAllowGrayed(true);
    check->SetEditValue(i);
  }
  Pump();
  mask->SetFocus();
  Pump();
  RenderWindowToPng(Form->Handle(), "editors-stand-alone.png");
  EXPECT_EQ(NativeEditorOf(mask->Handle()).Text, "2003-_5-_1");
  for (TdxInplaceCheckEdit* check : checks) {
    const TRecordedPaint paint = RecordPaint(check);
    ASSERT_EQ(paint.Texts.size(), 1u);
    EXPECT_LE(paint.Texts[0].Bounds.Right, check->ClientWidth()) << "the caption is not cut off";
    EXPECT_LE(paint.Texts[0].Bounds.Bottom, check->ClientHeight());
  }
}

}  // namespace
