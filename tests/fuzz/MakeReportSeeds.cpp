// Makes the report seeds of the fuzz corpora from the program's templates: for every source
// TEMPLATES/<name>.frt, a copy in CORPUS/TemplateSource/, the template the build compiles from it in
// CORPUS/ReportTemplate/<name>.frf, and the pages the engine prepares from that template (with no
// record source connected) in CORPUS/PreparedReport/<name>.frp. Run by hand when the templates or
// the file formats change: fuzz_report_seeds TEMPLATES CORPUS.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "FuzzGui.h"
#include "report/FR_Class.h"
#include "report/FR_EMFPages.h"
#include "report/FR_Register.h"
#include "rtl/Streams.h"
#include "tests/support/ScriptedDialogs.h"
#include "tools/FrfSource.h"

namespace fs = std::filesystem;

namespace {

String ReadText(const fs::path& Path) {
  std::ifstream in(Path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void MakeSeeds(const fs::path& Source, const fs::path& Corpus) {
  const std::string name = Source.stem().string();
  fs::copy_file(Source, Corpus / "TemplateSource" / (name + ".frt"), fs::copy_options::overwrite_existing);
  TfrReport report(nullptr);
  CompileTemplateSource(ReadText(Source), report);
  {
    TFileStream file((Corpus / "ReportTemplate" / (name + ".frf")).string(), fmCreate);
    report.SaveToStream(file);
  }
  if (!report.PrepareReport()) throw Exception(name + ": the pages could not be prepared");
  TFileStream file((Corpus / "PreparedReport" / (name + ".frp")).string(), fmCreate);
  report.EMFPages().PreparedSaveToStream(file);
  std::printf("%s: %d pages\n", name.c_str(), report.EMFPages().Count());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fuzz_report_seeds TEMPLATES CORPUS\n");
    return 2;
  }
  StartFuzzGui();
  RegisterReportClasses();
  TScriptedDialogsScope dialogs;
  try {
    for (const auto& entry : fs::directory_iterator(argv[1]))
      if (entry.path().extension() == ".frt") MakeSeeds(entry.path(), argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "fuzz_report_seeds: %s\n", e.what());
    return 1;
  }
  return 0;
}
