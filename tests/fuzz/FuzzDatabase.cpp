// Fuzz target of opening a database file: the bytes are written to a file, which the connection
// opens; when it opens, the tables of the program's schema that it has are read field by field, a
// join is read and a row is written. Bad input must end in the data-access layer's own errors.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "data/ADODB.h"

namespace {

const char* const Tables[] = {"Tb_Grade", "Tb_Students", "Tb_TermType", "Tb_Teachers", "Tb_UptoProcess", "Vw_ExamProcess"};

// The file of this run, removed at exit.
class ScratchFile {
 public:
  ScratchFile()
      : FPath(std::filesystem::temp_directory_path() / ("quorin-fuzz-database-" + std::to_string(getpid()) + ".db")) {}
  ~ScratchFile() {
    std::error_code ignored;  // a failed clean-up of a scratch file must not fail the run
    std::filesystem::remove(FPath, ignored);
  }
  const std::filesystem::path& Path() const { return FPath; }

 private:
  std::filesystem::path FPath;
};

void ReadEverything(TDataSet& data) {
  for (data.First(); !data.Eof(); data.Next())
    for (int i = 0; i < data.FieldCount(); ++i) {
      (void)data.Fields()[i]->AsString();
      (void)data.Fields()[i]->DisplayText();
    }
}

void Exercise(const std::string& path) {
  TComponentPtr<TADOConnection> connection = MakeComponent<TADOConnection>();
  connection->SetConnectionString("Data Source=" + path);
  connection->SetCommandTimeout(1);  // a crafted view that never ends costs a second, not thirty
  connection->Open();
  for (const char* name : Tables) {
    TComponentPtr<TADOTable> table = MakeComponent<TADOTable>();
    table->SetConnection(connection.get());
    table->SetTableName(name);
    try {
      table->Open();
      ReadEverything(*table);
    } catch (const Exception&) {
      // a damaged table: the others may still read
    }
  }
  TComponentPtr<TADOQuery> query = MakeComponent<TADOQuery>();
  query->SetConnection(connection.get());
  query->SQL()->SetText("select s.*, c.Fd_Grade from Tb_Students s left join Tb_Classes c on c.Fd_Class = s.Fd_Class");
  query->Open();
  ReadEverything(*query);
  query->Close();
  query->SQL()->SetText("select * from Tb_Grade");
  query->Open();
  query->AppendRecord({"高九"});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static ScratchFile file;
  {
    std::ofstream out(file.Path(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
  }
  try {
    Exercise(file.Path().string());
  } catch (const Exception&) {
    // refused or damaged: the expected end for bad input
  }
  return 0;
}
