#pragma once
// Window-free geometry of the trend chart, its rulers and the report's chart: where grid lines,
// curve segments and ruler ticks fall for a given size. Widgets and the report page only draw
// what these functions compute, so the rules are checked without a window.
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
// while x < extent, each position truncated. Writes at most `capacity` positions to `out` and
// returns how many there are; none when the extent is 0 or less.
int GridPositions(int extent, int divisions, int *out, int capacity);

// The single-precision heights of n samples (n clamped to kRingCapacity) taken from `ring`
// oldest first, starting at `start` and wrapping at n: ys[i] = (hi - v) * height / (hi - lo).
// Returns the number of values written.
int CurveHeights(const double *ring, int start, int n, double lo, double hi, int height, float *ys);

// The n - 1 segments of a curve whose x spans [left, left + width] with step = width / (n - 1)
// in single precision; ys as CurveHeights writes them. The sums are formed in double before
// truncation. Returns the number of segments written to out (capacity kRingCapacity - 1).
int CurveSegments(const float *ys, int n, int left, int top, int width, QLine *out);

// CurveHeights followed by CurveSegments, with `scratch` holding the heights.
int CurveLines(const double *ring, int start, int n, double lo, double hi, int left, int top,
               int width, int height, float *scratch, QLine *out);

// Consecutive segments that continue along the same vertical or horizontal line cover the same
// pixels as the one segment spanning them, so they are joined in place. Returns the new count.
int MergeStraightRuns(QLine *lines, int count);

// One ruler tick: the line from `from` to `to` (its end point left out, as the line is drawn),
// the label's top-left corner and the labelled value.
struct RulerTick {
  QPoint from;
  QPoint to;
  QPoint label;
  int value = 0;
};

// Volt ruler of width w and height h: ticks from the bottom (value `base`) upwards by `step`.
int VoltRulerTicks(int w, int h, int base, int step, int divisions, RulerTick *out, int capacity);

// Time ruler of width w: ticks from the left (value `base`) rightwards by `step`.
int TimeRulerTicks(int w, int base, int step, int divisions, RulerTick *out, int capacity);

} // namespace trend
