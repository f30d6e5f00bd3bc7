// The text editor: the forced case, setting a value, the password character, the limit, the
// offsets, the context menu (its items, its place, a parent's menu, the right button), window-less
// painting and measuring.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "controls/Menus.h"
#include "editors/dxTextEdit.h"
#include "graphics/Metafile.h"
#include "windows/Clipboard.h"
#include "windows/MessageQueue.h"
#include "windows/Window.h"

namespace {

// A text editor whose right-button release opens its menu.
class TCallbackTextEdit : public TdxInplaceTextEdit {
 public:
  using TdxInplaceTextEdit::TdxInplaceTextEdit;
  bool UseEditCallback() override { return true; }
};

// A text editor that shows its text box's formatting rectangle.
class TTextRectEdit : public TdxInplaceTextEdit {
 public:
  using TdxInplaceTextEdit::TdxInplaceTextEdit;
  TRect TextRect() const { return TextBox().Rect(); }
};

class TextEditTest : public TEditorsTest {
 protected:
  TdxInplaceTextEdit* StartEdit(const Variant& Value = Variant("abc")) {
    Host->EditorClass = &TextEditClass();
    Host->CanModifyAnswer = true;
    Host->ValidCharAnswer = true;
    Host->StartEdit({20, 20, 120, 40}, Value);
    Pump();
    return static_cast<TdxInplaceTextEdit*>(Host->Editor);
  }
  template <class T = TdxInplaceTextEdit>
  T* StandAlone(const String& Text) {
    auto* edit = new T(Form, TextEditClass(false));
    edit->SetParent(Form);
    edit->SetBounds(10, 150, 150, 24);
    edit->SetText(Text);
    Pump();
    return edit;
  }
  // The shown menu's window and its items' enabled states, read inside its loop, which Escape ends.
  struct TShownMenu {
    bool Shown = false;
    TRect Window;
    std::vector<bool> Enabled;
  };
  void ExpectMenu(TdxInplaceTextEdit* Edit, TShownMenu& Menu) {
    TestClock().OnWait([this, Edit, &Menu] {
      Menu.Shown = true;
      GetWindowRect(GetTopLevelWindows().front(), Menu.Window);
      if (TPopupMenu* own = Edit->EditPopupMenu())
        for (int i = 0; i < own->Items()->Count(); ++i) Menu.Enabled.push_back(own->Items()->Items(i)->Enabled());
      PressKey(VK_ESCAPE);
    });
  }
  // Undo, Redo, -, Cut, Copy, Paste, Delete, -, Select All
  static std::vector<bool> Items(bool Undo, bool Redo, bool Cut, bool Copy, bool Paste, bool Delete, bool All) {
    return {Undo, Redo, true, Cut, Copy, Paste, Delete, true, All};
  }
};

TEST_F(TextEditTest, UpperCaseRewritesTheTextKeepingSelectionAndModifiedAndTypedLettersFollow) {
  TdxInplaceTextEdit* edit = StartEdit("abc");
  edit->SetSelStart(1);
  edit->SetSelLength(1);
  ASSERT_FALSE(edit->GetModified());
  edit->SetCharCase(ecUpperCase);
  EXPECT_EQ(edit->Text(), "ABC");
  EXPECT_EQ(edit->GetSelStart(), 1);
  EXPECT_EQ(edit->GetSelLength(), 1);
  EXPECT_FALSE(edit->GetModified());
  TypeText("x");
  Pump();
  EXPECT_EQ(edit->Text(), "AXC");
  EXPECT_TRUE(edit->GetModified());
}

TEST_F(TextEditTest, TypingUndoneFromTheMenuCanBeRedoneFromIt) {
  TdxInplaceTextEdit* edit = StartEdit("abc");
  edit->MoveCaretToEnd();
  TypeText("d");
  Pump();
  EXPECT_FALSE(edit->EditCanRedo());
  edit->EditUndo();
  EXPECT_EQ(edit->Text(), "abc");
  ASSERT_TRUE(edit->EditCanRedo());
  TShownMenu menu;
  ExpectMenu(edit, menu);
  SendMessage(edit->Handle(), WM_CONTEXTMENU, edit->Handle().AsWParam(), MAKELPARAM(-1, -1));
  ASSERT_TRUE(menu.Shown);
  ASSERT_EQ(menu.Enabled.size(), 9u);
  EXPECT_TRUE(menu.Enabled[1]);  // Redo
  edit->EditRedo();
  EXPECT_EQ(edit->Text(), "abcd");
}

TEST_F(TextEditTest, SettingTheValueFiresNoChangeAndLeavesNothingToUndo) {
  TdxInplaceTextEdit* edit = StartEdit("abc");
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->MoveCaretToEnd();
  TypeText("d");
  Pump();
  EXPECT_EQ(changes, 1);
  ASSERT_TRUE(edit->EditCanUndo());
  edit->SetEditValue("新的值");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(edit->Text(), "新的值");
  EXPECT_FALSE(edit->EditCanUndo());

  TShownMenu menu;
  ExpectMenu(edit, menu);
  edit->SelectAllOnShow();
  SendMessage(edit->Handle(), WM_CONTEXTMENU, edit->Handle().AsWParam(), MAKELPARAM(-1, -1));
  ASSERT_TRUE(menu.Shown);
  EXPECT_EQ(menu.Enabled, Items(false, false, true, true, false, true, false));
}

TEST_F(TextEditTest, APasswordHidesCellsAndKeepsTheTextOffTheClipboard) {
  auto vd = TextEditClass().CreateViewDataObject();
  auto& text = static_cast<TdxTextEditViewData&>(*vd);
  text.PasswordChar = U'*';
  text.Value = "123456";
  text.Bounds = {0, 0, 100, 20};
  text.Font = Form->Font()->Handle();
  text.Brush = CreateSolidBrush(clWindow);
  TMetafile metafile;
  {
    TMetafileCanvas canvas(&metafile, 100, 20);
    TextEditClass().GetEditClipRegion(&canvas, text.Bounds, nullptr, *vd);
  }
  ASSERT_EQ(metafile.TextRuns().size(), 1u);
  EXPECT_EQ(metafile.TextRuns()[0].Text, "******");

  TdxInplaceTextEdit* edit = StartEdit("secret");
  edit->SetPasswordChar(U'*');
  edit->SelectAllOnShow();
  TShownMenu menu;
  ExpectMenu(edit, menu);
  SendMessage(edit->Handle(), WM_CONTEXTMENU, edit->Handle().AsWParam(), MAKELPARAM(-1, -1));
  EXPECT_EQ(menu.Enabled, Items(false, false, false, false, false, true, false));
}

TEST_F(TextEditTest, ANegativeLimitMeansNoLimitAndTheLimitHoldsTypedText) {
  TdxInplaceTextEdit* edit = StartEdit("");
  edit->SetMaxLength(-5);
  EXPECT_EQ(edit->MaxLength(), 0);
  EXPECT_TRUE(edit->IsMaxLengthStored());
  edit->SetMaxLength(2);
  TypeText("abc");
  Pump();
  EXPECT_EQ(edit->Text(), "ab");
  edit->RestoreDefaults();
  EXPECT_EQ(edit->MaxLength(), 0);
  EXPECT_FALSE(edit->IsMaxLengthStored());
}

TEST_F(TextEditTest, TheMenuIsMadeOnceAndOpensAtTheCaretFromTheKeyboardOrAtThePoint) {
  TdxInplaceTextEdit* edit = StartEdit("abc");
  ClipboardService().SetText("粘贴");
  edit->SetSelStart(3);
  TShownMenu first;
  ExpectMenu(edit, first);
  SendMessage(edit->Handle(), WM_CONTEXTMENU, edit->Handle().AsWParam(), MAKELPARAM(-1, -1));
  ASSERT_TRUE(first.Shown);
  TPopupMenu* menu = edit->EditPopupMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(first.Enabled, Items(false, false, false, false, true, false, true));
  const TPoint caret = edit->ClientToScreen(TPoint{0, 0});
  EXPECT_GT(first.Window.Left, caret.X + 10) << "placed at the caret after the text";
  EXPECT_LE(first.Window.Top, caret.Y + edit->Height());

  const TPoint click = edit->ClientToScreen(TPoint{5, 5});
  TShownMenu second;
  ExpectMenu(edit, second);
  SendMessage(edit->Handle(), WM_CONTEXTMENU, edit->Handle().AsWParam(), PointToLParam(click));
  EXPECT_EQ(second.Window.TopLeft(), click);
  EXPECT_EQ(edit->EditPopupMenu(), menu);

  TShownMenu outside;
  SendMessage(edit->Handle(), WM_CONTEXTMENU, edit->Handle().AsWParam(), PointToLParam({0, 0}));
  EXPECT_FALSE(outside.Shown);
}

TEST_F(TextEditTest, TheMenuItemsWorkOnTheText) {
  TdxInplaceTextEdit* edit = StartEdit("abc");
  edit->SelectAllOnShow();
  TestClock().OnWait([&] { PressKey('T'); });  // Cu&t
  SendMessage(edit->Handle(), WM_CONTEXTMENU, edit->Handle().AsWParam(), MAKELPARAM(-1, -1));
  Pump();
  EXPECT_EQ(edit->Text(), "");
  EXPECT_EQ(ClipboardService().Text(), "abc");
  EXPECT_TRUE(edit->EditCanUndo());
}

TEST_F(TextEditTest, AParentsPopupMenuShowsInsteadOfTheEditorsOwn) {
  auto* formMenu = new TPopupMenu(Form);
  auto* item = new TMenuItem(Form);
  item->SetCaption("刷新");
  formMenu->Items()->Add(item);
  Form->SetPopupMenu(formMenu);
  TdxInplaceTextEdit* edit = StartEdit("abc");
  TShownMenu menu;
  ExpectMenu(edit, menu);
  SendMessage(edit->Handle(), WM_CONTEXTMENU, edit->Handle().AsWParam(), MAKELPARAM(-1, -1));
  EXPECT_TRUE(menu.Shown);
  EXPECT_EQ(formMenu->PopupComponent(), Form);
  EXPECT_EQ(edit->EditPopupMenu(), nullptr);
}

TEST_F(TextEditTest, TheRightButtonOpensTheOwnMenuOnlyWithTheEditCallback) {
  auto* plain = StandAlone("plain");
  int ups = 0;
  plain->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++ups; };
  Click(plain, {10, 8}, VK_RBUTTON);
  Pump();  // no menu: its loop would wait for keys that never come
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(plain->EditPopupMenu(), nullptr);

  auto* callback = StandAlone<TCallbackTextEdit>("callback");
  TShownMenu menu;
  ExpectMenu(callback, menu);
  Click(callback, {10, 8}, VK_RBUTTON);
  Pump();
  ASSERT_TRUE(menu.Shown);
  EXPECT_EQ(menu.Window.TopLeft(), callback->ClientToScreen(TPoint{10, 8}));
}

TEST_F(TextEditTest, MeasuringAWrappedValueCountsItsLines) {
  auto vd = TextEditClass().CreateViewDataObject();
  vd->Value = "第一行\r\n第二行\r\n第三行";
  vd->VertAlignment = 3;
  vd->CalcOnly = true;
  vd->Font = Form->Font()->Handle();
  vd->Brush = CreateSolidBrush(clWindow);
  TextEditClass().Draw(&ScreenCanvas(), {0, 0, 200, 20}, *vd, false);
  EXPECT_GT(vd->LineHeight, 0);
  EXPECT_EQ(vd->LineCount, 3);
  EXPECT_EQ(vd->TextHeight, 3 * vd->LineHeight);
}

TEST_F(TextEditTest, TheModifiedStateAndTheTextOutliveANewWindow) {
  TdxInplaceTextEdit* edit = StandAlone("abc");
  edit->SetModified(true);
  const HWND before = edit->Handle();
  edit->SetHideSelection(false);
  Pump();
  EXPECT_NE(edit->Handle(), before);
  EXPECT_TRUE(edit->GetModified());
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_EQ(NativeEditorOf(edit->Handle()).Text, "abc");
  EXPECT_TRUE(GetWindowLong(edit->Handle(), GWL_STYLE) & ES_NOHIDESEL);
}

// The host gives its editor offsets for the cell; new ones make the window again with the text
// box's rectangle moved in by them (all but the bottom one), the same ones leave the window alone.
TEST_F(TextEditTest, NewOffsetsMakeTheWindowAgainWithTheTextRectangleMovedInByThem) {
  auto* edit = StandAlone<TTextRectEdit>("abc");
  const HWND before = edit->Handle();
  const TRect rect = edit->TextRect();
  edit->SetEditOffsets({});
  EXPECT_EQ(edit->Handle(), before);
  edit->SetEditOffsets({6, 2, 3, 4});
  Pump();
  EXPECT_NE(edit->Handle(), before);
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_EQ(edit->TextRect(), TRect(rect.Left + 6, rect.Top + 2, rect.Right - 3, rect.Bottom));
}

TEST_F(TextEditTest, SelectionChangesAreTold) {
  TdxInplaceTextEdit* edit = StartEdit("abcdef");
  int told = 0;
  edit->OnSelectionChange = [&](TObject*) { ++told; };
  edit->SetSelStart(2);
  edit->SetSelLength(3);
  EXPECT_GE(told, 2);
  String buffer;
  EXPECT_EQ(edit->GetSelTextBuf(buffer, 2), 2);
  EXPECT_EQ(buffer, "cd");
}

}  // namespace
