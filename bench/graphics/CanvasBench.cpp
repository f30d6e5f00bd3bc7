// Costs of the canvas operations a paint pass repeats: filling a window, drawing grid lines,
// laying out wrapped Chinese text and copying a cell bitmap.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "graphics/Gdi.h"
#include "graphics/Graphic.h"

namespace {

QGuiApplication& App() {
  static int argc = 1;
  static char name[] = "bench_graphics";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
  return app;
}

void FillWindow(benchmark::State& state) {
  App();
  TBitmap window(800, 600);
  const HBRUSH brush = GetSysColorBrush(COLOR_BTNFACE);
  for (auto _ : state) FillRect(window.Canvas(), Rect(0, 0, 800, 600), brush);
}
BENCHMARK(FillWindow);

void GridLines(benchmark::State& state) {
  App();
  TBitmap window(800, 600);
  for (auto _ : state)
    for (int y = 0; y < 600; y += 20) {
      MoveToEx(window.Canvas(), 0, y);
      LineTo(window.Canvas(), 800, y);
    }
}
BENCHMARK(GridLines);

void WrappedChineseText(benchmark::State& state) {
  App();
  TBitmap cell(200, 100);
  for (auto _ : state) {
    TRect r = Rect(0, 0, 200, 100);
    DrawText(cell.Canvas(), "立定跳远、一千米跑和坐位体前屈的成绩按年级标准换算为得分。", -1, r,
             DT_WORDBREAK | DT_END_ELLIPSIS | DT_NOPREFIX);
  }
}
BENCHMARK(WrappedChineseText);

void CopyCellBitmap(benchmark::State& state) {
  App();
  TBitmap window(800, 600), cell(120, 20);
  for (auto _ : state) BitBlt(window.Canvas(), 10, 10, 120, 20, cell.Canvas(), 0, 0, SRCCOPY);
}
BENCHMARK(CopyCellBitmap);

}  // namespace
