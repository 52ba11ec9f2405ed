// Start-up to the first painted frame and peak memory, each measured in a fresh process on the
// offscreen platform: the benchmark starts this same program with --child once per iteration.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QProcess>
#include <QTimer>
#include <benchmark/benchmark.h>

#include "app/CKTX2300MApp.h"
#include "app/CMainFrame.h"
#include "platform/CMessageBox.h"

namespace {
using Clock = std::chrono::steady_clock;
Clock::time_point g_start;

long PeakRssKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0)
      return std::stol(line.substr(6));
  return -1;
}

// Reports the time of the frame's first paint, then ends the program.
class FirstPaint : public QObject {
protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
      QTimer::singleShot(0, [] {
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - g_start).count();
        std::printf("%.3f %ld\n", ms, PeakRssKiB());
        QCoreApplication::exit(0);
      });
      qApp->removeEventFilter(this);
    }
    return false;
  }
};

int RunChild(int argc, char **argv) {
  g_start = Clock::now();
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  platform::SetMessageHook([](const QString &) {});
  FirstPaint watcher;
  app.installEventFilter(&watcher);
  CKTX2300MApp theApp;
  if (!theApp.InitInstance({}))
    return 1;
  return app.exec();
}

void BM_StartupToFirstPaint(benchmark::State &state) {
  double peak = 0;
  for (auto _ : state) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
    if (!child.waitForFinished(30000)) {
      state.SkipWithError("child did not finish");
      return;
    }
    double ms = 0;
    long kib = 0;
    if (std::sscanf(child.readAllStandardOutput().constData(), "%lf %ld", &ms, &kib) != 2) {
      state.SkipWithError("child printed no figures");
      return;
    }
    state.SetIterationTime(ms / 1000.0);
    peak = std::max(peak, static_cast<double>(kib) / 1024.0);
  }
  state.counters["peak_MiB"] = peak;
}
BENCHMARK(BM_StartupToFirstPaint)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char **argv) {
  if (argc > 1 && std::strcmp(argv[1], "--child") == 0)
    return RunChild(argc, argv);
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
