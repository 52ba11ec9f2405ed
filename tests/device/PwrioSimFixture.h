#pragma once
#include <QFile>
#include <QLibrary>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

#include "device/CPwrio.h"
#include "tests/support/TestHelpers.h"

inline QString PwrioLibraryFile() {
  return QString::fromUtf8(PWRIO_TEST_LIBRARY);
}
inline QString PartialLibraryFile() {
  return QString::fromUtf8(PWRIO_TEST_PARTIAL_LIBRARY);
}

// Every test starts with the simulated supply switched off, a control file and a call log of its
// own, and the real library loaded both through CPwrio and directly (for the raw calls and the
// simulator's hooks).
class PwrioSimTest : public ::testing::Test {
protected:
  struct Output {
    int on = -1;
    int first = -1;
    int second = -1;
    friend bool operator==(const Output &, const Output &) = default;
  };

  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    m_controlPath = m_dir.filePath(QStringLiteral("control.txt"));
    m_logPath = m_dir.filePath(QStringLiteral("calls.log"));
    qputenv("PWRIO_SIM_CONTROL", QFile::encodeName(m_controlPath));
    qputenv("PWRIO_SIM_LOG", QFile::encodeName(m_logPath));
    ASSERT_TRUE(m_pwrio.IsLoaded()) << m_pwrio.LoadError().toStdString();
    m_raw.setFileName(PwrioLibraryFile());
    ASSERT_TRUE(m_raw.load()) << m_raw.errorString().toStdString();
    m_reset = reinterpret_cast<void(PWRIO_CALL *)()>(m_raw.resolve("pwrioSimReset"));
    m_readOutput =
        reinterpret_cast<int(PWRIO_CALL *)(int, int *, int *)>(m_raw.resolve("pwrioSimReadOutput"));
    ASSERT_NE(m_reset, nullptr);
    ASSERT_NE(m_readOutput, nullptr);
    m_reset();
  }

  void TearDown() override {
    qunsetenv("PWRIO_SIM_CONTROL");
    qunsetenv("PWRIO_SIM_LOG");
  }

  void WriteControl(const QByteArray &text) {
    ASSERT_TRUE(testhelp::WriteFile(m_controlPath, text));
  }
  QByteArray ReadControl() const { return testhelp::ReadFile(m_controlPath); }

  QStringList LogLines() const {
    QFile file(m_logPath);
    if (!file.open(QIODevice::ReadOnly)) {
      return {};
    }
    return QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }

  void ClearLog() { QFile::remove(m_logPath); }

  Output ReadOutput(int channel) {
    Output out;
    int pair[2] = {-1, -1};
    EXPECT_EQ(m_readOutput(channel, &out.on, pair), 1);
    out.first = pair[0];
    out.second = pair[1];
    return out;
  }

  PwrioSetVoltFn RawSetVolt(const char *name) {
    return reinterpret_cast<PwrioSetVoltFn>(m_raw.resolve(name));
  }

  QTemporaryDir m_dir;
  QString m_controlPath;
  QString m_logPath;
  CPwrio m_pwrio{PwrioLibraryFile()};
  QLibrary m_raw;
  void(PWRIO_CALL *m_reset)() = nullptr;
  int(PWRIO_CALL *m_readOutput)(int, int *, int *) = nullptr;
};

inline void PrintTo(const VoltageCode &code, std::ostream *os) {
  *os << code.first << ',' << code.second;
}
