// The value editors stand-alone on a form and with their popups open, rendered to look at, with
// probes that their lists and calendars lie where they belong and nothing is cut off.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxButtonEdit.h"
#include "editors/dxCalendar.h"
#include "editors/dxCurrencyEdit.h"
#include "editors/dxEdLib.h"
#include "editors/dxHyperLinkEdit.h"
#include "editors/dxMRUEdit.h"
#include "editors/dxPickEdit.h"
#include "editors/dxPopupListBox.h"
#include "windows/Window.h"

namespace {

using ValueEditorGalleryTest = TEditorsTest;

TEST_F(ValueEditorGalleryTest, TheDateEditWithItsCalendarAndThePickEditWithItsList) {
  Form->SetBounds(100, 100, 360, 300);
  Host->SetVisible(false);
  auto* date = new TdxDateEdit(Form);
  date->SetParent(Form);
  date->SetBounds(10, 10, 121, 24);
  date->SetUseEditMask(true);
  date->SetPopupAlignment(taRightJustify);
  date->SetPopupBorder(pbSingle);
  date->SetDate(EncodeDate(2003, 5, 1));
  auto* pick = new TdxInplacePickEdit(Form, PickEditClass(false));
  pick->SetParent(Form);
  pick->SetBounds(180, 10, 150, 24);
  for (const char* item : {"50米跑", "立定跳远", "800米跑", "1000米跑", "引体向上"}) pick->Items()->Add(item);
  pick->SetText("立定跳远");
  Pump();
  pick->SetFocus();
  pick->DropDown();
  Pump();
  TdxPopupPickListBox* list = pick->PopupList();
  EXPECT_EQ(list->ItemIndex(), 1);
  TRect listRect, pickRect;
  GetWindowRect(list->Handle(), listRect);
  GetWindowRect(pick->Handle(), pickRect);
  EXPECT_EQ(list->ClientHeight(), 5 * list->ItemHeight());
  RenderWindowToPng(list->Handle(), "pick-list.png");
  pick->CloseUp(false);

  date->SetFocus();
  date->DropDown();
  Pump();
  TdxGridDatePopup* calendar = date->Calendar();
  ASSERT_TRUE(calendar && IsWindowVisible(calendar->Handle()));
  TRect calendarRect, dateRect;
  GetWindowRect(calendar->Handle(), calendarRect);
  GetWindowRect(date->Handle(), dateRect);
  EXPECT_EQ(calendarRect.Right, date->ClientOrigin().X + date->ClientWidth()) << "aligned right";
  EXPECT_GE(calendarRect.Top, dateRect.Bottom - 2);
  RenderWindowToPng(calendar->Handle(), "date-calendar.png");
  RenderWindowToPng(Form->Handle(), "value-editors.png");
}

// Each editor's buttons lie inside its window, right of its text.
TEST_F(ValueEditorGalleryTest, TheCurrencyMRUButtonAndHyperlinkEditors) {
  Form->SetBounds(100, 100, 360, 200);
  Host->SetVisible(false);
  auto* amount = AddStandAlone<TdxInplaceCurrencyEdit>(CurrencyEditClass(false), {10, 10, 160, 34});
  amount->SetText("1234.5");
  auto* recent = AddStandAlone<TdxInplaceMRUEdit>(MRUEditClass(false), {180, 10, 330, 34});
  recent->SetText("立定跳远");
  auto* buttons = AddStandAlone<TdxInplaceButtonEdit>(ButtonEditClass(false), {10, 60, 160, 84});
  buttons->Buttons()->Add()->SetKind(bkDown);
  buttons->SetText("按钮");
  auto* link = AddStandAlone<TdxInplaceHyperLinkEdit>(HyperLinkEditClass(false), {180, 60, 330, 84});
  link->SetText("http://example.com");
  Pump();
  for (TdxInplaceDropDownEdit* edit : {static_cast<TdxInplaceDropDownEdit*>(recent), static_cast<TdxInplaceDropDownEdit*>(buttons)}) {
    std::unique_ptr<TdxEditViewData> vd = edit->CreateViewData(false);
    vd->Bounds = {0, 0, edit->Width(), edit->Height()};
    TdxEditViewInfo vi;
    edit->EditClass().CalcViewInfo(*vd, false, vi);
    for (const TdxEditButtonViewInfo& button : static_cast<TdxDropDownEditViewData&>(*vd).Buttons) {
      EXPECT_GE(button.Bounds.Left, vi.ClientRect.Right);
      EXPECT_LE(button.Bounds.Right, edit->Width());
    }
  }
  RenderWindowToPng(Form->Handle(), "value-editors-2.png");
}

}  // namespace
