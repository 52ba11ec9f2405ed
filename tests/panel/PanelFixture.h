#pragma once
#include <memory>

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/CKTX2300MDoc.h"
#include "controls/CLampWidget.h"
#include "device/CPwrio.h"
#include "panel/CKTX2300MDlgView.h"
#include "platform/CCommandTable.h"
#include "platform/CDialogBuilder.h"
#include "tests/device/SimOutputs.h"
#include "tests/support/MessageCapture.h"
#include "tests/support/TestHelpers.h"

// A started panel on the real simulated supply, switched off, whose control file the test writes
// and whose state file shows the outputs.
class PanelFixture : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    m_control = m_dir.filePath(QStringLiteral("control"));
    m_state = m_dir.filePath(QStringLiteral("state"));
    qputenv("PWRIO_SIM_CONTROL", QFile::encodeName(m_control));
    qputenv("PWRIO_SIM_STATE", QFile::encodeName(m_state));
    m_pwrio = std::make_unique<CPwrio>();
    ASSERT_TRUE(m_pwrio->IsLoaded()) << m_pwrio->LoadError().toStdString();
    // A subclass that names an instrument (PWRIO_BACKEND) has no simulator to reset.
    if (qEnvironmentVariableIsEmpty("PWRIO_BACKEND")) {
      ASSERT_TRUE(simtest::Reset(m_pwrio->LibraryPath(), m_control));
    }
    m_view = std::make_unique<CKTX2300MDlgView>(*m_pwrio);
    m_view->SetDocument(&m_doc);
    m_view->AddCommands(m_commands);
    m_view->OnInitialUpdate();
  }

  void TearDown() override {
    qunsetenv("PWRIO_SIM_CONTROL");
    qunsetenv("PWRIO_SIM_STATE");
  }

  simtest::Output Output(int channel) const { return simtest::ReadOutput(m_state, channel); }

  void WriteControl(const char *text) { ASSERT_TRUE(testhelp::WriteFile(m_control, text)); }

  // One watch tick: its probe runs on a thread of its own, so wait for the result, then let the
  // message it may leave for after the handler come up.
  void Watch() {
    m_view->OnDeviceWatch();
    ASSERT_TRUE(m_view->WaitForDeviceWatch());
    QCoreApplication::processEvents();
  }

  QWidget *Item(int id) const { return m_view->Item(id); }
  QString Text(int id) const { return platform::GetDlgItemText(m_view.get(), id); }
  void SetText(int id, const char *text) {
    platform::SetDlgItemText(m_view.get(), id, QString::fromLatin1(text));
  }
  QLineEdit *Edit(int id) const { return platform::DlgItem<QLineEdit>(m_view.get(), id); }
  QComboBox *Combo(int id) const { return platform::DlgItem<QComboBox>(m_view.get(), id); }
  bool LedLit(int id) const { return platform::DlgItem<CLampWidget>(m_view.get(), id)->IsLit(); }
  void Click(int id) { platform::DlgItem<QAbstractButton>(m_view.get(), id)->click(); }
  CPanelState &State() { return m_view->State(); }
  bool Command(int id) { return m_commands.Run(id); }

  QTemporaryDir m_dir;
  QString m_control;
  QString m_state;
  std::unique_ptr<CPwrio> m_pwrio;
  CKTX2300MDoc m_doc;
  std::unique_ptr<CKTX2300MDlgView> m_view;
  platform::CCommandTable m_commands;
};
