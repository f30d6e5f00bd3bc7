// The blob editor and its popup: kinds without a popup, the icons of cells, the memo popup's
// posting and cancelling, the read-only Close button, a large picture scaled into the screen, the
// size kept for the next drop-down, and the sizing corner that follows the popup's place.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxBlobEdit.h"
#include "editors/dxDrawing.h"
#include "editors/dxExEdtr.h"
#include "graphics/Metrics.h"
#include "support/PixelCanvas.h"
#include "windows/Clipboard.h"
#include "windows/Focus.h"
#include "windows/Scrolling.h"

namespace {

class BlobEditTest : public TEditorsTest {
 protected:
  void SetUp() override {
    TEditorsTest::SetUp();
    Host->EditorClass = &BlobEditClass();
    Host->CanModifyAnswer = true;
  }
  TdxInplaceBlobEdit* StartBlob(const Variant& Value, TdxBlobEditKind Kind = bekMemo) {
    Host->StartEdit({20, 20, 120, 40}, Value);
    auto* edit = static_cast<TdxInplaceBlobEdit*>(Host->Editor);
    edit->SetBlobKind(Kind);
    Pump();
    return edit;
  }
  TCustomdxBlobPopup* Open(TdxInplaceBlobEdit* Edit) {
    Press(VK_F4);
    return Edit->Popup();
  }
  static bool Visible(TWinControl* Control) { return Control && Control->HandleAllocated() && IsWindowVisible(Control->Handle()); }
  static String PictureValue(int W, int H) {
    TBitmap bitmap(W, H);
    const TBytes bytes = bitmap.SaveToBytes();
    return String(bytes.begin(), bytes.end());
  }
};

TEST_F(BlobEditTest, TextSetWithoutChangeFiresNoChangeAndLeavesModifiedAlone) {
  TdxInplaceBlobEdit* edit = StartBlob("旧的");
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->SetTextWithoutChange("新的");
  EXPECT_EQ(edit->Text(), "新的");
  EXPECT_EQ(changes, 0);
  EXPECT_FALSE(edit->GetModified());
}

TEST_F(BlobEditTest, OleAndBinaryValuesHaveNoButtonAndNoPopup) {
  for (const TdxBlobEditKind kind : {bekOle, bekBlob}) {
    TdxInplaceBlobEdit* edit = StartBlob("data", kind);
    auto vd = edit->CreateViewData(false);
    TdxEditViewInfo vi;
    vd->Bounds = {0, 0, 100, 20};
    edit->EditClass().CalcViewInfo(*vd, false, vi);
    EXPECT_TRUE(static_cast<TdxBlobEditViewData&>(*vd).Buttons.empty()) << kind;
    Press(VK_F4);
    EXPECT_FALSE(Visible(edit->Popup())) << kind;
  }
  TdxInplaceBlobEdit* edit = StartBlob("text");
  auto vd = edit->CreateViewData(false);
  TdxEditViewInfo vi;
  vd->Bounds = {0, 0, 100, 20};
  edit->EditClass().CalcViewInfo(*vd, false, vi);
  EXPECT_EQ(static_cast<TdxBlobEditViewData&>(*vd).Buttons.size(), 1u) << "a memo has its button";
}

TEST_F(BlobEditTest, CellsShowTheIconOfTheKindAndItsEmptyVariant) {
  EXPECT_EQ(TdxBlobEditClass::IconIndex(bekMemo, true), bdxMemoNull);
  EXPECT_EQ(TdxBlobEditClass::IconIndex(bekPict, false), bdxPict);
  const TImageList& icons = *dxEditorResources().BlobIcons;
  TdxBlobEditViewData vd;
  vd.Icons = &icons;
  vd.Empty = true;
  vd.Brush = CreateSolidBrush(clWhite);
  TPixelCanvas cell(60, 40), expected(60, 40);
  BlobEditClass().Draw(cell.DC(), {0, 0, 60, 40}, vd, false);
  DrawImageListImage(expected.DC(), (60 - icons.Width()) / 2, (40 - icons.Height()) / 2, icons, bdxMemoNull);
  int differences = 0, drawn = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) {
      differences += cell.At(x, y) != expected.At(x, y);
      drawn += !cell.IsBackground(x, y);
    }
  EXPECT_EQ(differences, 0) << "the empty memo's icon, centred";
  EXPECT_GT(drawn, 0);
}

TEST_F(BlobEditTest, TheMemoPopupPostsOnOkOrOnClosingAndNotOnCancel) {
  TdxInplaceBlobEdit* edit = StartBlob("first");
  TCustomdxBlobPopup* popup = Open(edit);
  ASSERT_TRUE(Visible(popup));
  EXPECT_EQ(GetFocus(), popup->Memo()->Handle());
  EXPECT_EQ(popup->Text(), "first");
  EXPECT_FALSE(popup->IsButtonEnabled(bbOK)) << "OK waits for a change";
  Type("X");
  EXPECT_TRUE(popup->IsButtonEnabled(bbOK));
  Press(VK_RETURN, ssCtrl);
  EXPECT_FALSE(Visible(popup));
  EXPECT_EQ(edit->BlobText().substr(0, 1), "X") << edit->BlobText();
  EXPECT_TRUE(edit->GetModified());

  const String accepted = edit->BlobText();
  Open(edit);
  Type("Y");
  Press(VK_ESCAPE);
  EXPECT_FALSE(Visible(popup));
  EXPECT_EQ(edit->BlobText(), accepted) << "Cancel posts nothing";

  Open(edit);
  Type("Z");
  ::SetFocus(Host->Handle());
  Pump();
  EXPECT_FALSE(Visible(popup));
  EXPECT_EQ(edit->BlobText().substr(0, 1), "Z") << "closing by leaving it posts";

  edit->SetPostOnHide(false);
  Open(edit);
  Type("W");
  ::SetFocus(Host->Handle());
  Pump();
  EXPECT_EQ(edit->BlobText().substr(0, 1), "Z") << "without post-on-hide leaving posts nothing";
}

TEST_F(BlobEditTest, AcceleratorsTabAndPictureScrolling) {
  TdxInplaceBlobEdit* edit = StartBlob("a");
  TCustomdxBlobPopup* popup = Open(edit);
  Type("b");
  Press('O', ssAlt);
  EXPECT_FALSE(Visible(popup)) << "Alt+O is OK";
  EXPECT_EQ(edit->BlobText(), "ba");
  Open(edit);
  Type("c");
  Press('C', ssAlt);
  EXPECT_EQ(edit->BlobText(), "ba") << "Alt+C is Cancel";
  edit->SetMemoWantTabs(false);
  Open(edit);
  Press(VK_TAB, ssShift);
  EXPECT_FALSE(Visible(popup));
  EXPECT_EQ(Host->AdjacentMoves, std::vector<bool>{true}) << "Tab leaves for the cell before";

  edit->SetBlobKind(bekPict);
  edit->SetPictureAutoSize(false);
  edit->SetEditValue(PictureValue(600, 500));
  Open(edit);
  ASSERT_TRUE(Visible(popup));
  const int maxX = 600 - popup->ClientWidth(), maxY = 500 - popup->ClientHeight();
  SendMessage(popup->Handle(), WM_HSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(popup->ScrollPosition().X, GetSystemMetrics(SM_CXHSCROLL));
  SendMessage(popup->Handle(), WM_HSCROLL, SB_BOTTOM, 0);
  SendMessage(popup->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(popup->ScrollPosition(), (TPoint{maxX, popup->ClientHeight()}));
  SendMessage(popup->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  SendMessage(popup->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(popup->ScrollPosition().Y, maxY) << "positions stay inside the picture";
}

TEST_F(BlobEditTest, AReadOnlyPopupOffersCloseAlone) {
  Host->ReadOnlyAnswer = true;
  TdxInplaceBlobEdit* edit = StartBlob("text");
  TCustomdxBlobPopup* popup = Open(edit);
  ASSERT_TRUE(Visible(popup));
  EXPECT_TRUE(popup->IsButtonShown(bbClose));
  EXPECT_FALSE(popup->IsButtonShown(bbOK));
  EXPECT_FALSE(popup->IsButtonShown(bbCancel));
  const TRect close = popup->ButtonRect(bbClose);
  TRect window;
  GetWindowRect(popup->Handle(), window);
  Click(popup, popup->ScreenToClient({window.Left + (close.Left + close.Right) / 2, window.Top + close.Top + 3}));
  Pump();
  EXPECT_FALSE(Visible(popup)) << "a click on Close closes";
  EXPECT_EQ(edit->BlobText(), "text");
}

TEST_F(BlobEditTest, ALargePictureOpensScaledIntoTheScreenAndAResizeIsKept) {
  TdxInplaceBlobEdit* edit = StartBlob(PictureValue(1600, 400), bekPict);
  TCustomdxBlobPopup* popup = Open(edit);
  ASSERT_TRUE(Visible(popup));
  TRect wa;
  GetMonitorWorkArea({0, 0}, wa);
  EXPECT_LE(popup->Width(), wa.Width());
  EXPECT_NEAR(double(popup->ClientWidth()) / popup->ClientHeight(), 4.0, 0.1) << "the aspect ratio is kept";
  Press(VK_ESCAPE);

  edit->SetBlobKind(bekMemo);
  edit->SetEditValue("memo");
  Open(edit);
  popup->SetBounds(popup->Left(), popup->Top(), 260, 180);
  Press(VK_ESCAPE);
  EXPECT_EQ(edit->PopupWidth(), 260);
  EXPECT_EQ(edit->PopupHeight(), 180);
  Open(edit);
  EXPECT_EQ(popup->Width(), 260) << "the next drop-down opens at the new size";
  EXPECT_EQ(popup->Height(), 180);
}

TEST_F(BlobEditTest, APicturePopupOffersItsCommandsAsAContextMenu) {
  TdxInplaceBlobEdit* edit = StartBlob(PictureValue(30, 20), bekPict);
  TCustomdxBlobPopup* popup = Open(edit);
  ASSERT_TRUE(Visible(popup));
  Clipboard().SetAsText("no picture");
  std::vector<bool> enabled;
  TestClock().OnWait([&] {
    for (int i = 0; i < popup->PictureMenu()->Items()->Count(); ++i)
      enabled.push_back(popup->PictureMenu()->Items()->Items(i)->Enabled());
    PressKey('C');  // &Copy
  });
  SendMessage(popup->Handle(), WM_CONTEXTMENU, popup->Handle().AsWParam(), MAKELPARAM(-1, -1));
  Pump();
  // Cut, Copy, Paste, Delete, -, Load, Save
  EXPECT_EQ(enabled, (std::vector<bool>{true, true, false, true, true, true, true}));
  TBitmap copied;
  EXPECT_TRUE(Clipboard().GetPicture(copied) && copied.Width() == 30) << "the item ran its command";

  TestClock().OnWait([&] { PressKey('D'); });  // &Delete
  SendMessage(popup->Handle(), WM_CONTEXTMENU, popup->Handle().AsWParam(), MAKELPARAM(-1, -1));
  Pump();
  EXPECT_TRUE(IsPictureEmpty(popup->Picture()));
  EXPECT_TRUE(popup->IsButtonEnabled(bbOK));
  Press(VK_RETURN);
  EXPECT_TRUE(edit->GetEditValue().IsNull()) << "the emptied picture is posted";
}

TEST_F(BlobEditTest, TheGripAndTheSizingCodesFollowThePopupsPlace) {
  TdxInplaceBlobEdit* edit = StartBlob("text");
  TCustomdxBlobPopup* popup = Open(edit);
  ASSERT_TRUE(Visible(popup));
  TRect wa, editor;
  GetMonitorWorkArea({0, 0}, wa);
  struct TCase {
    TPoint FormAt;
    int Corner;
    LRESULT Grip;
  };
  const TCase cases[] = {
      {{wa.Left, wa.Top}, gcBottomRight, HTBOTTOMRIGHT},
      {{wa.Left, wa.Bottom - 100}, gcTopRight, HTTOPRIGHT},
      {{wa.Right - 150, wa.Top}, gcBottomLeft, HTBOTTOMLEFT},
      {{wa.Right - 150, wa.Bottom - 100}, gcTopLeft, HTTOPLEFT},
  };
  for (const TCase& c : cases) {
    Form->SetBounds(c.FormAt.X, c.FormAt.Y, Form->Width(), Form->Height());
    Pump();
    GetWindowRect(edit->Handle(), editor);
    popup->CalcPosition({editor.Left, editor.Bottom}, 200, 140);
    EXPECT_EQ(popup->GripCorner(), c.Corner);
    TRect r;
    GetWindowRect(popup->Handle(), r);
    const bool left = c.Corner == gcTopLeft || c.Corner == gcBottomLeft;
    const bool top = c.Corner == gcTopLeft || c.Corner == gcTopRight;
    EXPECT_EQ(top ? r.Bottom : r.Top, top ? editor.Top : editor.Bottom) << "above or below the editor";
    if (left) {
      EXPECT_EQ(r.Right, editor.Right) << "moved left: the right edges meet";
    }
    const TPoint corner{left ? r.Left + 2 : r.Right - 3, top ? r.Top + 2 : r.Bottom - 3};
    EXPECT_EQ(popup->Perform(WM_NCHITTEST, 0, PointToLParam(corner)), c.Grip) << c.Corner;
    const TRect bar = popup->BarRect();
    EXPECT_EQ(top, bar.Top < popup->Height() / 2) << "the bar shares the grip's edge";
  }
  Form->SetBounds(wa.Left, wa.Top, Form->Width(), Form->Height());
  Pump();
  GetWindowRect(edit->Handle(), editor);
  popup->CalcPosition({editor.Left, editor.Bottom}, 200, 140);
  TRect r;
  GetWindowRect(popup->Handle(), r);
  EXPECT_EQ(popup->Perform(WM_NCHITTEST, 0, PointToLParam({r.Left + 100, r.Bottom - 2})), HTBOTTOM);
  EXPECT_EQ(popup->Perform(WM_NCHITTEST, 0, PointToLParam({r.Right - 2, r.Top + 60})), HTRIGHT);
  EXPECT_EQ(popup->Perform(WM_NCHITTEST, 0, PointToLParam({r.Left + 1, r.Top + 60})), HTBORDER)
      << "the edges away from the grip do not size";
}

}  // namespace
