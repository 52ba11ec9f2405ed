#include "trend/ComposedChart.h"

#include <algorithm>
#include <array>

#include "trend/RulerPainter.h"
#include "trend/TrendGeometry.h"

namespace trend {

ComposedChart::ComposedChart(QImage *image, const ReportRect &chart, double lo, double hi,
                             const ReportData &data) {
  if (!image)
    return;
  const int w = image->width();
  const int h = image->height();
  inside_ = QRect(chart.left, chart.top, chart.right - chart.left, chart.bottom - chart.top);
  const auto columns = static_cast<size_t>(w);
  spans_.resize(4 * columns);
  std::vector<float> ys(kRingCapacity);
  std::vector<QLine> lines(kRingCapacity);
  const std::array<bool, 2> on{data.stateCh1.GetOn() != 0, data.stateCh2.GetOn() != 0};
  const std::array<std::span<const double>, 2> rings{data.ringCh1, data.ringCh2};
  for (size_t k = 0; k < 2; ++k) {
    const int count =
        on[k] && !rings[k].empty()
            ? JoinedCurveLines(rings[k], data.ringOldest, lo, hi, chart.left, chart.top,
                               chart.right - chart.left, chart.bottom - chart.top, ys, lines)
            : 0;
    if (!CoverColumns(w, h, std::span(lines).first(count),
                      {&spans_[2 * k * columns], &spans_[(2 * k + 1) * columns]}))
      return;
  }
  int left = w, right = -1, top = h, bottom = -1;
  for (int x = 0; x < w; ++x)
    for (size_t k = 0; k < 2; ++k) {
      const int t = spans_[2 * k * columns + size_t(x)];
      const int b = spans_[(2 * k + 1) * columns + size_t(x)];
      if (t <= b) {
        left = std::min(left, x);
        right = x;
        top = std::min(top, t);
        bottom = std::max(bottom, b);
      }
    }
  curves_ = QRect(QPoint(left, top), QPoint(right, bottom));
  two_ = {{&spans_[0], &spans_[columns]},
          0xff000000u | ToQColor(data.stateCh1.GetColor()).rgb(),
          {&spans_[2 * columns], &spans_[3 * columns]},
          0xff000000u | ToQColor(data.stateCh2.GetColor()).rgb()};
  image_ = image;
  bits_ = image->bits();
  bytesPerLine_ = image->bytesPerLine();
}

void ComposedChart::FillAround(const QRect &area) const {
  const QRect fill = area.intersected(image_->rect());
  const std::vector<quint32> white(static_cast<size_t>(std::max(fill.width(), 0)), 0xffffffffu);
  const auto stream = [&](int y, int from, int to) {
    if (from <= to)
      CopyRowPast(Row(y) + from, white.data(), to - from + 1);
  };
  for (int y = fill.top(); y <= fill.bottom(); ++y) {
    if (y < inside_.top() || y > inside_.bottom()) {
      stream(y, fill.left(), fill.right());
      continue;
    }
    stream(y, fill.left(), std::min(fill.right(), inside_.left() - 1));
    stream(y, std::max(fill.left(), inside_.right() + 1), fill.right());
  }
  EndRowCopies();
}

void ComposedChart::Write(QColor grid) const {
  WriteInside(0xff000000u | grid.rgb());
  if (curves_.isEmpty())
    return;
  // Beyond the chart the curves cover a few pixels of each row, over what the page drew there.
  const QRect &c = curves_;
  const QRect &in = inside_;
  PaintBeyond(QRect(c.topLeft(), QPoint(c.right(), in.top() - 1)));
  PaintBeyond(QRect(QPoint(c.left(), in.bottom() + 1), c.bottomRight()));
  PaintBeyond(QRect(QPoint(c.left(), in.top()), QPoint(in.left() - 1, in.bottom())));
  PaintBeyond(QRect(QPoint(in.right() + 1, in.top()), QPoint(c.right(), in.bottom())));
}

// The chart's rows go out of a row buffer that holds the row with the curves over it. From one
// row to the next a pixel changes only where a curve's run starts or ends in its column, so only
// those pixels are worked out again; the grid's ruled rows are composed whole. The image's memory
// is written once and never read.
void ComposedChart::WriteInside(quint32 line) const {
  const int width = inside_.width();
  const int height = inside_.height();
  const int top = inside_.top();
  const auto left = static_cast<size_t>(inside_.left());
  // Vertical lines run the chart's full height, horizontal ones its full width.
  std::vector<quint32> plain(static_cast<size_t>(width), 0xffffffffu);
  const std::vector<quint32> ruled(static_cast<size_t>(width), line);
  std::array<int, kMaxLines> pos;
  for (int i = 0, n = GridPositions(width, kReportColumns, pos); i < n; ++i)
    plain[static_cast<size_t>(pos[i])] = line;
  std::vector<bool> onRule(static_cast<size_t>(height), false);
  for (int i = 0, n = GridPositions(height, kReportRows, pos); i < n; ++i)
    onRule[static_cast<size_t>(pos[i])] = true;

  // The columns where a run starts or ends, bucketed by chart row (a counting sort).
  std::vector<int> firstChange(static_cast<size_t>(height) + 1, 0);
  std::vector<int> changed;
  const auto forEachChange = [&](auto &&visit) {
    for (size_t x = 0; x < static_cast<size_t>(width); ++x)
      for (const ColumnSpans &s : {two_.lower, two_.upper}) {
        if (s.top[left + x] > s.bottom[left + x])
          continue;
        for (const int y : {s.top[left + x], s.bottom[left + x] + 1})
          if (y > top && y < top + height)
            visit(static_cast<size_t>(y - top), static_cast<int>(x));
      }
  };
  forEachChange([&](size_t row, int) { ++firstChange[row + 1]; });
  for (size_t i = 1; i < firstChange.size(); ++i)
    firstChange[i] += firstChange[i - 1];
  changed.resize(static_cast<size_t>(firstChange.back()));
  std::vector<int> next(firstChange.begin(), firstChange.end() - 1);
  forEachChange([&](size_t row, int x) { changed[static_cast<size_t>(next[row]++)] = x; });

  const TwoCurves shifted = FromColumn(two_, static_cast<int>(left));
  std::vector<quint32> row(static_cast<size_t>(width));
  std::vector<quint32> ruledRow(static_cast<size_t>(width));
  ComposeRow(plain.data(), row.data(), width, top, shifted);
  for (int i = 0; i < height; ++i) {
    const int y = top + i;
    for (int c = firstChange[static_cast<size_t>(i)]; c < firstChange[static_cast<size_t>(i) + 1];
         ++c) {
      const int x = changed[static_cast<size_t>(c)];
      ComposeRow(&plain[size_t(x)], &row[size_t(x)], 1, y, FromColumn(shifted, x));
    }
    const quint32 *out = row.data();
    if (onRule[static_cast<size_t>(i)]) {
      ComposeRow(ruled.data(), ruledRow.data(), width, y, shifted);
      out = ruledRow.data();
    }
    CopyRowPast(Row(y) + left, out, width);
  }
  EndRowCopies();
}

// The curves' pixels in `area` over what the image holds there, in bands of rows: a band's rows
// stay in the cache while its columns are painted, where whole columns down the page missed it
// at every pixel.
void ComposedChart::PaintBeyond(const QRect &area) const {
  const QRect paint = area.intersected(curves_);
  constexpr int kBandRows = 16;
  for (int from = paint.top(); from <= paint.bottom(); from += kBandRows) {
    const int to = std::min(paint.bottom(), from + kBandRows - 1);
    for (int x = paint.left(); x <= paint.right(); ++x) {
      const auto at = static_cast<size_t>(x);
      const int t = std::max(from, std::min(two_.lower.top[at], two_.upper.top[at]));
      const int b = std::min(to, std::max(two_.lower.bottom[at], two_.upper.bottom[at]));
      if (t <= b)
        ComposeColumn(bits_, bits_, bytesPerLine_, x, t, b, two_);
    }
  }
}

} // namespace trend
