#pragma once
#include <QObject>
#include <QThread>
#include <functional>

// Runs the device watch's presence probe on a thread of its own, so an instrument that does not
// answer holds that thread for the library's bound, never the user-interface thread. One probe
// at a time: a tick that finds the previous probe still running is skipped. The library
// serialises its calls, so an operator's set call made meanwhile waits for the probe's end (at
// most the bound) and then runs.
class CDeviceProbe : public QObject {
  Q_OBJECT
public:
  explicit CDeviceProbe(std::function<int()> search, QObject *parent = nullptr);
  ~CDeviceProbe() override;

  // Starts a probe; false (and nothing started) while one is running.
  bool Start();
  bool Busy() const { return m_busy; }
  // Processes events until the running probe's result has been delivered, at most timeoutMs;
  // true when nothing is left running. For callers that need the answer now (tests, shutdown).
  bool Wait(int timeoutMs);

Q_SIGNALS:
  // On the thread that owns this object.
  void Finished(bool present);

private:
  std::function<int()> m_search;
  QThread m_thread;
  QObject *m_worker = nullptr;
  bool m_busy = false;
};
