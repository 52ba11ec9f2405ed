// The panel's own sampling tick, as a user runs it: the view's timer handler (sample and
// Invalidate), then the event loop paints the chart. Counts heap allocations at the C library.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "../trend/AllocCounter.h"
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

} // namespace

int main(int argc, char **argv) {
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
