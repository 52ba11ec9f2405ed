#include "platform/TabWalk.h"

#include <QApplication>
#include <QWidget>

namespace platform {

bool IsShownTabStop(const QWidget *widget, const QWidget *window) {
  if (!widget || widget == window || widget->window() != window || widget->focusProxy() ||
      (widget->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || !widget->isEnabled() ||
      !widget->isVisibleTo(window))
    return false;
  const QRect place(widget->mapTo(window, QPoint(0, 0)), widget->size());
  QRect shown = window->rect();
  for (const QWidget *p = widget->parentWidget(); p && p != window; p = p->parentWidget())
    shown &= QRect(p->mapTo(window, QPoint(0, 0)), p->size());
  return !place.isEmpty() && shown.contains(place);
}

bool FocusNextShown(QWidget *window, bool next) {
  QWidget *start = QApplication::focusWidget();
  if (!start || start->window() != window)
    start = window;
  for (QWidget *w = start;;) {
    w = next ? w->nextInFocusChain() : w->previousInFocusChain();
    if (!w || w == start)
      return false;
    if (IsShownTabStop(w, window)) {
      w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
}

} // namespace platform
