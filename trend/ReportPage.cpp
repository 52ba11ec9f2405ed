#include "trend/ReportPage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>

#include "trend/CurveRaster.h"
#include "trend/RulerPainter.h"
#include "trend/TrendGeometry.h"
#include "trend/TrendText.h"

namespace trend {
namespace {

// A platform rectangle leaves out its right and bottom edges.
QRect Outline(const ReportRect &r) {
  return QRect(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1);
}

void FillSwatch(QPainter &painter, const std::array<QPoint, 4> &corners, COLORREF color) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(ToQColor(color));
  painter.drawPolygon(corners.data(), static_cast<int>(corners.size()), Qt::OddEvenFill);
}

// The image under the painter when the curve can be written straight into its pixels: a plain
// 32-bit raster with nothing between the page's coordinates and the pixels. Printers, PDF and any
// transformed, clipped or blended painter keep the QPainter path.
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

// Both curves at once on a plain image: each column of each curve reduced to the one run of rows it
// covers, then the chart's rows rewritten once, top to bottom, with CH2 over CH1. Drawn curve by
// curve, a noise curve's columns went down the whole chart for each curve, a cache miss a pixel.
// The pixels are those the curves' own drawing gives. False where that does not apply.
bool ComposeReportCurves(QPainter &painter, double lo, double hi, const ReportData &data,
                         const ReportRect &chart) {
  QImage *image = RasterTarget(painter);
  if (!image || CurvePenWidth(image->logicalDpiY()) != 2)
    return false;
  const int w = image->width();
  const int h = image->height();
  const auto columns = static_cast<size_t>(w);
  std::vector<int> spans(4 * columns);
  std::vector<float> ys(kRingCapacity);
  std::vector<QLine> lines(kRingCapacity);
  const std::array<bool, 2> on{data.stateCh1.GetOn() != 0, data.stateCh2.GetOn() != 0};
  const std::array<std::span<const double>, 2> rings{data.ringCh1, data.ringCh2};
  for (size_t k = 0; k < 2; ++k) {
    const int count =
        on[k] ? CurveLines(rings[k], data.ringOldest, lo, hi, chart.left, chart.top,
                           chart.right - chart.left, chart.bottom - chart.top, ys, lines)
              : 0;
    if (!CoverColumns(w, h, std::span(lines).first(count),
                      {&spans[2 * k * columns], &spans[(2 * k + 1) * columns]}))
      return false;
  }
  int left = w, right = -1, top = h, bottom = -1;
  qsizetype covered = 0;
  for (int x = 0; x < w; ++x)
    for (size_t k = 0; k < 2; ++k) {
      const int t = spans[2 * k * columns + size_t(x)];
      const int b = spans[(2 * k + 1) * columns + size_t(x)];
      if (t <= b) {
        left = std::min(left, x);
        right = x;
        top = std::min(top, t);
        bottom = std::max(bottom, b);
        covered += b - t + 1;
      }
    }
  // Held curves cover a few rows a column: their columns alone are cheaper than every row.
  if (covered < qsizetype(right - left + 1) * (bottom - top + 1) / 8)
    return false;
  const auto from = static_cast<size_t>(std::max(left, 0));
  const TwoCurves curves{{&spans[from], &spans[columns + from]},
                         0xff000000u | ToQColor(data.stateCh1.GetColor()).rgb(),
                         {&spans[2 * columns + from], &spans[3 * columns + from]},
                         0xff000000u | ToQColor(data.stateCh2.GetColor()).rgb()};
  for (int y = top; y <= bottom; ++y) {
    auto *row = reinterpret_cast<quint32 *>(image->scanLine(y)) + from;
    ComposeRow(row, row, right - left + 1, y, curves);
  }
  return true;
}

} // namespace

QFont ReportFont(int cellHeight) {
  QFont font(QString::fromLatin1(kReportFace));
  if (!QFontInfo(font).exactMatch()) {
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")});
    font.setBold(true);
    font.setItalic(true);
  }
  font.setStyleHint(QFont::SansSerif);
  // The page asks for a cell height; Qt sizes a font by its em.
  font.setPixelSize(1000);
  const qreal cell = QFontMetricsF(font).height();
  const int em = cell > 0 ? static_cast<int>(cellHeight * 1000 / cell) : cellHeight;
  font.setPixelSize(qMax(1, em));
  return font;
}

void DrawReportPage(QPainter &painter, int w, int h, const ReportData &data) {
  const ReportLayout layout = ComputeReportLayout(w, h, data);
  painter.setPen(QPen(Qt::black, 1));
  // The inner frames lie inside the first one, whose white fill already covers them, so only
  // their outlines are drawn: same pixels, a quarter of the filling on a 600 dpi page.
  painter.setBrush(Qt::white);
  painter.drawRect(Outline(layout.frames[0]));
  painter.setBrush(Qt::NoBrush);
  for (size_t i = 1; i < layout.frames.size(); ++i)
    painter.drawRect(Outline(layout.frames[i]));

  const QFont pageFont = painter.font();
  painter.setFont(ReportFont(layout.titleFontHeight));
  const ReportRect &t = layout.titleRect;
  painter.drawText(QRect(t.left, t.top, t.right - t.left, t.bottom - t.top),
                   Qt::AlignHCenter | Qt::AlignTop, QString::fromLatin1(kTitleText));
  painter.setFont(ReportFont(layout.headerFontHeight));
  DrawTextAt(painter, layout.header.at, layout.header.text);
  if (layout.hasLegendCh1)
    DrawTextAt(painter, layout.legendCh1.at, layout.legendCh1.text);
  if (layout.hasLegendCh2)
    DrawTextAt(painter, layout.legendCh2.at, layout.legendCh2.text);
  painter.setFont(pageFont);

  if (layout.hasLegendCh1)
    FillSwatch(painter, layout.swatchCh1, data.stateCh1.GetColor());
  if (layout.hasLegendCh2)
    FillSwatch(painter, layout.swatchCh2, data.stateCh2.GetColor());

  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  for (const QLine &rule : layout.rules)
    painter.drawLine(LineToSegment(rule.p1(), rule.p2()));
}

void DrawReportGrid(QPainter &painter, const ReportRect &chart, bool fill) {
  const int w = chart.right - chart.left;
  const int h = chart.bottom - chart.top;
  if (fill)
    painter.fillRect(QRect(chart.left, chart.top, w, h), Qt::white);
  painter.setPen(QPen(GridColor(Qt::white), 1));
  std::array<int, kMaxLines> pos;
  int count = GridPositions(w, kReportColumns, pos);
  for (int i = 0; i < count; ++i) {
    const int x = chart.left + pos[i];
    painter.drawLine(LineToSegment(QPoint(x, chart.top), QPoint(x, chart.bottom)));
  }
  count = GridPositions(h, kReportRows, pos);
  for (int i = 0; i < count; ++i) {
    const int y = chart.top + pos[i];
    painter.drawLine(LineToSegment(QPoint(chart.left, y), QPoint(chart.right, y)));
  }
}

void DrawReportCurve(QPainter &painter, const ReportRect &chart, int channel, double lo, double hi,
                     int start, const ReportData &data) {
  const std::span<const double> ring = channel == 0 ? data.ringCh1 : data.ringCh2;
  const COLORREF color = channel == 0 ? data.stateCh1.GetColor() : data.stateCh2.GetColor();
  if (ring.empty())
    return;
  std::array<float, kRingCapacity> ys;
  std::array<QLine, kRingCapacity> lines;
  int count = CurveLines(ring, start, lo, hi, chart.left, chart.top, chart.right - chart.left,
                         chart.bottom - chart.top, ys, lines);
  const int penWidth = CurvePenWidth(painter.device() ? painter.device()->logicalDpiY() : 0);
  if (QImage *image = RasterTarget(painter); image && penWidth == 2) {
    DrawWideLines(*image, std::span(lines).first(count), ToQColor(color).rgb());
    return;
  }
  count = MergeStraightRuns(std::span(lines).first(count));
  painter.setPen(QPen(ToQColor(color), penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawLines(lines.data(), count);
}

int CurvePenWidth(int dpi) {
  return std::max(2, static_cast<int>(std::lround(2.0 * dpi / kCurveDpi)));
}

void DrawReportFrame(QPainter &painter, const ReportRect &chart) {
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(
      QRect(chart.left, chart.top, chart.right - chart.left, chart.bottom - chart.top));
}

void DrawReport(QPainter &painter, int w, int h, const ReportData &data) {
  DrawReportPage(painter, w, h, data);
  const ReportLayout layout = ComputeReportLayout(w, h, data);
  painter.setPen(QPen(Qt::black, 1));
  DrawTextAt(painter, layout.dateLine.at, layout.dateLine.text);
  DrawTextAt(painter, layout.ch1Line.at, layout.ch1Line.text);
  DrawTextAt(painter, layout.ch2Line.at, layout.ch2Line.text);
  // The page's white frame already lies under the chart: filling it again cost a fifth of a
  // 600-dpi page.
  DrawReportGrid(painter, layout.chart, false);
  const double lo = data.base;
  const double hi = lo + kReportVolts;
  if (!ComposeReportCurves(painter, lo, hi, data, layout.chart)) {
    if (data.stateCh1.GetOn())
      DrawReportCurve(painter, layout.chart, 0, lo, hi, data.ringOldest, data);
    if (data.stateCh2.GetOn())
      DrawReportCurve(painter, layout.chart, 1, lo, hi, data.ringOldest, data);
  }
  DrawReportFrame(painter, layout.chart);
}

} // namespace trend
