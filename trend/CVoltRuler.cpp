#include "trend/CVoltRuler.h"

#include <array>

#include <QMouseEvent>
#include <QPainter>

#include "resources/AccessibleTexts.h"
#include "trend/RulerPainter.h"
#include "trend/TrendGeometry.h"

CVoltRuler::CVoltRuler(QWidget *parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  DescribeWindow();
}

void CVoltRuler::DescribeWindow() {
  const int base = m_scale.GetBase();
  setAccessibleDescription(QString::fromLatin1(res::access::kRulerWindow)
                               .arg(base)
                               .arg(base + m_scale.GetStep() * m_scale.GetDivisions()));
}

void CVoltRuler::paintEvent(QPaintEvent *) {
  // Only drawing happens here: each move is applied when it arrives, so a repaint the system
  // asks for (an uncovered window) cannot move the base or the remainder.
  QPainter painter(this);
  const int w = width();
  const int h = height();
  const QColor ink = trend::RulerInk(trend::ToQColor(m_scale.GetColor()));
  painter.fillRect(rect(), trend::ButtonFaceColor());
  painter.setPen(QPen(ink, 1));
  painter.drawLine(w - 1, 0, w - 1, h - 1);

  std::array<trend::RulerTick, trend::kMaxLines> ticks;
  const int count = trend::VoltRulerTicks(w, h, m_scale.GetBase(), m_scale.GetStep(),
                                          m_scale.GetDivisions(), ticks);
  trend::DrawRulerTicks(painter, std::span(ticks).first(count), ink);
}

void CVoltRuler::mousePressEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton)
    m_scale.OnLButtonDown(event->position().toPoint().y());
  event->accept();
}

void CVoltRuler::mouseMoveEvent(QMouseEvent *event) {
  const QPoint point = event->position().toPoint();
  if (rect().contains(point) && m_scale.OnMouseMove(point.y())) {
    // Applied as it arrives, not in the repaint it asks for: Qt merges repaints, and each move
    // must be converted exactly once.
    const int base = m_scale.GetBase();
    m_scale.ApplyPendingMove(height());
    if (m_scale.GetBase() != base)
      DescribeWindow();
    update();
    if (m_scale.GetBase() != base)
      Q_EMIT BaseChanged(m_scale.GetBase());
  }
  event->accept();
}

void CVoltRuler::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    m_scale.OnLButtonUp();
  event->accept();
}
