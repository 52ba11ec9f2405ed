#include <array>

#include <QTest>
#include <gtest/gtest.h>

#include "trend/CTrendPlot.h"
#include "trend/CVoltRuler.h"

namespace {

struct PaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject *, QEvent *event) override {
    paints += event->type() == QEvent::Paint;
    return false;
  }
};

// The chart a ruler at `base` gives, drawn afresh.
QImage ChartAt(int base, std::span<const double> ring, const int *oldest) {
  CVoltRuler ruler;
  ruler.Scale().SetBase(base);
  CTrendPlot chart;
  chart.resize(200, 100);
  chart.Attach(ring, ring, oldest, &ruler);
  chart.Render(1.0);
  return chart.Image();
}

// A drag that moves the base repaints the chart at once in the new window, without waiting for
// the next sample; a move within a division repaints nothing.
TEST(RulerChart, ChartFollowsTheBaseAtOnce) {
  QWidget window;
  window.resize(300, 150);
  auto *ruler = new CVoltRuler(&window);
  ruler->setGeometry(10, 10, 20, 110); // 10 pixels a division
  auto *chart = new CTrendPlot(&window);
  chart->setGeometry(40, 15, 200, 100);
  std::array<double, trend::kRingCapacity> ring{};
  ring.fill(3.5);
  const int oldest = 0;
  chart->Attach(ring, ring, &oldest, ruler);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QTest::qWait(30);
  PaintCounter counter;
  chart->installEventFilter(&counter);

  const struct {
    int y;
    int base;
    bool repaint;
  } moves[] = {{25, 0, false}, {36, 1, true}, {41, 2, true}, {31, 2, false}, {10, -1, true}};
  QTest::mousePress(window.windowHandle(), Qt::LeftButton, {},
                    ruler->mapTo(&window, QPoint(5, 20)));
  for (const auto &move : moves) {
    const int before = counter.paints;
    QTest::mouseMove(window.windowHandle(), ruler->mapTo(&window, QPoint(5, move.y)));
    QTest::qWait(30); // the platform delivers a requested update after a few milliseconds
    ASSERT_EQ(ruler->GetBase(), move.base) << move.y;
    EXPECT_EQ(counter.paints > before, move.repaint) << move.y;
    EXPECT_EQ(chart->Image(), ChartAt(move.base, ring, &oldest)) << move.y;
  }
}

} // namespace
