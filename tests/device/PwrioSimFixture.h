#pragma once
#include <QFile>
#include <QLibrary>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

#include "device/CPwrio.h"
#include "tests/device/SimOutputs.h"
#include "tests/support/TestHelpers.h"

inline QString PwrioLibraryFile() {
  return QString::fromUtf8(PWRIO_TEST_LIBRARY);
}
inline QString PartialLibraryFile() {
  return QString::fromUtf8(PWRIO_TEST_PARTIAL_LIBRARY);
}

// Every test starts with the simulated supply switched off, a control file and a call log of its
// own, a state file to read the outputs from, and the real library loaded both through CPwrio
// and directly (for the raw calls).
class PwrioSimTest : public ::testing::Test {
protected:
  using Output = simtest::Output;

  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    m_controlPath = m_dir.filePath(QStringLiteral("control.txt"));
    m_logPath = m_dir.filePath(QStringLiteral("calls.log"));
    m_statePath = m_dir.filePath(QStringLiteral("state.txt"));
    qputenv("PWRIO_SIM_CONTROL", QFile::encodeName(m_controlPath));
    qputenv("PWRIO_SIM_LOG", QFile::encodeName(m_logPath));
    qputenv("PWRIO_SIM_STATE", QFile::encodeName(m_statePath));
    ASSERT_TRUE(m_pwrio.IsLoaded()) << m_pwrio.LoadError().toStdString();
    m_raw.setFileName(PwrioLibraryFile());
    ASSERT_TRUE(m_raw.load()) << m_raw.errorString().toStdString();
    ResetSupply();
  }

  // Every output off, as at power-up, with no control file and an empty log.
  void ResetSupply() {
    ASSERT_TRUE(simtest::Reset(PwrioLibraryFile(), m_controlPath));
    ClearLog();
  }

  void TearDown() override {
    qunsetenv("PWRIO_SIM_CONTROL");
    qunsetenv("PWRIO_SIM_LOG");
    qunsetenv("PWRIO_SIM_STATE");
  }

  void WriteControl(const QByteArray &text) {
    ASSERT_TRUE(testhelp::WriteFile(m_controlPath, text));
  }
  QByteArray ReadControl() const { return testhelp::ReadFile(m_controlPath); }

  QStringList LogLines() const {
    return QString::fromLatin1(testhelp::ReadFile(m_logPath))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }

  void ClearLog() { QFile::remove(m_logPath); }

  Output ReadOutput(int channel) const { return simtest::ReadOutput(m_statePath, channel); }

  PwrioSetVoltFn RawSetVolt(const char *name) {
    return reinterpret_cast<PwrioSetVoltFn>(m_raw.resolve(name));
  }

  QTemporaryDir m_dir;
  QString m_controlPath;
  QString m_logPath;
  QString m_statePath;
  CPwrio m_pwrio{PwrioLibraryFile()};
  QLibrary m_raw;
};

inline void PrintTo(const VoltageCode &code, std::ostream *os) {
  *os << code.first << ',' << code.second;
}
