#include "trend/TrendGeometry.h"

#include <algorithm>
#include <array>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace trend {

int GridPositions(int extent, int divisions, std::span<int> out) {
  const auto capacity = static_cast<int>(out.size());
  if (extent <= 0 || divisions <= 0)
    return 0;
  const float step = static_cast<float>(extent) / static_cast<float>(divisions);
  int count = 0;
  // The single-precision sum may stop just short of the edge, giving one more line there.
  for (float x = 0.0f; x < static_cast<float>(extent) && count < capacity; x = x + step)
    out[count++] = static_cast<int>(x);
  return count;
}

int CurveHeights(std::span<const double> ring, int start, double lo, double hi, int height,
                 std::span<float> ys) {
  const int n = static_cast<int>(std::min({ring.size(), ys.size(), std::size_t{kRingCapacity}}));
  if (n <= 0)
    return 0;
  const double range = hi - lo;
  // Walked as two straight runs (start to the end, then from slot 0) rather than with a modulo
  // per sample, so the loop vectorises; the values are the same.
  int idx = ((start % n) + n) % n;
  for (int i = 0; i < n; idx = 0) {
    const int run = std::min(n - i, n - idx);
    const double *from = ring.data() + idx;
    float *to = ys.data() + i;
    for (int k = 0; k < run; ++k)
      to[k] = static_cast<float>((hi - from[k]) * height / range);
    i += run;
  }
  return n;
}

int CurvePointXs(int n, int left, int width, std::span<int> xs) {
  n = std::min({n, static_cast<int>(xs.size()), kRingCapacity});
  if (n < 2)
    return 0;
  const double step = static_cast<float>(width) / static_cast<float>(n - 1);
  for (int i = 0; i < n; ++i)
    xs[static_cast<size_t>(i)] = static_cast<int>(i * step + left);
  return n;
}

namespace {

// The last index from `from` on (up to n - 1) whose row is `y`, `from`'s own being y: the end
// of a level run, four rows at a time where the processor can compare them at once (a held
// curve is a few runs of hundreds of points).
int LevelRunEnd(const int *rows, int from, int n, int y) {
  int j = from;
#if defined(__SSE2__)
  const __m128i level = _mm_set1_epi32(y);
  while (j + 4 < n) {
    const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i *>(rows + j + 1));
    const int same = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(next, level)));
    if (same != 0xf)
      return j + std::countr_one(static_cast<unsigned>(same));
    j += 4;
  }
#endif
  while (j + 1 < n && rows[j + 1] == y)
    ++j;
  return j;
}

// Point i's row: the height's sum with the chart's top formed in double, then truncated.
int PointY(int top, float y) {
  return static_cast<int>(top + static_cast<double>(y));
}

} // namespace

int CurveSegments(std::span<const float> ys, int left, int top, int width, std::span<QLine> out) {
  std::array<int, kRingCapacity> xs;
  const int n =
      CurvePointXs(static_cast<int>(std::min(ys.size(), out.size() + 1)), left, width, xs);
  for (int i = 0; i < n - 1; ++i)
    out[size_t(i)] = QLine(xs[size_t(i)], PointY(top, ys[size_t(i)]), xs[size_t(i) + 1],
                           PointY(top, ys[size_t(i) + 1]));
  return std::max(0, n - 1);
}

int JoinedCurveSegments(std::span<const float> ys, std::span<const int> xs, int top,
                        std::span<QLine> out) {
  const int n = static_cast<int>(std::min({ys.size(), xs.size(), out.size() + 1}));
  // The rows first, in one loop the compiler vectorises; the joining then compares integers.
  std::array<int, kRingCapacity> rows;
  for (int i = 0; i < n; ++i)
    rows[size_t(i)] = PointY(top, ys[size_t(i)]);
  int written = 0;
  int i = 0;
  while (i < n - 1) {
    const int y = rows[size_t(i)];
    int j = i + 1;
    if (rows[size_t(j)] == y) {
      // A level run: one segment to its far end, none if that is where it started (x only
      // ever moves one way, so the pieces lie end to end).
      j = LevelRunEnd(rows.data(), j, n, y);
      if (xs[size_t(j)] != xs[size_t(i)])
        out[size_t(written++)] = QLine(xs[size_t(i)], y, xs[size_t(j)], y);
    } else {
      out[size_t(written++)] = QLine(xs[size_t(i)], y, xs[size_t(j)], rows[size_t(j)]);
    }
    i = j;
  }
  return written;
}

int CurveLines(std::span<const double> ring, int start, double lo, double hi, int left, int top,
               int width, int height, std::span<float> scratch, std::span<QLine> out) {
  const int count = CurveHeights(ring, start, lo, hi, height, scratch);
  return CurveSegments(scratch.first(count), left, top, width, out);
}

int JoinedCurveLines(std::span<const double> ring, int start, double lo, double hi, int left,
                     int top, int width, int height, std::span<float> scratch,
                     std::span<QLine> out) {
  const int count = CurveHeights(ring, start, lo, hi, height, scratch);
  std::array<int, kRingCapacity> xs;
  const int points = CurvePointXs(count, left, width, xs);
  return JoinedCurveSegments(scratch.first(count), std::span(xs).first(size_t(points)), top, out);
}

int MergeStraightRuns(std::span<QLine> lines) {
  const auto count = static_cast<int>(lines.size());
  if (count <= 0)
    return 0;
  int written = 0;
  int i = 0;
  while (i < count) {
    const QLine first = lines[i];
    int j = i + 1;
    if (first.x1() == first.x2()) {
      // A vertical run at one x: the union of its pieces is the span of all their ends.
      int lo = std::min(first.y1(), first.y2());
      int hi = std::max(first.y1(), first.y2());
      while (j < count && lines[j].x1() == first.x1() && lines[j].x2() == first.x1()) {
        lo = std::min({lo, lines[j].y1(), lines[j].y2()});
        hi = std::max({hi, lines[j].y1(), lines[j].y2()});
        ++j;
      }
      lines[written++] = j == i + 1 ? first : QLine(first.x1(), lo, first.x1(), hi);
    } else if (first.y1() == first.y2()) {
      // A level run: x only grows along the curve, so the pieces lie end to end.
      int right = first.x2();
      while (j < count && lines[j].y1() == first.y1() && lines[j].y2() == first.y1() &&
             lines[j].x1() == right) {
        right = lines[j].x2();
        ++j;
      }
      lines[written++] = QLine(first.x1(), first.y1(), right, first.y1());
    } else {
      lines[written++] = first;
    }
    i = j;
  }
  return written;
}

namespace {
// Both rulers walk their span in single-precision steps of span / divisions, labelling each
// tick with the next value; place(k, offset, value, tick) decides whether tick k is drawn.
template <class Place>
int WalkRulerTicks(float span, int base, int step, int divisions, std::span<RulerTick> out,
                   Place place) {
  const auto capacity = static_cast<int>(out.size());
  if (span < 0.0f || divisions <= 0)
    return 0;
  const float p = span / static_cast<float>(divisions);
  int count = 0;
  float s = 0.0f;
  int value = base;
  for (int k = 0; count < capacity; ++k) {
    if (place(k, static_cast<int>(s), value, out[count]))
      ++count;
    s = s + p;
    value += step;
    // A ruler with no span to walk (a volt ruler exactly 10 pixels high) has one tick, not an
    // endless loop.
    if (s > span || p <= 0.0f)
      break;
  }
  return count;
}
} // namespace

int VoltRulerTicks(int w, int h, int base, int step, int divisions, std::span<RulerTick> out) {
  const int top = 5;
  const int bottom = h - 5;
  const int x = w - 2;
  return WalkRulerTicks(
      static_cast<float>(bottom - top), base, step, divisions, out,
      [&](int k, int offset, int value, RulerTick &tick) {
        const int y = bottom - offset;
        if (y < top || y > bottom)
          return false;
        const int length = k % 2 == 0 ? 9 : 6;
        tick = {QPoint(x, y), QPoint(x - length, y), QPoint(x - 29, y - 8), value};
        return true;
      });
}

int TimeRulerTicks(int w, int base, int step, int divisions, std::span<RulerTick> out) {
  return WalkRulerTicks(static_cast<float>(w - 18), base, step, divisions, out,
                        [&](int k, int offset, int value, RulerTick &tick) {
                          const int x = 9 + offset;
                          if (x < 9 || x > w - 9)
                            return false;
                          const int length = k % 2 == 0 ? 11 : 8;
                          tick = {QPoint(x, 2), QPoint(x, length), QPoint(x - 10, 11), value};
                          return true;
                        });
}

} // namespace trend
