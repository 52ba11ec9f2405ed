#include "panel/CWheelToFocus.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

CWheelToFocus::CWheelToFocus(QWidget *panel) : QObject(panel), m_panel(panel) {}

void CWheelToFocus::WatchAll() {
  m_panel->installEventFilter(this);
  for (QWidget *child : m_panel->findChildren<QWidget *>()) {
    child->installEventFilter(this);
    // Qt hands the focus to a drop-down list under the pointer before it delivers the notch;
    // a click or Tab still gives it the focus.
    if ((child->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus)
      child->setFocusPolicy(Qt::StrongFocus);
  }
}

bool CWheelToFocus::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() != QEvent::Wheel)
    return false;
  auto *widget = static_cast<QWidget *>(watched);
  QWidget *focus = QApplication::focusWidget();
  // The focused control and its parts (a list's viewport, say) handle the notch themselves.
  if (focus && (widget == focus || focus->isAncestorOf(widget)))
    return false;
  // While a forwarded notch climbs from the focused control to its parents, none of them may
  // act on it: they do not hold the focus either.
  if (m_bForwarding || !focus || !m_panel->isAncestorOf(focus))
    return true;
  m_bForwarding = true;
  QApplication::sendEvent(focus, event);
  m_bForwarding = false;
  return true;
}
