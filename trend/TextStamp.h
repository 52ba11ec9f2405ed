#pragma once
// Large text on a plain 32-bit image, drawn from pictures kept between pages. Qt keeps glyphs
// only up to a small size; larger text is filled from its outlines at every drawing, which on a
// 600 dpi report page cost milliseconds a line. The pictures are Qt's own drawing of the same
// text, so the pixels are the same; elsewhere (printers, PDF, small text) Qt draws directly.
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

namespace trend {

// As QPainter::drawText(baseline, text).
void DrawStampedText(QPainter &painter, QPoint baseline, const QString &text);

// As QPainter::drawText(rect, flags, text), for text aligned to the rectangle's top.
void DrawStampedText(QPainter &painter, const QRect &rect, int flags, const QString &text);

} // namespace trend
