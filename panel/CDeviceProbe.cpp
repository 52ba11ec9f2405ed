#include "panel/CDeviceProbe.h"

#include <QEventLoop>
#include <QTimer>
#include <utility>

CDeviceProbe::CDeviceProbe(std::function<int()> search, QObject *parent)
    : QObject(parent), m_search(std::move(search)), m_worker(new QObject) {
  m_thread.setObjectName(QStringLiteral("device watch"));
  m_worker->moveToThread(&m_thread);
  connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
  m_thread.start();
}

CDeviceProbe::~CDeviceProbe() {
  // A probe in flight ends within the library's bound; its result is dropped with this object.
  m_thread.quit();
  m_thread.wait();
}

bool CDeviceProbe::Start() {
  if (m_busy) {
    return false;
  }
  m_busy = true;
  QMetaObject::invokeMethod(m_worker, [this] {
    const bool present = m_search() != 0;
    QMetaObject::invokeMethod(
        this,
        [this, present] {
          m_busy = false;
          Q_EMIT Finished(present);
        },
        Qt::QueuedConnection);
  });
  return true;
}

bool CDeviceProbe::Wait(int timeoutMs) {
  if (!m_busy) {
    return true;
  }
  QEventLoop loop;
  connect(this, &CDeviceProbe::Finished, &loop, &QEventLoop::quit);
  QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
  loop.exec();
  return !m_busy;
}
