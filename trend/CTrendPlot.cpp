#include "trend/CTrendPlot.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <utility>

#include <QBackingStore>
#include <QPainter>
#include <QWindow>

#include "core/CChannelState.h"
#include "platform/CrtText.h"
#include "resources/AccessibleTexts.h"
#include "trend/CTrendPlotAccessible.h"
#include "trend/CVoltRuler.h"
#include "trend/CurveRaster.h"
#include "trend/RulerPainter.h"

namespace {
constexpr COLORREF kChartBackground = RGB(247, 247, 255);

// The rows of a column whose pixels change when a curve's run there goes from rows t0 .. b0 to
// t1 .. b1 (top > bottom where none): those in one run and not in the other, as one span from the
// first to the last of them, within 0 .. height - 1; empty where the runs are the same.
std::pair<int, int> RowsBetween(int t0, int b0, int t1, int b1, int height) {
  const bool was = t0 <= b0;
  const bool is = t1 <= b1;
  int top = 0;
  int bottom = -1;
  if (was != is) {
    top = was ? t0 : t1;
    bottom = was ? b0 : b1;
  } else if (!was || (t0 == t1 && b0 == b1)) {
    return {0, -1};
  } else if (b0 < t1 || b1 < t0) {
    top = std::min(t0, t1);
    bottom = std::max(b0, b1);
  } else {
    top = t0 != t1 ? std::min(t0, t1) : std::min(b0, b1) + 1;
    bottom = b0 != b1 ? std::max(b0, b1) : std::max(t0, t1) - 1;
  }
  return {std::max(0, top), std::min(height - 1, bottom)};
}
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
  if (!PaintThrough())
    update();
}

// The sampling tick puts the new chart straight into the window's backing store and flushes that
// rectangle: the same pixels a repaint would put there, without the update region, the posted
// event and the painter Qt builds for every repaint, so a tick allocates nothing. Only where
// nothing else can be in the way; otherwise the ordinary update() does it.
bool CTrendPlot::PaintThrough() {
  QWidget *top = window();
  QWindow *handle = top->windowHandle();
  QBackingStore *store = top->backingStore();
  if (!isVisible() || !updatesEnabled() || !handle || !handle->isExposed() || !store ||
      !Uncovered())
    return false;
  const qreal ratio = devicePixelRatioF();
  const QPoint at = mapTo(top, QPoint(0, 0));
  const QRect rect(at, size());
  const QRect pixels(at * ratio, PixelSize(ratio));
  // Whether the store holds the image as it was before this render (which clears the flag).
  const bool synced = m_bStoreSynced && pixels == m_storePixels;
  if (IsStale())
    Render(ratio);
  // The same segments as on the screen already: nothing to paint or show.
  if (synced && m_change == Change::Nothing)
    return true;
  if (rect != m_flushRect) {
    m_flushRect = rect;
    m_flushRegion = QRegion(rect);
  }
  // Painted between beginPaint and endPaint as Qt's own repaint does, so that a platform that
  // tracks what changed (an X server without shared memory) sends these pixels too.
  store->beginPaint(m_flushRegion);
  QPaintDevice *device = store->paintDevice();
  auto *target =
      device && device->devType() == QInternal::Image ? static_cast<QImage *>(device) : nullptr;
  // The store must hold the whole window at this ratio in 32-bit pixels: a store that has not
  // been painted since the window changed size is left to Qt.
  if (!target || ratio != std::floor(ratio) || target->size() != top->size() * ratio ||
      !trend::CanRasterInto(*target) || !QRect(QPoint(0, 0), target->size()).contains(pixels)) {
    store->endPaint();
    return false;
  }
  // Where the store still holds the last image at this place, only the columns' rows that the
  // last render changed go across: a held curve changes a few rows a column. (A translucent
  // store is cleared by beginPaint.)
  // Not bits(): a shared store image would be copied and the copy written.
  uchar *to = const_cast<uchar *>(std::as_const(*target).constBits()) +
              pixels.top() * target->bytesPerLine() + qsizetype(pixels.left()) * 4;
  if (synced && m_change == Change::Columns && !target->hasAlphaChannel())
    CopyChangedColumns(to, target->bytesPerLine());
  else
    for (int y = 0; y < pixels.height(); ++y)
      std::memcpy(to + y * target->bytesPerLine(), m_image.constScanLine(y),
                  static_cast<size_t>(pixels.width()) * 4);
  m_bStoreSynced = true;
  m_storePixels = pixels;
  store->endPaint();
  store->flush(m_flushRegion, handle);
  return true;
}

void CTrendPlot::CopyChangedColumns(uchar *to, qsizetype stride) const {
  const uchar *from = m_image.constBits();
  const qsizetype fromStride = m_image.bytesPerLine();
  if (m_bChangedAsBox) {
    const qsizetype at = qsizetype(m_changedBox.left()) * 4;
    for (int y = m_changedBox.top(); y <= m_changedBox.bottom(); ++y)
      std::memcpy(to + y * stride + at, from + y * fromStride + at,
                  static_cast<size_t>(m_changedBox.width()) * 4);
    return;
  }
  for (size_t k = 0; k < 2; ++k)
    for (size_t x = 0; x < m_changed[k].top.size(); ++x) {
      const qsizetype at = static_cast<qsizetype>(x) * 4;
      for (int y = m_changed[k].top[x]; y <= m_changed[k].bottom[x]; ++y)
        std::memcpy(to + y * stride + at, from + y * fromStride + at, 4);
    }
}

// Whether the chart lies in plain view of its window: no widget of its own on it, no sibling of
// it or of a parent stacked above it and overlapping it, and every parent large enough to show
// it whole.
bool CTrendPlot::Uncovered() const {
  for (const QObject *child : children())
    if (child->isWidgetType() && static_cast<const QWidget *>(child)->isVisible())
      return false;
  QRect rect(QPoint(0, 0), size());
  for (const QWidget *w = this; !w->isWindow(); w = w->parentWidget()) {
    rect.translate(w->pos());
    // A parent smaller than the chart clips it; the store beyond the parent is not the chart's.
    if (!w->parentWidget()->rect().contains(rect))
      return false;
    const QObjectList &siblings = w->parentWidget()->children();
    for (auto it = siblings.rbegin(); it != siblings.rend() && *it != w; ++it) {
      // isWidgetType is a flag; a cast through the meta-object for each of the panel's many
      // controls at every tick cost more than the test itself.
      if (!(*it)->isWidgetType())
        continue;
      const auto *above = static_cast<const QWidget *>(*it);
      if (!above->isWindow() && above->isVisible() && above->geometry().intersects(rect))
        return false;
    }
  }
  return true;
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
  painter.end();
  // The grid has two kinds of rows, ruled or not; composing reads each row's first copy, which
  // stays in the cache, instead of the whole grid.
  m_gridRows.resize(static_cast<size_t>(h));
  const auto bytes = static_cast<size_t>(w) * 4;
  std::vector<const uchar *> distinct;
  for (int y = 0; y < h; ++y) {
    const uchar *row = m_grid.constScanLine(y);
    const auto same = std::find_if(distinct.begin(), distinct.end(), [&](const uchar *first) {
      return std::memcmp(first, row, bytes) == 0;
    });
    if (same != distinct.end()) {
      m_gridRows[size_t(y)] = *same;
    } else {
      distinct.push_back(row);
      m_gridRows[size_t(y)] = row;
    }
  }
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
  const bool storeSynced = m_bStoreSynced;
  m_bStoreSynced = false;
  m_change = Change::Image;
  const QSize pixels = PixelSize(ratio);
  if (pixels.isEmpty()) {
    m_grid = QImage();
    m_image = QImage();
    return;
  }
  if (m_grid.size() != pixels) {
    DrawGrid(pixels);
    m_drawnCounts = {-1, -1};
  }
  if (m_image.size() != pixels) {
    m_image = QImage(pixels, QImage::Format_RGB32);
    m_covered[0].top.clear();
    m_drawnCounts = {-1, -1};
  }
  m_image.setDevicePixelRatio(ratio);

  const int base = CurrentBase();
  m_nDrawnBase = base;
  m_nDrawnOldest = m_pRingOldest ? *m_pRingOldest : -1;
  m_bStale = false;
  if (m_ringCh1.empty() || m_ringCh2.empty() || !m_pRingOldest) {
    RestoreGrid();
    m_drawnCounts = {-1, -1};
    return;
  }

  const double lo = base;
  const double hi = lo + trend::kChartVolts;
  LineSet &lines = m_lineSets[static_cast<size_t>(1 - m_nDrawnSet)];
  const std::array<int, 2> counts{CurveLines(m_ringCh1, lo, hi, *m_pRingOldest, lines[0]),
                                  CurveLines(m_ringCh2, lo, hi, *m_pRingOldest, lines[1])};
  const LineSet &drawn = m_lineSets[static_cast<size_t>(m_nDrawnSet)];
  // Per curve, whether the image shows these very segments (a held curve keeps them).
  const auto shown = [&](size_t k) {
    return counts[k] == m_drawnCounts[k] &&
           std::equal(lines[k].begin(), lines[k].begin() + counts[k], drawn[k].begin());
  };
  const std::array<bool, 2> held{shown(0), shown(1)};
  if (held[0] && held[1]) {
    m_change = Change::Nothing;
    m_bStoreSynced = storeSynced;
    return;
  }
  if (!ComposeCurves(lines, counts, held))
    DrawCurves(lines, counts);
  if (m_change == Change::Nothing)
    m_bStoreSynced = storeSynced;
  m_nDrawnSet = 1 - m_nDrawnSet;
  m_drawnCounts = counts;
}

void CTrendPlot::Covered::Resize(int columns) {
  top.resize(static_cast<size_t>(columns));
  bottom.resize(static_cast<size_t>(columns));
}

int CTrendPlot::CurveLines(std::span<const double> ring, double lo, double hi, int start,
                           std::span<QLine> lines) {
  const int count = trend::CurveHeights(ring, start, lo, hi, m_image.height(), m_ys);
  if (count != m_nXsCount || m_image.width() != m_nXsWidth) {
    m_nXsCount = count;
    m_nXsWidth = m_image.width();
    m_nXs = trend::CurvePointXs(count, 0, m_nXsWidth, m_xs);
  }
  return trend::JoinedCurveSegments(std::span(m_ys).first(size_t(count)),
                                    std::span(m_xs).first(size_t(m_nXs)), 0, lines);
}

// Each image pixel is written once: from the grid, or in a curve's colour where that curve's
// column covers it (CH2 on top). Only the rows that one of the last and these runs of a column
// covers and the other does not change: a held curve rewrites a few rows a column, noise nearly
// all of them. False when a curve's columns are not one run each (then the curves are drawn).
bool CTrendPlot::ComposeCurves(const LineSet &lines, const std::array<int, 2> &counts,
                               const std::array<bool, 2> &held) {
  const int w = m_image.width();
  const int h = m_image.height();
  const bool known = m_bComposed && m_covered[0].top.size() == static_cast<size_t>(w);
  for (size_t k = 0; k < 2; ++k) {
    m_next[k].Resize(w);
    m_changed[k].Resize(w);
    if (known && held[k]) {
      // The same segments cover the same rows: nothing of this curve changes.
      m_next[k] = m_covered[k];
      std::fill(m_changed[k].top.begin(), m_changed[k].top.end(), 0);
      std::fill(m_changed[k].bottom.begin(), m_changed[k].bottom.end(), -1);
    } else if (!trend::CoverColumns(w, h, std::span(lines[k]).first(counts[k]),
                                    m_next[k].Spans())) {
      return false;
    }
  }
  const trend::TwoCurves curves{m_next[0].Spans(), trend::ToQColor(kColorCh1).rgb() | 0xff000000u,
                                m_next[1].Spans(), trend::ToQColor(kColorCh2).rgb() | 0xff000000u};
  if (!known) {
    ComposeRows(curves, m_image.rect());
  } else {
    // New segments can cover the same pixels (a curve held through a column).
    m_change = FindChangedRows(held) == 0 ? Change::Nothing : Change::Columns;
    ComposeChanged(curves);
  }
  std::swap(m_covered, m_next);
  m_bComposed = true;
  return true;
}

qsizetype CTrendPlot::FindChangedRows(const std::array<bool, 2> &held) {
  const int h = m_image.height();
  qsizetype changed = 0;
  int left = m_image.width(), right = -1, top = h, bottom = -1;
  for (size_t k = 0; k < 2; ++k) {
    if (held[k])
      continue;
    for (size_t x = 0; x < m_changed[k].top.size(); ++x) {
      const auto [from, to] = RowsBetween(m_covered[k].top[x], m_covered[k].bottom[x],
                                          m_next[k].top[x], m_next[k].bottom[x], h);
      m_changed[k].top[x] = from;
      m_changed[k].bottom[x] = to;
      if (from <= to) {
        changed += to - from + 1;
        left = std::min(left, static_cast<int>(x));
        right = std::max(right, static_cast<int>(x));
        top = std::min(top, from);
        bottom = std::max(bottom, to);
      }
    }
  }
  // The changed rows go row by row through the box around them, pixels that stay the same
  // included, unless that is many times more pixels: column by column each pixel is a cache
  // line of its own.
  m_changedBox = QRect(QPoint(left, top), QPoint(right, bottom));
  m_bChangedAsBox = qsizetype(m_changedBox.width()) * m_changedBox.height() <= 16 * changed;
  return changed;
}

void CTrendPlot::ComposeRows(const trend::TwoCurves &curves, const QRect &area) {
  uchar *image = m_image.bits();
  const qsizetype stride = m_image.bytesPerLine();
  const trend::TwoCurves from = trend::FromColumn(curves, area.left());
  for (int y = area.top(); y <= area.bottom(); ++y)
    trend::ComposeRow(reinterpret_cast<const quint32 *>(m_gridRows[size_t(y)]) + area.left(),
                      reinterpret_cast<quint32 *>(image + y * stride) + area.left(), area.width(),
                      y, from);
}

void CTrendPlot::ComposeChanged(const trend::TwoCurves &curves) {
  if (m_bChangedAsBox) {
    ComposeRows(curves, m_changedBox);
    return;
  }
  const uchar *grid = m_grid.constBits();
  uchar *image = m_image.bits();
  const qsizetype stride = m_image.bytesPerLine();
  for (size_t k = 0; k < 2; ++k)
    for (size_t x = 0; x < m_changed[k].top.size(); ++x)
      if (m_changed[k].top[x] <= m_changed[k].bottom[x])
        trend::ComposeColumn(grid, image, stride, static_cast<int>(x), m_changed[k].top[x],
                             m_changed[k].bottom[x], curves);
}

void CTrendPlot::DrawCurves(const LineSet &lines, const std::array<int, 2> &counts) {
  m_bComposed = false;
  RestoreGrid();
  // CH2 is drawn last so that it lies on top.
  const std::array<COLORREF, 2> colors{kColorCh1, kColorCh2};
  for (size_t k = 0; k < 2; ++k)
    // Written straight into the image's rows: QPainter's wide-line spans made a curve where
    // every sample differs cost about ten times as much.
    trend::DrawWideLines(m_image, std::span(lines[k]).first(counts[k]),
                         trend::ToQColor(colors[k]).rgb(), m_covered[k].Spans());
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
