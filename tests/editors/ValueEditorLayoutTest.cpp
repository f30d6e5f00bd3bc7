// Stored layouts of the currency, most-recently-used, button and hyperlink editors: what a layout
// sets is read into the editors and written back, and defaults are not written.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "classes/Filer.h"
#include "editors/dxButtonEdit.h"
#include "editors/dxCurrencyEdit.h"
#include "editors/dxHyperLinkEdit.h"
#include "editors/dxMRUEdit.h"

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

}  // namespace
