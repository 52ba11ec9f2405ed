// The report on an image composes both curves at once; the page must be exactly the one where
// each curve is drawn by itself, CH1 first, before the chart's frame.
#include <vector>

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include "trend/CurveRaster.h"
#include "trend/ReportLayout.h"
#include "trend/ReportPage.h"
#include "trend/RulerPainter.h"
#include "trend/TrendGeometry.h"

using namespace trend;

TEST(ReportPage, ComposedCurvesEqualTheCurvesDrawnOneByOne) {
  const struct {
    bool noise1, noise2, on1, on2;
  } cases[] = {{true, true, true, true}, {true, false, true, true}, {false, true, false, true}};
  const int w = 1200, h = 1700;
  for (const auto &c : cases) {
    QRandomGenerator random(7);
    std::vector<double> ch1(kRingCapacity), ch2(kRingCapacity);
    for (int i = 0; i < kRingCapacity; ++i) {
      ch1[size_t(i)] = c.noise1 ? random.bounded(12.0) - 1.0 : 2.0 + i / 500;
      ch2[size_t(i)] = c.noise2 ? random.bounded(10.0) : 8.0 - i / 400;
    }
    ReportData data;
    data.stateCh1.SetOn(c.on1 ? 1 : 0);
    data.stateCh2.SetOn(c.on2 ? 1 : 0);
    data.stateCh1.SetColor(kColorCh1);
    data.stateCh2.SetColor(kColorCh2);
    data.ringOldest = 321;
    const auto page = [&](const ReportData &d) {
      QImage image(w, h, QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter painter(&image);
      DrawReport(painter, w, h, d);
      return image;
    };
    ReportData bare = data; // no samples: no curves
    page(bare);             // the titles' glyphs cached, as on the pages below
    QImage expected = page(bare);
    const ReportRect chart = ComputeReportLayout(w, h, data).chart;
    std::vector<float> ys(kRingCapacity);
    std::vector<QLine> lines(kRingCapacity);
    for (const auto &[on, ring, color] :
         {std::tuple(c.on1, &ch1, kColorCh1), std::tuple(c.on2, &ch2, kColorCh2)}) {
      if (!on)
        continue;
      const int n = CurveLines(*ring, data.ringOldest, 0, kReportVolts, chart.left, chart.top,
                               chart.right - chart.left, chart.bottom - chart.top, ys, lines);
      DrawWideLines(expected, std::span(lines).first(n), ToQColor(color).rgb());
    }
    {
      QPainter painter(&expected);
      DrawReportFrame(painter, chart);
    }
    data.ringCh1 = ch1;
    data.ringCh2 = ch2;
    EXPECT_EQ(page(data), expected) << c.noise1 << c.noise2 << c.on1 << c.on2;
  }
}
