#include "trend/TextStamp.h"

#include <algorithm>
#include <functional>
#include <memory>

#include <QCache>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "trend/CurveRaster.h"

namespace trend {
namespace {

// Below this pixel size Qt draws from its own glyph cache, already fast.
constexpr qreal kOutlineSize = 64;
// Pictures kept by each thread, in KiB: a 600 dpi page's texts take a few MiB.
constexpr int kCacheKiB = 32 * 1024;

struct Stamp {
  QImage picture; // premultiplied: Qt's drawing of the text on a transparent ground
  QPoint offset;  // of its top-left corner from the anchor
};

bool Stampable(QPainter &painter) {
  if (!RasterTarget(painter) || painter.pen().style() != Qt::SolidLine ||
      painter.compositionMode() != QPainter::CompositionMode_SourceOver)
    return false;
  const QFont &font = painter.font();
  const qreal pixels = font.pixelSize() > 0
                           ? font.pixelSize()
                           : font.pointSizeF() * painter.device()->logicalDpiY() / 72.0;
  return pixels >= kOutlineSize;
}

QString StampKey(QPainter &painter, const QString &what) {
  const QPaintDevice *device = painter.device();
  return QStringLiteral("%1|%2|%3|%4|%5|")
             .arg(painter.font().key())
             .arg(device->logicalDpiX())
             .arg(device->logicalDpiY())
             .arg(painter.pen().color().rgba())
             .arg(int(painter.renderHints())) +
         what;
}

// The smallest part of `picture` that holds ink.
QRect InkedPart(const QImage &picture) {
  int left = picture.width(), right = -1, top = picture.height(), bottom = -1;
  for (int y = 0; y < picture.height(); ++y) {
    const auto *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
    for (int x = 0; x < picture.width(); ++x)
      if (qAlpha(row[x]) != 0) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = y;
      }
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Qt's drawing by `draw` (anchored at the origin) on a transparent picture covering `area` around
// the anchor, cut down to its ink.
Stamp MakeStamp(QPainter &like, const QRect &area, const std::function<void(QPainter &)> &draw) {
  QImage picture(area.size(), QImage::Format_ARGB32_Premultiplied);
  picture.setDotsPerMeterX(like.device()->logicalDpiX() * 10000 / 254);
  picture.setDotsPerMeterY(like.device()->logicalDpiY() * 10000 / 254);
  picture.fill(Qt::transparent);
  {
    QPainter painter(&picture);
    painter.setRenderHints(like.renderHints());
    painter.setFont(like.font());
    painter.setPen(like.pen());
    painter.translate(-area.topLeft());
    // Qt's very first drawing of a large face differs a little at the glyphs' edges from every
    // later one; the picture keeps a later one.
    draw(painter);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(area, Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    draw(painter);
  }
  const QRect inked = InkedPart(picture);
  return {picture.copy(inked), area.topLeft() + inked.topLeft()};
}

// The stamp put at `anchor`. Moving a drawing by whole pixels leaves Qt's rasterising unchanged,
// so the pixels are those of drawing there directly.
void DrawStamp(QPainter &painter, QPoint anchor, const QString &key, const QRect &area,
               const std::function<void(QPainter &)> &draw) {
  thread_local QCache<QString, Stamp> kept(kCacheKiB);
  if (const Stamp *stamp = kept.object(key)) {
    painter.drawImage(anchor + stamp->offset, stamp->picture);
    return;
  }
  auto made = std::make_unique<Stamp>(MakeStamp(painter, area, draw));
  painter.drawImage(anchor + made->offset, made->picture);
  const auto cost = std::max<qsizetype>(1, made->picture.sizeInBytes() / 1024);
  kept.insert(key, made.release(), cost);
}

} // namespace

void DrawStampedText(QPainter &painter, QPoint baseline, const QString &text) {
  if (!Stampable(painter)) {
    painter.drawText(baseline, text);
    return;
  }
  // Italic overhangs and accents may leave the metrics' box: a line's height around it.
  const QFontMetrics metrics(painter.font(), painter.device());
  const int margin = metrics.height();
  const QRect area = metrics.boundingRect(text).adjusted(-margin, -margin, margin, margin);
  DrawStamp(painter, baseline, StampKey(painter, QStringLiteral("at|") + text), area,
            [&](QPainter &p) { p.drawText(QPoint(0, 0), text); });
}

void DrawStampedText(QPainter &painter, const QRect &rect, int flags, const QString &text) {
  if (!Stampable(painter) || (flags & Qt::AlignVertical_Mask) != Qt::AlignTop) {
    painter.drawText(rect, flags, text);
    return;
  }
  const QFontMetrics metrics(painter.font(), painter.device());
  const int margin = metrics.height();
  const QRect area(-margin, -margin, rect.width() + 2 * margin,
                   std::min(rect.height(), metrics.height()) + 2 * margin);
  const QString what =
      QStringLiteral("in|%1|%2|%3|").arg(rect.width()).arg(rect.height()).arg(flags);
  DrawStamp(painter, rect.topLeft(), StampKey(painter, what + text), area, [&](QPainter &p) {
    p.drawText(QRect(0, 0, rect.width(), rect.height()), flags, text);
  });
}

} // namespace trend
