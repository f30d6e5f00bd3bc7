// The mask editor: values through the mask (literals matched, kept or left out), typing over the
// masked caret (literals skipped, separators jumped to, refused keys), Backspace and Delete,
// paste, validation with its error and with the host posting, and the editor without a mask.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "editors/dxMaskEdit.h"
#include "rtl/MaskText.h"
#include "windows/Clipboard.h"
#include "windows/MessageQueue.h"

namespace {

class MaskEditTest : public TEditorsTest {
 protected:
  // A masked editor shown in place over a cell with Value.
  TdxInplaceMaskEdit* StartMasked(const String& Mask, const Variant& Value = Variant(String())) {
    Host->EditorClass = &MaskEditClass();
    Host->CanModifyAnswer = true;
    Host->ValidCharAnswer = true;
    auto* edit = static_cast<TdxInplaceMaskEdit*>(MaskEditClass().CreateEditor(Host));
    Host->Editor = edit;
    edit->SetEditMask(Mask);
    Host->StartEdit({20, 20, 160, 40}, Value);
    Pump();
    return edit;
  }
  TdxInplaceMaskEdit* StandAlone(const String& Mask) {
    auto* edit = new TdxInplaceMaskEdit(Form, MaskEditClass(false));
    edit->SetParent(Form);
    edit->SetBounds(10, 150, 150, 24);
    edit->SetEditMask(Mask);
    Pump();
    edit->SetFocus();
    Pump();
    return edit;
  }
};

TEST_F(MaskEditTest, AValueWithLiteralsIsMatchedToTheMasksFields) {
  TdxInplaceMaskEdit* edit = StartMasked("!9999-99-99;1; ");
  edit->SetMaskedText("2003-5-1");
  EXPECT_EQ(edit->GetEditText(), "2003- 5- 1");
  EXPECT_EQ(edit->GetMaskedText(), "2003- 5- 1");
  EXPECT_EQ(edit->MaxChars(), 10);
}

TEST_F(MaskEditTest, TheValueLeavesTheLiteralsOutOrKeepsThemWithBlanksAsSpaces) {
  TdxInplaceMaskEdit* digits = StartMasked("(000) 000-0000;0;_", "0105551234");
  EXPECT_EQ(digits->GetEditText(), "(010) 555-1234");
  EXPECT_EQ(digits->GetMaskedText(), "0105551234");
  EXPECT_EQ(digits->GetEditValue(), Variant("0105551234"));

  digits->SetEditMask("(000) 000-0000;1;_");
  digits->SetMaskedText("(010) 555");
  EXPECT_EQ(digits->GetEditText(), "(010) 555-____");
  EXPECT_EQ(digits->GetMaskedText(), "(010) 555-    ");
}

TEST_F(MaskEditTest, TypingFillsPositionsSkippingLiteralsAndForcingCase) {
  TdxInplaceMaskEdit* date = StartMasked("0000-00-00;1;_");
  Press(VK_HOME);
  Type("20030501");
  EXPECT_EQ(date->GetEditText(), "2003-05-01");
  EXPECT_TRUE(date->GetModified());
  EXPECT_EQ(date->CaretPos(), 10);

  date->SetEditMask(">LL-<ll;1;_");
  date->SetMaskedText("");
  Press(VK_HOME);
  Type("abCD");
  EXPECT_EQ(date->GetEditText(), "AB-cd");
}

TEST_F(MaskEditTest, ATypedSeparatorJumpsToItsLiteralAndARefusedKeyBeeps) {
  TdxInplaceMaskEdit* date = StartMasked("0000-00-00;1;_");
  Press(VK_HOME);
  Type("03-5");
  EXPECT_EQ(date->GetEditText(), "03__-5_-__");
  EXPECT_EQ(Beeps(), 0);
  Type("-1");  // after the month's first digit the next separator is the one ahead
  EXPECT_EQ(date->GetEditText(), "03__-5_-1_");

  date->SetMaskedText("");
  Press(VK_HOME);
  Type("2003-05-01");  // each separator typed where the caret has just passed it
  EXPECT_EQ(date->GetEditText(), "2003-05-01");
  EXPECT_EQ(Beeps(), 0);

  Press(VK_HOME);
  Type("x");
  EXPECT_EQ(Beeps(), 1);
  EXPECT_EQ(date->GetEditText(), "2003-05-01");
}

TEST_F(MaskEditTest, BackspaceAtTheStartDoesNothingAndDeleteKeepsLiterals) {
  TdxInplaceMaskEdit* edit = StartMasked("(000)-00;1;_", "(123)-45");
  Press(VK_HOME);
  ASSERT_EQ(edit->CaretPos(), 0);
  Press(VK_BACK);
  EXPECT_EQ(edit->GetEditText(), "(123)-45");
  Press(VK_DELETE);  // the caret stands on "("
  EXPECT_EQ(edit->GetEditText(), "(123)-45");
  Press(VK_RIGHT);
  Press(VK_RIGHT);
  Press(VK_DELETE);
  EXPECT_EQ(edit->GetEditText(), "(1_3)-45");
  Press(VK_END);
  Press(VK_BACK);
  EXPECT_EQ(edit->GetEditText(), "(1_3)-4_");
  Press(VK_BACK);
  Press(VK_BACK);  // over the literals to the last digit of the first field
  EXPECT_EQ(edit->GetEditText(), "(1__)-__");
}

TEST_F(MaskEditTest, PasteGoesThroughTheMaskAndAnIncompleteValueIsRefused) {
  TdxInplaceMaskEdit* date = StandAlone("0000-00-00;1;_");
  Clipboard().SetAsText("20030501");
  date->SelectRange(0, 10, true);
  Press('V', ssCtrl);
  EXPECT_EQ(date->GetEditText(), "2003-05-01");
  EXPECT_TRUE(MessageBoxes().Shown.empty());

  Clipboard().SetAsText("1999-1");
  date->SelectRange(0, 10, true);
  Press('V', ssCtrl);
  EXPECT_EQ(date->GetEditText(), "1999-1_-__");
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  EXPECT_EQ(MessageBoxes().Shown[0].Text, SMaskEditErr);
  EXPECT_EQ(date->CaretPos(), 6);
  EXPECT_EQ(Beeps(), 1);
}

TEST_F(MaskEditTest, ValidationRaisesAtTheFirstBlankRequiredPositionUnlessTheHostIsPosting) {
  TdxInplaceMaskEdit* date = StartMasked("0000-00-00;1;_", "2003-05-01");
  Press(VK_END);
  Press(VK_BACK);
  ASSERT_EQ(date->GetEditText(), "2003-05-0_");
  try {
    Host->PostEdit();
    FAIL() << "an incomplete date was posted";
  } catch (const EDBEditError& e) {
    EXPECT_EQ(e.Message(), "Invalid input value.  Use escape key to abandon changes");
  }
  EXPECT_EQ(date->CaretPos(), 9);
  EXPECT_EQ(Beeps(), 1);
  EXPECT_TRUE(date->Shown());
  EXPECT_TRUE(Host->Posted.empty());

  date->SetHidingForPost(true);
  EXPECT_NO_THROW(date->ValidateEdit());
  EXPECT_EQ(date->GetEditText(), "2003-05-01") << "undone instead";
  date->SetHidingForPost(false);

  date->SetIgnoreMaskBlank(true);
  Press(VK_END);
  Press(VK_BACK);
  EXPECT_NO_THROW(date->ValidateEdit());
}

TEST_F(MaskEditTest, EnterValidatesAStandAloneEditorAndEscapeUndoes) {
  TdxInplaceMaskEdit* edit = StandAlone("000;1;_");
  edit->SetEditValue("123");
  edit->SetEditing(false);
  edit->SetEditing(true);
  Press(VK_HOME);
  Press(VK_DELETE);
  EXPECT_EQ(edit->GetEditText(), "_23");
  Press(VK_RETURN);
  ASSERT_EQ(MessageBoxes().Shown.size(), 1u);
  Press(VK_ESCAPE);
  EXPECT_EQ(edit->GetEditText(), "123");
  EXPECT_FALSE(edit->GetModified());
}

TEST_F(MaskEditTest, AnUntouchedEditorDisplaysNothingAndChangingTheMaskKeepsTheValue) {
  TdxInplaceMaskEdit* edit = StartMasked("000-000;0;_");
  String display = "x";
  edit->GetDisplayText(display);
  EXPECT_EQ(display, "");
  EXPECT_EQ(edit->GetEditText(), edit->GetEmptyEditText());
  EXPECT_EQ(edit->GetEmptyEditText(), "___-___");

  edit->SetMaskedText("123456");
  edit->SetEditMask("00/00/00;0;*");
  EXPECT_EQ(edit->GetEditText(), "12-34-56");
  edit->GetDisplayText(display);
  EXPECT_EQ(display, "123456");
}

TEST_F(MaskEditTest, WithoutAMaskItIsTheTextEditor) {
  TdxInplaceMaskEdit* edit = StartMasked("", "ab");
  EXPECT_FALSE(edit->IsMasked());
  edit->MoveCaretToEnd();
  Type("cd");
  Press(VK_LEFT);
  Type("x");
  EXPECT_EQ(edit->GetEditText(), "abcxd");
  EXPECT_EQ(edit->GetMaskedText(), "abcxd");
  EXPECT_EQ(edit->GetEmptyEditText(), "abcxd");
  EXPECT_FALSE(edit->UseEditCallback());
  Press(VK_BACK);
  EXPECT_EQ(edit->GetEditText(), "abcd");
}

}  // namespace
