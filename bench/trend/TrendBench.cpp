// Chart repaint, sampling tick and report page timings on the offscreen platform.
#include <cstdio>
#include <memory>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "AllocCounter.h"
#include "BenchData.h"
#include "trend/CReportPrinter.h"
#include "trend/CTrendPlot.h"
#include "trend/CVoltRuler.h"
#include "trend/ReportPage.h"

namespace {

// A panel-like parent with the chart placed as a plain child, shown on the offscreen screen of
// the given device pixel ratio (1 or 2, see main).
struct ChartFixture {
  QWidget window;
  CVoltRuler *ruler = new CVoltRuler(&window);
  CTrendPlot *chart = new CTrendPlot(&window);
  BenchRings rings;

  ChartFixture(QSize size, RingShape shape, int ratio = 1) {
    FillRings(rings, shape);
    const auto screens = QGuiApplication::screens();
    QScreen *screen = screens.value(ratio - 1, screens.value(0));
    window.setScreen(screen);
    window.move(screen->geometry().topLeft());
    window.resize(size + QSize(40, 40));
    ruler->setGeometry(0, 0, 20, size.height());
    chart->setGeometry(20, 0, size.width(), size.height());
    chart->Attach(rings.Ch1(), rings.Ch2(), &rings.oldest, ruler);
    window.show();
    QCoreApplication::processEvents();
  }
};

void SampleAndRepaint(ChartFixture &f) {
  f.rings.Tick(f.rings.ch1[f.rings.oldest], f.rings.ch2[f.rings.oldest]);
  f.chart->Invalidate();
  QCoreApplication::sendPostedEvents();
}

std::string RatioLabel(QSize size, RingShape shape, const CTrendPlot &chart) {
  return BenchLabel(size, shape) + " @" + std::to_string(chart.devicePixelRatioF()).substr(0, 3);
}

// Render after a sample: the grid restored and both curves written into the chart's image (what
// a tick's repaint costs).
void BM_ChartRender(benchmark::State &state) {
  const QSize size = ChartSize(static_cast<int>(state.range(0)));
  const auto shape = static_cast<RingShape>(state.range(1));
  ChartFixture f(size, shape, static_cast<int>(state.range(2)));
  f.chart->Render();
  for (auto _ : state) {
    f.rings.Tick(f.rings.ch1[f.rings.oldest], f.rings.ch2[f.rings.oldest]);
    f.chart->Render();
    benchmark::DoNotOptimize(f.chart->Image().constBits());
  }
  state.SetLabel(RatioLabel(size, shape, *f.chart));
}
BENCHMARK(BM_ChartRender)->ArgsProduct({{0, 1}, {0, 1}, {1, 2}})->Unit(benchmark::kMicrosecond);

// The whole repaint as a sample makes it: Invalidate renders the chart and puts it into the
// window's backing store (or asks Qt for a repaint, delivered here), at device pixel ratio 1 and 2.
void BM_ChartRepaint(benchmark::State &state) {
  const QSize size = ChartSize(static_cast<int>(state.range(0)));
  const auto shape = static_cast<RingShape>(state.range(1));
  ChartFixture f(size, shape, static_cast<int>(state.range(2)));
  SampleAndRepaint(f);
  const auto before = AllocationCount();
  for (auto _ : state)
    SampleAndRepaint(f);
  state.counters["allocs_per_repaint"] = benchmark::Counter(
      static_cast<double>(AllocationCount() - before), benchmark::Counter::kAvgIterations);
  state.SetLabel(RatioLabel(size, shape, *f.chart));
}
BENCHMARK(BM_ChartRepaint)->ArgsProduct({{0, 1}, {0, 1}, {1, 2}})->Unit(benchmark::kMicrosecond);

// For scale: the plain version, one drawLine per segment with nothing cached.
void BM_ChartPlainQPainter(benchmark::State &state) {
  const QSize size = ChartSize(static_cast<int>(state.range(0)));
  BenchRings rings;
  FillRings(rings, static_cast<RingShape>(state.range(1)));
  QImage image(size, QImage::Format_RGB32);
  std::array<float, trend::kRingCapacity> ys;
  std::array<QLine, trend::kRingCapacity> lines;
  for (auto _ : state) {
    image.fill(QColor(247, 247, 255));
    QPainter painter(&image);
    for (const std::span<const double> ring : {rings.Ch1(), rings.Ch2()}) {
      const int n = trend::CurveLines(ring, rings.oldest, 0, 10, 0, 0, size.width(), size.height(),
                                      ys, lines);
      painter.setPen(QPen(Qt::green, 2));
      for (int i = 0; i < n; ++i)
        painter.drawLine(lines[i]);
    }
  }
  state.SetLabel(BenchLabel(size, static_cast<RingShape>(state.range(1))));
}
BENCHMARK(BM_ChartPlainQPainter)->ArgsProduct({{0}, {0, 1}})->Unit(benchmark::kMicrosecond);

// One sampling tick without the repaint; counts heap allocations inside the timed loop.
void BM_SamplingTick(benchmark::State &state) {
  BenchRings rings;
  double v = 0.0;
  const auto before = AllocationCount();
  for (auto _ : state) {
    rings.Tick(v, 9.0 - v);
    v = v < 9.0 ? v + 0.001 : 0.0;
    benchmark::DoNotOptimize(rings);
  }
  state.counters["allocs_per_tick"] = benchmark::Counter(
      static_cast<double>(AllocationCount() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SamplingTick);

// Heap allocations of one render after a sample.
void BM_ChartRenderAllocations(benchmark::State &state) {
  ChartFixture f(QSize(520, 145), RingShape::Noise);
  f.chart->Render();
  const auto before = AllocationCount();
  for (auto _ : state) {
    f.rings.Tick(f.rings.ch1[f.rings.oldest], f.rings.ch2[f.rings.oldest]);
    f.chart->Render();
  }
  state.counters["allocs_per_render"] = benchmark::Counter(
      static_cast<double>(AllocationCount() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ChartRenderAllocations)->Unit(benchmark::kMicrosecond);

trend::ReportData ReportBundle(const BenchRings &rings) {
  trend::ReportData data;
  data.ringCh1 = rings.Ch1();
  data.ringCh2 = rings.Ch2();
  data.ringOldest = rings.oldest;
  data.stateCh1.SetOn(1);
  data.stateCh1.SetColor(kColorCh1);
  data.stateCh2.SetOn(1);
  data.stateCh2.SetColor(kColorCh2);
  data.localTime = QDateTime(QDate(2013, 3, 5), QTime(9, 7, 45));
  return data;
}

// The page drawn on a 600 dpi A4 raster (the printable area of a typical laser printer).
void BM_ReportPageRaster600(benchmark::State &state) {
  BenchRings rings;
  FillRings(rings, static_cast<RingShape>(state.range(0)));
  const trend::ReportData data = ReportBundle(rings);
  const QSize page = QPageSize(QPageSize::A4).sizePixels(600);
  QImage image(page, QImage::Format_RGB32);
  image.setDotsPerMeterX(23622);
  image.setDotsPerMeterY(23622);
  image.fill(Qt::white);
  for (auto _ : state) {
    QPainter painter(&image);
    trend::DrawReport(painter, page.width(), page.height(), data);
  }
  state.SetLabel(QStringLiteral("%1x%2 px").arg(page.width()).arg(page.height()).toStdString());
}
BENCHMARK(BM_ReportPageRaster600)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The print path to a 600 dpi PDF printer: page drawn and the file written.
void BM_ReportPagePdf600(benchmark::State &state) {
  BenchRings rings;
  FillRings(rings, RingShape::Noise);
  const trend::ReportData data = ReportBundle(rings);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bench.pdf"));
  for (auto _ : state) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(600);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&printer);
    trend::DrawReport(painter, printer.width(), printer.height(), data);
  }
}
BENCHMARK(BM_ReportPagePdf600)->Unit(benchmark::kMillisecond);

// Scale 2 against scale 1, measured alternately in the same run.
void PrintScaleRatios() {
  std::printf("\nrepaint medians (thread CPU time, 301 runs each)\n");
  const QSize size = TemplateChartSize();
  for (RingShape shape : {RingShape::Steps, RingShape::Noise}) {
    ChartFixture one(size, shape, 1);
    ChartFixture two(size, shape, 2);
    const auto repaint = [](ChartFixture &f) {
      return MedianCpuMicros([&f] { SampleAndRepaint(f); });
    };
    const double a = repaint(one);
    const double b = repaint(two);
    std::printf("%-16s scale 1 %8.1f us  scale 2 %8.1f us  scale 2 / scale 1 %.2f\n",
                BenchLabel(size, shape).c_str(), a, b, b / a);
  }
}

void PrintRatios() {
#ifdef KTX_HAVE_QCUSTOMPLOT
  std::printf("\nrepaint medians (thread CPU time, 301 runs each)\n");
  for (int which : {0, 1}) {
    for (RingShape shape : {RingShape::Steps, RingShape::Noise}) {
      const QSize size = ChartSize(which);
      double ours = 0;
      {
        ChartFixture f(size, shape);
        ours = MedianCpuMicros([&f] {
          f.chart->Invalidate();
          QCoreApplication::sendPostedEvents();
        });
      }
      const double theirs = QcpReplotMedianUs(size, shape);
      std::printf("%-16s ours %8.1f us  QCustomPlot %8.1f us  ours/theirs %.3f\n",
                  BenchLabel(size, shape).c_str(), ours, theirs, ours / theirs);
    }
  }
#else
  std::printf("\nQCustomPlot (Qt 6) not found: no comparison\n");
#endif
}

} // namespace

int main(int argc, char **argv) {
  // Two offscreen screens, the second at device pixel ratio 2, so that both scales are measured
  // in one run.
  QTemporaryDir configDir;
  const QString config = configDir.filePath(QStringLiteral("screens.json"));
  QFile file(config);
  if (file.open(QIODevice::WriteOnly))
    file.write(R"({"screens": [
      {"name": "one", "x": 0, "y": 0, "width": 1600, "height": 1200, "dpr": 1},
      {"name": "two", "x": 1600, "y": 0, "width": 1600, "height": 1200, "dpr": 1}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
  // Scaled by Qt, as a desktop session scales a high-density screen: the windows there get a
  // backing store of twice the pixels. (The offscreen screen's own "dpr" keeps a store of the
  // logical size and shrinks every picture into it.)
  qputenv("QT_SCREEN_SCALE_FACTORS", "1;2");
  QApplication app(argc, argv);
  const QSize t = TemplateChartSize();
  std::printf("chart template size: %d x %d px (297 x 82 dialog units)\n", t.width(), t.height());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  PrintScaleRatios();
  PrintRatios();
  return 0;
}
