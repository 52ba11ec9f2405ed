// QCustomPlot drawing the same two rings, for comparison with the chart. Its header uses Qt's
// keywords, which the project switches off everywhere else.
#undef QT_NO_KEYWORDS
#include <qcustomplot.h>

#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include "BenchData.h"

namespace {

// The same two rings in QCustomPlot at the same size: fast polylines, no antialiasing, the same
// 20 x 10 grid, axes' labels hidden. Measured as replot with an immediate repaint.
struct QcpFixture {
  QWidget window;
  QCustomPlot *plot = new QCustomPlot(&window);

  QcpFixture(QSize size, RingShape shape) {
    BenchRings rings;
    FillRings(rings, shape);
    window.resize(size + QSize(40, 40));
    plot->setGeometry(20, 0, size.width(), size.height());
    plot->setPlottingHint(QCP::phFastPolylines, true);
    plot->setNotAntialiasedElements(QCP::aeAll);
    plot->setAntialiasedElements(QCP::aeNone);
    plot->axisRect()->setAutoMargins(QCP::msNone);
    plot->axisRect()->setMargins(QMargins(0, 0, 0, 0));
    plot->xAxis->setRange(0, rings.size - 1);
    plot->yAxis->setRange(0, 10);
    QSharedPointer<QCPAxisTickerFixed> xTicks(new QCPAxisTickerFixed);
    xTicks->setTickStep(100);
    plot->xAxis->setTicker(xTicks);
    QSharedPointer<QCPAxisTickerFixed> yTicks(new QCPAxisTickerFixed);
    yTicks->setTickStep(1);
    plot->yAxis->setTicker(yTicks);
    plot->xAxis->setTickLabels(false);
    plot->yAxis->setTickLabels(false);
    QVector<double> x(rings.size), y1(rings.size), y2(rings.size);
    for (int i = 0; i < rings.size; ++i) {
      const int idx = (rings.oldest + i) % rings.size;
      x[i] = i;
      y1[i] = rings.ch1[idx];
      y2[i] = rings.ch2[idx];
    }
    const QColor colors[] = {QColor(128, 255, 128), QColor(0, 255, 255)};
    const QVector<double> *ys[] = {&y1, &y2};
    for (int g = 0; g < 2; ++g) {
      QCPGraph *graph = plot->addGraph();
      graph->setPen(QPen(colors[g], 2));
      graph->setData(x, *ys[g], true);
    }
    window.show();
    QCoreApplication::processEvents();
  }
};

void BM_QCustomPlotReplot(benchmark::State &state) {
  const QSize size = ChartSize(static_cast<int>(state.range(0)));
  const auto shape = static_cast<RingShape>(state.range(1));
  QcpFixture f(size, shape);
  for (auto _ : state)
    f.plot->replot(QCustomPlot::rpImmediateRefresh);
  state.SetLabel(BenchLabel(size, shape));
}
BENCHMARK(BM_QCustomPlotReplot)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMicrosecond);

} // namespace

double QcpReplotMedianUs(QSize size, RingShape shape) {
  QcpFixture f(size, shape);
  return MedianCpuMicros([&f] { f.plot->replot(QCustomPlot::rpImmediateRefresh); });
}
