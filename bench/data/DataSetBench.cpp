// Reading 100,000 result rows through a data set, beside the same query stepped with the SQLite
// library alone (the data set may cost at most 1.3 times as much), and appending 10,000 rows in
// one transaction to a table of 100,000.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>

#include "data/ADODB.h"
#include "support/BenchDatabase.h"
#include "tools/DatabaseBuilder.h"

namespace {

constexpr int Rows = 100000;

// A database made from the schema with Rows results, for the whole run.
BenchDatabase& Database() {
  static BenchDatabase database(
      "quorin-bench-data.db",
      "with recursive n(i) as (select 1 union all select i + 1 from n where i < " + std::to_string(Rows) + ") "
      "insert into Tb_UptoProcess (Fd_StuNo, Fd_TestDate, Fd_ProgNo, Fd_Grade, Fd_Achieve, Fd_FenVal) "
      "select 20240000 + i % 900, '2024-05-' || printf('%02d', 1 + i % 28) || ' 09:30:00', 'U' || (11 + i % 8), "
      "'高一', 1.5 + i % 100, i % 101 from n",
      [](const std::filesystem::path& Path) { BuildDatabase(Path, {QUORIN_SCHEMA_FILE}); });
  return database;
}

void BM_DataSetReadsEveryField(benchmark::State& state) {
  auto connection = MakeComponent<TADOConnection>();
  connection->SetConnectionString(Database().ConnectionString());
  // The file is opened (and checked) once, as the library's handle below is.
  connection->Open();
  auto query = MakeComponent<TADOQuery>();
  query->SetConnection(connection.get());
  query->SQL()->SetText("select * from Tb_UptoProcess");
  for (auto _ : state) {
    query->Open();
    int64_t rows = 0;
    for (; !query->Eof(); query->Next()) {
      for (int i = 0; i < query->FieldCount(); ++i) benchmark::DoNotOptimize(query->Fields()[i]->Value());
      ++rows;
    }
    query->Close();
    if (rows != Rows) state.SkipWithError("wrong row count");
  }
  state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_DataSetReadsEveryField)->Unit(benchmark::kMillisecond);

// The same rows with the library alone, each column read in the kind its declared type names.
void BM_SqliteReadsEveryField(benchmark::State& state) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(Database().Path().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  for (auto _ : state) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "select * from Tb_UptoProcess", -1, &statement, nullptr);
    const int columns = sqlite3_column_count(statement);
    int64_t rows = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
      for (int i = 0; i < columns; ++i) {
        const std::string type = sqlite3_column_decltype(statement, i);
        if (type == "INTEGER") benchmark::DoNotOptimize(sqlite3_column_int64(statement, i));
        else if (type == "REAL") benchmark::DoNotOptimize(sqlite3_column_double(statement, i));
        else benchmark::DoNotOptimize(std::string(reinterpret_cast<const char*>(sqlite3_column_text(statement, i))));
      }
      ++rows;
    }
    sqlite3_finalize(statement);
    if (rows != Rows) state.SkipWithError("wrong row count");
  }
  sqlite3_close(db);
  state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_SqliteReadsEveryField)->Unit(benchmark::kMillisecond);

void BM_AppendTenThousandRowsInOneTransaction(benchmark::State& state) {
  auto connection = MakeComponent<TADOConnection>();
  connection->SetConnectionString(Database().ConnectionString());
  auto results = MakeComponent<TADOQuery>();
  results->SetConnection(connection.get());
  results->SQL()->SetText("select * from Tb_UptoProcess");
  for (auto _ : state) {
    connection->Open();
    connection->BeginTrans();
    results->Open();
    for (int i = 0; i < 10000; ++i) {
      results->Append();
      results->FieldByName("Fd_StuNo")->SetAsInteger(30000000 + i);
      results->FieldByName("Fd_TestDate")->SetAsDateTime(45000.5);
      results->FieldByName("Fd_ProgNo")->SetAsString("U21");
      results->FieldByName("Fd_Grade")->SetAsString("高二");
      results->FieldByName("Fd_Achieve")->SetAsFloat(8.25);
      results->FieldByName("Fd_FenVal")->SetAsInteger(80);
      results->Post();
    }
    connection->CommitTrans();
    results->Close();
    state.PauseTiming();
    connection->Execute("delete from Tb_UptoProcess where Fd_StuNo >= 30000000");
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_AppendTenThousandRowsInOneTransaction)->Unit(benchmark::kMillisecond);

}  // namespace
