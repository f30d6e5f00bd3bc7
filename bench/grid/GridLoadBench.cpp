// Loading 100,000 records of a SQLite table into the grid in each record mode (all records, all
// records under group rows, the partial window, the buffered rows of plain cursor mode), beside
// the data set's own read of the same rows and beside a Qt table view over a model of the same
// rows. Each load opens the query, as the data set's read does; the heap the loaded grid holds
// (the data set's records with it) is reported as the counter "heap_bytes", and so is the heap of
// the table view's model. The targets: the all-records load within 1.5 times the data set's read,
// and its heap within twice the table view's. The full repaint of a 1920 x 1080 grid in each
// record mode is measured beside the table view painting its viewport of the same size.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QPixmap>
#include <QTableView>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "controls/Application.h"
#include "controls/Forms.h"
#include "data/ADODB.h"
#include "grid/dxDBGrid.h"
#include "grid/dxDBGridClasses.h"
#include "support/BenchDatabase.h"
#include "windows/Paint.h"

namespace {

constexpr int Rows = 100000;

QApplication& App() {
  static int argc = 1;
  static char name[] = "bench_grid";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    auto* created = new QApplication(argc, argv);
    InitApplication();
    RegisterGridClasses();
    return created;
  }();
  return *app;
}

// A table of Rows pupils (number, name, sex, score) for the whole run.
BenchDatabase& Database() {
  static BenchDatabase database(
      "quorin-bench-grid.db",
      "create table Pupils (No INTEGER NOT NULL UNIQUE, Name VARCHAR(20), Sex VARCHAR(2), Score REAL);"
      "with recursive n(i) as (select 1 union all select i + 1 from n where i < " + std::to_string(Rows) + ") "
      "insert into Pupils select i, 'Pupil ' || i, case i % 2 when 0 then '女' else '男' end, 40 + i % 61 from n");
  return database;
}

const char* const Select = "select No, Name, Sex, Score from Pupils order by No";

// Small blocks and the large ones the allocator maps apart: whether a large block (the model's
// list of rows) is mapped depends on what was allocated and freed before, so both count.
size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

// The query over the table, closed, on a connection opened (and its file checked) once, as the
// library's handle of the table view is.
struct TPupilsQuery {
  TPupilsQuery() {
    Connection = MakeComponent<TADOConnection>();
    Connection->SetConnectionString(Database().ConnectionString());
    Connection->Open();
    Query = MakeComponent<TADOQuery>();
    Query->SetConnection(Connection.get());
    Query->SQL()->SetText(Select);
  }
  TComponentPtr<TADOConnection> Connection;
  TComponentPtr<TADOQuery> Query;
};

void BM_DataSetReadsTheRows(benchmark::State& state) {
  App();
  TPupilsQuery pupils;
  TADOQuery& query = *pupils.Query;
  for (auto _ : state) {
    query.Open();
    int64_t rows = 0;
    for (; !query.Eof(); query.Next()) {
      for (int i = 0; i < query.FieldCount(); ++i) benchmark::DoNotOptimize(query.Fields()[i]->DisplayText());
      ++rows;
    }
    query.Close();
    if (rows != Rows) state.SkipWithError("wrong row count");
  }
  state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_DataSetReadsTheRows)->Unit(benchmark::kMillisecond);

enum TMode { mAllRecords, mGrouped, mPartial, mCursor };

// The grid, 1920 by 1080 on a shown form, with a column per field, keyed by the number, in a
// record mode.
struct TGridFixture {
  explicit TGridFixture(TMode Mode) {
    App();
    Form = TCustomForm::Create<TForm>(Application);
    Form->SetBounds(0, 0, 1940, 1120);
    Source = new TDataSource(Form);
    Source->SetDataSet(Pupils.Query.get());
    Grid = new TdxDBGrid(Form);
    Grid->SetKeyField("No");
    for (const char* field : {"No", "Name", "Sex", "Score"}) {
      TdxDBTreeListColumn* column = Grid->CreateNamedColumn(
          [](TComponent* Owner) -> TdxTreeListColumn* { return new TdxDBGridColumn(Owner); }, Form);
      column->SetFieldName(field);
      if (String(field) == "Sex") Sex = column;
    }
    if (Mode == mAllRecords || Mode == mGrouped) Grid->SetOptionsDB(Grid->OptionsDB() | edgoLoadAllRecords);
    if (Mode == mPartial) Grid->SetPartialLoad(true);
    Grid->SetBounds(0, 0, 1920, 1080);
    Grid->SetParent(Form);
    Form->Show();
    Grid->SetDataSource(Source);
    if (Mode == mGrouped) Sex->SetGroupIndex(0);
  }
  ~TGridFixture() { Form->Free(); }
  TPupilsQuery Pupils;
  TForm* Form = nullptr;
  TDataSource* Source = nullptr;
  TdxDBGrid* Grid = nullptr;
  TdxDBTreeListColumn* Sex = nullptr;
};

void BM_GridLoads(benchmark::State& state) {
  TGridFixture fixture(TMode(state.range(0)));
  TdxDBGrid* grid = fixture.Grid;
  const size_t before = HeapInUse();
  size_t held = 0;
  int rows = 0;
  for (auto _ : state) {
    fixture.Pupils.Query->Open();
    state.PauseTiming();
    held = HeapInUse() - before;
    rows = grid->GetAbsoluteCount();
    if (grid->Count() == 0) state.SkipWithError("nothing loaded");
    fixture.Pupils.Query->Close();
    state.ResumeTiming();
  }
  state.counters["heap_bytes"] = double(held);
  state.counters["rows"] = double(rows);
  state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BM_GridLoads)
    ->ArgName("mode")
    ->Arg(mAllRecords)
    ->Arg(mGrouped)
    ->Arg(mPartial)
    ->Arg(mCursor)
    ->Unit(benchmark::kMillisecond);

// The whole window painted again: the headers and every row in view.
void BM_GridRepaints(benchmark::State& state) {
  TGridFixture fixture(TMode(state.range(0)));
  fixture.Pupils.Query->Open();
  const HWND wnd = fixture.Grid->Handle();
  UpdateWindow(wnd);
  for (auto _ : state) {
    InvalidateRect(wnd, nullptr, false);
    UpdateWindow(wnd);
  }
  state.counters["rows_in_view"] = fixture.Grid->FullyVisibleRowCount();
}
BENCHMARK(BM_GridRepaints)
    ->ArgName("mode")
    ->Arg(mAllRecords)
    ->Arg(mGrouped)
    ->Arg(mPartial)
    ->Arg(mCursor)
    ->Unit(benchmark::kMicrosecond);

// The same rows in a table model of Qt's, filled by the library alone, shown in a table view.
class TPupilsModel : public QAbstractTableModel {
 public:
  void Load(sqlite3* Db) {
    beginResetModel();
    FRows.clear();
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(Db, Select, -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW) {
      std::array<QString, 4> row;
      for (int i = 0; i < 4; ++i)
        row[size_t(i)] = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, i)));
      FRows.push_back(std::move(row));
    }
    sqlite3_finalize(statement);
    endResetModel();
  }
  int rowCount(const QModelIndex&) const override { return int(FRows.size()); }
  int columnCount(const QModelIndex&) const override { return 4; }
  QVariant data(const QModelIndex& Index, int Role) const override {
    if (Role != Qt::DisplayRole) return {};
    return FRows[size_t(Index.row())][size_t(Index.column())];
  }

 private:
  std::vector<std::array<QString, 4>> FRows;
};

void BM_QtTableViewLoads(benchmark::State& state) {
  App();
  sqlite3* db = nullptr;
  sqlite3_open_v2(Database().Path().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  TPupilsModel model;
  QTableView view;
  view.resize(1920, 1080);
  view.setModel(&model);
  view.show();
  const size_t before = HeapInUse();
  size_t held = 0;
  for (auto _ : state) {
    model.Load(db);
    QApplication::processEvents();
    state.PauseTiming();
    held = HeapInUse() - before;
    state.ResumeTiming();
  }
  state.counters["heap_bytes"] = double(held);
  state.SetItemsProcessed(state.iterations() * Rows);
  sqlite3_close(db);
}
BENCHMARK(BM_QtTableViewLoads)->Unit(benchmark::kMillisecond);

// The whole table view (headers and rows) painted into an image of its size, as the grid paints
// into its window.
void BM_QtTableViewRepaints(benchmark::State& state) {
  App();
  sqlite3* db = nullptr;
  sqlite3_open_v2(Database().Path().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  TPupilsModel model;
  model.Load(db);
  QTableView view;
  view.resize(1920, 1080);
  view.setModel(&model);
  view.show();
  QApplication::processEvents();
  QPixmap image(view.size());
  for (auto _ : state) view.render(&image);
  sqlite3_close(db);
}
BENCHMARK(BM_QtTableViewRepaints)->Unit(benchmark::kMicrosecond);

}  // namespace
