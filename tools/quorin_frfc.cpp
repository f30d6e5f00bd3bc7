// Build tool: quorin_frfc SOURCE OUTPUT compiles a report template's source (templates/*.frt) into
// the template file OUTPUT with the report engine's own writer, or reports the source line at
// fault and exits with status 1, leaving OUTPUT untouched.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "rtl/Streams.h"
#include "tools/FrfSource.h"

namespace {

String ReadText(const std::filesystem::path& Path) {
  std::ifstream in(Path, std::ios::binary);
  if (!in) throw EFOpenError("cannot read " + Path.string());
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The template goes into a file beside OUTPUT that takes its name only once it is complete.
void Compile(const std::filesystem::path& Source, const std::filesystem::path& Output) {
  TfrReport report(nullptr);
  try {
    CompileTemplateSource(ReadText(Source), report);
  } catch (const ELayoutError& e) {
    throw Exception(Source.string() + ":" + std::to_string(e.Line()) + ": " + e.Message());
  }
  std::filesystem::create_directories(Output.parent_path());
  const std::filesystem::path partial = Output.string() + ".part";
  {
    TFileStream file(partial.string(), fmCreate);
    report.SaveToStream(file);
  }
  std::filesystem::rename(partial, Output);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: quorin_frfc SOURCE OUTPUT\n");
    return 2;
  }
  try {
    Compile(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quorin_frfc: %s\n", e.what());
    return 1;
  }
  return 0;
}
