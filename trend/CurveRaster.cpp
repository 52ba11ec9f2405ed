#include "trend/CurveRaster.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <QPaintEngine>
#include <QPainter>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace trend {
namespace {

// Far beyond any image, yet small enough that the column arithmetic stays within 64 bits. The
// curves' x always lie on the chart; only a wild sample sends y this far out.
constexpr int kCoordLimit = 1 << 24;

constexpr int kEmptyTop = 1 << 30;
constexpr int kEmptyBottom = -(1 << 30);

// Non-negative quotient, by the much cheaper 32-bit division when both operands fit.
int64_t Quotient(int64_t num, int64_t den) {
  if (num <= UINT32_MAX && den <= UINT32_MAX)
    return static_cast<uint32_t>(num) / static_cast<uint32_t>(den);
  return num / den;
}

// The rational (num + i * step) / den for i = 0, 1, 2, ... (all non-negative), stepped without a
// division per step: a segment costs two divisions however many columns it crosses.
class RationalWalk {
public:
  RationalWalk(int64_t num, int64_t step, int64_t den)
      : m_q(Quotient(num, den)), m_r(num - m_q * den), m_stepQ(Quotient(step, den)),
        m_stepR(step - m_stepQ * den), m_den(den) {}
  int64_t Floor() const { return m_q; }
  int64_t Ceil() const { return m_q + (m_r != 0 ? 1 : 0); }
  void Next() {
    m_q += m_stepQ;
    m_r += m_stepR;
    if (m_r >= m_den) {
      m_r -= m_den;
      ++m_q;
    }
  }

private:
  int64_t m_q;
  int64_t m_r;
  int64_t m_stepQ;
  int64_t m_stepR;
  int64_t m_den;
};

// The vertical runs of one colour for a band of columns, merged as they arrive and written once
// the drawing moves past the band. A curve's segments overlap heavily inside a column (four
// samples a column on the screen chart), so each pixel is written about once instead of once per
// segment.
class ColumnRuns {
public:
  ColumnRuns(uchar *bits, qsizetype bytesPerLine, int width, int height, quint32 pixel,
             ColumnSpans spans)
      : m_bits(bits), m_bytesPerLine(bytesPerLine), m_width(width), m_height(height),
        m_pixel(pixel), m_spans(spans) {
    Clear();
  }

  // Rows top .. bottom (inclusive) of column col, clipped to the image.
  void Add(int col, int top, int bottom) {
    if (col < 0 || col >= m_width)
      return;
    top = std::max(top, 0);
    bottom = std::min(bottom, m_height - 1);
    if (top > bottom)
      return;
    if (col < m_start || col >= m_start + kBand) {
      Flush();
      // Moving right, the band keeps the column left of this one: the next segment of a curve
      // widens into it.
      m_start = col >= m_start + kBand ? std::max(0, col - 2) : std::max(0, col - kBand / 2);
    }
    const int k = col - m_start;
    int &t = m_top[static_cast<size_t>(k)];
    int &b = m_bottom[static_cast<size_t>(k)];
    // An empty column holds top > bottom at the far ends of int, so the union below takes the
    // new run whole; only a real gap (segments given out of order) takes a branch. On noise the
    // other cases come in no order a predictor could learn.
    const bool gap = (t <= b) & ((top > b + 1) | (bottom < t - 1));
    if (gap) {
      WriteColumn(col, t, b);
      t = kEmptyTop;
      b = kEmptyBottom;
    }
    t = std::min(t, top);
    b = std::max(b, bottom);
    m_rowTop = std::min(m_rowTop, top);
    m_rowBottom = std::max(m_rowBottom, bottom);
  }

  // A run of the thin line, widened to the pen.
  void AddThin(int col, int top, int bottom) {
    Add(col - 1, top - 1, bottom);
    Add(col, top - 1, bottom);
  }

  // Row y of the thin line in columns from .. to.
  void AddLevel(int from, int to, int y) {
    for (int col = from; col <= to; ++col)
      AddThin(col, y, y);
  }

  void Flush() {
    if (m_rowTop > m_rowBottom)
      return;
    // Column by column, only the pixels themselves (walking the band row by row with a mask
    // visits the gaps too and was slower even on noise). On a tall page every row is a page of
    // memory of its own, so the columns go down together in blocks of rows, keeping the pages
    // in the TLB.
    const int n = std::min(kBand, m_width - m_start);
    for (int from = m_rowTop; from <= m_rowBottom; from += kRowBlock) {
      const int to = std::min(from + kRowBlock - 1, m_rowBottom);
      for (int k = 0; k < n; ++k) {
        const int t = std::max(m_top[static_cast<size_t>(k)], from);
        const int b = std::min(m_bottom[static_cast<size_t>(k)], to);
        if (t <= b)
          WriteColumn(m_start + k, t, b);
      }
    }
    Clear();
  }

private:
  static constexpr int kBand = 64;
  static constexpr int kRowBlock = 32;

  void WriteColumn(int col, int top, int bottom) {
    if (m_spans.top) {
      int &t = m_spans.top[col];
      int &b = m_spans.bottom[col];
      t = std::min(t, top);
      b = std::max(b, bottom);
    }
    // Held in locals: the pixel stores could alias the members, which the loop would then load
    // again for every pixel.
    const qsizetype stride = m_bytesPerLine;
    const quint32 pixel = m_pixel;
    uchar *p = m_bits + top * stride + static_cast<qsizetype>(col) * 4;
    for (int y = top; y <= bottom; ++y, p += stride)
      *reinterpret_cast<quint32 *>(p) = pixel;
  }

  void Clear() {
    m_top.fill(kEmptyTop);
    m_bottom.fill(kEmptyBottom);
    m_rowTop = kEmptyTop;
    m_rowBottom = kEmptyBottom;
  }

  uchar *m_bits;
  qsizetype m_bytesPerLine;
  int m_width;
  int m_height;
  quint32 m_pixel;
  ColumnSpans m_spans;
  int m_start = 0;
  int m_rowTop = kEmptyTop;
  int m_rowBottom = kEmptyBottom;
  std::array<int, kBand> m_top{};
  std::array<int, kBand> m_bottom{};
};

// Collects each column's rows into `spans` without writing an image: first the thin line's runs,
// each column's in one run, then the pen's width in one pass (Widen). Runs that neither meet nor
// overlap mark the curve as split: its columns are then not one run each, and the caller draws it
// the ordinary way.
class SpanRuns {
public:
  SpanRuns(int width, int height, ColumnSpans spans)
      : m_width(width), m_height(height), m_spans(spans) {}

  // Columns 0 .. width and rows 0 .. height: the thin line's last column and row widen into the
  // image's. Rows beyond are left out, so that a curve leaving the image and coming back does not
  // count as split.
  void AddThin(int col, int top, int bottom) {
    top = std::max(top, 0);
    bottom = std::min(bottom, m_height);
    if (col < 0 || col > m_width || top > bottom)
      return;
    int &t = col < m_width ? m_spans.top[col] : m_edgeTop;
    int &b = col < m_width ? m_spans.bottom[col] : m_edgeBottom;
    // One free row between two runs is closed by the pen, which widens each run upwards.
    m_split |= (t <= b) & ((top > b + 2) | (bottom < t - 2));
    t = std::min(t, top);
    b = std::max(b, bottom);
  }

  // Row y of the thin line in columns from .. to: a held curve's long level runs, one short
  // loop without the clipping of each column.
  void AddLevel(int from, int to, int y) {
    if (y < 0 || y > m_height)
      return;
    from = std::max(from, 0);
    if (to >= m_width && from <= m_width) {
      AddThin(m_width, y, y);
      to = m_width - 1;
    }
    bool split = false;
    for (int col = from; col <= to; ++col) {
      int &t = m_spans.top[col];
      int &b = m_spans.bottom[col];
      split |= (t <= b) & ((y > b + 2) | (y < t - 2));
      t = std::min(t, y);
      b = std::max(b, y);
    }
    m_split |= split;
  }

  // Column c of the pen takes the thin rows of c and c + 1, each from one row higher, clipped to
  // the image. Returns whether every column is one run.
  bool Widen() {
    if (m_width <= 0)
      return !m_split;
    bool split = m_split;
    // Written column by column from left to right, each reading its right neighbour before that
    // is written; the last column's neighbour is the edge beyond the image.
    const auto widen = [&](int &t, int &b, int nextTop, int nextBottom) {
      split |= (t <= b) & (nextTop <= nextBottom) & ((nextTop > b + 2) | (t > nextBottom + 2));
      const int top = std::max(std::min(t, nextTop) - 1, 0);
      const int bottom = std::min(std::max(b, nextBottom), m_height - 1);
      const bool any = top <= bottom;
      t = any ? top : kEmptyTop;
      b = any ? bottom : kEmptyBottom;
    };
    int *tops = m_spans.top;
    int *bottoms = m_spans.bottom;
    const int last = m_width - 1;
    for (int c = 0; c < last; ++c)
      widen(tops[c], bottoms[c], tops[c + 1], bottoms[c + 1]);
    widen(tops[last], bottoms[last], m_edgeTop, m_edgeBottom);
    m_split = split;
    return !split;
  }

private:
  int m_width;
  int m_height;
  ColumnSpans m_spans;
  int m_edgeTop = kEmptyTop;
  int m_edgeBottom = kEmptyBottom;
  bool m_split = false;
};

// One pixel run of the thin line, widened to the pen: this column and the one to its left, from
// one row above the run to its bottom.
template <class Runs> void AddThinRun(Runs &runs, int col, int top, int bottom) {
  runs.AddThin(col, top, bottom);
}

// Rows tMin .. tMax (counted from y0 in direction sy) of column col; of the segment's ady + 1
// rows, the last one (or the first, when the segment was turned round) is left out.
template <class Runs>
void AddSteepRun(Runs &runs, int col, int y0, int sy, int64_t tMin, int64_t tMax, int64_t ady,
                 bool leaveFirst) {
  if (leaveFirst)
    tMin = std::max<int64_t>(tMin, 1);
  else
    tMax = std::min(tMax, ady - 1);
  if (tMin > tMax)
    return;
  const int ya = y0 + sy * static_cast<int>(tMin);
  const int yb = y0 + sy * static_cast<int>(tMax);
  AddThinRun(runs, col, std::min(ya, yb), std::max(ya, yb));
}

template <class Runs> void AddSegment(Runs &runs, int width, int height, const QLine &line) {
  int x0 = std::clamp(line.x1(), -kCoordLimit, kCoordLimit);
  int y0 = std::clamp(line.y1(), -kCoordLimit, kCoordLimit);
  int x1 = std::clamp(line.x2(), -kCoordLimit, kCoordLimit);
  int y1 = std::clamp(line.y2(), -kCoordLimit, kCoordLimit);
  // Walked left to right; the end left out is p2, whichever side it lands on.
  bool leaveFirst = false;
  if (x1 < x0) {
    std::swap(x0, x1);
    std::swap(y0, y1);
    leaveFirst = true;
  }
  if (x0 == x1 && y0 == y1)
    return;
  // The widened segment lies in columns x0 - 1 .. x1 and rows min - 1 .. max.
  if (x1 < 0 || x0 - 1 >= width || std::max(y0, y1) < 0 || std::min(y0, y1) - 1 >= height)
    return;
  const int64_t dx = x1 - x0;
  const int sy = y1 >= y0 ? 1 : -1;
  const int64_t ady = std::abs(y1 - y0);
  const int64_t skipK = leaveFirst ? 0 : dx; // the column of the end left out (shallow)
  // Only columns 0 .. width reach the image (a run also paints the column to its left).
  const int64_t kFirst = std::max<int64_t>(0, -x0);
  const int64_t kLast = std::min<int64_t>(dx, static_cast<int64_t>(width) - x0);
  if (ady == 0) {
    // Level, most of a held curve: every column but the end left out.
    const int64_t from = skipK == 0 ? std::max<int64_t>(kFirst, 1) : kFirst;
    const int64_t to = skipK == dx ? std::min(kLast, dx - 1) : kLast;
    if (from <= to)
      runs.AddLevel(x0 + static_cast<int>(from), x0 + static_cast<int>(to), y0);
    return;
  }
  if (dx == 1 && ady == 1) {
    // One diagonal step: no division needed.
    for (int64_t k = kFirst; k <= kLast; ++k)
      if (k != skipK)
        AddThinRun(runs, x0 + static_cast<int>(k), y0 + sy * static_cast<int>(k * ady),
                   y0 + sy * static_cast<int>(k * ady));
    return;
  }
  if (ady <= dx) {
    // Shallow: one pixel a column, at t = round(k * ady / dx) rows from y0 (halves rounded up).
    RationalWalk t(2 * kFirst * ady + dx, 2 * ady, 2 * dx);
    for (int64_t k = kFirst; k <= kLast; ++k, t.Next()) {
      if (k == skipK)
        continue;
      const int y = y0 + sy * static_cast<int>(t.Floor());
      AddThinRun(runs, x0 + static_cast<int>(k), y, y);
    }
    return;
  }
  // Steep: row t (0 .. ady) lies in column round(t * dx / ady), so column k holds the rows from
  // the half-way crossing on its left, ceil(ady * (2k - 1) / 2dx), to the one on its right.
  if (dx <= 1) {
    // Most segments of a screen curve (four samples a column): no division needed.
    const int64_t half = (ady + 1) / 2;
    if (kFirst == 0)
      AddSteepRun(runs, x0, y0, sy, 0, dx == 0 ? ady : half - 1, ady, leaveFirst);
    if (dx == 1 && kLast == 1)
      AddSteepRun(runs, x0 + 1, y0, sy, half, ady, ady, leaveFirst);
    return;
  }
  RationalWalk right(ady * (2 * kFirst + 1), 2 * ady, 2 * dx);
  int64_t tMin = kFirst == 0 ? 0 : RationalWalk(ady * (2 * kFirst - 1), 0, 2 * dx).Ceil();
  for (int64_t k = kFirst; k <= kLast; ++k, right.Next()) {
    const int64_t next = right.Ceil();
    AddSteepRun(runs, x0 + static_cast<int>(k), y0, sy, tMin, k == dx ? ady : next - 1, ady,
                leaveFirst);
    tMin = next;
  }
}

// Joins the vertical segments of lines[i ..] that continue the chain in the column of `line`
// (which is lines[i]) into `line` and returns the index of the last one taken. The chain's
// segments leave out only their last end, and only when no earlier point of the column reached
// it; every row between is crossed.
int JoinColumn(const QLine *lines, int count, int i, QLine &line) {
  const int x = line.x1();
  int last = std::clamp(line.y2(), -kCoordLimit, kCoordLimit);
  int lo = std::clamp(line.y1(), -kCoordLimit, kCoordLimit);
  int hi = lo;
  int taken = i;
  for (int j = i + 1; j < count; ++j) {
    const QLine &next = lines[j];
    if (next.p1() == next.p2())
      continue;
    if (next.x1() != x || next.x2() != x || next.y1() != line.y2())
      break;
    lo = std::min(lo, last);
    hi = std::max(hi, last);
    last = std::clamp(next.y2(), -kCoordLimit, kCoordLimit);
    line.setP2(next.p2());
    taken = j;
  }
  if (taken == i)
    return i;
  if (last < lo)
    line = QLine(x, hi, x, last);
  else if (last > hi)
    line = QLine(x, lo, x, last);
  else
    line = QLine(x, lo, x, hi + 1);
  return taken;
}

template <class Runs>
void AddLines(Runs &runs, int width, int height, std::span<const QLine> lines) {
  const auto count = static_cast<int>(lines.size());
  for (int i = 0; i < count; ++i) {
    QLine line = lines[i];
    if (line.p1() == line.p2())
      continue;
    // A held value is a chain of level segments (and empty ones where samples share a column):
    // one segment from its start to its last end covers the same pixels for a fraction of the
    // work.
    if (line.y1() == line.y2() && line.x2() > line.x1()) {
      for (; i + 1 < count; ++i) {
        const QLine &next = lines[i + 1];
        if (next.p1() == next.p2())
          continue;
        if (next.p1() != line.p2() || next.y2() != line.y2() || next.x2() < next.x1())
          break;
        line.setP2(next.p2());
      }
    }
    // A dense curve puts several samples into one column: the chain's vertical segments there
    // cover every row between their extremes, so they become one segment as well.
    else if (line.x1() == line.x2())
      i = JoinColumn(lines.data(), count, i, line);
    AddSegment(runs, width, height, line);
  }
}

} // namespace

QImage *RasterTarget(QPainter &painter) {
  QPaintDevice *device = painter.device();
  if (!device || device->devType() != QInternal::Image || !painter.paintEngine() ||
      painter.paintEngine()->type() != QPaintEngine::Raster)
    return nullptr;
  auto *image = static_cast<QImage *>(device);
  if (!CanRasterInto(*image) || image->devicePixelRatio() != 1.0 ||
      !painter.deviceTransform().isIdentity() || painter.hasClipping() ||
      painter.opacity() != 1.0 ||
      (painter.compositionMode() != QPainter::CompositionMode_SourceOver &&
       painter.compositionMode() != QPainter::CompositionMode_Source))
    return nullptr;
  return image;
}

bool CanRasterInto(const QImage &image) {
  switch (image.format()) {
  case QImage::Format_RGB32:
  case QImage::Format_ARGB32:
  case QImage::Format_ARGB32_Premultiplied:
    return !image.isNull();
  default:
    return false;
  }
}

void DrawWideLines(uchar *bits, qsizetype bytesPerLine, int width, int height,
                   std::span<const QLine> lines, quint32 pixel, ColumnSpans spans) {
  if (!bits || width <= 0 || height <= 0 || lines.empty())
    return;
  ColumnRuns runs(bits, bytesPerLine, width, height, pixel, spans);
  AddLines(runs, width, height, lines);
  runs.Flush();
}

bool CoverColumns(int width, int height, std::span<const QLine> lines, ColumnSpans spans) {
  if (width <= 0 || height <= 0)
    return true;
  std::fill_n(spans.top, width, kEmptyTop);
  std::fill_n(spans.bottom, width, kEmptyBottom);
  SpanRuns runs(width, height, spans);
  AddLines(runs, width, height, lines);
  return runs.Widen();
}

// Also built for AVX2, taken at load time where the processor has it: eight pixels a step.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
void ComposeRow(const quint32 *from, quint32 *to, int width, int y, const TwoCurves &curves) {
  const int *lowTop = curves.lower.top;
  const int *lowBottom = curves.lower.bottom;
  const int *upTop = curves.upper.top;
  const int *upBottom = curves.upper.bottom;
  const quint32 low = curves.lowerPixel;
  const quint32 up = curves.upperPixel;
  // Branch-free, so that the compiler does four pixels at a time.
  for (int x = 0; x < width; ++x) {
    quint32 p = from[x];
    p = (lowTop[x] <= y) & (y <= lowBottom[x]) ? low : p;
    p = (upTop[x] <= y) & (y <= upBottom[x]) ? up : p;
    to[x] = p;
  }
}

#if defined(__x86_64__) && defined(__GNUC__)
namespace {
// Streaming stores of 32 bytes: on a 600-dpi page a sixth faster than 16 at a time.
__attribute__((target("avx"))) void CopyRowPastAvx(quint32 *to, const quint32 *from, int width) {
  int x = 0;
  for (; x < width && (reinterpret_cast<quintptr>(to + x) & 31) != 0; ++x)
    to[x] = from[x];
  for (; x + 8 <= width; x += 8)
    _mm256_stream_si256(reinterpret_cast<__m256i *>(to + x),
                        _mm256_loadu_si256(reinterpret_cast<const __m256i *>(from + x)));
  for (; x < width; ++x)
    to[x] = from[x];
}
} // namespace
#endif

void CopyRowPast(quint32 *to, const quint32 *from, int width) {
#if defined(__x86_64__) && defined(__GNUC__)
  static const bool avx = __builtin_cpu_supports("avx");
  if (avx) {
    CopyRowPastAvx(to, from, width);
    return;
  }
#endif
#if defined(__SSE2__)
  // Streaming stores: the row goes to memory without being read into the cache first.
  int x = 0;
  for (; x < width && (reinterpret_cast<quintptr>(to + x) & 15) != 0; ++x)
    to[x] = from[x];
  for (; x + 4 <= width; x += 4)
    _mm_stream_si128(reinterpret_cast<__m128i *>(to + x),
                     _mm_loadu_si128(reinterpret_cast<const __m128i *>(from + x)));
  for (; x < width; ++x)
    to[x] = from[x];
#else
  std::memcpy(to, from, static_cast<size_t>(width) * sizeof(quint32));
#endif
}

void EndRowCopies() {
#if defined(__SSE2__)
  _mm_sfence();
#endif
}

void ComposeColumn(const uchar *from, uchar *to, qsizetype bytesPerLine, int x, int top, int bottom,
                   const TwoCurves &curves) {
  const int lowTop = curves.lower.top[x];
  const int lowBottom = curves.lower.bottom[x];
  const int upTop = curves.upper.top[x];
  const int upBottom = curves.upper.bottom[x];
  const qsizetype at = static_cast<qsizetype>(x) * 4;
  for (int y = top; y <= bottom; ++y) {
    quint32 p = *reinterpret_cast<const quint32 *>(from + y * bytesPerLine + at);
    p = (lowTop <= y) & (y <= lowBottom) ? curves.lowerPixel : p;
    p = (upTop <= y) & (y <= upBottom) ? curves.upperPixel : p;
    *reinterpret_cast<quint32 *>(to + y * bytesPerLine + at) = p;
  }
}

void DrawWideLines(QImage &image, std::span<const QLine> lines, QRgb color, ColumnSpans spans) {
  if (!CanRasterInto(image))
    return;
  DrawWideLines(image.bits(), image.bytesPerLine(), image.width(), image.height(), lines,
                0xff000000u | color, spans);
}

} // namespace trend
