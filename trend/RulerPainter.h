#pragma once
// Drawing helpers shared by the rulers and the chart.
#include <QColor>

#include "core/CChannelState.h"
#include "trend/TrendGeometry.h"

class QPainter;

namespace trend {

QColor ToQColor(COLORREF color);

// The platform's button-face colour, behind the rulers and in the chart's grid.
QColor ButtonFaceColor();

// The grid on a chart's fixed light background: the button face, softened where a dark
// palette's face would draw heavy lines.
QColor GridColor(const QColor &background);

// Ruler ink on the button face: `preferred` while it is legible there, else the palette's
// button text.
QColor RulerInk(const QColor &preferred);

// Text drawn with its top-left corner at `topLeft`, as the platform's TextOut places it.
void DrawTextAt(QPainter &painter, QPoint topLeft, const QString &text);

// The pixels the platform's LineTo paints from `from` to `to`: its last point is left out.
// Axis-parallel lines only.
QLine LineToSegment(QPoint from, QPoint to);

// Tick lines (end points left out) and "%d" labels in the painter's font.
void DrawRulerTicks(QPainter &painter, std::span<const RulerTick> ticks, const QColor &ink);

} // namespace trend
