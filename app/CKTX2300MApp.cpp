#include "app/CKTX2300MApp.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>

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

CKTX2300MApp::~CKTX2300MApp() {
  if (m_frame)
    SaveStdProfileSettings();
}

QString CKTX2300MApp::FolderOf(const QString &programPath) {
  const qsizetype cut = std::max(programPath.lastIndexOf(QLatin1Char('/')),
                                 programPath.lastIndexOf(QLatin1Char('\\')));
  return cut < 0 ? QString() : programPath.left(cut);
}

void CKTX2300MApp::LoadStdProfileSettings() {
  QSettings settings(QLatin1String(kRegistryKey), QLatin1String(res::kAppTitle));
  settings.beginGroup(QStringLiteral("Recent File List"));
  for (int i = 1; i <= kRecentFileCount; ++i) {
    const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
    if (!file.isEmpty())
      m_recentFiles.append(file);
  }
}

void CKTX2300MApp::SaveStdProfileSettings() const {
  QSettings settings(QLatin1String(kRegistryKey), QLatin1String(res::kAppTitle));
  settings.beginGroup(QStringLiteral("Recent File List"));
  for (int i = 1; i <= kRecentFileCount; ++i) {
    const QString key = QStringLiteral("File%1").arg(i);
    if (i <= m_recentFiles.size())
      settings.setValue(key, m_recentFiles.at(i - 1));
    else
      settings.remove(key);
  }
}

bool CKTX2300MApp::InitInstance(const QStringList &arguments) {
  m_strAppDir = FolderOf(QCoreApplication::applicationFilePath());
  QGuiApplication::setDesktopFileName(QLatin1String(kDesktopId));
  // Settings kept by Qt itself (remembered folders, the window's place) share the file of the
  // recent-file list.
  QCoreApplication::setOrganizationName(QLatin1String(kRegistryKey));
  QCoreApplication::setApplicationName(QLatin1String(res::kAppTitle));
  LoadStdProfileSettings();

  m_deviceStatus = std::make_unique<CDeviceStatus>();
  m_pwrio = std::make_unique<CPwrio>();
  m_frame = std::make_unique<CMainFrame>();
  if (!m_frame->OnCreate([this](int id) { return HasHandler(id); }))
    return false;
  QObject::connect(m_deviceStatus.get(), &CDeviceStatus::Changed, m_frame.get(),
                   &CMainFrame::SetDeviceStatus);
  m_view = new CKTX2300MDlgView(*m_pwrio, m_frame.get());
  m_view->SetDocument(&m_doc);
  m_doc.SetStepFileWriter(
      [view = m_view](const QString &path) { return view->WriteStepFile(path); });
  m_view->SetFrameSizer([frame = m_frame.get()](int w, int h) { frame->SizeFrame(w, h); });
  m_frame->SetPanel(m_view);
  m_frame->SetRouters([this](int id) { return RouteCommand(id); },
                      [this](int id, QAction *action) { m_view->OnUpdateCommand(id, action); });

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

bool CKTX2300MApp::HasHandler(int id) const {
  switch (id) {
  case cmd::kFileNew:
  case cmd::kFileOpen:
  case cmd::kFileSave:
  case cmd::kFileSaveAs:
  case cmd::kFilePrint:
  case cmd::kHelpContents:
  case cmd::kAppAbout:
    return true;
  default:
    return CKTX2300MDlgView::HandlesCommand(id);
  }
}

bool CKTX2300MApp::RouteCommand(int id) {
  if (m_view && m_view->OnCommand(id))
    return true;
  switch (id) {
  case cmd::kHelpContents:
    m_doc.OnHelpContents(GetAppDir());
    return true;
  case cmd::kAppAbout:
    OnAppAbout();
    return true;
  case cmd::kFileNew:
    OnFileNew();
    return true;
  default:
    return false;
  }
}

void CKTX2300MApp::OnAppAbout() {
  CAboutDlg dialog(m_frame.get());
  dialog.exec();
}

void CKTX2300MApp::OnFileNew() {
  if (m_doc.OnNewDocument())
    m_view->OnInitialUpdate();
}
