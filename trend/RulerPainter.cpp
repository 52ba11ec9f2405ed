#include "trend/RulerPainter.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include "platform/ColourContrast.h"

namespace trend {

QColor ToQColor(COLORREF color) {
  return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

QColor ButtonFaceColor() {
  return QApplication::palette().color(QPalette::Button);
}

QColor GridColor(const QColor &background) {
  // A light palette's face differs from the chart by less than this and is kept as it is.
  constexpr double kFaintGrid = 1.3;
  return platform::SoftLine(ButtonFaceColor(), background, kFaintGrid);
}

QColor RulerInk(const QColor &preferred) {
  return platform::LegibleInk(preferred, ButtonFaceColor(), platform::kTextContrast,
                              QApplication::palette().color(QPalette::ButtonText));
}

void DrawTextAt(QPainter &painter, QPoint topLeft, const QString &text) {
  const QFontMetrics metrics(painter.font(), painter.device());
  painter.drawText(topLeft.x(), topLeft.y() + metrics.ascent(), text);
}

QLine LineToSegment(QPoint from, QPoint to) {
  const int dx = to.x() > from.x() ? -1 : (to.x() < from.x() ? 1 : 0);
  const int dy = to.y() > from.y() ? -1 : (to.y() < from.y() ? 1 : 0);
  return QLine(from, QPoint(to.x() + dx, to.y() + dy));
}

void DrawRulerTicks(QPainter &painter, std::span<const RulerTick> ticks, const QColor &ink) {
  painter.setPen(QPen(ink, 1));
  for (const RulerTick &tick : ticks)
    painter.drawLine(LineToSegment(tick.from, tick.to));
  // Labels keep their stated places unless the ruler's edge would cut them; then they move just
  // inside, so a narrow volt ruler still shows whole numbers. A small face keeps them clear of
  // the ticks.
  QFont font = painter.font();
  font.setPixelSize(9);
  painter.setFont(font);
  const QFontMetrics metrics(font, painter.device());
  const int width = painter.device()->width();
  const int lowest = std::max(0, painter.device()->height() - metrics.height());
  for (const RulerTick &tick : ticks) {
    const QString text = QString::number(tick.value);
    QPoint at = tick.label;
    at.setX(std::clamp(at.x(), 0, std::max(0, width - metrics.horizontalAdvance(text))));
    at.setY(std::clamp(at.y(), 0, lowest));
    DrawTextAt(painter, at, text);
  }
}

} // namespace trend
