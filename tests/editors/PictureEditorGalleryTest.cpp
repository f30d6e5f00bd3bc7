// The spin, time, calculator, graphic and blob editors stand-alone on a form, with the calculator
// and the blob popup open, rendered to look at, with probes that nothing is cut off.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxBlobEdit.h"
#include "editors/dxCalcEdit.h"
#include "editors/dxTimeEdit.h"
#include "windows/Window.h"

namespace {

using PictureEditorGalleryTest = TEditorsTest;

template <class TEdit>
TEdit* Place(TCustomForm* Form, const TdxInplaceEditClass& Class, const TRect& R) {
  auto* edit = new TEdit(Form, Class);
  edit->SetParent(Form);
  edit->SetBounds(R.Left, R.Top, R.Width(), R.Height());
  return edit;
}

TEST_F(PictureEditorGalleryTest, TheEditorsWithTheCalculatorAndTheBlobPopupOpen) {
  Form->SetBounds(100, 100, 420, 260);
  Host->SetVisible(false);
  auto* spin = Place<TdxInplaceSpinEdit>(Form, SpinEditClass(false), {10, 10, 131, 34});
  spin->SetValue(42);
  auto* time = Place<TdxInplaceTimeEdit>(Form, TimeEditClass(false), {10, 44, 131, 68});
  time->SetEditValue(Variant(EncodeTime(9, 30, 15, 0)));
  auto* calc = Place<TdxInplaceCalcEdit>(Form, CalcEditClass(false), {150, 10, 271, 34});
  calc->SetText("12.5");
  auto* graphic = Place<TdxInplaceGraphicEdit>(Form, GraphicEditClass(false), {10, 80, 150, 180});
  TBitmap picture(60, 40);
  picture.Canvas()->Brush()->SetColor(clNavy);
  picture.Canvas()->FillRect({0, 0, 60, 40});
  picture.Canvas()->Brush()->SetColor(clYellow);
  picture.Canvas()->Ellipse(10, 5, 50, 35);
  graphic->Picture()->SetGraphic(&picture);
  auto* blob = Place<TdxInplaceBlobEdit>(Form, BlobEditClass(false), {150, 44, 271, 68});
  blob->SetEditValue("体育成绩备注");
  auto* empty = Place<TdxInplaceBlobEdit>(Form, BlobEditClass(false), {280, 44, 401, 68});
  empty->SetBlobKind(bekPict);
  Pump();
  RenderWindowToPng(Form->Handle(), "spin-calc-picture-editors.png");

  calc->SetFocus();
  calc->DropDown();
  Pump();
  TdxPopupCalculator* calculator = calc->PopupCalculator();
  ASSERT_TRUE(calculator && IsWindowVisible(calculator->Handle()));
  const TRect equals = calculator->ButtonInfo(calcEquals).Bounds;
  EXPECT_LE(equals.Right, calculator->ClientWidth()) << "no button is cut off";
  EXPECT_LE(equals.Bottom, calculator->ClientHeight());
  RenderWindowToPng(calculator->Handle(), "calculator-popup.png");
  calc->CloseUp(false);
  Pump();

  blob->SetFocus();
  blob->DropDown();
  Pump();
  TCustomdxBlobPopup* popup = blob->Popup();
  ASSERT_TRUE(popup && IsWindowVisible(popup->Handle()));
  EXPECT_GE(popup->ButtonRect(bbOK).Left, 0);
  RenderWindowToPng(popup->Handle(), "blob-popup.png");
}

}  // namespace
