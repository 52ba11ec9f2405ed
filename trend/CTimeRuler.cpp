#include "trend/CTimeRuler.h"

#include <array>

#include <QPainter>

#include "trend/RulerPainter.h"
#include "trend/TrendGeometry.h"

CTimeRuler::CTimeRuler(QWidget *parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CTimeRuler::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  const int w = width();
  const QColor ink = trend::RulerInk(trend::ToQColor(m_crColor));
  painter.fillRect(rect(), trend::ButtonFaceColor());
  painter.setPen(QPen(ink, 1));
  painter.drawLine(0, 0, w - 1, 0);

  std::array<trend::RulerTick, trend::kMaxLines> ticks;
  const int count = trend::TimeRulerTicks(w, m_nBase, m_nStep, m_nDivisions, ticks);
  trend::DrawRulerTicks(painter, std::span(ticks).first(count), ink);
}
