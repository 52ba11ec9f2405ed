#include <algorithm>
#include <array>
#include <vector>

#include <QImage>
#include <gtest/gtest.h>

#include "CurveShapes.h"
#include "trend/TrendGeometry.h"

using namespace trend;

TEST(TrendGrid, LinesStartAtZeroAndStayInsideTheExtent) {
  const struct {
    int extent, divisions, count, last;
  } cases[] = {
      {400, kChartColumns, 20, 380}, // the panel's chart: every 20 pixels
      {100, 8, 8, 87},               // 12.5 per row: 87.5 truncated
      {3, 5, 5, 2},                  // fractional steps truncate to repeated positions
      {0, 20, 0, 0},
      {-5, 10, 0, 0},
  };
  for (const auto &c : cases) {
    std::array<int, kMaxLines> pos{};
    ASSERT_EQ(GridPositions(c.extent, c.divisions, pos), c.count) << c.extent;
    EXPECT_EQ(pos[0], 0);
    EXPECT_EQ(pos[std::max(c.count - 1, 0)], c.last) << c.extent;
  }
}

TEST(TrendCurve, WindowEdgesMapToChartEdgesAndSegmentsChain) {
  const int w = 520, h = 145, start = 123;
  std::vector<double> ring(kRingCapacity);
  for (int i = 0; i < kRingCapacity; ++i)
    ring[i] = 3.0 + (i % 37) * 0.3;
  // lo = 3, hi = 13: the oldest sample at hi, the next at lo, the next two outside the window.
  const double edges[] = {13.0, 3.0, 2.0, 14.0, 8.0};
  std::copy(std::begin(edges), std::end(edges), ring.begin() + start);
  const std::vector<QLine> lines = CurveOf(ring, start, QRect(0, 0, w, h), 3.0, 13.0);
  ASSERT_EQ(lines.size(), size_t(kRingCapacity - 1));
  EXPECT_EQ(lines[0].p1(), QPoint(0, 0));
  EXPECT_EQ(lines[0].y2(), h);
  EXPECT_GT(lines[2].y1(), h);
  EXPECT_LT(lines[3].y1(), 0);
  EXPECT_EQ(lines[4].y1(), 72); // 8 V: 72.5 truncated
  EXPECT_EQ(lines.back().x2(), w);
  // The single-precision height: (13 - v) * 145 / 10 stored as float, then truncated.
  EXPECT_EQ(lines[5].y1(), static_cast<int>(static_cast<float>((13.0 - ring[start + 5]) * h / 10)));
  const float step = w / 1999.0f;
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    ASSERT_EQ(lines[i].p2(), lines[i + 1].p1());
    ASSERT_EQ(lines[i].x1(), static_cast<int>(static_cast<double>(i) * step));
  }
}

TEST(TrendCurve, LinesStopAtTheRingOrTheRoomGiven) {
  const std::vector<double> ring(10, 1.0);
  const struct {
    size_t samples, heights, room;
    int count;
  } cases[] = {{1, 10, 10, 0}, {0, 10, 10, 0}, {10, 10, 10, 9}, {10, 4, 10, 3}, {10, 10, 5, 5}};
  for (const auto &c : cases) {
    std::array<float, 10> ys;
    // One guard line past the room given shows nothing is written beyond it.
    std::array<QLine, 11> lines;
    lines.fill(QLine(-1, -1, -1, -1));
    const int count = CurveLines(std::span(ring).first(c.samples), 0, 0, 10, 0, 0, 100, 100,
                                 std::span(ys).first(c.heights), std::span(lines).first(c.room));
    EXPECT_EQ(count, c.count) << c.samples << " " << c.heights << " " << c.room;
    EXPECT_EQ(lines[c.room], QLine(-1, -1, -1, -1)) << c.room;
  }
}

// The ticks climb from the bottom by the division height summed in single precision: where the
// sum falls short or overshoots the span decides the top tick's place, or leaves it out.
TEST(TrendRulers, VoltTicksRunFromBaseAtTheBottomToBasePlusTen) {
  std::array<RulerTick, kMaxLines> ticks;
  const struct {
    int h, count, topY;
  } cases[] = {{86, 11, 6}, {100, 11, 5}, {145, 11, 5}, {123, 10, 17}, {10, 1, 5}, {9, 0, 0}};
  for (const auto &c : cases) {
    ASSERT_EQ(VoltRulerTicks(20, c.h, -3, 1, 10, ticks), c.count) << c.h;
    for (int k = 0; k < c.count; ++k) {
      EXPECT_EQ(ticks[k].value, k - 3) << c.h;
      EXPECT_EQ(ticks[k].from.x(), 18) << c.h;
      EXPECT_EQ(ticks[k].to, QPoint(k % 2 == 0 ? 9 : 12, ticks[k].from.y())) << c.h; // long, short
      EXPECT_EQ(ticks[k].label, ticks[k].from - QPoint(29, 8)) << c.h;
    }
    if (c.count > 0) {
      EXPECT_EQ(ticks[0].from.y(), c.h - 5);
      EXPECT_EQ(ticks[c.count - 1].from.y(), c.topY) << c.h;
    }
  }
}

TEST(TrendRulers, TimeLabelsRunFromMinusTwentyToZero) {
  std::array<RulerTick, kMaxLines> ticks;
  for (int w : {314, 518}) {
    const int count = TimeRulerTicks(w, -20, 1, 20, ticks);
    ASSERT_EQ(count, 21) << w;
    for (int k = 0; k < count; ++k) {
      EXPECT_EQ(ticks[k].value, k - 20);
      EXPECT_EQ(ticks[k].to.y(), k % 2 == 0 ? 11 : 8);
      EXPECT_EQ(ticks[k].label, QPoint(ticks[k].from.x() - 10, 11));
    }
    EXPECT_EQ(ticks[0].from, QPoint(9, 2));
    EXPECT_EQ(ticks[20].from.x(), w - 9);
  }
  // At 460 the single-precision sum overshoots and the 0 tick is left out.
  EXPECT_EQ(TimeRulerTicks(460, -20, 1, 20, ticks), 20);
}
