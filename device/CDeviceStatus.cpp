#include "device/CDeviceStatus.h"

#include <QSocketNotifier>
#include <fcntl.h>
#include <unistd.h>

CDeviceStatus::CDeviceStatus(QObject *parent) : QObject(parent) {
  if (::pipe2(m_fds, O_NONBLOCK | O_CLOEXEC) != 0) {
    m_fds[0] = m_fds[1] = -1;
    return;
  }
  qputenv(kFdVariable, QByteArray::number(m_fds[1]));
  m_notifier = new QSocketNotifier(m_fds[0], QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, &CDeviceStatus::ReadAvailable);
}

CDeviceStatus::~CDeviceStatus() {
  if (m_fds[0] < 0) {
    return;
  }
  // A library still loaded must not write into whatever gets this number next.
  if (qgetenv(kFdVariable) == QByteArray::number(m_fds[1])) {
    qunsetenv(kFdVariable);
  }
  delete m_notifier;
  ::close(m_fds[0]);
  ::close(m_fds[1]);
}

void CDeviceStatus::ReadAvailable() {
  if (m_fds[0] < 0) {
    return;
  }
  char buffer[1024];
  long n = 0;
  while ((n = ::read(m_fds[0], buffer, sizeof buffer)) > 0) {
    m_pending.append(buffer, n);
  }
  const qsizetype end = m_pending.lastIndexOf('\n');
  if (end < 0) {
    return;
  }
  const qsizetype start = m_pending.lastIndexOf('\n', end - 1) + 1;
  const QString text = QString::fromUtf8(m_pending.mid(start, end - start));
  m_pending.remove(0, end + 1);
  if (text != m_text) {
    m_text = text;
    Q_EMIT Changed(m_text);
  }
}
