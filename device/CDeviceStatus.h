#pragma once
#include <QObject>
#include <QString>

class QSocketNotifier;

// Why the device is absent or a call failed, as the device library tells it: the library writes
// one line per change into a pipe whose write end it finds in PWRIO_STATUS_FD. The pipe is made
// and the variable set here, before the library is first called; the lines are read on the
// thread that owns this object (the user-interface thread), never waiting.
class CDeviceStatus : public QObject {
  Q_OBJECT
public:
  static constexpr const char *kFdVariable = "PWRIO_STATUS_FD";

  explicit CDeviceStatus(QObject *parent = nullptr);
  ~CDeviceStatus() override;

  // The latest line, empty until the library wrote one.
  QString Text() const { return m_text; }
  // Reads whatever arrived (the notifier does this by itself once the event loop runs).
  void ReadAvailable();

Q_SIGNALS:
  void Changed(const QString &text);

private:
  int m_fds[2] = {-1, -1};
  QSocketNotifier *m_notifier = nullptr;
  QByteArray m_pending;
  QString m_text;
};
