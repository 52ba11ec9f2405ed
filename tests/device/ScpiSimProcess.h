#pragma once
#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "tests/support/TestHelpers.h"

// The scpisim program run for one test: started on a loopback port (or a pseudo-terminal),
// killed when the test ends. It logs each line it receives into a file of its own.
class ScpiSimProcess {
public:
  ~ScpiSimProcess() { Kill(); }

  // Starts the simulator with the extra switches (killing a running one first); port 0 takes any
  // free one. Waits (at most a few seconds) for its "PORT n" or "PTY path" line.
  bool Start(const QStringList &switches, int port = 0) {
    Kill();
    const QStringList args{QStringLiteral("--port"),        QString::number(port),
                           QStringLiteral("--log"),         LogPath(),
                           QStringLiteral("--max-seconds"), QStringLiteral("60")};
    m_process.start(QString::fromUtf8(SCPISIM_PROGRAM), args + switches);
    if (!m_process.waitForStarted(5000))
      return false;
    QByteArray out;
    for (int i = 0; i < 50 && !out.contains('\n'); ++i) {
      m_process.waitForReadyRead(100);
      out += m_process.readAllStandardOutput();
    }
    const QByteArray line = out.left(out.indexOf('\n')).trimmed();
    if (line.startsWith("PORT ")) {
      m_port = line.mid(5).toInt();
      return m_port > 0;
    }
    if (line.startsWith("PTY ")) {
      m_pty = QString::fromUtf8(line.mid(4));
      return true;
    }
    return false;
  }

  void Kill() {
    if (m_process.state() != QProcess::NotRunning) {
      m_process.kill();
      m_process.waitForFinished(5000);
    }
  }

  int Port() const { return m_port; }
  QString Pty() const { return m_pty; }
  QByteArray Backend() const {
    return m_pty.isEmpty() ? "tcp://127.0.0.1:" + QByteArray::number(m_port)
                           : "serial:" + m_pty.toUtf8() + "?baud=115200";
  }

  QString LogPath() const { return m_dir.filePath(QStringLiteral("received.log")); }
  // The lines that arrived since the last clearing.
  QStringList Received() const {
    return QString::fromLatin1(testhelp::ReadFile(LogPath()))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }
  void ClearReceived() { testhelp::WriteFile(LogPath(), {}); }

private:
  QTemporaryDir m_dir;
  QProcess m_process;
  int m_port = 0;
  QString m_pty;
};
