// The dialogs' common part: button captions and results, the default and cancel buttons, the
// routes of MessageDlg, ShowMessage, MessageBox and the input box into the dialog service, file
// filters, and the dialog components.
#include "controls/Dialogs.h"
#include "controls/ControlClasses_p.h"

#include <filesystem>
#include <utility>

#include "classes/Properties.h"
#include "controls/Application.h"
#include "printing/Printers.h"
#include "rtl/Text.h"
#include "windows/Focus.h"
#include "windows/ServiceSlot.h"

namespace {

constexpr const char* kButtonCaptions[] = {"是", "否", "确定", "取消", "终止", "重试", "忽略", "全部", "部分", "所有", "帮助"};
constexpr TModalResult kButtonResults[] = {mrYes, mrNo, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrNone};
constexpr const char* kTypeCaptions[] = {"警告", "错误", "信息", "确认"};
constexpr int kButtonCount = mbHelp + 1;

std::vector<String> Split(const String& Text, char Separator) {
  std::vector<String> parts;
  size_t start = 0;
  for (size_t at; (at = Text.find(Separator, start)) != String::npos; start = at + 1) parts.push_back(Text.substr(start, at - start));
  parts.push_back(Text.substr(start));
  return parts;
}

bool Has(TMsgDlgButtons Buttons, TMsgDlgBtn Button) { return (Buttons & MsgDlgBit(Button)) != 0; }

TServiceSlot<TDialogService>& Slot() {
  static TServiceSlot<TDialogService> slot;
  return slot;
}

// The window layer's message-box flags as a message dialog.
TMessageDialogRequest RequestOfFlags(const String& Text, const String& Caption, UINT Flags) {
  TMessageDialogRequest request{Text, Caption, mtCustom, MsgDlgBit(mbOK), -1};
  switch (Flags & 0xF) {
    case MB_OKCANCEL: request.Buttons = mbOKCancel; break;
    case MB_ABORTRETRYIGNORE: request.Buttons = mbAbortRetryIgnore; break;
    case MB_YESNOCANCEL: request.Buttons = mbYesNoCancel; break;
    case MB_YESNO: request.Buttons = mbYesNo; break;
    case MB_RETRYCANCEL: request.Buttons = MsgDlgBit(mbRetry) | MsgDlgBit(mbCancel); break;
    default: break;
  }
  switch (Flags & 0xF0) {
    case MB_ICONERROR: request.DlgType = mtError; break;
    case MB_ICONQUESTION: request.DlgType = mtConfirmation; break;
    case MB_ICONWARNING: request.DlgType = mtWarning; break;
    case MB_ICONINFORMATION: request.DlgType = mtInformation; break;
    default: break;
  }
  // MB_DEFBUTTON1 to 3 count the buttons in the order the dialog shows them.
  int wanted = static_cast<int>((Flags & 0xF00) >> 8) + 1;
  for (int b = 0; b < kButtonCount && wanted > 0; ++b)
    if (Has(request.Buttons, static_cast<TMsgDlgBtn>(b)) && --wanted == 0) request.DefaultButton = b;
  return request;
}

// The window layer's message boxes shown as message dialogs, through the dialog service.
class TDialogMessageBox : public TMessageBoxService {
 public:
  int Show(HWND, const String& Text, const String& Caption, UINT Flags) override {
    return DialogService().MessageDialog(RequestOfFlags(Text, Caption, Flags));
  }
};

}  // namespace

std::unique_ptr<TDialogService> CreateProgramDialogService();

String MsgDlgButtonCaption(TMsgDlgBtn Button) { return kButtonCaptions[Button]; }
TModalResult MsgDlgButtonResult(TMsgDlgBtn Button) { return kButtonResults[Button]; }

String MsgDlgTypeCaption(TMsgDlgType DlgType) {
  if (DlgType == mtCustom) return Application ? Application->Title() : String();
  return kTypeCaptions[DlgType];
}

TMsgDlgBtn DefaultButtonOf(const TMessageDialogRequest& Request) {
  if (Request.DefaultButton >= 0 && Has(Request.Buttons, static_cast<TMsgDlgBtn>(Request.DefaultButton)))
    return static_cast<TMsgDlgBtn>(Request.DefaultButton);
  if (Has(Request.Buttons, mbOK)) return mbOK;
  if (Has(Request.Buttons, mbYes)) return mbYes;
  for (int b = 0; b < kButtonCount; ++b)
    if (Has(Request.Buttons, static_cast<TMsgDlgBtn>(b))) return static_cast<TMsgDlgBtn>(b);
  return mbOK;
}

int CancelButtonOf(TMsgDlgButtons Buttons) {
  if (Has(Buttons, mbCancel)) return mbCancel;
  if (Has(Buttons, mbNo)) return mbNo;
  if (Buttons == MsgDlgBit(mbOK)) return mbOK;
  return -1;
}

TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons) {
  return MessageDlg(Msg, MsgDlgTypeCaption(DlgType), DlgType, Buttons);
}

TModalResult MessageDlg(const String& Msg, const String& Caption, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                        int DefaultButton) {
  if (Buttons == 0) Buttons = MsgDlgBit(mbOK);
  return DialogService().MessageDialog({Msg, Caption, DlgType, Buttons, DefaultButton});
}

void ShowMessage(const String& Msg) { MessageDlg(Msg, mtCustom, MsgDlgBit(mbOK)); }

int MessageBox(const String& Text, const String& Caption, UINT Flags) {
  return ::MessageBox(GetActiveWindow(), Text, Caption, Flags);
}

bool InputQuery(const String& Caption, const String& Prompt, String& Value) {
  String entered = Value;
  if (!DialogService().InputQuery(Caption, Prompt, entered)) return false;
  Value = entered;
  return true;
}

String InputBox(const String& Caption, const String& Prompt, const String& Default) {
  String value = Default;
  InputQuery(Caption, Prompt, value);
  return value;
}

TDialogService& DialogService() { return Slot().Get(CreateProgramDialogService); }

std::unique_ptr<TDialogService> SetDialogService(std::unique_ptr<TDialogService> Service) {
  return Slot().Replace(std::move(Service));
}

void InstallDialogMessageBox() { SetMessageBoxService(std::make_unique<TDialogMessageBox>()); }

std::vector<TFileFilter> ParseFileFilter(const String& Filter) {
  std::vector<TFileFilter> filters;
  const std::vector<String> parts = Split(Filter, '|');
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    TFileFilter filter{parts[i], {}};
    for (const String& mask : Split(parts[i + 1], ';'))
      if (const String m = Trim(mask); !m.empty()) filter.Masks.push_back(m);
    filters.push_back(std::move(filter));
  }
  return filters;
}

namespace {

// The masks a description names in a trailing "(...)", separated by ';', ',' or blanks.
std::vector<String> MasksNamedIn(const String& Description) {
  const size_t open = Description.rfind('(');
  if (Description.empty() || Description.back() != ')' || open == String::npos) return {};
  std::vector<String> masks;
  String mask;
  for (const char c : Description.substr(open + 1, Description.size() - open - 2) + ' ') {
    if (c != ';' && c != ',' && c != ' ') {
      mask += c;
    } else if (!mask.empty()) {
      masks.push_back(mask);
      mask.clear();
    }
  }
  return masks;
}

}  // namespace

String FileFilterCaption(const TFileFilter& Filter) {
  String description = Trim(Filter.Description);
  if (!Filter.Masks.empty() && MasksNamedIn(description) == Filter.Masks)
    description = Trim(description.substr(0, description.rfind('(')));
  String masks;
  for (const String& mask : Filter.Masks) masks += (masks.empty() ? "" : " ") + mask;
  return description + " (" + masks + ")";
}

bool TOpenDialog::Execute() {
  TFileDialogRequest request{IsSave(), Title, Filter, FilterIndex, InitialDir, FileName, Options};
  if (!DialogService().FileDialog(request)) return false;
  FileName = request.FileName;
  FilterIndex = request.FilterIndex;
  if (!DefaultExt.empty() && !FileName.empty() && std::filesystem::path(FileName).extension().empty())
    FileName += (DefaultExt.front() == '.' ? "" : ".") + DefaultExt;
  return true;
}

bool TPrintDialog::Execute() {
  TPrinter* printer = Printer();
  TPrintDialogRequest request{printer->Printers(), printer->PrinterIndex(), Copies, Collate, PrintRange,
                              FromPage,            ToPage,                  MinPage, MaxPage};
  if (!DialogService().PrintDialog(request)) return false;
  printer->SetPrinterIndex(request.PrinterIndex);
  Copies = std::max(1, request.Copies);
  Collate = request.Collate;
  PrintRange = request.PrintRange;
  FromPage = request.FromPage;
  ToPage = request.ToPage;
  return true;
}

bool TPrinterSetupDialog::Execute() {
  TPrinter* printer = Printer();
  TPrinterSetupRequest request{printer->Printers(), printer->PrinterIndex(), printer->PaperWidthMM(),
                               printer->PaperHeightMM(), printer->Orientation() == poLandscape};
  if (!DialogService().PrinterSetupDialog(request)) return false;
  printer->SetPrinterIndex(request.PrinterIndex);
  printer->SetPaperSizeMM(request.PaperWidthMM, request.PaperHeightMM);
  printer->SetOrientation(request.Landscape ? poLandscape : poPortrait);
  return true;
}

TFontDialog::TFontDialog(TComponent* AOwner) : TCommonDialog(AOwner), FFont(std::make_unique<TFont>()) {}
TFontDialog::~TFontDialog() = default;

bool TFontDialog::Execute() {
  TFont chosen;
  chosen.Assign(FFont.get());
  if (!DialogService().FontDialog(chosen)) return false;
  FFont->Assign(&chosen);
  return true;
}

bool TColorDialog::Execute() {
  TColor chosen = Color;
  if (!DialogService().ColorDialog(chosen)) return false;
  Color = chosen;
  return true;
}

void RegisterDialogClasses() {
  RegisterClass<TOpenDialog, TComponent>("TOpenDialog", [](TClassBuilder<TOpenDialog>& c) {
    c.Property("FileName", &TOpenDialog::FileName, &TOpenDialog::FileName);
    c.Property("Filter", &TOpenDialog::Filter, &TOpenDialog::Filter);
    c.Property("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::FilterIndex).Default(1);
    c.Property("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::InitialDir);
    c.Property("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::DefaultExt);
    c.Property("Title", &TOpenDialog::Title, &TOpenDialog::Title);
    c.SetProperty("Options", &TOpenDialog::Options, &TOpenDialog::Options, OpenOptionNames)
        .Default(OpenOptionBit(ofHideReadOnly));
  });
  RegisterClass<TSaveDialog, TOpenDialog>("TSaveDialog");
  RegisterClass<TPrintDialog, TComponent>("TPrintDialog", [](TClassBuilder<TPrintDialog>& c) {
    c.Property("Copies", &TPrintDialog::Copies, &TPrintDialog::Copies).Default(1);
    c.Property("Collate", &TPrintDialog::Collate, &TPrintDialog::Collate).Default(false);
  });
  RegisterClass<TPrinterSetupDialog, TComponent>("TPrinterSetupDialog");
  RegisterClass<TFontDialog, TComponent>("TFontDialog", [](TClassBuilder<TFontDialog>& c) {
    c.Property("Font", &TFontDialog::Font);
  });
  RegisterClass<TColorDialog, TComponent>("TColorDialog", [](TClassBuilder<TColorDialog>& c) {
    c.Property("Color", &TColorDialog::Color, &TColorDialog::Color);
  });
}
