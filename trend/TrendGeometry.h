#pragma once
// Window-free geometry of the trend chart, its rulers and the report's chart: where grid lines,
// curve segments and ruler ticks fall for a given size. Widgets and the report page only draw
// what these functions compute, so the rules are checked without a window.
#include <span>

#include <QLine>
#include <QPoint>

namespace trend {

// The rings hold this many samples; the curve's y values live in a fixed array of this size.
inline constexpr int kRingCapacity = 2000;

// Screen chart: 20 columns by 10 rows, a 10-volt window.
inline constexpr int kChartColumns = 20;
inline constexpr int kChartRows = 10;
inline constexpr int kChartVolts = 10;

// Enough room for every grid line or ruler tick the loops below can produce.
inline constexpr int kMaxLines = 64;

// Grid lines along an extent split into `divisions`: the single-precision walk x = 0, dx, 2dx, ...
// while x < extent, each position truncated. Writes at most out.size() positions and returns how
// many there are; none when the extent is 0 or less.
int GridPositions(int extent, int divisions, std::span<int> out);

// The single-precision heights of the ring's n samples (n clamped to kRingCapacity and to the
// room in ys) oldest first, starting at `start` and wrapping at n:
// ys[i] = (hi - v) * height / (hi - lo). Returns the number of values written.
int CurveHeights(std::span<const double> ring, int start, double lo, double hi, int height,
                 std::span<float> ys);

// The n - 1 segments of a curve of n = ys.size() heights (at most kRingCapacity, and no more
// than out has room for) whose x spans [left, left + width] with step = width / (n - 1) in
// single precision; ys as CurveHeights writes them. The sums are formed in double before
// truncation. Returns the number of segments written to out.
int CurveSegments(std::span<const float> ys, int left, int top, int width, std::span<QLine> out);

// CurveHeights followed by CurveSegments, with `scratch` holding the heights.
int CurveLines(std::span<const double> ring, int start, double lo, double hi, int left, int top,
               int width, int height, std::span<float> scratch, std::span<QLine> out);

// The x of each of a curve's n points as CurveSegments places them (n at most kRingCapacity and
// xs.size()); none when n is under two. Returns how many were written. They change only with
// the chart's width, so the chart keeps them between repaints.
int CurvePointXs(int n, int left, int width, std::span<int> xs);

// CurveSegments for the curve rasteriser (CurveRaster.h), whose segments leave out their end
// point, with the points' x from CurvePointXs: the segments whose ends coincide, which paint
// nothing there, are left out, and each run of level segments becomes one, as the next segment
// paints the end each leaves out. The rasterised pixels are the same; a held curve of four
// samples a column shrinks to a few segments.
int JoinedCurveSegments(std::span<const float> ys, std::span<const int> xs, int top,
                        std::span<QLine> out);
// CurveHeights followed by JoinedCurveSegments.
int JoinedCurveLines(std::span<const double> ring, int start, double lo, double hi, int left,
                     int top, int width, int height, std::span<float> scratch,
                     std::span<QLine> out);

// Consecutive segments that continue along the same vertical or horizontal line cover the same
// pixels as the one segment spanning them, so they are joined in place. Returns the new count.
int MergeStraightRuns(std::span<QLine> lines);

// One ruler tick: the line from `from` to `to` (its end point left out, as the line is drawn),
// the label's top-left corner and the labelled value.
struct RulerTick {
  QPoint from;
  QPoint to;
  QPoint label;
  int value = 0;
};

// Volt ruler of width w and height h: ticks from the bottom (value `base`) upwards by `step`.
int VoltRulerTicks(int w, int h, int base, int step, int divisions, std::span<RulerTick> out);

// Time ruler of width w: ticks from the left (value `base`) rightwards by `step`.
int TimeRulerTicks(int w, int base, int step, int divisions, std::span<RulerTick> out);

} // namespace trend
