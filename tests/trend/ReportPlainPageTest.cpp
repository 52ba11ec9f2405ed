// On a plain image the report writes its page fill, chart and grid itself; the page must be
// exactly the one Qt draws on any other painter. Text stays below the size Qt draws from outlines
// (TextStampTest covers those).
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "trend/ReportLayout.h"
#include "trend/ReportPage.h"
#include "trend/TrendGeometry.h"

using namespace trend;

TEST(ReportPage, PlainImageGivesQtsPage) {
  const struct {
    int w, h, dpi;
    bool on1, on2;
  } cases[] = {
      {1200, 1400, 100, true, true},
      {901, 1273, 72, true, false}, // odd sizes
      {400, 560, 150, false, true}, // the date line reaches into the chart
  };
  for (const auto &c : cases) {
    ReportData data;
    data.stateCh1.SetOn(c.on1 ? 1 : 0);
    data.stateCh2.SetOn(c.on2 ? 1 : 0);
    data.localTime = QDateTime(QDate(2013, 3, 5), QTime(9, 7, 45));
    const auto page = [&](bool clipped) {
      QImage image(c.w, c.h, QImage::Format_RGB32);
      image.setDotsPerMeterX(c.dpi * 10000 / 254);
      image.setDotsPerMeterY(c.dpi * 10000 / 254);
      image.fill(Qt::gray); // the page must cover what lay there
      QPainter painter(&image);
      if (clipped)
        painter.setClipRect(image.rect());
      DrawReport(painter, c.w, c.h, data);
      return image;
    };
    const QImage expected = page(true);
    EXPECT_EQ(page(false), expected) << c.w << "x" << c.h;
  }
}
