// The panel's own sampling tick, as a user runs it: the view's timer handler (sample and
// Invalidate), then the event loop paints the chart. Counts heap allocations at the C library.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "../trend/AllocCounter.h"
#include "StoreCounter.h"
#include "app/CKTX2300MApp.h"
#include "panel/CKTX2300MDlgView.h"
#include "platform/CMessageBox.h"
#include "trend/CTrendPlot.h"

namespace {

CKTX2300MDlgView *g_view = nullptr;

void BM_PanelTick(benchmark::State &state) {
  auto *chart = g_view->findChild<CTrendPlot *>();
  if (!chart || !chart->isVisible()) {
    state.SkipWithError("chart not shown");
    return;
  }
  for (int i = 0; i < 50; ++i) {
    g_view->OnTimer(1);
    QCoreApplication::processEvents();
  }
  const auto before = AllocationCount();
  for (auto _ : state) {
    g_view->OnTimer(1);
    QCoreApplication::processEvents();
  }
  state.counters["allocs_per_tick"] = benchmark::Counter(
      static_cast<double>(AllocationCount() - before), benchmark::Counter::kAvgIterations);
  state.SetLabel(std::to_string(chart->width()) + "x" + std::to_string(chart->height()));
}
BENCHMARK(BM_PanelTick)->Unit(benchmark::kMicrosecond);

// A tick whose sample changes the chart (CH1 a ramp from 1 V to 9 V over 100 samples, which
// moves through the columns as the samples move on). Its allocations are counted in three parts:
// the program's own path from the timer to the image in the window (the timer handler without
// the calls into the window's backing store), the platform plugin's work behind those calls
// (preparing the store for painting, handing the chart's rectangle to the screen), and the event
// loop after it (where a window system's answers come in).
void BM_PanelTickChanging(benchmark::State &state) {
  auto *chart = g_view->findChild<CTrendPlot *>();
  if (!chart || !chart->isVisible()) {
    state.SkipWithError("chart not shown");
    return;
  }
  int n = 0;
  std::uint64_t handler = 0;
  std::uint64_t inStore = 0;
  std::uint64_t loop = 0;
  for (auto _ : state) {
    state.PauseTiming();
    g_view->ShowActualVolt(0, 1.0 + (++n % 100) * 0.08);
    QCoreApplication::processEvents(); // the box's new text painted
    state.ResumeTiming();
    const auto before = AllocationCount();
    const auto storeBefore = StoreAllocationCount();
    g_view->OnTimer(1);
    const auto afterHandler = AllocationCount();
    const auto store = StoreAllocationCount() - storeBefore;
    handler += afterHandler - before - store;
    inStore += store;
    QCoreApplication::processEvents();
    loop += AllocationCount() - afterHandler;
  }
  const auto ticks = static_cast<double>(state.iterations());
  state.counters["allocs_program"] = static_cast<double>(handler) / ticks;
  state.counters["allocs_store"] = static_cast<double>(inStore) / ticks;
  state.counters["allocs_loop"] = static_cast<double>(loop) / ticks;
}
BENCHMARK(BM_PanelTickChanging)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  platform::SetMessageHook([](const QString &) {});
  CKTX2300MApp theApp;
  if (!theApp.InitInstance({}))
    return 1;
  g_view = theApp.View();
  g_view->OnToggleCompact(); // expanded: the chart is shown
  QCoreApplication::processEvents();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
