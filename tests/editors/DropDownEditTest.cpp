// The drop-down editor: the button in the non-client area (hot, pressed, clicked, painted in each
// style), the keys that open and close a popup the editor drives or one that takes the focus, the
// deferred drop-down, the popup's place on the work area, the wheel, and the popup's border.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxDropDownEdit.h"
#include "editors/dxPopup.h"
#include "graphics/Gdi.h"
#include "graphics/Metrics.h"
#include "windows/Focus.h"
#include "windows/MessageQueue.h"
#include "windows/Scrolling.h"
#include "windows/Window.h"

namespace {

// A popup that records the keys, scrolls and presses it is given.
class TRecordingPopup : public TdxInplacePopupControl {
 public:
  explicit TRecordingPopup(TComponent* AOwner) : TdxInplacePopupControl(AOwner) {
    SetIsPopup(true);
    SetBounds(0, 0, 100, 80);
  }
  std::vector<UINT> Messages;
  std::vector<WPARAM> Params;

 protected:
  void Dispatch(TMessage& Message) override {
    switch (Message.Msg) {
      case WM_KEYDOWN: case WM_CHAR: case WM_VSCROLL: case WM_LBUTTONDOWN:
        Messages.push_back(Message.Msg);
        Params.push_back(Message.WParam);
        break;
      default: break;
    }
    TdxInplacePopupControl::Dispatch(Message);
  }
};

// A drop-down editor whose popup is a recording popup.
class TTestDropDownEdit : public TdxInplaceDropDownEdit {
 public:
  TTestDropDownEdit(TComponent* AOwner, const TdxInplaceEditClass& Class) : TdxInplaceDropDownEdit(AOwner, Class) {}
  using TdxInplaceDropDownEdit::SetEditorDrivenPopup;
  using TdxInplaceDropDownEdit::SetTypingFilters;
  void DropDown() override {
    ++DropDowns;
    if (!Popup) {
      Popup = new TRecordingPopup(this);
      Popup->SetOwnerEdit(this);
      SetPopupControl(Popup);
    }
    DoDropDownEvents();
    PositionPopup(Popup, true);
    ShowWindow(Popup->Handle(), SW_SHOWNOACTIVATE);
    if (!EditorDrivenPopup()) ::SetFocus(Popup->Handle());
    SetPopupShown(true);
  }
  void CloseUp(bool Accept) override {
    Closes.push_back(Accept);
    if (Popup && PopupShown()) Popup->HidePopup(Accept);
    SetPopupShown(false);
  }
  void ScrollItem(int Delta, bool Wrap) override {
    (void)Wrap;
    Scrolls.push_back(Delta);
  }
  void SyncPopupSelection(const String& Text) override { Synced.push_back(Text); }
  int DropDowns = 0;
  std::vector<bool> Closes;
  std::vector<int> Scrolls;
  std::vector<String> Synced;
  TRecordingPopup* Popup = nullptr;
};

class DropDownEditTest : public TEditorsTest {
 protected:
  TTestDropDownEdit* StandAlone(TRect Bounds = {10, 150, 160, 174}) {
    auto* edit = new TTestDropDownEdit(Form, DropDownEditClass(false));
    edit->SetParent(Form);
    edit->SetBoundsRect(Bounds);
    Pump();
    edit->SetFocus();
    Pump();
    return edit;
  }
  // A client-area point of the editor's window that lies on its button.
  static TPoint OnButton(TWinControl* Edit) { return {Edit->ClientWidth() + 4, Edit->ClientHeight() / 2}; }
  // The bounding box of the pixels of Color inside the button's edges.
  static TRect PixelsOf(TBitmap& Bitmap, TColor Color) {
    TRect box{1000, 1000, -1, -1};
    for (int y = 3; y < Bitmap.Height() - 3; ++y)
      for (int x = 3; x < Bitmap.Width() - 3; ++x)
        if (GetPixel(Bitmap.Canvas()->Handle(), x, y) == ColorToRGB(Color))
          box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
    return box;
  }
  // One button of the style painted into a 16 x 20 bitmap.
  static std::unique_ptr<TBitmap> PaintButton(TdxEditButtonViewStyle Style, bool Pressed,
                                              TdxEditButtonKind Kind = ebkDropDown, bool Enabled = true) {
    auto bitmap = std::make_unique<TBitmap>(16, 20);
    TdxDropDownEditViewData vd;
    vd.ButtonStyle = Style;
    vd.Enabled = Enabled;
    vd.Brush = CreateSolidBrush(clWindow);
    vd.PressedButton = Pressed ? 0 : -1;
    TdxEditButtonViewInfo button;
    button.Kind = Kind;
    button.Width = 16;
    button.Bounds = {0, 0, 16, 20};
    vd.Buttons.push_back(button);
    TdxDropDownEditClass::DrawButton(bitmap->Canvas()->Handle(), vd, 0);
    return bitmap;
  }
};

TEST_F(DropDownEditTest, TheButtonIsHotUnderTheMousePressedByItAndClickedOnRelease) {
  TTestDropDownEdit* edit = StandAlone();
  int clicks = 0;
  edit->OnEditButtonClick = [&](TObject*) { ++clicks; };
  const TPoint button = OnButton(edit);
  MouseMove(edit, button);
  Pump();
  EXPECT_EQ(edit->HotButton(), 0);
  EXPECT_EQ(edit->Perform(WM_NCHITTEST, 0, PointToLParam(edit->ClientToScreen(button))), HTBORDER);
  MouseMove(edit, {5, 5});
  Pump();
  EXPECT_EQ(edit->HotButton(), -1);

  MouseMove(edit, button);
  MouseDown(edit, button);
  Pump();
  EXPECT_EQ(edit->PressedButton(), 0);
  EXPECT_EQ(GetCapture(), edit->Handle());
  EXPECT_EQ(edit->DropDowns, 1);
  MouseUp(edit, button);
  Pump();
  EXPECT_EQ(edit->PressedButton(), -1);
  EXPECT_EQ(GetCapture(), HWND());
  EXPECT_EQ(clicks, 1);
}

TEST_F(DropDownEditTest, APressOnACellsButtonAreaPressesTheButtonOfTheEditorShownThere) {
  auto* edit = new TTestDropDownEdit(Host, DropDownEditClass());
  Host->Editor = edit;
  Host->StartEdit({20, 20, 160, 40}, "abc");
  Pump();
  edit->ContainerMouseDown(157, 30);
  EXPECT_EQ(edit->PressedButton(), 0);
  Pump();
  EXPECT_EQ(edit->DropDowns, 1);
  MouseUp(edit, OnButton(edit));
  Pump();
  EXPECT_EQ(edit->PressedButton(), -1);
  edit->ContainerMouseDown(40, 30);
  EXPECT_EQ(edit->PressedButton(), -1) << "on the text";
}

TEST_F(DropDownEditTest, SettingDroppedDownOpensAfterTheCurrentMessage) {
  TTestDropDownEdit* edit = StandAlone();
  edit->SetDroppedDown(true);
  EXPECT_EQ(edit->DropDowns, 0);
  Pump();
  EXPECT_EQ(edit->DropDowns, 1);
  EXPECT_TRUE(edit->IsPopupVisible());
  EXPECT_EQ(edit->Perform(CM_DXPOPUPVISIBLE), 1);
  edit->SetDroppedDown(true);  // already open
  Pump();
  EXPECT_EQ(edit->DropDowns, 1);
  edit->SetDroppedDown(false);
  EXPECT_EQ(edit->Closes, std::vector<bool>{false});
  EXPECT_FALSE(edit->IsPopupVisible());
}

TEST_F(DropDownEditTest, KeysOpenAndCloseAPopupTheEditorDrivesAndTheRestGoToIt) {
  Host->CanModifyAnswer = true;
  Host->ValidCharAnswer = true;
  auto* edit = new TTestDropDownEdit(Host, DropDownEditClass());
  Host->Editor = edit;
  Host->StartEdit({20, 20, 160, 40}, "abc");
  Pump();
  PressKey(VK_F4, ssAlt);
  Pump();
  EXPECT_EQ(edit->DropDowns, 0) << "Alt+F4 opens nothing";
  PressKey(VK_DOWN, ssAlt);
  Pump();
  ASSERT_EQ(edit->DropDowns, 1);
  EXPECT_EQ(GetFocus(), edit->Handle()) << "the editor keeps the focus";
  PressKey(VK_DOWN);
  TypeText("x");
  Pump();
  EXPECT_EQ(edit->Popup->Messages, (std::vector<UINT>{WM_KEYDOWN, WM_KEYDOWN, WM_CHAR}));
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_TRUE(Host->HostKeys.empty());

  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(edit->Closes, std::vector<bool>{true});
  EXPECT_TRUE(Host->Chars.empty()) << "Enter's character reached the host";
  PressKey(VK_F4);
  Pump();
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_EQ(edit->Closes, (std::vector<bool>{true, false}));

  PressKey(VK_F4);
  Pump();
  TTestBox* other = AddBox("other");
  Pump();
  other->SetFocus();
  EXPECT_EQ(edit->Closes, (std::vector<bool>{true, false, false})) << "the focus left: closed without accepting";
}

TEST_F(DropDownEditTest, WithTypingFiltersCharactersEditTheTextAndTheArrowsMoveThePopup) {
  TTestDropDownEdit* edit = StandAlone();
  edit->SetTypingFilters(true);
  edit->SetDroppedDown(true);
  Pump();
  TypeText("ap");
  PressKey(VK_UP);
  Pump();
  EXPECT_EQ(edit->Text(), "ap");
  EXPECT_EQ(edit->Synced, (std::vector<String>{"a", "ap"}));
  EXPECT_EQ(edit->Popup->Messages, std::vector<UINT>{WM_KEYDOWN});
  EXPECT_EQ(edit->Popup->Params, std::vector<WPARAM>{VK_UP});
}

TEST_F(DropDownEditTest, APopupThatTakesTheFocusOpensByAltDownAndClosesWhenTheFocusLeaves) {
  TTestDropDownEdit* edit = StandAlone();
  edit->SetEditorDrivenPopup(false);
  TTestBox* other = AddBox("other");
  Pump();
  PressKey(VK_F4, ssAlt);
  Pump();
  EXPECT_EQ(edit->DropDowns, 0);
  PressKey(VK_DOWN, ssAlt);
  Pump();
  ASSERT_EQ(edit->DropDowns, 1);
  EXPECT_EQ(GetFocus(), edit->Popup->Handle());
  EXPECT_TRUE(edit->IsFocused());
  EXPECT_TRUE(edit->Closes.empty()) << "the popup's own focus closes nothing";
  other->SetFocus();
  Pump();
  EXPECT_FALSE(IsWindowVisible(edit->Popup->Handle()));
  EXPECT_FALSE(edit->PopupShown());
}

TEST_F(DropDownEditTest, ThePopupOpensBelowOrAboveAndStaysOnTheWorkArea) {
  struct TCase {
    TPoint FormAt;
    TAlignment Alignment;
    bool Above, ShiftedLeft, RightAligned;
  };
  const TCase cases[] = {
      {{100, 100}, taLeftJustify, false, false, false},
      {{100, 600}, taLeftJustify, true, false, false},
      {{960, 100}, taLeftJustify, false, true, false},
      {{100, 100}, taRightJustify, false, false, true},
  };
  for (const TCase& c : cases) {
    Form->SetBounds(c.FormAt.X, c.FormAt.Y, 300, 240);
    TTestDropDownEdit* edit = StandAlone({10, 150, 60, 174});
    edit->SetPopupAlignment(c.Alignment);
    edit->DropDown();
    TRect popup, window;
    GetWindowRect(edit->Popup->Handle(), popup);
    GetWindowRect(edit->Handle(), window);
    const TRect client{edit->ClientOrigin().X, edit->ClientOrigin().Y, edit->ClientOrigin().X + edit->ClientWidth(), 0};
    EXPECT_EQ(popup.Bottom <= window.Top + 2, c.Above) << c.FormAt.Y;
    EXPECT_EQ(popup.Top >= window.Bottom - 2, !c.Above) << c.FormAt.Y;
    EXPECT_LE(popup.Right, 1024);
    if (c.ShiftedLeft) {
      EXPECT_EQ(popup.Right, 1024);
    } else if (c.RightAligned) {
      EXPECT_EQ(popup.Right, client.Right) << "the edit area's right edge";
    } else {
      EXPECT_EQ(popup.Left, client.Left);
    }
    edit->Free();
  }
}

TEST_F(DropDownEditTest, TheWheelScrollsTheOpenPopupOrStepsThroughItems) {
  TTestDropDownEdit* edit = StandAlone();
  Wheel(edit, {5, 5}, -120);
  Wheel(edit, {5, 5}, 120);
  Pump();
  EXPECT_EQ(edit->Scrolls, (std::vector<int>{1, -1}));
  edit->DropDown();
  Wheel(edit, {5, 5}, -120);
  Pump();
  EXPECT_EQ(edit->Popup->Messages, std::vector<UINT>{WM_VSCROLL});
  EXPECT_EQ(edit->Popup->Params, std::vector<WPARAM>{SB_LINEDOWN});
}

TEST_F(DropDownEditTest, ButtonWidthsFollowTheStyleAndTheGlyph) {
  TBitmap glyph(10, 8);
  struct TCase {
    TdxEditButtonViewStyle Style;
    bool Glyph;
    int Width;
  };
  const int arrow = GetSystemMetrics(SM_CXVSCROLL);
  const TCase cases[] = {{bts3D, false, arrow},  {btsFlat, false, arrow - 1}, {btsSimple, false, arrow - 1},
                         {btsHotFlat, false, arrow}, {bts3D, true, 14},     {btsFlat, true, 13},
                         {btsSimple, true, 13},  {btsHotFlat, true, 12}};
  for (const TCase& c : cases) {
    TdxDropDownEditViewData vd;
    vd.ButtonStyle = c.Style;
    vd.Glyph = c.Glyph ? &glyph : nullptr;
    static_cast<const TdxDropDownEditClass&>(DropDownEditClass()).CalcButtonsViewInfo(vd);
    ASSERT_EQ(vd.Buttons.size(), 1u);
    EXPECT_EQ(vd.Buttons[0].Kind, c.Glyph ? ebkGlyph : ebkDropDown);
    EXPECT_EQ(vd.Buttons[0].Width, c.Width) << EditButtonViewStyleNames[c.Style] << c.Glyph;
  }
  TdxDropDownEditViewData hidden;
  hidden.ButtonsHidden = true;
  static_cast<const TdxDropDownEditClass&>(DropDownEditClass()).CalcButtonsViewInfo(hidden);
  EXPECT_TRUE(hidden.Buttons.empty());
}

TEST_F(DropDownEditTest, TheGlyphIsCentredAndMovesWhenPressed) {
  const TColor text = static_cast<TColor>(GetSysColor(COLOR_BTNTEXT));
  for (TdxEditButtonViewStyle style : {bts3D, btsFlat, btsSimple}) {
    const TRect arrow = PixelsOf(*PaintButton(style, false), text), pressed = PixelsOf(*PaintButton(style, true), text);
    EXPECT_EQ(arrow.Width() % 2, 1) << EditButtonViewStyleNames[style];
    EXPECT_NEAR(arrow.Left + arrow.Right, 16, 1) << EditButtonViewStyleNames[style];
    EXPECT_NEAR(arrow.Top + arrow.Bottom, 20, 1) << EditButtonViewStyleNames[style];
    EXPECT_EQ(pressed.TopLeft(), (TPoint{arrow.Left + 1, arrow.Top + 1})) << EditButtonViewStyleNames[style];
  }
  // The hot-flat button turns dark when pressed, its glyph light and in place.
  const TRect hotFlat = PixelsOf(*PaintButton(btsHotFlat, false), text);
  EXPECT_EQ(PixelsOf(*PaintButton(btsHotFlat, true), static_cast<TColor>(GetSysColor(COLOR_WINDOW))), hotFlat);

  TBitmap glyph(6, 4);
  FillRect(glyph.Canvas()->Handle(), {0, 0, 6, 4}, CreateSolidBrush(clRed));
  glyph.SetTransparentColor(clBlue);
  TBitmap button(16, 20);
  TdxDropDownEditViewData vd;
  vd.Glyph = &glyph;
  vd.Brush = CreateSolidBrush(clWindow);
  vd.Buttons.push_back({16, false, ebkGlyph, {0, 0, 16, 20}});
  TdxDropDownEditClass::DrawButton(button.Canvas()->Handle(), vd, 0);
  EXPECT_EQ(PixelsOf(button, clRed), (TRect{5, 8, 11, 12})) << "the glyph bitmap centred";

  const TRect ellipsis = PixelsOf(*PaintButton(bts3D, false, ebkEllipsis), text);
  EXPECT_EQ(ellipsis.Width(), 10) << "three dots of two pixels, a dot apart";
  EXPECT_EQ(ellipsis.Height(), 2);

  std::unique_ptr<TBitmap> disabled = PaintButton(bts3D, false, ebkDropDown, false);
  const TRect shadow = PixelsOf(*disabled, static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(shadow.Width() % 2, 1);
  EXPECT_EQ(PixelsOf(*disabled, text).Right, -1) << "no glyph in the text colour";
}

TEST_F(DropDownEditTest, ThePopupBorderFollowsTheEditorTheStyleOrTheHost) {
  TTestDropDownEdit* edit = StandAlone();
  struct TCase {
    TdxEditBorderStyle Border;
    TdxPopupBorder Popup;
  };
  const TCase cases[] = {{xbsFlat, pbFlat}, {xbsSingle, pbSingle}, {xbs3D, pbSingle}, {xbsNone, pbFrame3D}, {xbsThick, pbFrame3D}};
  for (const TCase& c : cases) {
    edit->Style()->SetBorderStyle(c.Border);
    EXPECT_EQ(edit->GetPopupBorderStyle(), c.Popup) << EditBorderStyleNames[c.Border];
  }
  edit->SetPopupBorder(pbFlat);
  edit->Style()->SetBorderStyle(xbs3D);
  EXPECT_EQ(edit->GetPopupBorderStyle(), pbFlat);

  auto* hosted = new TTestDropDownEdit(Host, DropDownEditClass());
  Host->PopupBorderAnswer = pbSingle;
  EXPECT_EQ(hosted->GetPopupBorderStyle(), pbSingle);
}

}  // namespace
