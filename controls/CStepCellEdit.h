#pragma once
#include <QLineEdit>

// The in-place editor of the step list: it stands over the edited cell, whatever x the list or
// a scroll gives it, and reports once how the edit ended.
class CStepCellEdit : public QLineEdit {
  Q_OBJECT
public:
  explicit CStepCellEdit(QWidget *parent = nullptr);

  // Puts the editor at m_nLeft with the row's top and height, up to the cell's right edge.
  void Place(const QRect &cell);

  int m_nLeft = 0; // list coordinates: the edited cell's left edge + 4

Q_SIGNALS:
  // store: Enter, or the focus leaving; not store: Escape. Emitted at most once.
  void EditEnded(bool store);

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  void moveEvent(QMoveEvent *event) override;

private:
  void End(bool store);

  bool m_bEnded = false;
};
