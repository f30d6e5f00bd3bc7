// Editors, styles and controllers in stored layouts: what is written, and what reading restores.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "classes/Filer.h"
#include "editors/dxCheckEdit.h"
#include "editors/dxDropDownEdit.h"

namespace {

using EditorLayoutTest = TEditorsTest;

bool Has(const String& Text, const String& Line) { return Text.find(Line) != String::npos; }

// The lines of one component's block.
String BlockOf(const String& Text, const String& Name) {
  const size_t start = Text.find("object " + Name);
  return start == String::npos ? String() : Text.substr(start, Text.find("\n  end", start) - start);
}

TEST_F(EditorLayoutTest, ExplicitlyAssignedDefaultsAreStoredWithTheirBits) {
  auto* edit = new TdxInplaceEdit(Form, StandAloneTestEditClass());
  edit->SetName("edtDate");
  edit->SetParent(Form);
  String text = BlockOf(WriteLayout(Form), "edtDate");
  ASSERT_FALSE(text.empty());
  EXPECT_FALSE(Has(text, "StoredValues"));
  EXPECT_FALSE(Has(text, "Alignment"));
  EXPECT_FALSE(Has(text, "ReadOnly"));
  EXPECT_FALSE(Has(text, "Height")) << "auto-sized";

  edit->SetAlignment(taLeftJustify);
  edit->SetReadOnly(false);
  edit->SetAutoSize(false);
  edit->Style()->SetBorderStyle(xbsFlat);
  text = BlockOf(WriteLayout(Form), "edtDate");
  EXPECT_TRUE(Has(text, "StoredValues = 65"));
  EXPECT_TRUE(Has(text, "Alignment = taLeftJustify"));
  EXPECT_TRUE(Has(text, "ReadOnly = False"));
  EXPECT_TRUE(Has(text, "Height = "));
  EXPECT_TRUE(Has(text, "Style.BorderStyle = xbsFlat"));
  EXPECT_FALSE(Has(text, "Style.Shadow"));
  EXPECT_FALSE(Has(text, "AssignedValues"));

  edit->RestoreDefaults();
  EXPECT_EQ(edit->StoredValues(), 0u);
  EXPECT_FALSE(Has(BlockOf(WriteLayout(Form), "edtDate"), "StoredValues"));
}

TEST_F(EditorLayoutTest, ALayoutRestoresEditorsTheirStylesAndTheirController) {
  const String text =
      "object Form1: TForm\n"
      "  object ctlStyle: TdxEditStyleController\n"
      "    BorderStyle = xbsSingle\n"
      "    Shadow = True\n"
      "  end\n"
      "  object edtValue: TdxInplaceEdit\n"
      "    Left = 10\n"
      "    Top = 10\n"
      "    Width = 100\n"
      "    StyleController = ctlStyle\n"
      "    Style.HotTrack = True\n"
      "    ReadOnly = True\n"
      "    StoredValues = 64\n"
      "  end\n"
      "end\n";
  ReadLayout(text, Form);
  auto* controller = dynamic_cast<TdxEditStyleController*>(Form->FindComponent("ctlStyle"));
  auto* edit = dynamic_cast<TdxInplaceEdit*>(Form->FindComponent("edtValue"));
  ASSERT_TRUE(controller && edit);
  EXPECT_EQ(edit->StyleController(), controller);
  EXPECT_EQ(edit->Style()->BorderStyle(), xbsSingle);
  EXPECT_TRUE(edit->Style()->Shadow());
  EXPECT_TRUE(edit->Style()->HotTrack());
  EXPECT_EQ(edit->Style()->AssignedValues(), StyleValueBit(svHotTrack));
  EXPECT_TRUE(edit->ReadOnly());
  EXPECT_EQ(edit->StoredValues(), svReadOnly);
  EXPECT_EQ(controller->ListenerCount(), 1);
}

TEST_F(EditorLayoutTest, TextMaskDropDownAndCheckEditorsKeepTheirPropertiesInALayout) {
  const String text =
      "object Form1: TForm\n"
      "  object edtName: TdxInplaceTextEdit\n"
      "    CharCase = ecUpperCase\n"
      "    MaxLength = 8\n"
      "    PasswordChar = '*'\n"
      "  end\n"
      "  object edtPhone: TdxInplaceMaskEdit\n"
      "    EditMask = '(000) 000-0000;0;_'\n"
      "  end\n"
      "  object edtPick: TdxInplaceDropDownEdit\n"
      "    DropDownRows = 12\n"
      "    PopupAlignment = taRightJustify\n"
      "    PopupBorder = pbFlat\n"
      "  end\n"
      "  object chkTested: TdxInplaceCheckEdit\n"
      "    AllowGrayed = True\n"
      "    ShowNullFieldStyle = nsInactive\n"
      "    State = 2\n"
      "  end\n"
      "end\n";
  ReadLayout(text, Form);
  auto* name = dynamic_cast<TdxInplaceTextEdit*>(Form->FindComponent("edtName"));
  auto* phone = dynamic_cast<TdxInplaceMaskEdit*>(Form->FindComponent("edtPhone"));
  auto* pick = dynamic_cast<TdxInplaceDropDownEdit*>(Form->FindComponent("edtPick"));
  auto* tested = dynamic_cast<TdxInplaceCheckEdit*>(Form->FindComponent("chkTested"));
  ASSERT_TRUE(name && phone && pick && tested);
  EXPECT_EQ(name->CharCase(), ecUpperCase);
  EXPECT_EQ(name->MaxLength(), 8);
  EXPECT_EQ(name->PasswordChar(), U'*');
  EXPECT_EQ(phone->GetEmptyEditText(), "(___) ___-____");
  EXPECT_EQ(phone->StoredValues(), svEditMask);
  EXPECT_EQ(pick->DropDownRows(), 12);
  EXPECT_EQ(pick->PopupBorder(), pbFlat);
  EXPECT_TRUE(tested->AllowGrayed());
  EXPECT_EQ(tested->State(), 2);

  const String written = WriteLayout(Form);
  EXPECT_TRUE(Has(BlockOf(written, "edtName"), "MaxLength = 8"));
  EXPECT_TRUE(Has(BlockOf(written, "edtName"), "PasswordChar = '*'"));
  EXPECT_TRUE(Has(BlockOf(written, "edtPhone"), "EditMask = '(000) 000-0000;0;_'"));
  EXPECT_TRUE(Has(BlockOf(written, "edtPick"), "PopupAlignment = taRightJustify"));
  EXPECT_FALSE(Has(BlockOf(written, "edtPick"), "ButtonGlyph"));
  EXPECT_TRUE(Has(BlockOf(written, "chkTested"), "ShowNullFieldStyle = nsInactive"));
  EXPECT_FALSE(Has(BlockOf(written, "chkTested"), "GlyphCount"));
}

}  // namespace
