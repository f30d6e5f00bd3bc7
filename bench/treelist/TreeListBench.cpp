// Paging through 100,000 rows: the tree list scrolled a page at a time and repainted, beside a
// QTreeView over the same rows in the same run, and the memory each row takes in both.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QPixmap>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTreeView>

#include "controls/Application.h"
#include "controls/ControlClasses.h"
#include "controls/Forms.h"
#include "treelist/dxTLClasses.h"
#include "treelist/dxTLControl.h"
#include "windows/MessageQueue.h"
#include "windows/Paint.h"
#include "windows/Scrolling.h"

namespace {

constexpr int RowCount = 100000;
constexpr int Width = 600, Height = 400;

QApplication& App() {
  static int argc = 1;
  static char name[] = "bench_treelist";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    auto* made = new QApplication(argc, argv);
    RegisterTreeListClasses();
    InitApplication();
    return made;
  }();
  return *app;
}

size_t HeapInUse() { return mallinfo2().uordblks; }

String CellText(int Row, int Column) {
  static const char* const items[] = {"立定跳远", "一千米跑", "坐位体前屈", "引体向上"};
  return Column == 0 ? "学生" + std::to_string(Row) : Column == 1 ? items[Row % 4] : std::to_string(60 + Row % 40);
}

// A tree list of three columns on a shown form, filled with RowCount rows.
struct TTreeListFixture {
  TForm* Form;
  TCustomdxTreeListControl* List;
  size_t BytesPerRow = 0;

  TTreeListFixture() {
    App();
    Form = TCustomForm::Create<TForm>(Application);
    Form->SetBounds(0, 0, Width + 20, Height + 40);
    List = new TCustomdxTreeListControl(Form);
    List->SetParent(Form);
    List->SetBounds(0, 0, Width, Height);
    for (int c = 0; c < 3; ++c) List->CreateColumnOf<TdxTreeListColumn>(Form)->SetWidth(Width / 3);
    const size_t before = HeapInUse();
    List->BeginUpdate();
    for (int r = 0; r < RowCount; ++r) {
      TdxTreeListNode* node = List->Add();
      for (int c = 0; c < 3; ++c) node->SetStrings(c, CellText(r, c));
    }
    List->EndUpdate();
    BytesPerRow = (HeapInUse() - before) / RowCount;
    Form->Show();
    UpdateWindow(Form->Handle());
  }
  ~TTreeListFixture() { delete Form; }
};

void TreeListPageDown(benchmark::State& state) {
  TTreeListFixture fixture;
  const HWND wnd = fixture.List->Handle();
  for (auto _ : state) {
    if (fixture.List->GetTopIndex() >= RowCount - fixture.List->FullyVisibleRowCount()) {
      state.PauseTiming();
      SendMessage(wnd, WM_VSCROLL, SB_TOP);
      UpdateWindow(wnd);
      state.ResumeTiming();
    }
    SendMessage(wnd, WM_VSCROLL, SB_PAGEDOWN);
    UpdateWindow(wnd);
  }
  state.counters["bytes_per_row"] = double(fixture.BytesPerRow);
  state.counters["rows_per_page"] = fixture.List->FullyVisibleRowCount();
}
BENCHMARK(TreeListPageDown)->Unit(benchmark::kMicrosecond);

void QTreeViewPageDown(benchmark::State& state) {
  App();
  const size_t before = HeapInUse();
  QStandardItemModel model(RowCount, 3);
  for (int r = 0; r < RowCount; ++r)
    for (int c = 0; c < 3; ++c) model.setItem(r, c, new QStandardItem(QString::fromStdString(CellText(r, c))));
  const size_t bytesPerRow = (HeapInUse() - before) / RowCount;
  QTreeView view;
  view.setUniformRowHeights(true);
  view.setModel(&model);
  view.resize(Width, Height);
  view.show();
  QApplication::processEvents();
  QScrollBar* bar = view.verticalScrollBar();
  // The rows are painted into an image of the viewport, as the tree list paints into its window.
  QPixmap rows(view.viewport()->size());
  view.viewport()->render(&rows);
  for (auto _ : state) {
    if (bar->value() >= bar->maximum()) {
      state.PauseTiming();
      bar->setValue(0);
      state.ResumeTiming();
    }
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    view.viewport()->render(&rows);
  }
  state.counters["bytes_per_row"] = double(bytesPerRow);
  state.counters["rows_per_page"] = bar->pageStep();
}
BENCHMARK(QTreeViewPageDown)->Unit(benchmark::kMicrosecond);

}  // namespace
