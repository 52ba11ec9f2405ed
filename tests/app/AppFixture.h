#pragma once
// The started program for the tests that drive it whole, the windows it builds from templates,
// and the program run as its own process.
#include <memory>
#include <vector>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QProcess>
#include <gtest/gtest.h>

#include "app/CAboutDlg.h"
#include "app/CKTX2300MApp.h"
#include "app/CMainFrame.h"
#include "controls/CKeypadCh1Dlg.h"
#include "controls/CKeypadCh2Dlg.h"
#include "controls/CVoltSetCh1Dlg.h"
#include "controls/CVoltSetCh2Dlg.h"
#include "panel/CKTX2300MDlgView.h"
#include "platform/CDialogBuilder.h"
#include "resources/ControlIds.h"
#include "tests/support/MessageCapture.h"

namespace testhelp {

class AppFixture : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(m_app.InitInstance({}));
    m_frame = m_app.Frame();
    m_view = m_app.View();
  }
  QWidget *Item(int id) const { return platform::GetDlgItem(m_view, id); }
  QString Text(int id) const { return platform::GetDlgItemText(m_view, id); }
  void Click(int id) const { platform::DlgItem<QAbstractButton>(m_view, id)->click(); }
  // `main` and every window the program builds from a template: the keypads, volt-set dialogs
  // and About box, writing into the CH1 set-point box and living as long as the test.
  std::vector<QWidget *> Windows(QWidget *main) {
    QWidget *target = Item(ctl::kCh1Set);
    m_dialogs.push_back(std::make_unique<CKeypadCh1Dlg>(m_view, target));
    m_dialogs.push_back(std::make_unique<CKeypadCh2Dlg>(m_view, target));
    m_dialogs.push_back(std::make_unique<CVoltSetCh1Dlg>(m_view, target, true));
    m_dialogs.push_back(std::make_unique<CVoltSetCh2Dlg>(m_view, target, false));
    m_dialogs.push_back(std::make_unique<CAboutDlg>(m_view));
    std::vector<QWidget *> windows{main};
    for (const auto &dialog : m_dialogs)
      windows.push_back(dialog.get());
    return windows;
  }

  MessageCapture m_messages;
  CKTX2300MApp m_app;
  CMainFrame *m_frame = nullptr;
  CKTX2300MDlgView *m_view = nullptr;
  std::vector<std::unique_ptr<QDialog>> m_dialogs;
};

inline QString ProgramPath() {
  return QCoreApplication::applicationDirPath() + QStringLiteral("/KTX2300M");
}

// Runs the program offscreen, told to end 100 ms after start-up; false when it had to be killed.
inline bool RunProgram(QProcess &process, const QStringList &arguments) {
  process.start(ProgramPath(), QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"),
                                           QStringLiteral("--after"), QStringLiteral("100")} +
                                   arguments);
  if (process.waitForFinished(30000))
    return true;
  process.kill();
  process.waitForFinished();
  return false;
}

} // namespace testhelp
