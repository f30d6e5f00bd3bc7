// The common dialogs: the message dialog (with the system's Chinese button captions), the input
// box, open and save file dialogs, print and printer-setup dialogs, font and colour dialogs.
// Each goes through the dialog service: the program's shows the message and input boxes as forms
// of this library and the others as the system's dialogs; tests install a scripted one.
#pragma once

#include <memory>
#include <vector>

#include "classes/Component.h"
#include "controls/ControlTypes.h"
#include "graphics/Font.h"

// Message dialogs
enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
// A set of buttons: bit i stands for button i.
using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons MsgDlgBit(TMsgDlgBtn Button) { return 1u << Button; }
constexpr TMsgDlgButtons mbYesNo = MsgDlgBit(mbYes) | MsgDlgBit(mbNo);
constexpr TMsgDlgButtons mbYesNoCancel = mbYesNo | MsgDlgBit(mbCancel);
constexpr TMsgDlgButtons mbOKCancel = MsgDlgBit(mbOK) | MsgDlgBit(mbCancel);
constexpr TMsgDlgButtons mbAbortRetryIgnore = MsgDlgBit(mbAbort) | MsgDlgBit(mbRetry) | MsgDlgBit(mbIgnore);

// "是", "否", "确定", "取消", "终止", "重试", "忽略", "全部", "部分", "所有", "帮助".
String MsgDlgButtonCaption(TMsgDlgBtn Button);
// The modal result a button closes its dialog with (mrNone for the help button).
TModalResult MsgDlgButtonResult(TMsgDlgBtn Button);
// The caption of a dialog type: "警告", "错误", "信息", "确认"; the application's title for mtCustom.
String MsgDlgTypeCaption(TMsgDlgType DlgType);

struct TMessageDialogRequest {
  String Msg;
  String Caption;
  TMsgDlgType DlgType = mtInformation;
  TMsgDlgButtons Buttons = MsgDlgBit(mbOK);
  // The button that Enter presses; the first of OK, Yes and the set's first when not given.
  int DefaultButton = -1;
};
// The button that Enter presses and the one that Escape presses (-1: none, Escape closes with
// mrCancel).
TMsgDlgBtn DefaultButtonOf(const TMessageDialogRequest& Request);
int CancelButtonOf(TMsgDlgButtons Buttons);

// Shows the message dialog and answers the result of the button pressed (mrCancel when it was
// closed another way).
TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);
TModalResult MessageDlg(const String& Msg, const String& Caption, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                        int DefaultButton = -1);
// A message with an OK button under the application's title.
void ShowMessage(const String& Msg);
// The message box of the window layer's flags (MB_YESNO | MB_ICONWARNING ...), answering IDYES ...
int MessageBox(const String& Text, const String& Caption, UINT Flags);

// Asks for one line of text; answers false (Value unchanged) when cancelled.
bool InputQuery(const String& Caption, const String& Prompt, String& Value);
// The text entered, or Default when cancelled.
String InputBox(const String& Caption, const String& Prompt, const String& Default);

// File dialogs
// One entry of a filter "描述|*.ext|..." : the description and its masks ("*.bmp;*.jpg").
struct TFileFilter {
  String Description;
  std::vector<String> Masks;
};
std::vector<TFileFilter> ParseFileFilter(const String& Filter);
// The text a file dialog shows for a filter: the description and its masks in parentheses, the
// masks named once when the description already ends with them ("PDF 文件 (*.pdf)").
String FileFilterCaption(const TFileFilter& Filter);
// Qt's own dialogs speak Chinese from the first call on (once per application object).
void InstallQtDialogTexts();

enum TOpenOption { ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofPathMustExist, ofFileMustExist };
using TOpenOptions = unsigned;  // bit i stands for option i
inline constexpr const char* OpenOptionNames[] = {"ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly",
                                                  "ofPathMustExist", "ofFileMustExist"};
constexpr TOpenOptions OpenOptionBit(TOpenOption Option) { return 1u << Option; }

struct TFileDialogRequest {
  bool Save = false;
  String Title;
  String Filter;
  int FilterIndex = 1;  // from 1
  String InitialDir;
  String FileName;      // in: proposed; out: chosen
  TOpenOptions Options = 0;
};

// Print dialogs
enum TPrintRange { prAllPages, prSelection, prPageNums };
struct TPrintDialogRequest {
  std::vector<String> Printers;
  int PrinterIndex = -1;  // -1: the default printer
  int Copies = 1;
  bool Collate = false;
  TPrintRange PrintRange = prAllPages;
  int FromPage = 0;
  int ToPage = 0;
  int MinPage = 0;
  int MaxPage = 0;
};
struct TPrinterSetupRequest {
  std::vector<String> Printers;
  int PrinterIndex = -1;
  double PaperWidthMM = 210;
  double PaperHeightMM = 297;
  bool Landscape = false;
};

// What every dialog is shown through. Each answers whether the user confirmed; what was chosen
// is written back into the request.
class TDialogService {
 public:
  virtual ~TDialogService() = default;
  virtual TModalResult MessageDialog(const TMessageDialogRequest& Request) = 0;
  virtual bool InputQuery(const String& Caption, const String& Prompt, String& Value) = 0;
  virtual bool FileDialog(TFileDialogRequest& Request) = 0;
  virtual bool PrintDialog(TPrintDialogRequest& Request) = 0;
  virtual bool PrinterSetupDialog(TPrinterSetupRequest& Request) = 0;
  virtual bool FontDialog(TFont& Font) = 0;
  virtual bool ColorDialog(TColor& Color) = 0;
};
TDialogService& DialogService();
// Installs a service and answers the previous one (the program's is made on first use).
std::unique_ptr<TDialogService> SetDialogService(std::unique_ptr<TDialogService> Service);
// Makes the window layer's message boxes (and so the application's error messages) message
// dialogs of the dialog service.
void InstallDialogMessageBox();

class TCommonDialog : public TComponent {
 public:
  using TComponent::TComponent;
  String ClassName() const override { return "TCommonDialog"; }
  virtual bool Execute() = 0;
};

class TOpenDialog : public TCommonDialog {
 public:
  using TCommonDialog::TCommonDialog;
  String ClassName() const override { return "TOpenDialog"; }
  // Shows the dialog; on OK FileName and FilterIndex hold the choice. A name chosen without an
  // extension gets DefaultExt.
  bool Execute() override;

  String FileName;
  String Filter;
  int FilterIndex = 1;
  String InitialDir;
  String DefaultExt;
  String Title;
  TOpenOptions Options = OpenOptionBit(ofHideReadOnly);

 protected:
  virtual bool IsSave() const { return false; }
};

class TSaveDialog : public TOpenDialog {
 public:
  using TOpenDialog::TOpenDialog;
  String ClassName() const override { return "TSaveDialog"; }

 protected:
  bool IsSave() const override { return true; }
};

// Chooses the printer of Printer() and the copies and page range the caller prints.
class TPrintDialog : public TCommonDialog {
 public:
  using TCommonDialog::TCommonDialog;
  String ClassName() const override { return "TPrintDialog"; }
  bool Execute() override;

  int Copies = 1;
  bool Collate = false;
  TPrintRange PrintRange = prAllPages;
  int FromPage = 0;
  int ToPage = 0;
  int MinPage = 0;
  int MaxPage = 0;
};

// Chooses the printer, paper and orientation of Printer().
class TPrinterSetupDialog : public TCommonDialog {
 public:
  using TCommonDialog::TCommonDialog;
  String ClassName() const override { return "TPrinterSetupDialog"; }
  bool Execute() override;
};

class TFontDialog : public TCommonDialog {
 public:
  explicit TFontDialog(TComponent* AOwner);
  ~TFontDialog() override;
  String ClassName() const override { return "TFontDialog"; }
  bool Execute() override;
  TFont* Font() const { return FFont.get(); }

 private:
  std::unique_ptr<TFont> FFont;
};

class TColorDialog : public TCommonDialog {
 public:
  using TCommonDialog::TCommonDialog;
  String ClassName() const override { return "TColorDialog"; }
  bool Execute() override;

  TColor Color = clBlack;
};

