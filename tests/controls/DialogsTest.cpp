// Dialogs: the message dialog and the input box as forms driven by keys, the routes of the
// message-box flags and of errors into the dialog service, file filters, the file, print,
// printer-setup, font and colour dialogs over a scripted service, and the locale of what Qt
// formats in them.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QThread>
#include <QTimer>
#include <QTreeView>

#include <fstream>

#include "ControlsTestKit.h"
#include "controls/Button.h"
#include "controls/Dialogs.h"
#include "controls/Edit.h"
#include "controls/GuiProgram.h"
#include "printing/Printers.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace {

using Dialogs = TGuiTest;

// The captions of the buttons of the form shown now, left to right.
std::vector<String> ButtonCaptions(TCustomForm* Form) {
  std::vector<std::pair<int, String>> buttons;
  for (int i = 0; i < Form->ControlCount(); ++i)
    if (auto* b = dynamic_cast<TButton*>(Form->Controls(i))) buttons.emplace_back(b->Left(), b->Caption());
  std::sort(buttons.begin(), buttons.end());
  std::vector<String> captions;
  for (const auto& [left, caption] : buttons) captions.push_back(caption);
  return captions;
}

TEST_F(Dialogs, TheMessageDialogShowsChineseButtonsAndEscapeAnswersCancel) {
  std::vector<String> captions;
  String caption;
  TestClock().OnWait([&] {
    TCustomForm* form = Screen->ActiveForm();
    ASSERT_NE(form, nullptr);
    captions = ButtonCaptions(form);
    caption = form->Caption();
    RenderWindowToPng(form->Handle(), "MessageDialog.png");
    PressKey(VK_ESCAPE);
  });
  const TModalResult result =
      MessageDlg("学生[张三]的成绩已经录入，是否覆盖原有成绩？", "信息提示", mtConfirmation, mbYesNoCancel);
  EXPECT_EQ(result, mrCancel);
  EXPECT_EQ(captions, (std::vector<String>{"是", "否", "取消"}));
  EXPECT_EQ(caption, "信息提示");
}

TEST_F(Dialogs, EnterPressesTheDefaultButtonAndTabMovesToTheNext) {
  struct TCase {
    TMsgDlgButtons Buttons;
    int Default;
    std::vector<int> Keys;
    TModalResult Expected;
  };
  const TCase cases[] = {
      {mbYesNo, -1, {VK_RETURN}, mrYes},
      {mbYesNo, mbNo, {VK_RETURN}, mrNo},
      {mbOKCancel, -1, {VK_TAB, VK_RETURN}, mrCancel},
      {mbAbortRetryIgnore, -1, {VK_ESCAPE}, mrCancel},  // no cancel button: Escape still cancels
      {mbYesNo, -1, {VK_ESCAPE}, mrNo},
      {MsgDlgBit(mbOK), -1, {VK_ESCAPE}, mrOk},
      {MsgDlgBit(mbAll) | MsgDlgBit(mbNoToAll) | MsgDlgBit(mbYesToAll), -1, {VK_TAB, VK_RETURN}, mrNoToAll},
  };
  for (const TCase& c : cases) {
    TestClock().OnWait([&] {
      for (int key : c.Keys) PressKey(key);
    });
    EXPECT_EQ(MessageDlg("确定要删除吗？", "警告", mtWarning, c.Buttons, c.Default), c.Expected)
        << "buttons " << c.Buttons;
  }
}

TEST_F(Dialogs, TheInputBoxReturnsTheTextTypedOrTheDefaultWhenCancelled) {
  TestClock().OnWait([&] {
    TypeText("12.5");
    PressKey(VK_RETURN);
  });
  EXPECT_EQ(InputBox("成绩输入框", "请输入成绩", "0"), "12.5");

  String value = "old";
  TestClock().OnWait([&] {
    TypeText("x");
    PressKey(VK_ESCAPE);
  });
  EXPECT_FALSE(InputQuery("成绩输入框", "请输入成绩", value));
  EXPECT_EQ(value, "old");
}

TEST_F(Dialogs, MessageBoxFlagsAndErrorsBecomeMessageDialogs) {
  TScriptedDialogsScope dialogs;
  InstallDialogMessageBox();
  dialogs->MessageAnswers = {mrNo};
  EXPECT_EQ(::MessageBox(HWND(), "保存修改吗？", "信息提示", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), IDNO);
  ASSERT_EQ(dialogs->Messages.size(), 1u);
  const TMessageDialogRequest& box = dialogs->Messages[0];
  EXPECT_EQ(box.Buttons, mbYesNo);
  EXPECT_EQ(box.DlgType, mtConfirmation);
  EXPECT_EQ(DefaultButtonOf(box), mbNo);

  Application->SetTitle("体育成绩管理");
  Application->HandleException(Application, std::make_exception_ptr(Exception("密码不正确。")));
  ASSERT_EQ(dialogs->Messages.size(), 2u);
  EXPECT_EQ(dialogs->Messages[1].Msg, "密码不正确。");
  EXPECT_EQ(dialogs->Messages[1].Caption, "体育成绩管理");
  EXPECT_EQ(dialogs->Messages[1].DlgType, mtError);

  ShowMessage("请输入成绩");
  EXPECT_EQ(dialogs->Messages[2].Caption, "体育成绩管理");
  EXPECT_EQ(dialogs->Messages[2].Buttons, MsgDlgBit(mbOK));
  EXPECT_EQ(MsgDlgTypeCaption(mtWarning), "警告");
}

TEST(FileFilters, FilterTextSplitsIntoDescriptionsAndMasks) {
  const auto filters = ParseFileFilter("库文件(*.mdb)|*.mdb|图片|*.bmp; *.jpg|所有文件(*.*)|*.*|半个");
  ASSERT_EQ(filters.size(), 3u);
  EXPECT_EQ(filters[0].Description, "库文件(*.mdb)");
  EXPECT_EQ(filters[0].Masks, (std::vector<String>{"*.mdb"}));
  EXPECT_EQ(filters[1].Masks, (std::vector<String>{"*.bmp", "*.jpg"}));
  EXPECT_EQ(filters[2].Masks, (std::vector<String>{"*.*"}));
  EXPECT_TRUE(ParseFileFilter("").empty());
}

TEST(FileFilters, ACaptionNamesItsMasksOnce) {
  const std::pair<const char*, const char*> cases[] = {
      {"PDF 文件 (*.pdf)|*.pdf", "PDF 文件 (*.pdf)"},
      {"库文件(*.mdb)|*.mdb", "库文件 (*.mdb)"},
      {"图片 (*.bmp; *.jpg)|*.bmp;*.jpg", "图片 (*.bmp *.jpg)"},
      {"图片|*.bmp;*.jpg", "图片 (*.bmp *.jpg)"},
      {"报表 (*.frf)|*.frp", "报表 (*.frf) (*.frp)"},
  };
  for (const auto& [filter, caption] : cases) EXPECT_EQ(FileFilterCaption(ParseFileFilter(filter)[0]), caption) << filter;
}

// Qt's file dialog, which the program's file dialogs show, speaks Chinese.
TEST_F(Dialogs, QtsFileDialogSpeaksChinese) {
  InstallQtDialogTexts();
  InstallQtDialogTexts();  // once only
  QFileDialog dialog(nullptr, QString(), "/tmp");
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  EXPECT_EQ(dialog.labelText(QFileDialog::LookIn).toStdString(), "查找范围：");
  EXPECT_EQ(dialog.labelText(QFileDialog::FileName).toStdString(), "文件名(&N)：");
  EXPECT_EQ(dialog.labelText(QFileDialog::FileType).toStdString(), "文件类型：");
  EXPECT_EQ(dialog.labelText(QFileDialog::Accept).toStdString(), "保存(&S)");
  QFileSystemModel model;
  EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString().toStdString(), "名称");
  EXPECT_EQ(model.headerData(3, Qt::Horizontal).toString().toStdString(), "修改日期");
}

// The date column of Qt's file list as the program's file dialog shows it for the file Name of
// the dialog's folder, read once the folder is loaded; the dialog is then cancelled.
QString ShownFileDate(const QString& Name) {
  auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
  auto* list = dialog ? dialog->findChild<QTreeView*>("treeView") : nullptr;
  if (!list) return "(no file dialog)";
  QString shown;
  for (int tries = 0; tries < 500 && shown.isEmpty(); ++tries) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const QAbstractItemModel* files = list->model();
    for (int row = 0; row < files->rowCount(list->rootIndex()); ++row)
      if (files->index(row, 0, list->rootIndex()).data().toString() == Name)
        shown = files->index(row, 3, list->rootIndex()).data().toString();
    if (shown.isEmpty()) QThread::msleep(10);
  }
  dialog->reject();
  return shown;
}

// The program speaks Chinese in what Qt formats too: month names, and the file dialog's dates,
// which Qt's file list would write in the system's locale ("11 Dec 2026 07:45:28").
TEST_F(Dialogs, WhatQtFormatsIsInTheProgramsChineseLocale) {
  const QLocale before;
  UseProgramLocale();
  EXPECT_EQ(QLocale().monthName(12, QLocale::ShortFormat).toStdString(), "12月");
  TempDir dir;
  std::ofstream(dir.File("成绩.txt")) << "x";
  const QDateTime modified = QFileInfo(QString::fromStdString(dir.File("成绩.txt"))).lastModified();
  QString shown;
  QTimer::singleShot(0, [&] { shown = ShownFileDate("成绩.txt"); });
  TComponentPtr<TOpenDialog> open = MakeComponent<TOpenDialog>();
  open->InitialDir = dir.Path().string();
  EXPECT_FALSE(open->Execute());
  const QLocale chinese(QLocale::Chinese, QLocale::China);
  QLocale::setDefault(before);
  EXPECT_EQ(shown.toStdString(), chinese.toString(modified, QLocale::ShortFormat).toStdString());
}

TEST_F(Dialogs, FileDialogsPassTheirSettingsAndTakeTheChoice) {
  TScriptedDialogsScope dialogs;
  TComponentPtr<TSaveDialog> save = MakeComponent<TSaveDialog>();
  save->Filter = "Report 文件 (*.frp)|*.frp";
  save->DefaultExt = "frp";
  save->InitialDir = "/tmp";
  save->FileName = "old.frp";
  EXPECT_FALSE(save->Execute());  // cancelled: nothing changes
  EXPECT_EQ(save->FileName, "old.frp");
  ASSERT_EQ(dialogs->FileRequests.size(), 1u);
  EXPECT_TRUE(dialogs->FileRequests[0].Save);
  EXPECT_EQ(dialogs->FileRequests[0].InitialDir, "/tmp");
  EXPECT_EQ(dialogs->FileRequests[0].FileName, "old.frp");

  dialogs->OnFileDialog = [](TFileDialogRequest& r) {
    r.FileName = "/tmp/成绩单";
    return true;
  };
  EXPECT_TRUE(save->Execute());
  EXPECT_EQ(save->FileName, "/tmp/成绩单.frp");

  TComponentPtr<TOpenDialog> open = MakeComponent<TOpenDialog>();
  dialogs->OnFileDialog = [](TFileDialogRequest& r) {
    EXPECT_FALSE(r.Save);
    r.FileName = "/data/quorin.db";
    r.FilterIndex = 2;
    return true;
  };
  open->Filter = "库文件(*.mdb)|*.mdb|所有文件(*.*)|*.*";
  EXPECT_TRUE(open->Execute());
  EXPECT_EQ(open->FileName, "/data/quorin.db");
  EXPECT_EQ(open->FilterIndex, 2);
}

TEST_F(Dialogs, PrintFontAndColourDialogsApplyWhatWasChosen) {
  TScriptedDialogsScope dialogs;
  dialogs->OnPrintDialog = [](TPrintDialogRequest& r) {
    EXPECT_EQ(r.Copies, 1);
    r.Copies = 3;
    r.Collate = true;
    r.PrintRange = prPageNums;
    r.FromPage = 2;
    r.ToPage = 4;
    return true;
  };
  TComponentPtr<TPrintDialog> print = MakeComponent<TPrintDialog>();
  EXPECT_TRUE(print->Execute());
  EXPECT_EQ(print->Copies, 3);
  EXPECT_TRUE(print->Collate);
  EXPECT_EQ(print->PrintRange, prPageNums);
  EXPECT_EQ(print->ToPage, 4);

  dialogs->OnPrinterSetupDialog = [](TPrinterSetupRequest& r) {
    r.PaperWidthMM = 148;
    r.PaperHeightMM = 210;
    r.Landscape = true;
    return true;
  };
  TComponentPtr<TPrinterSetupDialog> setup = MakeComponent<TPrinterSetupDialog>();
  EXPECT_TRUE(setup->Execute());
  EXPECT_EQ(Printer()->PaperWidthMM(), 148);
  EXPECT_EQ(Printer()->Orientation(), poLandscape);
  Printer()->SetPaperSizeMM(210, 297);
  Printer()->SetOrientation(poPortrait);

  TComponentPtr<TFontDialog> font = MakeComponent<TFontDialog>();
  EXPECT_FALSE(font->Execute());
  dialogs->OnFontDialog = [](TFont& f) {
    f.SetName("黑体");
    f.SetStyle(fsBold);
    return true;
  };
  EXPECT_TRUE(font->Execute());
  EXPECT_EQ(font->Font()->Name(), "黑体");
  EXPECT_EQ(font->Font()->Style(), fsBold);

  TComponentPtr<TColorDialog> colour = MakeComponent<TColorDialog>();
  dialogs->OnColorDialog = [](TColor& c) {
    c = clRed;
    return true;
  };
  EXPECT_TRUE(colour->Execute());
  EXPECT_EQ(colour->Color, clRed);
}

}  // namespace
