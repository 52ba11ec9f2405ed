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

// Every test starts with the simulated supply switched off, a control file and a call log of its
// own, a state file to read the outputs from, and the real library loaded both through CPwrio
// and directly (for the raw calls).
class PwrioSimTest : public ::testing::Test {
protected:
  using Output = simtest::Output;
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    qputenv("PWRIO_SIM_CONTROL", QFile::encodeName(m_controlPath));
    qputenv("PWRIO_SIM_LOG", QFile::encodeName(m_logPath));
    qputenv("PWRIO_SIM_STATE", QFile::encodeName(m_statePath));
    ASSERT_TRUE(m_pwrio.IsLoaded()) << m_pwrio.LoadError().toStdString();
    ASSERT_TRUE(m_raw.load()) << m_raw.errorString().toStdString();
    ResetSupply();
  }
  void TearDown() override {
    for (const char *name : {"PWRIO_SIM_CONTROL", "PWRIO_SIM_LOG", "PWRIO_SIM_STATE"})
      qunsetenv(name);
  }

  // Every output off, as at power-up, with no control file and an empty log.
  void ResetSupply() {
    ASSERT_TRUE(simtest::Reset(PwrioLibraryFile(), m_controlPath));
    QFile::remove(m_logPath);
  }
  void WriteControl(const QByteArray &text) {
    ASSERT_TRUE(testhelp::WriteFile(m_controlPath, text));
  }
  QByteArray ReadControl() const { return testhelp::ReadFile(m_controlPath); }
  QStringList LogLines() const {
    return QString::fromLatin1(testhelp::ReadFile(m_logPath)).split(u'\n', Qt::SkipEmptyParts);
  }
  Output ReadOutput(int channel) const { return simtest::ReadOutput(m_statePath, channel); }
  PwrioSetVoltFn RawSetVolt(const char *name) {
    return reinterpret_cast<PwrioSetVoltFn>(m_raw.resolve(name));
  }

  QTemporaryDir m_dir;
  const QString m_controlPath = m_dir.filePath(QStringLiteral("control.txt"));
  const QString m_logPath = m_dir.filePath(QStringLiteral("calls.log"));
  const QString m_statePath = m_dir.filePath(QStringLiteral("state.txt"));
  CPwrio m_pwrio{PwrioLibraryFile()};
  QLibrary m_raw{PwrioLibraryFile()};
};

inline void PrintTo(const VoltageCode &code, std::ostream *os) {
  *os << code.first << ',' << code.second;
}
