#pragma once
#include <QWidget>

#include "trend/CVoltScale.h"

// Volt ruler left of the chart. Dragging it moves the chart's 10-volt window;
// the chart and the report read its base value, and a drag that moves the base tells the chart
// at once so its curves follow the pointer rather than the next sample.
//
// The ruler does not hold the mouse: Qt grabs it for the pressed widget, so moves and releases
// that Qt delivers while the pointer is elsewhere are ignored here. A release outside therefore
// leaves the drag running, and with mouse tracking the drag goes on without a button held when
// the pointer comes back.
class CVoltRuler : public QWidget {
  Q_OBJECT
public:
  explicit CVoltRuler(QWidget *parent = nullptr);

  int GetBase() const { return m_scale.GetBase(); }
  const CVoltScale &Scale() const { return m_scale; }
  CVoltScale &Scale() { return m_scale; }

Q_SIGNALS:
  // A drag moved the base by whole divisions.
  void BaseChanged(int base);

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

private:
  void DescribeWindow(); // the 10-volt window, for screen readers

  CVoltScale m_scale;
};
