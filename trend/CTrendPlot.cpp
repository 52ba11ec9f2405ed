#include "trend/CTrendPlot.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include <QPainter>

#include "core/CChannelState.h"
#include "platform/CrtText.h"
#include "resources/AccessibleTexts.h"
#include "trend/CTrendPlotAccessible.h"
#include "trend/CVoltRuler.h"
#include "trend/CurveRaster.h"
#include "trend/RulerPainter.h"

namespace {
constexpr COLORREF kChartBackground = RGB(247, 247, 255);
} // namespace

CTrendPlot::CTrendPlot(QWidget *parent) : QWidget(parent) {
  // The image covers every pixel, so Qt need not clear behind it.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  CTrendPlotAccessible::Install();
}

void CTrendPlot::Attach(std::span<const double> ringCh1, std::span<const double> ringCh2,
                        const int *ringOldest, const CVoltRuler *ruler) {
  m_ringCh1 = ringCh1;
  m_ringCh2 = ringCh2;
  m_pRingOldest = ringOldest;
  if (m_pRuler)
    disconnect(m_pRuler, nullptr, this, nullptr);
  m_pRuler = ruler;
  // The repaint finds the new base and redraws; update() lets a burst of moves merge.
  if (ruler)
    connect(ruler, &CVoltRuler::BaseChanged, this, qOverload<>(&QWidget::update));
  Invalidate();
}

void CTrendPlot::Invalidate() {
  m_bStale = true;
  update();
}

int CTrendPlot::CurrentBase() const {
  return m_pRuler ? m_pRuler->GetBase() : 0;
}

QSize CTrendPlot::PixelSize(qreal ratio) const {
  return (QSizeF(size()) * ratio).toSize();
}

bool CTrendPlot::IsStale() const {
  // A sample always moves the oldest index, and a drag moves the base, so a plain update() from
  // the panel or a system repaint after a drag still shows the current data.
  return m_bStale || m_image.size() != PixelSize(devicePixelRatioF()) ||
         (m_pRingOldest && *m_pRingOldest != m_nDrawnOldest) || CurrentBase() != m_nDrawnBase;
}

void CTrendPlot::DrawGrid(QSize pixels) {
  const int w = pixels.width();
  const int h = pixels.height();
  m_grid = QImage(w, h, QImage::Format_RGB32);
  m_grid.fill(trend::ToQColor(kChartBackground));
  QPainter painter(&m_grid);
  painter.setPen(QPen(trend::GridColor(trend::ToQColor(kChartBackground)), 1));
  std::array<int, trend::kMaxLines> pos;
  int count = trend::GridPositions(w, trend::kChartColumns, pos);
  for (int i = 0; i < count; ++i)
    painter.drawLine(trend::LineToSegment(QPoint(pos[i], 0), QPoint(pos[i], h)));
  count = trend::GridPositions(h, trend::kChartRows, pos);
  for (int i = 0; i < count; ++i)
    painter.drawLine(trend::LineToSegment(QPoint(0, pos[i]), QPoint(w, pos[i])));
}

void CTrendPlot::RestoreGrid() {
  const int w = m_image.width();
  const int h = m_image.height();
  const auto columns = static_cast<size_t>(w);
  qsizetype covered = 0;
  for (const Covered &curve : m_covered) {
    if (curve.top.size() != columns) {
      covered = qsizetype(w) * h;
      break;
    }
    for (size_t x = 0; x < columns; ++x)
      if (curve.bottom[x] >= curve.top[x])
        covered += curve.bottom[x] - curve.top[x] + 1;
  }
  // Column by column costs a cache line a pixel; a held curve covers a few rows a column, noise
  // nearly all of them, where one straight copy is cheaper.
  if (covered > qsizetype(w) * h / 8) {
    std::memcpy(m_image.bits(), m_grid.constBits(), static_cast<size_t>(m_grid.sizeInBytes()));
  } else {
    uchar *to = m_image.bits();
    const uchar *from = m_grid.constBits();
    const qsizetype stride = m_image.bytesPerLine();
    for (const Covered &curve : m_covered)
      for (size_t x = 0; x < columns; ++x)
        for (int y = curve.top[x]; y <= curve.bottom[x]; ++y) {
          const qsizetype at = y * stride + static_cast<qsizetype>(x) * 4;
          std::memcpy(to + at, from + at, 4);
        }
  }
  for (Covered &curve : m_covered) {
    curve.top.assign(columns, INT_MAX);
    curve.bottom.assign(columns, INT_MIN);
  }
}

void CTrendPlot::Render() {
  Render(devicePixelRatioF());
}

void CTrendPlot::Render(qreal ratio) {
  const QSize pixels = PixelSize(ratio);
  if (pixels.isEmpty()) {
    m_grid = QImage();
    m_image = QImage();
    return;
  }
  if (m_grid.size() != pixels)
    DrawGrid(pixels);
  if (m_image.size() != pixels) {
    m_image = QImage(pixels, QImage::Format_RGB32);
    m_covered[0].top.clear();
  }
  RestoreGrid();
  m_image.setDevicePixelRatio(ratio);

  const int base = CurrentBase();
  m_nDrawnBase = base;
  m_nDrawnOldest = m_pRingOldest ? *m_pRingOldest : -1;
  m_bStale = false;
  if (m_ringCh1.empty() || m_ringCh2.empty() || !m_pRingOldest)
    return;

  const double lo = base;
  const double hi = lo + trend::kChartVolts;
  // CH2 is drawn last so that it lies on top.
  DrawCurve(m_ringCh1, lo, hi, *m_pRingOldest, kColorCh1, m_covered[0]);
  DrawCurve(m_ringCh2, lo, hi, *m_pRingOldest, kColorCh2, m_covered[1]);
}

void CTrendPlot::DrawCurve(std::span<const double> ring, double lo, double hi, int start,
                           COLORREF color, Covered &covered) {
  const int count = trend::CurveLines(ring, start, lo, hi, 0, 0, m_image.width(), m_image.height(),
                                      m_ys, m_lines);
  // Written straight into the image's rows: QPainter's wide-line spans made a curve where every
  // sample differs cost about ten times as much.
  trend::DrawWideLines(m_image, std::span(m_lines).first(count), trend::ToQColor(color).rgb(),
                       {covered.top.data(), covered.bottom.data()});
}

void CTrendPlot::paintEvent(QPaintEvent *) {
  if (IsStale())
    Render();
  QPainter painter(this);
  painter.drawImage(0, 0, m_image);
}

void CTrendPlot::resizeEvent(QResizeEvent *event) {
  m_bStale = true;
  QWidget::resizeEvent(event);
}

void CTrendPlot::changeEvent(QEvent *event) {
  // The grid takes the palette's button face: a new palette redraws it.
  if (event->type() == QEvent::PaletteChange) {
    m_grid = QImage();
    Invalidate();
  }
  QWidget::changeEvent(event);
}

QString CTrendPlot::LatestText() const {
  if (m_ringCh1.empty() || m_ringCh2.empty() || !m_pRingOldest)
    return {};
  const auto size = static_cast<int>(m_ringCh1.size());
  const auto newest = static_cast<std::size_t>((*m_pRingOldest + size - 1) % size);
  return QString::fromLatin1(res::access::kChartLatest)
      .arg(crt::Format3fQ(m_ringCh1[newest]), crt::Format3fQ(m_ringCh2[newest]));
}
