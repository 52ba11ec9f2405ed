#pragma once
#include <QObject>

class QWidget;

// The wheel goes to the window holding the keyboard focus, as on the platform the panel was
// made for: a notch over a drop-down list, a button or the chart must not change that control
// unless it holds the focus. Installed on the panel and every control in it, the filter lets
// the focused control (and what it holds) take the wheel itself and hands every other notch to
// the focused control; one that nobody takes is dropped.
class CWheelToFocus : public QObject {
  Q_OBJECT
public:
  explicit CWheelToFocus(QWidget *panel);

  // Watches the panel and every widget inside it at the time of the call.
  void WatchAll();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  QWidget *m_panel;
  bool m_bForwarding = false;
};
