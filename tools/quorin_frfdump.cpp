// quorin_frfdump TEMPLATE [OUTPUT]: writes a report template file (.frf) in its source form, to
// OUTPUT or to the standard output, for review and for comparing templates. What the engine
// reports while it reads the file goes to the standard error; a file it cannot read ends the tool
// with status 1.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "controls/Dialogs.h"
#include "tools/FrfSource.h"

namespace {

// The engine's message boxes become lines on the standard error; no other dialog is shown.
class TConsoleDialogs : public TDialogService {
 public:
  TModalResult MessageDialog(const TMessageDialogRequest& Request) override {
    std::cerr << "quorin_frfdump: " << Request.Msg << "\n";
    return mrOk;
  }
  bool InputQuery(const String&, const String&, String&) override { return false; }
  bool FileDialog(TFileDialogRequest&) override { return false; }
  bool PrintDialog(TPrintDialogRequest&) override { return false; }
  bool PrinterSetupDialog(TPrinterSetupRequest&) override { return false; }
  bool FontDialog(TFont&) override { return false; }
  bool ColorDialog(TColor&) override { return false; }
};

int Dump(const std::filesystem::path& Template, const char* Output) {
  TfrReport report(nullptr);
  if (!std::filesystem::exists(Template)) throw EFOpenError("no file " + Template.string());
  if (!report.LoadFromFile(Template.string())) return 1;
  const String source = TemplateSource(report, Template.stem().string());
  if (!Output) {
    std::cout << source;
    return 0;
  }
  std::ofstream out(Output, std::ios::binary);
  out << source;
  return out ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: quorin_frfdump TEMPLATE [OUTPUT]\n");
    return 2;
  }
  SetDialogService(std::make_unique<TConsoleDialogs>());
  try {
    return Dump(argv[1], argc == 3 ? argv[2] : nullptr);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quorin_frfdump: %s\n", e.what());
    return 1;
  }
}
