// The value editors stand-alone on a form and with their popups open, rendered to look at, with
// probes that their lists and calendars lie where they belong and nothing is cut off.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxCalendar.h"
#include "editors/dxEdLib.h"
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

}  // namespace
