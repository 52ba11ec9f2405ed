// 100,000 sampling ticks, each followed by the chart's repaint, on the offscreen platform.
// Prints the resident set after 1,000 ticks and at the end: it must not grow.
#include <cstdio>
#include <fstream>
#include <string>

#include <QApplication>
#include <QElapsedTimer>

#include "AllocCounter.h"
#include "BenchData.h"
#include "trend/CTrendPlot.h"
#include "trend/CVoltRuler.h"

namespace {
long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0)
      return std::stol(line.substr(6));
  return -1;
}
} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int ticks = argc > 1 ? std::stoi(argv[1]) : 100000;

  QWidget window;
  const QSize size = TemplateChartSize();
  window.resize(size + QSize(40, 40));
  auto *ruler = new CVoltRuler(&window);
  auto *chart = new CTrendPlot(&window);
  ruler->setGeometry(0, 0, 20, size.height());
  chart->setGeometry(20, 0, size.width(), size.height());
  BenchRings rings;
  chart->Attach(rings.Ch1(), rings.Ch2(), &rings.oldest, ruler);
  window.show();
  QCoreApplication::processEvents();

  long rssAt1000 = 0;
  std::uint64_t allocsAt1000 = 0;
  QElapsedTimer timer;
  timer.start();
  for (int i = 1; i <= ticks; ++i) {
    // Step-like set points with a little wander, as a step run produces.
    rings.Tick(1.0 + (i / 500) % 8 + (i % 7) * 0.01, 9.0 - (i / 300) % 8);
    chart->Invalidate();
    QCoreApplication::processEvents();
    if (i == 1000) {
      rssAt1000 = ResidentKiB();
      allocsAt1000 = AllocationCount();
    }
  }
  const double seconds = timer.elapsed() / 1000.0;
  const long rssEnd = ResidentKiB();
  std::printf("chart %d x %d px, %d ticks with repaint in %.2f s (%.1f us per tick)\n",
              size.width(), size.height(), ticks, seconds, seconds * 1e6 / ticks);
  std::printf("RSS after 1000 ticks: %ld KiB\n", rssAt1000);
  std::printf("RSS at the end:       %ld KiB (change %+ld KiB)\n", rssEnd, rssEnd - rssAt1000);
  std::printf("heap allocations per tick after tick 1000: %.2f\n",
              ticks > 1000 ? static_cast<double>(AllocationCount() - allocsAt1000) / (ticks - 1000)
                           : 0.0);
  return 0;
}
