#include "controls/CStepCellEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMoveEvent>

#include "resources/AccessibleTexts.h"

CStepCellEdit::CStepCellEdit(QWidget *parent) : QLineEdit(parent) {
  setFrame(true);
  setAccessibleName(QString::fromLatin1(res::access::kStepCell));
}

void CStepCellEdit::Place(const QRect &cell) {
  setGeometry(m_nLeft, cell.top(), qMax(1, cell.right() + 1 - m_nLeft), cell.height());
}

void CStepCellEdit::keyPressEvent(QKeyEvent *event) {
  switch (event->key()) {
  case Qt::Key_Return:
  case Qt::Key_Enter:
    End(true);
    return;
  case Qt::Key_Escape:
    End(false);
    return;
  default:
    QLineEdit::keyPressEvent(event);
  }
}

void CStepCellEdit::focusOutEvent(QFocusEvent *event) {
  QLineEdit::focusOutEvent(event);
  // A context menu of the editor borrows the focus without ending the edit.
  if (event->reason() != Qt::PopupFocusReason)
    End(true);
}

void CStepCellEdit::moveEvent(QMoveEvent *event) {
  QLineEdit::moveEvent(event);
  // The editor stays over the selected column, wherever the list or a scroll moves it.
  if (event->pos().x() != m_nLeft)
    move(m_nLeft, event->pos().y());
}

void CStepCellEdit::End(bool store) {
  if (m_bEnded)
    return;
  m_bEnded = true;
  Q_EMIT EditEnded(store);
}
