// Stored layouts of the pick, image, memo, currency, most-recently-used, button and hyperlink
// editors: what a layout sets is read into the editors and written back, and defaults are not
// written.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "classes/Filer.h"
#include "editors/dxButtonEdit.h"
#include "editors/dxCurrencyEdit.h"
#include "editors/dxHyperLinkEdit.h"
#include "editors/dxImageEdit.h"
#include "editors/dxMRUEdit.h"
#include "editors/dxMemoEdit.h"
#include "editors/dxPickEdit.h"

namespace {

using ValueEditorLayoutTest = TEditorsTest;

constexpr const char* ValueEditorsLayout =
    "object Form1: TForm\n"
    "  object edtAmount: TdxInplaceCurrencyEdit\n"
    "    DisplayFormat = '0.0'\n"
    "    MaxValue = 100\n"
    "    Nullable = True\n"
    "    NullString = '无'\n"
    "  end\n"
    "  object edtRecent: TdxInplaceMRUEdit\n"
    "    MaxItemCount = 3\n"
    "    ShowEllipsis = False\n"
    "  end\n"
    "  object edtButtons: TdxInplaceButtonEdit\n"
    "    Buttons = <\n"
    "      item\n"
    "        Kind = bkDown\n"
    "      end\n"
    "      item\n"
    "        Default = True\n"
    "        LeftAlignment = True\n"
    "        Width = 30\n"
    "      end>\n"
    "    ClickKey = 113\n"
    "    ViewStyle = 2\n"
    "    ExistButtons = True\n"
    "  end\n"
    "  object edtLink: TdxInplaceHyperLinkEdit\n"
    "    LinkColor = clRed\n"
    "    SingleClick = True\n"
    "    Style.BorderColor = clRed\n"
    "  end\n"
    "end\n";

TEST_F(ValueEditorLayoutTest, WhatALayoutSetsIsReadAndWrittenBack) {
  ReadLayout(ValueEditorsLayout, Form);
  auto* amount = Find<TdxInplaceCurrencyEdit>(Form, "edtAmount");
  auto* recent = Find<TdxInplaceMRUEdit>(Form, "edtRecent");
  auto* buttons = Find<TdxInplaceButtonEdit>(Form, "edtButtons");
  auto* link = Find<TdxInplaceHyperLinkEdit>(Form, "edtLink");
  ASSERT_TRUE(amount && recent && buttons && link);
  EXPECT_EQ(amount->DisplayFormat(), "0.0");
  EXPECT_TRUE(amount->IsDisplayFormatStored());
  EXPECT_EQ(amount->MaxValue(), 100);
  EXPECT_FALSE(amount->IsMinValueStored());
  EXPECT_TRUE(amount->Nullable());
  EXPECT_EQ(recent->MaxItemCount(), 3);
  EXPECT_FALSE(recent->ShowEllipsis());
  ASSERT_EQ(buttons->Buttons()->Count(), 2);
  EXPECT_EQ(buttons->Buttons()->Items(0)->Kind(), bkDown);
  EXPECT_TRUE(buttons->Buttons()->Items(1)->Default());
  EXPECT_FALSE(buttons->Buttons()->Items(0)->Default());
  EXPECT_EQ(buttons->ClickKey(), 113);
  EXPECT_EQ(buttons->ViewStyle(), bvsButtonsOnly);
  EXPECT_EQ(link->LinkColor(), clRed);
  EXPECT_TRUE(link->SingleClick());
  EXPECT_EQ(link->Style()->BorderColor(), clRed) << "colours are read by their names";

  const String written = WriteLayout(Form);
  for (const char* line : {"DisplayFormat = '0.0'", "MaxValue = 100", "NullString = '无'", "MaxItemCount = 3",
                           "ShowEllipsis = False", "Kind = bkDown", "Width = 30", "ClickKey = 113", "ViewStyle = 2",
                           "ExistButtons = True", "LinkColor = clRed", "SingleClick = True",
                           "BorderColor = clRed"})
    EXPECT_NE(written.find(line), String::npos) << line;
  for (const char* line : {"MinValue", "DecimalPlaces", "UseThousandSeparator", "StartKey", "AutoSelect",
                           "ImmediateDropDown", "Kind = bkEllipsis"})
    EXPECT_EQ(written.find(line), String::npos) << line;
}

constexpr const char* ListEditorsLayout =
    "object Form1: TForm\n"
    "  object edtSex: TdxInplacePickEdit\n"
    "    DropDownListStyle = True\n"
    "    Items = (\n"
    "      '男'\n"
    "      '女')\n"
    "    Revertable = True\n"
    "  end\n"
    "  object edtGrade: TdxInplaceImageEdit\n"
    "    Descriptions = (\n"
    "      '不及格'\n"
    "      '及格')\n"
    "    Incremental = True\n"
    "    ShowDescription = False\n"
    "    Values = (\n"
    "      '0'\n"
    "      '1')\n"
    "  end\n"
    "  object edtNote: TdxInplaceMemoEdit\n"
    "    Lines = (\n"
    "      '第一行'\n"
    "      ''\n"
    "      '第三行')\n"
    "    ScrollBars = ssVertical\n"
    "    WantReturns = False\n"
    "  end\n"
    "end\n";

TEST_F(ValueEditorLayoutTest, ListsAndLinesOfALayoutAreReadAndWrittenBack) {
  ReadLayout(ListEditorsLayout, Form);
  auto* sex = Find<TdxInplacePickEdit>(Form, "edtSex");
  auto* grade = Find<TdxInplaceImageEdit>(Form, "edtGrade");
  auto* note = Find<TdxInplaceMemoEdit>(Form, "edtNote");
  ASSERT_TRUE(sex && grade && note);
  EXPECT_EQ(sex->Items()->CommaText(), "男,女");
  EXPECT_TRUE(sex->DropDownListStyle());
  EXPECT_TRUE(sex->Revertable());
  EXPECT_EQ(grade->Values()->CommaText(), "0,1");
  EXPECT_EQ(grade->Descriptions()->CommaText(), "不及格,及格");
  EXPECT_TRUE(grade->Incremental());
  EXPECT_FALSE(grade->ShowDescription());
  EXPECT_EQ(note->Lines()->Count(), 3);
  EXPECT_EQ(note->Text(), "第一行\n\n第三行") << "an empty line inside the text is kept";
  EXPECT_EQ(note->ScrollBars(), ssVertical);
  EXPECT_FALSE(note->WantReturns());

  const String written = WriteLayout(Form);
  for (const char* line : {"DropDownListStyle = True", "Revertable = True", "Incremental = True",
                           "ShowDescription = False", "ScrollBars = ssVertical", "WantReturns = False"})
    EXPECT_NE(written.find(line), String::npos) << line;
  for (const char* line : {"Sorted", "CanDeleteText", "DefaultImages", "MultiLineText", "WordWrap", "WantTabs",
                           "HideScrollBars", "ImageIndexes", "Caption"})
    EXPECT_EQ(written.find(line), String::npos) << line;
  auto* again = TCustomForm::Create<TForm>(Application);
  ReadLayout(written, again);
  note = Find<TdxInplaceMemoEdit>(again, "edtNote");
  ASSERT_TRUE(note);
  EXPECT_EQ(note->Text(), "第一行\n\n第三行") << "the written lines read back as they were";
  const auto components = [](const String& Layout) { return Layout.substr(Layout.find("  object ")); };
  EXPECT_EQ(components(WriteLayout(again)), components(written));
  again->Free();
}

}  // namespace
