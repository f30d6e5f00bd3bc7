// The text box's rich-edit additions: redo, the paste query, selection notifications, the caret's
// place, and the clipboard of the clipboard service.
#include "StdControlsKit.h"
#include "windows/Clipboard.h"

namespace {

using TextBoxRichTest = TStdControlsTest;

TEST_F(TextBoxRichTest, RedoTakesBackAnUndoAndPasteIsOfferedWhileTheClipboardHoldsText) {
  auto* edit = Add<TEdit>("edtText", Bounds(10, 10, 120, 21));
  ShowForm();
  const HWND wnd = edit->Handle();
  edit->SetFocus();
  TypeText("ab");
  Pump();
  EXPECT_EQ(SendMessage(wnd, EM_CANREDO), 0);
  SendMessage(wnd, EM_UNDO);
  EXPECT_EQ(edit->Text(), "");
  EXPECT_EQ(SendMessage(wnd, EM_CANREDO), 1);
  SendMessage(wnd, EM_REDO);
  EXPECT_EQ(edit->Text(), "ab");

  ClipboardService().Clear();
  EXPECT_EQ(SendMessage(wnd, EM_CANPASTE), 0);
  ClipboardService().SetText("粘贴");
  EXPECT_EQ(SendMessage(wnd, EM_CANPASTE), 1);
  edit->SetReadOnly(true);
  EXPECT_EQ(SendMessage(wnd, EM_CANPASTE), 0);
}

TEST_F(TextBoxRichTest, CopyAndPasteGoThroughTheClipboardService) {
  auto* edit = Add<TEdit>("edtText", Bounds(10, 10, 120, 21));
  ShowForm();
  edit->SetText("成绩表");
  edit->SelectAll();
  SendMessage(edit->Handle(), WM_COPY);
  EXPECT_EQ(ClipboardService().Text(), "成绩表");
  ClipboardService().SetText("X");
  SendMessage(edit->Handle(), WM_PASTE);
  EXPECT_EQ(edit->Text(), "X");
}

TEST_F(TextBoxRichTest, SelectionChangesAreToldAndTheCaretIsPlacedAfterTheText) {
  auto* edit = Add<TEdit>("edtText", Bounds(10, 10, 120, 21));
  ShowForm();
  TTextBox& box = edit->TextBox();
  int told = 0;
  box.OnSelChange = [&] { ++told; };
  edit->SetText("0000");
  box.SetSel(0, 0);
  const TPoint start = box.CaretPos();
  told = 0;
  box.SetSel(1, 3);
  EXPECT_GE(told, 1);
  box.SetSel(4, 4);
  const TPoint end = box.CaretPos();
  EXPECT_GT(end.X - start.X, 20) << "four digits lie between";
  EXPECT_EQ(end.Y, start.Y);
  EXPECT_GE(start.X, box.Rect().Left);
  box.OnSelChange = nullptr;
}

}  // namespace
