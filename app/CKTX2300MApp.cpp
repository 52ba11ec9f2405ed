#include "app/CKTX2300MApp.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "device/CDeviceStatus.h"
#include "device/CPwrio.h"
#include "panel/CKTX2300MDlgView.h"
#include "platform/CMessageBox.h"
#include "platform/CUserFile.h"
#include "resources/CommandIds.h"
#include "resources/FrameResources.h"

CKTX2300MApp::CKTX2300MApp() = default;

CKTX2300MApp::~CKTX2300MApp() = default;

QString CKTX2300MApp::FolderOf(const QString &programPath) {
  const qsizetype cut = std::max(programPath.lastIndexOf(QLatin1Char('/')),
                                 programPath.lastIndexOf(QLatin1Char('\\')));
  return cut < 0 ? QString() : programPath.left(cut);
}

bool CKTX2300MApp::InitInstance(const QStringList &arguments) {
  m_strAppDir = FolderOf(QCoreApplication::applicationFilePath());
  QGuiApplication::setDesktopFileName(QLatin1String(kDesktopId));
  // Where Qt keeps the program's settings (remembered folders, the window's place).
  QCoreApplication::setOrganizationName(QLatin1String(kRegistryKey));
  QCoreApplication::setApplicationName(QLatin1String(res::kAppTitle));

  m_deviceStatus = std::make_unique<CDeviceStatus>();
  m_pwrio = std::make_unique<CPwrio>();
  m_frame = std::make_unique<CMainFrame>();
  m_frame->OnCreate(m_commands);
  QObject::connect(m_deviceStatus.get(), &CDeviceStatus::Changed, m_frame.get(),
                   &CMainFrame::SetDeviceStatus);
  m_view = new CKTX2300MDlgView(*m_pwrio, m_frame.get());
  m_view->AddCommands(m_commands);
  AddCommands();
  m_frame->UpdateToolBar();
  m_view->SetDocument(&m_doc);
  m_view->SetFrameSizer([frame = m_frame.get()](int w, int h) { frame->SizeFrame(w, h); });
  m_frame->SetPanel(m_view);

  if (!ProcessShellCommand(arguments))
    return false;
  m_view->OnInitialUpdate();
  m_frame->show();
  if (!m_pwrio->IsLoaded()) {
    m_frame->SetDeviceStatus(m_pwrio->LoadError());
    platform::ShowMessage(m_pwrio->LoadError());
  }
  return true;
}

bool CKTX2300MApp::ProcessShellCommand(const QStringList &arguments) {
  if (arguments.isEmpty())
    return true;
  // The document reads nothing from a file, but a file that cannot be opened ends the program;
  // so does a pipe or a device, which would hold the start-up until its other end appears.
  QFile file;
  QString why;
  if (!CUserFile::OpenForReading(arguments.first(), file, &why)) {
    platform::ShowMessage(QStringLiteral("Cannot open \"%1\": %2.").arg(arguments.first(), why));
    return false;
  }
  return true;
}

void CKTX2300MApp::AddCommands() {
  m_commands.Add(cmd::kHelpContents, [this] { m_doc.OnHelpContents(GetAppDir()); });
  m_commands.Add(cmd::kAppAbout, [this] { OnAppAbout(); });
  m_commands.Add(cmd::kFileNew, [this] { OnFileNew(); });
}

void CKTX2300MApp::OnAppAbout() {
  CAboutDlg dialog(m_frame.get());
  dialog.exec();
}

void CKTX2300MApp::OnFileNew() {
  // The channel states stay as they are; the panel's start-up resets them.
  m_view->OnInitialUpdate();
}
