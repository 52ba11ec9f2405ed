#include <algorithm>
#include <array>
#include <memory>

#include <QPainter>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "CurveShapes.h"
#include "trend/CTimeRuler.h"
#include "trend/CTrendPlot.h"
#include "trend/CVoltRuler.h"
#include "trend/TrendGeometry.h"

using trend::kRingCapacity;

namespace {

struct Rings {
  std::array<double, kRingCapacity> ch1{};
  std::array<double, kRingCapacity> ch2{};
  int oldest = 0;
};

// The panel's arrangement: the three controls as plain children placed at given rectangles.
struct Panel {
  std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
  CVoltRuler *ruler = new CVoltRuler(window.get());
  CTrendPlot *chart = new CTrendPlot(window.get());
  CTimeRuler *time = new CTimeRuler(window.get());
  Rings rings;

  Panel() {
    window->resize(600, 300);
    ruler->setGeometry(20, 40, 20, 110); // 110 high: 10 pixels a division
    chart->setGeometry(45, 45, 400, 100);
    time->setGeometry(40, 150, 420, 20);
    chart->Attach(rings.ch1, rings.ch2, &rings.oldest, ruler);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  // Mouse input through the window, as the platform delivers it: Qt's implicit grab applies.
  QWindow *Handle() const { return window->windowHandle(); }
  QPoint At(const QWidget *w, QPoint p) const { return w->mapTo(window.get(), p); }
  void Press(const QWidget *w, QPoint p) {
    QTest::mousePress(Handle(), Qt::LeftButton, {}, At(w, p));
  }
  void Release(const QWidget *w, QPoint p) {
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, At(w, p));
  }
  void Move(const QWidget *w, QPoint p) { QTest::mouseMove(Handle(), At(w, p)); }

  QImage Chart() const { return chart->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

const QRgb kCh1 = qRgb(128, 255, 128);
const QRgb kCh2 = qRgb(0, 255, 255);

} // namespace

// Qt hands every move and the release to the pressed ruler; the ruler sees only moves over
// itself, keeps dragging after a release elsewhere, and a repaint leaves the drag's result alone.
// A move that changes the base redraws the chart in the new window at once, without waiting for
// the next sample.
TEST(RulerWidgets, VoltRulerDragsOnlyOverItselfUntilReleasedOnIt) {
  Panel panel;
  CVoltRuler *ruler = panel.ruler;
  panel.rings.ch1.fill(3.5);
  panel.chart->Invalidate();
  QTest::qWait(30); // the platform delivers a requested update after a few milliseconds
  const QImage atZero = ruler->grab().toImage();
  panel.Press(ruler, QPoint(10, 30));
  panel.Move(panel.chart, QPoint(200, 70));
  panel.Move(panel.time, QPoint(5, 10));
  panel.Release(panel.chart, QPoint(250, 50));
  EXPECT_EQ(ruler->GetBase(), 0);
  // Back over the ruler with no button held: 11 pixels down at 10 a division, twice; each move
  // redraws only the rows the curve leaves and enters.
  for (const int y : {41, 52}) {
    panel.Move(ruler, QPoint(10, y));
    QTest::qWait(30);
  }
  EXPECT_EQ(ruler->GetBase(), 2);
  CVoltRuler atTwo; // the chart a ruler at 2 gives, drawn afresh
  atTwo.Scale().SetBase(2);
  CTrendPlot fresh;
  fresh.resize(panel.chart->size());
  fresh.Attach(panel.rings.ch1, panel.rings.ch2, &panel.rings.oldest, &atTwo);
  fresh.Render(1.0);
  EXPECT_EQ(panel.chart->Image(), fresh.Image());
  panel.Press(ruler, QPoint(10, 52));
  panel.Release(ruler, QPoint(10, 52));
  panel.Move(ruler, QPoint(10, 90));
  const QImage moved = ruler->grab().toImage();
  EXPECT_NE(moved, atZero) << "the labels follow the base";
  panel.window->hide();
  panel.window->show();
  QCoreApplication::processEvents();
  EXPECT_EQ(ruler->GetBase(), 2);
  EXPECT_EQ(ruler->grab().toImage(), moved);
  // The time ruler's labels stay where they are whatever the mouse does.
  const QImage time = panel.time->grab().toImage();
  panel.Press(panel.time, QPoint(100, 10));
  panel.Move(panel.time, QPoint(50, 15));
  panel.Release(panel.time, QPoint(50, 15));
  EXPECT_EQ(panel.time->grab().toImage(), time);
}

// The curve's geometry has its table in TrendGeometryTest; here new samples enter on the right
// and CH2 lies over CH1.
TEST(TrendPlotWidget, ChartShowsGridAndSamplesInTheRulersWindow) {
  Panel panel;
  QImage image = panel.Chart();
  // Before any sample both rings are 0 V, on the bottom edge; CH2 is drawn over CH1.
  EXPECT_EQ(image.pixel(200, 99), kCh2);

  // 300 ticks after start-up the oldest sample sits in slot 300 and the newest in 0 ... 299.
  std::fill_n(panel.rings.ch1.begin(), 300, 7.0);
  panel.rings.oldest = 300;
  panel.chart->Invalidate();
  image = panel.Chart();
  // 300 of 2000 samples: the rightmost 60 pixels, 7 V in 0..10.
  EXPECT_EQ(image.pixel(395, 30), kCh1);
  EXPECT_EQ(image.pixel(345, 30), kCh1);
  EXPECT_NE(image.pixel(300, 30), kCh1);
}

// A repaint takes back from the grid only what the last curves covered: drawn over the old
// curves, the new ones must leave exactly the picture a fresh chart draws. On a screen scaled by
// two that picture is the one of a chart twice the size: no pixel is stretched.
TEST(TrendPlotWidget, RedrawingOverOldCurvesEqualsAFreshDrawing) {
  const auto fresh = [](Rings &rings, QSize size) {
    CTrendPlot chart;
    chart.resize(size);
    chart.Attach(rings.ch1, rings.ch2, &rings.oldest, nullptr);
    chart.Render(1.0);
    return chart.Image();
  };
  const struct {
    Shape from, to;
    qreal ratio;
  } cases[] = {{Shape::Steps, Shape::Steps, 1.0},
               {Shape::Steps, Shape::Noise, 1.0},
               {Shape::Beyond, Shape::Steps, 1.0},
               {Shape::Noise, Shape::Beyond, 2.0}};
  for (const auto &c : cases) {
    Rings rings;
    CTrendPlot chart;
    chart.resize(300, 80);
    chart.Attach(rings.ch1, rings.ch2, &rings.oldest, nullptr);
    for (int seed : {1, 2, 3}) {
      FillRing(rings.ch1, seed == 1 ? c.from : c.to, seed);
      FillRing(rings.ch2, seed == 1 ? c.from : c.to, seed + 3);
      rings.oldest = seed * 37;
      chart.Render(c.ratio);
      QImage image = chart.Image();
      image.setDevicePixelRatio(1.0);
      EXPECT_EQ(image, fresh(rings, QSize(int(300 * c.ratio), int(80 * c.ratio))))
          << int(c.from) << int(c.to) << " " << seed << " " << c.ratio;
    }
  }
  // Held curves that change apart (CH1's newest samples, CH2's oldest, at the two ends or close
  // together): a few pixels in a wide box, or a box mostly changed.
  for (const int ch2Start : {0, 1800}) {
    Rings rings;
    rings.ch1.fill(2.0);
    rings.ch2.fill(7.0);
    CTrendPlot chart;
    chart.resize(300, 80);
    chart.Attach(rings.ch1, rings.ch2, &rings.oldest, nullptr);
    chart.Render(1.0);
    for (double nudge : {0.2, 0.5}) {
      std::fill(rings.ch1.end() - 60, rings.ch1.end(), 2.0 + nudge);
      std::fill(rings.ch2.begin() + ch2Start, rings.ch2.begin() + ch2Start + 60, 7.0 - nudge);
      chart.Render(1.0);
      EXPECT_EQ(chart.Image(), fresh(rings, QSize(300, 80))) << ch2Start << " " << nudge;
    }
  }
}
