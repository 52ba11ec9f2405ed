// A sample puts the chart into its window's backing store at once where nothing covers it; a
// covered chart is left to Qt's repaint, which keeps what lies on top.
#include <array>

#include <QBackingStore>
#include <QTest>
#include <gtest/gtest.h>

#include "trend/CTrendPlot.h"
#include "trend/TrendGeometry.h"

using trend::kRingCapacity;

namespace {

// What the offscreen screen shows of a window: its backing store.
QImage Screen(QWidget &window) {
  return static_cast<QImage *>(window.backingStore()->paintDevice())->copy();
}

} // namespace

TEST(TrendPlotWidget, ASampleReachesTheScreenAtOnceOnlyWhereNothingCoversIt) {
  const QRect chartRect(30, 20, 300, 120);
  const QRect coverRect(100, 60, 50, 50);
  for (const bool covered : {false, true}) {
    QWidget window;
    window.resize(400, 200);
    auto *chart = new CTrendPlot(&window);
    chart->setGeometry(chartRect);
    if (covered) {
      auto *cover = new QWidget(&window);
      cover->setStyleSheet(QStringLiteral("background: red"));
      cover->setAttribute(Qt::WA_StyledBackground);
      cover->setGeometry(coverRect);
    }
    std::array<double, kRingCapacity> ch1{}, ch2{};
    ch1.fill(2.0);
    ch2.fill(7.0);
    int oldest = 0;
    chart->Attach(ch1, ch2, &oldest, nullptr);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    const QImage before = Screen(window);

    // Noise, then held curves that move only at their newest end, by a volt and then by a tenth
    // (once the store holds the chart, only the changed columns go across).
    const auto tick = [&](double newest) {
      for (int i = 0; i < kRingCapacity; ++i)
        ch1[static_cast<size_t>(i)] = newest < 0 ? (i % 2 ? 1.0 : 9.0) : i < 1900 ? 2.0 : newest;
      ++oldest;
      chart->Invalidate();
    };
    tick(-1.0);
    const QImage now = Screen(window);
    if (covered) {
      EXPECT_EQ(now, before);
      ASSERT_TRUE(QTest::qWaitFor([&] { return Screen(window) != before; }, 5000));
      EXPECT_EQ(Screen(window).pixel(coverRect.center()), qRgb(255, 0, 0));
      continue;
    }
    ASSERT_NE(now.copy(chartRect), before.copy(chartRect));
    for (double newest : {0.0, 3.0, 4.0, 4.1}) {
      if (newest > 0)
        tick(newest);
      const QImage image = Screen(window);
      EXPECT_EQ(image.copy(chartRect), chart->Image().convertToFormat(image.format())) << newest;
      EXPECT_EQ(image.copy(0, 0, 400, chartRect.top()), before.copy(0, 0, 400, chartRect.top()));
    }
  }
}
