// Stored layouts of the spin, time, calculator, graphic and blob editors: what a layout sets is
// read into the editors and written back, and defaults are not written.
#include <gtest/gtest.h>

#include "EditorsTestKit.h"
#include "classes/Filer.h"
#include "editors/dxBlobEdit.h"
#include "editors/dxCalcEdit.h"
#include "editors/dxTimeEdit.h"

namespace {

using PictureEditorLayoutTest = TEditorsTest;

constexpr const char* PictureEditorsLayout =
    "object Form1: TForm\n"
    "  object edtCount: TdxInplaceSpinEdit\n"
    "    EditorEnabled = False\n"
    "    Increment = 0.5\n"
    "    MaxValue = 10\n"
    "    MinValue = 1\n"
    "    ValueType = svtFloat\n"
    "  end\n"
    "  object edtTime: TdxInplaceTimeEdit\n"
    "    TimeEditFormat = tfHourMin\n"
    "    UseCtrlIncrement = True\n"
    "  end\n"
    "  object edtCalc: TdxInplaceCalcEdit\n"
    "    ButtonStyle = bsFlat\n"
    "    Precision = 8\n"
    "    QuickClose = True\n"
    "  end\n"
    "  object edtPhoto: TdxInplaceGraphicEdit\n"
    "    Stretch = True\n"
    "    PopupToolBar.Alignment = ptaRight\n"
    "    PopupToolBar.Buttons = [ptbCopy, ptbSave]\n"
    "    PopupToolBar.IsPopupMenu = False\n"
    "  end\n"
    "  object edtNote: TdxInplaceBlobEdit\n"
    "    BlobKind = bekPict\n"
    "    BlobPaintStyle = bpsText\n"
    "    PopupWidth = 300\n"
    "    MemoWantTabs = False\n"
    "  end\n"
    "end\n";

TEST_F(PictureEditorLayoutTest, WhatALayoutSetsIsReadAndWrittenBack) {
  ReadLayout(PictureEditorsLayout, Form);
  auto* count = Find<TdxInplaceSpinEdit>(Form, "edtCount");
  auto* time = Find<TdxInplaceTimeEdit>(Form, "edtTime");
  auto* calc = Find<TdxInplaceCalcEdit>(Form, "edtCalc");
  auto* photo = Find<TdxInplaceGraphicEdit>(Form, "edtPhoto");
  auto* note = Find<TdxInplaceBlobEdit>(Form, "edtNote");
  ASSERT_TRUE(count && time && calc && photo && note);
  EXPECT_FALSE(count->EditorEnabled());
  EXPECT_EQ(count->Increment(), 0.5);
  EXPECT_EQ(count->MinValue(), 1);
  EXPECT_EQ(count->MaxValue(), 10);
  EXPECT_TRUE(count->IsMinValueStored());
  EXPECT_EQ(count->ValueType(), svtFloat);
  EXPECT_EQ(time->TimeEditFormat(), tfHourMin);
  EXPECT_EQ(time->EditMask(), "00:00;1;0");
  EXPECT_TRUE(time->UseCtrlIncrement());
  EXPECT_EQ(calc->ButtonStyle(), bsFlat);
  EXPECT_EQ(calc->Precision(), 8);
  EXPECT_TRUE(calc->QuickClose());
  EXPECT_TRUE(photo->Stretch());
  EXPECT_EQ(photo->PopupToolBar()->Alignment(), ptaRight);
  EXPECT_EQ(photo->PopupToolBar()->Buttons(), (1u << ptbCopy) | (1u << ptbSave));
  EXPECT_FALSE(photo->ToolBar()->IsPopupMenu()) << "the settings reach the toolbar";
  EXPECT_EQ(note->BlobKind(), bekPict);
  EXPECT_EQ(note->BlobPaintStyle(), bpsText);
  EXPECT_EQ(note->PopupWidth(), 300);
  EXPECT_FALSE(note->MemoWantTabs());

  const String written = WriteLayout(Form);
  for (const char* line : {"EditorEnabled = False", "Increment = 0.5", "MaxValue = 10", "MinValue = 1", "ValueType = svtFloat",
                           "TimeEditFormat = tfHourMin", "ButtonStyle = bsFlat", "Precision = 8", "Stretch = True",
                           "Buttons = [ptbCopy, ptbSave]", "IsPopupMenu = False", "BlobKind = bekPict",
                           "PopupWidth = 300", "MemoWantTabs = False"})
    EXPECT_NE(written.find(line), String::npos) << line;
  for (const char* line : {"Center", "PopupHeight", "SizeablePopup", "BeepOnError"})
    EXPECT_EQ(written.find(line), String::npos) << line;
}

}  // namespace
