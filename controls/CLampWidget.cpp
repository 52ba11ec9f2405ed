#include "controls/CLampWidget.h"

#include <algorithm>

#include <QPainter>
#include <QRadialGradient>

#include "resources/AccessibleTexts.h"

CLampWidget::CLampWidget(QWidget *parent) : QWidget(parent) {
  setAccessibleDescription(QString::fromLatin1(res::access::kOff));
}

void CLampWidget::SetLit(bool lit) {
  if (lit == m_bLit)
    return;
  m_bLit = lit;
  setAccessibleDescription(QString::fromLatin1(lit ? res::access::kOn : res::access::kOff));
  update();
}

void CLampWidget::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal d = std::min(width(), height()) - 1.0;
  const QRectF lamp((width() - d) / 2.0, (height() - d) / 2.0, d, d);
  // A highlight towards the upper left keeps the dark lamp readable as a lamp.
  QRadialGradient glow(lamp.center() - QPointF(d / 5, d / 5), d * 0.7);
  glow.setColorAt(0.0, m_bLit ? QColor(255, 190, 190) : QColor(130, 60, 60));
  glow.setColorAt(1.0, m_bLit ? QColor(240, 0, 0) : QColor(70, 0, 0));
  painter.setPen(QPen(QColor(40, 40, 40), 1));
  painter.setBrush(glow);
  painter.drawEllipse(lamp);
}
