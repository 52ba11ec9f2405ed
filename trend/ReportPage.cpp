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

#include "trend/ComposedChart.h"
#include "trend/CurveRaster.h"
#include "trend/RulerPainter.h"
#include "trend/TextStamp.h"
#include "trend/TrendGeometry.h"
#include "trend/TrendText.h"

namespace trend {
namespace {

// A platform rectangle leaves out its right and bottom edges.
QRect Outline(const ReportRect &r) {
  return QRect(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1);
}

// Text with its top-left corner at `topLeft`, as the platform's TextOut places it.
void StampTextAt(QPainter &painter, QPoint topLeft, const QString &text) {
  const QFontMetrics metrics(painter.font(), painter.device());
  DrawStampedText(painter, QPoint(topLeft.x(), topLeft.y() + metrics.ascent()), text);
}

void FillSwatch(QPainter &painter, const std::array<QPoint, 4> &corners, COLORREF color) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(ToQColor(color));
  painter.drawPolygon(corners.data(), static_cast<int>(corners.size()), Qt::OddEvenFill);
}

// Whether every text of the page stays off the chart's inside, which ComposedChart rewrites
// whole. Each text is taken as its cells, widened by a line's height for italic overhangs. On
// small sheets at a fine resolution the date line reaches into the chart, and there it must show.
bool TextsClearOf(QPainter &painter, const ReportLayout &layout, const QRect &inside) {
  const auto clear = [&](const QFont &font, const QRect &cells) {
    const int height = QFontMetrics(font, painter.device()).height();
    return !cells.adjusted(-height, 0, height, 0).intersects(inside);
  };
  const auto line = [&](const QFont &font, const ReportText &text) {
    const QFontMetrics metrics(font, painter.device());
    return clear(font,
                 QRect(text.at, QSize(metrics.horizontalAdvance(text.text), metrics.height())));
  };
  const QFont title = ReportFont(layout.titleFontHeight);
  const QFont header = ReportFont(layout.headerFontHeight);
  const ReportRect &t = layout.titleRect;
  const QRect titleCells =
      QFontMetrics(title, painter.device())
          .boundingRect(QRect(t.left, t.top, t.right - t.left, t.bottom - t.top),
                        Qt::AlignHCenter | Qt::AlignTop, QString::fromLatin1(kTitleText));
  return clear(title, titleCells) && line(header, layout.header) &&
         line(header, layout.legendCh1) && line(header, layout.legendCh2) &&
         line(painter.font(), layout.dateLine) && line(painter.font(), layout.ch1Line) &&
         line(painter.font(), layout.ch2Line);
}

// The page image the chart can be composed into: a plain raster at the curves' 2-pixel pen, the
// chart on it and no text reaching into it. Null otherwise.
QImage *ComposeTarget(QPainter &painter, const ReportLayout &layout) {
  QImage *image = RasterTarget(painter);
  if (!image || CurvePenWidth(image->logicalDpiY()) != 2)
    return nullptr;
  const ReportRect &c = layout.chart;
  const QRect inside(c.left, c.top, c.right - c.left, c.bottom - c.top);
  if (inside.isEmpty() || !image->rect().contains(inside) || !TextsClearOf(painter, layout, inside))
    return nullptr;
  return image;
}

// The page; on a plain image its white fill leaves out the chart, which `composed` writes later.
void DrawPage(QPainter &painter, int w, int h, const ReportData &data,
              const ComposedChart *composed) {
  const ReportLayout layout = ComputeReportLayout(w, h, data);
  // The inner frames lie inside the first one, whose white fill already covers them, so only
  // their outlines are drawn: same pixels, a quarter of the filling on a 600 dpi page.
  if (!composed) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(Outline(layout.frames[0]));
  } else {
    composed->FillAround(Outline(layout.frames[0]).adjusted(1, 1, 0, 0));
  }
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::NoBrush);
  for (size_t i = composed ? 0 : 1; i < layout.frames.size(); ++i)
    painter.drawRect(Outline(layout.frames[i]));

  const QFont pageFont = painter.font();
  painter.setFont(ReportFont(layout.titleFontHeight));
  const ReportRect &t = layout.titleRect;
  DrawStampedText(painter, QRect(t.left, t.top, t.right - t.left, t.bottom - t.top),
                  Qt::AlignHCenter | Qt::AlignTop, QString::fromLatin1(kTitleText));
  painter.setFont(ReportFont(layout.headerFontHeight));
  StampTextAt(painter, layout.header.at, layout.header.text);
  if (layout.hasLegendCh1)
    StampTextAt(painter, layout.legendCh1.at, layout.legendCh1.text);
  if (layout.hasLegendCh2)
    StampTextAt(painter, layout.legendCh2.at, layout.legendCh2.text);
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
  DrawPage(painter, w, h, data, nullptr);
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
  const ReportLayout layout = ComputeReportLayout(w, h, data);
  const double lo = data.base;
  const double hi = lo + kReportVolts;
  // On a plain image the chart is written once, after the page around it.
  const ComposedChart composed(ComposeTarget(painter, layout), layout.chart, lo, hi, data);
  DrawPage(painter, w, h, data, composed ? &composed : nullptr);
  painter.setPen(QPen(Qt::black, 1));
  StampTextAt(painter, layout.dateLine.at, layout.dateLine.text);
  StampTextAt(painter, layout.ch1Line.at, layout.ch1Line.text);
  StampTextAt(painter, layout.ch2Line.at, layout.ch2Line.text);
  if (composed) {
    composed.Write(GridColor(Qt::white));
  } else {
    // The page's white frame already lies under the chart: filling it again cost a fifth of a
    // 600-dpi page.
    DrawReportGrid(painter, layout.chart, false);
    if (data.stateCh1.GetOn())
      DrawReportCurve(painter, layout.chart, 0, lo, hi, data.ringOldest, data);
    if (data.stateCh2.GetOn())
      DrawReportCurve(painter, layout.chart, 1, lo, hi, data.ringOldest, data);
  }
  DrawReportFrame(painter, layout.chart);
}

} // namespace trend
